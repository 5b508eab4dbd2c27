// Reading what a program played: the bench's ALSA default device appends
// every wave-out stream, byte for byte, to the file named by WK_CAPTURE in
// the Unix environment that the test program was started with (wine-run
// gives each test program a capture of its own). Programs a test starts
// inherit that environment and append to the same file.
//
// Also: the Unix processes behind a program, read from /proc through drive
// Z:, to count its open sound streams and watch its memory and CPU time.
#pragma once

#include <windows.h>

#include <cstddef>
#include <string>
#include <vector>

namespace wktest {

class SoundCapture {
 public:
  SoundCapture();  // the test program's capture file
  bool available() const { return !unix_path_.empty(); }
  const std::string& unix_path() const { return unix_path_; }
  // Empties the file (no stream may be open on it).
  void Clear() const;
  size_t Size() const;
  std::vector<unsigned char> Read() const;

 private:
  std::string unix_path_;
  std::string wine_path_;
};

// Where `needle` first occurs in `haystack` at or after `from`, or npos.
size_t FindBytesAt(const std::vector<unsigned char>& haystack,
                   const std::vector<unsigned char>& needle, size_t from = 0);

// The Unix processes started with WK_CAPTURE equal to `capture` whose
// command name is `command` ("cat" for each open sound stream of the bench's
// file sink, "vindra.exe" for the program itself); with a parent, only its
// children. (A stream's "cat" can outlive its stream when a process that
// Wine started meanwhile inherited the pipe, so streams are counted among
// the program's own children.)
std::vector<int> UnixProcesses(const std::string& command, const std::string& capture,
                               int parent = 0);

// What /proc says of a Unix process, -1 for what it could not read. Its
// first thread is the one that started it (under Wine the program's main
// thread, which runs its windows); each time a thread waits for something,
// it is switched out voluntarily, so those switches count its wake-ups.
struct UnixProcessFigures {
  long private_kib = 0;      // Private_* of smaps_rollup: memory no other process shares
  long cpu_ticks = -1;       // user + system time of all its threads, in clock ticks
  long main_cpu_ticks = -1;  // the same of its first thread
  long switches = 0;         // voluntary context switches of its threads alive now
  long main_switches = -1;   // the same of its first thread
};
UnixProcessFigures ReadUnixProcess(int pid);

}  // namespace wktest
