#include "toolkit/core/class_background.hpp"

#include <cstdlib>

namespace wk {

namespace {

// The brushes made here that some class still uses. A plain array grown with
// realloc: recording a brush never throws, and a program that recolours no
// class carries no container code for it.
struct InUse {
  HBRUSH* brushes = nullptr;
  std::size_t count = 0;
  std::size_t capacity = 0;
};
InUse g_in_use;

// Takes `brush` off the record; false when it was never on it.
bool Forget(HBRUSH brush) {
  for (std::size_t i = 0; i < g_in_use.count; ++i) {
    if (g_in_use.brushes[i] != brush) continue;
    g_in_use.brushes[i] = g_in_use.brushes[--g_in_use.count];
    return true;
  }
  return false;
}

// Without room for the record the brush is merely never released.
void Remember(HBRUSH brush) {
  if (g_in_use.count == g_in_use.capacity) {
    const std::size_t capacity = g_in_use.capacity ? g_in_use.capacity * 2 : 8;
    void* grown = std::realloc(g_in_use.brushes, capacity * sizeof(HBRUSH));
    if (grown == nullptr) return;
    g_in_use.brushes = static_cast<HBRUSH*>(grown);
    g_in_use.capacity = capacity;
  }
  g_in_use.brushes[g_in_use.count++] = brush;
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
  if (Forget(previous)) DeleteObject(previous);
  Remember(brush);
  InvalidateRect(window, nullptr, TRUE);
}

}  // namespace wk
