#include "text_fields.hpp"

#include <cstdlib>
#include <cstring>
#include <vector>

#include "toolkit/core/control_ops.hpp"
#include "toolkit/core/boundary.hpp"
#include "toolkit/core/gdi.hpp"
#include "toolkit/core/keywords.hpp"
#include "toolkit/core/message.hpp"
#include "toolkit/core/safe_file.hpp"
#include "wk_text.h"

namespace wk::fields {

namespace {

constexpr Keyword<StylePair> kFrames[] = {
    {"FLAT", {0, 0}},
    {"SMAL_SUNKEN", {0, WS_EX_STATICEDGE}},
    {"SUNKEN", {0, WS_EX_CLIENTEDGE}},
    {"MAX_SUNKEN", {0, WS_EX_STATICEDGE | WS_EX_CLIENTEDGE}},
    {"DOUBLE_EDGE", {WS_DLGFRAME, WS_EX_STATICEDGE | WS_EX_CLIENTEDGE}},
    {"BAR", {WS_DLGFRAME, 0}},
    {"EDGE", {WS_DLGFRAME, WS_EX_CLIENTEDGE}},
};

constexpr Keyword<DWORD> kAlignments[] = {
    {"L", ES_LEFT},
    {"C", ES_CENTER},
    {"R", ES_RIGHT},
};

char g_empty[1] = {'\0'};

}  // namespace

StylePair FrameFromKeyword(const char* keyword) {
  return KeywordValue(kFrames, keyword, StylePair{0, 0});
}

DWORD AlignFromKeyword(const char* keyword) {
  return KeywordValue(kAlignments, keyword, DWORD{ES_LEFT});
}

WNDPROC Subclass(HWND window, WNDPROC procedure) {
  return reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(procedure)));
}

LRESULT PassOn(WNDPROC base, HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  return base ? CallWindowProcA(base, window, message, wparam, lparam) : 0;
}

HWND CreateEditChild(HWND parent, DWORD ex_style, DWORD style, int x, int y, int width,
                     int height) {
  return CreateWindowExA(ex_style, "EDIT", nullptr, style, x, y, width, height, parent,
                         reinterpret_cast<HMENU>(1), ops::InstanceOf(parent), nullptr);
}

HWND Recreate(HWND old, DWORD ex_style, DWORD style, int x, int y, int width, int height,
              int limit) {
  const HWND parent = ops::ParentOf(old);
  std::string text;
  try {
    text = WholeText(old);
  } catch (...) {
    return nullptr;
  }
  // The successor is made before the old field goes, so a refusal loses
  // nothing. The platform refuses to create a window with WS_EX_MDICHILD
  // outside an MDI client, so that bit joins the extended style once the
  // window exists.
  HWND created = CreateEditChild(parent, ex_style & ~WS_EX_MDICHILD, style, x, y, width, height);
  if (!created) return nullptr;
  if (ex_style & WS_EX_MDICHILD) SetWindowLongA(created, GWL_EXSTYLE, static_cast<LONG>(ex_style));
  DestroyWindow(old);
  wk::Send(created, EM_LIMITTEXT, limit);
  SetWindowTextA(created, text.c_str());
  return created;
}

HWND CreateField(HWND parent, DWORD style, int x, int y, int width, int height, int limit,
                 WNDPROC& base, WNDPROC procedure) {
  const HWND field = CreateEditChild(parent, WS_EX_CLIENTEDGE, style, x, y, width, height);
  if (!field) return nullptr;
  wk::Send(field, EM_LIMITTEXT, limit);
  base = Subclass(field, procedure);
  return field;
}

HWND ModifyField(HWND field, const char* frame, DWORD style, int x, int y, int width, int height,
                 int limit, WNDPROC& base, WNDPROC procedure) {
  const StylePair f = FrameFromKeyword(frame);
  const HWND created = Recreate(field, f.ex_style, style | f.style, x, y, width, height, limit);
  if (created) base = Subclass(created, procedure);
  return created;
}

int FocusOnEnter(HWND field, HWND next) {
  if (GetFocus() == field && wk_EnterPressed == 1) {
    SetFocus(next);
    wk_EnterPressed = 0;
  }
  return 0;
}

std::string WholeText(HWND window) {
  const int length = GetWindowTextLengthA(window);
  if (length <= 0) return {};
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  const int got = GetWindowTextA(window, text.data(), length + 1);
  text.resize(got > 0 ? static_cast<std::size_t>(got) : 0);
  return text;
}

int TextLengthWithinLimit(HWND window) {
  const int length = GetWindowTextLengthA(window);
  if (length <= 0) return 0;
  // The platform's maximum (limit 0 asked for it) reads as -1 when signed:
  // the limit is an unsigned count.
  const auto limit = static_cast<DWORD>(wk::Send(window, EM_GETLIMITTEXT));
  if (limit == 0) return 0;
  return static_cast<DWORD>(length) < limit ? length : static_cast<int>(limit - 1);
}

DWORD SetLeftMargin(HWND window, int margin) {
  const auto old = static_cast<DWORD>(wk::Send(window, EM_GETMARGINS));
  // EM_SETMARGINS: the left margin travels in the low word of lparam.
  wk::Send(window, EM_SETMARGINS, EC_LEFTMARGIN, MAKELPARAM(LOWORD(margin), 0));
  return old;
}

int SetLimit(HWND window, int limit) {
  const int previous = GetLimit(window);
  wk::Send(window, EM_LIMITTEXT, limit);
  return previous;
}

int GetLimit(HWND window) { return static_cast<int>(wk::Send(window, EM_GETLIMITTEXT)); }

HBRUSH Color(FieldKind& kind, HWND field, COLORREF text, COLORREF background, HDC dc,
             HWND control) {
  if (control == field) {
    if (kind.brush) DeleteObject(kind.brush);
    kind.brush = CreateSolidBrush(background);
    SetTextColor(dc, text);
    SetBkColor(dc, background);
  }
  return kind.brush;
}

int SetEditable(HWND window, const char* keyword, int none, bool* matched) {
  // "ON" makes the field editable, "OFF" read-only.
  const bool* editable = FindKeyword(kOnOff, keyword);
  if (matched) *matched = editable != nullptr;
  if (!editable) return none;
  return static_cast<int>(wk::Send(window, EM_SETREADONLY, *editable ? FALSE : TRUE));
}

int GetText(HWND window, char* buffer) {
  if (buffer == nullptr) return 0;
  // The caller's buffer holds the limit: WM_GETTEXT's wparam is its size.
  return static_cast<int>(wk::Send(window, WM_GETTEXT, GetLimit(window), buffer));
}

int SetText(HWND window, const char* text) {
  wk::Send(window, WM_SETTEXT, 0, text);
  return 0;
}

namespace {

char* CopySelection(FieldKind& kind, HWND window) {
  std::free(kind.selected);
  kind.selected = nullptr;
  DWORD start = 0, end = 0;
  wk::Send(window, EM_GETSEL, &start, &end);
  if (start + end == 0) return g_empty;  // never the released buffer
  if (end < start) return g_empty;
  auto* buffer = static_cast<char*>(std::calloc((end - start + 10) * 4, 1));
  if (!buffer) return g_empty;
  kind.selected = buffer;
  const std::string text = WholeText(window);
  const std::size_t stop = end < text.size() ? end : text.size();
  if (start < stop) std::memcpy(buffer, text.data() + start, stop - start);
  return buffer;
}

int Save(HWND window, const char* file_name) {
  const int length = static_cast<int>(wk::Send(window, WM_GETTEXTLENGTH));
  std::vector<char> buffer(static_cast<std::size_t>(length) + 1000);
  const auto count = static_cast<DWORD>(wk::Send(window, WM_GETTEXT, buffer.size(), buffer.data()));
  return WriteWholeFile(file_name, buffer.data(), count,
                        {0, WK_TEXT_FILE_CANNOT_OPEN, WK_TEXT_FILE_IO_ERROR});
}

// Reads the file in chunks of `chunk` bytes and hands each, as far as its
// first zero byte, to `take`. 0, or WK_TEXT_FILE_IO_ERROR after a failed read.
template <class Take>
int ReadChunks(HANDLE file, DWORD chunk, Take take) {
  std::vector<char> buffer(chunk + 1);
  for (;;) {
    DWORD got = 0;
    if (!ReadFile(file, buffer.data(), chunk, &got, nullptr)) return WK_TEXT_FILE_IO_ERROR;
    buffer[got] = '\0';
    take(buffer.data());
    if (got < chunk) return 0;
  }
}

// A one-line field that does not scroll sideways refuses inserted text past
// its right edge; setting the text is not cut by width or limit.
bool RefusesTextPastItsEdge(HWND window) {
  return (GetWindowLongA(window, GWL_STYLE) & (ES_MULTILINE | ES_AUTOHSCROLL)) == 0;
}

int Load(HWND window, const char* file_name, DWORD chunk) {
  FileHandle file(CreateFileA(file_name, GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS,
                              FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
  if (!file.valid()) return WK_TEXT_FILE_CANNOT_OPEN;
  DWORD high = 0;
  const DWORD low = GetFileSize(file.get(), &high);
  if (high != 0 || HIWORD(low) != 0) return WK_TEXT_FILE_TOO_LARGE;

  SetText(window, "");
  int result = 0;
  if (RefusesTextPastItsEdge(window)) {
    // The whole text goes in at once, and a field that still keeps only
    // part of it says so.
    std::string text;
    result = ReadChunks(file.get(), chunk, [&](const char* part) { text += part; });
    SetText(window, text.c_str());
    if (result == 0 && WholeText(window) != text) result = WK_TEXT_FILE_IO_ERROR;
  } else {
    // With the selection dropped the caret stays at the end of what was
    // inserted, so each chunk is appended.
    result = ReadChunks(file.get(), chunk, [&](const char* part) {
      wk::Send(window, EM_SETSEL, -1, -1);
      wk::Send(window, EM_REPLACESEL, FALSE, part);
    });
  }
  if (result != 0) return result;
  wk::Send(window, EM_SETSEL);
  wk::Send(window, EM_SCROLLCARET);
  wk::Send(window, EM_SETMODIFY, FALSE);
  return 0;
}

}  // namespace

char* GetSelectedText(FieldKind& kind, HWND window) {
  // Without memory for the text the answer is the empty text.
  return Guarded(g_empty, [&] { return CopySelection(kind, window); });
}

int SaveFile(HWND window, const char* file_name) {
  return Guarded(WK_TEXT_FILE_IO_ERROR, [&] { return Save(window, file_name); });
}

int LoadFile(HWND window, const char* file_name, DWORD chunk) {
  return Guarded(WK_TEXT_FILE_IO_ERROR, [&] { return Load(window, file_name, chunk); });
}

}  // namespace wk::fields
