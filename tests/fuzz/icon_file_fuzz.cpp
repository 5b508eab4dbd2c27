// Any bytes, read as an icon file: finding the n-th image and decoding it
// must stay inside the buffer, the piecewise search must agree with the
// whole-buffer one, and a decoded image must encode back to the same bytes.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "toolkit/draw/logic/icon_file.hpp"

namespace icon = wk::icon;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 4) return 0;
  // The first byte chooses the image number, the second the piece size, the
  // third and fourth where a bitmap header is planted (random bytes seldom
  // hold one), so truncated images near the end are tried often.
  const int number = data[0] % 5;
  const std::size_t piece = 1 + data[1];
  // A copy of exactly the input's length, so a read past it is caught.
  std::vector<std::uint8_t> file(data + 4, data + size);
  const std::size_t plant = (data[2] << 8 | data[3]) % (file.size() + 1);
  if (plant + icon::kPatternSize <= file.size() && (data[2] & 0x80)) {
    std::memcpy(file.data() + plant, icon::kPattern, icon::kPatternSize);
  }

  const std::ptrdiff_t at = icon::FindImage(file.data(), file.size(), number);
  icon::PatternScanner scanner(number);
  bool found = false;
  for (std::size_t pos = 0; pos < file.size() && !found; pos += piece) {
    found = scanner.Feed(file.data() + pos, std::min(piece, file.size() - pos));
  }
  if ((found ? scanner.found() : -1) != at) std::abort();

  int palette[icon::kPaletteInts];
  int image[icon::kCells];
  if (at < 0) return 0;
  const std::size_t available = file.size() - static_cast<std::size_t>(at);
  if (!icon::DecodeImage(file.data() + at, available, palette, image)) {
    if (available >= icon::kImageSize) std::abort();
    return 0;
  }
  std::uint8_t written[icon::kFileSize];
  icon::EncodeFile(palette, image, written);
  // The palette, colour bitmap and mask come back byte for byte (the fourth
  // byte of each palette entry is written as 0).
  const std::uint8_t* read = file.data() + at + 40;
  for (std::size_t i = 0; i < 704; ++i) {
    const std::uint8_t expected = (i < 64 && i % 4 == 3) ? 0 : read[i];
    if (written[62 + i] != expected) std::abort();
  }
  return 0;
}
