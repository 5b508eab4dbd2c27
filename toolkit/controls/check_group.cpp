// Check boxes and radio buttons that size themselves to their caption, group
// boxes, and the plain replacement of a window's procedure.
#include <windows.h>

#include <algorithm>

#include "toolkit/core/control_ops.hpp"
#include "toolkit/core/gdi.hpp"
#include "wk_controls.h"

namespace {

constexpr wk::Keyword<DWORD> kShapes[] = {
    {"SQUARE", WS_CHILD | WS_VISIBLE | BS_AUTOCHECKBOX},
    {"ROUND", WS_CHILD | WS_VISIBLE | BS_AUTORADIOBUTTON},
};

// The box's size for a caption measured on `window`'s device context: room
// for the mark beside the text, and at least the mark's height.
SIZE BoxSizeFor(HWND window, const char* caption) {
  SIZE text{};
  {
    wk::WindowDC dc(window);
    const char* c = caption ? caption : "";
    GetTextExtentPoint32A(dc.get(), c, lstrlenA(c), &text);
  }
  return SIZE{text.cx + 20, std::max<LONG>(text.cy, 16)};
}

}  // namespace

extern "C" HWND wk_CheckCreate(HWND parent, int x, int y, const char* shape, const char* caption,
                               int id) noexcept {
  // An unknown shape would make a window with no style bits at all: not a
  // child, not visible, a plain push button. It is refused instead.
  const DWORD* style = wk::FindKeyword(kShapes, shape);
  if (style == nullptr) return nullptr;
  const SIZE size = BoxSizeFor(parent, caption);
  return CreateWindowExA(0, "button", caption, *style, x, y, size.cx, size.cy, parent,
                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
}

extern "C" int wk_CheckSetText(HWND box, const char* caption) noexcept {
  const SIZE size = BoxSizeFor(box, caption);
  SetWindowPos(box, nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER);
  return SetWindowTextA(box, caption) ? 0 : 1;
}

extern "C" int wk_CheckGetText(HWND box, char* buffer) noexcept {
  return GetWindowTextA(box, buffer, 255);
}

extern "C" int wk_CheckSet(HWND box) noexcept { return wk::ops::SetChecked(box, BST_CHECKED); }
extern "C" int wk_CheckClear(HWND box) noexcept { return wk::ops::SetChecked(box, BST_UNCHECKED); }
WK_CONTROL_OP_GETSTATE(Check)

WK_CONTROL_OP_DESTROY(Check)
WK_CONTROL_OP_HIDE(Check)
WK_CONTROL_OP_SHOW(Check, SW_SHOWNORMAL)
WK_CONTROL_OP_MOVE(Check)
WK_CONTROL_OP_DISABLE(Check)
WK_CONTROL_OP_ENABLE(Check)

extern "C" HWND wk_GroupCreate(HWND parent, int x, int y, int width, int height,
                               const char* caption) noexcept {
  return CreateWindowExA(0, "button", caption, WS_CHILD | WS_VISIBLE | BS_GROUPBOX, x, y, width,
                         height, parent, nullptr, nullptr, nullptr);
}

WK_CONTROL_OP_DESTROY(Group)
WK_CONTROL_OP_HIDE(Group)
WK_CONTROL_OP_SHOW(Group, SW_SHOWNORMAL)
WK_CONTROL_OP_MOVE(Group)
WK_CONTROL_OP_RESIZE(Group)

extern "C" WNDPROC wk_SetWindowProc(HWND window, WNDPROC procedure) noexcept {
  return reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(procedure)));
}
