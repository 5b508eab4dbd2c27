// Helpers for tests of dialogs, message boxes and fields:
//
//   RecordingWindow  a window that keeps the messages it receives
//                    (WM_COMMAND, WM_VSCROLL, WM_HELP, ...), compares them
//                    with an expected sequence and lets a test answer
//                    chosen messages itself
//   ButtonsLeftToRight / DefaultButtonText / DialogIcon
//                    what a person sees of a message box or dialog
//   PressKey / TypeText
//                    real key presses (SendInput) into the focused window,
//                    translated by the message loop as for a person
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace wktest {

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

class RecordingWindow {
 public:
  struct Message {
    UINT message;
    WPARAM wparam;
    LPARAM lparam;
  };
  // Returns a result to answer the message, or nothing to let the platform's
  // default procedure answer it. Called for every message after recording.
  using Handler = std::function<std::optional<LRESULT>(HWND, UINT, WPARAM, LPARAM)>;

  explicit RecordingWindow(int width = 640, int height = 480,
                           const char* title = "wk recording window");
  // A visible child window at (x, y) of `parent`, recording the same way.
  RecordingWindow(HWND parent, int x, int y, int width, int height, DWORD ex_style = 0);
  ~RecordingWindow();
  RecordingWindow(const RecordingWindow&) = delete;
  RecordingWindow& operator=(const RecordingWindow&) = delete;

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
