// Combo boxes of every kind on a real window, with their items, own text,
// selection and files.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "wk_text.h"
#include "wk_windows.h"
#include "whole_file.hpp"
#include "wktest.hpp"

namespace {

// The style a combo box is created with, as the creation asks for it.
DWORD g_requested = 0;
LRESULT CALLBACK SeeCreation(int code, WPARAM wparam, LPARAM lparam) {
  if (code == HCBT_CREATEWND) {
    const CREATESTRUCTA* cs = reinterpret_cast<CBT_CREATEWNDA*>(lparam)->lpcs;
    if (wktest::ClassName(reinterpret_cast<HWND>(wparam)) == "ComboBox") {
      g_requested = static_cast<DWORD>(cs->style);
    }
  }
  return CallNextHookEx(nullptr, code, wparam, lparam);
}

class Combo : public testing::Test {
 protected:
  void SetUp() override {
    hook = SetWindowsHookExA(WH_CBT, SeeCreation, nullptr, GetCurrentThreadId());
    path = wktest::BuildPath(std::string("combo_") +
                             testing::UnitTest::GetInstance()->current_test_info()->name());
    std::remove(path.c_str());
  }
  void TearDown() override {
    UnhookWindowsHookEx(hook);
    std::remove(path.c_str());
  }
  std::string Bytes() { return wktest::ReadWholeFile(path); }
  void Write(const std::string& bytes) { wktest::WriteWholeFile(path, bytes); }
  int Count(HWND combo) { return static_cast<int>(SendMessageA(combo, CB_GETCOUNT, 0, 0)); }

  HHOOK hook = nullptr;
  wktest::TestWindow window;
  std::string path;
};

}  // namespace

TEST_F(Combo, EachTypeKeywordGivesItsStyle) {
  const std::pair<const char*, DWORD> kinds[] = {
      {"READDROP", 0x50200043},      {"WRITEDROP", 0x50200042}, {"READDROPSORT", 0x50200143},
      {"WRITEDROPSORT", 0x50200142}, {"SIMPLE", 0x50200041},    {"SIMPLESORT", 0x50200141}};
  for (auto [word, style] : kinds) {
    HWND combo = wk_ComboCreate(window, 10, 10, 150, 120, word);
    ASSERT_NE(combo, nullptr) << word;
    // The platform moves the vertical scroll bar from the combo box to its
    // list, so the combo box's own style shows every bit but that one; the
    // style asked for at creation has them all.
    EXPECT_EQ(static_cast<DWORD>(GetWindowLongA(combo, GWL_STYLE)), style & ~WS_VSCROLL) << word;
    EXPECT_EQ(g_requested, style) << word;
    EXPECT_EQ(wktest::ClassName(combo), "ComboBox");
    EXPECT_EQ(GetDlgCtrlID(combo), 0);
    wk_ComboDestroy(combo);
  }
  // Lower case is not a keyword: no type bits reach the platform.
  HWND plain = wk_ComboCreate(window, 10, 10, 150, 120, "readdrop");
  ASSERT_NE(plain, nullptr);
  EXPECT_EQ(g_requested, 0x50200040u);
}

TEST_F(Combo, ItemsFromOneAndTheOwnTextAtZero) {
  HWND combo = wk_ComboCreate(window, 10, 10, 150, 120, "WRITEDROP");
  EXPECT_EQ(wk_ComboAddItem(combo, "beta"), 0);
  EXPECT_EQ(wk_ComboAddItem(combo, "gamma"), 0);
  EXPECT_EQ(wk_ComboInsertItem(combo, 1, "alfa"), 0);  // at the top
  EXPECT_EQ(Count(combo), 3);
  EXPECT_EQ(wk_ComboInsertItem(combo, 0, "egen text"), 0);
  EXPECT_EQ(Count(combo), 3);  // no item added
  EXPECT_EQ(wktest::WindowText(combo), "egen text");

  char buffer[256] = {};
  EXPECT_EQ(wk_ComboGetItem(combo, 2, buffer), 4);
  EXPECT_STREQ(buffer, "beta");
  EXPECT_EQ(wk_ComboGetItem(combo, 1, buffer), 4);
  EXPECT_STREQ(buffer, "alfa");
  EXPECT_EQ(wk_ComboGetItem(combo, 0, buffer), 9);
  EXPECT_STREQ(buffer, "egen text");
  EXPECT_EQ(wk_ComboGetItemLength(combo, 3), 5);
  EXPECT_EQ(wk_ComboGetItemLength(combo, 0), 9);
  EXPECT_EQ(wk_ComboGetItemLength(combo, 9), CB_ERR);

  // The own text is read with room for 254 characters.
  const std::string long_text(300, 'L');
  EXPECT_EQ(wk_ComboInsertItem(combo, 0, long_text.c_str()), 0);
  std::vector<char> big(400, 'Z');
  EXPECT_EQ(wk_ComboGetItem(combo, 0, big.data()), 254);
  EXPECT_EQ(big[254], '\0');
  EXPECT_EQ(big[255], 'Z');
  EXPECT_EQ(wk_ComboGetItemLength(combo, 0), 254);
}

TEST_F(Combo, SortedKindsKeepAddedItemsInOrder) {
  HWND combo = wk_ComboCreate(window, 10, 10, 150, 120, "READDROPSORT");
  for (const char* t : {"sinus", "brus", "fyrkant"}) wk_ComboAddItem(combo, t);
  char buffer[256];
  wk_ComboGetItem(combo, 1, buffer);
  EXPECT_STREQ(buffer, "brus");
  EXPECT_EQ(wk_ComboInsertItem(combo, 1, "\xF6vrigt"), 0);  // inserted items are not sorted
  wk_ComboGetItem(combo, 1, buffer);
  EXPECT_STREQ(buffer, "\xF6vrigt");
}

TEST_F(Combo, SelectedTextOfTheEditPart) {
  HWND combo = wk_ComboCreate(window, 10, 10, 150, 120, "WRITEDROP");
  EXPECT_STREQ(wk_ComboGetSelectedText(combo), "");
  EXPECT_EQ(wk_ComboInsertItem(combo, 0, "abcdef"), 0);
  SendMessageA(combo, CB_SETEDITSEL, 0, MAKELPARAM(1, 3));
  EXPECT_STREQ(wk_ComboGetSelectedText(combo), "bc");
  // Nothing selected with the caret at the start: the previous result stays.
  SendMessageA(combo, CB_SETEDITSEL, 0, MAKELPARAM(0, 0));
  EXPECT_STREQ(wk_ComboGetSelectedText(combo), "bc");

  // A selection reaching past the 255-character buffer is cut there.
  EXPECT_EQ(wk_ComboSetEditLimit(combo, 1000), 0);
  const std::string long_text(600, 'k');
  EXPECT_EQ(wk_ComboInsertItem(combo, 0, long_text.c_str()), 0);
  SendMessageA(combo, CB_SETEDITSEL, 0, MAKELPARAM(10, 590));
  EXPECT_EQ(std::string(wk_ComboGetSelectedText(combo)), std::string(245, 'k'));
}

TEST_F(Combo, EditLimitAndFocus) {
  HWND combo = wk_ComboCreate(window, 10, 10, 150, 120, "SIMPLE");
  EXPECT_EQ(wk_ComboSetEditLimit(combo, 5), 0);
  HWND edit = FindWindowExA(combo, nullptr, "Edit", nullptr);
  ASSERT_NE(edit, nullptr);
  EXPECT_EQ(SendMessageA(edit, EM_GETLIMITTEXT, 0, 0), 5);

  EXPECT_EQ(wk_ComboLacksFocus(combo), 1);
  wk_ComboSetFocus(combo);
  EXPECT_EQ(wk_ComboLacksFocus(combo), 0);
  wk_ComboDestroy(combo);
}

TEST_F(Combo, SaveWritesExactlyTheItemWhateverItsLength) {
  HWND combo = wk_ComboCreate(window, 10, 10, 150, 120, "WRITEDROP");
  EXPECT_EQ(wk_ComboInsertItem(combo, 0, "abc"), 0);
  EXPECT_EQ(wk_ComboSaveItem(combo, 0, path.c_str()), 0);
  EXPECT_EQ(Bytes(), "abc");
  EXPECT_EQ(wk_ComboAddItem(combo, "rad ett"), 0);
  EXPECT_EQ(wk_ComboSaveItem(combo, 1, path.c_str()), 0);
  EXPECT_EQ(Bytes(), "rad ett");
  // An item of 3000 characters is saved whole.
  const std::string long_item(3000, 'x');
  EXPECT_EQ(wk_ComboAddItem(combo, long_item.c_str()), 0);
  EXPECT_EQ(wk_ComboSaveItem(combo, 2, path.c_str()), 0);
  EXPECT_EQ(Bytes(), long_item);
  EXPECT_EQ(wk_ComboSaveItem(combo, 1, wktest::BuildPath("no-such-folder/x").c_str()), 2);
}

TEST_F(Combo, LoadTakesTheFirst255BytesAndRefusesLargeFiles) {
  HWND combo = wk_ComboCreate(window, 10, 10, 150, 120, "WRITEDROP");
  std::string content(300, 'a');
  content[10] = '\n';  // a line break becomes part of the item
  Write(content);
  EXPECT_EQ(wk_ComboLoadItem(combo, 1, path.c_str()), 0);
  ASSERT_EQ(Count(combo), 1);
  std::vector<char> buffer(400);
  EXPECT_EQ(wk_ComboGetItem(combo, 1, buffer.data()), 255);
  EXPECT_EQ(std::string(buffer.data()), content.substr(0, 255));

  Write("visas");
  EXPECT_EQ(wk_ComboLoadItem(combo, 0, path.c_str()), 0);
  EXPECT_EQ(wktest::WindowText(combo), "visas");

  Write(std::string(70000, 'b'));
  EXPECT_EQ(wk_ComboLoadItem(combo, 1, path.c_str()), 4);
  EXPECT_EQ(Count(combo), 1);
  EXPECT_EQ(wktest::WindowText(combo), "visas");

  // A missing file is created empty and gives an empty item.
  std::remove(path.c_str());
  EXPECT_EQ(wk_ComboLoadItem(combo, 1, path.c_str()), 0);
  EXPECT_EQ(Count(combo), 2);
  EXPECT_EQ(GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES, true);
  EXPECT_EQ(wk_ComboLoadItem(combo, 1, wktest::BuildPath("no-such-folder/x").c_str()), 2);
}
