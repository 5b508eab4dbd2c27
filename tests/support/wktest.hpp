// Test helpers for programs that run under Wine against the real platform.
//
//   DialogAnswerer  answers the modal dialogs and message boxes that the
//                   code under test opens on this thread, so no test waits
//                   for a person
//   Pump / WaitFor  run the thread's message loop for a while
//   NowSeconds      the clock the benchmarks time with
//   AppProcess      starts a Windows program, finds its window, waits for
//                   its exit code
//   TestWindow      a plain top-level window to put controls on
#pragma once

#include <windows.h>

#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace wktest {

// The size a platform record has on 32-bit Windows, where the toolkit's
// records are pinned to their documented byte counts; 64-bit Windows has
// its own layouts (pointer-sized fields), so there the platform's size holds.
constexpr unsigned RecordSize(unsigned size_on_32bit, unsigned platform_size) {
  return sizeof(void*) == 4 ? size_on_32bit : platform_size;
}

// What an answerer sees of a dialog when its turn comes.
struct DialogSeen {
  HWND dialog = nullptr;
  std::string title;
  std::string class_name;
  std::string text;  // the message box text (static control 0xFFFF), if any
  HWND owner = nullptr;
  std::vector<std::string> buttons;  // captions of the Button children, in z-order
};

// Answers the modal dialogs (class "#32770": message boxes, common dialogs,
// template dialogs) that this thread opens, in order, one action each. The
// action runs from a thread timer inside the dialog's own modal loop, so it
// can read, type and press as a person would. A dialog that opens when no
// action is left is closed with IDCANCEL and counted as unexpected.
class DialogAnswerer {
 public:
  using Action = std::function<void(HWND dialog)>;

  DialogAnswerer();
  explicit DialogAnswerer(Action first);
  ~DialogAnswerer();
  DialogAnswerer(const DialogAnswerer&) = delete;
  DialogAnswerer& operator=(const DialogAnswerer&) = delete;

  // Queues the action for the next dialog.
  DialogAnswerer& Then(Action action);

  const std::vector<DialogSeen>& seen() const { return seen_; }
  int unexpected() const { return unexpected_; }
  size_t pending() const { return actions_.size(); }

  // Actions.
  static Action Press(int id);                                 // posts WM_COMMAND(id) to the dialog
  static Action Click(int id);                                 // BM_CLICK on the item
  static Action Type(int id, std::string text, Action after);  // WM_SETTEXT then after
  static Action Close();                                       // WM_CLOSE

 private:
  static LRESULT CALLBACK CbtHook(int code, WPARAM wparam, LPARAM lparam);
  static void CALLBACK OnTimer(HWND, UINT, UINT_PTR id, DWORD);
  void Answer(HWND dialog);

  HHOOK hook_ = nullptr;
  std::deque<Action> actions_;
  std::vector<DialogSeen> seen_;
  std::deque<HWND> waiting_;
  int unexpected_ = 0;
};

DialogSeen Describe(HWND dialog);
std::string WindowText(HWND window);
std::string ClassName(HWND window);

// Dispatches this thread's messages for `ms` milliseconds.
void Pump(int ms);
// Dispatches messages until `done` returns true or `ms` pass; returns done().
bool WaitFor(const std::function<bool()>& done, int ms);
// The performance counter in seconds: benchmarks take differences of it.
double NowSeconds();

// A Windows program started by a test.
class AppProcess {
 public:
  // Starts `exe` with the extra environment variables NAME=value given.
  explicit AppProcess(const std::string& exe, const std::vector<std::string>& env = {});
  ~AppProcess();  // terminates the program if it still runs
  bool started() const { return info_.hProcess != nullptr; }
  DWORD pid() const { return info_.dwProcessId; }
  HANDLE handle() const { return info_.hProcess; }
  // The program's top-level window with this title, waiting up to `ms`.
  HWND FindWindowByTitle(const char* title, int ms = 10000) const;
  // Waits for the program to end; returns its exit code, or -1 on timeout.
  int WaitExit(int ms = 10000);

 private:
  PROCESS_INFORMATION info_{};
};

// A visible top-level window for controls, served by the platform's default
// procedure. Destroyed at the end of the scope.
class TestWindow {
 public:
  explicit TestWindow(int width = 640, int height = 480, const char* title = "wk test window");
  ~TestWindow();
  HWND get() const { return window_; }
  operator HWND() const { return window_; }

 private:
  HWND window_;
};

// A window's styles and outer rectangle, as the platform reports them now.
inline DWORD Style(HWND w) { return static_cast<DWORD>(GetWindowLongA(w, GWL_STYLE)); }
inline DWORD ExStyle(HWND w) { return static_cast<DWORD>(GetWindowLongA(w, GWL_EXSTYLE)); }
inline RECT Rect(HWND w) {
  RECT r{};
  GetWindowRect(w, &r);
  return r;
}

// The pixel at client coordinates (x, y) of a window, read from the screen.
COLORREF PixelAt(HWND window, int x, int y);

// Unix path of a file under the build folder, as Wine sees it (Z:...).
std::string BuildPath(const std::string& relative);
std::string SourcePath(const std::string& relative);

}  // namespace wktest
