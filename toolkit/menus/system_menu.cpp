// The window's system menu, with the item operations of the menu bar.
//
// Each operation works on the window's own modifiable copy of the system
// menu (made by the platform on first use, never reset here) and loads
// bitmaps from the window's module. Items chosen from it reach the window as
// WM_SYSCOMMAND with their identifier.
#include "toolkit/menus/menu_items.hpp"
#include "wk_menus.h"

namespace m = wk::menus;

namespace {

HMENU Sys(HWND window) { return GetSystemMenu(window, FALSE); }

int Add(HWND window, const m::Item& item) { return m::Append(Sys(window), item); }
int Put(HWND window, int position, const m::Item& item) {
  return m::Insert(Sys(window), position, item);
}

// The system-menu changes all require a text.
int ChangeText(HWND window, const char* text, UINT id, UINT state) {
  if (text == nullptr) return 1;
  return m::Change(Sys(window), id, MF_STRING | state, text);
}

}  // namespace

int wk_SysMenuAppend(HWND w, const char* text, UINT id) noexcept {
  return Add(w, m::Text(text, id, m::kEnabled));
}
int wk_SysMenuAppendChecked(HWND w, const char* text, UINT id) noexcept {
  return Add(w, m::Text(text, id, m::kChecked));
}
int wk_SysMenuAppendGrayed(HWND w, const char* text, UINT id) noexcept {
  return Add(w, m::Text(text, id, m::kGrayed));
}
int wk_SysMenuAppendSeparator(HWND w) noexcept { return Add(w, m::Separator(1)); }
int wk_SysMenuAppendCheckBitmap(HWND w, const char* bitmap, const char* text, UINT id) noexcept {
  return Add(w, m::Text(text, id, m::kChecked, m::LoadFrom(w, bitmap)));
}
int wk_SysMenuAppendBitmap(HWND w, const char* bitmap, UINT id) noexcept {
  return Add(w, m::Picture(m::LoadFrom(w, bitmap), id, m::kEnabled));
}

int wk_SysMenuInsert(HWND w, int position, const char* text, UINT id) noexcept {
  return Put(w, position, m::Text(text, id, m::kEnabled));
}
int wk_SysMenuInsertChecked(HWND w, int position, const char* text, UINT id) noexcept {
  return Put(w, position, m::Text(text, id, m::kChecked));
}
int wk_SysMenuInsertGrayed(HWND w, int position, const char* text, UINT id) noexcept {
  return Put(w, position, m::Text(text, id, m::kGrayed));
}
int wk_SysMenuInsertSeparator(HWND w, int position) noexcept {
  return Put(w, position, m::Separator(0));
}
int wk_SysMenuInsertBitmap(HWND w, int position, const char* bitmap, UINT id) noexcept {
  return Put(w, position, m::Picture(m::LoadFrom(w, bitmap), id, m::kEnabled));
}
int wk_SysMenuInsertCheckBitmap(HWND w, int position, const char* bitmap, const char* text,
                                UINT id) noexcept {
  return Put(w, position, m::Text(text, id, m::kChecked, m::LoadFrom(w, bitmap)));
}

int wk_SysMenuModify(HWND w, const char* text, UINT id) noexcept {
  return ChangeText(w, text, id, m::kEnabled);
}
int wk_SysMenuModifyEnabled(HWND w, const char* text, UINT id) noexcept {
  return wk_SysMenuModify(w, text, id);
}
int wk_SysMenuModifyUnchecked(HWND w, const char* text, UINT id) noexcept {
  return wk_SysMenuModify(w, text, id);
}
int wk_SysMenuModifyGrayed(HWND w, const char* text, UINT id) noexcept {
  return ChangeText(w, text, id, m::kGrayed);
}
int wk_SysMenuModifyChecked(HWND w, const char* text, UINT id) noexcept {
  return ChangeText(w, text, id, m::kChecked);
}
int wk_SysMenuModifyCheckBitmap(HWND w, const char* bitmap, const char* text, UINT id) noexcept {
  const int result = ChangeText(w, text, id, m::kChecked);
  if (result == 0) m::SetMark(Sys(w), id, m::LoadFrom(w, bitmap));
  return result;
}
int wk_SysMenuModifyBitmap(HWND w, const char* bitmap, UINT id) noexcept {
  return m::Change(Sys(w), id, MF_BITMAP | m::kEnabled,
                   reinterpret_cast<LPCSTR>(m::LoadFrom(w, bitmap)));
}
int wk_SysMenuDelete(HWND w, int position) noexcept { return m::Delete(Sys(w), position); }
