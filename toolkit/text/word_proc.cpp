// The simple word processor: a multi-line "EDIT" child holding one plain
// text of at most 65,535 characters, with 1-based selections, caret
// position, tab stops, stock fonts, file load and save and a search that
// works with the find dialog.
#include <windows.h>

#include <algorithm>
#include <cstring>
#include <string>

#include "toolkit/core/message.hpp"
#include "toolkit/core/control_ops.hpp"
#include "toolkit/core/boundary.hpp"
#include "toolkit/core/keywords.hpp"
#include "toolkit/text/logic/text_find.hpp"
#include "toolkit/text/text_fields.hpp"
#include "wk_text.h"
#include "wk_windows.h"

namespace {

using wk::Keyword;

wk::fields::FieldKind g_wp_kind;
WNDPROC g_wp_base = nullptr;

constexpr int kMaxLimit = 65535;
constexpr DWORD kCreateStyle = WS_CHILD | WS_VISIBLE | ES_NOHIDESEL | ES_AUTOHSCROLL |
                               ES_AUTOVSCROLL | ES_MULTILINE;  // 0x500001C4
constexpr DWORD kRecreateStyle = kCreateStyle | WS_TABSTOP;    // 0x500101C4
constexpr DWORD kRecreateExStyle = WS_EX_ACCEPTFILES | WS_EX_MDICHILD;

constexpr Keyword<DWORD> kScrollBars[] = {
    {"NOSCROLL", 0},
    {"HSCROLL", WS_HSCROLL},
    {"VSCROLL", WS_VSCROLL},
    {"VHSCROLL", WS_HSCROLL | WS_VSCROLL},
};

constexpr int kStockFontIds[] = {SYSTEM_FONT, ANSI_FIXED_FONT, ANSI_VAR_FONT, DEFAULT_GUI_FONT,
                                 OEM_FIXED_FONT};

// The word processor adds nothing to the platform's handling; the subclass
// only keeps the remembered procedure in the loop.
LRESULT CALLBACK WordProcProc(HWND wp, UINT message, WPARAM wparam, LPARAM lparam) {
  return wk::fields::PassOn(g_wp_base, wp, message, wparam, lparam);
}

int CutLimit(int limit) {
  return static_cast<unsigned>(limit) > static_cast<unsigned>(kMaxLimit) ? kMaxLimit : limit;
}

void FillParentWhenAllZero(HWND wp, int x, int y, int width, int height) {
  if (x + y + width + height == 0) wk::ops::FitToParentRaw(wp, 0, 0, 0, 0);
}

// The search's own result codes are the public ones.
static_assert(wk::find::kFindFound == WK_FIND_FOUND);
static_assert(wk::find::kFindPassedEnd == WK_FIND_NONE_BELOW);
static_assert(wk::find::kFindEmptyNeedle == WK_FIND_NO_SEARCH);
static_assert(wk::find::kFindEmptyText == WK_FIND_EMPTY_CONTROL);
static_assert(wk::find::kFindPassedStart == WK_FIND_NONE_ABOVE);

// The search text and match case of the latest find request, or of the
// find dialog's record before any request arrived.
std::string DialogSearchText(bool& match_case) {
  const FINDREPLACEA* record = wk_FindNotice ? wk_FindNotice : &wk_FindDialogRecord;
  match_case = (record->Flags & FR_MATCHCASE) != 0;
  if (record->lpstrFindWhat == nullptr) return {};
  return std::string(record->lpstrFindWhat, strnlen(record->lpstrFindWhat, record->wFindWhatLen));
}

}  // namespace

HWND wk_WordProcSimpleCreate(HWND parent, int x, int y, int width, int height, const char* scroll,
                             int limit) noexcept {
  const DWORD style = wk::KeywordValue(kScrollBars, scroll, DWORD{0}) | kCreateStyle;
  HWND wp = wk::fields::CreateEditChild(parent, WS_EX_CLIENTEDGE, style, x, y, width, height);
  if (!wp) return nullptr;
  wk::Send(wp, EM_LIMITTEXT, CutLimit(limit));
  FillParentWhenAllZero(wp, x, y, width, height);
  g_wp_base = wk::fields::Subclass(wp, WordProcProc);
  return wp;
}

HWND wk_WordProcSimpleModify_1(HWND old, int x, int y, int width, int height, const char* frame,
                               const char* scroll, int maxchar) noexcept {
  const wk::StylePair f = wk::fields::FrameFromKeyword(frame);
  const DWORD style = wk::KeywordValue(kScrollBars, scroll, DWORD{0}) | f.style | kRecreateStyle;
  const int old_limit = wk::fields::GetLimit(old);
  // The new window first gets the whole text; a cut follows below.
  HWND wp =
      wk::fields::Recreate(old, f.ex_style | kRecreateExStyle, style, x, y, width, height, maxchar);
  if (!wp) return nullptr;
  FillParentWhenAllZero(wp, x, y, width, height);
  if (maxchar != 0 && old_limit >= maxchar) {
    try {
      std::string text = wk::fields::WholeText(wp);
      const std::size_t keep = static_cast<std::size_t>(std::max(maxchar - 1, 0));
      if (text.size() > keep) text.resize(keep);
      SetWindowTextA(wp, text.c_str());
    } catch (...) {
      SetWindowTextA(wp, "");
    }
    MessageBoxA(wp, "The last prameters 'maxchar' have to small size\nor set the 'maxchar' to '0'",
                "wk_WordProcSimpleModify_1 ERROR", MB_OK);
  }
  g_wp_base = wk::fields::Subclass(wp, WordProcProc);
  return wp;
}

WK_CONTROL_OP_DESTROY(WordProcSimple)
WK_CONTROL_OP_SHOW(WordProcSimple, SW_SHOW)
WK_CONTROL_OPS_GEOMETRY(WordProcSimple)
WK_CONTROL_OP_DISABLE(WordProcSimple)
WK_CONTROL_OP_ENABLE(WordProcSimple)
WK_CONTROL_OP_SETFOCUS(WordProcSimple)
extern "C" int wk_WordProcSimpleRepaint(HWND wp) noexcept { return wk::ops::RepaintErased(wp); }

// Hidden and moved to the parent's origin in one step.
int wk_WordProcSimpleHide(HWND wp) noexcept {
  return SetWindowPos(wp, nullptr, 0, 0, 0, 0, SWP_HIDEWINDOW | SWP_NOZORDER | SWP_NOSIZE) ? 0 : 1;
}

// ---- Text operations shared with the edit fields ----

int wk_WordProcSimpleSetLeftMargin(HWND wp, int margin) noexcept {
  return static_cast<int>(wk::fields::SetLeftMargin(wp, margin));
}
int wk_WordProcSimpleSetLimit(HWND wp, int limit) noexcept {
  return wk::fields::SetLimit(wp, CutLimit(limit));
}
int wk_WordProcSimpleGetLimit(HWND wp) noexcept { return wk::fields::GetLimit(wp); }
HBRUSH wk_WordProcSimpleColor(HWND wp, COLORREF text, COLORREF background, HDC dc,
                              HWND control) noexcept {
  return wk::fields::Color(g_wp_kind, wp, text, background, dc, control);
}
int wk_WordProcSimpleSetEditable(HWND wp, const char* keyword) noexcept {
  bool matched = false;
  const int result = wk::fields::SetEditable(wp, keyword, 0, &matched);
  return matched && result != 0 ? 0 : 1;
}
HWND wk_WordProcSimpleHasFocus(HWND wp) noexcept { return GetFocus() == wp ? wp : nullptr; }
int wk_WordProcSimpleSetText(HWND wp, const char* text) noexcept {
  return wk::Send(wp, WM_SETTEXT, 0, text) ? 0 : 1;
}
int wk_WordProcSimpleGetText(HWND wp, char* buffer) noexcept {
  return wk::fields::GetText(wp, buffer);
}
int wk_WordProcSimpleGetTextLength(HWND wp) noexcept {
  return wk::fields::TextLengthWithinLimit(wp);
}
char* wk_WordProcSimpleGetSelectedText(HWND wp) noexcept {
  return wk::fields::GetSelectedText(g_wp_kind, wp);
}
WK_CONTROL_OP_FONT_MAKER(WordProcSimple, Create)
int wk_WordProcSimpleSaveFile(HWND wp, const char* file_name) noexcept {
  const int result = wk::fields::SaveFile(wp, file_name);
  if (result == 0) wk::Send(wp, EM_SETMODIFY, FALSE);
  return result;
}
int wk_WordProcSimpleLoadFile(HWND wp, const char* file_name) noexcept {
  return wk::fields::LoadFile(wp, file_name, 65535);
}

// ---- The word processor's own operations ----

int wk_WordProcSimpleSetTabStops(HWND wp, int count, int step) noexcept {
  INT stops[256] = {};
  count = std::clamp(count, 0, 255);
  for (int i = 0; i < count; ++i) stops[i] = (i + 1) * step;
  wk::Send(wp, EM_SETTABSTOPS, count, count ? reinterpret_cast<LPARAM>(stops) : 0);
  InvalidateRect(wp, nullptr, TRUE);
  return 0;
}

int wk_WordProcSimpleSetFont(HWND wp, UINT_PTR font) noexcept {
  const HGDIOBJ chosen = font < std::size(kStockFontIds) ? GetStockObject(kStockFontIds[font])
                                                         : reinterpret_cast<HGDIOBJ>(font);
  wk::Send(wp, WM_SETFONT, chosen, TRUE);
  return 0;
}

int wk_WordProcSimpleIsModified(HWND wp) noexcept { return wk::Send(wp, EM_GETMODIFY) ? 1 : 0; }

int wk_WordProcSimpleSetModified(HWND wp, const char* keyword) noexcept {
  if (const bool* set = wk::FindKeyword(wk::kOnOff, keyword))
    wk::Send(wp, EM_SETMODIFY, *set ? TRUE : FALSE);
  return 0;
}

int wk_WordProcSimpleHasSelection(HWND wp) noexcept {
  DWORD start = 0, end = 0;
  wk::Send(wp, EM_GETSEL, &start, &end);
  wk_SelStart = static_cast<int>(start);
  wk_SelEnd = static_cast<int>(end);
  if (start == end) return 0;
  wk_SelStart += 1;
  return 1;
}

int wk_WordProcSimpleClear(HWND wp) noexcept {
  wk::Send(wp, WM_CLEAR);
  return 0;
}

int wk_WordProcSimpleSelect(HWND wp, int first, int last) noexcept {
  wk::Send(wp, EM_SETSEL, first - 1, last);
  return last - first + 1;
}

int wk_WordProcSimpleSelectAll(HWND wp) noexcept {
  wk::Send(wp, EM_SETSEL, 0, -1);
  return 0;
}

int wk_WordProcSimpleFind(HWND wp, const char* text, int from_dialog, const char* direction,
                          const char* match_case) noexcept {
  // No memory for the text: nothing found.
  return wk::Guarded(WK_FIND_NONE_BELOW, [&] {
    bool exact = wk::IsKeyword(match_case, "M");
    const std::string needle =
        from_dialog == 1 ? DialogSearchText(exact) : std::string(text ? text : "");
    const std::string whole = wk::fields::WholeText(wp);
    DWORD start = 0, end = 0;
    wk::Send(wp, EM_GETSEL, &start, &end);
    const wk::find::FindOutcome found = wk::find::FindInText(
        whole, needle, static_cast<int>(start), static_cast<int>(end),
        wk::SearchDirectionOf(direction), [exact](const char* window, const char* wanted) {
          return (exact ? lstrcmpA(window, wanted) : lstrcmpiA(window, wanted)) == 0;
        });
    if (found.code == wk::find::kFindFound) {
      wk::Send(wp, EM_SETSEL, found.start, found.end);
      wk::Send(wp, EM_SCROLLCARET);
    }
    return found.code;
  });
}

// EM_CHARFROMPOS answers the 0-based line in the high word and the 0-based
// character index in the low word, 0xFFFF in either when there is none.
namespace {
DWORD CharAtCaret(HWND wp) {
  POINT caret{};
  GetCaretPos(&caret);
  return static_cast<DWORD>(wk::Send(wp, EM_CHARFROMPOS, 0, MAKELPARAM(caret.x, caret.y)));
}
}  // namespace

int wk_WordProcSimpleCaretLine(HWND wp) noexcept {
  const WORD line = HIWORD(CharAtCaret(wp));
  return line == 0xFFFF ? 0 : line + 1;
}

int wk_WordProcSimpleCaretColumn(HWND wp) noexcept {
  const WORD index = LOWORD(CharAtCaret(wp));
  return index == 0xFFFF ? 0 : index + 1;
}
