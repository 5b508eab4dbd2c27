#include "keywords.hpp"

#include <windows.h>

namespace wk {

int PlatformCompare(const char* a, const char* b) { return lstrcmpA(a, b); }

}  // namespace wk
