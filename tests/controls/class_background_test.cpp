// Background colours of the toolbar, status bar and progress bar: the whole
// window class is recoloured, and replaced brushes do not pile up.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <set>

#include "wk_controls.h"
#include "wktest.hpp"

namespace {

HBRUSH ClassBrush(HWND w) {
  return reinterpret_cast<HBRUSH>(GetClassLongPtrA(w, GCLP_HBRBACKGROUND));
}

// Live GDI objects of this process: the platform's count where it keeps
// one, else the brushes seen as class backgrounds that still exist.
int LiveBrushes(const std::set<HBRUSH>& seen) {
  int live = 0;
  for (HBRUSH b : seen) live += GetObjectType(b) == OBJ_BRUSH;
  return live;
}

void RecolourManyTimes(HWND control, int (*set)(HWND, COLORREF)) {
  std::set<HBRUSH> seen;
  const HBRUSH original = ClassBrush(control);
  const DWORD gdi_before = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
  int released = 0;
  for (int i = 0; i < 1000; ++i) {
    const HBRUSH before = ClassBrush(control);
    ASSERT_EQ(set(control, RGB(i % 256, 100, 200)), 0);
    const HBRUSH now = ClassBrush(control);
    ASSERT_NE(now, before);  // a new brush each time
    released += GetObjectType(before) == 0;
    seen.insert(now);
  }
  const DWORD gdi_after = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
  EXPECT_GE(released, 999);  // every brush the toolkit made and then replaced
  // Deleted handles are reused, so the distinct values seen that are still
  // brushes count the live ones: only the class's current brush.
  EXPECT_EQ(LiveBrushes(seen), 1);
  if (gdi_before != 0) {
    EXPECT_LE(gdi_after, gdi_before + 2);
  }
  // The class's original brush was not the toolkit's to delete.
  if (original != nullptr && reinterpret_cast<ULONG_PTR>(original) > COLOR_MENUBAR + 1) {
    EXPECT_NE(GetObjectType(original), 0u);
  }
}

}  // namespace

TEST(ClassBackground, ToolbarStatusAndProgressReleaseReplacedBrushes) {
  wktest::TestWindow parent;
  HWND toolbar = wk_ToolbarCreate(parent, "NOBORDER", 30);
  HWND status = wk_StatusCreate(parent, "NOBAR");
  HWND progress = wk_ProgressCreate(parent, 10, 100, 200, 20, "NORMAL", 100, 10);
  RecolourManyTimes(toolbar, wk_ToolbarSetBackground);
  RecolourManyTimes(status, wk_StatusSetBackground);
  RecolourManyTimes(progress, wk_ProgressSetBackground);

  // One class brush per class: every window of the class shares it, and
  // the classes do not share theirs.
  HWND second = wk_ToolbarCreate(parent, "NOBORDER", 30);
  EXPECT_EQ(ClassBrush(second), ClassBrush(toolbar));
  EXPECT_NE(ClassBrush(toolbar), ClassBrush(status));
  wk_StatusSetBackground(status, RGB(1, 2, 3));
  EXPECT_EQ(GetObjectType(ClassBrush(toolbar)), static_cast<DWORD>(OBJ_BRUSH));
  EXPECT_EQ(GetObjectType(ClassBrush(progress)), static_cast<DWORD>(OBJ_BRUSH));
  LOGBRUSH lb{};
  GetObjectA(ClassBrush(status), sizeof lb, &lb);
  EXPECT_EQ(lb.lbColor, RGB(1, 2, 3));
}
