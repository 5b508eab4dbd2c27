#include "audio_engine.hpp"

#include <cstdlib>

#include "logic/sine.hpp"

namespace vindra {

namespace {

struct AudioState {
  int closing;      // set by "AV": returned buffers close the device instead of being refilled
  HWAVEOUT device;  // the open device, or none
  unsigned char* buffers[2];  // heap blocks of 4096 bytes
  WAVEHDR* headers[2];        // heap blocks, one per buffer
  WAVEFORMATEX format;        // 8-bit PCM, 2 channels, 44100 Hz
  bool circulating;           // the device's open notification has started the buffers
};

// The process-wide audio state and the running phase (radians) of the
// synthesis, carried from buffer to buffer and device to device.
AudioState g_audio{};
double g_phase = 0.0;

constexpr char kCaption[] = "DazuRedu";
constexpr UINT kErrorStyle = MB_ICONEXCLAMATION | MB_OK;  // 0x30

void ShowAudioError(HWND window, const char* text) {
  MessageBeep(MB_ICONEXCLAMATION);
  MessageBoxA(window, text, kCaption, kErrorStyle);
}

bool HaveBlocks() {
  return g_audio.headers[0] && g_audio.headers[1] && g_audio.buffers[0] && g_audio.buffers[1];
}

void FreeBlocks() {
  for (int i = 0; i < 2; ++i) {
    std::free(g_audio.headers[i]);
    std::free(g_audio.buffers[i]);
    g_audio.headers[i] = nullptr;
    g_audio.buffers[i] = nullptr;
  }
}

void FillFormat(WAVEFORMATEX& format) {
  format.wFormatTag = WAVE_FORMAT_PCM;
  format.nChannels = 2;
  format.nSamplesPerSec = 44100;
  format.nBlockAlign = 2;
  format.nAvgBytesPerSec = format.nSamplesPerSec * format.nBlockAlign;
  format.wBitsPerSample = 8;
  format.cbSize = 0;
}

// Opens a device into the state and prepares both headers for it. The
// headers are filled in afresh: a header carries the flags of the device it
// was last prepared for, and must not take them to the next one.
MMRESULT OpenDevice(HWND window) {
  g_audio.closing = 0;
  g_audio.circulating = false;
  HWAVEOUT device = nullptr;
  const MMRESULT result = waveOutOpen(&device, WAVE_MAPPER, &g_audio.format,
                                      reinterpret_cast<DWORD_PTR>(window), 0, CALLBACK_WINDOW);
  if (result != MMSYSERR_NOERROR) {
    g_audio.device = nullptr;
    return result;
  }
  g_audio.device = device;
  for (int i = 0; i < 2; ++i) {
    WAVEHDR& header = *g_audio.headers[i];
    header = WAVEHDR{};
    header.lpData = reinterpret_cast<LPSTR>(g_audio.buffers[i]);
    header.dwBufferLength = kSineBufferBytes;
    header.dwLoops = 1;
    waveOutPrepareHeader(device, &header, sizeof(WAVEHDR));
  }
  return result;
}

bool AnyQueued() {
  for (WAVEHDR* header : g_audio.headers) {
    if (header->dwFlags & WHDR_INQUEUE) return true;
  }
  return false;
}

// Stops and closes the open device, if any. Reset hands every queued buffer
// back (their notifications still arrive and are ignored, since they name a
// device that is no longer the open one), so the headers can be unprepared
// and the device closed at once.
void CloseDevice() {
  HWAVEOUT device = g_audio.device;
  if (device == nullptr) return;
  waveOutReset(device);
  for (WAVEHDR* header : g_audio.headers) {
    waveOutUnprepareHeader(device, header, sizeof(WAVEHDR));
  }
  waveOutClose(device);
  g_audio.device = nullptr;
  g_audio.closing = 0;
  g_audio.circulating = false;
}

bool IsOurHeader(const WAVEHDR* header) {
  return header != nullptr && (header == g_audio.headers[0] || header == g_audio.headers[1]);
}

// waveOutOpen, waveOutReset and waveOutClose wait for the platform's sound
// thread, and a thread that waits for another still receives the messages
// that other programs send it (a BM_CLICK from an automation tool, say). A
// switch that arrives that way in the middle of opening or closing a device
// is carried out after it, so that no opening overwrites the handle of
// another and leaves that device open out of reach.
enum class Switch { kNone, kOn, kOff, kClose };
bool g_switching = false;
Switch g_pending = Switch::kNone;
HWND g_pending_window = nullptr;

void SwitchOnNow(HWND window) {
  // Without the blocks (creation failed) there is nothing to play from.
  if (!HaveBlocks()) return;
  CloseDevice();
  OpenDevice(window);
}

void SwitchOffNow() {
  if (g_audio.device == nullptr) return;
  g_audio.closing = 1;
  // Nothing queued (the device has not started the buffers yet): nothing
  // will come back to close it, so close it now.
  if (!AnyQueued()) CloseDevice();
}

void RunSwitch(Switch what, HWND window) {
  if (g_switching) {
    g_pending = what;
    g_pending_window = window;
    return;
  }
  g_switching = true;
  while (what != Switch::kNone) {
    if (what == Switch::kOn) SwitchOnNow(window);
    if (what == Switch::kOff) SwitchOffNow();
    if (what == Switch::kClose) CloseDevice();
    what = g_pending;
    window = g_pending_window;
    g_pending = Switch::kNone;
  }
  g_switching = false;
}

void Queue(WAVEHDR* header, int step) {
  FillSineBuffer(reinterpret_cast<unsigned char*>(header->lpData), step, g_phase);
  waveOutWrite(g_audio.device, header, sizeof(WAVEHDR));
}

}  // namespace

LRESULT AudioCreate(HWND window) {
  if (g_audio.device != nullptr) return kAudioReady;
  g_audio.headers[0] = static_cast<WAVEHDR*>(std::malloc(sizeof(WAVEHDR)));
  g_audio.headers[1] = static_cast<WAVEHDR*>(std::malloc(sizeof(WAVEHDR)));
  g_audio.buffers[0] = static_cast<unsigned char*>(std::malloc(kSineBufferBytes));
  g_audio.buffers[1] = static_cast<unsigned char*>(std::malloc(kSineBufferBytes));
  if (!HaveBlocks()) {
    FreeBlocks();
    ShowAudioError(window, "Error allocating memory!");
    return kAudioFailed;
  }
  FillFormat(g_audio.format);
  if (OpenDevice(window) != MMSYSERR_NOERROR) {
    FreeBlocks();
    ShowAudioError(window, "Error opening waveform audio device!");
    return kAudioFailed;
  }
  return kAudioReady;
}

void AudioSwitchOn(HWND window) { RunSwitch(Switch::kOn, window); }

void AudioSwitchOff() { RunSwitch(Switch::kOff, nullptr); }

void AudioDeviceOpened(HWAVEOUT device, int step) {
  if (device == nullptr || device != g_audio.device || g_audio.closing || g_audio.circulating) {
    return;
  }
  g_audio.circulating = true;
  Queue(g_audio.headers[0], step);
  Queue(g_audio.headers[1], step);
}

bool AudioBufferReturned(HWAVEOUT device, WAVEHDR* header, int step) {
  if (device == nullptr || device != g_audio.device || !IsOurHeader(header)) return false;
  if (g_audio.closing) {
    if (!AnyQueued()) RunSwitch(Switch::kClose, nullptr);
    return false;
  }
  if (!g_audio.circulating) return false;
  Queue(header, step);
  return true;
}

void AudioShutdown() { CloseDevice(); }

}  // namespace vindra
