#include "toolkit/draw/logic/number_text.hpp"

#include <clocale>
#include <cstring>

#include "toolkit/core/logic/format_text.hpp"

namespace wk::draw {

namespace {

// Formats into out; returns the length the whole text needs (which may be
// more than was stored), or a negative number on an encoding failure.
int Print(const char* format, int decimals, double value, char* out, std::size_t size) {
  return FormatText(out, size, format, decimals, value);
}

// The C library writes the locale's decimal point; the output always
// shows a full stop, whatever locale a host program has set.
void FullStop(char* text) {
  const char* point = std::localeconv()->decimal_point;
  if (!point || point[0] == '.' || point[0] == '\0' || point[1] != '\0') return;
  for (char* c = text; *c; ++c) {
    if (*c == point[0]) *c = '.';
  }
}

// Every C library writes at least two exponent digits; Microsoft's always
// writes three. The shorter form is kept wherever the number is written.
void TwoDigitExponent(char* text) {
  char* e = std::strchr(text, 'e');
  if (e == nullptr || (e[1] != '+' && e[1] != '-')) return;
  char* digits = e + 2;
  if (std::strlen(digits) == 3 && digits[0] == '0') std::memmove(digits, digits + 1, 3);
}

}  // namespace

std::size_t FormatFixed(double value, int decimals, char* out, std::size_t size) {
  if (!out || size == 0) return 0;
  if (decimals < 0) decimals = 0;
  if (decimals > kMaxDecimals) decimals = kMaxDecimals;
  int needed = FormatFixedText(out, size, decimals, value);
  if (needed < 0 || static_cast<std::size_t>(needed) >= size) {
    // Beyond about 1e90 the digits before the point alone fill the buffer.
    needed = Print("%.*e", decimals, value, out, size);
    TwoDigitExponent(out);
  }
  out[size - 1] = '\0';
  if (needed < 0) out[0] = '\0';
  FullStop(out);
  return std::strlen(out);
}

}  // namespace wk::draw
