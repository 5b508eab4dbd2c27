// How the platform's version record becomes the toolkit's version code and
// the text of the version box.
#pragma once

#include <cstddef>

namespace wk::osversion {

// What the platform reports (the fields of its version record we use).
struct Reported {
  unsigned platform;  // 1 consumer family, 2 NT family
  unsigned major;
  unsigned minor;
  unsigned build;
  const char* service_pack;  // the platform's service-pack text
};

inline constexpr std::size_t kUpdateTextSize = 152;

struct Version {
  int code = -1;        // 95, 98, 99, 351, 400, 500, 510, 520; 0 unlisted; -1 unknown family
  int shown_major = 0;  // the pair the box prints (3.51, 5.10 ...)
  int shown_minor = 0;
  int build = 0;  // consumer family: the low 16 bits only
  char update[kUpdateTextSize] = {};
};

Version Identify(const Reported& reported);

// Writes the box text for `version` into `out` (always terminated, cut to
// `size`). A known family's version that the table does not list is shown
// with the major and minor version the platform reported.
void FormatBoxText(const Version& version, const Reported& reported, char* out, std::size_t size);

}  // namespace wk::osversion
