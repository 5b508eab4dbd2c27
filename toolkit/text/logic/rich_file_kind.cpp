#include "rich_file_kind.hpp"

#include <cstring>

namespace wk::richfile {

namespace {
char Upper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }
}  // namespace

bool IsRichTextName(const char* name) {
  if (name == nullptr) return false;
  const std::size_t n = std::strlen(name);
  if (n < 3) return false;
  const char* tail = name + n - 3;
  return Upper(tail[0]) == 'R' && Upper(tail[1]) == 'T' && Upper(tail[2]) == 'F';
}

}  // namespace wk::richfile
