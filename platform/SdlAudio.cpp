#include "platform/SdlAudio.h"

#include <SDL2/SDL.h>
#include <SDL2/SDL_mixer.h>

#include <cstdlib>
#include <filesystem>

#include "platform/WaveTone.h"

namespace zandor {

namespace {

constexpr int kEffectChannel = 0;

bool OpenMixer() {
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return false;
  // 1024 frames keep the coin sounds in step with the count-up without costing CPU.
  if (Mix_OpenAudio(44100, AUDIO_S16SYS, 2, 1024) != 0) {
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    return false;
  }
  return true;
}

// The mixer's own scale: 0..MIX_MAX_VOLUME (128), so 50 % is exactly half.
int MixerVolume(int percent) {
  percent = percent < 0 ? 0 : percent > 100 ? 100 : percent;
  return (percent * MIX_MAX_VOLUME + 50) / 100;
}

Mix_Chunk* ChunkFromBytes(const std::vector<uint8_t>& bytes) {
  if (bytes.empty()) return nullptr;
  return Mix_LoadWAV_RW(SDL_RWFromConstMem(bytes.data(), static_cast<int>(bytes.size())), 1);
}

}  // namespace

SdlAudio::SdlAudio() {
  // SDL would otherwise take SIGINT/SIGTERM for itself and the window would never hear them.
  SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
  open_ = OpenMixer();
  if (!open_) {
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    open_ = OpenMixer();
  }
  if (!open_) return;
  const char* d = SDL_GetCurrentAudioDriver();
  driver_ = d ? d : "";
  Uint16 format = 0;
  int channels = 2;
  if (Mix_QuerySpec(&frequency_, &format, &channels) != 0) {
    bytesPerFrame_ = SDL_AUDIO_BITSIZE(format) / 8 * channels;
  }
  Mix_Init(MIX_INIT_MID);
  Mix_AllocateChannels(1);
  alert_ = ChunkFromBytes(MakeAlertWav());
}

SdlAudio::~SdlAudio() {
  if (!open_) return;
  Mix_HaltChannel(-1);
  Mix_HaltMusic();
  for (auto& [key, chunk] : decoded_) Mix_FreeChunk(chunk);
  for (auto& [path, chunk] : byName_) {
    if (chunk) Mix_FreeChunk(chunk);
  }
  if (alert_) Mix_FreeChunk(alert_);
  Mix_CloseAudio();
  Mix_Quit();
  SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

void SdlAudio::StopEffects() {
  if (open_) Mix_HaltChannel(kEffectChannel);
}

void SdlAudio::SetVolumes(int effectsPercent, int musicPercent) {
  if (!open_) return;
  // The mixer scales the samples as it mixes them; the sounds themselves stay untouched.
  Mix_Volume(-1, MixerVolume(effectsPercent));
  Mix_VolumeMusic(MixerVolume(musicPercent));
}

bool SdlAudio::EffectSounding() const { return open_ && Mix_Playing(kEffectChannel) != 0; }

uint32_t SdlAudio::ChunkMilliseconds(const Mix_Chunk* chunk) const {
  const uint64_t frames = chunk->alen / static_cast<uint32_t>(bytesPerFrame_);
  return static_cast<uint32_t>(frames * 1000 / static_cast<uint32_t>(frequency_));
}

void SdlAudio::PlayChunk(Mix_Chunk* chunk, bool wait) {
  Mix_HaltChannel(kEffectChannel);
  if (!chunk) return;
  const uint64_t start = SDL_GetTicks64();
  if (Mix_PlayChannel(kEffectChannel, chunk, 0) < 0 || !wait) return;
  // The sound lasts its own length even on a driver that mixes faster than real time;
  // a driver that stalls must not hold the game for ever.
  const uint64_t end = start + ChunkMilliseconds(chunk);
  const uint64_t limit = end + 2000;
  while (SDL_GetTicks64() < limit && (SDL_GetTicks64() < end || Mix_Playing(kEffectChannel))) {
    SDL_Delay(5);
  }
}

void SdlAudio::PlayAsync(const std::vector<uint8_t>& image) {
  if (!open_) return;
  const auto key = std::make_pair(image.data(), image.size());
  auto it = decoded_.find(key);
  if (it == decoded_.end()) it = decoded_.emplace(key, ChunkFromBytes(image)).first;
  PlayChunk(it->second, false);
}

void SdlAudio::PlaySync(const std::string& path) {
  if (!open_) return;
  Mix_HaltChannel(kEffectChannel);
  Mix_Chunk* chunk = ChunkByName(path);
  PlayChunk(chunk ? chunk : alert_, true);
}

Mix_Chunk* SdlAudio::ChunkByName(const std::string& path) {
  constexpr size_t kKept = 6;
  for (auto it = byName_.begin(); it != byName_.end(); ++it) {
    if (it->first == path) {
      byName_.splice(byName_.begin(), byName_, it);
      return it->second;
    }
  }
  // A file far larger than any sound is never read: it would stall the game while loading.
  std::error_code ec;
  const auto size = path.empty() ? 0 : std::filesystem::file_size(path, ec);
  Mix_Chunk* chunk =
      !path.empty() && !ec && size <= MaxSoundBytes ? Mix_LoadWAV(path.c_str()) : nullptr;
  byName_.emplace_front(path, chunk);
  if (byName_.size() > kKept) {
    if (byName_.back().second) Mix_FreeChunk(byName_.back().second);
    byName_.pop_back();
  }
  return chunk;
}

}  // namespace zandor
