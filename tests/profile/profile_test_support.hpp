#pragma once
// Profile files written to a scratch folder, and a scripted platform whose
// console log the tests read.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "../dxf/dxf_test_support.hpp"
#include "platform/text_platforms.hpp"

namespace mirval::test {

// Lines 2 to 13 of a profile file: line 5 holds the title.
inline std::string profileHead(const std::string& firstLine, const std::string& title) {
    std::string text = firstLine + "\n";
    for (int line = 2; line <= 13; ++line) text += (line == 5 ? title : "linha " + std::to_string(line)) + "\n";
    return text;
}

inline std::filesystem::path writeScratch(const std::string& name, const std::string& text) {
    const auto path = scratchFolder() / name;
    std::ofstream(path, std::ios::binary) << text;
    return path;
}

class WithScriptedPlatform : public ::testing::Test {
protected:
    void SetUp() override { setPlatform(&platform); }
    void TearDown() override { setPlatform(nullptr); }
    const std::string& log() const { return platform.log.text(); }

    ScriptedPlatform platform;
};

}  // namespace mirval::test
