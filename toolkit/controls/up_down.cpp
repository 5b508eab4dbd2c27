// Up-down controls: the platform's spin control, vertical or horizontal, and
// the position it reports through its parent's scroll messages.
#include <windows.h>
#include <commctrl.h>

#include "toolkit/core/control_ops.hpp"
#include "wk_controls.h"

namespace {

constexpr int kUpDownId = 9;

HWND CreateUpDown(HWND parent, int x, int y, int width, int height, const char* border, int upper,
                  int lower, int position, DWORD extra_style) {
  DWORD style = WS_CHILD | WS_VISIBLE | extra_style;
  if (wk::IsKeyword(border, "B")) style |= WS_BORDER;
  // Made at (0, 0) with no size and then placed, so it is drawn once in place.
  HWND updown = CreateUpDownControl(style, 0, 0, 0, 0, parent, kUpDownId,
                                    wk::ops::InstanceOf(parent), nullptr, upper, lower, position);
  if (updown) MoveWindow(updown, x, y, width, height, TRUE);
  return updown;
}

}  // namespace

extern "C" HWND wk_UpDownCreate(HWND parent, int x, int y, int width, int height,
                                const char* border, int upper, int lower, int position) noexcept {
  return CreateUpDown(parent, x, y, width, height, border, upper, lower, position, 0);
}

extern "C" HWND wk_UpDownCreateHorz(HWND parent, int x, int y, int width, int height,
                                    const char* border, int upper, int lower,
                                    int position) noexcept {
  return CreateUpDown(parent, x, y, width, height, border, upper, lower, position, UDS_HORZ);
}

// The new position travels in the high word of the scroll message's wParam,
// so it arrives as an unsigned 16-bit number.
extern "C" int wk_UpDownPosFromScroll(HWND updown, WPARAM wparam, LPARAM lparam) noexcept {
  if (reinterpret_cast<HWND>(lparam) != updown) return -1;
  return static_cast<int>(HIWORD(wparam));
}

WK_CONTROL_OP_DESTROY(UpDown)
WK_CONTROL_OP_HIDE(UpDown)
WK_CONTROL_OP_SHOW(UpDown, SW_SHOWNORMAL)
WK_CONTROL_OPS_GEOMETRY(UpDown)
WK_CONTROL_OP_DISABLE(UpDown)
WK_CONTROL_OP_ENABLE(UpDown)
WK_CONTROL_OP_REPAINT(UpDown, wk::CStrcmp)
