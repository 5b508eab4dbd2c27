// Image buttons: owner-drawn buttons that the parent paints with a released
// and a pressed bitmap. A procedure of the toolkit sits in front of each one:
// it passes mouse movement on to the parent and makes the system's
// double-click time 10 ms while the mouse is over the button, so that two
// quick clicks arrive as two single clicks.
#include <windows.h>

#include "toolkit/core/control_ops.hpp"
#include "toolkit/core/gdi.hpp"
#include "wk_controls.h"

WNDPROC wk_ImageButtonBaseProc = nullptr;
UINT wk_SavedDoubleClickTime = 0;

namespace {

constexpr UINT_PTR kRestoreTimer = 100;
constexpr UINT kRestorePeriodMs = 200;
constexpr UINT kTrackingDoubleClickMs = 10;

constexpr wk::Keyword<DWORD> kBorders[] = {{"B", WS_BORDER}};

// Whether the toolkit's own tracking time is in force: the system's time is
// then not the user's, and a button made meanwhile keeps the saved one.
bool g_tracking = false;

void TrackingTime() {
  SetDoubleClickTime(kTrackingDoubleClickMs);
  g_tracking = true;
}

void UsersTime() {
  SetDoubleClickTime(wk_SavedDoubleClickTime);
  g_tracking = false;
}

HBITMAP LoadFromParent(HWND button, const char* name) {
  return LoadBitmapA(wk::ops::InstanceOf(wk::ops::ParentOf(button)), name);
}

}  // namespace

extern "C" LRESULT CALLBACK wk_ImageButtonProc(HWND window, UINT message, WPARAM wparam,
                                               LPARAM lparam) noexcept {
  switch (message) {
    case WM_NCHITTEST:
      // The mouse is over the button.
      TrackingTime();
      break;
    case WM_MOUSEMOVE:
      PostMessageA(GetParent(window), WM_MOUSEMOVE, 0, reinterpret_cast<LPARAM>(window));
      break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
      break;
    default:
      // The timer (every 200 ms), the destruction and everything else put
      // the user's own double-click time back.
      UsersTime();
      break;
  }
  if (wk_ImageButtonBaseProc == nullptr) return 0;
  return CallWindowProcA(wk_ImageButtonBaseProc, window, message, wparam, lparam);
}

extern "C" HWND wk_ImageButtonCreate(HWND parent, int x, int y, int width, int height,
                                     const char* border, int id) noexcept {
  const DWORD style =
      WS_CHILD | WS_VISIBLE | BS_OWNERDRAW | wk::KeywordValue(kBorders, border, 0ul);
  HWND button =
      CreateWindowExA(0, "BUTTON", "", style, x, y, width, height, parent,
                      reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
  if (!g_tracking) wk_SavedDoubleClickTime = GetDoubleClickTime();
  // Without a button the timer would belong to the calling thread and tick
  // for the rest of the program.
  if (button) {
    SetTimer(button, kRestoreTimer, kRestorePeriodMs, nullptr);
    wk_ImageButtonBaseProc = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(button, GWLP_WNDPROC));
    SetWindowLongPtrA(button, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&wk_ImageButtonProc));
  }
  return button;
}

extern "C" int wk_ImageButtonDraw(HWND button, int control_id, const DRAWITEMSTRUCT* item,
                                  const char* released, const char* pressed) noexcept {
  if (item == nullptr || control_id != static_cast<int>(GetWindowLongPtrA(button, GWLP_ID))) {
    return 0;
  }
  wk::Bitmap up(LoadFromParent(button, released));
  wk::Bitmap down(LoadFromParent(button, pressed));
  wk::MemoryDC memory(item->hDC);
  wk::Selected chosen(memory.get(), (item->itemState & ODS_SELECTED) ? down.get() : up.get());
  const RECT& r = item->rcItem;
  BitBlt(item->hDC, r.left, r.top, r.right - r.left, r.bottom - r.top, memory.get(), 0, 0, SRCCOPY);
  return 0;
}

extern "C" int wk_ImageButtonPaint(HWND button, const char* bitmap) noexcept {
  wk::Bitmap image(LoadFromParent(button, bitmap));
  RECT client{};
  GetClientRect(button, &client);
  wk::WindowDC dc(button);
  wk::MemoryDC memory(dc.get());
  wk::Selected chosen(memory.get(), image.get());
  BitBlt(dc.get(), 0, 0, client.right, client.bottom, memory.get(), 0, 0, SRCCOPY);
  return 0;
}

// The parent draws the button; invalidating it makes the parent redraw it
// in its new state.
extern "C" int wk_ImageButtonDisable(HWND button) noexcept {
  EnableWindow(button, FALSE);
  InvalidateRect(button, nullptr, TRUE);
  return 1;
}

extern "C" int wk_ImageButtonEnable(HWND button) noexcept {
  EnableWindow(button, TRUE);
  InvalidateRect(button, nullptr, TRUE);
  return 0;
}

WK_CONTROL_OPS_BUTTON_STATE(ImageButton)

WK_CONTROL_OP_DESTROY(ImageButton)
WK_CONTROL_OP_HIDE(ImageButton)
WK_CONTROL_OP_SHOW(ImageButton, SW_SHOWNORMAL)
WK_CONTROL_OPS_GEOMETRY(ImageButton)
WK_CONTROL_OP_REPAINT(ImageButton, wk::CStrcmp)
