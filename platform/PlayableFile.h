// Whether a sound or song the player chooses can be played, asked as it is chosen so that a file
// the game cannot read is reported then, not met in silence later.
#pragma once

#include <string>

namespace zandor {

// True when the file decodes as an effect: through the mixer, as every effect is played, while
// it is open; else as a wave file.
bool SoundFilePlays(const std::string& path);
// True when the file holds a standard MIDI song (bare or in a RIFF RMID file).
bool SongFilePlays(const std::string& path);

}  // namespace zandor
