// Figures: what the tone generator costs beside the floor, the smallest
// plain Win32 program that does its job (tone_floor.c, built beside it by the
// same compiler with -O2 -s -static). Both play 440 Hz through the bench's
// real-time sink, one at a time in alternating rounds, and each figure is
// printed with its ratio to the floor's. Also: what the synthesis of one
// refill costs under Wine, and the tone generator's CPU once switched off.
//
//   WK_FOOTPRINT_SECONDS  seconds of tone measured in each round (default 10;
//                         the long run: 60)
//   WK_FOOTPRINT_ROUNDS   rounds of each program (default 2; the long run: 8)
//
// ctest runs it with WK_SOUND=pulse. The Unix side is read from /proc: CPU
// time, wake-ups and private memory of each program, and the CPU time of the
// Wine server, which every call that touches a window or another process
// goes through.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "tests/app/logic/refill_figure.hpp"
#include "tone_app.hpp"
#include "whole_file.hpp"

namespace {

// One round of one program; rates are per second of tone.
struct Round {
  double startup = 0, cpu = 0, main_cpu = 0, wakeups = 0, main_wakeups = 0, private_kib = 0,
         server_cpu = 0, off_cpu = 0;
};

constexpr struct {
  const char* what;
  const char* unit;
  double scale;  // from seconds, clock ticks (1/100 s) per second, KiB
  double Round::*figure;
} kFigures[] = {
    {"start-up to the window shown", "ms", 1000.0, &Round::startup},
    {"CPU of the whole process while playing", "% of a core", 1.0, &Round::cpu},
    {"CPU of the main (window) thread", "% of a core", 1.0, &Round::main_cpu},
    {"wake-ups (voluntary context switches) of the whole process", "per s", 1.0, &Round::wakeups},
    {"wake-ups of the main thread", "per s", 1.0, &Round::main_wakeups},
    {"private memory after playing", "MiB", 1.0 / 1024, &Round::private_kib},
    {"CPU of the Wine server while it plays", "% of a core", 1.0, &Round::server_cpu},
};

struct Program {
  const char *exe, *title, *command;  // the command: its Unix process's name
  std::vector<Round> rounds;
};

double Setting(const char* name, double fallback) {
  const char* value = std::getenv(name);
  return value && std::atof(value) > 0 ? std::atof(value) : fallback;
}

// One round: start, switch on at 440 Hz, let the start settle, measure
// `seconds` of tone, close. The sink must have played the tone's first buffer.
Round Play(const Program& program, double seconds, const std::string& recording) {
  const unsigned long long recorded = wktest::FileLength(recording);
  tonetest::ToneApp app(program.exe, program.title);
  const std::vector<int> pids = wktest::UnixProcesses(program.command, app.capture().unix_path());
  EXPECT_EQ(pids.size(), 1u) << program.command;
  if (!app.window() || pids.size() != 1) return {};
  const bool vindra = program.exe == std::string(WK_APP_EXE);
  app.Click(vindra ? tonetest::kPa : 1);
  if (vindra) app.DragSlider(441);  // step 220, 440 Hz
  wktest::Pump(1000);
  const int server = static_cast<int>(Setting("SERVER_PID", 0));  // the bench's Wine server
  const long server_from = wktest::ReadUnixProcess(server).cpu_ticks;
  const wktest::UnixProcessFigures from = wktest::ReadUnixProcess(pids[0]);
  // A sleep, unlike a message loop, asks the Wine server nothing meanwhile.
  Sleep(static_cast<DWORD>(seconds * 1000));
  const wktest::UnixProcessFigures to = wktest::ReadUnixProcess(pids[0]);
  Round round = {app.startup_seconds(),
                 (to.cpu_ticks - from.cpu_ticks) / seconds,
                 (to.main_cpu_ticks - from.main_cpu_ticks) / seconds,
                 (to.switches - from.switches) / seconds,
                 (to.main_switches - from.main_switches) / seconds,
                 static_cast<double>(to.private_kib),
                 (wktest::ReadUnixProcess(server).cpu_ticks - server_from) / seconds};
  if (vindra) {
    app.Click(tonetest::kAv);
    wktest::Pump(500);  // the queued buffers come back and the device closes
    const long off = wktest::ReadUnixProcess(pids[0]).cpu_ticks;
    Sleep(3000);
    round.off_cpu = (wktest::ReadUnixProcess(pids[0]).cpu_ticks - off) / 3.0;
  }
  EXPECT_EQ(app.Close(), 0) << program.command;
  double phase = 0.0;
  EXPECT_NE(
      wktest::FindBytesAt(wktest::ReadFileRange(recording, recorded, wktest::FileLength(recording)),
                          tonetest::SineBytes(220, phase, 1)),
      std::string::npos)
      << program.command << " played no 440 Hz into the sink";
  return round;
}

// The size of the program as the packages ship it, stripped: its headers
// and the sections that are not debugging information, each padded to the
// file alignment as a stripped copy pads them. The linker gives those long
// names (".debug_info"), which a section header holds as "/" and an offset.
double StrippedSize(const char* exe) {
  const std::string image = wktest::ReadWholeFile(exe);
  const auto at = [&](size_t offset, size_t bytes) {
    unsigned long value = 0;
    if (offset + bytes <= image.size()) std::memcpy(&value, &image[offset], bytes);
    return static_cast<size_t>(value);
  };
  const size_t pe = at(0x3C, 4), optional_size = at(pe + 20, 2);
  const size_t align = std::max<size_t>(at(pe + 24 + 36, 4), 1);  // FileAlignment
  const auto padded = [&](size_t bytes) { return (bytes + align - 1) / align * align; };
  size_t headers = pe + 24 + optional_size, sections = 0;
  for (size_t n = 0; n < at(pe + 6, 2); ++n) {
    const size_t section = pe + 24 + optional_size + 40 * n;
    if (at(section, 1) == '/') continue;
    headers += 40;
    sections += padded(at(section + 16, 4));  // SizeOfRawData
  }
  return static_cast<double>(padded(headers) + sections);
}

// The middle round's figure (the lower of the two middle ones: a round that
// the shared machine disturbed stands out upwards).
double Median(const std::vector<Round>& rounds, double Round::*figure) {
  std::vector<double> values;
  for (const Round& round : rounds) values.push_back(round.*figure);
  std::sort(values.begin(), values.end());
  return values.empty() ? 0.0 : values[(values.size() - 1) / 2];
}

}  // namespace

TEST(Footprint, ToneGeneratorAgainstTheFloor) {
  EXPECT_GE(vindra_test::PrintRefillFigure("under Wine"), 0.0);
  const char* recording = std::getenv("WK_PULSE_RECORDING");
  if (!recording || !std::getenv("PULSE_SERVER")) {
    GTEST_SKIP() << "no real-time sink: run this program with WK_SOUND=pulse tests/bench/wine-run";
  }
  const double seconds = Setting("WK_FOOTPRINT_SECONDS", 10);
  const int rounds = static_cast<int>(Setting("WK_FOOTPRINT_ROUNDS", 2));
  Program programs[] = {{WK_APP_EXE, tonetest::kTitle, "vindra.exe", {}},
                        {WK_FLOOR_EXE, "Tone floor", "tone_floor.exe", {}}};
  for (int n = 0; n < rounds; ++n) {
    for (Program& program : programs) {
      program.rounds.push_back(Play(program, seconds, std::string("Z:") + recording));
    }
  }
  std::printf("figure: footprint: %d rounds of %.0f s of 440 Hz each, alternating, at real time\n",
              rounds, seconds);
  const double size = StrippedSize(WK_APP_EXE), floor_size = StrippedSize(WK_FLOOR_EXE);
  std::printf(
      "figure: footprint: size as shipped (stripped): vindra %.0f B, floor %.0f B: %.1f times\n",
      size, floor_size, size / floor_size);
  for (const auto& figure : kFigures) {
    const double vindra = Median(programs[0].rounds, figure.figure) * figure.scale;
    const double floor = Median(programs[1].rounds, figure.figure) * figure.scale;
    std::printf("figure: footprint: %s: vindra %.2f %s, floor %.2f %s: %.2f times\n", figure.what,
                vindra, figure.unit, floor, figure.unit, floor > 0 ? vindra / floor : 0.0);
  }
  std::printf("figure: tone generator CPU once switched off: %.2f %% of a core\n",
              Median(programs[0].rounds, &Round::off_cpu));
}
