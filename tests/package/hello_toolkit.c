/* A C program built only from the release package: it includes every public
   header, makes a window with the toolkit and checks what it made, and finds
   the toolkit's dialog templates linked in. It prints the toolkit's version. */
#include <stdio.h>
#include <string.h>

#include "wk_windows.h"
#include "wk_controls.h"
#include "wk_draw.h"
#include "wk_text.h"
#include "wk_menus.h"
#include "wk_files.h"
#include "wk_version.h"

LRESULT CALLBACK AppWindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  return DefWindowProcA(window, message, wparam, lparam);
}

int main(void) {
  char text[64];
  HWND window =
      wk_WindowCreate(GetModuleHandleA(NULL), "hello toolkit", 10, 10, 300, 200, "MIN_NOMAX_CLO");
  if (window == NULL) {
    printf("no window\n");
    return 1;
  }
  wk_WindowGetText(window, text, 63);
  wk_WindowGetSize(window);
  printf("window \"%s\" %d x %d\n", text, wk_ResultX, wk_ResultY);
  if (strcmp(text, "hello toolkit") != 0 || wk_ResultX != 300) return 2;
  if (FindResourceA(NULL, "wk_DLG_TEMPLATE_1", RT_DIALOG) == NULL) {
    printf("no dialog templates\n");
    return 3;
  }
  printf("wk %s\n", WK_VERSION_STRING);
  return wk_WindowDestroy(window);
}
