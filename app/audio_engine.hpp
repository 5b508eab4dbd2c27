// The tone generator's audio engine: two 4096-byte buffers of sine samples
// circulating through one wave-out device that reports to the main window
// (CALLBACK_WINDOW), all on the user-interface thread.
//
// At most one device is open at any time, and the two headers are prepared
// for the device they are written to: switching on shuts any earlier device
// down before the next one is opened, and switching off lets the queued
// buffers play out and then closes the device.
#pragma once

#include <windows.h>
#include <mmsystem.h>

namespace vindra {

// Result codes of AudioCreate, which is also WM_CREATE's result.
constexpr LRESULT kAudioReady = 0;
constexpr LRESULT kAudioFailed = 1;

// At window creation: allocates the four blocks and opens the device. On a
// failure it beeps, shows the error box owned by `window` and returns
// kAudioFailed; the window then stays silent for the rest of the run.
LRESULT AudioCreate(HWND window);

// "PÅ": shuts down any device still open and opens a new one. Does nothing
// when the blocks could not be had at creation. A failed opening is silent.
void AudioSwitchOn(HWND window);

// "AV": stops the refills; the queued buffers play out and the device is then
// closed. Output falls silent within two buffer periods.
void AudioSwitchOff();

// MM_WOM_OPEN from `device`: fills both buffers at `step` and queues them.
void AudioDeviceOpened(HWAVEOUT device, int step);

// MM_WOM_DONE from `device` with `header`: refills the buffer at `step`,
// queues it again and returns true; returns false when it came from a device
// that is shut down or closing (then the engine has done what is needed).
bool AudioBufferReturned(HWAVEOUT device, WAVEHDR* header, int step);

// WM_DESTROY: stops playback and closes the device.
void AudioShutdown();

}  // namespace vindra
