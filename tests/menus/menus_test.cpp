// Menu bars, popups, items and the system menu, read back from the platform.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "wk_menus.h"
#include "wktest.hpp"

namespace {

// Bitmaps carried by this test program (menus_test.rc).
constexpr char kMark[] = "MARK16";    // 16 x 16
constexpr char kPicture[] = "PIC24";  // 24 x 12

RECT g_popup{};  // where the last context menu was seen, in screen coordinates

// An active top-level window that records the messages it receives.
struct MenuWindow : wktest::TestWindow {
  MenuWindow() : TestWindow(400, 300, "menus") {
    SetForegroundWindow(get());
    SetActiveWindow(get());
    wktest::Pump(30);
  }
};

// The command a chosen menu item sends.
std::vector<wktest::Expected> Command(UINT id) { return {{WM_COMMAND, wktest::kWparam, id}}; }

struct ItemSeen {
  UINT type = 0, state = 0, id = 0;
  HBITMAP checked = nullptr, unchecked = nullptr, picture = nullptr;
  std::string text;
  HMENU submenu = nullptr;
};

ItemSeen At(HMENU menu, int index) {
  char text[128] = {};
  MENUITEMINFOA info{};
  info.cbSize = sizeof info;
  info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_CHECKMARKS | MIIM_BITMAP | MIIM_STRING |
               MIIM_SUBMENU;
  info.dwTypeData = text;
  info.cch = sizeof text;
  ItemSeen seen;
  if (!GetMenuItemInfoA(menu, index, TRUE, &info)) return seen;
  seen.type = info.fType;
  seen.state = info.fState;
  seen.id = info.wID;
  seen.checked = info.hbmpChecked;
  seen.unchecked = info.hbmpUnchecked;
  seen.picture = info.hbmpItem;
  seen.text = (info.fType & MFT_BITMAP) ? "" : text;
  seen.submenu = info.hSubMenu;
  return seen;
}

int WidthOf(HBITMAP bitmap) {
  BITMAP b{};
  return GetObjectA(bitmap, sizeof b, &b) ? b.bmWidth : -1;
}

bool Checked(const ItemSeen& s) { return (s.state & MFS_CHECKED) != 0; }
bool Grayed(const ItemSeen& s) { return (s.state & MFS_GRAYED) != 0; }

RECT Outer(HWND w) {
  RECT r{};
  GetWindowRect(w, &r);
  return r;
}
RECT Client(HWND w) {
  RECT r{};
  GetClientRect(w, &r);
  return r;
}

}  // namespace

TEST(MenuBar, AttachGrowsOnceRemoveShrinksAndLeavesAnEmptyBar) {
  MenuWindow w;
  HMENU bar = wk_MenuCreate();
  wk_MenuAddPopup(bar, "&Arkiv");
  // A refused attach (a child window, a destroyed menu) changes nothing.
  HMENU gone = wk_MenuCreate();
  DestroyMenu(gone);
  HWND child = CreateWindowA("STATIC", "", WS_CHILD, 0, 0, 50, 50, w, nullptr, nullptr, nullptr);
  const std::pair<HWND, HMENU> refused[] = {{child, bar}, {w, gone}};
  for (const auto& [window, menu] : refused) {
    const RECT before = Outer(window);
    EXPECT_EQ(wk_MenuBarAttach(window, menu), 1);
    EXPECT_EQ(Outer(window).bottom, before.bottom);
  }
  const RECT outer0 = Outer(w), client0 = Client(w);
  ASSERT_EQ(wk_MenuBarAttach(w, bar), 0);
  const RECT outer1 = Outer(w), client1 = Client(w);
  EXPECT_EQ(outer1.bottom - outer1.top, outer0.bottom - outer0.top + GetSystemMetrics(SM_CYMENU));
  EXPECT_EQ(outer1.right - outer1.left, outer0.right - outer0.left);
  EXPECT_EQ(outer1.top, outer0.top);
  EXPECT_EQ(client1.bottom, client0.bottom);  // the client area keeps its size
  EXPECT_EQ(GetMenu(w), bar);

  // Replacing one bar by another leaves the size alone.
  HMENU second = wk_MenuCreate();
  wk_MenuAddPopup(second, "&Visa");
  ASSERT_EQ(wk_MenuBarAttach(w, second), 0);
  EXPECT_EQ(Outer(w).bottom, outer1.bottom);

  // Removing the bar shrinks the window and leaves an empty bar attached,
  // so attaching again does not grow it.
  ASSERT_EQ(wk_MenuBarRemove(w, second), 0);
  EXPECT_FALSE(IsMenu(second));
  EXPECT_EQ(Outer(w).bottom - Outer(w).top, outer0.bottom - outer0.top);
  HMENU empty = GetMenu(w);
  ASSERT_NE(empty, nullptr);
  EXPECT_EQ(GetMenuItemCount(empty), 0);
  const RECT before = Outer(w);
  ASSERT_EQ(wk_MenuBarAttach(w, bar), 0);
  EXPECT_EQ(Outer(w).bottom, before.bottom);

  // A menu that is not the bar is still destroyed; the size stays.
  HMENU stray = wk_MenuCreate();
  const RECT with_bar = Outer(w);
  EXPECT_EQ(wk_MenuBarRemove(w, stray), 0);
  EXPECT_FALSE(IsMenu(stray));
  EXPECT_EQ(Outer(w).bottom, with_bar.bottom);
  EXPECT_NE(GetMenu(w), bar);
  EXPECT_EQ(GetMenuItemCount(GetMenu(w)), 0);
  DestroyMenu(bar);
  // Destroying fails for a handle that is no menu.
  EXPECT_EQ(wk_MenuBarRemove(w, stray), 1);
}

TEST(MenuBar, PopupsAppendInsertAndReplace) {
  MenuWindow w;
  HMENU bar = wk_MenuCreate();
  HMENU file = wk_MenuAddPopup(bar, "Arkiv");
  HMENU help = wk_MenuAddPopup(bar, "Hj\xE4lp");
  EXPECT_EQ(wk_MenuBarAttach(w, bar), 0);
  HMENU edit = wk_MenuInsertPopup(bar, 2, "Redigera");
  ASSERT_EQ(GetMenuItemCount(bar), 3);
  EXPECT_EQ(GetSubMenu(bar, 0), file);
  EXPECT_EQ(GetSubMenu(bar, 1), edit);
  EXPECT_EQ(At(bar, 1).text, "Redigera");
  EXPECT_EQ(GetSubMenu(bar, 2), help);

  EXPECT_EQ(wk_MenuAppendItem(help, "Om", 900), 0);
  HMENU replaced = wk_MenuReplaceWithPopup(bar, 3, "Fönster");
  EXPECT_EQ(GetSubMenu(bar, 2), replaced);
  EXPECT_EQ(At(bar, 2).text, "Fönster");
  // Windows destroys the old submenu with the change; Wine 8 keeps it alive
  // (the item no longer refers to it either way).
  EXPECT_NE(GetSubMenu(bar, 2), help);

  // Deleting a popup item destroys its submenu.
  EXPECT_EQ(wk_MenuDeleteItemRedraw(bar, 2), 0);
  EXPECT_FALSE(IsMenu(edit));
  EXPECT_EQ(GetMenuItemCount(bar), 2);
  EXPECT_EQ(wk_MenuDeleteItem(bar, 5), 1);
}

TEST(MenuItems, AppendedKindsStatesAndIdentifiers) {
  MenuWindow w;
  HMENU menu = CreatePopupMenu();
  EXPECT_EQ(wk_MenuAppendItem(menu, "&Ny", 101), 0);
  EXPECT_EQ(wk_MenuAppendCheckedItem(menu, "Vald", 102), 0);
  EXPECT_EQ(wk_MenuAppendGrayedItem(menu, "Gr\xE5", 103), 0);
  EXPECT_EQ(wk_MenuAppendSeparator(menu), 0);
  EXPECT_EQ(wk_MenuAppendMarkedItem(menu, kMark, "M\xE4rkt", 104), 0);
  EXPECT_EQ(wk_MenuAppendGrayedMarkedItem(menu, kMark, "M\xE4rkt gr\xE5", 105), 0);
  EXPECT_EQ(wk_MenuAppendBitmapItem(menu, kPicture, 106), 0);
  EXPECT_EQ(wk_MenuAppendCheckedBitmapItem(menu, kPicture, 107), 0);
  EXPECT_EQ(wk_MenuAppendGrayedBitmapItem(menu, kPicture, 108), 0);
  // A name the module lacks still makes the item, with no bitmap.
  EXPECT_EQ(wk_MenuAppendMarkedItem(menu, "NO_SUCH_BITMAP", "Utan", 109), 0);
  ASSERT_EQ(GetMenuItemCount(menu), 10);

  const ItemSeen plain = At(menu, 0), checked = At(menu, 1), grayed = At(menu, 2);
  EXPECT_EQ(plain.text, "&Ny");
  EXPECT_EQ(plain.id, 101u);
  EXPECT_FALSE(Checked(plain) || Grayed(plain));
  EXPECT_TRUE(Checked(checked) && !Grayed(checked));
  EXPECT_TRUE(Grayed(grayed) && !Checked(grayed));
  EXPECT_EQ(grayed.text, "Gr\xE5");

  const ItemSeen separator = At(menu, 3);
  EXPECT_TRUE(separator.type & MFT_SEPARATOR);
  EXPECT_EQ(separator.id, 1u);

  const ItemSeen marked = At(menu, 4), marked_gray = At(menu, 5);
  EXPECT_TRUE(Checked(marked) && !Grayed(marked));
  EXPECT_EQ(WidthOf(marked.checked), 16);
  EXPECT_EQ(marked.unchecked, marked.checked);  // one bitmap for both states
  EXPECT_TRUE(Checked(marked_gray) && Grayed(marked_gray));
  EXPECT_EQ(WidthOf(marked_gray.unchecked), 16);

  for (int i : {6, 7, 8}) {
    const ItemSeen picture = At(menu, i);
    EXPECT_EQ(WidthOf(picture.picture), 24) << i;
    EXPECT_EQ(picture.id, static_cast<UINT>(100 + i)) << i;
  }
  EXPECT_FALSE(Checked(At(menu, 6)) || Grayed(At(menu, 6)));
  EXPECT_TRUE(Checked(At(menu, 7)));
  EXPECT_TRUE(Grayed(At(menu, 8)));
  EXPECT_EQ(At(menu, 9).checked, nullptr);
  EXPECT_EQ(At(menu, 9).text, "Utan");
  DestroyMenu(menu);
}

TEST(MenuItems, InsertedAtPositionsWithUncheckedMarksAndSeparatorZero) {
  MenuWindow w;
  HMENU menu = CreatePopupMenu();
  EXPECT_EQ(wk_MenuAppendItem(menu, "Sist", 200), 0);
  EXPECT_EQ(wk_MenuInsertItem(menu, 1, "F\xF6rst", 201), 0);
  EXPECT_EQ(wk_MenuInsertSeparator(menu, 2), 0);
  EXPECT_EQ(wk_MenuInsertCheckedItem(menu, 2, "Vald", 202), 0);
  EXPECT_EQ(wk_MenuInsertGrayedItem(menu, 2, "Gr\xE5", 203), 0);
  EXPECT_EQ(wk_MenuInsertMarkedItem(menu, 1, kMark, "M\xE4rkt", 204), 0);
  EXPECT_EQ(wk_MenuInsertGrayedMarkedItem(menu, 1, kMark, "M gr\xE5", 205), 0);
  EXPECT_EQ(wk_MenuInsertBitmapItem(menu, 1, kPicture, 206), 0);
  EXPECT_EQ(wk_MenuInsertCheckedBitmapItem(menu, 1, kPicture, 207), 0);
  EXPECT_EQ(wk_MenuInsertGrayedBitmapItem(menu, 1, kPicture, 208), 0);
  ASSERT_EQ(GetMenuItemCount(menu), 10);
  // Each insert at 1 went to the top: 208 207 206 205 204 201 203 202 sep 200.
  const UINT ids[] = {208, 207, 206, 205, 204, 201, 203, 202, 0, 200};
  for (int i = 0; i < 10; ++i) EXPECT_EQ(At(menu, i).id, ids[i]) << i;
  EXPECT_TRUE(At(menu, 8).type & MFT_SEPARATOR);

  EXPECT_TRUE(Grayed(At(menu, 0)));
  EXPECT_TRUE(Checked(At(menu, 1)));
  EXPECT_EQ(WidthOf(At(menu, 2).picture), 24);
  // Inserted marked items are not checked (appended ones are).
  const ItemSeen marked_gray = At(menu, 3), marked = At(menu, 4);
  EXPECT_TRUE(Grayed(marked_gray) && !Checked(marked_gray));
  EXPECT_TRUE(!Grayed(marked) && !Checked(marked));
  EXPECT_EQ(WidthOf(marked.unchecked), 16);
  EXPECT_TRUE(Grayed(At(menu, 6)));
  EXPECT_TRUE(Checked(At(menu, 7)));

  EXPECT_EQ(wk_MenuDeleteItem(menu, 1), 0);
  EXPECT_EQ(At(menu, 0).id, 207u);
  DestroyMenu(menu);
}

TEST(MenuItems, ChangesByIdentifierSetTheWholeStateWithOrWithoutText) {
  MenuWindow w;
  using Set = int (*)(HMENU, const char*, UINT);
  const Set mark = [](HMENU m, const char* t, UINT id) {
    return wk_MenuCheckMarkedItem(m, kMark, t, id);
  };
  const Set gray_mark = [](HMENU m, const char* t, UINT id) {
    return wk_MenuCheckGrayMarkedItem(m, kMark, t, id);
  };
  const Set picture = [](HMENU m, const char*, UINT id) {
    return wk_MenuSetItemBitmap(m, kPicture, id);
  };
  const Set checked_picture = [](HMENU m, const char*, UINT id) {
    return wk_MenuSetItemCheckedBitmap(m, kPicture, id);
  };
  const Set grayed_picture = [](HMENU m, const char*, UINT id) {
    return wk_MenuSetItemGrayedBitmap(m, kPicture, id);
  };
  constexpr UINT kC = MF_CHECKED, kG = MF_GRAYED;
  // A text sets text and state together (0). A null text keeps the text,
  // changes the check state (enabling only takes the check mark off) and
  // reports the check state before: 0 checked, 1 not. The marks go on both
  // check states; a missing identifier gives 1 with or without text.
  const struct {
    const char* name;
    Set set;
    const char* text;
    UINT start;
    int result;
    UINT state;         // kC, kG
    int mark_width;     // -1: no check-mark bitmap
    const char* after;  // "": the item is the picture
  } cases[] = {
      {"text", wk_MenuSetItemText, "new", kC, 0, 0, -1, "new"},
      {"text", wk_MenuSetItemText, nullptr, kC, 1, kC, -1, "item"},
      {"check", wk_MenuCheckItem, "new", kG, 0, kC, -1, "new"},
      {"check", wk_MenuCheckItem, nullptr, kC, 0, kC, -1, "item"},
      {"check", wk_MenuCheckItem, nullptr, 0, 1, kC, -1, "item"},
      {"check", wk_MenuCheckItem, nullptr, kG, 1, kC | kG, -1, "item"},
      {"gray", wk_MenuGrayItem, "new", kC, 0, kG, -1, "new"},
      {"gray", wk_MenuGrayItem, nullptr, kC, 0, kG, -1, "item"},
      {"gray", wk_MenuGrayItem, nullptr, 0, 1, kG, -1, "item"},
      {"enable", wk_MenuEnableItem, "new", kC | kG, 0, 0, -1, "new"},
      {"enable", wk_MenuEnableItem, nullptr, 0, 1, 0, -1, "item"},
      {"enable", wk_MenuEnableItem, nullptr, kC | kG, 0, kG, -1, "item"},
      {"enable", wk_MenuEnableItem, nullptr, kG, 1, kG, -1, "item"},
      {"uncheck", wk_MenuUncheckItem, "new", kC | kG, 0, 0, -1, "new"},
      {"uncheck", wk_MenuUncheckItem, nullptr, kC, 0, 0, -1, "item"},
      {"uncheck", wk_MenuUncheckItem, nullptr, kG, 1, kG, -1, "item"},
      {"mark", mark, "new", kG, 0, kC, 16, "new"},
      {"mark", mark, nullptr, 0, 1, kC, 16, "item"},
      {"mark", mark, nullptr, kC | kG, 0, kC | kG, 16, "item"},
      {"gray mark", gray_mark, "new", 0, 0, kC | kG, 16, "new"},
      {"gray mark", gray_mark, nullptr, kC, 0, kC | kG, 16, "item"},
      {"gray mark", gray_mark, nullptr, 0, 1, kC | kG, 16, "item"},
      {"picture", picture, nullptr, kC | kG, 0, 0, -1, ""},
      {"checked picture", checked_picture, nullptr, kG, 0, kC, -1, ""},
      {"grayed picture", grayed_picture, nullptr, kC, 0, kG, -1, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.name) + (c.text ? " text" : "") + " from " +
                 std::to_string(c.start));
    HMENU menu = CreatePopupMenu();
    AppendMenuA(menu, MF_STRING | c.start, 1, "item");
    EXPECT_EQ(c.set(menu, c.text, 1), c.result);
    const ItemSeen seen = At(menu, 0);
    EXPECT_EQ((Checked(seen) ? kC : 0) | (Grayed(seen) ? kG : 0), c.state);
    EXPECT_EQ(seen.text, c.after);
    EXPECT_EQ(seen.id, 1u);
    EXPECT_EQ(WidthOf(seen.checked), c.mark_width);
    EXPECT_EQ(WidthOf(seen.unchecked), c.mark_width);
    EXPECT_EQ(WidthOf(seen.picture), *c.after ? -1 : 24);
    EXPECT_EQ(c.set(menu, c.text, 99), 1);
    DestroyMenu(menu);
  }
}

namespace {

// Runs inside the popup's modal loop: chooses the popup's second item with
// the keyboard, as a person would.
HWND SeenPopup() {
  HWND popup = FindWindowA("#32768", nullptr);
  if (popup && IsWindowVisible(popup)) GetWindowRect(popup, &g_popup);
  return popup;
}
void CALLBACK ChooseSecond(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(nullptr, id);
  HWND popup = SeenPopup();
  if (!popup) return;
  for (WPARAM key : {VK_DOWN, VK_DOWN, VK_RETURN}) PostMessageA(popup, WM_KEYDOWN, key, 0);
}
void CALLBACK Dismiss(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(nullptr, id);
  SeenPopup();
  EndMenu();
}

}  // namespace

TEST(MenuTrackPopup, RectangleEdgesAndAChosenItem) {
  MenuWindow w;
  HMENU bar = wk_MenuCreate();
  wk_MenuAddPopup(bar, "Arkiv");
  HMENU context = wk_MenuAddPopup(bar, "Sammanhang");
  EXPECT_EQ(wk_MenuAppendItem(context, "Klipp ut", 301), 0);
  EXPECT_EQ(wk_MenuAppendItem(context, "Kopiera", 302), 0);
  EXPECT_EQ(wk_MenuBarAttach(w, bar), 0);
  // A child control with a sunken edge of 2 pixels, which records the
  // commands (the popup's owner is the child).
  wktest::TestWindow child(w, 20, 20, 200, 100, WS_EX_CLIENTEDGE);
  // Points on the right and bottom edges are outside; left and top inside.
  g_popup = {};
  EXPECT_EQ(wk_MenuTrackPopup(child, MAKELPARAM(50, 10), 1, 10, 5, 50, 40), 1);
  EXPECT_EQ(wk_MenuTrackPopup(child, MAKELPARAM(20, 40), 1, 10, 5, 50, 40), 1);
  EXPECT_EQ(wk_MenuTrackPopup(child, MAKELPARAM(9, 10), 1, 10, 5, 50, 40), 1);
  EXPECT_EQ(wk_MenuTrackPopup(child, MAKELPARAM(20, 4), 1, 10, 5, 50, 40), 1);
  EXPECT_EQ(wk_MenuTrackPopup(child, MAKELPARAM(10, 5), 7, 10, 5, 50, 40), 2);  // no submenu
  EXPECT_EQ(g_popup.right, 0);                                                  // nothing was shown

  // Shown with its corner at the point (the top-left edge is inside) and
  // dismissed with nothing chosen.
  RECT outer{};
  GetWindowRect(child, &outer);
  SetTimer(nullptr, 0, 150, Dismiss);
  EXPECT_NE(wk_MenuTrackPopup(child, MAKELPARAM(10, 5), 1, 10, 5, 50, 40), 2);
  EXPECT_EQ(g_popup.left, outer.left + 2 + 10);
  EXPECT_EQ(g_popup.top, outer.top + 2 + 5);
  wktest::Pump(50);
  EXPECT_TRUE(child.Of(WM_COMMAND).empty());

  // The chosen item reaches the child as WM_COMMAND.
  SetTimer(nullptr, 0, 150, ChooseSecond);
  EXPECT_NE(wk_MenuTrackPopup(child, MAKELPARAM(30, 30), 1, 10, 5, 50, 40), 2);
  wktest::Pump(100);
  EXPECT_TRUE(child.Sequence(Command(302)));
}

TEST(MenuTrackPopup, TopLevelWindowGetsTheChosenCommand) {
  MenuWindow w;
  HMENU bar = wk_MenuCreate();
  HMENU context = wk_MenuAddPopup(bar, "Sammanhang");
  EXPECT_EQ(wk_MenuAppendItem(context, "Klipp ut", 301), 0);
  EXPECT_EQ(wk_MenuAppendItem(context, "Kopiera", 302), 0);
  EXPECT_EQ(wk_MenuBarAttach(w, bar), 0);
  SetTimer(nullptr, 0, 150, ChooseSecond);
  const int shown = wk_MenuTrackPopup(w, MAKELPARAM(30, 30), 0, 0, 0, 100, 100);
  EXPECT_NE(shown, 2);
  wktest::Pump(100);
  EXPECT_TRUE(w.Sequence(Command(302)));
}

TEST(SystemMenu, ItemsGoIntoTheWindowsOwnCopy) {
  MenuWindow w;
  HMENU sys = GetSystemMenu(w, FALSE);
  const int standard = GetMenuItemCount(sys);
  ASSERT_GT(standard, 0);
  EXPECT_EQ(wk_SysMenuInsert(w, 1, "\xD6verst", 401), 0);
  EXPECT_EQ(At(sys, 0).id, 401u);
  EXPECT_EQ(At(sys, 0).text, "\xD6verst");
  EXPECT_EQ(wk_SysMenuAppendSeparator(w), 0);
  EXPECT_EQ(wk_SysMenuAppend(w, "Sist", 402), 0);
  EXPECT_EQ(wk_SysMenuAppendChecked(w, "Vald", 403), 0);
  EXPECT_EQ(wk_SysMenuAppendGrayed(w, "Gr\xE5", 404), 0);
  EXPECT_EQ(wk_SysMenuAppendCheckBitmap(w, kMark, "M\xE4rkt", 405), 0);
  EXPECT_EQ(wk_SysMenuAppendBitmap(w, kPicture, 406), 0);
  EXPECT_EQ(wk_SysMenuInsertSeparator(w, 2), 0);
  EXPECT_EQ(wk_SysMenuInsertChecked(w, 2, "iv", 407), 0);
  EXPECT_EQ(wk_SysMenuInsertGrayed(w, 2, "ig", 408), 0);
  EXPECT_EQ(wk_SysMenuInsertBitmap(w, 2, kPicture, 409), 0);
  EXPECT_EQ(wk_SysMenuInsertCheckBitmap(w, 2, kMark, "im", 410), 0);
  EXPECT_EQ(GetMenuItemCount(sys), standard + 12);

  // At the end: separator (identifier 1), 402, 403 checked, 404 grayed,
  // 405 checked with its mark, 406 a bitmap.
  const int n = GetMenuItemCount(sys);
  EXPECT_EQ(At(sys, n - 6).id, 1u);
  EXPECT_TRUE(At(sys, n - 6).type & MFT_SEPARATOR);
  EXPECT_TRUE(Checked(At(sys, n - 4)));
  EXPECT_TRUE(Grayed(At(sys, n - 3)));
  EXPECT_TRUE(Checked(At(sys, n - 2)));
  EXPECT_EQ(WidthOf(At(sys, n - 2).checked), 16);
  EXPECT_EQ(WidthOf(At(sys, n - 1).picture), 24);
  // Inserted at 2: 410 409 408 407 separator(0).
  const UINT ids[] = {401, 410, 409, 408, 407, 0};
  for (int i = 0; i < 6; ++i) EXPECT_EQ(At(sys, i).id, ids[i]) << i;
  EXPECT_TRUE(Checked(At(sys, 1)));  // unlike a menu bar's inserted marked item
  EXPECT_EQ(WidthOf(At(sys, 1).checked), 16);
  EXPECT_EQ(WidthOf(At(sys, 2).picture), 24);
  EXPECT_TRUE(Grayed(At(sys, 3)));
  EXPECT_TRUE(Checked(At(sys, 4)));

  EXPECT_EQ(wk_SysMenuModify(w, "\xC4ndrad", 401), 0);
  EXPECT_EQ(At(sys, 0).text, "\xC4ndrad");
  EXPECT_EQ(wk_SysMenuModify(w, "x", 4711), 1);
  EXPECT_EQ(wk_SysMenuModify(w, nullptr, 401), 1);
  EXPECT_EQ(wk_SysMenuModifyChecked(w, "c", 401), 0);
  EXPECT_TRUE(Checked(At(sys, 0)));
  EXPECT_EQ(wk_SysMenuModifyUnchecked(w, "u", 401), 0);
  EXPECT_FALSE(Checked(At(sys, 0)));
  EXPECT_EQ(wk_SysMenuModifyGrayed(w, "g", 401), 0);
  EXPECT_TRUE(Grayed(At(sys, 0)));
  EXPECT_EQ(wk_SysMenuModifyEnabled(w, "e", 401), 0);
  EXPECT_FALSE(Grayed(At(sys, 0)));
  EXPECT_EQ(wk_SysMenuModifyCheckBitmap(w, kMark, "cb", 401), 0);
  EXPECT_TRUE(Checked(At(sys, 0)));
  EXPECT_EQ(WidthOf(At(sys, 0).checked), 16);
  EXPECT_EQ(wk_SysMenuModifyCheckBitmap(w, kMark, "cb", 4711), 1);
  EXPECT_EQ(wk_SysMenuModifyBitmap(w, kPicture, 401), 0);
  EXPECT_EQ(WidthOf(At(sys, 0).picture), 24);

  EXPECT_EQ(wk_SysMenuDelete(w, 1), 0);
  EXPECT_EQ(At(sys, 0).id, 410u);
  // The same copy is used every time: it was not reset in between.
  EXPECT_EQ(GetSystemMenu(w, FALSE), sys);
}
