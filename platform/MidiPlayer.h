// The media player over SDL2_mixer's music stream: one MIDI song, played once, with an
// end-of-play notification delivered on the window thread.
#pragma once

#include <QCoreApplication>
#include <QObject>
#include <functional>
#include <string>
#include <vector>

#include "platform/SoundService.h"

typedef struct _Mix_Music Mix_Music;

namespace zandor {

// Its error texts are in the player's language, UTF-8, with the file's path as it was given.
class MidiPlayer : public MediaPlayer {
  Q_DECLARE_TR_FUNCTIONS(zandor::MidiPlayer)

 public:
  // The General MIDI soundfonts tried in order.
  static std::vector<std::string> DefaultSoundFonts();

  explicit MidiPlayer(std::vector<std::string> soundFonts = DefaultSoundFonts());
  ~MidiPlayer() override;
  MidiPlayer(const MidiPlayer&) = delete;
  MidiPlayer& operator=(const MidiPlayer&) = delete;

  std::string Open(const std::string& path) override;
  std::string Play() override;
  void Close() override;

  // Called on the window thread when a play started by this player ends.
  std::function<void(MediaNotify)> OnSongEnded;

 private:
  static void MusicFinished();
  void Deliver(uint64_t serial, bool normal);

  std::vector<std::string> soundFonts_;
  QObject context_;  // receives the queued notifications; dropping it drops them
  Mix_Music* music_ = nullptr;
  std::vector<uint8_t> smf_;
  uint64_t serial_ = 0;  // counts plays and closes; a notification of an older one is stale
};

}  // namespace zandor
