#include "platform/PlayableFile.h"

#include <SDL2/SDL.h>
#include <SDL2/SDL_mixer.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "platform/MidiFile.h"
#include "platform/SoundService.h"

namespace zandor {

namespace {

// The whole file, or nothing when it cannot be read or is larger than `most`.
bool ReadAll(const std::string& path, int64_t most, std::vector<uint8_t>& bytes) {
  std::error_code ec;
  const auto size = std::filesystem::file_size(path, ec);
  if (ec || static_cast<int64_t>(size) > most) return false;
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  return true;
}

}  // namespace

bool SoundFilePlays(const std::string& path) {
  std::vector<uint8_t> bytes;
  if (path.empty() || !ReadAll(path, MaxSoundBytes, bytes) || bytes.empty()) return false;
  SDL_RWops* rw = SDL_RWFromConstMem(bytes.data(), static_cast<int>(bytes.size()));
  if (!rw) return false;
  int frequency = 0, channels = 0;
  Uint16 format = 0;
  // The same decoding the effects get when they play; without a device, SDL's own wave reader.
  if (Mix_QuerySpec(&frequency, &format, &channels) != 0) {
    Mix_Chunk* chunk = Mix_LoadWAV_RW(rw, 1);
    if (chunk) Mix_FreeChunk(chunk);
    return chunk != nullptr;
  }
  SDL_AudioSpec wave{};
  Uint8* buffer = nullptr;
  Uint32 length = 0;
  if (!SDL_LoadWAV_RW(rw, 1, &wave, &buffer, &length)) return false;
  SDL_FreeWAV(buffer);
  return true;
}

bool SongFilePlays(const std::string& path) {
  std::vector<uint8_t> bytes, smf;
  return !path.empty() && ReadAll(path, MaxSongBytes, bytes) && CheckMidiFile(bytes, smf).empty();
}

}  // namespace zandor
