// Rich edit search: downward from just after the selection's start, or upward
// with a window of the search text's length that ends at the selection's
// start and moves left one character at a time. Works with the find dialog's
// search text and match-case flag as well.
#include <windows.h>
#include <richedit.h>

#include <cstring>
#include <string>

#include "toolkit/core/message.hpp"
#include "rich_edit.hpp"
#include "toolkit/core/boundary.hpp"
#include "toolkit/core/gdi.hpp"
#include "toolkit/core/keywords.hpp"
#include "wk_text.h"
#include "wk_windows.h"

namespace {

// The match of `text` in [start, end), or {-1, -1}.
CHARRANGE FindIn(HWND rich, WPARAM flags, const char* text, LONG start, LONG end) {
  FINDTEXTEXA find{};
  find.chrg = {start, end};
  find.lpstrText = text;
  if (wk::Send(rich, EM_FINDTEXTEX, flags, &find) < 0) {
    return {-1, -1};
  }
  return find.chrgText;
}

int FindDown(HWND rich, WPARAM flags, const char* text, LONG caret, LONG length) {
  wk::WaitCursor wait;
  const CHARRANGE found = FindIn(rich, flags, text, caret + 1, length);
  // Nothing found: the selection stays where it was.
  if (found.cpMin < 0) return WK_FIND_NONE_BELOW;
  wk::rich::SelectRange(rich, found.cpMin, found.cpMax);
  return WK_FIND_FOUND;
}

int FindUp(HWND rich, WPARAM flags, const char* text, LONG caret) {
  wk::WaitCursor wait;
  const LONG k = static_cast<LONG>(std::strlen(text));
  for (LONG start = caret - k, end = caret;; --start, --end) {
    // A window reaching before the text cannot hold the search text.
    const CHARRANGE found = start < 0 ? CHARRANGE{-1, -1} : FindIn(rich, flags, text, start, end);
    const bool whole = found.cpMin >= 0 && found.cpMax - found.cpMin >= end - start;
    if (whole) {
      wk::rich::SelectRange(rich, found.cpMin, found.cpMax);
      return WK_FIND_FOUND;
    }
    if (start < 1) return WK_FIND_NONE_ABOVE;
  }
}

int Find(HWND rich, const char* text, int from_dialog, const char* direction,
         const char* match_case) {
  WPARAM flags = FR_DOWN | (wk::IsKeyword(match_case, "M") ? FR_MATCHCASE : 0);
  std::string search = text ? text : "";
  if (from_dialog == 1) {
    // The request of the latest find notification; before any, the dialog's
    // own record.
    const FINDREPLACEA* request = wk_FindNotice ? wk_FindNotice : &wk_FindDialogRecord;
    search = request->lpstrFindWhat ? request->lpstrFindWhat : "";
    flags = FR_DOWN | (request->Flags & FR_MATCHCASE);
  }
  const LONG length = static_cast<LONG>(wk::Send(rich, WM_GETTEXTLENGTH));
  if (length < 1) return WK_FIND_EMPTY_CONTROL;
  const LONG caret = wk_RichEditCaretPosition(rich, "FORMAT");
  switch (wk::SearchDirectionOf(direction)) {
    case wk::SearchDirection::kDown:
      return FindDown(rich, flags, search.c_str(), caret, length);
    case wk::SearchDirection::kUp:
      return FindUp(rich, flags, search.c_str(), caret);
    default:
      return WK_FIND_NO_DIRECTION;
  }
}

}  // namespace

extern "C" int wk_RichEditFind(HWND rich, const char* text, int from_dialog, const char* direction,
                               const char* match_case) noexcept {
  // A search text that cannot be copied finds nothing.
  return wk::Guarded(WK_FIND_NONE_BELOW,
                     [&] { return Find(rich, text, from_dialog, direction, match_case); });
}
