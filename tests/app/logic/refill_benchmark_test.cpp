// Figures, not pass or fail: the cost of one buffer refill in the native
// build (with the sanitizers of the test build, so an upper bound).
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "app/logic/sine.hpp"

TEST(RefillBenchmark, CostAsAFractionOfTheBufferPeriod) {
  constexpr double kBufferPeriodMs = 2048 * 1000.0 / 44100.0;
  std::vector<unsigned char> buffer(vindra::kSineBufferBytes);
  double phase = 0.0;
  // The machine is shared: the best of many short batches (a few ms, most
  // of them run without being preempted) is the cost of a refill, and the
  // mean shows what the load added.
  constexpr int kBatches = 300;
  constexpr int kFills = 5;
  double best = 1e9, total = 0.0;
  for (int b = 0; b < kBatches; ++b) {
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < kFills; ++i) vindra::FillSineBuffer(buffer.data(), 220 + i % 7, phase);
    const std::chrono::duration<double, std::milli> spent =
        std::chrono::steady_clock::now() - start;
    best = std::min(best, spent.count() / kFills);
    total += spent.count() / kFills;
  }
  std::printf(
      "[ refill ] native: %.4f ms per 4096-byte refill = %.3f %% of the %.1f ms buffer "
      "period (mean of %d batches %.3f %%)\n",
      best, 100.0 * best / kBufferPeriodMs, kBufferPeriodMs, kBatches,
      100.0 * total / kBatches / kBufferPeriodMs);
  EXPECT_GE(phase, 0.0);
}
