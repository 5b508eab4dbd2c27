// Keyword message boxes shown for real and answered as a person would:
// the buttons in their order, the default button, the icon and the code
// that comes back.
#include <gtest/gtest.h>

#include <cstring>
#include <limits>
#include <string>
#include <vector>

#include "wk_windows.h"
#include "wktest.hpp"

using wktest::DialogAnswerer;
using Buttons = std::vector<std::string>;

namespace {

struct BoxSeen {
  Buttons buttons;
  std::string default_button;
  HICON icon = nullptr;
  std::string caption;
  std::string text;
};

// Records what the box shows, then presses the button with this id.
DialogAnswerer::Action SeeAndPress(BoxSeen& seen, int id) {
  return [&seen, id](HWND box) {
    seen.buttons = wktest::ButtonsLeftToRight(box);
    seen.default_button = wktest::DefaultButtonText(box);
    seen.icon = wktest::DialogIcon(box);
    seen.caption = wktest::WindowText(box);
    seen.text = wktest::WindowText(GetDlgItem(box, 0xFFFF));
    wktest::PauseForLook();
    DialogAnswerer::Click(id)(box);
  };
}

struct ButtonCase {
  const char* keyword;
  Buttons buttons;
  const char* default_button;
  int press;   // a button that closes the box
  int answer;  // the toolkit code for it
};

const ButtonCase kButtonCases[] = {
    {"OK", {"OK"}, "OK", IDOK, 5},
    {"OK_help", {"OK", "Help"}, "OK", IDOK, 5},
    {"ok_HELP", {"OK", "Help"}, "Help", IDOK, 5},
    {"OK_cancel", {"OK", "Cancel"}, "OK", IDCANCEL, 6},
    {"ok_CANCEL", {"OK", "Cancel"}, "Cancel", IDOK, 5},
    {"OK_cancel_help", {"OK", "Cancel", "Help"}, "OK", IDCANCEL, 6},
    {"ok_CANCEL_help", {"OK", "Cancel", "Help"}, "Cancel", IDCANCEL, 6},
    {"ok_cancel_HELP", {"OK", "Cancel", "Help"}, "Help", IDOK, 5},
    {"RETRY_cancel", {"Retry", "Cancel"}, "Retry", IDRETRY, 3},
    {"retry_CANCEL", {"Retry", "Cancel"}, "Cancel", IDCANCEL, 6},
    {"RETRY_cancel_help", {"Retry", "Cancel", "Help"}, "Retry", IDRETRY, 3},
    {"retry_CANCEL_help", {"Retry", "Cancel", "Help"}, "Cancel", IDRETRY, 3},
    {"retry_cancel_HELP", {"Retry", "Cancel", "Help"}, "Help", IDCANCEL, 6},
    {"YES_no", {"Yes", "No"}, "Yes", IDYES, 4},
    {"yes_NO", {"Yes", "No"}, "No", IDNO, 1},
    {"YES_no_help", {"Yes", "No", "Help"}, "Yes", IDNO, 1},
    {"yes_NO_help", {"Yes", "No", "Help"}, "No", IDYES, 4},
    {"yes_no_HELP", {"Yes", "No", "Help"}, "Help", IDYES, 4},
    {"YES_no_cancel", {"Yes", "No", "Cancel"}, "Yes", IDYES, 4},
    {"yes_NO_cancel", {"Yes", "No", "Cancel"}, "No", IDNO, 1},
    {"yes_no_CANCEL", {"Yes", "No", "Cancel"}, "Cancel", IDCANCEL, 6},
    {"YES_no_cancel_help", {"Yes", "No", "Cancel", "Help"}, "Yes", IDCANCEL, 6},
    {"yes_NO_cancel_help", {"Yes", "No", "Cancel", "Help"}, "No", IDNO, 1},
    {"yes_no_CANCEL_help", {"Yes", "No", "Cancel", "Help"}, "Cancel", IDYES, 4},
    {"yes_no_cancel_HELP", {"Yes", "No", "Cancel", "Help"}, "Help", IDNO, 1},
    {"CANCEL_retry_ignore", {"Abort", "Retry", "Ignore"}, "Abort", IDABORT, 6},
    {"cancel_RETRY_ignore", {"Abort", "Retry", "Ignore"}, "Retry", IDRETRY, 3},
    {"cancel_retry_IGNORE", {"Abort", "Retry", "Ignore"}, "Ignore", IDIGNORE, 2},
    {"CANCEL_retry_ignore_help", {"Abort", "Retry", "Ignore", "Help"}, "Abort", IDIGNORE, 2},
    {"cancel_RETRY_ignore_help", {"Abort", "Retry", "Ignore", "Help"}, "Retry", IDABORT, 6},
    {"cancel_retry_IGNORE_help", {"Abort", "Retry", "Ignore", "Help"}, "Ignore", IDRETRY, 3},
    {"cancel_retry_ignore_HELP", {"Abort", "Retry", "Ignore", "Help"}, "Help", IDIGNORE, 2},
    // Not keywords: one OK button, the default, no Help.
    {"Ok", {"OK"}, "OK", IDOK, 5},
    {"yes_no_cancel", {"OK"}, "OK", IDOK, 5},
    {"", {"OK"}, "OK", IDOK, 5},
    {nullptr, {"OK"}, "OK", IDOK, 5},
};

TEST(KeywordMessageBox, EveryButtonKeywordShowsItsButtonsInOrderWithItsDefault) {
  wktest::TestWindow owner;
  for (const ButtonCase& c : kButtonCases) {
    const std::string name = c.keyword ? c.keyword : "(null)";
    BoxSeen seen;
    DialogAnswerer answerer(SeeAndPress(seen, c.press));
    EXPECT_EQ(wk_MessageBox(owner, "Rubrik", "Text", "", c.keyword), c.answer) << name;
    EXPECT_EQ(answerer.unexpected(), 0) << name;
    EXPECT_EQ(seen.buttons, c.buttons) << name;
    EXPECT_EQ(seen.default_button, c.default_button) << name;
    EXPECT_EQ(seen.icon, nullptr) << name;
  }
}

TEST(KeywordMessageBox, IconKeywordsShowTheSystemIcons) {
  struct IconCase {
    const char* keyword;
    LPCSTR system_icon;
  };
  const IconCase cases[] = {{"EXCLAMATION", IDI_EXCLAMATION},
                            {"INFORMATION", IDI_ASTERISK},
                            {"QUESTION", IDI_QUESTION},
                            {"STOP", IDI_HAND}};
  for (const IconCase& c : cases) {
    BoxSeen seen;
    DialogAnswerer answerer(SeeAndPress(seen, IDOK));
    EXPECT_EQ(wk_MessageBox(nullptr, "Rubrik", "Text", c.keyword, "OK"), 5) << c.keyword;
    EXPECT_EQ(seen.icon, LoadIconA(nullptr, c.system_icon)) << c.keyword;
  }
  BoxSeen lower;
  DialogAnswerer answerer(SeeAndPress(lower, IDOK));
  EXPECT_EQ(wk_MessageBox(nullptr, "Rubrik", "Text", "question", "OK"), 5);
  EXPECT_EQ(lower.icon, nullptr);
}

TEST(KeywordMessageBox, CaptionAndTextGoWhereThePlatformShowsThem) {
  BoxSeen seen;
  DialogAnswerer answerer(SeeAndPress(seen, IDCANCEL));
  EXPECT_EQ(wk_MessageBox(nullptr, "Spara?", "Vill du spara \xE4ndringarna?", "QUESTION",
                          "yes_no_CANCEL"),
            6);
  EXPECT_EQ(seen.caption, "Spara?");
  EXPECT_EQ(seen.text, "Vill du spara \xE4ndringarna?");
  EXPECT_EQ(seen.default_button, "Cancel");
  EXPECT_EQ(seen.icon, LoadIconA(nullptr, IDI_QUESTION));
}

TEST(KeywordMessageBox, CloseBoxAnswersCancel) {
  DialogAnswerer answerer(DialogAnswerer::Close());
  EXPECT_EQ(wk_MessageBox(nullptr, "Rubrik", "Text", "QUESTION", "yes_no_CANCEL"), 6);
}

TEST(KeywordMessageBox, HelpTellsTheOwnerAndLeavesTheBoxOpen) {
  wktest::TestWindow owner;
  bool open_after_help = false;
  DialogAnswerer answerer([&](HWND box) {
    SendMessageA(GetDlgItem(box, IDHELP), BM_CLICK, 0, 0);
    open_after_help = IsWindow(box) && IsWindowVisible(box);
    DialogAnswerer::Click(IDRETRY)(box);
  });
  EXPECT_EQ(wk_MessageBox(owner, "Rubrik", "Text", "STOP", "cancel_retry_ignore_HELP"), 3);
  EXPECT_TRUE(open_after_help);
  // Wine's message box leaves its Help button without effect (no WM_HELP to
  // the owner); on Windows the owner gets exactly one.
  if (!wktest::RunningOnWine()) {
    EXPECT_EQ(owner.Of(WM_HELP).size(), 1u);
  }
}

TEST(KeywordMessageBox, BoxThatCannotAppearAnswersZero) {
  // An owner that is not a window makes the platform refuse the box.
  EXPECT_EQ(wk_MessageBox(reinterpret_cast<HWND>(0x1234), "R", "T", "STOP", "OK"), 0);
}

TEST(ShowMessage, ClearKeywordDEmptiesTheBufferAfterTheBox) {
  char text[32] = "Hej";
  std::string shown;
  DialogAnswerer answerer([&](HWND box) {
    shown = wktest::WindowText(GetDlgItem(box, 0xFFFF));
    DialogAnswerer::Click(IDOK)(box);
  });
  EXPECT_EQ(wk_ShowMessage(nullptr, "Rubrik", text, "D"), 0);
  EXPECT_EQ(shown, "Hej");
  EXPECT_STREQ(text, "");
  EXPECT_EQ(text[1], 'e');  // only the first character is cleared

  std::strcpy(text, "Kvar");
  answerer.Then(DialogAnswerer::Click(IDOK));
  EXPECT_EQ(wk_ShowMessage(nullptr, "Rubrik", text, "d"), 0);
  EXPECT_STREQ(text, "Kvar");
  EXPECT_EQ(answerer.seen().size(), 2u);
  EXPECT_EQ(answerer.seen()[1].buttons, (Buttons{"OK"}));
}

TEST(AskSaveChanges, AnUnmodifiedEditAsksNothingAModifiedOneAnswersByButton) {
  wktest::TestWindow window;
  HWND edit = CreateWindowExA(0, "EDIT", "text", WS_CHILD | WS_VISIBLE, 0, 0, 100, 20, window,
                              nullptr, nullptr, nullptr);
  // Wine marks an edit created with a text as modified: each row sets the
  // flag as a load or typing would.
  const struct {
    BOOL modified;
    int press;
    int answer;
  } cases[] = {{FALSE, IDYES, 0}, {TRUE, IDYES, 1}, {TRUE, IDCANCEL, 2}, {TRUE, IDNO, 3}};
  for (const auto& c : cases) {
    SendMessageA(edit, EM_SETMODIFY, c.modified, 0);
    BoxSeen seen;
    DialogAnswerer answerer(SeeAndPress(seen, c.press));
    EXPECT_EQ(wk_AskSaveChanges(edit, "Rubrik", "Spara?"), c.answer) << c.press;
    EXPECT_EQ(seen.buttons, (c.modified ? Buttons{"Yes", "No", "Cancel"} : Buttons{}));
    EXPECT_EQ(seen.caption, c.modified ? "Rubrik" : "");
    EXPECT_EQ(seen.text, c.modified ? "Spara?" : "");
  }
}

TEST(AppendFormatted, ConversionsAppendValuesAndDropTheRest) {
  char out[256] = "";
  EXPECT_EQ(wk_AppendFormatted(out, "%i word %f1", 3, 2.5), out);
  EXPECT_STREQ(out, "32.5\n");

  std::strcpy(out, "A:");
  wk_AppendFormatted(out, "%u|%l|%U|%s|%x|%f", 4000000000u, -7L, 4000000001UL, "ord", 1.0);
  // %x takes no value, so the double is 1.0 with the default 2 decimals.
  EXPECT_STREQ(out, "A:4000000000-74000000001ord1.00\n");

  // Infinities and NaN by their C99 names, not the system library's "1.#INF00".
  constexpr double kInf = std::numeric_limits<double>::infinity();
  std::strcpy(out, "B:");
  wk_AppendFormatted(out, "%f|%f|%f3", kInf, -kInf, std::numeric_limits<double>::quiet_NaN());
  EXPECT_STREQ(out, "B:inf-infnan\n");

  // Exact halves go to the even digit, as C99 libraries round: 2.5 is 2.
  std::strcpy(out, "C:");
  // The last: ten times it is a half beyond the doubles' integer precision.
  wk_AppendFormatted(out, "%f|%f|%f|%f|%f|%f 002221", 2.5, 3.5, 0.125, 0.375, -0.125,
                     450359962737049.25);
  EXPECT_STREQ(out, "C:240.120.38-0.12450359962737049.2\n");
}

TEST(AppendFormatted, TenDecimalCountsAtMost) {
  char out[512] = "";
  // Eleven digits: the eleventh is ignored. Eleven %f: the eleventh has 2.
  wk_AppendFormatted(out, "%f%f%f%f%f%f%f%f%f%f%f 01234567899", 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0,
                     1.0, 1.0, 1.0, 1.0);
  EXPECT_STREQ(out, "11.01.001.0001.00001.000001.0000001.00000001.000000001.0000000001.00\n");
}

TEST(AppendFormatted, HugeValuesAreAppendedWhole) {
  std::vector<char> out(1000, '\0');
  wk_AppendFormatted(out.data(), "%f9", 1e300);
  const std::string s = out.data();
  EXPECT_EQ(s.size(), 301u + 1 + 9 + 1);  // digits, point, decimals, line feed
  EXPECT_EQ(s.substr(0, 2), "10");
  EXPECT_EQ(s.substr(s.size() - 11), ".000000000\n");
}

}  // namespace
