// Synthesised wave file images: the default alert sound and short tones for tests.
#pragma once

#include <cstdint>
#include <vector>

namespace zandor {

// A complete 44100 Hz, 16-bit stereo wave file image of a sine tone with soft edges.
std::vector<uint8_t> MakeToneWav(double hz, int milliseconds, double amplitude = 0.5);

// The alert played in place of a replaceable sound whose file cannot be played.
std::vector<uint8_t> MakeAlertWav();

}  // namespace zandor
