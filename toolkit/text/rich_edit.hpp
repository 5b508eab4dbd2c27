// Internals shared by the rich edit's source files, the highlighting and the
// font dialog.
#pragma once

#include <windows.h>
#include <richedit.h>

namespace wk::rich {

// The character format of the current selection (the 60-byte record).
CHARFORMATA SelectionFormat(HWND rich);
// Selects [start, end) (EM_EXSETSEL); returns the platform's answer.
LRESULT SelectRange(HWND rich, LONG start, LONG end);
// The current selection (EM_EXGETSEL).
CHARRANGE Selection(HWND rich);

}  // namespace wk::rich
