#include "os_version_rules.hpp"

#include <cstring>

#include "toolkit/core/logic/format_text.hpp"

namespace wk::osversion {
namespace {

struct Row {
  unsigned platform;
  int major;  // -1: any
  int minor;  // -1: any
  int code;
  int shown_major;
  int shown_minor;
};

// In the order the version is tested; the consumer family shows its code only.
constexpr Row kTable[] = {
    {1, -1, 0, 95, 0, 0},  {1, -1, 10, 98, 0, 0}, {1, -1, 90, 99, 0, 0}, {2, 3, -1, 351, 3, 51},
    {2, 4, -1, 400, 4, 0}, {2, 5, 0, 500, 5, 0},  {2, 5, 1, 510, 5, 10}, {2, 5, 2, 520, 5, 20},
};

void CopyText(char* out, std::size_t size, const char* text) {
  FormatText(out, size, "%s", text ? text : "");
}

}  // namespace

Version Identify(const Reported& r) {
  Version v;
  const bool consumer = r.platform == 1;
  const bool nt = r.platform == 2;
  v.build = consumer ? static_cast<int>(r.build & 0xFFFF) : static_cast<int>(r.build);
  if (consumer) {
    const char* update = "First Edition";
    if (r.service_pack && std::strcmp(r.service_pack, " C") == 0) update = "OSR2";
    if (r.service_pack && std::strcmp(r.service_pack, " A") == 0) update = "Second Edition";
    CopyText(v.update, sizeof v.update, update);
  } else {
    CopyText(v.update, sizeof v.update, r.service_pack);
  }
  if (!consumer && !nt) return v;  // code -1, shown as 0.0
  v.code = 0;
  for (const Row& row : kTable) {
    if (row.platform != r.platform) continue;
    if (row.major >= 0 && static_cast<unsigned>(row.major) != r.major) continue;
    if (row.minor >= 0 && static_cast<unsigned>(row.minor) != r.minor) continue;
    v.code = row.code;
    v.shown_major = row.shown_major;
    v.shown_minor = row.shown_minor;
    break;
  }
  if (v.code == 0) {
    v.shown_major = static_cast<int>(r.major);
    v.shown_minor = static_cast<int>(r.minor);
  }
  return v;
}

void FormatBoxText(const Version& v, const Reported& r, char* out, std::size_t size) {
  if (size == 0) return;
  const char* family = r.platform == 1 ? "" : "  NT Technology";
  switch (v.code) {
    case 95:
    case 98:
    case 99:
      FormatText(out, size, "OS          =   Windows %i\nBuild       =  %i\nUpdate   =  %s", v.code,
                 v.build, v.update);
      return;
    case 351:
    case 400:
      FormatText(out, size,
                 "OS          =  Windows %i.%i  NT Technology\nBuild       =  %i\nUpdate   =  %s",
                 v.shown_major, v.shown_minor, v.build, v.update);
      return;
    case 500:
      FormatText(
          out, size,
          "OS          =  Windows 2000 %i.%i  NT Technology\nBuild       =  %i\nUpdate   =  %s",
          v.shown_major, v.shown_minor, v.build, v.update);
      return;
    case 510:
      FormatText(
          out, size,
          "OS          =  Windows XP %i.%i  NT Technology\nBuild       =  %i\nUpdate   =  %s",
          v.shown_major, v.shown_minor, v.build, v.update);
      return;
    case 520:
      FormatText(out, size,
                 "OS          =  Windows .NET Server 2003 family %i.%i  NT Technology\n"
                 "Build       =  %i\nUpdate   =  %s",
                 v.shown_major, v.shown_minor, v.build, v.update);
      return;
    case 0:
      // A version newer (or older) than the table knows: name it by the
      // numbers the platform gave.
      FormatText(out, size, "OS          =  Windows %i.%i%s\nBuild       =  %i\nUpdate   =  %s",
                 v.shown_major, v.shown_minor, family, v.build, v.update);
      return;
    default:
      FormatText(out, size,
                 "OS          =  Windows Undknown %i.%i undknown Technology\n"
                 "Build       =  %i\nUpdate   =  %s",
                 v.shown_major, v.shown_minor, v.build, v.update);
      return;
  }
}

}  // namespace wk::osversion
