/* wk_controls.h - child controls made from style keywords.
 *
 * Contents (one section per control kind or service, in this order):
 *   - Push buttons
 *   - Slider
 *   - Progress bar
 *   - Toolbar
 *   - Status bar
 *   - List view
 *   - Image buttons, check boxes, group boxes
 *   - Up-down controls and colour dialog
 *   - List view text import and export
 */
#ifndef WK_CONTROLS_H
#ifdef __cplusplus
#define WK_NOEXCEPT noexcept /* no C++ exception ever reaches a caller */
#else
#define WK_NOEXCEPT
#endif
#define WK_CONTROLS_H

#include <windows.h>
#include <commctrl.h>
#include <commdlg.h>

#ifdef __cplusplus
extern "C" {
#endif

/* ---- Push buttons ---- */

/* Creates and shows a push button (class "button", BS_PUSHLIKE, default GUI
   font) in the parent's client coordinates. Alignment "L", "R", "T", "B",
   "C", "LB", "LT", "RB", "RT" (other words: centred); frame "NORMAL",
   "SHADOW", "SUNKEN", "SUNKEN_SHADOW", "BAR", "BAR_SHADOW", "EDGE",
   "EDGE_SHADOW" (other words: as "NORMAL"). Returns the button, or NULL. */
HWND wk_ButtonCreate(HWND parent, int x, int y, int width, int height, const char* caption,
                     const char* alignment, const char* frame, int id) WK_NOEXCEPT;
/* Replaces the dialog's item with this id (if any) by a push button with the
   same id and keywords as wk_ButtonCreate, without BS_PUSHLIKE and without a
   font of its own. Returns the new button, or NULL. */
HWND wk_ButtonCreateInDialog(HWND dialog, int x, int y, int width, int height, const char* caption,
                             const char* alignment, const char* frame, int id) WK_NOEXCEPT;
/* DestroyWindow. 0 if destroyed, 1 if the platform refused. */
int wk_ButtonDestroy(HWND button) WK_NOEXCEPT;
/* Hides it. 0 if it was visible before, 1 if already hidden. */
int wk_ButtonHide(HWND button) WK_NOEXCEPT;
/* ShowWindow(SW_SHOWNORMAL). 0 if it was hidden before, 1 if already visible. */
int wk_ButtonShow(HWND button) WK_NOEXCEPT;
/* Moves it without resizing. 0 on success, 1 on failure. */
int wk_ButtonMove(HWND button, int x, int y) WK_NOEXCEPT;
/* Centres it in its parent's client area. Returns 0. */
int wk_ButtonCenter(HWND button) WK_NOEXCEPT;
/* Result pair := its position in its parent's client area. Returns 0. */
int wk_ButtonGetPosition(HWND button) WK_NOEXCEPT;
/* Resizes it without moving. 0 on success, 1 on failure. */
int wk_ButtonResize(HWND button, int width, int height) WK_NOEXCEPT;
/* Result pair := width and height of its window rectangle. Returns 0. */
int wk_ButtonGetSize(HWND button) WK_NOEXCEPT;
/* Moves it to (x, y), sized as the parent's client area plus the two size
   changes, and repaints. 0 on success, 1 on failure. */
int wk_ButtonFitToParent(HWND button, int x, int y, int dw, int dh) WK_NOEXCEPT;
/* Disables it. 0 if it was enabled before, 1 if already disabled. */
int wk_ButtonDisable(HWND button) WK_NOEXCEPT;
/* Enables it. 0 if it was disabled before, 1 if already enabled. */
int wk_ButtonEnable(HWND button) WK_NOEXCEPT;
/* "ERASED" invalidates it with, "UNERASED" without erasing (strcmp). 0 if
   invalidated, 1 on failure or any other word. */
int wk_ButtonRepaint(HWND button, const char* keyword) WK_NOEXCEPT;
/* Gives it the keyboard focus. Returns the window that had it. */
HWND wk_ButtonSetFocus(HWND button) WK_NOEXCEPT;
/* Gives the focus to no window. Returns the window that had it. */
HWND wk_ButtonDropFocus(HWND button) WK_NOEXCEPT;
/* Draws it pushed in (BM_SETSTATE 1). Returns 0. */
int wk_ButtonSetPushed(HWND button) WK_NOEXCEPT;
/* Draws it released (BM_SETSTATE 0). Returns 0. */
int wk_ButtonSetReleased(HWND button) WK_NOEXCEPT;
/* The platform's BM_GETSTATE bits (check, pushed and focus). */
int wk_ButtonGetState(HWND button) WK_NOEXCEPT;
/* Puts the named bitmap of the button's module on it, aligned by keyword
   (other words: no alignment bits). A disabled button is left alone.
   Returns 0. */
int wk_ButtonSetBitmap(HWND button, const char* alignment, const char* bitmap_name) WK_NOEXCEPT;
/* As wk_ButtonSetBitmap with the named icon of the button's module. Returns 0. */
int wk_ButtonSetIcon(HWND button, const char* alignment, const char* icon_name) WK_NOEXCEPT;
/* As wk_ButtonSetIcon with a system icon: "WINLOGO", "ASTERISK",
   "EXCLAMATION", "HAND", "QUESTION", "APPLICATION" (other words remove the
   image). Returns 0. */
int wk_ButtonSetStockIcon(HWND button, const char* alignment, const char* stock_icon) WK_NOEXCEPT;
/* WM_SETFONT with redraw. The caller keeps the font. Returns 0. */
int wk_ButtonSetFont(HWND button, HFONT font) WK_NOEXCEPT;
/* Sets the caption. 0 on success, 1 on failure. */
int wk_ButtonSetText(HWND button, const char* text) WK_NOEXCEPT;
/* Copies at most 254 characters of the caption and the zero into buffer
   (which holds 255 bytes). Returns the number of characters copied. */
int wk_ButtonGetText(HWND button, char* buffer) WK_NOEXCEPT;

/* ---- Slider ---- */

/* Creates a trackbar (TBS_AUTOTICKS) in the parent: orientation "H" or "V"
   (other words: horizontal), frame "NORMAL", "SUNKEN", "BAR", "EDGE" (other
   words: none); range 0 to the low 16 bits of range_max, page size, thumb
   position. The common controls must be initialised. Returns it, or NULL. */
HWND wk_SliderCreate(HWND parent, const char* orientation, int x, int y, int width, int height,
                     const char* frame, int range_max, int page_size, int position) WK_NOEXCEPT;
/* Destroys the window and creates a slider as wk_SliderCreate in its parent
   (initialising the common controls). Returns the new slider, or NULL. */
HWND wk_SliderReplace(HWND window, const char* orientation, int x, int y, int width, int height,
                      const char* frame, int range_max, int page_size, int position) WK_NOEXCEPT;
/* "TICS", "CLICKSTEPS" (page size), "SLIDERPOS" (thumb), "SLIDERPOSNR"
   (range maximum), "BUTTLENGTH" (thumb length). Returns that value, or 0
   for any other word. */
int wk_SliderQuery(HWND slider, const char* keyword) WK_NOEXCEPT;
/* Moves the thumb to the position, redrawing. Returns 0. */
int wk_SliderSetThumb(HWND slider, int position) WK_NOEXCEPT;
/* The thumb position that goes with a WM_HSCROLL/WM_VSCROLL message: the
   control's position for line and page steps, the message's own for thumb
   tracking, 0 for every other code. */
int wk_SliderThumbFromScroll(HWND slider, WPARAM wparam, LPARAM lparam) WK_NOEXCEPT;
/* DestroyWindow. 0 if destroyed, 1 if the platform refused. */
int wk_SliderDestroy(HWND slider) WK_NOEXCEPT;
/* Hides it. 0 if it was visible before, 1 if already hidden. */
int wk_SliderHide(HWND slider) WK_NOEXCEPT;
/* ShowWindow(SW_SHOW). 0 if it was hidden before, 1 if already visible. */
int wk_SliderShow(HWND slider) WK_NOEXCEPT;
/* Moves it without resizing. 0 on success, 1 on failure. */
int wk_SliderMove(HWND slider, int x, int y) WK_NOEXCEPT;
/* Centres it in its parent's client area. Returns 0. */
int wk_SliderCenter(HWND slider) WK_NOEXCEPT;
/* Result pair := its position in its parent's client area. Returns 0. */
int wk_SliderGetPosition(HWND slider) WK_NOEXCEPT;
/* Resizes it without moving. 0 on success, 1 on failure. */
int wk_SliderResize(HWND slider, int width, int height) WK_NOEXCEPT;
/* Result pair := width and height of its window rectangle. Returns 0. */
int wk_SliderGetSize(HWND slider) WK_NOEXCEPT;
/* Moves it to (x, y), sized as the parent's client area plus the two size
   changes, and repaints. 0 on success, 1 on failure. */
int wk_SliderFitToParent(HWND slider, int x, int y, int dw, int dh) WK_NOEXCEPT;
/* Disables it. 0 if it was enabled before, 1 if already disabled. */
int wk_SliderDisable(HWND slider) WK_NOEXCEPT;
/* Enables it. 0 if it was disabled before, 1 if already enabled. */
int wk_SliderEnable(HWND slider) WK_NOEXCEPT;
/* "ERASED" invalidates it with, "UNERASED" without erasing (strcmp). 0 if
   invalidated, 1 on failure or any other word. */
int wk_SliderRepaint(HWND slider, const char* keyword) WK_NOEXCEPT;
/* Gives it the keyboard focus. Returns the window that had it. */
HWND wk_SliderSetFocus(HWND slider) WK_NOEXCEPT;
/* Gives the focus to no window. Returns the window that had it. */
HWND wk_SliderDropFocus(HWND slider) WK_NOEXCEPT;

/* ---- Progress bar ---- */

/* Creates a progress bar (range 0 to the low 16 bits of range_end, the given
   step) with frame "NORMAL" or "SUNKEN" (WS_DLGFRAME). Returns the bar. */
HWND wk_ProgressCreate(HWND parent, int x, int y, int width, int height, const char* frame,
                       int range_end, int step) WK_NOEXCEPT;
/* Destroys the window and creates a bar in its parent as wk_ProgressCreate.
   Returns the new bar. */
HWND wk_ProgressReplace(HWND window, int x, int y, int width, int height, const char* frame,
                        int range_end, int step) WK_NOEXCEPT;
/* Advances by one step (wrapping to the start past the end). Returns 0. */
int wk_ProgressStep(HWND bar) WK_NOEXCEPT;
/* A solid brush of the colour becomes the background of every progress bar
   (class brush; the one it replaces is released). Returns 0. */
int wk_ProgressSetBackground(HWND bar, COLORREF colour) WK_NOEXCEPT;
/* DestroyWindow. 0 if destroyed, 1 if the platform refused. */
int wk_ProgressDestroy(HWND bar) WK_NOEXCEPT;
/* Hides it. 0 if it was visible before, 1 if already hidden. */
int wk_ProgressHide(HWND bar) WK_NOEXCEPT;
/* ShowWindow(SW_SHOW). 0 if it was hidden before, 1 if already visible. */
int wk_ProgressShow(HWND bar) WK_NOEXCEPT;
/* Moves it without resizing. 0 on success, 1 on failure. */
int wk_ProgressMove(HWND bar, int x, int y) WK_NOEXCEPT;
/* Centres it in its parent's client area. Returns 0. */
int wk_ProgressCenter(HWND bar) WK_NOEXCEPT;
/* Result pair := its position in its parent's client area. Returns 0. */
int wk_ProgressGetPosition(HWND bar) WK_NOEXCEPT;
/* Resizes it without moving. 0 on success, 1 on failure. */
int wk_ProgressResize(HWND bar, int width, int height) WK_NOEXCEPT;
/* Result pair := width and height of its window rectangle. Returns 0. */
int wk_ProgressGetSize(HWND bar) WK_NOEXCEPT;
/* Moves it to (x, y), sized as the parent's client area plus the two size
   changes, and repaints. 0 on success, 1 on failure. */
int wk_ProgressFitToParent(HWND bar, int x, int y, int dw, int dh) WK_NOEXCEPT;

/* ---- Toolbar ---- */

/* Image index of the next button added or inserted; 0 after every
   wk_ToolbarCreate. One counter for all toolbars. */
extern int wk_ToolbarImageCounter;

/* Creates a toolbar (id 1000) with border "NOBORDER", "BORDER" or "BAR";
   with thickness > 0 it spans the parent's client width less 2 at the top.
   Resets the image counter. Returns the toolbar. */
HWND wk_ToolbarCreate(HWND parent, const char* border, int thickness) WK_NOEXCEPT;
/* Adds a button with the named bitmap of the parent's module as its image:
   kind "PUSH", "PUSHDOWN", "PUSHDOWNGROUP"; state "HIDE", "ACTIVE",
   "ACTIVEDOWN", "NONACTIVE", "NONACTIVEDOWN"; "BREAK" ends the row. Returns 0. */
int wk_ToolbarAddButton(HWND toolbar, const char* kind, const char* state, const char* line_break,
                        const char* bitmap, INT_PTR label, int id) WK_NOEXCEPT;
/* As wk_ToolbarAddButton, before the button at the 1-based position. Returns 0. */
int wk_ToolbarInsertButton(HWND toolbar, const char* kind, const char* state,
                           const char* line_break, const char* bitmap, INT_PTR label, int position,
                           int id) WK_NOEXCEPT;
/* Adds an imageless button ("BUTT") or a separator of the width ("SPACE");
   side "BREAK" ends the row, "SIDE" does not. Returns 0. */
int wk_ToolbarAddSpacer(HWND toolbar, const char* spacer, const char* side, int width) WK_NOEXCEPT;
/* TB_SETBITMAPSIZE. Returns 0. */
int wk_ToolbarSetImageSize(HWND toolbar, int width, int height) WK_NOEXCEPT;
/* Sends the toolbar's notifications to the window. Returns 0. */
int wk_ToolbarSetParent(HWND toolbar, HWND window) WK_NOEXCEPT;
/* For WM_NOTIFY: answers a tooltip text request (TTN_NEEDTEXTA) for the
   command id with the text. Returns 0. */
int wk_ToolbarTooltip(NMHDR* header, int id, const char* text) WK_NOEXCEPT;
/* Flips the flat style and shows the toolbar anew. Returns 0. */
int wk_ToolbarToggleFlat(HWND toolbar) WK_NOEXCEPT;
/* A solid brush of the colour becomes the background of every toolbar
   (class brush; the one it replaces is released). Returns 0. */
int wk_ToolbarSetBackground(HWND toolbar, COLORREF colour) WK_NOEXCEPT;
/* Places the toolbar along side "T", "B", "L" or "R" of the parent's client
   area less 2 pixels (Dock) or all of it (DockFull). 0, or 1 on failure or
   for another side word. */
int wk_ToolbarDock(HWND toolbar, const char* side, int thickness, int x, int y,
                   int extra) WK_NOEXCEPT;
/* As wk_ToolbarDock, along the whole client area. 0, or 1 on failure or for
   another side word. */
int wk_ToolbarDockFull(HWND toolbar, const char* side, int thickness, int x, int y,
                       int extra) WK_NOEXCEPT;
/* Per-button changes by command id: 0 when the control reports success, 1
   otherwise (also for an id it does not have). */
/* Enables the button. 0 or 1. */
int wk_ToolbarEnableButton(HWND toolbar, int id) WK_NOEXCEPT;
/* Greys the button. 0 or 1. */
int wk_ToolbarDisableButton(HWND toolbar, int id) WK_NOEXCEPT;
/* Checks (holds down) a check or group button. 0 or 1. */
int wk_ToolbarCheckButton(HWND toolbar, int id) WK_NOEXCEPT;
/* Releases a checked button. 0 or 1. */
int wk_ToolbarUncheckButton(HWND toolbar, int id) WK_NOEXCEPT;
/* Draws the button pressed. 0 or 1. */
int wk_ToolbarPressButton(HWND toolbar, int id) WK_NOEXCEPT;
/* Draws the button released. 0 or 1. */
int wk_ToolbarReleaseButton(HWND toolbar, int id) WK_NOEXCEPT;
/* Hides the button. 0 or 1. */
int wk_ToolbarHideButton(HWND toolbar, int id) WK_NOEXCEPT;
/* Shows a hidden button. 0 or 1. */
int wk_ToolbarShowButton(HWND toolbar, int id) WK_NOEXCEPT;
/* Gives the button image number `image` (1 for the first image). 0 or 1. */
int wk_ToolbarChangeImage(HWND toolbar, int id, int image) WK_NOEXCEPT;
/* Returns the button's state byte, or -1 for an id the toolbar lacks or a handle that is no
   (longer a) toolbar. */
int wk_ToolbarGetButtonState(HWND toolbar, int id) WK_NOEXCEPT;
/* Deletes the button at the 1-based position. 0 or 1. */
int wk_ToolbarDeleteButton(HWND toolbar, int position) WK_NOEXCEPT;
/* DestroyWindow. 0 if destroyed, 1 if the platform refused. */
int wk_ToolbarDestroy(HWND toolbar) WK_NOEXCEPT;
/* Hides it. 0 if it was visible before, 1 if already hidden. */
int wk_ToolbarHide(HWND toolbar) WK_NOEXCEPT;
/* ShowWindow(SW_SHOW). 0 if it was hidden before, 1 if already visible. */
int wk_ToolbarShow(HWND toolbar) WK_NOEXCEPT;

/* ---- Status bar ---- */

/* Shared by all status bars: */
/* Right edges of parts 1 to 20 as last handed to a status bar. */
extern int wk_StatusEdges[20];
/* The running total of part widths (cleared when the highest part is set,
   but not on the first pass): set it to 0 before setting the widths again. */
extern int wk_StatusTotal;
/* The highest part number set so far. */
extern int wk_StatusMaxPart;
/* The y of the last wk_StatusMove. */
extern int wk_StatusTop;

/* Creates a status bar with frame "NOBAR", "NOBARSIZEGRIP", "BAR" or
   "BARSIZEGRIP". Returns the bar. */
HWND wk_StatusCreate(HWND parent, const char* frame) WK_NOEXCEPT;
/* Destroys the window, creates a bar in its parent and posts the parent a
   WM_SIZE. Returns the new bar. */
HWND wk_StatusReplace(HWND window, const char* frame) WK_NOEXCEPT;
/* Sets part n's width (edges from the running total) and an empty borderless
   text. 0, or 1 (nothing changed) for a part outside 1 to 20. */
int wk_StatusSetPart(HWND bar, int part, int width) WK_NOEXCEPT;
/* Sets part n's width, border ("SUNKEN", "FLAT", "BAR") and text. 0, or 1
   (nothing changed) for a part outside 1 to 20. */
int wk_StatusSetPartText(HWND bar, int part, int width, const char* border,
                         const char* text) WK_NOEXCEPT;
/* Sets part n's border and text. 0, or 1 for a part outside 1 to 20. */
int wk_StatusSetText(HWND bar, int part, const char* border, const char* text) WK_NOEXCEPT;
/* Copies part n's whole text and the zero into the buffer, which must hold them; returns its
   length (0, with the buffer untouched, for a part outside 1 to 20). */
int wk_StatusGetText(HWND bar, int part, char* buffer) WK_NOEXCEPT;
/* A font of `points` points on its display, with the weight, the style code (0,
   1, 2, 3, 12, 13, 23 or 123: digits 1 italic, 2 underline, 3 strike-out) and
   the face; the fifth argument is unused. The caller owns the font. */
HFONT wk_StatusMakeFont(HWND bar, int points, int weight, int style, int ignored,
                        const char* face) WK_NOEXCEPT;
/* WM_SETFONT with redraw. The caller keeps the font. Returns 0. */
int wk_StatusSetFont(HWND bar, HFONT font) WK_NOEXCEPT;
/* Remembers y in wk_StatusTop and moves the bar to (0, y). 0 or 1. */
int wk_StatusMove(HWND bar, int y) WK_NOEXCEPT;
/* wk_ResultY := the bar's y in its parent's client area (wk_ResultX is left
   alone). Returns 0. */
int wk_StatusGetPosition(HWND bar) WK_NOEXCEPT;
/* A solid brush of the colour becomes the background of every status bar
   (class brush; the one it replaces is released). Returns 0. */
int wk_StatusSetBackground(HWND bar, COLORREF colour) WK_NOEXCEPT;
/* DestroyWindow. 0 if destroyed, 1 if the platform refused. */
int wk_StatusDestroy(HWND bar) WK_NOEXCEPT;
/* Hides it. 0 if it was visible before, 1 if already hidden. */
int wk_StatusHide(HWND bar) WK_NOEXCEPT;
/* ShowWindow(SW_SHOW). 0 if it was hidden before, 1 if already visible. */
int wk_StatusShow(HWND bar) WK_NOEXCEPT;

/* ---- List view ---- */

/* The column record wk_ListInsertColumn fills; its format stays for an unknown alignment. */
extern LVCOLUMNA wk_ListColumnRecord;
/* The item record rows are inserted with; lParam keeps the last wk_ListSetCell text pointer. */
extern LVITEMA wk_ListItemRecord;
/* The 0-based row of the last wk_ListSetCell; -1 at start. */
extern int wk_ListLastRow;
/* 1 after a column click, 0 after a finished label edit; chooses the sort comparison. */
extern int wk_ListSortArmed;

/* Creates a report list view with editable labels; all-zero geometry fills the parent. Handle or
 * NULL. */
HWND wk_ListCreate(HWND parent, int x, int y, int width, int height) WK_NOEXCEPT;
/* Sets text and background colours and repaints: 0 if repainted, 1 otherwise. */
int wk_ListSetColors(HWND list, COLORREF text, COLORREF background) WK_NOEXCEPT;
/* Inserts a column ("L", "C", "R"; other words keep the last format): its index, or -1 (also
   for a handle that is no (longer a) list view). */
int wk_ListInsertColumn(HWND list, int width, const char* alignment, const char* title,
                        int column) WK_NOEXCEPT;
/* Deletes a 0-based column: 0 on success, 1 on failure. */
int wk_ListDeleteColumn(HWND list, int column) WK_NOEXCEPT;
/* A column's width, or -1 when it is wider than 2000. */
int wk_ListColumnWidth(HWND list, int column) WK_NOEXCEPT;
/* Inserts an empty row before the 1-based row. Returns 0. */
int wk_ListInsertRow(HWND list, int row) WK_NOEXCEPT;
/* Sets a cell, inserting the row when the row differs from the last call's. Returns 0. */
int wk_ListSetCell(HWND list, const char* text, int row, int column) WK_NOEXCEPT;
/* Changes an existing cell's text. Returns 0. */
int wk_ListChangeCell(HWND list, const char* text, int row, int column) WK_NOEXCEPT;
/* Copies a cell into a buffer of 255 bytes, cut to 254 characters and always terminated; returns
 * the length copied. A NULL buffer gets nothing: 0. */
int wk_ListGetCell(HWND list, char* buffer, int row, int column) WK_NOEXCEPT;
/* Deletes the 1-based row: 0 on success, 1 on failure. */
int wk_ListDeleteRow(HWND list, int row) WK_NOEXCEPT;
/* Redraws the 1-based row: 0 on success, 1 on failure. */
int wk_ListUpdateRow(HWND list, int row) WK_NOEXCEPT;
/* The number of rows that fit in the visible area. */
int wk_ListRowsPerPage(HWND list) WK_NOEXCEPT;
/* The number of rows. */
int wk_ListRowCount(HWND list) WK_NOEXCEPT;
/* Invalidates the whole list with erasing: 0 on success, 1 on failure. */
int wk_ListRedraw(HWND list) WK_NOEXCEPT;
/* A font of `points` points on its display, with the weight, the style code (0,
   1, 2, 3, 12, 13, 23 or 123: digits 1 italic, 2 underline, 3 strike-out) and
   the face; the fifth argument is unused. The caller owns the font. */
HFONT wk_ListMakeFont(HWND list, int points, int weight, int style_code, int ignored,
                      const char* face) WK_NOEXCEPT;
/* WM_SETFONT with redraw. The caller keeps the font. Returns 0. */
int wk_ListSetFont(HWND list, HFONT font) WK_NOEXCEPT;
/* For WM_NOTIFY: the clicked column (0..254), -1 for other notifications, 0 if list == other. */
int wk_ListClickedColumn(HWND list, HWND other, const NMHDR* header) WK_NOEXCEPT;
/* For WM_NOTIFY: limits the label editor, stores a finished label's text. Returns 0. */
int wk_ListLabelEdit(HWND list, HWND other, const NMHDR* header) WK_NOEXCEPT;
/* For WM_NOTIFY: sorts on a click on the first column's title. Returns 0. */
int wk_ListSortOnClick(HWND list, HWND other, const NMHDR* header) WK_NOEXCEPT;
/* The sort comparison used once the sort is armed: 1 for every pair. */
int CALLBACK wk_ListCompareAlways(LPARAM first, LPARAM second, LPARAM sort_value) WK_NOEXCEPT;
/* DestroyWindow. 0 if destroyed, 1 if the platform refused. */
int wk_ListDestroy(HWND list) WK_NOEXCEPT;
/* Hides it. 0 if it was visible before, 1 if already hidden. */
int wk_ListHide(HWND list) WK_NOEXCEPT;
/* ShowWindow(SW_SHOW). 0 if it was hidden before, 1 if already visible. */
int wk_ListShow(HWND list) WK_NOEXCEPT;
/* Moves it without resizing. The platform's result: non-zero on success, 0 on
   failure. */
int wk_ListMove(HWND list, int x, int y) WK_NOEXCEPT;
/* Centres it in its parent's client area. Returns 0. */
int wk_ListCenter(HWND list) WK_NOEXCEPT;
/* Result pair := its position in its parent's client area. Returns 0. */
int wk_ListGetPosition(HWND list) WK_NOEXCEPT;
/* Resizes it without moving. 0 on success, 1 on failure. */
int wk_ListResize(HWND list, int width, int height) WK_NOEXCEPT;
/* Moves to (x, y), sized as the parent's client area plus (dw, dh). The
   platform's result: non-zero on success, 0 on failure. */
int wk_ListFitToParent(HWND list, int x, int y, int dw, int dh) WK_NOEXCEPT;
/* Result pair := width and height of its window rectangle. Returns 0. */
int wk_ListGetSize(HWND list) WK_NOEXCEPT;
/* Disables it. 0 if it was enabled before, 1 if already disabled. */
int wk_ListDisable(HWND list) WK_NOEXCEPT;
/* Enables it. 0 if it was disabled before, 1 if already enabled. */
int wk_ListEnable(HWND list) WK_NOEXCEPT;

/* ---- Image buttons, check boxes, group boxes ---- */

/* The button class's own procedure, saved at the last image button's creation (NULL before). */
extern WNDPROC wk_ImageButtonBaseProc;
/* The user's double-click time, read at each image button's creation (not while tracked). */
extern UINT wk_SavedDoubleClickTime;

/* Creates an owner-drawn button ("B": with border) with its 200 ms timer and the toolkit's
 * procedure in front; the handle, or NULL (and no timer). */
HWND wk_ImageButtonCreate(HWND parent, int x, int y, int width, int height, const char* border,
                          int id) WK_NOEXCEPT;
/* The image buttons' procedure: 10 ms double-click time while tracked, mouse moves to the parent.
 */
LRESULT CALLBACK wk_ImageButtonProc(HWND window, UINT message, WPARAM wparam,
                                    LPARAM lparam) WK_NOEXCEPT;
/* For the parent's WM_DRAWITEM: draws the pressed or released bitmap if the id is the button's. 0.
 */
int wk_ImageButtonDraw(HWND button, int control_id, const DRAWITEMSTRUCT* item,
                       const char* released, const char* pressed) WK_NOEXCEPT;
/* Copies a bitmap of the parent's module onto the button at once. Returns 0. */
int wk_ImageButtonPaint(HWND button, const char* bitmap) WK_NOEXCEPT;
/* Disables and invalidates the button; always 1. */
int wk_ImageButtonDisable(HWND button) WK_NOEXCEPT;
/* Enables and invalidates the button; always 0. */
int wk_ImageButtonEnable(HWND button) WK_NOEXCEPT;
/* Draws it pushed in (BM_SETSTATE 1). Returns 0. */
int wk_ImageButtonSetPushed(HWND button) WK_NOEXCEPT;
/* Draws it released (BM_SETSTATE 0). Returns 0. */
int wk_ImageButtonSetReleased(HWND button) WK_NOEXCEPT;
/* The platform's BM_GETSTATE bits (check, pushed and focus). */
int wk_ImageButtonGetState(HWND button) WK_NOEXCEPT;
/* DestroyWindow. 0 if destroyed, 1 if the platform refused. */
int wk_ImageButtonDestroy(HWND button) WK_NOEXCEPT;
/* Hides it. 0 if it was visible before, 1 if already hidden. */
int wk_ImageButtonHide(HWND button) WK_NOEXCEPT;
/* ShowWindow(SW_SHOWNORMAL). 0 if it was hidden before, 1 if already visible. */
int wk_ImageButtonShow(HWND button) WK_NOEXCEPT;
/* Moves it without resizing. 0 on success, 1 on failure. */
int wk_ImageButtonMove(HWND button, int x, int y) WK_NOEXCEPT;
/* Centres it in its parent's client area. Returns 0. */
int wk_ImageButtonCenter(HWND button) WK_NOEXCEPT;
/* Result pair := its position in its parent's client area. Returns 0. */
int wk_ImageButtonGetPosition(HWND button) WK_NOEXCEPT;
/* Resizes it without moving. 0 on success, 1 on failure. */
int wk_ImageButtonResize(HWND button, int width, int height) WK_NOEXCEPT;
/* Result pair := width and height of its window rectangle. Returns 0. */
int wk_ImageButtonGetSize(HWND button) WK_NOEXCEPT;
/* Moves it to (x, y), sized as the parent's client area plus the two size
   changes, and repaints. 0 on success, 1 on failure. */
int wk_ImageButtonFitToParent(HWND button, int x, int y, int dw, int dh) WK_NOEXCEPT;
/* "ERASED" invalidates it with, "UNERASED" without erasing (strcmp). 0 if
   invalidated, 1 on failure or any other word. */
int wk_ImageButtonRepaint(HWND button, const char* keyword) WK_NOEXCEPT;

/* Creates a check box ("SQUARE") or radio button ("ROUND") sized to its caption; NULL for
 * another shape or when the platform refuses. */
HWND wk_CheckCreate(HWND parent, int x, int y, const char* shape, const char* caption,
                    int id) WK_NOEXCEPT;
/* Resizes the box to the caption and sets it: 0 if set, 1 if not. */
int wk_CheckSetText(HWND box, const char* caption) WK_NOEXCEPT;
/* Copies the caption into a 255-byte buffer; returns its length. */
int wk_CheckGetText(HWND box, char* buffer) WK_NOEXCEPT;
/* Checks the box. Returns 0. */
int wk_CheckSet(HWND box) WK_NOEXCEPT;
/* Clears the box. Returns 0. */
int wk_CheckClear(HWND box) WK_NOEXCEPT;
/* The platform's BM_GETSTATE bits (check, pushed and focus). */
int wk_CheckGetState(HWND box) WK_NOEXCEPT;
/* DestroyWindow. 0 if destroyed, 1 if the platform refused. */
int wk_CheckDestroy(HWND box) WK_NOEXCEPT;
/* Hides it. 0 if it was visible before, 1 if already hidden. */
int wk_CheckHide(HWND box) WK_NOEXCEPT;
/* ShowWindow(SW_SHOWNORMAL). 0 if it was hidden before, 1 if already visible. */
int wk_CheckShow(HWND box) WK_NOEXCEPT;
/* Moves it without resizing. 0 on success, 1 on failure. */
int wk_CheckMove(HWND box, int x, int y) WK_NOEXCEPT;
/* Disables it. 0 if it was enabled before, 1 if already disabled. */
int wk_CheckDisable(HWND box) WK_NOEXCEPT;
/* Enables it. 0 if it was disabled before, 1 if already enabled. */
int wk_CheckEnable(HWND box) WK_NOEXCEPT;

/* Creates a titled group frame; the handle or NULL. */
HWND wk_GroupCreate(HWND parent, int x, int y, int width, int height,
                    const char* caption) WK_NOEXCEPT;
/* DestroyWindow. 0 if destroyed, 1 if the platform refused. */
int wk_GroupDestroy(HWND group) WK_NOEXCEPT;
/* Hides it. 0 if it was visible before, 1 if already hidden. */
int wk_GroupHide(HWND group) WK_NOEXCEPT;
/* ShowWindow(SW_SHOWNORMAL). 0 if it was hidden before, 1 if already visible. */
int wk_GroupShow(HWND group) WK_NOEXCEPT;
/* Moves it without resizing. 0 on success, 1 on failure. */
int wk_GroupMove(HWND group, int x, int y) WK_NOEXCEPT;
/* Resizes it without moving. 0 on success, 1 on failure. */
int wk_GroupResize(HWND group, int width, int height) WK_NOEXCEPT;

/* Replaces a window's procedure; returns the previous one. */
WNDPROC wk_SetWindowProc(HWND window, WNDPROC procedure) WK_NOEXCEPT;

/* ---- Up-down controls and colour dialog ---- */

/* Creates a vertical up-down control (id 9, no buddy) with the range upper..lower
 * and the position, placed at (x, y) with the size; border "B" adds WS_BORDER.
 * Returns the handle or NULL. */
HWND wk_UpDownCreate(HWND parent, int x, int y, int width, int height, const char* border,
                     int upper, int lower, int position) WK_NOEXCEPT;
/* The same, horizontal (UDS_HORZ). */
HWND wk_UpDownCreateHorz(HWND parent, int x, int y, int width, int height, const char* border,
                         int upper, int lower, int position) WK_NOEXCEPT;
/* For the parent's WM_VSCROLL/WM_HSCROLL: the new position (high word of wparam,
 * 0..65535) when lparam is this up-down control, else -1. */
int wk_UpDownPosFromScroll(HWND updown, WPARAM wparam, LPARAM lparam) WK_NOEXCEPT;
/* DestroyWindow. 0 if destroyed, 1 if the platform refused. */
int wk_UpDownDestroy(HWND updown) WK_NOEXCEPT;
/* Hides it. 0 if it was visible before, 1 if already hidden. */
int wk_UpDownHide(HWND updown) WK_NOEXCEPT;
/* ShowWindow(SW_SHOWNORMAL). 0 if it was hidden before, 1 if already visible. */
int wk_UpDownShow(HWND updown) WK_NOEXCEPT;
/* Moves it without resizing. 0 on success, 1 on failure. */
int wk_UpDownMove(HWND updown, int x, int y) WK_NOEXCEPT;
/* Centres it in its parent's client area. Returns 0. */
int wk_UpDownCenter(HWND updown) WK_NOEXCEPT;
/* Result pair := its position in its parent's client area. Returns 0. */
int wk_UpDownGetPosition(HWND updown) WK_NOEXCEPT;
/* Resizes it without moving. 0 on success, 1 on failure. */
int wk_UpDownResize(HWND updown, int width, int height) WK_NOEXCEPT;
/* Result pair := width and height of its window rectangle. Returns 0. */
int wk_UpDownGetSize(HWND updown) WK_NOEXCEPT;
/* Moves it to (x, y), sized as the parent's client area plus the two size
   changes, and repaints. 0 on success, 1 on failure. */
int wk_UpDownFitToParent(HWND updown, int x, int y, int dw, int dh) WK_NOEXCEPT;
/* Disables it. 0 if it was enabled before, 1 if already disabled. */
int wk_UpDownDisable(HWND updown) WK_NOEXCEPT;
/* Enables it. 0 if it was disabled before, 1 if already enabled. */
int wk_UpDownEnable(HWND updown) WK_NOEXCEPT;
/* "ERASED" invalidates it with, "UNERASED" without erasing (strcmp). 0 if
   invalidated, 1 on failure or any other word. */
int wk_UpDownRepaint(HWND updown, const char* keyword) WK_NOEXCEPT;

/* The colour dialog's record, filled anew by each wk_ChooseColor. */
extern CHOOSECOLORA wk_ColorDialogRecord;
/* The dialog's 16 custom colours, kept from one call to the next (black at start). */
extern COLORREF wk_CustomColors[16];
/* The last colour confirmed in the colour dialog or the font dialog. */
extern COLORREF wk_LastColor;
/* Opens the colour dialog with white chosen. Returns the confirmed colour (also
 * stored in wk_LastColor), or -1 when cancelled (wk_LastColor unchanged). */
int wk_ChooseColor(HWND owner) WK_NOEXCEPT;

/* ---- List view text import and export ---- */

/* Results of wk_ListExport and wk_ListImport. */
#define WK_LIST_DONE 0
#define WK_LIST_BAD_COLUMNS 1 /* a column count below 1: nothing changes */
#define WK_LIST_CANNOT_OPEN 2
#define WK_LIST_IO_ERROR 3 /* writing (export) or reading (import) failed */

/* Writes every row, each cell cut to 19 characters and followed by the separator
 * ("COMMA", "POINT", "TAB", "SPACE", "STAR", "PLUS", "MINUS", "VLINE"; other words: none),
 * one line per row; "APPEND" adds to the file, other modes replace it, safely: the old file
 * stays whole until the new one is complete, and a failed append cuts the file back to its old
 * length. A cell (in any row and column) whose first 19 characters hold the separator, a CR
 * or a LF cannot be read back: the export is refused with WK_LIST_IO_ERROR, nothing written.
 * WK_LIST_DONE, WK_LIST_BAD_COLUMNS, WK_LIST_CANNOT_OPEN or WK_LIST_IO_ERROR. */
int wk_ListExport(HWND list, const char* mode, const char* file_name, int columns,
                  const char* separator) WK_NOEXCEPT;
/* Reads such a file into rows ahead of the existing ones ("WRITE" deletes those first); another
 * separator word separates by its first character; cells are cut at 254.
 * WK_LIST_DONE, WK_LIST_BAD_COLUMNS, WK_LIST_CANNOT_OPEN or WK_LIST_IO_ERROR. */
int wk_ListImport(HWND list, const char* mode, const char* file_name, int columns,
                  const char* separator) WK_NOEXCEPT;
/* Deletes all rows: 0 on success, 1 otherwise. */
int wk_ListClear(HWND list) WK_NOEXCEPT;
/* Focuses the list and starts editing the 1-based row's label: 0 if editing began, 1 otherwise. */
int wk_ListEditLabel(HWND list, int position) WK_NOEXCEPT;
/* Focuses the list; the 1-based row whose label begins with the text, or -1 (also for a handle
   that is no (longer a) list view). */
int wk_ListFindItem(HWND list, const char* text) WK_NOEXCEPT;
/* The edit control editing a label, or NULL. */
HWND wk_ListGetEditControl(HWND list) WK_NOEXCEPT;

#ifdef __cplusplus
}
#endif

#endif /* WK_CONTROLS_H */
