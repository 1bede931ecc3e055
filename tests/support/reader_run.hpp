#pragma once
// Runs a reader on a survey written to a fresh folder, as the driver would:
// an initialised store, the result listing and the console log in memory, and
// the normalized copies written beside the survey.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

#include "app/output_names.hpp"
#include "readers/readers.hpp"
#include "store/stop.hpp"
#include "store/store.hpp"
#include "support/files.hpp"
#include "writers/copies/normalized_copy.hpp"

namespace mirval::testing {

using test::readFile;
using test::writeFile;

struct ReaderRun {
    int status = 0;
    std::string console;  // with the message of a stop
    std::string listing;
};

class SurveyFolder : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ = test::scratchFolder() / ::testing::UnitTest::GetInstance()->current_test_info()->name();
        std::filesystem::create_directories(folder_);
    }
    void TearDown() override { std::filesystem::remove_all(folder_); }

    std::filesystem::path path(const std::string& name) const { return folder_ / name; }
    Store& store() { return *store_; }

    // Reads `file` (already in the folder) as file type `type` ("orv", "vrk",
    // "eef" or "spe"), then writes its copies.
    ReaderRun read(const std::string& file, const std::string& type) {
        Store& s = *store_;
        initialiseStore(s);
        const std::string input = path(file).string();
        OutputFile listing;
        listing.openInMemory();
        LineCollector console;
        RunLog log{console, listing};
        ReaderRun run;
        try {
            if (type == "spe") {
                LERSPE(s, input, log);
            } else {
                LERTXT(s, input, type, log);
            }
            writeCopies(input, FileType(type));
        } catch (const RunStop& stop) {
            run.status = stop.status;
            for (const std::string& line : stop.messages) console.line(line);
        }
        run.console = console.text();
        run.listing = listing.text();
        return run;
    }

    ReaderRun readText(const std::string& file, const std::string& text, const std::string& type) {
        writeFile(path(file), text);
        return read(file, type);
    }

private:
    void writeCopies(const std::string& input, const FileType& type) {
        for (const std::string_view tag : copyTagsOf(store_->facts.format)) {
            OutputFile out;
            ASSERT_TRUE(out.open(copyNameOf(input, type, tag)));
            WRTMVR(*store_, tag, out);
        }
    }

    std::filesystem::path folder_;
    std::unique_ptr<Store> store_ = std::make_unique<Store>();
};

}  // namespace mirval::testing
