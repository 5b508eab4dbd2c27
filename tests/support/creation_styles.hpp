// The styles a window of a given class was created with, as its creator asked
// for them. Some controls change their own style afterwards (a rich edit drops
// scroll bars it does not need yet, an up-down control draws its border
// itself), so GWL_STYLE alone does not show what the toolkit asked for.
#pragma once

#include <windows.h>

#include <string>

namespace wktest {

class CreationStyles {
 public:
  // Records windows whose class name equals `class_name` without regard to case.
  explicit CreationStyles(std::string class_name) : class_name_(std::move(class_name)) {
    current_ = this;
    hook_ = SetWindowsHookExA(WH_CBT, Hook, nullptr, GetCurrentThreadId());
  }
  ~CreationStyles() {
    UnhookWindowsHookEx(hook_);
    current_ = nullptr;
  }
  CreationStyles(const CreationStyles&) = delete;
  CreationStyles& operator=(const CreationStyles&) = delete;
  DWORD last_style() const { return style_; }
  DWORD last_ex_style() const { return ex_style_; }

 private:
  static LRESULT CALLBACK Hook(int code, WPARAM wparam, LPARAM lparam) {
    if (code == HCBT_CREATEWND && current_) {
      const CREATESTRUCTA* create = reinterpret_cast<CBT_CREATEWNDA*>(lparam)->lpcs;
      const bool named = HIWORD(reinterpret_cast<UINT_PTR>(create->lpszClass)) != 0;
      if (named && lstrcmpiA(create->lpszClass, current_->class_name_.c_str()) == 0) {
        current_->style_ = static_cast<DWORD>(create->style);
        current_->ex_style_ = create->dwExStyle;
      }
    }
    return CallNextHookEx(nullptr, code, wparam, lparam);
  }
  static inline CreationStyles* current_ = nullptr;
  std::string class_name_;
  HHOOK hook_ = nullptr;
  DWORD style_ = 0;
  DWORD ex_style_ = 0;
};

}  // namespace wktest
