// The drawing target and the memory surface, for every operation that draws.
//
// The target is process-wide: "CLIENT" draws into a window's client area,
// "WINDOW" into the whole window, "MEMORY" into the one memory surface. Every
// drawing operation obtains its device context through TargetDC (no paint
// cycle: queries and surface creation) or DrawingFrame (the device context
// plus a paint cycle on the window, which validates its update region).
#pragma once

#include <windows.h>

namespace wk::draw {

enum class Target : int { Client = 0, Window = 1, Memory = 2 };

Target CurrentTarget();
void SetTarget(Target target);
// The memory surface's device context, or null before one is made.
HDC MemorySurface();
// Stores the handle as the memory surface; returns the previous one.
HDC SwapMemorySurface(HDC dc);

// The device context the current target selects for `window`: GetDC,
// GetWindowDC or the memory surface. Released at the end of the scope,
// except the memory surface, which is never released or deleted here.
class TargetDC {
 public:
  explicit TargetDC(HWND window);
  ~TargetDC();
  TargetDC(const TargetDC&) = delete;
  TargetDC& operator=(const TargetDC&) = delete;
  HDC get() const { return dc_; }
  // Releases a window device context now (idempotent).
  void Release();

 private:
  HWND window_;
  HDC dc_;
  bool owned_;
};

// The frame of every drawing operation: the target's device context first,
// then a paint cycle on the window. At the end the device context is
// released before the paint cycle ends. The paint cycle's own device
// context is not drawn into, so drawing is not clipped to the update region.
class DrawingFrame {
 public:
  explicit DrawingFrame(HWND window);
  ~DrawingFrame();
  DrawingFrame(const DrawingFrame&) = delete;
  DrawingFrame& operator=(const DrawingFrame&) = delete;
  HDC get() const { return dc_.get(); }

 private:
  HWND window_;
  TargetDC dc_;
  PAINTSTRUCT paint_{};
  bool painting_;
};

// A background (or gap) colour for text cells and line gaps; 0 means
// transparent. The mode is set opaque for a colour too, since a memory
// surface keeps the transparent mode an earlier operation left on it.
void ApplyBackground(HDC dc, COLORREF background);

}  // namespace wk::draw
