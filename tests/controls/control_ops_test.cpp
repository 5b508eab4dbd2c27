// The operations every control kind shares (destroy, hide, show, move,
// centre, position, resize, size, fit to parent, disable, enable, repaint,
// focus, making and setting a font), pinned once through every kind's
// forwarders. A row per kind names
// the forwarders it has (null where it has none, or a variant of its own that
// its own tests pin), the show command it passes on, and whether Move and
// FitToParent give the platform's raw result instead of 0 or 1.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <iterator>
#include <vector>

#include "wk_controls.h"
#include "wk_text.h"
#include "wk_windows.h"
#include "wktest.hpp"

namespace {

struct Kind {
  using Op = int (*)(HWND);
  const char* name;
  HWND (*create)(HWND parent);
  int show_command = SW_SHOW;
  bool raw = false;  // Move and FitToParent: non-zero on success, 0 on failure
  Op destroy{}, hide{}, show{};
  int (*move)(HWND, int, int){};
  Op center{}, get_position{};
  int (*resize)(HWND, int, int){};
  Op get_size{};
  int (*fit)(HWND, int, int, int, int){};
  Op disable{}, enable{};
  int (*repaint_word)(HWND, const char*){};  // "ERASED" or "UNERASED"
  Op repaint{};                              // always erased
  HWND (*set_focus)(HWND){}, (*drop_focus)(HWND){};
  HFONT (*make_font)(HWND, int points, int weight, int style_code, int ignored, const char*){};
  int (*set_font)(HWND, HFONT){};
};

// clang-format off
#define SHOWING(K) .destroy = wk_##K##Destroy, .hide = wk_##K##Hide, .show = wk_##K##Show
#define GEOMETRY(K) .move = wk_##K##Move, .center = wk_##K##Center, \
    .get_position = wk_##K##GetPosition, .resize = wk_##K##Resize, .get_size = wk_##K##GetSize, \
    .fit = wk_##K##FitToParent
#define ENABLING(K) .disable = wk_##K##Disable, .enable = wk_##K##Enable
#define FONTS(Maker, K) .make_font = wk_##Maker, .set_font = wk_##K##SetFont

const Kind kKinds[] = {
    {.name = "Button",
     .create = [](HWND p) { return wk_ButtonCreate(p, 10, 10, 80, 30, "x", "C", "BAR", 1); },
     .show_command = SW_SHOWNORMAL, SHOWING(Button), GEOMETRY(Button), ENABLING(Button),
     .repaint_word = wk_ButtonRepaint, .set_focus = wk_ButtonSetFocus,
     .drop_focus = wk_ButtonDropFocus, .set_font = wk_ButtonSetFont},
    {.name = "Slider",
     .create = [](HWND p) { return wk_SliderCreate(p, "H", 10, 10, 200, 40, "BAR", 100, 1, 0); },
     SHOWING(Slider), GEOMETRY(Slider), ENABLING(Slider), .repaint_word = wk_SliderRepaint,
     .set_focus = wk_SliderSetFocus, .drop_focus = wk_SliderDropFocus},
    {.name = "Check",
     .create = [](HWND p) { return wk_CheckCreate(p, 10, 10, "SQUARE", "Val", 7); },
     .show_command = SW_SHOWNORMAL, SHOWING(Check), .move = wk_CheckMove, ENABLING(Check)},
    {.name = "Group",
     .create = [](HWND p) { return wk_GroupCreate(p, 10, 10, 200, 100, "Signal"); },
     .show_command = SW_SHOWNORMAL, SHOWING(Group), .move = wk_GroupMove,
     .resize = wk_GroupResize},
    // Disable and Enable are the image button's own: they answer fixed values.
    {.name = "ImageButton",
     .create = [](HWND p) { return wk_ImageButtonCreate(p, 10, 10, 48, 32, "", 501); },
     .show_command = SW_SHOWNORMAL, SHOWING(ImageButton), GEOMETRY(ImageButton),
     .repaint_word = wk_ImageButtonRepaint},
    {.name = "UpDown",
     .create = [](HWND p) { return wk_UpDownCreate(p, 10, 10, 20, 50, "", 10, 0, 0); },
     .show_command = SW_SHOWNORMAL, SHOWING(UpDown), GEOMETRY(UpDown), ENABLING(UpDown),
     .repaint_word = wk_UpDownRepaint},
    {.name = "Progress",
     .create = [](HWND p) { return wk_ProgressCreate(p, 10, 10, 100, 20, "NORMAL", 100, 10); },
     SHOWING(Progress), GEOMETRY(Progress)},
    // Move and GetPosition are the status bar's own: they keep to its top.
    {.name = "Status", .create = [](HWND p) { return wk_StatusCreate(p, "NOBAR"); },
     SHOWING(Status), FONTS(StatusMakeFont, Status)},
    {.name = "Toolbar", .create = [](HWND p) { return wk_ToolbarCreate(p, "NOBORDER", 30); },
     SHOWING(Toolbar)},
    {.name = "List", .create = [](HWND p) { return wk_ListCreate(p, 10, 10, 200, 100); },
     .raw = true, SHOWING(List), GEOMETRY(List), ENABLING(List), .repaint = wk_ListRedraw,
     FONTS(ListMakeFont, List)},
    {.name = "Edit", .create = [](HWND p) { return wk_EditCreate(p, 10, 10, 100, 24, "L", 50); },
     SHOWING(Edit), GEOMETRY(Edit), ENABLING(Edit), .repaint = wk_EditRepaint,
     .set_focus = wk_EditSetFocus, FONTS(EditCreateFont, Edit)},
    {.name = "SpinEdit",
     .create = [](HWND p) { return wk_SpinEditCreate(p, 10, 10, 100, 30, "L", 50); },
     SHOWING(SpinEdit), GEOMETRY(SpinEdit), ENABLING(SpinEdit), .repaint = wk_SpinEditRepaint,
     .set_focus = wk_SpinEditSetFocus, FONTS(SpinEditCreateFont, SpinEdit)},
    {.name = "Combo",
     .create = [](HWND p) { return wk_ComboCreate(p, 10, 10, 150, 120, "SIMPLE"); },
     SHOWING(Combo), GEOMETRY(Combo), ENABLING(Combo), .repaint = wk_ComboRepaint,
     .set_focus = wk_ComboSetFocus, FONTS(ComboCreateFont, Combo)},
    // Hide is the word processor's own: it also moves the window.
    {.name = "WordProcSimple",
     .create = [](HWND p) { return wk_WordProcSimpleCreate(p, 10, 10, 200, 100, "NOSCROLL", 9); },
     .destroy = wk_WordProcSimpleDestroy, .show = wk_WordProcSimpleShow,
     GEOMETRY(WordProcSimple), ENABLING(WordProcSimple), .repaint = wk_WordProcSimpleRepaint,
     .set_focus = wk_WordProcSimpleSetFocus, .make_font = wk_WordProcSimpleCreateFont,
     .set_font = [](HWND c, HFONT f) {
       return wk_WordProcSimpleSetFont(c, reinterpret_cast<UINT_PTR>(f));
     }},
    // Hide, Disable and Enable are the rich edit's own; so is SetFont, which
    // also takes stock font numbers, and the control does not answer WM_GETFONT.
    {.name = "RichEdit",
     .create = [](HWND p) { return wk_RichEditCreate(p, 10, 10, 200, 100, "NOSCROLL", 9); },
     .destroy = wk_RichEditDestroy, .show = wk_RichEditShow, GEOMETRY(RichEdit),
     .repaint = wk_RichEditRepaint, .set_focus = wk_RichEditSetFocus,
     .make_font = wk_RichEditCreateFont},
};
// clang-format on

#undef SHOWING
#undef ENABLING
#undef GEOMETRY
#undef FONTS

using Longs = std::vector<LONG>;
using wktest::PlaceInParent;
Longs ResultPair() { return {wk_ResultX, wk_ResultY}; }

int g_erases = 0;
WNDPROC g_base = nullptr;
LRESULT CALLBACK CountErases(HWND w, UINT m, WPARAM wp, LPARAM lp) {
  if (m == WM_ERASEBKGND) ++g_erases;
  return CallWindowProcA(g_base, w, m, wp, lp);
}

// Paints what is pending: how often the control was asked to erase its
// background, or -1 when nothing was pending.
int ErasesOnPaint(HWND control) {
  if (!GetUpdateRect(control, nullptr, FALSE)) return -1;
  g_erases = 0;
  g_base = wk_SetWindowProc(control, CountErases);
  UpdateWindow(control);
  wk_SetWindowProc(control, g_base);
  return g_erases;
}

// Every kind on a parent with a menu bar, so that positions are read back
// below the caption and the menu.
class ControlOps : public testing::Test {
 protected:
  void SetUp() override {
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&icc);
    HMENU menu = CreateMenu();
    AppendMenuA(menu, MF_STRING, 1, "Arkiv");
    SetMenu(parent, menu);
    saved_double_click = GetDoubleClickTime();
  }
  // The image button shortens the double-click time while the mouse is over
  // it; the time is kept in the prefix.
  void TearDown() override { SetDoubleClickTime(saved_double_click); }

  wktest::TestWindow parent{500, 400, "control operations"};
  UINT saved_double_click = 0;
};

// Each result tells the state before; Show passes the kind's command on
// (SW_SHOWNORMAL also restores a maximized control, SW_SHOW leaves it so).
TEST_F(ControlOps, VisibilityEnablingAndDestroyReportTheEarlierState) {
  for (const Kind& k : kKinds) {
    SCOPED_TRACE(k.name);
    HWND c = k.create(parent);
    ASSERT_NE(c, nullptr);
    if (k.hide) {
      EXPECT_EQ(k.hide(c), 0);
      EXPECT_FALSE(IsWindowVisible(c));
      EXPECT_EQ(k.hide(c), 1);
    }
    ShowWindow(c, SW_MAXIMIZE);
    ShowWindow(c, SW_HIDE);
    EXPECT_EQ(k.show(c), 0);
    EXPECT_TRUE(IsWindowVisible(c));
    EXPECT_EQ(IsZoomed(c) != FALSE, k.show_command == SW_SHOW);
    EXPECT_EQ(k.show(c), 1);
    if (k.disable) {
      EXPECT_EQ(k.enable(c), 1);
      EXPECT_EQ(k.disable(c), 0);
      EXPECT_FALSE(IsWindowEnabled(c));
      EXPECT_EQ(k.disable(c), 1);
      EXPECT_EQ(k.enable(c), 0);
      EXPECT_TRUE(IsWindowEnabled(c));
    }
    EXPECT_EQ(k.destroy(c), 0);
    EXPECT_FALSE(IsWindow(c));
    EXPECT_EQ(k.destroy(c), 1);
  }
}

// Queries whose 0 is a valid answer (column 0, a disabled button, row 1)
// answer -1 for a destroyed control and for a window of another kind.
TEST_F(ControlOps, QueriesOnAGoneControlOrAnotherKindAnswerMinusOne) {
  HWND button = kKinds[0].create(parent);
  const struct {
    const char* kind;
    int (*query)(HWND);
  } rows[] = {
      {"List", [](HWND c) { return wk_ListInsertColumn(c, 50, "L", "a", 0); }},
      {"List", [](HWND c) { return wk_ListFindItem(c, ""); }},
      {"Toolbar", [](HWND c) { return wk_ToolbarGetButtonState(c, 1); }},
  };
  for (const auto& row : rows) {
    const Kind& k = *std::find_if(std::begin(kKinds), std::end(kKinds), [&](const Kind& x) {
      return std::strcmp(x.name, row.kind) == 0;
    });
    HWND gone = k.create(parent);
    DestroyWindow(gone);
    EXPECT_EQ(row.query(gone), -1) << &row - rows;
    EXPECT_EQ(row.query(button), -1) << &row - rows;
  }
}

TEST_F(ControlOps, GeometryInTheParentsClientArea) {
  RECT client{};
  GetClientRect(parent, &client);
  for (const Kind& k : kKinds) {
    if (!k.move && !k.resize) continue;
    SCOPED_TRACE(k.name);
    HWND c = k.create(parent);
    const int ok = k.raw ? TRUE : 0, failed = k.raw ? FALSE : 1;
    const LONG w = PlaceInParent(c)[2], h = PlaceInParent(c)[3];
    if (k.move) {
      EXPECT_EQ(k.move(c, 40, 70), ok);
      EXPECT_EQ(PlaceInParent(c), (Longs{40, 70, w, h}));
    }
    if (k.resize) {
      EXPECT_EQ(k.resize(c, 120, 45), 0);
      EXPECT_EQ(PlaceInParent(c), (Longs{40, 70, 120, 45}));  // every kind that resizes also moves
    }
    if (k.get_size) {
      EXPECT_EQ(k.get_size(c), 0);
      EXPECT_EQ(ResultPair(), (Longs{120, 45}));
    }
    // Equal side and bottom frames; the caption and the menu count as the top.
    if (k.get_position) {
      EXPECT_EQ(k.get_position(c), 0);
      EXPECT_EQ(ResultPair(), (Longs{40, 70}));
    }
    if (k.center) {
      EXPECT_EQ(k.center(c), 0);
      EXPECT_EQ(PlaceInParent(c), (Longs{client.right / 2 - 60, client.bottom / 2 - 22, 120, 45}));
    }
    if (k.fit) {
      EXPECT_EQ(k.fit(c, 5, 6, -10, -20), ok);
      EXPECT_EQ(PlaceInParent(c), (Longs{5, 6, client.right - 10, client.bottom - 20}));
    }
    DestroyWindow(c);
    EXPECT_TRUE(!k.move || k.move(c, 1, 1) == failed);
    EXPECT_TRUE(!k.resize || k.resize(c, 1, 1) == 1);
    EXPECT_TRUE(!k.fit || k.fit(c, 0, 0, 0, 0) == failed);
  }
}

TEST_F(ControlOps, RepaintInvalidatesErasingOnlyWhenAsked) {
  for (const Kind& k : kKinds) {
    if (!k.repaint && !k.repaint_word) continue;
    SCOPED_TRACE(k.name);
    HWND c = k.create(parent);
    wktest::Pump(30);
    ValidateRect(c, nullptr);
    if (k.repaint) {
      EXPECT_EQ(k.repaint(c), 0);
      EXPECT_EQ(ErasesOnPaint(c), 1);
      continue;
    }
    // Only the two words, exactly as written.
    for (const char* other : {"erased", "REPAINT", static_cast<const char*>(nullptr)}) {
      EXPECT_EQ(k.repaint_word(c, other), 1);
    }
    EXPECT_EQ(ErasesOnPaint(c), -1);
    EXPECT_EQ(k.repaint_word(c, "UNERASED"), 0);
    EXPECT_EQ(ErasesOnPaint(c), 0);
    EXPECT_EQ(k.repaint_word(c, "ERASED"), 0);
    EXPECT_EQ(ErasesOnPaint(c), 1);
  }
}

TEST_F(ControlOps, FocusComesBackAsTheWindowThatHadIt) {
  for (const Kind& k : kKinds) {
    if (!k.set_focus) continue;
    SCOPED_TRACE(k.name);
    HWND c = k.create(parent);
    SetActiveWindow(parent);
    SetFocus(parent);
    EXPECT_EQ(k.set_focus(c), parent.get());
    // A combo box passes the focus on to its own edit field.
    const HWND focused = GetFocus();
    EXPECT_TRUE(focused == c || IsChild(c, focused));
    if (!k.drop_focus) continue;
    EXPECT_EQ(k.drop_focus(parent), focused);
    EXPECT_EQ(GetFocus(), nullptr);
  }
}

// Fonts are made in points on the control's own display, with the style
// code's attributes (digits 1 italic, 2 underline, 3 strike-out; any other
// code is plain), and are what the control reports once set.
TEST_F(ControlOps, FontsInPointsWithStyleCodesAreWhatTheControlReports) {
  const struct {
    int code;
    BYTE italic, underline, strike_out;
  } codes[] = {{0, 0, 0, 0},  {1, 1, 0, 0},  {2, 0, 1, 0},   {3, 0, 0, 1},  {12, 1, 1, 0},
               {13, 1, 0, 1}, {23, 0, 1, 1}, {123, 1, 1, 1}, {21, 0, 0, 0}, {-1, 0, 0, 0},
               {7, 0, 0, 0},  {99, 0, 0, 0}, {321, 0, 0, 0}};
  for (const Kind& k : kKinds) {
    if (!k.make_font && !k.set_font) continue;
    SCOPED_TRACE(k.name);
    HWND c = k.create(parent);
    HDC dc = GetDC(c);
    const int dpi = GetDeviceCaps(dc, LOGPIXELSY);
    ReleaseDC(c, dc);
    int points = 8;
    for (const auto& s : codes) {
      // Size, weight and face change from row to row, so none can be fixed.
      const bool even = ++points % 2 == 0;
      const char* face = even ? "Arial" : "Tahoma";
      const int weight = even ? FW_BOLD : FW_NORMAL;
      HFONT font = k.make_font ? k.make_font(c, points, weight, s.code, 99, face)
                               : CreateFontA(points, 0, 0, 0, weight, 0, 0, 0, 0, 0, 0, 0, 0, face);
      ASSERT_NE(font, nullptr) << s.code;
      if (k.make_font) {
        LOGFONTA lf{};
        GetObjectA(font, sizeof lf, &lf);
        EXPECT_EQ(lf.lfHeight, -MulDiv(points, dpi, 72)) << s.code;
        EXPECT_EQ(lf.lfWeight, weight);
        EXPECT_EQ(lf.lfItalic, s.italic) << s.code;
        EXPECT_EQ(lf.lfUnderline, s.underline) << s.code;
        EXPECT_EQ(lf.lfStrikeOut, s.strike_out) << s.code;
        EXPECT_EQ(lf.lfPitchAndFamily, FF_SWISS);
        EXPECT_STREQ(lf.lfFaceName, face);
      }
      if (k.set_font) {
        EXPECT_EQ(k.set_font(c, font), 0);
        EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageA(c, WM_GETFONT, 0, 0)), font);
        SendMessageA(c, WM_SETFONT, 0, FALSE);
      }
      DeleteObject(font);
    }
    DestroyWindow(c);
  }
}

}  // namespace
