#include "toolkit/draw/logic/icon_file.hpp"

#include <algorithm>
#include <cstring>

namespace wk::icon {

const std::uint8_t kPattern[kPatternSize] = {40, 0, 0, 0, 32, 0, 0, 0, 64, 0, 0, 0, 1, 0, 4};

namespace {

constexpr std::size_t kHeaderSize = 126;  // icon directory, bitmap header, palette
constexpr std::size_t kPaletteOffset = 40;
constexpr std::size_t kColourOffset = kPaletteOffset + 64;
constexpr std::size_t kColourRow = 16;
constexpr std::size_t kMaskOffset = kColourOffset + kSide * kColourRow;
constexpr std::size_t kMaskRow = 4;

// The fixed part of every file this toolkit writes: a one-image icon
// directory pointing at offset 22 and a 40-byte bitmap header for a 32 x 64
// bitmap (colour over mask) of 4 bits per pixel. Palette entries follow.
constexpr std::uint8_t kTemplate[62] = {
    0,    0,    1,  0, 1,  0,                     // reserved, type icon, one image
    32,   32,   16, 0, 0,  0, 0, 0,               // 32 x 32, 16 colours, planes and bits 0
    0xE8, 0x02, 0,  0, 22, 0, 0, 0,               // 744 bytes at offset 22
    40,   0,    0,  0, 32, 0, 0, 0, 64, 0, 0, 0,  // header size, width, height
    1,    0,    4,  0, 0,  0, 0, 0,               // planes, bits, no compression
    0x80, 0x02, 0,  0,                            // 640 bytes of bitmap data
    0,    0,    0,  0, 0,  0, 0, 0, 0,  0, 0, 0, 0, 0, 0, 0,
};

// (red, green, blue) of the standard palette, by index.
constexpr std::uint8_t kStandard[kPaletteEntries][3] = {
    {0, 0, 0},     {128, 0, 0},     {0, 128, 0},     {128, 128, 0},   {0, 0, 128}, {128, 0, 128},
    {0, 128, 128}, {128, 128, 128}, {192, 192, 192}, {255, 0, 0},     {0, 255, 0}, {255, 255, 0},
    {0, 0, 255},   {255, 0, 255},   {0, 255, 255},   {255, 255, 255},
};

bool Matches(const std::uint8_t* at) { return std::memcmp(at, kPattern, kPatternSize) == 0; }

}  // namespace

void EncodeFile(const int* palette, const int* image, std::uint8_t (&file)[kFileSize]) {
  std::memcpy(file, kTemplate, sizeof kTemplate);
  std::uint8_t* out = file + sizeof kTemplate;
  for (int entry = 0; entry < kPaletteEntries; ++entry) {
    for (int component = 0; component < 3; ++component) {
      *out++ = static_cast<std::uint8_t>(palette[entry * 3 + component]);
    }
    *out++ = 0;
  }
  // Both bitmaps are stored bottom row first.
  for (int row = kSide - 1; row >= 0; --row) {
    const int* cells = image + row * kSide;
    for (int column = 0; column < kSide; column += 2) {
      *out++ = static_cast<std::uint8_t>(((cells[column] & 0xF) << 4) | (cells[column + 1] & 0xF));
    }
  }
  for (int row = kSide - 1; row >= 0; --row) {
    const int* cells = image + row * kSide;
    for (int byte = 0; byte < kSide / 8; ++byte) {
      std::uint8_t bits = 0;
      for (int bit = 0; bit < 8; ++bit) {
        if (cells[byte * 8 + bit] > 15) bits |= static_cast<std::uint8_t>(0x80 >> bit);
      }
      *out++ = bits;
    }
  }
  static_assert(kHeaderSize + kSide * kColourRow + kSide * kMaskRow == kFileSize);
}

bool DecodeImage(const std::uint8_t* header, std::size_t available, int* palette, int* image) {
  if (header == nullptr || available < kImageSize) return false;
  const std::uint8_t* entry = header + kPaletteOffset;
  for (int i = 0; i < kPaletteEntries; ++i, entry += 4) {
    palette[i * 3 + 0] = entry[0];
    palette[i * 3 + 1] = entry[1];
    palette[i * 3 + 2] = entry[2];
  }
  for (int row = 0; row < kSide; ++row) {
    const std::uint8_t* colour = header + kColourOffset + (kSide - 1 - row) * kColourRow;
    const std::uint8_t* mask = header + kMaskOffset + (kSide - 1 - row) * kMaskRow;
    int* cells = image + row * kSide;
    for (int column = 0; column < kSide; ++column) {
      const std::uint8_t pair = colour[column / 2];
      const int index = (column % 2 == 0) ? (pair >> 4) : (pair & 0xF);
      const bool masked = (mask[column / 8] & (0x80 >> (column % 8))) != 0;
      cells[column] = index + (masked ? kTransparent : 0);
    }
  }
  return true;
}

std::ptrdiff_t FindPattern(const std::uint8_t* data, std::size_t size, std::size_t from) {
  if (data == nullptr || size < kPatternSize) return -1;
  const std::size_t last = size - kPatternSize;  // last start with 15 bytes inside
  for (std::size_t at = from; at <= last;) {
    // The pattern's first byte occurs nowhere else in it, so memchr can
    // skip straight to the next candidate.
    const void* hit = std::memchr(data + at, kPattern[0], last - at + 1);
    if (hit == nullptr) return -1;
    at = static_cast<std::size_t>(static_cast<const std::uint8_t*>(hit) - data);
    if (Matches(data + at)) return static_cast<std::ptrdiff_t>(at);
    ++at;
  }
  return -1;
}

std::ptrdiff_t FindImage(const std::uint8_t* data, std::size_t size, int number) {
  PatternScanner scanner(number);
  return scanner.Feed(data, size) ? static_cast<std::ptrdiff_t>(scanner.found()) : -1;
}

bool PatternScanner::Feed(const std::uint8_t* piece, std::size_t size) {
  if (found_ >= 0) return true;
  if (wanted_ < 1 || piece == nullptr) return false;
  const std::int64_t piece_start = carried_from_ + static_cast<std::int64_t>(carried_);

  // Matches that begin in the carried bytes and end in this piece.
  std::uint8_t seam[2 * (kPatternSize - 1)];
  const std::size_t head = std::min(size, kPatternSize - 1);
  std::memcpy(seam, carry_, carried_);
  std::memcpy(seam + carried_, piece, head);
  for (std::ptrdiff_t at = FindPattern(seam, carried_ + head, 0);
       at >= 0 && static_cast<std::size_t>(at) < carried_;
       at = FindPattern(seam, carried_ + head, static_cast<std::size_t>(at) + 1)) {
    if (++seen_ == wanted_) {
      found_ = carried_from_ + at;
      return true;
    }
  }
  // Matches wholly inside the piece.
  for (std::ptrdiff_t at = FindPattern(piece, size, 0); at >= 0;
       at = FindPattern(piece, size, static_cast<std::size_t>(at) + 1)) {
    if (++seen_ == wanted_) {
      found_ = piece_start + at;
      return true;
    }
  }
  // Keep the stream's last 14 bytes: no match can have begun before them
  // without already being counted.
  const std::size_t total = carried_ + size;
  const std::size_t keep = std::min(total, kPatternSize - 1);
  std::uint8_t next[kPatternSize - 1];
  for (std::size_t i = 0; i < keep; ++i) {
    const std::size_t index = total - keep + i;  // index in carry_ followed by piece
    next[i] = index < carried_ ? carry_[index] : piece[index - carried_];
  }
  std::memcpy(carry_, next, keep);
  carried_from_ = piece_start + static_cast<std::int64_t>(size) - static_cast<std::int64_t>(keep);
  carried_ = keep;
  return false;
}

void DefaultPalette(int* palette) {
  for (int i = 0; i < kPaletteEntries; ++i) {
    palette[i * 3 + 0] = kStandard[i][2];
    palette[i * 3 + 1] = kStandard[i][1];
    palette[i * 3 + 2] = kStandard[i][0];
  }
}

void PaletteColours(int* colours, const int* palette) {
  for (int i = 0; i < kPaletteEntries; ++i) {
    // Unsigned, so out-of-range components wrap instead of overflowing.
    const auto component = [&](int k) { return static_cast<std::uint32_t>(palette[i * 3 + k]); };
    colours[i] = static_cast<int>(component(2) + 256u * component(1) + 65536u * component(0));
  }
}

int ColourIndex(std::uint32_t colour) {
  for (int i = 0; i < kPaletteEntries; ++i) {
    const std::uint32_t standard = kStandard[i][0] | (kStandard[i][1] << 8) |
                                   (static_cast<std::uint32_t>(kStandard[i][2]) << 16);
    if (standard == colour) return i;
  }
  return kTransparent;
}

}  // namespace wk::icon
