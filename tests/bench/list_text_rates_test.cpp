// Figures, not checks: how fast a list view of 10,000 rows by 4 columns is
// exported to a text file and imported again, and what share of that time
// the platform's list view itself takes (the time spent inside its window
// procedure, measured by a procedure put in front of it).
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "wk_controls.h"
#include "wktest.hpp"

namespace {

int kRows = 10000;
constexpr int kColumns = 4;

WNDPROC g_list_proc = nullptr;
double g_inside = 0;  // seconds spent in the list view's procedure

LRESULT CALLBACK Timed(HWND w, UINT m, WPARAM wp, LPARAM lp) {
  const double from = wktest::NowSeconds();
  const LRESULT r = CallWindowProcA(g_list_proc, w, m, wp, lp);
  g_inside += wktest::NowSeconds() - from;
  return r;
}

}  // namespace

TEST(ListTextRates, ExportThenImportOf10000RowsBy4Columns) {
  if (const char* rows = std::getenv("WK_LIST_ROWS")) kRows = std::atoi(rows);
  INITCOMMONCONTROLSEX icc{sizeof icc, ICC_LISTVIEW_CLASSES};
  InitCommonControlsEx(&icc);
  wktest::TestWindow window(640, 480, "list view rates");
  HWND list = wk_ListCreate(window, 0, 0, 0, 0);
  for (int c = 0; c < kColumns; ++c) wk_ListInsertColumn(list, 120, "L", "kolumn", c);
  // Filling is not measured; without redrawing it takes a moment, not minutes.
  SendMessageA(list, WM_SETREDRAW, FALSE, 0);
  wk_ListLastRow = -1;
  char text[32];
  const double fill_start = wktest::NowSeconds();
  for (int r = 1; r <= kRows; ++r) {
    for (int c = 0; c < kColumns; ++c) {
      std::snprintf(text, sizeof text, "rad %d kolumn %d", r, c);
      wk_ListSetCell(list, text, r, c);
    }
  }
  SendMessageA(list, WM_SETREDRAW, TRUE, 0);
  std::printf("figure: list view of %d rows filled in %.3f s\n", kRows,
              wktest::NowSeconds() - fill_start);
  ASSERT_EQ(wk_ListRowCount(list), kRows);
  const std::string path = wktest::BuildPath("list_text_rates.txt");
  g_list_proc = wk_SetWindowProc(list, Timed);

  g_inside = 0;
  double start = wktest::NowSeconds();
  ASSERT_EQ(wk_ListExport(list, "WRITE", path.c_str(), kColumns, "TAB"), 0);
  const double export_s = wktest::NowSeconds() - start;
  const double export_inside = g_inside;

  g_inside = 0;
  start = wktest::NowSeconds();
  ASSERT_EQ(wk_ListImport(list, "WRITE", path.c_str(), kColumns, "TAB"), 0);
  const double import_s = wktest::NowSeconds() - start;
  const double import_inside = g_inside;

  // The figures are only worth printing for a round trip that worked.
  ASSERT_EQ(wk_ListRowCount(list), kRows);
  char cell[255];
  wk_ListGetCell(list, cell, kRows, 3);
  char last[32];
  std::snprintf(last, sizeof last, "rad %d kolumn 3", kRows);
  EXPECT_STREQ(cell, last);
  wk_SetWindowProc(list, g_list_proc);
  std::remove(path.c_str());

  std::printf("figure: list export: %d rows in %.3f s = %.0f rows/s; list view %.0f%% of it\n",
              kRows, export_s, kRows / export_s, 100.0 * export_inside / export_s);
  std::printf(
      "figure: list import: %d rows in %.3f s = %.0f rows/s; list view %.0f%% of it, the toolkit "
      "%.0f%%\n",
      kRows, import_s, kRows / import_s, 100.0 * import_inside / import_s,
      100.0 * (import_s - import_inside) / import_s);
}
