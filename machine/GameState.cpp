#include "machine/GameState.h"

namespace zandor {

std::string DefaultSoundPath(const std::string& programDir, const char* file) {
  return programDir + file;
}

void PlayerOptions::SetFileDefaults(const std::string& programDir) {
  BackBitmap = programDir + "_BACK1.BMP";
}

void SoundSettings::SetFileDefaults(const std::string& programDir) {
  WinFile = DefaultSoundPath(programDir, "ZANDOR5.WAV");
  LoseFile = DefaultSoundPath(programDir, "ZANDOR8.WAV");
  PowerUpFile = DefaultSoundPath(programDir, "ZANDOR6.WAV");
  PowerDownFile = DefaultSoundPath(programDir, "ZANDOR7.WAV");
  BonusFile = DefaultSoundPath(programDir, "ZANDOR4.WAV");
}

void MusicSettings::SetFileDefaults(const std::string& programDir) {
  for (int n = 0; n < 8; ++n) {
    std::string name = "ZANDOR" + std::to_string(n) + ".MID";
    Selected[n] = true;
    SongFiles[n] = programDir + name;
    SongNames[n] = name;
  }
  CurrentSong = 0;
  On = true;
}

void GameState::SetFileDefaults() {
  Sound.SetFileDefaults(Dirs.Program);
  Music.SetFileDefaults(Dirs.Program);
  Options.SetFileDefaults(Dirs.Program);
}

}  // namespace zandor
