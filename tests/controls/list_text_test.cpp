// List view contents to and from text files, on a real list view and real
// files in text mode.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "file_faults.hpp"
#include "wk_controls.h"
#include "whole_file.hpp"
#include "wktest.hpp"

namespace {

using Rows = std::vector<std::vector<std::string>>;

class ListText : public testing::Test {
 protected:
  void SetUp() override {
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&icc);
    list = wk_ListCreate(window, 0, 0, 400, 300);
    for (int c = 0; c < 4; ++c) wk_ListInsertColumn(list, 80, "L", "c", c);
    path =
        wktest::BuildPath(std::string("list_text_") +
                          testing::UnitTest::GetInstance()->current_test_info()->name() + ".txt");
    std::remove(path.c_str());
  }
  void TearDown() override { std::remove(path.c_str()); }

  void Fill(const Rows& rows) {
    wk_ListLastRow = -1;
    for (size_t r = 0; r < rows.size(); ++r) {
      for (size_t c = 0; c < rows[r].size(); ++c) {
        wk_ListSetCell(list, rows[r][c].c_str(), static_cast<int>(r + 1), static_cast<int>(c));
      }
    }
  }
  Rows Read(int columns) {
    Rows rows;
    for (int r = 1; r <= wk_ListRowCount(list); ++r) {
      std::vector<std::string> row;
      for (int c = 0; c < columns; ++c) {
        char buffer[255] = {};
        wk_ListGetCell(list, buffer, r, c);
        row.push_back(buffer);
      }
      rows.push_back(row);
    }
    return rows;
  }
  // The file's bytes as they are on disk.
  std::string Bytes() { return wktest::ReadWholeFile(path); }
  void Write(const std::string& bytes) { wktest::WriteWholeFile(path, bytes); }

  wktest::TestWindow window;
  HWND list = nullptr;
  std::string path;
};

}  // namespace

TEST_F(ListText, ExportWritesASeparatorAfterEveryCellAndALineEndPerRow) {
  Fill({{"a", "b"}, {"c", ""}});
  EXPECT_EQ(wk_ListExport(list, "WRITE", path.c_str(), 2, "COMMA"), 0);
  EXPECT_EQ(Bytes(), "a,b,\r\nc,,\r\n");  // text mode: every line end is a pair
  EXPECT_EQ(wk_ListExport(list, "APPEND", path.c_str(), 2, "VLINE"), 0);
  EXPECT_EQ(Bytes(), "a,b,\r\nc,,\r\na|b|\r\nc||\r\n");
  EXPECT_EQ(wk_ListExport(list, "OTHER", path.c_str(), 1, "SEMICOLON"), 0);
  EXPECT_EQ(Bytes(), "a\r\nc\r\n");  // replaced; no separator for an unknown word

  const std::pair<const char*, const char*> words[] = {
      {"POINT", "."}, {"TAB", "\t"}, {"SPACE", " "}, {"STAR", "*"}, {"PLUS", "+"}, {"MINUS", "-"}};
  for (auto [word, sep] : words) {
    EXPECT_EQ(wk_ListExport(list, "WRITE", path.c_str(), 2, word), 0);
    const std::string s(sep);
    EXPECT_EQ(Bytes(), "a" + s + "b" + s + "\r\nc" + s + s + "\r\n") << word;
  }
}

TEST_F(ListText, ExportCutsCellsTo19AndAnEmptyListWritesNothing) {
  Fill({{"0123456789012345678901234", "x"}});
  EXPECT_EQ(wk_ListExport(list, "WRITE", path.c_str(), 2, "COMMA"), 0);
  EXPECT_EQ(Bytes(), "0123456789012345678,x,\r\n");
  EXPECT_EQ(wk_ListClear(list), 0);
  EXPECT_EQ(wk_ListRowCount(list), 0);
  EXPECT_EQ(wk_ListExport(list, "WRITE", path.c_str(), 2, "COMMA"), 0);
  EXPECT_EQ(Bytes(), "");
}

TEST_F(ListText, CellsHoldingTheSeparatorOrALineEndRefuseTheWholeExport) {
  // Such a cell would read back as other cells or rows, the row's last cell lost.
  struct Row {
    const char* cell;
    const char* separator;
    const char* mode;
  };
  const Row rows[] = {{"a,b", "COMMA", "WRITE"},
                      {"a\tb", "TAB", "APPEND"},
                      {"rad\r\ntv\xE5", "STAR", "WRITE"},
                      {"slut\n", "SEMICOLON", "APPEND"},  // no separator, still no line end
                      {"x|", "VLINE", "OTHER"}};
  for (const Row& row : rows) {
    EXPECT_EQ(wk_ListClear(list), 0);
    Fill({{"first", "ok"}, {"second", row.cell}});
    wktest::FaultyTarget old(wktest::Fault::kNone);
    EXPECT_EQ(wk_ListExport(list, row.mode, old.path().c_str(), 2, row.separator), WK_LIST_IO_ERROR)
        << row.cell;
    EXPECT_TRUE(old.Untouched()) << row.cell;
  }
}

TEST_F(ListText, BadArgumentsGiveTheirOwnResults) {
  Fill({{"a", "b"}});
  const std::string missing = wktest::BuildPath("no-such-folder/x.txt");
  EXPECT_EQ(wk_ListExport(list, "WRITE", missing.c_str(), 2, "COMMA"), 2);
  EXPECT_EQ(wk_ListImport(list, "WRITE", missing.c_str(), 2, "COMMA"), 2);
  EXPECT_EQ(wk_ListRowCount(list), 1);  // a file that cannot be read deletes nothing
  // No column: refused, nothing written or changed.
  EXPECT_EQ(wk_ListExport(list, "WRITE", path.c_str(), 0, "COMMA"), WK_LIST_BAD_COLUMNS);
  EXPECT_EQ(GetFileAttributesA(path.c_str()), INVALID_FILE_ATTRIBUTES);
  Write("x,y,\n");
  EXPECT_EQ(wk_ListImport(list, "WRITE", path.c_str(), 0, "COMMA"), WK_LIST_BAD_COLUMNS);
  EXPECT_EQ(wk_ListImport(list, "WRITE", path.c_str(), -3, "COMMA"), WK_LIST_BAD_COLUMNS);
  EXPECT_EQ(Read(2), (Rows{{"a", "b"}}));
}

TEST_F(ListText, ImportWriteReplacesAndAppendPutsNewRowsFirst) {
  Fill({{"old", "1"}});
  Write("n1,v1,\r\nn2,,\r\n");
  EXPECT_EQ(wk_ListImport(list, "APPEND", path.c_str(), 2, "COMMA"), 0);
  EXPECT_EQ(Read(2), (Rows{{"n1", "v1"}, {"n2", ""}, {"old", "1"}}));
  EXPECT_EQ(wk_ListImport(list, "WRITE", path.c_str(), 2, "COMMA"), 0);
  EXPECT_EQ(Read(2), (Rows{{"n1", "v1"}, {"n2", ""}}));
  // Any other mode word keeps the rows, as "APPEND".
  EXPECT_EQ(wk_ListImport(list, "write", path.c_str(), 2, "COMMA"), 0);
  EXPECT_EQ(wk_ListRowCount(list), 4);

  Write("");
  EXPECT_EQ(wk_ListImport(list, "WRITE", path.c_str(), 2, "COMMA"), 0);
  EXPECT_EQ(wk_ListRowCount(list), 0);
}

TEST_F(ListText, RoundTripsRestoreEveryCell) {
  const Rows rows = {{"Namn", "", "12", "x y"},
                     {"", "", "", ""},
                     {"\xC5sa \xD6"
                      "berg",
                      "3.5", "-7", "+"},
                     {"sista", "rad", "", "slut"}};
  for (const char* word : {"TAB", "COMMA", "VLINE", "STAR"}) {
    EXPECT_EQ(wk_ListClear(list), 0);
    Fill(rows);
    ASSERT_EQ(wk_ListExport(list, "WRITE", path.c_str(), 4, word), 0);
    EXPECT_EQ(wk_ListInsertRow(list, 1), 0);  // something the import must replace
    ASSERT_EQ(wk_ListImport(list, "WRITE", path.c_str(), 4, word), 0);
    EXPECT_EQ(Read(4), rows) << word;
  }
  // A one-character separator of the caller's own.
  Write("a;b;\nc;d;\n");
  ASSERT_EQ(wk_ListImport(list, "WRITE", path.c_str(), 2, ";"), 0);
  EXPECT_EQ(Read(2), (Rows{{"a", "b"}, {"c", "d"}}));
}

TEST_F(ListText, LongCellsAndLongLinesAreReadWithoutOverrun) {
  // A cell of 3000 characters is cut at 254; a line of 40,000 characters
  // (beyond the 30,000 the format promises) still reads.
  const std::string huge(40000, 'h');
  Write(std::string(3000, 'a') + ",b,\n" + huge + ",c,\nlast,d,\n");
  ASSERT_EQ(wk_ListImport(list, "WRITE", path.c_str(), 2, "COMMA"), 0);
  const Rows rows = Read(2);
  ASSERT_EQ(rows.size(), 3u);
  EXPECT_EQ(rows[0][0], std::string(254, 'a'));
  EXPECT_EQ(rows[0][1], "b");
  EXPECT_EQ(rows[1][0], std::string(254, 'h'));
  EXPECT_EQ(rows[2], (std::vector<std::string>{"last", "d"}));
}

TEST_F(ListText, ImportLeavesTheListVisibleOrHiddenAsItWasAndDrawn) {
  Write("ett,\ntv\xE5,\n");
  wk_ListSetColors(list, RGB(0, 0, 0), RGB(0, 128, 0));
  ASSERT_EQ(wk_ListImport(list, "WRITE", path.c_str(), 1, "COMMA"), 0);
  EXPECT_TRUE(IsWindowVisible(list));
  wktest::Pump(100);
  RECT label{};
  label.left = LVIR_LABEL;
  SendMessageA(list, LVM_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&label));
  // The second row's label, past its text, shows the text background.
  EXPECT_EQ(wktest::PixelAt(list, label.right - 3, (label.top + label.bottom) / 2), RGB(0, 128, 0));
  wk_ListHide(list);
  ASSERT_EQ(wk_ListImport(list, "APPEND", path.c_str(), 1, "COMMA"), 0);
  EXPECT_FALSE(IsWindowVisible(list));
  EXPECT_EQ(wk_ListRowCount(list), 4);
}

TEST_F(ListText, FindItemAndLabelEditing) {
  Fill({{"abc", "1"}, {"abd", "2"}, {"xyz", "3"}});
  EXPECT_EQ(wk_ListFindItem(list, "ab"), 1);
  EXPECT_EQ(GetFocus(), list);
  EXPECT_EQ(wk_ListFindItem(list, "xy"), 3);
  EXPECT_EQ(wk_ListFindItem(list, "q"), -1);
  EXPECT_EQ(wk_ListGetEditControl(list), nullptr);
  EXPECT_EQ(wk_ListEditLabel(list, 2), 0);
  HWND edit = wk_ListGetEditControl(list);
  ASSERT_NE(edit, nullptr);
  EXPECT_EQ(wktest::WindowText(edit), "abd");
  SendMessageA(edit, WM_KEYDOWN, VK_ESCAPE, 0);  // cancels the edit
  EXPECT_EQ(wk_ListEditLabel(list, 9), 1);
}
