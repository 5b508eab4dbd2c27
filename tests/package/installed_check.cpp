// What the Windows Installer package leaves on a machine, read back as a
// person and Windows see it: the Start menu shortcut and what it starts, the
// entry in the list of installed programs, the programs' file properties.
// tests/package/msi_test.sh runs it in a fresh Wine prefix between installing
// and removing the package; WK_EXPECT_VERSION is the package's version and
// WK_SHOT where the picture of the started program goes.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>
#include <objbase.h>
#include <shlobj.h>
#include <shobjidl.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "screenshot.hpp"
#include "wktest.hpp"

namespace {

constexpr char kTitle[] = "Vindra - En tongenerator";
constexpr char kUninstallKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall";
constexpr int kPa = 1014;

std::string Env(const char* name) {
  const char* value = std::getenv(name);
  return value ? value : "";
}

std::string ShellFolder(int csidl) {
  char path[MAX_PATH] = "";
  SHGetFolderPathA(nullptr, csidl, nullptr, SHGFP_TYPE_CURRENT, path);
  return path;
}

std::string InstallFolder() { return ShellFolder(CSIDL_PROGRAM_FILES) + "\\Vindra"; }

// The same file or folder, written with or without a closing backslash.
bool SamePath(std::string a, std::string b) {
  for (std::string* path : {&a, &b}) {
    if (!path->empty() && path->back() == '\\') path->pop_back();
  }
  return lstrcmpiA(a.c_str(), b.c_str()) == 0;
}

// The installed-programs entries whose display name is the product's, as
// name -> value maps of their text values.
std::vector<std::vector<std::pair<std::string, std::string>>> ProductEntries() {
  std::vector<std::vector<std::pair<std::string, std::string>>> entries;
  HKEY all = nullptr;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kUninstallKey, 0, KEY_READ, &all) != ERROR_SUCCESS) {
    return entries;
  }
  char sub[256];
  for (DWORD i = 0, size = sizeof sub;
       RegEnumKeyExA(all, i, sub, &size, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
       ++i, size = sizeof sub) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(all, sub, 0, KEY_READ, &key) != ERROR_SUCCESS) continue;
    std::vector<std::pair<std::string, std::string>> values;
    char name[256];
    BYTE data[1024];
    for (DWORD j = 0, name_size = sizeof name, data_size = sizeof data, type = 0;
         RegEnumValueA(key, j, name, &name_size, nullptr, &type, data, &data_size) == ERROR_SUCCESS;
         ++j, name_size = sizeof name, data_size = sizeof data) {
      if (type == REG_SZ || type == REG_EXPAND_SZ) {
        values.emplace_back(name, std::string(reinterpret_cast<char*>(data)));
      }
    }
    RegCloseKey(key);
    for (const auto& [value_name, value] : values) {
      if (value_name == "DisplayName" && value == kTitle) entries.push_back(values);
    }
  }
  RegCloseKey(all);
  return entries;
}

std::string ValueOf(const std::vector<std::pair<std::string, std::string>>& values,
                    const std::string& name) {
  for (const auto& [value_name, value] : values) {
    if (value_name == name) return value;
  }
  return "";
}

// A string of the file's version resource, from its first language block.
std::string VersionString(const std::string& file, const char* name) {
  DWORD handle = 0;
  const DWORD size = GetFileVersionInfoSizeA(file.c_str(), &handle);
  if (size == 0) return "";
  std::vector<char> block(size);
  if (!GetFileVersionInfoA(file.c_str(), 0, size, block.data())) return "";
  WORD* translation = nullptr;
  UINT length = 0;
  if (!VerQueryValueA(block.data(), "\\VarFileInfo\\Translation",
                      reinterpret_cast<void**>(&translation), &length) ||
      length < 4) {
    return "";
  }
  char query[128];
  wsprintfA(query, "\\StringFileInfo\\%04x%04x\\%s", translation[0], translation[1], name);
  char* value = nullptr;
  if (!VerQueryValueA(block.data(), query, reinterpret_cast<void**>(&value), &length)) return "";
  return value;
}

// The shortcut's target, working folder and icon, read through the shell.
struct Shortcut {
  std::string target, folder, icon_file;
  int icon_index = -1;
};

bool ReadShortcut(const std::string& path, Shortcut& out) {
  IShellLinkA* link = nullptr;
  if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                              reinterpret_cast<void**>(&link)))) {
    return false;
  }
  IPersistFile* file = nullptr;
  bool read = false;
  if (SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
    std::wstring wide(path.begin(), path.end());
    if (SUCCEEDED(file->Load(wide.c_str(), STGM_READ))) {
      char text[MAX_PATH] = "";
      link->GetPath(text, MAX_PATH, nullptr, 0);
      out.target = text;
      link->GetWorkingDirectory(text, MAX_PATH);
      out.folder = text;
      link->GetIconLocation(text, MAX_PATH, &out.icon_index);
      out.icon_file = text;
      read = true;
    }
    file->Release();
  }
  link->Release();
  return read;
}

// The colour and mask bits of the first large icon in a file, to compare two
// icons by what they show.
std::vector<unsigned char> IconBits(const std::string& file, int index) {
  HICON icon = nullptr;
  if (ExtractIconExA(file.c_str(), index, &icon, nullptr, 1) != 1 || icon == nullptr) return {};
  ICONINFO info{};
  GetIconInfo(icon, &info);
  std::vector<unsigned char> bits;
  for (HBITMAP bitmap : {info.hbmColor, info.hbmMask}) {
    BITMAP shape{};
    if (bitmap == nullptr || GetObjectA(bitmap, sizeof shape, &shape) == 0) continue;
    std::vector<unsigned char> part(static_cast<size_t>(shape.bmWidthBytes) * shape.bmHeight);
    GetBitmapBits(bitmap, static_cast<LONG>(part.size()), part.data());
    bits.insert(bits.end(), part.begin(), part.end());
    DeleteObject(bitmap);
  }
  DestroyIcon(icon);
  return bits;
}

// Starts the tone generator, sees its window, switches it on (which enables
// the frequency slider and opens the sound device), takes a picture of it
// when `shot` names a file, and closes it.
void RunToneGenerator(const std::string& exe, const std::string& shot) {
  wktest::AppProcess app(exe);
  ASSERT_TRUE(app.started()) << exe;
  HWND window = app.FindWindowByTitle(kTitle);
  ASSERT_NE(window, nullptr);
  EXPECT_TRUE(wktest::WaitFor([&] { return IsWindowVisible(window) != 0; }));
  RECT r{};
  GetWindowRect(window, &r);
  EXPECT_EQ(r.right - r.left, 800);
  EXPECT_EQ(r.bottom - r.top, 600 + GetSystemMetrics(SM_CYCAPTION));
  HWND slider = FindWindowExA(window, nullptr, TRACKBAR_CLASSA, nullptr);
  ASSERT_NE(slider, nullptr);
  EXPECT_FALSE(IsWindowEnabled(slider));
  SendMessageA(GetDlgItem(window, kPa), BM_CLICK, 0, 0);
  EXPECT_TRUE(wktest::WaitFor([&] { return IsWindowEnabled(slider) != 0; }));
  wktest::Pump(300);
  if (!shot.empty()) {
    EXPECT_TRUE(wktest::SaveScreenBitmap(r, shot));
  }
  PostMessageA(window, WM_CLOSE, 0, 0);
  EXPECT_EQ(app.WaitExit(), 0);
}

}  // namespace

// Run before the prefix is first looked at: Wine records the display and the
// sound devices in the registry when a program first uses them, and that is
// not the package's doing.
TEST(Prefix, ToneGeneratorOfTheBuildRunsOnce) { RunToneGenerator(WK_APP_EXE, ""); }

TEST(Installed, StartMenuShortcutStartsTheInstalledToneGeneratorWithItsIcon) {
  ASSERT_TRUE(SUCCEEDED(CoInitialize(nullptr)));
  // A package for all users puts it in the common Start menu; Wine's
  // installer uses the user's own.
  std::vector<std::string> found;
  for (int csidl : {CSIDL_COMMON_PROGRAMS, CSIDL_PROGRAMS}) {
    const std::string path = ShellFolder(csidl) + "\\" + kTitle + ".lnk";
    if (GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES) found.push_back(path);
  }
  ASSERT_EQ(found.size(), 1u);
  Shortcut shortcut;
  ASSERT_TRUE(ReadShortcut(found[0], shortcut));
  CoUninitialize();
  const std::string exe = InstallFolder() + "\\vindra.exe";
  EXPECT_TRUE(SamePath(shortcut.target, exe)) << shortcut.target;
  EXPECT_TRUE(SamePath(shortcut.folder, InstallFolder())) << shortcut.folder;
  const std::vector<unsigned char> icon = IconBits(shortcut.icon_file, shortcut.icon_index);
  EXPECT_FALSE(icon.empty()) << shortcut.icon_file;
  EXPECT_EQ(icon, IconBits(exe, 0)) << "the shortcut shows another icon than the program's";

  RunToneGenerator(shortcut.target, Env("WK_SHOT"));
}

TEST(Installed, ProgramsCarryTheVersionTheInstalledProgramsListShows) {
  const std::string version = Env("WK_EXPECT_VERSION");
  ASSERT_FALSE(version.empty());
  const auto entries = ProductEntries();
  ASSERT_EQ(entries.size(), 1u);
  EXPECT_EQ(ValueOf(entries[0], "DisplayVersion"), version);
  EXPECT_EQ(ValueOf(entries[0], "Publisher"), "Vindra");
  EXPECT_NE(ValueOf(entries[0], "UninstallString").find("MsiExec.exe"), std::string::npos);
  for (const char* name : {"vindra.exe", "gallery.exe"}) {
    const std::string file = InstallFolder() + "\\" + name;
    EXPECT_EQ(VersionString(file, "ProductVersion"), version) << name;
    EXPECT_EQ(VersionString(file, "FileVersion"), version) << name;
    EXPECT_EQ(VersionString(file, "ProductName"), kTitle) << name;
    EXPECT_EQ(VersionString(file, "OriginalFilename"), name);
  }
  EXPECT_EQ(VersionString(InstallFolder() + "\\vindra.exe", "FileDescription"), kTitle);
}

// After a newer package went over the older one.
TEST(Upgraded, OneEntryWithTheNewerVersion) {
  const auto entries = ProductEntries();
  ASSERT_EQ(entries.size(), 1u);
  EXPECT_EQ(ValueOf(entries[0], "DisplayVersion"), Env("WK_EXPECT_VERSION"));
}
