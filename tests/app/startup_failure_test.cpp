// The start-up routine when its main window cannot be made.
//
// The routine is compiled into this test program so that the failure can be
// provoked: the window class named after the title is registered first, so
// the toolkit cannot register it again and makes no window.
#include <gtest/gtest.h>

#include "app/startup.cpp"  // NOLINT(bugprone-suspicious-include)

TEST(Startup, EndsWithNonZeroCodeWhenTheMainWindowCannotBeMade) {
  WNDCLASSA wc{};
  wc.lpfnWndProc = DefWindowProcA;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.lpszClassName = kTitle;
  ASSERT_TRUE(RegisterClassA(&wc));
  // Without a window nothing would post the quit message; the routine must
  // return instead of waiting in its loop.
  EXPECT_EQ(CommandLineRoutine(), kNoMainWindow);
  EXPECT_NE(kNoMainWindow, 0);
}
