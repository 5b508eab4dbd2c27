#include "wktest.hpp"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <utility>

namespace wktest {

namespace {
thread_local DialogAnswerer* t_answerer = nullptr;

bool IsDialog(HWND window) { return ClassName(window) == "#32770"; }
}  // namespace

std::string WindowText(HWND window) {
  std::string text(static_cast<size_t>(GetWindowTextLengthA(window)) + 1, '\0');
  GetWindowTextA(window, text.data(), static_cast<int>(text.size()));
  // The length may count more than the copy holds (a rich edit counts a
  // line break twice), so the text ends where the copy does.
  text.resize(std::char_traits<char>::length(text.c_str()));
  return text;
}

std::string ClassName(HWND window) {
  char buffer[256] = {};
  GetClassNameA(window, buffer, sizeof buffer);
  return buffer;
}

DialogSeen Describe(HWND dialog) {
  DialogSeen seen;
  seen.dialog = dialog;
  seen.title = WindowText(dialog);
  seen.class_name = ClassName(dialog);
  seen.owner = GetWindow(dialog, GW_OWNER);
  if (HWND text = GetDlgItem(dialog, 0xFFFF)) seen.text = WindowText(text);
  for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (ClassName(child) == "Button" && IsWindowVisible(child)) {
      seen.buttons.push_back(WindowText(child));
    }
  }
  return seen;
}

DialogAnswerer::DialogAnswerer() {
  t_answerer = this;
  hook_ = SetWindowsHookExA(WH_CBT, CbtHook, nullptr, GetCurrentThreadId());
}

DialogAnswerer::DialogAnswerer(Action first) : DialogAnswerer() { Then(std::move(first)); }

DialogAnswerer::~DialogAnswerer() {
  if (hook_) UnhookWindowsHookEx(hook_);
  if (t_answerer == this) t_answerer = nullptr;
}

DialogAnswerer& DialogAnswerer::Then(Action action) {
  actions_.push_back(std::move(action));
  return *this;
}

LRESULT CALLBACK DialogAnswerer::CbtHook(int code, WPARAM wparam, LPARAM lparam) {
  DialogAnswerer* self = t_answerer;
  if (self && code == HCBT_ACTIVATE) {
    HWND window = reinterpret_cast<HWND>(wparam);
    bool known = false;
    for (HWND w : self->waiting_) known = known || w == window;
    for (const DialogSeen& s : self->seen_) known = known || s.dialog == window;
    if (!known && IsDialog(window)) {
      self->waiting_.push_back(window);
      // The timer fires inside the dialog's modal loop, once it is running.
      SetTimer(nullptr, 0, 20, OnTimer);
    }
  }
  return CallNextHookEx(self ? self->hook_ : nullptr, code, wparam, lparam);
}

void CALLBACK DialogAnswerer::OnTimer(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(nullptr, id);
  DialogAnswerer* self = t_answerer;
  if (!self || self->waiting_.empty()) return;
  HWND dialog = self->waiting_.front();
  // A modal dialog can be activated (by the focus its initialisation sets)
  // before its loop shows it, which that loop does only once no message is
  // waiting: on a slow machine this timer comes first. Hidden, its buttons
  // would read as none, so it is answered once it shows, as a person would;
  // one that stays hidden is answered after five seconds all the same.
  if (IsWindow(dialog) && !IsWindowVisible(dialog) && ++self->hidden_turns_ < 250) {
    SetTimer(nullptr, 0, 20, OnTimer);
    return;
  }
  self->hidden_turns_ = 0;
  self->waiting_.pop_front();
  if (IsWindow(dialog)) self->Answer(dialog);
}

void DialogAnswerer::Answer(HWND dialog) {
  seen_.push_back(Describe(dialog));
  if (actions_.empty()) {
    ++unexpected_;
    PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    return;
  }
  Action action = std::move(actions_.front());
  actions_.pop_front();
  action(dialog);
}

DialogAnswerer::Action DialogAnswerer::Press(int id) {
  return [id](HWND dialog) { PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0); };
}

DialogAnswerer::Action DialogAnswerer::Click(int id) {
  return [id](HWND dialog) { SendDlgItemMessageA(dialog, id, BM_CLICK, 0, 0); };
}

DialogAnswerer::Action DialogAnswerer::Type(int id, std::string text, Action after) {
  return [id, text = std::move(text), after = std::move(after)](HWND dialog) {
    SetDlgItemTextA(dialog, id, text.c_str());
    if (after) after(dialog);
  };
}

DialogAnswerer::Action DialogAnswerer::Close() {
  return [](HWND dialog) { PostMessageA(dialog, WM_CLOSE, 0, 0); };
}

void Pump(int ms) {
  WaitFor([] { return false; }, ms);
}

double NowSeconds() {
  LARGE_INTEGER count, frequency;
  QueryPerformanceCounter(&count);
  QueryPerformanceFrequency(&frequency);
  return static_cast<double>(count.QuadPart) / static_cast<double>(frequency.QuadPart);
}

bool WaitFor(const std::function<bool()>& done, int ms) {
  const DWORD end = GetTickCount() + static_cast<DWORD>(ms);
  for (;;) {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
    if (done()) return true;
    if (static_cast<LONG>(GetTickCount() - end) >= 0) return done();
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
  }
}

AppProcess::AppProcess(const std::string& exe, const std::vector<std::string>& env) {
  // Build an environment block: ours plus the overrides.
  std::string block;
  std::vector<std::string> names;
  for (const std::string& e : env) names.push_back(e.substr(0, e.find('=') + 1));
  char* current = GetEnvironmentStringsA();
  for (const char* p = current; *p; p += std::strlen(p) + 1) {
    bool overridden = false;
    for (const std::string& n : names)
      overridden = overridden || _strnicmp(p, n.c_str(), n.size()) == 0;
    if (!overridden) block.append(p).push_back('\0');
  }
  FreeEnvironmentStringsA(current);
  for (const std::string& e : env) block.append(e).push_back('\0');
  block.push_back('\0');

  std::string command = "\"" + exe + "\"";
  STARTUPINFOA si{};
  si.cb = sizeof si;
  if (!CreateProcessA(exe.c_str(), command.data(), nullptr, nullptr, FALSE, 0, block.data(),
                      nullptr, &si, &info_)) {
    info_ = {};
  }
}

AppProcess::~AppProcess() {
  if (info_.hProcess) {
    if (WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT) {
      TerminateProcess(info_.hProcess, 99);
      WaitForSingleObject(info_.hProcess, 5000);
    }
    CloseHandle(info_.hProcess);
    CloseHandle(info_.hThread);
  }
}

HWND AppProcess::FindWindowByTitle(const char* title, int ms, const char* class_name) const {
  HWND found = nullptr;
  WaitFor(
      [&] {
        for (HWND w = FindWindowExA(nullptr, nullptr, class_name, title); w;
             w = FindWindowExA(nullptr, w, class_name, title)) {
          DWORD pid = 0;
          GetWindowThreadProcessId(w, &pid);
          if (pid == info_.dwProcessId) {
            found = w;
            return true;
          }
        }
        return WaitForSingleObject(info_.hProcess, 0) != WAIT_TIMEOUT;
      },
      ms);
  return found;
}

int AppProcess::WaitExit(int ms) {
  if (!info_.hProcess) return -1;
  bool ended = WaitFor([&] { return WaitForSingleObject(info_.hProcess, 0) == WAIT_OBJECT_0; }, ms);
  if (!ended) return -1;
  DWORD code = 0;
  GetExitCodeProcess(info_.hProcess, &code);
  return static_cast<int>(code);
}

long long AppProcess::PrivateBytes() const {
  if (!info_.hProcess) return -1;
  long long total = 0;
  MEMORY_BASIC_INFORMATION region;
  const char* at = nullptr;
  bool read_any = false;
  while (VirtualQueryEx(info_.hProcess, at, &region, sizeof region) == sizeof region) {
    read_any = true;
    if (region.State == MEM_COMMIT && region.Type == MEM_PRIVATE) total += region.RegionSize;
    const char* next = static_cast<const char*>(region.BaseAddress) + region.RegionSize;
    if (next <= at) break;  // the top of the address space
    at = next;
  }
  return read_any ? total : -1;
}

COLORREF PixelAt(HWND window, int x, int y) {
  HDC dc = GetDC(window);
  COLORREF c = GetPixel(dc, x, y);
  ReleaseDC(window, dc);
  return c;
}

std::string BuildPath(const std::string& relative) {
  return std::string(WK_BUILD_DIR) + "/" + relative;
}

std::string SourcePath(const std::string& relative) {
  return std::string(WK_SOURCE_DIR) + "/" + relative;
}

namespace {
std::string WithoutAmpersands(std::string text) {
  text.erase(std::remove(text.begin(), text.end(), '&'), text.end());
  return text;
}
}  // namespace

const char* TestWindow::RegisteredClass() {
  static const ATOM atom = [] {
    WNDCLASSA wc{};
    wc.lpfnWndProc = Procedure;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = "wktest_window";
    return RegisterClassA(&wc);
  }();
  (void)atom;
  return "wktest_window";
}

TestWindow::TestWindow(int width, int height, const char* title) {
  window_ = CreateWindowExA(0, RegisteredClass(), title, WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10,
                            width, height, nullptr, nullptr, GetModuleHandleA(nullptr), this);
  Pump(30);
}

TestWindow::TestWindow(HWND parent, int x, int y, int width, int height, DWORD ex_style) {
  window_ = CreateWindowExA(ex_style, RegisteredClass(), "", WS_CHILD | WS_VISIBLE, x, y, width,
                            height, parent, nullptr, GetModuleHandleA(nullptr), this);
}

TestWindow::~TestWindow() {
  if (IsWindow(window_)) DestroyWindow(window_);
}

std::vector<TestWindow::Message> TestWindow::Of(UINT message) const {
  std::vector<Message> found;
  for (const Message& m : messages_)
    if (m.message == message) found.push_back(m);
  return found;
}

void TestWindow::SetClientSize(int width, int height) {
  RECT r{0, 0, width, height};
  AdjustWindowRectEx(&r, Style(window_), GetMenu(window_) != nullptr, ExStyle(window_));
  SetWindowPos(window_, nullptr, 0, 0, r.right - r.left, r.bottom - r.top,
               SWP_NOMOVE | SWP_NOZORDER);
}

namespace {
template <class M>
std::string DescribeMessage(const M& m) {
  char text[96];
  std::snprintf(text, sizeof text, "\n  message 0x%04X wparam 0x%llX lparam 0x%llX", m.message,
                static_cast<unsigned long long>(m.wparam),
                static_cast<unsigned long long>(m.lparam));
  return text;
}
}  // namespace

testing::AssertionResult TestWindow::Sequence(const std::vector<Expected>& expected) {
  std::vector<Message> seen;
  for (const Message& m : std::exchange(messages_, {})) {
    if (std::any_of(expected.begin(), expected.end(),
                    [&](const Expected& e) { return e.message == m.message; }))
      seen.push_back(m);
  }
  std::string received = "\nreceived:";
  for (const Message& m : seen) received += DescribeMessage(m);
  size_t next = 0;
  for (const Expected& e : expected) {
    if (next < seen.size() && seen[next].message == e.message &&
        (!(e.flags & kWparam) || seen[next].wparam == e.wparam) &&
        (!(e.flags & kLparam) || seen[next].lparam == e.lparam)) {
      ++next;
    } else if (!(e.flags & kOptional)) {
      return testing::AssertionFailure() << "missing:" << DescribeMessage(e) << received;
    }
  }
  if (next < seen.size())
    return testing::AssertionFailure() << "unexpected:" << DescribeMessage(seen[next]) << received;
  return testing::AssertionSuccess();
}

LRESULT CALLBACK TestWindow::Procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTA*>(lparam);
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  auto* self = reinterpret_cast<TestWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
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
