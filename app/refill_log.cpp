#include "refill_log.hpp"

namespace vindra {

namespace {
RefillLog* g_log = nullptr;
LONGLONG g_ticks_per_us = 1;
}  // namespace

void RefillLogOpen() {
  HANDLE block = OpenFileMappingA(FILE_MAP_WRITE, FALSE, kRefillLogName);
  if (block == nullptr) return;
  // The view keeps the block alive; the program holds it until it ends.
  g_log = static_cast<RefillLog*>(MapViewOfFile(block, FILE_MAP_WRITE, 0, 0, sizeof(RefillLog)));
  CloseHandle(block);
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  g_ticks_per_us = frequency.QuadPart / 1000000 > 0 ? frequency.QuadPart / 1000000 : 1;
}

LONGLONG RefillLogStart() {
  if (g_log == nullptr) return 0;
  LARGE_INTEGER now;
  QueryPerformanceCounter(&now);
  return now.QuadPart;
}

void RefillLogNote(LONGLONG started, int step) {
  if (g_log == nullptr) return;
  LARGE_INTEGER now;
  QueryPerformanceCounter(&now);
  // The message time is the tick count when the device's thread posted the
  // notification.
  const DWORD posted = static_cast<DWORD>(GetMessageTime());
  const LONG n = g_log->count;
  RefillEntry& entry = g_log->entries[static_cast<unsigned>(n) % kRefillLogEntries];
  entry.waited_ms = GetTickCount() - posted;
  entry.handled_us = static_cast<DWORD>((now.QuadPart - started) / g_ticks_per_us);
  entry.step = step;
  // The count is published after the entry, so a reader never sees a
  // half-written one.
  InterlockedExchange(&g_log->count, n + 1);
}

void RefillLogMark(volatile LONG RefillLog::*mark) {
  if (g_log != nullptr) g_log->*mark = g_log->count;
}

}  // namespace vindra
