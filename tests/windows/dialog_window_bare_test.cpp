// Dialog windows from the template this program carries, and their services.
#include <gtest/gtest.h>

#include "wk_windows.h"
#include "wktest.hpp"

namespace {

INT_PTR CALLBACK Quiet(HWND, UINT message, WPARAM, LPARAM) { return message == WM_INITDIALOG; }

struct Dialog {
  wktest::TestWindow parent;
  HWND handle;
  explicit Dialog(const char* keyword, int x = 50, int y = 60, int w = 300, int h = 200)
      : handle(wk_DialogWindowCreate(parent, "V\xE4lj", x, y, w, h, keyword, Quiet)) {}
  ~Dialog() {
    if (IsWindow(handle)) DestroyWindow(handle);
  }
  operator HWND() const { return handle; }
};

BOOL CALLBACK CountWindow(HWND, LPARAM count) {
  ++*reinterpret_cast<int*>(count);
  return TRUE;
}
int ThreadWindows() {
  int count = 0;
  EnumThreadWindows(GetCurrentThreadId(), CountWindow, reinterpret_cast<LPARAM>(&count));
  return count;
}

using wktest::Rect;
using wktest::Style;

}  // namespace

TEST(DialogWindowCreate, MakesAStyledTitledPlacedModelessDialog) {
  Dialog d("MIN_NOMAX_CLO");
  ASSERT_NE(d.handle, nullptr);
  EXPECT_EQ(wktest::ClassName(d), "#32770");
  EXPECT_EQ(wktest::WindowText(d), "V\xE4lj");
  EXPECT_EQ(GetWindow(d, GW_OWNER), d.parent.get());
  EXPECT_TRUE(IsWindowVisible(d));
  const RECT r = Rect(d);
  EXPECT_EQ(r.left, 50);
  EXPECT_EQ(r.top, 60);
  EXPECT_EQ(r.right - r.left, 300);
  EXPECT_EQ(r.bottom - r.top, 200);  // no caption height added here
}

// Each keyword sets only the values its row names (0: the template's stays;
// the class style: unchanged). The class style belongs to the system's dialog
// class, so it holds for every dialog of the process. The platform adds the
// visible and sibling-clipping bits and manages the window edge itself.
TEST(DialogWindowCreate, EveryKeywordSetsOnlyWhatItNamesWhole) {
  constexpr DWORD kPlatformBits = WS_VISIBLE | WS_CLIPSIBLINGS, kCap = WS_CAPTION | WS_SYSMENU;
  constexpr DWORD kMin = WS_MINIMIZEBOX, kMax = WS_MAXIMIZEBOX, kNoClo = CS_DBLCLKS | CS_NOCLOSE;
  const struct {
    const char* keyword;
    DWORD style, ex_style, class_style;
  } rows[] = {
      {"NOLIST", WS_POPUP | WS_DLGFRAME, 0, 0},
      {"TOOLWIN", 0, WS_EX_TOOLWINDOW, 0},
      {"TOOLWIN_NOCLO", kCap, WS_EX_TOOLWINDOW, kNoClo},
      {"TOOLWIN_CLO", kCap, WS_EX_TOOLWINDOW, CS_DBLCLKS},
      {"EMPTYLIST", WS_CAPTION, 0, 0},
      {"NOCLO", kCap, 0, kNoClo},
      {"CLO", kCap, 0, 0},
      {"QUE_NOCLO", kCap, WS_EX_CONTEXTHELP, kNoClo},
      {"QUE_CLO", kCap, WS_EX_CONTEXTHELP, 0},
      {"NOMIN_MAX_NOCLO", kCap | kMax, 0, kNoClo},
      {"MIN_NOMAX_NOCLO", kCap | kMin, 0, kNoClo},
      {"MIN_NOMAX_CLO", kCap | kMin, 0, 0},
      {"NOMIN_MAX_CLO", kCap | kMax, 0, 0},
      {"MIN_MAX_NOCLO", kCap | kMin | kMax, 0, kNoClo},
      {"MIN_MAX_CLO", kCap | kMin | kMax, 0, 0},
      {"clo", 0, 0, 0},
  };
  Dialog plain("none");
  const DWORD template_style = Style(plain) & ~kPlatformBits;
  const DWORD template_ex = wktest::OwnExStyle(plain);
  constexpr DWORD kUnchanged = CS_DBLCLKS | CS_HREDRAW;
  for (const auto& row : rows) {
    SCOPED_TRACE(row.keyword);
    SetClassLongA(plain, GCL_STYLE, kUnchanged);
    Dialog d(row.keyword);
    EXPECT_EQ(Style(d) & ~kPlatformBits, row.style ? row.style : template_style);
    EXPECT_EQ(wktest::OwnExStyle(d), row.ex_style ? row.ex_style : template_ex);
    EXPECT_EQ(static_cast<DWORD>(GetClassLongA(d, GCL_STYLE)),
              row.class_style ? row.class_style : kUnchanged);
  }
}

TEST(DialogWindowServices, FrameChangesKeepTheRectangle) {
  Dialog d("CLO");
  const RECT before = Rect(d);
  wk_ResultX = 5;
  EXPECT_EQ(wk_DialogWindowSetBorder(d, "FLAT_BORDER"), 0);
  EXPECT_EQ(Style(d) & (WS_POPUP | WS_BORDER | WS_DLGFRAME),
            static_cast<DWORD>(WS_POPUP | WS_BORDER));
  EXPECT_EQ(wk_DialogWindowSizingBorder(d, "ON"), 0);
  EXPECT_TRUE(Style(d) & WS_THICKFRAME);
  const RECT after = Rect(d);
  EXPECT_TRUE(EqualRect(&before, &after));
  EXPECT_TRUE(IsWindowVisible(d));
  EXPECT_EQ(wk_ResultX, 5);
  // The dialog family's guard was cleared above: "NORMAL" now sets the frame.
  EXPECT_EQ(wk_DialogWindowSetBorder(d, "NORMAL"), 0);
  EXPECT_EQ(Style(d) & (WS_POPUP | WS_DLGFRAME | WS_BORDER), static_cast<DWORD>(WS_DLGFRAME));
}

TEST(DialogWindowServices, ShowMoveSizeTextAndClose) {
  Dialog d("CLO");
  const int caption = GetSystemMetrics(SM_CYCAPTION);
  EXPECT_EQ(wk_DialogWindowHide(d), 0);
  EXPECT_FALSE(IsWindowVisible(d));
  RECT hidden{};
  GetWindowRect(d, &hidden);
  EXPECT_EQ(hidden.left, 50);  // hidden where it is
  EXPECT_EQ(hidden.top, 60);
  EXPECT_EQ(wk_DialogWindowRestore(d), 0);  // was hidden
  EXPECT_EQ(wk_DialogWindowRestore(d), 1);
  EXPECT_EQ(wk_DialogWindowMove(d, 20, 999999), 0);
  EXPECT_EQ(wk_DialogWindowGetPosition(d), 0);
  EXPECT_EQ(std::make_pair(wk_ResultX, wk_ResultY), std::make_pair(20, 60));
  EXPECT_EQ(wk_DialogWindowResize(d, 999999, 100), 0);
  EXPECT_EQ(wk_DialogWindowGetSize(d), 0);
  EXPECT_EQ(std::make_pair(wk_ResultX, wk_ResultY), std::make_pair(300, 100 + caption));
  EXPECT_EQ(wk_DialogWindowSetText(d, "Ny"), 0);
  char text[8];
  EXPECT_EQ(wk_DialogWindowGetText(d, text, 7), 2);
  EXPECT_STREQ(text, "Ny");
  EXPECT_EQ(wk_DialogWindowRepaint(d, "UNERASED"), 0);
  SetActiveWindow(d.parent);
  EXPECT_EQ(wk_DialogWindowActivate(d), d.parent.get());
  EXPECT_EQ(GetActiveWindow(), d.handle);

  HBRUSH brush = wk_DialogWindowBrush(nullptr, RGB(1, 2, 3));
  LOGBRUSH lb{};
  ASSERT_TRUE(GetObjectA(brush, sizeof lb, &lb));
  EXPECT_EQ(lb.lbColor, RGB(1, 2, 3));
  DeleteObject(brush);

  EXPECT_EQ(wk_DialogWindowClose(d), 0);
  EXPECT_FALSE(IsWindow(d));

  // Closing leaves no hidden window behind.
  const int before = ThreadWindows();
  for (int i = 0; i < 100; ++i) {
    HWND another = wk_DialogWindowCreate(d.parent, "x", 0, 0, 100, 80, "CLO", Quiet);
    EXPECT_EQ(wk_DialogWindowClose(another), 0);
  }
  EXPECT_EQ(ThreadWindows(), before);
}
