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

/* ---- Slider ---- */

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
