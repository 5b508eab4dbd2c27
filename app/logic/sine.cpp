#include "sine.hpp"

#include <cmath>

namespace vindra {

namespace {
constexpr double kAmplitude = 127.0;
}

void FillSineBuffer(unsigned char* buffer, int step, double& phase) {
  for (std::size_t i = 0; i < kSineBufferBytes; ++i) {
    // 127 * sin + 127 lies in [0, 254]: truncation never yields 255.
    const double level = kAmplitude * std::sin(phase) + kAmplitude;
    buffer[i] = static_cast<unsigned char>(static_cast<int>(level));
    phase = kSinePeriod * static_cast<double>(step) / kSineSampleRate + phase;
    if (phase > kSinePeriod) phase -= kSinePeriod;
    if (phase < 0.0) phase += kSinePeriod;  // only a negative step gets here
  }
}

}  // namespace vindra
