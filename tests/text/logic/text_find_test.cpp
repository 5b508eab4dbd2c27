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

TEST(TextFind, DownFromTheCaretSkipsTheWindowAtTheCaret) {
  // "ab ab" with the caret at 0: the "ab" that begins at the caret is not
  // compared, so the second one is found; searching again from it passes
  // the end.
  auto r = FindInText("ab ab", "ab", 0, 0, SearchDirection::kDown, kExact);
  EXPECT_EQ(r.code, 0);
  EXPECT_EQ(r.start, 3);
  EXPECT_EQ(r.end, 5);
  r = FindInText("ab ab", "ab", r.start, r.end, SearchDirection::kDown, kExact);
  EXPECT_EQ(r.code, 1);
}

TEST(TextFind, UpFindsEarlierMatchesAndReportsPassingTheStart) {
  auto r = FindInText("ab ab", "ab", 5, 5, SearchDirection::kUp, kExact);
  EXPECT_EQ(r.code, 0);
  EXPECT_EQ(r.start, 0);
  EXPECT_EQ(r.end, 2);
  // The caret at 1 with a two-character search text: -1 at once.
  EXPECT_EQ(FindInText("ab ab", "ab", 1, 1, SearchDirection::kUp, kExact).code, -1);
  // From the first match upward there is nothing left.
  EXPECT_EQ(FindInText("ab ab", "ab", 0, 2, SearchDirection::kUp, kExact).code, -1);
}

TEST(TextFind, CaseFollowsTheComparison) {
  EXPECT_EQ(FindInText("xx AB", "ab", 0, 0, SearchDirection::kDown, kExact).code, 1);
  const auto r = FindInText("xx AB", "ab", 0, 0, SearchDirection::kDown, kAnyCase);
  EXPECT_EQ(r.code, 0);
  EXPECT_EQ(r.start, 3);
}

TEST(TextFind, SearchTextSetsTheWindowLengthFromTheSelectionsStart) {
  // "alpha" selected, "beta" typed into the find dialog: found all the same.
  auto r = FindInText("alpha beta", "beta", 0, 5, SearchDirection::kDown, kExact);
  EXPECT_EQ(r.code, 0);
  EXPECT_EQ(r.start, 6);
  EXPECT_EQ(r.end, 10);
  r = FindInText("alpha beta", "alpha", 6, 10, SearchDirection::kUp, kExact);
  EXPECT_EQ(r.code, 0);
  EXPECT_EQ(r.start, 0);
  // Upward from a window that reaches past the end.
  r = FindInText("abc xyz", "abc xy", 4, 7, SearchDirection::kUp, kExact);
  EXPECT_EQ(r.code, 0);
  EXPECT_EQ(r.end, 6);
  // Any other direction compares the window at the selection's start.
  EXPECT_EQ(FindInText("abcabc", "ab", 0, 3, SearchDirection::kStay, kExact).code, 0);
  EXPECT_EQ(FindInText("abcabc", "abc", 1, 1, SearchDirection::kStay, kExact).code, 1);
}

TEST(TextFind, EmptyInputsAndOutOfRangeSelections) {
  EXPECT_EQ(FindInText("", "ab", 0, 0, SearchDirection::kDown, kExact).code, 3);
  EXPECT_EQ(FindInText("abc", "", 1, 1, SearchDirection::kDown, kExact).code, 2);
  // A search text longer than the text reaches past the end at once.
  EXPECT_EQ(FindInText("abc", "abcdef", 0, 0, SearchDirection::kDown, kExact).code, 1);
  // A selection beyond the text is clamped to it.
  EXPECT_EQ(FindInText("abc", "b", 900, 7000, SearchDirection::kUp, kExact).code, 0);
}

}  // namespace
