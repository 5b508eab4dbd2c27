// The cost of a safe save, printed as a figure: wk_FileWriteText of a 5 MB
// text over an existing file (a temporary file beside it, flushed to the
// disk, then put in its place) against the same text written over the file
// in place through the C library's text mode, as a save did before, and
// flushed to the disk too: the ratio compares like with like. The unflushed
// in-place write is printed beside it. Median of several rounds each, taken
// in turn.
#include <io.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "wk_files.h"
#include "whole_file.hpp"
#include "wktest.hpp"

namespace {

double Median(std::vector<double> times) {
  std::sort(times.begin(), times.end());
  return times[times.size() / 2];
}

}  // namespace

TEST(SaveBenchmark, SafeSaveOfFiveMegabytesAgainstWritingInPlace) {
  std::string text;
  for (int line = 0; text.size() < 5u * 1000 * 1000; ++line) {
    text += "Rad " + std::to_string(line) + ": Vindra spelar 440 Hz, sinus, p\xE5.\n";
  }
  const std::string safe = wktest::BuildPath("save_benchmark_safe.txt");
  const std::string in_place = wktest::BuildPath("save_benchmark_in_place.txt");
  wktest::WriteWholeFile(safe, "OLD\r\n");
  wktest::WriteWholeFile(in_place, "OLD\r\n");

  constexpr int kRounds = 9;
  std::vector<double> safe_times, flushed_times, in_place_times;
  for (int round = 0; round < kRounds; ++round) {
    double start = wktest::NowSeconds();
    ASSERT_EQ(wk_FileWriteText(safe.c_str(), text.c_str()), 0);
    safe_times.push_back(wktest::NowSeconds() - start);

    for (bool flushed : {true, false}) {
      start = wktest::NowSeconds();
      std::FILE* file = std::fopen(in_place.c_str(), "w");
      ASSERT_NE(file, nullptr);
      std::fputs(text.c_str(), file);
      ASSERT_EQ(flushed ? std::fflush(file) | _commit(_fileno(file)) : 0, 0);
      ASSERT_EQ(std::fclose(file), 0);
      (flushed ? flushed_times : in_place_times).push_back(wktest::NowSeconds() - start);
    }
  }
  EXPECT_EQ(wktest::ReadWholeFile(safe), wktest::ReadWholeFile(in_place));
  const double safe_ms = Median(safe_times) * 1000;
  const double flushed_ms = Median(flushed_times) * 1000;
  std::printf(
      "figure: safe save of %zu bytes: %.1f ms, in place flushed: %.1f ms, ratio %.2f "
      "(in place unflushed: %.1f ms)\n",
      text.size(), safe_ms, flushed_ms, safe_ms / flushed_ms, Median(in_place_times) * 1000);
  std::remove(safe.c_str());
  std::remove(in_place.c_str());
}
