// Combo boxes: the platform's "COMBOBOX" of six kinds. Items are addressed
// from 1; position 0 stands for the combo box's own text (its edit part), so
// one set of operations reads and writes both.
#include <windows.h>

#include <memory>

#include "toolkit/core/message.hpp"
#include "toolkit/core/control_ops.hpp"
#include "toolkit/core/gdi.hpp"
#include "toolkit/core/safe_file.hpp"
#include "wk_text.h"

namespace {

constexpr wk::Keyword<DWORD> kTypes[] = {
    {"READDROP", CBS_DROPDOWNLIST},
    {"WRITEDROP", CBS_DROPDOWN},
    {"READDROPSORT", CBS_DROPDOWNLIST | CBS_SORT},
    {"WRITEDROPSORT", CBS_DROPDOWN | CBS_SORT},
    {"SIMPLE", CBS_SIMPLE},
    {"SIMPLESORT", CBS_SIMPLE | CBS_SORT},
};

constexpr DWORD kComboStyle = WS_CHILD | WS_VISIBLE | WS_VSCROLL | CBS_AUTOHSCROLL;
// The combo box's own text is read with room for 255 characters.
constexpr int kOwnTextRoom = 255;
constexpr int kLoadBytes = 255;
constexpr DWORD kTooLarge = 65536;

char g_selected[256] = {};

int OwnTextLength(HWND combo) {
  char text[kOwnTextRoom];
  return GetWindowTextA(combo, text, kOwnTextRoom);
}

int ItemLength(HWND combo, int position) {
  return static_cast<int>(wk::Send(combo, CB_GETLBTEXTLEN, position - 1));
}

}  // namespace

extern "C" HWND wk_ComboCreate(HWND parent, int x, int y, int width, int height,
                               const char* type) noexcept {
  const DWORD bits = wk::KeywordValue(kTypes, type, 0ul);
  return CreateWindowExA(0, "COMBOBOX", "", bits | kComboStyle, x, y, width, height, parent,
                         nullptr, wk::ops::InstanceOf(parent), nullptr);
}

WK_CONTROL_OP_DESTROY(Combo)
WK_CONTROL_OP_HIDE(Combo)
WK_CONTROL_OP_SHOW(Combo, SW_SHOW)
WK_CONTROL_OPS_GEOMETRY(Combo)
WK_CONTROL_OP_DISABLE(Combo)
WK_CONTROL_OP_ENABLE(Combo)
WK_CONTROL_OP_SETFOCUS(Combo)

extern "C" int wk_ComboRepaint(HWND combo) noexcept { return wk::ops::RepaintErased(combo); }

// The focus sits in the combo box's edit part when it has one.
extern "C" int wk_ComboLacksFocus(HWND combo) noexcept {
  HWND focus = GetFocus();
  return focus != nullptr && (focus == combo || IsChild(combo, focus)) ? 0 : 1;
}

extern "C" int wk_ComboSetEditLimit(HWND combo, int limit) noexcept {
  wk::Send(combo, CB_LIMITTEXT, limit);
  return 0;
}

extern "C" int wk_ComboAddItem(HWND combo, const char* text) noexcept {
  wk::Send(combo, CB_ADDSTRING, 0, text);
  return 0;
}

extern "C" int wk_ComboInsertItem(HWND combo, int position, const char* text) noexcept {
  if (position == 0) {
    SetWindowTextA(combo, text);
  } else {
    wk::Send(combo, CB_INSERTSTRING, position - 1, text);
  }
  return 0;
}

extern "C" int wk_ComboGetItem(HWND combo, int position, char* buffer) noexcept {
  if (position == 0) {
    const int n = OwnTextLength(combo);
    return GetWindowTextA(combo, buffer, n + 1);
  }
  const int n = ItemLength(combo, position);
  wk::Send(combo, CB_GETLBTEXT, position - 1, buffer);
  return n;
}

extern "C" int wk_ComboGetItemLength(HWND combo, int position) noexcept {
  return position == 0 ? OwnTextLength(combo) : ItemLength(combo, position);
}

extern "C" const char* wk_ComboGetSelectedText(HWND combo) noexcept {
  DWORD start = 0, end = 0;
  wk::Send(combo, CB_GETEDITSEL, &start, &end);
  if (start + end == 0) return g_selected;
  // The buffer holds 255 characters; a selection reaching further is cut
  // there rather than written past it.
  char text[sizeof g_selected];
  const DWORD room = end + 1 < sizeof text ? end + 1 : sizeof text;
  const int got = GetWindowTextA(combo, text, static_cast<int>(room));
  DWORD n = 0;
  for (DWORD i = start; i < end && i < static_cast<DWORD>(got); ++i) g_selected[n++] = text[i];
  g_selected[n] = '\0';
  return g_selected;
}

WK_CONTROL_OP_FONT_MAKER(Combo, Create)

WK_CONTROL_OP_SETFONT(Combo)

extern "C" int wk_ComboSaveItem(HWND combo, int position, const char* file_name) noexcept {
  // The item is taken whole, however long: a buffer of its own length.
  int length = position == 0 ? GetWindowTextLengthA(combo) : ItemLength(combo, position);
  if (length < 0) length = 0;
  std::unique_ptr<char[]> text(new (std::nothrow) char[length + 1]);
  if (!text) return WK_TEXT_FILE_IO_ERROR;
  text[0] = '\0';
  if (position == 0) {
    length = GetWindowTextA(combo, text.get(), length + 1);
  } else if (length > 0) {
    wk::Send(combo, CB_GETLBTEXT, position - 1, text.get());
  }
  return wk::WriteWholeFile(file_name, text.get(), static_cast<std::size_t>(length),
                            {0, WK_TEXT_FILE_CANNOT_OPEN, WK_TEXT_FILE_IO_ERROR});
}

extern "C" int wk_ComboLoadItem(HWND combo, int position, const char* file_name) noexcept {
  wk::FileHandle file(CreateFileA(file_name, GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS,
                                  FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
  if (!file.valid()) return WK_TEXT_FILE_CANNOT_OPEN;
  DWORD high = 0;
  const DWORD size = GetFileSize(file.get(), &high);
  if (high != 0 || size >= kTooLarge) return WK_TEXT_FILE_TOO_LARGE;
  char text[kLoadBytes + 1];
  DWORD read = 0;
  if (!ReadFile(file.get(), text, kLoadBytes, &read, nullptr)) return WK_TEXT_FILE_IO_ERROR;
  text[read] = '\0';
  wk_ComboInsertItem(combo, position, text);
  return 0;
}
