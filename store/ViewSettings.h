// How the player wants the face shown beyond its designed look, kept in "PLAYER.INI" beside the
// settings file: section [View].
#pragma once

namespace zandor {

class PlayerIni;

// The two choices of the Options menu for less motion and more contrast.
struct ViewChoices {
  bool Blinking = true;       // "Blin&king Symbols": the power-up symbols blink between spins
  bool HighContrast = false;  // "&High Contrast": more than colour marks a win, text stands out
  bool operator==(const ViewChoices&) const = default;
};

// The choices the game last left with; a missing or damaged value reads as its default.
ViewChoices LoadViewChoices(const PlayerIni& file);
// Puts the choices into the file; its next save writes them.
void StoreViewChoices(PlayerIni& file, const ViewChoices& choices);

}  // namespace zandor
