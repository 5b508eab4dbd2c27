// Push buttons: platform "button" windows styled from an alignment and a
// frame keyword. The toolkit keeps nothing per button; caption, pushed and
// enabled state and image all live in the window itself.
#include <algorithm>
#include <cstdint>
#include <iterator>

#include "toolkit/core/message.hpp"
#include "toolkit/core/control_ops.hpp"
#include "toolkit/core/keywords.hpp"
#include "toolkit/core/styles.hpp"
#include "wk_controls.h"

namespace {

using wk::Keyword;

// Where the caption (or image) sits. A later row never matches together with
// an earlier one, so table order only matters for readability.
constexpr Keyword<LONG> kAlignments[] = {
    {"L", BS_LEFT},
    {"R", BS_RIGHT},
    {"T", BS_TOP},
    {"B", BS_BOTTOM},
    {"C", BS_CENTER},
    {"LB", BS_LEFT | BS_BOTTOM},
    {"LT", BS_LEFT | BS_TOP},
    {"RB", BS_RIGHT | BS_BOTTOM},
    {"RT", BS_RIGHT | BS_TOP},
};

constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;

// "SHADOW" makes a default push button (the platform's heavy outline),
// "SUNKEN" adds the client edge, "BAR" the dialog frame, "EDGE" both.
constexpr Keyword<wk::StylePair> kFrames[] = {
    {"NORMAL", {kChild, 0}},
    {"SHADOW", {kChild | BS_DEFPUSHBUTTON, 0}},
    {"SUNKEN", {kChild, WS_EX_CLIENTEDGE}},
    {"SUNKEN_SHADOW", {kChild | BS_DEFPUSHBUTTON, WS_EX_CLIENTEDGE}},
    {"BAR", {kChild | WS_DLGFRAME, 0}},
    {"BAR_SHADOW", {kChild | WS_DLGFRAME | BS_DEFPUSHBUTTON, 0}},
    {"EDGE", {kChild | WS_DLGFRAME, WS_EX_CLIENTEDGE}},
    {"EDGE_SHADOW", {kChild | WS_DLGFRAME | BS_DEFPUSHBUTTON, WS_EX_CLIENTEDGE}},
};

// An unknown frame word would give a window without WS_CHILD, which the
// platform takes for a top-level window with the id as a menu handle. A
// plain child button is the useful reading of such a word.
constexpr wk::StylePair kDefaultFrame = {kChild, 0};

// System icon ids (IDI_*), kept as numbers so the table stays constant data.
constexpr Keyword<WORD> kStockIcons[] = {
    {"WINLOGO", 32517}, {"ASTERISK", 32516}, {"EXCLAMATION", 32515},
    {"HAND", 32513},    {"QUESTION", 32514}, {"APPLICATION", 32512},
};

// The styles a button that already carries an icon has under its
// alignment: plain or default, or with the dialog frame as default or as
// check box.
constexpr std::uint32_t kIconChild = WS_CHILD | WS_VISIBLE | BS_ICON;
constexpr std::uint32_t kIconStyles[] = {kIconChild, kIconChild | BS_DEFPUSHBUTTON,
                                         kIconChild | WS_DLGFRAME | BS_DEFPUSHBUTTON,
                                         kIconChild | WS_DLGFRAME | BS_CHECKBOX};
// A disabled button's style starts here; such buttons keep their image.
constexpr std::int32_t kDisabledChild = WS_CHILD | WS_VISIBLE | WS_DISABLED;

// Takes an earlier alignment (BS_RIGHT | BS_BOTTOM at most, tried in steps
// of BS_LEFT) off a button that already carries an icon, so that the new
// alignment is not mixed with the old one. Returns false, changing nothing,
// for a disabled button.
bool StripImageAlignment(HWND button) {
  const auto style = static_cast<std::uint32_t>(GetWindowLongA(button, GWL_STYLE));
  std::uint32_t result = style;
  for (std::uint32_t k = 0; k <= (BS_RIGHT | BS_BOTTOM); k += BS_LEFT) {
    const auto candidate = static_cast<std::int32_t>(style - k);
    if (candidate >= kDisabledChild) return false;
    if (std::find(std::begin(kIconStyles), std::end(kIconStyles),
                  static_cast<std::uint32_t>(candidate)) != std::end(kIconStyles)) {
      result = static_cast<std::uint32_t>(candidate);
      break;
    }
  }
  SetWindowLongA(button, GWL_STYLE, static_cast<LONG>(result));
  return true;
}

// Unless the button is disabled, adds the alignment (unknown words: none)
// and the image kind to the style and hands it the image `load` gives; the
// image is loaded only then. Always 0.
template <class Load>
int PutImage(HWND button, const char* alignment, LONG kind_style, WPARAM image_type, Load load) {
  if (!StripImageAlignment(button)) return 0;
  const LONG align = wk::KeywordValue(kAlignments, alignment, LONG{0});
  SetWindowLongA(button, GWL_STYLE, GetWindowLongA(button, GWL_STYLE) | align | kind_style);
  // BM_SETIMAGE: wParam the image type, lParam the bitmap or icon handle.
  wk::Send(button, BM_SETIMAGE, image_type, load());
  return 0;
}

}  // namespace

extern "C" HWND wk_ButtonCreate(HWND parent, int x, int y, int width, int height,
                                const char* caption, const char* alignment, const char* frame,
                                int id) noexcept {
  const LONG align = wk::KeywordValue(kAlignments, alignment, LONG{BS_CENTER});
  const wk::StylePair f = wk::KeywordValue(kFrames, frame, kDefaultFrame);
  const HWND button =
      CreateWindowExA(f.ex_style, "button", caption, f.style | align | BS_PUSHLIKE, x, y, width,
                      height, parent, wk::ops::ChildId(id), wk::ops::InstanceOf(parent), nullptr);
  if (!button) return nullptr;
  // WM_SETFONT: wParam the font, lParam 0 = no redraw (the button is not shown yet).
  wk::Send(button, WM_SETFONT, GetStockObject(DEFAULT_GUI_FONT));
  ShowWindow(button, SW_SHOW);
  return button;
}

extern "C" HWND wk_ButtonCreateInDialog(HWND dialog, int x, int y, int width, int height,
                                        const char* caption, const char* alignment,
                                        const char* frame, int id) noexcept {
  const LONG align = wk::KeywordValue(kAlignments, alignment, LONG{BS_CENTER});
  const wk::StylePair f = wk::KeywordValue(kFrames, frame, kDefaultFrame);
  if (HWND old = GetDlgItem(dialog, id)) DestroyWindow(old);
  const HWND button = CreateWindowExA(f.ex_style, "button", caption, f.style, x, y, width, height,
                                      dialog, wk::ops::ChildId(id), nullptr, nullptr);
  if (!button) return nullptr;
  SetWindowLongA(button, GWL_STYLE, GetWindowLongA(button, GWL_STYLE) | align);
  // Hidden and shown again so that it is drawn with its final style.
  ShowWindow(button, SW_HIDE);
  ShowWindow(button, SW_SHOW);
  return button;
}

WK_CONTROL_OPS_ALL(Button, SW_SHOWNORMAL, wk::CStrcmp)

WK_CONTROL_OPS_BUTTON_STATE(Button)

extern "C" int wk_ButtonSetBitmap(HWND button, const char* alignment,
                                  const char* bitmap_name) noexcept {
  return PutImage(button, alignment, BS_BITMAP, IMAGE_BITMAP,
                  [&] { return LoadBitmapA(wk::ops::InstanceOf(button), bitmap_name); });
}

extern "C" int wk_ButtonSetIcon(HWND button, const char* alignment,
                                const char* icon_name) noexcept {
  return PutImage(button, alignment, BS_ICON, IMAGE_ICON,
                  [&] { return LoadIconA(wk::ops::InstanceOf(button), icon_name); });
}

// An unknown stock word has no icon: a null image, which removes the
// button's image, is sent.
extern "C" int wk_ButtonSetStockIcon(HWND button, const char* alignment,
                                     const char* stock_icon) noexcept {
  return PutImage(button, alignment, BS_ICON, IMAGE_ICON, [&] {
    const WORD* id = wk::FindKeyword(kStockIcons, stock_icon);
    return id ? LoadIconA(nullptr, MAKEINTRESOURCEA(*id)) : nullptr;
  });
}

WK_CONTROL_OP_SETFONT(Button)

extern "C" int wk_ButtonSetText(HWND button, const char* text) noexcept {
  return SetWindowTextA(button, text) ? 0 : 1;
}

extern "C" int wk_ButtonGetText(HWND button, char* buffer) noexcept {
  if (!buffer) return 0;
  return GetWindowTextA(button, buffer, 255);
}
