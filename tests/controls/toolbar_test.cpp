// Toolbars read back from the platform's control.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <vector>

#include "wk_controls.h"
#include "wktest.hpp"

namespace {

// A parent whose client area is exactly width x height and that records
// the messages it receives.
struct Parent : wktest::TestWindow {
  explicit Parent(int width = 640, int height = 400) : TestWindow(width, height, "toolbar") {
    SetClientSize(width, height);
  }
};

TBBUTTON Button(HWND toolbar, int index) {
  TBBUTTON b{};
  SendMessageA(toolbar, TB_GETBUTTON, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&b));
  return b;
}

using Longs = std::vector<LONG>;
using wktest::PlaceInParent;

}  // namespace

TEST(Toolbar, CreationStylesSizeAndIdentity) {
  Parent parent(640, 400);
  HWND toolbar = wk_ToolbarCreate(parent, "BORDER", 28);
  ASSERT_NE(toolbar, nullptr);
  EXPECT_EQ(wktest::ClassName(toolbar), "ToolbarWindow32");
  EXPECT_EQ(static_cast<DWORD>(GetWindowLongA(toolbar, GWL_STYLE)), 0x50800145u);
  EXPECT_EQ(GetWindowLongA(toolbar, GWL_EXSTYLE), 0);
  EXPECT_EQ(GetDlgCtrlID(toolbar), 1000);
  EXPECT_EQ(PlaceInParent(toolbar), (Longs{0, 0, 638, 28}));

  HWND bar = wk_ToolbarCreate(parent, "BAR", 0);
  EXPECT_EQ(static_cast<DWORD>(GetWindowLongA(bar, GWL_STYLE)), 0x50400145u);
  EXPECT_EQ(PlaceInParent(bar)[2], 0);  // no size until it is docked
  EXPECT_EQ(PlaceInParent(bar)[3], 0);
  for (const char* word : {"NOBORDER", "border", "X"}) {
    HWND t = wk_ToolbarCreate(parent, word, 20);
    EXPECT_EQ(static_cast<DWORD>(GetWindowLongA(t, GWL_STYLE)), 0x50000145u) << word;
  }
}

TEST(Toolbar, ButtonsTakeImagesInTurnWithKindStateAndBreak) {
  Parent parent;
  wk_ToolbarImageCounter = 42;
  HWND toolbar = wk_ToolbarCreate(parent, "NOBORDER", 30);
  EXPECT_EQ(wk_ToolbarImageCounter, 0);
  EXPECT_EQ(wk_ToolbarAddButton(toolbar, "PUSH", "ACTIVE", "", "TB_RED", 0, 501), 0);
  EXPECT_EQ(wk_ToolbarAddSpacer(toolbar, "SPACE", "SIDE", 12), 0);
  EXPECT_EQ(wk_ToolbarAddButton(toolbar, "PUSHDOWN", "ACTIVEDOWN", "BREAK", "TB_GREEN", 0, 502), 0);
  EXPECT_EQ(wk_ToolbarAddSpacer(toolbar, "BUTT", "BREAK", 99), 0);
  EXPECT_EQ(wk_ToolbarAddButton(toolbar, "PUSHDOWNGROUP", "NONACTIVE", "x", "TB_BLUE", 0, 503), 0);
  EXPECT_EQ(wk_ToolbarInsertButton(toolbar, "push", "HIDE", "BREAK", "TB_YELLOW", 0, 1, 504), 0);
  EXPECT_EQ(wk_ToolbarAddButton(toolbar, "PUSH", "NONACTIVEDOWN", "", "TB_RED", 0, 505), 0);
  EXPECT_EQ(wk_ToolbarAddButton(toolbar, "PUSH", "active", "", "TB_RED", 0, 506), 0);
  EXPECT_EQ(wk_ToolbarAddSpacer(toolbar, "OTHER", "OTHER", 5), 0);
  EXPECT_EQ(wk_ToolbarImageCounter, 6);
  ASSERT_EQ(SendMessageA(toolbar, TB_BUTTONCOUNT, 0, 0), 9);

  // Whole records in order, the inserted button first; images 0, 1 and 2 for
  // the first three added buttons, none for the spacers.
  const struct {
    int image, id;
    BYTE state, style;
  } records[] = {
      {3, 504, TBSTATE_HIDDEN | TBSTATE_WRAP, 0},  // "push" is not "PUSH": style 0 anyway
      {0, 501, TBSTATE_ENABLED, TBSTYLE_BUTTON},
      {12, 0, 0, TBSTYLE_SEP},      // a separator's width; "SIDE" gives no state
      {1, 502, 38, TBSTYLE_CHECK},  // "ACTIVEDOWN" and "BREAK"
      {-1, 0, TBSTATE_WRAP, TBSTYLE_BUTTON},
      {2, 503, TBSTATE_INDETERMINATE, TBSTYLE_CHECKGROUP},
      {4, 505, TBSTATE_CHECKED, TBSTYLE_BUTTON},
      {5, 506, 0, TBSTYLE_BUTTON},  // "active" is no state word
      {-1, 0, 0, 0},
  };
  for (int i = 0; i < 9; ++i) {
    SCOPED_TRACE(i);
    const TBBUTTON b = Button(toolbar, i);
    EXPECT_EQ(b.iBitmap, records[i].image);
    EXPECT_EQ(b.idCommand, records[i].id);
    EXPECT_EQ(b.fsState, records[i].state);
    EXPECT_EQ(b.fsStyle, records[i].style);
    EXPECT_EQ(b.dwData, 0u);
  }

  // A new toolbar starts counting again.
  wk_ToolbarCreate(parent, "NOBORDER", 30);
  EXPECT_EQ(wk_ToolbarImageCounter, 0);
}

TEST(Toolbar, PerButtonOperationsByCommandId) {
  Parent parent;
  HWND toolbar = wk_ToolbarCreate(parent, "NOBORDER", 30);
  wk_ToolbarAddButton(toolbar, "PUSHDOWN", "ACTIVE", "", "TB_RED", 0, 601);
  wk_ToolbarAddButton(toolbar, "PUSH", "ACTIVE", "", "TB_GREEN", 0, 602);
  wk_ToolbarAddButton(toolbar, "PUSH", "ACTIVE", "", "TB_BLUE", 0, 603);

  EXPECT_EQ(wk_ToolbarGetButtonState(toolbar, 601), TBSTATE_ENABLED);
  EXPECT_EQ(wk_ToolbarDisableButton(toolbar, 601), 0);
  EXPECT_EQ(wk_ToolbarGetButtonState(toolbar, 601), 0);
  EXPECT_EQ(wk_ToolbarEnableButton(toolbar, 601), 0);
  EXPECT_EQ(wk_ToolbarCheckButton(toolbar, 601), 0);
  EXPECT_EQ(wk_ToolbarGetButtonState(toolbar, 601), TBSTATE_ENABLED | TBSTATE_CHECKED);
  EXPECT_EQ(wk_ToolbarUncheckButton(toolbar, 601), 0);
  EXPECT_EQ(wk_ToolbarPressButton(toolbar, 602), 0);
  EXPECT_EQ(wk_ToolbarGetButtonState(toolbar, 602), TBSTATE_ENABLED | TBSTATE_PRESSED);
  EXPECT_EQ(wk_ToolbarReleaseButton(toolbar, 602), 0);
  EXPECT_EQ(wk_ToolbarHideButton(toolbar, 603), 0);
  EXPECT_EQ(wk_ToolbarGetButtonState(toolbar, 603), TBSTATE_ENABLED | TBSTATE_HIDDEN);
  EXPECT_EQ(wk_ToolbarShowButton(toolbar, 603), 0);
  EXPECT_EQ(wk_ToolbarGetButtonState(toolbar, 603), TBSTATE_ENABLED);

  // Image numbers count from 1.
  EXPECT_EQ(wk_ToolbarChangeImage(toolbar, 603, 1), 0);
  EXPECT_EQ(SendMessageA(toolbar, TB_GETBITMAP, 603, 0), 0);

  // An id the toolbar lacks.
  for (auto op : {wk_ToolbarEnableButton, wk_ToolbarDisableButton, wk_ToolbarCheckButton,
                  wk_ToolbarUncheckButton, wk_ToolbarPressButton, wk_ToolbarReleaseButton,
                  wk_ToolbarHideButton, wk_ToolbarShowButton}) {
    EXPECT_EQ(op(toolbar, 999), 1);
  }
  EXPECT_EQ(wk_ToolbarChangeImage(toolbar, 999, 1), 1);
  EXPECT_EQ(wk_ToolbarGetButtonState(toolbar, 999), -1);

  EXPECT_EQ(wk_ToolbarDeleteButton(toolbar, 1), 0);
  EXPECT_EQ(Button(toolbar, 0).idCommand, 602);
  EXPECT_EQ(wk_ToolbarDeleteButton(toolbar, 9), 1);
  EXPECT_EQ(SendMessageA(toolbar, TB_BUTTONCOUNT, 0, 0), 2);
}

TEST(Toolbar, DockingOnEverySideInBothForms) {
  Parent parent(500, 300);
  HWND toolbar = wk_ToolbarCreate(parent, "NOBORDER", 0);
  struct Case {
    const char* side;
    int full;
    RECT expected;  // left, top, right, bottom in the parent's client area
  };
  // thickness 30, x 5, y 7, extra 3; w, h = 498, 298 (Dock) or 500, 300.
  const Case cases[] = {
      {"T", 0, {5, 7, 5 + 498 + 3 - 5, 7 + 30}},
      {"B", 0, {5, 298 + 7 - 30, 5 + 498 + 3 - 5, 298 + 7}},
      {"L", 0, {5, 7, 5 + 30, 7 + 298 + 3 - 7}},
      {"R", 0, {498 + 5 - 30, 7, 498 + 5, 7 + 298 + 3 - 7}},
      {"T", 1, {5, 7, 5 + 500 + 3 - 5, 7 + 30}},
      {"B", 1, {5, 300 + 7 - 30, 5 + 500 + 3 - 5, 300 + 7}},
      {"L", 1, {5, 7, 5 + 30, 7 + 300 + 3 - 7}},
      {"R", 1, {500 + 5 - 30, 7, 500 + 5, 7 + 300 + 3 - 7}},
  };
  for (const Case& c : cases) {
    const int result = c.full ? wk_ToolbarDockFull(toolbar, c.side, 30, 5, 7, 3)
                              : wk_ToolbarDock(toolbar, c.side, 30, 5, 7, 3);
    EXPECT_EQ(result, 0) << c.side << c.full;
    const RECT& e = c.expected;
    EXPECT_EQ(PlaceInParent(toolbar), (Longs{e.left, e.top, e.right - e.left, e.bottom - e.top}))
        << c.side << c.full;
  }
  const Longs before = PlaceInParent(toolbar);
  EXPECT_EQ(wk_ToolbarDock(toolbar, "X", 30, 0, 0, 0), 1);
  EXPECT_EQ(wk_ToolbarDockFull(toolbar, "t", 30, 0, 0, 0), 1);
  EXPECT_EQ(PlaceInParent(toolbar)[0], before[0]);
  EXPECT_EQ(PlaceInParent(toolbar)[1], before[1]);
}

TEST(Toolbar, TooltipAnswersOnlyItsOwnRequest) {
  NMTTDISPINFOA request{};
  request.hdr.code = TTN_NEEDTEXTA;
  request.hdr.idFrom = 701;
  EXPECT_EQ(wk_ToolbarTooltip(&request.hdr, 702, "fel"), 0);
  EXPECT_EQ(request.lpszText, nullptr);
  EXPECT_EQ(wk_ToolbarTooltip(&request.hdr, 701, "\xD6ppna"), 0);
  EXPECT_STREQ(request.lpszText, "\xD6ppna");
  request.lpszText = nullptr;
  request.hdr.code = TTN_NEEDTEXTW;
  EXPECT_EQ(wk_ToolbarTooltip(&request.hdr, 701, "x"), 0);
  EXPECT_EQ(request.lpszText, nullptr);
  EXPECT_EQ(wk_ToolbarTooltip(nullptr, 701, "x"), 0);
}

TEST(Toolbar, ClicksReachTheNotifiedWindowAndFlatStyleToggles) {
  Parent parent;
  Parent other(200, 100);
  HWND toolbar = wk_ToolbarCreate(parent, "NOBORDER", 30);
  wk_ToolbarAddButton(toolbar, "PUSH", "ACTIVE", "", "TB_RED", 0, 801);
  RECT item{};
  SendMessageA(toolbar, TB_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&item));
  const LPARAM at = MAKELPARAM((item.left + item.right) / 2, (item.top + item.bottom) / 2);
  const auto click = [&] {
    SendMessageA(toolbar, WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageA(toolbar, WM_LBUTTONUP, 0, at);
    wktest::Pump(30);
  };
  const std::vector<wktest::Expected> command = {{WM_COMMAND, wktest::kWparam | wktest::kLparam,
                                                  MAKEWPARAM(801, BN_CLICKED),
                                                  reinterpret_cast<LPARAM>(toolbar)}};
  parent.Clear();
  click();
  EXPECT_TRUE(parent.Sequence(command));

  EXPECT_EQ(wk_ToolbarSetParent(toolbar, other), 0);
  other.Clear();
  click();
  EXPECT_TRUE(other.Sequence(command));
  EXPECT_TRUE(parent.Of(WM_COMMAND).empty());

  EXPECT_EQ(wk_ToolbarToggleFlat(toolbar), 0);
  EXPECT_TRUE(GetWindowLongA(toolbar, GWL_STYLE) & TBSTYLE_FLAT);
  EXPECT_TRUE(IsWindowVisible(toolbar));
  wk_ToolbarToggleFlat(toolbar);
  EXPECT_FALSE(GetWindowLongA(toolbar, GWL_STYLE) & TBSTYLE_FLAT);

  EXPECT_EQ(wk_ToolbarSetImageSize(toolbar, 20, 18), 0);
}
