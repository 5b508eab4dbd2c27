// The platform-free rules of the text and file helpers.
#include "toolkit/files/logic/text_rules.hpp"
#include "tests/support/whole_file.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>

namespace wt = wk::textfile;

namespace {

using wktest::ReadWholeFile;
using wktest::WriteWholeFile;

std::string TempName(const char* tag) {
  return testing::TempDir() + "wk_text_rules_" + tag + "_" +
         testing::UnitTest::GetInstance()->current_test_info()->name();
}

}  // namespace

TEST(CharClass, EveryCodeFallsInItsClass) {
  int counts[5] = {};
  for (int c = 0; c < 256; ++c) ++counts[wt::CharClass(static_cast<unsigned char>(c))];
  EXPECT_EQ(counts[0], 1);
  EXPECT_EQ(counts[2], 10);
  EXPECT_EQ(counts[3], 26 + 30);  // 224..254 without the division sign
  EXPECT_EQ(counts[4], 26 + 31);  // 192..223 without the multiplication sign
  EXPECT_EQ(wt::CharClass(246), 3);
  EXPECT_EQ(wt::CharClass(197), 4);
  EXPECT_EQ(wt::CharClass(223), 4);
  for (int c : {215, 247, 255, int{'\t'}, int{'_'}, int{'@'}, int{'['}, int{'{'}}) {
    EXPECT_EQ(wt::CharClass(static_cast<unsigned char>(c)), 1) << c;
  }
}

TEST(FillDifference, SplitsTheCharactersAndKeepsOldContentBeyondB) {
  char equal[256] = {}, differing[272] = {}, extra[256] = {};
  const wt::DiffBuffers b{equal, sizeof equal, differing, sizeof differing, extra, sizeof extra};
  EXPECT_EQ(wt::FillDifference("abc", "abXde", b), 2);
  EXPECT_STREQ(equal, "ab===");
  EXPECT_STREQ(differing, "==c==");
  EXPECT_STREQ(extra, "===de");
  // A shorter b overwrites only its own length.
  EXPECT_EQ(wt::FillDifference("zz", "a", b), -1);
  EXPECT_STREQ(equal, "=b===");
  EXPECT_STREQ(differing, "z=c==");
}

TEST(FillDifference, LongTextsStayInsideTheBuffers) {
  // Guard bytes after each buffer show any write past its end.
  struct {
    char equal[256];
    char guard1[8];
    char differing[272];
    char guard2[8];
    char extra[256];
    char guard3[8];
  } m{};
  std::memset(m.guard1, 'G', 8);
  std::memset(m.guard2, 'G', 8);
  std::memset(m.guard3, 'G', 8);
  const wt::DiffBuffers b{m.equal, 256, m.differing, 272, m.extra, 256};
  const std::string a(300, 'a');
  std::string long_b(1000, 'a');
  long_b[280] = 'x';
  EXPECT_EQ(wt::FillDifference(a.c_str(), long_b.c_str(), b), 700);
  for (char g : m.guard1) EXPECT_EQ(g, 'G');
  for (char g : m.guard2) EXPECT_EQ(g, 'G');
  for (char g : m.guard3) EXPECT_EQ(g, 'G');
  EXPECT_EQ(std::strlen(m.equal), 255u);  // still terminated
  EXPECT_EQ(std::strlen(m.differing), 271u);
  EXPECT_EQ(m.differing[270], '=');  // position 280 lies beyond its room
  EXPECT_EQ(std::strlen(m.extra), 255u);
}

TEST(TextCounts, LineFeedsTabsAndCopies) {
  EXPECT_EQ(wt::ExpandedLength("a\tb\nc"), 7);
  EXPECT_EQ(wt::ExpandedLength(""), 0);
  EXPECT_EQ(wt::CountLineFeeds("a\n\nb\n"), 3);
  char out[16];
  EXPECT_STREQ(wt::CopyFirst(out, "abcdef", 3), "abc");
  EXPECT_STREQ(wt::CopyFirst(out, "abcdef", 0), "abcdef");
  EXPECT_STREQ(wt::CopyFirst(out, "abcdef", -4), "abcdef");
  EXPECT_STREQ(wt::CopyFirst(out, "ab", 10), "ab");
}

TEST(LineReaders, CountLinesAndCharactersInPieces) {
  const std::string name = TempName("lines");
  WriteWholeFile(name, "one\ntwo\n" + std::string(4500, 'x') + "\nlast");
  // 4500 characters and a line end come in three pieces of at most 1999.
  EXPECT_EQ(wt::CountLines(name.c_str()), 2 + 3 + 1);
  EXPECT_EQ(wt::LastLineIndex(name.c_str()), 5);
  EXPECT_EQ(wt::CountChars(name.c_str()), 4 + 4 + 4501 + 4);
  EXPECT_EQ(wt::CountCharsAndLines(name.c_str()), 4513 + 6);
  WriteWholeFile(name, "");
  EXPECT_EQ(wt::CountLines(name.c_str()), 0);
  EXPECT_EQ(wt::LastLineIndex(name.c_str()), 0);
  std::remove(name.c_str());
  EXPECT_EQ(wt::CountLines(name.c_str()), -2);
  EXPECT_EQ(wt::LastLineIndex(name.c_str()), -2);
  EXPECT_EQ(wt::CountCharsAndLines(name.c_str()), -2);
}

TEST(FileCalls, LineAdderHeadTextModeAndRemoval) {
  const std::string name = TempName("add");
  std::remove(name.c_str());
  EXPECT_EQ(wt::HeadLength(name.c_str()), -2);
  for (const char* head : {"", "q", "\nsecond"}) {  // a line end counts as a character
    WriteWholeFile(name, head);
    EXPECT_EQ(wt::HeadLength(name.c_str()), std::min<int>(2, std::strlen(head))) << head;
  }
  // Text-mode bytes, in pieces; a long line and many lines cross the pieces'
  // edges, and a sink that refuses stops the writing.
  const auto repeat = [](const char* piece, int times) {
    std::string text;
    while (times-- > 0) text += piece;
    return text;
  };
  const std::string line(100000, 'x'), lines = repeat("rad\n", 50000),
                                       empty_lines = repeat("\n", 100000);
  const struct {
    const char* text;
    const char* end;
    std::string bytes;
  } rows[] = {{"a\nb\r\n\n", "", "a\r\nb\r\r\n\r\n"},
              {"\nab", "\r\n", "\r\nab\r\n"},
              {nullptr, "", ""},
              {line.c_str(), "!", line + "!"},
              {lines.c_str(), "", repeat("rad\r\n", 50000)},
              {empty_lines.c_str(), "", repeat("\r\n", 100000)}};
  for (const auto& row : rows) {
    std::string bytes;
    EXPECT_TRUE(wt::WriteTextMode(row.text, row.end, [&](std::string_view piece) {
      EXPECT_LE(piece.size(), 64u * 1024 + 2);
      bytes.append(piece);
      return true;
    }));
    EXPECT_EQ(bytes, row.bytes) << &row - rows;
  }
  int refused = 0;
  EXPECT_FALSE(
      wt::WriteTextMode(line.c_str(), "", [&](std::string_view) { return ++refused > 5; }));
  EXPECT_EQ(refused, 1);
  EXPECT_EQ(wt::RemoveFile(name.c_str()), 0);
  EXPECT_EQ(wt::RemoveFile(name.c_str()), 3);
}

TEST(FileCalls, ReadAllAppendsEveryLineWhateverItsLength) {
  const std::string name = TempName("all");
  const std::string body = "first\n" + std::string(5000, 'y') + "\n\nend";
  WriteWholeFile(name, body);
  std::string destination(6000, '\0');
  std::memcpy(destination.data(), "pre:", 5);
  EXPECT_EQ(wt::ReadAll(name.c_str(), destination.data()), 0);
  EXPECT_EQ(std::string(destination.c_str()), "pre:" + body);
  std::remove(name.c_str());
  EXPECT_EQ(wt::ReadAll(name.c_str(), destination.data()), 2);
}
