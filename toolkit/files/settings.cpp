// Settings in profile files, through the platform's private-profile calls.
//
// The platform's profile writer rewrites the whole file in place and answers
// success even when that write stopped part-way, which would cut every entry
// after the stop. A write therefore goes to a copy of the file beside it;
// only when the copy holds the new entry and every other entry as before
// does it take the file's place (wk::SafeFile), else the file stays as it was.
//
// A file named without a folder is kept in the folder of the program's
// executable (the platform itself would look in its own system folder,
// which a program may not be allowed to write to). Names with a folder part
// are used as given.
#include <windows.h>

#include <cstring>
#include <string>
#include <string_view>

#include "logic/settings_entry.hpp"
#include "logic/settings_path.hpp"
#include "toolkit/core/boundary.hpp"
#include "toolkit/core/safe_file.hpp"
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

// A list of zero-ended strings from one of the platform's list reads, which
// answers the buffer's size less two when the list did not fit.
template <typename Read>
std::string List(Read read) {
  for (DWORD size = 4096;; size *= 2) {
    std::string list(size, '\0');
    const DWORD n = read(list.data(), size);
    if (n + 2 < size || size >= (1u << 30)) {
      list.resize(n);
      return list;
    }
  }
}

std::string_view Trimmed(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  return text;
}

bool SameName(std::string_view a, std::string_view b) {
  return CompareStringA(LOCALE_INVARIANT, NORM_IGNORECASE, a.data(), static_cast<int>(a.size()),
                        b.data(), static_cast<int>(b.size())) == CSTR_EQUAL;
}

// Every entry of the file as the profile functions read it, in order, less
// the one entry a write changes (the whole section for a removed section).
std::string OtherEntries(const char* path, const char* section, const char* key) {
  WritePrivateProfileStringA(nullptr, nullptr, nullptr, path);
  const std::string names = List(
      [&](char* buffer, DWORD size) { return GetPrivateProfileSectionNamesA(buffer, size, path); });
  std::string entries;
  for (std::size_t at = 0; at < names.size(); at += std::strlen(names.c_str() + at) + 1) {
    const char* name = names.c_str() + at;
    const bool written = SameName(Trimmed(name), Trimmed(section));
    if (written && key == nullptr) continue;
    // A section the write makes has no other entries to tell.
    if (!written) entries += std::string("[") + name + "]\n";
    const std::string lines = List([&](char* buffer, DWORD size) {
      return GetPrivateProfileSectionA(name, buffer, size, path);
    });
    for (std::size_t i = 0; i < lines.size(); i += std::strlen(lines.c_str() + i) + 1) {
      const std::string_view line = lines.c_str() + i;
      if (written && SameName(Trimmed(line.substr(0, line.find('='))), Trimmed(key))) continue;
      entries.append(line) += '\n';
    }
  }
  return entries;
}

int Write(const char* path, const char* section, const char* key, const char* value) {
  if (section == nullptr) return 1;  // the platform's call to flush its cache
  wk::SafeFile file(path, wk::FileWrite::kReplace);
  if (!file.opened()) return 1;
  const std::string copy = file.HandOver();
  if (copy.empty()) return 1;
  const std::string others = OtherEntries(copy.c_str(), section, key);
  if (!WritePrivateProfileStringA(section, key, value, copy.c_str())) return 1;
  if (!Stored(copy.c_str(), section, key, value) ||
      OtherEntries(copy.c_str(), section, key) != others) {
    return 1;
  }
  return file.Finish() ? 0 : 1;
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
  return wk::Guarded(1, [&] { return Write(path, section, key, value); });
}

extern "C" int wk_SettingsFolder(char* buffer, int buffer_size) noexcept {
  if (buffer == nullptr || buffer_size <= 0) return 1;
  char program[MAX_PATH];
  const DWORD n = GetModuleFileNameA(nullptr, program, sizeof program);
  if (n == 0 || n >= sizeof program) return 1;
  return wk::settings::FolderOf(program, buffer, static_cast<std::size_t>(buffer_size)) ? 0 : 1;
}
