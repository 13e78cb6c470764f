#include "audio/Playlist.h"

#include <filesystem>

namespace zandor {

namespace {

std::string TrimBlanks(const std::string& s) {
  const auto b = s.find_first_not_of(' ');
  if (b == std::string::npos) return "";
  return s.substr(b, s.find_last_not_of(' ') - b + 1);
}

bool IsSlot(int s) { return s >= 0 && s < 8; }

}  // namespace

bool SongFileExists(const std::string& path) {
  std::error_code ec;
  return !path.empty() && std::filesystem::is_regular_file(path, ec);
}

Playlist::Playlist(MusicSettings& music, MediaPlayer& player, PlaylistUi& ui)
    : music_(music), player_(player), ui_(ui) {}

bool Playlist::Playable(int s) const {
  return IsSlot(s) && music_.Selected[s] && SongFileExists(music_.SongFiles[s]);
}

void Playlist::SelectNextSong() {
  int count = 0;
  for (int s = 0; s < 8; ++s) count += Playable(s) ? 1 : 0;
  if (count == 0) {
    music_.CurrentSong = 9;
    return;
  }
  // CurrentSong may be -1 (from the start) or 9 (nothing found last time): both start at 0.
  int candidate = IsSlot(music_.CurrentSong + 1) ? music_.CurrentSong + 1 : 0;
  while (!Playable(candidate)) candidate = (candidate + 1) % 8;
  music_.CurrentSong = candidate;
}

void Playlist::StartSong(const std::string& path) {
  // A song the player cannot open or play is reported and goes no further; the next
  // one is not tried, so a bad file cannot set off a storm of error boxes.
  std::string error = player_.Open(path);
  if (error.empty()) error = player_.Play();
  if (!error.empty()) ui_.ShowError(error);
}

bool Playlist::StartFromTheTop() {
  music_.CurrentSong = -1;
  SelectNextSong();
  if (!IsSlot(music_.CurrentSong)) return false;
  StartSong(music_.SongFiles[music_.CurrentSong]);
  return true;
}

void Playlist::StartMusic() {
  if (music_.On) StartFromTheTop();
}

void Playlist::StartPendingSong() {
  if (!music_.SongPending) return;
  music_.SongPending = false;
  if (!music_.On || !IsSlot(music_.CurrentSong)) return;
  StartSong(TrimBlanks(music_.SongFiles[music_.CurrentSong]));
}

void Playlist::SongEnded(MediaNotify how) {
  // A song cut short by Close (music off, the dialog, the next song) must not start another.
  if (how != MediaNotify::Successful) return;
  SelectNextSong();
  if (IsSlot(music_.CurrentSong)) music_.SongPending = true;
  player_.Close();
}

void Playlist::ToggleMusic() {
  music_.On = !music_.On;
  if (!music_.On) {
    player_.Close();
    return;
  }
  if (!StartFromTheTop()) {
    ui_.ShowWarning(ZANDOR_TR_NOOP("zandor::Playlist", "No MIDI songs are selected!"));
    ChooseSongs();
  }
}

void Playlist::ChooseSongs() {
  const bool wasOn = music_.On;
  music_.On = false;
  if (wasOn) player_.Close();
  ui_.RunMusicDialog();
  music_.On = wasOn;
  if (music_.On) StartFromTheTop();
}

void Playlist::Shutdown() {
  music_.SongPending = false;
  player_.Close();
}

}  // namespace zandor
