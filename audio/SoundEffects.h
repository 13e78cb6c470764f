// The nine sound effects: four short fixed ones played from memory, five replaceable
// ones played by file name, each behind the master switch and its own switch.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "machine/GameState.h"
#include "machine/Host.h"
#include "machine/PlayerText.h"
#include "platform/SoundService.h"

namespace zandor {

class SoundEffects {
 public:
  // The effects read the switches and file names of sounds, the four fixed sounds of the
  // program's folder, and sound through s.
  SoundEffects(const SoundSettings& sounds, const Folders& dirs, SoundService& s);

  // Reads ZANDOR0..3.WAV from the program's folder into memory, every file even when one fails;
  // returns the error text of the first file that could not be read, "" when all were.
  std::string LoadEffectSounds();
  // That error as the player reads it, for translation; empty when every file was read.
  const PlayerText& LoadError() const { return loadError_; }

  // The nine play operations; a request whose switch is off is simply lost.
  void PlayStopSound();
  void PlaySpinSound();
  void PlayCoinSound();
  void PlayCreditSound();
  void PlayWinSound();
  void PlayLoseSound();
  void PlayPowerUpSound();
  void PlayPowerDownSound();
  void PlayBonusSound();

  // Dispatches one of the nine requests by its effect.
  void Play(Effect e);

  // Plays a replaceable sound's file to its end whatever the switches say (the dialog's Preview).
  void Preview(const std::string& path);

  // The memory image of fixed effect n (0 stop, 1 spin, 2 coin, 3 credit); empty if unread.
  const std::vector<uint8_t>& Image(int n) const { return images_.at(n); }

 private:
  void PlayImage(bool on, int n);
  void PlayFile(bool on, const std::string& path);

  const SoundSettings& sounds_;
  const Folders& dirs_;
  SoundService& s_;
  std::array<std::vector<uint8_t>, 4> images_;
  PlayerText loadError_;
};

}  // namespace zandor
