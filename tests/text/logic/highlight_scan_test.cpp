#include "toolkit/text/logic/highlight_scan.hpp"

#include <gtest/gtest.h>

#include <string>

#include "toolkit/text/logic/rich_file_kind.hpp"

namespace {

using wk::highlight::Range;
using wk::highlight::ScanBlock;
using wk::highlight::ScanToLineEnd;
using wk::highlight::ScanWord;
using Ranges = std::vector<Range>;

TEST(HighlightClasses, WordAndDelimiterCodes) {
  using wk::highlight::IsDelimiter;
  using wk::highlight::IsWordChar;
  for (int c = 0; c < 256; ++c) {
    const bool word = (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') ||
                      (c >= 162 && c <= 254);
    const bool delim = (c >= 9 && c <= 47) || (c >= 58 && c <= 64) || (c >= 91 && c <= 96) ||
                       (c >= 123 && c <= 191);
    EXPECT_EQ(IsWordChar(static_cast<unsigned char>(c)), word) << c;
    EXPECT_EQ(IsDelimiter(static_cast<unsigned char>(c)), delim) << c;
  }
  // 162 to 191 are both: they never let a word stand next to them.
  EXPECT_TRUE(IsWordChar(0xE5) && !IsDelimiter(0xE5));  // a ring
  EXPECT_FALSE(IsWordChar(0) || IsDelimiter(0) || IsWordChar(255) || IsDelimiter(255));
}

TEST(HighlightWord, StandsBetweenNonWordCharactersWithOneDelimiter) {
  auto scan = ScanWord("(int) print int", 0, 100, "int", -7);
  EXPECT_EQ(scan.ranges, (Ranges{{1, 4}, {12, 15}}));
  EXPECT_EQ(scan.result, 12);

  // A word character after the word (a ring, code 229) hides it.
  scan = ScanWord("hall\xE5 hall", 0, 100, "hall", -7);
  EXPECT_EQ(scan.ranges, (Ranges{{6, 10}}));

  // Control codes 1 to 8 and 255 are neither class: between two of them, or
  // between one of them and the end of the text, the word is not formatted.
  EXPECT_TRUE(ScanWord("\x01int\x02", 0, 100, "int", 5).ranges.empty());
  EXPECT_TRUE(ScanWord(" \xFFint", 0, 100, "int", 5).ranges.empty());
  EXPECT_EQ(ScanWord("\x01int ", 0, 100, "int", 5).ranges, (Ranges{{1, 4}}));
  // The whole text is the word: start and end both read as code 0.
  scan = ScanWord("int", 0, 100, "int", 5);
  EXPECT_TRUE(scan.ranges.empty());
  EXPECT_EQ(scan.result, 5);
  // At the start of the text with a delimiter after it, it counts.
  EXPECT_EQ(ScanWord("int x", 0, 100, "int", 5).ranges, (Ranges{{0, 3}}));
  // Case-sensitive.
  EXPECT_TRUE(ScanWord(" INT ", 0, 100, "int", 5).ranges.empty());
}

TEST(HighlightWord, RangeLimitsAndBadInput) {
  const std::string text = "if x; if y; if z";
  EXPECT_EQ(ScanWord(text, 1, 100, "if", 0).ranges, (Ranges{{6, 8}, {12, 14}}));
  // The limit bounds the candidate start, not the match's end.
  EXPECT_EQ(ScanWord(text, 0, 13, "if", 0).ranges, (Ranges{{0, 2}, {6, 8}, {12, 14}}));
  EXPECT_EQ(ScanWord(text, 0, 12, "if", 0).ranges, (Ranges{{0, 2}, {6, 8}}));
  // Negative first, huge limit, empty word, word longer than the text.
  EXPECT_EQ(ScanWord(text, -50, 0x7FFFFFFF, "if", 0).ranges.size(), 3u);
  EXPECT_TRUE(ScanWord(text, 0, 100, "", 9).ranges.empty());
  EXPECT_EQ(ScanWord(text, 0, 100, "", 9).result, 9);
  EXPECT_TRUE(ScanWord("a", 0, 100, "abcdef", 9).ranges.empty());
  // A code 0 ends the text even when the copy goes on.
  EXPECT_TRUE(ScanWord(std::string("x \0 if ", 7), 0, 100, "if", 0).ranges.empty());
}

TEST(HighlightLineEnd, FirstMarkerOfEachLineToItsLineFeed) {
  auto scan = ScanToLineEnd("a//b//z\r\nd", 0, 100, "//");
  EXPECT_EQ(scan.ranges, (Ranges{{1, 8}}));  // the carriage return is included
  EXPECT_EQ(scan.result, 1);

  scan = ScanToLineEnd("x // one\n// two\nthree // four", 0, 100, "//");
  EXPECT_EQ(scan.ranges, (Ranges{{2, 8}, {9, 15}}));
  EXPECT_EQ(scan.result, 22);  // counted, but no line feed follows

  scan = ScanToLineEnd("no markers\n", 0, 100, "//");
  EXPECT_TRUE(scan.ranges.empty());
  EXPECT_EQ(scan.result, 0);
  // The line feed must lie in the range for the line to be formatted.
  EXPECT_TRUE(ScanToLineEnd("// a\n", 0, 4, "//").ranges.empty());
  // Markers of other lengths match nowhere.
  EXPECT_TRUE(ScanToLineEnd("/ a\n", 0, 100, "/").ranges.empty());
  EXPECT_TRUE(ScanToLineEnd("/// a\n", 0, 100, "///").ranges.empty());
}

TEST(HighlightBlock, OpeningThroughNextClosing) {
  // Two openings, then two closings: one block, and the second closing
  // finds no block and makes the result 0.
  auto scan = ScanBlock("/* a /* b */ c */ d", 0, 100, "/*", "*/");
  EXPECT_EQ(scan.ranges, (Ranges{{0, 12}}));
  EXPECT_EQ(scan.result, 0);

  scan = ScanBlock("x /* a */ y /* b */", 0, 100, "/*", "*/");
  EXPECT_EQ(scan.ranges, (Ranges{{2, 9}, {12, 19}}));
  EXPECT_EQ(scan.result, 19);

  // An unclosed block: the result is its start plus 2.
  scan = ScanBlock("ab /* open", 0, 100, "/*", "*/");
  EXPECT_TRUE(scan.ranges.empty());
  EXPECT_EQ(scan.result, 5);

  // A closing marker overlapping the opening one closes the block at once.
  EXPECT_EQ(ScanBlock("/*/ x", 0, 100, "/*", "*/").ranges, (Ranges{{0, 3}}));
  // Equal markers: the closing test at the candidate's own place clears it.
  scan = ScanBlock("## a ##", 0, 100, "##", "##");
  EXPECT_TRUE(scan.ranges.empty());
  EXPECT_EQ(scan.result, 0);
  // Starting inside a comment: the closing marker has no block.
  EXPECT_TRUE(ScanBlock("/* a */", 2, 100, "/*", "*/").ranges.empty());
  EXPECT_TRUE(ScanBlock("/* a */", 0, 100, "/", "*/").ranges.empty());
}

TEST(RichFileKind, LastThreeLettersInAnyCase) {
  using wk::richfile::IsRichTextName;
  EXPECT_TRUE(IsRichTextName("notes.Rtf"));
  EXPECT_TRUE(IsRichTextName("letterRTF"));
  EXPECT_TRUE(IsRichTextName("rtf"));
  EXPECT_FALSE(IsRichTextName("notes.txt"));
  EXPECT_FALSE(IsRichTextName("tf"));
  EXPECT_FALSE(IsRichTextName("notes.rtf "));
  EXPECT_FALSE(IsRichTextName(nullptr));
}

}  // namespace
