// The list view text format: writing cells and reading lines back into rows.
#include "toolkit/controls/logic/list_text_format.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace lt = wk::listtext;

namespace {

// A table as the list view would hold it after an import: rows are inserted
// at their positions, cells set in place.
struct Table : lt::ImportSink {
  std::vector<std::vector<std::string>> rows;
  int inserts = 0;
  void SetCell(int row, int column, const char* text) override {
    ASSERT_GE(row, 0);
    ASSERT_LT(row, static_cast<int>(rows.size()));
    auto& r = rows[row];
    if (static_cast<int>(r.size()) <= column) r.resize(column + 1);
    r[column] = text;
  }
  void InsertRow(int row) override {
    ASSERT_LE(row, static_cast<int>(rows.size()));
    rows.insert(rows.begin() + row, std::vector<std::string>{});
    ++inserts;
  }
  void DeleteRow(int row) override {
    ASSERT_LT(row, static_cast<int>(rows.size()));
    rows.erase(rows.begin() + row);
  }
};

// Feeds `file` line by line as a line reader delivers it, then finishes as
// the import does.
Table Import(const std::string& file, int separator, int columns) {
  Table t;
  lt::ImportReader reader(t, separator, columns);
  size_t start = 0;
  while (start < file.size()) {
    size_t end = file.find('\n', start);
    end = end == std::string::npos ? file.size() : end + 1;
    reader.Feed(file.data() + start, end - start);
    start = end;
  }
  reader.Finish();
  return t;
}

}  // namespace

TEST(ListTextSeparators, KeywordsAndOneCharacterArguments) {
  const std::pair<const char*, char> known[] = {{"COMMA", ','}, {"POINT", '.'}, {"TAB", '\t'},
                                                {"SPACE", ' '}, {"STAR", '*'},  {"PLUS", '+'},
                                                {"MINUS", '-'}, {"VLINE", '|'}};
  for (auto [word, c] : known) {
    EXPECT_EQ(lt::KeywordSeparator(word), c) << word;
    EXPECT_EQ(lt::ImportSeparator(word), c) << word;
  }
  // Export: another word writes no separator; import: its first character.
  EXPECT_EQ(lt::KeywordSeparator(";"), -1);
  EXPECT_EQ(lt::KeywordSeparator("comma"), -1);
  EXPECT_EQ(lt::ImportSeparator(";"), ';');
  EXPECT_EQ(lt::ImportSeparator("comma"), 'c');
  EXPECT_EQ(lt::ImportSeparator("\xE5"), 0xE5);  // a Latin-1 letter is not negative
  EXPECT_EQ(lt::ImportSeparator(""), -1);
  EXPECT_EQ(lt::ImportSeparator(nullptr), -1);
}

TEST(ListTextExport, CellsAreCutTo19FollowedByTheSeparatorOrRefused) {
  std::string out;
  EXPECT_TRUE(lt::AppendExportCell(out, "a", ','));
  EXPECT_TRUE(lt::AppendExportCell(out, "", ','));
  EXPECT_TRUE(lt::AppendExportCell(out, "0123456789abcdefghijKLM", ','));
  EXPECT_TRUE(lt::AppendExportCell(out, "0123456789abcdefghi,", ','));  // cut before the comma
  EXPECT_EQ(out, "a,,0123456789abcdefghi,0123456789abcdefghi,");
  // A cell holding the separator or a line end would not read back: refused, nothing added.
  for (const char* cell : {"a,b", "a\nb", "a\rb", ","}) {
    EXPECT_FALSE(lt::AppendExportCell(out, cell, ',')) << cell;
  }
  EXPECT_FALSE(lt::AppendExportCell(out, "\xE5\t", '\t'));
  EXPECT_EQ(out.size(), 43u);
  out.clear();
  EXPECT_TRUE(lt::AppendExportCell(out, "a,", -1));
  EXPECT_TRUE(lt::AppendExportCell(out, "b", -1));
  EXPECT_EQ(out, "a,b");
}

TEST(ListTextImport, RowsCellsAndEmptyCells) {
  Table t = Import("a,b,\n,d,\n", ',', 2);
  ASSERT_EQ(t.rows.size(), 2u);
  EXPECT_EQ(t.rows[0], (std::vector<std::string>{"a", "b"}));
  EXPECT_EQ(t.rows[1], (std::vector<std::string>{"", "d"}));
  // The text after a row's last separator is not read.
  t = Import("a;b;tail\nc;d;\n", ';', 2);
  ASSERT_EQ(t.rows.size(), 2u);
  EXPECT_EQ(t.rows[0][1], "b");
  EXPECT_EQ(t.rows[1][0], "c");
  // An empty file and a file of line ends give no rows.
  EXPECT_TRUE(Import("", ',', 2).rows.empty());
  EXPECT_TRUE(Import("\n\n", ',', 2).rows.empty());
}

TEST(ListTextImport, ShortLinesCarryTheirCellOnWithoutTheLineEnd) {
  Table t = Import("ab\ncd,e,\n", ',', 2);
  ASSERT_EQ(t.rows.size(), 1u);
  EXPECT_EQ(t.rows[0], (std::vector<std::string>{"abcd", "e"}));
}

TEST(ListTextImport, LongCellsAreCutAt254AndLongLinesReadInPieces) {
  const std::string long_cell(40000, 'x');
  Table t;
  lt::ImportReader reader(t, ',', 2);
  const std::string line = long_cell + ",y,\n";
  for (size_t i = 0; i < line.size(); i += 1999) {  // pieces of a line reader
    reader.Feed(line.data() + i, std::min<size_t>(1999, line.size() - i));
  }
  ASSERT_EQ(t.rows.size(), 2u);
  EXPECT_EQ(t.rows[0][0], std::string(254, 'x'));
  EXPECT_EQ(t.rows[0][1], "y");
}

TEST(ListTextRoundTrip, ExportThenImportRestoresEveryCell) {
  const std::vector<std::vector<std::string>> table = {
      {"Namn", "", "3", "x y"}, {"", "", "", ""}, {"\xC5sa", "-", "0.5", "sista"}};
  for (const char* word : {"COMMA", "TAB", "STAR", "VLINE", ";"}) {
    const int sep = lt::ImportSeparator(word);
    std::string file;
    for (const auto& row : table) {
      for (const auto& cell : row) lt::AppendExportCell(file, cell.c_str(), sep);
      file += '\n';
    }
    Table t = Import(file, sep, 4);
    EXPECT_EQ(t.rows, table) << word;
  }
}
