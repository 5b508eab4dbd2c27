// The 16-colour icon image and its file form, without the platform.
//
// An icon image is 32 x 32 cells, row-major with the top row first. A cell's
// low four bits index the 16-entry palette; 16 is added when the cell is
// transparent (its mask bit is set). The palette is 16 entries of blue,
// green, red, in the order an icon file stores them.
//
// Files are written as one 766-byte icon. They are read by searching for the
// image's bitmap header anywhere in the file (not through the icon
// directory), so an image is found in any file that contains one, and the
// n-th such header gives the n-th image.
#pragma once

#include <cstddef>
#include <cstdint>

namespace wk::icon {

constexpr int kSide = 32;
constexpr int kCells = kSide * kSide;
constexpr int kPaletteEntries = 16;
constexpr int kPaletteInts = kPaletteEntries * 3;
constexpr int kTransparent = 16;

constexpr std::size_t kFileSize = 766;
// From the bitmap header to the end of the mask: header 40, palette 64,
// colour bitmap 512, mask 128.
constexpr std::size_t kImageSize = 744;
// The bitmap header that marks an image: size 40, 32 x 64 pixels (colour and
// mask together), one plane, 4 bits per pixel.
constexpr std::size_t kPatternSize = 15;
extern const std::uint8_t kPattern[kPatternSize];

// The whole icon file for this palette and image.
void EncodeFile(const int* palette, const int* image, std::uint8_t (&file)[kFileSize]);

// Reads the palette and image of the icon whose bitmap header starts at
// `header`, with `available` bytes readable from there. Returns false and
// writes nothing when fewer than kImageSize bytes are available.
bool DecodeImage(const std::uint8_t* header, std::size_t available, int* palette, int* image);

// Offset of the first pattern at or after `from` whose 15 bytes lie inside
// the buffer, or -1.
std::ptrdiff_t FindPattern(const std::uint8_t* data, std::size_t size, std::size_t from);

// Offset of the `number`-th pattern (1 for the first) in the buffer, or -1
// when it has fewer (or `number` is below 1).
std::ptrdiff_t FindImage(const std::uint8_t* data, std::size_t size, int number);

// The same search over a stream fed in pieces of any size: the pieces'
// seams are covered by carrying the last 14 bytes over.
class PatternScanner {
 public:
  explicit PatternScanner(int number) : wanted_(number) {}
  // Feeds the next piece of the stream. Returns true once the wanted match
  // has been seen; its stream offset is then in found().
  bool Feed(const std::uint8_t* piece, std::size_t size);
  std::int64_t found() const { return found_; }

 private:
  int wanted_;
  int seen_ = 0;
  std::int64_t found_ = -1;
  std::int64_t carried_from_ = 0;  // stream offset of carry_[0]
  std::uint8_t carry_[kPatternSize - 1] = {};
  std::size_t carried_ = 0;
};

// The standard 16-colour palette in blue, green, red order.
void DefaultPalette(int* palette);
// The colour value (red in the low byte) of each of the 16 palette entries.
void PaletteColours(int* colours, const int* palette);
// The standard palette's index of a colour value, or 16 for any other value.
int ColourIndex(std::uint32_t colour);

}  // namespace wk::icon
