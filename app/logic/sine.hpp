// Sine synthesis for the tone generator's 8-bit output buffers.
#pragma once

#include <cstddef>

namespace vindra {

// Every output buffer holds this many bytes: 2048 stereo frames of unsigned
// 8-bit samples, about 46.4 ms at 44100 frames per second.
constexpr std::size_t kSineBufferBytes = 4096;

// The period constant of the synthesis. It is written with five decimals and
// is slightly less than two pi; the tone's pitch relies on this value.
constexpr double kSinePeriod = 6.28318;
constexpr double kSineSampleRate = 44100.0;

// Fills all kSineBufferBytes bytes of `buffer` with one running stream of
// sine samples (127 is the silent middle level, 0..254 the range) and
// advances `phase` by 6.28318 * step / 44100 radians per byte, wrapping it
// once past the period. For steps from -44100 to 44100 (the slider gives 0 to
// 32767) a phase in [0, 6.28318] stays there. The device takes even bytes as
// the left and odd bytes as the right channel, so a channel hears 2 * step Hz.
void FillSineBuffer(unsigned char* buffer, int step, double& phase);

}  // namespace vindra
