#include "assets/generator/Synth.h"

#include <QFile>
#include <QtEndian>
#include <algorithm>
#include <cmath>

namespace zandor::media {
namespace {

constexpr double kTwoPi = 6.283185307179586;

// Harmonic amplitude of overtone n for a timbre at time t into the note.
double Harmonic(Timbre timbre, int n, double t) {
  switch (timbre) {
    case Timbre::Brass: {
      // The brightness swells in with the attack, as when a player leans into the note.
      const double open = 0.25 + 0.75 * (1 - std::exp(-t / 0.05));
      return std::pow(open, n - 1) / n;
    }
    case Timbre::Horn:
      return (n % 2 ? 1.0 : 0.5) * std::pow(0.45, n - 1);
    case Timbre::Chip:
      // A square wave with its harsh top cut off.
      return n % 2 ? std::pow(0.8, n - 1) / n : 0;
    case Timbre::Organ:
      return n == 1 ? 1 : n == 2 ? 0.6 : n == 3 ? 0.35 : n == 4 ? 0.3 : n == 6 ? 0.15 : 0;
    default:
      return n == 1 ? 1 : 0;
  }
}

}  // namespace

Sound::Sound(double seconds) : samples_(static_cast<size_t>(seconds * kRate), 0.0f) {}

float Sound::NextNoise() {
  seed_ ^= seed_ << 13;
  seed_ ^= seed_ >> 17;
  seed_ ^= seed_ << 5;
  return static_cast<float>(seed_ / 2147483648.0 - 1.0);
}

void Sound::Note(double at, double len, double freq, double amp, Timbre timbre, double vibrato) {
  const size_t start = static_cast<size_t>(at * kRate);
  const bool struck = timbre == Timbre::Bell || timbre == Timbre::EPiano ||
                      timbre == Timbre::Marimba || timbre == Timbre::Glass;
  const double release = struck ? 0.02 : 0.08;
  const size_t count = static_cast<size_t>((len + (struck ? 1.2 : release)) * kRate);
  double phase = 0;
  for (size_t i = 0; i < count && start + i < samples_.size(); ++i) {
    const double t = static_cast<double>(i) / kRate;
    const double f = freq * (1 + vibrato * std::sin(kTwoPi * 5.5 * t) * std::min(1.0, t / 0.25));
    phase += f / kRate;
    double env;
    double s = 0;
    if (struck) {
      const double tau = timbre == Timbre::Marimba ? 0.18 : timbre == Timbre::Glass ? 0.5 : 0.45;
      env = std::min(1.0, t / 0.002) * std::exp(-t / tau);
      if (t > len) env *= std::exp(-(t - len) / 0.08);
      const double p = kTwoPi * phase;
      switch (timbre) {
        case Timbre::EPiano: {
          // Two-operator tine: the modulation fades faster than the tone, so it mellows.
          const double index = 1.8 * std::exp(-t / 0.12);
          s = std::sin(p + index * std::sin(p));
          break;
        }
        case Timbre::Marimba:
          s = std::sin(p) + 0.25 * std::sin(4 * p) * std::exp(-t / 0.03);
          break;
        case Timbre::Glass:
          s = std::sin(p) + 0.4 * std::sin(2 * p) + 0.2 * std::sin(3.01 * p) * std::exp(-t / 0.1);
          break;
        default:
          s = std::sin(p) + 0.55 * std::sin(2.76 * p) * std::exp(-t / 0.2) +
              0.3 * std::sin(5.4 * p) * std::exp(-t / 0.08);
      }
    } else {
      const double attack = timbre == Timbre::Organ ? 0.01 : 0.03;
      env = std::min(1.0, t / attack) * (0.8 + 0.2 * std::exp(-t / 0.15));
      if (t > len) env *= std::max(0.0, 1 - (t - len) / release);
      for (int n = 1; n <= 12 && n * f < kRate / 2.2; ++n) {
        const double h = Harmonic(timbre, n, t);
        if (h > 0) s += h * std::sin(kTwoPi * n * phase);
      }
    }
    samples_[start + i] += static_cast<float>(amp * env * s);
  }
}

void Sound::Glide(double at, double len, double f0, double f1, double amp, int harmonics,
                  double wobbleHz) {
  const size_t start = static_cast<size_t>(at * kRate);
  const size_t count = static_cast<size_t>(len * kRate);
  double phase = 0;
  for (size_t i = 0; i < count && start + i < samples_.size(); ++i) {
    const double u = static_cast<double>(i) / count;
    const double t = static_cast<double>(i) / kRate;
    double f = f0 * std::pow(f1 / f0, u);
    if (wobbleHz > 0) f *= 1 + 0.06 * std::sin(kTwoPi * wobbleHz * t);
    phase += f / kRate;
    double s = 0;
    for (int n = 1; n <= harmonics && n * f < kRate / 2.2; ++n) {
      s += std::sin(kTwoPi * n * phase) / (n * n * 0.6 + 0.4);
    }
    const double env = std::min(1.0, t / 0.02) * std::min(1.0, (1 - u) / 0.15);
    samples_[start + i] += static_cast<float>(amp * env * s);
  }
}

void Sound::Strike(double at, double freq, double amp, double tau,
                   const std::vector<std::pair<double, double>>& partials) {
  const size_t start = static_cast<size_t>(at * kRate);
  const size_t count = static_cast<size_t>(tau * 7 * kRate);
  for (size_t i = 0; i < count && start + i < samples_.size(); ++i) {
    const double t = static_cast<double>(i) / kRate;
    double s = 0;
    for (const auto& [ratio, a] : partials) {
      // Higher partials die away sooner, which is what makes metal sound struck.
      s += a * std::sin(kTwoPi * freq * ratio * t) * std::exp(-t * ratio / tau);
    }
    samples_[start + i] += static_cast<float>(amp * std::min(1.0, t / 0.0008) * s);
  }
}

void Sound::Noise(double at, double len, double amp, double cutoff, double tau, bool highpass) {
  const size_t start = static_cast<size_t>(at * kRate);
  const size_t count = static_cast<size_t>(len * kRate);
  const double k = 1 - std::exp(-kTwoPi * cutoff / kRate);
  double low = 0;
  for (size_t i = 0; i < count && start + i < samples_.size(); ++i) {
    const double t = static_cast<double>(i) / kRate;
    const double n = NextNoise();
    low += k * (n - low);
    const double s = highpass ? n - low : low;
    samples_[start + i] += static_cast<float>(amp * std::exp(-t / tau) * s);
  }
}

void Sound::Thump(double at, double f0, double f1, double amp, double tau) {
  const size_t start = static_cast<size_t>(at * kRate);
  const size_t count = static_cast<size_t>(tau * 7 * kRate);
  double phase = 0;
  for (size_t i = 0; i < count && start + i < samples_.size(); ++i) {
    const double t = static_cast<double>(i) / kRate;
    const double f = f1 + (f0 - f1) * std::exp(-t / 0.02);
    phase += f / kRate;
    samples_[start + i] += static_cast<float>(amp * std::min(1.0, t / 0.001) * std::exp(-t / tau) *
                                              std::sin(kTwoPi * phase));
  }
}

void Sound::Room(double wet, double size) {
  // Four parallel feedback delays of unrelated lengths give a short, smooth tail.
  const int delays[4] = {1116, 1356, 1491, 1617};
  std::vector<float> tail(samples_.size(), 0.0f);
  for (int d : delays) {
    const size_t len = static_cast<size_t>(d * size);
    std::vector<float> line(len, 0.0f);
    size_t pos = 0;
    float damp = 0;
    for (size_t i = 0; i < samples_.size(); ++i) {
      const float out = line[pos];
      damp = 0.6f * out + 0.4f * damp;
      line[pos] = samples_[i] + 0.72f * damp;
      tail[i] += out * 0.25f;
      pos = (pos + 1) % len;
    }
  }
  for (size_t i = 0; i < samples_.size(); ++i) samples_[i] += static_cast<float>(wet) * tail[i];
}

void Sound::FadeOut(double seconds) {
  const size_t n = std::min(samples_.size(), static_cast<size_t>(seconds * kRate));
  for (size_t i = 0; i < n; ++i) samples_[samples_.size() - 1 - i] *= static_cast<float>(i) / n;
}

void Sound::Normalize(double peak) {
  float top = 0;
  for (float s : samples_) top = std::max(top, std::abs(s));
  if (top <= 0) return;
  const float g = static_cast<float>(peak) / top;
  for (float& s : samples_) s *= g;
}

bool WriteWav(const Sound& sound, const QString& path) {
  const auto& in = sound.Samples();
  const quint32 dataBytes = static_cast<quint32>(in.size() * 2);
  QByteArray b(44 + static_cast<int>(dataBytes), '\0');
  uchar* p = reinterpret_cast<uchar*>(b.data());
  std::memcpy(p, "RIFF", 4);
  qToLittleEndian<quint32>(36 + dataBytes, p + 4);
  std::memcpy(p + 8, "WAVEfmt ", 8);
  qToLittleEndian<quint32>(16, p + 16);
  qToLittleEndian<quint16>(1, p + 20);  // PCM
  qToLittleEndian<quint16>(1, p + 22);  // mono
  qToLittleEndian<quint32>(kRate, p + 24);
  qToLittleEndian<quint32>(kRate * 2, p + 28);
  qToLittleEndian<quint16>(2, p + 32);
  qToLittleEndian<quint16>(16, p + 34);
  std::memcpy(p + 36, "data", 4);
  qToLittleEndian<quint32>(dataBytes, p + 40);
  for (size_t i = 0; i < in.size(); ++i) {
    const double v = std::clamp(static_cast<double>(in[i]), -1.0, 1.0);
    qToLittleEndian<qint16>(static_cast<qint16>(std::lround(v * 32767)), p + 44 + 2 * i);
  }
  QFile f(path);
  return f.open(QIODevice::WriteOnly) && f.write(b) == b.size();
}

}  // namespace zandor::media
