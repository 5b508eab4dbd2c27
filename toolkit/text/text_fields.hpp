// What the edit fields, spin fields and the word processor share: frame and
// alignment keywords, subclassing, the text operations and file load and
// save. Each kind keeps its own brush and selected-text buffer (FieldKind)
// and passes it in; the differences between the kinds' results are left to
// the kinds' one-line wrappers.
#pragma once

#include <windows.h>

#include <string>

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
char* GetSelectedText(FieldKind& kind, HWND window);
// 0, 2 or 3.
int SaveFile(HWND window, const char* file_name);
// 0, 2, 3 or 4; reads in chunks of `chunk` bytes.
int LoadFile(HWND window, const char* file_name, DWORD chunk);

}  // namespace wk::fields
