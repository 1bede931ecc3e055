#pragma once
// Writes the group-code / value line pairs of DXF items straight into the output's
// buffer. The drawings write millions of these lines, numbers most of them.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "text/format.hpp"
#include "text/output.hpp"

namespace mirval::dxf {

class GroupLines {
public:
    explicit GroupLines(OutputFile& out) : out_(out) {}
    GroupLines(const GroupLines&) = delete;
    GroupLines& operator=(const GroupLines&) = delete;

    // `code` is the three-character group code line ("  0", " 10", "210").
    [[gnu::always_inline]] GroupLines& text(std::string_view code, std::string_view value) {
        if (value.size() > kMaxTextLine) return longText(code, value);
        char* p = codeLine(out_.room(kCodeLine + kMaxTextLine + 1), code);
        std::memcpy(p, value.data(), value.size());
        p[value.size()] = '\n';
        out_.advance(kCodeLine + value.size() + 1);
        return *this;
    }
    // The value as Fw.d.
    [[gnu::always_inline]] GroupLines& real(std::string_view code, double value, int width, int decimals) {
        if (width > fmt::kMaxFieldWidth) return longText(code, fmt::F(value, width, decimals));
        char* p = codeLine(out_.room(kCodeLine + fmt::kMaxFieldWidth + 1), code);
        const std::size_t written = fmt::writeF(p, value, width, decimals);
        p[written] = '\n';
        out_.advance(kCodeLine + written + 1);
        return *this;
    }
    // The value as Iw.
    GroupLines& integer(std::string_view code, std::int64_t value, int width) {
        return text(code, fmt::I(value, width));
    }

private:
    static constexpr std::size_t kCodeLine = 4;       // three characters and the line end
    static constexpr std::size_t kMaxTextLine = 256;  // longer values are written in parts

    // The code line at p; returns where its value goes.
    static char* codeLine(char* p, std::string_view code) {
        std::memcpy(p, code.data(), 3);
        p[3] = '\n';
        return p + kCodeLine;
    }
    GroupLines& longText(std::string_view code, std::string_view value) {
        out_.line(code.substr(0, 3));
        out_.line(value);
        return *this;
    }

    OutputFile& out_;
};

}  // namespace mirval::dxf
