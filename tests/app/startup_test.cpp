// The tone generator started as a user starts it.
#include <gtest/gtest.h>

#include "wktest.hpp"

namespace {
constexpr char kTitle[] = "Vindra - En tongenerator";
}

TEST(Startup, MainWindowOpensWithItsStylesAndClosesWithExitCodeZero) {
  wktest::AppProcess app(WK_APP_EXE);
  ASSERT_TRUE(app.started());
  HWND window = app.FindWindowByTitle(kTitle);
  ASSERT_NE(window, nullptr);
  // The window exists, hidden, while it builds its contents and opens the
  // sound device; it is shown when its creation is done.
  EXPECT_TRUE(wktest::WaitFor([&] { return IsWindowVisible(window) != 0; }));

  EXPECT_EQ(wktest::WindowText(window), kTitle);
  EXPECT_EQ(wktest::ClassName(window), kTitle);  // the class takes the title as its name
  const DWORD style = GetWindowLongA(window, GWL_STYLE);
  EXPECT_EQ(style & (WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME),
            static_cast<DWORD>(WS_SYSMENU | WS_MINIMIZEBOX));
  EXPECT_TRUE(style & WS_CAPTION);  // an overlapped window always has one
  EXPECT_TRUE(style & WS_VISIBLE);
  EXPECT_EQ(GetClassLongA(window, GCL_STYLE) & CS_NOCLOSE, 0u);

  RECT r{};
  GetWindowRect(window, &r);
  EXPECT_EQ(r.right - r.left, 800);
  EXPECT_EQ(r.bottom - r.top, 600 + GetSystemMetrics(SM_CYCAPTION));

  // Class data of another process cannot be read here; the painted client
  // area shows the black class brush.
  wktest::Pump(200);
  EXPECT_EQ(wktest::PixelAt(window, 790, 590), RGB(0, 0, 0));

  PostMessageA(window, WM_CLOSE, 0, 0);
  EXPECT_EQ(app.WaitExit(), 0);
}
