// Toolbars: the platform's "ToolbarWindow32", filled one button at a time
// from a bitmap resource per button, placed along a side of its parent and
// driven by command id.
#include <windows.h>
#include <commctrl.h>

#include "toolkit/core/message.hpp"
#include "toolkit/core/control_ops.hpp"
#include "wk_controls.h"

int wk_ToolbarImageCounter = 0;

namespace {

using wk::Keyword;
using wk::PlatformCompare;

// The button record the control reads: 20 bytes on 32-bit Windows (its
// data and string fields are pointer-sized, so 32 bytes on 64-bit).
static_assert(sizeof(TBBUTTON) == (sizeof(void*) == 4 ? 20 : 32));
constexpr int kToolbarId = 1000;
constexpr DWORD kBaseStyle =
    WS_CHILD | WS_VISIBLE | TBSTYLE_TOOLTIPS | CCS_NODIVIDER | CCS_NORESIZE | CCS_TOP;

constexpr Keyword<DWORD> kBorders[] = {
    {"NOBORDER", 0},
    {"BORDER", WS_BORDER},
    {"BAR", WS_DLGFRAME},
};
constexpr Keyword<BYTE> kKinds[] = {
    {"PUSH", TBSTYLE_BUTTON},
    {"PUSHDOWN", TBSTYLE_CHECK},
    {"PUSHDOWNGROUP", TBSTYLE_CHECKGROUP},
};
constexpr Keyword<BYTE> kStates[] = {
    {"HIDE", TBSTATE_HIDDEN},
    {"ACTIVE", TBSTATE_ENABLED},
    {"ACTIVEDOWN", TBSTATE_ENABLED | TBSTATE_PRESSED},
    {"NONACTIVE", TBSTATE_INDETERMINATE},
    {"NONACTIVEDOWN", TBSTATE_CHECKED},
};
constexpr Keyword<BYTE> kBreaks[] = {{"BREAK", TBSTATE_WRAP}};

struct Spacer {
  BYTE style;
  bool sized;  // the width becomes the image index (a separator's width)
};
constexpr Keyword<Spacer> kSpacers[] = {
    {"BUTT", {TBSTYLE_BUTTON, false}},
    {"SPACE", {TBSTYLE_SEP, true}},
};
constexpr Keyword<BYTE> kSpacerSides[] = {{"SIDE", 0}, {"BREAK", TBSTATE_WRAP}};

enum class Side { Top, Bottom, Left, Right };
constexpr Keyword<Side> kSides[] = {
    {"T", Side::Top}, {"B", Side::Bottom}, {"L", Side::Left}, {"R", Side::Right}};

// Loads the button's bitmap from the module of the toolbar's parent, hands
// it to the control as one more image and makes the button record that
// uses it.
TBBUTTON ImageButton(HWND toolbar, const char* kind, const char* state, const char* line_break,
                     const char* bitmap, INT_PTR label, int id) {
  HBITMAP image = LoadBitmapA(wk::ops::InstanceOf(wk::ops::ParentOf(toolbar)), bitmap);
  TBBUTTON button{};
  button.iBitmap = wk_ToolbarImageCounter++;
  button.idCommand = id;
  button.fsStyle = wk::KeywordValue(kKinds, kind, BYTE{0}, PlatformCompare);
  button.fsState =
      static_cast<BYTE>(wk::KeywordValue(kStates, state, BYTE{0}, PlatformCompare) |
                        wk::KeywordValue(kBreaks, line_break, BYTE{0}, PlatformCompare));
  button.iString = label;
  TBADDBITMAP add{};
  add.hInst = nullptr;
  add.nID = reinterpret_cast<UINT_PTR>(image);
  wk::Send(toolbar, TB_ADDBITMAP, 1, &add);
  return button;
}

int Dock(HWND toolbar, const char* side, int t, int x, int y, int extra, int less) {
  const Side* where = wk::FindKeyword(kSides, side, PlatformCompare);
  if (!where) return 1;
  RECT client{};
  GetClientRect(wk::ops::ParentOf(toolbar), &client);
  const int w = client.right - less;
  const int h = client.bottom - less;
  int left = x, top = y, width = t, height = t;
  switch (*where) {
    case Side::Top:
      width = w + extra - x;
      break;
    case Side::Bottom:
      top = h + y - t;
      width = w + extra - x;
      break;
    case Side::Left:
      height = h + extra - y;
      break;
    case Side::Right:
      left = w + x - t;
      height = h + extra - y;
      break;
  }
  return MoveWindow(toolbar, left, top, width, height, TRUE) ? 0 : 1;
}

// One shape for every per-button message: 0 when the control reports
// success.
int ButtonMessage(HWND toolbar, UINT message, int id, LPARAM lparam) {
  const WPARAM wparam = static_cast<WPARAM>(id);
  return wk::Send(toolbar, message, wparam, lparam) ? 0 : 1;
}

}  // namespace

HWND wk_ToolbarCreate(HWND parent, const char* border, int thickness) noexcept {
  const DWORD style = kBaseStyle | wk::KeywordValue(kBorders, border, DWORD{0}, PlatformCompare);
  HWND toolbar =
      CreateWindowExA(0, TOOLBARCLASSNAMEA, nullptr, style, 0, 0, 0, 0, parent,
                      reinterpret_cast<HMENU>(kToolbarId), wk::ops::InstanceOf(parent), nullptr);
  wk::Send(toolbar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON));
  if (thickness > 0) {
    RECT client{};
    GetClientRect(parent, &client);
    MoveWindow(toolbar, 0, 0, client.right - 2, thickness, TRUE);
  }
  wk_ToolbarImageCounter = 0;
  return toolbar;
}

int wk_ToolbarAddButton(HWND toolbar, const char* kind, const char* state, const char* line_break,
                        const char* bitmap, INT_PTR label, int id) noexcept {
  const TBBUTTON button = ImageButton(toolbar, kind, state, line_break, bitmap, label, id);
  wk::Send(toolbar, TB_ADDBUTTONSA, 1, &button);
  return 0;
}

int wk_ToolbarInsertButton(HWND toolbar, const char* kind, const char* state,
                           const char* line_break, const char* bitmap, INT_PTR label, int position,
                           int id) noexcept {
  const TBBUTTON button = ImageButton(toolbar, kind, state, line_break, bitmap, label, id);
  wk::Send(toolbar, TB_INSERTBUTTONA, position - 1, &button);
  return 0;
}

// A spacer takes no image, so the image counter stays.
int wk_ToolbarAddSpacer(HWND toolbar, const char* spacer, const char* side, int width) noexcept {
  const Spacer kind = wk::KeywordValue(kSpacers, spacer, Spacer{0, false}, PlatformCompare);
  TBBUTTON button{};
  button.iBitmap = kind.sized ? width : -1;
  button.fsStyle = kind.style;
  button.fsState = wk::KeywordValue(kSpacerSides, side, BYTE{0}, PlatformCompare);
  wk::Send(toolbar, TB_ADDBUTTONSA, 1, &button);
  return 0;
}

int wk_ToolbarSetImageSize(HWND toolbar, int width, int height) noexcept {
  const LPARAM lparam = MAKELPARAM(static_cast<WORD>(width), static_cast<WORD>(height));
  wk::Send(toolbar, TB_SETBITMAPSIZE, 0, lparam);
  return 0;
}

int wk_ToolbarSetParent(HWND toolbar, HWND window) noexcept {
  wk::Send(toolbar, TB_SETPARENT, window);
  return 0;
}

// The text pointer goes into the request's text field, which follows the
// header; the control copies the text when it shows the tip.
int wk_ToolbarTooltip(NMHDR* header, int id, const char* text) noexcept {
  if (header == nullptr) return 0;
  if (header->code == TTN_NEEDTEXTA && header->idFrom == static_cast<UINT_PTR>(id)) {
    reinterpret_cast<NMTTDISPINFOA*>(header)->lpszText = const_cast<char*>(text);
  }
  return 0;
}

int wk_ToolbarToggleFlat(HWND toolbar) noexcept {
  const LONG style = GetWindowLongA(toolbar, GWL_STYLE);
  SetWindowLongA(toolbar, GWL_STYLE, style ^ TBSTYLE_FLAT);
  ShowWindow(toolbar, SW_HIDE);
  ShowWindow(toolbar, SW_SHOW);
  return 0;
}

WK_CONTROL_OP_SETBACKGROUND(Toolbar)

int wk_ToolbarDock(HWND toolbar, const char* side, int thickness, int x, int y,
                   int extra) noexcept {
  return Dock(toolbar, side, thickness, x, y, extra, 2);
}

int wk_ToolbarDockFull(HWND toolbar, const char* side, int thickness, int x, int y,
                       int extra) noexcept {
  return Dock(toolbar, side, thickness, x, y, extra, 0);
}

int wk_ToolbarEnableButton(HWND t, int id) noexcept {
  return ButtonMessage(t, TB_ENABLEBUTTON, id, 1);
}
int wk_ToolbarDisableButton(HWND t, int id) noexcept {
  return ButtonMessage(t, TB_ENABLEBUTTON, id, 0);
}
int wk_ToolbarCheckButton(HWND t, int id) noexcept {
  return ButtonMessage(t, TB_CHECKBUTTON, id, 1);
}
int wk_ToolbarUncheckButton(HWND t, int id) noexcept {
  return ButtonMessage(t, TB_CHECKBUTTON, id, 0);
}
int wk_ToolbarPressButton(HWND t, int id) noexcept {
  return ButtonMessage(t, TB_PRESSBUTTON, id, 1);
}
int wk_ToolbarReleaseButton(HWND t, int id) noexcept {
  return ButtonMessage(t, TB_PRESSBUTTON, id, 0);
}
int wk_ToolbarHideButton(HWND t, int id) noexcept { return ButtonMessage(t, TB_HIDEBUTTON, id, 1); }
int wk_ToolbarShowButton(HWND t, int id) noexcept { return ButtonMessage(t, TB_HIDEBUTTON, id, 0); }
int wk_ToolbarChangeImage(HWND t, int id, int image) noexcept {
  return ButtonMessage(t, TB_CHANGEBITMAP, id, MAKELPARAM(static_cast<WORD>(image - 1), 0));
}
int wk_ToolbarGetButtonState(HWND t, int id) noexcept {
  if (!wk::ops::IsOfClass(t, TOOLBARCLASSNAMEA)) return -1;
  return static_cast<int>(wk::Send(t, TB_GETSTATE, id));
}
int wk_ToolbarDeleteButton(HWND t, int position) noexcept {
  return wk::Send(t, TB_DELETEBUTTON, position - 1) ? 0 : 1;
}

WK_CONTROL_OP_DESTROY(Toolbar)
WK_CONTROL_OP_HIDE(Toolbar)
WK_CONTROL_OP_SHOW(Toolbar, SW_SHOW)
