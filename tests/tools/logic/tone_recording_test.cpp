#include "tools/logic/tone_recording.hpp"

#include <gtest/gtest.h>

namespace {

using tonerec::Bytes;
constexpr size_t kBuffer = vindra::kSineBufferBytes;

// The sink's silence, a device at the silent level cut short by a reset,
// the next device's buffers at steps 0, 1, 10 and 220 (buffers 4 to 7), and
// the sink's silence again; then each case changes it at byte `at`.
struct Case {
  const char* what;
  size_t at;
  Bytes insert;
  size_t remove;
  size_t gap;  // the gap expected at `at`, or 0
  bool lost;
  int first = 1;  // the step of the first tone buffer
};

TEST(ToneRecording, FindsTheStreamItsGapsAndWhereItIsLost) {
  const size_t lead = 1000, cut = 5000, tone = lead + cut + kBuffer;
  Bytes trough_gap(1324, 0x80);
  trough_gap.resize(trough_gap.size() + 2000, 0);
  const Case cases[] = {
      {"clean", 0, {}, 0, 0, false},
      {"sink silence inside a buffer", tone + 3 * kBuffer + 1000, Bytes(882, 0x80), 0, 882, false},
      {"driver zeros between buffers", tone + 2 * kBuffer, Bytes(1000, 0), 0, 1000, false},
      // In the first buffer at step 10 the trough is a run of zeros from
      // about byte 2810 to 2985: the sink's silence and then the driver's
      // zeros inside it.
      {"silence in a trough", tone + kBuffer + 2830, trough_gap, 0, trough_gap.size(), false},
      // The step-1 buffer begins with 56 bytes at the level, then 55 bytes
      // of 128, the sink's own silence: they follow the inserted silence,
      // not the level buffer before it.
      {"sink silence just before the tone", tone, Bytes(1324, 0x80), 0, 1324, false},
      // At step 10 only 6 bytes at the level begin the buffer: taken for
      // the level buffer's, they would put the tone's start before the
      // silence and the silence inside the tone.
      {"sink silence just before a higher tone", tone, Bytes(1324, 0x80), 0, 1324, false, 10},
      {"bytes dropped inside a buffer", tone + 4 * kBuffer + 1000, {}, 300, 300, false},
      {"a buffer's end dropped",
       tone + 3 * kBuffer + 3000,
       {},
       kBuffer - 3000,
       kBuffer - 3000,
       false},
      {"a buffer lost", tone + 2 * kBuffer, {}, kBuffer, 0, true},
  };
  for (const Case& c : cases) {
    Bytes r(lead, 0x80);
    r.insert(r.end(), cut, 127);
    double phase = 0.0;
    for (const int step : {0, c.first, 10, 10, 220, 220, 220}) {
      r.resize(r.size() + kBuffer);
      vindra::FillSineBuffer(r.data() + r.size() - kBuffer, step, phase);
    }
    const size_t end = r.size();
    r.insert(r.end(), 3000, 0x80);
    r.erase(r.begin() + c.at, r.begin() + c.at + c.remove);
    r.insert(r.begin() + c.at, c.insert.begin(), c.insert.end());

    const tonerec::Scan scan = tonerec::ScanRecording(r);
    EXPECT_EQ(scan.from, lead) << c.what;
    EXPECT_EQ(scan.tone_from, c.at <= tone ? tone + c.insert.size() : tone) << c.what;
    EXPECT_EQ(scan.lost_at != std::string::npos, c.lost) << c.what;
    if (c.lost) continue;
    EXPECT_EQ(scan.to, end + c.insert.size() - c.remove) << c.what;
    EXPECT_EQ(scan.last_step, 220) << c.what;
    EXPECT_EQ(scan.gaps.size(), c.gap ? 1u : 0u) << c.what;
    if (c.gap && !scan.gaps.empty()) {
      EXPECT_NEAR(static_cast<double>(scan.gaps[0].at), c.at, 16) << c.what;
      EXPECT_NEAR(static_cast<double>(scan.gaps[0].bytes), c.gap, 16) << c.what;
    }
  }
}

}  // namespace
