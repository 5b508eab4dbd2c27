// Icon files and palettes of the icon editor: saving one 766-byte icon,
// loading the n-th image found anywhere in a file, and the palette helpers.
//
// The file is searched in large blocks by the pure scanner rather than by
// reading 15 bytes at every offset, and an image is read only when the file
// holds all of it.
#include <windows.h>

#include "toolkit/core/gdi.hpp"
#include "toolkit/core/safe_file.hpp"
#include "toolkit/draw/logic/icon_file.hpp"
#include "wk_draw.h"

namespace icon = wk::icon;

namespace {

constexpr DWORD kBlock = 64 * 1024;

HANDLE OpenForReading(const char* name) {
  if (name == nullptr) return INVALID_HANDLE_VALUE;
  return CreateFileA(name, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                     FILE_ATTRIBUTE_NORMAL, nullptr);
}

// Reads up to `size` bytes at `offset`; returns how many were read.
DWORD ReadAt(HANDLE file, std::int64_t offset, void* buffer, DWORD size) {
  LARGE_INTEGER at;
  at.QuadPart = offset;
  DWORD read = 0;
  if (!SetFilePointerEx(file, at, nullptr, FILE_BEGIN)) return 0;
  if (!ReadFile(file, buffer, size, &read, nullptr)) return 0;
  return read;
}

// Stream offset of the number-th image header, or -1.
std::int64_t FindImage(HANDLE file, int number) {
  wk::HeapBlock<std::uint8_t> block(kBlock);
  if (!block) return -1;
  icon::PatternScanner scanner(number);
  for (;;) {
    DWORD read = 0;
    if (!ReadFile(file, block.get(), kBlock, &read, nullptr) || read == 0) return -1;
    if (scanner.Feed(block.get(), read)) return scanner.found();
  }
}

}  // namespace

extern "C" int wk_IconDefaultPalette(int* palette) noexcept {
  if (palette) icon::DefaultPalette(palette);
  return 0;
}

extern "C" int wk_IconPaletteColours(int* colours, const int* palette) noexcept {
  if (colours && palette) icon::PaletteColours(colours, palette);
  return 0;
}

extern "C" int wk_IconColourIndex(COLORREF colour) noexcept { return icon::ColourIndex(colour); }

extern "C" int wk_IconFill(int* image, int value) noexcept {
  if (image) {
    for (int i = 0; i < icon::kCells; ++i) image[i] = value;
  }
  return 0;
}

// Every write is checked, and a failed one leaves the file that was there.
extern "C" int wk_IconSave(const char* file_name, const int* palette, const int* image) noexcept {
  if (file_name == nullptr || palette == nullptr || image == nullptr) return 1;
  std::uint8_t bytes[icon::kFileSize];
  icon::EncodeFile(palette, image, bytes);
  return wk::WriteWholeFile(file_name, bytes, sizeof bytes, {0, 1, 1});
}

// Palette and image change only when a whole image was read: an empty file,
// too few images or an image cut off by the end of the file return 1.
extern "C" int wk_IconLoad(const char* file_name, int* palette, int* image, int number) noexcept {
  if (palette == nullptr || image == nullptr) return 1;
  wk::FileHandle file(OpenForReading(file_name));
  if (!file.valid()) return 1;
  const std::int64_t at = FindImage(file.get(), number);
  if (at < 0) return 1;
  std::uint8_t bytes[icon::kImageSize];
  const DWORD read = ReadAt(file.get(), at, bytes, sizeof bytes);
  return icon::DecodeImage(bytes, read, palette, image) ? 0 : 1;
}

extern "C" int wk_IconFileImageCount(const char* file_name) noexcept {
  wk::FileHandle file(OpenForReading(file_name));
  if (!file.valid()) return -1;
  std::uint8_t count = 0;
  return ReadAt(file.get(), 4, &count, 1) == 1 ? count : -1;
}
