#include "wktest.hpp"

#include <cstring>

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

HWND AppProcess::FindWindowByTitle(const char* title, int ms) const {
  HWND found = nullptr;
  WaitFor(
      [&] {
        for (HWND w = FindWindowExA(nullptr, nullptr, nullptr, title); w;
             w = FindWindowExA(nullptr, w, nullptr, title)) {
          DWORD pid = 0;
          GetWindowThreadProcessId(w, &pid);
          if (pid == info_.dwProcessId) {
            found = w;
            return true;
          }
        }
        return false;
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

TestWindow::TestWindow(int width, int height, const char* title) {
  static const ATOM atom = [] {
    WNDCLASSA wc{};
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = "wktest_window";
    return RegisterClassA(&wc);
  }();
  (void)atom;
  window_ = CreateWindowExA(0, "wktest_window", title, WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10,
                            width, height, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
  Pump(30);
}

TestWindow::~TestWindow() {
  if (IsWindow(window_)) DestroyWindow(window_);
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

}  // namespace wktest
