// Rich edit: creation, re-creation, the common control operations and the
// plain message wrappers. The control comes from the platform library
// "RichEd32.DLL"; text, formatting, selection, undo and the modified flag
// all live in the platform control, the toolkit keeps no record of its own.
#include "toolkit/core/message.hpp"
#include "rich_edit.hpp"

#include <cstring>
#include <string>

#include "toolkit/core/control_ops.hpp"
#include "toolkit/core/keywords.hpp"
#include "text_fields.hpp"
#include "wk_text.h"

namespace {

// Window style at creation; re-creation adds WS_TABSTOP.
constexpr DWORD kCreateStyle =
    WS_CHILD | WS_VISIBLE | ES_NOHIDESEL | ES_AUTOHSCROLL | ES_AUTOVSCROLL | ES_MULTILINE;
constexpr DWORD kRecreateStyle = kCreateStyle | WS_TABSTOP;
constexpr DWORD kCreateExStyle = WS_EX_CLIENTEDGE | WS_EX_ACCEPTFILES;
constexpr DWORD kRecreateExStyle = WS_EX_ACCEPTFILES | WS_EX_MDICHILD;
// Every notification a parent may want.
constexpr LPARAM kCreateEvents = ENM_CHANGE | ENM_UPDATE | ENM_SCROLL | ENM_KEYEVENTS |
                                 ENM_MOUSEEVENTS | ENM_REQUESTRESIZE | ENM_SELCHANGE |
                                 ENM_DROPFILES | ENM_PROTECTED;
constexpr LPARAM kRecreateEvents = ENM_CHANGE | ENM_SELCHANGE;
constexpr UINT_PTR kControlId = 1;
// Asks EM_SETBKGNDCOLOR for the system's window colour instead of a value.
constexpr WPARAM kSystemBackground = 999;
constexpr COLORREF kKeepColor = 999;
constexpr COLORREF kDisabledGrey = RGB(192, 192, 192);

constexpr wk::Keyword<DWORD> kScrollKeywords[] = {
    {"NOSCROLL", 0},
    {"HSCROLL", WS_HSCROLL},
    {"VSCROLL", WS_VSCROLL},
    {"VHSCROLL", WS_HSCROLL | WS_VSCROLL},
};

constexpr wk::Keyword<DWORD> kFrameKeywords[] = {
    {"FLAT", 0},
    {"SMAL_SUNKEN", WS_EX_STATICEDGE},
    {"SUNKEN", WS_EX_CLIENTEDGE},
    {"MAX_SUNKEN", WS_EX_STATICEDGE | WS_EX_CLIENTEDGE},
};

// The remembered window procedures: one for created rich edits, one for
// re-created ones, each written at each creation.
WNDPROC g_created_proc = nullptr;
WNDPROC g_recreated_proc = nullptr;

LRESULT CALLBACK CreatedProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (!g_created_proc) return 0;
  return CallWindowProcA(g_created_proc, window, message, wparam, lparam);
}

// A right button press in a re-created rich edit first shows an empty box.
LRESULT CALLBACK RecreatedProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_RBUTTONDOWN) MessageBoxA(window, "", "", MB_OK);
  if (!g_recreated_proc) return 0;
  return CallWindowProcA(g_recreated_proc, window, message, wparam, lparam);
}

void Subclass(HWND rich, WNDPROC& remembered, WNDPROC procedure) {
  remembered = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(rich, GWLP_WNDPROC));
  SetWindowLongPtrA(rich, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(procedure));
}

// When x + y + width + height is 0 the control fills its parent's client area.
void ApplyWholeArea(HWND rich, int x, int y, int width, int height) {
  if (x + y + width + height == 0) wk::ops::FitToParent(rich, 0, 0, 0, 0);
}

// Carries the formatted text from one control to another through memory, as
// rich text, leaving the user's clipboard alone.
DWORD CALLBACK StreamOutToString(DWORD_PTR cookie, LPBYTE bytes, LONG count, LONG* done) {
  try {
    reinterpret_cast<std::string*>(cookie)->append(reinterpret_cast<const char*>(bytes),
                                                   static_cast<std::size_t>(count));
  } catch (...) {
    *done = 0;
    return 1;
  }
  *done = count;
  return 0;
}

struct Reader {
  const std::string* text;
  std::size_t offset;
};

DWORD CALLBACK StreamInFromString(DWORD_PTR cookie, LPBYTE bytes, LONG count, LONG* done) {
  auto* reader = reinterpret_cast<Reader*>(cookie);
  const std::size_t left = reader->text->size() - reader->offset;
  const std::size_t n =
      left < static_cast<std::size_t>(count) ? left : static_cast<std::size_t>(count);
  std::memcpy(bytes, reader->text->data() + reader->offset, n);
  reader->offset += n;
  *done = static_cast<LONG>(n);
  return 0;
}

}  // namespace

namespace wk::rich {

CHARFORMATA SelectionFormat(HWND rich) {
  CHARFORMATA format{};
  format.cbSize = sizeof format;
  wk::Send(rich, EM_GETCHARFORMAT, SCF_SELECTION, &format);
  return format;
}

LRESULT SelectRange(HWND rich, LONG start, LONG end) {
  CHARRANGE range{start, end};
  return wk::Send(rich, EM_EXSETSEL, 0, &range);
}

CHARRANGE Selection(HWND rich) {
  CHARRANGE range{0, 0};
  wk::Send(rich, EM_EXGETSEL, 0, &range);
  return range;
}

}  // namespace wk::rich

extern "C" HWND wk_RichEditCreate(HWND parent, int x, int y, int width, int height,
                                  const char* scroll, int limit) noexcept {
  // Loaded on every call and never freed: the class must outlive every control.
  LoadLibraryA("RichEd32.DLL");
  const DWORD scroll_bits = wk::KeywordValue(kScrollKeywords, scroll, DWORD{0});
  HWND rich = CreateWindowExA(kCreateExStyle, "RICHEDIT", "", scroll_bits | kCreateStyle, x, y,
                              width, height, parent, reinterpret_cast<HMENU>(kControlId),
                              wk::ops::InstanceOf(parent), nullptr);
  if (!rich) return nullptr;
  wk::Send(rich, EM_EXLIMITTEXT, 0, limit);
  ApplyWholeArea(rich, x, y, width, height);
  wk::Send(rich, EM_SETEVENTMASK, 0, kCreateEvents);
  Subclass(rich, g_created_proc, CreatedProc);
  return rich;
}

extern "C" HWND wk_RichEditModify(HWND old, int x, int y, int width, int height, const char* frame,
                                  const char* scroll, int limit) noexcept {
  if (!IsWindow(old)) return nullptr;
  HWND parent = wk::ops::ParentOf(old);
  HINSTANCE instance = wk::ops::InstanceOf(parent);

  // The formatted text travels as rich text through memory: the clipboard,
  // and whatever the user keeps there, stays untouched.
  std::string carried;
  try {
    carried.reserve(static_cast<std::size_t>(wk::Send(old, WM_GETTEXTLENGTH)) * 2 + 1024);
  } catch (...) {
    return nullptr;
  }
  EDITSTREAM out{reinterpret_cast<DWORD_PTR>(&carried), 0, StreamOutToString};
  wk::Send(old, EM_STREAMOUT, SF_RTF, &out);

  // Rich text says of each run only how it differs from a plain start (no
  // effects, automatic colour), and the reader starts from the control's
  // default format: from the platform's bold default, plain runs would come
  // back bold. The new control reads the text from that plain start, in the
  // old default's face and size, and takes the old default afterwards.
  CHARFORMATA old_default{};
  old_default.cbSize = sizeof old_default;
  wk::Send(old, EM_GETCHARFORMAT, SCF_DEFAULT, &old_default);
  CHARFORMATA start_format = old_default;
  start_format.dwMask |= CFM_EFFECTS;
  start_format.dwEffects = CFE_AUTOCOLOR;

  const DWORD scroll_bits = wk::KeywordValue(kScrollKeywords, scroll, DWORD{0});
  const DWORD frame_bits = wk::KeywordValue(kFrameKeywords, frame, DWORD{0});
  DestroyWindow(old);

  // The platform refuses to create a window with WS_EX_MDICHILD outside an
  // MDI client, so that bit joins the extended style once the window exists.
  HWND rich = CreateWindowExA(frame_bits | WS_EX_ACCEPTFILES, "RichEdit", "",
                              scroll_bits | kRecreateStyle, x, y, width, height, parent,
                              reinterpret_cast<HMENU>(kControlId), instance, nullptr);
  if (!rich) return nullptr;
  SetWindowLongA(rich, GWL_EXSTYLE, static_cast<LONG>(frame_bits | kRecreateExStyle));
  wk::Send(rich, EM_EXLIMITTEXT, 0, limit);
  ApplyWholeArea(rich, x, y, width, height);
  wk::Send(rich, EM_SETCHARFORMAT, SCF_DEFAULT, &start_format);
  wk::Send(rich, EM_SETCHARFORMAT, SCF_ALL, &start_format);
  Reader reader{&carried, 0};
  EDITSTREAM in{reinterpret_cast<DWORD_PTR>(&reader), 0, StreamInFromString};
  wk::Send(rich, EM_STREAMIN, SF_RTF, &in);
  wk::Send(rich, EM_SETCHARFORMAT, SCF_DEFAULT, &old_default);

  wk::Send(rich, EM_SETEVENTMASK, 0, kRecreateEvents);
  Subclass(rich, g_recreated_proc, RecreatedProc);
  return rich;
}

// ---- The common control operations -------------------------------------------

WK_CONTROL_OP_DESTROY(RichEdit)
WK_CONTROL_OP_SHOW(RichEdit, SW_SHOW)
WK_CONTROL_OPS_GEOMETRY(RichEdit)
WK_CONTROL_OP_SETFOCUS(RichEdit)

// The reverse of the family's Hide: 1 when the control was visible before.
extern "C" int wk_RichEditHide(HWND rich) noexcept { return wk::ops::Hide(rich) == 0 ? 1 : 0; }

extern "C" int wk_RichEditRepaint(HWND rich) noexcept { return wk::ops::RepaintErased(rich); }

// The grey background shows the disabled state, which the control itself does not.
extern "C" int wk_RichEditDisable(HWND rich) noexcept {
  wk::Send(rich, EM_SETBKGNDCOLOR, 0, kDisabledGrey);
  return wk::ops::Disable(rich);
}

extern "C" int wk_RichEditEnable(HWND rich) noexcept {
  const int result = wk::ops::Enable(rich);
  SetFocus(rich);
  wk::Send(rich, EM_SETBKGNDCOLOR, kSystemBackground);
  return result;
}

// ---- Selection and caret -----------------------------------------------------

extern "C" int wk_RichEditSelect(HWND rich, int start, int end) noexcept {
  wk::rich::SelectRange(rich, start, end);
  return end - start;
}

extern "C" int wk_RichEditSelectAll(HWND rich) noexcept {
  const LONG limit = static_cast<LONG>(wk::Send(rich, EM_GETLIMITTEXT));
  return static_cast<int>(wk::rich::SelectRange(rich, 0, limit));
}

extern "C" int wk_RichEditHideSelection(HWND rich) noexcept {
  wk::Send(rich, EM_HIDESELECTION, 1);
  return 0;
}

extern "C" int wk_RichEditShowSelection(HWND rich) noexcept {
  wk::Send(rich, EM_HIDESELECTION);
  return 0;
}

extern "C" int wk_RichEditCaretPosition(HWND rich, const char* keyword) noexcept {
  const LONG start = wk::rich::Selection(rich).cpMin;
  const LONG line = static_cast<LONG>(wk::Send(rich, EM_EXLINEFROMCHAR, 0, start));
  // Without the two characters of each line break before the caret.
  if (wk::IsKeyword(keyword, "NOFORMAT")) return static_cast<int>(start - 2 * line);
  return static_cast<int>(start);
}

extern "C" int wk_RichEditCaretLine(HWND rich) noexcept {
  const LONG start = wk::rich::Selection(rich).cpMin;
  return static_cast<int>(wk::Send(rich, EM_EXLINEFROMCHAR, 0, start)) + 1;
}

// ---- Paragraphs, limits, colours -----------------------------------------------

extern "C" int wk_RichEditSetTabs(HWND rich, int indent, int count, int spacing) noexcept {
  // All stops lie within 900 points, and the record holds at most 32 of them.
  if (static_cast<long long>(count) * spacing > 900 && spacing != 0) count = 900 / spacing;
  if (count > MAX_TAB_STOPS) count = MAX_TAB_STOPS;
  if (count < 0) count = 0;
  const LONG indent_twips = indent * 20;
  const LONG spacing_twips = spacing * 20;

  ShowWindow(rich, SW_HIDE);
  wk_RichEditSelectAll(rich);
  // First every paragraph's start indent back to 0 and its stops cleared.
  // Both are set outright: a relative indent far below 0 is not clamped to 0
  // by every rich edit, and a negative stop count makes some overrun.
  PARAFORMAT reset{};
  reset.cbSize = sizeof reset;
  reset.dwMask = PFM_STARTINDENT | PFM_TABSTOPS | PFM_OFFSET;
  reset.dxStartIndent = 0;
  reset.dxOffset = 10000;
  reset.cTabCount = 0;
  wk::Send(rich, EM_SETPARAFORMAT, 0, &reset);
  // Then the first line at the indent, further lines at 0, and the stops.
  PARAFORMAT tabs{};
  tabs.cbSize = sizeof tabs;
  tabs.dwMask = PFM_OFFSETINDENT | PFM_TABSTOPS | PFM_OFFSET;
  tabs.dxStartIndent = indent_twips;
  tabs.dxOffset = -indent_twips;
  tabs.cTabCount = static_cast<SHORT>(count);
  for (int i = 0; i < count; ++i) tabs.rgxTabs[i] = indent_twips + i * spacing_twips;
  wk::Send(rich, EM_SETPARAFORMAT, 0, &tabs);
  wk::rich::SelectRange(rich, 0, 0);
  ShowWindow(rich, SW_SHOW);
  return 0;
}

extern "C" int wk_RichEditSetLimit(HWND rich, int limit) noexcept {
  const int previous = static_cast<int>(wk::Send(rich, EM_GETLIMITTEXT));
  wk::Send(rich, EM_EXLIMITTEXT, 0, limit);
  return previous;
}

extern "C" int wk_RichEditGetLimit(HWND rich) noexcept {
  return static_cast<int>(wk::Send(rich, EM_GETLIMITTEXT));
}

extern "C" COLORREF wk_RichEditSetColors(HWND rich, COLORREF text, COLORREF background) noexcept {
  const CHARFORMATA selection = wk::rich::SelectionFormat(rich);
  CHARFORMATA format{};
  format.cbSize = sizeof format;
  format.dwMask =
      CFM_BOLD | CFM_ITALIC | CFM_UNDERLINE | CFM_STRIKEOUT | CFM_FACE | CFM_COLOR | CFM_SIZE;
  // Each effect the selection has throughout (valid and set) is kept.
  for (DWORD effect : {CFE_BOLD, CFE_ITALIC, CFE_UNDERLINE, CFE_STRIKEOUT}) {
    if ((selection.dwMask & effect) && (selection.dwEffects & effect)) format.dwEffects |= effect;
  }
  format.yHeight = selection.yHeight;
  format.crTextColor = text;
  format.bCharSet = selection.bCharSet;
  format.bPitchAndFamily = selection.bPitchAndFamily;
  std::memcpy(format.szFaceName, selection.szFaceName, sizeof format.szFaceName);
  format.szFaceName[LF_FACESIZE - 1] = '\0';
  if (text != kKeepColor) wk::Send(rich, EM_SETCHARFORMAT, SCF_ALL, &format);
  if (background == kKeepColor) {
    return static_cast<COLORREF>(wk::Send(rich, EM_SETBKGNDCOLOR, kSystemBackground));
  }
  return static_cast<COLORREF>(wk::Send(rich, EM_SETBKGNDCOLOR, 0, background));
}

extern "C" int wk_RichEditSetEditable(HWND rich, const char* keyword) noexcept {
  return wk_WordProcSimpleSetEditable(rich, keyword);
}

// ---- Redraw ------------------------------------------------------------------

extern "C" int wk_RichEditFreeze(HWND rich) noexcept {
  return wk::Send(rich, WM_SETREDRAW, FALSE) ? 1 : 0;
}

extern "C" int wk_RichEditThaw(HWND rich) noexcept {
  const int result = wk::Send(rich, WM_SETREDRAW, TRUE) ? 1 : 0;
  InvalidateRect(rich, nullptr, TRUE);
  return result;
}

extern "C" HWND wk_RichEditHasFocus(HWND rich) noexcept {
  return GetFocus() == rich ? rich : nullptr;
}

// ---- Text --------------------------------------------------------------------

extern "C" int wk_RichEditSetText(HWND rich, const char* text) noexcept {
  return wk::Send(rich, WM_SETTEXT, 0, text ? text : "") ? 0 : 1;
}

extern "C" int wk_RichEditGetText(HWND rich, char* buffer) noexcept {
  const LONG limit = static_cast<LONG>(wk::Send(rich, EM_GETLIMITTEXT));
  const int selected = static_cast<int>(wk::rich::SelectRange(rich, 0, limit));
  if (buffer) wk::Send(rich, EM_GETSELTEXT, 0, buffer);
  return selected - 2;
}

extern "C" int wk_RichEditGetTextLength(HWND rich) noexcept {
  return static_cast<int>(wk::Send(rich, WM_GETTEXTLENGTH));
}

extern "C" int wk_RichEditGetSelectedText(HWND rich, char* buffer) noexcept {
  if (!buffer) return 0;
  return static_cast<int>(wk::Send(rich, EM_GETSELTEXT, 0, buffer));
}

// ---- Modified flag, clipboard, undo --------------------------------------------

extern "C" int wk_RichEditIsModified(HWND rich) noexcept {
  return wk::Send(rich, EM_GETMODIFY) ? 1 : 0;
}

extern "C" int wk_RichEditSetModified(HWND rich, const char* keyword) noexcept {
  if (const bool* modified = wk::FindKeyword(wk::kOnOff, keyword)) {
    wk::Send(rich, EM_SETMODIFY, *modified ? TRUE : FALSE);
  }
  return 0;
}

extern "C" int wk_RichEditClear(HWND rich) noexcept {
  wk::Send(rich, WM_CLEAR);
  return 0;
}

extern "C" int wk_RichEditCanUndo(HWND rich) noexcept { return wk::Send(rich, EM_CANUNDO) ? 1 : 0; }

extern "C" int wk_RichEditEmptyUndo(HWND rich) noexcept {
  wk::Send(rich, EM_EMPTYUNDOBUFFER);
  return 0;
}

extern "C" int wk_RichEditUndo(HWND rich) noexcept {
  if (wk::Send(rich, EM_CANUNDO)) {
    wk::Send(rich, WM_UNDO);
    return 1;
  }
  MessageBeep(MB_ICONEXCLAMATION);
  return 0;
}

extern "C" int wk_RichEditCut(HWND rich) noexcept {
  wk::Send(rich, WM_CUT);
  return 0;
}

extern "C" int wk_RichEditCopy(HWND rich) noexcept {
  wk::Send(rich, WM_COPY);
  return 0;
}

extern "C" int wk_RichEditPaste(HWND rich) noexcept {
  wk::Send(rich, WM_PASTE);
  return 0;
}

extern "C" int wk_RichEditPost(HWND rich, UINT message, WPARAM wparam, LPARAM lparam) noexcept {
  return PostMessageA(rich, message, wparam, lparam) ? 0 : 1;
}

extern "C" int wk_ClipboardHasText(void) noexcept {
  return IsClipboardFormatAvailable(CF_TEXT) ? 1 : 0;
}

// ---- Fonts ----------------------------------------------------------------

// The rich edit makes and sets fonts exactly as the plain text fields do.
WK_CONTROL_OP_FONT_MAKER(RichEdit, Create)

extern "C" int wk_RichEditSetFont(HWND rich, HFONT font) noexcept {
  return wk_WordProcSimpleSetFont(rich, reinterpret_cast<UINT_PTR>(font));
}

extern "C" int wk_RichEditHasSelection(HWND rich) noexcept {
  const CHARRANGE range = wk::rich::Selection(rich);
  wk_SelStart = static_cast<int>(range.cpMin);
  wk_SelEnd = static_cast<int>(range.cpMax);
  return range.cpMin < range.cpMax ? 1 : 0;
}
