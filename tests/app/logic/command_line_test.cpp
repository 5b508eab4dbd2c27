#include "app/logic/command_line.hpp"

#include <gtest/gtest.h>

#include <string>

using vindra::FindArgumentText;

TEST(CommandLine, QuotedProgramPathWithSpacesThenSpacesThenWord) {
  EXPECT_STREQ("word", FindArgumentText("\"C:\\Program Files\\vindra.exe\"   word"));
  EXPECT_STREQ("a  b", FindArgumentText("\"x y\" a  b"));
}

TEST(CommandLine, UnquotedProgramPath) {
  EXPECT_STREQ("word", FindArgumentText("vindra.exe word"));
  EXPECT_STREQ("", FindArgumentText("vindra.exe"));
  EXPECT_STREQ("", FindArgumentText("vindra.exe   "));
  EXPECT_STREQ("", FindArgumentText(""));
}

TEST(CommandLine, MissingClosingQuoteYieldsWholeLine) {
  const char* line = "\"C:\\dir\\vindra.exe word";
  EXPECT_EQ(line, FindArgumentText(line));
}

TEST(CommandLine, OnlySpaceSeparatesNotTab) {
  EXPECT_STREQ("", FindArgumentText("vindra.exe\tword"));
  EXPECT_STREQ("more", FindArgumentText("vindra.exe\tword more"));
  // After a quoted name a tab is part of the argument text.
  EXPECT_STREQ("\tword", FindArgumentText("\"v.exe\"\tword"));
}

TEST(CommandLine, ResultPointsIntoTheLine) {
  const std::string line = "prog.exe  x";
  EXPECT_EQ(line.c_str() + 10, FindArgumentText(line.c_str()));
  EXPECT_STREQ("", FindArgumentText(nullptr));
}
