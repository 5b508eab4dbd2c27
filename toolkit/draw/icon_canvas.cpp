// The icon editor's canvas: the 32 x 32 image drawn enlarged as a grid of
// cells in one of five styles, and painting the cell under the cursor.
//
// Everything is drawn with wk_FillBox and wk_SetPixel, so the canvas goes
// wherever the drawing target points (a window or the memory surface).
#include <windows.h>

#include "toolkit/core/keywords.hpp"
#include "toolkit/draw/logic/icon_file.hpp"
#include "wk_draw.h"

namespace {

using wk::Keyword;

constexpr int kSide = wk::icon::kSide;
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);

struct CanvasStyle {
  double overlap;  // q: added to a cell box's side (2: one pixel wider than the pitch)
  double grid;     // g: added to a transparent cell's marker box
  bool dots;       // dots on transparent cells
  bool mask;       // show the mask: opaque cells black
};
constexpr CanvasStyle kPlainCanvas{2, 0, false, false};
constexpr Keyword<CanvasStyle> kCanvasStyles[] = {
    {"GRID", {0, 1, false, false}},    {"DOT", {2, 0, true, false}},
    {"GRID_DOT", {0, 1, true, false}}, {"NO_STYLE", kPlainCanvas},
    {"MASK", {2, 0, false, true}},
};

struct PaintStyle {
  bool grid;  // the box one pixel smaller than the cell
  bool dots;
};
constexpr Keyword<PaintStyle> kPaintStyles[] = {
    {"GRID", {true, false}},
    {"DOT", {false, true}},
    {"GRID_DOT", {true, true}},
    {"NO_STYLE", {false, false}},
};

// A cell is transparent when its mask bit is set. Loaded files can hold
// masked cells with a colour index other than 0 (17 to 31); they are shown
// as transparent too, which is what the mask makes them.
bool Transparent(int value) { return (value & 31) > 15; }

int Truncated(double v) { return static_cast<int>(v); }

}  // namespace

extern "C" int wk_IconDrawCanvas(HWND window, int x, int y, double size, const int* image,
                                 const int* palette, COLORREF marker, const char* style_word) {
  if (image == nullptr || palette == nullptr) return 1;
  const CanvasStyle style = wk::KeywordValue(kCanvasStyles, style_word, kPlainCanvas);
  int colours[16];
  wk::icon::PaletteColours(colours, palette);
  const double d = size / kSide;
  const int box = Truncated(d - 1 + style.overlap);
  auto start_x = [&](int column) { return Truncated(x + column * d); };
  auto start_y = [&](int row) { return Truncated(y + row * d); };

  // First pass, column by column: every cell in its colour (transparent
  // ones black for now).
  for (int column = 0; column < kSide; ++column) {
    for (int row = 0; row < kSide; ++row) {
      const int value = image[row * kSide + column];
      const COLORREF colour = Transparent(value) ? kBlack : colours[value & 15];
      if (size > 32) {
        wk_FillBox(window, start_x(column), start_y(row), box, box, colour);
      } else {
        wk_SetPixel(window, start_x(column), start_y(row), colour);
      }
    }
  }
  // Second pass, row by row: markers and dots on transparent cells, black
  // over opaque ones in the mask view.
  const int marker_box = Truncated(d - 2 + style.overlap + style.grid);
  for (int row = 0; row < kSide; ++row) {
    for (int column = 0; column < kSide; ++column) {
      const int value = image[row * kSide + column];
      if (!Transparent(value)) {
        if (style.mask) wk_FillBox(window, start_x(column), start_y(row), box, box, kBlack);
        continue;
      }
      if (size > 32)
        wk_FillBox(window, start_x(column), start_y(row), marker_box, marker_box, marker);
      if (size < 33) wk_SetPixel(window, start_x(column), start_y(row), marker);
      if (style.dots) {
        wk_SetPixel(window, Truncated(x + column * d + d / 3), Truncated(y + row * d + d / 3),
                    kBlack);
        wk_SetPixel(window, Truncated(x + column * d + d / 2), Truncated(y + row * d + d / 2),
                    kWhite);
      }
    }
  }
  return 0;
}

extern "C" int wk_CursorInBox(HWND window, int x, int y, int width, int height, int code) {
  POINT cursor{};
  if (!GetCursorPos(&cursor) || !ScreenToClient(window, &cursor)) return 0;
  const bool inside = x < cursor.x && cursor.x < x + width && y < cursor.y && cursor.y < y + height;
  return inside ? code : 0;
}

extern "C" int wk_IconPaintAtCursor(HWND window, int x, int y, int size, int* image,
                                    COLORREF colour, const char* style_word) {
  if (image == nullptr) return 1;
  const PaintStyle style = wk::KeywordValue(kPaintStyles, style_word, PaintStyle{false, false});
  const int index = wk::icon::ColourIndex(colour);
  const int f = size / kSide;
  const int box = style.grid ? f - 1 : f;
  for (int row = 0; row < kSide; ++row) {
    for (int column = 0; column < kSide; ++column) {
      const int left = x + column * f;
      const int top = y + row * f;
      if (!wk_CursorInBox(window, left, top, box, box, 1)) continue;
      image[row * kSide + column] = index;
      wk_FillBox(window, left, top, box, box, colour);
      if (style.dots && index == wk::icon::kTransparent) {
        wk_SetPixel(window, left + f / 3, top + f / 3, kBlack);
        wk_SetPixel(window, left + f / 2, top + f / 2, kWhite);
      }
    }
  }
  return 0;
}
