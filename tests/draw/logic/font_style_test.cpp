#include "toolkit/core/logic/font_style.hpp"

#include <gtest/gtest.h>

using wk::StyleFromCode;

namespace {

TEST(FontStyle, TheEightCodesSwitchOnTheirDigits) {
  struct Case {
    int code;
    bool italic, underline, strike_out;
  } cases[] = {
      {0, false, false, false}, {1, true, false, false}, {2, false, true, false},
      {3, false, false, true},  {12, true, true, false}, {13, true, false, true},
      {23, false, true, true},  {123, true, true, true},
  };
  for (const Case& c : cases) {
    const auto s = StyleFromCode(c.code);
    EXPECT_EQ(s.italic, c.italic) << c.code;
    EXPECT_EQ(s.underline, c.underline) << c.code;
    EXPECT_EQ(s.strike_out, c.strike_out) << c.code;
  }
}

TEST(FontStyle, OtherCodesGiveAPlainFont) {
  for (int code : {21, 4, 312, 1234, -1, -123, 100, 1000000}) {
    const auto s = StyleFromCode(code);
    EXPECT_FALSE(s.italic || s.underline || s.strike_out) << code;
  }
}

}  // namespace
