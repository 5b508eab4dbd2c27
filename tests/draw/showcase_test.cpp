// Everything the drawing operations make, in one window, as a person sees
// it: text and numbers, decorated text, every line pattern with and without
// a gap colour, etched lines, bevel frames, a grid, boxes, icons and a
// bitmap, next to push buttons and a slider. With WK_HOLD_MS set the window
// stays up that long, for a screenshot.
#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include <cstdlib>

#include "toolkit/controls/wk_controls.h"
#include "toolkit/draw/wk_draw.h"
#include "wktest.hpp"

namespace {

constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kSilver = RGB(192, 192, 192);
constexpr COLORREF kRed = RGB(220, 0, 0);
constexpr COLORREF kYellow = RGB(255, 230, 0);
constexpr COLORREF kNavy = RGB(0, 0, 128);

void DrawEverything(HWND w, HFONT label, HFONT readout) {
  wk_FillBox(w, 0, 0, 760, 390, RGB(96, 96, 96));
  // Text and numbers.
  wk_WriteText(w, 10, 10, "V\xE4lj signaltyp (transparent)", kWhite, label, 0);
  wk_WriteText(w, 10, 28, "opaque background", kBlack, nullptr, kYellow);
  wk_WriteNumber(w, 10, 50, 440.0, 1, kSilver, readout, 0);
  wk_WriteNumber(w, 260, 50, 3.14159, 8, kWhite, nullptr, kNavy);
  wk_WriteNumber(w, 260, 70, 1e300, 2, kWhite, nullptr, kNavy);
  wk_WriteNumber(w, 260, 90, 2.5, -3, kWhite, nullptr, kNavy);
  wk_WriteShadowText(w, 260, 115, 2, "Shadow +2", kNavy, nullptr, 0);
  wk_WriteShadowText(w, 380, 115, -2, "Shadow -2", kNavy, nullptr, 0);
  wk_WriteTextDown(w, 720, 10, 16, "DOWN", kYellow, nullptr, 0);
  wk_WriteShadowTextDown(w, 740, 10, 16, 1, "UP", kNavy, nullptr, 0);

  // Lines: solid (end point left out), then every pattern without and with
  // a gap colour.
  wk_DrawLine(w, 10, 150, 350, 150, kWhite);
  wk_DrawLine(w, 350, 150, 350, 200, kWhite);
  using Patterned = int (*)(HWND, int, int, int, int, COLORREF, COLORREF);
  const Patterned patterns[] = {wk_DrawDashLine, wk_DrawDotLine, wk_DrawDashDotLine,
                                wk_DrawDashDotDotLine};
  int y = 160;
  for (Patterned draw : patterns) {
    draw(w, 10, y, 330, y, kYellow, 0);
    draw(w, 10, y + 6, 330, y + 6, kYellow, kRed);
    y += 12;
  }

  // Etched lines, raised and sunken, thin and thick.
  wk_DrawEtchedLine(w, 380, 150, 300, "RIGHT", "RAISED", 1);
  wk_DrawEtchedLine(w, 380, 160, 300, "RIGHT", "LOWER", 1);
  wk_DrawEtchedLine(w, 380, 172, 300, "RIGHT", "RAISED", 4);
  wk_DrawEtchedLine(w, 380, 184, 300, "RIGHT", "LOWER", 4);
  wk_DrawEtchedLine(w, 690, 150, 60, "DOWN", "RAISED", 4);

  // Bevel frames, a grid, boxes.
  wk_DrawBevelFrame(w, 10, 230, 160, 90, "RAISED", 4);
  wk_DrawBevelFrame(w, 190, 230, 160, 90, "LOWER", 4);
  wk_DrawBevelFrame(w, 370, 230, 100, 90, "RAISED", 0);
  wk_DrawGrid(w, 490, 230, 200, 90, 15, kSilver);
  wk_FillBox(w, 10, 340, 60, 40, kRed);
  wk_DrawBox(w, 90, 340, 170, 380, kYellow, 3, kNavy);
  wk_DrawIcon(w, 190, 344, "BLUE_ICON");
  wk_DrawSystemIcon(w, 240, 344, IDI_EXCLAMATION);
  wk_DrawBitmap(w, 290, 344, "RED_BITMAP");
  wk_DrawBitmapStretched(w, 320, 344, 64, 32, "RED_BITMAP");
  for (int i = 0; i < 40; ++i) wk_SetPixel(w, 400 + i, 344 + i, kWhite);
}

TEST(Showcase, EverythingDrawnIntoOneWindow) {
  InitCommonControls();
  wktest::TestWindow window(780, 600, "wk drawing showcase");
  HFONT label = wk_CreateFont(12, 4, 0, 300, 0, 0, "Arial");
  HFONT readout = wk_CreateFont(80, 30, 0, 300, 0, 0, "Arial");
  HWND sinus = wk_ButtonCreate(window, 10, 400, 100, 40, "Sinus", "C", "BAR", 1001);
  HWND square = wk_ButtonCreate(window, 120, 400, 100, 40, "Fyrkant", "C", "BAR", 1002);
  wk_ButtonCreate(window, 230, 400, 100, 40, "P\xC5", "LB", "EDGE_SHADOW", 1014);
  wk_ButtonSetPushed(sinus);
  wk_ButtonDisable(sinus);
  (void)square;
  HWND slider = wk_SliderCreate(window, "H", 10, 460, 700, 40, "BAR", 25000, 1, 441);
  wktest::Pump(200);

  DrawEverything(window, label, readout);
  // The solid line's convention, on screen.
  EXPECT_EQ(wktest::PixelAt(window, 10, 150), kWhite);
  EXPECT_EQ(wktest::PixelAt(window, 349, 150), kWhite);
  EXPECT_EQ(wktest::PixelAt(window, 350, 199), kWhite);
  EXPECT_EQ(wktest::PixelAt(window, 350, 200), RGB(96, 96, 96));
  EXPECT_EQ(wktest::PixelAt(window, 30, 360), kRed);
  EXPECT_EQ(wk_SliderQuery(slider, "SLIDERPOS"), 441);

  if (const char* hold = std::getenv("WK_HOLD_MS")) {
    const int ms = std::atoi(hold);
    const DWORD end = GetTickCount() + ms;
    while (static_cast<int>(end - GetTickCount()) > 0) {
      wktest::Pump(100);
      // Drawing is not retained: draw again whenever the window was repainted.
      if (wktest::PixelAt(window, 30, 360) != kRed) DrawEverything(window, label, readout);
    }
  }
  DeleteObject(label);
  DeleteObject(readout);
}

}  // namespace
