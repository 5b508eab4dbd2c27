#include "append_format.hpp"

namespace wk::append {

std::vector<FormatStep> PlanAppendFormat(const char* format) {
  std::vector<FormatStep> steps;
  if (format == nullptr) return steps;

  int decimals[kDecimalCounts];
  for (int& d : decimals) d = kDefaultDecimals;
  int digits_seen = 0;
  for (const char* p = format; *p; ++p) {
    if (*p >= '0' && *p <= '9' && digits_seen < kDecimalCounts) decimals[digits_seen++] = *p - '0';
  }

  int doubles_seen = 0;
  for (const char* p = format; *p; ++p) {
    if (*p != '%') continue;
    const char kind = p[1];
    if (kind == '\0') break;  // a trailing "%" ends the format
    ++p;
    switch (kind) {
      case 'i':
        steps.push_back({Conversion::kInt, 0});
        break;
      case 'u':
        steps.push_back({Conversion::kUnsigned, 0});
        break;
      case 'l':
        steps.push_back({Conversion::kLong, 0});
        break;
      case 'U':
        steps.push_back({Conversion::kUnsignedLong, 0});
        break;
      case 's':
        steps.push_back({Conversion::kText, 0});
        break;
      case 'f': {
        const int d = doubles_seen < kDecimalCounts ? decimals[doubles_seen] : kDefaultDecimals;
        ++doubles_seen;
        steps.push_back({Conversion::kDouble, d});
        break;
      }
      default:
        break;
    }
  }
  return steps;
}

}  // namespace wk::append
