// The tone generator's window as the user meets it: controls, painting,
// buttons, the left-arrow key, and the error box when there is no sound.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "tone_app.hpp"
#include "toolkit/core/gdi.hpp"
#include "wk_draw.h"

using tonetest::ToneApp;

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kSilver = RGB(192, 192, 192);
constexpr COLORREF kBlack = RGB(0, 0, 0);

struct ExpectedButton {
  int id;
  const char* caption;
  int x, y;
  bool pushed_and_disabled;
};

// Every button is 100 x 25, "C" and "BAR": BS_PUSHLIKE | BS_CENTER with a
// dialog frame, visible child.
constexpr DWORD kButtonStyle = 0x50401300;
constexpr DWORD kSliderStyle = 0x50400001;  // TBS_AUTOTICKS | TBS_HORZ, "BAR"

const ExpectedButton kButtons[] = {
    {1000, "Sinus", 20, 25, false},    {1001, "Fyrkant", 140, 25, false},
    {1002, "Trekant", 260, 25, false}, {1003, "Brus", 380, 25, false},
    {1004, "", 500, 25, false},        {1005, "", 620, 25, false},
    {1006, "Manuell", 20, 90, true},   {1007, "", 140, 90, false},
    {1008, "", 260, 90, false},        {1009, "", 380, 90, false},
    {1010, "", 500, 90, false},        {1011, "", 620, 90, false},
    {1013, "AV", 20, 530, true},       {1014, "P\xC5", 120, 530, false},
};

using Longs = std::vector<LONG>;

bool Pushed(HWND button) { return SendMessageA(button, BM_GETSTATE, 0, 0) & BST_PUSHED; }

// Pushed and disabled, or enabled and released: the two looks a switch has.
void ExpectActive(HWND button, bool active, const char* what) {
  EXPECT_EQ(Pushed(button), active) << what;
  EXPECT_EQ(IsWindowEnabled(button) != 0, !active) << what;
}

}  // namespace

TEST(MainWindow, IsCentredWithItsStylesAndControlsInPlace) {
  ToneApp app;
  HWND window = app.window();
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(wktest::WindowText(window), tonetest::kTitle);
  EXPECT_EQ(wktest::ClassName(window), tonetest::kTitle);  // the class takes the title as its name
  // Shown once its contents are built; an overlapped window always has a caption.
  constexpr DWORD kStyle = WS_VISIBLE | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
  EXPECT_EQ(GetWindowLongA(window, GWL_STYLE) & (kStyle | WS_MAXIMIZEBOX | WS_THICKFRAME), kStyle);
  EXPECT_EQ(GetClassLongA(window, GCL_STYLE) & CS_NOCLOSE, 0u);

  RECT outer{};
  GetWindowRect(window, &outer);
  const int caption = GetSystemMetrics(SM_CYCAPTION);
  EXPECT_EQ(outer.right - outer.left, 800);
  EXPECT_EQ(outer.bottom - outer.top, 600 + caption);
  EXPECT_EQ(outer.left, (GetSystemMetrics(SM_CXSCREEN) - 800) / 2);
  EXPECT_EQ(outer.top, (GetSystemMetrics(SM_CYSCREEN) - (600 + caption) - caption) / 2);

  int children = 0;
  for (HWND c = GetWindow(window, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) ++children;
  EXPECT_EQ(children, 15);
  EXPECT_EQ(GetDlgItem(window, 1012), nullptr);

  for (const ExpectedButton& b : kButtons) {
    SCOPED_TRACE(b.id);
    HWND button = app.Button(b.id);
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(wktest::ClassName(button), "Button");
    EXPECT_EQ(wktest::WindowText(button), b.caption);
    EXPECT_EQ(wktest::PlaceInParent(button), (Longs{b.x, b.y, 100, 25}));
    const DWORD disabled = b.pushed_and_disabled ? WS_DISABLED : 0;
    EXPECT_EQ(static_cast<DWORD>(GetWindowLongA(button, GWL_STYLE)), kButtonStyle | disabled);
    EXPECT_EQ(GetWindowLongA(button, GWL_EXSTYLE) & WS_EX_CLIENTEDGE, 0);
    ExpectActive(button, b.pushed_and_disabled, b.caption);
  }

  HWND slider = app.Slider();
  ASSERT_NE(slider, nullptr);
  EXPECT_EQ(GetDlgCtrlID(slider), 0);
  EXPECT_EQ(static_cast<DWORD>(GetWindowLongA(slider, GWL_STYLE)), kSliderStyle | WS_DISABLED);
  EXPECT_EQ(wktest::PlaceInParent(slider), (Longs{20, 300, 700, 40}));
  EXPECT_EQ(SendMessageA(slider, TBM_GETRANGEMIN, 0, 0), 0);
  EXPECT_EQ(SendMessageA(slider, TBM_GETRANGEMAX, 0, 0), 25000);
  EXPECT_EQ(SendMessageA(slider, TBM_GETPAGESIZE, 0, 0), 1);
  EXPECT_EQ(SendMessageA(slider, TBM_GETPOS, 0, 0), 0);

  EXPECT_EQ(app.Close(), 0);
}

TEST(MainWindow, PaintsLabelsFramesAndLevelReadouts) {
  ToneApp app;
  ASSERT_NE(app.window(), nullptr);
  // Cover and uncover the window, so the picture comes from a repaint.
  RedrawWindow(app.window(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  // Erased, the window is black until the program's paint reaches the
  // screen, which on a busy machine may be later than any fixed wait: the
  // picture is taken once the first frame stands again, and a moment more.
  // Should it never come, one line says what the screen shows there: a
  // window that Windows counts as shown but that is not on the display
  // reads as all black. Where the window stands, and the screen as this
  // process sees it, tell a window placed off the screen from one the
  // display left out.
  if (!wktest::WaitFor([&] { return tonetest::Snapshot(app.window()).At(50, 8) == kWhite; })) {
    POINT corner{50, 8};
    ClientToScreen(app.window(), &corner);
    RECT placed{};
    GetWindowRect(app.window(), &placed);
    const wk::WindowDC screen(nullptr);
    FAIL() << "no frame after " << wktest::kPatienceMs
           << " ms; shown: " << IsWindowVisible(app.window()) << ", at " << placed.left << ","
           << placed.top << " to " << placed.right << "," << placed.bottom << " on a screen of "
           << GetSystemMetrics(SM_CXVIRTUALSCREEN) << "x" << GetSystemMetrics(SM_CYVIRTUALSCREEN)
           << ", the screen at " << corner.x << "," << corner.y << ": " << std::hex
           << GetPixel(screen.get(), corner.x, corner.y);
  }
  wktest::Pump(300);
  const tonetest::Snapshot shot(app.window());

  // Black background where nothing is drawn.
  for (POINT p : {POINT{790, 590}, POINT{400, 450}, POINT{760, 30}, POINT{100, 200}}) {
    EXPECT_EQ(shot.At(p.x, p.y), kBlack) << p.x << "," << p.y;
  }
  // The two frames: each line stops short of its end point, so the bottom
  // right corner is the one pixel that no line reaches. The level readouts,
  // drawn later, cover the top left corner (up to x 40, y 36) and the top
  // line from x 140 to 172.
  for (int top : {8, 75}) {
    const int bottom = top + 52;
    SCOPED_TRACE(top);
    for (int x = 50; x < 730; x += 40) {
      if (top == 8 && x >= 130 && x < 180) continue;
      EXPECT_EQ(shot.At(x, top), kWhite) << x;
      EXPECT_EQ(shot.At(x, bottom), kWhite) << x;
    }
    for (int y = 40; y < bottom; y += 3) {
      if (y >= top) {
        EXPECT_EQ(shot.At(10, y), kWhite) << y;
      }
    }
    for (int y = top; y < bottom; y += 3) EXPECT_EQ(shot.At(730, y), kWhite) << y;
    EXPECT_EQ(shot.At(729, top), kWhite);
    EXPECT_EQ(shot.At(730, top), kWhite);
    EXPECT_EQ(shot.At(730, bottom - 1), kWhite);
    EXPECT_EQ(shot.At(729, bottom), kWhite);
    EXPECT_EQ(shot.At(730, bottom), kBlack);
    EXPECT_EQ(shot.At(731, top), kBlack);
    EXPECT_EQ(shot.At(730, top - 1), kBlack);
    EXPECT_EQ(shot.At(10, bottom + 1), kBlack);
  }

  // Labels and readouts, pixel for pixel as the platform draws those texts,
  // where nothing covers them: the label of the first row runs under the
  // first readouts, and the second readout under the "Sinus" button.
  HFONT small_font = wk_CreateFont(12, 4, 0, 300, 0, 0, "Arial");
  EXPECT_EQ(tonetest::TextDifferences(shot, 20, 10, "V\xE4lj signaltyp", kWhite, small_font, 0, 0,
                                      {48, 0, 140, 40}),
            0);
  EXPECT_EQ(tonetest::TextDifferences(shot, 20, 77, "V\xE4lj signalmetod", kWhite, small_font, 0),
            0);
  // A label in another font or place would not match.
  EXPECT_GT(tonetest::TextDifferences(shot, 21, 77, "V\xE4lj signalmetod", kWhite, small_font, 0),
            0);
  DeleteObject(small_font);
  EXPECT_EQ(tonetest::TextDifferences(shot, 0, 0, "100.0", kBlack, nullptr, kSilver), 0);
  EXPECT_EQ(
      tonetest::TextDifferences(shot, 0, 20, "100.0", kBlack, nullptr, kSilver, 0, {0, 20, 20, 40}),
      0);
  EXPECT_EQ(tonetest::TextDifferences(shot, 140, 0, "49.9", kBlack, nullptr, kSilver), 0);
  EXPECT_GT(tonetest::TextDifferences(shot, 140, 0, "49.8", kBlack, nullptr, kSilver), 0);

  EXPECT_EQ(app.Close(), 0);
}

TEST(MainWindow, SignalTypesShowTheLastChoiceAndTheSwitchesWorkAsAPair) {
  ToneApp app;
  ASSERT_NE(app.window(), nullptr);
  using tonetest::kAv, tonetest::kPa;
  // Each click, then the signal type and the switch that stand pushed and
  // disabled; the other four of the six are enabled and released, and the
  // slider works only while "PÅ" is the active switch.
  const struct {
    int click, signal, active_switch;
  } kClicks[] = {{1002, 1002, kAv}, {1000, 1000, kAv}, {kPa, 1000, kPa},
                 {1003, 1003, kPa}, {kAv, 1003, kAv},  {1001, 1001, kAv},
                 {kPa, 1001, kPa},  {kAv, 1001, kAv},  {1002, 1002, kAv}};
  for (const auto& step : kClicks) {
    app.Click(step.click);
    SCOPED_TRACE(step.click);
    for (int id : {1000, 1001, 1002, 1003, kAv, kPa}) {
      ExpectActive(app.Button(id), id == step.signal || id == step.active_switch, "");
    }
    EXPECT_EQ(IsWindowEnabled(app.Slider()) != 0, step.active_switch == kPa);
  }
  // Commands that are not plain clicks, or of the unused buttons, change nothing.
  SendMessageA(app.window(), WM_COMMAND, MAKEWPARAM(kPa, BN_SETFOCUS), 0);
  app.Click(1004);
  SendMessageA(app.window(), WM_COMMAND, 999, 0);
  wktest::Pump(50);
  ExpectActive(app.Button(kAv), true, "AV");
  ExpectActive(app.Button(1002), true, "Trekant");
  EXPECT_EQ(app.Close(), 0);
}

TEST(MainWindow, ReadoutFollowsTheHeldStepAndTheLeftArrowBlanksIt) {
  ToneApp app;
  ASSERT_NE(app.window(), nullptr);
  HFONT big_font = wk_CreateFont(80, 30, 0, 300, 0, 0, "Arial");
  auto readout_shows = [&](const char* text) {
    const tonetest::Snapshot shot(app.window());
    return tonetest::TextDifferences(shot, 235, 170, text, kBlack, big_font, kSilver) == 0;
  };
  // Before the first "PÅ" the buffers circulate at step 0: the readout is 0.
  EXPECT_TRUE(wktest::WaitFor([&] { return readout_shows("0"); }));

  app.Click(tonetest::kPa);
  app.DragSlider(441);  // step 220, then 0 at the end of the track
  EXPECT_TRUE(wktest::WaitFor([&] { return readout_shows("440"); }));
  app.DragSlider(1);  // step 0: the held step and the readout stay
  wktest::Pump(300);
  EXPECT_TRUE(readout_shows("440"));
  app.DragSlider(25000);
  EXPECT_TRUE(wktest::WaitFor([&] { return readout_shows("25000"); }));
  // Back to a shorter number: the blank under it covers the longer one's
  // tail (from x 330, right of "440").
  app.DragSlider(441);
  EXPECT_TRUE(wktest::WaitFor([&] { return readout_shows("440"); }));
  EXPECT_EQ(tonetest::TextDifferences(tonetest::Snapshot(app.window()), 235, 170, "            ",
                                      kBlack, big_font, kSilver, 0, {330, 0, 0x7FFF, 0x7FFF}),
            0);

  // After "AV" and the last buffers, nothing redraws the readout: the left
  // arrow leaves 0 there for good.
  app.Click(tonetest::kAv);
  wktest::Pump(500);
  SendMessageA(app.window(), WM_KEYDOWN, VK_LEFT, 0);
  wktest::Pump(500);
  EXPECT_TRUE(readout_shows("0"));
  DeleteObject(big_font);
  EXPECT_EQ(app.Close(), 0);
}

// Keys typed as a person types them reach the program through its own
// message loop: Alt+Space becomes a system character only where the loop
// translates key messages, and that character opens the window menu.
TEST(MainWindow, TypedAltSpaceOpensTheWindowMenu) {
  ToneApp app;
  ASSERT_NE(app.window(), nullptr);
  SetForegroundWindow(app.window());
  ASSERT_TRUE(wktest::WaitFor([&] { return GetForegroundWindow() == app.window(); }));
  const auto key = [](WORD vk, DWORD up) {
    INPUT in{};
    in.type = INPUT_KEYBOARD;
    in.ki.wVk = vk;
    in.ki.dwFlags = up;
    return in;
  };
  INPUT alt_space[] = {key(VK_MENU, 0), key(VK_SPACE, 0), key(VK_SPACE, KEYEVENTF_KEYUP),
                       key(VK_MENU, KEYEVENTF_KEYUP)};
  SendInput(4, alt_space, sizeof(INPUT));
  HWND menu = nullptr;
  EXPECT_TRUE(wktest::WaitFor([&] {
    menu = FindWindowA("#32768", nullptr);  // the class of every popup menu
    DWORD pid = 0;
    GetWindowThreadProcessId(menu, &pid);
    return menu && IsWindowVisible(menu) && pid == app.process().pid();
  }));
  wktest::PressKey(VK_ESCAPE);
  EXPECT_TRUE(wktest::WaitFor([&] { return !IsWindowVisible(menu); }));
  EXPECT_EQ(app.Close(), 0);
}

namespace {
// Takes the bench's sound away for the scope: with no audio driver the
// wave mapper has no device to open.
class NoSoundDevice {
 public:
  NoSoundDevice() {
    RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\Wine\\Drivers", 0, nullptr, 0, KEY_ALL_ACCESS,
                    nullptr, &key_, nullptr);
    RegSetValueExA(key_, "Audio", 0, REG_SZ, reinterpret_cast<const BYTE*>(""), 1);
  }
  ~NoSoundDevice() {
    RegDeleteValueA(key_, "Audio");
    RegCloseKey(key_);
  }

 private:
  HKEY key_ = nullptr;
};

}  // namespace

TEST(MainWindow, WithoutASoundDeviceTheErrorBoxIsOwnedAndTheWindowGoesOn) {
  std::unique_ptr<NoSoundDevice> no_sound = std::make_unique<NoSoundDevice>();
  wktest::AppProcess process(WK_APP_EXE);
  ASSERT_TRUE(process.started());
  HWND box = process.FindWindowByTitle("DazuRedu", wktest::kPatienceMs, "#32770");
  no_sound.reset();
  ASSERT_NE(box, nullptr);
  const wktest::DialogSeen seen = wktest::Describe(box);
  EXPECT_EQ(seen.text, "Error opening waveform audio device!");
  HWND window = process.FindWindowByTitle(tonetest::kTitle);
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(seen.owner, window);
  EXPECT_NE(SendDlgItemMessageA(box, 0x440, STM_GETICON, 0, 0), 0);  // the exclamation icon
  PostMessageA(box, WM_COMMAND, IDOK, 0);

  // The window carries on without sound: the switches and the slider work.
  ASSERT_TRUE(wktest::WaitFor([&] { return IsWindowVisible(window) != 0; }));
  SendMessageA(GetDlgItem(window, tonetest::kPa), BM_CLICK, 0, 0);
  wktest::Pump(100);
  EXPECT_TRUE(IsWindowEnabled(FindWindowExA(window, nullptr, TRACKBAR_CLASSA, nullptr)));
  SendMessageA(window, WM_HSCROLL, MAKEWPARAM(TB_THUMBTRACK, 441), 0);
  SendMessageA(GetDlgItem(window, tonetest::kAv), BM_CLICK, 0, 0);
  SendMessageA(GetDlgItem(window, tonetest::kPa), BM_CLICK, 0, 0);
  wktest::Pump(300);
  EXPECT_TRUE(IsWindow(window));
  PostMessageA(window, WM_CLOSE, 0, 0);
  EXPECT_EQ(process.WaitExit(), 0);
}
