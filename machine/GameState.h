// The game's state in named parts: the machine, the player's options, the sound settings, the
// music playlist and the folders. Each function takes the parts it uses; the settings file
// loads and saves the whole. Plain C++ only; nothing here may include a Qt header.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "machine/MachineState.h"

namespace zandor {

// The system's button-face colour value as the settings file stores it.
inline constexpr int32_t ButtonFaceColor = static_cast<int32_t>(0x8000000F);

// How the face's background is drawn; the settings file stores the number.
enum class BackgroundMode : uint8_t { TiledBitmap = 0, SolidColor = 1 };

// The player's choices of how the game looks and whether the card game is offered.
struct PlayerOptions {
  bool AceyDucey = true;  // check mark of "&Acey Ducey": a win may be gambled
  bool Maxed = false;     // the main window is to start maximised
  // How the background is drawn; may hold an out-of-range value read from file.
  BackgroundMode BackMode = BackgroundMode::TiledBitmap;
  int32_t BackColor = ButtonFaceColor;  // the solid colour, 0x00BBGGRR or a system colour
  std::string BackBitmap;               // full path of the background tile

  // The tile in the program's folder.
  void SetFileDefaults(const std::string& programDir);
};

// The switches of the sound effects and the five replaceable sound files.
struct SoundSettings {
  bool On = true;  // the master switch, "&Sounds" / "On"
  // One switch per effect, each a check mark of "&Sounds".
  bool Coins = true;      // a coin placed on the bet
  bool Credits = true;    // a coin counted into the credits
  bool Spin = false;      // the reels turning ("Slot Spin")
  bool Stop = true;       // a reel stopping
  bool WheelSpin = true;  // the menu's check mark only: no effect plays by it
  bool Win = true;        // a winning spin
  bool Bonus = true;      // the bonus won
  bool PowerUp = true;    // a power-up symbol
  bool PowerDown = true;  // a power drain symbol
  bool Lose = false;      // a losing spin

  // Replaceable sound files (full paths, at most 255 characters).
  std::string WinFile, LoseFile, PowerUpFile, PowerDownFile, BonusFile;

  // The five files in the program's folder.
  void SetFileDefaults(const std::string& programDir);
};

// The background music: eight song slots and where the playlist stands.
struct MusicSettings {
  bool On = true;  // "&Music" / "On"
  // Which slots are played.
  std::array<bool, 8> Selected{true, true, true, true, true, true, true, true};
  std::array<std::string, 8> SongFiles;  // full path of each slot's MIDI file
  std::array<std::string, 8> SongNames;  // each slot's name as its check box shows it
  int CurrentSong = 0;       // the slot playing or next to play; 9 when none is playable
  bool SongPending = false;  // a song ended and its successor starts on the next tick

  // The eight songs of the program's folder, all selected, from the first.
  void SetFileDefaults(const std::string& programDir);
};

// Where the files are, each folder ending with '/'.
struct Folders {
  std::string Program;   // the media: pictures, sounds, songs, the manual
  std::string Settings;  // ZANDOR.INI, POWER.INI and PLAYER.INI
};

// The whole game, as the settings file keeps it and the window hands it out in parts.
struct GameState {
  MachineState Machine;   // what the rules play with
  PlayerOptions Options;  // how it looks, and the card game's offer
  SoundSettings Sound;    // the effects
  MusicSettings Music;    // the playlist
  Folders Dirs;           // where the media and the settings are

  // Sets every default that depends on the program's folder (sounds, songs, the tile).
  void SetFileDefaults();
};

// Start-up default paths of the five replaceable sounds, by the program's folder.
std::string DefaultSoundPath(const std::string& programDir, const char* file);

}  // namespace zandor
