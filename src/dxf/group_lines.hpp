#pragma once
// Builds the group-code / value line pairs of DXF items in a small buffer and
// hands them to the file in few writes. The drawings write millions of these
// lines, so numbers take a fast path here (see dxf_number.hpp).
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "dxf/dxf_number.hpp"
#include "text/format.hpp"
#include "text/output.hpp"

namespace mirval::dxf {

class GroupLines {
public:
    explicit GroupLines(OutputFile& out) : out_(out) {}
    GroupLines(const GroupLines&) = delete;
    GroupLines& operator=(const GroupLines&) = delete;
    ~GroupLines() { flush(); }

    // `code` is the three-character group code line ("  0", " 10", "210").
    GroupLines& text(std::string_view code, std::string_view value) {
        codeLine(code);
        append(value);
        append('\n');
        return *this;
    }
    // The value as Fw.d.
    GroupLines& real(std::string_view code, double value, int width, int decimals) {
        codeLine(code);
        if (width <= kMaxRealWidth) {
            reserve(kMaxRealWidth);
            used_ += writeReal(buffer_.data() + used_, value, width, decimals);
        } else {
            std::string field;
            fmt::appendF(field, value, width, decimals);
            append(field);
        }
        append('\n');
        return *this;
    }
    // The value as Iw.
    GroupLines& integer(std::string_view code, std::int64_t value, int width) {
        std::string field;
        fmt::appendI(field, value, width);
        return text(code, field);
    }

private:
    void codeLine(std::string_view code) {
        append(code);
        append('\n');
    }
    void reserve(std::size_t bytes) {
        if (used_ + bytes > buffer_.size()) flush();
    }
    void append(char c) {
        reserve(1);
        buffer_[used_++] = c;
    }
    void append(std::string_view bytes) {
        if (bytes.size() > buffer_.size()) {
            flush();
            out_.write(bytes);
            return;
        }
        reserve(bytes.size());
        std::memcpy(buffer_.data() + used_, bytes.data(), bytes.size());
        used_ += bytes.size();
    }
    void flush() {
        out_.write(std::string_view(buffer_.data(), used_));
        used_ = 0;
    }

    OutputFile& out_;
    std::size_t used_ = 0;
    std::array<char, 1024> buffer_;
};

}  // namespace mirval::dxf
