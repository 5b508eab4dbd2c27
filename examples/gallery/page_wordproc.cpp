// The word processor page: the simple word processor holding a short text,
// searched by the find dialog, saved and loaded, its caret reported in the
// status line.
#include <windows.h>

#include <cstdio>

#include "gallery.hpp"
#include "wk_draw.h"
#include "wk_text.h"

namespace gallery {

namespace {

constexpr char kText[] =
    "The simple word processor is a multi-line text area of the platform.\r\n"
    "\r\n"
    "It holds one plain text of up to 65,535 characters. The toolkit adds scroll-bar\r\n"
    "keywords, a re-creation with another frame that keeps the text, tab stops,\r\n"
    "stock fonts, files, the modified flag, selection by 1-based positions,\r\n"
    "the caret's line and column, and a search that works with the find dialog.\r\n"
    "\r\n"
    "Try it: Dialogs > Find... searches this text; the status line shows where\r\n"
    "the caret is.\r\n"
    "\r\n"
    "Tab stops:\tone\ttwo\tthree\r\n";

HWND g_wordproc = nullptr;

}  // namespace

HWND BuildWordProcPage(HWND window) {
  HWND plain =
      wk_WordProcSimpleCreate(window, kPageLeft, kPageTop + 22, 776, 460, "VHSCROLL", 65535);
  // A sunken frame: Modify makes a successor with the text carried over.
  g_wordproc =
      wk_WordProcSimpleModify_1(plain, kPageLeft, kPageTop + 22, 776, 460, "SUNKEN", "VHSCROLL", 0);
  if (g_wordproc == nullptr) return nullptr;
  Shared().controls.push_back(g_wordproc);
  static HFONT font = wk_WordProcSimpleCreateFont(g_wordproc, 11, FW_NORMAL, 0, 0, "Tahoma");
  wk_WordProcSimpleSetFont(g_wordproc, reinterpret_cast<UINT_PTR>(font));
  wk_WordProcSimpleSetTabStops(g_wordproc, 4, 40);
  wk_WordProcSimpleSetText(g_wordproc, kText);
  wk_WordProcSimpleSetModified(g_wordproc, "OFF");
  wk_WordProcSimpleSelect(g_wordproc, 5, 10);  // "simple"
  wk_WordProcSimpleSetFocus(g_wordproc);
  Shared().text_for_find = g_wordproc;
  return g_wordproc;
}

void PaintWordProcPage(HWND window) {
  wk_WriteText(window, kPageLeft, kPageTop,
               "The simple word processor (Dialogs > Find searches it; type to mark it modified)",
               RGB(0, 0, 96), nullptr, 0);
}

HWND WordProcessor() { return Shared().page == kPageWordProc ? g_wordproc : nullptr; }

// The caret as the status line shows it: the word processor counts lines
// from 1, and its column from the start of the whole text, so the column
// within the line is taken from the start of the caret's line.
bool WordProcCaret(int& line, int& column) {
  HWND wp = WordProcessor();
  if (wp == nullptr) return false;
  line = wk_WordProcSimpleCaretLine(wp);
  const int index = wk_WordProcSimpleCaretColumn(wp);
  const int line_start = static_cast<int>(SendMessageA(wp, EM_LINEINDEX, line - 1, 0));
  column = index - line_start;
  return line > 0;
}

}  // namespace gallery
