// A record of each returned buffer queued again (how quickly, and at which
// step), kept only while a benchmark or test asks for it: it creates a named
// shared block before it starts the program, and the program, finding it at
// start, notes each refill in it, and where among the refills the slider and
// "AV" took effect. Without the block the program tests one pointer per
// notification and does nothing else.
#pragma once

#include <windows.h>

namespace vindra {

constexpr char kRefillLogName[] = "vindra-refill-log";
// A ring of entries: about six minutes of refills at one per 46.4 ms, so a
// reader that looks every few seconds misses none.
constexpr unsigned kRefillLogEntries = 8192;

struct RefillEntry {
  DWORD waited_ms;   // from the device posting its notification to the buffer being queued
  DWORD handled_us;  // from the window procedure taking the notification to the same moment
  int step;          // the step the buffer was filled at
};

struct RefillLog {
  volatile LONG count;     // entries written; entry n is at n % kRefillLogEntries
  volatile LONG moved_at;  // the count when the slider last gave a new step to hold
  volatile LONG off_at;    // the count when "AV" was last pressed
  RefillEntry entries[kRefillLogEntries];
};

// At start: maps the benchmark's block when one exists.
void RefillLogOpen();

// Where the handling of a completion notification begins: the moment to
// measure from, or 0 when nothing is recorded.
LONGLONG RefillLogStart();

// Right after the refilled buffer was queued: notes how long the
// notification waited in the queue, how long its handling took and the step
// it plays.
void RefillLogNote(LONGLONG started, int step);

// Marks where the refills stand when the held step changes or "AV" is
// pressed: every refill from then on plays the new step, or none follows.
void RefillLogMark(volatile LONG RefillLog::*mark);

}  // namespace vindra
