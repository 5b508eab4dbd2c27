// Dialogs from the toolkit's templates, the print dialog and the find
// dialog, opened for real and answered as a person would.
#include <gtest/gtest.h>

#include <cstdio>
#include <map>
#include <string>

#include "wk_windows.h"
#include "wktest.hpp"

using wktest::DialogAnswerer;

namespace {

// A caller's dialog procedure: OK ends the dialog with 42, Cancel with 43.
INT_PTR CALLBACK EndOnButtons(HWND dialog, UINT message, WPARAM wparam, LPARAM) {
  if (message == WM_INITDIALOG) return TRUE;
  if (message == WM_COMMAND && (LOWORD(wparam) == IDOK || LOWORD(wparam) == IDCANCEL)) {
    EndDialog(dialog, LOWORD(wparam) == IDOK ? 42 : 43);
    return TRUE;
  }
  return FALSE;
}

// OK closes the dialog through the toolkit's dialog family.
INT_PTR CALLBACK CloseOnOk(HWND dialog, UINT message, WPARAM wparam, LPARAM) {
  if (message == WM_COMMAND && LOWORD(wparam) == IDOK) {
    wk_DialogWindowClose(dialog);
    return TRUE;
  }
  return message == WM_INITDIALOG;
}

TEST(ModalDialog, ReturnsWhatTheProcedureEndsWith) {
  wktest::TestWindow owner;
  HWND seen_owner = nullptr;
  LONG ex_style = 0;
  DialogAnswerer answerer([&](HWND dialog) {
    seen_owner = GetWindow(dialog, GW_OWNER);
    ex_style = GetWindowLongA(dialog, GWL_EXSTYLE);
    DialogAnswerer::Click(IDOK)(dialog);
  });
  answerer.Then(DialogAnswerer::Press(IDCANCEL));
  EXPECT_EQ(wk_ModalDialog(owner, EndOnButtons), 42);
  EXPECT_EQ(seen_owner, owner.get());
  EXPECT_EQ(ex_style & WS_EX_TOPMOST, 0);
  EXPECT_EQ(wk_ModalDialog(owner, EndOnButtons), 43);
  // wk_DialogWindowClose ends a modal dialog with Cancel's 2.
  answerer.Then(DialogAnswerer::Press(IDOK));
  EXPECT_EQ(wk_ModalDialog(owner, CloseOnOk), 2);
  EXPECT_EQ(answerer.unexpected(), 0);
  EXPECT_EQ(answerer.seen()[0].buttons.size(), 2u);
}

TEST(ModalDialog, SystemModalTemplateIsTopmost) {
  wktest::TestWindow owner;
  LONG style = 0, ex_style = 0;
  DialogAnswerer answerer([&](HWND dialog) {
    style = GetWindowLongA(dialog, GWL_STYLE);
    ex_style = GetWindowLongA(dialog, GWL_EXSTYLE);
    DialogAnswerer::Click(IDCANCEL)(dialog);
  });
  EXPECT_EQ(wk_SystemModalDialog(owner, EndOnButtons), 43);
  EXPECT_NE(style & DS_SYSMODAL, 0);
  std::printf("system modal dialog: style %08lx ex style %08lx\n", style, ex_style);
}

// A dialog that outlives its answer by a second is ended with 7.
std::map<UINT_PTR, HWND> g_rescues;
void CALLBACK Rescue(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(nullptr, id);
  if (IsWindow(g_rescues[id])) EndDialog(g_rescues[id], 7);
}
DialogAnswerer::Action Post(UINT message, WPARAM wparam, LPARAM lparam) {
  return [=](HWND dialog) {
    g_rescues[SetTimer(nullptr, 0, 1000, Rescue)] = dialog;
    PostMessageA(dialog, message, wparam, lparam);
  };
}

TEST(DefaultModalDialog, ShowsItsTitleAndEachWayOfClosingEndsIt) {
  wktest::TestWindow owner;
  std::string title;
  bool visible = false;
  DialogAnswerer answerer([&](HWND dialog) {
    title = wktest::WindowText(dialog);
    visible = IsWindowVisible(dialog);
    wktest::PauseForLook();
    Post(WM_SYSCOMMAND, SC_CLOSE, 0)(dialog);  // the close box
  });
  answerer
      .Then(Post(WM_SYSKEYDOWN, VK_F4, 0x203E0001))  // Alt+F4
      .Then(Post(WM_CLOSE, 0, 0))
      .Then(Post(WM_KEYDOWN, VK_ESCAPE, 0x00010001))
      .Then(Post(WM_KEYDOWN, VK_RETURN, 0x001C0001));  // OK
  for (const INT_PTR result : {2, 2, 2, 2, 1}) {
    EXPECT_EQ(wk_DefaultModalDialog(owner), result) << answerer.seen().size();
    EXPECT_TRUE(IsWindowEnabled(owner));
  }
  EXPECT_EQ(title, "Tillverkad fr\xE5n dialog");
  EXPECT_TRUE(visible);
  EXPECT_EQ(answerer.unexpected(), 0);
}

TEST(PrintDialog, CancelledReturnsZeroAndNoDeviceContext) {
  wktest::TestWindow owner;
  DialogAnswerer answerer(DialogAnswerer::Press(IDCANCEL));
  wk_PrintDialogRecord.hDC = reinterpret_cast<HDC>(0x1);  // cleared before the call
  EXPECT_EQ(wk_PrintDialog(owner), 0);
  EXPECT_EQ(wk_PrintDialogRecord.hDC, nullptr);
  EXPECT_EQ(wk_PrintDialogRecord.lStructSize, wktest::RecordSize(66, sizeof(PRINTDLGA)));
  EXPECT_EQ(wk_PrintDialogRecord.nCopies, 1);
  EXPECT_EQ(answerer.unexpected(), 0);
  // Whether a dialog appeared depends on a printer being installed; report.
  std::printf("print dialog shown: %zu\n", answerer.seen().size());
}

// The owner of a find dialog: passes every message to wk_FindMessage as an
// application would and keeps its results.
constexpr int kUp = 501;
constexpr int kDown = 502;

struct FindOwner {
  wktest::TestWindow window;
  HWND edit = nullptr;
  HWND dialog = nullptr;
  std::vector<int> results;
  std::vector<DWORD> flags;

  FindOwner() {
    edit = CreateWindowExA(0, "EDIT", "abcdefghij", WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL, 10, 10,
                           300, 24, window, nullptr, nullptr, nullptr);
    window.OnMessage([this](HWND w, UINT m, WPARAM, LPARAM l) -> std::optional<LRESULT> {
      static const UINT find = RegisterWindowMessageA("commdlg_FindReplace");
      if (m == find) {
        flags.push_back(reinterpret_cast<FINDREPLACEA*>(l)->Flags);
        results.push_back(wk_FindMessage(w, dialog, edit, l, m, kUp, kDown));
      } else if (m >= WM_USER && m != WM_COMMAND) {
        wk_FindMessage(w, dialog, edit, l, m, kUp, kDown);
      }
      return std::nullopt;
    });
  }
  std::vector<WPARAM> Commands() const {
    std::vector<WPARAM> c;
    for (const auto& m : window.Of(WM_COMMAND)) c.push_back(m.wparam);
    return c;
  }
  void Click(int id) {
    SendDlgItemMessageA(dialog, id, BM_CLICK, 0, 0);
    wktest::Pump(50);
  }
};

// Items of the platform's find dialog.
constexpr int kFindWhat = 0x480;   // edt1
constexpr int kMatchCase = 0x411;  // chx2
constexpr int kWholeWord = 0x410;  // chx1
constexpr int kUpRadio = 0x420;    // rad1
constexpr int kDownRadio = 0x421;  // rad2

TEST(FindDialog, StartsWithTheSelectionAsSearchText) {
  FindOwner owner;
  owner.dialog = wk_FindDialog(owner.window, owner.edit);
  ASSERT_NE(owner.dialog, nullptr);
  wktest::Pump(50);
  EXPECT_EQ(wktest::WindowText(GetDlgItem(owner.dialog, kFindWhat)), "");
  EXPECT_FALSE(IsWindowVisible(GetDlgItem(owner.dialog, kWholeWord)));
  EXPECT_EQ(SendDlgItemMessageA(owner.dialog, kDownRadio, BM_GETCHECK, 0, 0), BST_CHECKED);
  DestroyWindow(owner.dialog);

  SendMessageA(owner.edit, EM_SETSEL, 2, 5);
  owner.dialog = wk_FindDialog(owner.window, owner.edit);
  ASSERT_NE(owner.dialog, nullptr);
  wktest::Pump(50);
  EXPECT_EQ(wktest::WindowText(GetDlgItem(owner.dialog, kFindWhat)), "cde");
  EXPECT_STREQ(wk_FindDialogRecord.lpstrFindWhat, "cde");
  EXPECT_EQ(wk_FindDialogRecord.wFindWhatLen, 1024);
  EXPECT_EQ(wk_FindDialogRecord.lStructSize, wktest::RecordSize(40, sizeof(FINDREPLACEA)));
  DestroyWindow(owner.dialog);
}

TEST(FindDialog, SelectionLongerThan256GivesNoDialog) {
  FindOwner owner;
  SetWindowTextA(owner.edit, std::string(300, 'x').c_str());
  SendMessageA(owner.edit, EM_SETSEL, 0, 300);
  EXPECT_EQ(wk_FindDialog(owner.window, owner.edit), nullptr);
  SendMessageA(owner.edit, EM_SETSEL, 10, 266);  // exactly 256 still opens
  HWND dialog = wk_FindDialog(owner.window, owner.edit);
  EXPECT_NE(dialog, nullptr);
  DestroyWindow(dialog);
}

TEST(FindMessage, FindNextPostsTheCommandOfTheChosenDirection) {
  FindOwner owner;
  owner.dialog = wk_FindDialog(owner.window, owner.edit);
  ASSERT_NE(owner.dialog, nullptr);
  wktest::Pump(50);
  SetDlgItemTextA(owner.dialog, kFindWhat, "def");
  wktest::PauseForLook();
  owner.Click(IDOK);  // Find Next, searching down
  owner.Click(kUpRadio);
  owner.Click(IDOK);  // Find Next, searching up
  owner.Click(kMatchCase);
  owner.Click(IDOK);  // up, with match case
  owner.Click(kDownRadio);
  owner.Click(IDOK);  // down, with match case
  EXPECT_EQ(owner.results, (std::vector<int>{1, 1, 1, 1}));
  EXPECT_EQ(owner.Commands(), (std::vector<WPARAM>{kDown, kUp, kUp, kDown}));
  ASSERT_NE(wk_FindNotice, nullptr);
  EXPECT_STREQ(wk_FindNotice->lpstrFindWhat, "def");
  EXPECT_NE(wk_FindNotice->Flags & FR_MATCHCASE, 0u);

  // Closing gives one notification with FR_DIALOGTERM, and nothing is posted.
  owner.window.Clear();
  owner.results.clear();
  owner.flags.clear();
  owner.Click(IDCANCEL);
  EXPECT_EQ(owner.results, (std::vector<int>{0}));
  ASSERT_EQ(owner.flags.size(), 1u);
  EXPECT_NE(owner.flags[0] & FR_DIALOGTERM, 0u);
  EXPECT_TRUE(owner.Commands().empty());
  EXPECT_FALSE(IsWindow(owner.dialog));
}

TEST(FindMessage, SearchTextOver256ClosesTheDialog) {
  FindOwner owner;
  owner.dialog = wk_FindDialog(owner.window, owner.edit);
  ASSERT_NE(owner.dialog, nullptr);
  SetDlgItemTextA(owner.dialog, kFindWhat, std::string(257, 'q').c_str());
  owner.Click(IDOK);
  ASSERT_FALSE(owner.results.empty());
  EXPECT_EQ(owner.results[0], 2);
  EXPECT_FALSE(IsWindow(owner.dialog));
  EXPECT_TRUE(owner.Commands().empty());
}

TEST(FindMessage, OtherMessagesAndNoDialogAreIgnored) {
  FindOwner owner;
  static const UINT find = RegisterWindowMessageA("commdlg_FindReplace");
  FINDREPLACEA record{};
  record.Flags = FR_DOWN | FR_FINDNEXT;
  const auto lparam = reinterpret_cast<LPARAM>(&record);
  EXPECT_EQ(wk_FindMessage(owner.window, nullptr, owner.edit, lparam, find, kUp, kDown), 0);
  HWND some = owner.edit;
  EXPECT_EQ(wk_FindMessage(owner.window, some, owner.edit, lparam, WM_USER + 5, kUp, kDown), 0);
  // Neither down, whole word, match case nor find-next: nothing to post.
  record.Flags = 0;
  EXPECT_EQ(wk_FindMessage(owner.window, some, owner.edit, lparam, find, kUp, kDown), 0);
  record.Flags = FR_WHOLEWORD;
  EXPECT_EQ(wk_FindMessage(owner.window, some, owner.edit, lparam, find, kUp, kDown), 1);
  wktest::Pump(30);
  EXPECT_EQ(owner.Commands(), (std::vector<WPARAM>{kDown}));
}

TEST(CursorInWindow, GivesClientCoordinates) {
  wktest::TestWindow window;
  POINT origin{};
  ClientToScreen(window, &origin);
  SetCursorPos(origin.x + 37, origin.y + 21);
  wktest::Pump(30);
  EXPECT_EQ(wk_CursorInWindow(window), 0);
  EXPECT_EQ(std::make_pair(wk_ResultX, wk_ResultY), std::make_pair(37, 21));
}

}  // namespace
