// Shared helpers of the rich edit tests: a window with a rich edit in a known
// plain format, and readers of the control's formatting.
#pragma once

#include <windows.h>
#include <richedit.h>

#include <string>

#include "tests/support/creation_styles.hpp"
#include "tests/support/wktest.hpp"
#include "wk_text.h"

namespace richtest {

// A new control's format is bold "System"; tests start from plain Arial 10.
inline void MakePlain(HWND rich) {
  CHARFORMATA format{};
  format.cbSize = sizeof format;
  format.dwMask =
      CFM_BOLD | CFM_ITALIC | CFM_UNDERLINE | CFM_STRIKEOUT | CFM_FACE | CFM_SIZE | CFM_COLOR;
  format.yHeight = 200;
  format.crTextColor = RGB(0, 0, 0);
  lstrcpyA(format.szFaceName, "Arial");
  SendMessageA(rich, EM_SETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(&format));
  SendMessageA(rich, EM_SETCHARFORMAT, SCF_ALL, reinterpret_cast<LPARAM>(&format));
}

// The format of the character at position p (selection moved and put back).
inline CHARFORMATA FormatAt(HWND rich, int p) {
  CHARRANGE saved{};
  SendMessageA(rich, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&saved));
  CHARRANGE one{p, p + 1};
  SendMessageA(rich, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&one));
  CHARFORMATA format{};
  format.cbSize = sizeof format;
  SendMessageA(rich, EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
  SendMessageA(rich, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&saved));
  return format;
}

inline COLORREF ColourAt(HWND rich, int p) { return FormatAt(rich, p).crTextColor; }
inline bool BoldAt(HWND rich, int p) { return (FormatAt(rich, p).dwEffects & CFE_BOLD) != 0; }

inline CHARRANGE SelectionOf(HWND rich) {
  CHARRANGE range{};
  SendMessageA(rich, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&range));
  return range;
}

struct RichWindow {
  wktest::TestWindow window{640, 480, "rich edit test"};
  HWND rich = nullptr;
  explicit RichWindow(const char* text = "", const char* scroll = "VSCROLL") {
    rich = wk_RichEditCreate(window, 10, 10, 500, 300, scroll, 100000);
    MakePlain(rich);
    wk_RichEditSetText(rich, text);
  }
};

}  // namespace richtest
