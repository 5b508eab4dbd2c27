#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include "tests/support/creation_styles.hpp"
#include "tests/support/wktest.hpp"
#include "wk_controls.h"
#include "wk_windows.h"

using wktest::DialogAnswerer;

namespace {

TEST(UpDown, BothKindsWithRangePositionPlaceAndBorder) {
  wktest::TestWindow window;
  wktest::CreationStyles created(UPDOWN_CLASSA);
  HWND v = wk_UpDownCreate(window, 30, 40, 20, 50, "B", 100, 5, 42);
  // The control draws its border itself and takes WS_BORDER off its style.
  EXPECT_EQ(created.last_style(), 0x50800000u);
  HWND h = wk_UpDownCreateHorz(window, 60, 40, 50, 20, "b", 10, 0, 3);
  EXPECT_EQ(created.last_style(), 0x50000000u | UDS_HORZ);
  ASSERT_NE(v, nullptr);
  ASSERT_NE(h, nullptr);
  EXPECT_TRUE(GetWindowLongA(h, GWL_STYLE) & UDS_HORZ);
  EXPECT_EQ(GetDlgCtrlID(v), 9);
  EXPECT_EQ(SendMessageA(v, UDM_GETBUDDY, 0, 0), 0);
  INT lower = 0, upper = 0;
  SendMessageA(v, UDM_GETRANGE32, reinterpret_cast<WPARAM>(&lower),
               reinterpret_cast<LPARAM>(&upper));
  EXPECT_EQ(lower, 5);
  EXPECT_EQ(upper, 100);
  EXPECT_EQ(SendMessageA(v, UDM_GETPOS32, 0, 0), 42);
  wk_UpDownGetPosition(v);
  EXPECT_EQ(std::make_pair(wk_ResultX, wk_ResultY), std::make_pair(30, 40));
  wk_UpDownGetSize(h);
  EXPECT_EQ(std::make_pair(wk_ResultX, wk_ResultY), std::make_pair(50, 20));
}

TEST(UpDown, PositionFromTheParentsScrollMessage) {
  wktest::TestWindow window;
  HWND v = wk_UpDownCreate(window, 30, 40, 20, 50, "", 100, 0, 7);
  HWND other = wk_UpDownCreate(window, 80, 40, 20, 50, "", 100, 0, 7);
  // A press on the upper arrow raises the position and tells the parent.
  SendMessageA(v, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 5));
  SendMessageA(v, WM_LBUTTONUP, 0, MAKELPARAM(10, 5));
  wktest::Pump(50);
  bool seen = false;
  for (const auto& m : window.Of(WM_VSCROLL)) {
    if (LOWORD(m.wparam) == SB_THUMBPOSITION) {
      EXPECT_EQ(wk_UpDownPosFromScroll(v, m.wparam, m.lparam), 8);
      EXPECT_EQ(wk_UpDownPosFromScroll(other, m.wparam, m.lparam), -1);
      seen = true;
    }
  }
  EXPECT_TRUE(seen);
  // The position is the unsigned high word: 0xFFFF is 65535, not -1.
  const LPARAM from_v = reinterpret_cast<LPARAM>(v);
  EXPECT_EQ(wk_UpDownPosFromScroll(v, MAKEWPARAM(SB_THUMBPOSITION, 0xFFFF), from_v), 65535);
}

// Ids of the colour dialog's fields and buttons.
constexpr int kRed = 706, kGreen = 707, kBlue = 708, kAddCustom = 712;

struct Shown {
  UINT red = 0, green = 0, blue = 0;
};

// Reads the colour the dialog shows on opening, then runs `then`.
DialogAnswerer::Action ReadThen(Shown& shown, DialogAnswerer::Action then) {
  return [&shown, then](HWND dialog) {
    shown.red = GetDlgItemInt(dialog, kRed, nullptr, FALSE);
    shown.green = GetDlgItemInt(dialog, kGreen, nullptr, FALSE);
    shown.blue = GetDlgItemInt(dialog, kBlue, nullptr, FALSE);
    then(dialog);
  };
}

TEST(ColourDialog, WhiteEveryTimeCustomColoursKeptLastColourOnlyWhenConfirmed) {
  wktest::TestWindow window;
  Shown first, second;
  DialogAnswerer answerer(ReadThen(first, [](HWND dialog) {
    SetDlgItemInt(dialog, kRed, 10, FALSE);
    SetDlgItemInt(dialog, kGreen, 20, FALSE);
    SetDlgItemInt(dialog, kBlue, 30, FALSE);
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(kAddCustom, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, kAddCustom)));
    PostMessageA(dialog, WM_COMMAND, IDOK, 0);
  }));
  EXPECT_EQ(wk_ChooseColor(window), static_cast<int>(RGB(10, 20, 30)));
  EXPECT_EQ(wk_LastColor, RGB(10, 20, 30));
  EXPECT_EQ(first.red + first.green + first.blue, 3u * 255);
  EXPECT_EQ(wk_CustomColors[0], RGB(10, 20, 30));
  EXPECT_EQ(wk_ColorDialogRecord.lStructSize, wktest::RecordSize(36, sizeof(CHOOSECOLORA)));
  EXPECT_EQ(wk_ColorDialogRecord.Flags, static_cast<DWORD>(CC_RGBINIT | CC_SHOWHELP));
  EXPECT_EQ(wk_ColorDialogRecord.hwndOwner, window.get());

  // Second time: white again; the custom colour is offered (the dialog is
  // given the same custom colours, the first of them the chosen colour);
  // cancelled, so the last colour stays. The record is read while the
  // dialog is open: what the dialog paints from it is the platform's.
  COLORREF offered = 0;
  answerer.Then(ReadThen(second, [&offered](HWND dialog) {
    if (wk_ColorDialogRecord.lpCustColors == wk_CustomColors)
      offered = wk_ColorDialogRecord.lpCustColors[0];
    PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
  }));
  EXPECT_EQ(wk_ChooseColor(window), -1);
  EXPECT_EQ(second.red + second.green + second.blue, 3u * 255);
  EXPECT_EQ(offered, RGB(10, 20, 30));
  EXPECT_EQ(wk_LastColor, RGB(10, 20, 30));
  EXPECT_EQ(answerer.unexpected(), 0);
}

}  // namespace
