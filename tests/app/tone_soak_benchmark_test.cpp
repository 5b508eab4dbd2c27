// Figures from a long run: the tone played through the real program at
// real-time pace, into the bench's PulseAudio sink, first on a quiet machine
// and then beside two busy processes. The sink's recording (written inside
// the sound server at the sink's own clock) is followed byte for byte
// against the synthesis, counting every stretch of silence after which the
// stream goes on with its phase continued (a dropout) and every place where
// it goes on elsewhere (a phase jump); the program's refill log gives how
// long each returned buffer waited before it was queued again.
//
//   WK_SOAK_MINUTES   minutes of tone in each of the two parts (default 1;
//                     may be fractional). The long run: WK_SOAK_MINUTES=10.
//
// ctest runs it with WK_SOUND=pulse. Started by hand through wine-run
// without it, the program's sound goes to the bench's file sink instead,
// which has no clock and takes the sound about twice as fast as real time.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "app/logic/sine.hpp"
#include "app/refill_log.hpp"
#include "tone_app.hpp"
#include "whole_file.hpp"

namespace {

using Bytes = std::vector<unsigned char>;

constexpr double kBytesPerSecond = 88200.0;
constexpr unsigned char kSilence = 0x80;  // the sink's silence in unsigned 8-bit samples
constexpr char kBusyStop[] = "vindra-soak-busy-stop";
constexpr char kBusySpinning[] = "vindra-soak-busy-spinning";

std::string Env(const char* name) { return std::getenv(name) ? std::getenv(name) : ""; }

// A file's last write time; 0 when it cannot be read.
unsigned long long LastWritten(const std::string& path) {
  WIN32_FILE_ATTRIBUTE_DATA data{};
  if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) return 0;
  return (static_cast<unsigned long long>(data.ftLastWriteTime.dwHighDateTime) << 32) |
         data.ftLastWriteTime.dwLowDateTime;
}

// How busy the machine is: the load average, and the share of all cores'
// time spent running anything since the previous reading.
struct MachineLoad {
  long long busy = 0, total = 0;
  static MachineLoad Now() {
    std::istringstream stat(wktest::ReadWholeFile("Z:\\proc\\stat"));
    std::string cpu;
    long long user, nice, system, idle, iowait, irq, softirq;
    stat >> cpu >> user >> nice >> system >> idle >> iowait >> irq >> softirq;
    MachineLoad load;
    load.busy = user + nice + system + irq + softirq;
    load.total = load.busy + idle + iowait;
    return load;
  }
  static std::string Average() {
    std::string text = wktest::ReadWholeFile("Z:\\proc\\loadavg");
    return text.substr(0, text.find(' ', text.find(' ', text.find(' ') + 1) + 1));
  }
  // Seconds on the machine's own clock, the one the stall monitor writes.
  static double Uptime() { return std::atof(wktest::ReadWholeFile("Z:\\proc\\uptime").c_str()); }
};

// Moments when no thread of the machine ran, not even a real-time one: the
// bench's stall monitor (tests/bench/wine-run) sleeps 2 ms at a time at the
// highest priority and notes each wake-up that came 5 ms or more late. The
// sound server stops then too, and catches up afterwards with whatever the
// stream holds. Each entry: machine clock seconds, milliseconds late.
struct Stall {
  double at, ms;
};

std::vector<Stall> ReadStalls(const std::string& path, bool& real_time) {
  std::vector<Stall> stalls;
  std::istringstream lines(wktest::ReadWholeFile(path));
  std::string line;
  while (std::getline(lines, line)) {
    if (line.rfind("# real-time", 0) == 0) real_time = true;
    Stall stall{};
    if (std::sscanf(line.c_str(), "%lf %lf", &stall.at, &stall.ms) == 2) stalls.push_back(stall);
  }
  return stalls;
}

// What one part of the run measured.
struct Part {
  explicit Part(const char* part_name) : name(part_name) {}
  const char* name;
  unsigned long long from = 0, to = 0;  // recording offsets
  double machine_from = 0.0;            // the machine's clock at `from`
  double seconds = 0.0;                 // by the test's clock, for the same stretch
  double machine_busy = 0.0;            // share of all cores' time
  std::string load_before, load_after;
  std::vector<vindra::RefillEntry> refills;
  // From the walk:
  size_t played = 0;  // bytes of the program's stream
  int dropouts = 0;
  int jumps = 0;
  size_t silence = 0;          // bytes of silence inside the stream
  size_t longest = 0;          // bytes of the longest stretch
  std::vector<double> breaks;  // seconds into the part of each dropout and jump
  // From the stall monitor, for the same stretch:
  int stalls = -1;           // of 10 ms or more; -1: no monitor ran
  double longest_stall = 0;  // ms
  int breaks_after_stall = 0;
};

// Follows the recording against the program's stream at one step from
// phase 0, a frame (both bytes) at a time. Where they part, the silence
// inserted there is skipped: frames of 0x80 from the sink, and frames of 0
// that Wine's PulseAudio driver writes as its "silence" after an underrun
// (a tone of step 220 has no frame of two 0x80, but has frames of two 0 at
// its troughs, which may have matched a few inserted ones). `at` is where
// the stream's first buffer lies in `recording`, whose byte 0 is at
// recording offset `base`; `parts` are in order.
void Walk(const Bytes& recording, size_t at, unsigned long long base, int step,
          std::vector<Part>& parts) {
  const size_t end = recording.size();
  Bytes expected((end - at) + 20 * 4096);
  double phase = 0.0;
  for (size_t n = 0; n + 4096 <= expected.size(); n += 4096) {
    vindra::FillSineBuffer(expected.data() + n, step, phase);
  }
  auto part_of = [&](size_t i) -> Part* {
    const unsigned long long offset = base + i;
    for (Part& part : parts) {
      if (offset >= part.from && offset < part.to) return &part;
    }
    return nullptr;
  };
  auto matches = [&](size_t i, size_t j, size_t length) {
    return i + length <= end && j + length <= expected.size() &&
           std::equal(recording.begin() + i, recording.begin() + i + length, expected.begin() + j);
  };
  auto silent = [&](size_t i) {
    return recording[i] == recording[i + 1] && (recording[i] == kSilence || recording[i] == 0);
  };
  // Where the stream goes on, up to this many bytes must match: fewer where
  // the next stretch of silence comes sooner.
  constexpr size_t kProbe = 16;
  size_t i = at, j = 0;
  while (i + 1 < end) {
    if (matches(i, j, 2)) {
      if (Part* part = part_of(i)) part->played += 2;
      i += 2;
      j += 2;
      continue;
    }
    const size_t gap_from = i;
    while (i + 1 < end && silent(i)) i += 2;
    size_t probe = 0;
    while (probe < kProbe && i + probe + 1 < end && !silent(i + probe)) probe += 2;
    if (i + probe + 1 >= end) break;  // the recording ends here
    Part* part = part_of(i);
    const size_t gap = i - gap_from;
    if (part) part->breaks.push_back((base + gap_from - part->from) / kBytesPerSecond);
    // Going on with the phase continued: where it stopped, a few frames
    // earlier (inserted zeros matched a trough), or past a trough's zeros
    // that were taken for inserted ones.
    size_t resumed = std::string::npos;
    for (size_t k = j >= 16 ? j - 16 : 0; gap > 0 && k <= j + 16; k += 2) {
      const bool zeros_between = k <= j || std::all_of(expected.begin() + j, expected.begin() + k,
                                                       [](unsigned char b) { return b == 0; });
      if (zeros_between && matches(i, k, probe)) {
        resumed = k;
        break;
      }
    }
    if (resumed != std::string::npos) {
      if (part) {
        ++part->dropouts;
        part->silence += gap;
        part->longest = std::max(part->longest, gap);
      }
      j = resumed;
      continue;
    }
    if (part) ++part->jumps;
    // Where the stream went on instead: nearest first, a few seconds either
    // way, by a whole probe (a tone repeats itself nearly every cycle). A
    // shorter piece between two silences is passed over.
    if (probe < kProbe) {
      i += probe;
      continue;
    }
    const size_t reach = 5 * 88200;
    for (size_t d = 2; d < reach && resumed == std::string::npos; d += 2) {
      if (matches(i, j + d, kProbe)) resumed = j + d;
      if (resumed == std::string::npos && d <= j && matches(i, j - d, kProbe)) resumed = j - d;
    }
    if (resumed == std::string::npos) {
      ADD_FAILURE() << "the program's stream was lost at recording offset " << base + i;
      return;
    }
    j = resumed;
  }
}

void Report(const Part& part) {
  const char* n = part.name;
  std::printf("figure: soak %s: %.2f minutes played, %d dropouts, %d phase jumps\n", n,
              part.played / kBytesPerSecond / 60.0, part.dropouts, part.jumps);
  std::printf("figure: soak %s: silence inside the stream %.1f ms in all, longest %.1f ms\n", n,
              part.silence / kBytesPerSecond * 1000.0, part.longest / kBytesPerSecond * 1000.0);
  // When they happened tells a start-up effect or a periodic one from chance.
  if (!part.breaks.empty()) {
    std::string at;
    for (size_t k = 0; k < part.breaks.size() && k < 20; ++k) {
      char one[32];
      std::snprintf(one, sizeof one, "%s%.1f", k ? ", " : "", part.breaks[k]);
      at += one;
    }
    std::printf("figure: soak %s: seconds into the part of each break: %s%s\n", n, at.c_str(),
                part.breaks.size() > 20 ? ", ..." : "");
  }
  // The other buffer holds 46.4 ms; the device's thread notices a finished
  // buffer within its own period of about 10 ms. A refill later than the
  // rest can leave the device without data: only those can be the
  // program's own dropouts, every other one lies below it.
  const long late = std::count_if(part.refills.begin(), part.refills.end(),
                                  [](const vindra::RefillEntry& e) { return e.waited_ms > 36; });
  std::printf(
      "figure: soak %s: notification to buffer queued: %s; %ld of %zu refills later than 36 ms\n",
      n, tonetest::Spread(part.refills, &vindra::RefillEntry::waited_ms, "ms").c_str(), late,
      part.refills.size());
  std::printf("figure: soak %s: handling of the notification up to the queued buffer: %s\n", n,
              tonetest::Spread(part.refills, &vindra::RefillEntry::handled_us, "us").c_str());
  if (part.stalls >= 0) {
    std::printf(
        "figure: soak %s: machine stalls (no thread ran): %d of 10 ms or more, longest %.0f ms; "
        "breaks within half a second after one: %d of %zu\n",
        n, part.stalls, part.longest_stall, part.breaks_after_stall, part.breaks.size());
  }
  const double recorded = static_cast<double>(part.to - part.from);
  std::printf(
      "figure: soak %s: recording: %.0f bytes (from offset %llu) in %.3f s by the "
      "clock = %.3f %% of real time\n",
      n, recorded, part.from, part.seconds, 100.0 * recorded / (part.seconds * kBytesPerSecond));
  std::printf("figure: soak %s: machine load: %.0f %% of both cores busy, load average %s -> %s\n",
              n, 100.0 * part.machine_busy, part.load_before.c_str(), part.load_after.c_str());
}

// The machine half of the prefix's registry, as a Windows path.
std::string SystemRegistry() { return "Z:" + Env("WINEPREFIX") + "/system.reg"; }

// Every process that starts the platform's audio devices writes their state
// to the registry (each device first absent, then present), and the Wine
// server writes the whole machine registry (1.7 MB) to disk within the next
// 30 s, in the one thread that every Windows call of every program waits
// on: a stall of 10 to 30 ms that lands once after each start. The parts
// are measured from that save on (at most 40 s of waiting), so that they
// measure the steady tone and not the platform's start.
void WaitForRegistrySave(unsigned long long before) {
  const std::string path = SystemRegistry();
  if (before == 0) return;  // no prefix file to watch (not the bench's Wine)
  const double t0 = wktest::NowSeconds();
  while (LastWritten(path) == before && wktest::NowSeconds() - t0 < 40.0) wktest::Pump(250);
  if (LastWritten(path) != before) {
    std::printf("figure: soak: the registry was saved after %.1f s more; measured from then\n",
                wktest::NowSeconds() - t0);
  } else {
    std::printf("figure: soak: no registry save within 40 s; measured from then\n");
  }
}

// Two processes that only spin, each a copy of this program running the
// disabled busy test below, at normal priority.
class BusyProcesses {
 public:
  explicit BusyProcesses(double seconds) {
    stop_ = CreateEventA(nullptr, TRUE, FALSE, kBusyStop);
    spinning_ = CreateSemaphoreA(nullptr, 0, 2, kBusySpinning);
    char self[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, self, sizeof self);
    for (int k = 0; k < 2; ++k) {
      std::string command = std::string("\"") + self +
                            "\" --gtest_filter=ToneSoak.DISABLED_Busy "
                            "--gtest_also_run_disabled_tests busy-seconds=" +
                            std::to_string(static_cast<int>(seconds) + 60);
      STARTUPINFOA si{};
      si.cb = sizeof si;
      PROCESS_INFORMATION info{};
      if (CreateProcessA(self, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si,
                         &info)) {
        CloseHandle(info.hThread);
        children_.push_back(info.hProcess);
      }
    }
  }
  ~BusyProcesses() {
    SetEvent(stop_);
    for (HANDLE child : children_) {
      if (WaitForSingleObject(child, 5000) == WAIT_TIMEOUT) TerminateProcess(child, 1);
      CloseHandle(child);
    }
    CloseHandle(stop_);
    CloseHandle(spinning_);
  }
  size_t count() const { return children_.size(); }
  // Waits until every child spins: a Wine process starting up keeps the
  // Wine server busy for a few seconds, and that start is not the load to
  // measure beside.
  bool AllSpinning() const {
    for (size_t k = 0; k < children_.size(); ++k) {
      if (WaitForSingleObject(spinning_, 30000) != WAIT_OBJECT_0) return false;
    }
    return true;
  }

 private:
  HANDLE stop_ = nullptr;
  HANDLE spinning_ = nullptr;
  std::vector<HANDLE> children_;
};

}  // namespace

TEST(ToneSoak, DISABLED_Busy) {
  HANDLE stop = OpenEventA(SYNCHRONIZE, FALSE, kBusyStop);
  ASSERT_NE(stop, nullptr);
  HANDLE spinning = OpenSemaphoreA(SEMAPHORE_MODIFY_STATE, FALSE, kBusySpinning);
  if (spinning != nullptr) {
    ReleaseSemaphore(spinning, 1, nullptr);
    CloseHandle(spinning);
  }
  const char* limit = std::strstr(GetCommandLineA(), "busy-seconds=");
  const DWORD end = GetTickCount() + 1000u * (limit ? std::atoi(limit + 13) : 60);
  volatile unsigned long long spins = 0;
  // The stop event is looked at every 100 ms only: every look is a call to
  // the Wine server, which the program under test needs too.
  DWORD next = GetTickCount();
  while (static_cast<LONG>(GetTickCount() - end) < 0) {
    for (int n = 0; n < 100000; ++n) spins = spins + 1;
    if (static_cast<LONG>(GetTickCount() - next) < 0) continue;
    if (WaitForSingleObject(stop, 0) == WAIT_OBJECT_0) break;
    next = GetTickCount() + 100;
  }
  CloseHandle(stop);
}

TEST(ToneSoak, RealTimeQuietThenBesideTwoBusyProcesses) {
  // The bench's real-time sink when wine-run gave the program one
  // (WK_SOUND=pulse, as ctest does), else the file sink, which takes the
  // sound as fast as it comes (about twice real time, so every deadline is
  // half as long) and has no clock to hold the recording against.
  const bool real_time = !Env("WK_PULSE_RECORDING").empty() && !Env("PULSE_SERVER").empty();
  const std::string unix_recording = Env(real_time ? "WK_PULSE_RECORDING" : "WK_CAPTURE");
  if (unix_recording.empty()) {
    GTEST_SKIP() << "no sound sink: run this program with tests/bench/wine-run";
  }
  std::printf("figure: soak: sink: %s\n",
              real_time ? "PulseAudio, at real-time pace" : "the file sink, at its own pace");
  const std::string recording = "Z:" + unix_recording;
  const std::string server_log = "Z:" + Env("WK_PULSE_LOG");
  const std::string minutes_text = Env("WK_SOAK_MINUTES");
  const double minutes = minutes_text.empty() ? 1.0 : std::atof(minutes_text.c_str());
  ASSERT_GT(minutes, 0.0) << "WK_SOAK_MINUTES=" << minutes_text;

  tonetest::RefillLogReader log;
  ASSERT_TRUE(log.open());
  const unsigned long long start = wktest::FileLength(recording);
  const unsigned long long log_start = wktest::FileLength(server_log);
  const unsigned long long started = LastWritten(SystemRegistry());
  tonetest::ToneApp app;
  ASSERT_NE(app.window(), nullptr);
  app.Click(tonetest::kPa);
  app.DragSlider(441);  // step 220, 440 Hz
  wktest::Pump(2000);
  WaitForRegistrySave(started);

  std::vector<Part> parts = {Part("quiet"), Part("busy")};
  std::vector<vindra::RefillEntry> before;
  log.Drain(before);  // the start, not measured
  std::unique_ptr<BusyProcesses> busy;
  for (Part& part : parts) {
    if (&part == &parts[1]) {
      busy = std::make_unique<BusyProcesses>(minutes * 60.0);
      ASSERT_EQ(busy->count(), 2u);
      ASSERT_TRUE(busy->AllSpinning());
    }
    const MachineLoad load_from = MachineLoad::Now();
    part.load_before = MachineLoad::Average();
    part.from = wktest::FileLength(recording);
    part.machine_from = MachineLoad::Uptime();
    const double t0 = wktest::NowSeconds();
    const auto played = [&] {
      return real_time
                 ? wktest::NowSeconds() - t0
                 : static_cast<double>(wktest::FileLength(recording) - part.from) / kBytesPerSecond;
    };
    while (played() < minutes * 60.0) {
      wktest::Pump(2000);
      log.Drain(part.refills);
    }
    part.to = wktest::FileLength(recording);
    part.seconds = wktest::NowSeconds() - t0;
    const MachineLoad load_to = MachineLoad::Now();
    part.machine_busy =
        static_cast<double>(load_to.busy - load_from.busy) / (load_to.total - load_from.total);
    part.load_after = MachineLoad::Average();
  }
  busy.reset();
  EXPECT_EQ(app.Close(), 0);
  EXPECT_EQ(log.lost(), 0);

  if (real_time) {
    // The sink reports every chunk it could not hand to the recorder.
    const Bytes log_text =
        wktest::ReadFileRange(server_log, log_start, wktest::FileLength(server_log));
    const std::string lines(log_text.begin(), log_text.end());
    int losses = 0;
    for (size_t at = lines.find("just dropped"); at != std::string::npos;
         at = lines.find("just dropped", at + 1)) {
      ++losses;
    }
    std::printf("figure: soak: chunks the sound server could not hand to the recorder: %d\n",
                losses);
    EXPECT_EQ(losses, 0);
  }

  const Bytes bytes = wktest::ReadFileRange(recording, start, parts[1].to);
  double phase = 0.0;
  const size_t first = wktest::FindBytesAt(bytes, tonetest::SineBytes(220, phase, 1), 0);
  ASSERT_NE(first, std::string::npos)
      << "no buffer of the tone in the sink's recording (" << bytes.size() << " bytes)";
  Walk(bytes, first, start, 220, parts);
  const std::string stall_log = Env("WK_STALL_LOG");
  if (!stall_log.empty()) {
    bool monitor_real_time = false;
    const std::vector<Stall> stalls = ReadStalls("Z:" + stall_log, monitor_real_time);
    std::printf(
        "figure: soak: stall monitor: %s\n",
        monitor_real_time ? "real-time priority" : "normal priority (no real-time allowed)");
    for (Part& part : parts) {
      part.stalls = 0;
      for (const Stall& stall : stalls) {
        if (stall.at < part.machine_from || stall.at > part.machine_from + part.seconds) continue;
        if (stall.ms >= 10.0) ++part.stalls;
        part.longest_stall = std::max(part.longest_stall, stall.ms);
      }
      for (double at : part.breaks) {
        const double when = part.machine_from + at;
        part.breaks_after_stall += std::any_of(stalls.begin(), stalls.end(), [&](const Stall& s) {
          return s.ms >= 5.0 && s.at <= when + 0.1 && s.at >= when - 0.5;
        });
      }
    }
  }
  for (const Part& part : parts) {
    Report(part);
    // The real-time sink writes at its own clock: a recording that lost
    // data would fall short of real time.
    if (real_time) {
      EXPECT_NEAR((part.to - part.from) / (part.seconds * kBytesPerSecond), 1.0, 0.002)
          << part.name;
    }
    EXPECT_GT(part.refills.size(), 0u) << part.name;
  }
}
