// The texts the desktop windows derive from the program's own.
#include "dialogs/desktop_text.hpp"

#include <cctype>

#include "system/file_system.hpp"
#include "text/utf8.hpp"

namespace mirval::desktop {

std::string displayable(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    utf8::forEachCharacter(
        bytes, [&](char c) { out.push_back((c < 0x20 && c != '\t') || c == 0x7F ? '?' : c); },
        [&](std::string_view sequence) { out.append(sequence); },
        [&](unsigned char byte) { utf8::appendWindows1252(out, byte); });
    return out;
}

std::string mnemonicLabel(std::string_view label, char mnemonic) {
    std::size_t marked = std::string_view::npos;
    if (mnemonic != 0) {
        marked = label.find(mnemonic);
        if (marked == std::string_view::npos) {
            const auto wanted = std::tolower(static_cast<unsigned char>(mnemonic));
            for (std::size_t i = 0; i < label.size(); ++i) {
                if (std::tolower(static_cast<unsigned char>(label[i])) == wanted) {
                    marked = i;
                    break;
                }
            }
        }
    }
    std::string out;
    for (std::size_t i = 0; i < label.size(); ++i) {
        if (i == marked) out.push_back('&');
        if (label[i] == '&') out.push_back('&');
        out.push_back(label[i]);
    }
    return out;
}

std::string bothCasesPattern(std::string_view pattern) {
    if (pattern == "*.*") return "*";
    const std::size_t dot = pattern.rfind('.');
    const std::size_t from = dot == std::string_view::npos ? 0 : dot + 1;
    const std::string head(pattern.substr(0, from));
    const std::string tail(pattern.substr(from));
    std::string lower = tail;
    std::string upper = tail;
    for (auto& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    for (auto& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    if (lower == upper) return std::string(pattern);
    std::string cases = "{" + lower + "," + upper;
    if (tail != lower && tail != upper) cases += "," + tail;
    return head + cases + "}";
}

std::string filterList(const std::vector<FileFilter>& filters) {
    std::string list;
    for (const auto& filter : filters) {
        if (!list.empty()) list += '\n';
        list += filter.name + '\t' + bothCasesPattern(filter.pattern);
    }
    return list;
}

std::string startingFolder(const std::string& proposed) {
    if (!proposed.empty() && isDirectory(proposed)) return proposed;
    return currentFolder();
}

}  // namespace mirval::desktop
