#include "toolkit/core/class_background.hpp"

#include <algorithm>
#include <vector>

namespace wk {

namespace {

// The brushes made here that some class still uses.
std::vector<HBRUSH>& InUse() {
  static std::vector<HBRUSH> brushes;
  return brushes;
}

}  // namespace

void SetClassBackground(HWND window, COLORREF colour) {
  HBRUSH brush = CreateSolidBrush(colour);
  if (brush == nullptr) return;
  const auto previous = reinterpret_cast<HBRUSH>(
      SetClassLongPtrA(window, GCLP_HBRBACKGROUND, reinterpret_cast<LONG_PTR>(brush)));
  if (GetClassLongPtrA(window, GCLP_HBRBACKGROUND) != reinterpret_cast<ULONG_PTR>(brush)) {
    DeleteObject(brush);  // no such window: the class did not take it
    return;
  }
  auto& in_use = InUse();
  const auto found = std::find(in_use.begin(), in_use.end(), previous);
  if (found != in_use.end()) {
    in_use.erase(found);
    DeleteObject(previous);
  }
  try {
    in_use.push_back(brush);
  } catch (...) {
    // Without a record the brush is merely never released.
  }
  InvalidateRect(window, nullptr, TRUE);
}

}  // namespace wk
