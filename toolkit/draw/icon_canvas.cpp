// The icon editor's canvas: the 32 x 32 image drawn enlarged as a grid of
// cells in one of five styles, and painting the cell under the cursor.
//
// The canvas is drawn with the boxes and pixels of wk_FillBox and
// wk_SetPixel, so it goes wherever the drawing target points (a window or
// the memory surface).
#include <windows.h>

#include <cstddef>

#include "toolkit/core/gdi.hpp"
#include "toolkit/core/keywords.hpp"
#include "toolkit/draw/draw_target.hpp"
#include "toolkit/draw/logic/icon_file.hpp"
#include "wk_draw.h"
#include "wk_windows.h"

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

// The canvas's boxes and pixels, drawn as wk_FillBox and wk_SetPixel would
// draw them one by one, but in one drawing frame (one device context, one
// paint cycle) with one brush per colour: a paint cycle per cell made a
// canvas cost over a thousand of them. At the end the result pair holds the
// corner of the last box or pixel, as after the last of those calls.
class CanvasPainter {
 public:
  explicit CanvasPainter(HWND window) : frame_(window) {}
  ~CanvasPainter() {
    wk_ResultX = last_.x;
    wk_ResultY = last_.y;
  }
  CanvasPainter(const CanvasPainter&) = delete;
  CanvasPainter& operator=(const CanvasPainter&) = delete;

  void Box(int x, int y, int side, COLORREF colour) {
    last_ = {x, y};
    if (side <= 0) return;
    const RECT box{x, y, x + side, y + side};
    FillRect(frame_.get(), &box, BrushOf(colour));
  }
  void Pixel(int x, int y, COLORREF colour) {
    last_ = {x, y};
    SetPixel(frame_.get(), x, y, colour);
  }

 private:
  HBRUSH BrushOf(COLORREF colour) {
    std::size_t i = 0;
    while (i < count_ && colours_[i] != colour) ++i;
    if (i < count_) return brushes_[i].get();
    // A canvas has at most kMost colours; a further one would take the last
    // place rather than overrun.
    if (count_ < kMost)
      i = count_++;
    else
      i = kMost - 1;
    colours_[i] = colour;
    brushes_[i].reset(CreateSolidBrush(colour));
    return brushes_[i].get();
  }

  // The 16 of the palette, black and the marker.
  static constexpr std::size_t kMost = 18;
  wk::draw::DrawingFrame frame_;
  POINT last_{wk_ResultX, wk_ResultY};
  COLORREF colours_[kMost] = {};
  wk::Brush brushes_[kMost];
  std::size_t count_ = 0;
};

}  // namespace

extern "C" int wk_IconDrawCanvas(HWND window, int x, int y, double size, const int* image,
                                 const int* palette, COLORREF marker,
                                 const char* style_word) noexcept {
  if (image == nullptr || palette == nullptr) return 1;
  const CanvasStyle style = wk::KeywordValue(kCanvasStyles, style_word, kPlainCanvas);
  int colours[16];
  wk::icon::PaletteColours(colours, palette);
  const double d = size / kSide;
  const int box = Truncated(d - 1 + style.overlap);
  auto start_x = [&](int column) { return Truncated(x + column * d); };
  auto start_y = [&](int row) { return Truncated(y + row * d); };

  CanvasPainter paint(window);
  // First pass, column by column: every cell in its colour (transparent
  // ones black for now).
  for (int column = 0; column < kSide; ++column) {
    for (int row = 0; row < kSide; ++row) {
      const int value = image[row * kSide + column];
      const COLORREF colour = Transparent(value) ? kBlack : colours[value & 15];
      if (size > 32) {
        paint.Box(start_x(column), start_y(row), box, colour);
      } else {
        paint.Pixel(start_x(column), start_y(row), colour);
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
        if (style.mask) paint.Box(start_x(column), start_y(row), box, kBlack);
        continue;
      }
      if (size > 32) paint.Box(start_x(column), start_y(row), marker_box, marker);
      if (size < 33) paint.Pixel(start_x(column), start_y(row), marker);
      if (style.dots) {
        paint.Pixel(Truncated(x + column * d + d / 3), Truncated(y + row * d + d / 3), kBlack);
        paint.Pixel(Truncated(x + column * d + d / 2), Truncated(y + row * d + d / 2), kWhite);
      }
    }
  }
  return 0;
}

extern "C" int wk_CursorInBox(HWND window, int x, int y, int width, int height, int code) noexcept {
  POINT cursor{};
  if (!GetCursorPos(&cursor) || !ScreenToClient(window, &cursor)) return 0;
  const bool inside = x < cursor.x && cursor.x < x + width && y < cursor.y && cursor.y < y + height;
  return inside ? code : 0;
}

extern "C" int wk_IconPaintAtCursor(HWND window, int x, int y, int size, int* image,
                                    COLORREF colour, const char* style_word) noexcept {
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
