// One window with a filled list view, combo boxes, image buttons, check
// boxes, radio buttons and group boxes together, as a program would show
// them. WK_LOOK_MS keeps it on screen for a look or a screenshot.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <optional>

#include "wk_controls.h"
#include "wk_text.h"
#include "wktest.hpp"

TEST(Gallery, ListComboImageCheckAndGroupTogether) {
  INITCOMMONCONTROLSEX icc{sizeof icc, ICC_LISTVIEW_CLASSES};
  InitCommonControlsEx(&icc);
  wktest::TestWindow window(720, 520, "Listor, val och knappar");
  HWND play = nullptr;
  HWND stop = nullptr;
  window.OnMessage([&](HWND, UINT m, WPARAM wp, LPARAM lp) -> std::optional<LRESULT> {
    if (m != WM_DRAWITEM) return std::nullopt;
    const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lp);
    wk_ImageButtonDraw(play, static_cast<int>(wp), item, "WK_PLAY_UP", "WK_PLAY_DOWN");
    wk_ImageButtonDraw(stop, static_cast<int>(wp), item, "WK_PLAY_UP", "WK_PLAY_DOWN");
    return TRUE;
  });

  wk_GroupCreate(window, 10, 5, 440, 250, "Tonlista");
  HWND list = wk_ListCreate(window, 20, 25, 420, 220);
  wk_ListInsertColumn(list, 90, "L", "Signal", 0);
  wk_ListInsertColumn(list, 90, "R", "Frekvens", 1);
  wk_ListInsertColumn(list, 80, "C", "Niv\xE5", 2);
  wk_ListInsertColumn(list, 150, "L", "Anteckning", 3);
  const char* rows[][4] = {{"Sinus", "440", "-6 dB", "Kammarton A"},
                           {"Fyrkant", "1000", "-12 dB", "Provton"},
                           {"Trekant", "250", "-3 dB", "Mjuk"},
                           {"Brus", "0", "-20 dB", "Vitt brus"},
                           {"Sinus", "25000", "-6 dB", "\xD6vre gr\xE4ns"}};
  wk_ListLastRow = -1;
  for (int r = 0; r < 5; ++r) {
    for (int c = 0; c < 4; ++c) wk_ListSetCell(list, rows[r][c], r + 1, c);
  }

  wk_GroupCreate(window, 460, 5, 240, 250, "Val");
  HWND kind = wk_ComboCreate(window, 475, 30, 210, 150, "READDROP");
  for (const char* t : {"Sinus", "Fyrkant", "Trekant", "Brus"}) wk_ComboAddItem(kind, t);
  SendMessageA(kind, CB_SETCURSEL, 0, 0);
  HWND freq = wk_ComboCreate(window, 475, 65, 210, 150, "WRITEDROPSORT");
  for (const char* t : {"440", "1000", "250"}) wk_ComboAddItem(freq, t);
  wk_ComboInsertItem(freq, 0, "880 Hz");
  HWND simple = wk_ComboCreate(window, 475, 100, 210, 140, "SIMPLE");
  for (const char* t : {"V\xE4nster", "H\xF6ger",
                        "B\xE5"
                        "da"})
    wk_ComboAddItem(simple, t);
  wk_ComboInsertItem(simple, 0,
                     "B\xE5"
                     "da");

  wk_GroupCreate(window, 10, 265, 440, 110, "Inst\xE4llningar");
  HWND loop = wk_CheckCreate(window, 25, 290, "SQUARE", "Upprepa", 201);
  wk_CheckSet(loop);
  wk_CheckCreate(window, 25, 315, "SQUARE", "Tona in och ut", 202);
  HWND mono = wk_CheckCreate(window, 240, 290, "ROUND", "Mono", 203);
  wk_CheckCreate(window, 240, 315, "ROUND", "Stereo", 204);
  wk_CheckSet(mono);

  wk_GroupCreate(window, 460, 265, 240, 110, "Uppspelning");
  play = wk_ImageButtonCreate(window, 480, 295, 64, 40, "", 301);
  stop = wk_ImageButtonCreate(window, 560, 295, 64, 40, "B", 302);
  wk_ImageButtonSetPushed(stop);

  wktest::Pump(300);
  EXPECT_EQ(wk_ListRowCount(list), 5);
  // The image buttons show their bitmaps: the released one's light face and
  // green arrow, and the pressed one's darker face.
  EXPECT_EQ(wktest::PixelAt(play, 5, 20), RGB(220, 220, 220));
  EXPECT_EQ(wktest::PixelAt(play, 28, 20), RGB(0, 140, 0));
  EXPECT_EQ(wktest::PixelAt(stop, 5, 20), RGB(180, 180, 180));
  wktest::PauseForLook();
}
