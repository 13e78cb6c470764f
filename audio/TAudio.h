// Everything the main window needs for sound and music, behind one small facade.
#pragma once

#include <memory>
#include <string>

#include "audio/TEffects.h"
#include "audio/TPlaylist.h"
#include "audio/Volume.h"
#include "machine/Host.h"
#include "machine/TGame.h"

class QWidget;
class TSdlAudio;
class TMidiPlayer;

class TAudio : private PlaylistUi {
 public:
  // Opens the sound service (the dummy driver when there is no device).
  TAudio(TGame& g, QWidget* window);
  // Closes the players and SDL.
  ~TAudio() override;
  TAudio(const TAudio&) = delete;
  TAudio& operator=(const TAudio&) = delete;

  // Reads ZANDOR0..3.WAV into memory; returns the error text of a file that could not
  // be read ("" when all were).
  std::string LoadEffectSounds();
  // The nine play operations, gated by the switches.
  void Play(Effect e);
  // Music start-up, 200 ms after the window comes up (the window stops Timer2).
  void Timer2Timer();
  // The first step of every Timer3 tick.
  void StartPendingSong();
  // Music > On: flips g.MusicOn (the window then syncs the check mark from it).
  void On2Click();
  // The music dialog, modal.
  void ChangeSongs1Click();
  // The sound dialog, modal.
  void ChangeWAVs1Click();
  // Stops every sound (the window is closing).
  void Shutdown();
  // The Volume dialog, modal: OK stores the loudness in PLAYER.INI, Cancel restores it.
  void ChangeVolume();
  // The loudness in use; it is read from PLAYER.INI in the settings folder at the start.
  const Volume& CurrentVolume() const { return volume_; }
  // Sets the loudness at once, without storing it.
  void ApplyVolume(const Volume& v);

  // The SDL audio driver in use, "" when none.
  std::string Driver() const;

 private:
  void ShowError(const std::string& text) override;
  void ShowWarning(const std::string& text) override;
  void RunMusicDialog() override;

  TGame& g_;
  QWidget* window_;
  std::unique_ptr<TSdlAudio> sdl_;
  std::unique_ptr<TMidiPlayer> player1_;
  std::unique_ptr<TEffects> effects_;
  std::unique_ptr<TPlaylist> playlist_;
  Volume volume_;
};
