// Edit fields and password fields: one-line "EDIT" children whose key
// presses reach the parent as commands.
#include <windows.h>

#include "toolkit/core/message.hpp"
#include "toolkit/text/text_fields.hpp"
#include "wk_text.h"

int wk_EnterPressed = 0;

namespace {

using wk::fields::FieldKind;

// Edit and password fields share a brush and a selected-text buffer.
FieldKind g_edit_kind;
WNDPROC g_edit_base = nullptr;
WNDPROC g_password_base = nullptr;

constexpr DWORD kEditStyle =
    WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_NOHIDESEL | ES_AUTOHSCROLL;  // 0x50010180
constexpr DWORD kPasswordStyle = kEditStyle | ES_PASSWORD;               // 0x500101A0

bool IsCaretKey(WPARAM key) {
  return key == VK_END || key == VK_HOME || key == VK_LEFT || key == VK_RIGHT;
}

// Key presses become commands of the parent; the message loop still makes
// the character messages, so typing enters text while keys without a
// character (Delete, F1, arrows) only reach the parent.
LRESULT KeyAndCharacter(WNDPROC base, bool caret_keys_to_parent, HWND field, UINT message,
                        WPARAM wparam, LPARAM lparam) {
  if (message == WM_KEYDOWN && wparam < 256 && (caret_keys_to_parent || !IsCaretKey(wparam))) {
    PostMessageA(GetParent(field), WM_COMMAND, wparam, 0);
    return 0;
  }
  if (message == WM_CHAR && (wparam == '\t' || wparam == '\r')) {
    wk_EnterPressed = 1;
    return 0;
  }
  return wk::fields::PassOn(base, field, message, wparam, lparam);
}

LRESULT CALLBACK EditFieldProc(HWND field, UINT message, WPARAM wparam, LPARAM lparam) {
  return KeyAndCharacter(g_edit_base, false, field, message, wparam, lparam);
}

LRESULT CALLBACK PasswordFieldProc(HWND field, UINT message, WPARAM wparam, LPARAM lparam) {
  return KeyAndCharacter(g_password_base, true, field, message, wparam, lparam);
}

HWND Finish(HWND field, int limit, WNDPROC& base, WNDPROC procedure) {
  if (!field) return nullptr;
  wk::Send(field, EM_LIMITTEXT, limit);
  base = wk::fields::Subclass(field, procedure);
  return field;
}

}  // namespace

HWND wk_EditCreate(HWND parent, int x, int y, int width, int height, const char* alignment,
                   int limit) noexcept {
  const DWORD style = wk::fields::AlignFromKeyword(alignment) | kEditStyle;
  return Finish(wk::fields::CreateEditChild(parent, WS_EX_CLIENTEDGE, style, x, y, width, height),
                limit, g_edit_base, EditFieldProc);
}

HWND wk_EditCreatePassword(HWND parent, int x, int y, int width, int height, int limit) noexcept {
  return Finish(
      wk::fields::CreateEditChild(parent, WS_EX_CLIENTEDGE, kPasswordStyle, x, y, width, height),
      limit, g_password_base, PasswordFieldProc);
}

HWND wk_EditModify(HWND field, int x, int y, int width, int height, const char* frame,
                   const char* alignment, int limit) noexcept {
  const wk::StylePair f = wk::fields::FrameFromKeyword(frame);
  const DWORD style = wk::fields::AlignFromKeyword(alignment) | f.style | kEditStyle;
  HWND created = wk::fields::Recreate(field, f.ex_style, style, x, y, width, height, limit);
  if (created) g_edit_base = wk::fields::Subclass(created, EditFieldProc);
  return created;
}

WK_TEXT_FIELD_OPS(Edit, g_edit_kind, 999)
