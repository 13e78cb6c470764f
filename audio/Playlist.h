// The background-music playlist: up to eight MIDI songs played one after another in
// slot order, skipping slots that are off, empty or whose file is missing.
#pragma once

#include <string>

#include "machine/GameState.h"
#include "machine/PlayerText.h"
#include "platform/SoundService.h"

namespace zandor {

// What the playlist needs from the window: message boxes and the music dialog.
struct PlaylistUi {
  virtual ~PlaylistUi() = default;
  // An error box with the media service's text.
  virtual void ShowError(const std::string& text) = 0;
  // A warning box with an OK button. The text is one of the playlist's own, marked for the
  // catalogue: the window shows it translated in the context "zandor::Playlist".
  virtual void ShowWarning(const std::string& text) = 0;
  // The music dialog, shown modally.
  virtual void RunMusicDialog() = 0;
};

// Whether a file (not a folder) exists under path.
bool SongFileExists(const std::string& path);

class Playlist {
 public:
  // The playlist works on the music settings and plays through player, the background music's.
  Playlist(MusicSettings& music, MediaPlayer& player, PlaylistUi& ui);

  // Whether slot s is on, has a path and a file exists under it.
  bool Playable(int s) const;
  // Moves CurrentSong to the next playable slot after it, or to 9 when none is.
  void SelectNextSong();
  // The start-up music, once, about 200 ms after the window comes up.
  void StartMusic();
  // The music step of every WinBlinkTimer tick: starts a finished song's successor.
  void StartPendingSong();
  // The end-of-play notification of the music's player.
  void SongEnded(MediaNotify how);
  // Music > On: flips the music's On and starts or stops the music.
  void ToggleMusic();
  // Music > Change Songs: the music dialog with the music paused around it.
  void ChooseSongs();
  // Stops the music for good (the window is closing).
  void Shutdown();

 private:
  // Chooses from the start and starts the chosen song; false when no slot is playable.
  bool StartFromTheTop();
  void StartSong(const std::string& path);

  MusicSettings& music_;
  MediaPlayer& player_;
  PlaylistUi& ui_;
};

}  // namespace zandor
