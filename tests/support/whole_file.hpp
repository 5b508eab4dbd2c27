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

// Whether the file is there to be read.
inline bool FileExists(const std::string& path) { return std::ifstream(path).good(); }

// Replaces the file's content with exactly these bytes.
inline void WriteWholeFile(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

}  // namespace wktest
