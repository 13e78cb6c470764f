// The window's own choices kept in "PLAYER.INI" beside the settings file: section [Window].
#pragma once

namespace zandor {

class PlayerIni;

// True when the game last left in full screen; a missing or damaged value means false.
bool LoadFullScreen(const PlayerIni& file);
// Puts the full-screen choice into the file; its next save writes it.
void StoreFullScreen(PlayerIni& file, bool on);

}  // namespace zandor
