// The three fixed level readouts that the main window paints.
#pragma once

#include <array>

namespace vindra {

struct LevelReadout {
  int x;
  int y;
  double value;
};

// The readouts at (0, 0), (0, 20) and (140, 0), computed from the output
// stage's constants on every paint; with one decimal they read 100.0, 100.0
// and 49.9.
std::array<LevelReadout, 3> LevelReadouts();

}  // namespace vindra
