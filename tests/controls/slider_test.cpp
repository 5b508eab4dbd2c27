// The slider against the platform's trackbar: styles, range, page size and
// thumb read back, and the scroll messages it sends its parent.
#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include <vector>

#include "toolkit/controls/wk_controls.h"
#include "toolkit/windows/wk_windows.h"
#include "wktest.hpp"

namespace {

using wktest::ExStyle;
using wktest::Style;

// A parent that keeps every scroll message it receives.
struct Scroll {
  UINT message;
  WPARAM wparam;
  LPARAM lparam;
};
std::vector<Scroll> g_scrolls;

LRESULT CALLBACK RecordScrolls(HWND w, UINT m, WPARAM wp, LPARAM lp) {
  if (m == WM_HSCROLL || m == WM_VSCROLL) g_scrolls.push_back({m, wp, lp});
  return DefWindowProcA(w, m, wp, lp);
}

class Slider : public ::testing::Test {
 protected:
  void SetUp() override {
    InitCommonControls();
    WNDCLASSA wc{};
    wc.lpfnWndProc = RecordScrolls;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "wk_slider_parent";
    RegisterClassA(&wc);
    parent_ = CreateWindowA("wk_slider_parent", "slider", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0,
                            800, 500, nullptr, nullptr, wc.hInstance, nullptr);
    g_scrolls.clear();
  }
  void TearDown() override { DestroyWindow(parent_); }
  // The tone generator's slider.
  HWND ToneSlider() { return wk_SliderCreate(parent_, "H", 20, 300, 700, 40, "BAR", 25000, 1, 0); }
  HWND parent_ = nullptr;
};

TEST_F(Slider, ToneGeneratorSliderHasItsStyleRangePageAndPosition) {
  HWND s = ToneSlider();
  ASSERT_NE(s, nullptr);
  EXPECT_EQ(wktest::ClassName(s), "msctls_trackbar32");
  EXPECT_EQ(Style(s), 0x50400001u);
  EXPECT_EQ(ExStyle(s) & WS_EX_CLIENTEDGE, 0u);
  EXPECT_EQ(GetDlgCtrlID(s), 0);
  EXPECT_EQ(wktest::WindowText(s), "");
  EXPECT_EQ(SendMessageA(s, TBM_GETRANGEMIN, 0, 0), 0);
  EXPECT_EQ(wk_SliderQuery(s, "SLIDERPOSNR"), 25000);
  EXPECT_EQ(wk_SliderQuery(s, "CLICKSTEPS"), 1);
  EXPECT_EQ(wk_SliderQuery(s, "SLIDERPOS"), 0);
  EXPECT_EQ(wk_SliderQuery(s, "TICS"), static_cast<int>(SendMessageA(s, TBM_GETNUMTICS, 0, 0)));
  EXPECT_GT(wk_SliderQuery(s, "BUTTLENGTH"), 0);
  EXPECT_EQ(wk_SliderQuery(s, "POS"), 0);
  EXPECT_EQ(wk_SliderQuery(s, "sliderposnr"), 0);
  EXPECT_EQ(wk_SliderQuery(s, nullptr), 0);
  RECT r{};
  GetWindowRect(s, &r);
  EXPECT_EQ(r.right - r.left, 700);
  EXPECT_EQ(r.bottom - r.top, 40);
  wk_SliderGetPosition(s);  // the window's place, not the thumb
  EXPECT_EQ(wk_ResultX, 20);
  EXPECT_EQ(wk_ResultY, 300);
}

TEST_F(Slider, OrientationAndFrameKeywords) {
  struct Case {
    const char* orientation;
    const char* frame;
    DWORD style;
    bool client_edge;
  } cases[] = {
      {"V", "NORMAL", 0x50000003, false},    {"v", "SUNKEN", 0x50000001, true},
      {"H", "EDGE", 0x50400001, true},       {"V", "bar", 0x50000003, false},
      {nullptr, nullptr, 0x50000001, false},
  };
  for (const Case& c : cases) {
    HWND s = wk_SliderCreate(parent_, c.orientation, 0, 0, 100, 100, c.frame, 10, 1, 0);
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(Style(s), c.style);
    EXPECT_EQ((ExStyle(s) & WS_EX_CLIENTEDGE) != 0, c.client_edge);
    DestroyWindow(s);
  }
}

TEST_F(Slider, OnlyTheLow16BitsOfTheRangeArrive) {
  HWND s = wk_SliderCreate(parent_, "H", 0, 0, 300, 40, "NORMAL", 70000, 5, 100);
  EXPECT_EQ(wk_SliderQuery(s, "SLIDERPOSNR"), 4464);
  EXPECT_EQ(wk_SliderQuery(s, "CLICKSTEPS"), 5);
  EXPECT_EQ(wk_SliderQuery(s, "SLIDERPOS"), 100);
  EXPECT_EQ(wk_SliderSetThumb(s, 3000), 0);
  EXPECT_EQ(wk_SliderQuery(s, "SLIDERPOS"), 3000);
  wk_SliderSetThumb(s, 9999);  // clamped by the control to its range
  EXPECT_EQ(wk_SliderQuery(s, "SLIDERPOS"), 4464);
}

TEST_F(Slider, ThumbFromScrollUsesTheMessageOrTheControl) {
  HWND s = ToneSlider();
  wk_SliderSetThumb(s, 441);
  const LPARAM from = reinterpret_cast<LPARAM>(s);
  // Thumb messages carry the position; the control is not asked.
  EXPECT_EQ(wk_SliderThumbFromScroll(nullptr, MAKEWPARAM(TB_THUMBTRACK, 1234), 0), 1234);
  EXPECT_EQ(wk_SliderThumbFromScroll(nullptr, MAKEWPARAM(TB_THUMBPOSITION, 0xFFFF), 0), 65535);
  // Line and page steps ask the window in lParam, whatever the first argument.
  for (int code = TB_LINEUP; code <= TB_PAGEDOWN; ++code) {
    EXPECT_EQ(wk_SliderThumbFromScroll(nullptr, MAKEWPARAM(code, 7), from), 441) << code;
  }
  // Every other code carries no position.
  for (int code : {TB_TOP, TB_BOTTOM, TB_ENDTRACK, 9, 100}) {
    EXPECT_EQ(wk_SliderThumbFromScroll(s, MAKEWPARAM(code, 7), from), 0) << code;
  }
}

TEST_F(Slider, PageKeysMoveByThePageSizeAndTheParentLearnsThePosition) {
  HWND s = ToneSlider();
  wk_SliderEnable(s);
  wk_SliderSetThumb(s, 500);
  SendMessageA(s, WM_KEYDOWN, VK_NEXT, 0);
  EXPECT_EQ(wk_SliderQuery(s, "SLIDERPOS"), 501);
  SendMessageA(s, WM_KEYDOWN, VK_PRIOR, 0);
  SendMessageA(s, WM_KEYDOWN, VK_PRIOR, 0);
  EXPECT_EQ(wk_SliderQuery(s, "SLIDERPOS"), 499);
  ASSERT_GE(g_scrolls.size(), 3u);
  for (const Scroll& m : g_scrolls) {
    EXPECT_EQ(m.message, static_cast<UINT>(WM_HSCROLL));
    EXPECT_EQ(m.lparam, reinterpret_cast<LPARAM>(s));
  }
  EXPECT_EQ(wk_SliderThumbFromScroll(s, g_scrolls.back().wparam, g_scrolls.back().lparam), 499);

  // A vertical slider reports with WM_VSCROLL.
  HWND v = wk_SliderCreate(parent_, "V", 0, 0, 40, 200, "NORMAL", 100, 10, 50);
  g_scrolls.clear();
  SendMessageA(v, WM_KEYDOWN, VK_NEXT, 0);
  ASSERT_FALSE(g_scrolls.empty());
  EXPECT_EQ(g_scrolls.front().message, static_cast<UINT>(WM_VSCROLL));
  EXPECT_EQ(wk_SliderThumbFromScroll(v, g_scrolls.front().wparam, g_scrolls.front().lparam), 60);
}

TEST_F(Slider, ReplaceDestroysTheWindowAndCreatesInItsParent) {
  HWND placeholder = CreateWindowA("static", "", WS_CHILD | WS_VISIBLE, 0, 0, 10, 10, parent_,
                                   nullptr, nullptr, nullptr);
  HWND s = wk_SliderReplace(placeholder, "V", 5, 6, 50, 200, "SUNKEN", 200, 20, 30);
  ASSERT_NE(s, nullptr);
  EXPECT_FALSE(IsWindow(placeholder));
  EXPECT_EQ(GetParent(s), parent_);
  EXPECT_EQ(Style(s), 0x50000003u);
  EXPECT_TRUE(ExStyle(s) & WS_EX_CLIENTEDGE);
  EXPECT_EQ(wk_SliderQuery(s, "SLIDERPOSNR"), 200);
  EXPECT_EQ(wk_SliderQuery(s, "CLICKSTEPS"), 20);
  EXPECT_EQ(wk_SliderQuery(s, "SLIDERPOS"), 30);
}

// ---- The common control operations, through the slider's forwarders ----

TEST_F(Slider, CommonOperationsFollowTheSharedResults) {
  HWND s = ToneSlider();
  // The tone generator keeps the slider disabled while the sound is off.
  EXPECT_EQ(wk_SliderDisable(s), 0);
  EXPECT_EQ(wk_SliderDisable(s), 1);
  EXPECT_EQ(wk_SliderEnable(s), 0);
  EXPECT_EQ(wk_SliderEnable(s), 1);
  EXPECT_EQ(wk_SliderHide(s), 0);
  EXPECT_EQ(wk_SliderHide(s), 1);
  EXPECT_EQ(wk_SliderShow(s), 0);
  EXPECT_TRUE(IsWindowVisible(s));
  EXPECT_EQ(wk_SliderShow(s), 1);

  EXPECT_EQ(wk_SliderMove(s, 30, 40), 0);
  EXPECT_EQ(wk_SliderResize(s, 200, 30), 0);
  wk_SliderGetPosition(s);
  EXPECT_EQ(wk_ResultX, 30);
  EXPECT_EQ(wk_ResultY, 40);
  wk_SliderGetSize(s);
  EXPECT_EQ(wk_ResultX, 200);
  EXPECT_EQ(wk_ResultY, 30);
  EXPECT_EQ(wk_SliderCenter(s), 0);
  RECT client{};
  GetClientRect(parent_, &client);
  wk_SliderGetPosition(s);
  EXPECT_EQ(wk_ResultX, client.right / 2 - 100);
  EXPECT_EQ(wk_ResultY, client.bottom / 2 - 15);
  EXPECT_EQ(wk_SliderFitToParent(s, 0, 0, 0, -100), 0);
  wk_SliderGetSize(s);
  EXPECT_EQ(wk_ResultX, client.right);
  EXPECT_EQ(wk_ResultY, client.bottom - 100);

  wktest::Pump(50);
  ValidateRect(s, nullptr);
  EXPECT_EQ(wk_SliderRepaint(s, "Erased"), 1);
  EXPECT_FALSE(GetUpdateRect(s, nullptr, FALSE));
  EXPECT_EQ(wk_SliderRepaint(s, "ERASED"), 0);
  EXPECT_TRUE(GetUpdateRect(s, nullptr, FALSE));

  SetActiveWindow(parent_);
  SetFocus(parent_);
  EXPECT_EQ(wk_SliderSetFocus(s), parent_);
  EXPECT_EQ(GetFocus(), s);
  EXPECT_EQ(wk_SliderDropFocus(s), s);
  EXPECT_EQ(GetFocus(), nullptr);

  EXPECT_EQ(wk_SliderDestroy(s), 0);
  EXPECT_EQ(wk_SliderDestroy(s), 1);
  EXPECT_EQ(wk_SliderMove(s, 1, 1), 1);
}

}  // namespace
