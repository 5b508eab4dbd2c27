// The gallery's start, its message loop and its window procedure: page
// switching, and the routing of commands, notifications, scroll, mouse and
// paint messages to the pages and the window's fixed parts.
#include <windows.h>

#include <cstring>

#include "gallery.hpp"
#include "wk_controls.h"
#include "wk_draw.h"
#include "wk_text.h"
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

void DestroyPageControls() {
  for (HWND control : Shared().controls) DestroyWindow(control);
  Shared().controls.clear();
}

void ShowPage(HWND window, int command) {
  State& state = Shared();
  DestroyPageControls();
  state.text_for_find = nullptr;
  state.page = command;
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
    case kPageFields:
      BuildFieldsPage(window);
      break;
    case kPageWordProc:
      BuildWordProcPage(window);
      break;
    case kPageRichEdit:
      BuildRichEditPage(window);
      break;
    case kPageIcon:
      BuildIconPage(window);
      break;
    case kPageList:
      BuildListPage(window);
      break;
    case kPageDialogs:
      BuildDialogsPage(window);
      break;
    default:
      break;
  }
  ChromeShowsPage(command);
  wk_WindowRepaint(window, "ERASED");
}

void Paint(HWND window) {
  switch (Shared().page) {
    case kPageButtons:
      PaintButtonsPage(window);
      break;
    case kPageControls:
      PaintControlsPage(window);
      break;
    case kPageFields:
      PaintFieldsPage(window);
      break;
    case kPageWordProc:
      PaintWordProcPage(window);
      break;
    case kPageRichEdit:
      PaintRichEditPage(window);
      break;
    case kPageIcon:
      PaintIconPage(window);
      break;
    case kPageDrawing:
      PaintDrawingPage(window);
      break;
    case kPageDialogs:
      PaintDialogsPage(window);
      break;
    case kPageList:
      PaintListPage(window);
      break;
    default:
      break;
  }
  // Each drawing operation ran a paint cycle of its own, which validated the
  // window. (ValidateRect would not do here: on a window without
  // WS_CLIPCHILDREN it validates the children too, which then never paint.)
  // A page that draws nothing still needs one cycle.
  wk_WriteText(window, 0, 0, "", 0, nullptr, 0);
}

bool PageCommand(HWND window, int command) {
  switch (Shared().page) {
    case kPageButtons:
      return ButtonsPageCommand(window, command);
    case kPageControls:
      return ControlsPageCommand(window, command);
    case kPageIcon:
      return IconPageCommand(window, command);
    case kPageList:
      return ListPageCommand(window, command);
    default:
      return false;
  }
}

void OnCommand(HWND window, int command) {
  if (command >= kPageFirst && command < kPageEnd) {
    ShowPage(window, command);
  } else if (command == kFindUp || command == kFindDown) {
    FindRequested(window, command);
  } else if (command == kMenuExit) {
    wk_WindowDestroy(window);
  } else if (!OpenDialog(window, command) && !ChromeMenuCommand(window, command)) {
    PageCommand(window, command);
  }
}

// The caret of the page's text control that has the focus, counted from 1.
bool CaretOfPage(int& line, int& column) {
  if (WordProcCaret(line, column)) return true;
  HWND focus = GetFocus();
  HWND text = Shared().text_for_find;
  if (Shared().page == kPageRichEdit && text != nullptr && focus == text) {
    line = wk_RichEditCaretLine(text);
    const int position = wk_RichEditCaretPosition(text, "FORMAT");
    column = position - static_cast<int>(SendMessageA(text, EM_LINEINDEX, line - 1, 0)) + 1;
    return true;
  }
  // A one-line field: the caret sits at the selection's end.
  char class_name[16] = "";
  if (focus != nullptr) GetClassNameA(focus, class_name, sizeof class_name);
  if (focus != nullptr && GetParent(focus) == Shared().window &&
      lstrcmpiA(class_name, "Edit") == 0) {
    DWORD start = 0, end = 0;
    SendMessageA(focus, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
    line = 1;
    column = static_cast<int>(end) + 1;
    return true;
  }
  return false;
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

void Report(const char* text) { ChromeReport(text); }

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
    case WM_NOTIFY:
      if (Shared().page == kPageList && ListPageNotify(window, reinterpret_cast<NMHDR*>(lparam))) {
        return 0;
      }
      ChromeNotify(reinterpret_cast<NMHDR*>(lparam));
      return 0;
    case WM_DRAWITEM:
      if (Shared().page == kPageButtons &&
          ButtonsPageDrawItem(static_cast<int>(wparam),
                              reinterpret_cast<const DRAWITEMSTRUCT*>(lparam))) {
        return TRUE;
      }
      break;
    case WM_TIMER:
      ChromeCaretTick(CaretOfPage);
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
    case WM_LBUTTONDOWN:
      if (Shared().page == kPageIcon) IconPageMouse(window, LOWORD(lparam), HIWORD(lparam));
      return 0;
    case WM_MOUSEMOVE:
      if (Shared().page == kPageIcon && (wparam & MK_LBUTTON)) {
        IconPageMouse(window, LOWORD(lparam), HIWORD(lparam));
      }
      return 0;
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
  HWND window = wk_WindowCreate(module, kTitle, 60, 10, kWidth, kHeight, "MIN_NOMAX_CLO");
  if (window == nullptr) return 1;
  Shared().window = window;
  wk_WindowSetIcon(window, "GALLERY_ICON");
  BuildChrome(window);
  ShowPage(window, kPageButtons);
  Report("Choose a page from the toolbar or the Pages menu.");
  return RunMessageLoop();
}
