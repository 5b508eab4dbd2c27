// Image buttons, check boxes, radio buttons and group boxes on a real window.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "wk_controls.h"
#include "wktest.hpp"

namespace {

constexpr COLORREF kReleased = RGB(0, 0, 255);  // the two bitmaps of this program
constexpr COLORREF kPressed = RGB(255, 128, 0);

// The system double-click time is kept in the prefix: every test puts the
// user's value back.
class ImageButton : public testing::Test {
 protected:
  void SetUp() override { saved = GetDoubleClickTime(); }
  void TearDown() override { SetDoubleClickTime(saved); }
  UINT saved = 0;
  wktest::TestWindow host;
};

std::vector<WPARAM> g_timer_ids;
WNDPROC g_button_proc = nullptr;
LRESULT CALLBACK TimerSpy(HWND w, UINT m, WPARAM wp, LPARAM lp) {
  if (m == WM_TIMER) g_timer_ids.push_back(wp);
  return CallWindowProcA(g_button_proc, w, m, wp, lp);
}

}  // namespace

TEST_F(ImageButton, CreatedOwnerDrawnWithTheToolkitsProcedureAndTimer) {
  HWND plain = wk_ImageButtonCreate(host, 10, 10, 48, 32, "b", 501);
  HWND framed = wk_ImageButtonCreate(host, 70, 10, 48, 32, "B", 502);
  ASSERT_NE(plain, nullptr);
  EXPECT_EQ(static_cast<DWORD>(GetWindowLongA(plain, GWL_STYLE)), 0x5000000Bu);
  EXPECT_EQ(static_cast<DWORD>(GetWindowLongA(framed, GWL_STYLE)), 0x5080000Bu);
  EXPECT_EQ(GetWindowLongA(framed, GWL_EXSTYLE), 0);
  EXPECT_EQ(GetDlgCtrlID(framed), 502);
  EXPECT_EQ(wktest::ClassName(plain), "Button");
  EXPECT_EQ(reinterpret_cast<WNDPROC>(GetWindowLongPtrA(plain, GWLP_WNDPROC)), &wk_ImageButtonProc);
  EXPECT_EQ(wk_SavedDoubleClickTime, saved);
  WNDCLASSA button_class{};
  GetClassInfoA(nullptr, "BUTTON", &button_class);
  EXPECT_EQ(wk_ImageButtonBaseProc, button_class.lpfnWndProc);

  // The timer reaches the button as WM_TIMER with id 100 (it has no procedure).
  g_timer_ids.clear();
  g_button_proc = wk_SetWindowProc(plain, TimerSpy);
  EXPECT_TRUE(wktest::WaitFor([] { return g_timer_ids.size() >= 2; }));
  for (WPARAM id : g_timer_ids) EXPECT_EQ(id, 100u);
  wk_SetWindowProc(plain, g_button_proc);
}

TEST_F(ImageButton, DoubleClickTimeIsShortOnlyWhileTheMouseIsOver) {
  HWND button = wk_ImageButtonCreate(host, 10, 10, 48, 32, "", 501);
  SendMessageA(button, WM_NCHITTEST, 0, MAKELPARAM(20, 20));
  EXPECT_EQ(GetDoubleClickTime(), 10u);
  // Within 200 ms the timer puts the saved time back.
  EXPECT_TRUE(wktest::WaitFor([&] { return GetDoubleClickTime() == saved; }));

  SendMessageA(button, WM_NCHITTEST, 0, 0);
  wk_ImageButtonDestroy(button);  // WM_DESTROY restores it too
  EXPECT_EQ(GetDoubleClickTime(), saved);

  // A button made while another is tracked (a click that opens a window of
  // image buttons) must not take the 10 ms for the user's time.
  HWND tracked = wk_ImageButtonCreate(host, 10, 10, 48, 32, "", 501);
  SendMessageA(tracked, WM_NCHITTEST, 0, MAKELPARAM(20, 20));
  wk_ImageButtonCreate(host, 70, 10, 48, 32, "", 502);
  EXPECT_EQ(wk_SavedDoubleClickTime, saved);
  EXPECT_TRUE(wktest::WaitFor([&] { return GetDoubleClickTime() == saved; }));
}

TEST_F(ImageButton, FailedCreationStartsNoTimer) {
  EXPECT_EQ(wk_ImageButtonCreate(nullptr, 10, 10, 48, 32, "", 501), nullptr);
  // A timer without a window would tick for the thread, message after message.
  int thread_ticks = 0;
  for (const DWORD end = GetTickCount() + 500; static_cast<LONG>(GetTickCount() - end) < 0;) {
    MSG msg{};
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      if (msg.message == WM_TIMER && msg.hwnd == nullptr && msg.lParam == 0) ++thread_ticks;
      DispatchMessageA(&msg);
    }
    Sleep(10);
  }
  EXPECT_EQ(thread_ticks, 0);
}

TEST_F(ImageButton, MouseMovesAreReportedToTheParentWithTheButtonsHandle) {
  HWND button = wk_ImageButtonCreate(host, 10, 10, 48, 32, "", 501);
  host.Clear();
  SendMessageA(button, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(3, 4));
  wktest::Pump(50);
  // The real mouse may move over the window too; the button's reports are
  // the ones that carry its handle.
  std::vector<wktest::TestWindow::Message> reports;
  for (const auto& m : host.Of(WM_MOUSEMOVE)) {
    if (m.lparam == reinterpret_cast<LPARAM>(button)) reports.push_back(m);
  }
  ASSERT_EQ(reports.size(), 1u);
  EXPECT_EQ(reports[0].wparam, 0u);
}

TEST_F(ImageButton, ParentDrawsTheReleasedOrPressedBitmap) {
  HWND button = wk_ImageButtonCreate(host, 20, 20, 48, 32, "", 501);
  HWND other = wk_ImageButtonCreate(host, 100, 20, 48, 32, "", 502);
  int draws_for_other = 0;
  host.OnMessage([&](HWND, UINT m, WPARAM wp, LPARAM lp) -> std::optional<LRESULT> {
    if (m != WM_DRAWITEM) return std::nullopt;
    const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lp);
    // Every button is offered the message; only its own id draws.
    if (static_cast<int>(wp) == 502) ++draws_for_other;
    return wk_ImageButtonDraw(button, static_cast<int>(wp), item, "WK_RELEASED", "WK_PRESSED");
  });
  InvalidateRect(button, nullptr, TRUE);
  InvalidateRect(other, nullptr, TRUE);
  wktest::Pump(100);
  EXPECT_EQ(wktest::PixelAt(button, 24, 16), kReleased);
  EXPECT_GT(draws_for_other, 0);
  EXPECT_NE(wktest::PixelAt(other, 24, 16), kReleased);  // not drawn by the wrong id

  wk_ImageButtonSetPushed(button);
  wktest::Pump(100);
  EXPECT_TRUE(wk_ImageButtonGetState(button) & BST_PUSHED);
  EXPECT_EQ(wktest::PixelAt(button, 24, 16), kPressed);
  wk_ImageButtonSetReleased(button);
  wktest::Pump(100);
  EXPECT_FALSE(wk_ImageButtonGetState(button) & BST_PUSHED);
  EXPECT_EQ(wktest::PixelAt(button, 24, 16), kReleased);

  DRAWITEMSTRUCT item{};
  EXPECT_EQ(wk_ImageButtonDraw(button, 502, &item, "WK_RELEASED", "WK_PRESSED"), 0);

  // Paint copies at once, through the button's own device context.
  EXPECT_EQ(wk_ImageButtonPaint(other, "WK_PRESSED"), 0);
  EXPECT_EQ(wktest::PixelAt(other, 2, 2), kPressed);
}

TEST_F(ImageButton, DisableAndEnableReturnFixedValues) {
  HWND button = wk_ImageButtonCreate(host, 20, 20, 48, 32, "", 501);
  EXPECT_EQ(wk_ImageButtonDisable(button), 1);
  EXPECT_EQ(wk_ImageButtonDisable(button), 1);
  EXPECT_FALSE(IsWindowEnabled(button));
  EXPECT_EQ(wk_ImageButtonEnable(button), 0);
  EXPECT_EQ(wk_ImageButtonEnable(button), 0);
  EXPECT_TRUE(IsWindowEnabled(button));
}

TEST(CheckBox, SizesItselfToItsCaption) {
  wktest::TestWindow window;
  HWND square = wk_CheckCreate(window, 10, 10, "SQUARE", "Ljud p\xE5", 7);
  HWND round = wk_CheckCreate(window, 10, 40, "ROUND", "Brus", 8);
  ASSERT_NE(square, nullptr);
  ASSERT_NE(round, nullptr);
  EXPECT_EQ(static_cast<DWORD>(GetWindowLongA(square, GWL_STYLE)), 0x50000003u);
  EXPECT_EQ(static_cast<DWORD>(GetWindowLongA(round, GWL_STYLE)), 0x50000009u);
  EXPECT_EQ(GetDlgCtrlID(round), 8);
  EXPECT_EQ(wk_CheckCreate(window, 10, 70, "square", "x", 9), nullptr);

  // Measured with the parent's device context and its current font.
  auto expected = [](HWND measured_on, const char* text) {
    HDC dc = GetDC(measured_on);
    SIZE s{};
    GetTextExtentPoint32A(dc, text, lstrlenA(text), &s);
    ReleaseDC(measured_on, dc);
    return SIZE{s.cx + 20, s.cy < 16 ? 16 : s.cy};
  };
  RECT r{};
  GetWindowRect(square, &r);
  const SIZE want = expected(window, "Ljud p\xE5");
  EXPECT_EQ(r.right - r.left, want.cx);
  EXPECT_EQ(r.bottom - r.top, want.cy);

  EXPECT_EQ(wk_CheckSetText(square, "En mycket l\xE4ngre text"), 0);
  GetWindowRect(square, &r);
  const SIZE longer = expected(square, "En mycket l\xE4ngre text");
  EXPECT_EQ(r.right - r.left, longer.cx);
  EXPECT_EQ(r.bottom - r.top, longer.cy);
  char buffer[255];
  EXPECT_EQ(wk_CheckGetText(square, buffer), 21);
  EXPECT_STREQ(buffer, "En mycket l\xE4ngre text");
}

TEST(CheckBox, CheckedState) {
  wktest::TestWindow window;
  HWND box = wk_CheckCreate(window, 10, 10, "SQUARE", "Val", 7);
  EXPECT_EQ(wk_CheckGetState(box) & BST_CHECKED, 0);
  EXPECT_EQ(wk_CheckSet(box), 0);
  EXPECT_EQ(wk_CheckGetState(box) & BST_CHECKED, BST_CHECKED);
  EXPECT_EQ(wk_CheckClear(box), 0);
  EXPECT_EQ(wk_CheckGetState(box) & BST_CHECKED, 0);
}

TEST(GroupBox, TitledFrameWithChildIdZero) {
  wktest::TestWindow window;
  HWND group = wk_GroupCreate(window, 5, 5, 200, 100, "Signal");
  ASSERT_NE(group, nullptr);
  EXPECT_EQ(static_cast<DWORD>(GetWindowLongA(group, GWL_STYLE)), 0x50000007u);
  EXPECT_EQ(GetDlgCtrlID(group), 0);
  EXPECT_EQ(wktest::WindowText(group), "Signal");
}

TEST(SetWindowProc, ReplacesAndReturnsThePreviousProcedure) {
  wktest::TestWindow window;
  static int calls = 0;
  struct Local {
    static LRESULT CALLBACK Proc(HWND w, UINT m, WPARAM wp, LPARAM lp) {
      if (m == WM_USER + 7) return ++calls;
      return DefWindowProcA(w, m, wp, lp);
    }
  };
  WNDPROC previous = wk_SetWindowProc(window, Local::Proc);
  ASSERT_NE(previous, nullptr);
  EXPECT_EQ(SendMessageA(window, WM_USER + 7, 0, 0), 1);
  EXPECT_EQ(wk_SetWindowProc(window, previous), &Local::Proc);
  EXPECT_EQ(SendMessageA(window, WM_USER + 7, 0, 0), 0);
}
