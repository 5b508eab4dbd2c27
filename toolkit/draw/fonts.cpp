// Fonts from a few integers and a face name, and decorated text: a white
// highlight copy behind the text, and text one character under the other.
#include "toolkit/draw/draw_target.hpp"
#include "toolkit/core/logic/font_style.hpp"
#include "wk_draw.h"

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);

int ClampOffset(int offset) { return offset > 3 ? 3 : offset < -3 ? -3 : offset; }

// A null font is not replaced: the device context keeps the font it has.
void SelectFont(HDC dc, HFONT font) {
  if (font) SelectObject(dc, font);
}

// The caller's font is never left selected.
void Finish(HDC dc) {
  SelectObject(dc, GetStockObject(SYSTEM_FONT));
  SetBkMode(dc, OPAQUE);
}

void Line(HDC dc, int x, int y, const char* text) {
  if (text) TextOutA(dc, x, y, text, lstrlenA(text));
}

// Each character by itself, so the step alone decides the spacing.
void Column(HDC dc, int x, int y, int step, const char* text) {
  if (!text) return;
  long long row = y;
  for (int i = 0; text[i] != '\0'; ++i, row += step) {
    TextOutA(dc, x, static_cast<int>(row), text + i, 1);
  }
}

}  // namespace

extern "C" HFONT wk_CreateFont(int height, int width, int angle, int weight, int style_code,
                               int pitch_and_family, const char* face) noexcept {
  const wk::FontStyle style = wk::StyleFromCode(style_code);
  return CreateFontA(height, width, angle, angle, weight, style.italic, style.underline,
                     style.strike_out, ANSI_CHARSET, 0, 0, 0, static_cast<DWORD>(pitch_and_family),
                     face);
}

// The background colour is set but both passes draw only glyphs, so it has
// no visible effect.
extern "C" int wk_WriteShadowText(HWND window, int x, int y, int offset, const char* text,
                                  COLORREF colour, HFONT font, COLORREF background) noexcept {
  offset = ClampOffset(offset);
  wk::draw::DrawingFrame frame(window);
  const HDC dc = frame.get();
  wk::draw::ApplyBackground(dc, background);
  SetTextColor(dc, kWhite);
  SelectFont(dc, font);
  SetBkMode(dc, TRANSPARENT);
  Line(dc, x, y, text);
  SetTextColor(dc, colour);
  Line(dc, x + offset, y + offset, text);
  Finish(dc);
  return 0;
}

extern "C" int wk_WriteTextDown(HWND window, int x, int y, int step, const char* text,
                                COLORREF colour, HFONT font, COLORREF background) noexcept {
  wk::draw::DrawingFrame frame(window);
  const HDC dc = frame.get();
  SelectFont(dc, font);
  SetTextColor(dc, colour);
  wk::draw::ApplyBackground(dc, background);
  Column(dc, x, y, step, text);
  Finish(dc);
  return 0;
}

extern "C" int wk_WriteShadowTextDown(HWND window, int x, int y, int step, int offset,
                                      const char* text, COLORREF colour, HFONT font,
                                      COLORREF background) noexcept {
  offset = ClampOffset(offset);
  wk::draw::DrawingFrame frame(window);
  const HDC dc = frame.get();
  wk::draw::ApplyBackground(dc, background);
  SetTextColor(dc, kWhite);
  SelectFont(dc, font);
  SetBkMode(dc, TRANSPARENT);
  Column(dc, x, y, step, text);
  SetTextColor(dc, colour);
  Column(dc, x + offset, y + offset, step, text);
  Finish(dc);
  return 0;
}
