// A record of how quickly each returned buffer is queued again, kept only
// while a benchmark asks for it: the benchmark creates a named shared block
// before it starts the program, and the program, finding it at start, notes
// two times per refill in it. Without the block the program tests one
// pointer per notification and does nothing else.
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
};

struct RefillLog {
  volatile LONG count;  // entries written; entry n is at n % kRefillLogEntries
  RefillEntry entries[kRefillLogEntries];
};

// At start: maps the benchmark's block when one exists.
void RefillLogOpen();

// Where the handling of a completion notification begins: the moment to
// measure from, or 0 when nothing is recorded.
LONGLONG RefillLogStart();

// Right after the refilled buffer was queued: notes how long the
// notification waited in the queue and how long its handling took.
void RefillLogNote(LONGLONG started);

}  // namespace vindra
