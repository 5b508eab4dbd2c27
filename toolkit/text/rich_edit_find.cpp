// Rich edit search: downward from just after the selection's start, or upward
// with a window of the search text's length that ends at the selection's
// start and moves left one character at a time. Works with the find dialog's
// search text and match-case flag as well.
#include <windows.h>
#include <richedit.h>

#include <cstring>
#include <string>

#include "rich_edit.hpp"
#include "wk_text.h"
#include "wk_windows.h"

namespace {

// The wait cursor for the length of a search, the previous one back after it.
class WaitCursor {
 public:
  WaitCursor() : previous_(SetCursor(LoadCursorA(nullptr, IDC_WAIT))) {}
  ~WaitCursor() { SetCursor(previous_); }
  WaitCursor(const WaitCursor&) = delete;
  WaitCursor& operator=(const WaitCursor&) = delete;

 private:
  HCURSOR previous_;
};

bool IsWord(const char* keyword, const char* word) {
  return keyword != nullptr && std::strcmp(keyword, word) == 0;
}

// The match of `text` in [start, end), or {-1, -1}.
CHARRANGE FindIn(HWND rich, WPARAM flags, const char* text, LONG start, LONG end) {
  FINDTEXTEXA find{};
  find.chrg = {start, end};
  find.lpstrText = text;
  if (SendMessageA(rich, EM_FINDTEXTEX, flags, reinterpret_cast<LPARAM>(&find)) < 0) {
    return {-1, -1};
  }
  return find.chrgText;
}

int FindDown(HWND rich, WPARAM flags, const char* text, LONG caret, LONG length) {
  WaitCursor wait;
  const CHARRANGE found = FindIn(rich, flags, text, caret + 1, length);
  // Nothing found: the selection stays where it was.
  if (found.cpMin < 0) return 1;
  wk::rich::SelectRange(rich, found.cpMin, found.cpMax);
  return 0;
}

int FindUp(HWND rich, WPARAM flags, const char* text, LONG caret) {
  WaitCursor wait;
  const LONG k = static_cast<LONG>(std::strlen(text));
  for (LONG start = caret - k, end = caret;; --start, --end) {
    // A window reaching before the text cannot hold the search text.
    const CHARRANGE found = start < 0 ? CHARRANGE{-1, -1} : FindIn(rich, flags, text, start, end);
    const bool whole = found.cpMin >= 0 && found.cpMax - found.cpMin >= end - start;
    if (whole) {
      wk::rich::SelectRange(rich, found.cpMin, found.cpMax);
      return 0;
    }
    if (start < 1) return -1;
  }
}

int Find(HWND rich, const char* text, int from_dialog, const char* direction,
         const char* match_case) {
  WPARAM flags = FR_DOWN | (IsWord(match_case, "M") ? FR_MATCHCASE : 0);
  std::string search = text ? text : "";
  if (from_dialog == 1) {
    // The request of the latest find notification; before any, the dialog's
    // own record.
    const FINDREPLACEA* request = wk_FindNotice ? wk_FindNotice : &wk_FindDialogRecord;
    search = request->lpstrFindWhat ? request->lpstrFindWhat : "";
    flags = FR_DOWN | (request->Flags & FR_MATCHCASE);
  }
  const LONG length = static_cast<LONG>(SendMessageA(rich, WM_GETTEXTLENGTH, 0, 0));
  if (length < 1) return 3;
  const LONG caret = wk_RichEditCaretPosition(rich, "FORMAT");
  if (IsWord(direction, "D")) return FindDown(rich, flags, search.c_str(), caret, length);
  if (IsWord(direction, "U")) return FindUp(rich, flags, search.c_str(), caret);
  return 2;
}

}  // namespace

extern "C" int wk_RichEditFind(HWND rich, const char* text, int from_dialog, const char* direction,
                               const char* match_case) {
  try {
    return Find(rich, text, from_dialog, direction, match_case);
  } catch (...) {
    return 1;  // the search text could not be copied: nothing found
  }
}
