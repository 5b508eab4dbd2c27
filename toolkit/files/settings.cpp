// Settings in profile files, through the platform's private-profile calls.
//
// A file named without a folder is kept in the folder of the program's
// executable (the platform itself would look in its own system folder,
// which a program may not be allowed to write to). Names with a folder part
// are used as given.
#include <windows.h>

#include <cstring>

#include "logic/settings_path.hpp"
#include "wk_files.h"

namespace {

// Ten spaces: the default a read gets when the key is missing.
constexpr char kMissing[] = "          ";

bool SettingsPath(const char* name, char* out, std::size_t size) {
  char program[MAX_PATH];
  const DWORD n = GetModuleFileNameA(nullptr, program, sizeof program);
  if (n == 0 || n >= sizeof program) return false;
  char folder[MAX_PATH];
  return wk::settings::FolderOf(program, folder, sizeof folder) &&
         wk::settings::ResolveSettingsPath(folder, name, out, size);
}

}  // namespace

extern "C" int wk_ReadSetting(const char* file_name, const char* section, const char* key,
                              char* buffer, int buffer_size) noexcept {
  if (buffer == nullptr || buffer_size <= 0) return -1;
  char path[MAX_PATH];
  if (!SettingsPath(file_name, path, sizeof path)) {
    lstrcpynA(buffer, kMissing, buffer_size);
    return -1;
  }
  // The platform strips trailing blanks from the default it copies, so the
  // ten spaces themselves cannot tell a missing key. A line end can never be
  // a stored value: a first read with that as the default tells it.
  char probe[2];
  GetPrivateProfileStringA(section, key, "\n", probe, sizeof probe, path);
  const DWORD n =
      GetPrivateProfileStringA(section, key, "", buffer, static_cast<DWORD>(buffer_size), path);
  if (std::strcmp(probe, "\n") == 0 || std::strcmp(buffer, kMissing) == 0) {
    lstrcpynA(buffer, kMissing, buffer_size);
    return -1;
  }
  return static_cast<int>(n);
}

extern "C" int wk_WriteSetting(const char* file_name, const char* section, const char* key,
                               const char* value) noexcept {
  char path[MAX_PATH];
  if (!SettingsPath(file_name, path, sizeof path)) return 1;
  return WritePrivateProfileStringA(section, key, value, path) ? 0 : 1;
}

extern "C" int wk_SettingsFolder(char* buffer, int buffer_size) noexcept {
  if (buffer == nullptr || buffer_size <= 0) return 1;
  char program[MAX_PATH];
  const DWORD n = GetModuleFileNameA(nullptr, program, sizeof program);
  if (n == 0 || n >= sizeof program) return 1;
  return wk::settings::FolderOf(program, buffer, static_cast<std::size_t>(buffer_size)) ? 0 : 1;
}
