// Icon benchmarks, printed as figures:
//  - loading the third image of a 10 MB file with wk_IconLoad against the
//    search that positions the file and reads 15 bytes at every offset
//    (same image, and the ratio of the two times);
//  - drawing a full canvas in each style, cell by cell through the public
//    drawing calls and with wk_IconDrawCanvas (milliseconds per canvas and
//    the ratio): 320 pixels in a window, and cells of 16, 32 and 48 pixels on
//    a memory surface (larger than the screen).
// With WK_HOLD_MS set, the last canvas stays on screen that long.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "canvas_cell_by_cell.hpp"
#include "draw_surface.hpp"
#include "wk_draw.h"
#include "whole_file.hpp"
#include "wktest.hpp"

namespace {

constexpr unsigned char kPattern[15] = {40, 0, 0, 0, 32, 0, 0, 0, 64, 0, 0, 0, 1, 0, 4};

// The search that reads 15 bytes at every offset through the C library,
// then the image at the match, decoded the same way as the toolkit does.
bool LoadPerOffset(const char* path, int number, int* palette, int* image) {
  std::FILE* f = std::fopen(path, "rb");
  if (!f) return false;
  std::fseek(f, 0, SEEK_END);
  const long length = std::ftell(f);
  int counter = 1;
  for (long at = 0; at < length; ++at) {
    unsigned char bytes[15];
    std::fseek(f, at, SEEK_SET);
    if (std::fread(bytes, 1, 15, f) != 15 || std::memcmp(bytes, kPattern, 15) != 0) continue;
    if (counter++ != number) continue;
    unsigned char body[744];
    std::fseek(f, at, SEEK_SET);
    const bool whole = std::fread(body, 1, sizeof body, f) == sizeof body;
    std::fclose(f);
    if (!whole) return false;
    for (int i = 0; i < 16; ++i) {
      for (int c = 0; c < 3; ++c) palette[i * 3 + c] = body[40 + i * 4 + c];
    }
    for (int row = 0; row < 32; ++row) {
      for (int column = 0; column < 32; ++column) {
        const unsigned char pair = body[104 + (31 - row) * 16 + column / 2];
        const int index = column % 2 ? pair & 15 : pair >> 4;
        const bool masked = body[616 + (31 - row) * 4 + column / 8] & (0x80 >> (column % 8));
        image[row * 32 + column] = index + (masked ? 16 : 0);
      }
    }
    return true;
  }
  std::fclose(f);
  return false;
}

}  // namespace

TEST(IconBenchmark, ThirdImageOfTenMegabytes) {
  // Three icons spread over 10 MB of random bytes, the third near the end.
  int palette[48], image[1024];
  wk_IconDefaultPalette(palette);
  const std::string one = wktest::BuildPath("bench_icon.ico");
  std::string file(10 * 1024 * 1024, '\0');
  std::mt19937 random(11);
  for (char& b : file) b = static_cast<char>(random());
  for (int n = 0; n < 3; ++n) {
    for (int i = 0; i < 1024; ++i) image[i] = (i + n * 7) % 17;
    ASSERT_EQ(wk_IconSave(one.c_str(), palette, image), 0);
    const std::string icon = wktest::ReadWholeFile(one);
    ASSERT_EQ(icon.size(), 766u);
    file.replace((n + 1) * (file.size() / 3) - 800, icon.size(), icon);
  }
  const std::string big = wktest::BuildPath("bench_ten_megabytes.bin");
  wktest::WriteWholeFile(big, file);

  int fast_palette[48] = {}, fast_image[1024] = {};
  int slow_palette[48] = {}, slow_image[1024] = {};
  const double t0 = wktest::NowSeconds();
  ASSERT_EQ(wk_IconLoad(big.c_str(), fast_palette, fast_image, 3), 0);
  const double t1 = wktest::NowSeconds();
  ASSERT_TRUE(LoadPerOffset(big.c_str(), 3, slow_palette, slow_image));
  const double t2 = wktest::NowSeconds();

  EXPECT_EQ(0, std::memcmp(fast_palette, slow_palette, sizeof fast_palette));
  EXPECT_EQ(0, std::memcmp(fast_image, slow_image, sizeof fast_image));
  EXPECT_EQ(fast_image[100], (100 + 14) % 17);
  const double fast = t1 - t0, slow = t2 - t1;
  std::printf(
      "figure: wk_IconLoad, third image of 10 MB: %.2f ms; per-offset search: %.0f ms; "
      "ratio %.0f\n",
      fast * 1e3, slow * 1e3, slow / fast);
  std::remove(big.c_str());
}

TEST(IconBenchmark, FullCanvasByStyleAndSize) {
  wktest::TestWindow window(400, 420, "icon canvas");
  int palette[48], image[1024];
  wk_IconDefaultPalette(palette);
  for (int i = 0; i < 1024; ++i) image[i] = (i / 32 + i % 32) % 17;
  // Milliseconds per canvas, drawn cell by cell (0) and by the toolkit (1).
  auto time = [&](int way, double size, const char* style) {
    const int rounds = size > 320 ? 2 : 4;
    const double t0 = wktest::NowSeconds();
    for (int i = 0; i < rounds; ++i) {
      if (way == 0) {
        canvastest::DrawCellByCell(window, 20, 20, size, image, palette, RGB(255, 0, 255), style);
      } else {
        wk_IconDrawCanvas(window, 20, 20, size, image, palette, RGB(255, 0, 255), style);
      }
    }
    return (wktest::NowSeconds() - t0) * 1e3 / rounds;
  };
  for (double size : {512.0, 1024.0, 1536.0, 320.0}) {
    for (const char* style : {"NO_STYLE", "GRID", "DOT", "GRID_DOT", "MASK"}) {
      double ms[2];
      if (size > 320) {
        wktest::DrawSurface surface(window, 1600, 1600, RGB(10, 20, 30));
        for (int way = 0; way < 2; ++way) ms[way] = time(way, size, style);
      } else {
        for (int way = 0; way < 2; ++way) ms[way] = time(way, size, style);
      }
      std::printf(
          "figure: icon canvas %s, %.0f px (%.0f px per cell, %s): cell by cell %.1f ms, "
          "wk_IconDrawCanvas %.2f ms per canvas, %.0f times faster\n",
          style, size, size / 32, size > 320 ? "memory surface" : "window", ms[0], ms[1],
          ms[0] / ms[1]);
    }
  }
  if (const char* hold = std::getenv("WK_HOLD_MS")) wktest::Pump(std::atoi(hold));
}
