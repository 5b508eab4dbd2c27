/* wk_windows.h - top-level windows, window services, message boxes, dialogs.
 *
 * Contents:
 *   - process-wide result pair (wk_ResultX, wk_ResultY)
 *   - AppWindowProc: the window procedure every toolkit window class uses;
 *     the application defines it
 *   - top-level windows: create, background, restyle, dialog windows
 *   - window services: the wk_Window... and wk_DialogWindow... families
 *   - keyword message boxes
 *   - dialogs from named templates, the print and find dialogs
 *
 * Style keywords are compared exactly and case-sensitively; a word that is
 * not in an operation's table selects that operation's default.
 */
#ifndef WK_WINDOWS_H
#ifdef __cplusplus
#define WK_NOEXCEPT noexcept /* no C++ exception ever reaches a caller */
#else
#define WK_NOEXCEPT
#endif
#define WK_WINDOWS_H

#include <windows.h>
#include <commdlg.h>

#ifdef __cplusplus
extern "C" {
#endif

/* ---- Shared state ------------------------------------------------------ */

/* Result pair: get-position operations store x and y here, get-size
   operations width and height. Read them right after the call. */
/* x, or width, of the last operation that stored a result pair. */
extern int wk_ResultX;
/* y, or height, of the last operation that stored a result pair. */
extern int wk_ResultY;

/* The application's window procedure; wk_WindowCreate installs it for every
   class it registers. Every program linking the toolkit defines it. */
LRESULT CALLBACK AppWindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);

/* ---- Top-level windows ------------------------------------------------- */

/* Registers a class named after the title ("Class<module>" when empty),
   creates the window with the keyword's styles (height plus one caption
   height), shows it and gives it a button-face background. Returns the
   window, or NULL when the class cannot be registered (a title already in
   use, or a title of 250 characters or more). */
HWND wk_WindowCreate(HINSTANCE module, const char* title, int x, int y, int width, int height,
                     const char* keyword) WK_NOEXCEPT;
/* Makes a solid brush of the colour the class background and invalidates
   the window. Returns 0. */
int wk_WindowSetBackground(HWND window, COLORREF colour) WK_NOEXCEPT;
/* Replaces the extended, window and class styles by the keyword's, then
   grows the window by one caption height and shows it. Returns 0. */
int wk_WindowRestyle(HWND window, const char* keyword) WK_NOEXCEPT;
/* As wk_WindowRestyle, but keeps the window's rectangle. Returns 0. */
int wk_WindowRestyleInPlace(HWND window, const char* keyword) WK_NOEXCEPT;
/* Makes a modeless dialog from the template "wk_DLG_TEMPLATE_1" of the
   parent's module, styled by the keyword, titled, placed and shown. Returns
   the dialog, or NULL when the module has no such template. */
HWND wk_DialogWindowCreate(HWND parent, const char* title, int x, int y, int width, int height,
                           const char* keyword, DLGPROC procedure) WK_NOEXCEPT;

/* ---- Window services: windows made by wk_WindowCreate ------------------ */

/* DestroyWindow. 0 on success, 1 on failure. */
int wk_WindowDestroy(HWND window) WK_NOEXCEPT;
/* ShowWindow with the command of the show-state keyword ("HIDE", "MAXI",
   "MINI", "RESTORE", "SHOW", "DEFAULT", "ACTIVMAXI", "ACTIVMINI",
   "INACTMINI", "INACTIV", "INACTRESENT", "NORMAL"). Returns 1 when the window
   was hidden before, 0 when it was visible. */
int wk_WindowShowState(HWND window, const char* keyword) WK_NOEXCEPT;
/* Hides the window where it is. 0 on success, 1 on failure. */
int wk_WindowHide(HWND window) WK_NOEXCEPT;
/* ShowWindow(SW_SHOW). Returns 1 when the window was visible before. */
int wk_WindowShow(HWND window) WK_NOEXCEPT;
/* ShowWindow(SW_SHOWMAXIMIZED). Returns 1 when the window was hidden before. */
int wk_WindowMaximize(HWND window) WK_NOEXCEPT;
/* Moves the top-left corner; 999999 keeps a coordinate. Returns 0. */
int wk_WindowMove(HWND window, int left, int top) WK_NOEXCEPT;
/* Resizes; 999999 keeps a value; a new height gets one caption height
   added. Returns 0. */
int wk_WindowResize(HWND window, int width, int height) WK_NOEXCEPT;
/* Centres the window on the screen. Returns 0. */
int wk_WindowCenter(HWND window) WK_NOEXCEPT;
/* Result pair := outer left, top in screen coordinates. Returns 0. */
int wk_WindowGetPosition(HWND window) WK_NOEXCEPT;
/* Result pair := outer width, height. Returns 0. */
int wk_WindowGetSize(HWND window) WK_NOEXCEPT;
/* Applies a border keyword ("TRANSPARENT", "FLAT", "FLAT_BORDER", "SUNKEN",
   "NORMAL", "NORMAL_SUNKEN"), then grows the window by one caption height
   and shows it. Returns 0. */
int wk_WindowSetBorder(HWND window, const char* keyword) WK_NOEXCEPT;
/* "ON" sets the sizing border, "OFF" toggles it; then as
   wk_WindowSetBorder. Returns 0. */
int wk_WindowSizingBorder(HWND window, const char* keyword) WK_NOEXCEPT;
/* SetWindowTextA. Returns 0. */
int wk_WindowSetText(HWND window, const char* text) WK_NOEXCEPT;
/* Copies at most max_length characters and the zero into buffer. Returns
   the number of characters copied. */
int wk_WindowGetText(HWND window, char* buffer, int max_length) WK_NOEXCEPT;
/* Invalidates the window, "ERASED" with and "UNERASED" without erasing.
   0 when the request was made, 1 otherwise. */
int wk_WindowRepaint(HWND window, const char* keyword) WK_NOEXCEPT;
/* SetFocus. Returns the window that had the focus before, or NULL. */
HWND wk_WindowSetFocus(HWND window) WK_NOEXCEPT;
/* Returns the window when it has the keyboard focus, else NULL. */
HWND wk_WindowHasFocus(HWND window) WK_NOEXCEPT;
/* Loads the named icon from the window's module and makes it the class
   icon (none when the module lacks it). Returns 0. */
int wk_WindowSetIcon(HWND window, const char* icon_name) WK_NOEXCEPT;
/* Makes a system icon (IDI_...) the class icon. Returns 0. */
int wk_WindowSetStockIcon(HWND window, const char* icon_id) WK_NOEXCEPT;

/* ---- Window services: dialogs made by wk_DialogWindowCreate ------------ */

/* Destroys a dialog made by wk_DialogWindowCreate; ends a modal one with 2
   (DestroyWindow when that fails). 0 on success, 1 on failure. */
int wk_DialogWindowClose(HWND dialog) WK_NOEXCEPT;
/* As wk_WindowShowState. */
int wk_DialogWindowShowState(HWND dialog, const char* keyword) WK_NOEXCEPT;
/* As wk_WindowHide. */
int wk_DialogWindowHide(HWND dialog) WK_NOEXCEPT;
/* ShowWindow(SW_RESTORE). Returns 1 when the dialog was visible before. */
int wk_DialogWindowRestore(HWND dialog) WK_NOEXCEPT;
/* As wk_WindowMaximize. */
int wk_DialogWindowMaximize(HWND dialog) WK_NOEXCEPT;
/* As wk_WindowMove. */
int wk_DialogWindowMove(HWND dialog, int left, int top) WK_NOEXCEPT;
/* As wk_WindowResize. */
int wk_DialogWindowResize(HWND dialog, int width, int height) WK_NOEXCEPT;
/* As wk_WindowCenter. */
int wk_DialogWindowCenter(HWND dialog) WK_NOEXCEPT;
/* As wk_WindowGetPosition. */
int wk_DialogWindowGetPosition(HWND dialog) WK_NOEXCEPT;
/* As wk_WindowGetSize. */
int wk_DialogWindowGetSize(HWND dialog) WK_NOEXCEPT;
/* Applies a border keyword keeping the dialog's rectangle. Returns 0. */
int wk_DialogWindowSetBorder(HWND dialog, const char* keyword) WK_NOEXCEPT;
/* "ON"/"OFF" sizing border keeping the dialog's rectangle. Returns 0. */
int wk_DialogWindowSizingBorder(HWND dialog, const char* keyword) WK_NOEXCEPT;
/* As wk_WindowSetText. */
int wk_DialogWindowSetText(HWND dialog, const char* text) WK_NOEXCEPT;
/* As wk_WindowGetText. */
int wk_DialogWindowGetText(HWND dialog, char* buffer, int max_length) WK_NOEXCEPT;
/* As wk_WindowRepaint. */
int wk_DialogWindowRepaint(HWND dialog, const char* keyword) WK_NOEXCEPT;
/* SetActiveWindow. Returns the window that was active before, or NULL. */
HWND wk_DialogWindowActivate(HWND dialog) WK_NOEXCEPT;
/* As wk_WindowHasFocus. */
HWND wk_DialogWindowHasFocus(HWND dialog) WK_NOEXCEPT;
/* As wk_WindowSetIcon. */
int wk_DialogWindowSetIcon(HWND dialog, const char* icon_name) WK_NOEXCEPT;
/* As wk_WindowSetStockIcon. */
int wk_DialogWindowSetStockIcon(HWND dialog, const char* icon_id) WK_NOEXCEPT;
/* Creates a solid brush of the colour and returns it (the caller owns it). */
HBRUSH wk_DialogWindowBrush(HWND dialog, COLORREF colour) WK_NOEXCEPT;

/* ---- Keyword message boxes ---- */

/* Toolkit answer codes of wk_MessageBox. */
#define WK_ANSWER_NONE 0 /* the box could not be shown */
#define WK_ANSWER_NO 1
#define WK_ANSWER_IGNORE 2
#define WK_ANSWER_RETRY 3
#define WK_ANSWER_YES 4
#define WK_ANSWER_OK 5
#define WK_ANSWER_CANCEL 6 /* Cancel, Abort or the close box */

/* Shows a message box whose icon ("EXCLAMATION", "INFORMATION", "QUESTION",
   "STOP") and buttons ("yes_no_CANCEL", "OK_help", ...: the upper-case word
   is the default button) come from keywords. Returns the answer code above,
   0 when the box could not be shown. */
int wk_MessageBox(HWND owner, const char* caption, const char* text, const char* icon_keyword,
                  const char* button_keyword) WK_NOEXCEPT;
/* Shows the text with an OK button; with clear keyword "D" the buffer is
   emptied (first character 0) after the box is closed. Returns 0. */
int wk_ShowMessage(HWND owner, const char* caption, char* text,
                   const char* clear_keyword) WK_NOEXCEPT;
/* Answers of wk_AskSaveChanges. */
#define WK_SAVE_UNASKED 0 /* not modified (nothing shown), or the box failed */
#define WK_SAVE_YES 1
#define WK_SAVE_CANCEL 2
#define WK_SAVE_NO 3
/* When the edit control's contents are modified, asks Yes/No/Cancel.
   Returns one of the WK_SAVE_* answers. */
int wk_AskSaveChanges(HWND edit, const char* caption, const char* text) WK_NOEXCEPT;
/* Appends the values to destination as the format's conversions say
   (%i %u %l %U %f %s; other text is dropped; the format's digits, in order,
   give the decimals of the %f conversions, 2 when none is left) and a line
   feed. The caller provides the room. Returns destination. */
char* wk_AppendFormatted(char* destination, const char* format, ...) WK_NOEXCEPT;

/* ---- Dialogs ---- */

/* The print dialog's record, filled anew by each wk_PrintDialog. After a
   confirmed dialog it holds the printer's device context (hDC), Flags and
   nCopies. */
extern PRINTDLGA wk_PrintDialogRecord;
/* The find dialog's record, filled by wk_FindDialog; its lpstrFindWhat is
   the toolkit's search-text buffer. */
extern FINDREPLACEA wk_FindDialogRecord;
/* The record of the latest find notification that wk_FindMessage took
   (NULL before the first): search text and flags of the last request. */
extern FINDREPLACEA* wk_FindNotice;

/* Modal dialog from the template "wk_DLG_MODAL_TEMPLATE_1" of the window's
   module, owned by the window. Returns what the procedure gave EndDialog,
   or -1 when the dialog cannot be made (no such template). */
INT_PTR wk_ModalDialog(HWND window, DLGPROC procedure) WK_NOEXCEPT;
/* As wk_ModalDialog with the template "wk_DLG_SYSTEM_MODAL_TEMPLATE_1". */
INT_PTR wk_SystemModalDialog(HWND window, DLGPROC procedure) WK_NOEXCEPT;
/* Modal dialog from the template "MODAL_DIALOG" with wk_DefaultDialogProc.
   Returns the EndDialog value, or -1 without the template. */
INT_PTR wk_DefaultModalDialog(HWND window) WK_NOEXCEPT;
/* Shows the dialog titled "Tillverkad fr\xE5n dialog" and answers its
   messages as handled; the close box, Alt+F4, WM_CLOSE and Escape end it
   with 2, OK (Return) with 1. */
INT_PTR CALLBACK wk_DefaultDialogProc(HWND dialog, UINT message, WPARAM wparam,
                                      LPARAM lparam) WK_NOEXCEPT;
/* The platform's print dialog, owned by the window's parent or owner.
   Returns 1 when confirmed, 0 otherwise (wk_PrintDialogRecord.hDC is then
   NULL). */
int wk_PrintDialog(HWND window) WK_NOEXCEPT;
/* Opens the modeless find dialog with the edit control's selection as the
   search text. Returns the dialog, or NULL (selection over 256 characters,
   or the platform refused). */
HWND wk_FindDialog(HWND owner, HWND edit) WK_NOEXCEPT;
/* Turns a find notification into WM_COMMAND(up_command or down_command)
   posted to notify. Call it for every message the owner does not handle.
   Returns WK_FIND_NOTICE_POSTED when a command was posted, WK_FIND_NOTICE_TOO_LONG when
   the search text was too long (the dialog is destroyed), 0 otherwise (not
   the find message, dialog closing, or nothing to post). */
#define WK_FIND_NOTICE_POSTED 1
#define WK_FIND_NOTICE_TOO_LONG 2
int wk_FindMessage(HWND notify, HWND find_dialog, HWND edit, LPARAM lparam, UINT message,
                   int up_command, int down_command) WK_NOEXCEPT;
/* Result pair := the mouse position in the window's client coordinates.
   Returns 0. */
int wk_CursorInWindow(HWND window) WK_NOEXCEPT;

#ifdef __cplusplus
}
#endif

#endif /* WK_WINDOWS_H */
