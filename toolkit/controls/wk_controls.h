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
#define WK_CONTROLS_H

#include <windows.h>

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
                     const char* alignment, const char* frame, int id);
/* Replaces the dialog's item with this id (if any) by a push button with the
   same id and keywords as wk_ButtonCreate, without BS_PUSHLIKE and without a
   font of its own. Returns the new button, or NULL. */
HWND wk_ButtonCreateInDialog(HWND dialog, int x, int y, int width, int height, const char* caption,
                             const char* alignment, const char* frame, int id);
/* DestroyWindow. 0 if destroyed, 1 if the platform refused. */
int wk_ButtonDestroy(HWND button);
/* Hides the button. 0 if it was visible before, 1 if already hidden. */
int wk_ButtonHide(HWND button);
/* ShowWindow(SW_SHOWNORMAL). 0 if it was hidden before, 1 if already visible. */
int wk_ButtonShow(HWND button);
/* Moves without resizing. 0 on success, 1 on failure. */
int wk_ButtonMove(HWND button, int x, int y);
/* Centres the button in its parent's client area. Returns 0. */
int wk_ButtonCenter(HWND button);
/* Result pair := the button's position in its parent's client area. Returns 0. */
int wk_ButtonGetPosition(HWND button);
/* Resizes without moving. 0 on success, 1 on failure. */
int wk_ButtonResize(HWND button, int width, int height);
/* Result pair := width and height of the window rectangle. Returns 0. */
int wk_ButtonGetSize(HWND button);
/* Moves to (x, y) and sizes to the parent's client size plus (dw, dh),
   repainting. 0 on success, 1 on failure. */
int wk_ButtonFitToParent(HWND button, int x, int y, int dw, int dh);
/* 0 if the button was enabled before, 1 if already disabled. */
int wk_ButtonDisable(HWND button);
/* 0 if the button was disabled before, 1 if already enabled. */
int wk_ButtonEnable(HWND button);
/* "ERASED" invalidates with, "UNERASED" without erasing (strcmp). 0 if
   invalidated, 1 on failure or any other word. */
int wk_ButtonRepaint(HWND button, const char* keyword);
/* Gives the button the keyboard focus. Returns the window that had it. */
HWND wk_ButtonSetFocus(HWND button);
/* Gives the focus to no window. Returns the window that had it. */
HWND wk_ButtonDropFocus(HWND button);
/* Draws the button pushed in (BM_SETSTATE 1). Returns 0. */
int wk_ButtonSetPushed(HWND button);
/* Draws the button released (BM_SETSTATE 0). Returns 0. */
int wk_ButtonSetReleased(HWND button);
/* Returns BM_GETSTATE unchanged (check, pushed and focus bits). */
int wk_ButtonGetState(HWND button);
/* Puts the named bitmap of the button's module on it, aligned by keyword
   (other words: no alignment bits). A disabled button is left alone.
   Returns 0. */
int wk_ButtonSetBitmap(HWND button, const char* alignment, const char* bitmap_name);
/* As wk_ButtonSetBitmap with the named icon of the button's module. Returns 0. */
int wk_ButtonSetIcon(HWND button, const char* alignment, const char* icon_name);
/* As wk_ButtonSetIcon with a system icon: "WINLOGO", "ASTERISK",
   "EXCLAMATION", "HAND", "QUESTION", "APPLICATION" (other words remove the
   image). Returns 0. */
int wk_ButtonSetStockIcon(HWND button, const char* alignment, const char* stock_icon);
/* WM_SETFONT with redraw. The caller keeps the font. Returns 0. */
int wk_ButtonSetFont(HWND button, HFONT font);
/* Sets the caption. 0 on success, 1 on failure. */
int wk_ButtonSetText(HWND button, const char* text);
/* Copies at most 254 characters of the caption and the zero into buffer
   (which holds 255 bytes). Returns the number of characters copied. */
int wk_ButtonGetText(HWND button, char* buffer);

/* ---- Slider ---- */

/* Creates a trackbar (TBS_AUTOTICKS) in the parent: orientation "H" or "V"
   (other words: horizontal), frame "NORMAL", "SUNKEN", "BAR", "EDGE" (other
   words: none); range 0 to the low 16 bits of range_max, page size, thumb
   position. The common controls must be initialised. Returns it, or NULL. */
HWND wk_SliderCreate(HWND parent, const char* orientation, int x, int y, int width, int height,
                     const char* frame, int range_max, int page_size, int position);
/* Destroys the window and creates a slider as wk_SliderCreate in its parent
   (initialising the common controls). Returns the new slider, or NULL. */
HWND wk_SliderReplace(HWND window, const char* orientation, int x, int y, int width, int height,
                      const char* frame, int range_max, int page_size, int position);
/* "TICS", "CLICKSTEPS" (page size), "SLIDERPOS" (thumb), "SLIDERPOSNR"
   (range maximum), "BUTTLENGTH" (thumb length). Returns that value, or 0
   for any other word. */
int wk_SliderQuery(HWND slider, const char* keyword);
/* Moves the thumb to the position, redrawing. Returns 0. */
int wk_SliderSetThumb(HWND slider, int position);
/* The thumb position that goes with a WM_HSCROLL/WM_VSCROLL message: the
   control's position for line and page steps, the message's own for thumb
   tracking, 0 for every other code. */
int wk_SliderThumbFromScroll(HWND slider, WPARAM wparam, LPARAM lparam);
/* DestroyWindow. 0 if destroyed, 1 if the platform refused. */
int wk_SliderDestroy(HWND slider);
/* Hides the slider. 0 if it was visible before, 1 if already hidden. */
int wk_SliderHide(HWND slider);
/* ShowWindow(SW_SHOW). 0 if it was hidden before, 1 if already visible. */
int wk_SliderShow(HWND slider);
/* Moves without resizing. 0 on success, 1 on failure. */
int wk_SliderMove(HWND slider, int x, int y);
/* Centres the slider in its parent's client area. Returns 0. */
int wk_SliderCenter(HWND slider);
/* Result pair := the window's position in its parent's client area. Returns 0. */
int wk_SliderGetPosition(HWND slider);
/* Resizes without moving. 0 on success, 1 on failure. */
int wk_SliderResize(HWND slider, int width, int height);
/* Result pair := width and height of the window rectangle. Returns 0. */
int wk_SliderGetSize(HWND slider);
/* Moves to (x, y) and sizes to the parent's client size plus (dw, dh),
   repainting. 0 on success, 1 on failure. */
int wk_SliderFitToParent(HWND slider, int x, int y, int dw, int dh);
/* 0 if the slider was enabled before, 1 if already disabled. */
int wk_SliderDisable(HWND slider);
/* 0 if the slider was disabled before, 1 if already enabled. */
int wk_SliderEnable(HWND slider);
/* "ERASED" invalidates with, "UNERASED" without erasing (strcmp). 0 if
   invalidated, 1 on failure or any other word. */
int wk_SliderRepaint(HWND slider, const char* keyword);
/* Gives the slider the keyboard focus. Returns the window that had it. */
HWND wk_SliderSetFocus(HWND slider);
/* Gives the focus to no window. Returns the window that had it. */
HWND wk_SliderDropFocus(HWND slider);

/* ---- Progress bar ---- */

/* ---- Toolbar ---- */

/* ---- Status bar ---- */

/* ---- List view ---- */

/* ---- Image buttons, check boxes, group boxes ---- */

/* ---- Up-down controls and colour dialog ---- */

/* ---- List view text import and export ---- */

#ifdef __cplusplus
}
#endif

#endif /* WK_CONTROLS_H */
