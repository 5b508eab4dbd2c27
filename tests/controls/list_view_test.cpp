// List views on a real window: creation, the set-cell protocol, columns,
// and the notification handlers driven by the list's own notifications.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "guard_page.hpp"
#include "wk_controls.h"
#include "wk_windows.h"
#include "wktest.hpp"

namespace {

class ListView : public testing::Test {
 protected:
  void SetUp() override {
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&icc);
    wk_ListLastRow = -1;
    wk_ListSortArmed = 0;
    // A parent that answers for text left to it: a row's empty first cell
    // must be the row's own text, not this answer.
    host.OnMessage([](HWND, UINT m, WPARAM, LPARAM lp) -> std::optional<LRESULT> {
      auto* info = reinterpret_cast<NMLVDISPINFOA*>(lp);
      if (m == WM_NOTIFY && info->hdr.code == LVN_GETDISPINFOA && (info->item.mask & LVIF_TEXT))
        lstrcpynA(info->item.pszText, "parent", info->item.cchTextMax);
      return std::nullopt;
    });
    list = wk_ListCreate(host, 10, 10, 400, 300);
    ASSERT_NE(list, nullptr);
  }
  std::string Cell(int row, int column) {
    char buffer[255] = {};
    wk_ListGetCell(list, buffer, row, column);
    return buffer;
  }
  void AddColumns(int n) {
    for (int c = 0; c < n; ++c) wk_ListInsertColumn(list, 80, "L", "col", c);
  }

  wktest::TestWindow host;
  HWND list = nullptr;
};

// Records the messages a list receives, so a test can see what was sent.
std::vector<std::pair<UINT, LPARAM>> g_sent;
WNDPROC g_list_proc = nullptr;
LRESULT CALLBACK Spy(HWND w, UINT m, WPARAM wp, LPARAM lp) {
  if (m >= LVM_FIRST && m < LVM_FIRST + 0x100) g_sent.emplace_back(m, lp);
  return CallWindowProcA(g_list_proc, w, m, wp, lp);
}

}  // namespace

TEST_F(ListView, CreatedAsAnEditableReportWithAClientEdge) {
  EXPECT_EQ(wktest::ClassName(list), "SysListView32");
  EXPECT_EQ(static_cast<DWORD>(GetWindowLongA(list, GWL_STYLE)), 0x50800201u);
  EXPECT_EQ(GetWindowLongA(list, GWL_EXSTYLE) & WS_EX_CLIENTEDGE, WS_EX_CLIENTEDGE);
  EXPECT_EQ(wktest::WindowText(list), "");
  EXPECT_EQ(wk_ListRowCount(list), 0);

  // All-zero geometry fills the parent's client area.
  HWND full = wk_ListCreate(host, 0, 0, 0, 0);
  RECT client{};
  GetClientRect(host, &client);
  EXPECT_EQ(wktest::PlaceInParent(full), (std::vector<LONG>{0, 0, client.right, client.bottom}));
}

TEST_F(ListView, SetCellInsertsARowWheneverTheRowNumberChanges) {
  AddColumns(3);
  for (int row = 1; row <= 2; ++row) {
    for (int column = 0; column < 3; ++column) {
      char text[8];
      std::snprintf(text, sizeof text, "r%dc%d", row, column);
      EXPECT_EQ(wk_ListSetCell(list, text, row, column), 0);  // the list copies the text
    }
  }
  EXPECT_EQ(wk_ListRowCount(list), 2);
  EXPECT_EQ(wk_ListLastRow, 1);
  EXPECT_EQ(Cell(1, 0), "r1c0");
  EXPECT_EQ(Cell(2, 2), "r2c2");
  EXPECT_EQ(wk_ListGetCell(list, std::vector<char>(255).data(), 2, 1), 4);

  // The same row number twice adds no row; going back to row 1 inserts one.
  EXPECT_EQ(wk_ListSetCell(list, "x", 1, 1), 0);
  EXPECT_EQ(wk_ListRowCount(list), 3);
  EXPECT_EQ(Cell(1, 1), "x");
  EXPECT_EQ(Cell(1, 0), "");  // the new row's first cell is empty
  EXPECT_EQ(Cell(2, 0), "r1c0");

  // The row's application value is the text pointer of the cell that made it.
  static const char kText[] = "first";
  EXPECT_EQ(wk_ListSetCell(list, kText, 9, 0), 0);
  LVITEMA item{};
  item.mask = LVIF_PARAM;
  item.iItem = 3;
  SendMessageA(list, LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item));
  EXPECT_EQ(item.lParam, reinterpret_cast<LPARAM>(kText));
}

TEST_F(ListView, RowsAndCellsChangeInPlace) {
  AddColumns(2);
  EXPECT_EQ(wk_ListSetCell(list, "a", 1, 0), 0);
  EXPECT_EQ(wk_ListSetCell(list, "b", 2, 0), 0);
  const int before = wk_ListLastRow;
  EXPECT_EQ(wk_ListChangeCell(list, "B", 2, 1), 0);
  EXPECT_EQ(wk_ListLastRow, before);
  EXPECT_EQ(Cell(2, 1), "B");
  EXPECT_EQ(wk_ListInsertRow(list, 1), 0);
  EXPECT_EQ(wk_ListRowCount(list), 3);
  EXPECT_EQ(Cell(1, 0), "");
  EXPECT_EQ(Cell(2, 0), "a");
  EXPECT_EQ(wk_ListUpdateRow(list, 1), 0);
  EXPECT_EQ(wk_ListDeleteRow(list, 1), 0);
  EXPECT_EQ(wk_ListDeleteRow(list, 7), 1);
  EXPECT_EQ(wk_ListRowCount(list), 2);
  EXPECT_GT(wk_ListRowsPerPage(list), 5);
}

// A cell comes back terminated within the 255-byte buffer however long it
// is; the buffer ends at an unreadable page, so a read or write past it
// faults, the toolkit's or the platform's.
TEST_F(ListView, CellsComeBackTerminatedWithinTheirBuffer) {
  AddColumns(1);
  EXPECT_EQ(wk_ListSetCell(list, "", 1, 0), 0);
  wktest::GuardPage guard;
  const struct {
    int length;
    int copied;
  } rows[] = {{254, 254}, {255, 254}, {256, 254}, {400, 254}};
  for (const auto& row : rows) {
    wk_ListChangeCell(list, std::string(row.length, 'q').c_str(), 1, 0);
    char* buffer = guard.Flush(std::string(255, 'Z'));
    EXPECT_EQ(wk_ListGetCell(list, buffer, 1, 0), row.copied) << row.length;
    EXPECT_EQ(std::string(buffer), std::string(row.copied, 'q')) << row.length;
  }
  EXPECT_EQ(wk_ListGetCell(list, nullptr, 1, 0), 0);  // nothing to write into
}

TEST_F(ListView, ColumnsAlignWidthsAndDeletion) {
  auto format = [&](int column) {
    LVCOLUMNA c{};
    c.mask = LVCF_FMT;
    SendMessageA(list, LVM_GETCOLUMNA, column, reinterpret_cast<LPARAM>(&c));
    return c.fmt & LVCFMT_JUSTIFYMASK;
  };
  wk_ListColumnRecord.fmt = 0;  // as at start
  EXPECT_EQ(wk_ListInsertColumn(list, 50, "X", "a", 0), 0);
  EXPECT_EQ(format(0), LVCFMT_LEFT);
  EXPECT_EQ(wk_ListInsertColumn(list, 60, "C", "b", 1), 1);
  EXPECT_EQ(wk_ListInsertColumn(list, 70, "X", "c", 2), 2);
  EXPECT_EQ(format(2), LVCFMT_CENTER);  // an unknown word keeps the last format
  EXPECT_EQ(wk_ListInsertColumn(list, 70, "R", "d", 3), 3);
  EXPECT_EQ(format(3), LVCFMT_RIGHT);
  EXPECT_EQ(wk_ListInsertColumn(list, 70, "c", "e", 4), 4);
  EXPECT_EQ(format(4), LVCFMT_RIGHT);  // exact, case-sensitive comparison
  EXPECT_EQ(wk_ListColumnRecord.mask, 15u);
  EXPECT_EQ(wk_ListColumnRecord.iSubItem, 4);

  EXPECT_EQ(wk_ListColumnWidth(list, 1), 60);
  EXPECT_EQ(wk_ListInsertColumn(list, 2500, "L", "wide", 5), 5);
  EXPECT_EQ(wk_ListColumnWidth(list, 5), -1);
  EXPECT_EQ(wk_ListDeleteColumn(list, 5), 0);
  EXPECT_EQ(wk_ListDeleteColumn(list, 40), 1);
}

TEST_F(ListView, Colours) {
  AddColumns(1);
  EXPECT_EQ(wk_ListSetCell(list, "text", 1, 0), 0);
  EXPECT_EQ(wk_ListSetColors(list, RGB(255, 255, 0), RGB(0, 0, 128)), 0);
  EXPECT_EQ(static_cast<COLORREF>(SendMessageA(list, LVM_GETTEXTCOLOR, 0, 0)), RGB(255, 255, 0));
  EXPECT_EQ(static_cast<COLORREF>(SendMessageA(list, LVM_GETTEXTBKCOLOR, 0, 0)), RGB(0, 0, 128));
}

TEST_F(ListView, ClickedColumnReadsTheColumnClickNotification) {
  NMLISTVIEW click{};
  click.hdr.hwndFrom = list;
  click.hdr.code = LVN_COLUMNCLICK;
  click.iSubItem = 3;
  EXPECT_EQ(wk_ListClickedColumn(list, host, &click.hdr), 3);
  click.iSubItem = 255;
  EXPECT_EQ(wk_ListClickedColumn(list, host, &click.hdr), -1);
  click.hdr.code = LVN_ENDLABELEDITA;
  EXPECT_EQ(wk_ListClickedColumn(list, host, &click.hdr), -1);
  EXPECT_EQ(wk_ListClickedColumn(list, list, &click.hdr), 0);
}

TEST_F(ListView, ClickingTheFirstTitleSortsAndALabelEditDisarms) {
  AddColumns(2);
  EXPECT_EQ(wk_ListSetCell(list, "b", 1, 0), 0);
  EXPECT_EQ(wk_ListSetCell(list, "a", 2, 0), 0);
  // The parent serves its WM_NOTIFY with the toolkit's handlers.
  host.OnMessage([&](HWND, UINT m, WPARAM, LPARAM lp) -> std::optional<LRESULT> {
    if (m == WM_NOTIFY) {
      const auto* header = reinterpret_cast<const NMHDR*>(lp);
      wk_ListLabelEdit(list, host, header);
      EXPECT_EQ(wk_ListSortOnClick(list, host, header), 0);
    }
    return std::nullopt;
  });
  g_list_proc = wk_SetWindowProc(list, Spy);
  g_sent.clear();

  NMLISTVIEW click{};
  click.hdr.hwndFrom = list;
  click.hdr.code = LVN_COLUMNCLICK;
  click.iSubItem = 1;  // another column only arms
  SendMessageA(host, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&click));
  EXPECT_EQ(wk_ListSortArmed, 1);
  EXPECT_TRUE(g_sent.empty());
  click.iSubItem = 0;
  SendMessageA(host, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&click));
  ASSERT_EQ(g_sent.size(), 1u);
  EXPECT_EQ(g_sent[0].first, static_cast<UINT>(LVM_SORTITEMS));
  EXPECT_EQ(g_sent[0].second, reinterpret_cast<LPARAM>(&wk_ListCompareAlways));
  EXPECT_EQ(wk_ListRowCount(list), 2);

  // A real label edit: started by the toolkit, typed, committed with Return.
  ASSERT_EQ(wk_ListEditLabel(list, 2), 0);
  HWND edit = wk_ListGetEditControl(list);
  ASSERT_NE(edit, nullptr);
  EXPECT_EQ(SendMessageA(edit, EM_GETLIMITTEXT, 0, 0), 255);
  SetWindowTextA(edit, "edited");
  SendMessageA(edit, WM_KEYDOWN, VK_RETURN, 0);
  wktest::WaitFor([&] { return wk_ListGetEditControl(list) == nullptr; });
  EXPECT_EQ(wk_ListSortArmed, 0);
  char buffer[255] = {};
  wk_ListGetCell(list, buffer, 2, 0);
  EXPECT_STREQ(buffer, "edited");

  // Disarmed, the first-column click sorts without a comparison function.
  g_sent.clear();
  SendMessageA(host, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&click));
  ASSERT_EQ(g_sent.size(), 1u);
  EXPECT_EQ(g_sent[0].second, 0);
  EXPECT_EQ(wk_ListSortArmed, 1);
  wk_SetWindowProc(list, g_list_proc);
}

TEST_F(ListView, ACancelledLabelEditChangesNothing) {
  AddColumns(1);
  EXPECT_EQ(wk_ListSetCell(list, "keep", 1, 0), 0);
  NMLVDISPINFOA end{};
  end.hdr.hwndFrom = list;
  end.hdr.code = LVN_ENDLABELEDITA;
  end.item.iItem = 0;
  end.item.pszText = nullptr;
  EXPECT_EQ(wk_ListLabelEdit(list, host, &end.hdr), 0);
  EXPECT_EQ(Cell(1, 0), "keep");
  end.item.pszText = const_cast<char*>("new");
  EXPECT_EQ(wk_ListLabelEdit(list, list, &end.hdr), 0);  // same windows: nothing
  EXPECT_EQ(Cell(1, 0), "keep");
  EXPECT_EQ(wk_ListLabelEdit(list, host, &end.hdr), 0);
  EXPECT_EQ(Cell(1, 0), "new");
}
