// Reads a recording of the tone generator's sound (unsigned 8-bit stereo at
// 44100 Hz, as a sound sink played it) back into the program's buffers: each
// 4096-byte buffer is the synthesis at one step, the phase carried on from
// the buffer before. Silence that the sink inserted where no buffer was
// ready is found and measured; what follows it must go on where the stream
// stopped, or, where the driver dropped sound, further on in the same
// buffer or with the next one.
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
// seen at step 0, one level whose bytes are all alike). `run_from` is where
// the buffer's last unbroken run of matched bytes begins.
struct Followed {
  size_t end = std::string::npos;
  bool ended = false, cut = false;
  size_t run_from = 0;
};

// Bytes of a buffer that tell it from its neighbours at the next steps.
constexpr size_t kKnown = 64;

inline Followed Follow(const Bytes& r, size_t i, const Bytes& e, bool level, bool drops,
                       std::vector<Gap>& gaps) {
  size_t j = 0, run_from = i;
  while (j < e.size() && i < r.size()) {
    if (r[i] == e[j]) {
      ++i, ++j;
      continue;
    }
    if (level && j > 0) return {i, false, true, run_from};
    const size_t from = i;
    while (Silent(r, i)) i += 2;
    if (i + 1 >= r.size()) return {from, true, false};
    // The stream goes on where it stopped, a few bytes either way where
    // inserted zeros met a trough's own. Where the stream was at the zero
    // level itself (a trough at a low step, hundreds of bytes long), the
    // inserted silence hides the rest of that level, and it goes on past it.
    size_t level_end = j;
    while (level_end < e.size() && e[level_end] == 0) ++level_end;
    // Silence comes in whole frames: the stream goes on at a byte of the
    // same parity as the one it stopped at.
    level_end -= (level_end - j) % 2;
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
    if (resumed != std::string::npos) {
      // The gap is what the recording holds beyond the stream: its silent
      // run less the stream's own bytes inside it.
      const size_t own = resumed > j ? std::min(resumed - j, i - from) : 0;
      gaps.push_back({from, i - from - own + (j > resumed ? j - resumed : 0)});
      j = resumed;
    } else {
      // A jump: part of the buffer never reached the sink (the platform's
      // driver drops what its own clock says is past when it catches up
      // late), with or without silence in its place. The stream goes on
      // further into the buffer, or with the next buffer if the rest of
      // this one was dropped. Only a clear break counts, in a buffer
      // already known by its first bytes: a neighbouring step leaves the
      // synthesis a level at a time, never by a jump.
      const auto jumped = [&] {
        return from < i || (r[from] > e[j] ? r[from] - e[j] : e[j] - r[from]) > 2;
      };
      if (!drops || j < kKnown || !jumped()) return {};
      for (size_t k = j + 1; k < e.size() && resumed == std::string::npos; ++k) {
        const size_t n = std::min({kKnown, e.size() - k, r.size() - i});
        if (n >= 16 && std::equal(e.begin() + k, e.begin() + k + n, r.begin() + i)) resumed = k;
      }
      if (resumed == std::string::npos) resumed = e.size();
      // What a listener misses: the silence and the bytes that never came.
      gaps.push_back({from, i - from + resumed - j});
      j = resumed;
    }
    run_from = i;
  }
  return {i, false, false, run_from};
}

// One buffer read from the recording: where it begins, how it was
// followed and the sound it missed.
struct Reading {
  size_t at;
  Followed followed;
  std::vector<Gap> gaps;
};

inline size_t Missing(const std::vector<Gap>& gaps) {
  size_t bytes = 0;
  for (const Gap& gap : gaps) bytes += gap.bytes;
  return bytes;
}

// Reads the buffer `e` at byte i. After a cut the next device's buffer
// began where the level ended; its first bytes, as long as they stay at
// that level, were taken for the cut buffer's own: as far back as the level
// ran unbroken (from `cut_run_from`), never into silence the sink put
// before it. Where the level's bytes and the sink's silence leave both
// readings open, the one with less missing sound is taken.
inline Reading Read(const Bytes& r, size_t i, const Bytes& e, bool level, bool drops,
                    bool after_cut, size_t cut_run_from) {
  Reading at_cut{i, {}, {}};
  at_cut.followed = Follow(r, i, e, level, drops, at_cut.gaps);
  size_t at = i;
  while (after_cut && !level && at > cut_run_from && e[i - at] == r[at - 1]) --at;
  if (at == i) return at_cut;
  Reading before{at, {}, {}};
  before.followed = Follow(r, at, e, level, drops, before.gaps);
  const bool took = before.followed.end != std::string::npos;
  if (took &&
      (at_cut.followed.end == std::string::npos || Missing(before.gaps) <= Missing(at_cut.gaps)))
    return before;
  return at_cut;
}

inline Scan ScanRecording(const Bytes& r) {
  Scan scan;
  while (scan.from < r.size() && r[scan.from] == 0x80) ++scan.from;
  size_t i = scan.from;
  double phase = 0.0;
  int step = 0;
  bool cut = false;
  size_t cut_run_from = 0;
  Bytes e(vindra::kSineBufferBytes);
  for (bool ended = false; !ended && i < r.size();) {
    Followed next;
    // The step most likely first: the one before, then outwards; a buffer
    // that the platform cut short only where none follows whole.
    for (const bool drops : {false, true}) {
      for (int d = 0; d <= 25001 && next.end == std::string::npos; ++d) {
        const int candidate = d % 2 ? step + (d + 1) / 2 : step - d / 2;
        if (candidate < 0 || candidate > 12500) continue;
        double p = phase;
        vindra::FillSineBuffer(e.data(), candidate, p);
        const Reading reading = Read(r, i, e, candidate == 0, drops, cut, cut_run_from);
        next = reading.followed;
        if (next.end == std::string::npos) continue;
        if (candidate != 0 && scan.tone_from == std::string::npos) {
          // The tone is heard from its first byte that the sink played.
          const bool silent_start = !reading.gaps.empty() && reading.gaps[0].at == reading.at;
          scan.tone_from = reading.at + (silent_start ? reading.gaps[0].bytes : 0);
        }
        scan.gaps.insert(scan.gaps.end(), reading.gaps.begin(), reading.gaps.end());
        step = candidate;
        phase = p;
      }
      if (next.end != std::string::npos) break;
    }
    if (next.end == std::string::npos) {
      scan.lost_at = i;
      break;
    }
    i = next.end;
    ended = next.ended;
    cut = next.cut;
    cut_run_from = next.run_from;
  }
  scan.to = i;
  scan.last_step = step;
  return scan;
}

}  // namespace tonerec
