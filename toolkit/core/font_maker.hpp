// The one maker of the fonts that the controls size in points for their own
// display: edit, spin and combo fields, the word processor, the rich edit,
// the list view and the status bar all make their fonts here.
#pragma once

#include <windows.h>

#include "gdi.hpp"
#include "toolkit/core/logic/font_style.hpp"

namespace wk {

// A Swiss-family font of `points` on `window`'s display (its LOGPIXELSY; the
// device context is released again, and 96 dots per inch stand in when the
// window has none), with the style code's attributes. A negative height
// asks for the character height, not the cell height. The caller owns the
// font.
inline HFONT MakeFontFor(HWND window, int points, int weight, int style_code, const char* face) {
  int dpi = 96;
  {
    WindowDC dc(window);
    if (dc) dpi = GetDeviceCaps(dc.get(), LOGPIXELSY);
  }
  const FontStyle style = StyleFromCode(style_code);
  return CreateFontA(-MulDiv(points, dpi, 72), 0, 0, 0, weight, style.italic, style.underline,
                     style.strike_out, 0, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                     FF_SWISS, face);
}

}  // namespace wk
