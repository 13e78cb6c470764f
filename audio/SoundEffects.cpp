#include "audio/SoundEffects.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <iterator>

SoundEffects::SoundEffects(GameState& g, SoundService& s) : g_(g), s_(s) {}

std::string SoundEffects::LoadEffectSounds() {
  std::string firstError;
  for (int n = 0; n < 4; ++n) {
    const std::string path = g_.ProgramDir + "ZANDOR" + std::to_string(n) + ".WAV";
    errno = 0;
    std::ifstream in(path, std::ios::binary);
    std::vector<uint8_t> bytes;
    std::string error;
    if (!in) {
      error = errno == ENOENT || errno == 0 ? "File not found" : std::strerror(errno);
    } else {
      bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
      if (in.bad()) error = "Read error";
    }
    // A file that fails leaves its effect silent; the others still load, so start-up
    // goes on with everything else set as usual.
    if (error.empty()) {
      images_[n] = std::move(bytes);
    } else {
      images_[n].clear();
      if (firstError.empty()) firstError = error + ": " + path;
    }
  }
  return firstError;
}

void SoundEffects::PlayImage(bool on, int n) {
  if (!g_.Sound || !on || images_[n].empty()) return;
  s_.PlayAsync(images_[n]);
}

void SoundEffects::PlayFile(bool on, const std::string& path) {
  if (!g_.Sound || !on) return;
  s_.PlaySync(path);
}

void SoundEffects::PlayStopSound() { PlayImage(g_.sndStop, 0); }
void SoundEffects::PlaySpinSound() { PlayImage(g_.sndSpin, 1); }
void SoundEffects::PlayCoinSound() { PlayImage(g_.sndCoins, 2); }
void SoundEffects::PlayCreditSound() { PlayImage(g_.sndCredits, 3); }
void SoundEffects::PlayWinSound() { PlayFile(g_.sndWin, g_.WinSound); }
void SoundEffects::PlayLoseSound() { PlayFile(g_.sndLose, g_.LoseSound); }
void SoundEffects::PlayPowerUpSound() { PlayFile(g_.sndPowerUp, g_.PowerUpSound); }
void SoundEffects::PlayPowerDownSound() { PlayFile(g_.sndPowerDown, g_.PowerDownSound); }
void SoundEffects::PlayBonusSound() { PlayFile(g_.sndBonus, g_.BonusSound); }

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
