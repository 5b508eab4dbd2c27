// Helpers for tests of dialogs, message boxes and fields:
//
//   RecordingWindow  a top-level window that keeps the messages it receives
//                    (WM_COMMAND, WM_VSCROLL, WM_HELP, ...) and lets a test
//                    answer chosen messages itself
//   ButtonsLeftToRight / DefaultButtonText / DialogIcon
//                    what a person sees of a message box or dialog
//   PressKey / TypeText
//                    real key presses (SendInput) into the focused window,
//                    translated by the message loop as for a person
#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace wktest {

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
  ~RecordingWindow();
  RecordingWindow(const RecordingWindow&) = delete;
  RecordingWindow& operator=(const RecordingWindow&) = delete;

  HWND get() const { return window_; }
  operator HWND() const { return window_; }
  void OnMessage(Handler handler) { handler_ = std::move(handler); }
  // The recorded messages with this number, in order of arrival.
  std::vector<Message> Of(UINT message) const;
  void Clear() { messages_.clear(); }

 private:
  static LRESULT CALLBACK Procedure(HWND, UINT, WPARAM, LPARAM);
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
