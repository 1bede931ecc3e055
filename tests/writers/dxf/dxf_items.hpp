#pragma once
// DXF items written into memory and read back as group pairs.
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "support/files.hpp"
#include "text/output.hpp"

namespace mirval::test {

// The lines that `write` puts into a fresh output.
inline std::vector<std::string> writtenLines(const std::function<void(OutputFile&)>& write) {
    OutputFile out;
    out.openInMemory();
    write(out);
    return splitLines(out.text());
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
