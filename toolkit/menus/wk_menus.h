/* wk_menus.h - menu bars, popup menus, items and the system menu.
 *
 * Contents (one section per control kind or service, in this order):
 *   - Menus
 */
#ifndef WK_MENUS_H
#define WK_MENUS_H

#include <windows.h>

#ifdef __cplusplus
extern "C" {
#endif

/* ---- Menus ---- */

#ifdef __cplusplus
}
#endif

#endif /* WK_MENUS_H */
