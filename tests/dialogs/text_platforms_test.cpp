// The terminal, batch and scripted platforms.
#include "dialogs/text_platforms.hpp"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

using mirval::Dialog;
using mirval::FileChooser;

Dialog startLikeDialog() {
    Dialog d;
    d.caption = "Programa MIRVAL";
    d.lines = {"Use os bottões para escolher seu arquivo.", ""};
    d.buttons = {{"select file", 's', true, nullptr}, {"Exit", 'E', false, nullptr}};
    d.buttonGap = 5;
    return d;
}

TEST(RenderDialog, ShowsCaptionLinesAndMarkedButtons) {
    EXPECT_EQ(mirval::renderDialog(startLikeDialog()),
              "== Programa MIRVAL ==\n"
              "| Use os bottões para escolher seu arquivo.\n"
              "| \n"
              "+\n"
              " <[s]elect file>     [E]xit\n");
}

TEST(TerminalPlatform, AnswersByMnemonicEnterOrEndOfInput) {
    const Dialog d = startLikeDialog();
    std::ostringstream out;
    std::istringstream keys("\ne\nx\nS\n");
    mirval::TerminalPlatform terminal(keys, out);
    EXPECT_EQ(terminal.present(d), 0);  // Enter: the default button
    EXPECT_EQ(terminal.present(d), 1);  // mnemonics in either case
    EXPECT_EQ(terminal.present(d), 0);  // an unknown key asks again
    EXPECT_NE(out.str().find("Tecle a letra de um botão"), std::string::npos);
    EXPECT_EQ(terminal.present(d), -1);  // end of input closes the dialog
}

TEST(TerminalPlatform, ChooserInsistsOnAnExistingRegularFileUntilCancelled) {
    const auto existing = std::filesystem::temp_directory_path() / "mirval-platform-existing.orv";
    std::ofstream(existing) << "ORV\n";
    FileChooser chooser;
    chooser.title = "select_file File";
    chooser.proposedName = "Modelo Varnisk.txt";
    chooser.filters = {{"Formato ORV", "*.orv"}};

    std::ostringstream out;
    // a missing file, a folder and a device are refused alike
    const std::string folder = std::filesystem::temp_directory_path().string();
    std::istringstream typed("/nao/existe.orv\n" + folder + "\n/dev/zero\n" + existing.string() + "\n\n");
    mirval::TerminalPlatform terminal(typed, out);
    EXPECT_EQ(terminal.choose(chooser), existing.string());
    for (const std::string& refused : {std::string("/nao/existe.orv"), folder, std::string("/dev/zero")}) {
        EXPECT_NE(out.str().find("mirval: arquivo não encontrado: " + refused + "\n"), std::string::npos) << refused;
    }
    EXPECT_NE(out.str().find("Formato ORV (*.orv)"), std::string::npos);
    EXPECT_EQ(terminal.choose(chooser), std::nullopt);  // an empty line cancels
    chooser.mustExist = false;
    std::istringstream any("novo.orv\n");
    mirval::TerminalPlatform lenient(any, out);
    EXPECT_EQ(lenient.choose(chooser), "novo.orv");
    std::filesystem::remove(existing);
}

TEST(BatchPlatform, SelectsWhileAnswersRemainThenExits) {
    const Dialog d = startLikeDialog();
    std::ostringstream out;
    mirval::BatchPlatform batch({"gruta.orv", "perfil.prr"}, out);
    EXPECT_EQ(batch.present(d), 0);
    EXPECT_EQ(batch.choose(FileChooser{}), "gruta.orv");
    EXPECT_EQ(batch.present(d), 0);
    EXPECT_EQ(batch.choose(FileChooser{}), "perfil.prr");
    EXPECT_EQ(batch.present(d), 1);  // "Exit"
    EXPECT_EQ(batch.choose(FileChooser{}), std::nullopt);
    EXPECT_NE(out.str().find("== Programa MIRVAL =="), std::string::npos);

    Dialog result;
    result.buttons = {{"OK", 0, true, nullptr}};
    EXPECT_EQ(batch.present(result), 0);
}

TEST(RunDialog, AnActionReturningNonZeroKeepsTheDialogOpen) {
    mirval::ScriptedPlatform scripted;
    int calls = 0;
    Dialog d = startLikeDialog();
    d.buttons[0].action = [&calls] { return ++calls < 3 ? 1 : 0; };
    scripted.buttons = {"select file", "select file", "select file"};
    EXPECT_EQ(mirval::runDialog(scripted, d), 0);
    EXPECT_EQ(calls, 3);
    EXPECT_EQ(scripted.dialogsShown.size(), 3u);

    scripted.buttons = {"no such button"};
    EXPECT_EQ(mirval::runDialog(scripted, d), -1);
    EXPECT_EQ(mirval::runDialog(scripted, d), 1);  // nothing queued: "Exit", which has no action
}

}  // namespace
