// A window with everything of the bars and the icon editor at once: a menu
// bar, a toolbar, a status bar, a progress bar and the icon canvas in each
// style. With WK_HOLD_MS set it stays on screen that long (and then as long
// again with a context menu open), so it can be looked at.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <cstdlib>

#include "wk_controls.h"
#include "wk_draw.h"
#include "wk_menus.h"
#include "wk_windows.h"
#include "wktest.hpp"

namespace {

int HoldMs() {
  const char* hold = std::getenv("WK_HOLD_MS");
  return hold ? std::atoi(hold) : 0;
}

void CALLBACK CloseMenu(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(nullptr, id);
  EndMenu();
}

// A red disc with a yellow rim on a transparent ground, a blue bar across.
void Picture(int* image) {
  for (int row = 0; row < 32; ++row) {
    for (int column = 0; column < 32; ++column) {
      const int dx = 2 * column - 31, dy = 2 * row - 31, r2 = dx * dx + dy * dy;
      int value = 16;
      if (r2 < 26 * 26) value = 11;
      if (r2 < 22 * 22) value = 9;
      if (row >= 14 && row <= 17 && column >= 4 && column <= 27) value = 12;
      image[row * 32 + column] = value;
    }
  }
}

}  // namespace

TEST(BarsShowcase, MenuToolbarStatusProgressAndCanvases) {
  HWND w = wk_WindowCreate(GetModuleHandleA(nullptr), "Staplar och ikoner", 40, 20, 800, 470,
                           "MIN_MAX_CLO");
  ASSERT_NE(w, nullptr);
  SetForegroundWindow(w);
  wktest::Pump(50);

  HMENU bar = wk_MenuCreate();
  HMENU file = wk_MenuAddPopup(bar, "&Arkiv");
  wk_MenuAppendItem(file, "&Ny", 101);
  wk_MenuAppendCheckedItem(file, "&Sparad", 102);
  wk_MenuAppendGrayedItem(file, "Skriv &ut", 103);
  wk_MenuAppendSeparator(file);
  wk_MenuAppendMarkedItem(file, "MARK16", "M\xE4rkt", 104);
  wk_MenuAppendBitmapItem(file, "PIC24", 105);
  HMENU view = wk_MenuAddPopup(bar, "&Visa");
  wk_MenuAppendItem(view, "Rutn\xE4t", 201);
  wk_MenuAppendCheckedItem(view, "Prickar", 202);
  wk_MenuAddPopup(bar, "&Hj\xE4lp");
  ASSERT_EQ(wk_MenuBarAttach(w, bar), 0);
  wk_SysMenuInsert(w, 1, "Om ikonerna", 301);

  HWND toolbar = wk_ToolbarCreate(w, "BORDER", 0);
  wk_ToolbarAddButton(toolbar, "PUSH", "ACTIVE", "", "TB_RED", 0, 401);
  wk_ToolbarAddButton(toolbar, "PUSHDOWN", "ACTIVEDOWN", "", "TB_GREEN", 0, 402);
  wk_ToolbarAddSpacer(toolbar, "SPACE", "SIDE", 12);
  wk_ToolbarAddButton(toolbar, "PUSHDOWNGROUP", "ACTIVE", "", "TB_BLUE", 0, 403);
  wk_ToolbarAddButton(toolbar, "PUSHDOWNGROUP", "NONACTIVE", "", "TB_YELLOW", 0, 404);
  ASSERT_EQ(wk_ToolbarDock(toolbar, "T", 30, 0, 0, 2), 0);

  HWND status = wk_StatusCreate(w, "NOBARSIZEGRIP");
  wk_StatusSetPartText(status, 1, 200, "", "Rad 12, kolumn 7");
  wk_StatusSetPartText(status, 2, 250, "BAR", "\xC4ndrad");
  wk_StatusSetPartText(status, 3, 300, "FLAT", "Klar");
  HFONT font = wk_StatusMakeFont(status, 9, FW_NORMAL, 1, 0, "Tahoma");
  wk_StatusSetFont(status, font);

  HWND progress = wk_ProgressCreate(w, 20, 50, 300, 18, "SUNKEN", 100, 10);
  for (int i = 0; i < 6; ++i) wk_ProgressStep(progress);
  wktest::Pump(100);

  int palette[48], image[1024];
  wk_IconDefaultPalette(palette);
  Picture(image);
  const char* styles[] = {"NO_STYLE", "GRID", "DOT", "GRID_DOT", "MASK"};
  for (int i = 0; i < 5; ++i) {
    wk_WriteText(w, 20 + i * 152, 90, styles[i], RGB(0, 0, 0), nullptr, 0);
    wk_IconDrawCanvas(w, 20 + i * 152, 112, 128, image, palette, RGB(255, 0, 255), styles[i]);
  }
  wk_IconDrawCanvas(w, 350, 250, 32, image, palette, RGB(255, 0, 255), "");
  wk_IconDrawCanvas(w, 400, 258, 16, image, palette, RGB(255, 0, 255), "");

  // What the window shows, in a few places.
  EXPECT_EQ(GetMenu(w), bar);
  char text[64];
  EXPECT_EQ(wk_StatusGetText(status, 3, text), 4);
  EXPECT_EQ(SendMessageA(progress, PBM_GETPOS, 0, 0), 60);
  EXPECT_EQ(wktest::PixelAt(w, 20 + 64, 112 + 64), RGB(0, 0, 255));          // the bar across
  EXPECT_EQ(wktest::PixelAt(w, 20 + 1, 112 + 1), RGB(255, 0, 255));          // a transparent corner
  EXPECT_EQ(wktest::PixelAt(w, 20 + 4 * 152 + 64, 112 + 40), RGB(0, 0, 0));  // mask view

  if (const int hold = HoldMs()) {
    wktest::Pump(hold);
    SetTimer(nullptr, 0, static_cast<UINT>(hold), CloseMenu);
    wk_MenuTrackPopup(w, MAKELPARAM(560, 270), 0, 0, 0, 800, 470);
  }
  DestroyWindow(w);
  DeleteObject(font);
}
