#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "guard_page.hpp"
#include "screenshot.hpp"
#include "highlight_reference.hpp"
#include "rich_edit_support.hpp"

using richtest::ColourAt;
using richtest::FormatAt;
using richtest::RichWindow;
using richtest::SelectionOf;

namespace {

constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);

// The positions whose colour is `colour`, as a string of '#' and '.'.
std::string Painted(HWND rich, COLORREF colour) {
  std::string marks;
  const int n = wk_RichEditGetTextLength(rich);
  for (int p = 0; p < n; ++p) marks += ColourAt(rich, p) == colour ? '#' : '.';
  return marks;
}

TEST(RichHighlightWord, WholeWordsOnlyAndTheSelectionLeftBehind) {
  RichWindow w("(int) print int");
  EXPECT_EQ(wk_RichEditSelect(w.rich, 7, 7), 0);
  EXPECT_EQ(wk_RichEditHighlightWord(w.rich, 0, 100, "int", nullptr, 0, 0, kBlue), 12);
  EXPECT_EQ(Painted(w.rich, kBlue), ".###........###");
  EXPECT_EQ(SelectionOf(w.rich).cpMin, 12);
  EXPECT_EQ(SelectionOf(w.rich).cpMax, 15);

  // "hall" inside "hall\xE5" is part of a longer word.
  RichWindow swedish("hall\xE5 hall.");
  EXPECT_EQ(wk_RichEditHighlightWord(swedish.rich, 0, 100, "hall", nullptr, 0, 0, kBlue), 6);
  EXPECT_EQ(Painted(swedish.rich, kBlue), "......####.");
}

TEST(RichHighlightWord, NoMatchLeavesTheWholeTextSelectedAndReturnsTheCaret) {
  RichWindow w("one\r\ntwo\r\nthree");
  EXPECT_EQ(wk_RichEditSelect(w.rich, 10, 10), 0);
  // The fallback is the caret position without the line breaks before it.
  EXPECT_EQ(wk_RichEditHighlightWord(w.rich, 0, 100, "four", nullptr, 0, 0, kBlue), 6);
  // All of it: what the platform reports for selecting everything.
  const CHARRANGE selected = SelectionOf(w.rich);
  SendMessageA(w.rich, EM_SETSEL, 0, -1);
  EXPECT_EQ(selected.cpMin, 0);
  EXPECT_EQ(selected.cpMax, SelectionOf(w.rich).cpMax);
  EXPECT_EQ(Painted(w.rich, kBlue), std::string(15, '.'));

  RichWindow empty("");
  EXPECT_EQ(wk_RichEditHighlightWord(empty.rich, 0, 100, "x", nullptr, 0, 0, kBlue), -1);
  EXPECT_EQ(wk_RichEditHighlightToLineEnd(empty.rich, 0, 100, "//", nullptr, 0, 0, kBlue), -1);
  EXPECT_EQ(wk_RichEditHighlightBlock(empty.rich, 0, 9, "/*", "*/", nullptr, 0, 0, kBlue), -1);
  EXPECT_EQ(wk_RichEditFormatRange(empty.rich, 0, 1, nullptr, 0, 0, kBlue), -1);
}

TEST(RichHighlightLineEnd, FirstMarkerToTheLineFeed) {
  RichWindow w("a//b//z\r\nd");
  EXPECT_EQ(wk_RichEditHighlightToLineEnd(w.rich, 0, 100, "//", nullptr, 0, 0, kBlue), 1);
  // The carriage return belongs to the stretch, the line feed does not.
  EXPECT_EQ(Painted(w.rich, kBlue), ".#######..");
  EXPECT_EQ(SelectionOf(w.rich).cpMin, 1);
  // [1, 8) was selected; the platform does not let a selection end between
  // the carriage return and the line feed, and may report it ending before both.
  EXPECT_GE(SelectionOf(w.rich).cpMax, 7);
  EXPECT_LE(SelectionOf(w.rich).cpMax, 8);
}

TEST(RichHighlightBlock, FirstOpeningThroughFirstClosing) {
  RichWindow w("/* a /* b */ c */ d");
  EXPECT_EQ(wk_RichEditHighlightBlock(w.rich, 0, 100, "/*", "*/", nullptr, 0, 0, kBlue), 0);
  EXPECT_EQ(Painted(w.rich, kBlue), "############.......");
  EXPECT_EQ(SelectionOf(w.rich).cpMax, 12);
}

// Only a marker's first two characters are read: each marker ends at an
// unreadable page, so reading on to find its length faults.
TEST(RichHighlightMarkers, OnlyTheFirstTwoCharactersAreRead) {
  RichWindow w("a//b /* c */");
  wktest::GuardPage opening_page;
  wktest::GuardPage closing_page;
  const std::string_view none;
  const struct {
    bool block;
    std::string_view opening;
    std::string_view closing;
    int result;
  } rows[] = {
      {false, "//", none, 1},      // no terminator
      {false, "/*x", none, 5},     // longer: its first two characters
      {false, {"/", 2}, none, 0},  // shorter: matches nowhere
      {true, "/*", "*/", 12},      // no terminators
      {true, "/*x", "*/y", 12},    // longer
      {true, none, none, 0},       // NULL
  };
  for (const auto& row : rows) {
    const char* opening = row.opening.data() ? opening_page.Flush(row.opening) : nullptr;
    const char* closing = row.closing.data() ? closing_page.Flush(row.closing) : nullptr;
    const int result =
        row.block
            ? wk_RichEditHighlightBlock(w.rich, 0, 100, opening, closing, nullptr, 0, 0, kBlue)
            : wk_RichEditHighlightToLineEnd(w.rich, 0, 100, opening, nullptr, 0, 0, kBlue);
    EXPECT_EQ(result, row.result) << (row.block ? "block " : "line end ") << row.opening.size();
  }
}

TEST(RichHighlightFormat, KeepsWhatTheCallerLeavesOpenAndNeverRemovesAnEffect) {
  RichWindow w("bold text here");
  // Bold on the first word, then the selection inside it.
  wk_RichEditFormatRange(w.rich, 0, 4, nullptr, 0, CFE_BOLD, kBlack);
  EXPECT_EQ(wk_RichEditSelect(w.rich, 1, 3), 2);
  EXPECT_EQ(wk_RichEditFormatRange(w.rich, 0, 4, nullptr, 0, 0, kBlue), 1);
  CHARFORMATA f = FormatAt(w.rich, 2);
  EXPECT_TRUE(f.dwEffects & CFE_BOLD);  // effects 0 cannot take bold away
  EXPECT_EQ(f.yHeight, 200);            // size 0 keeps the size
  EXPECT_STREQ(f.szFaceName, "Arial");  // no face keeps the face
  EXPECT_EQ(f.crTextColor, kBlue);
  EXPECT_EQ(SelectionOf(w.rich).cpMin, 0);
  EXPECT_EQ(SelectionOf(w.rich).cpMax, 4);

  // Asking for bold on a bold selection gives bold, not the next effect up.
  EXPECT_EQ(wk_RichEditSelect(w.rich, 1, 3), 2);
  wk_RichEditFormatRange(w.rich, 5, 9, "Courier New", 14, CFE_BOLD, kBlue);
  f = FormatAt(w.rich, 6);
  EXPECT_EQ(f.dwEffects & (CFE_BOLD | CFE_ITALIC | CFE_UNDERLINE | CFE_STRIKEOUT),
            static_cast<DWORD>(CFE_BOLD));
  EXPECT_EQ(f.yHeight, 280);
  EXPECT_STREQ(f.szFaceName, "Courier New");
  EXPECT_FALSE(FormatAt(w.rich, 11).dwEffects & CFE_BOLD);
}

// The highlighting of a C source leaves exactly what formatting one range
// at a time leaves: every call's result, the formats character by character,
// the selection and the picture of the control once painted. A control the
// caller froze stays frozen, a hidden one stays hidden.
TEST(RichHighlightC, SameResultsFormatsSelectionAndPictureAsOneRangeAtATime) {
  const std::string source = richtest::CSource(900) + "int x; /* open // to the end";
  for (const char* state : {"shown", "frozen", "hidden"}) {
    struct Outcome {
      std::vector<int> results;
      CHARRANGE selection;
      DWORD style;
      std::vector<unsigned> picture;
      std::vector<richtest::FormatRun> runs;
    } out[2];
    richtest::Bounds bounds{40, 60};
    for (int way = 0; way < 2; ++way) {
      RichWindow w(source.c_str());
      // Bold 14-point Courier New under the selection: the base of the format.
      wk_RichEditFormatRange(w.rich, 40, 60, "Courier New", 14, CFE_BOLD, RGB(9, 9, 9));
      EXPECT_EQ(wk_RichEditSelect(w.rich, 45, 50), 5);
      UpdateWindow(w.rich);
      if (std::strcmp(state, "frozen") == 0) wk_RichEditFreeze(w.rich);
      if (std::strcmp(state, "hidden") == 0) ShowWindow(w.rich, SW_HIDE);
      out[way].results = richtest::HighlightC(w.rich, way == 0, bounds);
      out[way].selection = SelectionOf(w.rich);
      out[way].style = wktest::Style(w.rich);
      UpdateWindow(w.rich);  // what is left to paint, as the next message would
      RECT client{};
      GetClientRect(w.rich, &client);
      out[way].picture = wktest::CapturePixels(w.rich, client);
      out[way].runs = richtest::FormatRuns(w.rich, bounds);
    }
    EXPECT_EQ(out[0].results, out[1].results) << state;
    EXPECT_EQ(out[0].selection.cpMin, out[1].selection.cpMin) << state;
    EXPECT_EQ(out[0].selection.cpMax, out[1].selection.cpMax) << state;
    EXPECT_EQ(out[0].style, out[1].style) << state;
    EXPECT_TRUE(out[0].picture == out[1].picture) << state;
    EXPECT_GT(out[0].runs.size(), 100u) << state;
    EXPECT_TRUE(out[0].runs == out[1].runs) << state;
  }
}

}  // namespace
