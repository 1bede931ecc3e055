#pragma once
// Builds the group-code / value line pairs of one DXF item in memory and
// hands them to the file in one write.
#include <cstdint>
#include <string>
#include <string_view>

#include "text/format.hpp"
#include "text/output.hpp"

namespace mirval::dxf {

class GroupLines {
public:
    explicit GroupLines(OutputFile& out) : out_(out) { lines_.clear(); }
    GroupLines(const GroupLines&) = delete;
    GroupLines& operator=(const GroupLines&) = delete;
    ~GroupLines() { out_.write(lines_); }

    // `code` is the three-character group code line ("  0", " 10", "210").
    GroupLines& text(std::string_view code, std::string_view value) {
        codeLine(code);
        lines_.append(value);
        lines_.push_back('\n');
        return *this;
    }
    GroupLines& real(std::string_view code, double value, int width, int decimals) {
        codeLine(code);
        fmt::appendF(lines_, value, width, decimals);
        lines_.push_back('\n');
        return *this;
    }
    GroupLines& integer(std::string_view code, std::int64_t value, int width) {
        codeLine(code);
        fmt::appendI(lines_, value, width);
        lines_.push_back('\n');
        return *this;
    }

private:
    void codeLine(std::string_view code) {
        lines_.append(code);
        lines_.push_back('\n');
    }

    OutputFile& out_;
    // One scratch buffer for every item: the drawings write millions of them.
    static inline thread_local std::string lines_;
};

}  // namespace mirval::dxf
