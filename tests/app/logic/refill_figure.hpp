// The cost of one buffer refill as a figure, measured the same way natively
// and under Wine.
#pragma once

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "app/logic/sine.hpp"

namespace vindra_test {

// Prints the figure for `where`; returns the phase reached, which keeps the
// loop from being optimised away. The machine is shared: the best of many
// short batches (a few ms, most of them run without being preempted) is the
// cost of a refill, and the mean shows what the load added.
inline double PrintRefillFigure(const char* where) {
  constexpr double kBufferPeriodMs = 2048 * 1000.0 / 44100.0;  // 46.4 ms
  constexpr int kBatches = 300;
  constexpr int kFills = 5;
  std::vector<unsigned char> buffer(vindra::kSineBufferBytes);
  double phase = 0.0, best = 1e9, total = 0.0;
  for (int b = 0; b < kBatches; ++b) {
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < kFills; ++i) vindra::FillSineBuffer(buffer.data(), 220 + i % 7, phase);
    const std::chrono::duration<double, std::milli> spent =
        std::chrono::steady_clock::now() - start;
    best = std::min(best, spent.count() / kFills);
    total += spent.count() / kFills;
  }
  std::printf(
      "figure: refill, %s: %.4f ms per 4096-byte refill = %.3f %% of the %.1f ms buffer "
      "period (mean of %d batches %.3f %%)\n",
      where, best, 100.0 * best / kBufferPeriodMs, kBufferPeriodMs, kBatches,
      100.0 * total / kBatches / kBufferPeriodMs);
  return phase;
}

}  // namespace vindra_test
