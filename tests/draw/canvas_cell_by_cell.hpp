// The icon canvas drawn the long way: one wk_FillBox or wk_SetPixel per
// cell and pass, each with its own device context and paint cycle, in the
// order the canvas is defined by (first pass column by column, second pass
// row by row). wk_IconDrawCanvas must leave exactly these pixels and this
// result pair; the benchmark also times it as the cost of drawing that way.
#pragma once

#include <windows.h>

#include <cstring>

#include "wk_draw.h"

namespace canvastest {

inline void DrawCellByCell(HWND window, int x, int y, double size, const int* image,
                           const int* palette, COLORREF marker, const char* style) {
  struct Settings {
    const char* word;
    double overlap, grid;
    bool dots, mask;
  };
  static constexpr Settings kStyles[] = {
      {"GRID", 0, 1, false, false},    {"DOT", 2, 0, true, false},
      {"GRID_DOT", 0, 1, true, false}, {"NO_STYLE", 2, 0, false, false},
      {"MASK", 2, 0, false, true},
  };
  Settings s{"", 2, 0, false, false};
  for (const Settings& row : kStyles) {
    if (style && std::strcmp(style, row.word) == 0) s = row;
  }
  int colours[16];
  wk_IconPaletteColours(colours, palette);
  const double d = size / 32;
  const int box = static_cast<int>(d - 1 + s.overlap);
  const int marker_box = static_cast<int>(d - 2 + s.overlap + s.grid);
  auto left = [&](int column) { return static_cast<int>(x + column * d); };
  auto top = [&](int row) { return static_cast<int>(y + row * d); };
  // Masked cells (16 to 31) count as transparent, whatever their colour bits.
  auto clear = [&](int row, int column) { return (image[row * 32 + column] & 31) > 15; };
  for (int column = 0; column < 32; ++column) {
    for (int row = 0; row < 32; ++row) {
      const COLORREF c = clear(row, column) ? RGB(0, 0, 0) : colours[image[row * 32 + column] & 15];
      if (size > 32) {
        wk_FillBox(window, left(column), top(row), box, box, c);
      } else {
        wk_SetPixel(window, left(column), top(row), c);
      }
    }
  }
  for (int row = 0; row < 32; ++row) {
    for (int column = 0; column < 32; ++column) {
      if (!clear(row, column)) {
        if (s.mask) wk_FillBox(window, left(column), top(row), box, box, RGB(0, 0, 0));
        continue;
      }
      if (size > 32) wk_FillBox(window, left(column), top(row), marker_box, marker_box, marker);
      if (size < 33) wk_SetPixel(window, left(column), top(row), marker);
      if (s.dots) {
        wk_SetPixel(window, static_cast<int>(x + column * d + d / 3),
                    static_cast<int>(y + row * d + d / 3), RGB(0, 0, 0));
        wk_SetPixel(window, static_cast<int>(x + column * d + d / 2),
                    static_cast<int>(y + row * d + d / 2), RGB(255, 255, 255));
      }
    }
  }
}

}  // namespace canvastest
