// Modeless dialog windows from the toolkit's template, styled by keyword.
#include "toolkit/core/keywords.hpp"
#include "toolkit/windows/window_styles.hpp"
#include "wk_windows.h"

namespace {

// Only the values a row names are set; the template's other styles stay.
// The class style belongs to the system's dialog class, so a row that sets
// it changes every dialog of the process from then on.
struct DialogStyles {
  DWORD style;        // 0: not set
  DWORD ex_style;     // 0: not set
  DWORD class_style;  // 0: not set
};

constexpr DWORD kCaptionMenu = WS_CAPTION | WS_SYSMENU;
constexpr DWORD kNoClose = CS_DBLCLKS | CS_NOCLOSE;

constexpr wk::Keyword<DialogStyles> kDialogStyles[] = {
    {"NOLIST", {WS_POPUP | WS_DLGFRAME, 0, 0}},
    {"TOOLWIN", {0, WS_EX_TOOLWINDOW, 0}},
    {"TOOLWIN_NOCLO", {kCaptionMenu, WS_EX_TOOLWINDOW, kNoClose}},
    {"TOOLWIN_CLO", {kCaptionMenu, WS_EX_TOOLWINDOW, CS_DBLCLKS}},
    {"EMPTYLIST", {WS_CAPTION, 0, 0}},
    {"NOCLO", {kCaptionMenu, 0, kNoClose}},
    {"CLO", {kCaptionMenu, 0, 0}},
    {"QUE_NOCLO", {kCaptionMenu, WS_EX_CONTEXTHELP, kNoClose}},
    {"QUE_CLO", {kCaptionMenu, WS_EX_CONTEXTHELP, 0}},
    {"NOMIN_MAX_NOCLO", {kCaptionMenu | WS_MAXIMIZEBOX, 0, kNoClose}},
    {"MIN_NOMAX_NOCLO", {kCaptionMenu | WS_MINIMIZEBOX, 0, kNoClose}},
    {"MIN_NOMAX_CLO", {kCaptionMenu | WS_MINIMIZEBOX, 0, 0}},
    {"NOMIN_MAX_CLO", {kCaptionMenu | WS_MAXIMIZEBOX, 0, 0}},
    {"MIN_MAX_NOCLO", {kCaptionMenu | WS_MINIMIZEBOX | WS_MAXIMIZEBOX, 0, kNoClose}},
    {"MIN_MAX_CLO", {kCaptionMenu | WS_MINIMIZEBOX | WS_MAXIMIZEBOX, 0, 0}},
};

void ApplyDialogStyles(HWND dialog, const char* keyword) {
  const DialogStyles* s = wk::FindKeyword(kDialogStyles, keyword);
  if (!s) return;
  if (s->style) SetWindowLongA(dialog, GWL_STYLE, static_cast<LONG>(s->style));
  if (s->ex_style) SetWindowLongA(dialog, GWL_EXSTYLE, static_cast<LONG>(s->ex_style));
  if (s->class_style) SetClassLongA(dialog, GCL_STYLE, static_cast<LONG>(s->class_style));
}

}  // namespace

HWND wk_DialogWindowCreate(HWND parent, const char* title, int x, int y, int width, int height,
                           const char* keyword, DLGPROC procedure) noexcept {
  const auto module = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(parent, GWLP_HINSTANCE));
  HWND dialog = CreateDialogParamA(module, "wk_DLG_TEMPLATE_1", parent, procedure, 0);
  if (dialog == nullptr) return nullptr;
  SetPropA(dialog, wk::kModelessDialog, dialog);
  RECT ignored{};
  wk::HideToOrigin(dialog, ignored);
  ApplyDialogStyles(dialog, keyword);
  SetWindowTextA(dialog, title);
  wk::RestoreAndShow(dialog, RECT{x, y, x + width, y + height}, SW_SHOW);
  return dialog;
}
