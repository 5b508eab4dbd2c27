// Push buttons and the common control operations, against real "button"
// windows: styles read back, messages sent, results compared.
#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "toolkit/controls/wk_controls.h"
#include "toolkit/windows/wk_windows.h"
#include "wktest.hpp"

namespace {

constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;

using wktest::OwnExStyle;
using wktest::Style;

// The control's top-left in its parent's client coordinates.
POINT ClientPos(HWND control) {
  RECT r{};
  GetWindowRect(control, &r);
  POINT p{r.left, r.top};
  ScreenToClient(GetParent(control), &p);
  return p;
}

TEST(ButtonCreate, EveryFrameAndAlignmentGivesItsStyleBits) {
  wktest::TestWindow parent;
  constexpr DWORD kEdge = WS_EX_CLIENTEDGE;
  const struct {
    const char* frame;
    const char* alignment;
    DWORD style, ex_style;
  } cases[] = {
      {"NORMAL", "L", 0x50001100, 0},     {"SHADOW", "R", 0x50001201, 0},
      {"SUNKEN", "T", 0x50001400, kEdge}, {"SUNKEN_SHADOW", "B", 0x50001801, kEdge},
      {"BAR", "C", 0x50401300, 0},        {"BAR_SHADOW", "LB", 0x50401901, 0},
      {"EDGE", "LT", 0x50401500, kEdge},  {"EDGE_SHADOW", "RT", 0x50401601, kEdge},
      {"BAR", "RB", 0x50401A00, 0},       {"BAR", "c", 0x50401300, 0},
      {"BAR", "", 0x50401300, 0},         {"BAR", nullptr, 0x50401300, 0},
      {"bar", "C", 0x50001300, 0},  // unknown frame: a plain child button
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.frame) + "/" + (c.alignment ? c.alignment : "(null)"));
    HWND b = wk_ButtonCreate(parent, 10, 20, 80, 30, "Sinus", c.alignment, c.frame, 1001);
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(Style(b), c.style);
    EXPECT_EQ(OwnExStyle(b), c.ex_style);
    EXPECT_EQ(GetParent(b), parent.get());
    DestroyWindow(b);
  }
}

TEST(ButtonCreate, CarriesCaptionIdFontPlaceAndTheParentsInstance) {
  wktest::TestWindow parent;
  HWND b = wk_ButtonCreate(parent, 15, 25, 90, 35, "P\xC5", "C", "BAR", 1014);
  ASSERT_NE(b, nullptr);
  EXPECT_EQ(wktest::ClassName(b), "Button");
  EXPECT_EQ(wktest::WindowText(b), "P\xC5");
  EXPECT_EQ(GetDlgCtrlID(b), 1014);
  EXPECT_EQ(reinterpret_cast<HGDIOBJ>(SendMessageA(b, WM_GETFONT, 0, 0)),
            GetStockObject(DEFAULT_GUI_FONT));
  EXPECT_EQ(GetWindowLongPtrA(b, GWLP_HINSTANCE), GetWindowLongPtrA(parent, GWLP_HINSTANCE));
  EXPECT_TRUE(IsWindowVisible(b));
  const POINT p = ClientPos(b);
  EXPECT_EQ(p.x, 15);
  EXPECT_EQ(p.y, 25);
  RECT r{};
  GetWindowRect(b, &r);
  EXPECT_EQ(r.right - r.left, 90);
  EXPECT_EQ(r.bottom - r.top, 35);
}

TEST(ButtonCreate, ClickingReachesTheParentWithTheId) {
  wktest::TestWindow parent(300, 200);
  HWND b = wk_ButtonCreate(parent, 10, 10, 80, 30, "AV", "C", "BAR", 1015);
  parent.Clear();
  SendMessageA(b, BM_CLICK, 0, 0);
  EXPECT_TRUE(parent.Sequence({{WM_COMMAND, wktest::kWparam | wktest::kLparam,
                                MAKEWPARAM(1015, BN_CLICKED), reinterpret_cast<LPARAM>(b)}}));
}

TEST(ButtonCreateInDialog, ReplacesTheItemWithTheSameIdAndAddsTheAlignment) {
  wktest::TestWindow dialog;
  HWND old = CreateWindowA("static", "old", kChild, 0, 0, 50, 20, dialog,
                           reinterpret_cast<HMENU>(100), nullptr, nullptr);
  ASSERT_NE(GetDlgItem(dialog, 100), nullptr);
  HWND b = wk_ButtonCreateInDialog(dialog, 30, 40, 100, 25, "OK", "RT", "SUNKEN_SHADOW", 100);
  ASSERT_NE(b, nullptr);
  EXPECT_EQ(OwnExStyle(b), static_cast<DWORD>(WS_EX_CLIENTEDGE));
  EXPECT_FALSE(IsWindow(old));
  EXPECT_EQ(GetDlgItem(dialog, 100), b);
  EXPECT_EQ(Style(b), 0x50000601u);  // no BS_PUSHLIKE
  EXPECT_TRUE(IsWindowVisible(b));
  // No font of its own: the platform's default.
  EXPECT_EQ(SendMessageA(b, WM_GETFONT, 0, 0), 0);

  // An id that no item has still gets its button.
  HWND fresh = wk_ButtonCreateInDialog(dialog, 30, 80, 100, 25, "New", "x", "NORMAL", 555);
  ASSERT_NE(fresh, nullptr);
  EXPECT_EQ(GetDlgItem(dialog, 555), fresh);
  EXPECT_EQ(Style(fresh), 0x50000300u);
  EXPECT_EQ(OwnExStyle(fresh), 0u);
}

TEST(ButtonState, PushedAndReleasedAreSeenInTheButtonState) {
  wktest::TestWindow parent;
  HWND b = wk_ButtonCreate(parent, 10, 10, 80, 30, "Sinus", "C", "BAR", 1);
  EXPECT_EQ(wk_ButtonGetState(b) & BST_PUSHED, 0);
  EXPECT_EQ(wk_ButtonSetPushed(b), 0);
  EXPECT_EQ(wk_ButtonGetState(b) & BST_PUSHED, BST_PUSHED);
  EXPECT_EQ(wk_ButtonGetState(b), static_cast<int>(SendMessageA(b, BM_GETSTATE, 0, 0)));
  // The tone generator's pairing: pushed and disabled, then enabled and released.
  EXPECT_EQ(wk_ButtonDisable(b), 0);
  EXPECT_EQ(wk_ButtonGetState(b) & BST_PUSHED, BST_PUSHED);
  EXPECT_EQ(wk_ButtonEnable(b), 0);
  EXPECT_EQ(wk_ButtonSetReleased(b), 0);
  EXPECT_EQ(wk_ButtonGetState(b) & BST_PUSHED, 0);
}

TEST(ButtonText, SetGetAndTheLimitOf254Characters) {
  wktest::TestWindow parent;
  HWND b = wk_ButtonCreate(parent, 10, 10, 80, 30, "Sinus", "C", "BAR", 1);
  EXPECT_EQ(wk_ButtonSetText(b, "Fyrkant"), 0);
  char buffer[255];
  EXPECT_EQ(wk_ButtonGetText(b, buffer), 7);
  EXPECT_STREQ(buffer, "Fyrkant");

  const std::string long_caption(300, 'x');
  EXPECT_EQ(wk_ButtonSetText(b, long_caption.c_str()), 0);
  char guarded[260];
  memset(guarded, '#', sizeof guarded);
  EXPECT_EQ(wk_ButtonGetText(b, guarded), 254);
  EXPECT_EQ(std::string(guarded), std::string(254, 'x'));
  EXPECT_EQ(guarded[255], '#');  // nothing written past the 255 bytes

  EXPECT_EQ(wk_ButtonGetText(b, nullptr), 0);
  HWND gone = b;
  DestroyWindow(gone);
  EXPECT_EQ(wk_ButtonSetText(gone, "x"), 1);
}

HANDLE Image(HWND b, WPARAM type) {
  return reinterpret_cast<HANDLE>(SendMessageA(b, BM_GETIMAGE, type, 0));
}

TEST(ButtonImages, StockIconBitmapAndIconGoOnWithTheirStyleBits) {
  wktest::TestWindow parent;
  HWND b = wk_ButtonCreate(parent, 10, 10, 80, 60, "", "C", "NORMAL", 1);
  const std::pair<const char*, LPCSTR> stock[] = {
      {"WINLOGO", IDI_WINLOGO}, {"ASTERISK", IDI_ASTERISK}, {"EXCLAMATION", IDI_EXCLAMATION},
      {"HAND", IDI_HAND},       {"QUESTION", IDI_QUESTION}, {"APPLICATION", IDI_APPLICATION}};
  for (const auto& [word, id] : stock) {
    EXPECT_EQ(wk_ButtonSetStockIcon(b, "L", word), 0);
    EXPECT_EQ(Image(b, IMAGE_ICON), LoadIconA(nullptr, id)) << word;
  }
  EXPECT_EQ(Style(b) & (BS_ICON | BS_LEFT), static_cast<DWORD>(BS_ICON | BS_LEFT));

  // An unknown stock word sends a null image, which removes the image.
  EXPECT_EQ(wk_ButtonSetStockIcon(b, "L", "question"), 0);
  EXPECT_EQ(Image(b, IMAGE_ICON), nullptr);

  HWND c = wk_ButtonCreate(parent, 100, 10, 80, 60, "", "C", "NORMAL", 2);
  EXPECT_EQ(wk_ButtonSetBitmap(c, "nothing", "RED_BITMAP"), 0);
  EXPECT_NE(Image(c, IMAGE_BITMAP), nullptr);
  EXPECT_TRUE(Style(c) & BS_BITMAP);
  BITMAP info{};
  GetObjectA(Image(c, IMAGE_BITMAP), sizeof info, &info);
  EXPECT_EQ(info.bmWidth, 16);

  HWND d = wk_ButtonCreate(parent, 200, 10, 80, 60, "", "C", "NORMAL", 3);
  EXPECT_EQ(wk_ButtonSetIcon(d, "R", "BLUE_ICON"), 0);
  EXPECT_EQ(
      Image(d, IMAGE_ICON),
      LoadIconA(reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(d, GWLP_HINSTANCE)), "BLUE_ICON"));
  EXPECT_TRUE(Style(d) & BS_ICON);
}

TEST(ButtonImages, ADisabledButtonIsLeftAlone) {
  wktest::TestWindow parent;
  HWND b = wk_ButtonCreate(parent, 10, 10, 80, 60, "", "C", "BAR", 1);
  wk_ButtonDisable(b);
  const DWORD before = Style(b);
  EXPECT_EQ(wk_ButtonSetStockIcon(b, "L", "HAND"), 0);
  EXPECT_EQ(wk_ButtonSetBitmap(b, "L", "RED_BITMAP"), 0);
  EXPECT_EQ(Style(b), before);
  EXPECT_EQ(Image(b, IMAGE_ICON), nullptr);
  EXPECT_EQ(Image(b, IMAGE_BITMAP), nullptr);
}

TEST(ButtonImages, ANewAlignmentReplacesTheOldOneOnEveryIconStyle) {
  wktest::TestWindow dialog;
  HWND b = wk_ButtonCreateInDialog(dialog, 10, 10, 80, 60, "", "C", "NORMAL", 7);
  // Each icon style a button may carry (plain, default, framed default, framed
  // check box) loses RB when LT comes; a style outside them keeps its bits.
  const struct {
    DWORD base, after_rb, after_lt, after_none;
  } cases[] = {
      {0x50000040, 0x50000A40, 0x50000540, 0x50000040},
      {0x50000041, 0x50000A41, 0x50000541, 0x50000041},
      {0x50400041, 0x50400A41, 0x50400541, 0x50400041},
      {0x50400042, 0x50400A42, 0x50400542, 0x50400042},
      {0x50400040, 0x50400A40, 0x50400F40, 0x50400F40},  // framed, not default
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.base);
    SetWindowLongA(b, GWL_STYLE, static_cast<LONG>(c.base));
    EXPECT_EQ(wk_ButtonSetStockIcon(b, "RB", "HAND"), 0);
    EXPECT_EQ(Style(b), c.after_rb);
    EXPECT_EQ(wk_ButtonSetStockIcon(b, "LT", "HAND"), 0);
    EXPECT_EQ(Style(b), c.after_lt);
    EXPECT_EQ(wk_ButtonSetStockIcon(b, "", "HAND"), 0);
    EXPECT_EQ(Style(b), c.after_none);
  }
}

}  // namespace
