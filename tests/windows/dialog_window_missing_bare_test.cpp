// A program that carries no dialog template gets no dialog window.
#include <gtest/gtest.h>

#include "wk_windows.h"
#include "wktest.hpp"

TEST(DialogWindowCreate, ModuleWithoutTheTemplateYieldsNull) {
  wktest::TestWindow parent;
  EXPECT_EQ(wk_DialogWindowCreate(parent, "x", 0, 0, 100, 100, "CLO", nullptr), nullptr);
}
