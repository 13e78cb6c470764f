#include "audio/TEffects.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <iterator>

TEffects::TEffects(TGame& g, SoundService& s) : g_(g), s_(s) {}

std::string TEffects::LoadEffectSounds() {
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

void TEffects::PlayImage(bool on, int n) {
  if (!g_.Sound || !on || images_[n].empty()) return;
  s_.PlayAsync(images_[n]);
}

void TEffects::PlayFile(bool on, const std::string& path) {
  if (!g_.Sound || !on) return;
  s_.PlaySync(path);
}

void TEffects::PlayStopSound() { PlayImage(g_.sndStop, 0); }
void TEffects::PlaySpinSound() { PlayImage(g_.sndSpin, 1); }
void TEffects::PlayCoinSound() { PlayImage(g_.sndCoins, 2); }
void TEffects::PlayCreditSound() { PlayImage(g_.sndCredits, 3); }
void TEffects::PlayWinSound() { PlayFile(g_.sndWin, g_.WinSound); }
void TEffects::PlayLoseSound() { PlayFile(g_.sndLose, g_.LoseSound); }
void TEffects::PlayPowerUpSound() { PlayFile(g_.sndPowerUp, g_.PowerUpSound); }
void TEffects::PlayPowerDownSound() { PlayFile(g_.sndPowerDown, g_.PowerDownSound); }
void TEffects::PlayBonusSound() { PlayFile(g_.sndBonus, g_.BonusSound); }

void TEffects::Preview(const std::string& path) { s_.PlaySync(path); }

void TEffects::Play(Effect e) {
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
