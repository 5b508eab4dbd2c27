// Spin fields: one-line "EDIT" children with a vertical scroll bar whose
// arrows step a counter the caller keeps.
#include <windows.h>

#include <climits>

#include "toolkit/core/message.hpp"
#include "toolkit/text/text_fields.hpp"
#include "wk_text.h"

namespace {

using wk::fields::FieldKind;

FieldKind g_spin_kind;
WNDPROC g_spin_base = nullptr;

constexpr DWORD kSpinStyle =
    WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_TABSTOP | ES_WANTRETURN | ES_NOHIDESEL;  // 0x50211100

bool IsCaretKey(WPARAM key) {
  return key == VK_END || key == VK_HOME || key == VK_LEFT || key == VK_RIGHT;
}

// Keys become commands of the parent except the caret keys; Tab stays the
// field's own; Return sets the flag; the scroll bar's arrows are reported to
// the parent as its WM_VSCROLL with the field as source.
LRESULT CALLBACK SpinFieldProc(HWND field, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_KEYDOWN:
      if (wparam < 256 && !IsCaretKey(wparam)) {
        PostMessageA(GetParent(field), WM_COMMAND, wparam, 0);
        return 0;
      }
      break;
    case WM_CHAR:
      if (wparam == '\r') {
        wk_EnterPressed = 1;
        return 0;
      }
      break;
    case WM_VSCROLL:
      PostMessageA(GetParent(field), WM_VSCROLL, LOWORD(wparam), reinterpret_cast<LPARAM>(field));
      break;
    default:
      break;
  }
  return wk::fields::PassOn(g_spin_base, field, message, wparam, lparam);
}

}  // namespace

int wk_SpinEditStep(HWND field, WPARAM scroll_code, HWND source, char* buffer,
                    int counter) noexcept {
  if (source != field) return counter;
  if (buffer != nullptr && wk::Send(field, EM_GETMODIFY) == 1) {
    wk::fields::GetText(field, buffer);
    wk::Send(field, EM_SETMODIFY, FALSE);
  }
  switch (LOWORD(scroll_code)) {
    case SB_LINEUP:
      if (counter >= 1) --counter;
      break;
    case SB_LINEDOWN:
      // The counter stops at the largest int rather than wrapping round.
      if (counter < INT_MAX) ++counter;
      break;
    default:
      break;
  }
  if (buffer != nullptr && wk::Send(field, EM_GETMODIFY) == 0) {
    wk::fields::SetText(field, buffer);
  }
  return counter;
}

WK_TEXT_FIELD_OPS(SpinEdit, g_spin_kind, kSpinStyle, g_spin_base, SpinFieldProc)
