// The icon editor: icon files on disk, the canvas drawn in each style and
// painting under the cursor, read back as pixels.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <iterator>
#include <string>
#include <vector>

#include "canvas_cell_by_cell.hpp"
#include "draw_surface.hpp"
#include "wk_draw.h"
#include "wk_windows.h"
#include "whole_file.hpp"
#include "wktest.hpp"

namespace {

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kLime = RGB(0, 255, 0);
constexpr COLORREF kMarker = RGB(255, 0, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kPaper = RGB(10, 20, 30);  // what lies under the canvas

struct Icon {
  int palette[48];
  int image[1024];
};

Icon Standard(int fill) {
  Icon icon{};
  wk_IconDefaultPalette(icon.palette);
  wk_IconFill(icon.image, fill);
  return icon;
}

std::string TempFile(const char* name) { return wktest::BuildPath(std::string("icon_") + name); }

// Draws into a memory surface filled with kPaper, so pixels read back
// whatever else is on the screen.
struct Surface : wktest::DrawSurface {
  explicit Surface(HWND window) : DrawSurface(window, 400, 400, kPaper) {}
};

}  // namespace

TEST(IconFiles, SavedImageLoadsBackUnchangedMaskedColoursIncluded) {
  Icon icon = Standard(0);
  for (int i = 0; i < 1024; ++i) icon.image[i] = (i * 5 + i / 32) % 32;
  icon.palette[7] = 200;
  const std::string path = TempFile("roundtrip.ico");
  ASSERT_EQ(wk_IconSave(path.c_str(), icon.palette, icon.image), 0);
  EXPECT_EQ(wktest::ReadWholeFile(path).size(), 766u);
  EXPECT_EQ(wk_IconFileImageCount(path.c_str()), 1);

  Icon back = Standard(3);
  ASSERT_EQ(wk_IconLoad(path.c_str(), back.palette, back.image, 1), 0);
  EXPECT_EQ(0, std::memcmp(icon.palette, back.palette, sizeof icon.palette));
  EXPECT_EQ(0, std::memcmp(icon.image, back.image, sizeof icon.image));
}

TEST(IconFiles, AllTransparentFileHasEmptyColourBitsAndFullMask) {
  const Icon icon = Standard(16);
  const std::string path = TempFile("clear.ico");
  ASSERT_EQ(wk_IconSave(path.c_str(), icon.palette, icon.image), 0);
  const auto bytes = wktest::ReadFileBytes(path);
  ASSERT_EQ(bytes.size(), 766u);
  for (std::size_t i = 126; i < 638; ++i) ASSERT_EQ(bytes[i], 0) << i;
  for (std::size_t i = 638; i < 766; ++i) ASSERT_EQ(bytes[i], 0xFF) << i;
  // The standard palette as blue, green, red, 0: entry 9 is red.
  EXPECT_EQ(bytes[62 + 9 * 4 + 2], 255);
  EXPECT_EQ(bytes[62 + 9 * 4 + 0], 0);
}

TEST(IconFiles, NthImageOfAFileAndFilesThatHoldTooLittle) {
  const Icon first = Standard(9), second = Standard(12);
  const std::string a = TempFile("a.ico"), b = TempFile("b.ico");
  wk_IconSave(a.c_str(), first.palette, first.image);
  wk_IconSave(b.c_str(), second.palette, second.image);
  // Leading bytes that are no header, then both files.
  const std::string both =
      std::string(1000, 40) + wktest::ReadWholeFile(a) + wktest::ReadWholeFile(b);
  const std::string two = TempFile("two.bin");
  wktest::WriteWholeFile(two, both);

  Icon got = Standard(0);
  ASSERT_EQ(wk_IconLoad(two.c_str(), got.palette, got.image, 2), 0);
  EXPECT_EQ(got.image[500], 12);
  ASSERT_EQ(wk_IconLoad(two.c_str(), got.palette, got.image, 1), 0);
  EXPECT_EQ(got.image[500], 9);

  const Icon untouched = Standard(5);
  got = untouched;
  EXPECT_EQ(wk_IconLoad(two.c_str(), got.palette, got.image, 3), 1);
  EXPECT_EQ(wk_IconLoad(two.c_str(), got.palette, got.image, 0), 1);
  EXPECT_EQ(wk_IconLoad(TempFile("missing.ico").c_str(), got.palette, got.image, 1), 1);

  // A header whose image the file cuts off, and an empty file.
  for (std::size_t keep : {std::size_t{1000 + 22 + 15}, std::size_t{1000 + 765}, std::size_t{0}}) {
    const std::string path = TempFile("cut.bin");
    wktest::WriteWholeFile(path, both.substr(0, keep));
    EXPECT_EQ(wk_IconLoad(path.c_str(), got.palette, got.image, 1), 1) << keep;
  }
  EXPECT_EQ(0, std::memcmp(&got, &untouched, sizeof got));
  // The loader leaves no count behind: the next call starts from 1 again.
  ASSERT_EQ(wk_IconLoad(two.c_str(), got.palette, got.image, 1), 0);
  EXPECT_EQ(got.image[0], 9);

  // The image count is the byte at offset 4, whatever the file is.
  EXPECT_EQ(wk_IconFileImageCount(two.c_str()), 40);
  wktest::WriteWholeFile(TempFile("short.bin"), std::string("\0\0\1\0", 4));
  EXPECT_EQ(wk_IconFileImageCount(TempFile("short.bin").c_str()), -1);
  EXPECT_EQ(wk_IconFileImageCount(TempFile("missing.ico").c_str()), -1);
  // A file that cannot be created.
  EXPECT_EQ(wk_IconSave(TempFile("no/such/dir.ico").c_str(), first.palette, first.image), 1);
}

TEST(IconPalette, HelpersMatchTheStandardColours) {
  int palette[48], colours[16];
  wk_IconDefaultPalette(palette);
  wk_IconPaletteColours(colours, palette);
  EXPECT_EQ(colours[9], static_cast<int>(kRed));
  EXPECT_EQ(colours[8], static_cast<int>(RGB(192, 192, 192)));
  EXPECT_EQ(wk_IconColourIndex(RGB(192, 192, 192)), 8);
  EXPECT_EQ(wk_IconColourIndex(RGB(1, 0, 0)), 16);
  EXPECT_EQ(wk_IconColourIndex(kBlue), 12);
}

TEST(IconCanvas, DefaultAndGridBoxesAt320) {
  wktest::TestWindow window;
  Surface s(window);
  Icon icon = Standard(0);
  icon.image[0] = 9;    // (0, 0) red
  icon.image[1] = 12;   // (0, 1) blue
  icon.image[32] = 10;  // (1, 0) lime
  wk_IconDrawCanvas(window, 20, 30, 320, icon.image, icon.palette, kMarker, "NO_STYLE");
  // Pitch 10, boxes 11: each box reaches one pixel into the next cell,
  // which is drawn later and covers it.
  EXPECT_EQ(s.at(20, 30), kRed);
  EXPECT_EQ(s.at(29, 39), kRed);
  EXPECT_EQ(s.at(30, 30), kBlue);
  EXPECT_EQ(s.at(20, 40), kLime);
  EXPECT_EQ(s.at(20 + 320, 30 + 320), kBlack);  // the last box's extra pixel
  EXPECT_EQ(s.at(19, 30), kPaper);
  EXPECT_EQ(s.at(20 + 321, 30), kPaper);

  Surface grid(window);
  wk_IconDrawCanvas(window, 20, 30, 320, icon.image, icon.palette, kMarker, "GRID");
  // Boxes of 9: a line of what lies below separates the cells.
  EXPECT_EQ(grid.at(28, 38), kRed);
  EXPECT_EQ(grid.at(29, 35), kPaper);
  EXPECT_EQ(grid.at(25, 39), kPaper);
  EXPECT_EQ(grid.at(30, 30), kBlue);
}

TEST(IconCanvas, TransparentCellsMarkersDotsAndMask) {
  wktest::TestWindow window;
  Icon icon = Standard(9);
  icon.image[0] = 16;
  icon.image[33] = 16;  // (1, 1)
  icon.image[2] = 21;   // a masked cell with colour index 5, as files can hold
  {
    Surface s(window);
    wk_IconDrawCanvas(window, 0, 0, 320, icon.image, icon.palette, kMarker, "");
    EXPECT_EQ(s.at(0, 0), kMarker);
    EXPECT_EQ(s.at(9, 9), kMarker);  // marker box of 10
    EXPECT_EQ(s.at(3, 3), kMarker);  // no dots by default
    EXPECT_EQ(s.at(20, 0), kMarker);
  }
  {
    Surface s(window);
    wk_IconDrawCanvas(window, 0, 0, 320, icon.image, icon.palette, kMarker, "DOT");
    EXPECT_EQ(s.at(3, 3), kBlack);  // D / 3
    EXPECT_EQ(s.at(5, 5), kWhite);  // D / 2
    EXPECT_EQ(s.at(13, 13), kBlack);
    EXPECT_EQ(s.at(15, 15), kWhite);
    EXPECT_EQ(s.at(43, 3), kRed);
  }
  {
    Surface s(window);
    wk_IconDrawCanvas(window, 0, 0, 320, icon.image, icon.palette, kMarker, "GRID_DOT");
    EXPECT_EQ(s.at(8, 8), kMarker);  // marker box of 9
    EXPECT_EQ(s.at(9, 5), kPaper);
    EXPECT_EQ(s.at(3, 3), kBlack);
  }
  {
    Surface s(window);
    wk_IconDrawCanvas(window, 0, 0, 320, icon.image, icon.palette, kMarker, "MASK");
    EXPECT_EQ(s.at(0, 0), kMarker);
    EXPECT_EQ(s.at(45, 5), kBlack);  // opaque cells are black
    EXPECT_EQ(s.at(25, 5), kMarker);
  }
}

TEST(IconCanvas, SmallCanvasesSetOnePixelPerCell) {
  wktest::TestWindow window;
  Icon icon = Standard(0);
  for (int row = 0; row < 32; ++row) {
    for (int column = 0; column < 32; ++column) {
      icon.image[row * 32 + column] = (row + column) % 2 ? 9 : 12;
    }
  }
  icon.image[31 * 32 + 31] = 16;
  {
    Surface s(window);
    wk_IconDrawCanvas(window, 5, 5, 32, icon.image, icon.palette, kMarker, "GRID");
    EXPECT_EQ(s.at(5, 5), kBlue);
    EXPECT_EQ(s.at(6, 5), kRed);
    EXPECT_EQ(s.at(36, 36), kMarker);
    EXPECT_EQ(s.at(37, 5), kPaper);
    EXPECT_EQ(s.at(5, 37), kPaper);
  }
  {
    // Four cells share each pixel; the last drawn, (odd row, odd column), shows.
    Surface s(window);
    wk_IconDrawCanvas(window, 5, 5, 16, icon.image, icon.palette, kMarker, "");
    EXPECT_EQ(s.at(5, 5), kBlue);
    EXPECT_EQ(s.at(20, 20), kMarker);
    EXPECT_EQ(s.at(21, 5), kPaper);
  }
}

// Drawn in one frame, the canvas leaves exactly the pixels and the result
// pair of drawing it cell by cell: every style, at sizes where cells share
// pixels, where both small and large rules apply (32 to 33), with fractional
// pitches and with large cells; on the memory surface and in a window whose
// pending erase must come before the cells, not over them.
TEST(IconCanvas, SamePixelsAsDrawingCellByCell) {
  Icon icon = Standard(0);
  for (int i = 0; i < 1024; ++i) icon.image[i] = (i * 7 + i / 32 * 3) % 32;
  wktest::TestWindow window;
  struct Case {
    const char* style;
    double size;
  };
  for (const Case& c :
       {Case{"DOT", 16}, Case{"GRID", 32}, Case{"GRID_DOT", 32.5}, Case{"MASK", 32.5},
        Case{"MASK", 47.3}, Case{"other", 333.3}, Case{"NO_STYLE", 1536}, Case{"DOT", 1536}}) {
    const char* style = c.style;
    const double size = c.size;
    const int side = static_cast<int>(size) + 12;  // room for the last box's overlap
    std::vector<unsigned> pixels[2];
    int result[2][2];
    for (int way = 0; way < 2; ++way) {
      wktest::DrawSurface s(window, side, side, kPaper);
      wk_ResultX = wk_ResultY = -1;
      if (way == 0) {
        canvastest::DrawCellByCell(window, 3, 5, size, icon.image, icon.palette, kMarker, style);
      } else {
        EXPECT_EQ(wk_IconDrawCanvas(window, 3, 5, size, icon.image, icon.palette, kMarker, style),
                  0);
      }
      result[way][0] = wk_ResultX;
      result[way][1] = wk_ResultY;
      pixels[way] = s.Pixels();
    }
    ASSERT_EQ(pixels[0].size(), static_cast<size_t>(side) * side);
    const auto differ = std::mismatch(pixels[0].begin(), pixels[0].end(), pixels[1].begin());
    EXPECT_TRUE(differ.first == pixels[0].end())
        << style << " at " << size << ": first difference at pixel "
        << (differ.first - pixels[0].begin()) % side << ","
        << (differ.first - pixels[0].begin()) / side;
    EXPECT_EQ(result[0][0], result[1][0]) << style << " at " << size;
    EXPECT_EQ(result[0][1], result[1][1]) << style << " at " << size;
  }

  RECT client{};
  GetClientRect(window, &client);
  std::vector<unsigned> shown[2];
  for (int way = 0; way < 2; ++way) {
    HDC dc = GetDC(window);
    HBRUSH paper = CreateSolidBrush(kPaper);
    FillRect(dc, &client, paper);
    DeleteObject(paper);
    InvalidateRect(window, nullptr, TRUE);
    if (way == 0) {
      canvastest::DrawCellByCell(window, 7, 9, 320, icon.image, icon.palette, kMarker, "GRID_DOT");
    } else {
      wk_IconDrawCanvas(window, 7, 9, 320, icon.image, icon.palette, kMarker, "GRID_DOT");
    }
    EXPECT_FALSE(GetUpdateRect(window, nullptr, FALSE));  // the paint cycle validated it
    shown[way] = wktest::CapturePixels(window, client);
    ReleaseDC(window, dc);
  }
  EXPECT_TRUE(shown[0] == shown[1]);
}

TEST(IconCanvas, PaintingUnderTheCursorIsStrictAtCellEdges) {
  wktest::TestWindow window;
  Surface s(window);
  Icon icon = Standard(0);
  auto cursor_at = [&](int x, int y) {
    POINT p{x, y};
    ClientToScreen(window, &p);
    SetCursorPos(p.x, p.y);
  };
  // Canvas at (20, 30), pitch 10: cell (2, 3) spans x 50..59, y 50..59.
  cursor_at(55, 55);
  EXPECT_EQ(wk_CursorInBox(window, 50, 50, 10, 10, 7), 7);
  EXPECT_EQ(wk_CursorInBox(window, 55, 50, 10, 10, 7), 0);  // on the left edge
  EXPECT_EQ(wk_CursorInBox(window, 50, 45, 10, 10, 7), 0);  // on the bottom edge
  EXPECT_EQ(wk_IconPaintAtCursor(window, 20, 30, 320, icon.image, kRed, "NO_STYLE"), 0);
  EXPECT_EQ(icon.image[2 * 32 + 3], 9);
  EXPECT_EQ(s.at(50, 50), kRed);
  EXPECT_EQ(s.at(59, 59), kRed);
  EXPECT_EQ(s.at(60, 55), kPaper);

  // A colour outside the standard palette stores 16, which dots mark; each
  // style word in a cell of its own (row 4, from column 5): the box's last
  // column (a grid leaves it) and the two dots. Other words: neither.
  const struct {
    const char* word;
    bool grid, dots;
  } styles[] = {{"GRID_DOT", true, true},   {"GRID", true, false},  {"DOT", false, true},
                {"NO_STYLE", false, false}, {"MASK", false, false}, {"grid", false, false}};
  constexpr COLORREF kOdd = RGB(1, 2, 3);
  int left = 70;
  for (const auto& style : styles) {
    SCOPED_TRACE(style.word);
    cursor_at(left + 5, 75);
    wk_IconPaintAtCursor(window, 20, 30, 320, icon.image, kOdd, style.word);
    EXPECT_EQ(icon.image[4 * 32 + (left - 20) / 10], 16);
    EXPECT_EQ(s.at(left + 8, 71), kOdd);
    EXPECT_EQ(s.at(left + 9, 71), style.grid ? kPaper : kOdd);
    EXPECT_EQ(s.at(left + 3, 73), style.dots ? kBlack : kOdd);
    EXPECT_EQ(s.at(left + 5, 75), style.dots ? kWhite : kOdd);
    left += 10;
  }

  // Exactly on a cell's left or top edge: nothing is painted.
  for (POINT p : {POINT{90, 95}, POINT{95, 90}}) {
    cursor_at(p.x, p.y);
    Icon before = icon;
    wk_IconPaintAtCursor(window, 20, 30, 320, icon.image, kBlue, "");
    EXPECT_EQ(0, std::memcmp(before.image, icon.image, sizeof icon.image)) << p.x << "," << p.y;
  }
}
