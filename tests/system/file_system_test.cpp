// UTF-8 paths reach the file system unchanged: on Windows a name outside the
// ANSI code page (Ω, €) would otherwise be lost or not found.
#include "system/file_system.hpp"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "support/files.hpp"

namespace mirval {
namespace {

namespace fs = std::filesystem;

class Utf8Paths : public ::testing::Test {
protected:
    void SetUp() override {
        fs::remove_all(pathFromUtf8(root_));
        fs::create_directories(pathFromUtf8(folder_));
        previous_ = fs::current_path();
    }
    void TearDown() override {
        fs::current_path(previous_);
        fs::remove_all(pathFromUtf8(root_));
    }

    // a folder of this test process: ctest runs the two tests side by side
    const std::string root_ = utf8FromPath(test::scratchFolder() / "utf8");
    const std::string folder_ = root_ + "/Ωmega";
    const std::string file_ = folder_ + "/p€14.orv";
    fs::path previous_;
};

TEST_F(Utf8Paths, FileCreatedFoundAndReadUnderItsOwnName) {
    std::FILE* out = openFile(file_, "wb");
    ASSERT_NE(out, nullptr);
    std::fputs("ORV\n", out);
    std::fclose(out);

    EXPECT_TRUE(isRegularFile(file_));
    EXPECT_TRUE(pathExists(file_));
    EXPECT_TRUE(isDirectory(folder_));
    EXPECT_FALSE(isRegularFile(folder_));
    EXPECT_FALSE(isRegularFile(folder_ + "/p14.orv"));
    for (const auto& entry : fs::directory_iterator(pathFromUtf8(folder_))) {
        EXPECT_EQ(utf8FromPath(entry.path().filename()), "p€14.orv");
    }

    std::FILE* in = openFile(file_, "rb");
    ASSERT_NE(in, nullptr);
    char text[8] = {};
    EXPECT_EQ(std::fread(text, 1, sizeof text, in), 4u);
    std::fclose(in);
    EXPECT_EQ(std::string(text), "ORV\n");
}

TEST_F(Utf8Paths, CurrentFolderIsUtf8) {
    fs::current_path(pathFromUtf8(folder_));
    EXPECT_TRUE(currentFolder().ends_with("Ωmega")) << currentFolder();
}

}  // namespace
}  // namespace mirval
