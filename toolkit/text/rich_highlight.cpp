// Rich text highlighting: formats a range, every whole-word occurrence of a
// word, line comments and block comments in a rich edit. The scanners in
// logic/highlight_scan find the ranges in a copy of the text; this side
// builds the highlight format and applies it range by range.
#include <windows.h>
#include <oleauto.h>
#include <richedit.h>
#include <richole.h>
#include <tom.h>

#include <cstdlib>
#include <cstring>
#include <memory>
#include <string_view>

#include "toolkit/core/message.hpp"
#include "logic/highlight_scan.hpp"
#include "toolkit/core/boundary.hpp"
#include "toolkit/core/gdi.hpp"
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
  wk::Send(rich, EM_SETCHARFORMAT, scope, &format);
}

using TextCopy = std::unique_ptr<char, decltype(&std::free)>;

// The whole text, read as wk_RichEditGetText reads it (which leaves it all
// selected), into a zero-filled copy of four bytes per character.
TextCopy ReadWholeText(HWND rich, int length) {
  TextCopy copy(static_cast<char*>(std::calloc(static_cast<std::size_t>(length) * 4 + 4, 1)),
                &std::free);
  if (copy) wk_RichEditGetText(rich, copy.get());
  return copy;
}

// A reference to a COM object of the control's, released at the end.
template <class T>
class ComRef {
 public:
  ComRef() = default;
  ~ComRef() {
    if (p_) p_->Release();
  }
  ComRef(const ComRef&) = delete;
  ComRef& operator=(const ComRef&) = delete;
  T* get() const { return p_; }
  T* operator->() const { return p_; }
  T** out() { return &p_; }

 private:
  T* p_ = nullptr;
};

// A string for the object model, freed at the end.
class SystemString {
 public:
  explicit SystemString(const char* text) {
    WCHAR wide[LF_FACESIZE] = {};
    MultiByteToWideChar(CP_ACP, 0, text, -1, wide, LF_FACESIZE - 1);
    s_ = SysAllocString(wide);
  }
  ~SystemString() { SysFreeString(s_); }
  SystemString(const SystemString&) = delete;
  SystemString& operator=(const SystemString&) = delete;
  BSTR get() const { return s_; }

 private:
  BSTR s_;
};

// {8CC497C0-A1DF-11CE-8098-00AA0047BE5D}
constexpr IID kTextDocumentId = {
    0x8CC497C0, 0xA1DF, 0x11CE, {0x80, 0x98, 0x00, 0xAA, 0x00, 0x47, 0xBE, 0x5D}};

// Formats ranges through the control's text object model: a range gets the
// format without being selected, and only the paragraphs it touches are laid
// out again. The format message lays out the whole text after every change,
// so highlighting through it costs the text's length once per match. The
// font carries exactly what the format message would set: the effects, size,
// colour and face of the highlight format and nothing else.
class RangeFormatter {
 public:
  RangeFormatter(HWND rich, const CHARFORMATA& format) {
    ComRef<IRichEditOle> ole;
    wk::Send(rich, EM_GETOLEINTERFACE, 0, ole.out());
    if (!ole.get() ||
        FAILED(ole->QueryInterface(kTextDocumentId, reinterpret_cast<void**>(document_.out())))) {
      return;
    }
    ComRef<ITextRange> start;
    ComRef<ITextFont> attached;
    const SystemString face(format.szFaceName);
    const auto on = [&](DWORD effect) { return (format.dwEffects & effect) ? tomTrue : tomFalse; };
    usable_ = face.get() && SUCCEEDED(document_->Range(0, 0, start.out())) &&
              SUCCEEDED(start->GetFont(attached.out())) &&
              SUCCEEDED(attached->GetDuplicate(font_.out())) &&
              SUCCEEDED(font_->Reset(tomUndefined)) && SUCCEEDED(font_->SetBold(on(CFE_BOLD))) &&
              SUCCEEDED(font_->SetItalic(on(CFE_ITALIC))) &&
              SUCCEEDED(font_->SetUnderline(on(CFE_UNDERLINE))) &&
              SUCCEEDED(font_->SetStrikeThrough(on(CFE_STRIKEOUT))) &&
              SUCCEEDED(font_->SetSize(static_cast<float>(format.yHeight) / 20.0f)) &&
              SUCCEEDED(font_->SetForeColor(static_cast<long>(format.crTextColor))) &&
              SUCCEEDED(font_->SetName(face.get()));
  }
  // False when the range could not be formatted this way.
  bool Format(const wk::highlight::Range& range) const {
    ComRef<ITextRange> text;
    return usable_ && SUCCEEDED(document_->Range(range.start, range.end, text.out())) &&
           SUCCEEDED(text->SetFont(font_.get()));
  }

 private:
  ComRef<ITextDocument> document_;
  ComRef<ITextFont> font_;
  bool usable_ = false;
};

template <class Scanner>
int Highlight(HWND rich, const char* face, int points, DWORD effects, COLORREF colour, int fallback,
              Scanner scanner) {
  const int length = wk_RichEditGetTextLength(rich);
  if (length <= 0) return -1;
  const CHARFORMATA format = HighlightFormat(rich, face, points, effects, colour);
  const wk::RedrawSuspended painting(rich, wk::RedrawSuspended::How::kPlatformDefault);
  TextCopy text = ReadWholeText(rich, length);
  if (!text) return fallback;
  const wk::highlight::Scan scan = scanner(std::string_view(text.get()));
  if (scan.ranges.empty()) return scan.result;
  const RangeFormatter formatter(rich, format);
  bool formatted = false;  // a range formatted without the format message
  for (const auto& range : scan.ranges) {
    // An empty range is the word at the caret, which only the message knows.
    if (range.start != range.end && formatter.Format(range)) {
      formatted = true;
    } else {
      Apply(rich, range, format);
    }
  }
  if (formatted) {
    // What selecting every range in turn leaves: the last range selected,
    // the view scrolled as little as those selections (in ascending order)
    // needed from the whole text the read selected, and the text modified.
    wk::rich::SelectRange(rich, scan.ranges.front().start, scan.ranges.front().end);
    wk::rich::SelectRange(rich, scan.ranges.back().start, scan.ranges.back().end);
    wk::Send(rich, EM_SETMODIFY, TRUE);
  }
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
      return wk::highlight::ScanToLineEnd(text, first, limit, wk::highlight::Marker(marker));
    });
  });
}

extern "C" int wk_RichEditHighlightBlock(HWND rich, int first, int limit, const char* opening,
                                         const char* closing, const char* face, int points,
                                         DWORD effects, COLORREF colour) noexcept {
  return wk::Guarded(0, [&] {
    return Highlight(rich, face, points, effects, colour, 0, [&](std::string_view text) {
      return wk::highlight::ScanBlock(text, first, limit, wk::highlight::Marker(opening),
                                      wk::highlight::Marker(closing));
    });
  });
}
