// Settings in profile files, through the platform's private-profile calls.
//
// A file named without a folder is kept in the folder of the program's
// executable (the platform itself would look in its own system folder,
// which a program may not be allowed to write to). Names with a folder part
// are used as given.
#include <windows.h>

#include <cstring>
#include <string>

#include "logic/settings_entry.hpp"
#include "logic/settings_path.hpp"
#include "toolkit/core/boundary.hpp"
#include "wk_files.h"

static_assert(wk::settings::kMaxEntryLength == WK_SETTING_MAX_LENGTH);

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

// Whether the file now holds what was written. The platform's writer
// answers success even when the file could not be written (a full disk, a
// write cut short), and it keeps the profiles it has read in memory:
// releasing that copy first makes the read come from the file.
bool Stored(const char* path, const char* section, const char* key, const char* value) {
  WritePrivateProfileStringA(nullptr, nullptr, nullptr, path);
  if (key == nullptr) {
    char names[2];  // the section is gone when it names no key
    return GetPrivateProfileStringA(section, nullptr, "", names, sizeof names, path) == 0;
  }
  // A line end is never a stored value: as the default it tells a missing key.
  std::string read(wk::settings::kMaxEntryLength + 2, '\0');
  const DWORD n = GetPrivateProfileStringA(section, key, "\n", read.data(),
                                           static_cast<DWORD>(read.size()), path);
  read.resize(n);
  return value == nullptr ? read == "\n" : read == wk::settings::AsReadBack(value);
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
  if (!wk::settings::CanHold(section, key, value)) return 1;
  char path[MAX_PATH];
  if (!SettingsPath(file_name, path, sizeof path)) return 1;
  if (!WritePrivateProfileStringA(section, key, value, path)) return 1;
  return wk::Guarded(1, [&] { return Stored(path, section, key, value) ? 0 : 1; });
}

extern "C" int wk_SettingsFolder(char* buffer, int buffer_size) noexcept {
  if (buffer == nullptr || buffer_size <= 0) return 1;
  char program[MAX_PATH];
  const DWORD n = GetModuleFileNameA(nullptr, program, sizeof program);
  if (n == 0 || n >= sizeof program) return 1;
  return wk::settings::FolderOf(program, buffer, static_cast<std::size_t>(buffer_size)) ? 0 : 1;
}
