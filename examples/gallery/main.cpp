// The gallery's start, its message loop and its window procedure: page
// switching, and the routing of commands, scroll and paint messages to the
// pages.
#include <windows.h>

#include <cstring>

#include "gallery.hpp"
#include "wk_controls.h"
#include "wk_draw.h"
#include "wk_windows.h"

namespace gallery {

namespace {

constexpr PageInfo kPages[] = {
    {kPageButtons, "Buttons", "TB_BUTTONS"},
    {kPageControls, "Sliders", "TB_CONTROLS"},
    {kPageFields, "Fields", "TB_FIELDS"},
    {kPageList, "List view", "TB_LIST"},
    {kPageWordProc, "Word processor", "TB_WORDPROC"},
    {kPageRichEdit, "Rich edit", "TB_RICHEDIT"},
    {kPageIcon, "Icon canvas", "TB_ICON"},
    {kPageDrawing, "Drawing", "TB_DRAWING"},
    {kPageDialogs, "Dialogs", "TB_DIALOG"},
};
static_assert(sizeof kPages / sizeof kPages[0] == kPageCount);

// The pages not yet built show what they will hold.
constexpr struct {
  int command;
  const char* line;
} kComing[] = {
    {kPageList, "A list view that imports and exports its rows."},
    {kPageIcon, "The icon editor canvas: load, paint and save a 16-colour icon."},
};

// Until the toolbar is there, a row of push buttons chooses the page.
constexpr int kBarButtonWidth = 86;
constexpr int kBarHeight = 26;
std::vector<HWND> g_page_bar;
char g_report[256] = "";

void MakePageBar(HWND window) {
  int x = 2;
  for (const PageInfo& page : kPages) {
    g_page_bar.push_back(wk_ButtonCreate(window, x, 4, kBarButtonWidth, kBarHeight, page.name, "C",
                                         "NORMAL", page.command));
    x += kBarButtonWidth + 2;
  }
}

void ShowPressedPage(int command) {
  for (HWND button : g_page_bar) {
    if (GetDlgCtrlID(button) == command)
      wk_ButtonSetPushed(button);
    else
      wk_ButtonSetReleased(button);
  }
}

void DestroyPageControls() {
  for (HWND control : Shared().controls) DestroyWindow(control);
  Shared().controls.clear();
}

void ShowPage(HWND window, int command) {
  State& state = Shared();
  DestroyPageControls();
  state.text_for_find = nullptr;
  state.page = command;
  ShowPressedPage(command);
  char title[128];
  std::strcpy(title, kTitle);
  std::strcat(title, " - ");
  std::strcat(title, Page(command).name);
  wk_WindowSetText(window, title);
  switch (command) {
    case kPageButtons:
      BuildButtonsPage(window);
      break;
    case kPageControls:
      BuildControlsPage(window);
      break;
    case kPageRichEdit:
      BuildRichEditPage(window);
      break;
    case kPageFields:
      BuildFieldsPage(window);
      break;
    case kPageWordProc:
      BuildWordProcPage(window);
      break;
    case kPageDialogs:
      BuildDialogsPage(window);
      break;
    default:
      break;
  }
  wk_WindowRepaint(window, "ERASED");
}

void PaintReport(HWND window) {
  RECT client{};
  GetClientRect(window, &client);
  wk_FillBox(window, 0, client.bottom - 22, client.right, 22, GetSysColor(COLOR_BTNFACE));
  wk_DrawEtchedLine(window, 0, client.bottom - 24, client.right, "RIGHT", "LOWER", 1);
  wk_WriteText(window, 8, client.bottom - 19, g_report, RGB(0, 0, 0), nullptr, 0);
}

void Paint(HWND window) {
  const int page = Shared().page;
  if (page == kPageDrawing) {
    PaintDrawingPage(window);
  } else if (page == kPageButtons) {
    PaintButtonsPage(window);
  } else if (page == kPageControls) {
    PaintControlsPage(window);
  } else if (page == kPageFields) {
    PaintFieldsPage(window);
  } else if (page == kPageWordProc) {
    PaintWordProcPage(window);
  } else if (page == kPageRichEdit) {
    PaintRichEditPage(window);
  } else if (page == kPageDialogs) {
    PaintDialogsPage(window);
  } else {
    for (const auto& coming : kComing) {
      if (coming.command == page) PaintPageHeading(window, Page(page).name, coming.line);
    }
  }
  PaintReport(window);
  // Each drawing operation ran a paint cycle of its own, which validated the
  // window. (ValidateRect would not do here: on a window without
  // WS_CLIPCHILDREN it validates the children too, which then never paint.)
}

void OnCommand(HWND window, int command) {
  if (command >= kPageFirst && command < kPageEnd) {
    ShowPage(window, command);
    return;
  }
  if (OpenDialog(window, command)) return;
  if (command == kFindUp || command == kFindDown) {
    FindRequested(window, command);
    return;
  }
  if (command == kMenuExit) {
    wk_WindowDestroy(window);
    return;
  }
  if (Shared().page == kPageButtons) ButtonsPageCommand(window, command);
}

int RunMessageLoop() {
  MSG msg{};
  while (GetMessageA(&msg, nullptr, 0, 0)) {
    // The modeless dialogs need their keyboard handling (Tab, Return).
    const State& state = Shared();
    if (state.find_dialog && IsDialogMessageA(state.find_dialog, &msg)) continue;
    if (state.modeless && IsDialogMessageA(state.modeless, &msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  return static_cast<int>(msg.wParam);
}

}  // namespace

const PageInfo& Page(int command) {
  for (const PageInfo& page : kPages) {
    if (page.command == command) return page;
  }
  return kPages[0];
}

State& Shared() {
  static State state;
  return state;
}

void Report(const char* text) {
  std::strncpy(g_report, text, sizeof g_report - 1);
  // Drawn at the next paint: a drawing operation made now would run a paint
  // cycle of its own and so validate (and lose) any repaint still pending.
  HWND window = Shared().window;
  if (window == nullptr) return;
  RECT strip{};
  GetClientRect(window, &strip);
  strip.top = strip.bottom - 24;
  InvalidateRect(window, &strip, TRUE);
}

void PaintPageHeading(HWND window, const char* heading, const char* line) {
  static HFONT heading_font = wk_CreateFont(26, 0, 0, FW_BOLD, 0, 0, "Tahoma");
  wk_WriteText(window, kPageLeft, kPageTop, heading, RGB(0, 0, 96), heading_font, 0);
  wk_WriteText(window, kPageLeft, kPageTop + 32, line, RGB(0, 0, 0), nullptr, 0);
}

}  // namespace gallery

using namespace gallery;

extern "C" LRESULT CALLBACK AppWindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_COMMAND:
      // Menu commands and key codes from edit fields both arrive with no
      // control; buttons name themselves in lparam. Either way the id is
      // what counts.
      OnCommand(window, LOWORD(wparam));
      return 0;
    case WM_HSCROLL:
    case WM_VSCROLL:
      if (Shared().page == kPageControls && ControlsPageScroll(window, wparam, lparam)) return 0;
      if (Shared().page == kPageFields && FieldsPageScroll(window, wparam, lparam)) return 0;
      break;
    case WM_CTLCOLOREDIT:
      if (Shared().page == kPageFields) {
        if (HBRUSH brush =
                FieldsPageColour(reinterpret_cast<HDC>(wparam), reinterpret_cast<HWND>(lparam))) {
          return reinterpret_cast<LRESULT>(brush);
        }
      }
      break;
    case WM_PAINT:
      Paint(window);
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      if (FindDialogMessage(window, message, lparam)) return 0;
      break;
  }
  return DefWindowProcA(window, message, wparam, lparam);
}

int WINAPI WinMain(HINSTANCE module, HINSTANCE, LPSTR, int) {
  HWND window = wk_WindowCreate(module, kTitle, 60, 20, kWidth, kHeight, "MIN_NOMAX_CLO");
  if (window == nullptr) return 1;
  Shared().window = window;
  wk_WindowSetIcon(window, "GALLERY_ICON");
  MakePageBar(window);
  ShowPage(window, kPageButtons);
  Report("Choose a page above.");
  return RunMessageLoop();
}
