// Modal dialogs from the toolkit's named templates, the print dialog, the
// modeless find dialog with its notification routine, and the mouse
// position in a window.
#include <windows.h>
#include <commdlg.h>

#include <cstring>

#include "toolkit/core/message.hpp"
#include "toolkit/core/gdi.hpp"
#include "wk_windows.h"

PRINTDLGA wk_PrintDialogRecord{};
FINDREPLACEA wk_FindDialogRecord{};
FINDREPLACEA* wk_FindNotice = nullptr;

// The records are the platform's own layouts and the dialogs check their
// sizes: on 32-bit Windows the print record is packed to 66 bytes; 64-bit
// Windows has records of its own (120 and 80 bytes) with pointer-sized fields.
#ifndef _WIN64
static_assert(sizeof(PRINTDLGA) == 66, "PRINTDLGA must be the packed 66-byte record");
static_assert(sizeof(FINDREPLACEA) == 40, "FINDREPLACEA must be the 40-byte record");
#endif

namespace {

// The longest selection or search text the find dialog takes.
constexpr int kFindTextMax = 256;
// The find-what buffer: the dialog is told it holds 1024 characters; the
// rest is slack for the terminator.
constexpr WORD kFindWhatLength = 1024;
char g_find_what[1040];

constexpr char kDefaultTitle[] = "Tillverkad fr\xE5n dialog";

INT_PTR TemplateDialog(HWND window, const char* name, DLGPROC procedure) {
  const auto module = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(window, GWLP_HINSTANCE));
  return DialogBoxParamA(module, name, window, procedure, 0);
}

// Messages whose "handled" answer would stop the dialog manager from doing
// the platform's own work: painting (an unvalidated window gets WM_PAINT
// forever, which starves the modal loop), the caption text, activation
// drawing, colours, hit testing and the cursor.
bool PlatformMustHandle(UINT message) {
  switch (message) {
    case WM_PAINT:
    case WM_NCPAINT:
    case WM_ERASEBKGND:
    case WM_NCACTIVATE:
    case WM_SETTEXT:
    case WM_GETTEXT:
    case WM_GETTEXTLENGTH:
    case WM_NCHITTEST:
    case WM_SETCURSOR:
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
      return true;
    default:
      return false;
  }
}

// The ways a person closes a dialog: the close box (and the system menu's
// Close), Alt+F4, WM_CLOSE and Escape give 2 (Cancel), OK or Return 1; 0:
// the message closes nothing.
INT_PTR ClosingResult(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_CLOSE:
      return IDCANCEL;
    case WM_SYSCOMMAND:
      return (wparam & 0xFFF0) == SC_CLOSE ? IDCANCEL : 0;
    case WM_SYSKEYDOWN:
      return wparam == VK_F4 && (HIWORD(lparam) & KF_ALTDOWN) ? IDCANCEL : 0;
    case WM_COMMAND:
      return LOWORD(wparam) == IDOK || LOWORD(wparam) == IDCANCEL ? LOWORD(wparam) : 0;
    default:
      return 0;
  }
}

}  // namespace

INT_PTR wk_ModalDialog(HWND window, DLGPROC procedure) noexcept {
  return TemplateDialog(window, "wk_DLG_MODAL_TEMPLATE_1", procedure);
}

INT_PTR wk_SystemModalDialog(HWND window, DLGPROC procedure) noexcept {
  return TemplateDialog(window, "wk_DLG_SYSTEM_MODAL_TEMPLATE_1", procedure);
}

INT_PTR wk_DefaultModalDialog(HWND window) noexcept {
  return TemplateDialog(window, "MODAL_DIALOG", wk_DefaultDialogProc);
}

// Showing the dialog and setting its title send messages to this procedure
// again; those nested messages go to the dialog manager, so the calls do not
// recurse and the title is really stored. Once ended, the dialog is left to
// the dialog manager too, so that nothing shows it again before it goes.
INT_PTR CALLBACK wk_DefaultDialogProc(HWND dialog, UINT message, WPARAM wparam,
                                      LPARAM lparam) noexcept {
  static bool busy = false;
  static HWND ended = nullptr;
  if (dialog == ended) {
    if (message == WM_NCDESTROY) ended = nullptr;
    return FALSE;
  }
  if (busy) return FALSE;
  busy = true;
  ShowWindow(dialog, SW_SHOW);
  char title[sizeof kDefaultTitle + 1] = {};
  GetWindowTextA(dialog, title, sizeof title);
  if (std::strcmp(title, kDefaultTitle) != 0) SetWindowTextA(dialog, kDefaultTitle);
  busy = false;
  if (const INT_PTR result = ClosingResult(message, wparam, lparam)) {
    ended = dialog;
    EndDialog(dialog, result);
    return TRUE;
  }
  return PlatformMustHandle(message) ? FALSE : TRUE;
}

int wk_PrintDialog(HWND window) noexcept {
  PRINTDLGA& pd = wk_PrintDialogRecord;
  pd = PRINTDLGA{};
  pd.lStructSize = sizeof pd;
  pd.hwndOwner = reinterpret_cast<HWND>(GetWindowLongPtrA(window, GWLP_HWNDPARENT));
  pd.Flags = PD_RETURNDC | PD_USEDEVMODECOPIESANDCOLLATE | PD_HIDEPRINTTOFILE;
  pd.nCopies = 1;
  return PrintDlgA(&pd) ? 1 : 0;
}

HWND wk_FindDialog(HWND owner, HWND edit) noexcept {
  DWORD start = 0, end = 0;
  // EM_GETSEL: wparam and lparam receive the start and the end.
  wk::Send(edit, EM_GETSEL, &start, &end);
  if (end < start || end - start > kFindTextMax) return nullptr;

  std::memset(g_find_what, 0, sizeof g_find_what);
  if (end > start) {
    wk::HeapBlock<char> text(end + 1);
    if (!text) return nullptr;
    const int got = GetWindowTextA(edit, text.get(), static_cast<int>(end) + 1);
    if (got > static_cast<int>(start)) {
      const int count =
          (got < static_cast<int>(end) ? got : static_cast<int>(end)) - static_cast<int>(start);
      std::memcpy(g_find_what, text.get() + start, static_cast<std::size_t>(count));
    }
  }

  FINDREPLACEA& fr = wk_FindDialogRecord;
  fr = FINDREPLACEA{};
  fr.lStructSize = sizeof fr;
  fr.hwndOwner = owner;
  fr.Flags = FR_DOWN | FR_HIDEWHOLEWORD;
  fr.lpstrFindWhat = g_find_what;
  fr.wFindWhatLen = kFindWhatLength;
  return FindTextA(&fr);
}

int wk_FindMessage(HWND notify, HWND find_dialog, HWND edit, LPARAM lparam, UINT message,
                   int up_command, int down_command) noexcept {
  static const UINT find_message = RegisterWindowMessageA(FINDMSGSTRINGA);
  if (find_dialog == nullptr) return 0;
  wk::Send(edit, EM_GETSEL);
  if (message != find_message || lparam == 0) return 0;

  FINDREPLACEA* notice = reinterpret_cast<FINDREPLACEA*>(lparam);
  wk_FindNotice = notice;
  const DWORD flags = notice->Flags;
  if (flags & FR_DIALOGTERM) return 0;
  const char* what = notice->lpstrFindWhat;
  const std::size_t limit = notice->wFindWhatLen;
  if (what != nullptr && strnlen(what, limit) > kFindTextMax) {
    DestroyWindow(find_dialog);
    return WK_FIND_NOTICE_TOO_LONG;
  }

  int command = 0;
  if (flags & (FR_DOWN | FR_WHOLEWORD)) {
    command = down_command;
  } else if ((flags & FR_MATCHCASE) || (flags & FR_FINDNEXT)) {
    command = up_command;
  } else {
    return 0;
  }
  PostMessageA(notify, WM_COMMAND, static_cast<WPARAM>(command), 0);
  return WK_FIND_NOTICE_POSTED;
}

int wk_CursorInWindow(HWND window) noexcept {
  POINT p{};
  GetCursorPos(&p);
  ScreenToClient(window, &p);
  wk_ResultX = p.x;
  wk_ResultY = p.y;
  return 0;
}
