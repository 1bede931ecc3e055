// The texts the desktop windows derive from the program's own.
#include "dialogs/desktop_text.hpp"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

using namespace mirval::desktop;

TEST(Displayable, KeepsUtf8AndConvertsOtherBytesAsWindows1252) {
    EXPECT_EQ(displayable("Salão das Águas – São José"), "Salão das Águas – São José");
    EXPECT_EQ(displayable("Sal\xE3o das \xC1guas"), "Salão das Águas");
    EXPECT_EQ(displayable("a\tb\x01" "c\x7F"), "a\tb?c?");
    EXPECT_EQ(displayable(std::string_view("x\0y", 3)), "x?y");
    // a sequence cut short, an overlong form and a surrogate are not UTF-8
    EXPECT_EQ(displayable("\xE2\x80"), "â€");
    EXPECT_EQ(displayable("\xC0\xAF"), "\xC3\x80\xC2\xAF");
    EXPECT_EQ(displayable("\xED\xA0\x80"), "í\xC2\xA0€");
    // the five bytes Windows-1252 leaves undefined stay the controls of the same number
    EXPECT_EQ(displayable("\x81\x96\x9F"), "\xC2\x81–Ÿ");
    EXPECT_EQ(displayable("\xF0\x9F\x98\x80"), "\xF0\x9F\x98\x80");
}

TEST(MnemonicLabel, MarksTheFirstMatchingLetterInEitherCase) {
    EXPECT_EQ(mnemonicLabel("select file", 's'), "&select file");
    EXPECT_EQ(mnemonicLabel("Exit", 'E'), "&Exit");
    EXPECT_EQ(mnemonicLabel("Exit", 'x'), "E&xit");
    EXPECT_EQ(mnemonicLabel("OK", 'k'), "O&K");
    EXPECT_EQ(mnemonicLabel("OK", 0), "OK");
    EXPECT_EQ(mnemonicLabel("OK", 'z'), "OK");
    EXPECT_EQ(mnemonicLabel("A&B", 'b'), "A&&&B");
}

TEST(FilterList, MatchesBothCasesAndEveryFile) {
    EXPECT_EQ(bothCasesPattern("*.SPE"), "*.{spe,SPE}");
    EXPECT_EQ(bothCasesPattern("*.txt"), "*.{txt,TXT}");
    EXPECT_EQ(bothCasesPattern("*.Orv"), "*.{orv,ORV,Orv}");
    EXPECT_EQ(bothCasesPattern("*.*"), "*");
    EXPECT_EQ(bothCasesPattern("*.123"), "*.123");
    EXPECT_EQ(bothCasesPattern("perfil"), "{perfil,PERFIL}");
    EXPECT_EQ(filterList({{"Formato ORV", "*.orv"}, {"Todos Arquivos", "*.*"}}),
              "Formato ORV\t*.{orv,ORV}\nTodos Arquivos\t*");
    EXPECT_EQ(filterList({}), "");
}

TEST(StartingFolder, FallsBackToTheCurrentFolder) {
    const std::string current = std::filesystem::current_path().string();
    EXPECT_EQ(startingFolder((std::filesystem::temp_directory_path() / "mirval-nao-existe").string()), current);
#ifdef _WIN32
    EXPECT_EQ(startingFolder("c:\\"), "c:\\");  // the program's default folder
#endif
    EXPECT_EQ(startingFolder(""), current);
    const std::string temp = std::filesystem::temp_directory_path().string();
    EXPECT_EQ(startingFolder(temp), temp);
}

}  // namespace
