/* wk_draw.h - drawing into a window or a memory surface.
 *
 * Contents (one section per control kind or service, in this order):
 *   - Drawing target, text and number output
 *   - Fonts and decorated text
 *   - Lines, rectangles and shading
 *   - Icon editor canvas
 */
#ifndef WK_DRAW_H
#ifdef __cplusplus
#define WK_NOEXCEPT noexcept /* no C++ exception ever reaches a caller */
#else
#define WK_NOEXCEPT
#endif
#define WK_DRAW_H

#include <windows.h>

#ifdef __cplusplus
extern "C" {
#endif

/* ---- Drawing target, text and number output ---- */

/* Every drawing and text operation draws into the device context that the
   drawing target selects: "CLIENT" (the client area, the initial target),
   "WINDOW" (the whole window, frame included) or "MEMORY" (the memory
   surface). Each runs a paint cycle of its own on the window, which
   validates the window's update region. Colours are COLORREF values; a
   background or gap colour of 0 means transparent. */

/* Selects the drawing target for every window; other words change
   nothing. Returns 0. */
int wk_SetDrawTarget(HWND window, const char* keyword) WK_NOEXCEPT;
/* Makes a width x height surface compatible with the target's device
   context, filled with the colour, and makes it the memory surface (the
   previous one is not deleted). Returns its device context, or NULL (the
   memory surface is then unchanged). With "MEMORY" the target and no
   surface yet, there is nothing to be compatible with: NULL; make the
   first one while "CLIENT" is the target. */
HDC wk_CreateMemorySurface(HWND window, int width, int height, COLORREF fill) WK_NOEXCEPT;
/* Makes dc the memory surface. Returns the previous one (NULL if none). */
HDC wk_SwapMemorySurface(HDC dc) WK_NOEXCEPT;
/* Copies width x height pixels from (0, 0) of source to (x, y) of the
   target. 0 on success, 1 on failure. */
int wk_CopyToTarget(HWND window, HDC source, int x, int y, int width, int height) WK_NOEXCEPT;
/* Draws the text in one line with its top-left at (x, y), in the font (NULL:
   the system font) over the background colour (0: transparent). Returns 0. */
int wk_WriteText(HWND window, int x, int y, const char* text, COLORREF colour, HFONT font,
                 COLORREF background) WK_NOEXCEPT;
/* Draws the value with the given digits after the point (at most 8; fewer
   than 0 count as 0; a value too wide for 99 characters is written in
   exponent form) as wk_WriteText. Returns 0. */
int wk_WriteNumber(HWND window, int x, int y, double value, int decimals, COLORREF colour,
                   HFONT font, COLORREF background) WK_NOEXCEPT;

/* ---- Fonts and decorated text ---- */

/* CreateFontA with escapement and orientation both the angle (tenths of a
   degree), the style code's attributes (1 italic, 2 underline, 3 strike-out:
   0, 1, 2, 3, 12, 13, 23, 123; other codes: none), ANSI character set and
   default precisions. The caller owns the font. Returns it, or NULL. */
HFONT wk_CreateFont(int height, int width, int angle, int weight, int style_code,
                    int pitch_and_family, const char* face) WK_NOEXCEPT;
/* Draws the text in white, then in the colour offset by (offset, offset),
   offset clamped to -3..3; both passes transparent. Returns 0. */
int wk_WriteShadowText(HWND window, int x, int y, int offset, const char* text, COLORREF colour,
                       HFONT font, COLORREF background) WK_NOEXCEPT;
/* Draws the text one character under the other, character i at
   (x, y + i * step). Returns 0. */
int wk_WriteTextDown(HWND window, int x, int y, int step, const char* text, COLORREF colour,
                     HFONT font, COLORREF background) WK_NOEXCEPT;
/* wk_WriteTextDown with a white copy behind, as wk_WriteShadowText. Returns 0. */
int wk_WriteShadowTextDown(HWND window, int x, int y, int step, int offset, const char* text,
                           COLORREF colour, HFONT font, COLORREF background) WK_NOEXCEPT;

/* ---- Lines, rectangles and shading ---- */

/* Lines colour their start point and every pixel up to, not including,
   their end point. */

/* Sets the pixel (the device's nearest colour); result pair := (x, y).
   Returns 0. */
int wk_SetPixel(HWND window, int x, int y, COLORREF colour) WK_NOEXCEPT;
/* Solid one-pixel line; result pair := (x2, y2). Returns 0. */
int wk_DrawLine(HWND window, int x1, int y1, int x2, int y2, COLORREF colour) WK_NOEXCEPT;
/* Dashed line, gaps in the gap colour (0: gaps left as they were); result
   pair := (x2, y2). Returns 0. */
int wk_DrawDashLine(HWND window, int x1, int y1, int x2, int y2, COLORREF colour,
                    COLORREF gap) WK_NOEXCEPT;
/* Dotted line, as wk_DrawDashLine. Returns 0. */
int wk_DrawDotLine(HWND window, int x1, int y1, int x2, int y2, COLORREF colour,
                   COLORREF gap) WK_NOEXCEPT;
/* Dash-dot line, as wk_DrawDashLine. Returns 0. */
int wk_DrawDashDotLine(HWND window, int x1, int y1, int x2, int y2, COLORREF colour,
                       COLORREF gap) WK_NOEXCEPT;
/* Dash-dot-dot line, as wk_DrawDashLine. Returns 0. */
int wk_DrawDashDotDotLine(HWND window, int x1, int y1, int x2, int y2, COLORREF colour,
                          COLORREF gap) WK_NOEXCEPT;
/* Grey ridge ("LOWER": groove) of the length, "RIGHT" or "DOWN" from (x, y)
   (other directions draw nothing); rows at offsets 0, 1, thickness and
   thickness + 1 (the middle two only for thickness above 1). Returns 0. */
int wk_DrawEtchedLine(HWND window, int x, int y, int length, const char* direction,
                      const char* depth, int thickness) WK_NOEXCEPT;
/* Raised rim around a sunken field ("LOWER": the reverse), the inner
   rectangle inset + 1 pixels inside the outer one. Returns 0. */
int wk_DrawBevelFrame(HWND window, int x, int y, int width, int height, const char* depth,
                      int inset) WK_NOEXCEPT;
/* Fills x..x+width-1, y..y+height-1 (nothing when either size is 0 or
   less); result pair := (x, y). Returns 0. */
int wk_FillBox(HWND window, int x, int y, int width, int height, COLORREF colour) WK_NOEXCEPT;
/* Rectangle (right and bottom exclusive) filled with the fill colour, with a
   border of the width and colour; result pair := (left, top). Returns 0. */
int wk_DrawBox(HWND window, int left, int top, int right, int bottom, COLORREF fill,
               int border_width, COLORREF border) WK_NOEXCEPT;
/* Grid of lines every spacing pixels, closed on the far sides when the size
   is a multiple of the spacing, each line as wk_DrawLine draws it, all in one
   paint cycle. Returns 0. */
int wk_DrawGrid(HWND window, int x, int y, int width, int height, int spacing,
                COLORREF colour) WK_NOEXCEPT;
/* Returns the colour of the pixel of the target (the memory surface for
   "MEMORY"), or CLR_INVALID when it cannot be read. */
COLORREF wk_GetPixel(HWND window, int x, int y) WK_NOEXCEPT;
/* Draws the named icon of the window's module at its natural size. Returns 0. */
int wk_DrawIcon(HWND window, int x, int y, const char* icon_name) WK_NOEXCEPT;
/* Draws a predefined system icon (name or MAKEINTRESOURCE identifier).
   Returns 0. */
int wk_DrawSystemIcon(HWND window, int x, int y, const char* icon) WK_NOEXCEPT;
/* Draws the named bitmap of the window's module at its natural size. Returns 0. */
int wk_DrawBitmap(HWND window, int x, int y, const char* bitmap_name) WK_NOEXCEPT;
/* Draws the named bitmap scaled to width x height. Returns 0. */
int wk_DrawBitmapStretched(HWND window, int x, int y, int width, int height,
                           const char* bitmap_name) WK_NOEXCEPT;
/* Stores the largest width and the largest height among the primary
   display's modes (0 when none). Returns 0. */
int wk_MaxScreenSize(int* width, int* height) WK_NOEXCEPT;

/* ---- Icon editor canvas ---- */

/* An icon image is 1024 ints, 32 rows of 32 cells, top row first: a colour
   index 0 to 15, plus 16 when the cell is transparent. A palette is 48 ints,
   16 entries of blue, green, red. */

/* Fills the palette with the standard 16 colours. Returns 0. */
int wk_IconDefaultPalette(int* palette) WK_NOEXCEPT;
/* colours[i] := the colour value of palette entry i (16 values). Returns 0. */
int wk_IconPaletteColours(int* colours, const int* palette) WK_NOEXCEPT;
/* The standard palette's index of the colour, or 16 for any other colour. */
int wk_IconColourIndex(COLORREF colour) WK_NOEXCEPT;
/* Sets every cell of the image to the value. Returns 0. */
int wk_IconFill(int* image, int value) WK_NOEXCEPT;
/* Writes the image as a 766-byte icon file, replacing the file safely (the
   old one stays until the new one is complete). 0, or 1 when the file cannot
   be created or written. */
int wk_IconSave(const char* file_name, const int* palette, const int* image) WK_NOEXCEPT;
/* Reads the number-th image (1 for the first) found by its bitmap header
   anywhere in the file. 0, or 1 (palette and image untouched) when the file
   cannot be opened or holds no whole image of that number. */
int wk_IconLoad(const char* file_name, int* palette, int* image, int number) WK_NOEXCEPT;
/* The byte at offset 4 (an icon file's image count), or -1 when the file
   cannot be opened or is shorter than 5 bytes. */
int wk_IconFileImageCount(const char* file_name) WK_NOEXCEPT;
/* Draws the image enlarged to size x size pixels at (x, y) with style
   "GRID", "DOT", "GRID_DOT", "NO_STYLE" or "MASK" (other words: plain);
   transparent cells show the marker colour. Returns 0 (1 for a NULL image
   or palette). Cost: one device context and paint cycle per canvas, one brush
   per colour; about a millisecond for 320 pixels. */
int wk_IconDrawCanvas(HWND window, int x, int y, double size, const int* image, const int* palette,
                      COLORREF marker, const char* style) WK_NOEXCEPT;
/* Returns the code when the mouse cursor lies strictly inside the box (client
   coordinates of the window), else 0. */
int wk_CursorInBox(HWND window, int x, int y, int width, int height, int code) WK_NOEXCEPT;
/* Paints the canvas cell under the cursor in the colour and stores its
   standard index (16 for other colours) in the image; "GRID", "DOT",
   "GRID_DOT" as on the canvas. Returns 0 (1 for a NULL image). Its paint
   cycle validates the window, swallowing a repaint still pending: after
   invalidating (a palette frame), call UpdateWindow at once. */
int wk_IconPaintAtCursor(HWND window, int x, int y, int size, int* image, COLORREF colour,
                         const char* style) WK_NOEXCEPT;

#ifdef __cplusplus
}
#endif

#endif /* WK_DRAW_H */
