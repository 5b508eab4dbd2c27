#include "toolkit/core/control_ops.hpp"

#include "toolkit/core/message.hpp"

// The process-wide result pair that wk_windows.h publishes. It lives here,
// beside the operations that fill it, so that core needs no other folder.
extern "C" {
int wk_ResultX = 0;
int wk_ResultY = 0;
}

namespace wk::ops {

int Destroy(HWND control) { return DestroyWindow(control) ? 0 : 1; }

// ShowWindow answers with the previous visibility, which is what these
// results report.
int Hide(HWND control) { return ShowWindow(control, SW_HIDE) ? 0 : 1; }

int Show(HWND control, int command) { return ShowWindow(control, command) ? 1 : 0; }

BOOL MoveRaw(HWND control, int x, int y) {
  return SetWindowPos(control, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
}

int Move(HWND control, int x, int y) { return MoveRaw(control, x, y) ? 0 : 1; }

int Center(HWND control) {
  RECT client{}, window{};
  GetClientRect(ParentOf(control), &client);
  GetWindowRect(control, &window);
  const int x = client.right / 2 - (window.right - window.left) / 2;
  const int y = client.bottom / 2 - (window.bottom - window.top) / 2;
  SetWindowPos(control, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  return 0;
}

// The parent's left, right and bottom frames are taken as equally wide;
// whatever remains above its client area (caption, menu) counts as the top.
int GetPosition(HWND control) {
  const HWND parent = ParentOf(control);
  RECT self{}, outer{}, client{};
  GetWindowRect(control, &self);
  GetWindowRect(parent, &outer);
  GetClientRect(parent, &client);
  const int border = ((outer.right - outer.left) - client.right) / 2;
  wk_ResultX = self.left - (outer.left + border);
  wk_ResultY = self.top - (outer.bottom - client.bottom - border);
  return 0;
}

int Resize(HWND control, int width, int height) {
  return SetWindowPos(control, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER) ? 0 : 1;
}

int GetSize(HWND control) {
  RECT r{};
  GetWindowRect(control, &r);
  wk_ResultX = r.right - r.left;
  wk_ResultY = r.bottom - r.top;
  return 0;
}

BOOL FitToParentRaw(HWND control, int x, int y, int dw, int dh) {
  RECT client{};
  GetClientRect(ParentOf(control), &client);
  return MoveWindow(control, x, y, client.right + dw, client.bottom + dh, TRUE);
}

int FitToParent(HWND control, int x, int y, int dw, int dh) {
  return FitToParentRaw(control, x, y, dw, dh) ? 0 : 1;
}

// EnableWindow answers whether the window was disabled before.
int Disable(HWND control) { return EnableWindow(control, FALSE) ? 1 : 0; }

int Enable(HWND control) { return EnableWindow(control, TRUE) ? 0 : 1; }

int Repaint(HWND control, const char* keyword, CompareFn compare) {
  static constexpr Keyword<BOOL> kErase[] = {{"ERASED", TRUE}, {"UNERASED", FALSE}};
  const BOOL* erase = FindKeyword(kErase, keyword, compare);
  if (!erase) return 1;
  return InvalidateRect(control, nullptr, *erase) ? 0 : 1;
}

int RepaintErased(HWND control) { return InvalidateRect(control, nullptr, TRUE) ? 0 : 1; }

HWND SetFocusTo(HWND control) { return SetFocus(control); }

HWND DropFocus(HWND) { return SetFocus(nullptr); }

int SetFont(HWND control, HFONT font) {
  wk::Send(control, WM_SETFONT, font, TRUE);
  return 0;
}

int SetPushed(HWND button, BOOL pushed) {
  wk::Send(button, BM_SETSTATE, pushed);
  return 0;
}

int SetChecked(HWND button, WPARAM check) {
  wk::Send(button, BM_SETCHECK, check);
  return 0;
}

int GetButtonState(HWND button) { return static_cast<int>(wk::Send(button, BM_GETSTATE)); }

HWND ParentOf(HWND control) {
  return reinterpret_cast<HWND>(GetWindowLongPtrA(control, GWLP_HWNDPARENT));
}

HINSTANCE InstanceOf(HWND window) {
  return reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(window, GWLP_HINSTANCE));
}

bool IsOfClass(HWND window, const char* class_name) {
  // Class names compare without regard to case, as the platform's own do.
  char name[64] = {};
  return GetClassNameA(window, name, sizeof name) > 0 && lstrcmpiA(name, class_name) == 0;
}

}  // namespace wk::ops
