// The tone generator's window procedure.
#include <windows.h>

#include "wk_windows.h"

extern "C" LRESULT CALLBACK AppWindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcA(window, message, wparam, lparam);
  }
}
