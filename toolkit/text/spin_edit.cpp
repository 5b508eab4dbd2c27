// Spin fields: one-line "EDIT" children with a vertical scroll bar whose
// arrows step a counter the caller keeps.
#include <windows.h>

#include "toolkit/core/control_ops.hpp"
#include "toolkit/core/font_maker.hpp"
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

HWND wk_SpinEditCreate(HWND parent, int x, int y, int width, int height, const char* alignment,
                       int limit) noexcept {
  const DWORD style = wk::fields::AlignFromKeyword(alignment) | kSpinStyle;
  HWND field = wk::fields::CreateEditChild(parent, WS_EX_CLIENTEDGE, style, x, y, width, height);
  if (!field) return nullptr;
  SendMessageA(field, EM_LIMITTEXT, static_cast<WPARAM>(limit), 0);
  g_spin_base = wk::fields::Subclass(field, SpinFieldProc);
  return field;
}

HWND wk_SpinEditModify(HWND field, int x, int y, int width, int height, const char* frame,
                       const char* alignment, int limit) noexcept {
  const wk::StylePair f = wk::fields::FrameFromKeyword(frame);
  const DWORD style = wk::fields::AlignFromKeyword(alignment) | f.style | kSpinStyle;
  HWND created = wk::fields::Recreate(field, f.ex_style, style, x, y, width, height, limit);
  if (created) g_spin_base = wk::fields::Subclass(created, SpinFieldProc);
  return created;
}

int wk_SpinEditStep(HWND field, WPARAM scroll_code, HWND source, char* buffer,
                    int counter) noexcept {
  if (source != field) return counter;
  if (buffer != nullptr && SendMessageA(field, EM_GETMODIFY, 0, 0) == 1) {
    wk::fields::GetText(field, buffer);
    SendMessageA(field, EM_SETMODIFY, FALSE, 0);
  }
  switch (LOWORD(scroll_code)) {
    case SB_LINEUP:
      if (counter >= 1) --counter;
      break;
    case SB_LINEDOWN:
      ++counter;
      break;
    default:
      break;
  }
  if (buffer != nullptr && SendMessageA(field, EM_GETMODIFY, 0, 0) == 0) {
    SendMessageA(field, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(buffer));
  }
  return counter;
}

WK_CONTROL_OP_DESTROY(SpinEdit)
WK_CONTROL_OP_HIDE(SpinEdit)
WK_CONTROL_OP_SHOW(SpinEdit, SW_SHOW)
WK_CONTROL_OPS_GEOMETRY(SpinEdit)
WK_CONTROL_OP_DISABLE(SpinEdit)
WK_CONTROL_OP_ENABLE(SpinEdit)
WK_CONTROL_OP_SETFOCUS(SpinEdit)
extern "C" int wk_SpinEditRepaint(HWND field) noexcept { return wk::ops::RepaintErased(field); }

// ---- Text operations ----

int wk_SpinEditSetLeftMargin(HWND field, int margin) noexcept {
  return LOWORD(wk::fields::SetLeftMargin(field, margin));
}
int wk_SpinEditSetLimit(HWND field, int limit) noexcept {
  return wk::fields::SetLimit(field, limit);
}
int wk_SpinEditGetLimit(HWND field) noexcept { return wk::fields::GetLimit(field); }
HBRUSH wk_SpinEditColor(HWND field, COLORREF text, COLORREF background, HDC dc,
                        HWND control) noexcept {
  return wk::fields::Color(g_spin_kind, field, text, background, dc, control);
}
int wk_SpinEditSetEditable(HWND field, const char* keyword) noexcept {
  return wk::fields::SetEditable(field, keyword, 0, nullptr);
}
int wk_SpinEditLacksFocus(HWND field) noexcept { return GetFocus() == field ? 0 : 1; }
int wk_SpinEditFocusOnEnter(HWND field, HWND next) noexcept {
  return wk::fields::FocusOnEnter(field, next);
}
int wk_SpinEditSetText(HWND field, const char* text) noexcept {
  SendMessageA(field, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
  return 0;
}
int wk_SpinEditGetText(HWND field, char* buffer) noexcept {
  return wk::fields::GetText(field, buffer);
}
int wk_SpinEditGetTextLength(HWND field) noexcept {
  return wk::fields::TextLengthWithinLimit(field);
}
char* wk_SpinEditGetSelectedText(HWND field) noexcept {
  return wk::fields::GetSelectedText(g_spin_kind, field);
}
HFONT wk_SpinEditCreateFont(HWND field, int points, int weight, int style, int,
                            const char* face) noexcept {
  return wk::MakeFontFor(field, points, weight, style, face);
}
WK_CONTROL_OP_SETFONT(SpinEdit)
int wk_SpinEditSaveFile(HWND field, const char* file_name) noexcept {
  return wk::fields::SaveFile(field, file_name);
}
int wk_SpinEditLoadFile(HWND field, const char* file_name) noexcept {
  return wk::fields::LoadFile(field, file_name, 999);
}
