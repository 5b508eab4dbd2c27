// The drawing page: text in fonts and decorations, shadowed and vertical
// text, numbers, every line pattern, etched lines, bevel frames, grids,
// boxes, pixels, icons and bitmaps, and a picture made in a memory surface.
// The drawing operations keep nothing, so the page draws it all again at
// every paint.
#include <windows.h>

#include <cmath>

#include "gallery.hpp"
#include "wk_draw.h"

namespace gallery {

namespace {

constexpr COLORREF kInk = RGB(0, 0, 96);
constexpr COLORREF kRed = RGB(200, 0, 0);

struct Fonts {
  HFONT title = wk_CreateFont(22, 0, 0, FW_BOLD, 0, 0, "Arial");
  HFONT italic = wk_CreateFont(18, 0, 0, FW_NORMAL, 1, 0, "Times New Roman");
  HFONT underline = wk_CreateFont(18, 0, 0, FW_NORMAL, 2, 0, "Times New Roman");
  HFONT strike = wk_CreateFont(18, 0, 0, FW_NORMAL, 3, 0, "Times New Roman");
  HFONT all = wk_CreateFont(18, 0, 0, FW_BOLD, 123, 0, "Courier New");
  HFONT slanted = wk_CreateFont(18, 0, 300, FW_BOLD, 0, 0, "Arial");
  HFONT shadow = wk_CreateFont(30, 0, 0, FW_HEAVY, 0, 0, "Arial");
};

const Fonts& TheFonts() {
  static const Fonts fonts;
  return fonts;
}

void Label(HWND window, int x, int y, const char* text) {
  wk_WriteText(window, x, y, text, kInk, nullptr, 0);
}

void PaintText(HWND window, int x, int y) {
  const Fonts& f = TheFonts();
  Label(window, x, y, "Text and fonts");
  wk_WriteText(window, x, y + 20, "Bold Arial", RGB(0, 0, 0), f.title, 0);
  wk_WriteText(window, x, y + 46, "Italic", RGB(0, 0, 0), f.italic, 0);
  wk_WriteText(window, x + 60, y + 46, "Underlined", RGB(0, 0, 0), f.underline, 0);
  wk_WriteText(window, x + 150, y + 46, "Struck", RGB(0, 0, 0), f.strike, 0);
  wk_WriteText(window, x, y + 70, "Style 123", RGB(0, 0, 160), f.all, 0);
  wk_WriteText(window, x + 120, y + 70, "On yellow", RGB(0, 0, 0), nullptr, RGB(255, 255, 0));
  wk_WriteText(window, x + 230, y + 150, "Turned 30 degrees", kRed, f.slanted, 0);
  wk_WriteNumber(window, x + 300, y + 20, 3.14159265, 4, RGB(0, 128, 0), f.title, 0);
  wk_WriteNumber(window, x + 300, y + 46, 1e6 / 7, 2, RGB(0, 0, 0), nullptr, RGB(200, 255, 200));
  wk_WriteShadowText(window, x, y + 100, 3, "Shadow text", RGB(0, 0, 160), f.shadow, 0);
  wk_WriteShadowTextDown(window, x + 200, y + 20, 17, 2, "DOWN", kRed, f.title, 0);
  wk_WriteTextDown(window, x + 230, y + 20, 15, "TEXT", RGB(0, 0, 0), nullptr, 0);
}

void PaintLines(HWND window, int x, int y) {
  Label(window, x, y, "Lines: solid, dash, dot, dash-dot, dash-dot-dot, with a gap colour");
  const int right = x + 200;
  int row = y + 24;
  wk_DrawLine(window, x, row, right, row, RGB(0, 0, 0));
  row += 10;
  wk_DrawDashLine(window, x, row, right, row, RGB(0, 0, 0), 0);
  wk_DrawDashLine(window, right + 20, row, right + 220, row, RGB(0, 0, 0), RGB(255, 200, 0));
  row += 10;
  wk_DrawDotLine(window, x, row, right, row, RGB(0, 0, 0), 0);
  wk_DrawDotLine(window, right + 20, row, right + 220, row, RGB(0, 0, 0), RGB(255, 200, 0));
  row += 10;
  wk_DrawDashDotLine(window, x, row, right, row, RGB(0, 0, 0), 0);
  wk_DrawDashDotLine(window, right + 20, row, right + 220, row, RGB(0, 0, 0), RGB(255, 200, 0));
  row += 10;
  wk_DrawDashDotDotLine(window, x, row, right, row, RGB(0, 0, 0), 0);
  wk_DrawDashDotDotLine(window, right + 20, row, right + 220, row, RGB(0, 0, 0), RGB(255, 200, 0));
  wk_DrawLine(window, right + 20, y + 24, right + 220, y + 24, kRed);
  // A star of solid lines.
  const int cx = x + 560, cy = y + 50;
  for (int i = 0; i < 12; ++i) {
    const double angle = i * 3.14159265 / 6;
    wk_DrawLine(window, cx, cy, cx + static_cast<int>(40 * std::cos(angle)),
                cy + static_cast<int>(40 * std::sin(angle)), RGB(0, 20 * i, 255 - 20 * i));
  }
}

void PaintShading(HWND window, int x, int y) {
  Label(window, x, y, "Etched lines and bevel frames");
  wk_DrawEtchedLine(window, x, y + 24, 200, "RIGHT", "RAISED", 1);
  wk_DrawEtchedLine(window, x, y + 34, 200, "RIGHT", "LOWER", 1);
  wk_DrawEtchedLine(window, x, y + 44, 200, "RIGHT", "RAISED", 4);
  wk_DrawEtchedLine(window, x + 210, y + 24, 100, "DOWN", "LOWER", 2);
  wk_DrawEtchedLine(window, x + 226, y + 24, 100, "DOWN", "RAISED", 2);
  wk_DrawBevelFrame(window, x, y + 60, 90, 60, "RAISED", 3);
  wk_DrawBevelFrame(window, x + 100, y + 60, 90, 60, "LOWER", 3);
  wk_DrawBevelFrame(window, x + 245, y + 24, 60, 40, "RAISED", 0);
  wk_DrawBevelFrame(window, x + 245, y + 80, 60, 40, "LOWER", 6);
}

void PaintBoxes(HWND window, int x, int y) {
  Label(window, x, y, "Grids, boxes and pixels");
  wk_DrawGrid(window, x, y + 22, 120, 80, 10, RGB(128, 128, 128));
  wk_DrawGrid(window, x + 130, y + 22, 80, 80, 20, RGB(0, 0, 200));
  wk_FillBox(window, x + 220, y + 22, 50, 36, RGB(0, 160, 0));
  wk_DrawBox(window, x + 220, y + 66, x + 270, y + 102, RGB(255, 255, 0), 3, RGB(128, 0, 0));
  wk_DrawBox(window, x + 280, y + 22, x + 340, y + 102, RGB(200, 220, 255), 1, RGB(0, 0, 0));
  for (int i = 0; i < 40; ++i) {
    wk_SetPixel(window, x + 290 + i, y + 40 + static_cast<int>(20 * std::sin(i / 6.0)), kRed);
  }
}

void PaintImages(HWND window, int x, int y) {
  Label(window, x, y, "Icons, bitmaps, a memory surface");
  wk_DrawIcon(window, x, y + 22, "GALLERY_ICON");
  wk_DrawSystemIcon(window, x + 40, y + 22, IDI_QUESTION);
  wk_DrawSystemIcon(window, x + 80, y + 22, IDI_EXCLAMATION);
  wk_DrawBitmap(window, x, y + 62, "BUTTON_OK");
  wk_DrawBitmapStretched(window, x + 24, y + 62, 48, 48, "TB_DRAWING");
  // Drawn once into a memory surface, then copied to the window twice. The
  // surface is made while the window is the target, so that it is compatible
  // with the screen; then the drawing goes to it.
  static HDC surface = nullptr;
  if (surface == nullptr) {
    surface = wk_CreateMemorySurface(window, 60, 48, RGB(255, 255, 255));
    if (surface != nullptr) {
      wk_SetDrawTarget(window, "MEMORY");
      wk_DrawBox(window, 4, 4, 56, 44, RGB(255, 220, 220), 2, kRed);
      wk_DrawLine(window, 4, 4, 56, 44, RGB(0, 0, 160));
      wk_DrawLine(window, 4, 43, 56, 3, RGB(0, 0, 160));
      wk_WriteText(window, 16, 16, "mem", RGB(0, 0, 0), nullptr, 0);
      wk_SetDrawTarget(window, "CLIENT");
    }
  }
  if (surface != nullptr) {
    wk_CopyToTarget(window, surface, x + 120, y + 22, 60, 48);
    wk_CopyToTarget(window, surface, x + 190, y + 22, 60, 48);
  }
}

}  // namespace

void PaintDrawingPage(HWND window) {
  PaintText(window, kPageLeft, kPageTop);
  PaintShading(window, kPageLeft + 420, kPageTop);
  PaintLines(window, kPageLeft, kPageTop + 176);
  PaintBoxes(window, kPageLeft, kPageTop + 270);
  PaintImages(window, kPageLeft + 420, kPageTop + 270);
}

}  // namespace gallery
