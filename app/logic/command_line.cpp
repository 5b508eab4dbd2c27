#include "command_line.hpp"

namespace vindra {

namespace {
const char* SkipSpaces(const char* p) {
  while (*p == ' ') ++p;
  return p;
}
}  // namespace

const char* FindArgumentText(const char* command_line) {
  if (command_line == nullptr) return "";
  if (*command_line == '"') {
    for (const char* p = command_line + 1; *p; ++p) {
      if (*p == '"') return SkipSpaces(p + 1);
    }
    return command_line;
  }
  const char* p = command_line;
  while (*p && *p != ' ') ++p;
  return SkipSpaces(p);
}

}  // namespace vindra
