// The plan of an append-formatted call: which values to take, in order, and
// how many decimals each floating-point value gets.
//
// The format is read twice, as the caller of wk_AppendFormatted expects:
// every decimal digit anywhere in it sets the next of ten decimal counts
// (all 2 to begin with), and each "%" with the character after it is one
// conversion. Text between conversions is not copied.
#pragma once

#include <vector>

namespace wk::append {

enum class Conversion {
  kInt,           // %i: int
  kUnsigned,      // %u: unsigned int
  kLong,          // %l: long
  kUnsignedLong,  // %U: unsigned long
  kDouble,        // %f: double with `decimals` decimals
  kText,          // %s: zero-terminated text
};

struct FormatStep {
  Conversion conversion;
  int decimals;  // 0 to 9; only for kDouble
};

// The number of decimal counts the format's digits can set; digits past the
// tenth are ignored, and %f conversions past the tenth get the default.
inline constexpr int kDecimalCounts = 10;
inline constexpr int kDefaultDecimals = 2;

// The conversions of `format` in order. A "%" followed by any other
// character, or by the end of the format, takes no value. A null format
// has no conversions.
std::vector<FormatStep> PlanAppendFormat(const char* format);

}  // namespace wk::append
