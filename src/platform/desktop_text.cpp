#include "platform/desktop_text.hpp"

#include <cctype>
#include <filesystem>
#include <system_error>

namespace mirval::desktop {

namespace {

bool isContinuation(unsigned char c) { return (c & 0xC0) == 0x80; }

// Length of the valid UTF-8 sequence starting at `at`, or 0 when there is none.
std::size_t utf8SequenceAt(std::string_view s, std::size_t at) {
    const auto lead = static_cast<unsigned char>(s[at]);
    std::size_t length = 0;
    if (lead >= 0xC2 && lead <= 0xDF) length = 2;
    else if (lead >= 0xE0 && lead <= 0xEF) length = 3;
    else if (lead >= 0xF0 && lead <= 0xF4) length = 4;
    else return 0;
    if (at + length > s.size()) return 0;
    for (std::size_t i = 1; i < length; ++i) {
        if (!isContinuation(static_cast<unsigned char>(s[at + i]))) return 0;
    }
    const auto second = static_cast<unsigned char>(s[at + 1]);
    if (lead == 0xE0 && second < 0xA0) return 0;  // overlong
    if (lead == 0xED && second > 0x9F) return 0;  // surrogate
    if (lead == 0xF0 && second < 0x90) return 0;  // overlong
    if (lead == 0xF4 && second > 0x8F) return 0;  // beyond U+10FFFF
    return length;
}

void appendLatin1(std::string& out, unsigned char c) {
    out.push_back(static_cast<char>(0xC0 | (c >> 6)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
}

}  // namespace

std::string displayable(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (std::size_t i = 0; i < bytes.size();) {
        const auto c = static_cast<unsigned char>(bytes[i]);
        if (c < 0x80) {
            out.push_back(c < 0x20 && c != '\t' ? '?' : c == 0x7F ? '?' : static_cast<char>(c));
            ++i;
        } else if (const std::size_t length = utf8SequenceAt(bytes, i)) {
            out.append(bytes.substr(i, length));
            i += length;
        } else {
            appendLatin1(out, c);
            ++i;
        }
    }
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
    std::error_code error;
    if (!proposed.empty() && std::filesystem::is_directory(proposed, error)) return proposed;
    const auto current = std::filesystem::current_path(error);
    return error ? std::string(".") : current.string();
}

}  // namespace mirval::desktop
