// The tone generator started by a test, with what the tests read from it:
// its controls (ids, styles, states), its painted pixels, its sound.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "app/refill_log.hpp"
#include "sound_capture.hpp"
#include "wktest.hpp"

namespace tonetest {

constexpr char kTitle[] = "Vindra - En tongenerator";
constexpr int kBufferBytes = 4096;
constexpr int kAv = 1013;
constexpr int kPa = 1014;

// Starts the program (or another one with a window of the given title) on an
// empty capture and waits for its window to be shown.
class ToneApp {
 public:
  explicit ToneApp(const char* exe = WK_APP_EXE, const char* title = kTitle);
  ~ToneApp();
  HWND window() const { return window_; }
  double startup_seconds() const { return startup_seconds_; }  // from its start to shown
  wktest::AppProcess& process() { return process_; }
  const wktest::SoundCapture& capture() const { return capture_; }

  HWND Button(int id) const { return GetDlgItem(window_, id); }
  HWND Slider() const;
  // Presses a button as the mouse does (BM_CLICK), then lets the program
  // handle what follows.
  void Click(int id, int settle_ms = 50);
  // Reports a slider move as the trackbar does: the thumb goes to the
  // position, the parent gets the thumb-track message and then the end of
  // the track, which carries no position.
  void DragSlider(int position);
  // Waits until the capture has grown by `bytes`; false on timeout.
  bool WaitForSound(size_t bytes, int ms = wktest::kPatienceMs) const;
  // Ends the program with WM_CLOSE; returns its exit code.
  int Close();

 private:
  double startup_seconds_ = wktest::NowSeconds();  // the start's moment until the window shows
  wktest::SoundCapture capture_;
  wktest::AppProcess process_;
  HWND window_ = nullptr;
};

// The client area of a window as pixels (0x00RRGGBB), read from the screen.
class Snapshot {
 public:
  explicit Snapshot(HWND window);
  COLORREF At(int x, int y) const;  // as GetPixel gives it
  int width() const { return width_; }
  int height() const { return height_; }

 private:
  std::vector<unsigned> pixels_;
  int width_ = 0, height_ = 0;
};

// A text drawn the way the program draws it (colour, font or system font,
// background colour or transparent over `under`), for comparison with a
// snapshot: the number of pixels in the text's cell that differ, counting
// only those inside `within` (client coordinates), where other things may
// cover parts of the text.
int TextDifferences(const Snapshot& shot, int x, int y, const char* text, COLORREF colour,
                    HFONT font, COLORREF background, COLORREF under = 0,
                    RECT within = {0, 0, 0x7FFF, 0x7FFF});

// The program's refill log, created before the program starts (which then
// notes every refill in it) and read as it fills: the ring holds minutes.
class RefillLogReader {
 public:
  RefillLogReader();
  ~RefillLogReader();
  RefillLogReader(const RefillLogReader&) = delete;
  RefillLogReader& operator=(const RefillLogReader&) = delete;
  bool open() const { return log_ != nullptr; }
  const vindra::RefillLog& log() const { return *log_; }
  // Appends the entries noted since the last call.
  void Drain(std::vector<vindra::RefillEntry>& into);
  long lost() const { return lost_; }  // entries overwritten before they were read

 private:
  HANDLE block_ = nullptr;
  vindra::RefillLog* log_ = nullptr;
  LONG read_ = 0;
  long lost_ = 0;
};

// "median M unit, p99 P unit, max X unit" of one field of the entries.
std::string Spread(const std::vector<vindra::RefillEntry>& entries,
                   DWORD vindra::RefillEntry::*field, const char* unit);

// `count` buffers of FillSineBuffer output at `step` from `phase` (advanced).
std::vector<unsigned char> SineBytes(int step, double& phase, int count);

}  // namespace tonetest
