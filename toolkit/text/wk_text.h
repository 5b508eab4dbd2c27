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
#define WK_TEXT_H

#include <windows.h>

#ifdef __cplusplus
extern "C" {
#endif

/* ---- Edit fields ---- */

/* ---- Combo boxes ---- */

/* ---- Simple word processor ---- */

/* ---- Rich edit ---- */

/* ---- Printing ---- */

/* ---- Rich text highlighting ---- */

#ifdef __cplusplus
}
#endif

#endif /* WK_TEXT_H */
