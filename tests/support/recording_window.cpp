#include "recording_window.hpp"

#include <algorithm>
#include <cstdlib>

#include "wktest.hpp"

namespace wktest {

namespace {
std::string WithoutAmpersands(std::string text) {
  text.erase(std::remove(text.begin(), text.end(), '&'), text.end());
  return text;
}
}  // namespace

RecordingWindow::RecordingWindow(int width, int height, const char* title) {
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
  window_ =
      CreateWindowExA(0, "wktest_recording_window", title, WS_OVERLAPPEDWINDOW | WS_VISIBLE, 20, 20,
                      width, height, nullptr, nullptr, GetModuleHandleA(nullptr), this);
  Pump(30);
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
