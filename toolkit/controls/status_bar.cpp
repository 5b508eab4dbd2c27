// Status bars: the platform's status window divided into numbered parts.
// The caller gives widths; the toolkit turns them into right edges with a
// running total kept in globals shared by all status bars.
#include <windows.h>
#include <commctrl.h>

#include "toolkit/core/message.hpp"
#include "toolkit/core/control_ops.hpp"
#include "wk_controls.h"
#include "wk_windows.h"

int wk_StatusEdges[20] = {};
int wk_StatusTotal = 0;
int wk_StatusMaxPart = 0;
int wk_StatusTop = 0;

namespace {

using wk::Keyword;

constexpr int kParts = 20;
constexpr UINT kStatusId = 2000;

constexpr Keyword<DWORD> kFrames[] = {
    {"NOBAR", 0},
    {"NOBARSIZEGRIP", SBARS_SIZEGRIP},
    {"BAR", WS_DLGFRAME},
    {"BARSIZEGRIP", WS_DLGFRAME | SBARS_SIZEGRIP},
};
// "SUNKEN" asks for the reading-order bit, not 0: the platform draws every
// part sunken unless told otherwise.
constexpr Keyword<WPARAM> kBorders[] = {
    {"SUNKEN", SBT_RTLREADING},
    {"FLAT", SBT_NOBORDERS},
    {"BAR", SBT_POPOUT},
};

// Part numbers outside the edges table are refused.
bool ValidPart(int part) { return part >= 1 && part <= kParts; }

WPARAM BorderBits(const char* border) {
  return wk::KeywordValue(kBorders, border, WPARAM{0}, wk::CStrcmp);
}

HWND Make(HWND parent, const char* frame) {
  const DWORD style =
      WS_CHILD | WS_VISIBLE | wk::KeywordValue(kFrames, frame, DWORD{0}, wk::PlatformCompare);
  return CreateStatusWindowA(static_cast<LONG>(style), nullptr, parent, kStatusId);
}

// Steps 1 to 3 of setting a part: the new right edge from the running
// total, and the whole table to the control. Returns the parent's client
// width for the WM_SIZE that ends a pass.
int SetEdge(HWND bar, int part, int width) {
  RECT client{};
  GetClientRect(wk::ops::ParentOf(bar), &client);
  wk_StatusEdges[part - 1] = width + wk_StatusTotal;
  wk::Send(bar, SB_SETPARTS, kParts, wk_StatusEdges);
  return client.right;
}

// A pass over the parts ends at the highest part number seen before this
// call: the bar fits itself to its parent and the total starts again. On
// the very first pass the highest part is not yet known, so nothing ends.
bool EndOfPass(HWND bar, int part, int client_width) {
  if (part != wk_StatusMaxPart) return false;
  wk::Send(bar, WM_SIZE, 0, client_width & 0xFFFF);
  wk_StatusTotal = 0;
  return true;
}

void NoteHighest(int part) {
  if (part > wk_StatusMaxPart) wk_StatusMaxPart = part;
}

}  // namespace

HWND wk_StatusCreate(HWND parent, const char* frame) noexcept { return Make(parent, frame); }

HWND wk_StatusReplace(HWND window, const char* frame) noexcept {
  InitCommonControls();
  HWND parent = wk::ops::ParentOf(window);
  DestroyWindow(window);
  HWND bar = Make(parent, frame);
  PostMessageA(parent, WM_SIZE, 0, 0);
  return bar;
}

int wk_StatusSetPart(HWND bar, int part, int width) noexcept {
  if (!ValidPart(part)) return 1;
  const int client_width = SetEdge(bar, part, width);
  wk::Send(bar, SB_SETTEXTA, static_cast<WPARAM>(part - 1) | SBT_NOBORDERS);
  wk_StatusTotal += width;
  if (EndOfPass(bar, part, client_width)) InvalidateRect(bar, nullptr, TRUE);
  NoteHighest(part);
  return 0;
}

int wk_StatusSetPartText(HWND bar, int part, int width, const char* border,
                         const char* text) noexcept {
  if (!ValidPart(part)) return 1;
  const int client_width = SetEdge(bar, part, width);
  wk::Send(bar, SB_SETTEXTA, static_cast<WPARAM>(part - 1) | BorderBits(border), text);
  wk_StatusTotal += width;
  if (EndOfPass(bar, part, client_width) && wk_StatusTop > 0) {
    SetWindowPos(bar, nullptr, 0, wk_StatusTop, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  }
  NoteHighest(part);
  return 0;
}

int wk_StatusSetText(HWND bar, int part, const char* border, const char* text) noexcept {
  if (!ValidPart(part)) return 1;
  wk::Send(bar, SB_SETTEXTA, static_cast<WPARAM>(part - 1) | BorderBits(border), text);
  InvalidateRect(bar, nullptr, TRUE);
  return 0;
}

// The control leaves the buffer alone for a part it does not have, so the
// buffer is made empty first and the length never reads stale bytes.
int wk_StatusGetText(HWND bar, int part, char* buffer) noexcept {
  if (!ValidPart(part) || buffer == nullptr) return 0;
  buffer[0] = '\0';
  wk::Send(bar, SB_GETTEXTA, part - 1, buffer);
  return lstrlenA(buffer);
}

WK_CONTROL_OP_FONT_MAKER(Status, Make)

WK_CONTROL_OP_SETFONT(Status)

int wk_StatusMove(HWND bar, int y) noexcept {
  wk_StatusTop = y;
  return wk::ops::Move(bar, 0, y);
}

int wk_StatusGetPosition(HWND bar) noexcept {
  const int x = wk_ResultX;
  wk::ops::GetPosition(bar);
  wk_ResultX = x;
  return 0;
}

WK_CONTROL_OP_SETBACKGROUND(Status)

WK_CONTROL_OP_DESTROY(Status)
WK_CONTROL_OP_HIDE(Status)
WK_CONTROL_OP_SHOW(Status, SW_SHOW)
