// The two platform services the sound rules talk to: the wave-sound service and the
// media player. Plain C++ so the rules and their tests need neither SDL nor Qt.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace zandor {

// The largest song and wave file read: anything bigger is refused before a byte is read.
inline constexpr int64_t MaxSongBytes = int64_t{16} << 20;
inline constexpr int64_t MaxSoundBytes = int64_t{64} << 20;

// Plays wave sounds, one effect at a time: every request halts the effect still sounding.
struct SoundService {
  virtual ~SoundService() = default;
  // Starts a complete wave file image held in memory and returns at once.
  virtual void PlayAsync(const std::vector<uint8_t>& image) = 0;
  // Plays a wave file by name and returns when it has ended; a file that is missing or
  // not a wave file plays the default alert sound instead.
  virtual void PlaySync(const std::string& path) = 0;
};

// How a song's play ended, as the end-of-play notification reports it.
enum class MediaNotify { Successful, Aborted };

// A media player for one MIDI song at a time.
struct MediaPlayer {
  virtual ~MediaPlayer() = default;
  // Opens the named file; returns "" or the service's error text.
  virtual std::string Open(const std::string& path) = 0;
  // Plays the open file once from the start; returns "" or the error text. The owner's
  // end-of-play notification follows later on the window thread.
  virtual std::string Play() = 0;
  // Stops any sound at once and closes the file; a pending notification becomes Aborted.
  virtual void Close() = 0;
};

}  // namespace zandor
