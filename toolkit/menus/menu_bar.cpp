// Menu bars, popups and their items.
#include "toolkit/menus/menu_items.hpp"
#include "wk_menus.h"

namespace m = wk::menus;

namespace {

// Bitmaps of the menu-bar operations come from the module of the window
// that is active during the call (the one whose menu is being built).
HBITMAP Bitmap(const char* name) { return m::LoadFrom(GetActiveWindow(), name); }

void RedrawActiveBar() { DrawMenuBar(GetActiveWindow()); }

enum class Hang { Append, Insert, Replace };

HMENU NewPopup(HMENU menu, int position, Hang how, const char* title) {
  HMENU popup = CreatePopupMenu();
  const auto id = reinterpret_cast<UINT_PTR>(popup);
  if (how == Hang::Append) {
    AppendMenuA(menu, MF_POPUP | MF_STRING, id, title);
  } else {
    // Both insert and replace address the item by its 0-based position.
    const auto at = static_cast<UINT>(position - 1);
    if (how == Hang::Insert) {
      InsertMenuA(menu, at, MF_BYPOSITION | MF_POPUP | MF_STRING, id, title);
    } else {
      ModifyMenuA(menu, at, MF_BYPOSITION | MF_POPUP | MF_STRING, id, title);
    }
    RedrawActiveBar();
  }
  return popup;
}

// A change that takes "text or NULL": a text sets text and state in one
// step; NULL changes only the check state and reports the previous one.
int TextOrState(HMENU menu, const char* text, UINT id, UINT text_state, UINT check, bool gray) {
  if (text != nullptr) return m::Change(menu, id, MF_STRING | text_state, text);
  int result = 1;
  m::ChangeState(menu, id, check, gray, result);
  return result;
}

// The same for the items whose check mark becomes a bitmap afterwards; with
// NULL text and no such item, the bitmap is not set.
int MarkedTextOrState(HMENU menu, const char* bitmap, const char* text, UINT id, UINT text_state,
                      bool gray) {
  if (text != nullptr) {
    const int changed = m::Change(menu, id, MF_STRING | text_state, text);
    return m::SetMark(menu, id, Bitmap(bitmap)) | changed;
  }
  int result = 1;
  if (!m::ChangeState(menu, id, MF_CHECKED, gray, result)) return 1;
  m::SetMark(menu, id, Bitmap(bitmap));
  return result;
}

// The client area starts 2 pixels inside the outer edge of the controls
// this is meant for (a sunken child window); a top-level window converts
// exactly.
POINT ClientOrigin(HWND window) {
  POINT origin{0, 0};
  if (GetWindowLongA(window, GWL_STYLE) & WS_CHILD) {
    RECT outer{};
    GetWindowRect(window, &outer);
    origin = {outer.left + 2, outer.top + 2};
  } else {
    ClientToScreen(window, &origin);
  }
  return origin;
}

}  // namespace

// ---- Bars and popups ----------------------------------------------------

HMENU wk_MenuCreate(void) noexcept { return CreateMenu(); }

HMENU wk_MenuAddPopup(HMENU menu, const char* title) noexcept {
  return NewPopup(menu, 0, Hang::Append, title);
}

HMENU wk_MenuInsertPopup(HMENU menu, int position, const char* title) noexcept {
  return NewPopup(menu, position, Hang::Insert, title);
}

HMENU wk_MenuReplaceWithPopup(HMENU menu, int position, const char* title) noexcept {
  return NewPopup(menu, position, Hang::Replace, title);
}

// SetMenu keeps the outer rectangle and takes the bar's line from the
// client area; growing by that line afterwards gives the client area its
// size back. The window grows only once the bar is attached, so a refused
// attach (a child window, a destroyed menu) leaves it as it was.
int wk_MenuBarAttach(HWND window, HMENU menu) noexcept {
  const bool first_bar = GetMenu(window) == nullptr;
  if (!SetMenu(window, menu)) return 1;
  if (first_bar) {
    RECT r{};
    GetWindowRect(window, &r);
    MoveWindow(window, r.left, r.top, r.right - r.left,
               r.bottom - r.top + GetSystemMetrics(SM_CYMENU), TRUE);
  }
  return 0;
}

// An empty bar stays attached afterwards, so a later attach does not grow
// the window a second time.
int wk_MenuBarRemove(HWND window, HMENU menu) noexcept {
  if (menu != nullptr && GetMenu(window) == menu) {
    RECT r{};
    GetWindowRect(window, &r);
    MoveWindow(window, r.left, r.top, r.right - r.left,
               r.bottom - r.top - GetSystemMetrics(SM_CYMENU), TRUE);
  }
  const int result = DestroyMenu(menu) ? 0 : 1;
  SetMenu(window, CreateMenu());
  DrawMenuBar(window);
  return result;
}

int wk_MenuTrackPopup(HWND window, LPARAM mouse, int submenu_position, int left, int top, int right,
                      int bottom) noexcept {
  const POINT origin = ClientOrigin(window);
  // Packed as in the mouse messages: both halves unsigned.
  const int x = LOWORD(mouse) + origin.x;
  const int y = HIWORD(mouse) + origin.y;
  if (x < left + origin.x || x >= right + origin.x || y < top + origin.y ||
      y >= bottom + origin.y) {
    return WK_POPUP_OUTSIDE;
  }
  // A child control has no bar of its own: the bar is its frame's.
  HMENU submenu = GetSubMenu(GetMenu(GetAncestor(window, GA_ROOT)), submenu_position);
  if (submenu == nullptr) return WK_POPUP_NOT_SHOWN;
  const BOOL shown = TrackPopupMenu(submenu, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON, x, y,
                                    0, window, nullptr);
  return shown ? shown : WK_POPUP_NOT_SHOWN;
}

// ---- Appending ------------------------------------------------------------

int wk_MenuAppendItem(HMENU menu, const char* text, UINT id) noexcept {
  return m::Append(menu, m::Text(text, id, m::kEnabled));
}
int wk_MenuAppendCheckedItem(HMENU menu, const char* text, UINT id) noexcept {
  return m::Append(menu, m::Text(text, id, m::kChecked));
}
int wk_MenuAppendGrayedItem(HMENU menu, const char* text, UINT id) noexcept {
  return m::Append(menu, m::Text(text, id, m::kGrayed));
}
int wk_MenuAppendSeparator(HMENU menu) noexcept { return m::Append(menu, m::Separator(1)); }
int wk_MenuAppendMarkedItem(HMENU menu, const char* bitmap, const char* text, UINT id) noexcept {
  return m::Append(menu, m::Text(text, id, m::kChecked, Bitmap(bitmap)));
}
int wk_MenuAppendGrayedMarkedItem(HMENU menu, const char* bitmap, const char* text,
                                  UINT id) noexcept {
  return m::Append(menu, m::Text(text, id, m::kCheckedGrayed, Bitmap(bitmap)));
}
int wk_MenuAppendBitmapItem(HMENU menu, const char* bitmap, UINT id) noexcept {
  return m::Append(menu, m::Picture(Bitmap(bitmap), id, m::kEnabled));
}
int wk_MenuAppendCheckedBitmapItem(HMENU menu, const char* bitmap, UINT id) noexcept {
  return m::Append(menu, m::Picture(Bitmap(bitmap), id, m::kChecked));
}
int wk_MenuAppendGrayedBitmapItem(HMENU menu, const char* bitmap, UINT id) noexcept {
  return m::Append(menu, m::Picture(Bitmap(bitmap), id, m::kGrayed));
}

// ---- Inserting ------------------------------------------------------------

int wk_MenuInsertItem(HMENU menu, int position, const char* text, UINT id) noexcept {
  return m::Insert(menu, position, m::Text(text, id, m::kEnabled));
}
int wk_MenuInsertCheckedItem(HMENU menu, int position, const char* text, UINT id) noexcept {
  return m::Insert(menu, position, m::Text(text, id, m::kChecked));
}
int wk_MenuInsertGrayedItem(HMENU menu, int position, const char* text, UINT id) noexcept {
  return m::Insert(menu, position, m::Text(text, id, m::kGrayed));
}
int wk_MenuInsertSeparator(HMENU menu, int position) noexcept {
  return m::Insert(menu, position, m::Separator(0));
}
// Unlike the appended ones, inserted marked items start unchecked.
int wk_MenuInsertMarkedItem(HMENU menu, int position, const char* bitmap, const char* text,
                            UINT id) noexcept {
  return m::Insert(menu, position, m::Text(text, id, m::kEnabled, Bitmap(bitmap)));
}
int wk_MenuInsertGrayedMarkedItem(HMENU menu, int position, const char* bitmap, const char* text,
                                  UINT id) noexcept {
  return m::Insert(menu, position, m::Text(text, id, m::kGrayed, Bitmap(bitmap)));
}
int wk_MenuInsertBitmapItem(HMENU menu, int position, const char* bitmap, UINT id) noexcept {
  return m::Insert(menu, position, m::Picture(Bitmap(bitmap), id, m::kEnabled));
}
int wk_MenuInsertCheckedBitmapItem(HMENU menu, int position, const char* bitmap, UINT id) noexcept {
  return m::Insert(menu, position, m::Picture(Bitmap(bitmap), id, m::kChecked));
}
int wk_MenuInsertGrayedBitmapItem(HMENU menu, int position, const char* bitmap, UINT id) noexcept {
  return m::Insert(menu, position, m::Picture(Bitmap(bitmap), id, m::kGrayed));
}

// ---- Changing -------------------------------------------------------------

int wk_MenuSetItemText(HMENU menu, const char* text, UINT id) noexcept {
  if (text == nullptr) return 1;
  return m::Change(menu, id, MF_STRING | m::kEnabled, text);
}
int wk_MenuGrayItem(HMENU menu, const char* text, UINT id) noexcept {
  return TextOrState(menu, text, id, m::kGrayed, MF_UNCHECKED, true);
}
int wk_MenuEnableItem(HMENU menu, const char* text, UINT id) noexcept {
  return TextOrState(menu, text, id, m::kEnabled, MF_UNCHECKED, false);
}
int wk_MenuCheckItem(HMENU menu, const char* text, UINT id) noexcept {
  return TextOrState(menu, text, id, m::kChecked, MF_CHECKED, false);
}
int wk_MenuUncheckItem(HMENU menu, const char* text, UINT id) noexcept {
  return TextOrState(menu, text, id, m::kEnabled, MF_UNCHECKED, false);
}
int wk_MenuCheckMarkedItem(HMENU menu, const char* bitmap, const char* text, UINT id) noexcept {
  return MarkedTextOrState(menu, bitmap, text, id, m::kChecked, false);
}
int wk_MenuCheckGrayMarkedItem(HMENU menu, const char* bitmap, const char* text, UINT id) noexcept {
  return MarkedTextOrState(menu, bitmap, text, id, m::kCheckedGrayed, true);
}
int wk_MenuSetItemBitmap(HMENU menu, const char* bitmap, UINT id) noexcept {
  return m::Change(menu, id, MF_BITMAP | m::kEnabled, reinterpret_cast<LPCSTR>(Bitmap(bitmap)));
}
int wk_MenuSetItemCheckedBitmap(HMENU menu, const char* bitmap, UINT id) noexcept {
  return m::Change(menu, id, MF_BITMAP | m::kChecked, reinterpret_cast<LPCSTR>(Bitmap(bitmap)));
}
int wk_MenuSetItemGrayedBitmap(HMENU menu, const char* bitmap, UINT id) noexcept {
  return m::Change(menu, id, MF_BITMAP | m::kGrayed, reinterpret_cast<LPCSTR>(Bitmap(bitmap)));
}

// ---- Deleting -------------------------------------------------------------

int wk_MenuDeleteItem(HMENU menu, int position) noexcept { return m::Delete(menu, position); }

int wk_MenuDeleteItemRedraw(HMENU menu, int position) noexcept {
  const int result = m::Delete(menu, position);
  RedrawActiveBar();
  return result;
}
