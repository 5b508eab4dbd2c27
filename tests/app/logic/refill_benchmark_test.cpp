// Figures, not pass or fail: the cost of one buffer refill in the native
// build (with the sanitizers of the test build, so an upper bound).
#include <gtest/gtest.h>

#include "refill_figure.hpp"

TEST(RefillBenchmark, CostAsAFractionOfTheBufferPeriod) {
  EXPECT_GE(vindra_test::PrintRefillFigure("native"), 0.0);
}
