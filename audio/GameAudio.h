// Everything the main window needs for sound and music, behind one small facade.
#pragma once

#include <memory>
#include <string>

#include "audio/Playlist.h"
#include "audio/SoundEffects.h"
#include "audio/Volume.h"
#include "machine/GameState.h"
#include "machine/Host.h"

class QWidget;

namespace zandor {

class SdlAudio;
class MidiPlayer;
class PlayerIni;
class Prompts;

class GameAudio : private PlaylistUi {
 public:
  // Opens the sound service (the dummy driver when there is no device). Plays the effects and
  // the music by their settings, with the media and the volume of the folders; all three
  // outlive the facade.
  GameAudio(SoundSettings& sounds, MusicSettings& music, const Folders& dirs, Prompts& prompts,
            QWidget* window, PlayerIni* playerFile = nullptr);
  // Closes the players and SDL.
  ~GameAudio() override;
  GameAudio(const GameAudio&) = delete;
  GameAudio& operator=(const GameAudio&) = delete;

  // Reads ZANDOR0..3.WAV into memory; returns the error text of a file that could not
  // be read, in the player's language ("" when all were).
  std::string LoadEffectSounds();
  // The nine play operations, gated by the switches.
  void Play(Effect e);
  // Music start-up, 200 ms after the window comes up (the window stops SongStartTimer).
  void StartMusic();
  // The first step of every WinBlinkTimer tick.
  void StartPendingSong();
  // Music > On: flips the music's On (the window then syncs the check mark from it).
  void ToggleMusic();
  // The music dialog, modal.
  void ChooseSongs();
  // The sound dialog, modal.
  void ChooseSounds();
  // Stops every sound (the window is closing).
  void Shutdown();
  // The Volume dialog, modal: OK stores the loudness in PLAYER.INI, Cancel restores it.
  void ChangeVolume();
  // The loudness in use; it is read from PLAYER.INI at the start.
  const Volume& CurrentVolume() const { return volume_; }
  // Sets the loudness at once, without storing it.
  void ApplyVolume(const Volume& v);

  // The SDL audio driver in use, "" when none.
  std::string Driver() const;

 private:
  void ShowError(const std::string& text) override;
  void ShowWarning(const std::string& text) override;
  void RunMusicDialog() override;

  SoundSettings& sounds_;
  MusicSettings& music_;
  const Folders& dirs_;
  Prompts& prompts_;
  QWidget* window_;
  PlayerIni* playerFile_;
  std::unique_ptr<SdlAudio> sdl_;
  std::unique_ptr<MidiPlayer> player_;
  std::unique_ptr<SoundEffects> effects_;
  std::unique_ptr<Playlist> playlist_;
  Volume volume_;
};

}  // namespace zandor
