// Status bars read back from the platform's control.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <array>
#include <cstring>

#include "wk_controls.h"
#include "wk_windows.h"
#include "wktest.hpp"

namespace {

void FreshGlobals() {
  std::memset(wk_StatusEdges, 0, sizeof wk_StatusEdges);
  wk_StatusTotal = 0;
  wk_StatusMaxPart = 0;
  wk_StatusTop = 0;
}

std::array<int, 20> Edges(HWND bar) {
  std::array<int, 20> edges{};
  SendMessageA(bar, SB_GETPARTS, 20, reinterpret_cast<LPARAM>(edges.data()));
  return edges;
}

// The border bits the control reports for a part (high word of SB_GETTEXT).
int BorderOf(HWND bar, int index) {
  char text[256];
  return HIWORD(
      SendMessageA(bar, SB_GETTEXTA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text)));
}

}  // namespace

TEST(StatusBar, FrameKeywords) {
  wktest::TestWindow parent;
  struct Case {
    const char* word;
    DWORD style;
  } cases[] = {{"NOBAR", 0x50000000},
               {"NOBARSIZEGRIP", 0x50000100},
               {"BAR", 0x50400000},
               {"BARSIZEGRIP", 0x50400100},
               {"bar", 0x50000000}};
  for (const Case& c : cases) {
    HWND bar = wk_StatusCreate(parent, c.word);
    ASSERT_NE(bar, nullptr) << c.word;
    EXPECT_EQ(wktest::ClassName(bar), "msctls_statusbar32");
    EXPECT_EQ(static_cast<DWORD>(GetWindowLongA(bar, GWL_STYLE)) & 0xFFFF0FFF, c.style) << c.word;
    EXPECT_EQ(wktest::WindowText(bar), "");
    wk_StatusDestroy(bar);
  }
}

TEST(StatusBar, EdgesFollowTheRunningTotalPassByPass) {
  FreshGlobals();
  wktest::TestWindow parent;
  HWND bar = wk_StatusCreate(parent, "NOBAR");
  const int widths[] = {100, 150, 200};
  auto pass = [&] {
    for (int part = 1; part <= 3; ++part)
      EXPECT_EQ(wk_StatusSetPart(bar, part, widths[part - 1]), 0);
  };
  pass();  // the first pass clears nothing: part 3 is not yet the highest
  EXPECT_EQ(wk_StatusEdges[0], 100);
  EXPECT_EQ(wk_StatusEdges[1], 250);
  EXPECT_EQ(wk_StatusEdges[2], 450);
  EXPECT_EQ(wk_StatusTotal, 450);
  EXPECT_EQ(wk_StatusMaxPart, 3);
  EXPECT_EQ(Edges(bar)[2], 450);
  pass();
  EXPECT_EQ(wk_StatusEdges[0], 550);
  EXPECT_EQ(wk_StatusEdges[1], 700);
  EXPECT_EQ(wk_StatusEdges[2], 900);
  EXPECT_EQ(wk_StatusTotal, 0);  // part 3 ended the pass
  pass();
  EXPECT_EQ(wk_StatusEdges[0], 100);
  EXPECT_EQ(wk_StatusEdges[1], 250);
  EXPECT_EQ(wk_StatusEdges[2], 450);
  const auto edges = Edges(bar);
  EXPECT_EQ(edges[0], 100);
  EXPECT_EQ(edges[1], 250);
  EXPECT_EQ(edges[2], 450);
  EXPECT_EQ(SendMessageA(bar, SB_GETPARTS, 0, 0), 20);  // the whole table goes each time
  EXPECT_EQ(BorderOf(bar, 1), SBT_NOBORDERS);
}

TEST(StatusBar, PartNumbersOutsideTheTableAreRefused) {
  FreshGlobals();
  wktest::TestWindow parent;
  HWND bar = wk_StatusCreate(parent, "NOBAR");
  wk_StatusSetPartText(bar, 1, 80, "", "ett");
  const auto before = Edges(bar);
  int table[20];
  std::memcpy(table, wk_StatusEdges, sizeof table);
  for (int part : {0, -1, 21, 1000, -2147483647 - 1}) {
    EXPECT_EQ(wk_StatusSetPart(bar, part, 50), 1) << part;
    EXPECT_EQ(wk_StatusSetPartText(bar, part, 50, "FLAT", "x"), 1) << part;
    EXPECT_EQ(wk_StatusSetText(bar, part, "FLAT", "x"), 1) << part;
    char buffer[8] = "keep";
    EXPECT_EQ(wk_StatusGetText(bar, part, buffer), 0) << part;
    EXPECT_STREQ(buffer, "keep");
  }
  EXPECT_EQ(0, std::memcmp(table, wk_StatusEdges, sizeof table));
  EXPECT_EQ(wk_StatusTotal, 80);
  EXPECT_EQ(wk_StatusMaxPart, 1);
  EXPECT_EQ(Edges(bar), before);
  // Part 20 is the last valid one.
  EXPECT_EQ(wk_StatusSetPart(bar, 20, 5), 0);
  EXPECT_EQ(wk_StatusEdges[19], 85);
}

TEST(StatusBar, TextsWithBorderKeywords) {
  FreshGlobals();
  wktest::TestWindow parent;
  HWND bar = wk_StatusCreate(parent, "NOBAR");
  for (int part = 1; part <= 4; ++part) wk_StatusSetPart(bar, part, 100);
  char buffer[256] = "stale";
  // A part that was only sized has an empty text.
  EXPECT_EQ(wk_StatusGetText(bar, 2, buffer), 0);
  EXPECT_STREQ(buffer, "");

  EXPECT_EQ(wk_StatusSetText(bar, 2, "FLAT", "Rad 1"), 0);
  EXPECT_EQ(BorderOf(bar, 1), SBT_NOBORDERS);  // wParam 0x101
  EXPECT_EQ(wk_StatusGetText(bar, 2, buffer), 5);
  EXPECT_STREQ(buffer, "Rad 1");
  EXPECT_EQ(wk_StatusSetText(bar, 3, "BAR", "Kol 7"), 0);
  EXPECT_EQ(BorderOf(bar, 2), SBT_POPOUT);
  EXPECT_EQ(wk_StatusSetText(bar, 1, "SUNKEN", "\xC4ndrad"), 0);
  EXPECT_EQ(BorderOf(bar, 0), SBT_RTLREADING);
  EXPECT_EQ(wk_StatusGetText(bar, 1, buffer), 6);
  EXPECT_STREQ(buffer, "\xC4ndrad");
  EXPECT_EQ(wk_StatusSetText(bar, 4, "flat", "x"), 0);
  EXPECT_EQ(BorderOf(bar, 3), 0);

  // A part the bar does not have reads back empty, not the buffer's old bytes.
  HWND fresh = wk_StatusCreate(parent, "NOBAR");
  std::strcpy(buffer, "stale");
  EXPECT_EQ(wk_StatusGetText(fresh, 5, buffer), 0);
}

TEST(StatusBar, SetPartTextEndsAPassAndReturnsToTheRememberedTop) {
  FreshGlobals();
  wktest::TestWindow parent(500, 400);
  HWND bar = wk_StatusCreate(parent, "NOBAR");
  EXPECT_EQ(wk_StatusSetPartText(bar, 1, 120, "FLAT", "A"), 0);
  EXPECT_EQ(wk_StatusSetPartText(bar, 2, 80, "BAR", "B"), 0);
  EXPECT_EQ(wk_StatusTotal, 200);
  EXPECT_EQ(BorderOf(bar, 0), SBT_NOBORDERS);
  EXPECT_EQ(BorderOf(bar, 1), SBT_POPOUT);
  EXPECT_EQ(wk_StatusMove(bar, 50), 0);
  EXPECT_EQ(wk_StatusTop, 50);
  wk_ResultX = 4711;
  EXPECT_EQ(wk_StatusGetPosition(bar), 0);
  EXPECT_EQ(wk_ResultY, 50);
  EXPECT_EQ(wk_ResultX, 4711);  // left alone

  // Ending the pass fits the bar to its parent (the platform puts it at the
  // bottom) and then moves it back to the remembered top.
  wk_StatusSetPartText(bar, 1, 120, "", "A");
  wk_StatusSetPartText(bar, 2, 80, "", "B");
  EXPECT_EQ(wk_StatusTotal, 0);
  wk_StatusGetPosition(bar);
  EXPECT_EQ(wk_ResultY, 50);
  char buffer[16];
  EXPECT_EQ(wk_StatusGetText(bar, 2, buffer), 1);
}

TEST(StatusBar, ReplaceMakesANewBarInTheSameParent) {
  wktest::TestWindow parent;
  HWND old = wk_StatusCreate(parent, "NOBAR");
  HWND bar = wk_StatusReplace(old, "BAR");
  ASSERT_NE(bar, nullptr);
  EXPECT_FALSE(IsWindow(old));
  EXPECT_EQ(GetParent(bar), static_cast<HWND>(parent));
  EXPECT_TRUE(GetWindowLongA(bar, GWL_STYLE) & WS_DLGFRAME);
}
