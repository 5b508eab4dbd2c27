#include "recording_window.hpp"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <utility>

#include "wktest.hpp"

namespace wktest {

namespace {
std::string WithoutAmpersands(std::string text) {
  text.erase(std::remove(text.begin(), text.end(), '&'), text.end());
  return text;
}
}  // namespace

const char* RecordingWindow::RegisteredClass() {
  static const ATOM atom = [] {
    WNDCLASSA wc{};
    wc.lpfnWndProc = Procedure;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = "wktest_recording_window";
    return RegisterClassA(&wc);
  }();
  (void)atom;
  return "wktest_recording_window";
}

RecordingWindow::RecordingWindow(int width, int height, const char* title) {
  window_ = CreateWindowExA(0, RegisteredClass(), title, WS_OVERLAPPEDWINDOW | WS_VISIBLE, 20, 20,
                            width, height, nullptr, nullptr, GetModuleHandleA(nullptr), this);
  Pump(30);
}

RecordingWindow::RecordingWindow(HWND parent, int x, int y, int width, int height, DWORD ex_style) {
  window_ = CreateWindowExA(ex_style, RegisteredClass(), "", WS_CHILD | WS_VISIBLE, x, y, width,
                            height, parent, nullptr, GetModuleHandleA(nullptr), this);
}

RecordingWindow::~RecordingWindow() {
  if (IsWindow(window_)) DestroyWindow(window_);
}

std::vector<RecordingWindow::Message> RecordingWindow::Of(UINT message) const {
  std::vector<Message> found;
  for (const Message& m : messages_)
    if (m.message == message) found.push_back(m);
  return found;
}

void RecordingWindow::SetClientSize(int width, int height) {
  RECT r{0, 0, width, height};
  AdjustWindowRectEx(&r, Style(window_), GetMenu(window_) != nullptr, ExStyle(window_));
  SetWindowPos(window_, nullptr, 0, 0, r.right - r.left, r.bottom - r.top,
               SWP_NOMOVE | SWP_NOZORDER);
}

namespace {
template <class M>
std::string Describe(const M& m) {
  char text[96];
  std::snprintf(text, sizeof text, "\n  message 0x%04X wparam 0x%llX lparam 0x%llX", m.message,
                static_cast<unsigned long long>(m.wparam),
                static_cast<unsigned long long>(m.lparam));
  return text;
}
}  // namespace

testing::AssertionResult RecordingWindow::Sequence(const std::vector<Expected>& expected) {
  std::vector<Message> seen;
  for (const Message& m : std::exchange(messages_, {})) {
    if (std::any_of(expected.begin(), expected.end(),
                    [&](const Expected& e) { return e.message == m.message; }))
      seen.push_back(m);
  }
  std::string received = "\nreceived:";
  for (const Message& m : seen) received += Describe(m);
  size_t next = 0;
  for (const Expected& e : expected) {
    if (next < seen.size() && seen[next].message == e.message &&
        (!(e.flags & kWparam) || seen[next].wparam == e.wparam) &&
        (!(e.flags & kLparam) || seen[next].lparam == e.lparam)) {
      ++next;
    } else if (!(e.flags & kOptional)) {
      return testing::AssertionFailure() << "missing:" << Describe(e) << received;
    }
  }
  if (next < seen.size())
    return testing::AssertionFailure() << "unexpected:" << Describe(seen[next]) << received;
  return testing::AssertionSuccess();
}

LRESULT CALLBACK RecordingWindow::Procedure(HWND window, UINT message, WPARAM wparam,
                                            LPARAM lparam) {
  if (message == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTA*>(lparam);
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  auto* self = reinterpret_cast<RecordingWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  if (self) {
    self->messages_.push_back({message, wparam, lparam});
    if (self->handler_) {
      if (std::optional<LRESULT> answer = self->handler_(window, message, wparam, lparam))
        return *answer;
    }
  }
  return DefWindowProcA(window, message, wparam, lparam);
}

std::vector<std::string> ButtonsLeftToRight(HWND dialog) {
  std::vector<std::pair<LONG, std::string>> found;
  for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (ClassName(child) != "Button" || !IsWindowVisible(child)) continue;
    RECT r{};
    GetWindowRect(child, &r);
    found.emplace_back(r.left, WithoutAmpersands(WindowText(child)));
  }
  std::stable_sort(found.begin(), found.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
  std::vector<std::string> captions;
  for (auto& f : found) captions.push_back(f.second);
  return captions;
}

// The button drawn as the default one (BS_DEFPUSHBUTTON), which is what a
// person sees and what Return presses.
std::string DefaultButtonText(HWND dialog) {
  for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (ClassName(child) != "Button" || !IsWindowVisible(child)) continue;
    if ((GetWindowLongA(child, GWL_STYLE) & BS_TYPEMASK) == BS_DEFPUSHBUTTON)
      return WithoutAmpersands(WindowText(child));
  }
  return "";
}

HICON DialogIcon(HWND dialog) {
  HWND icon = GetDlgItem(dialog, 0x440);
  if (!icon || !IsWindowVisible(icon)) return nullptr;
  return reinterpret_cast<HICON>(SendMessageA(icon, STM_GETICON, 0, 0));
}

void PauseForLook() {
  char value[16] = {};
  if (GetEnvironmentVariableA("WK_LOOK_MS", value, sizeof value) > 0) Pump(atoi(value));
}

bool RunningOnWine() {
  HMODULE ntdll = GetModuleHandleA("ntdll.dll");
  return ntdll && GetProcAddress(ntdll, "wine_get_version") != nullptr;
}

void FocusForTyping(HWND window) {
  HWND top = GetAncestor(window, GA_ROOT);
  SetForegroundWindow(top);
  SetActiveWindow(top);
  SetFocus(window);
  Pump(30);
}

namespace {
INPUT Key(WORD vk, bool up) {
  INPUT in{};
  in.type = INPUT_KEYBOARD;
  in.ki.wVk = vk;
  in.ki.wScan = static_cast<WORD>(MapVirtualKeyA(vk, MAPVK_VK_TO_VSC));
  in.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
  return in;
}
}  // namespace

void PressKey(WORD virtual_key, bool shift) {
  std::vector<INPUT> inputs;
  if (shift) inputs.push_back(Key(VK_SHIFT, false));
  inputs.push_back(Key(virtual_key, false));
  inputs.push_back(Key(virtual_key, true));
  if (shift) inputs.push_back(Key(VK_SHIFT, true));
  SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
  Pump(40);
}

void TypeText(const std::string& text) {
  for (char c : text) {
    const SHORT scan = VkKeyScanA(c);
    if (scan == -1) continue;
    PressKey(static_cast<WORD>(LOBYTE(scan)), (HIBYTE(scan) & 1) != 0);
  }
}

}  // namespace wktest
