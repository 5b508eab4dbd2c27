// Pixels, lines, patterned lines, etched lines, bevel frames and grids, read
// back pixel by pixel from memory surfaces.
#include <gtest/gtest.h>

#include <string>
#include <vector>

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

COLORREF Grey(int v) { return RGB(v, v, v); }

class Lines : public ::testing::Test {
 protected:
  wktest::TestWindow window_;
};

TEST_F(Lines, ALineColoursItsStartButNotItsEndPoint) {
  DrawSurface s(window_, 800, 80, kBlue);
  wk_ResultX = wk_ResultY = 0;
  EXPECT_EQ(wk_DrawLine(window_, 10, 8, 730, 8, kWhite), 0);
  EXPECT_EQ(std::make_pair(wk_ResultX, wk_ResultY), std::make_pair(730, 8));
  EXPECT_EQ(s.Count(kWhite, 0, 8, 800, 9), 720);
  EXPECT_EQ(s.at(10, 8), kWhite);
  EXPECT_EQ(s.at(729, 8), kWhite);
  EXPECT_EQ(s.at(730, 8), kBlue);
  EXPECT_EQ(s.at(9, 8), kBlue);
  // The tone generator closes its frames with the next line from the end point.
  wk_DrawLine(window_, 730, 8, 730, 60, kWhite);
  EXPECT_EQ(s.at(730, 8), kWhite);
  EXPECT_EQ(s.at(730, 59), kWhite);
  EXPECT_EQ(s.at(730, 60), kBlue);
  EXPECT_EQ(s.Count(kWhite), 720 + 52);
  // The surface gets its own pen back.
  EXPECT_EQ(GetCurrentObject(s.dc(), OBJ_PEN), GetStockObject(BLACK_PEN));
}

TEST_F(Lines, SetPixelSetsOnePixelAndTheResultPair) {
  DrawSurface s(window_, 10, 10, kBlue);
  EXPECT_EQ(wk_SetPixel(window_, 3, 4, kRed), 0);
  EXPECT_EQ(std::make_pair(wk_ResultX, wk_ResultY), std::make_pair(3, 4));
  EXPECT_EQ(s.at(3, 4), kRed);
  EXPECT_EQ(s.Count(kRed), 1);
}

using Patterned = int (*)(HWND, int, int, int, int, COLORREF, COLORREF);
struct Pattern {
  const char* name;
  Patterned draw;
};
const Pattern kPatterns[] = {
    {"dash", wk_DrawDashLine},
    {"dot", wk_DrawDotLine},
    {"dash-dot", wk_DrawDashDotLine},
    {"dash-dot-dot", wk_DrawDashDotDotLine},
};

// Which pixels of row y, from x0 up to x1, have the colour.
std::string Row(const DrawSurface& s, int y, int x0, int x1, COLORREF colour) {
  std::string marks;
  for (int x = x0; x < x1; ++x) marks += s.at(x, y) == colour ? '#' : '.';
  return marks;
}

TEST_F(Lines, PatternedLinesLeaveOrFillTheirGaps) {
  std::vector<std::string> shapes;
  for (const Pattern& p : kPatterns) {
    SCOPED_TRACE(p.name);
    DrawSurface s(window_, 220, 20, kBlue);
    EXPECT_EQ(p.draw(window_, 10, 5, 210, 5, kRed, 0), 0);
    EXPECT_EQ(std::make_pair(wk_ResultX, wk_ResultY), std::make_pair(210, 5));
    const int red = s.Count(kRed, 10, 5, 210, 6);
    EXPECT_GT(red, 40);
    EXPECT_LT(red, 190);
    EXPECT_EQ(s.Count(kBlue, 10, 5, 210, 6), 200 - red);  // gaps left as they were
    EXPECT_EQ(s.at(210, 5), kBlue);
    shapes.push_back(Row(s, 5, 10, 210, kRed));

    // A gap colour fills every gap, and the pattern stays the same.
    p.draw(window_, 10, 12, 210, 12, kRed, kGreen);
    EXPECT_EQ(s.Count(kRed, 10, 12, 210, 13), red);
    EXPECT_EQ(s.Count(kGreen, 10, 12, 210, 13), 200 - red);
    EXPECT_EQ(Row(s, 12, 10, 210, kRed), shapes.back());
  }
  for (size_t i = 0; i < shapes.size(); ++i) {
    for (size_t j = i + 1; j < shapes.size(); ++j) {
      EXPECT_NE(shapes[i], shapes[j]) << kPatterns[i].name << " vs " << kPatterns[j].name;
    }
  }
}

TEST_F(Lines, AGapColourIsHonouredAfterATransparentLineOnTheSameSurface) {
  DrawSurface s(window_, 220, 20, kBlue);
  wk_DrawDotLine(window_, 10, 5, 210, 5, kRed, 0);  // leaves the surface transparent
  EXPECT_EQ(GetBkMode(s.dc()), TRANSPARENT);
  wk_DrawDashLine(window_, 10, 10, 210, 10, kRed, kGreen);
  EXPECT_EQ(s.Count(kBlue, 10, 10, 210, 11), 0);
  EXPECT_GT(s.Count(kGreen, 10, 10, 210, 11), 0);
}

TEST_F(Lines, EtchedLineRowsByThickness) {
  struct Case {
    const char* depth;
    int thickness;
    // Grey level of rows y .. y + 6 (-1: untouched).
    int rows[7];
  } cases[] = {
      {"RAISED", 4, {255, 170, -1, -1, 130, 0, -1}}, {"LOWER", 4, {0, 130, -1, -1, 170, 255, -1}},
      {"lower", 4, {255, 170, -1, -1, 130, 0, -1}},  // lower case is not "LOWER"
      {nullptr, 2, {255, 170, 130, 0, -1, -1, -1}},  {"", 1, {255, -1, 0, -1, -1, -1, -1}},
      {"LOWER", 0, {0, 255, -1, -1, -1, -1, -1}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.depth ? c.depth : "(null)") + " " + std::to_string(c.thickness));
    DrawSurface s(window_, 60, 60, kBlue);
    EXPECT_EQ(wk_DrawEtchedLine(window_, 5, 10, 40, "RIGHT", c.depth, c.thickness), 0);
    EXPECT_EQ(s.at(5, 9), kBlue);
    for (int i = 0; i < 7; ++i) {
      const COLORREF want = c.rows[i] < 0 ? kBlue : Grey(c.rows[i]);
      EXPECT_EQ(s.at(5, 10 + i), want) << "row " << i;
      EXPECT_EQ(s.at(44, 10 + i), want) << "row " << i;
      EXPECT_EQ(s.at(45, 10 + i), kBlue) << "row " << i;  // the end point
    }
    DrawSurface d(window_, 60, 60, kBlue);
    wk_DrawEtchedLine(window_, 10, 5, 40, "DOWN", c.depth, c.thickness);
    for (int i = 0; i < 7; ++i) {
      const COLORREF want = c.rows[i] < 0 ? kBlue : Grey(c.rows[i]);
      EXPECT_EQ(d.at(10 + i, 5), want) << "column " << i;
      EXPECT_EQ(d.at(10 + i, 44), want) << "column " << i;
      EXPECT_EQ(d.at(10 + i, 45), kBlue) << "column " << i;
    }
  }
}

TEST_F(Lines, EtchedLineWithAnotherDirectionDrawsNothing) {
  DrawSurface s(window_, 60, 60, kBlue);
  for (const char* direction : {"LEFT", "right", "UP", "", static_cast<const char*>(nullptr)}) {
    EXPECT_EQ(wk_DrawEtchedLine(window_, 5, 5, 40, direction, "LOWER", 3), 0);
  }
  EXPECT_EQ(s.Count(kBlue), 60 * 60);
}

// Each edge's first and last pixel and the pixels just beyond both ends.
TEST_F(Lines, BevelFrameEdgesInTheirOrder) {
  // X 10, Y 10, W 40, H 30, T 3. 'L' light, 'D' dark, '.' untouched.
  const struct {
    int x, y;
    char seen;
  } pixels[] = {
      // Outer top and left light; bottom and right dark, the right one
      // reaching the top row because the top edge ends before it.
      {9, 10, '.'},
      {10, 9, '.'},
      {10, 10, 'L'},
      {49, 10, 'L'},
      {50, 10, 'D'},
      {50, 9, '.'},
      {50, 40, 'D'},
      {10, 40, 'L'},
      {10, 41, 'D'},
      {50, 41, 'D'},
      {51, 41, '.'},
      {9, 41, '.'},
      {10, 42, '.'},
      {30, 41, 'D'},
      // Inner rectangle: dark top and left, light bottom and right (drawn
      // later, so they win at the corners).
      {13, 14, '.'},
      {14, 13, '.'},
      {14, 14, 'D'},
      {45, 14, 'D'},
      {46, 14, 'L'},
      {47, 14, '.'},
      {46, 13, '.'},
      {14, 36, 'D'},
      {14, 37, 'L'},
      {13, 37, '.'},
      {46, 36, 'L'},
      {46, 37, 'L'},
      {47, 37, '.'},
      {14, 38, '.'},
      {30, 37, 'L'},
      // Between the rectangles and inside the inner one nothing is painted.
      {12, 12, '.'},
      {48, 39, '.'},
      {30, 25, '.'},
  };
  for (const bool lower : {false, true}) {
    SCOPED_TRACE(lower ? "LOWER" : "raised");
    const COLORREF light = lower ? Grey(0) : Grey(255);
    const COLORREF dark = lower ? Grey(255) : Grey(0);
    DrawSurface s(window_, 80, 80, kBlue);
    EXPECT_EQ(wk_DrawBevelFrame(window_, 10, 10, 40, 30, lower ? "LOWER" : "HIGH", 3), 0);
    for (const auto& p : pixels) {
      EXPECT_EQ(s.at(p.x, p.y), p.seen == 'L'   ? light
                                : p.seen == 'D' ? dark
                                                : kBlue)
          << p.x << "," << p.y;
    }
  }
}

TEST_F(Lines, BevelFrameWithInsetZeroSitsOnePixelInside) {
  DrawSurface s(window_, 80, 80, kBlue);
  EXPECT_EQ(wk_DrawBevelFrame(window_, 10, 10, 40, 30, "", 0), 0);
  EXPECT_EQ(s.at(10, 10), Grey(255));
  EXPECT_EQ(s.at(11, 11), Grey(0));  // inner top-left
  EXPECT_EQ(s.at(11, 30), Grey(0));
  EXPECT_EQ(s.at(30, 11), Grey(0));
  EXPECT_EQ(s.at(49, 20), Grey(255));  // inner right
  EXPECT_EQ(s.at(30, 40), Grey(255));  // inner bottom, next to the outer bottom
  EXPECT_EQ(s.at(30, 41), Grey(0));
}

TEST_F(Lines, GridOfSixRowsAndElevenColumns) {
  DrawSurface s(window_, 120, 70, kBlue);
  EXPECT_EQ(wk_DrawGrid(window_, 0, 0, 100, 50, 10, kRed), 0);
  EXPECT_EQ(s.Count(kRed, 5, 0, 6, 70), 6);
  EXPECT_EQ(s.Count(kRed, 0, 5, 120, 6), 11);
  for (int y = 0; y <= 50; y += 10) EXPECT_EQ(s.at(99, y), kRed) << y;
  for (int x = 0; x <= 100; x += 10) EXPECT_EQ(s.at(x, 49), kRed) << x;
  // Every line leaves its end point: the far corner stays untouched.
  EXPECT_EQ(s.at(100, 50), kBlue);
  EXPECT_EQ(s.at(101, 50), kBlue);
  // The result pair is the last line's end point.
  EXPECT_EQ(std::make_pair(wk_ResultX, wk_ResultY), std::make_pair(100, 50));
}

TEST_F(Lines, GridCountLimitAndSpacingZero) {
  // At y 0 with height 5 and spacing 1 the count limit (y + height = 5)
  // stops the rows before the offset reaches the height.
  DrawSurface s(window_, 40, 40, kBlue);
  EXPECT_EQ(wk_DrawGrid(window_, 0, 0, 20, 5, 1, kRed), 0);
  for (int y = 0; y < 5; ++y) EXPECT_EQ(s.at(10, y), kRed) << y;
  EXPECT_EQ(s.at(10, 5), kBlue);
  // The limit at its smallest: y + height = 1 still draws the row at offset
  // 0, and x + width = 1 the column.
  DrawSurface one(window_, 20, 20, kBlue);
  EXPECT_EQ(wk_DrawGrid(window_, 2, 0, 8, 1, 5, kRed), 0);
  EXPECT_EQ(wk_DrawGrid(window_, 0, 2, 1, 8, 5, kRed), 0);
  EXPECT_EQ(one.at(4, 0), kRed);
  EXPECT_EQ(one.at(0, 4), kRed);

  // Spacing 0 draws the same row and column over and over, then stops.
  DrawSurface z(window_, 40, 40, kBlue);
  EXPECT_EQ(wk_DrawGrid(window_, 4, 6, 10, 8, 0, kRed), 0);
  EXPECT_EQ(z.Count(kRed), 10 + 8 - 1);
  EXPECT_EQ(z.at(4, 6), kRed);
  EXPECT_EQ(std::make_pair(wk_ResultX, wk_ResultY), std::make_pair(4, 14));
}

TEST_F(Lines, EachDrawingRunsAPaintCycleOnTheWindow) {
  wktest::Pump(50);
  DrawSurface s(window_, 10, 10, kBlue);
  const auto pending = [this] { return GetUpdateRect(window_, nullptr, FALSE) != FALSE; };
  InvalidateRect(window_, nullptr, FALSE);
  wk_DrawLine(window_, 0, 0, 5, 5, kRed);
  EXPECT_FALSE(pending());
  InvalidateRect(window_, nullptr, FALSE);
  wk_DrawEtchedLine(window_, 0, 0, 5, "nowhere", "", 1);
  EXPECT_FALSE(pending());
  InvalidateRect(window_, nullptr, FALSE);
  wk_DrawBevelFrame(window_, 0, 0, 5, 5, "", 1);
  EXPECT_FALSE(pending());
  // A grid draws all its lines in one cycle; a grid of no lines runs none.
  InvalidateRect(window_, nullptr, FALSE);
  wk_DrawGrid(window_, 0, 0, -1, -1, 2, kRed);
  EXPECT_TRUE(pending());
  wk_DrawGrid(window_, 0, 0, 4, 4, 2, kRed);
  EXPECT_FALSE(pending());
}

}  // namespace
