#include "app/logic/sine.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <string>

#include "app/logic/levels.hpp"

using vindra::FillSineBuffer;
using vindra::kSineBufferBytes;

namespace {
using Buffer = std::array<unsigned char, kSineBufferBytes>;
}

TEST(FillSineBuffer, StepZeroIsSilenceAndLeavesThePhase) {
  Buffer buffer;
  buffer.fill(0xAA);
  double phase = 0.0;
  FillSineBuffer(buffer.data(), 0, phase);
  EXPECT_TRUE(std::all_of(buffer.begin(), buffer.end(), [](unsigned char b) { return b == 127; }));
  EXPECT_EQ(phase, 0.0);

  // A step of 0 holds whatever phase a tone left: the level stays constant.
  phase = 1.0;
  FillSineBuffer(buffer.data(), 0, phase);
  const unsigned char held = static_cast<unsigned char>(127.0 * std::sin(1.0) + 127.0);
  EXPECT_TRUE(
      std::all_of(buffer.begin(), buffer.end(), [&](unsigned char b) { return b == held; }));
  EXPECT_EQ(phase, 1.0);
}

TEST(FillSineBuffer, Step4410GivesTenBytesPerCycle) {
  Buffer buffer{};
  double phase = 0.0;
  FillSineBuffer(buffer.data(), 4410, phase);
  const unsigned char expected[] = {127, 201, 247, 247, 201, 127, 52, 6, 6, 52};
  for (int i = 0; i < 10; ++i) EXPECT_EQ(buffer[i], expected[i]) << "byte " << i;
  // The period constant is a little short of two pi, so the cycle drifts by
  // one level at most over a whole buffer rather than repeating exactly.
  for (size_t i = 10; i < kSineBufferBytes; ++i) {
    EXPECT_LE(std::abs(buffer[i] - buffer[i - 10]), 1) << "byte " << i;
  }
}

TEST(FillSineBuffer, StepOneRisesTooSlowlyToLeaveTheMiddleAtFirst) {
  Buffer buffer{};
  double phase = 0.0;
  FillSineBuffer(buffer.data(), 1, phase);
  // 0.0001425 rad per byte: 127 * sin(x) stays below 1 for the first 55 bytes.
  for (int i = 0; i < 50; ++i) EXPECT_EQ(buffer[i], 127) << "byte " << i;
  EXPECT_NEAR(phase, 4096 * 6.28318 / 44100.0, 1e-9);
}

TEST(FillSineBuffer, PhaseStaysInRangeAndNeverGives255) {
  // Every step the slider can give, including the odd ones past 12500 that a
  // 16-bit thumb position could carry, over several buffers each.
  for (int step : {1, 2, 219, 220, 4410, 11025, 12500, 22050, 32767}) {
    double phase = 0.0;
    Buffer buffer{};
    int lowest = 255, highest = 0;
    for (int n = 0; n < 8; ++n) {
      FillSineBuffer(buffer.data(), step, phase);
      ASSERT_GE(phase, 0.0) << "step " << step;
      ASSERT_LE(phase, 6.28318) << "step " << step;
      for (unsigned char b : buffer) {
        lowest = std::min<int>(lowest, b);
        highest = std::max<int>(highest, b);
      }
    }
    EXPECT_LT(highest, 255) << "step " << step;
    // Steps that do not divide the period evenly sample the wave at ever new
    // phases and so reach both ends of the swing within eight buffers.
    if (step >= 219 && step != 4410 && step != 22050) {
      EXPECT_GE(highest, 253) << "step " << step;
      EXPECT_LE(lowest, 1) << "step " << step;
    }
  }
  // A negative step (not given by the slider) runs the phase backwards and
  // is wrapped the same way instead of drifting out of range.
  double phase = 0.0;
  Buffer buffer{};
  FillSineBuffer(buffer.data(), -220, phase);
  EXPECT_GE(phase, 0.0);
  EXPECT_LE(phase, 6.28318);
}

TEST(FillSineBuffer, ConsecutiveBuffersContinueThePhase) {
  // Two buffers filled one after the other equal one long fill: a step
  // change lands on a buffer boundary without a jump in the wave.
  std::array<unsigned char, 2 * kSineBufferBytes> joined{};
  double phase = 0.0;
  FillSineBuffer(joined.data(), 220, phase);
  FillSineBuffer(joined.data() + kSineBufferBytes, 220, phase);
  double reference = 0.0;
  for (size_t i = 0; i < joined.size(); ++i) {
    const int level = static_cast<int>(127.0 * std::sin(reference) + 127.0);
    ASSERT_EQ(joined[i], level) << "byte " << i;
    reference = 6.28318 * 220 / 44100.0 + reference;
    if (reference > 6.28318) reference -= 6.28318;
  }
  // Step 220: one cycle per 200.45 bytes, which is 100.2 stereo frames or
  // 440 Hz on each channel.
  int rising_crossings = 0;
  for (size_t i = 1; i < joined.size(); ++i) {
    rising_crossings += joined[i - 1] < 127 && joined[i] >= 127;
  }
  EXPECT_NEAR(rising_crossings, joined.size() * 220.0 / 44100.0, 1.0);
}

TEST(LevelReadouts, ShowOneHundredOneHundredAndFortyNinePointNine) {
  const auto readouts = vindra::LevelReadouts();
  const char* expected[] = {"100.0", "100.0", "49.9"};
  const int places[][2] = {{0, 0}, {0, 20}, {140, 0}};
  for (int i = 0; i < 3; ++i) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", readouts[i].value);
    EXPECT_EQ(std::string(text), expected[i]) << "readout " << i;
    EXPECT_EQ(readouts[i].x, places[i][0]);
    EXPECT_EQ(readouts[i].y, places[i][1]);
  }
}
