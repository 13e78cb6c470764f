// The window's own choices kept in "PLAYER.INI" beside the settings file: section [Window].
#pragma once

#include <optional>

namespace zandor {

class PlayerIni;

// True when the game last left in full screen; a missing or damaged value means false.
bool LoadFullScreen(const PlayerIni& file);
// Puts the full-screen choice into the file; its next save writes it.
void StoreFullScreen(PlayerIni& file, bool on);

// Where the normal window's top left corner stood, in desktop pixels.
struct WindowPlace {
  int X = 0, Y = 0;
  bool operator==(const WindowPlace&) const = default;
};
// The place the window last stood; none when missing or damaged.
std::optional<WindowPlace> LoadWindowPlace(const PlayerIni& file);
// Puts the window's place into the file; its next save writes it.
void StoreWindowPlace(PlayerIni& file, const WindowPlace& place);

}  // namespace zandor
