// Screenshots and the windows of another program, for end-to-end tests of
// whole programs.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "wktest.hpp"

namespace wktest {

// The pixels of the rectangle of a device context (a window's or a memory
// surface's), row by row from the top, each 0x00RRGGBB, copied in one BitBlt;
// empty when they cannot be read.
std::vector<unsigned> GrabPixels(HDC dc, const RECT& area);
// The same of the window's client area (of the screen for NULL, which also
// shows the windows of other programs) as shown now.
std::vector<unsigned> CapturePixels(HWND window, const RECT& area);

// Copies the screen rectangle (screen coordinates) as it is shown now into a
// 24-bit .bmp file, making the file's folder when it is missing. Returns
// false when the pixels cannot be read or the file cannot be written.
bool SaveScreenBitmap(const RECT& area, const std::string& path);

// How many pixels of the screen rectangle lie within `tolerance` of the
// colour in each of red, green and blue (glyph edges are smoothed, so text
// seldom shows its exact colour). Read from the screen as shown, which also
// works for the windows of another program.
int CountScreenPixels(const RECT& area, COLORREF colour, int tolerance);

// The smallest rectangle holding the outer rectangles of the windows.
RECT AreaOf(const std::vector<HWND>& windows);

// The visible top-level windows of the process, in z-order.
std::vector<HWND> TopLevelWindows(DWORD pid);

// Waits for a visible dialog (class "#32770") of the process that is not in
// `known`; NULL when none appears within `ms`.
HWND WaitForNewDialog(DWORD pid, const std::vector<HWND>& known, int ms = kPatienceMs);

// Waits until the window is gone or hidden; false on timeout.
bool WaitForClosed(HWND window, int ms = kPatienceMs);

// Returns once the window's thread has answered a sent message, also from
// inside a modal loop. Messages posted before may still be waiting: sent
// messages overtake posted ones.
void Sync(HWND window);

// The text of the dialog item, read with WM_GETTEXT.
std::string ItemText(HWND dialog, int id);

}  // namespace wktest
