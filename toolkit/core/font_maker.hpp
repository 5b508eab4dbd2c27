// Fonts made from points, weight, style code and face name, measured on the
// display of a given window.
//
// The style code's decimal digits switch on attributes: 1 italic,
// 2 underline, 3 strike-out; the codes are 0, 1, 2, 3, 12, 13, 23 and 123.
// Any other code makes a plain font.
#pragma once

#include <windows.h>

#include "gdi.hpp"

namespace wk {

struct FontAttributes {
  BYTE italic, underline, strike_out;
};

inline FontAttributes FontAttributesFor(int style_code) {
  switch (style_code) {
    case 1:
      return {1, 0, 0};
    case 2:
      return {0, 1, 0};
    case 3:
      return {0, 0, 1};
    case 12:
      return {1, 1, 0};
    case 13:
      return {1, 0, 1};
    case 23:
      return {0, 1, 1};
    case 123:
      return {1, 1, 1};
    default:
      return {0, 0, 0};
  }
}

// A Swiss-family font of `points` on the display that `window` is drawn on
// (its LOGPIXELSY; the device context is released again). The caller owns
// the font.
inline HFONT MakeFontFor(HWND window, int points, int weight, int style_code, const char* face) {
  int height = 0;
  {
    WindowDC dc(window);
    height = MulDiv(points, GetDeviceCaps(dc.get(), LOGPIXELSY), 72);
  }
  const FontAttributes a = FontAttributesFor(style_code);
  return CreateFontA(-height, 0, 0, 0, weight, a.italic, a.underline, a.strike_out, 0,
                     OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, FF_SWISS, face);
}

}  // namespace wk
