#pragma once
// One record written straight into an output's buffer, field by field in the
// order of its layout (the layouts of fmt::Record), and ended by end().
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "text/format.hpp"
#include "text/output.hpp"

namespace mirval::fmt {

class RecordOut {
public:
    explicit RecordOut(OutputFile& out) : out_(out) {}

    RecordOut& a(std::string_view text) {
        out_.write(text);
        return *this;
    }
    RecordOut& f(double value, int width, int decimals) {
        if (width > kMaxFieldWidth) return a(F(value, width, decimals));
        out_.advance(writeF(out_.room(kMaxFieldWidth), value, width, decimals));
        return *this;
    }
    RecordOut& f0(double value, int decimals) {
        out_.advance(writeF0(out_.room(kMaxF0Width), value, decimals));
        return *this;
    }
    RecordOut& i(std::int64_t value, int width) { return a(I(value, width)); }
    RecordOut& i0(std::int64_t value) { return a(I0(value)); }
    RecordOut& x(int blanks) {
        std::memset(out_.room(static_cast<std::size_t>(blanks)), ' ', static_cast<std::size_t>(blanks));
        out_.advance(static_cast<std::size_t>(blanks));
        return *this;
    }
    void end() { out_.put('\n'); }

private:
    OutputFile& out_;
};

}  // namespace mirval::fmt
