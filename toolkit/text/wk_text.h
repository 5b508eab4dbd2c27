/* wk_text.h - text fields, combo boxes, word processor, rich edit, printing.
 *
 * Contents (one section per control kind or service, in this order):
 *   - Edit fields
 *   - Combo boxes
 *   - Simple word processor
 *   - Rich edit
 *   - Printing
 *   - Rich text highlighting
 */
#ifndef WK_TEXT_H
#ifdef __cplusplus
#define WK_NOEXCEPT noexcept /* no C++ exception ever reaches a caller */
#else
#define WK_NOEXCEPT
#endif
#define WK_TEXT_H

#include <windows.h>

#ifdef __cplusplus
extern "C" {
#endif

/* Saving: every save here replaces its file safely. The new content goes to
   a temporary file in the same folder, is flushed to the disk and only then
   takes the old file's place (its hidden and system attributes kept, the
   archive attribute set); on any failure the temporary file is removed and
   the old file is left as it was. A file held open by another program, a
   folder of that name or a missing folder give the open-failure code; a
   device (NUL, a port) is written in place.

   Results of the save and load operations of the edit and spin fields, the
   combo box and the word processor (0 on success). */
#define WK_TEXT_FILE_CANNOT_OPEN 2 /* the file cannot be created or opened */
#define WK_TEXT_FILE_IO_ERROR 3    /* writing or reading failed */
#define WK_TEXT_FILE_TOO_LARGE 4   /* 65,536 bytes or more: nothing changes */
/* Results of wk_RichEditSaveFile and wk_RichEditLoadFile other than a count. */
#define WK_RICH_FILE_CANNOT_OPEN (-2)
#define WK_RICH_FILE_NOTHING_MOVED (-3) /* nothing was written or read, or a write failed */

/* Results of the find operations. */
#define WK_FIND_FOUND 0         /* the match is selected */
#define WK_FIND_NONE_BELOW 1    /* searching down: no match before the end */
#define WK_FIND_NONE_ABOVE (-1) /* searching up: no match after the beginning */
#define WK_FIND_NO_SEARCH 2     /* word processor: empty search text, no selection */
#define WK_FIND_NO_DIRECTION 2  /* rich edit: neither "D" nor "U" */
#define WK_FIND_EMPTY_CONTROL 3 /* the control holds no text */

/* Results of the print operations. */
#define WK_PRINT_DONE 0
#define WK_PRINT_SMALL_ZOOM 1   /* word processor: zoom below 20 */
#define WK_PRINT_STOPPED_LATE 1 /* rich edit: the stop came after the last page */
#define WK_PRINT_NO_TEXT 2      /* nothing to print */
#define WK_PRINT_NOT_STARTED 3  /* the document (or a page) could not be started */
#define WK_PRINT_NO_PRINTER 4   /* nothing started */
#define WK_PRINT_NO_LINE_FITS 5 /* word processor: not one line fits on a page */
#define WK_PRINT_NO_LAYOUT 5    /* rich edit: no further page laid out although text remained */

/* ---- Edit fields ---- */

/* Set to 1 when Return is typed in any field, or Tab in an edit or password
   field; wk_EditFocusOnEnter and wk_SpinEditFocusOnEnter clear it. */
extern int wk_EnterPressed;

/* One-line edit field, alignment "L", "C" or "R", text limit `limit`; keys
   pressed in it reach the parent as WM_COMMAND(key code, 0). Control id 1.
   Returns the field, or NULL. */
HWND wk_EditCreate(HWND parent, int x, int y, int width, int height, const char* alignment,
                   int limit) WK_NOEXCEPT;
/* As wk_EditCreate with hidden characters; Home, End, Left and Right also
   go to the parent only. Returns the field, or NULL. */
HWND wk_EditCreatePassword(HWND parent, int x, int y, int width, int height, int limit) WK_NOEXCEPT;
/* Replaces the field by a new edit field with frame ("FLAT", "SMAL_SUNKEN",
   "SUNKEN", "MAX_SUNKEN", "DOUBLE_EDGE", "BAR", "EDGE"), alignment, place,
   size and limit, carrying the whole text over. The old handle is
   destroyed. Returns the new field, or NULL. */
HWND wk_EditModify(HWND field, int x, int y, int width, int height, const char* frame,
                   const char* alignment, int limit) WK_NOEXCEPT;
/* Common control operations (password fields use these too): */
/* DestroyWindow. 0 if destroyed, 1 if the platform refused. */
int wk_EditDestroy(HWND field) WK_NOEXCEPT;
/* Hides it. 0 if it was visible before, 1 if already hidden. */
int wk_EditHide(HWND field) WK_NOEXCEPT;
/* ShowWindow(SW_SHOW). 0 if it was hidden before, 1 if already visible. */
int wk_EditShow(HWND field) WK_NOEXCEPT;
/* Moves it without resizing. 0 on success, 1 on failure. */
int wk_EditMove(HWND field, int x, int y) WK_NOEXCEPT;
/* Centres it in its parent's client area. Returns 0. */
int wk_EditCenter(HWND field) WK_NOEXCEPT;
/* Result pair := its position in its parent's client area. Returns 0. */
int wk_EditGetPosition(HWND field) WK_NOEXCEPT;
/* Resizes it without moving. 0 on success, 1 on failure. */
int wk_EditResize(HWND field, int width, int height) WK_NOEXCEPT;
/* Result pair := width and height of its window rectangle. Returns 0. */
int wk_EditGetSize(HWND field) WK_NOEXCEPT;
/* Moves it to (x, y), sized as the parent's client area plus the two size
   changes, and repaints. 0 on success, 1 on failure. */
int wk_EditFitToParent(HWND field, int x, int y, int width_change, int height_change) WK_NOEXCEPT;
/* Disables it. 0 if it was enabled before, 1 if already disabled. */
int wk_EditDisable(HWND field) WK_NOEXCEPT;
/* Enables it. 0 if it was disabled before, 1 if already enabled. */
int wk_EditEnable(HWND field) WK_NOEXCEPT;
/* Invalidates it with erasing. 0 on success, 1 on failure. */
int wk_EditRepaint(HWND field) WK_NOEXCEPT;
/* Gives it the keyboard focus. Returns the window that had it. */
HWND wk_EditSetFocus(HWND field) WK_NOEXCEPT;
/* Sets the left margin (low 16 bits of margin). Returns the previous left margin. */
int wk_EditSetLeftMargin(HWND field, int margin) WK_NOEXCEPT;
/* Sets the text limit. Returns the previous limit. */
int wk_EditSetLimit(HWND field, int limit) WK_NOEXCEPT;
/* Returns the text limit. */
int wk_EditGetLimit(HWND field) WK_NOEXCEPT;
/* For WM_CTLCOLOREDIT: when control is field, colours the device context and
   makes a new background brush. Returns the edit fields' brush (NULL before the
   first match). */
HBRUSH wk_EditColor(HWND field, COLORREF text, COLORREF background, HDC dc,
                    HWND control) WK_NOEXCEPT;
/* "OFF" makes the field read-only, "ON" editable. Returns the platform's result
   (nonzero on success), 0 for another word. */
int wk_EditSetEditable(HWND field, const char* keyword) WK_NOEXCEPT;
/* Returns 0 when the field has the keyboard focus, else 1. */
int wk_EditLacksFocus(HWND field) WK_NOEXCEPT;
/* When the field has the focus and Return (or Tab) was typed, focuses next and
   clears wk_EnterPressed. Returns 0. */
int wk_EditFocusOnEnter(HWND field, HWND next) WK_NOEXCEPT;
/* Sets the text. Returns 0. */
int wk_EditSetText(HWND field, const char* text) WK_NOEXCEPT;
/* Copies the text, cut to limit - 1 characters, and the zero into buffer, which must hold
   wk_EditGetTextLength + 1 bytes. Returns the number of characters copied. */
int wk_EditGetText(HWND field, char* buffer) WK_NOEXCEPT;
/* Returns the length of the text as GetText would copy it. */
int wk_EditGetTextLength(HWND field) WK_NOEXCEPT;
/* Returns the selected text in a toolkit buffer valid until the next call (""
   when nothing is selected). Do not free it. */
char* wk_EditGetSelectedText(HWND field) WK_NOEXCEPT;
/* A font of `points` points on its display, with the weight, the style code (0,
   1, 2, 3, 12, 13, 23 or 123: digits 1 italic, 2 underline, 3 strike-out) and
   the face; the fifth argument is unused. The caller owns the font. */
HFONT wk_EditCreateFont(HWND field, int points, int weight, int style, int unused,
                        const char* face) WK_NOEXCEPT;
/* WM_SETFONT with redraw. The caller keeps the font. Returns 0. */
int wk_EditSetFont(HWND field, HFONT font) WK_NOEXCEPT;
/* Writes the text, raw. Returns 0, WK_TEXT_FILE_CANNOT_OPEN or WK_TEXT_FILE_IO_ERROR. */
int wk_EditSaveFile(HWND field, const char* file_name) WK_NOEXCEPT;
/* Reads the file into the field (created empty when missing). Returns 0,
   WK_TEXT_FILE_CANNOT_OPEN, WK_TEXT_FILE_IO_ERROR or WK_TEXT_FILE_TOO_LARGE
   (the field is then left as it was). */
int wk_EditLoadFile(HWND field, const char* file_name) WK_NOEXCEPT;

/* Spin field: one-line field with a vertical scroll bar whose arrows reach
   the parent as WM_VSCROLL(code, field). Returns the field, or NULL. */
HWND wk_SpinEditCreate(HWND parent, int x, int y, int width, int height, const char* alignment,
                       int limit) WK_NOEXCEPT;
/* As wk_EditModify for spin fields. */
HWND wk_SpinEditModify(HWND field, int x, int y, int width, int height, const char* frame,
                       const char* alignment, int limit) WK_NOEXCEPT;
/* From the parent's WM_VSCROLL: when source is field, takes the user's typed
   text into buffer (as wk_SpinEditGetText), steps counter (SB_LINEUP down to 0, SB_LINEDOWN up
   to INT_MAX) and shows buffer. Returns the new counter. */
int wk_SpinEditStep(HWND field, WPARAM scroll_code, HWND source, char* buffer,
                    int counter) WK_NOEXCEPT;
/* DestroyWindow. 0 if destroyed, 1 if the platform refused. */
int wk_SpinEditDestroy(HWND field) WK_NOEXCEPT;
/* Hides it. 0 if it was visible before, 1 if already hidden. */
int wk_SpinEditHide(HWND field) WK_NOEXCEPT;
/* ShowWindow(SW_SHOW). 0 if it was hidden before, 1 if already visible. */
int wk_SpinEditShow(HWND field) WK_NOEXCEPT;
/* Moves it without resizing. 0 on success, 1 on failure. */
int wk_SpinEditMove(HWND field, int x, int y) WK_NOEXCEPT;
/* Centres it in its parent's client area. Returns 0. */
int wk_SpinEditCenter(HWND field) WK_NOEXCEPT;
/* Result pair := its position in its parent's client area. Returns 0. */
int wk_SpinEditGetPosition(HWND field) WK_NOEXCEPT;
/* Resizes it without moving. 0 on success, 1 on failure. */
int wk_SpinEditResize(HWND field, int width, int height) WK_NOEXCEPT;
/* Result pair := width and height of its window rectangle. Returns 0. */
int wk_SpinEditGetSize(HWND field) WK_NOEXCEPT;
/* Moves it to (x, y), sized as the parent's client area plus the two size
   changes, and repaints. 0 on success, 1 on failure. */
int wk_SpinEditFitToParent(HWND field, int x, int y, int width_change,
                           int height_change) WK_NOEXCEPT;
/* Disables it. 0 if it was enabled before, 1 if already disabled. */
int wk_SpinEditDisable(HWND field) WK_NOEXCEPT;
/* Enables it. 0 if it was disabled before, 1 if already enabled. */
int wk_SpinEditEnable(HWND field) WK_NOEXCEPT;
/* Invalidates it with erasing. 0 on success, 1 on failure. */
int wk_SpinEditRepaint(HWND field) WK_NOEXCEPT;
/* Gives it the keyboard focus. Returns the window that had it. */
HWND wk_SpinEditSetFocus(HWND field) WK_NOEXCEPT;
/* Sets the left margin (low 16 bits of margin). Returns the previous left margin. */
int wk_SpinEditSetLeftMargin(HWND field, int margin) WK_NOEXCEPT;
/* Sets the text limit. Returns the previous limit. */
int wk_SpinEditSetLimit(HWND field, int limit) WK_NOEXCEPT;
/* Returns the text limit. */
int wk_SpinEditGetLimit(HWND field) WK_NOEXCEPT;
/* For WM_CTLCOLOREDIT: when control is field, colours the device context and
   makes a new background brush. Returns the spin fields' brush (NULL before the
   first match). */
HBRUSH wk_SpinEditColor(HWND field, COLORREF text, COLORREF background, HDC dc,
                        HWND control) WK_NOEXCEPT;
/* "OFF" makes the field read-only, "ON" editable. Returns the platform's result
   (nonzero on success), 0 for another word. */
int wk_SpinEditSetEditable(HWND field, const char* keyword) WK_NOEXCEPT;
/* Returns 0 when the field has the keyboard focus, else 1. */
int wk_SpinEditLacksFocus(HWND field) WK_NOEXCEPT;
/* When the field has the focus and Return (or Tab) was typed, focuses next and
   clears wk_EnterPressed. Returns 0. */
int wk_SpinEditFocusOnEnter(HWND field, HWND next) WK_NOEXCEPT;
/* Sets the text. Returns 0. */
int wk_SpinEditSetText(HWND field, const char* text) WK_NOEXCEPT;
/* Copies the text, cut to limit - 1 characters, and the zero into buffer, which must hold
   wk_SpinEditGetTextLength + 1 bytes. Returns the number of characters copied. */
int wk_SpinEditGetText(HWND field, char* buffer) WK_NOEXCEPT;
/* Returns the length of the text as GetText would copy it. */
int wk_SpinEditGetTextLength(HWND field) WK_NOEXCEPT;
/* Returns the selected text in a toolkit buffer valid until the next call (""
   when nothing is selected). Do not free it. */
char* wk_SpinEditGetSelectedText(HWND field) WK_NOEXCEPT;
/* A font of `points` points on its display, with the weight, the style code (0,
   1, 2, 3, 12, 13, 23 or 123: digits 1 italic, 2 underline, 3 strike-out) and
   the face; the fifth argument is unused. The caller owns the font. */
HFONT wk_SpinEditCreateFont(HWND field, int points, int weight, int style, int unused,
                            const char* face) WK_NOEXCEPT;
/* WM_SETFONT with redraw. The caller keeps the font. Returns 0. */
int wk_SpinEditSetFont(HWND field, HFONT font) WK_NOEXCEPT;
/* Writes the text, raw. Returns 0, WK_TEXT_FILE_CANNOT_OPEN or WK_TEXT_FILE_IO_ERROR. */
int wk_SpinEditSaveFile(HWND field, const char* file_name) WK_NOEXCEPT;
/* Reads the file's whole text into the field (created empty when missing), which neither the
   field's width nor its limit cuts. Returns 0, WK_TEXT_FILE_CANNOT_OPEN, WK_TEXT_FILE_IO_ERROR
   (also when the field keeps only part of the text) or WK_TEXT_FILE_TOO_LARGE (the field is
   then left as it was). */
int wk_SpinEditLoadFile(HWND field, const char* file_name) WK_NOEXCEPT;

/* ---- Combo boxes ---- */

/* Creates a combo box of a type ("READDROP", "WRITEDROP", "READDROPSORT", "WRITEDROPSORT",
 * "SIMPLE", "SIMPLESORT"; other words: type bits 0); height includes the list. Handle or NULL. */
HWND wk_ComboCreate(HWND parent, int x, int y, int width, int height, const char* type) WK_NOEXCEPT;
/* DestroyWindow. 0 if destroyed, 1 if the platform refused. */
int wk_ComboDestroy(HWND combo) WK_NOEXCEPT;
/* Hides it. 0 if it was visible before, 1 if already hidden. */
int wk_ComboHide(HWND combo) WK_NOEXCEPT;
/* ShowWindow(SW_SHOW). 0 if it was hidden before, 1 if already visible. */
int wk_ComboShow(HWND combo) WK_NOEXCEPT;
/* Moves it without resizing. 0 on success, 1 on failure. */
int wk_ComboMove(HWND combo, int x, int y) WK_NOEXCEPT;
/* Centres it in its parent's client area. Returns 0. */
int wk_ComboCenter(HWND combo) WK_NOEXCEPT;
/* Result pair := its position in its parent's client area. Returns 0. */
int wk_ComboGetPosition(HWND combo) WK_NOEXCEPT;
/* Resizes it without moving. 0 on success, 1 on failure. */
int wk_ComboResize(HWND combo, int width, int height) WK_NOEXCEPT;
/* Result pair := width and height of its window rectangle. Returns 0. */
int wk_ComboGetSize(HWND combo) WK_NOEXCEPT;
/* Moves it to (x, y), sized as the parent's client area plus the two size
   changes, and repaints. 0 on success, 1 on failure. */
int wk_ComboFitToParent(HWND combo, int x, int y, int dw, int dh) WK_NOEXCEPT;
/* Disables it. 0 if it was enabled before, 1 if already disabled. */
int wk_ComboDisable(HWND combo) WK_NOEXCEPT;
/* Enables it. 0 if it was disabled before, 1 if already enabled. */
int wk_ComboEnable(HWND combo) WK_NOEXCEPT;
/* Invalidates it with erasing. 0 on success, 1 on failure. */
int wk_ComboRepaint(HWND combo) WK_NOEXCEPT;
/* Gives it the keyboard focus. Returns the window that had it. */
HWND wk_ComboSetFocus(HWND combo) WK_NOEXCEPT;
/* 0 when the combo box (or its edit part) has the keyboard focus, 1 otherwise. */
int wk_ComboLacksFocus(HWND combo) WK_NOEXCEPT;
/* Limits the edit part's text. Returns 0. */
int wk_ComboSetEditLimit(HWND combo, int limit) WK_NOEXCEPT;
/* Adds an item (in order when sorted, else at the end). Returns 0. */
int wk_ComboAddItem(HWND combo, const char* text) WK_NOEXCEPT;
/* Position 0 sets the combo box's own text; n >= 1 inserts before item n. Returns 0. */
int wk_ComboInsertItem(HWND combo, int position, const char* text) WK_NOEXCEPT;
/* Copies item n, terminated, into the buffer; returns its length. Position 0: the own text, cut to
 * 254 characters (the buffer must hold 255 bytes); n >= 1: the whole item, however long (the buffer
 * must hold wk_ComboGetItemLength(combo, n) + 1 bytes). */
int wk_ComboGetItem(HWND combo, int position, char* buffer) WK_NOEXCEPT;
/* The length of item n (0: of the own text, at most 254). */
int wk_ComboGetItemLength(HWND combo, int position) WK_NOEXCEPT;
/* The edit part's selected text, in the toolkit's 256-byte buffer (unchanged when nothing is
 * selected). */
const char* wk_ComboGetSelectedText(HWND combo) WK_NOEXCEPT;
/* A font of `points` points on its display, with the weight, the style code (0,
   1, 2, 3, 12, 13, 23 or 123: digits 1 italic, 2 underline, 3 strike-out) and
   the face; the fifth argument is unused. The caller owns the font. */
HFONT wk_ComboCreateFont(HWND combo, int points, int weight, int style_code, int ignored,
                         const char* face) WK_NOEXCEPT;
/* WM_SETFONT with redraw. The caller keeps the font. Returns 0. */
int wk_ComboSetFont(HWND combo, HFONT font) WK_NOEXCEPT;
/* Writes item n (0: the own text) whole to a file, without terminator: 0,
 * WK_TEXT_FILE_CANNOT_OPEN or WK_TEXT_FILE_IO_ERROR. */
int wk_ComboSaveItem(HWND combo, int position, const char* file_name) WK_NOEXCEPT;
/* Reads a file's first 255 bytes into item n (0: the own text); a missing file is created empty:
 * 0, WK_TEXT_FILE_CANNOT_OPEN, WK_TEXT_FILE_IO_ERROR or WK_TEXT_FILE_TOO_LARGE. */
int wk_ComboLoadItem(HWND combo, int position, const char* file_name) WK_NOEXCEPT;

/* ---- Simple word processor ---- */

/* The selection pair, written by wk_WordProcSimpleHasSelection and
 * wk_RichEditHasSelection; read it right after the call. */
/* Where the selection starts (each has-selection operation says how). */
extern int wk_SelStart;
/* Where the selection ends (each has-selection operation says how). */
extern int wk_SelEnd;

/* Multi-line text area with scroll bars "NOSCROLL", "HSCROLL", "VSCROLL" or
   "VHSCROLL", limit cut to 65,535; x + y + width + height of 0 fills the
   parent's client area. Returns the window, or NULL. */
HWND wk_WordProcSimpleCreate(HWND parent, int x, int y, int width, int height, const char* scroll,
                             int limit) WK_NOEXCEPT;
/* Replaces the word processor with frame and scroll keywords and limit
   maxchar (0: the platform's maximum), carrying the whole text over. When
   maxchar is not 0 and not above the old limit, the text is cut to
   maxchar - 1 characters and a message box says so. Returns the new
   window, or NULL. */
HWND wk_WordProcSimpleModify_1(HWND old, int x, int y, int width, int height, const char* frame,
                               const char* scroll, int maxchar) WK_NOEXCEPT;
/* DestroyWindow. 0 if destroyed, 1 if the platform refused. */
int wk_WordProcSimpleDestroy(HWND wp) WK_NOEXCEPT;
/* Hides it and moves it to (0, 0). 0 on success, 1 on failure. */
int wk_WordProcSimpleHide(HWND wp) WK_NOEXCEPT;
/* ShowWindow(SW_SHOW). 0 if it was hidden before, 1 if already visible. */
int wk_WordProcSimpleShow(HWND wp) WK_NOEXCEPT;
/* Moves it without resizing. 0 on success, 1 on failure. */
int wk_WordProcSimpleMove(HWND wp, int x, int y) WK_NOEXCEPT;
/* Centres it in its parent's client area. Returns 0. */
int wk_WordProcSimpleCenter(HWND wp) WK_NOEXCEPT;
/* Result pair := its position in its parent's client area. Returns 0. */
int wk_WordProcSimpleGetPosition(HWND wp) WK_NOEXCEPT;
/* Resizes it without moving. 0 on success, 1 on failure. */
int wk_WordProcSimpleResize(HWND wp, int width, int height) WK_NOEXCEPT;
/* Result pair := width and height of its window rectangle. Returns 0. */
int wk_WordProcSimpleGetSize(HWND wp) WK_NOEXCEPT;
/* Moves it to (x, y), sized as the parent's client area plus the two size
   changes, and repaints. 0 on success, 1 on failure. */
int wk_WordProcSimpleFitToParent(HWND wp, int x, int y, int width_change,
                                 int height_change) WK_NOEXCEPT;
/* Disables it. 0 if it was enabled before, 1 if already disabled. */
int wk_WordProcSimpleDisable(HWND wp) WK_NOEXCEPT;
/* Enables it. 0 if it was disabled before, 1 if already enabled. */
int wk_WordProcSimpleEnable(HWND wp) WK_NOEXCEPT;
/* Invalidates it with erasing. 0 on success, 1 on failure. */
int wk_WordProcSimpleRepaint(HWND wp) WK_NOEXCEPT;
/* Gives it the keyboard focus. Returns the window that had it. */
HWND wk_WordProcSimpleSetFocus(HWND wp) WK_NOEXCEPT;
/* Sets the left margin. Returns both previous margins (left low, right
   high 16 bits). */
int wk_WordProcSimpleSetLeftMargin(HWND wp, int margin) WK_NOEXCEPT;
/* Sets the limit, cut to 65,535. Returns the previous limit. */
int wk_WordProcSimpleSetLimit(HWND wp, int limit) WK_NOEXCEPT;
/* Returns the text limit. */
int wk_WordProcSimpleGetLimit(HWND wp) WK_NOEXCEPT;
/* As wk_EditColor, with the word processor's own brush. */
HBRUSH wk_WordProcSimpleColor(HWND wp, COLORREF text, COLORREF background, HDC dc,
                              HWND control) WK_NOEXCEPT;
/* "OFF" read-only, "ON" editable. Returns 0 on success, 1 on failure or
   another word. */
int wk_WordProcSimpleSetEditable(HWND wp, const char* keyword) WK_NOEXCEPT;
/* Returns wp when it has the keyboard focus, else NULL. */
HWND wk_WordProcSimpleHasFocus(HWND wp) WK_NOEXCEPT;
/* Sets the text. Returns 0 on success, 1 on failure. */
int wk_WordProcSimpleSetText(HWND wp, const char* text) WK_NOEXCEPT;
/* Copies the text, cut to limit - 1 characters, and the zero into buffer, which must hold
   wk_WordProcSimpleGetTextLength + 1 bytes. Returns the number of characters copied. */
int wk_WordProcSimpleGetText(HWND wp, char* buffer) WK_NOEXCEPT;
/* Returns the length of the text as GetText would copy it. */
int wk_WordProcSimpleGetTextLength(HWND wp) WK_NOEXCEPT;
/* Returns the selected text in the word processor's own buffer. */
char* wk_WordProcSimpleGetSelectedText(HWND wp) WK_NOEXCEPT;
/* A font of `points` points on its display, with the weight, the style code (0,
   1, 2, 3, 12, 13, 23 or 123: digits 1 italic, 2 underline, 3 strike-out) and
   the face; the fifth argument is unused. The caller owns the font. */
HFONT wk_WordProcSimpleCreateFont(HWND wp, int points, int weight, int style, int unused,
                                  const char* face) WK_NOEXCEPT;
/* Writes the text; on success clears the modified flag. Returns as
   wk_EditSaveFile. */
int wk_WordProcSimpleSaveFile(HWND wp, const char* file_name) WK_NOEXCEPT;
/* Reads the file in chunks of 65,535 bytes. Returns as wk_EditLoadFile. */
int wk_WordProcSimpleLoadFile(HWND wp, const char* file_name) WK_NOEXCEPT;
/* Tab stops at step, 2 x step, ... (dialog units); count 0 restores the
   defaults, more than 255 is cut to 255. Returns 0. */
int wk_WordProcSimpleSetTabStops(HWND wp, int count, int step) WK_NOEXCEPT;
/* Font 0 to 4 selects SYSTEM_FONT, ANSI_FIXED_FONT, ANSI_VAR_FONT,
   DEFAULT_GUI_FONT, OEM_FIXED_FONT; any other value is a font handle.
   Returns 0. */
int wk_WordProcSimpleSetFont(HWND wp, UINT_PTR font) WK_NOEXCEPT;
/* Returns 1 when the modified flag is set, else 0. */
int wk_WordProcSimpleIsModified(HWND wp) WK_NOEXCEPT;
/* "ON" sets, "OFF" clears the modified flag. Returns 0. */
int wk_WordProcSimpleSetModified(HWND wp, const char* keyword) WK_NOEXCEPT;
/* Reads the selection into wk_SelStart/wk_SelEnd. Returns 1 when a
   selection exists (1-based first and last character), 0 when not (both
   hold the 0-based caret position). */
int wk_WordProcSimpleHasSelection(HWND wp) WK_NOEXCEPT;
/* Deletes the selection. Returns 0. */
int wk_WordProcSimpleClear(HWND wp) WK_NOEXCEPT;
/* Selects characters first to last (1-based, both included). Returns
   last - first + 1. */
int wk_WordProcSimpleSelect(HWND wp, int first, int last) WK_NOEXCEPT;
/* Selects the whole text. Returns 0. */
int wk_WordProcSimpleSelectAll(HWND wp) WK_NOEXCEPT;
/* Searches for text (or, with from_dialog 1, the find dialog's search text
   and match case) direction "D" down or "U" up, case "M" exact. Selects a
   match and returns WK_FIND_FOUND; WK_FIND_NONE_BELOW nothing found,
   WK_FIND_NO_SEARCH, WK_FIND_EMPTY_CONTROL, or
   WK_FIND_NONE_ABOVE when the beginning was passed. */
int wk_WordProcSimpleFind(HWND wp, const char* text, int from_dialog, const char* direction,
                          const char* match_case) WK_NOEXCEPT;
/* Returns the caret's line, counted from 1, 0 when there is none. */
int wk_WordProcSimpleCaretLine(HWND wp) WK_NOEXCEPT;
/* Returns the caret's character index in the whole text, counted from 1, 0
   when there is none. The column within the line is that less the line's
   start (EM_LINEINDEX). */
int wk_WordProcSimpleCaretColumn(HWND wp) WK_NOEXCEPT;

/* ---- Rich edit ---- */
/* Formatted multi-line text from "RichEd32.DLL"; character positions count from 0. */

/* Creates a rich edit (class "RICHEDIT", id 1) with the scroll keyword's bars
 * ("NOSCROLL", "HSCROLL", "VSCROLL", "VHSCROLL") and the text limit; with
 * x + y + width + height == 0 it fills the parent. Returns the handle or NULL. */
HWND wk_RichEditCreate(HWND parent, int x, int y, int width, int height, const char* scroll,
                       int limit) WK_NOEXCEPT;
/* Replaces a rich edit by one with the frame ("FLAT", "SMAL_SUNKEN", "SUNKEN", "MAX_SUNKEN")
 * and scroll keywords, keeping the formatted text and the user's clipboard.
 * Returns the new handle (use it from now on) or NULL. */
HWND wk_RichEditModify(HWND old, int x, int y, int width, int height, const char* frame,
                       const char* scroll, int limit) WK_NOEXCEPT;
/* DestroyWindow. 0 if destroyed, 1 if the platform refused. */
int wk_RichEditDestroy(HWND rich) WK_NOEXCEPT;
/* Hides it: 1 if it was visible before, 0 if it was already hidden. */
int wk_RichEditHide(HWND rich) WK_NOEXCEPT;
/* ShowWindow(SW_SHOW). 0 if it was hidden before, 1 if already visible. */
int wk_RichEditShow(HWND rich) WK_NOEXCEPT;
/* Moves it without resizing. 0 on success, 1 on failure. */
int wk_RichEditMove(HWND rich, int x, int y) WK_NOEXCEPT;
/* Centres it in its parent's client area. Returns 0. */
int wk_RichEditCenter(HWND rich) WK_NOEXCEPT;
/* Result pair := its position in its parent's client area. Returns 0. */
int wk_RichEditGetPosition(HWND rich) WK_NOEXCEPT;
/* Resizes it without moving. 0 on success, 1 on failure. */
int wk_RichEditResize(HWND rich, int width, int height) WK_NOEXCEPT;
/* Result pair := width and height of its window rectangle. Returns 0. */
int wk_RichEditGetSize(HWND rich) WK_NOEXCEPT;
/* Moves it to (x, y), sized as the parent's client area plus the two size
   changes, and repaints. 0 on success, 1 on failure. */
int wk_RichEditFitToParent(HWND rich, int x, int y, int dw, int dh) WK_NOEXCEPT;
/* Greys the background and disables it: 0 if it was enabled before, 1 if already disabled. */
int wk_RichEditDisable(HWND rich) WK_NOEXCEPT;
/* Enables it, gives it the focus, restores the system background: 0 if it was
 * disabled before, 1 if already enabled. */
int wk_RichEditEnable(HWND rich) WK_NOEXCEPT;
/* Invalidates it with erasing. 0 on success, 1 on failure. */
int wk_RichEditRepaint(HWND rich) WK_NOEXCEPT;
/* Gives it the keyboard focus. Returns the window that had it. */
HWND wk_RichEditSetFocus(HWND rich) WK_NOEXCEPT;

/* Selects [start, end). Returns end - start. */
int wk_RichEditSelect(HWND rich, int start, int end) WK_NOEXCEPT;
/* Selects [0, limit). Returns the platform's answer to EM_EXSETSEL. */
int wk_RichEditSelectAll(HWND rich) WK_NOEXCEPT;
/* Hides the selection highlight. Returns 0. */
int wk_RichEditHideSelection(HWND rich) WK_NOEXCEPT;
/* Shows the selection highlight again. Returns 0. */
int wk_RichEditShowSelection(HWND rich) WK_NOEXCEPT;
/* wk_SelStart/wk_SelEnd := the selection [first, one past last), 0-based.
 * Returns 1 when something is selected, else 0. */
int wk_RichEditHasSelection(HWND rich) WK_NOEXCEPT;
/* The selection's start; with "NOFORMAT" less two characters per line before it. */
int wk_RichEditCaretPosition(HWND rich, const char* keyword) WK_NOEXCEPT;
/* The line of the selection's start, counted from 1. */
int wk_RichEditCaretLine(HWND rich) WK_NOEXCEPT;
/* Hanging indent and count evenly spaced tab stops (points) for the whole text;
 * the stops stay within 900 points and are at most 32. Returns 0. */
int wk_RichEditSetTabs(HWND rich, int indent, int count, int spacing) WK_NOEXCEPT;
/* Sets the text limit. Returns the previous limit. */
int wk_RichEditSetLimit(HWND rich, int limit) WK_NOEXCEPT;
/* Returns the text limit. */
int wk_RichEditGetLimit(HWND rich) WK_NOEXCEPT;
/* Colours the whole text (999: keep it) and the background (999: system colour).
 * Returns the previous background colour. */
COLORREF wk_RichEditSetColors(HWND rich, COLORREF text, COLORREF background) WK_NOEXCEPT;
/* "ON" makes it editable, "OFF" read-only: 0 on success, 1 on failure or another word. */
int wk_RichEditSetEditable(HWND rich, const char* keyword) WK_NOEXCEPT;
/* Stops redrawing. Returns 1 when the platform answered nonzero, else 0. */
int wk_RichEditFreeze(HWND rich) WK_NOEXCEPT;
/* Resumes redrawing and repaints the whole control. Result as wk_RichEditFreeze. */
int wk_RichEditThaw(HWND rich) WK_NOEXCEPT;
/* Returns the control when it has the keyboard focus, else NULL. */
HWND wk_RichEditHasFocus(HWND rich) WK_NOEXCEPT;
/* Sets the text: 0 on success, 1 on failure. */
int wk_RichEditSetText(HWND rich, const char* text) WK_NOEXCEPT;
/* Selects the whole text and copies it and the zero into buffer, which must hold
 * wk_RichEditGetTextLength + 1 bytes.
 * Returns the platform's selection answer less 2. */
int wk_RichEditGetText(HWND rich, char* buffer) WK_NOEXCEPT;
/* Returns the text length (WM_GETTEXTLENGTH). */
int wk_RichEditGetTextLength(HWND rich) WK_NOEXCEPT;
/* Copies the selection and the zero into buffer, which must hold them. Returns the number of
 * characters copied. */
int wk_RichEditGetSelectedText(HWND rich, char* buffer) WK_NOEXCEPT;
/* A font of `points` points on its display, with the weight, the style code (0,
   1, 2, 3, 12, 13, 23 or 123: digits 1 italic, 2 underline, 3 strike-out) and
   the face; the fifth argument is unused. The caller owns the font. */
HFONT wk_RichEditCreateFont(HWND rich, int points, int weight, int style, int unused,
                            const char* face) WK_NOEXCEPT;
/* Sets the font: 0..4 are the stock fonts SYSTEM, ANSI_FIXED, ANSI_VAR,
 * DEFAULT_GUI and OEM_FIXED, anything else a font handle. Returns 0. */
int wk_RichEditSetFont(HWND rich, HFONT font) WK_NOEXCEPT;
/* Saves rich text when the name ends in "RTF" (any case), else plain text, replacing the file
 * safely. Returns the characters written, WK_RICH_FILE_CANNOT_OPEN, or
 * WK_RICH_FILE_NOTHING_MOVED (also when a write failed part-way: the old file is kept). */
int wk_RichEditSaveFile(HWND rich, const char* name) WK_NOEXCEPT;
/* Loads a file (format as for saving), replacing the text; a missing file is created
 * empty. Returns the characters read, WK_RICH_FILE_CANNOT_OPEN, or WK_RICH_FILE_NOTHING_MOVED. */
int wk_RichEditLoadFile(HWND rich, const char* name) WK_NOEXCEPT;
/* Returns 1 when the text was modified, else 0. */
int wk_RichEditIsModified(HWND rich) WK_NOEXCEPT;
/* "ON" sets, "OFF" clears the modified flag. Returns 0. */
int wk_RichEditSetModified(HWND rich, const char* keyword) WK_NOEXCEPT;
/* Deletes the selection. Returns 0. */
int wk_RichEditClear(HWND rich) WK_NOEXCEPT;
/* Finds text after ("D") or before ("U") the selection's start, matching case
 * with "M"; from_dialog 1 takes text and case from the find dialog. Selects the
 * match and returns WK_FIND_FOUND; WK_FIND_NONE_BELOW or WK_FIND_NONE_ABOVE when
 * there is none, the selection then unchanged; WK_FIND_NO_DIRECTION;
 * WK_FIND_EMPTY_CONTROL. */
int wk_RichEditFind(HWND rich, const char* text, int from_dialog, const char* direction,
                    const char* match_case) WK_NOEXCEPT;
/* Returns 1 when there is something to undo, else 0. */
int wk_RichEditCanUndo(HWND rich) WK_NOEXCEPT;
/* Forgets what could be undone. Returns 0. */
int wk_RichEditEmptyUndo(HWND rich) WK_NOEXCEPT;
/* Undoes and returns 1; with nothing to undo beeps and returns 0. */
int wk_RichEditUndo(HWND rich) WK_NOEXCEPT;
/* Cuts the selection to the clipboard. Returns 0. */
int wk_RichEditCut(HWND rich) WK_NOEXCEPT;
/* Copies the selection to the clipboard. Returns 0. */
int wk_RichEditCopy(HWND rich) WK_NOEXCEPT;
/* Pastes the clipboard. Returns 0. */
int wk_RichEditPaste(HWND rich) WK_NOEXCEPT;
/* Posts a message to the control: 0 on success, 1 on failure. */
int wk_RichEditPost(HWND rich, UINT message, WPARAM wparam, LPARAM lparam) WK_NOEXCEPT;
/* Returns 1 when the clipboard holds text (CF_TEXT), else 0. */
int wk_ClipboardHasText(void) WK_NOEXCEPT;

/* ---- Printing ---- */

/* Printer source of both print operations: 1 the device context of the
   print dialog's record (wk_PrintDialogRecord; a print uses it up, so the
   dialog must be shown again before the next), 0 a device context made for
   the default printer of the profile ([windows] device). Any other value
   gives no printer. */

/* Prints the word processor's text, or its selection (source 1: when the
   print dialog asked for the selection; source 0: when one exists), on
   pages with margins left, top, right, bottom in units of 11 printer
   pixels, zoom percent (100 normal size, at least 20), and a print font
   scaled from font (0..4: SYSTEM_FONT, ANSI_FIXED_FONT, ANSI_VAR_FONT,
   DEFAULT_GUI_FONT, OEM_FIXED_FONT; else a font handle, which stays the
   caller's) with face and effects of the font dialog's chosen font. Source
   1 prints the dialog's copies, as whole sets when it asked for collation.
   Shows the wait cursor meanwhile. Returns WK_PRINT_DONE, WK_PRINT_SMALL_ZOOM,
   WK_PRINT_NO_TEXT, WK_PRINT_NOT_STARTED, WK_PRINT_NO_PRINTER or
   WK_PRINT_NO_LINE_FITS (nothing started). */
int wk_WordProcSimplePrint(HWND word_processor, int left, int top, int right, int bottom,
                           const char* document_name, int zoom, UINT_PTR font,
                           int source) WK_NOEXCEPT;

/* Prints the rich edit's formatted text, or its selection, with margins
   left and top in millimetres and the page narrowed and shortened by
   width_change and height_change millimetres when those are 0 or negative
   (a positive change counts as 0); unused is not read. Disables the rich
   edit and shows the cancel dialog "Printing" meanwhile. Returns
   WK_PRINT_DONE when printed to the end or stopped by the user (the job is
   then cancelled; wk_PrintStopPressed tells which), WK_PRINT_STOPPED_LATE,
   WK_PRINT_NO_TEXT (the rich edit is empty), WK_PRINT_NOT_STARTED,
   WK_PRINT_NO_PRINTER or WK_PRINT_NO_LAYOUT (the pages laid out are
   printed). */
int wk_RichEditPrint(HWND rich_edit, int left, int top, int width_change, int height_change,
                     const char* document_name, int unused, int source) WK_NOEXCEPT;

/* The cancel dialog of the running rich edit print, NULL when there is none. */
extern HWND wk_PrintCancelDialog;
/* 1 once the user stopped the running rich edit print; 0 at each start. */
extern int wk_PrintCancelled;
/* 1 when the user pressed stop during the last rich edit print; 0 at each start. */
extern int wk_PrintStopPressed;

/* The cancel dialog's procedure: makes the "STOP PRINTING?" button (id 1,
   focused) and answers every command (the button, Return, Escape) by
   setting wk_PrintStopPressed and wk_PrintCancelled. Returns 1 for those
   two messages, 0 for the rest. */
INT_PTR CALLBACK wk_PrintCancelDialogProc(HWND dialog, UINT message, WPARAM wparam,
                                          LPARAM lparam) WK_NOEXCEPT;

/* The printer's abort procedure: while a cancel dialog exists, dispatches
   the thread's waiting messages (the dialog's through IsDialogMessageA)
   until none is left or the print is stopped. Returns 1 to go on, 0 once
   the print is stopped. */
BOOL CALLBACK wk_PrintAbortProc(HDC printer, int error) WK_NOEXCEPT;

/* ---- Rich text highlighting ---- */
/* Each call applies one format: the caller's face (NULL: keep), size in points
 * (0 or less: keep), effects (CFE_ bits, added to those the selection has) and colour.
 * Cost of a scanning call: one read of the text, one format change per match that lays out
 * only the paragraphs it touches (not the whole text), and one repaint when the caller's
 * thread next takes its messages. */

/* Formats [start, end) and leaves it selected. Returns the selection's start at
 * the call, or -1 for an empty control. */
int wk_RichEditFormatRange(HWND rich, int start, int end, const char* face, int points,
                           DWORD effects, COLORREF colour) WK_NOEXCEPT;
/* Formats every whole-word occurrence starting in [first, limit). Returns the start
 * of the last one, or the "NOFORMAT" caret position when none; -1 for an empty control. */
int wk_RichEditHighlightWord(HWND rich, int first, int limit, const char* word, const char* face,
                             int points, DWORD effects, COLORREF colour) WK_NOEXCEPT;
/* Markers are the first two characters of the text given, and nothing past them is read (no
 * terminator needed); a NULL marker or one of fewer characters matches nowhere. */
/* Formats from the first two-character marker of each line to the line's end.
 * Returns the start of the last marker counted, 0 when none, -1 for an empty control. */
int wk_RichEditHighlightToLineEnd(HWND rich, int first, int limit, const char* marker,
                                  const char* face, int points, DWORD effects,
                                  COLORREF colour) WK_NOEXCEPT;
/* Formats every block from an opening to the next closing marker (two characters
 * each, both included). Returns the end of the last block, the start of an open one
 * plus 2, 0 after a stray closing marker; -1 for an empty control. */
int wk_RichEditHighlightBlock(HWND rich, int first, int limit, const char* opening,
                              const char* closing, const char* face, int points, DWORD effects,
                              COLORREF colour) WK_NOEXCEPT;

#ifdef __cplusplus
}
#endif

#endif /* WK_TEXT_H */
