// Test helpers for programs that run under Wine against the real platform.
//
//   DialogAnswerer  answers the modal dialogs and message boxes that the
//                   code under test opens on this thread, so no test waits
//                   for a person
//   Pump / WaitFor  run the thread's message loop for a while
//   NowSeconds      the clock the benchmarks time with
//   AppProcess      starts a Windows program, finds its window, waits for
//                   its exit code
//   TestWindow      a window to put controls on, which keeps the messages it
//                   receives (WM_COMMAND, WM_VSCROLL, WM_HELP, ...), compares
//                   them with an expected sequence and lets a test answer
//                   chosen messages itself
//   ButtonsLeftToRight / DefaultButtonText / DialogIcon
//                   what a person sees of a message box or dialog
//   PressKey / TypeText
//                   real key presses (SendInput) into the focused window,
//                   translated by the message loop as for a person
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <optional>
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
  int hidden_turns_ = 0;  // timer turns the first waiting dialog stayed hidden
  int unexpected_ = 0;
};

DialogSeen Describe(HWND dialog);
std::string WindowText(HWND window);
std::string ClassName(HWND window);

// Dispatches this thread's messages for `ms` milliseconds.
void Pump(int ms);
// How long a test waits for something a program is to show or do before it
// calls it missing. The wait ends as soon as the thing is seen, so this is
// no speed a test demands (the benchmarks measure speed). It is long because
// a program's pace is its machine's: 32-bit programs run emulated where the
// kernel runs no 32-bit code, and there a busy 2-core machine took tens of
// seconds to start one Wine program, open a menu or print a page.
constexpr int kPatienceMs = 120000;
// Dispatches messages until `done` returns true or `ms` pass; returns done().
bool WaitFor(const std::function<bool()>& done, int ms = kPatienceMs);
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
  // The program's top-level window with this title (and of this class, if
  // one is given), waiting up to `ms` or until the program ends.
  HWND FindWindowByTitle(const char* title, int ms = kPatienceMs,
                         const char* class_name = nullptr) const;
  // Waits for the program to end; returns its exit code, or -1 on timeout.
  int WaitExit(int ms = kPatienceMs);
  // The memory the program has committed for itself alone (its private
  // bytes), summed over its address space as the platform keeps it; -1 if
  // it cannot be read. Unlike the host's resident figure, it holds nothing
  // of an emulator's translated code, so a bound on it means the same on a
  // native and an emulated machine.
  long long PrivateBytes() const;

 private:
  PROCESS_INFORMATION info_{};
};

// One row of an expected message sequence, as the platform's own conformance
// tests write them: the message, which parameters must be equal, and whether
// the row may be missing.
enum ExpectedFlags : unsigned { kAny = 0, kWparam = 1, kLparam = 2, kOptional = 4 };
struct Expected {
  UINT message;
  unsigned flags = kAny;
  WPARAM wparam = 0;
  LPARAM lparam = 0;
};

// A visible window, top-level or a child, that keeps every message it
// receives; the platform's default procedure answers them unless the test
// answers one itself. Destroyed at the end of the scope.
class TestWindow {
 public:
  struct Message {
    UINT message;
    WPARAM wparam;
    LPARAM lparam;
  };
  // Returns a result to answer the message, or nothing to let the platform's
  // default procedure answer it. Called for every message after recording.
  using Handler = std::function<std::optional<LRESULT>(HWND, UINT, WPARAM, LPARAM)>;

  explicit TestWindow(int width = 640, int height = 480, const char* title = "wk test window");
  // A visible child window at (x, y) of `parent`, recording the same way.
  TestWindow(HWND parent, int x, int y, int width, int height, DWORD ex_style = 0);
  ~TestWindow();
  TestWindow(const TestWindow&) = delete;
  TestWindow& operator=(const TestWindow&) = delete;

  HWND get() const { return window_; }
  operator HWND() const { return window_; }
  void OnMessage(Handler handler) { handler_ = std::move(handler); }
  // The recorded messages with this number, in order of arrival.
  std::vector<Message> Of(UINT message) const;
  void Clear() { messages_.clear(); }
  // Sizes the window so that its client area is width x height.
  void SetClientSize(int width, int height);
  // Compares the recorded messages whose numbers the rows name, in order of
  // arrival, with the rows: each row must match the next such message, an
  // optional row may be missing, and nothing may follow the last row. The
  // recording is cleared, so the next check starts from here.
  testing::AssertionResult Sequence(const std::vector<Expected>& expected);

 private:
  static LRESULT CALLBACK Procedure(HWND, UINT, WPARAM, LPARAM);
  static const char* RegisteredClass();
  HWND window_ = nullptr;
  Handler handler_;
  std::vector<Message> messages_;
};

// A window's styles and outer rectangle, as the platform reports them now.
inline DWORD Style(HWND w) { return static_cast<DWORD>(GetWindowLongA(w, GWL_STYLE)); }
inline DWORD ExStyle(HWND w) { return static_cast<DWORD>(GetWindowLongA(w, GWL_EXSTYLE)); }
// The extended style without the window edge, which the platform sets and
// clears by the window's frame of its own accord.
inline DWORD OwnExStyle(HWND w) { return ExStyle(w) & ~static_cast<DWORD>(WS_EX_WINDOWEDGE); }
inline RECT Rect(HWND w) {
  RECT r{};
  GetWindowRect(w, &r);
  return r;
}
// Left, top, width and height of the outer rectangle in the parent's client
// area.
inline std::vector<LONG> PlaceInParent(HWND w) {
  RECT r = Rect(w);
  MapWindowPoints(nullptr, GetParent(w), reinterpret_cast<POINT*>(&r), 2);
  return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

// The pixel at client coordinates (x, y) of a window, read from the screen.
COLORREF PixelAt(HWND window, int x, int y);

// Unix path of a file under the build folder, as Wine sees it (Z:...).
std::string BuildPath(const std::string& relative);
std::string SourcePath(const std::string& relative);

// Captions (without "&") of the visible buttons, ordered by their left edge.
std::vector<std::string> ButtonsLeftToRight(HWND dialog);
// Caption (without "&") of the dialog's default button, "" when none.
std::string DefaultButtonText(HWND dialog);
// The icon a message box shows (its static control 0x440), or NULL.
HICON DialogIcon(HWND dialog);

// Keeps dispatching messages for WK_LOOK_MS milliseconds (environment;
// default 0), so a person or a screenshot can look at what is shown.
void PauseForLook();

// True when the program runs under Wine rather than Windows.
bool RunningOnWine();

// Brings the window's top-level window to the front and focuses `window`.
void FocusForTyping(HWND window);
// One press and release of a virtual key, optionally with Shift held;
// the messages are dispatched before it returns.
void PressKey(WORD virtual_key, bool shift = false);
// Types the characters (letters, digits, space, Return, Tab) key by key.
void TypeText(const std::string& text);

}  // namespace wktest
