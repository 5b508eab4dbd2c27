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

/* ---- Text and file helpers ---- */

/* ---- Settings files ---- */

/* ---- Operating-system version ---- */

#ifdef __cplusplus
}
#endif

#endif /* WK_FILES_H */
