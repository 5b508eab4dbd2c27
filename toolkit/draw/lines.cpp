// Pixels, solid and patterned lines, etched lines, bevel frames and grids.
// A line colours its start point and every pixel up to, not including, its
// end point (the platform's convention), so a frame of four lines closes
// only when each line starts where the last one ended.
#include "toolkit/core/gdi.hpp"
#include "toolkit/core/keywords.hpp"
#include "toolkit/draw/draw_target.hpp"
#include "wk_draw.h"
#include "wk_windows.h"

namespace {

COLORREF Grey(int level) { return RGB(level, level, level); }

void Segment(HDC dc, int x1, int y1, int x2, int y2) {
  MoveToEx(dc, x1, y1, nullptr);
  LineTo(dc, x2, y2);
}

// One line with a pen made for it; gap < 0 means a solid line with no gap
// handling at all.
int PenLine(HWND window, int x1, int y1, int x2, int y2, int pen_style, COLORREF colour,
            long long gap) {
  {
    wk::draw::DrawingFrame frame(window);
    const HDC dc = frame.get();
    // Neither the gap colour nor the transparent mode is undone: a memory
    // surface keeps them.
    if (gap >= 0) wk::draw::ApplyBackground(dc, static_cast<COLORREF>(gap));
    wk::Pen pen(CreatePen(pen_style, 0, colour));
    wk::Selected selected(dc, pen.get());
    Segment(dc, x1, y1, x2, y2);
  }
  wk_ResultX = x2;
  wk_ResultY = y2;
  return 0;
}

bool IsLower(const char* depth) { return wk::IsKeyword(depth, "LOWER"); }

}  // namespace

extern "C" int wk_SetPixel(HWND window, int x, int y, COLORREF colour) noexcept {
  {
    wk::draw::DrawingFrame frame(window);
    SetPixel(frame.get(), x, y, colour);
  }
  wk_ResultX = x;
  wk_ResultY = y;
  return 0;
}

extern "C" int wk_DrawLine(HWND window, int x1, int y1, int x2, int y2, COLORREF colour) noexcept {
  return PenLine(window, x1, y1, x2, y2, PS_SOLID, colour, -1);
}

extern "C" int wk_DrawDashLine(HWND window, int x1, int y1, int x2, int y2, COLORREF colour,
                               COLORREF gap) noexcept {
  return PenLine(window, x1, y1, x2, y2, PS_DASH, colour, gap);
}

extern "C" int wk_DrawDotLine(HWND window, int x1, int y1, int x2, int y2, COLORREF colour,
                              COLORREF gap) noexcept {
  return PenLine(window, x1, y1, x2, y2, PS_DOT, colour, gap);
}

extern "C" int wk_DrawDashDotLine(HWND window, int x1, int y1, int x2, int y2, COLORREF colour,
                                  COLORREF gap) noexcept {
  return PenLine(window, x1, y1, x2, y2, PS_DASHDOT, colour, gap);
}

extern "C" int wk_DrawDashDotDotLine(HWND window, int x1, int y1, int x2, int y2, COLORREF colour,
                                     COLORREF gap) noexcept {
  return PenLine(window, x1, y1, x2, y2, PS_DASHDOTDOT, colour, gap);
}

// Up to four parallel grey lines; those at offsets 2 to thickness - 1 are
// left out, so a thick line shows the background in its middle.
extern "C" int wk_DrawEtchedLine(HWND window, int x, int y, int length, const char* direction,
                                 const char* depth, int thickness) noexcept {
  struct Row {
    int raised, sunken, offset;
    bool always;
  };
  const Row rows[] = {
      {255, 0, 0, true},
      {170, 130, 1, false},
      {130, 170, thickness, false},
      {0, 255, thickness + 1, true},
  };
  const bool right = wk::IsKeyword(direction, "RIGHT");
  const bool down = wk::IsKeyword(direction, "DOWN");
  const bool lower = IsLower(depth);
  wk::draw::DrawingFrame frame(window);
  const HDC dc = frame.get();
  if (!right && !down) return 0;
  for (const Row& row : rows) {
    if (!row.always && thickness <= 1) continue;
    wk::Pen pen(CreatePen(PS_SOLID, 1, Grey(lower ? row.sunken : row.raised)));
    wk::Selected selected(dc, pen.get());
    if (right) {
      Segment(dc, x, y + row.offset, x + length, y + row.offset);
    } else {
      Segment(dc, x + row.offset, y, x + row.offset, y + length);
    }
  }
  return 0;
}

// Dark edges first, light ones after, so the light ones show where lines
// meet: a light outer top-left around a dark inner top-left.
extern "C" int wk_DrawBevelFrame(HWND window, int x, int y, int width, int height,
                                 const char* depth, int inset) noexcept {
  const bool lower = IsLower(depth);
  const int X = x, Y = y, W = width, H = height, T = inset;
  wk::draw::DrawingFrame frame(window);
  const HDC dc = frame.get();
  {
    wk::Pen dark(CreatePen(PS_SOLID, 1, Grey(lower ? 255 : 0)));
    wk::Selected selected(dc, dark.get());
    Segment(dc, X + T + 1, Y + T + 1, X + W - T, Y + T + 1);  // inner top
    Segment(dc, X, Y + H + 1, X + W + 1, Y + H + 1);          // outer bottom
    Segment(dc, X + W, Y, X + W, Y + H + 1);                  // outer right
    Segment(dc, X + T + 1, Y + T + 1, X + T + 1, Y + H - T);  // inner left
  }
  {
    wk::Pen light(CreatePen(PS_SOLID, 1, Grey(lower ? 0 : 255)));
    wk::Selected selected(dc, light.get());
    Segment(dc, X, Y, X + W, Y);                                      // outer top
    Segment(dc, X + T + 1, Y + H - T, X + W - T, Y + H - T);          // inner bottom
    Segment(dc, X + W - T - 1, Y + T + 1, X + W - T - 1, Y + H - T);  // inner right
    Segment(dc, X, Y, X, Y + H + 1);                                  // outer left
  }
  return 0;
}

// The lines of wk_DrawLine, all in one drawing frame with one pen: a frame
// per line cost a device context and paint cycle each, and a grid with
// spacing 0 draws hundreds of lines. A line at an offset equal to the size
// is still drawn, closing the grid; the count limit (y + height lines
// across, x + width down) ends a grid whose spacing never reaches the size.
// A grid of no lines runs no paint cycle, as no wk_DrawLine would.
extern "C" int wk_DrawGrid(HWND window, int x, int y, int width, int height, int spacing,
                           COLORREF colour) noexcept {
  const long long step = spacing;
  const bool rows = height >= 0 && static_cast<long long>(y) + height > 0;
  const bool columns = width >= 0 && static_cast<long long>(x) + width > 0;
  if (!rows && !columns) return 0;
  POINT end{};
  {
    wk::draw::DrawingFrame frame(window);
    const HDC dc = frame.get();
    wk::Pen pen(CreatePen(PS_SOLID, 0, colour));
    wk::Selected selected(dc, pen.get());
    for (long long i = 0, offset = 0; offset <= height && i < static_cast<long long>(y) + height;
         ++i, offset += step) {
      const int row = static_cast<int>(y + offset);
      Segment(dc, x, row, x + width, row);
      end = {x + width, row};
    }
    for (long long j = 0, offset = 0; offset <= width && j < static_cast<long long>(x) + width;
         ++j, offset += step) {
      const int column = static_cast<int>(x + offset);
      Segment(dc, column, y, column, y + height);
      end = {column, y + height};
    }
  }
  wk_ResultX = end.x;
  wk_ResultY = end.y;
  return 0;
}
