#include <gtest/gtest.h>

#include <cstddef>
#include <cstring>
#include <string>

#include "tests/support/whole_file.hpp"
#include "tests/support/wktest.hpp"
#include "toolkit/files/file_dialogs.hpp"
#include "wk_files.h"

using wktest::DialogAnswerer;

namespace {

constexpr int kFileNameField = 0x47C;  // cmb13, the explorer dialog's name box

std::string Title(HWND window) { return wktest::WindowText(window); }

// Full Windows path (backslashes) of a file in the build folder.
std::string FullPath(const char* name) {
  char full[MAX_PATH] = {};
  GetFullPathNameA(wktest::BuildPath(name).c_str(), MAX_PATH, full, nullptr);
  return full;
}

std::string MakeFile(const char* name) {
  const std::string path = FullPath(name);
  wktest::WriteWholeFile(path, "");
  return path;
}

DialogAnswerer::Action Choose(const std::string& path) {
  return DialogAnswerer::Type(kFileNameField, path, DialogAnswerer::Press(IDOK));
}

// Runs first in this program: nothing has been chosen yet.
TEST(OpenFileDialog, CancelledAtFirstUseEmptiesTheTitleWithPath) {
  wktest::TestWindow owner(400, 300, "owner title");
  DialogAnswerer answerer(DialogAnswerer::Press(IDCANCEL));
  EXPECT_EQ(wk_OpenFileDialog(owner, "V\xE4lj fil", "PATH", "TXT_FILTER", nullptr), 1);
  EXPECT_EQ(Title(owner), "");
  ASSERT_EQ(answerer.seen().size(), 1u);
  EXPECT_EQ(answerer.seen()[0].title, "V\xE4lj fil");

  const OPENFILENAMEA& r = wk::OpenFileRecord();
  EXPECT_EQ(r.lStructSize,
            wktest::RecordSize(76, offsetof(OPENFILENAMEA, lpTemplateName) + sizeof(LPCSTR)));
  EXPECT_EQ(r.Flags & 0x81204u, 0x81204u);
  EXPECT_EQ(r.nFilterIndex, 1u);
  EXPECT_EQ(r.nMaxFile, 260u);
  EXPECT_EQ(r.nMaxFileTitle, 256u);
  EXPECT_EQ(r.hwndOwner, owner.get());
  // The list: pairs, each string zero-terminated, an extra zero at the end.
  const char* f = r.lpstrFilter;
  ASSERT_NE(f, nullptr);
  EXPECT_STREQ(f, "Text filer (*.txt)");
  f += std::strlen(f) + 1;
  EXPECT_STREQ(f, "*.TXT");
  f += std::strlen(f) + 1;
  EXPECT_STREQ(f, "Alla filer (*.*)");
  f += std::strlen(f) + 1;
  EXPECT_STREQ(f, "*.*");
  f += std::strlen(f) + 1;
  EXPECT_EQ(*f, '\0');
}

TEST(OpenFileDialog, ChosenFileNameKeywordsAndKeptFilter) {
  wktest::TestWindow owner(400, 300, "owner title");
  const std::string path = MakeFile("dialog_choice.txt");
  DialogAnswerer answerer(Choose(path));
  EXPECT_EQ(wk_OpenFileDialog(owner, nullptr, "FILENAME", "C_DEV_FILTER", nullptr), 0);
  EXPECT_EQ(Title(owner), "dialog_choice.txt");
  EXPECT_STREQ(wk_OpenFilePath(), path.c_str());
  EXPECT_STREQ(wk_OpenFileName(), "dialog_choice.txt");
  const char* c_filter = wk::OpenFileRecord().lpstrFilter;
  EXPECT_STREQ(c_filter, "Programkod (*.c,*.cpp,*.h)");

  // Cancelled with "PATH": the title shows the previous choice. An unknown
  // filter word keeps the previous filter.
  answerer.Then(DialogAnswerer::Press(IDCANCEL));
  EXPECT_EQ(wk_OpenFileDialog(owner, nullptr, "PATH", "XYZ_FILTER", nullptr), 1);
  EXPECT_EQ(Title(owner), path);
  EXPECT_EQ(wk::OpenFileRecord().lpstrFilter, c_filter);

  // No name keyword, or an unknown one: the title stays.
  SetWindowTextA(owner, "kept");
  static const char own[] = "Mina (*.my)\0*.my\0";
  answerer.Then(Choose(path)).Then(Choose(path));
  EXPECT_EQ(wk_OpenFileDialog(owner, nullptr, nullptr, "OWN_FILTER", own), 0);
  EXPECT_EQ(wk::OpenFileRecord().lpstrFilter, own);
  EXPECT_EQ(wk_OpenFileDialog(owner, nullptr, "filename", "ALL_FILTER", nullptr), 0);
  EXPECT_EQ(Title(owner), "kept");
  EXPECT_STREQ(wk::OpenFileRecord().lpstrFilter, "Text filer (*.txt)");
  EXPECT_EQ(answerer.unexpected(), 0);
}

TEST(SaveFileDialog, NameKeywordOnlyForAChosenName) {
  wktest::TestWindow owner(400, 300, "owner title");
  DialogAnswerer answerer(DialogAnswerer::Press(IDCANCEL));
  EXPECT_EQ(wk_SaveFileDialog(owner, "Spara", "FILENAME", "NONE_FILTER", nullptr), 1);
  EXPECT_EQ(Title(owner), "owner title");

  const std::string path = FullPath("dialog_saved.txt");
  DeleteFileA(path.c_str());
  answerer.Then(Choose(path));
  EXPECT_EQ(wk_SaveFileDialog(owner, "Spara", "FILENAME", "NONE_FILTER", nullptr), 0);
  EXPECT_EQ(Title(owner), "dialog_saved.txt");
  EXPECT_STREQ(wk_SaveFileName(), "dialog_saved.txt");
  const OPENFILENAMEA& r = wk::SaveFileRecord();
  EXPECT_EQ(r.lStructSize,
            wktest::RecordSize(76, offsetof(OPENFILENAMEA, lpTemplateName) + sizeof(LPCSTR)));
  EXPECT_EQ(r.Flags & 0x80006u, 0x80006u);
  EXPECT_STREQ(r.lpstrFilter, "Alla filer (*.*)");
  // The open dialog's record is a different one.
  EXPECT_NE(&r, &wk::OpenFileRecord());
  EXPECT_EQ(answerer.unexpected(), 0);
}

}  // namespace
