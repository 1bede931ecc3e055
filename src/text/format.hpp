#pragma once
// Fixed-format writing of numbers and texts, the layouts every listing and
// drawing is built from:
//   Iw    integer right-aligned in w columns       I0   integer, minimal width
//   Iw.m  integer of at least m digits             Fw.d real, d decimals, w columns
//   F0.d  real, d decimals, minimal width          nX   n blanks
//   A     text as given                            Aw   text cut or padded to w
// A value that does not fit its field is written as w asterisks. Reals are
// rounded from their exact binary value, halves away from zero, and a value
// that rounds to zero never carries a minus sign.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace mirval::fmt {

void appendI(std::string& out, std::int64_t value, int width);
void appendI0(std::string& out, std::int64_t value);
void appendIm(std::string& out, std::int64_t value, int width, int minDigits);
void appendF(std::string& out, double value, int width, int decimals);

// Fw.d written straight into out[0..width) (the hot path of the drawings);
// returns the bytes written, which is `width`. `out` must have room for
// kMaxFieldWidth bytes: the blanks are laid down in one fixed-size store.
inline constexpr int kMaxFieldWidth = 32;
std::size_t writeF(char* out, double value, int width, int decimals);
// F0.d written straight into `out`, which has room for kMaxF0Width bytes;
// returns the bytes written.
inline constexpr int kMaxF0Width = 400;
std::size_t writeF0(char* out, double value, int decimals);
void appendF0(std::string& out, double value, int decimals);
void appendX(std::string& out, int blanks);
void appendAw(std::string& out, std::string_view text, int width);

// One output record built item by item, in the order of its layout.
class Record {
public:
    Record& a(std::string_view text) { s_.append(text); return *this; }
    Record& aw(std::string_view text, int width) { appendAw(s_, text, width); return *this; }
    Record& i(std::int64_t v, int width) { appendI(s_, v, width); return *this; }
    Record& i0(std::int64_t v) { appendI0(s_, v); return *this; }
    Record& im(std::int64_t v, int width, int minDigits) { appendIm(s_, v, width, minDigits); return *this; }
    Record& f(double v, int width, int decimals) { appendF(s_, v, width, decimals); return *this; }
    Record& f0(double v, int decimals) { appendF0(s_, v, decimals); return *this; }
    Record& x(int blanks) { appendX(s_, blanks); return *this; }

    const std::string& str() const { return s_; }
    operator std::string_view() const { return s_; }  // NOLINT: a record is written as text

private:
    std::string s_;
};

// Convenience for single fields.
std::string F(double value, int width, int decimals);
std::string F0(double value, int decimals);
std::string I(std::int64_t value, int width);
std::string I0(std::int64_t value);

}  // namespace mirval::fmt
