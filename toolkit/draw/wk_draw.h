/* wk_draw.h - drawing into a window or a memory surface.
 *
 * Contents (one section per control kind or service, in this order):
 *   - Drawing target, text and number output
 *   - Fonts and decorated text
 *   - Lines, rectangles and shading
 *   - Icon editor canvas
 */
#ifndef WK_DRAW_H
#define WK_DRAW_H

#include <windows.h>

#ifdef __cplusplus
extern "C" {
#endif

/* ---- Drawing target, text and number output ---- */

/* ---- Fonts and decorated text ---- */

/* ---- Lines, rectangles and shading ---- */

/* ---- Icon editor canvas ---- */

#ifdef __cplusplus
}
#endif

#endif /* WK_DRAW_H */
