#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "rich_edit_support.hpp"
#include "whole_file.hpp"
#include "wk_windows.h"

using richtest::ColourAt;
using richtest::RichWindow;
using richtest::SelectionOf;
using wktest::DialogAnswerer;
using wktest::ExStyle;
using wktest::Style;
using wktest::WindowText;

namespace {

TEST(RichEditCreate, StylesIdMaskAndWholeArea) {
  wktest::TestWindow window;
  wktest::CreationStyles created("RichEdit");
  HWND rich = wk_RichEditCreate(window, 5, 6, 200, 100, "VSCROLL", 70000);
  ASSERT_NE(rich, nullptr);
  EXPECT_EQ(created.last_style(), 0x502001C4u);
  EXPECT_EQ(ExStyle(rich), 0x210);
  EXPECT_EQ(GetDlgCtrlID(rich), 1);
  EXPECT_EQ(wk_RichEditGetLimit(rich), 70000);
  EXPECT_EQ(SendMessageA(rich, EM_GETEVENTMASK, 0, 0), 0x003F0007);
  EXPECT_EQ(wktest::ClassName(rich), "RICHEDIT");

  // All four zero: the control covers the parent's client area.
  HWND whole = wk_RichEditCreate(window, 0, 0, 0, 0, "NOSCROLL", 100);
  RECT client{};
  GetClientRect(window, &client);
  EXPECT_EQ(wktest::PlaceInParent(whole), (std::vector<LONG>{0, 0, client.right, client.bottom}));
  EXPECT_EQ(Style(whole) & (WS_HSCROLL | WS_VSCROLL), 0);
}

// Puts a 2x2 bitmap alone on the clipboard, as a user copying a picture would.
void PutBitmapOnClipboard(HWND owner) {
  HDC screen = GetDC(nullptr);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, 2, 2);
  ReleaseDC(nullptr, screen);
  ASSERT_TRUE(OpenClipboard(owner));
  EmptyClipboard();
  SetClipboardData(CF_BITMAP, bitmap);
  CloseClipboard();
}

TEST(RichEditModify, KeepsFormattedTextAndLeavesTheClipboardAlone) {
  RichWindow w("plain bold red");
  wk_RichEditFormatRange(w.rich, 6, 10, nullptr, 0, CFE_BOLD, RGB(0, 0, 0));
  wk_RichEditFormatRange(w.rich, 11, 14, nullptr, 0, 0, RGB(255, 0, 0));
  const std::string before = WindowText(w.rich);
  PutBitmapOnClipboard(w.window);
  wktest::CreationStyles created("RichEdit");

  HWND rich = wk_RichEditModify(w.rich, 20, 30, 300, 200, "SMAL_SUNKEN", "NOSCROLL", 5000);
  ASSERT_NE(rich, nullptr);
  EXPECT_FALSE(IsWindow(w.rich));
  EXPECT_EQ(static_cast<DWORD>(Style(rich)), 0x500101C4u);
  EXPECT_EQ(ExStyle(rich), 0x20050);
  EXPECT_EQ(GetDlgCtrlID(rich), 1);
  EXPECT_EQ(GetParent(rich), w.window.get());
  EXPECT_EQ(wk_RichEditGetLimit(rich), 5000);
  EXPECT_EQ(SendMessageA(rich, EM_GETEVENTMASK, 0, 0), 0x00080001);

  EXPECT_EQ(WindowText(rich), before);

  // The picture is still there, and nothing else was put beside it.
  EXPECT_TRUE(IsClipboardFormatAvailable(CF_BITMAP));
  EXPECT_FALSE(IsClipboardFormatAvailable(CF_TEXT));
  EXPECT_EQ(wk_ClipboardHasText(), 0);

  // Frames: "MAX_SUNKEN" gives both edges, an unknown word none.
  rich = wk_RichEditModify(rich, 0, 0, 0, 0, "MAX_SUNKEN", "VHSCROLL", 5000);
  EXPECT_EQ(ExStyle(rich), 0x20250);
  EXPECT_EQ(created.last_style(), 0x503101C4u);
  EXPECT_EQ(WindowText(rich), before);
  rich = wk_RichEditModify(rich, 0, 0, 10, 10, "DOUBLE_EDGE", "x", 5000);
  EXPECT_EQ(ExStyle(rich), 0x50);
}

// Sets [start, end) to exactly this face, size (twips), effects and colour.
void SetRun(HWND rich, int start, int end, const char* face, LONG twips, DWORD effects,
            COLORREF colour) {
  EXPECT_EQ(wk_RichEditSelect(rich, start, end), end - start);
  CHARFORMATA format{};
  format.cbSize = sizeof format;
  format.dwMask = CFM_EFFECTS | CFM_FACE | CFM_SIZE;
  format.dwEffects = effects;
  format.yHeight = twips;
  format.crTextColor = colour;
  lstrcpyA(format.szFaceName, face);
  SendMessageA(rich, EM_SETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
}

// Each character's face, size, effects and colour.
std::vector<std::string> CharacterFormats(HWND rich) {
  std::vector<std::string> formats;
  constexpr DWORD kEffects = CFE_BOLD | CFE_ITALIC | CFE_UNDERLINE | CFE_STRIKEOUT | CFE_AUTOCOLOR;
  for (int p = 0; p < static_cast<int>(WindowText(rich).size()); ++p) {
    const CHARFORMATA f = richtest::FormatAt(rich, p);
    formats.push_back(std::string(f.szFaceName) + " " + std::to_string(f.yHeight) + " " +
                      std::to_string(f.dwEffects & kEffects) + " " +
                      std::to_string(f.dwEffects & CFE_AUTOCOLOR ? 0 : f.crTextColor));
  }
  return formats;
}

TEST(RichEditModify, EveryRunComesBackInItsOwnFormat) {
  wktest::TestWindow window;
  // The control keeps the platform's default format, bold "System".
  HWND rich = wk_RichEditCreate(window, 10, 10, 500, 300, "VSCROLL", 100000);
  EXPECT_EQ(wk_RichEditSetText(rich, "plain bold red big default"), 0);
  SetRun(rich, 0, 6, "Arial", 200, 0, RGB(0, 0, 0));
  SetRun(rich, 6, 11, "Arial", 200, CFE_BOLD, RGB(0, 0, 0));
  SetRun(rich, 11, 15, "Courier New", 240, CFE_ITALIC, RGB(255, 0, 0));
  SetRun(rich, 15, 19, "Times New Roman", 320, CFE_UNDERLINE | CFE_STRIKEOUT | CFE_AUTOCOLOR, 0);
  const std::vector<std::string> before = CharacterFormats(rich);
  EXPECT_NE(before.front(), before.back());
  rich = wk_RichEditModify(rich, 10, 10, 500, 300, "SUNKEN", "VSCROLL", 100000);
  ASSERT_NE(rich, nullptr);
  EXPECT_EQ(CharacterFormats(rich), before);
}

TEST(RichEditModify, RightButtonShowsAnEmptyBoxOnlyInARecreatedControl) {
  RichWindow w("text");
  {
    DialogAnswerer answerer;
    SendMessageA(w.rich, WM_RBUTTONDOWN, 0, MAKELPARAM(5, 5));
    wktest::Pump(100);
    EXPECT_TRUE(answerer.seen().empty());
  }
  HWND rich = wk_RichEditModify(w.rich, 10, 10, 200, 100, "SUNKEN", "VSCROLL", 1000);
  DialogAnswerer answerer(DialogAnswerer::Press(IDOK));
  SendMessageA(rich, WM_RBUTTONDOWN, 0, MAKELPARAM(5, 5));
  ASSERT_EQ(answerer.seen().size(), 1u);
  EXPECT_EQ(answerer.seen()[0].title, "");
  EXPECT_EQ(answerer.seen()[0].text, "");
  // A child cannot own a window: the box belongs to its top-level window.
  EXPECT_EQ(answerer.seen()[0].owner, GetAncestor(rich, GA_ROOT));
  EXPECT_EQ(answerer.unexpected(), 0);
}

TEST(RichEditOps, DifferencesFromTheCommonFamily) {
  RichWindow w("abc");
  // Hide answers the other way round.
  EXPECT_EQ(wk_RichEditHide(w.rich), 1);
  EXPECT_EQ(wk_RichEditHide(w.rich), 0);
  wk_RichEditShow(w.rich);

  // Disable greys the background; Enable gives focus and the system colour back.
  EXPECT_EQ(wk_RichEditDisable(w.rich), 0);
  EXPECT_EQ(wk_RichEditDisable(w.rich), 1);
  EXPECT_FALSE(IsWindowEnabled(w.rich));
  EXPECT_EQ(SendMessageA(w.rich, EM_SETBKGNDCOLOR, 0, 0x123456), 0xC0C0C0);
  SendMessageA(w.rich, EM_SETBKGNDCOLOR, 0, 0xC0C0C0);
  wktest::Pump(50);
  EXPECT_EQ(wktest::PixelAt(w.rich, 300, 200), 0xC0C0C0u);
  SetFocus(w.window);
  EXPECT_EQ(wk_RichEditEnable(w.rich), 0);
  EXPECT_EQ(wk_RichEditEnable(w.rich), 1);
  EXPECT_EQ(GetFocus(), w.rich);
  EXPECT_EQ(wk_RichEditHasFocus(w.rich), w.rich);
  EXPECT_EQ(SendMessageA(w.rich, EM_SETBKGNDCOLOR, 1, 0),
            static_cast<LRESULT>(GetSysColor(COLOR_WINDOW)));
  SetFocus(w.window);
  EXPECT_EQ(wk_RichEditHasFocus(w.rich), nullptr);
}

TEST(RichEditSelection, PositionsLinesAndSelectedText) {
  RichWindow w("one\r\ntwo\r\nthree");
  EXPECT_EQ(wk_RichEditSelect(w.rich, 10, 12), 2);
  EXPECT_EQ(wk_RichEditCaretLine(w.rich), 3);
  EXPECT_EQ(wk_RichEditCaretPosition(w.rich, "FORMAT"), 10);
  EXPECT_EQ(wk_RichEditCaretPosition(w.rich, "NOFORMAT"), 6);
  EXPECT_EQ(wk_RichEditCaretPosition(w.rich, "other"), 10);
  char buffer[64] = {};
  EXPECT_EQ(wk_RichEditGetSelectedText(w.rich, buffer), 2);
  EXPECT_STREQ(buffer, "th");

  std::memset(buffer, 0, sizeof buffer);
  // Two less than the platform's answer to selecting up to the limit.
  CHARRANGE all{0, static_cast<LONG>(SendMessageA(w.rich, EM_GETLIMITTEXT, 0, 0))};
  const LRESULT selected = SendMessageA(w.rich, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&all));
  EXPECT_EQ(wk_RichEditGetText(w.rich, buffer), selected - 2);
  EXPECT_STREQ(buffer, "one\r\ntwo\r\nthree");
  EXPECT_EQ(SelectionOf(w.rich).cpMin, 0);  // the whole text stays selected
  EXPECT_EQ(wk_RichEditGetTextLength(w.rich), 15);
  EXPECT_EQ(wk_RichEditSetLimit(w.rich, 20), 100000);
  EXPECT_EQ(wk_RichEditGetLimit(w.rich), 20);
}

TEST(RichEditTabs, HangingIndentAndStopsWithin900PointsAndAtMost32) {
  RichWindow w("a\tb\r\nsecond paragraph");
  auto paragraph = [&] {
    PARAFORMAT format{};
    format.cbSize = sizeof format;
    EXPECT_EQ(wk_RichEditSelect(w.rich, 0, 1), 1);
    SendMessageA(w.rich, EM_GETPARAFORMAT, 0, reinterpret_cast<LPARAM>(&format));
    return format;
  };
  EXPECT_EQ(wk_RichEditSetTabs(w.rich, 10, 30, 40), 0);
  PARAFORMAT format = paragraph();
  ASSERT_EQ(format.cTabCount, 22);  // 900 / 40
  for (int i = 0; i < 22; ++i) EXPECT_EQ(format.rgxTabs[i] & 0xFFFFFF, 200 + i * 800) << i;
  EXPECT_EQ(format.dxStartIndent, 200);
  EXPECT_EQ(format.dxOffset, -200);
  EXPECT_TRUE(IsWindowVisible(w.rich));
  EXPECT_EQ(SelectionOf(w.rich).cpMax, 1);

  // A second call starts from indent 0 again, not from the last one.
  EXPECT_EQ(wk_RichEditSetTabs(w.rich, 10, 5, 40), 0);
  format = paragraph();
  EXPECT_EQ(format.cTabCount, 5);
  EXPECT_EQ(format.dxStartIndent, 200);

  // More stops than the record holds: cut to 32.
  EXPECT_EQ(wk_RichEditSetTabs(w.rich, 0, 60, 10), 0);
  EXPECT_EQ(paragraph().cTabCount, 32);
  EXPECT_EQ(wk_RichEditSetTabs(w.rich, 0, -4, 10), 0);
  EXPECT_EQ(paragraph().cTabCount, 0);
}

TEST(RichEditColors, TextColourForAllAndTheSentinel) {
  RichWindow w("some text");
  wk_RichEditFormatRange(w.rich, 0, 4, nullptr, 0, 0, RGB(0, 128, 0));
  EXPECT_EQ(wk_RichEditSelect(w.rich, 5, 6), 1);
  // 999 for both: no text changes, the background is the system's.
  EXPECT_EQ(wk_RichEditSetColors(w.rich, 999, 999), GetSysColor(COLOR_WINDOW));
  EXPECT_EQ(ColourAt(w.rich, 0), RGB(0, 128, 0));
  EXPECT_EQ(ColourAt(w.rich, 6), RGB(0, 0, 0));
  EXPECT_EQ(wk_RichEditSetColors(w.rich, 999, RGB(1, 2, 3)), GetSysColor(COLOR_WINDOW));
  EXPECT_EQ(wk_RichEditSetColors(w.rich, RGB(0, 0, 255), 999), RGB(1, 2, 3));
  EXPECT_EQ(ColourAt(w.rich, 0), RGB(0, 0, 255));
  EXPECT_EQ(ColourAt(w.rich, 8), RGB(0, 0, 255));
  EXPECT_FALSE(richtest::BoldAt(w.rich, 0));  // a plain selection adds no effect
  // An effect the selection has throughout goes to the whole text.
  wk_RichEditFormatRange(w.rich, 0, 4, nullptr, 0, CFE_BOLD, RGB(0, 0, 255));
  EXPECT_EQ(wk_RichEditSelect(w.rich, 1, 3), 2);
  EXPECT_EQ(wk_RichEditSetColors(w.rich, RGB(0, 0, 255), 999), GetSysColor(COLOR_WINDOW));
  EXPECT_TRUE(richtest::BoldAt(w.rich, 8));
}

TEST(RichEditFiles, FormatByNameModifiedFlagAndErrors) {
  RichWindow w("saved text");
  wk_RichEditFormatRange(w.rich, 0, 5, nullptr, 0, CFE_BOLD, 0);
  const std::string rtf = wktest::BuildPath("rich_notes.Rtf");
  const std::string txt = wktest::BuildPath("rich_notes.txt");
  EXPECT_EQ(wk_RichEditSetModified(w.rich, "ON"), 0);
  EXPECT_GT(wk_RichEditSaveFile(w.rich, rtf.c_str()), 10);
  EXPECT_EQ(wk_RichEditIsModified(w.rich), 0);
  EXPECT_EQ(wk_RichEditSaveFile(w.rich, txt.c_str()), 10);

  EXPECT_EQ(wktest::ReadWholeFile(rtf).rfind("{\\rtf", 0), 0u);
  EXPECT_EQ(wktest::ReadWholeFile(txt), "saved text");

  RichWindow other("old");
  EXPECT_EQ(wk_RichEditLoadFile(other.rich, rtf.c_str()), 10);
  EXPECT_EQ(WindowText(other.rich), "saved text");
  EXPECT_TRUE(richtest::BoldAt(other.rich, 1));
  EXPECT_FALSE(richtest::BoldAt(other.rich, 7));

  // A missing file is created empty: nothing streamed.
  const std::string missing = wktest::BuildPath("rich_missing.txt");
  DeleteFileA(missing.c_str());
  EXPECT_EQ(wk_RichEditSetModified(other.rich, "ON"), 0);
  EXPECT_EQ(wk_RichEditLoadFile(other.rich, missing.c_str()), -3);
  EXPECT_EQ(wk_RichEditIsModified(other.rich), 0);
  EXPECT_NE(GetFileAttributesA(missing.c_str()), INVALID_FILE_ATTRIBUTES);
  EXPECT_EQ(wk_RichEditSaveFile(w.rich, "Z:\\no\\such\\folder\\x.txt"), -2);
  EXPECT_EQ(wk_RichEditLoadFile(w.rich, nullptr), -2);
}

TEST(RichEditFind, DownUpCaseAndFailures) {
  RichWindow w("ab xx ab AB");
  EXPECT_EQ(wk_RichEditSelect(w.rich, 0, 0), 0);
  EXPECT_EQ(wk_RichEditFind(w.rich, "ab", 0, "D", ""), 0);
  EXPECT_EQ(SelectionOf(w.rich).cpMin, 6);
  EXPECT_EQ(SelectionOf(w.rich).cpMax, 8);
  // Not matching case finds the upper-case one next; matching case finds none
  // and leaves the selection where it was.
  EXPECT_EQ(wk_RichEditFind(w.rich, "ab", 0, "D", "M"), 1);
  EXPECT_EQ(SelectionOf(w.rich).cpMin, 6);
  EXPECT_EQ(SelectionOf(w.rich).cpMax, 8);
  EXPECT_EQ(wk_RichEditFind(w.rich, "ab", 0, "D", ""), 0);
  EXPECT_EQ(SelectionOf(w.rich).cpMin, 9);

  // Up: the text just before the caret is found.
  EXPECT_EQ(wk_RichEditSelect(w.rich, 8, 8), 0);
  EXPECT_EQ(wk_RichEditFind(w.rich, "ab", 0, "U", "M"), 0);
  EXPECT_EQ(SelectionOf(w.rich).cpMin, 6);
  EXPECT_EQ(SelectionOf(w.rich).cpMax, 8);
  EXPECT_EQ(wk_RichEditFind(w.rich, "ab", 0, "U", "M"), 0);
  EXPECT_EQ(SelectionOf(w.rich).cpMin, 0);
  EXPECT_EQ(wk_RichEditFind(w.rich, "ab", 0, "U", "M"), -1);
  EXPECT_EQ(wk_RichEditSelect(w.rich, 1, 1), 0);
  EXPECT_EQ(wk_RichEditFind(w.rich, "ab", 0, "U", ""), -1);

  EXPECT_EQ(wk_RichEditFind(w.rich, "ab", 0, "d", ""), 2);
  EXPECT_EQ(wk_RichEditFind(w.rich, "ab", 0, nullptr, ""), 2);
  RichWindow empty("");
  EXPECT_EQ(wk_RichEditFind(empty.rich, "ab", 0, "D", ""), 3);
}

TEST(RichEditEditing, UndoBeepModifiedFlagAndClipboard) {
  RichWindow w("");
  SendMessageA(w.rich, EM_EMPTYUNDOBUFFER, 0, 0);
  EXPECT_EQ(wk_RichEditCanUndo(w.rich), 0);
  EXPECT_EQ(wk_RichEditUndo(w.rich), 0);  // beeps
  SendMessageA(w.rich, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>("typed"));
  EXPECT_EQ(wk_RichEditCanUndo(w.rich), 1);
  EXPECT_EQ(wk_RichEditIsModified(w.rich), 1);
  EXPECT_EQ(wk_RichEditUndo(w.rich), 1);
  EXPECT_EQ(WindowText(w.rich), "");
  EXPECT_EQ(wk_RichEditSetText(w.rich, "xy"), 0);
  SendMessageA(w.rich, EM_SETSEL, 2, 2);
  SendMessageA(w.rich, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>("z"));  // undoable
  EXPECT_EQ(wk_RichEditEmptyUndo(w.rich), 0);
  EXPECT_EQ(wk_RichEditCanUndo(w.rich), 0);
  EXPECT_EQ(wk_RichEditSetModified(w.rich, "OFF"), 0);
  EXPECT_EQ(wk_RichEditIsModified(w.rich), 0);
  EXPECT_EQ(wk_RichEditSetModified(w.rich, "on"), 0);
  EXPECT_EQ(wk_RichEditIsModified(w.rich), 0);

  EXPECT_EQ(wk_RichEditSelect(w.rich, 0, 2), 2);
  EXPECT_EQ(wk_RichEditCut(w.rich), 0);
  EXPECT_EQ(WindowText(w.rich), "z");
  EXPECT_EQ(wk_ClipboardHasText(), 1);
  EXPECT_EQ(wk_RichEditSelect(w.rich, 1, 1), 0);
  EXPECT_EQ(wk_RichEditPaste(w.rich), 0);
  EXPECT_EQ(WindowText(w.rich).substr(0, 3), "zxy");
  EXPECT_EQ(wk_RichEditSelect(w.rich, 0, 1), 1);
  EXPECT_EQ(wk_RichEditClear(w.rich), 0);
  EXPECT_EQ(WindowText(w.rich).substr(0, 2), "xy");

  EXPECT_EQ(wk_RichEditSetEditable(w.rich, "OFF"), 0);
  EXPECT_TRUE(GetWindowLongA(w.rich, GWL_STYLE) & ES_READONLY);
  EXPECT_EQ(wk_RichEditSetEditable(w.rich, "ON"), 0);
  EXPECT_FALSE(GetWindowLongA(w.rich, GWL_STYLE) & ES_READONLY);
  EXPECT_EQ(wk_RichEditSetEditable(w.rich, "on"), 1);

  EXPECT_EQ(wk_RichEditPost(w.rich, WM_CHAR, 'q', 0), 0);
  EXPECT_EQ(wk_RichEditPost(reinterpret_cast<HWND>(0x7FFFF0), WM_USER, 0, 0), 1);
  // 1 is a stock font's number, not a handle.
  EXPECT_EQ(wk_RichEditSetFont(w.rich, reinterpret_cast<HFONT>(1)), 0);
}
}  // namespace

namespace {

// An owner window that passes find notifications through wk_FindMessage and
// searches the rich edit from the dialog's request, as an editor would.
constexpr int kFindUp = 201;
constexpr int kFindDown = 202;
HWND g_find_dialog = nullptr;
HWND g_find_rich = nullptr;
int g_find_result = 99;

LRESULT CALLBACK FindOwnerProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  static const UINT find_message = RegisterWindowMessageA(FINDMSGSTRINGA);
  if (message == WM_COMMAND && (LOWORD(wparam) == kFindDown || LOWORD(wparam) == kFindUp)) {
    g_find_result =
        wk_RichEditFind(g_find_rich, nullptr, 1, LOWORD(wparam) == kFindDown ? "D" : "U", nullptr);
    return 0;
  }
  if (message == find_message) {
    wk_FindMessage(window, g_find_dialog, g_find_rich, lparam, message, kFindUp, kFindDown);
    return 0;
  }
  return DefWindowProcA(window, message, wparam, lparam);
}

TEST(RichEditFind, FromTheFindDialog) {
  WNDCLASSA wc{};
  wc.lpfnWndProc = FindOwnerProc;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.lpszClassName = "rich_find_owner";
  RegisterClassA(&wc);
  HWND owner = CreateWindowExA(0, "rich_find_owner", "find owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                               0, 0, 500, 300, nullptr, nullptr, wc.hInstance, nullptr);
  g_find_rich = wk_RichEditCreate(owner, 0, 0, 400, 200, "NOSCROLL", 1000);
  EXPECT_EQ(wk_RichEditSetText(g_find_rich, "Ab ab AB ab"), 0);
  EXPECT_EQ(wk_RichEditSelect(g_find_rich, 0, 2), 2);

  // Match case ticked, then Find Next twice: "Ab" selected, so the search
  // begins after its first character and meets neither "ab" of other case.
  DialogAnswerer answerer([](HWND dialog) {
    SetDlgItemTextA(dialog, 0x480, "ab");
    CheckDlgButton(dialog, 0x411, BST_CHECKED);
    SendMessageA(dialog, WM_COMMAND, IDOK, 0);
  });
  g_find_dialog = wk_FindDialog(owner, g_find_rich);
  ASSERT_NE(g_find_dialog, nullptr);
  ASSERT_TRUE(wktest::WaitFor([] { return g_find_result != 99; }));
  EXPECT_EQ(g_find_result, 0);
  EXPECT_EQ(SelectionOf(g_find_rich).cpMin, 3);
  EXPECT_EQ(SelectionOf(g_find_rich).cpMax, 5);

  g_find_result = 99;
  SendMessageA(g_find_dialog, WM_COMMAND, IDOK, 0);
  ASSERT_TRUE(wktest::WaitFor([] { return g_find_result != 99; }));
  EXPECT_EQ(g_find_result, 0);
  EXPECT_EQ(SelectionOf(g_find_rich).cpMin, 9);

  // Without match case the upper-case word before it is found going up.
  CheckDlgButton(g_find_dialog, 0x411, BST_UNCHECKED);
  CheckRadioButton(g_find_dialog, 0x420, 0x421, 0x420);
  g_find_result = 99;
  SendMessageA(g_find_dialog, WM_COMMAND, IDOK, 0);
  ASSERT_TRUE(wktest::WaitFor([] { return g_find_result != 99; }));
  EXPECT_EQ(g_find_result, 0);
  EXPECT_EQ(SelectionOf(g_find_rich).cpMin, 6);
  DestroyWindow(g_find_dialog);
  DestroyWindow(owner);
}

TEST(RichEditSelection, HasSelectionWritesTheSelectionPair) {
  RichWindow w("0123456789");
  EXPECT_EQ(wk_RichEditSelect(w.rich, 3, 6), 3);
  EXPECT_EQ(wk_RichEditHasSelection(w.rich), 1);
  EXPECT_EQ(wk_SelStart, 3);
  EXPECT_EQ(wk_SelEnd, 6);
  EXPECT_EQ(wk_RichEditSelect(w.rich, 4, 4), 0);
  EXPECT_EQ(wk_RichEditHasSelection(w.rich), 0);
  EXPECT_EQ(wk_SelStart, 4);
  EXPECT_EQ(wk_SelEnd, 4);
}

}  // namespace
