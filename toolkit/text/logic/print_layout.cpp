#include "toolkit/text/logic/print_layout.hpp"

#include <climits>
#include <cmath>

namespace wk::print {

namespace {

// Doubles out of the range of int would be undefined when converted.
int ToIntToward0(double value) {
  if (std::isnan(value)) return 0;
  if (value >= static_cast<double>(INT_MAX)) return INT_MAX;
  if (value <= static_cast<double>(INT_MIN)) return INT_MIN;
  return static_cast<int>(value);
}

int Clamp(std::int64_t value) {
  if (value > INT_MAX) return INT_MAX;
  if (value < INT_MIN) return INT_MIN;
  return static_cast<int>(value);
}

}  // namespace

float ZoomScale(int zoom) {
  const double d = 0.01 * (static_cast<double>(zoom) - 100.0);
  return static_cast<float>(d < 0 ? 3.7 + 2.8 * d : 3.7 + 3.1 * d);
}

int MarginPixels(int margin) { return Clamp(std::int64_t{margin} * kMarginUnit); }

Size WrapControlSize(int printer_width, int printer_height, int right, int top, float scale) {
  const double width = (static_cast<double>(printer_width) - right) / scale;
  const double height = (static_cast<double>(printer_height) + top) / (kHeightFactor * scale);
  const int w = ToIntToward0(width);
  const int h = ToIntToward0(height);
  return {w < 0 ? 0 : w, h < 0 ? 0 : h};
}

Size PrintFontSize(float scale, int char_height, int average_char_width) {
  const float s = scale - 0.5f;
  return {ToIntToward0(s * average_char_width), ToIntToward0(kHeightFactor * s * char_height)};
}

int LinesPerPage(int printer_height, int bottom, int line_height) {
  if (line_height <= 0) return 0;
  const std::int64_t lines = (std::int64_t{printer_height} - bottom) / line_height;
  return lines < 1 ? 0 : Clamp(lines);
}

int PageCount(int lines, int per_page) {
  if (lines <= 0 || per_page <= 0) return 0;
  return Clamp((std::int64_t{lines} + per_page - 1) / per_page);
}

DeviceEntry SplitDeviceEntry(std::string_view entry) {
  if (entry.size() > kDeviceEntryChars - 1) entry = entry.substr(0, kDeviceEntryChars - 1);
  // The profile hands over a C string: nothing after a zero is seen.
  entry = entry.substr(0, entry.find('\0'));

  std::size_t at = 0;
  auto token = [&](std::string_view delimiters) -> std::string {
    at = entry.find_first_not_of(delimiters, at);
    if (at == std::string_view::npos) {
      at = entry.size();
      return {};
    }
    std::size_t end = entry.find_first_of(delimiters, at);
    if (end == std::string_view::npos) end = entry.size();
    std::string part(entry.substr(at, end - at));
    at = end < entry.size() ? end + 1 : end;  // strtok consumes one delimiter
    return part;
  };

  DeviceEntry parts;
  parts.printer = token(",");
  parts.driver = token(", ");
  parts.port = token(", ");
  parts.complete = !parts.printer.empty() && !parts.driver.empty() && !parts.port.empty();
  return parts;
}

int Twips(int millimetres) { return ToIntToward0(kTwipsPerMillimetre * millimetres); }

int PageSideWithChange(int side, int change) {
  return change <= 0 ? Clamp(std::int64_t{side} + change) : side;
}

}  // namespace wk::print
