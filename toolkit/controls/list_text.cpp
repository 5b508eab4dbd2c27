// List view contents to and from text files with a separator after every
// cell, and the small list services that go with them.
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <cstring>
#include <memory>
#include <string>

#include "control_ops.hpp"
#include "logic/list_text_format.hpp"
#include "wk_controls.h"

namespace lt = wk::listtext;

namespace {

enum class Mode { kWrite, kAppend, kOther };
constexpr wk::Keyword<Mode> kModes[] = {{"WRITE", Mode::kWrite}, {"APPEND", Mode::kAppend}};

struct Closer {
  void operator()(std::FILE* f) const { std::fclose(f); }
};
using File = std::unique_ptr<std::FILE, Closer>;

File Open(const char* name, const char* mode) {
  return File(name ? std::fopen(name, mode) : nullptr);
}

// The stream's error state, cleared when set.
bool Failed(std::FILE* file) {
  if (!std::ferror(file)) return false;
  std::clearerr(file);
  return true;
}

// The import writes into the list view through the same messages the list
// view operations use.
class ListSink : public lt::ImportSink {
 public:
  explicit ListSink(HWND list) : list_(list) {}
  void SetCell(int row, int column, const char* text) override {
    LVITEMA cell{};
    cell.iSubItem = column;
    cell.pszText = const_cast<char*>(text);
    SendMessageA(list_, LVM_SETITEMTEXTA, static_cast<WPARAM>(row),
                 reinterpret_cast<LPARAM>(&cell));
  }
  void InsertRow(int row) override {
    // The row number is the new row's application value.
    LVITEMA item{};
    item.mask = LVIF_TEXT | LVIF_PARAM;
    item.iItem = row;
    item.pszText = const_cast<char*>("");
    item.lParam = row;
    SendMessageA(list_, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
  }

 private:
  HWND list_;
};

// Redrawing is suspended while rows go in: a visible list view repaints and
// rescrolls on every insertion otherwise, which makes a large import
// hundreds of times slower. The list is redrawn once at the end. A hidden
// list is left alone: it does not draw anyway, and turning redrawing back on
// would make it visible.
class RedrawSuspended {
 public:
  explicit RedrawSuspended(HWND list)
      : list_((GetWindowLongA(list, GWL_STYLE) & WS_VISIBLE) ? list : nullptr) {
    if (list_) SendMessageA(list_, WM_SETREDRAW, FALSE, 0);
  }
  ~RedrawSuspended() {
    if (!list_) return;
    SendMessageA(list_, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list_, nullptr, TRUE);
  }
  RedrawSuspended(const RedrawSuspended&) = delete;
  RedrawSuspended& operator=(const RedrawSuspended&) = delete;

 private:
  HWND list_;
};

}  // namespace

extern "C" int wk_ListExport(HWND list, const char* mode, const char* file_name, int columns,
                             const char* separator) {
  // Without a column the rows would never end and the export never return.
  if (columns < 1) return WK_LIST_BAD_COLUMNS;
  const Mode m = wk::KeywordValue(kModes, mode, Mode::kOther);
  File file = Open(file_name, m == Mode::kAppend ? "a" : "w");
  if (!file) return 2;
  const int sep = lt::KeywordSeparator(separator);
  std::string cell;
  for (int row = 0, column = 0;;) {
    // The list may change while it is written out; its count is asked anew
    // before every cell.
    if (row == static_cast<int>(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0))) break;
    char text[lt::kExportCellRoom] = {};
    LVITEMA item{};
    item.iSubItem = column;
    item.pszText = text;
    item.cchTextMax = sizeof text;
    SendMessageA(list, LVM_GETITEMTEXTA, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
    cell.clear();
    lt::AppendExportCell(cell, text, sep);
    std::fwrite(cell.data(), 1, cell.size(), file.get());
    if (column == columns - 1) {
      std::fputc('\n', file.get());
      ++row;
      column = 0;
    } else {
      ++column;
    }
    if (Failed(file.get())) return 3;
  }
  return std::fclose(file.release()) == 0 ? 0 : 3;
}

extern "C" int wk_ListImport(HWND list, const char* mode, const char* file_name, int columns,
                             const char* separator) {
  if (columns < 1) return WK_LIST_BAD_COLUMNS;
  // First pass: the file's total length bounds every line of the second.
  std::size_t total = 0;
  {
    File file = Open(file_name, "r");
    if (!file) return 2;
    char piece[30000];
    while (std::fgets(piece, sizeof piece, file.get()) != nullptr) total += std::strlen(piece);
    if (Failed(file.get())) return 3;
  }
  File file = Open(file_name, "r");
  if (!file) return 2;
  // Room for the longest possible line, so every line comes in one piece.
  std::unique_ptr<char[]> line(new (std::nothrow) char[total + 2]);
  if (!line) return 3;

  RedrawSuspended quiet(list);
  if (wk::KeywordValue(kModes, mode, Mode::kOther) == Mode::kWrite) {
    SendMessageA(list, LVM_DELETEALLITEMS, 0, 0);
  }
  ListSink sink(list);
  sink.InsertRow(0);
  lt::ImportReader reader(lt::ImportSeparator(separator), columns);
  const int room = total + 2 > 0x7FFFFFFF ? 0x7FFFFFFF : static_cast<int>(total + 2);
  while (std::fgets(line.get(), room, file.get()) != nullptr) {
    reader.Feed(line.get(), std::strlen(line.get()), sink);
  }
  const bool failed = Failed(file.get());
  // The row after the last complete line stays empty and goes again; on a
  // read error the rows read so far stay.
  SendMessageA(list, LVM_DELETEITEM, static_cast<WPARAM>(reader.row()), 0);
  return failed ? 3 : 0;
}

extern "C" int wk_ListClear(HWND list) {
  return SendMessageA(list, LVM_DELETEALLITEMS, 0, 0) ? 0 : 1;
}

extern "C" int wk_ListEditLabel(HWND list, int position) {
  SetFocus(list);
  return SendMessageA(list, LVM_EDITLABELA, static_cast<WPARAM>(position - 1), 0) ? 0 : 1;
}

extern "C" int wk_ListFindItem(HWND list, const char* text) {
  SetFocus(list);
  LVFINDINFOA find{};
  find.flags = LVFI_PARTIAL | LVFI_STRING;
  find.psz = text;
  // -1: the search starts before the first row.
  const LRESULT found =
      SendMessageA(list, LVM_FINDITEMA, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&find));
  return found < 0 ? -1 : static_cast<int>(found) + 1;
}

extern "C" HWND wk_ListGetEditControl(HWND list) {
  return reinterpret_cast<HWND>(SendMessageA(list, LVM_GETEDITCONTROL, 0, 0));
}
