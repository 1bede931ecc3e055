#pragma once
// Profile files written to the scratch folder.
#include <filesystem>
#include <string>

#include "support/files.hpp"

namespace mirval::test {

// Lines 1 to 13 of a profile file: line 5 holds the title.
inline std::string profileHead(const std::string& firstLine, const std::string& title) {
    std::string text = firstLine + "\n";
    for (int line = 2; line <= 13; ++line) text += (line == 5 ? title : "linha " + std::to_string(line)) + "\n";
    return text;
}

inline std::filesystem::path writeScratch(const std::string& name, const std::string& text) {
    const auto path = scratchFolder() / name;
    writeFile(path, text);
    return path;
}

}  // namespace mirval::test
