// Figures, not pass or fail: what one buffer refill costs under Wine, and
// what the program costs in CPU and refill time while it plays and while it
// is off.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <vector>

#include "tests/app/logic/refill_figure.hpp"
#include "tone_app.hpp"

namespace {
// CPU time of the program's Unix process, in seconds, over `ms` of waiting.
double CpuSecondsOver(int pid, int ms) {
  const long before = wktest::ReadUnixProcess(pid).cpu_ticks;
  wktest::Pump(ms);
  const long after = wktest::ReadUnixProcess(pid).cpu_ticks;
  return (after - before) / 100.0;  // USER_HZ
}
}  // namespace

TEST(ToneBenchmark, RefillCostAsAFractionOfTheBufferPeriod) {
  EXPECT_GE(vindra_test::PrintRefillFigure("under Wine"), 0.0);
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
  std::printf(
      "figure: tone generator CPU, playing: %.2f s CPU in 2 s (%.1f %%); off: %.2f s CPU in 3 s "
      "(%.1f %%)\n",
      playing, 50.0 * playing, off, 100.0 * off / 3.0);
  // Measured inside the program, from its refill log.
  std::printf("figure: refill in the program, handling a returned buffer up to queueing it: %s\n",
              tonetest::Spread(refills, &vindra::RefillEntry::handled_us, "us").c_str());
  std::printf(
      "figure: refill from the device's notification to the buffer queued: %s (%zu refills)\n",
      tonetest::Spread(refills, &vindra::RefillEntry::waited_ms, "ms").c_str(), refills.size());
  EXPECT_GT(refills.size(), 20u);  // 43 buffers come back in 2 s
  EXPECT_EQ(app.Close(), 0);
}
