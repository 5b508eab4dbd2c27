// Any text, search text, selection and direction: a match lies inside the
// text and equals the search text; nothing is read outside the text.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "toolkit/text/logic/text_find.hpp"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 6) return 0;
  const int start = static_cast<int16_t>(data[0] | (data[1] << 8));
  const int end = static_cast<int16_t>(data[2] | (data[3] << 8));
  const auto direction = static_cast<wk::SearchDirection>(data[4] % 3);
  const std::size_t split = data[5] % 8;
  std::string rest(reinterpret_cast<const char*>(data + 6), size - 6);
  for (char& c : rest)
    if (c == '\0') c = 'z';  // the platform's texts hold no zero bytes
  const std::string needle = rest.substr(0, std::min(split, rest.size()));
  const std::string text = rest.substr(needle.size());
  const auto r =
      wk::find::FindInText(text, needle, start, end, direction,
                           [](const char* a, const char* b) { return std::strcmp(a, b) == 0; });
  if (r.code == wk::find::kFindFound) {
    if (r.start < 0 || r.end > static_cast<int>(text.size()) || r.start > r.end) std::abort();
    if (!needle.empty() && text.compare(r.start, r.end - r.start, needle) != 0) std::abort();
  }
  return 0;
}
