// Edit, password and spin fields against the real platform: styles, keys
// typed as a person types them, re-creation, colours, selection, fonts and
// files.
#include <gtest/gtest.h>

#include <cctype>
#include <climits>
#include <cstring>
#include <string>
#include <vector>

#include "wk_text.h"
#include "wk_windows.h"
#include "whole_file.hpp"
#include "wktest.hpp"

namespace {

using wktest::Style;
using wktest::TestWindow;
using wktest::WindowText;

// Key codes the parent received as commands from fields (lparam 0), in order.
std::vector<WPARAM> KeyCommands(const TestWindow& parent) {
  std::vector<WPARAM> keys;
  for (const auto& m : parent.Of(WM_COMMAND))
    if (m.lparam == 0) keys.push_back(m.wparam);
  return keys;
}
DWORD Caret(HWND field) {
  DWORD start = 0, end = 0;
  SendMessageA(field, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  return end;
}

// Every kind, alignment and frame keyword, compared whole. Every field has
// id 1; a field without a parent is refused.
TEST(EditField, StylesFollowTheKeywords) {
  TestWindow parent;
  constexpr DWORD kClient = WS_EX_CLIENTEDGE, kStatic = WS_EX_STATICEDGE;
  using Make = HWND (*)(HWND, const char*, const char*);
  const Make create = [](HWND p, const char*, const char* a) {
    return wk_EditCreate(p, 10, 10, 100, 24, a, 50);
  };
  const Make spin = [](HWND p, const char*, const char* a) {
    return wk_SpinEditCreate(p, 10, 10, 100, 24, a, 50);
  };
  const Make modify = [](HWND p, const char* frame, const char* a) {
    return wk_EditModify(wk_EditCreate(p, 0, 0, 9, 9, "L", 5), 10, 10, 100, 24, frame, a, 5);
  };
  const Make modify_spin = [](HWND p, const char* frame, const char* a) {
    return wk_SpinEditModify(wk_SpinEditCreate(p, 0, 0, 9, 9, "L", 5), 10, 10, 100, 24, frame, a,
                             5);
  };
  const struct {
    Make make;
    const char *frame, *alignment;
    DWORD style, ex_style;
  } rows[] = {
      {create, "", "C", 0x50010181, kClient},
      {create, "", "c", 0x50010180, kClient},
      {create, "", "RIGHT", 0x50010180, kClient},
      {create, "", "R", 0x50010182, kClient},
      {[](HWND p, const char*, const char*) { return wk_EditCreatePassword(p, 1, 1, 9, 9, 5); }, "",
       "", 0x500101A0, kClient},
      {spin, "", "C", 0x50211101, kClient},
      {modify, "FLAT", "R", 0x50010182, 0},
      {modify, "SMAL_SUNKEN", "L", 0x50010180, kStatic},
      {modify, "SUNKEN", "C", 0x50010181, kClient},
      {modify, "MAX_SUNKEN", "L", 0x50010180, kStatic | kClient},
      {modify, "DOUBLE_EDGE", "L", 0x50410180, kStatic | kClient},
      {modify, "BAR", "L", 0x50410180, 0},
      {modify, "EDGE", "R", 0x50410182, kClient},
      {modify, "edge", "L", 0x50010180, 0},
      {modify_spin, "FLAT", "C", 0x50211101, 0},
      {modify_spin, "DOUBLE_EDGE", "L", 0x50611100, kStatic | kClient},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(std::string(row.frame) + "/" + row.alignment);
    HWND field = row.make(parent, row.frame, row.alignment);
    ASSERT_NE(field, nullptr);
    EXPECT_EQ(Style(field), row.style);
    EXPECT_EQ(wktest::OwnExStyle(field), row.ex_style);
    EXPECT_EQ(GetDlgCtrlID(field), 1);
    DestroyWindow(field);
  }
  EXPECT_EQ(wk_EditCreate(nullptr, 0, 0, 10, 10, "L", 5), nullptr);
}

// The successor takes the new place, limit and the whole text, also a text
// longer than the limit (set directly, which the limit does not cut).
TEST(EditField, ModifyCarriesTheWholeText) {
  TestWindow parent;
  HWND field = wk_EditCreate(parent, 10, 10, 100, 24, "L", 5);
  const std::string long_text(3000, 'k');
  SetWindowTextA(field, long_text.c_str());
  HWND edged = wk_EditModify(field, 20, 30, 150, 28, "EDGE", "R", 3);
  EXPECT_FALSE(IsWindow(field));
  EXPECT_EQ(WindowText(edged), long_text);
  EXPECT_EQ(wk_EditGetLimit(edged), 3);
  EXPECT_EQ(GetParent(edged), parent.get());
  EXPECT_EQ(wktest::PlaceInParent(edged), (std::vector<LONG>{20, 30, 150, 28}));

  HWND spin = wk_SpinEditCreate(parent, 10, 100, 100, 24, "L", 50);
  SetWindowTextA(spin, "12");
  EXPECT_EQ(WindowText(wk_SpinEditModify(spin, 10, 100, 100, 24, "BAR", "L", 50)), "12");
}

// Keys pressed as a person presses them, in each kind of field after typing
// into it: typing enters the text while every key reaches the parent as a
// command, except the caret keys, which an edit or spin field keeps and a
// password field hands on too. A key without a character (Delete) changes
// nothing in the field. Each row: the caret placed, then one key.
TEST(EditField, KeysReachTheParentAsCommandsExceptTheFieldsOwnCaretKeys) {
  using Make = HWND (*)(HWND);
  const Make edit = [](HWND p) { return wk_EditCreate(p, 10, 10, 200, 24, "L", 50); };
  const Make password = [](HWND p) { return wk_EditCreatePassword(p, 10, 10, 200, 24, 50); };
  const Make spin = [](HWND p) { return wk_SpinEditCreate(p, 10, 10, 200, 30, "L", 50); };
  const Make modified_password = [](HWND p) {
    return wk_EditModify(wk_EditCreatePassword(p, 10, 10, 200, 24, 50), 10, 10, 200, 24, "SUNKEN",
                         "L", 50);
  };
  const struct {
    const char* kind;
    Make make;
    const char* typed;
    DWORD caret;
    WORD key;
    DWORD caret_after;
    std::vector<WPARAM> commands;  // for the key
  } rows[] = {
      {"edit", edit, "ab", 2, VK_F1, 2, {0x70}},
      {"edit", edit, "ab", 2, VK_LEFT, 1, {}},
      {"edit", edit, "ab", 1, VK_DELETE, 1, {VK_DELETE}},
      {"password", password, "xy", 2, VK_LEFT, 2, {VK_LEFT}},
      {"modified password", modified_password, "hemligt", 3, VK_LEFT, 2, {}},
      {"spin", spin, "42", 2, VK_HOME, 0, {}},
      {"spin", spin, "42", 2, VK_F5, 2, {VK_F5}},
      {"spin", spin, "42", 2, VK_UP, 2, {VK_UP}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(std::string(row.kind) + ", key " + std::to_string(row.key));
    TestWindow parent;
    HWND field = row.make(parent);
    wktest::FocusForTyping(field);
    ASSERT_EQ(GetFocus(), field);
    wktest::TypeText(row.typed);
    EXPECT_EQ(WindowText(field), row.typed);
    if (row.make != spin) {  // the edit fields' own read, also of a password
      char text[64] = {};
      EXPECT_EQ(wk_EditGetText(field, text), static_cast<int>(std::strlen(row.typed)));
      EXPECT_STREQ(text, row.typed);
    }
    std::vector<WPARAM> typed;
    for (const char* c = row.typed; *c; ++c) typed.push_back(std::toupper(*c));
    EXPECT_EQ(KeyCommands(parent), typed);

    SendMessageA(field, EM_SETSEL, row.caret, row.caret);
    parent.Clear();
    wktest::PressKey(row.key);
    EXPECT_EQ(WindowText(field), row.typed);
    EXPECT_EQ(Caret(field), row.caret_after);
    EXPECT_EQ(KeyCommands(parent), row.commands);
  }
}

TEST(EditField, ModifiedPasswordFieldIsAPlainEditField) {
  TestWindow parent;
  HWND password = wk_EditCreatePassword(parent, 10, 10, 200, 24, 50);
  SetWindowTextA(password, "hemligt");
  HWND field = wk_EditModify(password, 10, 10, 200, 24, "SUNKEN", "L", 50);
  EXPECT_EQ(Style(field) & ES_PASSWORD, 0);
  EXPECT_EQ(WindowText(field), "hemligt");
}

TEST(EditField, TabAndReturnSetTheFlagAndFocusMovesOn) {
  TestWindow parent;
  HWND field = wk_EditCreate(parent, 10, 10, 200, 24, "L", 50);
  HWND next = wk_EditCreate(parent, 10, 40, 200, 24, "L", 50);
  HWND spin = wk_SpinEditCreate(parent, 10, 70, 200, 24, "L", 50);

  wk_EnterPressed = 0;
  wktest::FocusForTyping(field);
  wktest::PressKey(VK_TAB);
  EXPECT_EQ(wk_EnterPressed, 1);
  EXPECT_EQ(WindowText(field), "");
  EXPECT_EQ(wk_EditLacksFocus(field), 0);
  EXPECT_EQ(wk_EditLacksFocus(next), 1);
  EXPECT_EQ(wk_EditFocusOnEnter(next, field), 0);  // not focused: nothing
  EXPECT_EQ(wk_EnterPressed, 1);
  EXPECT_EQ(wk_EditFocusOnEnter(field, next), 0);
  EXPECT_EQ(GetFocus(), next);
  EXPECT_EQ(wk_EnterPressed, 0);

  wktest::PressKey(VK_RETURN);
  EXPECT_EQ(wk_EnterPressed, 1);
  wk_EnterPressed = 0;

  // In a spin field Tab is the field's own; Return sets the flag.
  wktest::FocusForTyping(spin);
  wktest::PressKey(VK_TAB);
  EXPECT_EQ(wk_EnterPressed, 0);
  wktest::PressKey(VK_RETURN);
  EXPECT_EQ(wk_EnterPressed, 1);
  EXPECT_EQ(wk_SpinEditFocusOnEnter(spin, field), 0);
  EXPECT_EQ(GetFocus(), field);
  EXPECT_EQ(wk_EnterPressed, 0);
}

TEST(SpinEdit, ScrollBarArrowsStepTheCounter) {
  TestWindow parent;
  HWND spin = wk_SpinEditCreate(parent, 20, 20, 120, 40, "L", 20);
  char buffer[32] = "7";
  int counter = 3;
  parent.OnMessage([&](HWND, UINT m, WPARAM w, LPARAM l) -> std::optional<LRESULT> {
    if (m == WM_VSCROLL)
      counter = wk_SpinEditStep(spin, w, reinterpret_cast<HWND>(l), buffer, counter);
    return std::nullopt;
  });
  wktest::Pump(50);

  // A click on each arrow, as a person makes it.
  RECT r{};
  GetWindowRect(spin, &r);
  const int x = r.right - GetSystemMetrics(SM_CXVSCROLL) / 2 - 2;
  auto click = [](int cx, int cy) {
    SetCursorPos(cx, cy);
    INPUT in[2] = {};
    in[0].type = in[1].type = INPUT_MOUSE;
    in[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    in[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendInput(2, in, sizeof(INPUT));
    wktest::Pump(150);
  };
  click(x, r.top + 5);     // up arrow
  click(x, r.bottom - 5);  // down arrow
  click(x, r.bottom - 5);
  const auto scrolls = parent.Of(WM_VSCROLL);
  ASSERT_FALSE(scrolls.empty());
  for (const auto& m : scrolls) EXPECT_EQ(m.lparam, reinterpret_cast<LPARAM>(spin));
  EXPECT_EQ(LOWORD(scrolls.front().wparam), SB_LINEUP);
  EXPECT_EQ(counter, 4);  // 3 - 1 + 1 + 1
  EXPECT_EQ(WindowText(spin), "7");
}

TEST(SpinEdit, StepFollowsTheScrollCode) {
  TestWindow parent;
  HWND spin = wk_SpinEditCreate(parent, 20, 20, 120, 40, "L", 20);
  char buffer[32] = "5";
  EXPECT_EQ(wk_SpinEditStep(spin, SB_LINEUP, spin, buffer, 0), 0);
  EXPECT_EQ(wk_SpinEditStep(spin, SB_LINEUP, spin, buffer, 1), 0);
  EXPECT_EQ(wk_SpinEditStep(spin, SB_LINEUP, spin, buffer, -5), -5);
  EXPECT_EQ(wk_SpinEditStep(spin, SB_LINEDOWN, spin, buffer, 0), 1);
  EXPECT_EQ(wk_SpinEditStep(spin, MAKEWPARAM(SB_THUMBPOSITION, 9), spin, buffer, 6), 6);
  EXPECT_EQ(wk_SpinEditStep(spin, SB_LINEDOWN, spin, buffer, INT_MAX), INT_MAX);
  EXPECT_EQ(WindowText(spin), "5");
  // Another source: nothing happens, not even to text or buffer.
  SetWindowTextA(spin, "typed");
  SendMessageA(spin, EM_SETMODIFY, TRUE, 0);
  EXPECT_EQ(wk_SpinEditStep(spin, SB_LINEDOWN, parent, buffer, 6), 6);
  EXPECT_STREQ(buffer, "5");
  EXPECT_EQ(WindowText(spin), "typed");
  // The user's typing wins over the buffer.
  EXPECT_EQ(wk_SpinEditStep(spin, SB_LINEDOWN, spin, buffer, 6), 7);
  EXPECT_STREQ(buffer, "typed");
  EXPECT_EQ(SendMessageA(spin, EM_GETMODIFY, 0, 0), 0);
}

TEST(EditField, ColourCallPaintsTheFieldBackground) {
  TestWindow parent;
  HWND field = wk_EditCreate(parent, 10, 10, 200, 30, "L", 50);
  HWND other = wk_EditCreate(parent, 10, 50, 200, 30, "L", 50);
  const COLORREF navy = RGB(0, 0, 128);
  parent.OnMessage([&](HWND, UINT m, WPARAM w, LPARAM l) -> std::optional<LRESULT> {
    if (m == WM_CTLCOLOREDIT)
      return reinterpret_cast<LRESULT>(wk_EditColor(
          field, RGB(255, 255, 0), navy, reinterpret_cast<HDC>(w), reinterpret_cast<HWND>(l)));
    return std::nullopt;
  });
  SetWindowTextA(field, "Hej");
  InvalidateRect(field, nullptr, TRUE);
  InvalidateRect(other, nullptr, TRUE);
  wktest::Pump(100);
  EXPECT_EQ(wktest::PixelAt(field, 150, 12), navy);
  // The call hands every field the kind's one brush, but sets the text
  // colours only for its own field.
  EXPECT_EQ(wktest::PixelAt(other, 150, 12), navy);
  wktest::PauseForLook();
}

TEST(EditField, SelectedTextAndEditableState) {
  TestWindow parent;
  HWND field = wk_EditCreate(parent, 10, 10, 200, 24, "L", 50);
  wk_EditSetText(field, "abcdef");
  SendMessageA(field, EM_SETSEL, 2, 4);
  EXPECT_STREQ(wk_EditGetSelectedText(field), "cd");
  SendMessageA(field, EM_SETSEL, 0, 0);
  const char* none = wk_EditGetSelectedText(field);
  ASSERT_NE(none, nullptr);
  EXPECT_STREQ(none, "");
  SendMessageA(field, EM_SETSEL, 3, 3);
  EXPECT_STREQ(wk_EditGetSelectedText(field), "");

  EXPECT_NE(wk_EditSetEditable(field, "OFF"), 0);
  EXPECT_NE(Style(field) & ES_READONLY, 0);
  EXPECT_EQ(wk_EditSetEditable(field, "on"), 0);
  EXPECT_NE(Style(field) & ES_READONLY, 0);
  EXPECT_NE(wk_EditSetEditable(field, "ON"), 0);
  EXPECT_EQ(Style(field) & ES_READONLY, 0);

  EXPECT_EQ(wk_EditSetLimit(field, 9), 50);
  EXPECT_EQ(wk_EditGetLimit(field), 9);
  wk_EditSetLeftMargin(field, 7);
  EXPECT_EQ(wk_EditSetLeftMargin(field, 0x10003), 7);
  EXPECT_EQ(LOWORD(SendMessageA(field, EM_GETMARGINS, 0, 0)), 3);
}

// ---- Files ----

// The test files' folder, made on first use.
std::string WinPath(const std::string& name) {
  static const BOOL made = CreateDirectoryA(wktest::BuildPath("text_files").c_str(), nullptr);
  (void)made;
  return wktest::BuildPath("text_files/" + name);
}

// Counts the chunks a load inserts, seen from outside the toolkit's own
// subclass procedure.
WNDPROC g_counted_base = nullptr;
int g_replacements = 0;
LRESULT CALLBACK CountReplacements(HWND w, UINT m, WPARAM wp, LPARAM lp) {
  if (m == EM_REPLACESEL) ++g_replacements;
  return CallWindowProcA(g_counted_base, w, m, wp, lp);
}
void CountChunksOf(HWND field) {
  g_replacements = 0;
  g_counted_base = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(field, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(CountReplacements)));
}

std::string Pattern(std::size_t size) {
  std::string s(size, 'x');
  for (std::size_t i = 0; i < size; ++i) s[i] = static_cast<char>('a' + i % 26);
  return s;
}

TEST(EditFieldFiles, LoadReadsIn999ByteChunksUpTo65535Bytes) {
  TestWindow parent;
  // Wine's one-line edit takes over a minute to append 65,535 characters
  // chunk by chunk, so the full-size load goes into a field whose limit
  // keeps only the first characters: the chunks are counted all the same.
  HWND small = wk_EditCreate(parent, 10, 40, 200, 24, "L", 10);
  CountChunksOf(small);
  wktest::WriteWholeFile(WinPath("65535.txt"), Pattern(65535));
  EXPECT_EQ(wk_EditLoadFile(small, WinPath("65535.txt").c_str()), 0);
  EXPECT_EQ(g_replacements, 66);
  EXPECT_EQ(WindowText(small), Pattern(10));

  HWND field = wk_EditCreate(parent, 10, 10, 200, 24, "L", 70000);
  CountChunksOf(field);
  wktest::WriteWholeFile(WinPath("5000.txt"), Pattern(5000));
  EXPECT_EQ(wk_EditLoadFile(field, WinPath("5000.txt").c_str()), 0);
  EXPECT_EQ(g_replacements, 6);
  EXPECT_TRUE(WindowText(field) == Pattern(5000));
  EXPECT_EQ(Caret(field), 0u);
  EXPECT_EQ(SendMessageA(field, EM_GETMODIFY, 0, 0), 0);

  wktest::WriteWholeFile(WinPath("65536.txt"), Pattern(65536));
  g_replacements = 0;
  EXPECT_EQ(wk_EditLoadFile(field, WinPath("65536.txt").c_str()), 4);
  EXPECT_EQ(g_replacements, 0);
  EXPECT_EQ(GetWindowTextLengthA(field), 5000);

  wktest::WriteWholeFile(WinPath("999.txt"), Pattern(999));
  EXPECT_EQ(wk_EditLoadFile(field, WinPath("999.txt").c_str()), 0);
  EXPECT_EQ(g_replacements, 2);  // a full chunk, then an empty read
  EXPECT_TRUE(WindowText(field) == Pattern(999));

  // A zero byte ends its chunk's text.
  wktest::WriteWholeFile(WinPath("zero.txt"), std::string("ab\0cd", 5));
  EXPECT_EQ(wk_EditLoadFile(field, WinPath("zero.txt").c_str()), 0);
  EXPECT_EQ(WindowText(field), "ab");
}

TEST(EditFieldFiles, MissingFilesAreCreatedEmptyAndBadPathsGiveTwo) {
  TestWindow parent;
  HWND field = wk_EditCreate(parent, 10, 10, 200, 24, "L", 100);
  wk_EditSetText(field, "old");
  DeleteFileA(WinPath("new.txt").c_str());
  EXPECT_EQ(wk_EditLoadFile(field, WinPath("new.txt").c_str()), 0);
  EXPECT_EQ(WindowText(field), "");
  EXPECT_TRUE(wktest::FileExists(WinPath("new.txt")));
  EXPECT_EQ(wktest::ReadWholeFile(WinPath("new.txt")), "");
  const std::string nowhere = WinPath("no/such/folder/x.txt");
  EXPECT_EQ(wk_EditLoadFile(field, nowhere.c_str()), 2);
  EXPECT_EQ(wk_EditSaveFile(field, nowhere.c_str()), 2);
}

// A field that keeps only the first ten characters of any text it is given.
LRESULT CALLBACK KeepTen(HWND w, UINT m, WPARAM wp, LPARAM lp) {
  if (m != WM_SETTEXT) return CallWindowProcA(g_counted_base, w, m, wp, lp);
  const std::string text = std::string(reinterpret_cast<const char*>(lp)).substr(0, 10);
  return CallWindowProcA(g_counted_base, w, m, wp, reinterpret_cast<LPARAM>(text.c_str()));
}

// The spin field does not scroll sideways, and the platform refuses text
// inserted past such a field's right edge: its text must still come back
// whole, whatever the field's width and limit, or the load says it did not.
TEST(EditFieldFiles, SpinFieldSavesAndLoadsTheWholeRawText) {
  TestWindow parent;
  const struct {
    int width, limit;
    std::string text;
    bool keeps_ten;
    int result;
  } rows[] = {
      {200, 100, "r\xE4tt 12", false, 0},
      {200, 100, Pattern(149), false, 0},
      {1000, 200, Pattern(149), false, 0},
      {1000, 200, Pattern(149), true, WK_TEXT_FILE_IO_ERROR},
  };
  for (const auto& row : rows) {
    HWND field = wk_SpinEditCreate(parent, 10, 10, row.width, 24, "L", row.limit);
    wk_SpinEditSetText(field, row.text.c_str());
    EXPECT_EQ(wk_SpinEditSaveFile(field, WinPath("saved.txt").c_str()), 0);
    EXPECT_EQ(wktest::ReadWholeFile(WinPath("saved.txt")), row.text);
    wk_SpinEditSetText(field, "");
    if (row.keeps_ten)
      g_counted_base = reinterpret_cast<WNDPROC>(
          SetWindowLongPtrA(field, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(KeepTen)));
    EXPECT_EQ(wk_SpinEditLoadFile(field, WinPath("saved.txt").c_str()), row.result) << row.width;
    EXPECT_EQ(WindowText(field), row.text.substr(0, row.keeps_ten ? 10 : std::string::npos));
    DestroyWindow(field);
  }
}

}  // namespace
