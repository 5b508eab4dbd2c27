// Text and number output at a pixel position, into the drawing target.
#include "toolkit/draw/draw_target.hpp"
#include "toolkit/draw/logic/number_text.hpp"
#include "wk_draw.h"

namespace {

// The steps that text and number output share: colour, font (the system
// font for null), background or transparency, the text in one line, and the
// system font and opaque mode back afterwards.
void DrawTextLine(HWND window, int x, int y, const char* text, COLORREF colour, HFONT font,
                  COLORREF background) {
  wk::draw::DrawingFrame frame(window);
  const HDC dc = frame.get();
  SetTextColor(dc, colour);
  SelectObject(dc, font ? static_cast<HGDIOBJ>(font) : GetStockObject(SYSTEM_FONT));
  wk::draw::ApplyBackground(dc, background);
  if (text) TextOutA(dc, x, y, text, lstrlenA(text));
  SelectObject(dc, GetStockObject(SYSTEM_FONT));
  SetBkMode(dc, OPAQUE);
}

}  // namespace

extern "C" int wk_WriteText(HWND window, int x, int y, const char* text, COLORREF colour,
                            HFONT font, COLORREF background) noexcept {
  DrawTextLine(window, x, y, text, colour, font, background);
  return 0;
}

extern "C" int wk_WriteNumber(HWND window, int x, int y, double value, int decimals,
                              COLORREF colour, HFONT font, COLORREF background) noexcept {
  char text[100];
  wk::draw::FormatFixed(value, decimals, text, sizeof text);
  DrawTextLine(window, x, y, text, colour, font, background);
  return 0;
}
