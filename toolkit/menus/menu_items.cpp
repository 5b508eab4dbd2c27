#include "toolkit/menus/menu_items.hpp"

namespace wk::menus {

Item Text(const char* text, UINT id, UINT state, HBITMAP mark) {
  return {MF_STRING | state, id, text, mark};
}

// A bitmap item carries its bitmap handle where a text item has its text.
Item Picture(HBITMAP bitmap, UINT id, UINT state) {
  return {MF_BITMAP | state, id, reinterpret_cast<LPCSTR>(bitmap), nullptr};
}

Item Separator(UINT id) { return {MF_SEPARATOR, id, nullptr, nullptr}; }

HBITMAP LoadFrom(HWND window, const char* name) {
  if (window == nullptr || name == nullptr) return nullptr;
  const auto module = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(window, GWLP_HINSTANCE));
  return LoadBitmapA(module, name);
}

int SetMark(HMENU menu, UINT id, HBITMAP mark) {
  return SetMenuItemBitmaps(menu, id, MF_BYCOMMAND, mark, mark) ? 0 : 1;
}

int Append(HMENU menu, const Item& item) {
  if (!AppendMenuA(menu, item.flags, item.id, item.content)) return 1;
  if (item.mark) SetMark(menu, static_cast<UINT>(item.id), item.mark);
  return 0;
}

int Insert(HMENU menu, int position, const Item& item) {
  if (!InsertMenuA(menu, static_cast<UINT>(position - 1), MF_BYPOSITION | item.flags, item.id,
                   item.content)) {
    return 1;
  }
  if (item.mark) SetMark(menu, static_cast<UINT>(item.id), item.mark);
  return 0;
}

int Change(HMENU menu, UINT id, UINT flags, LPCSTR content) {
  return ModifyMenuA(menu, id, MF_BYCOMMAND | flags, id, content) ? 0 : 1;
}

// CheckMenuItem answers with the previous check state, or -1 when the menu
// has no such item.
bool ChangeState(HMENU menu, UINT id, UINT check, bool gray, int& result) {
  const DWORD before = CheckMenuItem(menu, id, MF_BYCOMMAND | check);
  result = before == MF_CHECKED ? 0 : 1;
  if (before == static_cast<DWORD>(-1)) return false;
  if (gray) EnableMenuItem(menu, id, MF_BYCOMMAND | MF_GRAYED);
  return true;
}

int Delete(HMENU menu, int position) {
  return DeleteMenu(menu, static_cast<UINT>(position - 1), MF_BYPOSITION) ? 0 : 1;
}

}  // namespace wk::menus
