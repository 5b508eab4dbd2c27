#include "format_text.hpp"

#include <cmath>
#include <cstdio>

namespace wk {

int FormatTextV(char* out, std::size_t size, const char* format, std::va_list values) {
#ifdef _WIN32
  // msvcrt's _vsnprintf answers -1 for a text that does not fit and leaves a
  // text of exactly `size` characters unterminated; _vscprintf tells the
  // length needed.
  std::va_list counted;
  va_copy(counted, values);
  const int needed = _vscprintf(format, counted);
  va_end(counted);
  if (out != nullptr && size > 0) {
    if (needed < 0) {
      out[0] = '\0';
    } else {
      _vsnprintf(out, size, format, values);
      out[size - 1] = '\0';
    }
  }
  return needed;
#else
  return std::vsnprintf(out, size, format, values);
#endif
}

int FormatText(char* out, std::size_t size, const char* format, ...) {
  std::va_list values;
  va_start(values, format);
  const int needed = FormatTextV(out, size, format, values);
  va_end(values);
  return needed;
}

namespace {

// Whether value * 10^decimals lies exactly halfway between two integers.
bool Halfway(double value, int decimals) {
  double scale = 1.0;  // exact up to 10^22
  for (int n = 0; n < decimals; ++n) scale *= 10.0;
  const double scaled = value * scale;
  // value * scale is exactly scaled + error.
  const double error = std::fma(value, scale, -scaled);
  const double fraction = scaled - std::trunc(scaled);
  return (std::fabs(fraction) == 0.5 && error == 0.0) ||
         (fraction == 0.0 && std::fabs(error) == 0.5);
}

}  // namespace

int FormatFixedText(char* out, std::size_t size, int decimals, double value) {
  if (std::isinf(value)) return FormatText(out, size, "%s", value < 0 ? "-inf" : "inf");
  if (std::isnan(value)) return FormatText(out, size, "%s", std::signbit(value) ? "-nan" : "nan");
  int needed = FormatText(out, size, "%.*f", decimals, value);
  if (needed > 0 && static_cast<std::size_t>(needed) < size && (out[needed - 1] - '0') % 2 != 0 &&
      Halfway(value, decimals)) {
    // Rounded away from zero to an odd digit: the even text is the one
    // toward zero, which the next double toward zero rounds to.
    needed = FormatText(out, size, "%.*f", decimals, std::nextafter(value, 0.0));
  }
  return needed;
}

}  // namespace wk
