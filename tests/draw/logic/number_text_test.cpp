#include "toolkit/draw/logic/number_text.hpp"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstring>
#include <limits>
#include <string>

using wk::draw::FormatFixed;

namespace {

std::string Fixed(double value, int decimals) {
  char text[100];
  const std::size_t length = FormatFixed(value, decimals, text, sizeof text);
  EXPECT_EQ(length, std::strlen(text));
  return text;
}

TEST(NumberText, DecimalsFromZeroToEightThenCapped) {
  EXPECT_EQ(Fixed(3.14159, 0), "3");
  EXPECT_EQ(Fixed(3.14159, 2), "3.14");
  EXPECT_EQ(Fixed(3.14159, 8), "3.14159000");
  EXPECT_EQ(Fixed(3.14159, 9), "3.14159000");
  EXPECT_EQ(Fixed(3.14159, 12), "3.14159000");
  EXPECT_EQ(Fixed(3.14159, 1000000), "3.14159000");
  EXPECT_EQ(Fixed(440, 1), "440.0");
  EXPECT_EQ(Fixed(49.9, 1), "49.9");
  EXPECT_EQ(Fixed(-0.5, 3), "-0.500");
  EXPECT_EQ(Fixed(1234567.0, 0), "1234567");  // no thousands separator
}

TEST(NumberText, NegativeDecimalsCountAsNone) {
  EXPECT_EQ(Fixed(3.7, -1), "4");
  EXPECT_EQ(Fixed(3.7, std::numeric_limits<int>::min()), "4");
}

TEST(NumberText, RoundsAsTheCLibraryDoes) {
  EXPECT_EQ(Fixed(2.5, 0), "2");  // round half to even on the exact binary value
  EXPECT_EQ(Fixed(0.125, 2), "0.12");
  EXPECT_EQ(Fixed(0.126, 2), "0.13");
}

TEST(NumberText, ValuesTooWideForTheBufferTurnToExponentForm) {
  // 5e90 with 8 decimals is 91 + 1 + 8 = 100 characters: one too many.
  EXPECT_EQ(Fixed(5e89, 8).size(), 99u);
  EXPECT_EQ(Fixed(5e90, 8), "5.00000000e+90");
  EXPECT_EQ(Fixed(5e98, 0).size(), 99u);
  EXPECT_EQ(Fixed(5e99, 0), "5e+99");
  EXPECT_EQ(Fixed(-5e98, 0), "-5e+98");
  EXPECT_EQ(Fixed(std::numeric_limits<double>::max(), 8), "1.79769313e+308");
  EXPECT_EQ(Fixed(-std::numeric_limits<double>::max(), 3), "-1.798e+308");
}

TEST(NumberText, SmallBuffersAreNeverOverrun) {
  char text[8];
  std::memset(text, '#', sizeof text);
  EXPECT_EQ(FormatFixed(440.0, 1, text, 6), 5u);
  EXPECT_STREQ(text, "440.0");
  std::memset(text, '#', sizeof text);
  // Neither form fits in 3 characters: the text is cut, still terminated.
  EXPECT_EQ(FormatFixed(-12345.678, 3, text, 4), 3u);
  EXPECT_EQ(text[3], '\0');
  EXPECT_EQ(text[4], '#');
  EXPECT_EQ(FormatFixed(1.0, 1, text, 0), 0u);
  EXPECT_EQ(text[0], '-');  // untouched
  EXPECT_EQ(FormatFixed(1.0, 1, nullptr, 10), 0u);
}

TEST(NumberText, InfinityAndNotANumberStayShort) {
  EXPECT_EQ(Fixed(std::numeric_limits<double>::infinity(), 2), "inf");
  EXPECT_EQ(Fixed(-std::numeric_limits<double>::infinity(), 2), "-inf");
  const std::string nan = Fixed(std::nan(""), 2);
  EXPECT_NE(nan.find("nan"), std::string::npos);
}

TEST(NumberText, ThePointIsAFullStopInAnyLocale) {
  const char* comma_locales[] = {"de_DE.UTF-8", "sv_SE.UTF-8", "fr_FR.UTF-8"};
  const char* chosen = nullptr;
  for (const char* name : comma_locales) {
    if (std::setlocale(LC_NUMERIC, name)) {
      chosen = name;
      break;
    }
  }
  if (!chosen) GTEST_SKIP() << "no locale with a decimal comma installed";
  EXPECT_EQ(Fixed(3.25, 2), "3.25");
  std::setlocale(LC_NUMERIC, "C");
}

}  // namespace
