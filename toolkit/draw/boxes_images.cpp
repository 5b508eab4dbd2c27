// Filled and framed rectangles, icons and bitmaps, and the two queries: the
// colour of a pixel and the largest display size.
#include "toolkit/core/gdi.hpp"
#include "toolkit/draw/draw_target.hpp"
#include "wk_draw.h"
#include "wk_windows.h"

namespace {

HINSTANCE ModuleOf(HWND window) {
  return reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(window, GWLP_HINSTANCE));
}

// Icons are drawn in device pixels whatever mapping mode the context has.
void PutIcon(HWND window, int x, int y, HICON icon) {
  wk::draw::DrawingFrame frame(window);
  const HDC dc = frame.get();
  if (!icon || !dc) return;
  const int previous = SetMapMode(dc, MM_TEXT);
  DrawIcon(dc, x, y, icon);
  SetMapMode(dc, previous);
}

// Natural size without `stretch`, else scaled to stretch->cx x stretch->cy.
void PutBitmap(HWND window, int x, int y, const SIZE* stretch, const char* name) {
  wk::draw::DrawingFrame frame(window);
  const HDC dc = frame.get();
  wk::Bitmap bitmap(LoadBitmapA(ModuleOf(window), name));
  if (!bitmap || !dc) return;
  wk::MemoryDC source(dc);
  wk::Selected selected(source.get(), bitmap.get());
  BITMAP info{};
  GetObjectA(bitmap.get(), sizeof info, &info);
  if (stretch) {
    StretchBlt(dc, x, y, stretch->cx, stretch->cy, source.get(), 0, 0, info.bmWidth, info.bmHeight,
               SRCCOPY);
  } else {
    BitBlt(dc, x, y, info.bmWidth, info.bmHeight, source.get(), 0, 0, SRCCOPY);
  }
}

}  // namespace

extern "C" int wk_FillBox(HWND window, int x, int y, int width, int height,
                          COLORREF colour) noexcept {
  {
    wk::draw::DrawingFrame frame(window);
    if (width > 0 && height > 0) {
      wk::Brush brush(CreateSolidBrush(colour));
      const RECT box{x, y, x + width, y + height};
      FillRect(frame.get(), &box, brush.get());
    }
  }
  wk_ResultX = x;
  wk_ResultY = y;
  return 0;
}

extern "C" int wk_DrawBox(HWND window, int left, int top, int right, int bottom, COLORREF fill,
                          int border_width, COLORREF border) noexcept {
  {
    wk::draw::DrawingFrame frame(window);
    const HDC dc = frame.get();
    wk::Pen pen(CreatePen(PS_SOLID, border_width, border));
    wk::Brush brush(CreateSolidBrush(fill));
    wk::Selected with_pen(dc, pen.get());
    wk::Selected with_brush(dc, brush.get());
    Rectangle(dc, left, top, right, bottom);
  }
  wk_ResultX = left;
  wk_ResultY = top;
  return 0;
}

// No paint cycle: reading changes nothing. With "MEMORY" selected the
// memory surface is read.
extern "C" COLORREF wk_GetPixel(HWND window, int x, int y) noexcept {
  wk::draw::TargetDC dc(window);
  return GetPixel(dc.get(), x, y);
}

extern "C" int wk_DrawIcon(HWND window, int x, int y, const char* icon_name) noexcept {
  PutIcon(window, x, y, LoadIconA(ModuleOf(window), icon_name));
  return 0;
}

extern "C" int wk_DrawSystemIcon(HWND window, int x, int y, const char* icon) noexcept {
  PutIcon(window, x, y, LoadIconA(nullptr, icon));
  return 0;
}

extern "C" int wk_DrawBitmap(HWND window, int x, int y, const char* bitmap_name) noexcept {
  PutBitmap(window, x, y, nullptr, bitmap_name);
  return 0;
}

extern "C" int wk_DrawBitmapStretched(HWND window, int x, int y, int width, int height,
                                      const char* bitmap_name) noexcept {
  const SIZE size{width, height};
  PutBitmap(window, x, y, &size, bitmap_name);
  return 0;
}

// The two maxima are kept separately, so they may come from different modes.
extern "C" int wk_MaxScreenSize(int* width, int* height) noexcept {
  int max_width = 0, max_height = 0;
  DEVMODEA mode{};
  mode.dmSize = sizeof mode;
  for (DWORD i = 0; EnumDisplaySettingsA(nullptr, i, &mode); ++i) {
    if (static_cast<int>(mode.dmPelsWidth) > max_width) max_width = mode.dmPelsWidth;
    if (static_cast<int>(mode.dmPelsHeight) > max_height) max_height = mode.dmPelsHeight;
  }
  if (width) *width = max_width;
  if (height) *height = max_height;
  return 0;
}
