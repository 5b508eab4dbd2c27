// The buttons page: push buttons in every alignment and frame, with images,
// fonts and states; check boxes and radio buttons in group boxes, and an
// image button drawn from two bitmaps.
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
  kImage,
  kCheckFirst,                    // three check boxes
  kRadioFirst = kCheckFirst + 3,  // three radio buttons
};

constexpr int kRowAlign = kPageTop + 20;
constexpr int kRowFrame = kRowAlign + 76;
constexpr int kRowImage = kRowFrame + 68;
constexpr int kRowState = kRowImage + 76;
constexpr int kRowChecks = kRowState + 70;

constexpr const char* kChecks[] = {"Bold", "Italic", "Underlined"};
constexpr const char* kRadios[] = {"Sine", "Square", "Triangle"};

HWND g_image = nullptr;

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

  // Check boxes and radio buttons size themselves to their captions; group
  // boxes frame them.
  Keep(wk_GroupCreate(window, kPageLeft, kRowChecks, 240, 124, "Check boxes"));
  Keep(wk_GroupCreate(window, kPageLeft + 260, kRowChecks, 240, 124, "Radio buttons"));
  for (int i = 0; i < 3; ++i) {
    HWND check = Keep(wk_CheckCreate(window, kPageLeft + 16, kRowChecks + 26 + i * 30, "SQUARE",
                                     kChecks[i], kCheckFirst + i));
    if (i == 0) wk_CheckSet(check);
    HWND radio = Keep(wk_CheckCreate(window, kPageLeft + 276, kRowChecks + 26 + i * 30, "ROUND",
                                     kRadios[i], kRadioFirst + i));
    if (i == 0) wk_CheckSet(radio);
  }
  Keep(wk_GroupCreate(window, kPageLeft + 520, kRowChecks, 240, 124, "Image button"));
  // Drawn by the page at WM_DRAWITEM, released or pressed.
  g_image =
      Keep(wk_ImageButtonCreate(window, kPageLeft + 540, kRowChecks + 34, 64, 64, "", kImage));
}

bool ButtonsPageDrawItem(int id, const DRAWITEMSTRUCT* item) {
  if (g_image == nullptr || id != kImage) return false;
  wk_ImageButtonDraw(g_image, id, item, "IMAGE_UP", "IMAGE_DOWN");
  return true;
}

void PaintButtonsPage(HWND window) {
  wk_WriteText(window, kPageLeft, kRowAlign - 18, "Alignment keywords", RGB(0, 0, 96), nullptr, 0);
  wk_WriteText(window, kPageLeft, kRowFrame - 18, "Frame keywords", RGB(0, 0, 96), nullptr, 0);
  wk_WriteText(window, kPageLeft, kRowImage - 18, "Bitmap, icon and system icons", RGB(0, 0, 96),
               nullptr, 0);
  wk_WriteText(window, kPageLeft, kRowState - 18, "Pushed and released, disabled, own font",
               RGB(0, 0, 96), nullptr, 0);
  wk_WriteText(window, kPageLeft + 620, kRowChecks + 50, "Press it:", RGB(0, 0, 0), nullptr, 0);
  wk_WriteText(window, kPageLeft + 620, kRowChecks + 68, "two bitmaps", RGB(0, 0, 0), nullptr, 0);
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
    case kImage:
      Report("Image button pressed");
      return true;
    default:
      if (command >= kCheckFirst && command < kRadioFirst + 3) {
        char caption[255];
        HWND box = GetDlgItem(window, command);
        wk_CheckGetText(box, caption);
        std::snprintf(line, sizeof line, "%s: %s", caption,
                      (wk_CheckGetState(box) & BST_CHECKED) ? "checked" : "not checked");
        Report(line);
        return true;
      }
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
