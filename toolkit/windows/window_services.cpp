// The window services of both families: windows made by wk_WindowCreate
// (wk_Window...) and dialogs made by wk_DialogWindowCreate (wk_DialogWindow...).
// Each pair is one implementation; the families differ in a few parameters.
#include "toolkit/core/control_ops.hpp"
#include "toolkit/core/keywords.hpp"
#include "toolkit/windows/window_styles.hpp"
#include "wk_windows.h"

namespace {

using wk::Keyword;

constexpr int kKeep = 999999;

constexpr Keyword<int> kShowStates[] = {
    {"HIDE", SW_HIDE},
    {"MAXI", SW_SHOWMAXIMIZED},
    {"MINI", SW_MINIMIZE},
    {"RESTORE", SW_RESTORE},
    {"SHOW", SW_SHOW},
    {"DEFAULT", SW_SHOWDEFAULT},
    {"ACTIVMAXI", SW_SHOWMAXIMIZED},
    {"ACTIVMINI", SW_SHOWMINIMIZED},
    {"INACTMINI", SW_SHOWMINNOACTIVE},
    {"INACTIV", SW_SHOWNA},
    {"INACTRESENT", SW_SHOWNOACTIVATE},
    {"NORMAL", SW_SHOWNORMAL},
};

// One border guard per family. "TRANSPARENT", "FLAT", "FLAT_BORDER" and
// "SUNKEN" clear it for good; while it is clear, "NORMAL" also gives the
// window a dialog frame.
struct Family {
  int guard;
  bool keeps_rectangle;  // the dialog family hides, restyles and moves back
};
Family g_windows{1, false};
Family g_dialogs{1, true};

enum class Border { Transparent, Flat, FlatBorder, Sunken, Normal, NormalSunken };
constexpr Keyword<Border> kBorders[] = {
    {"TRANSPARENT", Border::Transparent}, {"FLAT", Border::Flat},
    {"FLAT_BORDER", Border::FlatBorder},  {"SUNKEN", Border::Sunken},
    {"NORMAL", Border::Normal},           {"NORMAL_SUNKEN", Border::NormalSunken},
};

void ApplyBorder(HWND window, Family& family, const char* keyword) {
  const Border* border = wk::FindKeyword(kBorders, keyword);
  if (!border) return;
  switch (*border) {
    case Border::Transparent:
      SetWindowLongA(window, GWL_EXSTYLE, WS_EX_TRANSPARENT);
      family.guard = 0;
      break;
    case Border::Flat:
      SetWindowLongA(window, GWL_STYLE, static_cast<LONG>(WS_POPUP));
      family.guard = 0;
      break;
    case Border::FlatBorder:
      SetWindowLongA(window, GWL_STYLE, static_cast<LONG>(WS_POPUP | WS_BORDER));
      family.guard = 0;
      break;
    case Border::Sunken:
      SetWindowLongA(window, GWL_STYLE, static_cast<LONG>(WS_POPUP));
      SetWindowLongA(window, GWL_EXSTYLE, WS_EX_CLIENTEDGE);
      family.guard = 0;
      break;
    case Border::Normal:
      if (family.guard == 0) SetWindowLongA(window, GWL_STYLE, WS_DLGFRAME);
      SetWindowLongA(window, GWL_EXSTYLE, WS_EX_WINDOWEDGE);
      break;
    case Border::NormalSunken:
      SetWindowLongA(window, GWL_EXSTYLE, WS_EX_CLIENTEDGE);
      break;
  }
}

void ApplySizingBorder(HWND window, Family&, const char* keyword) {
  const bool* on = wk::FindKeyword(wk::kOnOff, keyword);
  if (!on) return;
  const LONG style = GetWindowLongA(window, GWL_STYLE);
  SetWindowLongA(window, GWL_STYLE, *on ? (style | WS_THICKFRAME) : (style ^ WS_THICKFRAME));
}

// Runs a frame change the way the family does it: the window family grows
// by a caption height afterwards, the dialog family keeps its rectangle.
template <class Change>
int ChangeFrame(HWND window, Family& family, const char* keyword, Change change) {
  if (family.keeps_rectangle) {
    RECT remembered{};
    wk::HideToOrigin(window, remembered);
    change(window, family, keyword);
    wk::RestoreAndShow(window, remembered, SW_SHOWNORMAL);
  } else {
    change(window, family, keyword);
    wk::GrowByCaptionAndShow(window);
  }
  return 0;
}

// ShowWindow answers whether the window was visible before.
int WasHidden(HWND window, int command) { return ShowWindow(window, command) ? 0 : 1; }

int ShowState(HWND window, const char* keyword) {
  const int* command = wk::FindKeyword(kShowStates, keyword);
  if (!command) {
    // No change to the window: report its visibility as the call would.
    return IsWindowVisible(window) ? 0 : 1;
  }
  return WasHidden(window, *command);
}

// The window is hidden where it is. SWP_NOMOVE is spelled out: some
// platforms (Wine among them) otherwise move a window that SWP_HIDEWINDOW
// hides to the position given, here 0, 0.
constexpr UINT kHideWhereItIs = SWP_HIDEWINDOW | SWP_NOZORDER | SWP_NOSIZE | SWP_NOMOVE;

int Hide(HWND window) { return SetWindowPos(window, nullptr, 0, 0, 0, 0, kHideWhereItIs) ? 0 : 1; }

int Move(HWND window, int left, int top) {
  RECT r{};
  GetWindowRect(window, &r);
  MoveWindow(window, left == kKeep ? r.left : left, top == kKeep ? r.top : top, r.right - r.left,
             r.bottom - r.top, TRUE);
  return 0;
}

int Resize(HWND window, int width, int height) {
  RECT r{};
  GetWindowRect(window, &r);
  const int w = width == kKeep ? r.right - r.left : width;
  const int h = height == kKeep ? r.bottom - r.top : height + GetSystemMetrics(SM_CYCAPTION);
  MoveWindow(window, r.left, r.top, w, h, TRUE);
  return 0;
}

int Center(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  const int left = (GetSystemMetrics(SM_CXSCREEN) - (r.right - r.left)) / 2;
  const int top =
      (GetSystemMetrics(SM_CYSCREEN) - (r.bottom - r.top) - GetSystemMetrics(SM_CYCAPTION)) / 2;
  SetWindowPos(window, nullptr, left, top, 0, 0, SWP_NOZORDER | SWP_NOSIZE);
  return 0;
}

int GetPosition(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  wk_ResultX = r.left;
  wk_ResultY = r.top;
  return 0;
}

int GetText(HWND window, char* buffer, int max_length) {
  if (buffer == nullptr || max_length < 0) return 0;
  return GetWindowTextA(window, buffer, max_length + 1);
}

HWND HasFocus(HWND window) { return GetFocus() == window && window ? window : nullptr; }

// The class icon is set even when the module lacks the icon: the class then
// has none and the system shows its default.
int SetIcon(HWND window, const char* icon_name) {
  const auto module = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(window, GWLP_HINSTANCE));
  SetClassLongPtrA(window, GCLP_HICON, reinterpret_cast<LONG_PTR>(LoadIconA(module, icon_name)));
  return 0;
}

int SetStockIcon(HWND window, const char* icon_id) {
  SetClassLongPtrA(window, GCLP_HICON, reinterpret_cast<LONG_PTR>(LoadIconA(nullptr, icon_id)));
  return 0;
}

}  // namespace

// The services both families have, each one implementation:
// WK_WINDOW_SERVICES(Window, g_windows) defines wk_WindowShowState to
// wk_WindowSetStockIcon on the family's own border guard.
#define WK_WINDOW_SERVICES(Family, family)                                                         \
  extern "C" int wk_##Family##ShowState(HWND w, const char* k) noexcept {                          \
    return ShowState(w, k);                                                                        \
  }                                                                                                \
  extern "C" int wk_##Family##Hide(HWND w) noexcept { return Hide(w); }                            \
  extern "C" int wk_##Family##Maximize(HWND w) noexcept { return WasHidden(w, SW_SHOWMAXIMIZED); } \
  extern "C" int wk_##Family##Move(HWND w, int left, int top) noexcept {                           \
    return Move(w, left, top);                                                                     \
  }                                                                                                \
  extern "C" int wk_##Family##Resize(HWND w, int width, int height) noexcept {                     \
    return Resize(w, width, height);                                                               \
  }                                                                                                \
  extern "C" int wk_##Family##Center(HWND w) noexcept { return Center(w); }                        \
  extern "C" int wk_##Family##GetPosition(HWND w) noexcept { return GetPosition(w); }              \
  WK_CONTROL_OP_GETSIZE(Family)                                                                    \
  extern "C" int wk_##Family##SetBorder(HWND w, const char* k) noexcept {                          \
    return ChangeFrame(w, family, k, ApplyBorder);                                                 \
  }                                                                                                \
  extern "C" int wk_##Family##SizingBorder(HWND w, const char* k) noexcept {                       \
    return ChangeFrame(w, family, k, ApplySizingBorder);                                           \
  }                                                                                                \
  extern "C" int wk_##Family##SetText(HWND w, const char* text) noexcept {                         \
    SetWindowTextA(w, text);                                                                       \
    return 0;                                                                                      \
  }                                                                                                \
  extern "C" int wk_##Family##GetText(HWND w, char* buffer, int n) noexcept {                      \
    return GetText(w, buffer, n);                                                                  \
  }                                                                                                \
  WK_CONTROL_OP_REPAINT(Family, wk::CStrcmp)                                                       \
  extern "C" HWND wk_##Family##HasFocus(HWND w) noexcept { return HasFocus(w); }                   \
  extern "C" int wk_##Family##SetIcon(HWND w, const char* name) noexcept {                         \
    return SetIcon(w, name);                                                                       \
  }                                                                                                \
  extern "C" int wk_##Family##SetStockIcon(HWND w, const char* id) noexcept {                      \
    return SetStockIcon(w, id);                                                                    \
  }

WK_WINDOW_SERVICES(Window, g_windows)
WK_WINDOW_SERVICES(DialogWindow, g_dialogs)

// What only top-level windows have.
WK_CONTROL_OP_DESTROY(Window)
WK_CONTROL_OP_SHOW(Window, SW_SHOW)
WK_CONTROL_OP_SETFOCUS(Window)

// What only dialogs have. A modal dialog ends with Cancel's 2; a modeless
// one, which EndDialog would only hide, goes.
int wk_DialogWindowClose(HWND d) noexcept {
  if (!RemovePropA(d, wk::kModelessDialog) && EndDialog(d, 2)) return 0;
  return DestroyWindow(d) ? 0 : 1;
}
int wk_DialogWindowRestore(HWND d) noexcept { return wk::ops::Show(d, SW_RESTORE); }
HWND wk_DialogWindowActivate(HWND d) noexcept { return SetActiveWindow(d); }
HBRUSH wk_DialogWindowBrush(HWND, COLORREF colour) noexcept { return CreateSolidBrush(colour); }
