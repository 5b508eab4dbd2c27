// List views: the platform's report-style list view with titled columns and
// 1-based rows, filled cell by cell, and the small services around them
// (clearing, label editing, finding a row).
#include "toolkit/core/message.hpp"
#include "list_view.hpp"

#include <commctrl.h>

#include <cstring>

#include "toolkit/core/control_ops.hpp"
#include "wk_controls.h"

LVCOLUMNA wk_ListColumnRecord = {};
LVITEMA wk_ListItemRecord = {};
int wk_ListLastRow = -1;
int wk_ListSortArmed = 0;

namespace {

constexpr DWORD kListStyle = WS_CHILD | WS_VISIBLE | WS_BORDER | LVS_REPORT | LVS_EDITLABELS;
// No operation addresses the list by id; this one only keeps it apart from
// other children in the parent's WM_NOTIFY.
constexpr int kListId = 0x5600;

constexpr wk::Keyword<int> kAlignments[] = {
    {"L", LVCFMT_LEFT}, {"C", LVCFMT_CENTER}, {"R", LVCFMT_RIGHT}};

// Inserts an empty row at the 0-based position with the record's current
// application value; the text is set to empty after the insertion.
void InsertEmptyRow(HWND list, int item) {
  wk_ListItemRecord.mask = LVIF_TEXT | LVIF_IMAGE | LVIF_PARAM | LVIF_STATE;
  wk_ListItemRecord.iItem = item;
  wk_ListItemRecord.iSubItem = 0;
  wk_ListItemRecord.state = 0;
  wk_ListItemRecord.stateMask = 0;
  wk_ListItemRecord.pszText = LPSTR_TEXTCALLBACKA;
  wk_ListItemRecord.iImage = item;
  wk::Send(list, LVM_INSERTITEMA, 0, &wk_ListItemRecord);
  wk::list::SetCellText(list, item, 0, "");
}

}  // namespace

namespace wk::list {

LRESULT SetCellText(HWND list, int row, int column, const char* text) {
  LVITEMA cell{};
  cell.iSubItem = column;
  cell.pszText = const_cast<char*>(text);
  return wk::Send(list, LVM_SETITEMTEXTA, row, &cell);
}

int GetCellText(HWND list, int row, int column, char* buffer, int room) {
  if (buffer == nullptr || room <= 0) return 0;
  // The platform reads into a copy one byte longer than the room it is
  // given, zero at the end: a list view that fills the whole room without a
  // terminator (Wine's does) then finds one when it measures what it wrote,
  // inside the copy rather than past the caller's buffer.
  char copy[kCellRoomMax + 1] = {};
  LVITEMA cell{};
  cell.iSubItem = column;
  cell.pszText = copy;
  cell.cchTextMax = room < kCellRoomMax ? room : kCellRoomMax;
  wk::Send(list, LVM_GETITEMTEXTA, row, &cell);
  const int length = static_cast<int>(strnlen(copy, static_cast<std::size_t>(cell.cchTextMax - 1)));
  std::memcpy(buffer, copy, static_cast<std::size_t>(length));
  buffer[length] = '\0';
  return length;
}

void InsertRowWithValue(HWND list, int row, LPARAM value) {
  LVITEMA item{};
  item.mask = LVIF_TEXT | LVIF_PARAM;
  item.iItem = row;
  item.pszText = const_cast<char*>("");
  item.lParam = value;
  wk::Send(list, LVM_INSERTITEMA, 0, &item);
}

int DeleteRow(HWND list, int row) { return wk::Send(list, LVM_DELETEITEM, row) ? 0 : 1; }

}  // namespace wk::list

extern "C" HWND wk_ListCreate(HWND parent, int x, int y, int width, int height) noexcept {
  HWND list =
      CreateWindowExA(WS_EX_CLIENTEDGE, WC_LISTVIEWA, "", kListStyle, x, y, width, height, parent,
                      reinterpret_cast<HMENU>(kListId), wk::ops::InstanceOf(parent), nullptr);
  if (list && x + y + width + height == 0) {
    RECT client{};
    GetClientRect(parent, &client);
    MoveWindow(list, 0, 0, client.right, client.bottom, TRUE);
  }
  return list;
}

extern "C" int wk_ListSetColors(HWND list, COLORREF text, COLORREF background) noexcept {
  wk::Send(list, LVM_SETTEXTBKCOLOR, 0, background);
  wk::Send(list, LVM_SETTEXTCOLOR, 0, text);
  return InvalidateRect(list, nullptr, TRUE) ? 0 : 1;
}

extern "C" int wk_ListInsertColumn(HWND list, int width, const char* alignment, const char* title,
                                   int column) noexcept {
  if (!wk::ops::IsOfClass(list, WC_LISTVIEWA)) return -1;
  wk_ListColumnRecord.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT | LVCF_SUBITEM;
  // An unknown alignment keeps the format of the previous column.
  wk_ListColumnRecord.fmt = wk::KeywordValue(kAlignments, alignment, wk_ListColumnRecord.fmt);
  wk_ListColumnRecord.cx = width;
  wk_ListColumnRecord.pszText = const_cast<char*>(title);
  wk_ListColumnRecord.iSubItem = column;
  const WPARAM wparam = static_cast<WPARAM>(column);
  const LPARAM lparam = reinterpret_cast<LPARAM>(&wk_ListColumnRecord);
  return static_cast<int>(wk::Send(list, LVM_INSERTCOLUMNA, wparam, lparam));
}

extern "C" int wk_ListDeleteColumn(HWND list, int column) noexcept {
  return wk::Send(list, LVM_DELETECOLUMN, column) ? 0 : 1;
}

extern "C" int wk_ListColumnWidth(HWND list, int column) noexcept {
  const LRESULT width = wk::Send(list, LVM_GETCOLUMNWIDTH, column);
  return width <= 2000 ? static_cast<int>(width) : -1;
}

extern "C" int wk_ListInsertRow(HWND list, int row) noexcept {
  InsertEmptyRow(list, row - 1);
  return 0;
}

extern "C" int wk_ListSetCell(HWND list, const char* text, int row, int column) noexcept {
  if (row - 1 != wk_ListLastRow) {
    // The new row carries the cell's text pointer as its application value.
    wk_ListItemRecord.lParam = reinterpret_cast<LPARAM>(text);
    InsertEmptyRow(list, row - 1);
  }
  wk_ListLastRow = row - 1;
  wk::list::SetCellText(list, row - 1, column, text);
  return 0;
}

extern "C" int wk_ListChangeCell(HWND list, const char* text, int row, int column) noexcept {
  wk::list::SetCellText(list, row - 1, column, text);
  return 0;
}

extern "C" int wk_ListGetCell(HWND list, char* buffer, int row, int column) noexcept {
  return wk::list::GetCellText(list, row - 1, column, buffer, 255);
}

extern "C" int wk_ListDeleteRow(HWND list, int row) noexcept {
  return wk::list::DeleteRow(list, row - 1);
}

extern "C" int wk_ListUpdateRow(HWND list, int row) noexcept {
  return wk::Send(list, LVM_UPDATE, row - 1) ? 0 : 1;
}

extern "C" int wk_ListRowsPerPage(HWND list) noexcept {
  return static_cast<int>(wk::Send(list, LVM_GETCOUNTPERPAGE));
}

extern "C" int wk_ListRowCount(HWND list) noexcept {
  return static_cast<int>(wk::Send(list, LVM_GETITEMCOUNT));
}

extern "C" int wk_ListRedraw(HWND list) noexcept { return wk::ops::RepaintErased(list); }

WK_CONTROL_OP_FONT_MAKER(List, Make)

WK_CONTROL_OP_SETFONT(List)

extern "C" int wk_ListClear(HWND list) noexcept {
  return wk::Send(list, LVM_DELETEALLITEMS) ? 0 : 1;
}

extern "C" int wk_ListEditLabel(HWND list, int position) noexcept {
  SetFocus(list);
  return wk::Send(list, LVM_EDITLABELA, position - 1) ? 0 : 1;
}

extern "C" int wk_ListFindItem(HWND list, const char* text) noexcept {
  if (!wk::ops::IsOfClass(list, WC_LISTVIEWA)) return -1;
  SetFocus(list);
  LVFINDINFOA find{};
  find.flags = LVFI_PARTIAL | LVFI_STRING;
  find.psz = text;
  // -1: the search starts before the first row.
  const LRESULT found = wk::Send(list, LVM_FINDITEMA, -1, &find);
  return found < 0 ? -1 : static_cast<int>(found) + 1;
}

extern "C" HWND wk_ListGetEditControl(HWND list) noexcept {
  return reinterpret_cast<HWND>(wk::Send(list, LVM_GETEDITCONTROL));
}

// ---- Notifications from the parent's WM_NOTIFY ----

extern "C" int wk_ListClickedColumn(HWND list, HWND other, const NMHDR* header) noexcept {
  if (list == other) return 0;
  if (header == nullptr || header->code != LVN_COLUMNCLICK) return -1;
  const int column = reinterpret_cast<const NMLISTVIEW*>(header)->iSubItem;
  return column >= 0 && column <= 254 ? column : -1;
}

extern "C" int wk_ListLabelEdit(HWND list, HWND other, const NMHDR* header) noexcept {
  if (list == other || header == nullptr) return 0;
  const UINT code = header->code;
  if (code == LVN_BEGINLABELEDITA) {
    wk::Send(wk_ListGetEditControl(list), EM_LIMITTEXT, 255);
  } else if (code == LVN_ENDLABELEDITA) {
    // A cancelled edit carries no text and changes nothing.
    const LVITEMA& item = reinterpret_cast<const NMLVDISPINFOA*>(header)->item;
    if (item.iItem != -1 && item.pszText != nullptr) {
      wk::list::SetCellText(list, item.iItem, 0, item.pszText);
    }
  }
  return 0;
}

extern "C" int CALLBACK wk_ListCompareAlways(LPARAM, LPARAM, LPARAM) noexcept { return 1; }

extern "C" int wk_ListSortOnClick(HWND list, HWND other, const NMHDR* header) noexcept {
  if (list == other || header == nullptr) return 0;
  const UINT code = header->code;
  if (code == LVN_COLUMNCLICK) {
    if (reinterpret_cast<const NMLISTVIEW*>(header)->iSubItem == 0) {
      // The first click sorts with no comparison function (the platform
      // decides what that does); later clicks with the constant one.
      const LPARAM compare =
          wk_ListSortArmed == 1 ? reinterpret_cast<LPARAM>(&wk_ListCompareAlways) : 0;
      wk::Send(header->hwndFrom, LVM_SORTITEMS, 0, compare);
    }
    wk_ListSortArmed = 1;
  } else if (code == LVN_ENDLABELEDITA) {
    wk_ListSortArmed = 0;
  }
  return 0;
}

// ---- Common control operations ----

WK_CONTROL_OP_DESTROY(List)
WK_CONTROL_OP_HIDE(List)
WK_CONTROL_OP_SHOW(List, SW_SHOW)
WK_CONTROL_OP_CENTER(List)
WK_CONTROL_OP_GETPOSITION(List)
WK_CONTROL_OP_RESIZE(List)
WK_CONTROL_OP_GETSIZE(List)
WK_CONTROL_OP_DISABLE(List)
WK_CONTROL_OP_ENABLE(List)

// These two report the platform's own result: non-zero on success.
extern "C" int wk_ListMove(HWND list, int x, int y) noexcept {
  return wk::ops::MoveRaw(list, x, y);
}
extern "C" int wk_ListFitToParent(HWND list, int x, int y, int dw, int dh) noexcept {
  return wk::ops::FitToParentRaw(list, x, y, dw, dh);
}
