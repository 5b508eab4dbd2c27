/* wk_menus.h - menu bars, popup menus, items and the system menu.
 *
 * Contents (one section per control kind or service, in this order):
 *   - Menus
 */
#ifndef WK_MENUS_H
#ifdef __cplusplus
#define WK_NOEXCEPT noexcept /* no C++ exception ever reaches a caller */
#else
#define WK_NOEXCEPT
#endif
#define WK_MENUS_H

#include <windows.h>

#ifdef __cplusplus
extern "C" {
#endif

/* ---- Menus ---- */

/* Menu positions are counted from 1 (1 is the first item). Results are 0 for
   success and 1 when the platform refused the change, unless said otherwise.
   Bitmaps are loaded by resource name from the module of the active window
   (the menu-bar operations) or of the given window (the system-menu
   operations); a name that is not found gives a null bitmap and no error.
   The changing operations that take "text or NULL" replace the text and set
   the state with a text; with NULL they change only the state and return 0
   when the item was checked before, 1 when it was unchecked or missing. */

/* Creates an empty menu to fill and attach as a bar. Returns the menu. */
HMENU wk_MenuCreate(void) WK_NOEXCEPT;
/* Appends a new empty popup under the title. Returns the popup. */
HMENU wk_MenuAddPopup(HMENU menu, const char* title) WK_NOEXCEPT;
/* Inserts a new empty popup under the title at the position and redraws the
   active window's bar. Returns the popup. */
HMENU wk_MenuInsertPopup(HMENU menu, int position, const char* title) WK_NOEXCEPT;
/* Makes the item at the position a popup with the title and a new empty
   submenu (its old submenu is destroyed) and redraws the active window's
   bar. Returns the popup. */
HMENU wk_MenuReplaceWithPopup(HMENU menu, int position, const char* title) WK_NOEXCEPT;
/* Attaches the menu as the window's bar; a window without a bar grows by one
   menu line, so its client area keeps its size. 0, or 1 when the platform
   refuses (a child window, a destroyed menu): the window is then unchanged. */
int wk_MenuBarAttach(HWND window, HMENU menu) WK_NOEXCEPT;
/* Destroys the menu (shrinking the window by one menu line when it was the
   window's bar) and attaches a new empty bar. 0 if the menu was destroyed,
   else 1. */
int wk_MenuBarRemove(HWND window, HMENU menu) WK_NOEXCEPT;
/* Shows submenu `submenu_position` (0-based) of the menu bar of the window's
   top-level window as a context menu at the packed mouse position (x low,
   y high, client coordinates) when it lies in the rectangle (left and top
   inclusive). Returns WK_POPUP_OUTSIDE, WK_POPUP_NOT_SHOWN, or else the
   platform's non-zero success value once the popup has closed. */
#define WK_POPUP_OUTSIDE 1   /* the mouse lies outside the rectangle */
#define WK_POPUP_NOT_SHOWN 2 /* no such submenu, or the platform refused */
int wk_MenuTrackPopup(HWND window, LPARAM mouse, int submenu_position, int left, int top, int right,
                      int bottom) WK_NOEXCEPT;

/* Appends an enabled text item. 0 or 1. */
int wk_MenuAppendItem(HMENU menu, const char* text, UINT id) WK_NOEXCEPT;
/* Appends a checked text item. 0 or 1. */
int wk_MenuAppendCheckedItem(HMENU menu, const char* text, UINT id) WK_NOEXCEPT;
/* Appends a grayed text item (it cannot be chosen). 0 or 1. */
int wk_MenuAppendGrayedItem(HMENU menu, const char* text, UINT id) WK_NOEXCEPT;
/* Appends a separator with identifier 1. 0 or 1. */
int wk_MenuAppendSeparator(HMENU menu) WK_NOEXCEPT;
/* Appends a checked text item whose check mark is the bitmap. 0 or 1. */
int wk_MenuAppendMarkedItem(HMENU menu, const char* bitmap, const char* text, UINT id) WK_NOEXCEPT;
/* Appends a checked, grayed text item whose check mark is the bitmap. 0 or 1. */
int wk_MenuAppendGrayedMarkedItem(HMENU menu, const char* bitmap, const char* text,
                                  UINT id) WK_NOEXCEPT;
/* Appends an enabled item that shows the bitmap. 0 or 1. */
int wk_MenuAppendBitmapItem(HMENU menu, const char* bitmap, UINT id) WK_NOEXCEPT;
/* Appends a checked item that shows the bitmap. 0 or 1. */
int wk_MenuAppendCheckedBitmapItem(HMENU menu, const char* bitmap, UINT id) WK_NOEXCEPT;
/* Appends a grayed item that shows the bitmap. 0 or 1. */
int wk_MenuAppendGrayedBitmapItem(HMENU menu, const char* bitmap, UINT id) WK_NOEXCEPT;

/* Inserts an enabled text item before the item at the position. 0 or 1. */
int wk_MenuInsertItem(HMENU menu, int position, const char* text, UINT id) WK_NOEXCEPT;
/* Inserts a checked text item before the item at the position. 0 or 1. */
int wk_MenuInsertCheckedItem(HMENU menu, int position, const char* text, UINT id) WK_NOEXCEPT;
/* Inserts a grayed text item before the item at the position. 0 or 1. */
int wk_MenuInsertGrayedItem(HMENU menu, int position, const char* text, UINT id) WK_NOEXCEPT;
/* Inserts a separator with identifier 0. 0 or 1. */
int wk_MenuInsertSeparator(HMENU menu, int position) WK_NOEXCEPT;
/* Inserts an enabled, unchecked text item whose check mark is the bitmap.
   0 or 1. */
int wk_MenuInsertMarkedItem(HMENU menu, int position, const char* bitmap, const char* text,
                            UINT id) WK_NOEXCEPT;
/* Inserts a grayed, unchecked text item whose check mark is the bitmap. 0 or 1. */
int wk_MenuInsertGrayedMarkedItem(HMENU menu, int position, const char* bitmap, const char* text,
                                  UINT id) WK_NOEXCEPT;
/* Inserts an enabled item that shows the bitmap. 0 or 1. */
int wk_MenuInsertBitmapItem(HMENU menu, int position, const char* bitmap, UINT id) WK_NOEXCEPT;
/* Inserts a checked item that shows the bitmap. 0 or 1. */
int wk_MenuInsertCheckedBitmapItem(HMENU menu, int position, const char* bitmap,
                                   UINT id) WK_NOEXCEPT;
/* Inserts a grayed item that shows the bitmap. 0 or 1. */
int wk_MenuInsertGrayedBitmapItem(HMENU menu, int position, const char* bitmap,
                                  UINT id) WK_NOEXCEPT;

/* Replaces the item's text; enabled and unchecked. 0 or 1 (1 for NULL text). */
int wk_MenuSetItemText(HMENU menu, const char* text, UINT id) WK_NOEXCEPT;
/* Text: replaced, grayed and unchecked, 0 or 1; NULL: grayed and unchecked,
   0 if it was checked before, 1 if unchecked or missing. */
int wk_MenuGrayItem(HMENU menu, const char* text, UINT id) WK_NOEXCEPT;
/* Text: replaced, enabled and unchecked, 0 or 1; NULL: only the check mark
   is removed, 0 if it was checked before, 1 if unchecked or missing. */
int wk_MenuEnableItem(HMENU menu, const char* text, UINT id) WK_NOEXCEPT;
/* Text: replaced, checked and enabled, 0 or 1; NULL: the check mark is set,
   0 if it was checked before, 1 if unchecked or missing. */
int wk_MenuCheckItem(HMENU menu, const char* text, UINT id) WK_NOEXCEPT;
/* Text: replaced, enabled and unchecked, 0 or 1; NULL: the check mark is
   removed, 0 if it was checked before, 1 if unchecked or missing. */
int wk_MenuUncheckItem(HMENU menu, const char* text, UINT id) WK_NOEXCEPT;
/* As wk_MenuCheckItem, then the bitmap becomes the check mark (not when NULL
   text finds no item). Result as wk_MenuCheckItem. */
int wk_MenuCheckMarkedItem(HMENU menu, const char* bitmap, const char* text, UINT id) WK_NOEXCEPT;
/* Checked and grayed (text replaced unless NULL), then the bitmap becomes
   the check mark. Result as wk_MenuCheckItem. */
int wk_MenuCheckGrayMarkedItem(HMENU menu, const char* bitmap, const char* text,
                               UINT id) WK_NOEXCEPT;
/* The item shows the bitmap, enabled and unchecked. 0 or 1. */
int wk_MenuSetItemBitmap(HMENU menu, const char* bitmap, UINT id) WK_NOEXCEPT;
/* The item shows the bitmap, checked. 0 or 1. */
int wk_MenuSetItemCheckedBitmap(HMENU menu, const char* bitmap, UINT id) WK_NOEXCEPT;
/* The item shows the bitmap, grayed. 0 or 1. */
int wk_MenuSetItemGrayedBitmap(HMENU menu, const char* bitmap, UINT id) WK_NOEXCEPT;

/* Deletes the item at the position (a popup's submenu with it). 0 or 1. */
int wk_MenuDeleteItem(HMENU menu, int position) WK_NOEXCEPT;
/* As wk_MenuDeleteItem, then redraws the active window's bar. 0 or 1. */
int wk_MenuDeleteItemRedraw(HMENU menu, int position) WK_NOEXCEPT;

/* The window's own copy of its system menu, as the menu-bar operations of
   the same kind; chosen items arrive as WM_SYSCOMMAND with the identifier.
   Operations whose text is required return 1 for NULL. 0 or 1. */
/* As wk_MenuAppendItem on the window's system menu. 0 or 1. */
int wk_SysMenuAppend(HWND window, const char* text, UINT id) WK_NOEXCEPT;
/* As wk_MenuAppendCheckedItem on the system menu. 0 or 1. */
int wk_SysMenuAppendChecked(HWND window, const char* text, UINT id) WK_NOEXCEPT;
/* As wk_MenuAppendGrayedItem on the system menu. 0 or 1. */
int wk_SysMenuAppendGrayed(HWND window, const char* text, UINT id) WK_NOEXCEPT;
/* As wk_MenuAppendSeparator on the system menu. 0 or 1. */
int wk_SysMenuAppendSeparator(HWND window) WK_NOEXCEPT;
/* As wk_MenuAppendMarkedItem on the system menu (bitmap of the window's
   module). 0 or 1. */
int wk_SysMenuAppendCheckBitmap(HWND window, const char* bitmap, const char* text,
                                UINT id) WK_NOEXCEPT;
/* As wk_MenuAppendBitmapItem on the system menu. 0 or 1. */
int wk_SysMenuAppendBitmap(HWND window, const char* bitmap, UINT id) WK_NOEXCEPT;
/* As wk_MenuInsertItem on the system menu. 0 or 1. */
int wk_SysMenuInsert(HWND window, int position, const char* text, UINT id) WK_NOEXCEPT;
/* As wk_MenuInsertCheckedItem on the system menu. 0 or 1. */
int wk_SysMenuInsertChecked(HWND window, int position, const char* text, UINT id) WK_NOEXCEPT;
/* As wk_MenuInsertGrayedItem on the system menu. 0 or 1. */
int wk_SysMenuInsertGrayed(HWND window, int position, const char* text, UINT id) WK_NOEXCEPT;
/* As wk_MenuInsertSeparator on the system menu. 0 or 1. */
int wk_SysMenuInsertSeparator(HWND window, int position) WK_NOEXCEPT;
/* As wk_MenuInsertBitmapItem on the system menu. 0 or 1. */
int wk_SysMenuInsertBitmap(HWND window, int position, const char* bitmap, UINT id) WK_NOEXCEPT;
/* As wk_MenuInsertMarkedItem on the system menu, but the item is checked.
   0 or 1. */
int wk_SysMenuInsertCheckBitmap(HWND window, int position, const char* bitmap, const char* text,
                                UINT id) WK_NOEXCEPT;
/* Replaces the system-menu item's text, enabled and unchecked. 0 or 1. */
int wk_SysMenuModify(HWND window, const char* text, UINT id) WK_NOEXCEPT;
/* The same operation as wk_SysMenuModify. 0 or 1. */
int wk_SysMenuModifyEnabled(HWND window, const char* text, UINT id) WK_NOEXCEPT;
/* The same operation as wk_SysMenuModify. 0 or 1. */
int wk_SysMenuModifyUnchecked(HWND window, const char* text, UINT id) WK_NOEXCEPT;
/* Replaces the text, grayed and unchecked. 0 or 1 (1 for NULL text). */
int wk_SysMenuModifyGrayed(HWND window, const char* text, UINT id) WK_NOEXCEPT;
/* Replaces the text, checked and enabled. 0 or 1 (1 for NULL text). */
int wk_SysMenuModifyChecked(HWND window, const char* text, UINT id) WK_NOEXCEPT;
/* Text replaced, checked, then the check-mark bitmap; 0 or 1 for the text
   change (1 for NULL text). */
int wk_SysMenuModifyCheckBitmap(HWND window, const char* bitmap, const char* text,
                                UINT id) WK_NOEXCEPT;
/* The system-menu item shows the bitmap, enabled and unchecked. 0 or 1. */
int wk_SysMenuModifyBitmap(HWND window, const char* bitmap, UINT id) WK_NOEXCEPT;
/* Deletes the system-menu item at the 1-based position. 0 or 1. */
int wk_SysMenuDelete(HWND window, int position) WK_NOEXCEPT;

#ifdef __cplusplus
}
#endif

#endif /* WK_MENUS_H */
