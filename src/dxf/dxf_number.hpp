#pragma once
// Fixed-format reals for the DXF value lines, written straight into a buffer.
// The result is always the one of fmt::appendF (exact binary value rounded
// half away from zero, no negative zero, asterisks when too wide); the common
// case is done in double arithmetic and every case it cannot decide for sure
// goes to fmt::appendF.
#include <cstddef>

namespace mirval::dxf {

// Widths up to this are supported by writeReal.
inline constexpr int kMaxRealWidth = 32;

// Writes `value` as Fw.d at `out` and returns w. `out` must have room for
// kMaxRealWidth bytes, which may all be written; only the first w count.
// The width must not exceed kMaxRealWidth.
std::size_t writeReal(char* out, double value, int width, int decimals);

}  // namespace mirval::dxf
