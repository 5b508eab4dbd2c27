// The plan of wk_AppendFormatted: which values are taken and how many
// decimals each double gets.
#include "toolkit/windows/logic/append_format.hpp"

#include <gtest/gtest.h>

namespace {

using wk::append::Conversion;
using wk::append::PlanAppendFormat;

std::vector<int> DoubleDecimals(const char* format) {
  std::vector<int> d;
  for (const auto& step : PlanAppendFormat(format))
    if (step.conversion == Conversion::kDouble) d.push_back(step.decimals);
  return d;
}

TEST(AppendFormatPlan, DigitsAnywhereSetTheDecimalsInOrder) {
  EXPECT_EQ(DoubleDecimals("%f3"), (std::vector<int>{3}));
  EXPECT_EQ(DoubleDecimals("1 %f %f 0"), (std::vector<int>{1, 0}));
  EXPECT_EQ(DoubleDecimals("%f%f%f 5"), (std::vector<int>{5, 2, 2}));
  // Eleven digits: only ten counts; the twelfth %f takes the default.
  EXPECT_EQ(DoubleDecimals("98765432109%f%f%f%f%f%f%f%f%f%f%f"),
            (std::vector<int>{9, 8, 7, 6, 5, 4, 3, 2, 1, 0, 2}));
}

TEST(AppendFormatPlan, OnlyKnownConversionsTakeValues) {
  const auto steps = PlanAppendFormat("a%ib%uc%ld%Ue%sf%x%%i%");
  std::vector<Conversion> kinds;
  for (const auto& s : steps) kinds.push_back(s.conversion);
  // "%%" is one unknown conversion, so the "i" after it is plain text; the
  // trailing "%" takes nothing.
  EXPECT_EQ(kinds,
            (std::vector<Conversion>{Conversion::kInt, Conversion::kUnsigned, Conversion::kLong,
                                     Conversion::kUnsignedLong, Conversion::kText}));
  EXPECT_TRUE(PlanAppendFormat(nullptr).empty());
  EXPECT_TRUE(PlanAppendFormat("%").empty());
}

}  // namespace
