// The user's settings file: kept between runs, never in the way of one.
#include "system/user_settings.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "support/files.hpp"
#include "system/file_system.hpp"

namespace mirval {
namespace {

TEST(UserSettings, KeptInAFolderOfTheirOwnAndReadBackWhateverTheFileHolds) {
    const std::filesystem::path root = test::scratchFolder() / "settings";
    std::filesystem::remove_all(root);
    const std::string file = utf8FromPath(root) + "/Ωmega/mirval.conf";
    EXPECT_FALSE(UserSettings(file).flag("ajustar-rede"));  // no file yet
    UserSettings settings(file);
    settings.setFlag("ajustar-rede", true);
    EXPECT_TRUE(settings.save());
    std::ofstream(pathFromUtf8(file), std::ios::app | std::ios::binary) << "lixo sem igual\r\n=1\noutra=x\r\n";
    UserSettings again(file);
    EXPECT_TRUE(again.flag("ajustar-rede"));
    again.setFlag("ajustar-rede", false);
    EXPECT_TRUE(again.save());
    EXPECT_FALSE(UserSettings(file).flag("ajustar-rede"));
    EXPECT_EQ(test::readFile(pathFromUtf8(file)), "outra=x\najustar-rede=0\n");
    // a folder where the file should be: saving fails, and nothing else happens
    std::filesystem::create_directories(root / "pasta.conf");
    UserSettings blocked(utf8FromPath(root / "pasta.conf"));
    blocked.setFlag("ajustar-rede", true);
    EXPECT_FALSE(blocked.save());
    std::filesystem::remove_all(root);
}

}  // namespace
}  // namespace mirval
