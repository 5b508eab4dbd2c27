// A program without the toolkit's resources: every dialog made from a named
// template fails the documented way.
#include <gtest/gtest.h>

#include "wk_windows.h"
#include "wktest.hpp"

namespace {

INT_PTR CALLBACK NeverCalled(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

TEST(DialogsWithoutTemplates, ModalDialogsReturnMinusOne) {
  wktest::TestWindow window;
  wktest::DialogAnswerer answerer;
  EXPECT_EQ(wk_ModalDialog(window, NeverCalled), -1);
  EXPECT_EQ(wk_SystemModalDialog(window, NeverCalled), -1);
  EXPECT_EQ(wk_DefaultModalDialog(window), -1);
  EXPECT_TRUE(answerer.seen().empty());
}

TEST(DialogsWithoutTemplates, DialogWindowIsNull) {
  wktest::TestWindow window;
  EXPECT_EQ(wk_DialogWindowCreate(window, "Printing", 0, 0, 150, 100, "TOOLWIN", NeverCalled),
            nullptr);
}

}  // namespace
