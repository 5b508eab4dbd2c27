// The item operations shared by menu bars and system menus.
//
// Both families make the same kinds of item (text, bitmap, separator, text
// with a check-mark bitmap) in the same states; they differ only in where
// the menu comes from and which module bitmaps are loaded from.
#pragma once

#include <windows.h>

namespace wk::menus {

// Item states as the platform's menu flags. Enabled and unchecked are 0.
constexpr UINT kEnabled = MF_ENABLED | MF_UNCHECKED;
constexpr UINT kChecked = MF_CHECKED;
constexpr UINT kGrayed = MF_GRAYED;
constexpr UINT kCheckedGrayed = MF_CHECKED | MF_GRAYED;

// One item to append or insert.
struct Item {
  UINT flags;      // kind and state
  UINT_PTR id;     // identifier
  LPCSTR content;  // text, bitmap handle (MF_BITMAP) or null
  HBITMAP mark;    // check-mark bitmap for both states, or null
};

Item Text(const char* text, UINT id, UINT state, HBITMAP mark = nullptr);
Item Picture(HBITMAP bitmap, UINT id, UINT state);
Item Separator(UINT id);

// The named bitmap from the module that created the window (null when the
// window or the name is null, or the module lacks it).
HBITMAP LoadFrom(HWND window, const char* name);

// AppendMenuA; then the check-mark bitmap. 0 or 1.
int Append(HMENU menu, const Item& item);
// InsertMenuA before the 1-based position; then the check-mark bitmap. 0 or 1.
int Insert(HMENU menu, int position, const Item& item);
// ModifyMenuA of the item with the identifier, keeping the identifier. 0 or 1.
int Change(HMENU menu, UINT id, UINT flags, LPCSTR content);
// Changes only the check state (and grays when `gray`). `result` := 0 when
// the item was checked before, 1 when unchecked or missing. Returns false
// when the menu has no item with the identifier.
bool ChangeState(HMENU menu, UINT id, UINT check, bool gray, int& result);
// The bitmap as the item's check mark in both states. 0 or 1.
int SetMark(HMENU menu, UINT id, HBITMAP mark);
// DeleteMenu of the 1-based position. 0 or 1.
int Delete(HMENU menu, int position);

}  // namespace wk::menus
