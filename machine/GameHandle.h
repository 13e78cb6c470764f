// The game of a running program as the window gets it: all of it to read, the player's settings
// around the machine to change, and the machine's own state only for the rules.
#pragma once

#include "machine/GameState.h"

namespace zandor {

class SlotMachine;

// Hands a game on without handing out its money: the machine's state reaches only the rules
// (SlotMachine), which change it through their named operations; whoever else holds the
// handle reads it. A handle, cheap to pass by value; the game outlives it.
class GameHandle {
 public:
  explicit GameHandle(GameState& game) : game_(&game) {}

  const GameState& State() const { return *game_; }
  // The player's settings, which the window's menus and dialogs change.
  PlayerOptions& Options() const { return game_->Options; }
  SoundSettings& Sound() const { return game_->Sound; }
  MusicSettings& Music() const { return game_->Music; }

 private:
  friend class SlotMachine;
  MachineState& Machine() const { return game_->Machine; }

  GameState* game_;
};

}  // namespace zandor
