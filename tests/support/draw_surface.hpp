// A memory surface made by the toolkit and selected as the drawing target for
// the life of the object, so drawing tests read exact pixels back without a
// screen in between. Afterwards the target is "CLIENT" again and the surface
// (device context and bitmap) is deleted.
#pragma once

#include <windows.h>

#include <vector>

#include "screenshot.hpp"
#include "toolkit/draw/wk_draw.h"

namespace wktest {

class DrawSurface {
 public:
  DrawSurface(HWND window, int width, int height, COLORREF fill) : width_(width), height_(height) {
    wk_SetDrawTarget(window, "CLIENT");
    dc_ = wk_CreateMemorySurface(window, width, height, fill);
    wk_SetDrawTarget(window, "MEMORY");
  }
  ~DrawSurface() {
    wk_SetDrawTarget(nullptr, "CLIENT");
    if (wk_SwapMemorySurface(nullptr) != dc_) return;  // someone else owns it now
    if (!dc_) return;
    HGDIOBJ bitmap = GetCurrentObject(dc_, OBJ_BITMAP);
    DeleteDC(dc_);
    DeleteObject(bitmap);
  }
  DrawSurface(const DrawSurface&) = delete;
  DrawSurface& operator=(const DrawSurface&) = delete;

  HDC dc() const { return dc_; }
  COLORREF at(int x, int y) const { return GetPixel(dc_, x, y); }
  // Every pixel, row by row as 0x00RRGGBB.
  std::vector<unsigned> Pixels() const { return GrabPixels(dc_, {0, 0, width_, height_}); }
  // How many pixels in [x0, x1) x [y0, y1) have the colour.
  int Count(COLORREF colour, int x0, int y0, int x1, int y1) const {
    int n = 0;
    for (int y = y0; y < y1; ++y) {
      for (int x = x0; x < x1; ++x) n += GetPixel(dc_, x, y) == colour;
    }
    return n;
  }
  int Count(COLORREF colour) const { return Count(colour, 0, 0, width_, height_); }
  // Whatever differs from the colour: the box around everything drawn, or an
  // empty rectangle.
  RECT Drawn(COLORREF background) const {
    RECT box{width_, height_, 0, 0};
    for (int y = 0; y < height_; ++y) {
      for (int x = 0; x < width_; ++x) {
        if (GetPixel(dc_, x, y) == background) continue;
        if (x < box.left) box.left = x;
        if (y < box.top) box.top = y;
        if (x + 1 > box.right) box.right = x + 1;
        if (y + 1 > box.bottom) box.bottom = y + 1;
      }
    }
    if (box.right == 0) box = RECT{0, 0, 0, 0};
    return box;
  }

 private:
  HDC dc_ = nullptr;
  int width_, height_;
};

}  // namespace wktest
