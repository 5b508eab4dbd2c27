// The services of windows made by wk_WindowCreate.
#include <gtest/gtest.h>

#include <string>

#include "wk_windows.h"
#include "wktest.hpp"

namespace {

struct Window {
  HWND handle;
  explicit Window(const char* keyword = "MIN_MAX_CLO") {
    static int counter = 0;
    const std::string title = "services " + std::to_string(++counter);
    handle = wk_WindowCreate(GetModuleHandleA(nullptr), title.c_str(), 100, 80, 300, 200, keyword);
  }
  ~Window() {
    if (IsWindow(handle)) DestroyWindow(handle);
  }
  operator HWND() const { return handle; }
};

using wktest::Rect;

using wktest::Style;

}  // namespace

TEST(WindowServices, ShowStatesReportWhetherTheWindowWasHidden) {
  Window w;
  EXPECT_EQ(wk_WindowShowState(w, "MAXI"), 0);  // it was visible
  EXPECT_TRUE(IsZoomed(w));
  EXPECT_EQ(wk_WindowShowState(w, "HIDE"), 0);
  EXPECT_FALSE(IsWindowVisible(w));
  EXPECT_EQ(wk_WindowShowState(w, "RESTORE"), 1);  // it was hidden
  EXPECT_TRUE(IsWindowVisible(w));
  EXPECT_FALSE(IsZoomed(w));
  EXPECT_EQ(wk_WindowShowState(w, "MINI"), 0);
  EXPECT_TRUE(IsIconic(w));
  EXPECT_EQ(wk_WindowShowState(w, "NORMAL"), 0);
  EXPECT_FALSE(IsIconic(w));
  // An unknown word changes nothing.
  EXPECT_EQ(wk_WindowShowState(w, "maxi"), 0);
  EXPECT_FALSE(IsZoomed(w));
  EXPECT_EQ(wk_WindowShowState(w, "HIDE"), 0);
  EXPECT_EQ(wk_WindowShowState(w, "BOGUS"), 1);
  EXPECT_FALSE(IsWindowVisible(w));
}

TEST(WindowServices, HideKeepsThePlaceAndShowBringsItBack) {
  Window w;
  const RECT before = Rect(w);
  EXPECT_EQ(wk_WindowHide(w), 0);
  EXPECT_FALSE(IsWindowVisible(w));
  EXPECT_EQ(wk_WindowShow(w), 0);  // was hidden
  EXPECT_TRUE(IsWindowVisible(w));
  const RECT after = Rect(w);
  EXPECT_TRUE(EqualRect(&before, &after));
  EXPECT_EQ(wk_WindowShow(w), 1);  // was visible
  EXPECT_EQ(wk_WindowMaximize(w), 0);
  EXPECT_TRUE(IsZoomed(w));
  EXPECT_EQ(wk_WindowHide(nullptr), 1);
}

TEST(WindowServices, MoveResizeAndTheKeepValue) {
  Window w;
  const int caption = GetSystemMetrics(SM_CYCAPTION);
  EXPECT_EQ(wk_WindowMove(w, 30, 40), 0);
  RECT r = Rect(w);
  EXPECT_EQ(r.left, 30);
  EXPECT_EQ(r.top, 40);
  EXPECT_EQ(wk_WindowMove(w, 999999, 60), 0);
  r = Rect(w);
  EXPECT_EQ(r.left, 30);
  EXPECT_EQ(r.top, 60);
  EXPECT_EQ(wk_WindowMove(w, 999999, 999999), 0);
  r = Rect(w);
  EXPECT_EQ(r.left, 30);
  EXPECT_EQ(r.top, 60);

  const int width = r.right - r.left;
  EXPECT_EQ(wk_WindowResize(w, 999999, 400), 0);
  r = Rect(w);
  EXPECT_EQ(r.right - r.left, width);
  EXPECT_EQ(r.bottom - r.top, 400 + caption);
  EXPECT_EQ(wk_WindowResize(w, 250, 999999), 0);
  r = Rect(w);
  EXPECT_EQ(r.right - r.left, 250);
  EXPECT_EQ(r.bottom - r.top, 400 + caption);
  EXPECT_EQ(r.left, 30);

  EXPECT_EQ(wk_WindowGetPosition(w), 0);
  EXPECT_EQ(std::make_pair(wk_ResultX, wk_ResultY), std::make_pair(30, 60));
  EXPECT_EQ(wk_WindowGetSize(w), 0);
  EXPECT_EQ(std::make_pair(wk_ResultX, wk_ResultY), std::make_pair(250, 400 + caption));
}

TEST(WindowServices, CenterUsesScreenSizeLessTheCaption) {
  Window w;
  EXPECT_EQ(wk_WindowResize(w, 400, 300), 0);
  EXPECT_EQ(wk_WindowCenter(w), 0);
  const RECT r = Rect(w);
  const int width = r.right - r.left, height = r.bottom - r.top;
  EXPECT_EQ(r.left, (GetSystemMetrics(SM_CXSCREEN) - width) / 2);
  EXPECT_EQ(r.top, (GetSystemMetrics(SM_CYSCREEN) - height - GetSystemMetrics(SM_CYCAPTION)) / 2);
  EXPECT_EQ(width, 400);
}

// The border guard is process-wide and only ever cleared, so the order of
// these steps matters: "NORMAL" first on a fresh process. Each step replaces
// the style it names whole (the platform adds the visible and sibling-clipping
// bits and manages the window edge itself), grows the window by one caption
// and leaves the result pair 0.
TEST(WindowServices, BorderKeywordsAndTheGuardThatFlatClears) {
  Window w, other;
  constexpr DWORD kPlatformBits = WS_VISIBLE | WS_CLIPSIBLINGS;
  const DWORD first = Style(w) & ~kPlatformBits;
  const struct {
    HWND window;
    const char* keyword;
    DWORD style, ex_style;
  } steps[] = {
      {w, "NORMAL", first, WS_EX_WINDOWEDGE},  // guard still set: style untouched
      {w, "NORMAL_SUNKEN", first, WS_EX_CLIENTEDGE},
      {w, "TRANSPARENT", first, WS_EX_TRANSPARENT},
      {w, "FLAT", WS_POPUP, WS_EX_TRANSPARENT},
      {w, "FLAT_BORDER", WS_POPUP | WS_BORDER, WS_EX_TRANSPARENT},
      // The guard is now clear for every window of the family.
      {other, "NORMAL", WS_DLGFRAME, WS_EX_WINDOWEDGE},
      {w, "SUNKEN", WS_POPUP, WS_EX_CLIENTEDGE},
      {w, "flat", WS_POPUP, WS_EX_CLIENTEDGE},
  };
  for (const auto& step : steps) {
    SCOPED_TRACE(step.keyword);
    const int height = Rect(step.window).bottom - Rect(step.window).top;
    wk_ResultX = wk_ResultY = 7;
    EXPECT_EQ(wk_WindowSetBorder(step.window, step.keyword), 0);
    EXPECT_EQ(Style(step.window) & ~kPlatformBits, step.style);
    EXPECT_EQ(wktest::OwnExStyle(step.window), step.ex_style & ~WS_EX_WINDOWEDGE);
    EXPECT_EQ(Rect(step.window).bottom - Rect(step.window).top,
              height + GetSystemMetrics(SM_CYCAPTION));
    EXPECT_EQ(std::make_pair(wk_ResultX, wk_ResultY), std::make_pair(0, 0));
  }
}

TEST(WindowServices, SizingBorderOnSetsAndOffToggles) {
  Window w("CLO");
  ASSERT_FALSE(Style(w) & WS_THICKFRAME);
  const DWORD style = Style(w);
  EXPECT_EQ(wk_WindowSizingBorder(w, "OFF"), 0);  // no border yet: OFF gives it one
  EXPECT_EQ(Style(w), style | WS_THICKFRAME);
  EXPECT_EQ(wk_WindowSizingBorder(w, "OFF"), 0);
  EXPECT_EQ(Style(w), style);
  EXPECT_EQ(wk_WindowSizingBorder(w, "ON"), 0);
  EXPECT_EQ(wk_WindowSizingBorder(w, "ON"), 0);
  EXPECT_EQ(Style(w), style | WS_THICKFRAME);
  EXPECT_EQ(wk_WindowSizingBorder(w, "on"), 0);
  EXPECT_EQ(Style(w), style | WS_THICKFRAME);
}

TEST(WindowServices, TextRepaintFocusAndIcons) {
  Window w;
  EXPECT_EQ(wk_WindowSetText(w, "V\xE4lj"), 0);
  char buffer[16];
  EXPECT_EQ(wk_WindowGetText(w, buffer, 15), 4);
  EXPECT_STREQ(buffer, "V\xE4lj");
  // The length limit leaves room for the terminating zero.
  char small[3];
  EXPECT_EQ(wk_WindowGetText(w, small, 2), 2);
  EXPECT_STREQ(small, "V\xE4");

  EXPECT_EQ(wk_WindowRepaint(w, "ERASED"), 0);
  EXPECT_EQ(wk_WindowRepaint(w, "UNERASED"), 0);
  EXPECT_EQ(wk_WindowRepaint(w, "erased"), 1);
  EXPECT_EQ(wk_WindowRepaint(w, nullptr), 1);

  SetForegroundWindow(w);
  const HWND before = GetFocus();
  EXPECT_EQ(wk_WindowSetFocus(w), before);
  EXPECT_EQ(wk_WindowHasFocus(w), w.handle);
  EXPECT_EQ(wk_WindowSetFocus(nullptr), w.handle);
  EXPECT_EQ(wk_WindowHasFocus(w), nullptr);

  EXPECT_EQ(wk_WindowSetStockIcon(w, IDI_QUESTION), 0);
  EXPECT_EQ(reinterpret_cast<HICON>(GetClassLongPtrA(w, GCLP_HICON)),
            LoadIconA(nullptr, IDI_QUESTION));
  // A name the module does not hold clears the class icon.
  EXPECT_EQ(wk_WindowSetIcon(w, "No_such_icon"), 0);
  EXPECT_EQ(GetClassLongPtrA(w, GCLP_HICON), 0);
}

TEST(WindowServices, DestroyReportsFailureForAWindowThatIsGone) {
  Window w;
  EXPECT_EQ(wk_WindowDestroy(w), 0);
  EXPECT_FALSE(IsWindow(w));
  EXPECT_EQ(wk_WindowDestroy(w), 1);
}
