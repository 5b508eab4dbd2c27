// A memory surface made by the toolkit and selected as the drawing target for
// the life of the object, so drawing tests read exact pixels back without a
// screen in between. Afterwards the target is "CLIENT" again and the surface
// (device context and bitmap) is deleted.
#pragma once

#include <windows.h>

#include <vector>

#include "toolkit/draw/wk_draw.h"

namespace wktest {

// The pixels of [0, width) x [0, height) of a device context (a window's or
// a memory surface's), row by row as 0x00RRGGBB, copied in one BitBlt.
inline std::vector<DWORD> GrabPixels(HDC dc, int width, int height) {
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  HBITMAP dib = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  std::vector<DWORD> pixels;
  if (!dib) return pixels;
  HDC copy = CreateCompatibleDC(dc);
  HGDIOBJ previous = SelectObject(copy, dib);
  BitBlt(copy, 0, 0, width, height, dc, 0, 0, SRCCOPY);
  GdiFlush();
  const DWORD* first = static_cast<const DWORD*>(bits);
  pixels.assign(first, first + static_cast<size_t>(width) * height);
  SelectObject(copy, previous);
  DeleteDC(copy);
  DeleteObject(dib);
  return pixels;
}

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
  // Every pixel, row by row.
  std::vector<COLORREF> Pixels() const {
    std::vector<COLORREF> all;
    all.reserve(static_cast<size_t>(width_) * height_);
    for (int y = 0; y < height_; ++y) {
      for (int x = 0; x < width_; ++x) all.push_back(GetPixel(dc_, x, y));
    }
    return all;
  }
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
