// Process start-up and the message loop of the tone generator.
#include <windows.h>

#include "logic/command_line.hpp"
#include "wk_windows.h"

namespace {

constexpr char kTitle[] = "Vindra - En tongenerator";

// Ends the process with this code when the main window cannot be made:
// without a window nothing would ever post the quit message.
constexpr int kNoMainWindow = 1;

int RunMessageLoop() {
  MSG msg{};
  while (GetMessageA(&msg, nullptr, 0, 0)) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  return static_cast<int>(msg.wParam);
}

int MainRoutine(HINSTANCE module, HINSTANCE /*previous*/, const char* /*arguments*/, int /*show*/) {
  // The device's notifications come to this thread, and each returned buffer
  // must be queued again before the other one has played out (46 ms). Above
  // the normal priority, other programs' busy work cannot hold the refill
  // back, where the platform honours thread priorities (Wine 8 runs every
  // thread at the same Unix priority whatever is asked).
  SetThreadPriority(GetCurrentThread(), THREAD_PRIORITY_ABOVE_NORMAL);
  HWND window = wk_WindowCreate(module, kTitle, 150, 10, 800, 600, "MIN_NOMAX_CLO");
  if (window == nullptr) return kNoMainWindow;
  wk_WindowSetBackground(window, RGB(0, 0, 0));
  wk_WindowSetIcon(window, "Min_icon");
  return RunMessageLoop();
}

// The program takes no options: the argument text is located and handed on,
// and the main routine ignores it.
int CommandLineRoutine() {
  const char* arguments = vindra::FindArgumentText(GetCommandLineA());
  return MainRoutine(GetModuleHandleA(nullptr), nullptr, arguments, SW_SHOWNORMAL);
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) { return CommandLineRoutine(); }
