// Every dialog the toolkit opens, each on a command of the Dialogs menu and
// of a button on the dialogs page: keyword message boxes, dialogs from the
// toolkit's templates, a modeless dialog window, and the platform's common
// dialogs. What the user answered is reported in the status line.
#include <windows.h>

#include <cstdio>
#include <cstring>

#include "gallery.hpp"
#include "wk_controls.h"
#include "wk_draw.h"
#include "wk_files.h"
#include "wk_text.h"
#include "wk_windows.h"

namespace gallery {

namespace {

constexpr struct {
  int command;
  const char* label;
} kDialogButtons[] = {
    {kDialogInformation, "Information"},
    {kDialogQuestion, "Question"},
    {kDialogWarning, "Warning"},
    {kDialogStop, "Stop"},
    {kDialogShowMessage, "Plain notice"},
    {kDialogSaveChanges, "Save changes?"},
    {kDialogModal, "Modal dialog"},
    {kDialogModeless, "Modeless dialog"},
    {kDialogColour, "Colour"},
    {kDialogOpen, "Open file"},
    {kDialogSave, "Save file"},
    {kDialogFont, "Font"},
    {kDialogFind, "Find"},
    {kDialogPrint, "Print"},
};

const char* AnswerName(int answer) {
  constexpr const char* kNames[] = {"none", "No", "Ignore", "Retry", "Yes", "OK", "Cancel"};
  return answer >= 0 && answer <= 6 ? kNames[answer] : "?";
}

void ReportAnswer(const char* what, const char* answer) {
  char line[160];
  std::snprintf(line, sizeof line, "%s: %s", what, answer);
  Report(line);
}

// The template dialogs carry OK and Cancel; the procedure ends the dialog
// with whichever was pressed and gives OK the toolkit's button look.
INT_PTR CALLBACK ModalProcedure(HWND dialog, UINT message, WPARAM wparam, LPARAM) {
  switch (message) {
    case WM_INITDIALOG:
      SetWindowTextA(dialog, "A modal dialog from the toolkit's template");
      wk_ButtonCreateInDialog(dialog, 120, 110, 80, 26, "OK", "C", "SHADOW", IDOK);
      return TRUE;
    case WM_PAINT:
      // The toolkit's drawing runs its own paint cycle, in a dialog as in
      // any window.
      wk_WriteText(dialog, 14, 14, "wk_ModalDialog made this dialog from", RGB(0, 0, 0), nullptr,
                   0);
      wk_WriteText(dialog, 14, 32, "the template wk_DLG_MODAL_TEMPLATE_1.", RGB(0, 0, 0), nullptr,
                   0);
      wk_WriteText(dialog, 14, 58, "Its procedure ends it on OK or Cancel.", RGB(0, 0, 128),
                   nullptr, 0);
      return TRUE;
    case WM_COMMAND:
      if (LOWORD(wparam) == IDOK || LOWORD(wparam) == IDCANCEL) {
        EndDialog(dialog, LOWORD(wparam));
        return TRUE;
      }
      return FALSE;
    default:
      return FALSE;
  }
}

INT_PTR CALLBACK ModelessProcedure(HWND dialog, UINT message, WPARAM wparam, LPARAM) {
  switch (message) {
    case WM_INITDIALOG:
      return TRUE;
    case WM_COMMAND:
      if (LOWORD(wparam) == IDOK || LOWORD(wparam) == IDCANCEL) {
        wk_DialogWindowClose(dialog);
        Shared().modeless = nullptr;
        ReportAnswer("Modeless dialog", "closed");
        return TRUE;
      }
      return FALSE;
    case WM_CLOSE:
      wk_DialogWindowClose(dialog);
      Shared().modeless = nullptr;
      ReportAnswer("Modeless dialog", "closed");
      return TRUE;
    default:
      return FALSE;
  }
}

void OpenModeless(HWND window) {
  State& state = Shared();
  if (state.modeless != nullptr) {
    wk_DialogWindowActivate(state.modeless);
    return;
  }
  wk_WindowGetPosition(window);
  state.modeless =
      wk_DialogWindowCreate(window, "A modeless dialog window", wk_ResultX + 480, wk_ResultY + 120,
                            260, 150, "TOOLWIN_CLO", ModelessProcedure);
  if (state.modeless == nullptr) {
    Report("The modeless dialog could not be made.");
    return;
  }
  wk_ButtonCreateInDialog(state.modeless, 80, 60, 90, 28, "Close", "C", "SHADOW", IDOK);
}

// The print dialog is owned by the parent or owner of the window it is
// given, so a child of the main window is handed to it to make it modal to
// the main window. On the rich edit and word processor pages the confirmed
// dialog's printer prints that control's text.
void OpenPrint(HWND window) {
  HWND rich = Shared().page == kPageRichEdit ? Shared().text_for_find : nullptr;
  HWND wp = WordProcessor();
  HWND text = rich != nullptr ? rich : wp;
  HWND child = text != nullptr ? text : GetWindow(window, GW_CHILD);
  if (wk_PrintDialog(child != nullptr ? child : window) != 1) {
    ReportAnswer("Print dialog", "cancelled");
    return;
  }
  if (text == nullptr) {
    // Nothing to print here; the device context is ours to release.
    if (wk_PrintDialogRecord.hDC != nullptr) DeleteDC(wk_PrintDialogRecord.hDC);
    wk_PrintDialogRecord.hDC = nullptr;
    ReportAnswer("Print dialog", "confirmed");
    return;
  }
  char line[64];
  if (rich != nullptr) {
    constexpr const char* kResults[] = {"printed",          "stopped after the last page",
                                        "nothing to print", "the document could not start",
                                        "no printer",       "printed as far as laid out"};
    const int result = wk_RichEditPrint(rich, 20, 20, 0, 0, "wk Gallery - rich edit", 0, 1);
    ReportAnswer("Rich edit print", result >= 0 && result <= 5 ? kResults[result] : "?");
    return;
  }
  // Margins in units of 11 printer pixels, normal size, the default GUI font.
  const int result =
      wk_WordProcSimplePrint(wp, 20, 20, 20, 20, "wk Gallery - word processor", 100, 3, 1);
  std::snprintf(line, sizeof line, "result %d", result);
  ReportAnswer("Word processor print", result == 0 ? "printed" : line);
}

void OpenFind(HWND window) {
  State& state = Shared();
  if (state.find_dialog != nullptr) {
    SetActiveWindow(state.find_dialog);
    return;
  }
  state.find_dialog = wk_FindDialog(window, state.text_for_find);
  Report(state.find_dialog ? "Find dialog open" : "The find dialog could not be opened.");
}

// The question belongs to an edit control with unsaved changes: the word
// processor's page is shown and its text marked as changed first.
void AskSaveChanges(HWND window) {
  if (WordProcessor() == nullptr) SendMessageA(window, WM_COMMAND, kPageWordProc, 0);
  HWND wp = WordProcessor();
  if (wp == nullptr) {
    ReportAnswer("Save changes", "no word processor");
    return;
  }
  wk_WordProcSimpleSetModified(wp, "ON");
  const int answer = wk_AskSaveChanges(wp, "Word processor", "Save the changes to the text?");
  char path[MAX_PATH + 20] = "";
  switch (answer) {
    case 1:
      GetTempPathA(MAX_PATH, path);
      std::strcat(path, "gallery.txt");
      ReportAnswer("Save changes",
                   wk_WordProcSimpleSaveFile(wp, path) == 0 ? "Yes, saved" : "Yes, not saved");
      break;
    case 2:
      ReportAnswer("Save changes", "Cancel");
      break;
    case 3:
      ReportAnswer("Save changes", "No");
      break;
    default:
      ReportAnswer("Save changes", "not asked");
      break;
  }
}

void OpenColour(HWND window) {
  const int colour = wk_ChooseColor(window);
  if (colour == -1) {
    ReportAnswer("Colour dialog", "cancelled");
    return;
  }
  char line[64];
  std::snprintf(line, sizeof line, "RGB(%d, %d, %d)", GetRValue(colour), GetGValue(colour),
                GetBValue(colour));
  ReportAnswer("Colour dialog", line);
}

// The chosen name is reported; the name keyword "NONE" leaves the window's
// title alone ("FILENAME" or "PATH" would put the name there).
void OpenFile(HWND window, bool save) {
  const int chosen = save ? wk_SaveFileDialog(window, "Save as", "NONE", "TXT_FILTER", nullptr)
                          : wk_OpenFileDialog(window, "Open a file", "NONE", "ALL_FILTER", nullptr);
  const char* what = save ? "Save dialog" : "Open dialog";
  if (chosen != 0) {
    ReportAnswer(what, "cancelled");
    return;
  }
  const char* path = save ? wk_SaveFilePath() : wk_OpenFilePath();
  HWND wp = WordProcessor();
  if (wp != nullptr) {
    // On the word processor's page the file is really read or written.
    const int result =
        save ? wk_WordProcSimpleSaveFile(wp, path) : wk_WordProcSimpleLoadFile(wp, path);
    char line[MAX_PATH + 32];
    std::snprintf(line, sizeof line, "%s (result %d)", path, result);
    ReportAnswer(what, line);
    return;
  }
  ReportAnswer(what, path);
}

// The font dialog: on the rich edit page its choice goes to the rich edit's
// selection; elsewhere the chosen font is kept and, on the word processor's
// page, given to the word processor.
void OpenFont(HWND window) {
  // The dialog starts from the font it is given (without one it would start
  // from whatever face the system lists first).
  static HFONT chosen = wk_CreateFont(-13, 0, 0, FW_NORMAL, 0, 0, "Tahoma");
  HWND rich = Shared().page == kPageRichEdit ? Shared().text_for_find : nullptr;
  if (rich != nullptr) {
    HFONT font = wk_FontDialog(rich, "ON", "RTF_AND_ON", nullptr);
    ReportAnswer("Font dialog",
                 font != nullptr ? "the rich edit's selection took the font" : "cancelled");
    if (font != nullptr) DeleteObject(font);
    return;
  }
  HFONT font = wk_FontDialog(window, "ON", "OFF", chosen);
  if (font == nullptr || font == chosen) {
    ReportAnswer("Font dialog", "cancelled");
    return;
  }
  if (HWND wp = WordProcessor()) wk_WordProcSimpleSetFont(wp, reinterpret_cast<UINT_PTR>(font));
  if (chosen != nullptr) DeleteObject(chosen);
  chosen = font;
  LOGFONTA description{};
  GetObjectA(font, sizeof description, &description);
  char line[LF_FACESIZE + 64];
  std::snprintf(line, sizeof line, "%s, %ld pixels, colour %06lX", description.lfFaceName,
                description.lfHeight < 0 ? -description.lfHeight : description.lfHeight,
                static_cast<unsigned long>(wk_LastColor));
  ReportAnswer("Font dialog", line);
}

}  // namespace

bool FindDialogMessage(HWND window, UINT message, LPARAM lparam) {
  static const UINT find_message = RegisterWindowMessageA(FINDMSGSTRINGA);
  State& state = Shared();
  if (message != find_message || state.find_dialog == nullptr) return false;
  wk_FindMessage(window, state.find_dialog, state.text_for_find, lparam, message, kFindUp,
                 kFindDown);
  // The dialog closes itself; it says so with one last notification.
  if (wk_FindNotice != nullptr && (wk_FindNotice->Flags & FR_DIALOGTERM) != 0) {
    state.find_dialog = nullptr;
    ReportAnswer("Find dialog", "closed");
  }
  return true;
}

void FindRequested(HWND, int command) {
  const char* direction = command == kFindUp ? "U" : "D";
  const char* what = wk_FindNotice != nullptr ? wk_FindNotice->lpstrFindWhat : "";
  char line[300];
  HWND text = Shared().text_for_find;
  // Both text controls take the search text and case from the find dialog.
  if (Shared().page == kPageRichEdit && text != nullptr) {
    const int found = wk_RichEditFind(text, "", 1, direction, "");
    std::snprintf(line, sizeof line, "Find \"%.200s\" %s: %s", what,
                  command == kFindUp ? "up" : "down", found == 0 ? "found" : "not found");
  } else if (Shared().page == kPageWordProc && text != nullptr) {
    const int found = wk_WordProcSimpleFind(text, "", 1, direction, "");
    wk_WordProcSimpleHasSelection(text);
    std::snprintf(line, sizeof line, "Find \"%.200s\" %s: %s (characters %d to %d)", what,
                  command == kFindUp ? "up" : "down", found == 0 ? "found" : "not found",
                  wk_SelStart, wk_SelEnd);
  } else {
    std::snprintf(line, sizeof line, "Find %s: \"%.256s\"", command == kFindUp ? "up" : "down",
                  what);
  }
  Report(line);
}

void BuildDialogsPage(HWND window) {
  int x = kPageLeft, y = kPageTop + 70;
  int column = 0;
  for (const auto& button : kDialogButtons) {
    Shared().controls.push_back(
        wk_ButtonCreate(window, x, y, 140, 30, button.label, "C", "NORMAL", button.command));
    x += 150;
    if (++column % 5 == 0) {
      x = kPageLeft;
      y += 40;
    }
  }
}

void PaintDialogsPage(HWND window) {
  PaintPageHeading(window, "Dialogs",
                   "Each button (and each item of the Dialogs menu) opens one of the toolkit's "
                   "dialogs.");
}

bool OpenDialog(HWND window, int command) {
  char notice[64];
  switch (command) {
    case kDialogInformation:
      ReportAnswer("Information box",
                   AnswerName(wk_MessageBox(window, "Information",
                                            "The toolkit shows the platform's message box.",
                                            "INFORMATION", "OK_help")));
      return true;
    case kDialogQuestion:
      ReportAnswer("Question box",
                   AnswerName(wk_MessageBox(window, "Question",
                                            "Save the changes? (No is the default button.)",
                                            "QUESTION", "yes_NO_cancel")));
      return true;
    case kDialogWarning:
      ReportAnswer("Warning box",
                   AnswerName(wk_MessageBox(window, "Warning", "Something may go wrong.",
                                            "EXCLAMATION", "OK_cancel")));
      return true;
    case kDialogStop:
      ReportAnswer("Stop box", AnswerName(wk_MessageBox(window, "Stop", "Something went wrong.",
                                                        "STOP", "RETRY_cancel")));
      return true;
    case kDialogShowMessage:
      std::strcpy(notice, "A plain notice with an OK button.");
      wk_ShowMessage(window, "Notice", notice, "D");
      ReportAnswer("Notice", notice[0] == '\0' ? "shown, then its text cleared" : "shown");
      return true;
    case kDialogSaveChanges:
      AskSaveChanges(window);
      return true;
    case kDialogModal: {
      const INT_PTR result = wk_ModalDialog(window, ModalProcedure);
      ReportAnswer("Modal dialog", result == IDOK       ? "OK"
                                   : result == IDCANCEL ? "Cancel"
                                                        : "failed");
      return true;
    }
    case kDialogModeless:
      OpenModeless(window);
      return true;
    case kDialogColour:
      OpenColour(window);
      return true;
    case kDialogOpen:
      OpenFile(window, false);
      return true;
    case kDialogSave:
      OpenFile(window, true);
      return true;
    case kDialogFont:
      OpenFont(window);
      return true;
    case kDialogFind:
      OpenFind(window);
      return true;
    case kDialogPrint:
      OpenPrint(window);
      return true;
    default:
      return false;
  }
}

}  // namespace gallery
