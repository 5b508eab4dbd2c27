#include "settings_entry.hpp"

#include <cstring>
#include <string_view>

namespace wk::settings {

namespace {

// The platform's blanks: space, tab, vertical tab, form feed and the old
// end-of-file mark 0x1A.
bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\v' || c == '\f' || c == '\x1a'; }

bool FitsOneLine(const char* text) {
  return text == nullptr ||
         (std::strpbrk(text, "\r\n") == nullptr && std::strlen(text) <= kMaxEntryLength);
}

}  // namespace

bool CanHold(const char* section, const char* key, const char* value) {
  if (!FitsOneLine(section) || !FitsOneLine(key) || !FitsOneLine(value)) return false;
  if (key == nullptr) return true;
  const char* first = key;
  while (IsBlank(*first)) ++first;
  return std::strchr(key, '=') == nullptr && *first != '[';
}

std::string AsReadBack(const char* value) {
  std::string_view v = value ? value : "";
  while (!v.empty() && IsBlank(v.front())) v.remove_prefix(1);
  while (!v.empty() && IsBlank(v.back())) v.remove_suffix(1);
  if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front()) {
    v.remove_prefix(1);
    v.remove_suffix(1);
  }
  return std::string(v);
}

}  // namespace wk::settings
