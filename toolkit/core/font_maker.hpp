// Fonts of a size in points for the display a window is drawn on: the font
// makers of the controls that carry their own font (list views, combo boxes).
#pragma once

#include <windows.h>

#include "gdi.hpp"
#include "toolkit/draw/logic/font_style.hpp"

namespace wk {

// A Swiss-family font of `points` on `window`'s display (its LOGPIXELSY; the
// device context is released again), with the style code's attributes. The
// caller owns the font.
inline HFONT MakeFontFor(HWND window, int points, int weight, int style_code, const char* face) {
  int height = 0;
  {
    WindowDC dc(window);
    height = MulDiv(points, GetDeviceCaps(dc.get(), LOGPIXELSY), 72);
  }
  const draw::FontStyle style = draw::StyleFromCode(style_code);
  return CreateFontA(-height, 0, 0, 0, weight, style.italic, style.underline, style.strike_out, 0,
                     OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, FF_SWISS, face);
}

}  // namespace wk
