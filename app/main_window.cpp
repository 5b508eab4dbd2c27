// The tone generator's window procedure: builds the window's controls,
// paints its labels, frames and readouts, follows the buttons and the
// slider, and hands the wave-out device's notifications to the audio engine.
#include <windows.h>
#include <mmsystem.h>

#include "audio_engine.hpp"
#include "logic/levels.hpp"
#include "refill_log.hpp"
#include "wk_controls.h"
#include "wk_draw.h"
#include "wk_windows.h"

namespace {

constexpr COLORREF kWhite = 0xFFFFFF;
constexpr COLORREF kSilver = 0xC0C0C0;
constexpr COLORREF kBlack = 0;
constexpr COLORREF kTransparent = 0;  // a background of 0 lets what is below show

// Command ids of the buttons; 1004, 1005 and 1007 to 1011 are the captionless
// buttons that fill the rows, and no control has 1012.
enum CommandId : int {
  kSinus = 1000,
  kFyrkant = 1001,
  kTrekant = 1002,
  kBrus = 1003,
  kManuell = 1006,
  kAv = 1013,
  kPa = 1014,
};

constexpr int kSliderMax = 25000;
constexpr int kReadoutX = 235;
constexpr int kReadoutY = 170;

struct MainWindow {
  HFONT small_font;
  HFONT big_font;
  HWND signal_buttons[4];  // Sinus, Fyrkant, Trekant, Brus
  HWND manuell;
  HWND av;
  HWND pa;
  HWND slider;
  int step;       // half the slider position; 0 for every message without a position
  int held_step;  // the last non-zero step: what the refills play
};

MainWindow g_main{};

HWND MakeButton(HWND window, int x, int y, const char* caption, int id) {
  return wk_ButtonCreate(window, x, y, 100, 25, caption, "C", "BAR", id);
}

void PushAndDisable(HWND button) {
  wk_ButtonSetPushed(button);
  wk_ButtonDisable(button);
}

void EnableAndRelease(HWND button) {
  wk_ButtonEnable(button);
  wk_ButtonSetReleased(button);
}

void CreateContents(HWND window) {
  wk_WindowCenter(window);
  g_main.small_font = wk_CreateFont(12, 4, 0, 300, 0, 0, "Arial");
  g_main.big_font = wk_CreateFont(80, 30, 0, 300, 0, 0, "Arial");

  const char* const signal_captions[4] = {"Sinus", "Fyrkant", "Trekant", "Brus"};
  for (int i = 0; i < 4; ++i) {
    g_main.signal_buttons[i] = MakeButton(window, 20 + 120 * i, 25, signal_captions[i], kSinus + i);
  }
  MakeButton(window, 500, 25, "", 1004);
  MakeButton(window, 620, 25, "", 1005);

  g_main.manuell = MakeButton(window, 20, 90, "Manuell", kManuell);
  PushAndDisable(g_main.manuell);
  for (int i = 0; i < 5; ++i) MakeButton(window, 140 + 120 * i, 90, "", 1007 + i);

  g_main.slider = wk_SliderCreate(window, "H", 20, 300, 700, 40, "BAR", kSliderMax, 1, 0);

  g_main.av = MakeButton(window, 20, 530, "AV", kAv);
  wk_SliderDisable(g_main.slider);
  PushAndDisable(g_main.av);
  g_main.pa = MakeButton(window, 120, 530, "P\xC5", kPa);
}

void DrawFrame(HWND window, int top, int bottom) {
  // A line leaves its end point for the next one, so the closing verticals
  // finish the corners at x 730.
  wk_DrawLine(window, 10, top, 730, top, kWhite);
  wk_DrawLine(window, 10, bottom, 730, bottom, kWhite);
  wk_DrawLine(window, 10, top, 10, bottom, kWhite);
  wk_DrawLine(window, 730, top, 730, bottom, kWhite);
}

// Every drawing call runs a paint cycle of its own, which validates the
// update region; the handler therefore needs none of its own.
LRESULT Paint(HWND window, WPARAM wparam, LPARAM lparam) {
  wk_WriteText(window, 20, 10, "V\xE4lj signaltyp", kWhite, g_main.small_font, kTransparent);
  DrawFrame(window, 8, 60);
  wk_WriteText(window, 20, 77, "V\xE4lj signalmetod", kWhite, g_main.small_font, kTransparent);
  DrawFrame(window, 75, 127);
  for (const vindra::LevelReadout& readout : vindra::LevelReadouts()) {
    wk_WriteNumber(window, readout.x, readout.y, readout.value, 1, kBlack, nullptr, kSilver);
  }
  return DefWindowProcA(window, WM_PAINT, wparam, lparam);
}

// Draws the frequency readout: spaces over a silver background blank the
// previous, possibly longer, text, then the number goes over them, black in
// the big font. Each paint cycle of a drawing operation validates whatever
// part of the window awaits repainting, and paint messages come only once
// the queue is empty, after the device's notifications: a pending repaint is
// therefore done first, or the labels and frames of an uncovered part would
// be erased and never drawn. After it nothing awaits repainting, and the
// window has no caret to hide, so a paint cycle here would do nothing: the
// readout, redrawn with every returned buffer, takes one device context for
// both texts and selects the font once.
void ShowReadout(HWND window, const char* blank, int value) {
  if (GetUpdateRect(window, nullptr, FALSE)) UpdateWindow(window);
  char number[16];
  wsprintfA(number, "%d", value);
  const HDC dc = GetDC(window);
  SetTextColor(dc, kBlack);
  SetBkColor(dc, kSilver);
  SetBkMode(dc, OPAQUE);
  const HGDIOBJ previous = SelectObject(dc, g_main.big_font);
  TextOutA(dc, kReadoutX, kReadoutY, blank, lstrlenA(blank));
  TextOutA(dc, kReadoutX, kReadoutY, number, lstrlenA(number));
  if (previous) SelectObject(dc, previous);
  ReleaseDC(window, dc);
}

void ChooseSignalType(int id) {
  // The buttons released in each case, in the order the window releases them.
  static constexpr int kReleaseOrder[4][3] = {{1, 2, 3}, {0, 2, 3}, {1, 0, 3}, {1, 2, 0}};
  const int chosen = id - kSinus;
  PushAndDisable(g_main.signal_buttons[chosen]);
  for (int other : kReleaseOrder[chosen]) EnableAndRelease(g_main.signal_buttons[other]);
}

void Command(HWND window, WPARAM wparam) {
  // Compared whole: only a plain click (notification code 0) matches.
  switch (wparam) {
    case kSinus:
    case kFyrkant:
    case kTrekant:
    case kBrus:
      ChooseSignalType(static_cast<int>(wparam));
      break;
    case kAv:
      vindra::AudioSwitchOff();
      vindra::RefillLogMark(&vindra::RefillLog::off_at);
      wk_SliderDisable(g_main.slider);
      PushAndDisable(g_main.av);
      EnableAndRelease(g_main.pa);
      break;
    case kPa:
      wk_SliderEnable(g_main.slider);
      vindra::AudioSwitchOn(window);
      PushAndDisable(g_main.pa);
      EnableAndRelease(g_main.av);
      break;
    default:
      break;
  }
}

// The end of every drag, click or key press reports position 0 (no
// position), so the step falls back to 0 and the tone keeps the held step.
// A non-zero step is held at once: a quick click or key press whose end
// notification comes before the next buffer returns would otherwise be lost.
void SliderMoved(WPARAM wparam, LPARAM lparam) {
  g_main.step = wk_SliderThumbFromScroll(g_main.slider, wparam, lparam) / 2;
  if (g_main.step != 0 && g_main.step != g_main.held_step) {
    g_main.held_step = g_main.step;
    vindra::RefillLogMark(&vindra::RefillLog::moved_at);
  }
}

// A returned buffer is refilled and queued before the readout is redrawn:
// until it is queued the device has only the other buffer, 46 ms of sound,
// and a redraw (after any pending repaint of the whole window) can take
// longer than that on a busy machine. The bytes do not depend on the
// readout, which shows the same held step either way.
void BufferReturned(HWND window, WPARAM wparam, LPARAM lparam) {
  const LONGLONG started = vindra::RefillLogStart();
  HWAVEOUT device = reinterpret_cast<HWAVEOUT>(wparam);
  WAVEHDR* header = reinterpret_cast<WAVEHDR*>(lparam);
  if (!vindra::AudioBufferReturned(device, header, g_main.held_step)) return;
  vindra::RefillLogNote(started, g_main.held_step);
  ShowReadout(window, "            ", g_main.held_step * 2);
}

}  // namespace

extern "C" LRESULT CALLBACK AppWindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_CREATE:
      vindra::RefillLogOpen();
      CreateContents(window);
      return vindra::AudioCreate(window);
    case WM_DESTROY:
      vindra::AudioShutdown();
      PostQuitMessage(0);
      return 0;
    case WM_SIZE:
      return 0;
    case WM_PAINT:
      return Paint(window, wparam, lparam);
    case WM_KEYDOWN:
      if (wparam == VK_LEFT) {
        ShowReadout(window, "      x      ", HIWORD(wparam));
      }
      return 0;
    case WM_COMMAND:
      Command(window, wparam);
      return 0;
    case WM_HSCROLL:
      SliderMoved(wparam, lparam);
      return 0;
    case MM_WOM_OPEN:
      vindra::AudioDeviceOpened(reinterpret_cast<HWAVEOUT>(wparam), g_main.step);
      return 0;
    case MM_WOM_CLOSE:
      return 0;
    case MM_WOM_DONE:
      BufferReturned(window, wparam, lparam);
      return 0;
    default:
      return DefWindowProcA(window, message, wparam, lparam);
  }
}
