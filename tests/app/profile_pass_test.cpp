// The profile pass as the driver runs it: the prompt, the chosen file, the
// report; and the whole program in batch mode with two profile files.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "app/profile_pass.hpp"
#include "app/run_windows.hpp"
#include "dialogs/text_platforms.hpp"
#include "store/store.hpp"
#include "support/profile_files.hpp"
#include "support/run_program.hpp"
#include "writers/dxf/dxf_items.hpp"

namespace mirval {
namespace {

using test::padded;

// The report of one pass after the drawing is written.
std::string report(const std::string& profile, const std::string& survey, const std::string& drawing,
                   const std::vector<std::vector<std::string>>& segments) {
    std::string text = "Processando o arquivo de perfil retificado: \n" + padded(profile, 256) +
                       "\ndo arquivo de gruta: \n" + padded(survey, 256) + "\ngerando o arquivo DXF: \n" +
                       padded(drawing, 256) + "\n\n";
    for (const auto& s : segments) text += padded(s[0], 33) + padded(s[1], 33) + padded(s[2], 10) + "\n";
    return text + "\n";
}

TEST(ProfilePrompt, ExitOrCancelEndTheProfileStep) {
    ScriptedPlatform platform;
    platform.buttons = {"Exit"};
    EXPECT_EQ(FILTRAPERF(platform), std::nullopt);
    ASSERT_EQ(platform.dialogsShown.size(), 1u);
    const Dialog& prompt = platform.dialogsShown[0];
    EXPECT_EQ(prompt.caption, "Programa MIRVAL");
    const std::vector<std::string> lines{"O MIRVAL processou a gruta com sucesso!!", "  , ",
                                         "Deseja processar um arquivo de perfil?. ", "",
                                         "Escolha um arquivo ou Exit, para sair.", "", "", "Versão C++ do MIRVAL", ""};
    EXPECT_EQ(prompt.lines, lines);
    ASSERT_EQ(prompt.buttons.size(), 2u);
    EXPECT_EQ(prompt.buttons[0].label + prompt.buttons[0].mnemonic + prompt.buttons[1].label +
                  prompt.buttons[1].mnemonic + std::to_string(prompt.buttonGap),
              "select filesExitE4");
    EXPECT_TRUE(prompt.buttons[0].isDefault);

    platform.buttons = {"select file"};  // and the chooser cancelled
    EXPECT_EQ(FILTRAPERF(platform), std::nullopt);
    EXPECT_EQ(platform.choosersShown.size(), 1u);
    platform.buttons = {"select file"};
    platform.paths = {"perfil.prr"};
    EXPECT_EQ(FILTRAPERF(platform), "perfil.prr");
}

TEST(ProfilePass, RejectedFileIsNotDrawn) {
    const auto path = test::writeScratch("rejeitado.prr", "XYZ\n");
    auto s = std::make_unique<Store>();
    initialiseStore(*s);
    auto pass = std::make_unique<ProfilePass>();
    LineCollector console;
    EXPECT_FALSE(readProfile(path.string(), *s, *pass, console));
    EXPECT_EQ(console.text(), "\nO ARQUIVO LIDO NÃO É DE PERFIL. SELECIONAR OUTRO.\n\n");
}

TEST(ProfileBatch, TwoProfileFilesOneRejected) {
    namespace fs = std::filesystem;
    const fs::path folder = test::scratchFolder() / "batch";
    fs::remove_all(folder);
    fs::create_directories(folder);
    fs::copy_file(fs::path(MIRVAL_SOURCE_DIR) / "tests/golden/exemplo/input/exemplo.orv", folder / "exemplo.orv");
    std::ofstream(folder / "outro.txt") << "ORV nao e perfil\n";
    std::ofstream(folder / "lago.prr") << test::profileHead("prf", "Lago") << "EXT0 E1 D\nE1 E2 E\n";
    ASSERT_EQ(test::runProgram(folder, "exemplo.orv --profile lago.prr --profile outro.txt", "console.txt", "stderr.txt"),
              0);

    // the title echo, the report, the rejection of the second file, then the credits
    const std::string expected =
        "\n" + padded("Lago", 256) + "\n\n" +
        report("lago.prr", "exemplo.orv", "lago.dxf", {{"EXT0", "E1", "D"}, {"E1", "E2", "E"}}) +
        "\nO ARQUIVO LIDO NÃO É DE PERFIL. SELECIONAR OUTRO.\n\n\n \n";
    const std::string console = test::readFile(folder / "console.txt");
    EXPECT_NE(console.find(expected), std::string::npos) << console;
    EXPECT_FALSE(fs::exists(folder / "outro.dxf"));

    const auto lines = test::splitLines(test::readFile(folder / "lago.dxf"));
    const auto inserts = test::itemsOfType(test::items(lines), "INSERT");
    ASSERT_EQ(inserts.size(), 3u);
    EXPECT_EQ(inserts[0].value(" 10") + inserts[0].value("  2"), "      0.000000Externa");
    EXPECT_EQ(inserts[1].value("  2"), "Estacao");
    EXPECT_EQ(lines.back(), "EOF");
}

}  // namespace
}  // namespace mirval
