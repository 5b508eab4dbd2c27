// The highlighting of a C source, done the long way and by the toolkit, and
// a reader of the formats it leaves behind.
//
// OneRangeAtATime builds the highlight format from the selection at the
// start, reads the whole text as wk_RichEditGetText does, and selects and
// formats each range the scanner finds with the control redrawing after
// every change. The highlighting operations must leave exactly its formats,
// selection and result; the benchmark also times it as the cost of that way.
#pragma once

#include <windows.h>
#include <richedit.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "toolkit/text/logic/highlight_scan.hpp"
#include "wk_text.h"

namespace richtest {

// Where formatted ranges start and end: the places a format can change.
using Bounds = std::vector<int>;

template <class Scanner>
int OneRangeAtATime(HWND rich, const char* face, int points, DWORD effects, COLORREF colour,
                    Bounds& bounds, Scanner scanner) {
  const int length = wk_RichEditGetTextLength(rich);
  if (length <= 0) return -1;
  CHARFORMATA selection{};
  selection.cbSize = sizeof selection;
  SendMessageA(rich, EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&selection));
  CHARFORMATA format = selection;
  format.dwMask =
      CFM_BOLD | CFM_ITALIC | CFM_UNDERLINE | CFM_STRIKEOUT | CFM_SIZE | CFM_COLOR | CFM_FACE;
  format.dwEffects = effects;
  for (DWORD effect : {CFE_BOLD, CFE_ITALIC, CFE_UNDERLINE, CFE_STRIKEOUT}) {
    if ((selection.dwMask & effect) && (selection.dwEffects & effect)) format.dwEffects |= effect;
  }
  if (points > 0) format.yHeight = points * 20;
  format.crTextColor = colour;
  if (face) lstrcpynA(format.szFaceName, face, LF_FACESIZE);
  std::vector<char> text(static_cast<size_t>(length) * 4 + 4, '\0');
  wk_RichEditGetText(rich, text.data());
  const wk::highlight::Scan scan = scanner(std::string_view(text.data()));
  for (const wk::highlight::Range& range : scan.ranges) {
    bounds.push_back(range.start);
    bounds.push_back(range.end);
    CHARRANGE select{range.start, range.end};
    SendMessageA(rich, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&select));
    const WPARAM scope = range.start == range.end ? SCF_SELECTION | SCF_WORD : SCF_SELECTION;
    SendMessageA(rich, EM_SETCHARFORMAT, scope, reinterpret_cast<LPARAM>(&format));
  }
  return scan.result;
}

inline int WordOneAtATime(HWND rich, int first, int limit, const char* word, DWORD effects,
                          COLORREF colour, Bounds& bounds) {
  const int fallback = wk_RichEditCaretPosition(rich, "NOFORMAT");
  return OneRangeAtATime(rich, nullptr, 0, effects, colour, bounds, [&](std::string_view t) {
    return wk::highlight::ScanWord(t, first, limit, word, fallback);
  });
}

inline int LineEndOneAtATime(HWND rich, int first, int limit, const char* marker, DWORD effects,
                             COLORREF colour, Bounds& bounds) {
  return OneRangeAtATime(rich, nullptr, 0, effects, colour, bounds, [&](std::string_view t) {
    return wk::highlight::ScanToLineEnd(t, first, limit, marker);
  });
}

inline int BlockOneAtATime(HWND rich, int first, int limit, const char* opening,
                           const char* closing, DWORD effects, COLORREF colour, Bounds& bounds) {
  return OneRangeAtATime(rich, nullptr, 0, effects, colour, bounds, [&](std::string_view t) {
    return wk::highlight::ScanBlock(t, first, limit, opening, closing);
  });
}

// A stretch of characters with one format, as the control reports it.
struct FormatRun {
  int start, end;
  CHARFORMATA format;
  bool operator==(const FormatRun& o) const {
    return start == o.start && end == o.end && std::memcmp(&format, &o.format, sizeof format) == 0;
  }
};

// The text's formats stretch by stretch between the bounds (and from 0 to
// the end), each read with one EM_GETCHARFORMAT on a selection of the
// stretch; where a format varies inside a stretch, the mask tells which
// attributes do. The control is kept from painting while the selection moves
// (a repaint per selection would take minutes) and the selection is put back.
inline std::vector<FormatRun> FormatRuns(HWND rich, Bounds bounds) {
  const int n = wk_RichEditGetTextLength(rich);
  bounds.push_back(0);
  bounds.push_back(n);
  std::sort(bounds.begin(), bounds.end());
  bounds.erase(std::unique(bounds.begin(), bounds.end()), bounds.end());
  const bool visible = GetWindowLongA(rich, GWL_STYLE) & WS_VISIBLE;
  if (visible) DefWindowProcA(rich, WM_SETREDRAW, FALSE, 0);
  CHARRANGE saved{};
  SendMessageA(rich, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&saved));
  std::vector<FormatRun> runs;
  for (size_t i = 0; i + 1 < bounds.size(); ++i) {
    CHARRANGE stretch{bounds[i], bounds[i + 1]};
    SendMessageA(rich, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&stretch));
    CHARFORMATA format;
    std::memset(&format, 0, sizeof format);  // compared byte for byte
    format.cbSize = sizeof format;
    SendMessageA(rich, EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
    runs.push_back({bounds[i], bounds[i + 1], format});
  }
  SendMessageA(rich, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&saved));
  if (visible) DefWindowProcA(rich, WM_SETREDRAW, TRUE, 0);
  return runs;
}

// A C source of at least `bytes` characters: functions with keywords, line
// comments and block comments, lines ended by CR LF.
inline std::string CSource(size_t bytes) {
  static const char* kChunk =
      "/* Sums the samples of one buffer.\r\n"
      " * Returns the total, or -1 when the buffer is empty. */\r\n"
      "static long sum_%d(const short *samples, unsigned int count)\r\n"
      "{\r\n"
      "    long total = 0; // running total\r\n"
      "    unsigned int i;\r\n"
      "    if (count == 0) return -1;\r\n"
      "    for (i = 0; i < count; i++) {\r\n"
      "        switch (samples[i] & 3) {\r\n"
      "        case 0: total += samples[i]; break;\r\n"
      "        default: total -= (long)sizeof(int); continue;\r\n"
      "        }\r\n"
      "    }\r\n"
      "    while (total > 100000) total /= 2; // keep it small\r\n"
      "    return total;\r\n"
      "}\r\n\r\n";
  std::string text;
  char chunk[1024];
  for (int n = 0; text.size() < bytes; ++n) {
    std::snprintf(chunk, sizeof chunk, kChunk, n);
    text += chunk;
  }
  return text;
}

// C's 32 keywords in bold blue, then line comments and block comments in
// italic green, over the whole text; one range at a time or by the toolkit.
// Returns every call's result; one range at a time also adds the bounds of
// the ranges.
inline std::vector<int> HighlightC(HWND rich, bool one_range_at_a_time, Bounds& bounds) {
  static constexpr const char* kKeywords[] = {
      "auto",   "break",  "case",     "char",   "const",    "continue", "default",  "do",
      "double", "else",   "enum",     "extern", "float",    "for",      "goto",     "if",
      "int",    "long",   "register", "return", "short",    "signed",   "sizeof",   "static",
      "struct", "switch", "typedef",  "union",  "unsigned", "void",     "volatile", "while"};
  constexpr COLORREF kKeyword = RGB(0, 0, 160), kComment = RGB(0, 128, 0);
  const int n = wk_RichEditGetTextLength(rich);
  std::vector<int> results;
  for (const char* word : kKeywords) {
    results.push_back(
        one_range_at_a_time
            ? WordOneAtATime(rich, 0, n, word, CFE_BOLD, kKeyword, bounds)
            : wk_RichEditHighlightWord(rich, 0, n, word, nullptr, 0, CFE_BOLD, kKeyword));
  }
  results.push_back(
      one_range_at_a_time
          ? LineEndOneAtATime(rich, 0, n, "//", CFE_ITALIC, kComment, bounds)
          : wk_RichEditHighlightToLineEnd(rich, 0, n, "//", nullptr, 0, CFE_ITALIC, kComment));
  results.push_back(
      one_range_at_a_time
          ? BlockOneAtATime(rich, 0, n, "/*", "*/", CFE_ITALIC, kComment, bounds)
          : wk_RichEditHighlightBlock(rich, 0, n, "/*", "*/", nullptr, 0, CFE_ITALIC, kComment));
  return results;
}

}  // namespace richtest
