// Says what a recording of the tone generator holds, and writes the part a
// listener hears (the program's stream, without the sink's silence around
// it) as a WAV file:
//   tone_recording_report RECORDING.raw OUT.wav [SETTLED]
// SETTLED, a byte offset into the recording, is where the user's last
// change (the slider's last move and its paint) was done: the gaps before
// and after it are then told apart.
// The recording is unsigned 8-bit stereo at 44100 Hz.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

#include "tools/logic/tone_recording.hpp"
#include "tools/logic/wav_file.hpp"

namespace {

constexpr double kBytesPerSecond = 88200.0;

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3 && argc != 4) {
    std::fprintf(stderr, "usage: tone_recording_report RECORDING.raw OUT.wav [SETTLED]\n");
    return 2;
  }
  std::ifstream in(argv[1], std::ios::binary);
  const tonerec::Bytes r((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  const tonerec::Scan scan = tonerec::ScanRecording(r);
  // Where the scan lost the stream, the WAV still holds all that was played,
  // up to the sink's silence at the end.
  size_t to = scan.to;
  if (scan.lost_at != std::string::npos) {
    to = r.size();
    while (to > scan.from && r[to - 1] == 0x80) --to;
  }
  if (!tonerec::WriteWav(argv[2], r.data() + scan.from, static_cast<uint32_t>(to - scan.from))) {
    std::fprintf(stderr, "tone_recording_report: could not write %s; it is left as it was\n",
                 argv[2]);
    return 1;
  }
  const auto seconds = [&](size_t at) { return (at - scan.from) / kBytesPerSecond; };
  std::printf(
      "Sound:      %s, %.2f s (8-bit unsigned, 2 channels, 44100 Hz) as the sink played it\n",
      argv[2], seconds(to));
  if (scan.tone_from == std::string::npos) {
    std::printf("Tone:       none, only the silent level\n");
    return 0;
  }
  std::printf("Tone:       from %.2f s, at the end %d Hz (every buffer matched byte for byte)\n",
              seconds(scan.tone_from), 2 * scan.last_step);
  const size_t settled = argc == 4 ? std::strtoull(argv[3], nullptr, 10) : r.size();
  size_t inside = 0, longest = 0, after = 0, longest_after = 0;
  std::string at;
  for (const tonerec::Gap& gap : scan.gaps) {
    if (gap.at < scan.tone_from) continue;
    ++inside;
    if (gap.at >= settled) ++after, longest_after = std::max(longest_after, gap.bytes);
    longest = std::max(longest, gap.bytes);
    if (inside <= 10)
      at += (inside > 1 ? ", " : " at ") + std::to_string(seconds(gap.at)).substr(0, 5) + " s";
  }
  if (inside == 0) {
    std::printf("Gaps:       none inside the tone\n");
  } else {
    std::printf("Gaps:       %zu inside the tone, longest %.1f ms,%s\n", inside,
                longest / kBytesPerSecond * 1000.0, at.c_str());
  }
  if (argc == 4 && settled < scan.to) {
    const size_t from = std::max(settled, scan.tone_from);
    std::printf("Settled:    from %.2f s on (%.2f s of tone), %zu gaps", seconds(from),
                (scan.to - from) / kBytesPerSecond, after);
    if (after > 0) std::printf(", longest %.1f ms", longest_after / kBytesPerSecond * 1000.0);
    std::printf("\n");
  }
  if (scan.lost_at != std::string::npos) {
    std::printf("Lost:       the recording stops following the stream at %.2f s\n",
                seconds(scan.lost_at));
  }
}
