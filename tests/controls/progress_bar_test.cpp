// Progress bars read back from the platform's control.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include "wk_controls.h"
#include "wk_windows.h"
#include "wktest.hpp"

namespace {

int Position(HWND bar) { return static_cast<int>(SendMessageA(bar, PBM_GETPOS, 0, 0)); }
int RangeEnd(HWND bar) { return static_cast<int>(SendMessageA(bar, PBM_GETRANGE, FALSE, 0)); }

}  // namespace

TEST(ProgressBar, StylesFrameKeywordAndIdentity) {
  wktest::TestWindow parent;
  HWND sunken = wk_ProgressCreate(parent, 10, 10, 200, 20, "SUNKEN", 100, 10);
  ASSERT_NE(sunken, nullptr);
  EXPECT_EQ(wktest::ClassName(sunken), "msctls_progress32");
  EXPECT_EQ(static_cast<DWORD>(GetWindowLongA(sunken, GWL_STYLE)), 0x50400000u);
  // No extended style is asked for; the platform itself adds the window
  // edge that goes with a dialog frame, but never the client edge.
  EXPECT_EQ(GetWindowLongA(sunken, GWL_EXSTYLE) & ~WS_EX_WINDOWEDGE, 0);
  EXPECT_EQ(GetDlgCtrlID(sunken), 0);
  EXPECT_EQ(wktest::WindowText(sunken), "");
  for (const char* word : {"NORMAL", "sunken", "", "FRAME"}) {
    HWND bar = wk_ProgressCreate(parent, 10, 40, 200, 20, word, 100, 10);
    EXPECT_EQ(static_cast<DWORD>(GetWindowLongA(bar, GWL_STYLE)), 0x50000000u) << word;
  }
}

TEST(ProgressBar, StepsFillTheRangeAndWrap) {
  wktest::TestWindow parent;
  HWND bar = wk_ProgressCreate(parent, 10, 10, 200, 20, "NORMAL", 100, 10);
  EXPECT_EQ(RangeEnd(bar), 100);
  EXPECT_EQ(SendMessageA(bar, PBM_GETRANGE, TRUE, 0), 0);  // starts at 0
  for (int i = 0; i < 10; ++i) EXPECT_EQ(wk_ProgressStep(bar), 0);
  EXPECT_EQ(Position(bar), 100);  // full after ten steps
  wk_ProgressStep(bar);
  EXPECT_LT(Position(bar), 100);  // past the end it starts over

  // The range end travels in 16 bits: 65636 arrives as 100.
  HWND wide = wk_ProgressCreate(parent, 10, 40, 200, 20, "NORMAL", 65636, 7);
  EXPECT_EQ(RangeEnd(wide), 100);
  wk_ProgressStep(wide);
  EXPECT_EQ(Position(wide), 7);
}

TEST(ProgressBar, ReplaceMakesANewBarInTheSameParent) {
  wktest::TestWindow parent;
  HWND old = wk_ProgressCreate(parent, 10, 10, 200, 20, "NORMAL", 100, 10);
  HWND bar = wk_ProgressReplace(old, 20, 30, 150, 25, "SUNKEN", 50, 25);
  ASSERT_NE(bar, nullptr);
  EXPECT_FALSE(IsWindow(old));
  EXPECT_EQ(GetParent(bar), static_cast<HWND>(parent));
  EXPECT_EQ(static_cast<DWORD>(GetWindowLongA(bar, GWL_STYLE)), 0x50400000u);
  EXPECT_EQ(RangeEnd(bar), 50);
  wk_ProgressStep(bar);
  wk_ProgressStep(bar);
  EXPECT_EQ(Position(bar), 50);
  EXPECT_EQ(wk_ProgressGetSize(bar), 0);
  EXPECT_EQ(std::make_pair(wk_ResultX, wk_ResultY), std::make_pair(150, 25));
  EXPECT_EQ(wk_ProgressGetPosition(bar), 0);
  EXPECT_EQ(std::make_pair(wk_ResultX, wk_ResultY), std::make_pair(20, 30));
}
