#include "tools/logic/tone_recording.hpp"

#include <gtest/gtest.h>

namespace {

using tonerec::Bytes;
constexpr size_t kBuffer = vindra::kSineBufferBytes;

// The sink's silence, a device at the silent level cut short by a reset,
// the next device's buffers at steps 0, 10 and 220 (buffers 3 to 7), and
// the sink's silence again; then `edit` changes it at byte `at`.
struct Case {
  const char* what;
  size_t at;
  Bytes insert;
  size_t remove;
  size_t gap;  // the gap expected inside the tone at `at`, or 0
  bool lost;
};

TEST(ToneRecording, FindsTheStreamItsGapsAndWhereItIsLost) {
  const size_t lead = 1000, cut = 5000, tone = lead + cut + kBuffer;
  Bytes trough_gap(1324, 0x80);
  trough_gap.resize(trough_gap.size() + 2000, 0);
  const Case cases[] = {
      {"clean", 0, {}, 0, 0, false},
      {"sink silence inside a buffer", tone + 3 * kBuffer + 1000, Bytes(882, 0x80), 0, 882, false},
      {"driver zeros between buffers", tone + 2 * kBuffer, Bytes(1000, 0), 0, 1000, false},
      // At step 10 the first trough is a run of zeros from about byte 3220
      // to 3395: the sink's silence and then the driver's zeros inside it.
      {"silence in a trough", tone + 3240, trough_gap, 0, trough_gap.size(), false},
      {"a buffer lost", tone + 2 * kBuffer, {}, kBuffer, 0, true},
  };
  for (const Case& c : cases) {
    Bytes r(lead, 0x80);
    r.insert(r.end(), cut, 127);
    double phase = 0.0;
    for (const int step : {0, 10, 10, 220, 220, 220, 220}) {
      r.resize(r.size() + kBuffer);
      vindra::FillSineBuffer(r.data() + r.size() - kBuffer, step, phase);
    }
    const size_t end = r.size();
    r.insert(r.end(), 3000, 0x80);
    r.erase(r.begin() + c.at, r.begin() + c.at + c.remove);
    r.insert(r.begin() + c.at, c.insert.begin(), c.insert.end());

    const tonerec::Scan scan = tonerec::ScanRecording(r);
    EXPECT_EQ(scan.from, lead) << c.what;
    EXPECT_EQ(scan.tone_from, tone) << c.what;
    EXPECT_EQ(scan.lost_at != std::string::npos, c.lost) << c.what;
    if (c.lost) continue;
    EXPECT_EQ(scan.to, end + c.insert.size()) << c.what;
    EXPECT_EQ(scan.last_step, 220) << c.what;
    ASSERT_EQ(scan.gaps.size(), c.gap ? 1u : 0u) << c.what;
    if (c.gap) {
      EXPECT_NEAR(static_cast<double>(scan.gaps[0].at), c.at, 16) << c.what;
      EXPECT_NEAR(static_cast<double>(scan.gaps[0].bytes), c.gap, 16) << c.what;
    }
  }
}

}  // namespace
