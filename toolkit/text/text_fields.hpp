// What the edit fields, spin fields and the word processor share: frame and
// alignment keywords, subclassing, the text operations and file load and
// save. Each kind keeps its own brush and selected-text buffer (FieldKind)
// and passes it in; the differences between the kinds' results are left to
// the kinds' one-line wrappers.
#pragma once

#include <windows.h>

#include <string>

#include "toolkit/core/control_ops.hpp"
#include "toolkit/core/styles.hpp"

namespace wk::fields {

// Per-kind process-wide state: the background brush of the last matching
// colour call and the buffer of the last selected-text call.
struct FieldKind {
  HBRUSH brush = nullptr;
  char* selected = nullptr;
};

// Frame keyword of the re-creation operations; unknown words are "FLAT".
StylePair FrameFromKeyword(const char* keyword);
// "L", "C", "R" alignment bits; unknown words are ES_LEFT.
DWORD AlignFromKeyword(const char* keyword);

// Installs `procedure`, returning the window's previous procedure.
WNDPROC Subclass(HWND window, WNDPROC procedure);
// Passes a message on to the remembered procedure, 0 when there is none.
LRESULT PassOn(WNDPROC base, HWND window, UINT message, WPARAM wparam, LPARAM lparam);

// Creates a child "EDIT" with control id 1 and the parent's instance.
HWND CreateEditChild(HWND parent, DWORD ex_style, DWORD style, int x, int y, int width, int height);
// A field with `style` (WS_EX_CLIENTEDGE), limited to `limit` and
// subclassed by `procedure`, whose previous procedure goes to `base`.
// Returns the field, or NULL.
HWND CreateField(HWND parent, DWORD style, int x, int y, int width, int height, int limit,
                 WNDPROC& base, WNDPROC procedure);
// Re-creates the field (Recreate) with the frame keyword's styles added to
// `style`, and subclasses the new one as CreateField does. Returns it, or NULL.
HWND ModifyField(HWND field, const char* frame, DWORD style, int x, int y, int width, int height,
                 int limit, WNDPROC& base, WNDPROC procedure);
// Replaces `old` by a new field of the same parent with these styles, place,
// size and limit, carrying the whole text over (SetWindowTextA, which the
// limit does not cut). Returns the new field (not yet subclassed), or NULL,
// in which case the old field is kept.
HWND Recreate(HWND old, DWORD ex_style, DWORD style, int x, int y, int width, int height,
              int limit);
// If the field has the focus and Return was typed, focuses next and clears
// the flag. Always 0.
int FocusOnEnter(HWND field, HWND next);

// The whole text, however long.
std::string WholeText(HWND window);
// The text as reading it with the current limit returns (limit - 1
// characters at most).
int TextLengthWithinLimit(HWND window);

// EM_GETMARGINS then EM_SETMARGINS(EC_LEFTMARGIN); the old packed margins.
DWORD SetLeftMargin(HWND window, int margin);
// The previous limit.
int SetLimit(HWND window, int limit);
int GetLimit(HWND window);
HBRUSH Color(FieldKind& kind, HWND field, COLORREF text, COLORREF background, HDC dc, HWND control);
// The platform's result of the last matching "ON"/"OFF" word; nothing
// matched: `none`.
int SetEditable(HWND window, const char* keyword, int none, bool* matched);
int GetText(HWND window, char* buffer);
// WM_SETTEXT. Always 0.
int SetText(HWND window, const char* text);
char* GetSelectedText(FieldKind& kind, HWND window);
// 0, 2 or 3.
int SaveFile(HWND window, const char* file_name);
// 0, 2, 3 or 4; reads in chunks of `chunk` bytes.
int LoadFile(HWND window, const char* file_name, DWORD chunk);

}  // namespace wk::fields

// The public operations the edit fields and the spin fields share, written
// once: WK_TEXT_FIELD_OPS(Edit, g_edit_kind, kEditStyle, g_edit_base,
// EditFieldProc) defines wk_EditCreate, wk_EditModify and wk_EditDestroy to
// wk_EditLoadFile: fields of the alignment's and the kind's styles,
// subclassed by the kind's procedure, with the kind's own brush and
// selected-text buffer, loading files in chunks of 999 bytes. The word
// processor answers several of them differently and forwards one by one.
#define WK_TEXT_FIELD_OPS(Kind, kind, kind_style, base, procedure)                                \
  extern "C" HWND wk_##Kind##Create(HWND parent, int x, int y, int width, int height,             \
                                    const char* alignment, int limit) noexcept {                  \
    const DWORD style = wk::fields::AlignFromKeyword(alignment) | (kind_style);                   \
    return wk::fields::CreateField(parent, style, x, y, width, height, limit, base, procedure);   \
  }                                                                                               \
  extern "C" HWND wk_##Kind##Modify(HWND f, int x, int y, int width, int height,                  \
                                    const char* frame, const char* alignment,                     \
                                    int limit) noexcept {                                         \
    const DWORD style = wk::fields::AlignFromKeyword(alignment) | (kind_style);                   \
    return wk::fields::ModifyField(f, frame, style, x, y, width, height, limit, base, procedure); \
  }                                                                                               \
  WK_CONTROL_OP_DESTROY(Kind)                                                                     \
  WK_CONTROL_OP_HIDE(Kind)                                                                        \
  WK_CONTROL_OP_SHOW(Kind, SW_SHOW)                                                               \
  WK_CONTROL_OPS_GEOMETRY(Kind)                                                                   \
  WK_CONTROL_OP_DISABLE(Kind)                                                                     \
  WK_CONTROL_OP_ENABLE(Kind)                                                                      \
  WK_CONTROL_OP_SETFOCUS(Kind)                                                                    \
  WK_CONTROL_OP_FONT_MAKER(Kind, Create)                                                          \
  WK_CONTROL_OP_SETFONT(Kind)                                                                     \
  extern "C" int wk_##Kind##Repaint(HWND f) noexcept { return wk::ops::RepaintErased(f); }        \
  extern "C" int wk_##Kind##SetLeftMargin(HWND f, int margin) noexcept {                          \
    return LOWORD(wk::fields::SetLeftMargin(f, margin));                                          \
  }                                                                                               \
  extern "C" int wk_##Kind##SetLimit(HWND f, int limit) noexcept {                                \
    return wk::fields::SetLimit(f, limit);                                                        \
  }                                                                                               \
  extern "C" int wk_##Kind##GetLimit(HWND f) noexcept { return wk::fields::GetLimit(f); }         \
  extern "C" HBRUSH wk_##Kind##Color(HWND f, COLORREF text, COLORREF background, HDC dc,          \
                                     HWND control) noexcept {                                     \
    return wk::fields::Color(kind, f, text, background, dc, control);                             \
  }                                                                                               \
  extern "C" int wk_##Kind##SetEditable(HWND f, const char* keyword) noexcept {                   \
    return wk::fields::SetEditable(f, keyword, 0, nullptr);                                       \
  }                                                                                               \
  extern "C" int wk_##Kind##LacksFocus(HWND f) noexcept { return GetFocus() == f ? 0 : 1; }       \
  extern "C" int wk_##Kind##FocusOnEnter(HWND f, HWND next) noexcept {                            \
    return wk::fields::FocusOnEnter(f, next);                                                     \
  }                                                                                               \
  extern "C" int wk_##Kind##SetText(HWND f, const char* text) noexcept {                          \
    return wk::fields::SetText(f, text);                                                          \
  }                                                                                               \
  extern "C" int wk_##Kind##GetText(HWND f, char* buffer) noexcept {                              \
    return wk::fields::GetText(f, buffer);                                                        \
  }                                                                                               \
  extern "C" int wk_##Kind##GetTextLength(HWND f) noexcept {                                      \
    return wk::fields::TextLengthWithinLimit(f);                                                  \
  }                                                                                               \
  extern "C" char* wk_##Kind##GetSelectedText(HWND f) noexcept {                                  \
    return wk::fields::GetSelectedText(kind, f);                                                  \
  }                                                                                               \
  extern "C" int wk_##Kind##SaveFile(HWND f, const char* file_name) noexcept {                    \
    return wk::fields::SaveFile(f, file_name);                                                    \
  }                                                                                               \
  extern "C" int wk_##Kind##LoadFile(HWND f, const char* file_name) noexcept {                    \
    return wk::fields::LoadFile(f, file_name, 999);                                               \
  }
