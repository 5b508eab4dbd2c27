// The running platform's version as a compact code, kept in process-wide
// variables and shown in a box on request.
#include <windows.h>

#include <cstring>

#include "logic/os_version_rules.hpp"
#include "toolkit/core/keywords.hpp"
#include "wk_files.h"

namespace ov = wk::osversion;

int wk_OsVersionCode = 0;
int wk_OsBuildNumber = 0;
char wk_OsUpdateText[152] = {};

namespace {
constexpr wk::Keyword<bool> kShow[] = {{"SHOW", true}};
}

extern "C" int wk_OsVersion(const char* keyword) noexcept {
  OSVERSIONINFOA info{};
  info.dwOSVersionInfoSize = sizeof info;
  GetVersionExA(&info);
  const ov::Reported reported{info.dwPlatformId, info.dwMajorVersion, info.dwMinorVersion,
                              info.dwBuildNumber, info.szCSDVersion};
  const ov::Version version = ov::Identify(reported);
  wk_OsVersionCode = version.code;
  wk_OsBuildNumber = version.build;
  static_assert(sizeof wk_OsUpdateText == sizeof version.update);
  std::memcpy(wk_OsUpdateText, version.update, sizeof wk_OsUpdateText);
  if (wk::KeywordValue(kShow, keyword, false)) {
    char text[400];
    ov::FormatBoxText(version, reported, text, sizeof text);
    MessageBoxA(nullptr, text, "OS version info", MB_OK);
  }
  return version.code;
}
