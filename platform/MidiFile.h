// Checks that bytes hold a standard MIDI file before the synthesiser sees them: a
// damaged song must give an error text, never a hang in the mixer.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace zandor {

// Returns "" when bytes hold a standard MIDI file (bare, or wrapped in a RIFF RMID
// file) and puts the bare file into smf; otherwise returns the reason.
std::string CheckMidiFile(const std::vector<uint8_t>& bytes, std::vector<uint8_t>& smf);

}  // namespace zandor
