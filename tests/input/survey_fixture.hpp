#pragma once
// Runs a reader on a survey written to a fresh folder, as the driver would:
// initialised store, result listing open, a scripted console.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>

#include <unistd.h>

#include "core/stop.hpp"
#include "core/store.hpp"
#include "platform/text_platforms.hpp"

namespace mirval::testing {

inline std::string readFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

inline void writeFile(const std::filesystem::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

struct ReaderRun {
    int status = 0;
    std::string console;
    std::string listing;
};

class SurveyFolder : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ = std::filesystem::temp_directory_path() /
                  ("mirval_input_" + std::to_string(::getpid()) + "_" +
                   ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(folder_);
        setPlatform(&platform_);
    }
    void TearDown() override {
        setPlatform(nullptr);
        std::filesystem::remove_all(folder_);
    }

    std::filesystem::path path(const std::string& name) const { return folder_ / name; }

    // Reads `file` (already in the folder) with `reader` as file type `type`.
    ReaderRun read(const std::string& file, const std::string& type, const std::function<void()>& reader) {
        Store& s = store();
        initialiseStore(s);
        s.inputFileName.assign(path(file).string());
        s.fileType.assign(type);
        platform_.log.clear();
        const std::filesystem::path listing = path("listing.res");
        EXPECT_TRUE(s.resultListing.open(listing.string()));
        ReaderRun run;
        try {
            reader();
        } catch (const RunStop& stop) {
            run.status = stop.status;
        }
        s.resultListing.close();
        run.console = platform_.log.text();
        run.listing = readFile(listing);
        return run;
    }

    ReaderRun readText(const std::string& file, const std::string& text, const std::string& type,
                       const std::function<void()>& reader) {
        writeFile(path(file), text);
        return read(file, type, reader);
    }

private:
    std::filesystem::path folder_;
    ScriptedPlatform platform_;
};

}  // namespace mirval::testing
