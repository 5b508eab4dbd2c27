// List view contents to and from text files with a separator after every
// cell. The format is logic/list_text_format's; the cells are read and
// written through the list view's own cell code.
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <cstring>
#include <memory>
#include <string>

#include "toolkit/core/message.hpp"
#include "list_view.hpp"
#include "logic/list_text_format.hpp"
#include "toolkit/core/boundary.hpp"
#include "toolkit/core/gdi.hpp"
#include "toolkit/core/keywords.hpp"
#include "toolkit/core/safe_file.hpp"
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

// The import writes into the list view through the list view's cell code.
class ListSink : public lt::ImportSink {
 public:
  explicit ListSink(HWND list) : list_(list) {}
  void SetCell(int row, int column, const char* text) override {
    wk::list::SetCellText(list_, row, column, text);
  }
  // The row number is the new row's application value.
  void InsertRow(int row) override { wk::list::InsertRowWithValue(list_, row, row); }
  void DeleteRow(int row) override { wk::list::DeleteRow(list_, row); }

 private:
  HWND list_;
};

// The whole text is made before anything is written, so a cell the format
// cannot hold refuses the export with the file as it was; the file itself
// is replaced or added to through the toolkit's safe writer.
int Export(HWND list, const char* mode, const char* file_name, int columns, const char* separator) {
  const Mode m = wk::KeywordValue(kModes, mode, Mode::kOther);
  const int sep = lt::KeywordSeparator(separator);
  std::string text;
  for (int row = 0, column = 0;;) {
    // The list may change while it is read; its count is asked anew before
    // every cell.
    if (row == static_cast<int>(wk::Send(list, LVM_GETITEMCOUNT))) break;
    char cell[lt::kExportCellRoom];
    wk::list::GetCellText(list, row, column, cell, lt::kExportCellRoom);
    if (!lt::AppendExportCell(text, cell, sep)) return WK_LIST_IO_ERROR;
    if (column == columns - 1) {
      text += "\r\n";  // a text-mode line end
      ++row;
      column = 0;
    } else {
      ++column;
    }
  }
  return wk::WriteWholeFile(file_name, text.data(), text.size(),
                            {WK_LIST_DONE, WK_LIST_CANNOT_OPEN, WK_LIST_IO_ERROR},
                            m == Mode::kAppend ? wk::FileWrite::kAppend : wk::FileWrite::kReplace);
}

}  // namespace

extern "C" int wk_ListExport(HWND list, const char* mode, const char* file_name, int columns,
                             const char* separator) noexcept {
  // Without a column the rows would never end and the export never return.
  if (columns < 1) return WK_LIST_BAD_COLUMNS;
  // Without memory for a cell nothing more can be written.
  return wk::Guarded(WK_LIST_IO_ERROR,
                     [&] { return Export(list, mode, file_name, columns, separator); });
}

extern "C" int wk_ListImport(HWND list, const char* mode, const char* file_name, int columns,
                             const char* separator) noexcept {
  if (columns < 1) return WK_LIST_BAD_COLUMNS;
  // First pass: the file's total length bounds every line of the second.
  std::size_t total = 0;
  {
    File file = Open(file_name, "r");
    if (!file) return WK_LIST_CANNOT_OPEN;
    char piece[30000];
    while (std::fgets(piece, sizeof piece, file.get()) != nullptr) total += std::strlen(piece);
    if (Failed(file.get())) return WK_LIST_IO_ERROR;
  }
  File file = Open(file_name, "r");
  if (!file) return WK_LIST_CANNOT_OPEN;
  // Room for the longest possible line, so every line comes in one piece.
  std::unique_ptr<char[]> line(new (std::nothrow) char[total + 2]);
  if (!line) return WK_LIST_IO_ERROR;

  const wk::RedrawSuspended quiet(list, wk::RedrawSuspended::How::kControl);
  if (wk::KeywordValue(kModes, mode, Mode::kOther) == Mode::kWrite) wk_ListClear(list);
  ListSink sink(list);
  lt::ImportReader reader(sink, lt::ImportSeparator(separator), columns);
  const int room = total + 2 > 0x7FFFFFFF ? 0x7FFFFFFF : static_cast<int>(total + 2);
  while (std::fgets(line.get(), room, file.get()) != nullptr) {
    reader.Feed(line.get(), std::strlen(line.get()));
  }
  const bool failed = Failed(file.get());
  // On a read error the rows read so far stay.
  reader.Finish();
  return failed ? WK_LIST_IO_ERROR : WK_LIST_DONE;
}
