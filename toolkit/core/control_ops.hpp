// The common control operations, implemented once.
//
// Adding a control kind:
//  - its code goes in one file of the folder it belongs to
//    (toolkit/<folder>/<kind>.cpp), its declarations in a section of its own
//    in that folder's public header (wk_<folder>.h), each shared operation
//    with the one wording its other copies there have;
//  - each shared operation is one line in that file: WK_CONTROL_OPS_ALL(Kind,
//    show command, repaint comparison) when the kind follows the table
//    below, otherwise one WK_CONTROL_OP_* line per operation it has (and a
//    one-line forwarder to MoveRaw/FitToParentRaw where it reports the
//    platform's raw result);
//  - every operation is noexcept (its declaration ends in WK_NOEXCEPT, the
//    macros below are); work that allocates runs through core/boundary.hpp
//    and answers the operation's documented failure result;
//  - keywords are constexpr Keyword tables walked by core/keywords.hpp,
//    fonts come from core/font_maker.hpp (WK_CONTROL_OP_FONT_MAKER), window
//    styles pair as core/styles.hpp, and every message goes through
//    wk::Send (core/message.hpp);
//  - the shared operations are tested once, from the table of control kinds
//    in tests/controls/control_ops_test.cpp: the new kind gets a row
//    there, and its own test file tests/<folder>/<kind>_test.cpp tests only
//    what is its own.
//
// Every control kind offers the same family of small operations (destroy,
// hide, show, move, centre, position, resize, size, fit to parent, disable,
// enable, repaint, focus, font) under its own name prefix. The kinds differ only
// in a few parameters: the show command, how Repaint compares its keyword,
// and a handful of kinds that return the platform's raw result. Those
// differences are arguments here; each kind's public functions forward in
// one line, usually through the WK_CONTROL_OP_* macros below.
#pragma once

#include <windows.h>

#include "toolkit/core/class_background.hpp"
#include "toolkit/core/font_maker.hpp"
#include "toolkit/core/keywords.hpp"

namespace wk::ops {

// 0 if destroyed, 1 if the platform refused.
int Destroy(HWND control);
// 0 if the control was visible before, 1 if it was already hidden.
int Hide(HWND control);
// ShowWindow with `command`: 0 if the control was hidden before, 1 if it
// was already visible.
int Show(HWND control, int command);
// SetWindowPos without sizing or z-order change: 0 on success, 1 on failure.
int Move(HWND control, int x, int y);
// The platform's own result of that SetWindowPos (non-zero on success).
BOOL MoveRaw(HWND control, int x, int y);
// Centres the control in its parent's client area. Always 0.
int Center(HWND control);
// Result pair := the control's position in its parent's client area. 0.
int GetPosition(HWND control);
// SetWindowPos without moving or z-order change: 0 on success, 1 on failure.
int Resize(HWND control, int width, int height);
// Result pair := width and height of the window rectangle. Always 0.
int GetSize(HWND control);
// Moves to (x, y) and sizes to the parent's client size plus (dw, dh),
// repainting: 0 on success, 1 on failure.
int FitToParent(HWND control, int x, int y, int dw, int dh);
// The platform's own result of that MoveWindow (non-zero on success).
BOOL FitToParentRaw(HWND control, int x, int y, int dw, int dh);
// 0 if it was enabled before, 1 if it was already disabled.
int Disable(HWND control);
// 0 if it was disabled before, 1 if it was already enabled.
int Enable(HWND control);
// "ERASED" invalidates with erasing, "UNERASED" without; the keyword is
// compared with `compare`. 0 if invalidated, 1 on failure or another word.
int Repaint(HWND control, const char* keyword, CompareFn compare);
// Invalidates the whole control with erasing: 0 on success, 1 on failure.
int RepaintErased(HWND control);
// Returns the window that had the focus before.
HWND SetFocusTo(HWND control);
// Gives the focus to no window; returns the window that had it before.
HWND DropFocus(HWND control);
// Gives the control a font (WM_SETFONT) and redraws it at once; 0.
int SetFont(HWND control, HFONT font);

// Buttons of every kind: BM_SETSTATE draws the button pushed in (TRUE) or
// released (FALSE); BM_SETCHECK checks or clears it. Both 0.
int SetPushed(HWND button, BOOL pushed);
int SetChecked(HWND button, WPARAM check);
// BM_GETSTATE unchanged (check, pushed and focus bits).
int GetButtonState(HWND button);

// The parent as the platform reports it (GWL_HWNDPARENT).
HWND ParentOf(HWND control);
// The instance handle of a window (GWL_HINSTANCE).
HINSTANCE InstanceOf(HWND window);
// Whether the window exists and is of the named window class. A message to
// a destroyed window or one of another class answers 0, which the queries
// whose 0 is a valid answer cannot tell from one.
bool IsOfClass(HWND window, const char* class_name);
// A child's control id in the menu-handle parameter of CreateWindowExA.
inline HMENU ChildId(int id) { return reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)); }

}  // namespace wk::ops

// One-line forwarders: WK_CONTROL_OP_MOVE(Button) defines
// extern "C" int wk_ButtonMove(HWND, int, int).
#define WK_CONTROL_OP_DESTROY(Kind) \
  extern "C" int wk_##Kind##Destroy(HWND c) noexcept { return wk::ops::Destroy(c); }
#define WK_CONTROL_OP_HIDE(Kind) \
  extern "C" int wk_##Kind##Hide(HWND c) noexcept { return wk::ops::Hide(c); }
#define WK_CONTROL_OP_SHOW(Kind, command) \
  extern "C" int wk_##Kind##Show(HWND c) noexcept { return wk::ops::Show(c, command); }
#define WK_CONTROL_OP_MOVE(Kind) \
  extern "C" int wk_##Kind##Move(HWND c, int x, int y) noexcept { return wk::ops::Move(c, x, y); }
#define WK_CONTROL_OP_CENTER(Kind) \
  extern "C" int wk_##Kind##Center(HWND c) noexcept { return wk::ops::Center(c); }
#define WK_CONTROL_OP_GETPOSITION(Kind) \
  extern "C" int wk_##Kind##GetPosition(HWND c) noexcept { return wk::ops::GetPosition(c); }
#define WK_CONTROL_OP_RESIZE(Kind)                                  \
  extern "C" int wk_##Kind##Resize(HWND c, int w, int h) noexcept { \
    return wk::ops::Resize(c, w, h);                                \
  }
#define WK_CONTROL_OP_GETSIZE(Kind) \
  extern "C" int wk_##Kind##GetSize(HWND c) noexcept { return wk::ops::GetSize(c); }
#define WK_CONTROL_OP_FITTOPARENT(Kind)                                                  \
  extern "C" int wk_##Kind##FitToParent(HWND c, int x, int y, int dw, int dh) noexcept { \
    return wk::ops::FitToParent(c, x, y, dw, dh);                                        \
  }
#define WK_CONTROL_OP_DISABLE(Kind) \
  extern "C" int wk_##Kind##Disable(HWND c) noexcept { return wk::ops::Disable(c); }
#define WK_CONTROL_OP_ENABLE(Kind) \
  extern "C" int wk_##Kind##Enable(HWND c) noexcept { return wk::ops::Enable(c); }
#define WK_CONTROL_OP_REPAINT(Kind, compare)                          \
  extern "C" int wk_##Kind##Repaint(HWND c, const char* k) noexcept { \
    return wk::ops::Repaint(c, k, compare);                           \
  }
#define WK_CONTROL_OP_SETFOCUS(Kind) \
  extern "C" HWND wk_##Kind##SetFocus(HWND c) noexcept { return wk::ops::SetFocusTo(c); }
#define WK_CONTROL_OP_DROPFOCUS(Kind) \
  extern "C" HWND wk_##Kind##DropFocus(HWND c) noexcept { return wk::ops::DropFocus(c); }
#define WK_CONTROL_OP_SETFONT(Kind) \
  extern "C" int wk_##Kind##SetFont(HWND c, HFONT f) noexcept { return wk::ops::SetFont(c, f); }

// A font of the control's display from core/font_maker.hpp:
// WK_CONTROL_OP_FONT_MAKER(Status, Make) defines wk_StatusMakeFont, and
// (Edit, Create) wk_EditCreateFont. The fifth argument is unused.
#define WK_CONTROL_OP_FONT_MAKER(Kind, Verb)                                             \
  extern "C" HFONT wk_##Kind##Verb##Font(HWND c, int points, int weight, int style, int, \
                                         const char* face) noexcept {                    \
    return wk::MakeFontFor(c, points, weight, style, face);                              \
  }
// A solid brush of the colour becomes the background of the kind's whole
// window class (core/class_background.hpp). Returns 0.
#define WK_CONTROL_OP_SETBACKGROUND(Kind)                                     \
  extern "C" int wk_##Kind##SetBackground(HWND c, COLORREF colour) noexcept { \
    wk::SetClassBackground(c, colour);                                        \
    return 0;                                                                 \
  }
#define WK_CONTROL_OP_GETSTATE(Kind) \
  extern "C" int wk_##Kind##GetState(HWND c) noexcept { return wk::ops::GetButtonState(c); }
// SetPushed, SetReleased and GetState of the button kinds.
#define WK_CONTROL_OPS_BUTTON_STATE(Kind)                                                         \
  extern "C" int wk_##Kind##SetPushed(HWND c) noexcept { return wk::ops::SetPushed(c, TRUE); }    \
  extern "C" int wk_##Kind##SetReleased(HWND c) noexcept { return wk::ops::SetPushed(c, FALSE); } \
  WK_CONTROL_OP_GETSTATE(Kind)

// Move to GetSize: the geometry members most kinds have.
#define WK_CONTROL_OPS_GEOMETRY(Kind) \
  WK_CONTROL_OP_MOVE(Kind)            \
  WK_CONTROL_OP_CENTER(Kind)          \
  WK_CONTROL_OP_GETPOSITION(Kind)     \
  WK_CONTROL_OP_RESIZE(Kind)          \
  WK_CONTROL_OP_GETSIZE(Kind)         \
  WK_CONTROL_OP_FITTOPARENT(Kind)

// The whole family of fourteen, for kinds that follow the table exactly.
#define WK_CONTROL_OPS_ALL(Kind, show_command, repaint_compare) \
  WK_CONTROL_OP_DESTROY(Kind)                                   \
  WK_CONTROL_OP_HIDE(Kind)                                      \
  WK_CONTROL_OP_SHOW(Kind, show_command)                        \
  WK_CONTROL_OPS_GEOMETRY(Kind)                                 \
  WK_CONTROL_OP_DISABLE(Kind)                                   \
  WK_CONTROL_OP_ENABLE(Kind)                                    \
  WK_CONTROL_OP_REPAINT(Kind, repaint_compare)                  \
  WK_CONTROL_OP_SETFOCUS(Kind)                                  \
  WK_CONTROL_OP_DROPFOCUS(Kind)
