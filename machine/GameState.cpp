#include "machine/GameState.h"

std::string DefaultSoundPath(const std::string& programDir, const char* file) {
  return programDir + file;
}

void GameState::SetFileDefaults() {
  WinSound = DefaultSoundPath(ProgramDir, "ZANDOR5.WAV");
  LoseSound = DefaultSoundPath(ProgramDir, "ZANDOR8.WAV");
  PowerUpSound = DefaultSoundPath(ProgramDir, "ZANDOR6.WAV");
  PowerDownSound = DefaultSoundPath(ProgramDir, "ZANDOR7.WAV");
  BonusSound = DefaultSoundPath(ProgramDir, "ZANDOR4.WAV");
  for (int n = 0; n < 8; ++n) {
    std::string name = "ZANDOR" + std::to_string(n) + ".MID";
    PlayList[n] = true;
    MIDISong[n] = ProgramDir + name;
    MIDIName[n] = name;
  }
  CurrentSong = 0;
  MusicOn = true;
  BackBMP = ProgramDir + "_BACK1.BMP";
}
