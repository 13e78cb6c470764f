// A small additive synthesiser for the game's sound effects.
#pragma once

#include <QString>
#include <cstdint>
#include <vector>

namespace zandor::media {

// Sample rate of every effect.
constexpr int kRate = 44100;

// The tone colours the effects are built from.
enum class Timbre { Brass, Bell, EPiano, Marimba, Chip, Horn, Organ, Glass };

// A mono sound under construction, in floating point.
class Sound {
 public:
  // An empty sound `seconds` long.
  explicit Sound(double seconds);

  // Adds a note of `timbre` starting at `at` seconds, `len` seconds before its release.
  void Note(double at, double len, double freq, double amp, Timbre timbre, double vibrato = 0);
  // Adds a tone whose pitch glides exponentially from `f0` to `f1` over `len` seconds.
  void Glide(double at, double len, double f0, double f1, double amp, int harmonics,
             double wobbleHz = 0);
  // Adds struck inharmonic partials (ratio, relative amplitude) decaying with time constant `tau`.
  void Strike(double at, double freq, double amp, double tau,
              const std::vector<std::pair<double, double>>& partials);
  // Adds a noise burst, low-passed at `cutoff` Hz, decaying with time constant `tau`.
  void Noise(double at, double len, double amp, double cutoff, double tau, bool highpass = false);
  // Adds a damped low thump whose pitch falls from `f0` to `f1`.
  void Thump(double at, double f0, double f1, double amp, double tau);
  // Mixes in a soft room: a few recirculating echoes, `wet` of the dry level.
  void Room(double wet, double size = 1.0);
  // Fades the last `seconds` to silence so the file never ends on a click.
  void FadeOut(double seconds);
  // Scales the sound so that its highest peak sits at `peak` (of full scale).
  void Normalize(double peak);

  // The samples.
  const std::vector<float>& Samples() const { return samples_; }

 private:
  std::vector<float> samples_;
  uint32_t seed_ = 0x2545F491u;
  float NextNoise();
};

// Writes `sound` as a 16-bit PCM mono wave file; false when the file cannot be written.
bool WriteWav(const Sound& sound, const QString& path);

}  // namespace zandor::media
