// Shared pieces of the top-level window and dialog window families.
#pragma once

#include <windows.h>

namespace wk {

struct WindowStyles {
  DWORD style;
  DWORD ex_style;
  DWORD class_style;
};

// SetWindowLongA(GWL_EXSTYLE), SetWindowLongA(GWL_STYLE), SetClassLongA(GCL_STYLE).
void ApplyWindowStyles(HWND window, const WindowStyles& styles);

// The window family's finish after a style change: result pair := size, the
// window grows by one caption height and is shown normally, result pair := 0.
void GrowByCaptionAndShow(HWND window);

// The dialog family's way: remember the rectangle, hide, shrink to 0,0,0,0;
// after the change, move back and show.
void HideToOrigin(HWND window, RECT& remembered);
void RestoreAndShow(HWND window, const RECT& remembered, int show_command);

// The property that marks a dialog made by wk_DialogWindowCreate as
// modeless: the platform's EndDialog would only hide it.
inline constexpr char kModelessDialog[] = "wk_ModelessDialog";

}  // namespace wk
