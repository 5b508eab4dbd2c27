#include "toolkit/draw/logic/number_text.hpp"

#include <clocale>
#include <cstdio>
#include <cstring>

namespace wk::draw {

namespace {

// Formats into out; returns the length the whole text needs (which may be
// more than was stored), or a negative number on an encoding failure.
int Print(const char* format, int decimals, double value, char* out, std::size_t size) {
  return std::snprintf(out, size, format, decimals, value);
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

}  // namespace

std::size_t FormatFixed(double value, int decimals, char* out, std::size_t size) {
  if (!out || size == 0) return 0;
  if (decimals < 0) decimals = 0;
  if (decimals > kMaxDecimals) decimals = kMaxDecimals;
  int needed = Print("%.*f", decimals, value, out, size);
  if (needed < 0 || static_cast<std::size_t>(needed) >= size) {
    // Beyond about 1e90 the digits before the point alone fill the buffer.
    needed = Print("%.*e", decimals, value, out, size);
  }
  out[size - 1] = '\0';
  if (needed < 0) out[0] = '\0';
  FullStop(out);
  return std::strlen(out);
}

}  // namespace wk::draw
