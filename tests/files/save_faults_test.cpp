// Every operation that writes a file, against the faults machines have: a
// full disk, a write that stops part-way, a file held open elsewhere, a name
// that is a folder, a missing folder. Each row checks the result code, that
// the file the user had is there byte for byte (a success: the whole new
// content), and that no temporary file was left beside it. One table of operations per family
// (saves that replace a file, appends), crossed with the faults.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "file_faults.hpp"
#include "wk_controls.h"
#include "wk_draw.h"
#include "wk_files.h"
#include "wk_text.h"
#include "whole_file.hpp"
#include "wktest.hpp"

namespace {

using wktest::Fault;
using wktest::FaultyTarget;

// The part-way row last: its long content is made once per operation.
constexpr Fault kFaults[] = {Fault::kNone,   Fault::kFullDisk,      Fault::kHeld,
                             Fault::kFolder, Fault::kMissingFolder, Fault::kPartialWrite};

// One line of letters, no line end (single-line fields keep it whole), of
// `size` bytes: more than the file-size limit for the part-way rows.
std::string Text(std::size_t size) {
  const std::string words = "Vindra spelar 440 Hz ";
  std::string text;
  while (text.size() < size) text += words;
  text.resize(size);
  return text;
}

struct Operation {
  const char* name;
  // Writes `text` (or content of that size) to the file named.
  std::function<int(const std::string& path, const std::string& text)> call;
  int cannot_open;
  int write_failed;
  bool sized;  // the content is as long as the text, so the part-way row applies
  const char* file = "target.txt";
  // The whole file a save of `text` over "OLD\r\n" leaves; null where the
  // format is the platform's own (rich text, icons, settings).
  std::string (*bytes)(const std::string& text) = nullptr;
  std::string old = "OLD\r\n";
};

int Expected(const Operation& op, Fault fault) {
  if (fault == Fault::kNone) return 0;
  return fault == Fault::kFullDisk || fault == Fault::kPartialWrite ? op.write_failed
                                                                    : op.cannot_open;
}

// The controls the operations write from, on one window.
struct Controls {
  wktest::TestWindow window;
  HWND edit = wk_EditCreate(window, 0, 0, 200, 24, "L", 200000);
  HWND spin = wk_SpinEditCreate(window, 0, 30, 200, 24, "L", 200000);
  HWND word_proc = wk_WordProcSimpleCreate(window, 0, 60, 200, 100, "VSCROLL", 200000);
  HWND combo = wk_ComboCreate(window, 0, 170, 200, 120, "WRITEDROP");
  HWND rich = wk_RichEditCreate(window, 210, 0, 200, 100, "VSCROLL", 200000);
  static constexpr int kColumns = 16;
  HWND list = [this] {
    HWND l = wk_ListCreate(window, 210, 110, 200, 100);
    for (int c = 0; c < kColumns; ++c) wk_ListInsertColumn(l, 20, "L", "c", c);
    return l;
  }();
  int palette[16] = {};
  int image[32 * 32] = {};

  // Rows of cells of 19 characters: about as many bytes as the text.
  void FillList(std::size_t bytes) {
    const int rows = static_cast<int>(bytes / (kColumns * 20 + 2) + 1);
    if (wk_ListRowCount(list) == rows) return;
    SendMessageA(list, WM_SETREDRAW, FALSE, 0);
    wk_ListClear(list);
    for (int r = 1; r <= rows; ++r) {
      wk_ListInsertRow(list, r);
      for (int c = 0; c < kColumns; ++c) wk_ListChangeCell(list, Text(19).c_str(), r, c);
    }
    SendMessageA(list, WM_SETREDRAW, TRUE, 0);
  }
};

Controls& Shared() {
  static Controls controls;
  return controls;
}

// The rich edit's count is pinned by its own tests; here a count is success.
int RichSave(const std::string& path, const std::string& text) {
  SetWindowTextA(Shared().rich, text.c_str());
  const int written = wk_RichEditSaveFile(Shared().rich, path.c_str());
  return written > 0 ? 0 : written;
}

auto FileCall(int (*write)(const char*, const char*)) {
  return [write](const std::string& path, const std::string& text) {
    return write(path.c_str(), text.c_str());
  };
}

auto ListExport(const char* mode) {
  return [mode](const std::string& path, const std::string& text) {
    Shared().FillList(text.size());
    return wk_ListExport(Shared().list, mode, path.c_str(), Controls::kColumns, "COMMA");
  };
}

std::string Same(const std::string& text) { return text; }
std::string AddedLine(const std::string& text) { return "OLD\r\n" + text + "\r\n"; }
// Every row of the list as the export writes it: each cell followed by the
// separator, a line end after each row.
std::string ListRows(const std::string&) {
  std::string row;
  for (int c = 0; c < Controls::kColumns; ++c) row += Text(19) + ",";
  std::string rows;
  for (int r = 0; r < wk_ListRowCount(Shared().list); ++r) rows += row + "\r\n";
  return rows;
}
std::string AddedRows(const std::string& text) { return "OLD\r\n" + ListRows(text); }

// A settings file of 6 KB whose section [T] comes after the written entry.
std::string SettingsBefore() {
  std::string old = "[S]\r\nk=old\r\n[T]\r\n";
  for (int i = 0; i < 300; ++i)
    old.append("t").append(std::to_string(i)).append("=440 Hz, sinus\r\n");
  return old;
}

auto Setting(std::size_t longest) {
  return [longest](const std::string& path, const std::string& text) {
    return wk_WriteSetting(path.c_str(), "S", "k", text.substr(0, longest).c_str());
  };
}

std::vector<Operation> Replacing() {
  Controls& c = Shared();
  auto field = [](HWND field, int (*save)(HWND, const char*)) {
    return [field, save](const std::string& path, const std::string& text) {
      SetWindowTextA(field, text.c_str());
      return save(field, path.c_str());
    };
  };
  return {
      {"EditSaveFile", field(c.edit, wk_EditSaveFile), 2, 3, true, "target.txt", Same},
      {"SpinEditSaveFile", field(c.spin, wk_SpinEditSaveFile), 2, 3, true, "target.txt", Same},
      {"WordProcSimpleSaveFile", field(c.word_proc, wk_WordProcSimpleSaveFile), 2, 3, true,
       "target.txt", Same},
      {"ComboSaveItem",
       [&c](const std::string& path, const std::string& text) {
         SendMessageA(c.combo, CB_RESETCONTENT, 0, 0);
         wk_ComboInsertItem(c.combo, 1, text.c_str());
         return wk_ComboSaveItem(c.combo, 1, path.c_str());
       },
       2, 3, true, "target.txt", Same},
      {"RichEditSaveFile text", RichSave, -2, -3, true, "target.txt", Same},
      {"RichEditSaveFile rich text", RichSave, -2, -3, true, "target.rtf"},
      {"FileWriteText", FileCall(wk_FileWriteText), 2, 3, true, "target.txt", Same},
      {"IconSave",
       [&c](const std::string& path, const std::string&) {
         return wk_IconSave(path.c_str(), c.palette, c.image);
       },
       1, 1, false},
      {"ListExport WRITE", ListExport("WRITE"), 2, 3, true, "target.txt", ListRows},
      // Values longer than the file-size limit less the old file: the
      // part-way rows' profile write stops in the entry, or after it, in [T].
      {"WriteSetting", Setting(WK_SETTING_MAX_LENGTH), 1, 1, true, "settings.ini"},
      {"WriteSetting, entries after it", Setting(12000), 1, 1, true, "settings.ini", nullptr,
       SettingsBefore()},
  };
}

std::vector<Operation> Appending() {
  return {
      {"FileAddLine", FileCall(wk_FileAddLine), 2, 3, true, "target.txt", AddedLine},
      {"ListExport APPEND", ListExport("APPEND"), 2, 3, true, "target.txt", AddedRows},
  };
}

// The new text of a row: longer than the file-size limit where the write
// should stop part-way, short otherwise.
std::string RowText(Fault fault) {
  return Text(fault == Fault::kPartialWrite ? wktest::PartialWriteBytes() * 2 + 333 : 300);
}

void CheckFamily(const std::vector<Operation>& family) {
  for (const Operation& op : family) {
    for (Fault fault : kFaults) {
      if (!wktest::Available(fault) || (fault == Fault::kPartialWrite && !op.sized)) continue;
      SCOPED_TRACE(std::string(op.name) + ", " + wktest::FaultName(fault));
      FaultyTarget target(fault, op.old, op.file);
      // A hidden file stays hidden, and a changed file is marked for backup.
      if (fault == Fault::kNone) SetFileAttributesA(target.path().c_str(), FILE_ATTRIBUTE_HIDDEN);
      const std::string text = RowText(fault);
      EXPECT_EQ(op.call(target.path(), text), Expected(op, fault));
      if (fault != Fault::kNone) {
        EXPECT_TRUE(target.Untouched());
        continue;
      }
      EXPECT_EQ(GetFileAttributesA(target.path().c_str()),
                DWORD{FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_ARCHIVE});
      EXPECT_TRUE(target.Replaced());
      if (op.bytes) {
        EXPECT_EQ(wktest::ReadWholeFile(target.path()), op.bytes(text));
      }
    }
  }
}

}  // namespace

TEST(SaveFaults, ReplacingSavesKeepTheOldFileOnEveryFailure) { CheckFamily(Replacing()); }

TEST(SaveFaults, FailedAppendsLeaveTheFileAsItWas) { CheckFamily(Appending()); }
