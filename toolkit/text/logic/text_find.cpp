#include "text_find.hpp"

#include <algorithm>
#include <string>

namespace wk::find {

FindOutcome FindInText(std::string_view text, std::string_view needle, int sel_start, int sel_end,
                       SearchDirection direction, const WindowEquals& equals) {
  const long n = static_cast<long>(text.size());
  if (n == 0) return {kFindEmptyText, 0, 0};

  long s = std::clamp<long>(sel_start, 0, n);
  long e = std::clamp<long>(sel_end, 0, n);
  if (e < s) std::swap(s, e);
  const long k = static_cast<long>(needle.size());
  if (s == e) {
    if (k == 0) return {kFindEmptyNeedle, 0, 0};
    if (direction == SearchDirection::kUp) s -= k;
    if (direction == SearchDirection::kDown) e += k;
  } else if (k > 0) {
    // A selection of another length (the find dialog's text typed over
    // it) still gives the start; the window has the search text's length.
    e = s + k;
  }

  const std::string wanted(needle);
  std::string window;
  for (long step = 0; step < n; ++step) {
    if (direction == SearchDirection::kDown) {
      ++s;
      ++e;
    } else if (direction == SearchDirection::kUp) {
      --s;
      --e;
    }
    if (s < 0) return {kFindPassedStart, 0, 0};
    // Only a window that lies wholly inside the text is compared.
    if (e <= n) {
      window.assign(text.substr(static_cast<std::size_t>(s), static_cast<std::size_t>(e - s)));
      if (equals(window.c_str(), wanted.c_str()))
        return {kFindFound, static_cast<int>(s), static_cast<int>(e)};
    }
    // Upward, a window that starts out reaching past the end moves back
    // into the text.
    if (e > n && direction != SearchDirection::kUp) return {kFindPassedEnd, 0, 0};
  }
  return {kFindPassedEnd, 0, 0};
}

}  // namespace wk::find
