// Rich text highlighting: formats a range, every whole-word occurrence of a
// word, line comments and block comments in a rich edit. The scanners in
// logic/highlight_scan find the ranges in a copy of the text; this side
// builds the highlight format and applies it range by range.
#include <windows.h>
#include <richedit.h>

#include <cstdlib>
#include <cstring>
#include <memory>
#include <string_view>

#include "logic/highlight_scan.hpp"
#include "toolkit/core/boundary.hpp"
#include "rich_edit.hpp"
#include "wk_text.h"

namespace {

constexpr DWORD kEffects[] = {CFE_BOLD, CFE_ITALIC, CFE_UNDERLINE, CFE_STRIKEOUT};

// The caller's face, size, effects and colour over the current selection's
// format. An effect that the selection has throughout is kept: the caller can
// add effects, never take one away.
CHARFORMATA HighlightFormat(HWND rich, const char* face, int points, DWORD effects,
                            COLORREF colour) {
  const CHARFORMATA selection = wk::rich::SelectionFormat(rich);
  CHARFORMATA format = selection;
  format.cbSize = sizeof format;
  format.dwMask =
      CFM_BOLD | CFM_ITALIC | CFM_UNDERLINE | CFM_STRIKEOUT | CFM_SIZE | CFM_COLOR | CFM_FACE;
  format.dwEffects = effects;
  for (DWORD effect : kEffects) {
    if ((selection.dwMask & effect) && (selection.dwEffects & effect)) format.dwEffects |= effect;
  }
  if (points > 0) format.yHeight = points * 20;
  format.crTextColor = colour;
  if (face) lstrcpynA(format.szFaceName, face, LF_FACESIZE);
  return format;
}

void Apply(HWND rich, const wk::highlight::Range& range, const CHARFORMATA& format) {
  wk::rich::SelectRange(rich, range.start, range.end);
  // The word flag only matters for an empty range (it then means the word at
  // the caret). Some rich edits also format the word at the selection's end
  // when it comes with a selection, so a range goes without it.
  const WPARAM scope = range.start == range.end ? SCF_SELECTION | SCF_WORD : SCF_SELECTION;
  SendMessageA(rich, EM_SETCHARFORMAT, scope, reinterpret_cast<LPARAM>(&format));
}

// Off the screen while ranges are formatted, painted once at the end. A
// visible rich edit repaints after every selection and every format change,
// tens of milliseconds per match in a long text. It answers WM_SETREDRAW
// itself (and keeps that setting where nobody can read it back), so the
// caller's own freeze is left alone and the control is hidden from painting
// the way the platform's default handling of that message does it: the
// visible bit cleared, without messages. A control that is not visible is
// left as it is.
class PaintedOnceAtTheEnd {
 public:
  explicit PaintedOnceAtTheEnd(HWND rich)
      : rich_((GetWindowLongA(rich, GWL_STYLE) & WS_VISIBLE) ? rich : nullptr) {
    if (rich_) DefWindowProcA(rich_, WM_SETREDRAW, FALSE, 0);
  }
  ~PaintedOnceAtTheEnd() {
    if (!rich_) return;
    DefWindowProcA(rich_, WM_SETREDRAW, TRUE, 0);
    // The frame too: the scroll bars moved while nothing was drawn.
    RedrawWindow(rich_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW);
  }
  PaintedOnceAtTheEnd(const PaintedOnceAtTheEnd&) = delete;
  PaintedOnceAtTheEnd& operator=(const PaintedOnceAtTheEnd&) = delete;

 private:
  HWND rich_;
};

using TextCopy = std::unique_ptr<char, decltype(&std::free)>;

// The whole text, read as wk_RichEditGetText reads it (which leaves it all
// selected), into a zero-filled copy of four bytes per character.
TextCopy ReadWholeText(HWND rich, int length) {
  TextCopy copy(static_cast<char*>(std::calloc(static_cast<std::size_t>(length) * 4 + 4, 1)),
                &std::free);
  if (copy) wk_RichEditGetText(rich, copy.get());
  return copy;
}

template <class Scanner>
int Highlight(HWND rich, const char* face, int points, DWORD effects, COLORREF colour, int fallback,
              Scanner scanner) {
  const int length = wk_RichEditGetTextLength(rich);
  if (length <= 0) return -1;
  const CHARFORMATA format = HighlightFormat(rich, face, points, effects, colour);
  const PaintedOnceAtTheEnd painting(rich);
  TextCopy text = ReadWholeText(rich, length);
  if (!text) return fallback;
  const wk::highlight::Scan scan = scanner(std::string_view(text.get()));
  for (const auto& range : scan.ranges) Apply(rich, range, format);
  return scan.result;
}

std::string_view View(const char* s) { return s ? std::string_view(s) : std::string_view(); }

}  // namespace

extern "C" int wk_RichEditFormatRange(HWND rich, int start, int end, const char* face, int points,
                                      DWORD effects, COLORREF colour) noexcept {
  const int result = wk_RichEditCaretPosition(rich, "FORMAT");
  if (wk_RichEditGetTextLength(rich) <= 0) return -1;
  const CHARFORMATA format = HighlightFormat(rich, face, points, effects, colour);
  Apply(rich, {start, end}, format);
  return result;
}

extern "C" int wk_RichEditHighlightWord(HWND rich, int first, int limit, const char* word,
                                        const char* face, int points, DWORD effects,
                                        COLORREF colour) noexcept {
  const int fallback = wk_RichEditCaretPosition(rich, "NOFORMAT");
  return wk::Guarded(fallback, [&] {
    return Highlight(rich, face, points, effects, colour, fallback, [&](std::string_view text) {
      return wk::highlight::ScanWord(text, first, limit, View(word), fallback);
    });
  });
}

extern "C" int wk_RichEditHighlightToLineEnd(HWND rich, int first, int limit, const char* marker,
                                             const char* face, int points, DWORD effects,
                                             COLORREF colour) noexcept {
  return wk::Guarded(0, [&] {
    return Highlight(rich, face, points, effects, colour, 0, [&](std::string_view text) {
      return wk::highlight::ScanToLineEnd(text, first, limit, View(marker));
    });
  });
}

extern "C" int wk_RichEditHighlightBlock(HWND rich, int first, int limit, const char* opening,
                                         const char* closing, const char* face, int points,
                                         DWORD effects, COLORREF colour) noexcept {
  return wk::Guarded(0, [&] {
    return Highlight(rich, face, points, effects, colour, 0, [&](std::string_view text) {
      return wk::highlight::ScanBlock(text, first, limit, View(opening), View(closing));
    });
  });
}
