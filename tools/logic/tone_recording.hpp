// Reads a recording of the tone generator's sound (unsigned 8-bit stereo at
// 44100 Hz, as a sound sink played it) back into the program's buffers: each
// 4096-byte buffer is the synthesis at one step, the phase carried on from
// the buffer before. Silence that the sink inserted where no buffer was
// ready is found and measured; what follows it must go on where the stream
// stopped.
#pragma once

#include <algorithm>
#include <cstddef>
#include <string>
#include <vector>

#include "app/logic/sine.hpp"

namespace tonerec {

using Bytes = std::vector<unsigned char>;

struct Gap {
  size_t at, bytes;  // where in the recording, how long
};

struct Scan {
  size_t from = 0, to = 0;               // the program's stream: its first byte, and past its last
  size_t tone_from = std::string::npos;  // the first buffer at a step other than 0
  int last_step = 0;
  std::vector<Gap> gaps;               // inserted silence inside the stream
  size_t lost_at = std::string::npos;  // where the recording stopped following the stream
};

// A frame whose two samples are the sink's silence (0x80) or the zeros that
// Wine's PulseAudio driver writes after an underrun.
inline bool Silent(const Bytes& r, size_t i) {
  return i + 1 < r.size() && r[i] == r[i + 1] && (r[i] == 0x80 || r[i] == 0);
}

// How one expected buffer was followed: where it ends in the recording
// (npos: the recording goes elsewhere), and whether silence runs from there
// to the end of the recording, or a device reset cut the buffer short (only
// seen at step 0, one level whose bytes are all alike).
struct Followed {
  size_t end = std::string::npos;
  bool ended = false, cut = false;
};

inline Followed Follow(const Bytes& r, size_t i, const Bytes& e, bool level,
                       std::vector<Gap>& gaps) {
  size_t j = 0;
  while (j < e.size() && i < r.size()) {
    if (r[i] == e[j]) {
      ++i, ++j;
      continue;
    }
    if (level && j > 0) return {i, false, true};
    const size_t from = i;
    while (Silent(r, i)) i += 2;
    if (i + 1 >= r.size()) return {from, true, false};
    // The stream goes on where it stopped, a few bytes either way where
    // inserted zeros met a trough's own. Where the stream was at the zero
    // level itself (a trough at a low step, hundreds of bytes long), the
    // inserted silence hides the rest of that level, and it goes on past it.
    size_t level_end = j;
    while (level_end < e.size() && e[level_end] == 0) ++level_end;
    size_t resumed = std::string::npos;
    for (const size_t base : {j, level_end}) {
      for (size_t d = 0; d <= 16 && resumed == std::string::npos && i > from; d += 2) {
        for (const size_t k : {base - d, base + d}) {
          const size_t n = std::min({size_t{16}, e.size() - std::min(k, e.size()), r.size() - i});
          if (k < e.size() && std::equal(e.begin() + k, e.begin() + k + n, r.begin() + i)) {
            resumed = k;
            break;
          }
        }
      }
      if (resumed != std::string::npos) break;
    }
    if (resumed == std::string::npos) return {};
    // The gap is what the recording holds beyond the stream: its silent run
    // less the stream's own bytes inside it.
    const size_t own = resumed > j ? std::min(resumed - j, i - from) : 0;
    gaps.push_back({from, i - from - own + (j > resumed ? j - resumed : 0)});
    j = resumed;
  }
  return {i, false, false};
}

inline Scan ScanRecording(const Bytes& r) {
  Scan scan;
  while (scan.from < r.size() && r[scan.from] == 0x80) ++scan.from;
  size_t i = scan.from;
  double phase = 0.0;
  int step = 0;
  bool cut = false;
  Bytes e(vindra::kSineBufferBytes);
  for (bool ended = false; !ended && i < r.size();) {
    Followed next;
    // The step most likely first: the one before, then outwards.
    for (int d = 0; d <= 25001 && next.end == std::string::npos; ++d) {
      const int candidate = d % 2 ? step + (d + 1) / 2 : step - d / 2;
      if (candidate < 0 || candidate > 12500) continue;
      double p = phase;
      vindra::FillSineBuffer(e.data(), candidate, p);
      // After a cut the next device's buffer began where the level ended;
      // its first bytes, as long as they stay at that level, were taken
      // for the cut buffer's own.
      size_t at = i;
      while (cut && candidate != 0 && at > scan.from && e[i - at] == r[at - 1]) --at;
      std::vector<Gap> gaps;
      next = Follow(r, at, e, candidate == 0, gaps);
      if (next.end == std::string::npos) continue;
      if (candidate != 0 && scan.tone_from == std::string::npos) scan.tone_from = at;
      scan.gaps.insert(scan.gaps.end(), gaps.begin(), gaps.end());
      step = candidate;
      phase = p;
    }
    if (next.end == std::string::npos) {
      scan.lost_at = i;
      break;
    }
    i = next.end;
    ended = next.ended;
    cut = next.cut;
  }
  scan.to = i;
  scan.last_step = step;
  return scan;
}

}  // namespace tonerec
