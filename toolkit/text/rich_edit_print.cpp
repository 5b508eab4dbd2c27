// Printing the rich edit's formatted text with the control's own page
// layout (EM_FORMATRANGE, EM_DISPLAYBAND), under a small cancel dialog that
// the abort procedure keeps responsive while the pages are sent.
#include <richedit.h>

#include "toolkit/core/message.hpp"
#include "toolkit/core/boundary.hpp"
#include "toolkit/core/control_ops.hpp"
#include "toolkit/core/gdi.hpp"
#include "toolkit/text/logic/print_layout.hpp"
#include "toolkit/text/print_source.hpp"
#include "wk_text.h"
#include "wk_windows.h"

HWND wk_PrintCancelDialog = nullptr;
int wk_PrintCancelled = 0;
int wk_PrintStopPressed = 0;

namespace {

namespace print = wk::print;

constexpr int kStopButton = 1;

// The cancel dialog of one print, and the rich edit disabled beneath it,
// both undone at the end of the scope.
class CancelDialog {
 public:
  explicit CancelDialog(HWND rich) : rich_(rich) {
    wk_PrintCancelDialog = wk_DialogWindowCreate(rich, "Printing", 0, 0, 150, 100, "TOOLWIN",
                                                 wk_PrintCancelDialogProc);
    wk_DialogWindowCenter(wk_PrintCancelDialog);
    EnableWindow(rich_, FALSE);
  }
  ~CancelDialog() {
    EnableWindow(rich_, TRUE);
    if (wk_PrintCancelDialog) DestroyWindow(wk_PrintCancelDialog);
    wk_PrintCancelDialog = nullptr;
  }
  CancelDialog(const CancelDialog&) = delete;
  CancelDialog& operator=(const CancelDialog&) = delete;

 private:
  HWND rich_;
};

// The rich edit lays out and draws one band (page) at a time.
class Bands {
 public:
  Bands(HWND rich, HDC printer, FORMATRANGE& range)
      : rich_(rich), printer_(printer), range_(range) {}
  long Format(long first) {
    range_.chrg.cpMin = first;
    return static_cast<long>(wk::Send(rich_, EM_FORMATRANGE, 0, &range_));
  }
  void Display() { wk::Send(rich_, EM_DISPLAYBAND, 0, &range_.rc); }
  void NextPage() {
    EndPage(printer_);
    StartPage(printer_);
    // Windows calls the abort procedure while it spools a page; Wine calls
    // it only when the document starts. Called here as well, the cancel
    // dialog answers between pages on both.
    wk_PrintAbortProc(printer_, 0);
  }
  bool Cancelled() const { return wk_PrintCancelled != 0; }

 private:
  HWND rich_;
  HDC printer_;
  FORMATRANGE& range_;
};

int Print(HWND rich, int left, int top, int width_change, int height_change,
          const char* document_name, int source) {
  wk::WaitCursor wait;
  wk_PrintCancelled = 0;
  wk_PrintStopPressed = 0;
  wk_PrintCancelDialog = nullptr;

  wk::PrinterDC printer(source);
  if (!printer) return WK_PRINT_NO_PRINTER;
  const HDC dc = printer.get();
  const int page_width = print::PageSideWithChange(GetDeviceCaps(dc, HORZSIZE), width_change);
  const int page_height = print::PageSideWithChange(GetDeviceCaps(dc, VERTSIZE), height_change);
  SetAbortProc(dc, wk_PrintAbortProc);

  DOCINFOA document{};
  document.cbSize = sizeof document;
  document.lpszDocName = document_name;
  if (StartDocA(dc, &document) <= 0) return WK_PRINT_NOT_STARTED;

  CancelDialog cancel(rich);
  long end = static_cast<long>(wk::Send(rich, WM_GETTEXTLENGTH));
  if (end == 0) {
    // The document was started but holds nothing: dropped, not sent.
    AbortDoc(dc);
    wk::Send(rich, EM_FORMATRANGE, 1);
    return WK_PRINT_NO_TEXT;
  }

  const wk::WindowDC target(rich);
  FORMATRANGE range{};
  range.hdc = dc;
  range.hdcTarget = target.get();
  range.rc = {print::Twips(left), print::Twips(top), print::Twips(page_width),
              print::Twips(page_height)};
  range.rcPage = range.rc;
  range.chrg = {0, -1};
  if (wk_RichEditHasSelection(rich) == 1) {
    wk::Send(rich, EM_EXGETSEL, 0, &range.chrg);
    if (range.chrg.cpMax >= range.chrg.cpMin) end = range.chrg.cpMax;
  }

  StartPage(dc);
  Bands bands(rich, dc, range);
  const print::BandLoopEnd ended = print::RunBandLoop(range.chrg.cpMin, end, bands);
  wk::Send(rich, EM_FORMATRANGE, 1);

  int result = WK_PRINT_DONE;
  if (wk_PrintCancelled == 0) {
    EndPage(dc);
    EndDoc(dc);
    if (ended == print::BandLoopEnd::kStalled) result = WK_PRINT_NO_LAYOUT;
    // A stop pressed while the last page was being sent came too late.
    if (wk_PrintStopPressed) {
      result = WK_PRINT_STOPPED_LATE;
      wk_PrintStopPressed = 0;
    }
  } else {
    // Windows has cancelled the job once the abort procedure said so; the
    // document is also dropped where that answer never reached the spooler.
    AbortDoc(dc);
  }
  return result;
}

}  // namespace

int wk_RichEditPrint(HWND rich_edit, int left, int top, int width_change, int height_change,
                     const char* document_name, int /*unused*/, int source) noexcept {
  return wk::Guarded(WK_PRINT_NOT_STARTED, [&] {
    return Print(rich_edit, left, top, width_change, height_change, document_name, source);
  });
}

INT_PTR CALLBACK wk_PrintCancelDialogProc(HWND dialog, UINT message, WPARAM, LPARAM) noexcept {
  switch (message) {
    case WM_INITDIALOG: {
      // A push button as the toolkit makes them: centred caption, the
      // dialog's font.
      const HWND stop = CreateWindowExA(
          0, "button", "STOP PRINTING?", WS_CHILD | WS_VISIBLE | BS_CENTER | BS_PUSHLIKE, 22, 22,
          100, 30, dialog, wk::ops::ChildId(kStopButton), wk::ops::InstanceOf(dialog), nullptr);
      wk::Send(stop, WM_SETFONT, GetStockObject(DEFAULT_GUI_FONT));
      SetFocus(stop);
      return 1;
    }
    case WM_COMMAND:
      // The button, and Return or Escape, which the dialog manager turns
      // into commands.
      wk_PrintStopPressed = 1;
      wk_PrintCancelled = 1;
      return 1;
    default:
      return 0;
  }
}

BOOL CALLBACK wk_PrintAbortProc(HDC, int) noexcept {
  if (wk_PrintCancelDialog == nullptr) return TRUE;
  MSG message;
  while (wk_PrintCancelled == 0 && PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      // The application's own loop must still see the quit request.
      PostQuitMessage(static_cast<int>(message.wParam));
      break;
    }
    if (!IsDialogMessageA(wk_PrintCancelDialog, &message)) {
      TranslateMessage(&message);
      DispatchMessageA(&message);
    }
  }
  return wk_PrintCancelled == 0 ? TRUE : FALSE;
}
