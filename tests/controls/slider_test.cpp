// The slider against the platform's trackbar: styles, range, page size and
// thumb read back, and the scroll messages it sends its parent.
#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include "toolkit/controls/wk_controls.h"
#include "toolkit/windows/wk_windows.h"
#include "wktest.hpp"

namespace {

using wktest::ExStyle;
using wktest::Style;

class Slider : public ::testing::Test {
 protected:
  Slider() : parent_(800, 500, "slider") { InitCommonControls(); }
  // The tone generator's slider.
  HWND ToneSlider() { return wk_SliderCreate(parent_, "H", 20, 300, 700, 40, "BAR", 25000, 1, 0); }
  wktest::TestWindow parent_;
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
  EXPECT_EQ(std::make_pair(wk_ResultX, wk_ResultY), std::make_pair(20, 300));
}

TEST_F(Slider, OrientationAndFrameKeywords) {
  struct Case {
    const char* orientation;
    const char* frame;
    DWORD style;
    bool client_edge;
  } cases[] = {
      {"V", "NORMAL", 0x50000003, false}, {"v", "SUNKEN", 0x50000001, true},
      {"H", "EDGE", 0x50400001, true},    {"V", "bar", 0x50000003, false},
      {"H", "BAR", 0x50400001, false},    {nullptr, nullptr, 0x50000001, false},
  };
  for (const Case& c : cases) {
    HWND s = wk_SliderCreate(parent_, c.orientation, 0, 0, 100, 100, c.frame, 10, 1, 0);
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(Style(s), c.style);
    EXPECT_EQ(wktest::OwnExStyle(s), c.client_edge ? DWORD{WS_EX_CLIENTEDGE} : 0u);
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
  parent_.Clear();
  SendMessageA(s, WM_KEYDOWN, VK_NEXT, 0);
  EXPECT_EQ(wk_SliderQuery(s, "SLIDERPOS"), 501);
  SendMessageA(s, WM_KEYDOWN, VK_PRIOR, 0);
  SendMessageA(s, WM_KEYDOWN, VK_PRIOR, 0);
  EXPECT_EQ(wk_SliderQuery(s, "SLIDERPOS"), 499);
  const auto scrolls = parent_.Of(WM_HSCROLL);
  ASSERT_FALSE(scrolls.empty());
  EXPECT_EQ(wk_SliderThumbFromScroll(s, scrolls.back().wparam, scrolls.back().lparam), 499);
  const LPARAM from = reinterpret_cast<LPARAM>(s);
  constexpr unsigned kBoth = wktest::kWparam | wktest::kLparam;
  EXPECT_TRUE(parent_.Of(WM_VSCROLL).empty());
  EXPECT_TRUE(parent_.Sequence({{WM_HSCROLL, kBoth, TB_PAGEDOWN, from},
                                {WM_HSCROLL, kBoth, TB_PAGEUP, from},
                                {WM_HSCROLL, kBoth, TB_PAGEUP, from}}));

  // A vertical slider reports with WM_VSCROLL.
  HWND v = wk_SliderCreate(parent_, "V", 0, 0, 40, 200, "NORMAL", 100, 10, 50);
  parent_.Clear();
  SendMessageA(v, WM_KEYDOWN, VK_NEXT, 0);
  const auto down = parent_.Of(WM_VSCROLL);
  ASSERT_FALSE(down.empty());
  EXPECT_EQ(wk_SliderThumbFromScroll(v, down.front().wparam, down.front().lparam), 60);
  EXPECT_TRUE(parent_.Sequence({{WM_VSCROLL, kBoth, TB_PAGEDOWN, reinterpret_cast<LPARAM>(v)}}));
}

TEST_F(Slider, ReplaceDestroysTheWindowAndCreatesInItsParent) {
  HWND placeholder = CreateWindowA("static", "", WS_CHILD | WS_VISIBLE, 0, 0, 10, 10, parent_,
                                   nullptr, nullptr, nullptr);
  HWND s = wk_SliderReplace(placeholder, "V", 5, 6, 50, 200, "SUNKEN", 200, 20, 30);
  ASSERT_NE(s, nullptr);
  EXPECT_FALSE(IsWindow(placeholder));
  EXPECT_EQ(GetParent(s), parent_.get());
  EXPECT_EQ(Style(s), 0x50000003u);
  EXPECT_TRUE(ExStyle(s) & WS_EX_CLIENTEDGE);
  EXPECT_EQ(wk_SliderQuery(s, "SLIDERPOSNR"), 200);
  EXPECT_EQ(wk_SliderQuery(s, "CLICKSTEPS"), 20);
  EXPECT_EQ(wk_SliderQuery(s, "SLIDERPOS"), 30);
}

}  // namespace
