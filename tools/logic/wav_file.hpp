// Writing a recording's bytes as a WAV file without ever leaving a cut one.
#pragma once

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>

namespace tonerec {

namespace detail {
inline void Put(std::ofstream& out, uint32_t value, int bytes) {
  for (int b = 0; b < bytes; ++b) out.put(static_cast<char>(value >> (8 * b)));
}
}  // namespace detail

// Writes `size` bytes of unsigned 8-bit stereo at 44100 Hz as `path`. The
// file is written beside it and put in place only when every byte was
// written: a full disk or a missing folder leaves the previous file as it
// was, and the result is false.
inline bool WriteWav(const std::string& path, const unsigned char* data, uint32_t size) {
  const std::string part = path + ".part";
  std::ofstream out(part, std::ios::binary);
  out << "RIFF";
  detail::Put(out, 36 + size, 4);
  out << "WAVEfmt ";
  // The format: PCM, 2 channels, 44100 Hz, 88200 bytes a second, 2-byte
  // frames, 8 bits.
  detail::Put(out, 16, 4);
  detail::Put(out, 1, 2);
  detail::Put(out, 2, 2);
  detail::Put(out, 44100, 4);
  detail::Put(out, 88200, 4);
  detail::Put(out, 2, 2);
  detail::Put(out, 8, 2);
  out << "data";
  detail::Put(out, size, 4);
  out.write(reinterpret_cast<const char*>(data), size);
  out.close();
  if (out.fail() || std::rename(part.c_str(), path.c_str()) != 0) {
    std::remove(part.c_str());
    return false;
  }
  return true;
}

}  // namespace tonerec
