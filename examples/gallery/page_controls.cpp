// The slider page: sliders of both orientations and every frame, with the
// value of the one moved last written beside them.
#include <windows.h>

#include <cstdio>

#include "gallery.hpp"
#include "wk_controls.h"
#include "wk_draw.h"

namespace gallery {

namespace {

constexpr int kSliderTop = kPageTop + 24;
constexpr int kReadoutX = 300;
constexpr int kReadoutY = kSliderTop + 250;

constexpr const char* kFrames[] = {"NORMAL", "SUNKEN", "BAR", "EDGE"};

HWND Keep(HWND control) {
  Shared().controls.push_back(control);
  return control;
}

HFONT ReadoutFont() {
  static HFONT font = wk_CreateFont(40, 0, 0, FW_BOLD, 0, 0, "Arial");
  return font;
}

int g_value = 0;

void PaintReadout(HWND window) {
  wk_FillBox(window, kReadoutX, kReadoutY, 200, 48, RGB(0, 0, 0));
  wk_WriteNumber(window, kReadoutX + 10, kReadoutY + 4, g_value, 0, RGB(0, 255, 0), ReadoutFont(),
                 0);
}

}  // namespace

void BuildControlsPage(HWND window) {
  int y = kSliderTop;
  for (const char* frame : kFrames) {
    Keep(wk_SliderCreate(window, "H", kPageLeft, y, 500, 44, frame, 100, 10, 25));
    y += 56;
  }
  int x = kPageLeft;
  for (const char* frame : kFrames) {
    Keep(wk_SliderCreate(window, "V", x, y + 10, 44, 170, frame, 50, 5, 40));
    x += 60;
  }
}

void PaintControlsPage(HWND window) {
  int y = kSliderTop - 18;
  for (const char* frame : kFrames) {
    wk_WriteText(window, kPageLeft + 510, y + 30, frame, RGB(0, 0, 96), nullptr, 0);
    y += 56;
  }
  wk_WriteText(window, kPageLeft, kSliderTop - 18, "Sliders: horizontal and vertical, four frames",
               RGB(0, 0, 96), nullptr, 0);
  PaintReadout(window);
}

bool ControlsPageScroll(HWND window, WPARAM wparam, LPARAM lparam) {
  HWND slider = reinterpret_cast<HWND>(lparam);
  if (slider == nullptr) return false;
  g_value = wk_SliderThumbFromScroll(slider, wparam, lparam);
  if (LOWORD(wparam) == SB_ENDSCROLL) g_value = wk_SliderQuery(slider, "SLIDERPOS");
  const RECT readout = {kReadoutX, kReadoutY, kReadoutX + 200, kReadoutY + 48};
  InvalidateRect(window, &readout, FALSE);
  char line[80];
  std::snprintf(line, sizeof line, "Slider at %d of %d", g_value,
                wk_SliderQuery(slider, "SLIDERPOSNR"));
  Report(line);
  return true;
}

}  // namespace gallery
