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

}  // namespace

HWND wk_EditCreatePassword(HWND parent, int x, int y, int width, int height, int limit) noexcept {
  return wk::fields::CreateField(parent, kPasswordStyle, x, y, width, height, limit,
                                 g_password_base, PasswordFieldProc);
}

WK_TEXT_FIELD_OPS(Edit, g_edit_kind, kEditStyle, g_edit_base, EditFieldProc)
