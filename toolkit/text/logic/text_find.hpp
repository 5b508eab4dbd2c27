// The word processor's search: a window of fixed length slides one
// character at a time from the selection (or the caret) up or down the
// text until its characters equal the search text.
//
// The window has the length of the search text and starts at the
// selection's start (only an empty search text keeps the selection's
// length). With nothing selected the first window already sits one
// search-text length past the caret (down) or before it (up) less one step,
// so the window that begins (down) or ends (up) at the caret is never
// compared, and a repeated search from a match moves on to the next one.
#pragma once

#include <functional>
#include <string_view>

#include "toolkit/core/keywords.hpp"

namespace wk::find {

// Result codes, as the word processor reports them.
inline constexpr int kFindFound = 0;
inline constexpr int kFindPassedEnd = 1;    // also: nothing matched
inline constexpr int kFindEmptyNeedle = 2;  // nothing selected, empty search text
inline constexpr int kFindEmptyText = 3;
inline constexpr int kFindPassedStart = -1;

struct FindOutcome {
  int code;
  int start;  // the match [start, end) when code is kFindFound
  int end;
};

// Whether a window of the text (zero-terminated) equals the search text:
// exact or case-insensitive, as the caller's platform compares.
using WindowEquals = std::function<bool(const char* window, const char* needle)>;

// Searches `text` from the selection [sel_start, sel_end) (0-based; equal
// when nothing is selected, the caret then standing there). The selection
// is clamped to the text. A window reaching past the end of the text never
// matches. At most text.size() steps are taken.
FindOutcome FindInText(std::string_view text, std::string_view needle, int sel_start, int sel_end,
                       SearchDirection direction, const WindowEquals& equals);

}  // namespace wk::find
