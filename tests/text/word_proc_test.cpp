// The simple word processor against the real platform: creation and
// re-creation, selection, caret, tab stops, fonts, files, and the search
// from the text and from the find dialog.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "wk_text.h"
#include "wk_windows.h"
#include "whole_file.hpp"
#include "wktest.hpp"

namespace {

using wktest::DialogAnswerer;
using wktest::ExStyle;
using wktest::PlaceInParent;
using wktest::Style;
using wktest::TestWindow;
using wktest::WindowText;

std::pair<DWORD, DWORD> Selection(HWND w) {
  DWORD start = 0, end = 0;
  SendMessageA(w, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  return {start, end};
}

TEST(WordProc, CreationStylesLimitAndWholeArea) {
  TestWindow parent;
  HWND wp = wk_WordProcSimpleCreate(parent, 10, 10, 300, 200, "VHSCROLL", 100000);
  ASSERT_NE(wp, nullptr);
  EXPECT_EQ(Style(wp), 0x503001C4);
  EXPECT_EQ(ExStyle(wp) & WS_EX_CLIENTEDGE, WS_EX_CLIENTEDGE);
  EXPECT_EQ(wk_WordProcSimpleGetLimit(wp), 65535);
  EXPECT_EQ(GetDlgCtrlID(wp), 1);
  EXPECT_EQ(Style(wk_WordProcSimpleCreate(parent, 10, 10, 30, 20, "vscroll", 10)), 0x500001C4);

  RECT client{};
  GetClientRect(parent, &client);
  for (auto xy : {std::pair{0, 0}, std::pair{-10, 10}}) {
    HWND whole = wk_WordProcSimpleCreate(parent, xy.first, xy.second, 0, 0, "NOSCROLL", 10);
    EXPECT_EQ(PlaceInParent(whole), (std::vector<LONG>{0, 0, client.right, client.bottom}));
  }
  // Hide also moves the window to the parent's origin.
  EXPECT_EQ(wk_WordProcSimpleHide(wp), 0);
  EXPECT_FALSE(IsWindowVisible(wp));
  EXPECT_EQ(wk_WordProcSimpleHide(wp), 0);  // already hidden: no failure
  EXPECT_EQ(wk_WordProcSimpleHide(nullptr), 1);
  EXPECT_EQ(PlaceInParent(wp)[0], 0);
  EXPECT_EQ(PlaceInParent(wp)[1], 0);
  SendMessageA(wp, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELPARAM(7, 9));
  EXPECT_EQ(wk_WordProcSimpleSetLeftMargin(wp, 3), MAKELONG(7, 9));
  EXPECT_EQ(SendMessageA(wp, EM_GETMARGINS, 0, 0), MAKELONG(3, 9));
  EXPECT_EQ(wk_WordProcSimpleSetLimit(wp, 70000), 65535);
  EXPECT_EQ(wk_WordProcSimpleSetLimit(wp, 100), 65535);
  EXPECT_EQ(wk_WordProcSimpleGetLimit(wp), 100);
}

struct ModifyCase {
  int text_length;
  int maxchar;
  bool box;
  int kept;
};

TEST(WordProc, ModifyCarriesTheTextAndWarnsAboutASmallMaxchar) {
  const ModifyCase cases[] = {
      {600, 500, true, 499}, {10, 500, true, 10},      {600, 501, false, 600},
      {600, 0, false, 600},  {70000, 0, false, 70000},
  };
  for (const ModifyCase& c : cases) {
    TestWindow parent;
    HWND wp = wk_WordProcSimpleCreate(parent, 10, 10, 300, 200, "NOSCROLL", 500);
    const std::string text(static_cast<std::size_t>(c.text_length), 'w');
    SetWindowTextA(wp, text.c_str());  // not cut by the limit
    std::string box_text, box_caption;
    std::vector<std::string> buttons;
    DialogAnswerer answerer([&](HWND box) {
      box_text = WindowText(GetDlgItem(box, 0xFFFF));
      box_caption = WindowText(box);
      buttons = wktest::ButtonsLeftToRight(box);
      DialogAnswerer::Click(IDOK)(box);
    });
    HWND next = wk_WordProcSimpleModify_1(wp, 5, 5, 200, 100, "EDGE", "NOSCROLL", c.maxchar);
    ASSERT_NE(next, nullptr);
    EXPECT_FALSE(IsWindow(wp));
    EXPECT_EQ(Style(next), 0x504101C4);
    // The frame's client edge, WS_EX_ACCEPTFILES and WS_EX_MDICHILD, which
    // the platform refuses at creation for a parent that is no MDI client.
    EXPECT_EQ(ExStyle(next) & 0x00020250, 0x250) << c.maxchar;
    EXPECT_EQ(GetWindowTextLengthA(next), c.kept) << c.text_length << " " << c.maxchar;
    // Maxchar 0 is the platform's maximum: the whole text is within it.
    EXPECT_EQ(wk_WordProcSimpleGetTextLength(next),
              c.maxchar ? std::min(c.kept, c.maxchar - 1) : c.kept);
    EXPECT_EQ(answerer.seen().size(), c.box ? 1u : 0u) << c.text_length << " " << c.maxchar;
    if (c.box) {
      EXPECT_EQ(box_caption, "wk_WordProcSimpleModify_1 ERROR");
      EXPECT_EQ(box_text,
                "The last prameters 'maxchar' have to small size\nor set the 'maxchar' to '0'");
      EXPECT_EQ(buttons, (std::vector<std::string>{"OK"}));
    }
  }
}

TEST(WordProc, SelectionsAreCountedFromOne) {
  TestWindow parent;
  HWND wp = wk_WordProcSimpleCreate(parent, 10, 10, 300, 200, "NOSCROLL", 500);
  EXPECT_EQ(wk_WordProcSimpleSetText(wp, "abcdefghij"), 0);
  EXPECT_EQ(wk_WordProcSimpleSelect(wp, 1, 3), 3);
  EXPECT_EQ(Selection(wp), (std::pair<DWORD, DWORD>{0, 3}));
  EXPECT_STREQ(wk_WordProcSimpleGetSelectedText(wp), "abc");

  SendMessageA(wp, EM_SETSEL, 3, 6);
  EXPECT_EQ(wk_WordProcSimpleHasSelection(wp), 1);
  EXPECT_EQ(wk_SelStart, 4);
  EXPECT_EQ(wk_SelEnd, 6);
  SendMessageA(wp, EM_SETSEL, 2, 2);
  EXPECT_EQ(wk_WordProcSimpleHasSelection(wp), 0);
  EXPECT_EQ(wk_SelStart, 2);
  EXPECT_EQ(wk_SelEnd, 2);

  EXPECT_EQ(wk_WordProcSimpleSelect(wp, 2, 4), 3);
  EXPECT_EQ(wk_WordProcSimpleClear(wp), 0);
  EXPECT_EQ(WindowText(wp), "aefghij");
  EXPECT_EQ(wk_WordProcSimpleSelectAll(wp), 0);
  EXPECT_EQ(Selection(wp), (std::pair<DWORD, DWORD>{0, 7}));
}

TEST(WordProc, CaretLineAndColumnFromTheCaret) {
  TestWindow parent;
  HWND wp = wk_WordProcSimpleCreate(parent, 10, 10, 300, 200, "NOSCROLL", 500);
  EXPECT_EQ(wk_WordProcSimpleSetText(wp, "one\r\ntwo\r\nthree"), 0);
  wk_WordProcSimpleSetFocus(wp);
  SendMessageA(wp, EM_SETSEL, 12, 12);  // "th|ree" on the third line
  wktest::Pump(30);
  EXPECT_EQ(wk_WordProcSimpleCaretLine(wp), 3);
  EXPECT_EQ(wk_WordProcSimpleCaretColumn(wp), 13);
  EXPECT_EQ(wk_WordProcSimpleHasFocus(wp), wp);
}

TEST(WordProc, TabStopsAtMultiplesOfTheStep) {
  TestWindow parent;
  HWND wp = wk_WordProcSimpleCreate(parent, 10, 10, 400, 200, "NOSCROLL", 500);
  EXPECT_EQ(wk_WordProcSimpleSetText(wp, "\tX\r\n\t\tY\r\n\t\t\tZ"), 0);
  auto x_of = [&](int index) {
    return static_cast<short>(LOWORD(SendMessageA(wp, EM_POSFROMCHAR, index, 0)));
  };
  const int x0 = x_of(0);
  EXPECT_EQ(wk_WordProcSimpleSetTabStops(wp, 3, 16), 0);
  const int first = x_of(1) - x0, second = x_of(6) - x0, third = x_of(12) - x0;
  EXPECT_GT(first, 0);
  EXPECT_NEAR(second, 2 * first, 1);
  EXPECT_NEAR(third, 3 * first, 1);
  // Past the last stop the platform's default steps apply, so the count
  // matters: more than 255 stops is taken as 255, not refused.
  EXPECT_EQ(wk_WordProcSimpleSetTabStops(wp, 1000, 16), 0);
  EXPECT_EQ(x_of(12) - x0, third);
  // Count 0: the platform's default stops (32 dialog units) come back.
  EXPECT_EQ(wk_WordProcSimpleSetTabStops(wp, 0, 16), 0);
  EXPECT_NEAR(x_of(1) - x0, 2 * first, 1);
}

TEST(WordProc, StockFontsModifiedFlagAndEditable) {
  TestWindow parent;
  HWND wp = wk_WordProcSimpleCreate(parent, 10, 10, 300, 200, "NOSCROLL", 500);
  const int stock[] = {SYSTEM_FONT, ANSI_FIXED_FONT, ANSI_VAR_FONT, DEFAULT_GUI_FONT,
                       OEM_FIXED_FONT};
  for (UINT_PTR i = 0; i < 5; ++i) {
    EXPECT_EQ(wk_WordProcSimpleSetFont(wp, i), 0);
    EXPECT_EQ(SendMessageA(wp, WM_GETFONT, 0, 0),
              reinterpret_cast<LRESULT>(GetStockObject(stock[i])));
  }

  wktest::FocusForTyping(wp);
  EXPECT_EQ(wk_WordProcSimpleSetModified(wp, "OFF"), 0);
  wktest::TypeText("hej");
  EXPECT_EQ(WindowText(wp), "hej");
  EXPECT_EQ(wk_WordProcSimpleIsModified(wp), 1);
  EXPECT_EQ(wk_WordProcSimpleSetModified(wp, "off"), 0);
  EXPECT_EQ(wk_WordProcSimpleIsModified(wp), 1);
  EXPECT_EQ(wk_WordProcSimpleSetModified(wp, "OFF"), 0);
  EXPECT_EQ(wk_WordProcSimpleIsModified(wp), 0);
  EXPECT_EQ(wk_WordProcSimpleSetModified(wp, "ON"), 0);
  EXPECT_EQ(wk_WordProcSimpleIsModified(wp), 1);

  EXPECT_EQ(wk_WordProcSimpleSetEditable(wp, "OFF"), 0);
  wktest::TypeText("x");
  EXPECT_EQ(WindowText(wp), "hej");
  EXPECT_EQ(wk_WordProcSimpleSetEditable(wp, "maybe"), 1);
  EXPECT_EQ(wk_WordProcSimpleSetEditable(wp, "ON"), 0);
  wktest::TypeText("x");
  EXPECT_EQ(WindowText(wp), "hejx");
}

TEST(WordProc, FilesClearTheModifiedFlag) {
  TestWindow parent;
  HWND wp = wk_WordProcSimpleCreate(parent, 10, 10, 300, 200, "VSCROLL", 65535);
  CreateDirectoryA(wktest::BuildPath("text_files").c_str(), nullptr);
  const std::string file = wktest::BuildPath("text_files/wp.txt");
  EXPECT_EQ(wk_WordProcSimpleSetText(wp, "rad 1\r\nrad 2"), 0);
  EXPECT_EQ(wk_WordProcSimpleSetModified(wp, "ON"), 0);
  EXPECT_EQ(wk_WordProcSimpleSaveFile(wp, file.c_str()), 0);
  EXPECT_EQ(wk_WordProcSimpleIsModified(wp), 0);
  EXPECT_EQ(wk_WordProcSimpleSetText(wp, ""), 0);
  EXPECT_EQ(wk_WordProcSimpleSetModified(wp, "ON"), 0);
  EXPECT_EQ(wk_WordProcSimpleLoadFile(wp, file.c_str()), 0);
  EXPECT_EQ(WindowText(wp), "rad 1\r\nrad 2");
  EXPECT_EQ(wk_WordProcSimpleIsModified(wp), 0);
  EXPECT_EQ(Selection(wp), (std::pair<DWORD, DWORD>{0, 0}));

  // 65,535 bytes load in one chunk; 65,536 are refused and change nothing.
  const std::string big = wktest::BuildPath("text_files/wp_big.txt");
  wktest::WriteWholeFile(big, std::string(65535, 'q'));
  EXPECT_EQ(wk_WordProcSimpleLoadFile(wp, big.c_str()), 0);
  EXPECT_EQ(GetWindowTextLengthA(wp), 65535);
  wktest::WriteWholeFile(big, std::string(65536, 'q'));
  EXPECT_EQ(wk_WordProcSimpleSetText(wp, "kvar"), 0);
  EXPECT_EQ(wk_WordProcSimpleLoadFile(wp, big.c_str()), 4);
  EXPECT_EQ(WindowText(wp), "kvar");
}

TEST(WordProcFind, SearchesFromTheCaretAndTheSelection) {
  TestWindow parent;
  HWND wp = wk_WordProcSimpleCreate(parent, 10, 10, 300, 200, "NOSCROLL", 500);
  EXPECT_EQ(wk_WordProcSimpleFind(wp, "ab", 0, "D", ""), 3);  // empty text
  EXPECT_EQ(wk_WordProcSimpleSetText(wp, "ab ab"), 0);
  SendMessageA(wp, EM_SETSEL, 0, 0);
  EXPECT_EQ(wk_WordProcSimpleFind(wp, "ab", 0, "D", ""), 0);
  EXPECT_EQ(Selection(wp), (std::pair<DWORD, DWORD>{3, 5}));
  EXPECT_EQ(wk_WordProcSimpleFind(wp, "ab", 0, "D", ""), 1);
  EXPECT_EQ(wk_WordProcSimpleFind(wp, "ab", 0, "U", ""), 0);
  EXPECT_EQ(Selection(wp), (std::pair<DWORD, DWORD>{0, 2}));

  SendMessageA(wp, EM_SETSEL, 1, 1);
  EXPECT_EQ(wk_WordProcSimpleFind(wp, "ab", 0, "U", ""), -1);
  EXPECT_EQ(wk_WordProcSimpleFind(wp, "", 0, "D", ""), 2);

  EXPECT_EQ(wk_WordProcSimpleSetText(wp, "x AB ab"), 0);
  SendMessageA(wp, EM_SETSEL, 0, 0);
  EXPECT_EQ(wk_WordProcSimpleFind(wp, "ab", 0, "D", "M"), 0);
  EXPECT_EQ(Selection(wp), (std::pair<DWORD, DWORD>{5, 7}));
  SendMessageA(wp, EM_SETSEL, 0, 0);
  EXPECT_EQ(wk_WordProcSimpleFind(wp, "ab", 0, "D", "m"), 0);
  EXPECT_EQ(Selection(wp), (std::pair<DWORD, DWORD>{2, 4}));

  // A search text of another length than the selection: from its start.
  EXPECT_EQ(wk_WordProcSimpleSetText(wp, "alpha beta"), 0);
  EXPECT_EQ(wk_WordProcSimpleSelect(wp, 1, 5), 5);
  EXPECT_EQ(wk_WordProcSimpleFind(wp, "beta", 0, "D", ""), 0);
  EXPECT_EQ(Selection(wp), (std::pair<DWORD, DWORD>{6, 10}));
}

// The whole path a person takes: select a word, open the find dialog, press
// Find Next; the owner turns the notification into a command and searches.
TEST(WordProcFind, FindDialogDrivesTheSearch) {
  constexpr int kUp = 601, kDown = 602;
  TestWindow parent;
  HWND wp = wk_WordProcSimpleCreate(parent, 10, 10, 300, 200, "NOSCROLL", 500);
  HWND dialog = nullptr;
  std::vector<int> results;
  parent.OnMessage([&](HWND w, UINT m, WPARAM wparam, LPARAM l) -> std::optional<LRESULT> {
    if (m == WM_COMMAND && l == 0 && (wparam == kUp || wparam == kDown)) {
      results.push_back(wk_WordProcSimpleFind(wp, nullptr, 1, wparam == kDown ? "D" : "U", ""));
      return 0;
    }
    if (m >= WM_USER) wk_FindMessage(w, dialog, wp, l, m, kUp, kDown);
    return std::nullopt;
  });
  EXPECT_EQ(wk_WordProcSimpleSetText(wp, "Katt katt KATT"), 0);
  EXPECT_EQ(wk_WordProcSimpleSelect(wp, 1, 4), 4);
  dialog = wk_FindDialog(parent, wp);
  ASSERT_NE(dialog, nullptr);
  wktest::Pump(50);
  EXPECT_EQ(WindowText(GetDlgItem(dialog, 0x480)), "Katt");
  auto click = [&](int id) {
    SendDlgItemMessageA(dialog, id, BM_CLICK, 0, 0);
    wktest::Pump(60);
  };
  click(IDOK);  // down, any case: "katt"
  EXPECT_EQ(Selection(wp), (std::pair<DWORD, DWORD>{5, 9}));
  click(IDOK);  // "KATT"
  EXPECT_EQ(Selection(wp), (std::pair<DWORD, DWORD>{10, 14}));
  click(0x411);  // match case
  click(0x420);  // up
  click(IDOK);   // up, exact: back to "Katt"
  EXPECT_EQ(Selection(wp), (std::pair<DWORD, DWORD>{0, 4}));
  click(IDOK);
  EXPECT_EQ(results, (std::vector<int>{0, 0, 0, -1}));
  wktest::PauseForLook();
  click(IDCANCEL);
  EXPECT_FALSE(IsWindow(dialog));
}

}  // namespace
