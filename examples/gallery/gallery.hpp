// The toolkit gallery: one window whose pages show the toolkit's controls and
// drawing, and whose menu opens every dialog. Built on the public wk_ headers
// alone, as any program using the toolkit would be.
//
// The window is made by wk_WindowCreate, so AppWindowProc serves it. A page
// is a set of child controls made when the page is chosen and destroyed when
// another one is; the toolbar, status bar and menu bar stay.
#pragma once

#include <windows.h>

#include <vector>

namespace gallery {

constexpr char kTitle[] = "wk Gallery";
constexpr int kWidth = 800;
constexpr int kHeight = 600;

// Commands. The edit fields report every key typed in them to the parent as
// WM_COMMAND(key code, 0), which looks exactly like a menu command, so every
// command id lies above the range of key codes.
enum Command : int {
  // Pages, in the order of the toolbar and the Pages menu.
  kPageFirst = 0x1000,
  kPageButtons = kPageFirst,
  kPageControls,
  kPageFields,
  kPageList,
  kPageWordProc,
  kPageRichEdit,
  kPageIcon,
  kPageDrawing,
  kPageDialogs,
  kPageEnd,

  // Dialogs.
  kDialogInformation = 0x1100,
  kDialogQuestion,
  kDialogWarning,
  kDialogStop,
  kDialogShowMessage,
  kDialogSaveChanges,
  kDialogModal,
  kDialogModeless,
  kDialogColour,
  kDialogOpen,
  kDialogSave,
  kDialogFont,
  kDialogFind,
  kDialogPrint,
  kDialogEnd,

  // What wk_FindMessage posts for the find dialog's requests.
  kFindUp = 0x1180,
  kFindDown,

  // Menu items that show the item kinds.
  kMenuChecked = 0x1200,
  kMenuGrayed,
  kMenuBitmap,
  kMenuMarked,
  kMenuAbout,
  kMenuExit,

  // Controls on the pages.
  kControlFirst = 0x2000,
};

constexpr int kPageCount = kPageEnd - kPageFirst;
constexpr int kDialogCount = kDialogEnd - kDialogInformation;

// One page: its command, its name in menus and captions, its toolbar image.
struct PageInfo {
  int command;
  const char* name;
  const char* bitmap;
};
const PageInfo& Page(int command);

// Where pages may put their controls: below the toolbar, above the status bar.
constexpr int kPageTop = 44;
constexpr int kPageLeft = 12;

// The program's shared state. One window, one thread.
struct State {
  HWND window = nullptr;
  HWND toolbar = nullptr;
  HWND status = nullptr;
  int page = 0;                  // the shown page's command, 0 before the first
  std::vector<HWND> controls;    // the shown page's controls
  HWND find_dialog = nullptr;    // the modeless find dialog, while open
  HWND modeless = nullptr;       // the modeless dialog window, while open
  HWND text_for_find = nullptr;  // the control the find dialog searches
};
State& Shared();

// The window's fixed parts (chrome.cpp): menu bar, toolbar, status bar.
void BuildChrome(HWND window);
// Checks the page's item and button, names the page in the status bar.
void ChromeShowsPage(int command);
void ChromeReport(const char* text);
// WM_NOTIFY: the toolbar's tooltip requests.
void ChromeNotify(NMHDR* header);
// Carries out the commands of the Items and File menus; false for others.
bool ChromeMenuCommand(HWND window, int command);
// The caret timer: shows what `caret` tells in the status bar.
void ChromeCaretTick(bool (*caret)(int& line, int& column));

// Shows a short line saying what happened (the last dialog's answer, the
// slider's value ...) where the user sees it.
void Report(const char* text);

// Pages: each builder makes its page's controls (and remembers them in
// Shared().controls); the painter draws what is not a control.
void BuildButtonsPage(HWND window);
void BuildControlsPage(HWND window);
void BuildDialogsPage(HWND window);
HWND BuildRichEditPage(HWND window);
void BuildFieldsPage(HWND window);
void BuildIconPage(HWND window);
void BuildListPage(HWND window);
HWND BuildWordProcPage(HWND window);
void PaintButtonsPage(HWND window);
void PaintControlsPage(HWND window);
void PaintDialogsPage(HWND window);
void PaintRichEditPage(HWND window);
void PaintFieldsPage(HWND window);
void PaintIconPage(HWND window);
void PaintListPage(HWND window);
void PaintWordProcPage(HWND window);
void PaintDrawingPage(HWND window);
void PaintPageHeading(HWND window, const char* heading, const char* line);

// Messages the pages answer; each returns true when it handled the message.
bool ControlsPageScroll(HWND window, WPARAM wparam, LPARAM lparam);
bool ButtonsPageCommand(HWND window, int command);
bool ControlsPageCommand(HWND window, int command);
bool IconPageCommand(HWND window, int command);
bool ListPageCommand(HWND window, int command);
// WM_NOTIFY from the list view: label editing and sorting.
bool ListPageNotify(HWND window, NMHDR* header);
// WM_DRAWITEM: the image button's look.
bool ButtonsPageDrawItem(int id, const DRAWITEMSTRUCT* item);
// A click or a drag at (x, y) of the client area on the icon page.
bool IconPageMouse(HWND window, int x, int y);
bool FieldsPageScroll(HWND window, WPARAM wparam, LPARAM lparam);
// WM_CTLCOLOREDIT: the brush of a field with colours of its own, or NULL.
HBRUSH FieldsPageColour(HDC dc, HWND control);

// The word processor while its page is shown, else NULL.
HWND WordProcessor();
// The word processor's caret: line and column counted from 1. False when
// there is no word processor.
bool WordProcCaret(int& line, int& column);

// Opens the dialog of a dialog command. Returns true when it was one.
bool OpenDialog(HWND window, int command);
// Passes a message the window procedure does not handle to the find
// dialog's routine; true when it was the find dialog's notification.
bool FindDialogMessage(HWND window, UINT message, LPARAM lparam);
// Carries out a search the find dialog asked for (kFindUp, kFindDown).
void FindRequested(HWND window, int command);

}  // namespace gallery
