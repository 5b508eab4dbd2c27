// The word processor's sliding-window search.
#include "toolkit/text/logic/text_find.hpp"

#include <gtest/gtest.h>
#include <strings.h>

#include <cstring>

namespace {

using wk::SearchDirection;
using wk::find::FindInText;

const wk::find::WindowEquals kExact = [](const char* a, const char* b) {
  return std::strcmp(a, b) == 0;
};
const wk::find::WindowEquals kAnyCase = [](const char* a, const char* b) {
  return strcasecmp(a, b) == 0;
};

constexpr SearchDirection kDown = SearchDirection::kDown, kUp = SearchDirection::kUp,
                          kStay = SearchDirection::kStay;

struct Case {
  const char* what;
  const char* text;
  const char* needle;
  int sel_start, sel_end;
  SearchDirection direction;
  bool any_case;
  int code;
  int start = -1, end = -1;  // the match, where checked
};

TEST(TextFind, SlidesFromTheSelectionAndReportsEachOutcome) {
  const Case cases[] = {
      // The "ab" that begins at the caret is not compared, so the second
      // one is found; searching again from it passes the end.
      {"down skips the window at the caret", "ab ab", "ab", 0, 0, kDown, false, 0, 3, 5},
      {"down again from the match", "ab ab", "ab", 3, 5, kDown, false, 1},
      {"up finds an earlier match", "ab ab", "ab", 5, 5, kUp, false, 0, 0, 2},
      {"up from 1 with two characters", "ab ab", "ab", 1, 1, kUp, false, -1},
      {"up from the first match", "ab ab", "ab", 0, 2, kUp, false, -1},
      {"exact comparison", "xx AB", "ab", 0, 0, kDown, false, 1},
      {"any-case comparison", "xx AB", "ab", 0, 0, kDown, true, 0, 3},
      // "alpha" selected, "beta" typed into the find dialog: the search
      // text, not the selection, sets the window's length.
      {"down from a longer selection", "alpha beta", "beta", 0, 5, kDown, false, 0, 6, 10},
      {"up from a selection", "alpha beta", "alpha", 6, 10, kUp, false, 0, 0},
      {"up from a window that reaches past the end", "abc xyz", "abc xy", 4, 7, kUp, false, 0, -1,
       6},
      // Any other direction compares the window at the selection's start.
      {"staying on a match", "abcabc", "ab", 0, 3, kStay, false, 0},
      {"staying off a match", "abcabc", "abc", 1, 1, kStay, false, 1},
      {"empty text", "", "ab", 0, 0, kDown, false, 3},
      {"empty search text", "abc", "", 1, 1, kDown, false, 2},
      {"search text longer than the text", "abc", "abcdef", 0, 0, kDown, false, 1},
      {"selection beyond the text, clamped", "abc", "b", 900, 7000, kUp, false, 0},
  };
  for (const Case& c : cases) {
    const auto r = FindInText(c.text, c.needle, c.sel_start, c.sel_end, c.direction,
                              c.any_case ? kAnyCase : kExact);
    EXPECT_EQ(r.code, c.code) << c.what;
    if (c.start >= 0) EXPECT_EQ(r.start, c.start) << c.what;
    if (c.end >= 0) EXPECT_EQ(r.end, c.end) << c.what;
  }
}

}  // namespace
