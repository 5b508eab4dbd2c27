// Fonts made from integers and a face name, and the decorated text
// operations, compared pixel for pixel with plain text output.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "toolkit/draw/wk_draw.h"
#include "draw_surface.hpp"
#include "wktest.hpp"

namespace {

using wktest::DrawSurface;

constexpr COLORREF kBlue = RGB(0, 0, 200);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kGreen = RGB(0, 160, 0);

LOGFONTA Describe(HFONT font) {
  LOGFONTA lf{};
  GetObjectA(font, sizeof lf, &lf);
  return lf;
}

class Fonts : public ::testing::Test {
 protected:
  wktest::TestWindow window_;
  // The pixels of a fresh 200 x 120 surface after `draw`.
  template <class Draw>
  std::vector<unsigned> Drawn(Draw draw) {
    DrawSurface s(window_, 200, 120, kBlue);
    draw();
    return s.Pixels();
  }
};

TEST_F(Fonts, CreateFontPassesEveryArgument) {
  // The tone generator's readout font.
  HFONT readout = wk_CreateFont(80, 30, 0, 300, 0, 0, "Arial");
  ASSERT_NE(readout, nullptr);
  LOGFONTA lf = Describe(readout);
  EXPECT_EQ(lf.lfHeight, 80);
  EXPECT_EQ(lf.lfWidth, 30);
  EXPECT_EQ(lf.lfWeight, 300);
  EXPECT_EQ(lf.lfEscapement, 0);
  EXPECT_FALSE(lf.lfItalic || lf.lfUnderline || lf.lfStrikeOut);
  EXPECT_EQ(lf.lfCharSet, ANSI_CHARSET);
  EXPECT_EQ(lf.lfPitchAndFamily, 0);
  EXPECT_STREQ(lf.lfFaceName, "Arial");
  DeleteObject(readout);

  HFONT turned = wk_CreateFont(-12, 0, 900, 700, 123, FF_SWISS | VARIABLE_PITCH, "Tahoma");
  lf = Describe(turned);
  EXPECT_EQ(lf.lfHeight, -12);
  EXPECT_EQ(lf.lfEscapement, 900);
  EXPECT_EQ(lf.lfOrientation, 900);
  EXPECT_TRUE(lf.lfItalic && lf.lfUnderline && lf.lfStrikeOut);
  EXPECT_EQ(lf.lfPitchAndFamily, FF_SWISS | VARIABLE_PITCH);
  DeleteObject(turned);

  struct Code {
    int code;
    bool italic, underline, strike_out;
  } codes[] = {{1, true, false, false}, {2, false, true, false}, {3, false, false, true},
               {13, true, false, true}, {23, false, true, true}, {21, false, false, false}};
  for (const Code& c : codes) {
    HFONT font = wk_CreateFont(12, 0, 0, 400, c.code, 0, "Arial");
    lf = Describe(font);
    EXPECT_EQ(lf.lfItalic != 0, c.italic) << c.code;
    EXPECT_EQ(lf.lfUnderline != 0, c.underline) << c.code;
    EXPECT_EQ(lf.lfStrikeOut != 0, c.strike_out) << c.code;
    DeleteObject(font);
  }
}

TEST_F(Fonts, AnAngleOf900RunsTheTextUpwards) {
  HFONT flat = wk_CreateFont(20, 0, 0, 400, 0, 0, "Arial");
  HFONT up = wk_CreateFont(20, 0, 900, 400, 0, 0, "Arial");
  DrawSurface a(window_, 200, 200, kBlue);
  wk_WriteText(window_, 20, 20, "HHHHHHHH", kWhite, flat, 0);
  const RECT f = a.Drawn(kBlue);
  DrawSurface b(window_, 200, 200, kBlue);
  wk_WriteText(window_, 20, 180, "HHHHHHHH", kWhite, up, 0);
  const RECT u = b.Drawn(kBlue);
  EXPECT_GT(f.right - f.left, 2 * (f.bottom - f.top));
  EXPECT_GT(u.bottom - u.top, 2 * (u.right - u.left));
  EXPECT_LE(u.bottom, 181);  // from the start point upwards
  DeleteObject(flat);
  DeleteObject(up);
}

TEST_F(Fonts, ShadowTextIsAWhiteCopyUnderTheColouredOne) {
  HFONT font = wk_CreateFont(24, 0, 0, 700, 0, 0, "Arial");
  const auto both = Drawn([&] {
    wk_WriteText(window_, 20, 20, "AV", kWhite, font, 0);
    wk_WriteText(window_, 23, 23, "AV", kRed, font, 0);
  });
  EXPECT_EQ(Drawn([&] { wk_WriteShadowText(window_, 20, 20, 3, "AV", kRed, font, 0); }), both);
  // Offsets beyond 3 are clamped.
  EXPECT_EQ(Drawn([&] { wk_WriteShadowText(window_, 20, 20, 7, "AV", kRed, font, 0); }), both);
  const auto below = Drawn([&] {
    wk_WriteText(window_, 20, 20, "AV", kWhite, font, 0);
    wk_WriteText(window_, 17, 17, "AV", kRed, font, 0);
  });
  EXPECT_EQ(Drawn([&] { wk_WriteShadowText(window_, 20, 20, -10, "AV", kRed, font, 0); }), below);
  // A background colour has no visible effect: both passes are transparent.
  EXPECT_EQ(Drawn([&] { wk_WriteShadowText(window_, 20, 20, 3, "AV", kRed, font, kGreen); }), both);
  // Offset 0: the coloured text covers the white copy (exactly so in the
  // unsmoothed system font that a fresh surface holds).
  const auto plain = Drawn([&] { wk_WriteText(window_, 20, 20, "AV", kRed, nullptr, 0); });
  EXPECT_EQ(Drawn([&] { wk_WriteShadowText(window_, 20, 20, 0, "AV", kRed, nullptr, 0); }), plain);
  DeleteObject(font);
}

TEST_F(Fonts, TextDownPutsCharacterIUnderTheOneBefore) {
  HFONT font = wk_CreateFont(16, 0, 0, 400, 0, 0, "Arial");
  for (COLORREF background : {COLORREF{0}, kGreen}) {
    SCOPED_TRACE(background);
    const auto column = Drawn([&] {
      wk_WriteText(window_, 30, 10, "P", kRed, font, background);
      wk_WriteText(window_, 30, 28, "\xC5", kRed, font, background);
      wk_WriteText(window_, 30, 46, "!", kRed, font, background);
    });
    EXPECT_EQ(
        Drawn([&] { wk_WriteTextDown(window_, 30, 10, 18, "P\xC5!", kRed, font, background); }),
        column);
  }
  // Step 0: every character over the one before.
  const auto stacked = Drawn([&] {
    wk_WriteText(window_, 30, 10, "A", kRed, font, 0);
    wk_WriteText(window_, 30, 10, "B", kRed, font, 0);
  });
  EXPECT_EQ(Drawn([&] { wk_WriteTextDown(window_, 30, 10, 0, "AB", kRed, font, 0); }), stacked);
  DeleteObject(font);
}

TEST_F(Fonts, ShadowTextDownJoinsBoth) {
  HFONT font = wk_CreateFont(16, 0, 0, 700, 0, 0, "Arial");
  const auto expected = Drawn([&] {
    wk_WriteShadowText(window_, 30, 10, -3, "A", kRed, font, 0);
    wk_WriteShadowText(window_, 30, 30, -3, "B", kRed, font, 0);
  });
  // The white pass of both characters comes before the coloured one; with
  // 20 pixels between rows no pass overlaps the other character.
  EXPECT_EQ(
      Drawn([&] { wk_WriteShadowTextDown(window_, 30, 10, 20, -9, "AB", kRed, font, kGreen); }),
      expected);
  DeleteObject(font);
}

TEST_F(Fonts, DecoratedTextLeavesTheSystemFontAndOpaqueModeAndValidates) {
  HFONT font = wk_CreateFont(16, 0, 0, 400, 0, 0, "Arial");
  DrawSurface s(window_, 50, 50, kBlue);
  wktest::Pump(50);
  using Draw = void (*)(HWND, HFONT);
  const Draw draws[] = {
      [](HWND w, HFONT f) { wk_WriteShadowText(w, 0, 0, 2, "x", kRed, f, 0); },
      [](HWND w, HFONT f) { wk_WriteTextDown(w, 0, 0, 10, "", kRed, f, 0); },
      [](HWND w, HFONT f) { wk_WriteShadowTextDown(w, 0, 0, 10, 1, nullptr, kRed, f, 0); },
  };
  for (Draw draw : draws) {
    InvalidateRect(window_, nullptr, FALSE);
    draw(window_, font);
    EXPECT_FALSE(GetUpdateRect(window_, nullptr, FALSE));
    EXPECT_EQ(GetCurrentObject(s.dc(), OBJ_FONT), GetStockObject(SYSTEM_FONT));
    EXPECT_EQ(GetBkMode(s.dc()), OPAQUE);
  }
  DeleteObject(font);
}

}  // namespace
