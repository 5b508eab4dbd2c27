// Top-level windows made from style keywords, and restyling them.
#include <gtest/gtest.h>

#include <cstdio>
#include <ostream>
#include <string>

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

// WS_DLGFRAME is left out: it is half of WS_CAPTION, which the platform
// gives every overlapped window.
constexpr DWORD kFrameBits =
    WS_POPUP | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME;

}  // namespace

struct CreateRow {
  const char* keyword;
  DWORD style;     // the keyword's bits among kFrameBits
  DWORD ex_style;  // WS_EX_TOOLWINDOW | WS_EX_CONTEXTHELP part
  DWORD class_style;
};

void PrintTo(const CreateRow& row, std::ostream* os) { *os << '"' << row.keyword << '"'; }

class CreateKeywords : public ::testing::TestWithParam<CreateRow> {};

TEST_P(CreateKeywords, GiveTheirStylesClassStyleAndCaptionHeight) {
  const CreateRow& row = GetParam();
  Created c(row.keyword);
  ASSERT_NE(c.window, nullptr);
  EXPECT_EQ(Style(c.window) & kFrameBits, row.style);
  EXPECT_EQ(ExStyle(c.window) & (WS_EX_TOOLWINDOW | WS_EX_CONTEXTHELP), row.ex_style);
  EXPECT_EQ(ClassStyle(c.window), row.class_style);
  EXPECT_TRUE(IsWindowVisible(c.window));
  if (row.style & WS_POPUP) {
    EXPECT_EQ(Style(c.window) & WS_CAPTION, static_cast<DWORD>(WS_DLGFRAME));
  } else {
    EXPECT_EQ(Style(c.window) & WS_CAPTION, static_cast<DWORD>(WS_CAPTION));
  }
  // The caption height is added for every keyword, also for the captionless popup.
  EXPECT_EQ(Height(c.window), 200 + GetSystemMetrics(SM_CYCAPTION));
}

INSTANTIATE_TEST_SUITE_P(
    AllKeywords, CreateKeywords,
    ::testing::Values(
        CreateRow{"NOLIST", WS_POPUP, 0, CS_DBLCLKS},
        CreateRow{"TOOLWIN", 0, WS_EX_TOOLWINDOW, CS_DBLCLKS},
        CreateRow{"TOOLWIN_NOCLO", WS_SYSMENU, WS_EX_TOOLWINDOW, CS_DBLCLKS | CS_NOCLOSE},
        CreateRow{"TOOLWIN_CLO", WS_SYSMENU, WS_EX_TOOLWINDOW, CS_DBLCLKS},
        CreateRow{"EMPTYLIST", 0, 0, CS_DBLCLKS},
        CreateRow{"NOCLO", WS_SYSMENU, 0, CS_DBLCLKS | CS_NOCLOSE},
        CreateRow{"CLO", WS_SYSMENU, 0, CS_DBLCLKS},
        CreateRow{"QUE_NOCLO", WS_SYSMENU, WS_EX_CONTEXTHELP, CS_DBLCLKS | CS_NOCLOSE},
        CreateRow{"QUE_CLO", WS_SYSMENU, WS_EX_CONTEXTHELP, CS_DBLCLKS},
        CreateRow{"NOMIN_MAX_NOCLO", WS_SYSMENU | WS_MAXIMIZEBOX, 0, CS_DBLCLKS | CS_NOCLOSE},
        CreateRow{"MIN_NOMAX_NOCLO", WS_SYSMENU | WS_MINIMIZEBOX, 0, CS_DBLCLKS | CS_NOCLOSE},
        CreateRow{"MIN_NOMAX_CLO", WS_SYSMENU | WS_MINIMIZEBOX, 0, CS_DBLCLKS},
        CreateRow{"NOMIN_MAX_CLO", WS_SYSMENU | WS_MAXIMIZEBOX, 0, CS_DBLCLKS},
        CreateRow{"MIN_MAX_NOCLO", WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX, 0,
                  CS_DBLCLKS | CS_NOCLOSE},
        CreateRow{"MIN_MAX_CLO", WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX, 0, CS_DBLCLKS},
        // Not keywords: exact, case-sensitive, whole-string comparison.
        CreateRow{"min_nomax_clo", 0, 0, CS_DBLCLKS}, CreateRow{"CLO ", 0, 0, CS_DBLCLKS},
        CreateRow{"", 0, 0, CS_DBLCLKS}),
    [](const auto& info) {
      std::string name = info.param.keyword[0] ? info.param.keyword : "empty";
      for (char& ch : name) {
        if (!isalnum(static_cast<unsigned char>(ch))) ch = '_';
      }
      return name + "_" + std::to_string(info.index);
    });

TEST(WindowCreate, MinNomaxCloHasTitleBarMinimiseBoxWorkingCloseAndNoSizingBorder) {
  Created c("MIN_NOMAX_CLO");
  const DWORD style = Style(c.window);
  EXPECT_EQ(style & WS_CAPTION, static_cast<DWORD>(WS_CAPTION));
  EXPECT_TRUE(style & WS_MINIMIZEBOX);
  EXPECT_FALSE(style & WS_MAXIMIZEBOX);
  EXPECT_FALSE(style & WS_THICKFRAME);
  HMENU menu = GetSystemMenu(c.window, FALSE);
  ASSERT_NE(menu, nullptr);
  EXPECT_FALSE(GetMenuState(menu, SC_CLOSE, MF_BYCOMMAND) & MF_GRAYED);
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

TEST(WindowRestyle, ReplacesAllThreeStylesAndGrowsByOneCaptionEachTime) {
  Created c("CLO", 300, 300);
  const int caption = GetSystemMetrics(SM_CYCAPTION);
  const int start = Height(c.window);
  wk_ResultX = wk_ResultY = 7;
  EXPECT_EQ(wk_WindowRestyle(c.window, "TOOLWIN"), 0);
  EXPECT_EQ(Style(c.window) & ~WS_VISIBLE & ~WS_CLIPSIBLINGS, static_cast<DWORD>(WS_CAPTION));
  EXPECT_EQ(ExStyle(c.window) & WS_EX_TOOLWINDOW, static_cast<DWORD>(WS_EX_TOOLWINDOW));
  EXPECT_EQ(ClassStyle(c.window), static_cast<DWORD>(CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS));
  EXPECT_TRUE(IsWindowVisible(c.window));
  EXPECT_EQ(wk_ResultX, 0);
  EXPECT_EQ(wk_ResultY, 0);
  EXPECT_EQ(wk_WindowRestyle(c.window, "MIN_MAX_NOCLO"), 0);
  EXPECT_EQ(Style(c.window) & (WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX),
            static_cast<DWORD>(WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX));
  EXPECT_EQ(ClassStyle(c.window),
            static_cast<DWORD>(CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS | CS_NOCLOSE));
  EXPECT_EQ(Height(c.window), start + 2 * caption);
  // An unknown keyword changes no style but still grows the window.
  const DWORD before = Style(c.window);
  EXPECT_EQ(wk_WindowRestyle(c.window, "WIDE"), 0);
  EXPECT_EQ(Style(c.window), before);
  EXPECT_EQ(Height(c.window), start + 3 * caption);
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
  EXPECT_EQ(Style(c.window) & (WS_POPUP | WS_DLGFRAME | WS_CAPTION),
            static_cast<DWORD>(WS_POPUP | WS_DLGFRAME));
  EXPECT_EQ(ExStyle(c.window) & WS_EX_WINDOWEDGE, static_cast<DWORD>(WS_EX_WINDOWEDGE));
  EXPECT_TRUE(IsWindowVisible(c.window));
  EXPECT_EQ(wk_ResultX, 11);
  EXPECT_EQ(wk_ResultY, 12);
}
