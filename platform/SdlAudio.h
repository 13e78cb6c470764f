// The wave-sound service over SDL2_mixer: one channel for effects, music kept apart.
#pragma once

#include <cstdint>
#include <list>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "platform/SoundService.h"

struct Mix_Chunk;

namespace zandor {

class SdlAudio : public SoundService {
 public:
  // Opens the audio device at 44100 Hz, 16-bit stereo; with no usable device, SDL's
  // silent "dummy" driver takes its place so the game keeps its timing.
  SdlAudio();
  // Stops every sound and closes the device.
  ~SdlAudio() override;
  SdlAudio(const SdlAudio&) = delete;
  SdlAudio& operator=(const SdlAudio&) = delete;

  void PlayAsync(const std::vector<uint8_t>& image) override;
  void PlaySync(const std::string& path) override;

  // Whether the mixer is open (on a real device or the dummy driver).
  bool IsOpen() const { return open_; }
  // The SDL audio driver in use ("" when none could be opened).
  std::string Driver() const { return driver_; }
  // Halts the effect sounding, if any.
  void StopEffects();
  // Whether an effect is sounding now.
  bool EffectSounding() const;
  // Sets the loudness of every effect and of the music, each in percent of full (0..100); a
  // sound already playing changes at once.
  void SetVolumes(int effectsPercent, int musicPercent);

 private:
  // Plays a chunk on the effects channel and, when wait is set, returns after its length.
  void PlayChunk(Mix_Chunk* chunk, bool wait);
  uint32_t ChunkMilliseconds(const Mix_Chunk* chunk) const;
  // The decoded sound of a wave file, read on first use; null when it cannot be played.
  Mix_Chunk* ChunkByName(const std::string& path);

  bool open_ = false;
  std::string driver_;
  int frequency_ = 44100;
  int bytesPerFrame_ = 4;
  // Decoded fixed effects, keyed by the memory image they came from (images live for the run).
  std::map<std::pair<const uint8_t*, size_t>, Mix_Chunk*> decoded_;
  // Replaceable sounds by path, most recently played first: each chosen file is read once and
  // kept while it is among the last few played (the five effects and a preview).
  std::list<std::pair<std::string, Mix_Chunk*>> byName_;
  Mix_Chunk* alert_ = nullptr;
};

}  // namespace zandor
