// The drawing target, the memory surface, and text and number output, with
// pixels read back from memory surfaces and from real windows.
#include <gtest/gtest.h>

#include <string>

#include "toolkit/draw/wk_draw.h"
#include "draw_surface.hpp"
#include "wktest.hpp"

namespace {

using wktest::DrawSurface;

constexpr COLORREF kBlue = RGB(0, 0, 200);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);

// The pixels that text drawn by wk_WriteText produces on a fresh surface.
std::vector<unsigned> TextPixels(HWND window, const char* text, COLORREF background) {
  DrawSurface s(window, 200, 40, kBlue);
  wk_WriteText(window, 5, 5, text, kWhite, nullptr, background);
  return s.Pixels();
}

std::vector<unsigned> NumberPixels(HWND window, double value, int decimals, COLORREF background) {
  DrawSurface s(window, 200, 40, kBlue);
  EXPECT_EQ(wk_WriteNumber(window, 5, 5, value, decimals, kWhite, nullptr, background), 0);
  return s.Pixels();
}

TEST(DrawTarget, MemorySurfaceIsFilledAndSwappedButNeverDeleted) {
  wktest::TestWindow window;
  wk_SetDrawTarget(window, "CLIENT");
  HDC first = wk_CreateMemorySurface(window, 30, 20, kRed);
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(GetPixel(first, 0, 0), kRed);
  EXPECT_EQ(GetPixel(first, 29, 19), kRed);
  EXPECT_EQ(GetPixel(first, 30, 19), CLR_INVALID);  // the surface is 30 x 20

  // Made with "MEMORY" selected, the new surface is compatible with the
  // current one, which stays alive for its owner.
  wk_SetDrawTarget(window, "MEMORY");
  HDC second = wk_CreateMemorySurface(window, 10, 10, kBlue);
  ASSERT_NE(second, nullptr);
  EXPECT_EQ(GetPixel(second, 5, 5), kBlue);
  EXPECT_EQ(GetPixel(first, 5, 5), kRed);
  EXPECT_EQ(wk_SwapMemorySurface(first), second);
  EXPECT_EQ(wk_SwapMemorySurface(nullptr), first);
  EXPECT_EQ(wk_SwapMemorySurface(nullptr), nullptr);

  // No surface and "MEMORY" selected: nothing is made, nothing is drawn.
  EXPECT_EQ(wk_CreateMemorySurface(window, 10, 10, kBlue), nullptr);
  EXPECT_EQ(wk_SwapMemorySurface(nullptr), nullptr);
  EXPECT_EQ(wk_WriteText(window, 0, 0, "x", kRed, nullptr, kBlue), 0);
  EXPECT_EQ(wk_WriteNumber(window, 0, 0, 1.5, 1, kRed, nullptr, kBlue), 0);
  wk_SetDrawTarget(window, "CLIENT");
  for (HDC dc : {first, second}) {
    HGDIOBJ bitmap = GetCurrentObject(dc, OBJ_BITMAP);
    DeleteDC(dc);
    DeleteObject(bitmap);
  }
}

TEST(DrawTarget, KeywordsAreExactAndOtherWordsChangeNothing) {
  wktest::TestWindow window;
  DrawSurface s(window, 20, 20, kBlue);
  for (const char* word : {"memory", "CLIENTS", "", static_cast<const char*>(nullptr)}) {
    EXPECT_EQ(wk_SetDrawTarget(window, word), 0);
  }
  wk_FillBox(window, 0, 0, 5, 5, kRed);  // still into the memory surface
  EXPECT_EQ(s.at(2, 2), kRed);
}

TEST(DrawTarget, CopyToTargetPutsTheSurfaceIntoTheWindow) {
  wktest::TestWindow window;
  wktest::Pump(50);
  HDC source = nullptr;
  {
    DrawSurface s(window, 20, 10, kRed);
    wk_FillBox(window, 10, 0, 10, 10, kBlue);
    // Keep the surface's pixels in a plain DC of our own to copy from.
    source = CreateCompatibleDC(s.dc());
    HBITMAP bitmap = CreateCompatibleBitmap(s.dc(), 20, 10);
    SelectObject(source, bitmap);
    BitBlt(source, 0, 0, 20, 10, s.dc(), 0, 0, SRCCOPY);
  }
  EXPECT_EQ(wk_CopyToTarget(window, source, 50, 60, 20, 10), 0);
  EXPECT_EQ(wktest::PixelAt(window, 50, 60), kRed);
  EXPECT_EQ(wktest::PixelAt(window, 69, 69), kBlue);
  EXPECT_NE(wktest::PixelAt(window, 70, 60), kBlue);
  EXPECT_EQ(wk_CopyToTarget(window, nullptr, 0, 0, 20, 10), 1);
  HGDIOBJ bitmap = GetCurrentObject(source, OBJ_BITMAP);
  DeleteDC(source);
  DeleteObject(bitmap);
}

TEST(DrawTarget, WindowTargetStartsAtTheFrame) {
  wktest::TestWindow window;
  wktest::Pump(50);
  wk_SetDrawTarget(window, "WINDOW");
  wk_FillBox(window, 0, 0, 3, 3, kRed);
  wk_SetDrawTarget(window, "CLIENT");
  HDC whole = GetWindowDC(window);
  EXPECT_EQ(GetPixel(whole, 1, 1), kRed);
  ReleaseDC(window, whole);
  EXPECT_NE(wktest::PixelAt(window, 1, 1), kRed);  // the client area is untouched
}

TEST(WriteText, BackgroundZeroIsTransparentAnyOtherFillsTheCells) {
  wktest::TestWindow window;
  DrawSurface s(window, 200, 40, kBlue);
  wk_WriteText(window, 5, 5, "Sinus", kWhite, nullptr, 0);
  const RECT text = s.Drawn(kBlue);
  EXPECT_GT(s.Count(kWhite), 10);
  EXPECT_EQ(s.Count(kWhite) + s.Count(kBlue), 200 * 40);  // glyphs only
  EXPECT_GE(text.left, 5);
  EXPECT_GE(text.top, 5);

  // Colour 1 (nearly black) is a background, not transparency.
  wk_WriteText(window, 5, 5, "            ", kWhite, nullptr, RGB(1, 0, 0));
  EXPECT_EQ(s.at(6, 6), RGB(1, 0, 0));
  EXPECT_EQ(s.Count(kWhite), 0);  // spaces in opaque cells cover the word
}

TEST(WriteText, FontIsUsedAndTheSystemFontAndOpaqueModeComeBack) {
  wktest::TestWindow window;
  DrawSurface s(window, 300, 120, kBlue);
  HFONT big = CreateFontA(80, 30, 0, 0, 300, 0, 0, 0, 0, 0, 0, 0, 0, "Arial");
  wk_WriteText(window, 0, 0, "440", kWhite, big, 0);
  const RECT large = s.Drawn(kBlue);
  EXPECT_GT(large.bottom - large.top, 40);
  EXPECT_EQ(GetCurrentObject(s.dc(), OBJ_FONT), GetStockObject(SYSTEM_FONT));
  EXPECT_EQ(GetBkMode(s.dc()), OPAQUE);
  EXPECT_EQ(GetTextColor(s.dc()), kWhite);  // left as set

  // A null font draws in the system font: the same pixels as that font.
  DrawSurface a(window, 100, 30, kBlue);
  wk_WriteText(window, 2, 2, "AV", kWhite, nullptr, 0);
  const auto with_null = a.Pixels();
  DrawSurface b(window, 100, 30, kBlue);
  wk_WriteText(window, 2, 2, "AV", kWhite, static_cast<HFONT>(GetStockObject(SYSTEM_FONT)), 0);
  EXPECT_EQ(with_null, b.Pixels());
  DeleteObject(big);
}

TEST(WriteText, EmptyTextStillValidatesThePendingUpdate) {
  wktest::TestWindow window;
  wktest::Pump(50);
  InvalidateRect(window, nullptr, FALSE);
  ASSERT_TRUE(GetUpdateRect(window, nullptr, FALSE));
  EXPECT_EQ(wk_WriteText(window, 0, 0, "", kWhite, nullptr, 0), 0);
  EXPECT_FALSE(GetUpdateRect(window, nullptr, FALSE));
  InvalidateRect(window, nullptr, FALSE);
  EXPECT_EQ(wk_WriteText(window, 0, 0, nullptr, kWhite, nullptr, 0), 0);
  EXPECT_FALSE(GetUpdateRect(window, nullptr, FALSE));
}

TEST(WriteText, DrawsIntoTheClientAreaUnclippedByTheUpdateRegion) {
  wktest::TestWindow window;
  wk_SetDrawTarget(window, "CLIENT");
  wktest::Pump(50);
  // Only a corner is pending; the text lands outside it all the same.
  RECT corner{0, 0, 2, 2};
  InvalidateRect(window, &corner, FALSE);
  wk_WriteText(window, 100, 100, "          ", kWhite, nullptr, kRed);
  EXPECT_EQ(wktest::PixelAt(window, 102, 103), kRed);
}

TEST(WriteNumber, DrawsTheFixedPointTextOfTheValue) {
  wktest::TestWindow window;
  struct Case {
    double value;
    int decimals;
    const char* text;
  } cases[] = {
      {3.14159, 0, "3"},           {3.14159, 2, "3.14"},    {3.14159, 8, "3.14159000"},
      {3.14159, 12, "3.14159000"}, {440, 1, "440.0"},       {49.9, 1, "49.9"},
      {-2.5, 3, "-2.500"},         {1234567, 0, "1234567"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(NumberPixels(window, c.value, c.decimals, kRed), TextPixels(window, c.text, kRed))
        << c.text;
  }
}

TEST(WriteNumber, NegativeDecimalsAndHugeValuesStayInsideTheBuffer) {
  wktest::TestWindow window;
  EXPECT_EQ(NumberPixels(window, 3.7, -5, 0), TextPixels(window, "4", 0));
  EXPECT_EQ(NumberPixels(window, 1e300, 8, 0), TextPixels(window, "1.00000000e+300", 0));
  EXPECT_EQ(NumberPixels(window, -1.7e308, 2, 0), TextPixels(window, "-1.70e+308", 0));
}

TEST(WriteNumber, AShorterNumberLeavesTheLongerOnesTailUnlessBlanked) {
  wktest::TestWindow window;
  DrawSurface s(window, 200, 40, kBlue);
  wk_WriteNumber(window, 5, 5, 12345.0, 0, kWhite, nullptr, kRed);
  const RECT longer = s.Drawn(kBlue);
  wk_WriteNumber(window, 5, 5, 1.0, 0, kWhite, nullptr, kRed);
  EXPECT_EQ(s.Drawn(kBlue).right, longer.right);  // the tail is still there
  // The tone generator's way: spaces on an opaque background first.
  wk_WriteText(window, 5, 5, "          ", kBlue, nullptr, kBlue);
  wk_WriteNumber(window, 5, 5, 1.0, 0, kWhite, nullptr, kRed);
  EXPECT_LT(s.Drawn(kBlue).right, longer.right);
}

TEST(WriteText, OnTheWindowTheTextShowsOnScreen) {
  wktest::TestWindow window;
  wk_SetDrawTarget(window, "CLIENT");
  wktest::Pump(50);
  wk_WriteText(window, 20, 20, "V\xE4lj signaltyp", kWhite, nullptr, kRed);
  int red = 0, white = 0;
  for (int x = 20; x < 80; ++x) {
    for (int y = 20; y < 30; ++y) {
      const COLORREF c = wktest::PixelAt(window, x, y);
      red += c == kRed;
      white += c == kWhite;
    }
  }
  EXPECT_GT(red, 100);
  EXPECT_GT(white, 20);
}

}  // namespace
