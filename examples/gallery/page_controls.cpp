// The sliders page: sliders of both orientations and every frame, with the
// value of the one moved last written beside them; up-down controls of both
// orientations; progress bars that a button steps.
#include <windows.h>
#include <commctrl.h>

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

constexpr int kProgressX = 300;
constexpr int kProgressY = kReadoutY + 90;
enum : int { kStep = kControlFirst + 200 };
HWND g_progress[2] = {};

constexpr int kUpDownX = 600;
constexpr int kUpDownY = kReadoutY;
HWND g_updown[2] = {};

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
  // Ten steps of 10 fill a bar of 100; the eleventh starts it again.
  g_progress[0] =
      Keep(wk_ProgressCreate(window, kProgressX, kProgressY, 440, 22, "NORMAL", 100, 10));
  g_progress[1] =
      Keep(wk_ProgressCreate(window, kProgressX, kProgressY + 34, 440, 26, "SUNKEN", 100, 10));
  for (int i = 0; i < 3; ++i) wk_ProgressStep(g_progress[0]);
  for (int i = 0; i < 6; ++i) wk_ProgressStep(g_progress[1]);
  Keep(wk_ButtonCreate(window, kProgressX, kProgressY + 74, 120, 28, "Step", "C", "NORMAL", kStep));
  // Up-down controls: the upper end first, so the up arrow counts up.
  g_updown[0] = Keep(wk_UpDownCreate(window, kUpDownX, kUpDownY, 24, 48, "", 100, 0, 50));
  g_updown[1] =
      Keep(wk_UpDownCreateHorz(window, kUpDownX + 40, kUpDownY + 12, 64, 24, "B", 10, 0, 5));
}

bool ControlsPageCommand(HWND, int command) {
  if (command != kStep) return false;
  for (HWND bar : g_progress) wk_ProgressStep(bar);
  char line[80];
  std::snprintf(line, sizeof line, "Progress bars at %d and %d of 100",
                static_cast<int>(SendMessageA(g_progress[0], PBM_GETPOS, 0, 0)),
                static_cast<int>(SendMessageA(g_progress[1], PBM_GETPOS, 0, 0)));
  Report(line);
  return true;
}

void PaintControlsPage(HWND window) {
  int y = kSliderTop - 18;
  for (const char* frame : kFrames) {
    wk_WriteText(window, kPageLeft + 510, y + 30, frame, RGB(0, 0, 96), nullptr, 0);
    y += 56;
  }
  wk_WriteText(window, kPageLeft, kSliderTop - 18, "Sliders: horizontal and vertical, four frames",
               RGB(0, 0, 96), nullptr, 0);
  wk_WriteText(window, kUpDownX, kUpDownY - 18, "Up-down controls", RGB(0, 0, 96), nullptr, 0);
  wk_WriteText(window, kProgressX, kProgressY - 18, "Progress bars, \"NORMAL\" and \"SUNKEN\"",
               RGB(0, 0, 96), nullptr, 0);
  PaintReadout(window);
}

bool ControlsPageScroll(HWND window, WPARAM wparam, LPARAM lparam) {
  HWND slider = reinterpret_cast<HWND>(lparam);
  if (slider == nullptr) return false;
  for (HWND updown : g_updown) {
    const int position = wk_UpDownPosFromScroll(updown, wparam, lparam);
    if (position < 0) continue;
    g_value = position;
    const RECT readout = {kReadoutX, kReadoutY, kReadoutX + 200, kReadoutY + 48};
    InvalidateRect(window, &readout, FALSE);
    char line[80];
    std::snprintf(line, sizeof line, "Up-down at %d", position);
    Report(line);
    return true;
  }
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
