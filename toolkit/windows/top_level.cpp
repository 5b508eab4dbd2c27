// Top-level windows made from a window style keyword, their background, and
// restyling by keyword.
#include <windows.h>
#include <commctrl.h>

#include <cstring>

#include "toolkit/core/class_background.hpp"
#include "toolkit/core/keywords.hpp"
#include "toolkit/core/logic/format_text.hpp"
#include "toolkit/windows/window_styles.hpp"
#include "wk_windows.h"

namespace {

using wk::Keyword;
using wk::WindowStyles;

// Styles at creation. A window without WS_POPUP is overlapped, which the
// platform always gives a title bar and a border.
constexpr Keyword<WindowStyles> kCreateStyles[] = {
    {"NOLIST", {WS_POPUP | WS_DLGFRAME, 0, 0}},
    {"TOOLWIN", {0, WS_EX_TOOLWINDOW, 0}},
    {"TOOLWIN_NOCLO", {WS_SYSMENU, WS_EX_TOOLWINDOW, CS_NOCLOSE}},
    {"TOOLWIN_CLO", {WS_SYSMENU, WS_EX_TOOLWINDOW, 0}},
    {"EMPTYLIST", {WS_CAPTION, 0, 0}},
    {"NOCLO", {WS_CAPTION | WS_SYSMENU, 0, CS_NOCLOSE}},
    {"CLO", {WS_CAPTION | WS_SYSMENU, 0, 0}},
    {"QUE_NOCLO", {WS_CAPTION | WS_SYSMENU, WS_EX_CONTEXTHELP, CS_NOCLOSE}},
    {"QUE_CLO", {WS_CAPTION | WS_SYSMENU, WS_EX_CONTEXTHELP, 0}},
    {"NOMIN_MAX_NOCLO", {WS_SYSMENU | WS_MAXIMIZEBOX, 0, CS_NOCLOSE}},
    {"MIN_NOMAX_NOCLO", {WS_SYSMENU | WS_MINIMIZEBOX, 0, CS_NOCLOSE}},
    {"MIN_NOMAX_CLO", {WS_SYSMENU | WS_MINIMIZEBOX, 0, 0}},
    {"NOMIN_MAX_CLO", {WS_SYSMENU | WS_MAXIMIZEBOX, 0, 0}},
    {"MIN_MAX_NOCLO", {WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX, 0, CS_NOCLOSE}},
    {"MIN_MAX_CLO", {WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX, 0, 0}},
};

// Styles on restyle: each row replaces all three styles whole.
constexpr DWORD kRedraw = CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS;
constexpr DWORD kRedrawNoClose = kRedraw | CS_NOCLOSE;
constexpr Keyword<WindowStyles> kRestyleStyles[] = {
    {"NOLIST", {WS_POPUP | WS_DLGFRAME, WS_EX_WINDOWEDGE, kRedraw}},
    {"TOOLWIN", {WS_CAPTION, WS_EX_TOOLWINDOW, kRedraw}},
    {"TOOLWIN_NOCLO", {WS_CAPTION | WS_SYSMENU, WS_EX_TOOLWINDOW, kRedrawNoClose}},
    {"TOOLWIN_CLO", {WS_CAPTION | WS_SYSMENU, WS_EX_TOOLWINDOW, kRedraw}},
    {"EMPTYLIST", {WS_CAPTION, WS_EX_WINDOWEDGE, kRedraw}},
    {"NOCLO", {WS_CAPTION | WS_SYSMENU, WS_EX_WINDOWEDGE, kRedrawNoClose}},
    {"CLO", {WS_CAPTION | WS_SYSMENU, WS_EX_WINDOWEDGE, kRedraw}},
    {"QUE_NOCLO", {WS_CAPTION | WS_SYSMENU, WS_EX_CONTEXTHELP, kRedrawNoClose}},
    {"QUE_CLO", {WS_CAPTION | WS_SYSMENU, WS_EX_CONTEXTHELP, kRedraw}},
    {"NOMIN_MAX_NOCLO",
     {WS_CAPTION | WS_SYSMENU | WS_MAXIMIZEBOX, WS_EX_WINDOWEDGE, kRedrawNoClose}},
    {"MIN_NOMAX_NOCLO",
     {WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, WS_EX_WINDOWEDGE, kRedrawNoClose}},
    {"MIN_NOMAX_CLO", {WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, WS_EX_WINDOWEDGE, kRedraw}},
    {"NOMIN_MAX_CLO", {WS_CAPTION | WS_SYSMENU | WS_MAXIMIZEBOX, WS_EX_WINDOWEDGE, kRedraw}},
    {"MIN_MAX_NOCLO",
     {WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX, WS_EX_WINDOWEDGE, kRedrawNoClose}},
    {"MIN_MAX_CLO",
     {WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX, WS_EX_WINDOWEDGE, kRedraw}},
};

// The class name is the title, so one class (and one window) per title.
constexpr std::size_t kClassNameSize = 250;

bool MakeClassName(HINSTANCE module, const char* title, char (&name)[kClassNameSize]) {
  if (title == nullptr) return false;
  if (title[0] == '\0') {
    // The whole handle, also where it is wider than a long (64-bit Windows).
    wk::FormatText(name, sizeof name, "Class%I64d",
                   static_cast<long long>(reinterpret_cast<LONG_PTR>(module)));
    return true;
  }
  // A title that does not fit is refused rather than cut: a cut name could
  // collide with another window's class.
  if (std::strlen(title) >= kClassNameSize) return false;
  std::strcpy(name, title);
  return true;
}

}  // namespace

namespace wk {

void ApplyWindowStyles(HWND window, const WindowStyles& styles) {
  SetWindowLongA(window, GWL_EXSTYLE, static_cast<LONG>(styles.ex_style));
  SetWindowLongA(window, GWL_STYLE, static_cast<LONG>(styles.style));
  SetClassLongA(window, GCL_STYLE, static_cast<LONG>(styles.class_style));
}

void GrowByCaptionAndShow(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  wk_ResultX = r.right - r.left;
  wk_ResultY = r.bottom - r.top;
  MoveWindow(window, r.left, r.top, wk_ResultX, wk_ResultY + GetSystemMetrics(SM_CYCAPTION), TRUE);
  ShowWindow(window, SW_SHOWNORMAL);
  wk_ResultX = 0;
  wk_ResultY = 0;
}

void HideToOrigin(HWND window, RECT& remembered) {
  GetWindowRect(window, &remembered);
  ShowWindow(window, SW_HIDE);
  MoveWindow(window, 0, 0, 0, 0, TRUE);
}

void RestoreAndShow(HWND window, const RECT& remembered, int show_command) {
  MoveWindow(window, remembered.left, remembered.top, remembered.right - remembered.left,
             remembered.bottom - remembered.top, TRUE);
  ShowWindow(window, show_command);
}

}  // namespace wk

HWND wk_WindowCreate(HINSTANCE module, const char* title, int x, int y, int width, int height,
                     const char* keyword) noexcept {
  InitCommonControls();
  char class_name[kClassNameSize];
  if (!MakeClassName(module, title, class_name)) return nullptr;
  const WindowStyles styles = wk::KeywordValue(kCreateStyles, keyword, WindowStyles{});

  WNDCLASSEXA wc{};
  wc.cbSize = sizeof wc;
  wc.style = CS_DBLCLKS | styles.class_style;
  wc.lpfnWndProc = AppWindowProc;
  wc.hInstance = module;
  wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  wc.lpszClassName = class_name;
  if (!RegisterClassExA(&wc)) return nullptr;

  HWND window =
      CreateWindowExA(styles.ex_style, class_name, title, styles.style, x, y, width,
                      height + GetSystemMetrics(SM_CYCAPTION), nullptr, nullptr, module, nullptr);
  if (window == nullptr) return nullptr;
  ShowWindow(window, SW_SHOWNORMAL);
  wk_WindowSetBackground(window, GetSysColor(COLOR_BTNFACE));
  return window;
}

// The brush a later call replaces is released (each serves one class), so
// recolouring a window again and again does not fill the process's GDI
// handle table; a brush the toolkit did not make is left alone.
int wk_WindowSetBackground(HWND window, COLORREF colour) noexcept {
  wk::SetClassBackground(window, colour);
  return 0;
}

int wk_WindowRestyle(HWND window, const char* keyword) noexcept {
  if (const WindowStyles* styles = wk::FindKeyword(kRestyleStyles, keyword)) {
    wk::ApplyWindowStyles(window, *styles);
  }
  wk::GrowByCaptionAndShow(window);
  return 0;
}

int wk_WindowRestyleInPlace(HWND window, const char* keyword) noexcept {
  RECT remembered{};
  wk::HideToOrigin(window, remembered);
  if (const WindowStyles* styles = wk::FindKeyword(kRestyleStyles, keyword)) {
    wk::ApplyWindowStyles(window, *styles);
  }
  wk::RestoreAndShow(window, remembered, SW_SHOWNORMAL);
  return 0;
}
