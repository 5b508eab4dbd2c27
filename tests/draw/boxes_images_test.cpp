// Filled and framed boxes, pixel queries, icons and bitmaps from this
// program's resources, and the largest display size.
#include <gtest/gtest.h>

#include "toolkit/draw/wk_draw.h"
#include "toolkit/windows/wk_windows.h"
#include "draw_surface.hpp"
#include "wktest.hpp"

namespace {

using wktest::DrawSurface;

constexpr COLORREF kBlue = RGB(0, 0, 200);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kGreen = RGB(0, 160, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kIconBlue = RGB(0, 0, 255);  // the test icon's colour

class Boxes : public ::testing::Test {
 protected:
  wktest::TestWindow window_;
};

TEST_F(Boxes, FillBoxCoversWidthByHeightPixels) {
  DrawSurface s(window_, 40, 40, kBlue);
  EXPECT_EQ(wk_FillBox(window_, 5, 6, 10, 4, kRed), 0);
  EXPECT_EQ(std::make_pair(wk_ResultX, wk_ResultY), std::make_pair(5, 6));
  EXPECT_EQ(s.Count(kRed), 40);
  EXPECT_EQ(s.Count(kRed, 5, 6, 15, 10), 40);
  // Zero or negative sizes draw nothing but still set the result pair.
  wk_FillBox(window_, 20, 21, 0, 5, kGreen);
  wk_FillBox(window_, 20, 21, 5, -3, kGreen);
  wk_FillBox(window_, 20, 21, -5, -3, kGreen);
  EXPECT_EQ(s.Count(kGreen), 0);
  EXPECT_EQ(std::make_pair(wk_ResultX, wk_ResultY), std::make_pair(20, 21));
}

TEST_F(Boxes, DrawBoxHasABorderOfItsWidthAroundTheFill) {
  DrawSurface s(window_, 60, 60, kBlue);
  EXPECT_EQ(wk_DrawBox(window_, 10, 10, 30, 25, kGreen, 1, kRed), 0);
  EXPECT_EQ(std::make_pair(wk_ResultX, wk_ResultY), std::make_pair(10, 10));
  EXPECT_EQ(s.at(10, 10), kRed);
  EXPECT_EQ(s.at(29, 24), kRed);  // right and bottom exclusive
  EXPECT_EQ(s.at(30, 24), kBlue);
  EXPECT_EQ(s.at(29, 25), kBlue);
  EXPECT_EQ(s.at(11, 11), kGreen);
  EXPECT_EQ(s.Count(kRed), 2 * 20 + 2 * 13);
  EXPECT_EQ(s.Count(kGreen), 18 * 13);
  // A wide border covers more of the box; the surface gets its pen and
  // brush back.
  DrawSurface w(window_, 60, 60, kBlue);
  wk_DrawBox(window_, 10, 10, 40, 40, kGreen, 5, kRed);
  EXPECT_EQ(w.at(12, 20), kRed);
  EXPECT_EQ(w.at(25, 25), kGreen);
  EXPECT_EQ(GetCurrentObject(w.dc(), OBJ_PEN), GetStockObject(BLACK_PEN));
  EXPECT_EQ(GetCurrentObject(w.dc(), OBJ_BRUSH), GetStockObject(WHITE_BRUSH));
}

TEST_F(Boxes, GetPixelReadsTheTargetWithoutAPaintCycle) {
  wk_SetDrawTarget(window_, "CLIENT");
  wktest::Pump(50);
  wk_FillBox(window_, 10, 10, 5, 5, kRed);
  EXPECT_EQ(wk_GetPixel(window_, 12, 12), kRed);
  EXPECT_EQ(wk_GetPixel(window_, 5000, 5000), CLR_INVALID);
  InvalidateRect(window_, nullptr, FALSE);
  wk_GetPixel(window_, 12, 12);
  EXPECT_TRUE(GetUpdateRect(window_, nullptr, FALSE));  // left pending
  ValidateRect(window_, nullptr);

  // "WINDOW": (0, 0) is the window's corner; "MEMORY": the memory surface.
  wk_SetDrawTarget(window_, "WINDOW");
  RECT outer{};
  GetWindowRect(window_, &outer);
  POINT origin{0, 0};
  ClientToScreen(window_, &origin);
  EXPECT_EQ(wk_GetPixel(window_, 12 + origin.x - outer.left, 12 + origin.y - outer.top), kRed);
  DrawSurface s(window_, 10, 10, kGreen);
  EXPECT_EQ(wk_GetPixel(window_, 3, 3), kGreen);
  EXPECT_EQ(wk_GetPixel(window_, 10, 3), CLR_INVALID);
}

TEST_F(Boxes, BitmapsAtNaturalSizeAndStretched) {
  DrawSurface s(window_, 80, 80, kBlue);
  EXPECT_EQ(wk_DrawBitmap(window_, 4, 5, "RED_BITMAP"), 0);  // 16 x 16 red
  EXPECT_EQ(s.Count(kRed), 16 * 16);
  EXPECT_EQ(s.Count(kRed, 4, 5, 20, 21), 16 * 16);
  DrawSurface t(window_, 80, 80, kBlue);
  EXPECT_EQ(wk_DrawBitmapStretched(window_, 10, 20, 50, 8, "RED_BITMAP"), 0);
  EXPECT_EQ(t.Count(kRed), 50 * 8);
  EXPECT_EQ(t.Count(kRed, 10, 20, 60, 28), 50 * 8);
  // A missing bitmap draws nothing and is no error.
  EXPECT_EQ(wk_DrawBitmap(window_, 0, 0, "NO_SUCH_BITMAP"), 0);
  EXPECT_EQ(wk_DrawBitmapStretched(window_, 0, 0, 5, 5, "NO_SUCH_BITMAP"), 0);
  EXPECT_EQ(t.Count(kRed), 50 * 8);
}

TEST_F(Boxes, IconsFromTheModuleAndFromTheSystem) {
  DrawSurface s(window_, 80, 80, kWhite);
  EXPECT_EQ(wk_DrawIcon(window_, 10, 12, "BLUE_ICON"), 0);  // 32 x 32 blue
  EXPECT_EQ(s.Count(kIconBlue), 32 * 32);
  EXPECT_EQ(s.Count(kIconBlue, 10, 12, 42, 44), 32 * 32);
  // The mapping mode is put back after drawing in device pixels.
  EXPECT_EQ(GetMapMode(s.dc()), MM_TEXT);
  SetMapMode(s.dc(), MM_LOMETRIC);
  DrawSurface t(window_, 80, 80, kWhite);
  SetMapMode(t.dc(), MM_LOMETRIC);
  wk_DrawIcon(window_, 10, 12, "BLUE_ICON");
  EXPECT_EQ(GetMapMode(t.dc()), MM_LOMETRIC);
  SetMapMode(t.dc(), MM_TEXT);
  EXPECT_EQ(t.Count(kIconBlue, 10, 12, 42, 44), 32 * 32);

  DrawSurface u(window_, 80, 80, kWhite);
  EXPECT_EQ(wk_DrawSystemIcon(window_, 4, 4, IDI_EXCLAMATION), 0);
  const RECT drawn = u.Drawn(kWhite);
  EXPECT_GE(drawn.left, 4);
  EXPECT_LE(drawn.right, 4 + GetSystemMetrics(SM_CXICON));
  EXPECT_GT(drawn.right - drawn.left, 10);
  EXPECT_EQ(wk_DrawIcon(window_, 0, 0, "NO_SUCH_ICON"), 0);
  EXPECT_EQ(wk_DrawSystemIcon(window_, 0, 0, "NO_SUCH_ICON"), 0);
  EXPECT_EQ(u.Drawn(kWhite).left, drawn.left);
}

TEST_F(Boxes, MaxScreenSizeIsAtLeastTheCurrentScreen) {
  int width = -1, height = -1;
  EXPECT_EQ(wk_MaxScreenSize(&width, &height), 0);
  EXPECT_GE(width, GetSystemMetrics(SM_CXSCREEN));
  EXPECT_GE(height, GetSystemMetrics(SM_CYSCREEN));
  DEVMODEA mode{};
  mode.dmSize = sizeof mode;
  for (DWORD i = 0; EnumDisplaySettingsA(nullptr, i, &mode); ++i) {
    EXPECT_LE(static_cast<int>(mode.dmPelsWidth), width);
    EXPECT_LE(static_cast<int>(mode.dmPelsHeight), height);
  }
  EXPECT_EQ(wk_MaxScreenSize(nullptr, nullptr), 0);
}

}  // namespace
