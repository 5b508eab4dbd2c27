#include "toolkit/draw/logic/icon_file.hpp"

#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <vector>

namespace icon = wk::icon;

namespace {

struct Icon {
  int palette[icon::kPaletteInts];
  int image[icon::kCells];
};

// Every cell value the editor or a loaded file can hold, in a pattern that
// tells rows and columns apart.
Icon Sample() {
  Icon s{};
  for (int i = 0; i < icon::kPaletteInts; ++i) s.palette[i] = (i * 37 + 11) & 0xFF;
  for (int i = 0; i < icon::kCells; ++i) s.image[i] = (i * 7 + i / 32) % 32;
  return s;
}

std::vector<std::uint8_t> Encoded(const Icon& s) {
  std::uint8_t file[icon::kFileSize];
  icon::EncodeFile(s.palette, s.image, file);
  return {file, file + sizeof file};
}

std::uint32_t Le32(const std::vector<std::uint8_t>& b, std::size_t at) {
  return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (std::uint32_t{b[at + 3]} << 24);
}

}  // namespace

TEST(IconFile, HeaderFieldsAndLayoutOfTheWrittenFile) {
  Icon s = Sample();
  s.image[31 * 32 + 0] = 0xA;  // bottom-left cell
  s.image[31 * 32 + 1] = 0x5 + 16;
  s.image[0] = 0x3;  // top-left cell
  const auto f = Encoded(s);
  ASSERT_EQ(f.size(), 766u);
  const std::uint8_t directory[22] = {0, 0, 1, 0,    1, 0, 32, 32, 16, 0, 0,
                                      0, 0, 0, 0xE8, 2, 0, 0,  22, 0,  0, 0};
  EXPECT_EQ(0, std::memcmp(f.data(), directory, sizeof directory));
  EXPECT_EQ(Le32(f, 22), 40u);
  EXPECT_EQ(Le32(f, 26), 32u);
  EXPECT_EQ(Le32(f, 30), 64u);
  EXPECT_EQ(f[34] | f[35] << 8, 1);
  EXPECT_EQ(f[36] | f[37] << 8, 4);
  EXPECT_EQ(Le32(f, 38), 0u);
  EXPECT_EQ(Le32(f, 42), 640u);
  for (int i = 46; i < 62; ++i) EXPECT_EQ(f[i], 0) << i;
  // Palette entries as blue, green, red, 0.
  EXPECT_EQ(f[62], s.palette[0]);
  EXPECT_EQ(f[64], s.palette[2]);
  EXPECT_EQ(f[65], 0);
  EXPECT_EQ(f[62 + 15 * 4 + 2], s.palette[47]);
  // Bottom row first; left cell in the high half; mask bit for values > 15.
  EXPECT_EQ(f[126], 0xA5);
  EXPECT_EQ(f[126 + 31 * 16] >> 4, 0x3);
  EXPECT_EQ(f[638] & 0xC0, 0x40);
}

TEST(IconFile, RoundTripKeepsEveryValueIncludingMaskedColours) {
  const Icon s = Sample();
  const auto f = Encoded(s);
  const std::ptrdiff_t at = icon::FindImage(f.data(), f.size(), 1);
  ASSERT_EQ(at, 22);
  Icon back{};
  ASSERT_TRUE(icon::DecodeImage(f.data() + at, f.size() - at, back.palette, back.image));
  EXPECT_EQ(0, std::memcmp(s.palette, back.palette, sizeof s.palette));
  EXPECT_EQ(0, std::memcmp(s.image, back.image, sizeof s.image));
}

TEST(IconFile, AllTransparentImageHasZeroColourBitsAndFullMask) {
  Icon s = Sample();
  for (int& cell : s.image) cell = 16;
  const auto f = Encoded(s);
  for (std::size_t i = 126; i < 638; ++i) ASSERT_EQ(f[i], 0) << i;
  for (std::size_t i = 638; i < 766; ++i) ASSERT_EQ(f[i], 0xFF) << i;
}

TEST(IconFile, TruncatedImageIsRefusedAndOutputsStayUntouched) {
  const auto f = Encoded(Sample());
  Icon back{};
  std::memset(&back, 0x5A, sizeof back);
  const Icon before = back;
  EXPECT_FALSE(icon::DecodeImage(f.data() + 22, icon::kImageSize - 1, back.palette, back.image));
  EXPECT_EQ(0, std::memcmp(&before, &back, sizeof back));
  EXPECT_TRUE(icon::DecodeImage(f.data() + 22, icon::kImageSize, back.palette, back.image));
}

TEST(IconFile, NthImageAndTooFewImages) {
  std::vector<std::uint8_t> data(50, 40);  // bytes equal to the pattern's first
  const auto one = Encoded(Sample());
  data.insert(data.end(), one.begin(), one.end());
  data.insert(data.end(), 3, 0);
  data.insert(data.end(), one.begin(), one.end());
  EXPECT_EQ(icon::FindImage(data.data(), data.size(), 1), 50 + 22);
  EXPECT_EQ(icon::FindImage(data.data(), data.size(), 2), 50 + 766 + 3 + 22);
  EXPECT_EQ(icon::FindImage(data.data(), data.size(), 3), -1);
  EXPECT_EQ(icon::FindImage(data.data(), data.size(), 0), -1);
  EXPECT_EQ(icon::FindImage(data.data(), 0, 1), -1);
  // A pattern that ends exactly at the buffer's end is found; one byte
  // short is not.
  std::vector<std::uint8_t> tail(icon::kPattern, icon::kPattern + icon::kPatternSize);
  EXPECT_EQ(icon::FindImage(tail.data(), tail.size(), 1), 0);
  EXPECT_EQ(icon::FindImage(tail.data(), tail.size() - 1, 1), -1);
}

TEST(IconFile, ScannerFindsTheSameOffsetsWhateverThePieces) {
  std::mt19937 random(7);
  std::vector<std::uint8_t> data(20000);
  for (auto& b : data) b = static_cast<std::uint8_t>(random() % 3 == 0 ? 0 : 40);
  for (std::size_t at : {0u, 1000u, 1013u, 4095u, 19985u}) {
    std::memcpy(data.data() + at, icon::kPattern, icon::kPatternSize);
  }
  for (int number = 1; number <= 6; ++number) {
    const std::ptrdiff_t whole = icon::FindImage(data.data(), data.size(), number);
    for (std::size_t piece : {1u, 2u, 7u, 14u, 15u, 16u, 4096u}) {
      icon::PatternScanner scanner(number);
      bool found = false;
      for (std::size_t at = 0; at < data.size() && !found; at += piece) {
        found = scanner.Feed(data.data() + at, std::min(piece, data.size() - at));
      }
      EXPECT_EQ(found ? scanner.found() : -1, whole) << number << " / " << piece;
    }
  }
}

TEST(IconPalette, StandardPaletteColoursAndIndices) {
  int palette[48];
  int colours[16];
  icon::DefaultPalette(palette);
  EXPECT_EQ(palette[1 * 3 + 2], 128);   // maroon: red in the third place
  EXPECT_EQ(palette[12 * 3 + 0], 255);  // blue first
  icon::PaletteColours(colours, palette);
  EXPECT_EQ(colours[1], 0x000080);
  EXPECT_EQ(colours[12], 0xFF0000);
  EXPECT_EQ(colours[8], 0xC0C0C0);
  for (int i = 0; i < 16; ++i) EXPECT_EQ(icon::ColourIndex(colours[i]), i);
  EXPECT_EQ(icon::ColourIndex(0x000001), 16);
  EXPECT_EQ(icon::ColourIndex(0x01000000), 16);  // a value beyond 24 bits is no colour
}
