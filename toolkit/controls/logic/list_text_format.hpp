// The list view's text file format, without the list view.
//
// One row per line; every cell is written as its text followed at once by
// the separator character, so a row of three cells reads
//   first<sep>second<sep>third<sep><line end>
// Cells cannot hold the separator or a line end. The writer and the reader
// here are the whole format: the list view code only fetches and stores
// cells and moves lines between the file and these functions.
#pragma once

#include <cstddef>
#include <string>

namespace wk::listtext {

// A separator keyword's character ("COMMA" ','), or -1 for a word that is
// none of the keywords (export then writes no separator at all).
int KeywordSeparator(const char* keyword);

// The separator import uses: the keyword's character, else the argument's
// own first character (so ";" works), or -1 for a null or empty argument,
// which ends no cell.
int ImportSeparator(const char* keyword);

// Room the export gives each cell's text: 19 characters and the zero.
inline constexpr int kExportCellRoom = 20;
// The longest cell the import keeps; longer cells are cut to this.
inline constexpr int kImportCellMax = 254;

// Appends one cell as the file holds it: the text, cut to the export's 19
// characters, then the separator (none when `separator` is -1). A cell
// whose text (as cut) holds the separator or a line end (CR or LF) would
// read back as other cells or rows: it appends nothing and answers false.
bool AppendExportCell(std::string& out, const char* text, int separator);

// Receives what the reader makes of the file.
class ImportSink {
 public:
  virtual ~ImportSink() = default;
  // Sets cell (row, column), both 0-based, of an existing row.
  virtual void SetCell(int row, int column, const char* text) = 0;
  // Inserts a new empty row at this 0-based position.
  virtual void InsertRow(int row) = 0;
  // Deletes the row at this 0-based position.
  virtual void DeleteRow(int row) = 0;
};

// Reads the file's lines into rows of a sink. The reader keeps a row ready
// for the cells to come: it inserts row 0 when it is made and a new row after
// each complete one, and Finish deletes the last, which stays empty after the
// last complete line.
class ImportReader {
 public:
  // Inserts row 0. `columns` below 1 count as 1.
  ImportReader(ImportSink& sink, int separator, int columns);

  // Feeds the next line as the line reader delivered it (line end included),
  // or a piece of a longer line.
  void Feed(const char* text, std::size_t length);
  // Deletes the row after the last complete line. Once, after the last Feed.
  void Finish();

  int row() const { return row_; }        // the row being filled (the last inserted)
  int column() const { return column_; }  // the column being filled

 private:
  ImportSink& sink_;
  int separator_;
  int columns_;
  int row_ = 0;
  int column_ = 0;
  bool skipping_ = false;  // after a row's last separator, until the line end
  char cell_[kImportCellMax + 1] = {};
  int length_ = 0;
};

}  // namespace wk::listtext
