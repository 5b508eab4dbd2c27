// Printing a rich edit on the bench's PostScript printer, with the cancel
// dialog and the abort procedure.
//
// Wine's rich edit lays out no page: EM_FORMATRANGE answers 0 whatever it is
// given. One group of tests prints with it as it is. The others give the
// control a stand-in page layout (a subclass that answers EM_FORMATRANGE
// with a fixed number of characters a page and draws them on
// EM_DISPLAYBAND), so that the page loop, the page rectangle, the selection
// and a stop from the cancel dialog can be driven on the real printer.
#include <gtest/gtest.h>

#include <richedit.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "print_capture.hpp"
#include "wk_text.h"
#include "wk_windows.h"
#include "wktest.hpp"

namespace {

using wktest::PrintCapture;

HWND MakeRichEdit(HWND parent) {
  return wk_RichEditCreate(parent, 10, 10, 400, 300, "VSCROLL", 65535);
}

// What the print showed while its page loop ran, and what the loop asked.
struct Observed {
  int format_calls = 0;   // EM_FORMATRANGE with a range
  int release_calls = 0;  // EM_FORMATRANGE without one
  int display_calls = 0;
  std::vector<long> starts;
  RECT rc{};
  RECT rc_page{};
  CHARRANGE first_range{};
  bool rich_enabled = true;
  HWND dialog = nullptr;
  RECT dialog_rect{};
  std::string dialog_title;
  std::string button_text;
  bool button_focused = false;
  bool dialog_visible = false;
  bool wait_cursor = false;
};

// The subclass. It observes every layout request; with a positive
// `per_page` it answers them itself, else Wine's rich edit does.
struct Layout {
  static inline WNDPROC base = nullptr;
  static inline Observed seen;
  static inline long per_page = 0;
  static inline std::string text;
  static inline HDC printer = nullptr;
  static inline long laid_from = 0;
  static inline long laid_to = 0;
  static inline std::function<void(int page)> on_page;  // after laying out page `page`

  static void Install(HWND rich, long chars_a_page) {
    seen = Observed{};
    per_page = chars_a_page;
    on_page = nullptr;
    text = wktest::WindowText(rich);
    // Installed once a control: a second subclass would call itself.
    if (reinterpret_cast<WNDPROC>(GetWindowLongPtrA(rich, GWLP_WNDPROC)) != Procedure) {
      base = reinterpret_cast<WNDPROC>(
          SetWindowLongPtrA(rich, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(Procedure)));
    }
  }

  static void Observe(HWND rich) {
    seen.rich_enabled = IsWindowEnabled(rich) != FALSE;
    seen.dialog = wk_PrintCancelDialog;
    GetWindowRect(wk_PrintCancelDialog, &seen.dialog_rect);
    seen.dialog_title = wktest::WindowText(wk_PrintCancelDialog);
    HWND button = GetDlgItem(wk_PrintCancelDialog, 1);
    seen.button_text = wktest::WindowText(button);
    seen.button_focused = button && GetFocus() == button;
    seen.dialog_visible = IsWindowVisible(wk_PrintCancelDialog) != FALSE;
    seen.wait_cursor = GetCursor() == LoadCursorA(nullptr, IDC_WAIT);
  }

  static LRESULT CALLBACK Procedure(HWND rich, UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == EM_FORMATRANGE && lparam == 0) {
      ++seen.release_calls;
    } else if (message == EM_FORMATRANGE) {
      const auto* range = reinterpret_cast<const FORMATRANGE*>(lparam);
      if (seen.format_calls++ == 0) {
        Observe(rich);
        seen.rc = range->rc;
        seen.rc_page = range->rcPage;
        seen.first_range = range->chrg;
      }
      seen.starts.push_back(range->chrg.cpMin);
      printer = range->hdc;
      if (per_page > 0) {
        const long end = range->chrg.cpMax < 0 ? static_cast<long>(text.size()) : range->chrg.cpMax;
        laid_from = range->chrg.cpMin;
        laid_to = std::min(end, laid_from + per_page);
        if (on_page) on_page(seen.format_calls);
        return laid_to;
      }
    } else if (message == EM_DISPLAYBAND) {
      ++seen.display_calls;
      if (per_page > 0) {
        const int dpi = GetDeviceCaps(printer, LOGPIXELSX);
        const std::string part = text.substr(laid_from, laid_to - laid_from);
        TextOutA(printer, seen.rc.left * dpi / 1440, seen.rc.top * dpi / 1440, part.c_str(),
                 static_cast<int>(part.size()));
        return TRUE;
      }
    }
    return CallWindowProcA(base, rich, message, wparam, lparam);
  }
};

// Posts a key press to the window that has the keyboard focus.
void PressKey(WPARAM key) {
  PostMessageA(GetFocus(), WM_KEYDOWN, key, 1);
  PostMessageA(GetFocus(), WM_KEYUP, key, 0xC0000001);
}

int g_ticks = 0;
void CALLBACK CountTick(HWND, UINT, UINT_PTR, DWORD) { ++g_ticks; }

class RichEditPrint : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(wktest::EnsureBenchPrinter());
    rich_ = MakeRichEdit(window_);
    ASSERT_NE(rich_, nullptr);
  }
  void TearDown() override {
    DestroyWindow(rich_);
    wk_PrintDialogRecord = PRINTDLGA{};
  }
  // 10 A, 10 B and 5 C, laid out 10 a page.
  void ThreePages() {
    SetWindowTextA(rich_, "AAAAAAAAAABBBBBBBBBBCCCCC");
    Layout::Install(rich_, 10);
  }

  wktest::TestWindow window_;
  HWND rich_ = nullptr;
};

TEST_F(RichEditPrint, EmptyRichEditReturnsTwoAndPrintsNothing) {
  PrintCapture job("rich_empty");
  const HCURSOR before = GetCursor();
  EXPECT_EQ(wk_RichEditPrint(rich_, 10, 10, 0, 0, "empty", 0, 0), 2);
  EXPECT_TRUE(IsWindowEnabled(rich_));
  EXPECT_EQ(wk_PrintCancelDialog, nullptr);
  EXPECT_EQ(GetCursor(), before);
  EXPECT_EQ(job.pages(), -1);
}

TEST_F(RichEditPrint, WinesLayoutMakesNoProgressAndThePrintEndsWithFive) {
  SetWindowTextA(rich_, "Wine's rich edit lays out no page of this text.");
  Layout::Install(rich_, 0);
  PrintCapture job("rich_wine");
  const HCURSOR before = GetCursor();
  EXPECT_EQ(wk_RichEditPrint(rich_, 20, 20, 0, 0, "wine layout", 0, 0), 5);
  // The page loop asked once, and did not go on to 999,999 empty pages.
  EXPECT_EQ(Layout::seen.format_calls, 1);
  EXPECT_EQ(Layout::seen.display_calls, 1);
  EXPECT_EQ(Layout::seen.release_calls, 1);
  // While it ran: the cancel dialog up with its button focused, the rich
  // edit disabled, the wait cursor shown.
  EXPECT_NE(Layout::seen.dialog, nullptr);
  EXPECT_EQ(Layout::seen.dialog_title, "Printing");
  EXPECT_EQ(Layout::seen.button_text, "STOP PRINTING?");
  EXPECT_TRUE(Layout::seen.button_focused);
  EXPECT_TRUE(Layout::seen.dialog_visible);
  EXPECT_FALSE(Layout::seen.rich_enabled);
  EXPECT_TRUE(Layout::seen.wait_cursor);
  // 150 x 100, centred on the screen.
  const RECT& r = Layout::seen.dialog_rect;
  EXPECT_EQ(r.right - r.left, 150);
  EXPECT_EQ(r.bottom - r.top, 100);
  EXPECT_EQ(r.left, (GetSystemMetrics(SM_CXSCREEN) - 150) / 2);
  EXPECT_EQ(r.top, (GetSystemMetrics(SM_CYSCREEN) - 100 - GetSystemMetrics(SM_CYCAPTION)) / 2);
  // Afterwards all of it undone; the one page begun was sent, blank.
  EXPECT_FALSE(IsWindow(Layout::seen.dialog));
  EXPECT_EQ(wk_PrintCancelDialog, nullptr);
  EXPECT_TRUE(IsWindowEnabled(rich_));
  EXPECT_EQ(GetCursor(), before);
  EXPECT_EQ(job.pages(), 1);
  EXPECT_TRUE(job.PageLines(1).empty());
  EXPECT_EQ(wk_PrintStopPressed, 0);
}

TEST_F(RichEditPrint, PagesFollowTheRichEditsLayout) {
  ThreePages();
  PrintCapture job("rich_pages");
  EXPECT_EQ(wk_RichEditPrint(rich_, 10, 15, 0, 0, "three pages", 0, 0), 0);
  EXPECT_EQ(Layout::seen.starts, (std::vector<long>{0, 10, 20}));
  EXPECT_EQ(Layout::seen.display_calls, 3);
  EXPECT_EQ(Layout::seen.release_calls, 1);
  ASSERT_EQ(job.pages(), 3);
  EXPECT_EQ(job.PageLines(1), std::vector<std::string>{"AAAAAAAAAA"});
  EXPECT_EQ(job.PageLines(2), std::vector<std::string>{"BBBBBBBBBB"});
  EXPECT_EQ(job.PageLines(3), std::vector<std::string>{"CCCCC"});
  EXPECT_TRUE(IsWindowEnabled(rich_));
}

TEST_F(RichEditPrint, ASelectionIsPrintedAlone) {
  ThreePages();
  SendMessageA(rich_, EM_SETSEL, 5, 18);
  PrintCapture job("rich_selection");
  EXPECT_EQ(wk_RichEditPrint(rich_, 0, 0, 0, 0, "selection", 0, 0), 0);
  EXPECT_EQ(Layout::seen.first_range.cpMin, 5);
  EXPECT_EQ(Layout::seen.first_range.cpMax, 18);
  EXPECT_EQ(wk_SelStart, 5);  // read through the has-selection operation
  EXPECT_EQ(wk_SelEnd, 18);
  ASSERT_EQ(job.pages(), 2);
  EXPECT_EQ(job.PageLines(1), std::vector<std::string>{"AAAAABBBBB"});
  EXPECT_EQ(job.PageLines(2), std::vector<std::string>{"BBB"});
}

TEST_F(RichEditPrint, PageRectangleInTwipsFromMarginsAndChanges) {
  HDC probe = wktest::CreateBenchPrinterDC();
  const int width = GetDeviceCaps(probe, HORZSIZE);
  const int height = GetDeviceCaps(probe, VERTSIZE);
  DeleteDC(probe);
  EXPECT_EQ(width, 197);
  EXPECT_EQ(height, 284);
  ThreePages();
  wktest::DiscardPrintJobs();
  // A positive change counts as 0: the full page.
  ASSERT_EQ(wk_RichEditPrint(rich_, 10, 15, 5, 5, "full", 0, 0), 0);
  EXPECT_EQ(Layout::seen.rc.left, 566);  // 56.693 twips a millimetre, cut
  EXPECT_EQ(Layout::seen.rc.top, 850);
  EXPECT_EQ(Layout::seen.rc.right, static_cast<int>(56.693 * width));
  EXPECT_EQ(Layout::seen.rc.bottom, static_cast<int>(56.693 * height));
  EXPECT_TRUE(EqualRect(&Layout::seen.rc, &Layout::seen.rc_page));
  // -20 mm brings the right edge 20 mm in; -30 mm the bottom 30 mm up.
  Layout::Install(rich_, 10);
  ASSERT_EQ(wk_RichEditPrint(rich_, 0, 0, -20, -30, "narrow", 0, 0), 0);
  EXPECT_EQ(Layout::seen.rc.left, 0);
  EXPECT_EQ(Layout::seen.rc.right, static_cast<int>(56.693 * (width - 20)));
  EXPECT_EQ(Layout::seen.rc.bottom, static_cast<int>(56.693 * (height - 30)));
}

TEST_F(RichEditPrint, EscapeReturnOrTheButtonStopBeforeTheNextPage) {
  struct Stop {
    const char* name;
    int at_page;
    std::function<void()> press;
  };
  const Stop stops[] = {
      {"escape", 1, [] { PressKey(VK_ESCAPE); }},
      {"return", 1, [] { PressKey(VK_RETURN); }},
      {"button", 2, [] { PostMessageA(GetDlgItem(wk_PrintCancelDialog, 1), BM_CLICK, 0, 0); }},
  };
  for (const Stop& stop : stops) {
    SCOPED_TRACE(stop.name);
    ThreePages();
    Layout::on_page = [&stop](int page) {
      if (page == stop.at_page) stop.press();
    };
    PrintCapture job(std::string("rich_stop_") + stop.name);
    EXPECT_EQ(wk_RichEditPrint(rich_, 0, 0, 0, 0, stop.name, 0, 0), 0);
    EXPECT_EQ(static_cast<int>(Layout::seen.starts.size()), stop.at_page);
    EXPECT_EQ(wk_PrintCancelled, 1);
    EXPECT_EQ(wk_PrintStopPressed, 1);
    EXPECT_EQ(job.pages(), -1);  // the job was cancelled, nothing sent
    EXPECT_TRUE(IsWindowEnabled(rich_));
    EXPECT_EQ(wk_PrintCancelDialog, nullptr);
  }
  // The next print that runs to its end reports no stop.
  ThreePages();
  PrintCapture job("rich_after_stop");
  EXPECT_EQ(wk_RichEditPrint(rich_, 0, 0, 0, 0, "after a stop", 0, 0), 0);
  EXPECT_EQ(wk_PrintStopPressed, 0);
  EXPECT_EQ(job.pages(), 3);
}

TEST_F(RichEditPrint, OtherWindowsKeepWorkingBetweenPages) {
  ThreePages();
  static int ticks_at_page_2 = -1;
  g_ticks = 0;
  const UINT_PTR timer = SetTimer(nullptr, 0, 1, CountTick);
  Layout::on_page = [](int page) {
    if (page == 1) Sleep(30);  // the timer is due when the next page starts
    if (page == 2) ticks_at_page_2 = g_ticks;
  };
  wktest::DiscardPrintJobs();
  ASSERT_EQ(wk_RichEditPrint(rich_, 0, 0, 0, 0, "timer", 0, 0), 0);
  KillTimer(nullptr, timer);
  EXPECT_GE(ticks_at_page_2, 1);
}

TEST_F(RichEditPrint, RefusesWithoutPrinterBeforeStartingAnything) {
  SetWindowTextA(rich_, "No printer");
  Layout::Install(rich_, 0);
  PrintCapture job("rich_no_printer");
  EXPECT_EQ(wk_RichEditPrint(rich_, 0, 0, 0, 0, "no dialog", 0, 1), 4);
  {
    wktest::DefaultPrinterEntry entry(",wineps.drv,WKPRINT:");  // no printer name
    EXPECT_EQ(wk_RichEditPrint(rich_, 0, 0, 0, 0, "no name", 0, 0), 4);
  }
  EXPECT_EQ(Layout::seen.format_calls + Layout::seen.release_calls, 0);
  EXPECT_TRUE(IsWindowEnabled(rich_));
  EXPECT_EQ(job.pages(), -1);
  // With the dialog's printer the print runs and uses it up.
  wk_PrintDialogRecord.hDC = wktest::CreateBenchPrinterDC();
  EXPECT_EQ(wk_RichEditPrint(rich_, 0, 0, 0, 0, "dialog", 0, 1), 5);
  EXPECT_EQ(wk_PrintDialogRecord.hDC, nullptr);
  EXPECT_EQ(job.pages(), 1);
}

// The cancel dialog and the abort procedure on their own.
TEST(PrintCancelDialog, CommandsStopAndTheAbortProcedureReportsIt) {
  wktest::TestWindow window;
  wk_PrintCancelled = 0;
  wk_PrintStopPressed = 0;
  wk_PrintCancelDialog = nullptr;
  EXPECT_EQ(wk_PrintAbortProc(nullptr, 0), TRUE);  // no dialog: go on

  HWND dialog = wk_DialogWindowCreate(window, "Printing", 0, 0, 150, 100, "TOOLWIN",
                                      wk_PrintCancelDialogProc);
  ASSERT_NE(dialog, nullptr);
  EXPECT_NE(GetWindowLongA(dialog, GWL_EXSTYLE) & WS_EX_TOOLWINDOW, 0);
  wk_PrintCancelDialog = dialog;
  EXPECT_EQ(wk_PrintCancelDialogProc(dialog, WM_MOUSEMOVE, 0, 0), 0);
  EXPECT_EQ(wk_PrintAbortProc(nullptr, 0), TRUE);
  EXPECT_EQ(wk_PrintCancelled, 0);

  // A quit request met while the dialog is served stays for the
  // application's own loop.
  PostQuitMessage(7);
  EXPECT_EQ(wk_PrintAbortProc(nullptr, 0), TRUE);
  MSG message{};
  ASSERT_TRUE(PeekMessageA(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
  EXPECT_EQ(message.wParam, 7u);

  PostMessageA(GetDlgItem(dialog, 1), BM_CLICK, 0, 0);
  EXPECT_EQ(wk_PrintAbortProc(nullptr, 0), FALSE);
  EXPECT_EQ(wk_PrintCancelled, 1);
  EXPECT_EQ(wk_PrintStopPressed, 1);
  DestroyWindow(dialog);
  wk_PrintCancelDialog = nullptr;
  wk_PrintCancelled = 0;
  wk_PrintStopPressed = 0;
}

}  // namespace
