#include "settings_path.hpp"

#include <cstring>

#include "toolkit/core/logic/format_text.hpp"

namespace wk::settings {

bool IsBareName(const char* name) { return name && std::strpbrk(name, "\\/:") == nullptr; }

bool ResolveSettingsPath(const char* folder, const char* name, char* out, std::size_t size) {
  if (name == nullptr || folder == nullptr || out == nullptr || size == 0) return false;
  const int n = IsBareName(name) ? FormatText(out, size, "%s\\%s", folder, name)
                                 : FormatText(out, size, "%s", name);
  return n >= 0 && static_cast<std::size_t>(n) < size;
}

bool FolderOf(const char* path, char* out, std::size_t size) {
  if (path == nullptr || out == nullptr || size == 0) return false;
  std::size_t n = 0;
  for (std::size_t i = 0; path[i]; ++i) {
    if (path[i] == '\\' || path[i] == '/') n = i;
  }
  if (n >= size) return false;
  std::memcpy(out, path, n);
  out[n] = '\0';
  return true;
}

}  // namespace wk::settings
