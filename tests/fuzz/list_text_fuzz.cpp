// Fuzzes the list view text reader with arbitrary files, separators and
// column counts, and checks that exported tables read back cell for cell.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "toolkit/controls/logic/list_text_format.hpp"

namespace lt = wk::listtext;

namespace {

struct Table : lt::ImportSink {
  std::vector<std::vector<std::string>> rows;
  void SetCell(int row, int column, const char* text) override {
    if (row < 0 || row >= static_cast<int>(rows.size()) || column < 0) std::abort();
    if (std::strlen(text) > static_cast<size_t>(lt::kImportCellMax)) std::abort();
    auto& r = rows[row];
    if (static_cast<int>(r.size()) <= column) r.resize(column + 1);
    r[column] = text;
  }
  void InsertRow(int row) override {
    if (row < 0 || row > static_cast<int>(rows.size())) std::abort();
    rows.insert(rows.begin() + row, std::vector<std::string>{});
  }
  void DeleteRow(int row) override {
    if (row < 0 || row >= static_cast<int>(rows.size())) std::abort();
    rows.erase(rows.begin() + row);
  }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 3) return 0;
  const int sep = data[0] == 0 ? -1 : data[0];
  const int columns = 1 + data[1] % 8;
  const size_t piece = 1 + data[2] % 64;  // how the line reader cuts long lines
  const char* text = reinterpret_cast<const char*>(data + 3);
  const size_t length = size - 3;

  // Any file: the reader must stay inside its cell and its rows.
  Table any;
  lt::ImportReader reader(any, sep, columns);
  for (size_t i = 0; i < length; i += piece) {
    reader.Feed(text + i, std::min(piece, length - i));
  }
  if (reader.column() < 0 || reader.column() >= columns) std::abort();

  // The same bytes as a table of cells (no separator, no line end, at most
  // 19 characters each) must survive export and import unchanged.
  if (sep < 0 || sep == '\n') return 0;
  std::vector<std::vector<std::string>> table;
  std::string cell;
  std::vector<std::string> row;
  for (size_t i = 0; i < length; ++i) {
    const char c = text[i];
    if (c == static_cast<char>(sep) || c == '\n' || c == '\0' || cell.size() == 19) {
      row.push_back(cell);
      cell.clear();
      if (static_cast<int>(row.size()) == columns) {
        table.push_back(row);
        row.clear();
      }
      continue;
    }
    cell += c;
  }
  std::string file;
  for (const auto& r : table) {
    for (const auto& c : r) {
      if (!lt::AppendExportCell(file, c.c_str(), sep)) return 0;  // refused: nothing to read back
    }
    file += '\n';
  }
  Table back;
  lt::ImportReader again(back, sep, columns);
  size_t start = 0;
  while (start < file.size()) {
    size_t end = file.find('\n', start) + 1;
    again.Feed(file.data() + start, end - start);
    start = end;
  }
  again.Finish();
  if (back.rows != table) std::abort();
  return 0;
}
