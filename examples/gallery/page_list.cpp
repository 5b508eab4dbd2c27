// The list view page: a table of the toolkit's control kinds whose rows can
// be exported to a text file, cleared and imported again; the first column's
// labels can be edited in place and its title sorts the rows.
#include <windows.h>

#include <cstdio>
#include <cstring>

#include "gallery.hpp"
#include "wk_controls.h"
#include "wk_draw.h"

namespace gallery {

namespace {

enum : int {
  kExport = kControlFirst + 300,
  kClear,
  kImport,
};

constexpr int kColumns = 3;
// Export keeps the first 19 characters of a cell; every cell here is shorter.
constexpr const char* kRows[][kColumns] = {
    {"Push button", "wk_ButtonCreate", "wk_controls.h"},
    {"Slider", "wk_SliderCreate", "wk_controls.h"},
    {"Progress bar", "wk_ProgressCreate", "wk_controls.h"},
    {"List view", "wk_ListCreate", "wk_controls.h"},
    {"Check box", "wk_CheckCreate", "wk_controls.h"},
    {"Up-down", "wk_UpDownCreate", "wk_controls.h"},
    {"Edit field", "wk_EditCreate", "wk_text.h"},
    {"Combo box", "wk_ComboCreate", "wk_text.h"},
    {"Word processor", "wk_WordProcSimple..", "wk_text.h"},
    {"Rich edit", "wk_RichEditCreate", "wk_text.h"},
    {"Menu bar", "wk_MenuCreate", "wk_menus.h"},
    {"Icon canvas", "wk_IconDrawCanvas", "wk_draw.h"},
};
constexpr int kRowCount = sizeof kRows / sizeof kRows[0];

HWND g_list = nullptr;

HWND Keep(HWND control) {
  if (control != nullptr) Shared().controls.push_back(control);
  return control;
}

// The exchange file: rows as text, a tab after every cell.
const char* RowsFile() {
  static char path[MAX_PATH + 32] = "";
  if (path[0] == '\0') {
    GetTempPathA(MAX_PATH, path);
    std::strcat(path, "gallery-rows.txt");
  }
  return path;
}

void ReportRows(const char* what, int result) {
  char line[MAX_PATH + 96];
  std::snprintf(line, sizeof line, "%s: result %d, %d rows (%s)", what, result,
                wk_ListRowCount(g_list), RowsFile());
  Report(line);
}

}  // namespace

void BuildListPage(HWND window) {
  g_list = Keep(wk_ListCreate(window, kPageLeft, kPageTop + 22, 560, 440));
  if (g_list == nullptr) return;
  wk_ListInsertColumn(g_list, 160, "L", "Control (edit me)", 0);
  wk_ListInsertColumn(g_list, 200, "L", "Created by", 1);
  wk_ListInsertColumn(g_list, 160, "C", "Header", 2);
  // Cell by cell: a new row number starts a new row.
  for (int row = 0; row < kRowCount; ++row) {
    for (int column = 0; column < kColumns; ++column) {
      wk_ListSetCell(g_list, kRows[row][column], row + 1, column);
    }
  }
  static HFONT font = wk_ListMakeFont(g_list, 10, FW_NORMAL, 0, 0, "Tahoma");
  wk_ListSetFont(g_list, font);
  wk_ListSetColors(g_list, RGB(0, 0, 96), RGB(255, 255, 240));
  const int x = kPageLeft + 580;
  Keep(wk_ButtonCreate(window, x, kPageTop + 22, 180, 30, "Export rows to file", "C", "NORMAL",
                       kExport));
  Keep(wk_ButtonCreate(window, x, kPageTop + 62, 180, 30, "Clear the list", "C", "NORMAL", kClear));
  Keep(wk_ButtonCreate(window, x, kPageTop + 102, 180, 30, "Import rows from file", "C", "NORMAL",
                       kImport));
}

void PaintListPage(HWND window) {
  wk_WriteText(window, kPageLeft, kPageTop,
               "A list view: click a label to edit it, the first title to sort", RGB(0, 0, 96),
               nullptr, 0);
  wk_WriteText(window, kPageLeft + 580, kPageTop + 150, "Rows travel as text,", RGB(0, 0, 0),
               nullptr, 0);
  wk_WriteText(window, kPageLeft + 580, kPageTop + 168, "a tab after each cell.", RGB(0, 0, 0),
               nullptr, 0);
}

bool ListPageCommand(HWND, int command) {
  switch (command) {
    case kExport:
      ReportRows("Exported", wk_ListExport(g_list, "WRITE", RowsFile(), kColumns, "TAB"));
      return true;
    case kClear:
      ReportRows("Cleared", wk_ListClear(g_list));
      return true;
    case kImport:
      ReportRows("Imported", wk_ListImport(g_list, "WRITE", RowsFile(), kColumns, "TAB"));
      return true;
    default:
      return false;
  }
}

// The list's notifications: label editing and sorting.
bool ListPageNotify(HWND window, NMHDR* header) {
  if (g_list == nullptr || header == nullptr || header->hwndFrom != g_list) return false;
  wk_ListLabelEdit(g_list, window, header);
  wk_ListSortOnClick(g_list, window, header);
  return true;
}

}  // namespace gallery
