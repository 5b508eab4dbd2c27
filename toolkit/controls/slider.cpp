// The slider: the platform's trackbar ("msctls_trackbar32") made from an
// orientation and a frame keyword. Range, page size and thumb live in the
// control; the toolkit only reads them back.
#include <windows.h>
#include <commctrl.h>

#include "toolkit/core/message.hpp"
#include "toolkit/core/control_ops.hpp"
#include "toolkit/core/keywords.hpp"
#include "toolkit/core/styles.hpp"
#include "wk_controls.h"

namespace {

using wk::Keyword;
using wk::PlatformCompare;

constexpr Keyword<DWORD> kOrientations[] = {{"H", TBS_HORZ}, {"V", TBS_VERT}};

constexpr Keyword<wk::StylePair> kFrames[] = {
    {"NORMAL", {0, 0}},
    {"SUNKEN", {0, WS_EX_CLIENTEDGE}},
    {"BAR", {WS_DLGFRAME, 0}},
    {"EDGE", {WS_DLGFRAME, WS_EX_CLIENTEDGE}},
};

constexpr DWORD kBaseStyle = WS_CHILD | WS_VISIBLE | TBS_AUTOTICKS;

constexpr Keyword<UINT> kQueries[] = {
    {"TICS", TBM_GETNUMTICS},         {"CLICKSTEPS", TBM_GETPAGESIZE},    {"SLIDERPOS", TBM_GETPOS},
    {"SLIDERPOSNR", TBM_GETRANGEMAX}, {"BUTTLENGTH", TBM_GETTHUMBLENGTH},
};

wk::StylePair StylesOf(const char* orientation, const char* frame) {
  const DWORD turn = wk::KeywordValue(kOrientations, orientation, DWORD{TBS_HORZ}, PlatformCompare);
  const wk::StylePair f = wk::KeywordValue(kFrames, frame, wk::StylePair{0, 0}, PlatformCompare);
  return {kBaseStyle | turn | f.style, f.ex_style};
}

HWND Build(HWND parent, HINSTANCE instance, wk::StylePair shape, int x, int y, int width,
           int height, int range_max, int page_size, int position) {
  // No text and child id 0: the parent tells sliders apart by the handle
  // in its scroll messages.
  const HWND slider = CreateWindowExA(shape.ex_style, TRACKBAR_CLASSA, nullptr, shape.style, x, y,
                                      width, height, parent, nullptr, instance, nullptr);
  if (!slider) return nullptr;
  // TBM_SETRANGE: wParam 1 = redraw, lParam min in the low word, max in the
  // high word, so only the low 16 bits of the caller's maximum arrive.
  const auto range = static_cast<LPARAM>((static_cast<DWORD>(range_max) & 0xFFFF) << 16);
  wk::Send(slider, TBM_SETRANGE, TRUE, range);
  // TBM_SETPAGESIZE: wParam unused, lParam the page size.
  wk::Send(slider, TBM_SETPAGESIZE, 0, page_size);
  // TBM_SETPOS: wParam 1 = redraw, lParam the position.
  wk::Send(slider, TBM_SETPOS, TRUE, position);
  return slider;
}

}  // namespace

extern "C" HWND wk_SliderCreate(HWND parent, const char* orientation, int x, int y, int width,
                                int height, const char* frame, int range_max, int page_size,
                                int position) noexcept {
  return Build(parent, wk::ops::InstanceOf(parent), StylesOf(orientation, frame), x, y, width,
               height, range_max, page_size, position);
}

extern "C" HWND wk_SliderReplace(HWND window, const char* orientation, int x, int y, int width,
                                 int height, const char* frame, int range_max, int page_size,
                                 int position) noexcept {
  InitCommonControls();
  const wk::StylePair shape = StylesOf(orientation, frame);
  const HWND parent = wk::ops::ParentOf(window);
  const HINSTANCE instance = wk::ops::InstanceOf(parent);
  DestroyWindow(window);
  return Build(parent, instance, shape, x, y, width, height, range_max, page_size, position);
}

extern "C" int wk_SliderQuery(HWND slider, const char* keyword) noexcept {
  const UINT* message = wk::FindKeyword(kQueries, keyword, PlatformCompare);
  if (!message) return 0;
  return static_cast<int>(wk::Send(slider, *message));
}

extern "C" int wk_SliderSetThumb(HWND slider, int position) noexcept {
  // TBM_SETPOS: wParam 1 = redraw, lParam the position.
  wk::Send(slider, TBM_SETPOS, TRUE, position);
  return 0;
}

// Line and page steps carry no position, so the control that sent the
// message (lParam) is asked; thumb messages carry theirs in the high word.
// Every other code answers 0, which callers cannot tell from position 0.
extern "C" int wk_SliderThumbFromScroll(HWND, WPARAM wparam, LPARAM lparam) noexcept {
  switch (LOWORD(wparam)) {
    case TB_LINEUP:
    case TB_LINEDOWN:
    case TB_PAGEUP:
    case TB_PAGEDOWN:
      return static_cast<int>(wk::Send(reinterpret_cast<HWND>(lparam), TBM_GETPOS));
    case TB_THUMBPOSITION:
    case TB_THUMBTRACK:
      return static_cast<int>(HIWORD(wparam));
    default:
      return 0;
  }
}

WK_CONTROL_OPS_ALL(Slider, SW_SHOW, wk::CStrcmp)
