#include "levels.hpp"

#include <cmath>

namespace vindra {

namespace {
double Decibels(double ratio) { return 20.0 * std::log10(ratio); }
}  // namespace

// Each expression is evaluated innermost bracket first, left to right, so
// every build rounds the same way.
std::array<LevelReadout, 3> LevelReadouts() {
  return {{
      {0, 0, Decibels(1600.0 * (318.0 * 1.2) / ((0.004 / 6.5 + 6.5) * 0.94))},
      {0, 20, Decibels(1600.0 * (318.0 * 1.2) / (6.5 * 0.94))},
      {140, 0, Decibels(1600.0 * (1.2 / ((0.004 / 6.5 / 100.0 + 6.5) * 0.94)))},
  }};
}

}  // namespace vindra
