// The window's fixed parts: the menu bar (with one menu that shows every
// kind of item), the toolbar with its tooltips, and the status bar with the
// last report, the caret's line and column, and the page.
#include <windows.h>

#include <cstdio>
#include <cstring>

#include "gallery.hpp"
#include "wk_controls.h"
#include "wk_menus.h"

namespace gallery {

namespace {

constexpr int kToolbarThickness = 30;
constexpr UINT_PTR kCaretTimer = 1;
constexpr int kCaretPeriodMs = 200;

// Status bar parts, from the left.
constexpr int kPartReport = 1;
constexpr int kPartCaret = 2;
constexpr int kPartPage = 3;

constexpr struct {
  int command;
  const char* text;
} kDialogItems[] = {
    {kDialogInformation, "&Information box"},
    {kDialogQuestion, "&Question box"},
    {kDialogWarning, "&Warning box"},
    {kDialogStop, "&Stop box"},
    {kDialogShowMessage, "Plain &notice"},
    {kDialogSaveChanges, "Save &changes?"},
    {0, nullptr},
    {kDialogModal, "&Modal dialog"},
    {kDialogModeless, "Mode&less dialog"},
    {0, nullptr},
    {kDialogColour, "&Colour..."},
    {kDialogOpen, "&Open..."},
    {kDialogSave, "Save &as..."},
    {kDialogFont, "&Font..."},
    {kDialogFind, "&Find..."},
    {kDialogPrint, "&Print..."},
};

struct Chrome {
  HMENU pages = nullptr;
  HMENU items = nullptr;
  bool checked = true;
  char caret[64] = "";
};
Chrome g_chrome;

void BuildMenuBar(HWND window) {
  HMENU bar = wk_MenuCreate();
  HMENU file = wk_MenuAddPopup(bar, "&File");
  wk_MenuAppendItem(file, "&About the gallery", kMenuAbout);
  wk_MenuAppendSeparator(file);
  wk_MenuAppendItem(file, "E&xit", kMenuExit);

  g_chrome.pages = wk_MenuAddPopup(bar, "&Pages");
  for (int command = kPageFirst; command < kPageEnd; ++command) {
    wk_MenuAppendItem(g_chrome.pages, Page(command).name, command);
  }

  HMENU dialogs = wk_MenuAddPopup(bar, "&Dialogs");
  for (const auto& item : kDialogItems) {
    if (item.text == nullptr) {
      wk_MenuAppendSeparator(dialogs);
    } else {
      wk_MenuAppendItem(dialogs, item.text, item.command);
    }
  }

  // Every kind of item: checked, grayed, a bitmap, a marked item whose
  // check mark is a bitmap of the program.
  g_chrome.items = wk_MenuAddPopup(bar, "&Items");
  wk_MenuAppendCheckedItem(g_chrome.items, "&Checked item (click to toggle)", kMenuChecked);
  wk_MenuAppendGrayedItem(g_chrome.items, "&Grayed item", kMenuGrayed);
  wk_MenuAppendSeparator(g_chrome.items);
  wk_MenuAppendBitmapItem(g_chrome.items, "MENU_BITMAP", kMenuBitmap);
  wk_MenuAppendMarkedItem(g_chrome.items, "MARK_STAR", "&Marked item", kMenuMarked);
  wk_MenuBarAttach(window, bar);
}

void BuildToolbar(HWND window) {
  HWND toolbar = wk_ToolbarCreate(window, "NOBORDER", kToolbarThickness);
  Shared().toolbar = toolbar;
  for (int command = kPageFirst; command < kPageEnd; ++command) {
    if (command == kPageDialogs) wk_ToolbarAddSpacer(toolbar, "SPACE", "SIDE", 12);
    wk_ToolbarAddButton(toolbar, "PUSHDOWNGROUP", "ACTIVE", "", Page(command).bitmap, -1, command);
  }
}

void BuildStatusBar(HWND window) {
  HWND status = wk_StatusCreate(window, "NOBAR");
  Shared().status = status;
  // Widths in pixels; the border word "" gives the platform's sunken part.
  wk_StatusSetPartText(status, kPartReport, 540, "", "");
  wk_StatusSetPartText(status, kPartCaret, 150, "", "");
  wk_StatusSetPartText(status, kPartPage, 110, "", "");
}

}  // namespace

void BuildChrome(HWND window) {
  BuildMenuBar(window);
  BuildToolbar(window);
  BuildStatusBar(window);
  SetTimer(window, kCaretTimer, kCaretPeriodMs, nullptr);
}

void ChromeShowsPage(int command) {
  for (int page = kPageFirst; page < kPageEnd; ++page) {
    if (page == command) {
      wk_MenuCheckItem(g_chrome.pages, nullptr, page);
      wk_ToolbarCheckButton(Shared().toolbar, page);
    } else {
      wk_MenuUncheckItem(g_chrome.pages, nullptr, page);
      wk_ToolbarUncheckButton(Shared().toolbar, page);
    }
  }
  wk_StatusSetText(Shared().status, kPartPage, "", Page(command).name);
}

void ChromeReport(const char* text) { wk_StatusSetText(Shared().status, kPartReport, "", text); }

void ChromeNotify(NMHDR* header) {
  if (header == nullptr) return;
  // The toolbar's tooltips ask for their texts; each call answers for one
  // button and leaves other requests alone.
  for (int command = kPageFirst; command < kPageEnd; ++command) {
    wk_ToolbarTooltip(header, command, Page(command).name);
  }
}

bool ChromeMenuCommand(HWND window, int command) {
  char line[96];
  switch (command) {
    case kMenuChecked:
      g_chrome.checked = !g_chrome.checked;
      if (g_chrome.checked) {
        wk_MenuCheckItem(g_chrome.items, nullptr, kMenuChecked);
      } else {
        wk_MenuUncheckItem(g_chrome.items, nullptr, kMenuChecked);
      }
      Report(g_chrome.checked ? "Checked item: checked" : "Checked item: unchecked");
      return true;
    case kMenuBitmap:
      Report("Bitmap item chosen");
      return true;
    case kMenuMarked:
      Report("Marked item chosen");
      return true;
    case kMenuAbout:
      std::snprintf(line, sizeof line, "%s: every control of the wk_ toolkit.", kTitle);
      Report(line);
      return true;
    default:
      (void)window;
      return false;
  }
}

// The caret of the focused text control, as "Line l, column c" (both from
// 1); the status bar is rewritten only when that changes.
void ChromeCaretTick(bool (*caret)(int& line, int& column)) {
  int line = 0, column = 0;
  char text[64] = "";
  if (caret(line, column)) std::snprintf(text, sizeof text, "Line %d, column %d", line, column);
  if (std::strcmp(text, g_chrome.caret) == 0) return;
  std::strcpy(g_chrome.caret, text);
  wk_StatusSetText(Shared().status, kPartCaret, "", text);
}

}  // namespace gallery
