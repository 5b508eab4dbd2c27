// The buttons page: push buttons in every alignment and frame, with images,
// fonts and states.
#include <windows.h>

#include <cstdio>

#include "gallery.hpp"
#include "wk_controls.h"
#include "wk_draw.h"

namespace gallery {

namespace {

constexpr const char* kAlignments[] = {"L", "R", "T", "B", "C", "LB", "LT", "RB", "RT"};
constexpr const char* kFrames[] = {"NORMAL", "SHADOW",     "SUNKEN", "SUNKEN_SHADOW",
                                   "BAR",    "BAR_SHADOW", "EDGE",   "EDGE_SHADOW"};

enum : int {
  kToggle = kControlFirst + 100,
  kTarget,
  kDisable,
  kDisabled,
  kBigFont,
};

constexpr int kRowAlign = kPageTop + 20;
constexpr int kRowFrame = kRowAlign + 76;
constexpr int kRowImage = kRowFrame + 68;
constexpr int kRowState = kRowImage + 76;

HWND Keep(HWND control) {
  Shared().controls.push_back(control);
  return control;
}

HFONT BigFont() {
  static HFONT font = wk_CreateFont(22, 0, 0, FW_BOLD, 1, 0, "Times New Roman");
  return font;
}

}  // namespace

void BuildButtonsPage(HWND window) {
  int x = kPageLeft;
  int id = kControlFirst;
  for (const char* alignment : kAlignments) {
    Keep(wk_ButtonCreate(window, x, kRowAlign, 80, 48, alignment, alignment, "NORMAL", id++));
    x += 86;
  }
  x = kPageLeft;
  for (const char* frame : kFrames) {
    Keep(wk_ButtonCreate(window, x, kRowFrame, 90, 36, frame, "C", frame, id++));
    x += 97;
  }

  HWND bitmap =
      Keep(wk_ButtonCreate(window, kPageLeft, kRowImage, 120, 40, "Bitmap", "C", "NORMAL", id++));
  wk_ButtonSetBitmap(bitmap, "C", "BUTTON_OK");
  HWND icon = Keep(
      wk_ButtonCreate(window, kPageLeft + 130, kRowImage, 60, 52, "Icon", "C", "NORMAL", id++));
  wk_ButtonSetIcon(icon, "C", "GALLERY_ICON");
  x = kPageLeft + 200;
  for (const char* stock : {"WINLOGO", "ASTERISK", "EXCLAMATION", "HAND", "QUESTION"}) {
    HWND button = Keep(wk_ButtonCreate(window, x, kRowImage, 52, 52, stock, "C", "NORMAL", id++));
    wk_ButtonSetStockIcon(button, "C", stock);
    x += 58;
  }

  Keep(wk_ButtonCreate(window, kPageLeft, kRowState, 150, 32, "Push the other one", "C", "SHADOW",
                       kToggle));
  Keep(wk_ButtonCreate(window, kPageLeft + 160, kRowState, 110, 32, "Released", "C", "NORMAL",
                       kTarget));
  Keep(wk_ButtonCreate(window, kPageLeft + 300, kRowState, 150, 32, "Disable the next one", "C",
                       "NORMAL", kDisable));
  Keep(wk_ButtonCreate(window, kPageLeft + 460, kRowState, 110, 32, "Enabled", "C", "NORMAL",
                       kDisabled));
  HWND big = Keep(wk_ButtonCreate(window, kPageLeft + 600, kRowState, 160, 40, "Own font", "C",
                                  "EDGE", kBigFont));
  wk_ButtonSetFont(big, BigFont());
}

void PaintButtonsPage(HWND window) {
  wk_WriteText(window, kPageLeft, kRowAlign - 18, "Alignment keywords", RGB(0, 0, 96), nullptr, 0);
  wk_WriteText(window, kPageLeft, kRowFrame - 18, "Frame keywords", RGB(0, 0, 96), nullptr, 0);
  wk_WriteText(window, kPageLeft, kRowImage - 18, "Bitmap, icon and system icons", RGB(0, 0, 96),
               nullptr, 0);
  wk_WriteText(window, kPageLeft, kRowState - 18, "Pushed and released, disabled, own font",
               RGB(0, 0, 96), nullptr, 0);
}

bool ButtonsPageCommand(HWND window, int command) {
  HWND target = GetDlgItem(window, kTarget);
  HWND disabled = GetDlgItem(window, kDisabled);
  char line[160];
  switch (command) {
    case kToggle:
      if (wk_ButtonGetState(target) & BST_PUSHED) {
        wk_ButtonSetReleased(target);
        wk_ButtonSetText(target, "Released");
      } else {
        wk_ButtonSetPushed(target);
        wk_ButtonSetText(target, "Pushed");
      }
      std::snprintf(line, sizeof line, "Button state: 0x%X", wk_ButtonGetState(target));
      Report(line);
      return true;
    case kDisable:
      if (wk_ButtonDisable(disabled) == 0) {
        wk_ButtonSetText(disabled, "Disabled");
      } else {
        wk_ButtonEnable(disabled);
        wk_ButtonSetText(disabled, "Enabled");
      }
      return true;
    default:
      if (command >= kControlFirst && command < kToggle) {
        char caption[255];
        wk_ButtonGetText(GetDlgItem(window, command), caption);
        std::snprintf(line, sizeof line, "Pressed \"%s\"", caption);
        Report(line);
        return true;
      }
      return false;
  }
}

}  // namespace gallery
