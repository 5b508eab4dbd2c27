// The fields page: one-line edit fields in every alignment and frame, a
// password field, a spin field stepping through the days of the week, a
// field with colours of its own, and combo boxes of the six kinds.
#include <windows.h>

#include <cstdio>
#include <cstring>

#include "gallery.hpp"
#include "wk_draw.h"
#include "wk_text.h"

namespace gallery {

namespace {

constexpr const char* kAlignments[] = {"L", "C", "R"};
constexpr const char* kFrames[] = {"FLAT",        "SMAL_SUNKEN", "SUNKEN", "MAX_SUNKEN",
                                   "DOUBLE_EDGE", "BAR",         "EDGE"};
constexpr const char* kDays[] = {"Monday", "Tuesday",  "Wednesday", "Thursday",
                                 "Friday", "Saturday", "Sunday"};
constexpr int kDayCount = sizeof kDays / sizeof kDays[0];

constexpr const char* kComboKinds[] = {"READDROP",      "WRITEDROP", "READDROPSORT",
                                       "WRITEDROPSORT", "SIMPLE",    "SIMPLESORT"};
constexpr const char* kFruit[] = {"Pear", "Apple", "Orange", "Banana", "Cherry"};
constexpr int kComboTop = kPageTop + 330;

constexpr int kLimit = 64;
constexpr int kColumn2 = kPageLeft + 400;
constexpr int kRowAlign = kPageTop + 22;
constexpr int kRowFrame = kRowAlign + 112;
constexpr int kRowSpin = kPageTop + 22;

struct Fields {
  HWND password = nullptr;
  HWND spin = nullptr;
  HWND coloured = nullptr;
  int day = 0;
  char day_text[kLimit] = "Monday";
};
Fields g_fields;

HWND Keep(HWND control) {
  if (control != nullptr) Shared().controls.push_back(control);
  return control;
}

}  // namespace

void BuildFieldsPage(HWND window) {
  g_fields = Fields{};
  int y = kRowAlign;
  for (const char* alignment : kAlignments) {
    HWND field = Keep(wk_EditCreate(window, kPageLeft, y, 300, 24, alignment, kLimit));
    char text[kLimit];
    std::snprintf(text, sizeof text, "Aligned \"%s\"", alignment);
    wk_EditSetText(field, text);
    y += 30;
  }
  // A field's frame is chosen by replacing it: Modify makes a successor
  // with the text carried over.
  y = kRowFrame;
  for (const char* frame : kFrames) {
    HWND plain = wk_EditCreate(window, kPageLeft, y, 300, 26, "L", kLimit);
    wk_EditSetText(plain, frame);
    Keep(wk_EditModify(plain, kPageLeft, y, 300, 26, frame, "L", kLimit));
    y += 40;
  }

  g_fields.password = Keep(wk_EditCreatePassword(window, kColumn2, kRowSpin, 200, 24, kLimit));
  wk_EditSetText(g_fields.password, "secret");
  g_fields.spin = Keep(wk_SpinEditCreate(window, kColumn2, kRowSpin + 60, 200, 26, "L", kLimit));
  wk_SpinEditSetText(g_fields.spin, g_fields.day_text);
  g_fields.coloured = Keep(wk_EditCreate(window, kColumn2, kRowSpin + 120, 300, 24, "C", kLimit));
  wk_EditSetText(g_fields.coloured, "White on dark blue");
  static HFONT big = wk_EditCreateFont(g_fields.coloured, 12, FW_BOLD, 1, 0, "Arial");
  HWND styled = Keep(wk_EditCreate(window, kColumn2, kRowSpin + 180, 300, 30, "L", kLimit));
  wk_EditSetFont(styled, big);
  wk_EditSetText(styled, "Bold italic 12 point");
  HWND read_only = Keep(wk_EditCreate(window, kColumn2, kRowSpin + 240, 300, 24, "L", kLimit));
  wk_EditSetText(read_only, "Read-only");
  wk_EditSetEditable(read_only, "OFF");
  // Combo boxes: the height includes the list; the simple kinds show it.
  for (int i = 0; i < 6; ++i) {
    const int x = kColumn2 + (i % 2) * 190;
    const int y = kComboTop + (i / 2) * 52;
    const bool simple = i >= 4;
    HWND combo = Keep(wk_ComboCreate(window, x, y, 170, simple ? 92 : 150, kComboKinds[i]));
    for (const char* fruit : kFruit) wk_ComboAddItem(combo, fruit);
    // Position 0 is the combo box's own text.
    wk_ComboInsertItem(combo, 0, simple ? "Type or pick" : kFruit[i % 5]);
  }
  wk_EditSetFocus(g_fields.password);
}

void PaintFieldsPage(HWND window) {
  constexpr COLORREF kInk = RGB(0, 0, 96);
  wk_WriteText(window, kPageLeft, kRowAlign - 18, "Edit fields: alignments", kInk, nullptr, 0);
  wk_WriteText(window, kPageLeft, kRowFrame - 18, "Frames (made by wk_EditModify)", kInk, nullptr,
               0);
  wk_WriteText(window, kColumn2, kRowSpin - 18, "Password field", kInk, nullptr, 0);
  wk_WriteText(window, kColumn2, kRowSpin + 42, "Spin field: the arrows step the days", kInk,
               nullptr, 0);
  wk_WriteText(window, kColumn2, kRowSpin + 102, "Colours of its own", kInk, nullptr, 0);
  wk_WriteText(window, kColumn2, kRowSpin + 162, "A font of its own", kInk, nullptr, 0);
  wk_WriteText(window, kColumn2, kRowSpin + 222, "Read-only", kInk, nullptr, 0);
  for (int i = 0; i < 6; ++i) {
    wk_WriteText(window, kColumn2 + (i % 2) * 190, kComboTop + (i / 2) * 52 - 16, kComboKinds[i],
                 kInk, nullptr, 0);
  }
}

bool FieldsPageScroll(HWND, WPARAM wparam, LPARAM lparam) {
  HWND source = reinterpret_cast<HWND>(lparam);
  if (source == nullptr || source != g_fields.spin) return false;
  // The step keeps what the user typed, moves the counter, and shows the
  // buffer again; the buffer then gets the new day.
  g_fields.day = wk_SpinEditStep(g_fields.spin, wparam, source, g_fields.day_text, g_fields.day);
  if (g_fields.day >= kDayCount) g_fields.day = kDayCount - 1;
  std::strcpy(g_fields.day_text, kDays[g_fields.day]);
  wk_SpinEditSetText(g_fields.spin, g_fields.day_text);
  char line[80];
  std::snprintf(line, sizeof line, "Spin field: %s", g_fields.day_text);
  Report(line);
  return true;
}

HBRUSH FieldsPageColour(HDC dc, HWND control) {
  if (g_fields.coloured == nullptr || control != g_fields.coloured) return nullptr;
  return wk_EditColor(g_fields.coloured, RGB(255, 255, 255), RGB(0, 0, 128), dc, control);
}

}  // namespace gallery
