#include "format_text.hpp"

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

}  // namespace wk
