// The window procedure for test programs that need no behaviour of their
// own from toolkit windows: closing a window ends nothing, everything else
// is the platform's default.
#include <windows.h>

#include "wk_windows.h"

extern "C" LRESULT CALLBACK AppWindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  return DefWindowProcA(window, message, wparam, lparam);
}
