#include <windows.h>
#include <richedit.h>

#include <gtest/gtest.h>

#include <string>

#include "tests/support/wktest.hpp"
#include "tests/text/rich_edit_support.hpp"
#include "toolkit/files/file_dialogs.hpp"
#include "wk_controls.h"
#include "wk_files.h"

using wktest::DialogAnswerer;

namespace {

// The font dialog's items.
constexpr int kFace = 0x470, kStyle = 0x471, kSize = 0x472, kColour = 0x473, kScript = 0x474;
constexpr int kStrikeOut = 0x410;

// Chooses the list entry with this text and tells the dialog, as a click does.
void Pick(HWND dialog, int id, const char* text) {
  HWND combo = GetDlgItem(dialog, id);
  const LRESULT index = SendMessageA(combo, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                     reinterpret_cast<LPARAM>(text));
  ASSERT_NE(index, CB_ERR) << text;
  SendMessageA(combo, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
  SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo));
}

// Chooses the colour entry whose value is `colour`.
void PickColour(HWND dialog, COLORREF colour) {
  HWND combo = GetDlgItem(dialog, kColour);
  const LRESULT n = SendMessageA(combo, CB_GETCOUNT, 0, 0);
  for (LRESULT i = 0; i < n; ++i) {
    if (static_cast<COLORREF>(SendMessageA(combo, CB_GETITEMDATA, i, 0)) == colour) {
      SendMessageA(combo, CB_SETCURSEL, static_cast<WPARAM>(i), 0);
      SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(kColour, CBN_SELCHANGE),
                   reinterpret_cast<LPARAM>(combo));
      return;
    }
  }
  ADD_FAILURE() << "no colour entry " << std::hex << colour;
}

std::string ItemText(HWND dialog, int id) { return wktest::WindowText(GetDlgItem(dialog, id)); }

struct Seen {
  std::string face, size;
  bool effects_shown = false, script_enabled = false;
  HWND owner = nullptr;
};

DialogAnswerer::Action Look(Seen& seen, DialogAnswerer::Action then) {
  return [&seen, then](HWND dialog) {
    seen.face = ItemText(dialog, kFace);
    seen.size = ItemText(dialog, kSize);
    seen.effects_shown = IsWindowVisible(GetDlgItem(dialog, kStrikeOut)) != FALSE;
    seen.script_enabled = IsWindowEnabled(GetDlgItem(dialog, kScript)) != FALSE;
    seen.owner = GetWindow(dialog, GW_OWNER);
    then(dialog);
  };
}

// A face the bench's prefix has (Wine's own fonts).
constexpr const char* kFaceName = "Tahoma";

HFONT Tahoma(int height) {
  return CreateFontA(height, 0, 0, 0, 400, 0, 0, 0, 0, 0, 0, 0, 0, kFaceName);
}

// A rich edit whose whole text is Tahoma 10, first five characters selected.
struct TahomaRichEdit : richtest::RichWindow {
  TahomaRichEdit() : RichWindow("hello world") {
    wk_RichEditFormatRange(rich, 0, 11, kFaceName, 10, 0, RGB(0, 0, 0));
    wk_RichEditSelect(rich, 0, 5);
  }
};

TEST(FontDialogPlain, CancelReturnsTheGivenFontAndKeepsItsDescription) {
  wktest::TestWindow window;
  HFONT current = Tahoma(-16);
  Seen seen;
  DialogAnswerer answerer(Look(seen, DialogAnswerer::Press(IDCANCEL)));
  wk_LastColor = 0x123456;
  EXPECT_EQ(wk_FontDialog(window, "OFF", "plain", current), current);
  EXPECT_STREQ(wk::ChosenFont().lfFaceName, kFaceName);
  EXPECT_EQ(wk::ChosenFont().lfHeight, -16);
  EXPECT_EQ(seen.face, kFaceName);
  EXPECT_FALSE(seen.effects_shown);
  EXPECT_TRUE(seen.script_enabled);
  EXPECT_EQ(wk_LastColor, 0x123456u);
  DeleteObject(current);
}

TEST(FontDialogPlain, ChosenFontAndColour) {
  wktest::TestWindow window;
  HFONT current = Tahoma(-16);
  Seen seen;
  DialogAnswerer answerer(Look(seen, [](HWND dialog) {
    Pick(dialog, kSize, "14");
    PickColour(dialog, RGB(255, 0, 0));
    SendMessageA(dialog, WM_COMMAND, IDOK, 0);
  }));
  HFONT font = wk_FontDialog(window, "ON", "OFF", current);
  ASSERT_NE(font, nullptr);
  EXPECT_NE(font, current);
  EXPECT_TRUE(seen.effects_shown);
  EXPECT_FALSE(seen.script_enabled);
  EXPECT_EQ(wk_LastColor, RGB(255, 0, 0));
  LOGFONTA lf{};
  GetObjectA(font, sizeof lf, &lf);
  EXPECT_STREQ(lf.lfFaceName, kFaceName);
  HDC dc = GetDC(window);
  EXPECT_EQ(lf.lfHeight, -MulDiv(14, GetDeviceCaps(dc, LOGPIXELSY), 72));
  ReleaseDC(window, dc);
  EXPECT_EQ(wk::ChosenFont().lfHeight, lf.lfHeight);
  DeleteObject(font);
  DeleteObject(current);
}

TEST(FontDialogRichText, FormatsOnlyTheSelection) {
  TahomaRichEdit w;
  Seen seen;
  DialogAnswerer answerer(Look(seen, [](HWND dialog) {
    Pick(dialog, kSize, "14");
    Pick(dialog, kStyle, "Bold");
    PickColour(dialog, RGB(0, 0, 255));
    SendMessageA(dialog, WM_COMMAND, IDOK, 0);
  }));
  HFONT font = wk_FontDialog(w.rich, "ON", "RTF_AND_ON", nullptr);
  ASSERT_NE(font, nullptr);
  // The dialog opened on the selection's font, owned by the control's window.
  EXPECT_EQ(seen.face, kFaceName);
  EXPECT_EQ(seen.size, "10");
  EXPECT_EQ(seen.owner, w.window.get());
  EXPECT_TRUE(seen.script_enabled);

  const CHARFORMATA chosen = richtest::FormatAt(w.rich, 2);
  EXPECT_EQ(chosen.yHeight, 280);
  EXPECT_TRUE(chosen.dwEffects & CFE_BOLD);
  EXPECT_EQ(chosen.crTextColor, RGB(0, 0, 255));
  EXPECT_STREQ(chosen.szFaceName, kFaceName);
  const CHARFORMATA rest = richtest::FormatAt(w.rich, 7);
  EXPECT_EQ(rest.yHeight, 200);
  EXPECT_FALSE(rest.dwEffects & CFE_BOLD);
  EXPECT_EQ(rest.crTextColor, RGB(0, 0, 0));
  EXPECT_EQ(wk_LastColor, RGB(0, 0, 255));
  EXPECT_EQ(wk::ChosenFont().lfWeight, 700);
  DeleteObject(font);
}

TEST(FontDialogRichText, CancelReturnsNullAndChangesNothing) {
  TahomaRichEdit w;
  Seen seen;
  DialogAnswerer answerer(Look(seen, [](HWND dialog) {
    Pick(dialog, kSize, "20");
    SendMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
  }));
  EXPECT_EQ(wk_FontDialog(w.rich, "OFF", "RTF_AND_OFF", nullptr), nullptr);
  EXPECT_FALSE(seen.script_enabled);
  EXPECT_FALSE(seen.effects_shown);
  EXPECT_EQ(richtest::FormatAt(w.rich, 2).yHeight, 200);
  // The record keeps what was read from the selection.
  EXPECT_STREQ(wk::ChosenFont().lfFaceName, kFaceName);
  EXPECT_EQ(wk::ChosenFont().lfWeight, 400);
}

}  // namespace
