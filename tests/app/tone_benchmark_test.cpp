// Figures, not pass or fail: what one buffer refill costs under Wine, and
// what the program costs in CPU while it plays and while it is off.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "app/logic/sine.hpp"
#include "tone_app.hpp"

namespace {
constexpr double kBufferPeriodMs = 2048 * 1000.0 / 44100.0;  // 46.4 ms

double NowMs() {
  LARGE_INTEGER count, frequency;
  QueryPerformanceCounter(&count);
  QueryPerformanceFrequency(&frequency);
  return count.QuadPart * 1000.0 / frequency.QuadPart;
}

// CPU time of the program's Unix process, in seconds, over `ms` of waiting.
double CpuSecondsOver(int pid, int ms) {
  const long before = wktest::ReadUnixProcess(pid).cpu_ticks;
  wktest::Pump(ms);
  const long after = wktest::ReadUnixProcess(pid).cpu_ticks;
  return (after - before) / 100.0;  // USER_HZ
}
}  // namespace

TEST(ToneBenchmark, RefillCostAsAFractionOfTheBufferPeriod) {
  std::vector<unsigned char> buffer(vindra::kSineBufferBytes);
  double phase = 0.0;
  // The machine is shared: the best of many short batches (a few ms, most
  // of them run without being preempted) is the cost of a refill, and the
  // mean shows what the load added.
  constexpr int kBatches = 300;
  constexpr int kFills = 5;
  double best = 1e9, total = 0.0;
  for (int b = 0; b < kBatches; ++b) {
    const double start = NowMs();
    for (int i = 0; i < kFills; ++i) vindra::FillSineBuffer(buffer.data(), 220 + i % 7, phase);
    const double per_fill = (NowMs() - start) / kFills;
    best = std::min(best, per_fill);
    total += per_fill;
  }
  std::printf(
      "[ refill ] under Wine: %.4f ms per 4096-byte refill = %.3f %% of the %.1f ms "
      "buffer period (mean of %d batches %.3f %%)\n",
      best, 100.0 * best / kBufferPeriodMs, kBufferPeriodMs, kBatches,
      100.0 * total / kBatches / kBufferPeriodMs);
  EXPECT_GE(phase, 0.0);  // keeps the loop from being optimised away
}

TEST(ToneBenchmark, CpuAndRefillTimesWhilePlayingAndWhileOff) {
  tonetest::RefillLogReader log;
  ASSERT_TRUE(log.open());
  tonetest::ToneApp app;
  ASSERT_NE(app.window(), nullptr);
  const auto pids = wktest::UnixProcesses("vindra.exe", app.capture().unix_path());
  ASSERT_EQ(pids.size(), 1u);
  app.Click(tonetest::kPa);
  app.DragSlider(441);
  wktest::Pump(500);
  std::vector<vindra::RefillEntry> refills;
  log.Drain(refills);  // the start, not measured
  refills.clear();
  const double playing = CpuSecondsOver(pids[0], 2000);
  log.Drain(refills);
  app.Click(tonetest::kAv);
  wktest::Pump(500);  // the queued buffers come back and the device closes
  const double off = CpuSecondsOver(pids[0], 3000);
  std::printf("[ cpu ] playing: %.2f s CPU in 2 s (%.1f %%); off: %.2f s CPU in 3 s (%.1f %%)\n",
              playing, 50.0 * playing, off, 100.0 * off / 3.0);
  // Measured inside the program, from its refill log.
  std::printf("[ refill ] in the program, handling a returned buffer up to queueing it: %s\n",
              tonetest::Spread(refills, &vindra::RefillEntry::handled_us, "us").c_str());
  std::printf("[ refill ] from the device's notification to the buffer queued: %s (%zu refills)\n",
              tonetest::Spread(refills, &vindra::RefillEntry::waited_ms, "ms").c_str(),
              refills.size());
  EXPECT_GT(refills.size(), 20u);  // 43 buffers come back in 2 s
  EXPECT_EQ(app.Close(), 0);
}
