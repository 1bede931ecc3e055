#pragma once
// Writes DXF items to a scratch file and reads them back as group pairs.
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include <unistd.h>

#include "text/output.hpp"

namespace mirval::test {

inline std::filesystem::path scratchFolder() {
    static const std::filesystem::path folder = [] {
        auto p = std::filesystem::temp_directory_path() / ("mirval_dxf_" + std::to_string(::getpid()));
        std::filesystem::create_directories(p);
        return p;
    }();
    return folder;
}

// The text padded with blanks to `width` bytes.
inline std::string padded(std::string text, std::size_t width) {
    if (text.size() < width) text.append(width - text.size(), ' ');
    return text;
}

inline std::string readFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

inline std::vector<std::string> splitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1) {
        lines.push_back(text.substr(start, end - start));
    }
    if (start != text.size()) lines.push_back(text.substr(start) + "<no newline>");
    return lines;
}

// The lines that `write` puts into a fresh file.
inline std::vector<std::string> writtenLines(const std::function<void(OutputFile&)>& write) {
    const auto path = scratchFolder() / "items.dxf";
    {
        OutputFile out;
        if (!out.open(path.string())) return {"<cannot open>"};
        write(out);
    }
    return splitLines(readFile(path));
}

// One DXF item: the pairs from its "  0" group up to the next one.
struct Item {
    std::vector<std::pair<std::string, std::string>> pairs;
    std::string type() const { return pairs.empty() ? "" : pairs.front().second; }
    std::string value(const std::string& code, int occurrence = 0) const {
        for (const auto& [c, v] : pairs) {
            if (c == code && occurrence-- == 0) return v;
        }
        return "<missing " + code + ">";
    }
};

inline std::vector<Item> items(const std::vector<std::string>& lines) {
    std::vector<Item> result;
    for (std::size_t i = 0; i + 1 < lines.size(); i += 2) {
        if (lines[i] == "  0" || result.empty()) result.emplace_back();
        result.back().pairs.emplace_back(lines[i], lines[i + 1]);
    }
    return result;
}

inline std::vector<Item> itemsOfType(const std::vector<Item>& all, const std::string& type) {
    std::vector<Item> result;
    for (const Item& it : all) {
        if (it.type() == type) result.push_back(it);
    }
    return result;
}

}  // namespace mirval::test
