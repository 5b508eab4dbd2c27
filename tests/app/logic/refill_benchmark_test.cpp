// Figures, not pass or fail: the cost of one buffer refill in the native
// build (with the sanitizers of the test build, so an upper bound).
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <vector>

#include "app/logic/sine.hpp"

TEST(RefillBenchmark, CostAsAFractionOfTheBufferPeriod) {
  constexpr double kBufferPeriodMs = 2048 * 1000.0 / 44100.0;
  std::vector<unsigned char> buffer(vindra::kSineBufferBytes);
  double phase = 0.0;
  constexpr int kFills = 2000;
  const auto start = std::chrono::steady_clock::now();
  for (int i = 0; i < kFills; ++i) vindra::FillSineBuffer(buffer.data(), 220 + i % 7, phase);
  const std::chrono::duration<double, std::milli> spent = std::chrono::steady_clock::now() - start;
  const double per_fill = spent.count() / kFills;
  std::printf(
      "[ refill ] native: %.4f ms per 4096-byte refill = %.3f %% of the %.1f ms buffer "
      "period\n",
      per_fill, 100.0 * per_fill / kBufferPeriodMs, kBufferPeriodMs);
  EXPECT_GE(phase, 0.0);
}
