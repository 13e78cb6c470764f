#include "audio/SoundEffects.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>

namespace zandor {

namespace {

constexpr const char* kContext = "zandor::SoundEffects";

}  // namespace

SoundEffects::SoundEffects(const SoundSettings& sounds, const Folders& dirs, SoundService& s)
    : sounds_(sounds), dirs_(dirs), s_(s) {}

std::string SoundEffects::LoadEffectSounds() {
  loadError_ = {};
  for (int n = 0; n < 4; ++n) {
    const std::string path = dirs_.Program + "ZANDOR" + std::to_string(n) + ".WAV";
    errno = 0;
    std::ifstream in(path, std::ios::binary);
    std::vector<uint8_t> bytes;
    PlayerText error;
    if (!in && (errno == ENOENT || errno == 0)) {
      // The box says only what went wrong; which file it was goes to the log.
      std::fprintf(stderr, "zandor-slots: file not found: %s\n", path.c_str());
      error = {kContext, ZANDOR_TR_NOOP("zandor::SoundEffects", "File not found"), {}};
    } else if (!in) {
      //: The system's reason why a file could not be opened (%1), then the file (%2).
      error = {
          kContext, ZANDOR_TR_NOOP("zandor::SoundEffects", "%1: %2"), {std::strerror(errno), path}};
    } else {
      bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
      if (in.bad())
        error = {kContext, ZANDOR_TR_NOOP("zandor::SoundEffects", "Read error: %1"), {path}};
    }
    // A file that fails leaves its effect silent; the others still load, so start-up
    // goes on with everything else set as usual.
    if (error.Empty()) {
      images_[n] = std::move(bytes);
    } else {
      images_[n].clear();
      if (loadError_.Empty()) loadError_ = std::move(error);
    }
  }
  return loadError_.English();
}

void SoundEffects::PlayImage(bool on, int n) {
  if (!sounds_.On || !on || images_[n].empty()) return;
  s_.PlayAsync(images_[n]);
}

void SoundEffects::PlayFile(bool on, const std::string& path) {
  if (!sounds_.On || !on) return;
  s_.PlaySync(path);
}

void SoundEffects::PlayStopSound() { PlayImage(sounds_.Stop, 0); }
void SoundEffects::PlaySpinSound() { PlayImage(sounds_.Spin, 1); }
void SoundEffects::PlayCoinSound() { PlayImage(sounds_.Coins, 2); }
void SoundEffects::PlayCreditSound() { PlayImage(sounds_.Credits, 3); }
void SoundEffects::PlayWinSound() { PlayFile(sounds_.Win, sounds_.WinFile); }
void SoundEffects::PlayLoseSound() { PlayFile(sounds_.Lose, sounds_.LoseFile); }
void SoundEffects::PlayPowerUpSound() { PlayFile(sounds_.PowerUp, sounds_.PowerUpFile); }
void SoundEffects::PlayPowerDownSound() { PlayFile(sounds_.PowerDown, sounds_.PowerDownFile); }
void SoundEffects::PlayBonusSound() { PlayFile(sounds_.Bonus, sounds_.BonusFile); }

void SoundEffects::Preview(const std::string& path) { s_.PlaySync(path); }

void SoundEffects::Play(Effect e) {
  switch (e) {
    case Effect::Stop:
      return PlayStopSound();
    case Effect::Spin:
      return PlaySpinSound();
    case Effect::Coin:
      return PlayCoinSound();
    case Effect::Credit:
      return PlayCreditSound();
    case Effect::Win:
      return PlayWinSound();
    case Effect::Lose:
      return PlayLoseSound();
    case Effect::PowerUp:
      return PlayPowerUpSound();
    case Effect::PowerDown:
      return PlayPowerDownSound();
    case Effect::Bonus:
      return PlayBonusSound();
  }
}

}  // namespace zandor
