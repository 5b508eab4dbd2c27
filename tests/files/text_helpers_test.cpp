// The text and file helpers on the platform: its string functions, its code
// page and its text-mode files.
#include <windows.h>

#include <gtest/gtest.h>

#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <string>

#include "guard_page.hpp"
#include "wk_files.h"
#include "whole_file.hpp"
#include "wktest.hpp"

namespace {

using wktest::ReadWholeFile;
using wktest::WriteWholeFile;

class Files : public testing::Test {
 protected:
  std::string Path(const char* tag) {
    return wktest::BuildPath(std::string("text_helpers_") + tag + "_" +
                             testing::UnitTest::GetInstance()->current_test_info()->name());
  }
};

}  // namespace

TEST(Strings, ComparisonsCaseAndCharacters) {
  EXPECT_EQ(wk_StrCompare("abc", "ABC", 0), 0);
  EXPECT_NE(wk_StrCompare("abc", "ABC", 1), 0);
  EXPECT_LT(wk_StrCompare("abc", "abd", 1), 0);
  EXPECT_EQ(wk_StrCompare("abc", "xyz", 2), 0);  // another mode compares nothing

  char text[] =
      "Sm\xE5 \xF6"
      "ar";
  EXPECT_EQ(wk_StrSetCase(1, "", text), 7);
  EXPECT_STREQ(text, "SM\xC5 \xD6\x41R");  // the code page's capitals of å and ö
  EXPECT_EQ(wk_StrSetCase(0, "", text), 7);
  EXPECT_STREQ(text, "sm\xE5 \xF6\x61r");
  EXPECT_EQ(wk_StrSetCase(5, "other", text), 5);
  EXPECT_STREQ(text, "sm\xE5 \xF6\x61r");

  EXPECT_EQ(wk_CharClass("a\xF6\xC5 \t9\xD7", 1), 3);
  EXPECT_EQ(wk_CharClass("a\xF6\xC5 \t9\xD7", 2), 4);
  EXPECT_EQ(wk_CharClass("a\xF6\xC5 \t9\xD7", 3), 0);
  EXPECT_EQ(wk_CharClass("a\xF6\xC5 \t9\xD7", 4), 1);
  EXPECT_EQ(wk_CharClass("a\xF6\xC5 \t9\xD7", 5), 2);
  EXPECT_EQ(wk_CharClass("a\xF6\xC5 \t9\xD7", 6), 1);
  EXPECT_EQ(wk_CharAt("\xE5", 0), -27);
  EXPECT_EQ(wk_CharAt("A", 0), 65);

  char buffer[32] = "ab";
  EXPECT_EQ(wk_StrAppend(buffer, "cd"), buffer);
  EXPECT_STREQ(buffer, "abcd");
  EXPECT_EQ(wk_StrLength(buffer), 4);
  EXPECT_STREQ(wk_StrCopyFirst(buffer, "abcdef", 3), "abc");
  EXPECT_STREQ(wk_IntToText(buffer, -1234), "-1234");
  EXPECT_EQ(wk_TextToInt("42 apor"), 42);
  EXPECT_EQ(wk_StrExpandedLength("a\tb\n"), 6);
  EXPECT_EQ(wk_StrCountLineFeeds("a\nb\n"), 2);
  EXPECT_EQ(wk_StrLastLineIndex("utan radbrytning"), -1);
  EXPECT_EQ(wk_StrLastLineIndex("a\nb\n"), 1);

  int* block = static_cast<int*>(wk_AllocZeroed(10));
  ASSERT_NE(block, nullptr);
  for (int i = 0; i < 10; ++i) EXPECT_EQ(block[i], 0);
  std::free(block);
  void* empty = wk_AllocZeroed(0);  // a block of no bytes, as calloc gives one
  EXPECT_NE(empty, nullptr);
  std::free(empty);
  EXPECT_EQ(wk_AllocZeroed(-1), nullptr);
}

// Positions outside the text read as its end, the code 0: before it, past
// its terminator (which ends the readable memory here) and far away.
TEST(Strings, CharactersOutsideTheTextReadAsItsEnd) {
  wktest::GuardPage guard;
  const char* abc = guard.Flush({"abc", 4});
  const struct {
    const char* text;
    int position;
    int code;
    int char_class;
  } rows[] = {
      {abc, INT_MIN, 0, WK_CHAR_OTHER}, {abc, -1, 0, WK_CHAR_OTHER},
      {abc, 2, 'c', WK_CHAR_SMALL},     {abc, 3, 0, WK_CHAR_OTHER},
      {abc, 4, 0, WK_CHAR_OTHER},       {abc, INT_MAX, 0, WK_CHAR_OTHER},
      {nullptr, 0, 0, WK_CHAR_OTHER},   {nullptr, 2, 0, WK_CHAR_OTHER},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(testing::Message() << (row.text ? "abc" : "NULL") << " at " << row.position);
    EXPECT_EQ(wk_CharAt(row.text, row.position), row.code);
    EXPECT_EQ(wk_CharClass(row.text, row.position), row.char_class);
  }
}

// A null text reads as the empty text; a null destination or buffer gets
// nothing written and the call returns NULL. A source needs no terminator
// beyond the characters a call copies.
TEST(Strings, NullTextsAndDestinationsAndSourcesReadOnlyAsFarAsUsed) {
  wktest::GuardPage guard;
  const char* abc = guard.Flush("abc");  // unterminated, against the guard
  char buffer[16];
  const auto start = [&](const char* text) { return std::strcpy(buffer, text); };
  const auto shown = [&](const char* result) {
    return !result ? "NULL" : result == buffer ? "buffer " + std::string(buffer) : "other";
  };
  const struct {
    const char* call;
    std::function<std::string()> result;
    const char* expected;
  } rows[] = {
      {"StrCopyFirst(abc, 3)", [&] { return shown(wk_StrCopyFirst(start("zz"), abc, 3)); },
       "buffer abc"},
      {"StrCopyFirst(abc, 2)", [&] { return shown(wk_StrCopyFirst(start("zz"), abc, 2)); },
       "buffer ab"},
      {"StrCopyFirst(NULL, 0)", [&] { return shown(wk_StrCopyFirst(start("zz"), nullptr, 0)); },
       "buffer "},
      {"StrCopyFirst to NULL", [&] { return shown(wk_StrCopyFirst(nullptr, nullptr, 0)); }, "NULL"},
      {"StrAppend(NULL)", [&] { return shown(wk_StrAppend(start("ab"), nullptr)); }, "buffer ab"},
      {"StrAppend to NULL", [&] { return shown(wk_StrAppend(nullptr, "ab")); }, "NULL"},
      {"IntToText to NULL", [&] { return shown(wk_IntToText(nullptr, 0)); }, "NULL"},
      {"StrLength", [&] { return std::to_string(wk_StrLength(nullptr)); }, "0"},
      {"StrSetCase", [&] { return std::to_string(wk_StrSetCase(1, "", nullptr)); }, "0"},
      {"StrCompare", [&] { return std::to_string(wk_StrCompare(nullptr, "", 1)); }, "0"},
      {"StrCompareDiff",
       [&] {
         const int sign = wk_StrCompareDiff(nullptr, "ab", 1) < 0 ? -1 : 0;
         return std::to_string(sign) + " " + std::to_string(wk_DiffLength);
       },
       "-1 2"},
      {"StrExpandedLength", [&] { return std::to_string(wk_StrExpandedLength(nullptr)); }, "0"},
      {"StrCountLineFeeds", [&] { return std::to_string(wk_StrCountLineFeeds(nullptr)); }, "0"},
      {"StrLastLineIndex", [&] { return std::to_string(wk_StrLastLineIndex(nullptr)); }, "-1"},
      {"TextToInt", [&] { return std::to_string(wk_TextToInt(nullptr)); }, "0"},
  };
  for (const auto& row : rows) EXPECT_EQ(row.result(), row.expected) << row.call;
}

TEST(Strings, CompareDiffFillsTheProcessWideBuffers) {
  EXPECT_LT(wk_StrCompareDiff("abc", "abXde", 1), 0);
  EXPECT_STREQ(wk_DiffEqual, "ab===");
  EXPECT_STREQ(wk_DiffDiffering, "==c==");
  EXPECT_STREQ(wk_DiffExtra, "===de");
  EXPECT_EQ(wk_DiffLength, 2);
  EXPECT_EQ(wk_StrCompareDiff("ABC", "abc", 0), 0);

  // A second text longer than the buffers compares whole and stays inside them.
  const std::string a(10, 'a');
  const std::string b(5000, 'b');
  EXPECT_LT(wk_StrCompareDiff(a.c_str(), b.c_str(), 1), 0);
  EXPECT_EQ(wk_DiffLength, 4990);
  EXPECT_EQ(std::strlen(wk_DiffEqual), sizeof wk_DiffEqual - 1);
  EXPECT_EQ(std::strlen(wk_DiffExtra), sizeof wk_DiffExtra - 1);
  EXPECT_EQ(wk_DiffExtra[200], 'b');
}

TEST_F(Files, TextModeTurnsLineFeedsIntoPairs) {
  const std::string path = Path("mode");
  EXPECT_EQ(wk_FileWriteText(path.c_str(), "ett\ntv\xE5\n"), 0);
  EXPECT_EQ(ReadWholeFile(path), "ett\r\ntv\xE5\r\n");
  EXPECT_EQ(wk_FileCountLines(path.c_str()), 2);
  EXPECT_EQ(wk_FileLastLineIndex(path.c_str()), 1);
  EXPECT_EQ(wk_FileCountChars(path.c_str()), 8);  // each pair reads as one
  EXPECT_EQ(wk_FileCountCharsAndLines(path.c_str()), 10);

  char all[64] = "> ";
  EXPECT_EQ(wk_FileReadAll(path.c_str(), all), 0);
  EXPECT_STREQ(all, "> ett\ntv\xE5\n");

  EXPECT_EQ(wk_FileEmpty(path.c_str()), 0);
  EXPECT_EQ(ReadWholeFile(path), "");
  EXPECT_EQ(wk_FileLastLineIndex(path.c_str()), 0);
  EXPECT_EQ(wk_FileDelete(path.c_str()), 0);
  EXPECT_EQ(wk_FileDelete(path.c_str()), 3);
  EXPECT_EQ(wk_FileCountLines(path.c_str()), -2);
  EXPECT_EQ(wk_FileReadAll(path.c_str(), all), 2);
}

TEST_F(Files, AddLineToEmptyAndFilledFiles) {
  const std::string path = Path("add");
  std::remove(path.c_str());
  EXPECT_EQ(wk_FileAddLine(path.c_str(), "x"), 2);
  EXPECT_EQ(GetFileAttributesA(path.c_str()), INVALID_FILE_ATTRIBUTES);
  WriteWholeFile(path, "");
  EXPECT_EQ(wk_FileAddLine(path.c_str(), "first"), 0);
  EXPECT_EQ(ReadWholeFile(path), "first");
  EXPECT_EQ(wk_FileAddLine(path.c_str(), "second"), 0);
  EXPECT_EQ(ReadWholeFile(path), "firstsecond\r\n");
  WriteWholeFile(path, "\r\nsecond\r\n");  // an empty first line: the file is not empty
  EXPECT_EQ(wk_FileAddLine(path.c_str(), "third"), 0);
  EXPECT_EQ(ReadWholeFile(path), "\r\nsecond\r\nthird\r\n");
  std::remove(path.c_str());
}

TEST_F(Files, CopyKeywords) {
  const std::string from = Path("from"), to = Path("to");
  WriteWholeFile(from, "new");
  WriteWholeFile(to, "old");
  EXPECT_EQ(wk_FileCopy(0, to.c_str(), from.c_str(), "NO_SAVE_IF_EXIST"), 1);
  EXPECT_EQ(ReadWholeFile(to), "old");
  EXPECT_EQ(wk_FileCopy(0, to.c_str(), from.c_str(), "save_if_exist"), 0);  // copies nothing
  EXPECT_EQ(ReadWholeFile(to), "old");
  EXPECT_EQ(wk_FileCopy(0, to.c_str(), from.c_str(), "SAVE_IF_EXIST"), 0);
  EXPECT_EQ(ReadWholeFile(to), "new");
  std::remove(to.c_str());
  EXPECT_EQ(wk_FileCopy(0, to.c_str(), from.c_str(), "NO_SAVE_IF_EXIST"), 0);
  EXPECT_EQ(ReadWholeFile(to), "new");
  std::remove(to.c_str());
  std::remove(from.c_str());
}
