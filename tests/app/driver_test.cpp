// The driver with a scripted platform: windows, quiet ends, the input's type; and batch runs.
#include "app/driver.hpp"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "dialogs/text_platforms.hpp"
#include "store/stop.hpp"
#include "support/files.hpp"
#include "support/run_program.hpp"

namespace fs = std::filesystem;
using mirval::ScriptedPlatform;

namespace {

// A fresh folder per test, made the current folder while the test runs.
class DriverRun : public ::testing::Test {
protected:
    void SetUp() override {
        previous_ = fs::current_path();
        folder_ = mirval::test::scratchFolder() /
                  ("mirval-driver-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(folder_);
        fs::create_directories(folder_);
        fs::current_path(folder_);
    }
    void TearDown() override {
        fs::current_path(previous_);
        fs::remove_all(folder_);
    }
    static void writeFile(const std::string& name, const std::string& bytes) {
        std::ofstream(name, std::ios::binary) << bytes;
    }
    // Runs the driver as main does; the exit status it would end with.
    int run() {
        mirval::Driver driver(platform_);
        try {
            driver.MIRVAL();
        } catch (const mirval::RunStop& stop) {
            for (const std::string& line : stop.messages) platform_.console().line(line);
            return stop.status;
        }
        return 0;
    }
    int filesInFolder() const {
        return static_cast<int>(std::distance(fs::directory_iterator(folder_), fs::directory_iterator()));
    }

    ScriptedPlatform platform_;
    fs::path previous_;
    fs::path folder_;
};

}  // namespace

TEST_F(DriverRun, StartWindowAndChooserAsTheUserSeesThem) {
    platform_.buttons = {"Exit"};
    EXPECT_EQ(run(), 0);
    ASSERT_EQ(platform_.dialogsShown.size(), 1u);
    const auto& start = platform_.dialogsShown[0];
    EXPECT_EQ(start.caption, "Programa MIRVAL");
    EXPECT_EQ(start.lines.front(), "Este programa calcula as coordenadas topográficas   de levantamento de grutas");
    ASSERT_EQ(start.buttons.size(), 2u);
    EXPECT_EQ(start.buttons[0].label, "select file");
    EXPECT_EQ(start.buttons[0].mnemonic, 's');
    EXPECT_TRUE(start.buttons[0].isDefault);
    EXPECT_EQ(start.buttons[1].label, "Exit");
    EXPECT_EQ(start.buttons[1].mnemonic, 'E');
    EXPECT_EQ(start.buttonGap, 5);
}

TEST_F(DriverRun, ExitOrCancelEndsQuietlyAndCreatesNothing) {
    platform_.buttons = {"Exit"};
    EXPECT_EQ(run(), 0);
    platform_.buttons = {"select file"};  // chooser cancelled: no path queued
    EXPECT_EQ(run(), 0);
    ASSERT_EQ(platform_.choosersShown.size(), 1u);
    const auto& chooser = platform_.choosersShown[0];
    EXPECT_EQ(chooser.title, "select_file File");
    EXPECT_EQ(chooser.proposedName, "Modelo Varnisk.txt");
    ASSERT_EQ(chooser.filters.size(), 6u);
    EXPECT_EQ(chooser.filters[4].name, "Arquivo SPE antigo");
    EXPECT_EQ(chooser.filters[4].pattern, "*.SPE");
    EXPECT_TRUE(chooser.mustExist);
    EXPECT_EQ(filesInFolder(), 0);
    EXPECT_EQ(platform_.log.text(), "");
}

TEST_F(DriverRun, UnsupportedTypeIsRefusedBeforeAnyFileIsCreated) {
    writeFile("nada.DAT", "qualquer coisa\n");
    platform_.buttons = {"select file"};
    platform_.paths = {"nada.DAT"};
    EXPECT_EQ(run(), 1);
    EXPECT_EQ(platform_.log.text(), "FORMATO DE ARQUIVO DE LEITURA NAO SUPORTADO\n");
    EXPECT_EQ(filesInFolder(), 1);
    const auto& result = platform_.dialogsShown.at(1);
    EXPECT_EQ(result.caption, "Result");
    EXPECT_EQ(result.lines.at(2), "TIPO DE ARQUIVO ESCOLHIDO: \"DAt\"");
    EXPECT_EQ(result.lines.at(20), "ARQUIVO DE COMPASS_SPLAYS(DAT): \"nada_splays.dat\"");
    EXPECT_EQ(result.lines.size(), 22u);
}

TEST_F(DriverRun, TextInputTakesItsTypeFromTheFirstLine) {
    writeFile("misto.txt", "oRv\nx\n");  // only ORV, Orv and orv count
    platform_.buttons = {"select file"};
    platform_.paths = {"misto.txt"};
    EXPECT_EQ(run(), 1);
    EXPECT_EQ(platform_.log.text(), "FORMATO DE ARQUIVO DE LEITURA NAO SUPORTADO\n");

    // a byte-order mark is skipped: the spreadsheet reader takes it, and finds its header cut short
    writeFile("bom.TXT", "\xEF\xBB\xBFVrk\n");
    platform_.log.clear();
    platform_.buttons = {"select file"};
    platform_.paths = {"bom.TXT"};
    EXPECT_EQ(run(), 1);
    EXPECT_EQ(platform_.log.text(), "ERRO DE LEITURA NO ARQUIVO bom.TXT, LINHA 2\n");
}

TEST(Program, BatchRunOnUnsupportedFile) {
    const fs::path folder = mirval::test::scratchFolder() / "batch-unsupported";
    fs::remove_all(folder);
    fs::create_directories(folder);
    std::ofstream(folder / "nada.dat") << "x\n";
    EXPECT_EQ(mirval::test::runProgram(folder, "nada.dat"), 1);
    EXPECT_EQ(mirval::test::readFile(folder / "console.out"), "FORMATO DE ARQUIVO DE LEITURA NAO SUPORTADO\n");
    EXPECT_FALSE(fs::exists(folder / "nada.res"));

    // a survey path that does not exist is refused before anything is created
    EXPECT_EQ(mirval::test::runProgram(folder, "sumiu.orv"), 1);
    EXPECT_FALSE(fs::exists(folder / "sumiu.res"));
    fs::remove_all(folder);
}
