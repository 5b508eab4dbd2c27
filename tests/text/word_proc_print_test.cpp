// Printing a word processor on the bench's PostScript printer; every job is
// read back from the PDF it becomes.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "print_capture.hpp"
#include "toolkit/files/file_dialogs.hpp"
#include "wk_text.h"
#include "wk_windows.h"
#include "wktest.hpp"

namespace {

using wktest::PrintCapture;

HWND MakeWordProcessor(HWND parent) {
  return wk_WordProcSimpleCreate(parent, 10, 10, 400, 300, "VSCROLL", 65535);
}

// "Line 001" to "Line <count>", one a line.
std::string NumberedLines(int count) {
  std::string text;
  for (int i = 1; i <= count; ++i) {
    char line[32];
    std::snprintf(line, sizeof line, "Line %03d\r\n", i);
    text += line;
  }
  return text;
}

std::string Numbered(int i) {
  char line[32];
  std::snprintf(line, sizeof line, "Line %03d", i);
  return line;
}

// The print font's line height at a scale, measured on the bench printer as
// the print makes it: height 0.94 (t - 0.5) h and width (t - 0.5) w of the
// measuring font's metrics.
int LineHeightAt(float scale, HFONT measuring) {
  HDC dc = wktest::CreateBenchPrinterDC();
  SelectObject(dc, measuring);
  TEXTMETRICA m0{};
  GetTextMetricsA(dc, &m0);
  const float s = scale - 0.5f;
  HFONT font =
      CreateFontA(static_cast<int>(0.94 * s * m0.tmHeight), static_cast<int>(s * m0.tmAveCharWidth),
                  0, 0, m0.tmWeight, 0, 0, 0, 0, 0, 0, 0, m0.tmPitchAndFamily, "");
  SelectObject(dc, font);
  TEXTMETRICA m1{};
  GetTextMetricsA(dc, &m1);
  const int printer_height = GetDeviceCaps(dc, VERTRES);
  DeleteDC(dc);
  DeleteObject(font);
  EXPECT_EQ(printer_height, 3358);  // A4 at 300 dpi
  return m1.tmHeight + m1.tmExternalLeading;
}

// The bottom margin (in units of 11 pixels) that leaves room for exactly
// `lines` lines of this height.
int BottomMarginFor(int lines, int line_height) { return (3358 - lines * line_height) / 11; }

HFONT SystemFont() { return static_cast<HFONT>(GetStockObject(SYSTEM_FONT)); }

class WordProcPrint : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(wktest::EnsureBenchPrinter());
    wp_ = MakeWordProcessor(window_);
    wk::ChosenFont() = LOGFONTA{};
  }
  void TearDown() override {
    DestroyWindow(wp_);
    wk_PrintDialogRecord = PRINTDLGA{};
  }
  void SetText(const std::string& text) { SetWindowTextA(wp_, text.c_str()); }
  // Source 1 as a confirmed print dialog leaves it.
  void DialogChose(WORD copies, DWORD flags) {
    wk_PrintDialogRecord = PRINTDLGA{};
    wk_PrintDialogRecord.lStructSize = sizeof(PRINTDLGA);
    wk_PrintDialogRecord.hDC = wktest::CreateBenchPrinterDC();
    wk_PrintDialogRecord.nCopies = copies;
    wk_PrintDialogRecord.Flags = flags;
  }

  wktest::TestWindow window_;
  HWND wp_ = nullptr;
};

TEST_F(WordProcPrint, HundredLinesAtFortyFiveAPageMakeThreePages) {
  SetText(NumberedLines(100));
  const int bottom = BottomMarginFor(45, LineHeightAt(3.7f, SystemFont()));
  PrintCapture job("wp_three_pages");
  ASSERT_TRUE(job.ready());
  EXPECT_EQ(wk_WordProcSimplePrint(wp_, 0, 0, 0, bottom, "three pages", 100, 0, 0), 0);
  ASSERT_EQ(job.pages(), 3);
  std::vector<std::string> expected[3];
  for (int i = 1; i <= 100; ++i) expected[(i - 1) / 45].push_back(Numbered(i));
  for (int page = 1; page <= 3; ++page) EXPECT_EQ(job.PageLines(page), expected[page - 1]);
}

TEST_F(WordProcPrint, CopiesComeOutAsSetsOnlyWithCollation) {
  SetText(NumberedLines(100));
  const int bottom = BottomMarginFor(45, LineHeightAt(3.7f, SystemFont()));
  auto first_lines = [](const PrintCapture& job) {
    std::string order;
    for (int page = 1; page <= job.pages(); ++page) {
      const std::vector<std::string> lines = job.PageLines(page);
      const std::string first = lines.empty() ? "" : lines.front();
      order += first == "Line 001"   ? '1'
               : first == "Line 046" ? '2'
               : first == "Line 091" ? '3'
                                     : '?';
    }
    return order;
  };
  {
    PrintCapture job("wp_collated");
    DialogChose(3, PD_COLLATE);
    EXPECT_EQ(wk_WordProcSimplePrint(wp_, 0, 0, 0, bottom, "collated", 100, 0, 1), 0);
    EXPECT_EQ(first_lines(job), "123123123");
    // The print used up the dialog's printer.
    EXPECT_EQ(wk_PrintDialogRecord.hDC, nullptr);
    EXPECT_EQ(wk_WordProcSimplePrint(wp_, 0, 0, 0, bottom, "again", 100, 0, 1), 4);
  }
  {
    PrintCapture job("wp_uncollated");
    DialogChose(3, 0);
    EXPECT_EQ(wk_WordProcSimplePrint(wp_, 0, 0, 0, bottom, "uncollated", 100, 0, 1), 0);
    EXPECT_EQ(first_lines(job), "111222333");
  }
}

TEST_F(WordProcPrint, ZoomScalesTheFontAndTheLineWidth) {
  // One line of 100 characters and 100 short lines.
  SetText(std::string(100, 'x') + "\r\n" + NumberedLines(99));
  PrintCapture job("wp_zoom");
  EXPECT_EQ(wk_WordProcSimplePrint(wp_, 0, 0, 0, 0, "zoom 19", 19, 0, 0), 1);
  EXPECT_EQ(job.pages(), -1);  // nothing was printed

  // Zoom 20: scale 1.46, a wrap width of 2329 / 1.46 pixels holds the long
  // line whole, and all 100 lines fit on one page.
  const int small = LineHeightAt(1.46f, SystemFont());
  ASSERT_GE(3358 / small, 100);
  EXPECT_EQ(wk_WordProcSimplePrint(wp_, 0, 0, 0, 0, "zoom 20", 20, 0, 0), 0);
  ASSERT_EQ(job.pages(), 1);
  std::vector<std::string> lines = job.PageLines(1);
  ASSERT_EQ(lines.size(), 100u);
  EXPECT_EQ(lines[0], std::string(100, 'x'));

  // Zoom 200: scale 6.8, the wrap width of 342 pixels breaks the long line.
  const int large = LineHeightAt(6.8f, SystemFont());
  const int per_page = 3358 / large;
  EXPECT_EQ(wk_WordProcSimplePrint(wp_, 0, 0, 0, 0, "zoom 200", 200, 0, 0), 0);
  lines = job.PageLines(1);
  ASSERT_EQ(static_cast<int>(lines.size()), per_page);
  EXPECT_LT(lines[0].size(), 100u);
  EXPECT_EQ(lines[0].find_first_not_of('x'), std::string::npos);
  int printed = 0;
  for (int page = 1; page <= job.pages(); ++page) printed += job.PageLines(page).size();
  const int long_line_rows = printed - 99;
  EXPECT_GE(long_line_rows, 2);
  EXPECT_EQ(job.pages(), (99 + long_line_rows + per_page - 1) / per_page);

  // Zoom 50: scale 2.3.
  const int half = LineHeightAt(2.3f, SystemFont());
  SetText(NumberedLines(100));
  EXPECT_EQ(wk_WordProcSimplePrint(wp_, 0, 0, 0, 0, "zoom 50", 50, 0, 0), 0);
  EXPECT_EQ(static_cast<int>(job.PageLines(1).size()), std::min(100, 3358 / half));
}

TEST_F(WordProcPrint, MarginsMoveTheTextByElevenPixelsAUnit) {
  SetText("Margins\r\n");
  PrintCapture job("wp_margins");
  ASSERT_EQ(wk_WordProcSimplePrint(wp_, 0, 0, 0, 0, "no margins", 100, 0, 0), 0);
  const std::vector<PrintCapture::Word> plain = job.PageWords(1);
  ASSERT_EQ(plain.size(), 1u);
  ASSERT_EQ(wk_WordProcSimplePrint(wp_, 30, 20, 0, 0, "margins", 100, 0, 0), 0);
  const std::vector<PrintCapture::Word> moved = job.PageWords(1);
  ASSERT_EQ(moved.size(), 1u);
  // 30 units = 330 pixels at 300 dpi = 79.2 points; 20 units = 52.8 points.
  EXPECT_NEAR(moved[0].x - plain[0].x, 79.2, 1.0);
  EXPECT_NEAR(moved[0].y - plain[0].y, 52.8, 1.0);
}

TEST_F(WordProcPrint, EachSourceHasItsOwnSelectionRule) {
  SetText("0123456789ABCDEFGHIJabcdefghij");
  PrintCapture job("wp_selection");
  // Source 0: the caret in the middle and nothing selected prints all.
  SendMessageA(wp_, EM_SETSEL, 15, 15);
  ASSERT_EQ(wk_WordProcSimplePrint(wp_, 0, 0, 0, 0, "caret", 100, 0, 0), 0);
  EXPECT_EQ(job.PageLines(1), std::vector<std::string>{"0123456789ABCDEFGHIJabcdefghij"});
  // Source 0 with characters 11 to 20 (0-based 10 to 19) selected.
  SendMessageA(wp_, EM_SETSEL, 10, 20);
  ASSERT_EQ(wk_WordProcSimplePrint(wp_, 0, 0, 0, 0, "selection", 100, 0, 0), 0);
  EXPECT_EQ(job.PageLines(1), std::vector<std::string>{"ABCDEFGHIJ"});
  // Source 1 ignores the selection unless the dialog asked for it...
  DialogChose(1, 0);
  ASSERT_EQ(wk_WordProcSimplePrint(wp_, 0, 0, 0, 0, "dialog all", 100, 0, 1), 0);
  EXPECT_EQ(job.PageLines(1), std::vector<std::string>{"0123456789ABCDEFGHIJabcdefghij"});
  DialogChose(1, PD_SELECTION);
  ASSERT_EQ(wk_WordProcSimplePrint(wp_, 0, 0, 0, 0, "dialog selection", 100, 0, 1), 0);
  EXPECT_EQ(job.PageLines(1), std::vector<std::string>{"ABCDEFGHIJ"});
  // ...and then an empty selection leaves nothing to print.
  SendMessageA(wp_, EM_SETSEL, 4, 4);
  DialogChose(1, PD_SELECTION);
  EXPECT_EQ(wk_WordProcSimplePrint(wp_, 0, 0, 0, 0, "empty selection", 100, 0, 1), 2);
  EXPECT_EQ(wk_PrintDialogRecord.hDC, nullptr);  // released on that path too
}

TEST_F(WordProcPrint, FaceAndEffectsComeFromTheChosenFont) {
  SetText("Typeface\r\n");
  PrintCapture job("wp_font");
  LOGFONTA& chosen = wk::ChosenFont();
  lstrcpyA(chosen.lfFaceName, "Liberation Sans");
  ASSERT_EQ(wk_WordProcSimplePrint(wp_, 0, 0, 0, 0, "sans", 100, 0, 0), 0);
  EXPECT_NE(job.Fonts().find("LiberationSans"), std::string::npos) << job.Fonts();
  EXPECT_EQ(job.Fonts().find("Italic"), std::string::npos) << job.Fonts();
  chosen.lfItalic = TRUE;
  lstrcpyA(chosen.lfFaceName, "Liberation Serif");
  ASSERT_EQ(wk_WordProcSimplePrint(wp_, 0, 0, 0, 0, "serif italic", 100, 0, 0), 0);
  EXPECT_NE(job.Fonts().find("LiberationSerif"), std::string::npos) << job.Fonts();
  EXPECT_NE(job.Fonts().find("Italic"), std::string::npos) << job.Fonts();
  // The weight is the measuring font's: the system font is bold.
  EXPECT_NE(job.Fonts().find("Bold"), std::string::npos) << job.Fonts();
  ASSERT_EQ(wk_WordProcSimplePrint(wp_, 0, 0, 0, 0, "serif light", 100, 2, 0), 0);
  EXPECT_EQ(job.Fonts().find("Bold"), std::string::npos) << job.Fonts();
}

TEST_F(WordProcPrint, RefusesWithoutPrinterOrRoomForALine) {
  SetText(NumberedLines(3));
  PrintCapture job("wp_refused");
  const HCURSOR before = GetCursor();
  {
    wktest::DefaultPrinterEntry entry("wk bench PostScript,wineps.drv");  // no port
    EXPECT_EQ(wk_WordProcSimplePrint(wp_, 0, 0, 0, 0, "no port", 100, 0, 0), 4);
  }
  EXPECT_EQ(wk_WordProcSimplePrint(wp_, 0, 0, 0, 0, "no dialog", 100, 0, 1), 4);
  EXPECT_EQ(wk_WordProcSimplePrint(wp_, 0, 0, 0, 0, "no source", 100, 0, 7), 4);
  // A bottom margin of 400 units (4400 pixels) leaves no room for a line.
  EXPECT_EQ(wk_WordProcSimplePrint(wp_, 0, 0, 0, 400, "no room", 100, 0, 0), 5);
  SetText("");
  EXPECT_EQ(wk_WordProcSimplePrint(wp_, 0, 0, 0, 0, "empty", 100, 0, 0), 2);
  EXPECT_EQ(job.pages(), -1);
  EXPECT_EQ(GetCursor(), before);
  EXPECT_EQ(GetWindow(wp_, GW_CHILD), nullptr);  // no wrap control left behind
}

BOOL CALLBACK RefuseEverything(HDC, int) { return FALSE; }

TEST_F(WordProcPrint, ADocumentThatCannotStartIsReportedAsSuch) {
  SetText(NumberedLines(3));
  PrintCapture job("wp_no_document");
  // The caller's abort procedure on the dialog's printer makes StartDoc fail.
  DialogChose(1, 0);
  SetAbortProc(wk_PrintDialogRecord.hDC, RefuseEverything);
  EXPECT_EQ(wk_WordProcSimplePrint(wp_, 0, 0, 0, 0, "refused", 100, 0, 1), 3);
  EXPECT_EQ(wk_PrintDialogRecord.hDC, nullptr);
  EXPECT_EQ(job.pages(), -1);
}

TEST_F(WordProcPrint, PrintsOnThePrinterChosenInThePrintDialog) {
  SetText(NumberedLines(3));
  PrintCapture job("wp_dialog");
  {
    wktest::DialogAnswerer answerer(wktest::DialogAnswerer::Press(IDOK));
    ASSERT_EQ(wk_PrintDialog(wp_), 1);
  }
  ASSERT_NE(wk_PrintDialogRecord.hDC, nullptr);
  EXPECT_EQ(wk_WordProcSimplePrint(wp_, 0, 0, 0, 0, "from the dialog", 100, 0, 1), 0);
  EXPECT_EQ(job.PageLines(1), (std::vector<std::string>{"Line 001", "Line 002", "Line 003"}));
}

}  // namespace
