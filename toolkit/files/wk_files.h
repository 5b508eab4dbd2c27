/* wk_files.h - file and font dialogs, text and file helpers, settings, system version.
 *
 * Contents (one section per control kind or service, in this order):
 *   - File and font dialogs
 *   - Text and file helpers
 *   - Settings files
 *   - Operating-system version
 */
#ifndef WK_FILES_H
#define WK_FILES_H

#include <windows.h>

#ifdef __cplusplus
extern "C" {
#endif

/* ---- File and font dialogs ---- */
/* Filter keywords: "NONE_FILTER", "TXT_FILTER", "ALL_FILTER", "C_DEV_FILTER", or
 * "OWN_FILTER" for own_filter (pairs of zero-terminated strings, an extra zero at
 * the end); another word keeps the previous call's filter. Name keywords:
 * "FILENAME" or "PATH" put the chosen name or full path into the owner's title. */

/* Lets the user choose a file to open. Returns 0 when one was chosen, 1 otherwise;
 * the name keyword is applied either way (after a cancel: the previous choice). */
int wk_OpenFileDialog(HWND owner, const char* title, const char* name_keyword,
                      const char* filter_keyword, const char* own_filter);
/* Lets the user choose a name to save under. Returns 0 when one was chosen, 1
 * otherwise; the name keyword is applied only to a chosen name. */
int wk_SaveFileDialog(HWND owner, const char* title, const char* name_keyword,
                      const char* filter_keyword, const char* own_filter);
/* The open dialog's last full path (after a multiple choice: the folder, then the
 * names, each zero-terminated) and name without folder. Valid until the next call. */
const char* wk_OpenFilePath(void);
const char* wk_OpenFileName(void);
/* The save dialog's last full path and name without folder. */
const char* wk_SaveFilePath(void);
const char* wk_SaveFileName(void);
/* The font dialog, starting from current. Effects "ON" offers strike-out,
 * underline and colour. Mode "OFF": plain without script choice; "RTF_AND_ON" or
 * "RTF_AND_OFF" (without script choice): window is a rich edit whose selection
 * gets the chosen font; anything else: plain. Returns the new font (the caller's),
 * and the chosen colour in wk_LastColor; when cancelled: current in plain mode,
 * NULL in rich-text mode. */
HFONT wk_FontDialog(HWND window, const char* effects, const char* mode, HFONT current);

/* ---- Text and file helpers ---- */

/* ---- Settings files ---- */

/* ---- Operating-system version ---- */

#ifdef __cplusplus
}
#endif

#endif /* WK_FILES_H */
