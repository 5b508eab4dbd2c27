// Whole files as bytes, for tests that check what the code under test wrote
// or lay down a file for it to read. Plain C++ without the platform's
// headers, so the native logic tests read and write files the same way;
// under Wine a Unix file is reached through drive Z:.
#pragma once

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace wktest {

// The file's bytes, or "" when it cannot be read.
inline std::string ReadWholeFile(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  std::stringstream bytes;
  bytes << file.rdbuf();
  return bytes.str();
}

// The same bytes as numbers 0 to 255, for binary formats.
inline std::vector<unsigned char> ReadFileBytes(const std::string& path) {
  const std::string bytes = ReadWholeFile(path);
  return {bytes.begin(), bytes.end()};
}

// Bytes `from` up to `to` of a file that may still be growing: fewer where
// it ends sooner.
inline std::vector<unsigned char> ReadFileRange(const std::string& path, unsigned long long from,
                                                unsigned long long to) {
  std::vector<unsigned char> bytes(to > from ? static_cast<size_t>(to - from) : 0);
  std::ifstream file(path, std::ios::binary);
  file.seekg(static_cast<std::streamoff>(from));
  file.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  bytes.resize(static_cast<size_t>(file.gcount()));
  return bytes;
}

// The file's length in bytes, 0 when it cannot be read.
inline unsigned long long FileLength(const std::string& path) {
  std::ifstream file(path, std::ios::binary | std::ios::ate);
  return file ? static_cast<unsigned long long>(file.tellg()) : 0;
}

// Whether the file is there to be read.
inline bool FileExists(const std::string& path) { return std::ifstream(path).good(); }

// Replaces the file's content with exactly these bytes.
inline void WriteWholeFile(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

}  // namespace wktest
