// Progress bars: the platform's "msctls_progress32" with a frame keyword, a
// range and a step, advanced one step at a time.
#include <windows.h>
#include <commctrl.h>

#include "toolkit/core/message.hpp"
#include "toolkit/core/control_ops.hpp"
#include "wk_controls.h"

namespace {

constexpr wk::Keyword<DWORD> kFrames[] = {
    {"NORMAL", 0},
    {"SUNKEN", WS_DLGFRAME},
};

HWND Make(HWND parent, HINSTANCE instance, int x, int y, int width, int height, const char* frame,
          int range_end, int step) {
  const DWORD style = WS_CHILD | WS_VISIBLE | wk::KeywordValue(kFrames, frame, DWORD{0});
  HWND bar = CreateWindowExA(0, PROGRESS_CLASSA, nullptr, style, x, y, width, height, parent,
                             nullptr, instance, nullptr);
  // PBM_SETRANGE carries the end in the high word, so only 16 bits arrive.
  const WPARAM wparam = 0;
  const LPARAM lparam = MAKELPARAM(0, static_cast<WORD>(range_end & 0xFFFF));
  wk::Send(bar, PBM_SETRANGE, wparam, lparam);
  wk::Send(bar, PBM_SETSTEP, step);
  return bar;
}

}  // namespace

HWND wk_ProgressCreate(HWND parent, int x, int y, int width, int height, const char* frame,
                       int range_end, int step) noexcept {
  return Make(parent, wk::ops::InstanceOf(parent), x, y, width, height, frame, range_end, step);
}

HWND wk_ProgressReplace(HWND window, int x, int y, int width, int height, const char* frame,
                        int range_end, int step) noexcept {
  InitCommonControls();
  HWND parent = wk::ops::ParentOf(window);
  HINSTANCE instance = wk::ops::InstanceOf(parent);
  DestroyWindow(window);
  return Make(parent, instance, x, y, width, height, frame, range_end, step);
}

int wk_ProgressStep(HWND bar) noexcept {
  wk::Send(bar, PBM_STEPIT);
  return 0;
}

WK_CONTROL_OP_SETBACKGROUND(Progress)

WK_CONTROL_OP_DESTROY(Progress)
WK_CONTROL_OP_HIDE(Progress)
WK_CONTROL_OP_SHOW(Progress, SW_SHOW)
WK_CONTROL_OPS_GEOMETRY(Progress)
