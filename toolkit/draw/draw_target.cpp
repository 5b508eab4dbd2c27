// The drawing target, the memory surface and the frame every drawing
// operation runs in; the operations that choose and fill the surface.
#include "toolkit/draw/draw_target.hpp"

#include "toolkit/core/gdi.hpp"
#include "toolkit/core/keywords.hpp"
#include "wk_draw.h"

namespace wk::draw {

namespace {
// Unguarded, shared by every window: a selection made for one window holds
// for all until it is changed back.
Target g_target = Target::Client;
HDC g_memory_surface = nullptr;

constexpr Keyword<Target> kTargets[] = {
    {"CLIENT", Target::Client},
    {"WINDOW", Target::Window},
    {"MEMORY", Target::Memory},
};
}  // namespace

Target CurrentTarget() { return g_target; }
void SetTarget(Target target) { g_target = target; }
HDC MemorySurface() { return g_memory_surface; }

HDC SwapMemorySurface(HDC dc) {
  const HDC previous = g_memory_surface;
  g_memory_surface = dc;
  return previous;
}

void ApplyBackground(HDC dc, COLORREF background) {
  if (background != 0) {
    SetBkColor(dc, background);
    SetBkMode(dc, OPAQUE);
  } else {
    SetBkMode(dc, TRANSPARENT);
  }
}

TargetDC::TargetDC(HWND window) : window_(window), dc_(nullptr), owned_(false) {
  switch (g_target) {
    case Target::Client:
      dc_ = GetDC(window);
      owned_ = true;
      break;
    case Target::Window:
      dc_ = GetWindowDC(window);
      owned_ = true;
      break;
    case Target::Memory:
      // A null surface makes every following GDI call fail: nothing is drawn.
      dc_ = g_memory_surface;
      break;
  }
}

TargetDC::~TargetDC() { Release(); }

void TargetDC::Release() {
  if (owned_ && dc_) ReleaseDC(window_, dc_);
  owned_ = false;
}

DrawingFrame::DrawingFrame(HWND window) : window_(window), dc_(window) {
  // BeginPaint lets the window erase a region marked for erasing before the
  // operation draws over it.
  painting_ = BeginPaint(window, &paint_) != nullptr;
}

DrawingFrame::~DrawingFrame() {
  dc_.Release();
  if (painting_) EndPaint(window_, &paint_);
}

}  // namespace wk::draw

using wk::draw::DrawingFrame;
using wk::draw::TargetDC;

extern "C" int wk_SetDrawTarget(HWND, const char* keyword) noexcept {
  if (const wk::draw::Target* target = wk::FindKeyword(wk::draw::kTargets, keyword)) {
    wk::draw::SetTarget(*target);
  }
  return 0;
}

extern "C" HDC wk_CreateMemorySurface(HWND window, int width, int height, COLORREF fill) noexcept {
  TargetDC target(window);
  wk::Bitmap bitmap(CreateCompatibleBitmap(target.get(), width, height));
  wk::MemoryDC made(target.get());
  target.Release();
  if (!bitmap || !made) return nullptr;
  // From here on the surface and its bitmap belong to the caller.
  const HDC surface = made.release();
  // The previous surface is not deleted: its owner holds the handle.
  wk::draw::SwapMemorySurface(surface);
  SelectObject(surface, bitmap.release());
  wk::Brush brush(CreateSolidBrush(fill));
  const RECT all{0, 0, width, height};
  FillRect(surface, &all, brush.get());
  return surface;
}

extern "C" HDC wk_SwapMemorySurface(HDC dc) noexcept { return wk::draw::SwapMemorySurface(dc); }

extern "C" int wk_CopyToTarget(HWND window, HDC source, int x, int y, int width,
                               int height) noexcept {
  DrawingFrame frame(window);
  return BitBlt(frame.get(), x, y, width, height, source, 0, 0, SRCCOPY) ? 0 : 1;
}
