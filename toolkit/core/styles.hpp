// A window style and its extended style, chosen together by the frame
// keywords of the controls.
#pragma once

#include <windows.h>

namespace wk {

struct StylePair {
  DWORD style;
  DWORD ex_style;
};

}  // namespace wk
