#pragma once
// Builds the group-code / value line pairs of DXF items in a small buffer and
// hands them to the file in few writes. The drawings write millions of these
// lines, so each item is gathered here and numbers go straight into the buffer.
#include <array>
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
    ~GroupLines() { flush(); }

    // `code` is the three-character group code line ("  0", " 10", "210").
    [[gnu::always_inline]] GroupLines& text(std::string_view code, std::string_view value) {
        if (value.size() > kMaxTextLine) return longText(code, value);
        reserve(kCodeLine + kMaxTextLine + 1);
        codeLine(code);
        std::memcpy(buffer_.data() + used_, value.data(), value.size());
        used_ += value.size();
        buffer_[used_++] = '\n';
        return *this;
    }
    // The value as Fw.d.
    [[gnu::always_inline]] GroupLines& real(std::string_view code, double value, int width, int decimals) {
        if (width > fmt::kMaxFieldWidth) return longReal(code, value, width, decimals);
        reserve(kCodeLine + fmt::kMaxFieldWidth + 1);
        codeLine(code);
        used_ += fmt::writeF(buffer_.data() + used_, value, width, decimals);
        buffer_[used_++] = '\n';
        return *this;
    }
    // The value as Iw.
    GroupLines& integer(std::string_view code, std::int64_t value, int width) {
        std::string field;
        fmt::appendI(field, value, width);
        return text(code, field);
    }

private:
    static constexpr std::size_t kCodeLine = 4;       // three characters and the line end
    static constexpr std::size_t kMaxTextLine = 256;  // longer values bypass the buffer

    // Room for `bytes` more; the buffer is far larger than any single line.
    void reserve(std::size_t bytes) {
        if (used_ + bytes > buffer_.size()) flush();
    }
    void codeLine(std::string_view code) {
        char* p = buffer_.data() + used_;
        std::memcpy(p, code.data(), 3);
        p[3] = '\n';
        used_ += kCodeLine;
    }
    GroupLines& longText(std::string_view code, std::string_view value) {
        reserve(kCodeLine);
        codeLine(code);
        flush();
        out_.write(value);
        out_.put('\n');
        return *this;
    }
    GroupLines& longReal(std::string_view code, double value, int width, int decimals) {
        std::string field;
        fmt::appendF(field, value, width, decimals);
        return longText(code, field);
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
