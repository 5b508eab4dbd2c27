// Top-level windows made from style keywords, and restyling them.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "creation_styles.hpp"
#include "wk_windows.h"
#include "wktest.hpp"

namespace {

HINSTANCE Module() { return GetModuleHandleA(nullptr); }

// Every test makes its windows with titles of its own: the title is the
// class name, and a class lives as long as the process.
std::string UniqueTitle(const char* base) {
  static int counter = 0;
  return std::string(base) + " #" + std::to_string(++counter);
}

struct Created {
  HWND window;
  explicit Created(const char* keyword, int width = 300, int height = 200)
      : window(wk_WindowCreate(Module(), UniqueTitle(keyword).c_str(), 40, 50, width, height,
                               keyword)) {}
  ~Created() {
    if (IsWindow(window)) DestroyWindow(window);
  }
};

using wktest::ExStyle;
using wktest::Style;
DWORD ClassStyle(HWND w) { return static_cast<DWORD>(GetClassLongA(w, GCL_STYLE)); }
int Height(HWND w) {
  RECT r{};
  GetWindowRect(w, &r);
  return r.bottom - r.top;
}

// The bits the platform adds to a shown top-level window of its own accord.
constexpr DWORD kPlatformBits = WS_VISIBLE | WS_CLIPSIBLINGS;

// Each keyword's styles at creation and on restyle, whole.
struct Row {
  const char* keyword;
  DWORD style, ex_style, class_style;        // at creation (class: added bits)
  DWORD restyle, restyle_ex, restyle_class;  // on restyle
};
constexpr DWORD kCapMenu = WS_CAPTION | WS_SYSMENU, kEdge = WS_EX_WINDOWEDGE;
constexpr DWORD kTool = WS_EX_TOOLWINDOW, kHelp = WS_EX_CONTEXTHELP, kNoClo = CS_NOCLOSE;
constexpr DWORD kMin = WS_MINIMIZEBOX, kMax = WS_MAXIMIZEBOX, kSys = WS_SYSMENU;
constexpr DWORD kRedraw = CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS;
// clang-format off
const Row kRows[] = {
    {"NOLIST", WS_POPUP | WS_DLGFRAME, 0, 0, WS_POPUP | WS_DLGFRAME, kEdge, kRedraw},
    {"TOOLWIN", 0, kTool, 0, WS_CAPTION, kTool, kRedraw},
    {"TOOLWIN_NOCLO", kSys, kTool, kNoClo, kCapMenu, kTool, kRedraw | kNoClo},
    {"TOOLWIN_CLO", kSys, kTool, 0, kCapMenu, kTool, kRedraw},
    {"EMPTYLIST", WS_CAPTION, 0, 0, WS_CAPTION, kEdge, kRedraw},
    {"NOCLO", kCapMenu, 0, kNoClo, kCapMenu, kEdge, kRedraw | kNoClo},
    {"CLO", kCapMenu, 0, 0, kCapMenu, kEdge, kRedraw},
    {"QUE_NOCLO", kCapMenu, kHelp, kNoClo, kCapMenu, kHelp, kRedraw | kNoClo},
    {"QUE_CLO", kCapMenu, kHelp, 0, kCapMenu, kHelp, kRedraw},
    {"NOMIN_MAX_NOCLO", kSys | kMax, 0, kNoClo, kCapMenu | kMax, kEdge, kRedraw | kNoClo},
    {"MIN_NOMAX_NOCLO", kSys | kMin, 0, kNoClo, kCapMenu | kMin, kEdge, kRedraw | kNoClo},
    {"MIN_NOMAX_CLO", kSys | kMin, 0, 0, kCapMenu | kMin, kEdge, kRedraw},
    {"NOMIN_MAX_CLO", kSys | kMax, 0, 0, kCapMenu | kMax, kEdge, kRedraw},
    {"MIN_MAX_NOCLO", kSys | kMin | kMax, 0, kNoClo, kCapMenu | kMin | kMax, kEdge, kRedraw | kNoClo},
    {"MIN_MAX_CLO", kSys | kMin | kMax, 0, 0, kCapMenu | kMin | kMax, kEdge, kRedraw},
};
// clang-format on

}  // namespace

// Creation asks the platform for exactly the keyword's styles; the close box
// is grey exactly where the class has CS_NOCLOSE, and the caption height is
// added for every keyword, also for the captionless popup. A word that is not
// a keyword (exact, case-sensitive, whole-string) adds nothing.
TEST(WindowCreate, EveryKeywordGivesItsStylesWhole) {
  std::vector<Row> rows(std::begin(kRows), std::end(kRows));
  for (const char* other : {"min_nomax_clo", "CLO ", ""}) rows.push_back({other, 0, 0, 0, 0, 0, 0});
  for (const Row& row : rows) {
    SCOPED_TRACE(row.keyword);
    const std::string title = UniqueTitle(row.keyword);
    wktest::CreationStyles asked(title);
    HWND w = wk_WindowCreate(Module(), title.c_str(), 40, 50, 300, 200, row.keyword);
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(asked.last_style(), row.style);
    EXPECT_EQ(asked.last_ex_style() & ~WS_EX_WINDOWEDGE, row.ex_style);
    EXPECT_EQ(ClassStyle(w), CS_DBLCLKS | row.class_style);
    EXPECT_TRUE(IsWindowVisible(w));
    EXPECT_EQ(Height(w), 200 + GetSystemMetrics(SM_CYCAPTION));
    if (row.style & WS_SYSMENU) {
      const UINT close = GetMenuState(GetSystemMenu(w, FALSE), SC_CLOSE, MF_BYCOMMAND);
      EXPECT_EQ((close & MF_GRAYED) != 0, (row.class_style & CS_NOCLOSE) != 0);
    }
    DestroyWindow(w);
  }
}

// Each keyword replaces all three styles whole (the platform adds only the
// visible and sibling-clipping bits, and manages the window edge itself);
// every restyle grows the window by one caption and leaves the result pair 0.
TEST(WindowRestyle, EveryKeywordReplacesAllThreeStylesWhole) {
  for (const Row& row : kRows) {
    SCOPED_TRACE(row.keyword);
    Created c("CLO", 300, 300);
    const int start = Height(c.window);
    wk_ResultX = wk_ResultY = 7;
    EXPECT_EQ(wk_WindowRestyle(c.window, row.keyword), 0);
    EXPECT_EQ(Style(c.window) & ~kPlatformBits, row.restyle);
    EXPECT_EQ(wktest::OwnExStyle(c.window), row.restyle_ex & ~WS_EX_WINDOWEDGE);
    EXPECT_EQ(ClassStyle(c.window), row.restyle_class);
    EXPECT_TRUE(IsWindowVisible(c.window));
    EXPECT_EQ(Height(c.window), start + GetSystemMetrics(SM_CYCAPTION));
    EXPECT_EQ(std::make_pair(wk_ResultX, wk_ResultY), std::make_pair(0, 0));
  }
  // An unknown keyword changes no style but still grows the window.
  Created c("CLO", 300, 300);
  const int start = Height(c.window);
  const DWORD before = Style(c.window), class_before = ClassStyle(c.window);
  EXPECT_EQ(wk_WindowRestyle(c.window, "WIDE"), 0);
  EXPECT_EQ(Style(c.window), before);
  EXPECT_EQ(ClassStyle(c.window), class_before);
  EXPECT_EQ(Height(c.window), start + GetSystemMetrics(SM_CYCAPTION));
}

TEST(WindowCreate, ClassIsNamedAfterTheTitleAndServedByAppWindowProc) {
  const std::string title = UniqueTitle("Named");
  HWND w = wk_WindowCreate(Module(), title.c_str(), 0, 0, 100, 100, "CLO");
  ASSERT_NE(w, nullptr);
  EXPECT_EQ(wktest::ClassName(w), title);
  EXPECT_EQ(wktest::WindowText(w), title);
  WNDCLASSEXA wc{};
  wc.cbSize = sizeof wc;
  ASSERT_TRUE(GetClassInfoExA(Module(), title.c_str(), &wc));
  EXPECT_EQ(wc.lpfnWndProc, AppWindowProc);
  EXPECT_EQ(wc.hIcon, nullptr);
  EXPECT_EQ(wc.hCursor, LoadCursorA(nullptr, IDC_ARROW));
  // The background is the button face colour.
  LOGBRUSH lb{};
  ASSERT_TRUE(GetObjectA(reinterpret_cast<HBRUSH>(GetClassLongPtrA(w, GCLP_HBRBACKGROUND)),
                         sizeof lb, &lb));
  EXPECT_EQ(lb.lbColor, GetSysColor(COLOR_BTNFACE));

  // The same title again: the class exists, so nothing is created.
  EXPECT_EQ(wk_WindowCreate(Module(), title.c_str(), 0, 0, 100, 100, "CLO"), nullptr);
  DestroyWindow(w);
}

TEST(WindowCreate, EmptyTitleUsesClassAndTheModuleHandleInDecimal) {
  HWND w = wk_WindowCreate(Module(), "", 0, 0, 100, 100, "CLO");
  ASSERT_NE(w, nullptr);
  // The whole handle: on 64-bit Windows it does not fit in 32 bits.
  EXPECT_EQ(wktest::ClassName(w), "Class" + std::to_string(reinterpret_cast<LONG_PTR>(Module())));
  // A second untitled window cannot be made either.
  EXPECT_EQ(wk_WindowCreate(Module(), "", 0, 0, 100, 100, "CLO"), nullptr);
  DestroyWindow(w);
}

TEST(WindowCreate, TitleThatDoesNotFitTheClassNameIsRefusedWithoutOverrun) {
  const std::string longest(249, 'a');
  HWND w = wk_WindowCreate(Module(), longest.c_str(), 0, 0, 100, 100, "CLO");
  ASSERT_NE(w, nullptr);
  EXPECT_EQ(wktest::ClassName(w), longest);
  DestroyWindow(w);

  const std::string too_long(250, 'b');
  EXPECT_EQ(wk_WindowCreate(Module(), too_long.c_str(), 0, 0, 100, 100, "CLO"), nullptr);
  const std::string much_too_long(5000, 'c');
  EXPECT_EQ(wk_WindowCreate(Module(), much_too_long.c_str(), 0, 0, 100, 100, "CLO"), nullptr);
  EXPECT_EQ(wk_WindowCreate(Module(), nullptr, 0, 0, 100, 100, "CLO"), nullptr);
}

TEST(WindowSetBackground, MakesASolidClassBrushAndRepaintsTheWindow) {
  Created c("CLO");
  EXPECT_EQ(wk_WindowSetBackground(c.window, RGB(0, 0, 255)), 0);
  LOGBRUSH lb{};
  ASSERT_TRUE(GetObjectA(reinterpret_cast<HBRUSH>(GetClassLongPtrA(c.window, GCLP_HBRBACKGROUND)),
                         sizeof lb, &lb));
  EXPECT_EQ(lb.lbStyle, static_cast<UINT>(BS_SOLID));
  EXPECT_EQ(lb.lbColor, RGB(0, 0, 255));
  wktest::Pump(100);
  EXPECT_EQ(wktest::PixelAt(c.window, 150, 100), RGB(0, 0, 255));
}

TEST(WindowRestyle, InPlaceKeepsTheRectangleAndTheResultPair) {
  Created c("CLO", 300, 300);
  RECT before{}, after{};
  GetWindowRect(c.window, &before);
  wk_ResultX = 11;
  wk_ResultY = 12;
  EXPECT_EQ(wk_WindowRestyleInPlace(c.window, "NOLIST"), 0);
  GetWindowRect(c.window, &after);
  EXPECT_TRUE(EqualRect(&before, &after));
  EXPECT_EQ(Style(c.window) & ~kPlatformBits, kRows[0].restyle);
  EXPECT_EQ(ExStyle(c.window), kRows[0].restyle_ex);  // the platform's edge, too
  EXPECT_EQ(ClassStyle(c.window), kRows[0].restyle_class);
  EXPECT_TRUE(IsWindowVisible(c.window));
  EXPECT_EQ(std::make_pair(wk_ResultX, wk_ResultY), std::make_pair(11, 12));
}
