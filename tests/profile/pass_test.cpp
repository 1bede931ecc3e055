// The profile pass as the driver runs it: the prompt, the chosen file, the
// report; and the whole program in batch mode with two profile files.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "core/store.hpp"
#include "profile/profile.hpp"
#include "profile_test_support.hpp"

namespace mirval {
namespace {

using test::profileHead;
using test::writeScratch;

class ProfilePassTest : public test::WithScriptedPlatform {
protected:
    void SetUp() override {
        WithScriptedPlatform::SetUp();
        initialiseStore(store());
        store().inputFileName.assign("gruta.orv");
        StationTable& st = store().stations;
        const struct { const char* name; double x, y, z, ht; } cave[] = {
            {"A1", 100, 200, 50, 3}, {"A2", 103, 204, 48, 2}, {"A3", 103, 210, 47, -1}};
        for (const auto& c : cave) {
            const int k = ++store().stationCount;
            st.name[k].assign(c.name);
            st.x[k] = c.x;
            st.y[k] = c.y;
            st.z[k] = c.z;
            st.ht[k] = c.ht;
            st.zteto[k] = c.ht > 0 ? c.z + c.ht : -1;
        }
    }
    // One pass answering the prompt with `button` and the chooser with `path`.
    LongText pass(const std::string& button, const std::string& path = "") {
        platform.buttons = {button};
        if (!path.empty()) platform.paths = {path};
        LongText buffer;
        PERFGRU(buffer, store().stations, kSymbolSize, kSymbolSize, store().stationCount);
        return buffer;
    }
};

TEST_F(ProfilePassTest, ExitLeavesTheBufferAtTheInputFileName) {
    EXPECT_EQ(pass("Exit"), store().inputFileName);
    ASSERT_EQ(platform.dialogsShown.size(), 1u);
    const Dialog& prompt = platform.dialogsShown[0];
    EXPECT_EQ(prompt.caption, "Programa MIRVAL");
    const std::vector<std::string> lines{"O MIRVAL processou a gruta com sucesso!!",
                                         "  , ",
                                         "Deseja processar um arquivo de perfil?. ",
                                         "",
                                         "Escolha um arquivo ou Exit, para sair.",
                                         "",
                                         "",
                                         "Versão C++ do MIRVAL",
                                         ""};
    EXPECT_EQ(prompt.lines, lines);
    ASSERT_EQ(prompt.buttons.size(), 2u);
    EXPECT_EQ(prompt.buttons[0].label + prompt.buttons[0].mnemonic, "select files");
    EXPECT_TRUE(prompt.buttons[0].isDefault);
    EXPECT_EQ(prompt.buttons[1].label + prompt.buttons[1].mnemonic, "ExitE");
    EXPECT_FALSE(prompt.buttons[1].action);
    EXPECT_EQ(prompt.buttonGap, 4);
    EXPECT_EQ(log(), "");

    // a cancelled chooser leaves the input file name as it was
    EXPECT_EQ(pass("select file"), store().inputFileName);
    EXPECT_EQ(platform.choosersShown.size(), 1u);
}

TEST_F(ProfilePassTest, RejectedFileGivesTheDrawingNameButNoDrawing) {
    const auto path = writeScratch("rejeitado.prr", "XYZ\n");
    const auto drawing = test::scratchFolder() / "rejeitado.dxf";
    std::filesystem::remove(drawing);
    EXPECT_EQ(pass("select file", path.string()).trimmed(), drawing.string());
    EXPECT_EQ(store().inputFileName.trimmed(), "gruta.orv");
    EXPECT_FALSE(std::filesystem::exists(drawing));
    EXPECT_EQ(log(), "\nO ARQUIVO LIDO NÃO É DE PERFIL. SELECIONAR OUTRO.\n\n");
}

TEST_F(ProfilePassTest, ProfileFileIsDrawnAndReported) {
    const auto path = writeScratch("galeria.prr", profileHead("PRR", "Galeria") + "A1 A2 D\nA2 A3 Esquerda\n");
    const auto drawing = test::scratchFolder() / "galeria.dxf";
    std::filesystem::remove(drawing);
    const LongText buffer = pass("select file", path.string());
    EXPECT_EQ(buffer.trimmed(), drawing.string());
    EXPECT_EQ(store().inputFileName.trimmed(), "gruta.orv");
    const std::string expected = "\n" + LongText("Galeria").str() + "\n\n" +
                                 "Processando o arquivo de perfil retificado: \n" + LongText(path.string()).str() +
                                 "\ndo arquivo de gruta: \n" + store().inputFileName.str() +
                                 "\ngerando o arquivo DXF: \n" + buffer.str() + "\n\n" +
                                 test::padded("A1", 33) + test::padded("A2", 33) + test::padded("D", 10) + "\n" +
                                 test::padded("A2", 33) + test::padded("A3", 33) + "Esquerda  \n\n";
    EXPECT_EQ(log(), expected);

    const auto inserts = test::itemsOfType(test::items(test::splitLines(test::readFile(drawing))), "INSERT");
    ASSERT_EQ(inserts.size(), 3u);
    EXPECT_EQ(inserts[1].value(" 10") + inserts[1].value(" 20"), "      5.000000     48.000000");
    EXPECT_EQ(inserts[2].value(" 10") + inserts[2].value(" 20") + inserts[2].value("  2"),
              "     -1.000000     47.000000Externa");
}

// The whole program: one rejected and one accepted profile file.
TEST(ProfileBatch, TwoProfileFilesOneRejected) {
    namespace fs = std::filesystem;
    const fs::path folder = test::scratchFolder() / "batch";
    fs::remove_all(folder);
    fs::create_directories(folder);
    fs::copy_file(fs::path(MIRVAL_SOURCE_DIR) / "tests/golden/exemplo/input/exemplo.orv", folder / "exemplo.orv");
    std::ofstream(folder / "outro.txt") << "ORV nao e perfil\n";
    std::ofstream(folder / "lago.prr") << profileHead("prf", "Lago") << "EXT0 E1 D\nE1 E2 E\n";
    const std::string command = "cd '" + folder.string() + "' && '" + MIRVAL_BINARY +
                                "' exemplo.orv --profile lago.prr --profile outro.txt >console.txt 2>stderr.txt";
    ASSERT_EQ(std::system(command.c_str()), 0);

    const std::string console = test::readFile(folder / "console.txt");
    const std::string report = "Processando o arquivo de perfil retificado: \n" + LongText("lago.prr").str() +
                               "\ndo arquivo de gruta: \n" + LongText("exemplo.orv").str() +
                               "\ngerando o arquivo DXF: \n" + LongText("lago.dxf").str() + "\n\n" +
                               test::padded("EXT0", 33) + test::padded("E1", 33) + test::padded("D", 10) + "\n" +
                               test::padded("E1", 33) + test::padded("E2", 33) + test::padded("E", 10) + "\n\n";
    // the title echo, the report, then the rejection of the second file and the credits
    const std::string expected = "\n" + LongText("Lago").str() + "\n\n" + report +
                                 "\nO ARQUIVO LIDO NÃO É DE PERFIL. SELECIONAR OUTRO.\n\n\n \n";
    EXPECT_NE(console.find(expected), std::string::npos) << console;
    EXPECT_FALSE(fs::exists(folder / "outro.dxf"));

    const auto lines = test::splitLines(test::readFile(folder / "lago.dxf"));
    const auto all = test::items(lines);
    EXPECT_EQ(test::itemsOfType(all, "LAYER").size(), 14u);
    const auto inserts = test::itemsOfType(all, "INSERT");
    ASSERT_EQ(inserts.size(), 3u);
    EXPECT_EQ(inserts[0].value(" 10") + inserts[0].value("  2"), "      0.000000Externa");
    EXPECT_EQ(inserts[1].value("  2"), "Estacao");
    EXPECT_EQ(lines.back(), "EOF");
}

}  // namespace
}  // namespace mirval
