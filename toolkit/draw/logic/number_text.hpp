// Fixed-point text for the number output: the value with a given number of
// digits after the point, bounded to a caller's buffer.
#pragma once

#include <cstddef>

namespace wk::draw {

// The most digits after the point a number is written with.
inline constexpr int kMaxDecimals = 8;

// Writes `value` as fixed-point text with `decimals` digits after the point
// (fewer than 0 count as 0, more than 8 as 8), the point always a full stop,
// no thousands separator, rounded as the C library rounds. A value whose
// fixed-point text does not fit in size - 1 characters is written in
// exponent form with the same digits instead; if even that does not fit, the
// text is cut at size - 1. The result is always zero-terminated (size > 0).
// Returns the length of the text written.
std::size_t FormatFixed(double value, int decimals, char* out, std::size_t size);

}  // namespace wk::draw
