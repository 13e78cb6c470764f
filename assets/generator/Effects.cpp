#include "assets/generator/Effects.h"

#include <cmath>
#include <cstdio>
#include <functional>

#include "assets/generator/Synth.h"

namespace zandor::media {
namespace {

// Frequency of a MIDI note number (69 = A 440 Hz).
double Hz(int note) { return 440.0 * std::pow(2.0, (note - 69) / 12.0); }

// Every effect peaks a little under -1 dBFS so no player's mixer ever clips it.
constexpr double kPeak = 0.84;

Sound Finish(Sound s, double fade) {
  s.FadeOut(fade);
  s.Normalize(kPeak);
  return s;
}

// The reel stop: a heavy wooden thock as the reel hits its detent.
Sound ReelStop() {
  Sound s(0.24);
  s.Thump(0, 190, 82, 0.9, 0.035);
  s.Strike(0, 410, 0.35, 0.03, {{1, 1}, {2.3, 0.4}});
  s.Noise(0, 0.03, 0.6, 2500, 0.006);
  s.Room(0.12, 0.6);
  return Finish(s, 0.04);
}

// The slot spin: a quick double ratchet click.
Sound SlotSpin() {
  Sound s(0.11);
  for (double at : {0.0, 0.034}) {
    s.Noise(at, 0.012, at == 0 ? 0.9 : 0.6, 3000, 0.0025, true);
    s.Strike(at, 2650, at == 0 ? 0.25 : 0.18, 0.012, {{1, 1}, {1.7, 0.5}});
  }
  s.Thump(0, 300, 160, 0.2, 0.01);
  return Finish(s, 0.02);
}

// The coin: a bright metallic clink with a smaller bounce after it.
Sound Coin() {
  Sound s(0.19);
  const std::vector<std::pair<double, double>> plate = {
      {1, 1}, {2.76, 0.6}, {5.4, 0.35}, {8.93, 0.2}};
  s.Strike(0, 2093, 0.8, 0.09, plate);
  s.Strike(0.055, 2093 * 1.06, 0.35, 0.05, plate);
  s.Noise(0, 0.006, 0.3, 6000, 0.0015, true);
  s.Room(0.1, 0.5);
  return Finish(s, 0.03);
}

// The credit tick: a tiny bell, short enough to repeat many times a second.
Sound Credit() {
  Sound s(0.1);
  s.Strike(0, Hz(91), 0.8, 0.035, {{1, 1}, {2, 0.35}, {3, 0.15}});
  return Finish(s, 0.02);
}

// The bonus fanfare: a brass call climbing to a held chord, with a glittering top.
Sound BonusFanfare() {
  Sound s(2.3);
  const int call[] = {60, 64, 67, 72, 67, 72};
  const double at[] = {0, 0.13, 0.26, 0.39, 0.62, 0.75};
  for (int i = 0; i < 6; ++i) s.Note(at[i], 0.1, Hz(call[i]), 0.22, Timbre::Brass);
  for (int n : {60, 64, 67, 72, 76}) s.Note(0.95, 0.95, Hz(n), 0.16, Timbre::Brass, 0.006);
  for (int i = 0; i < 8; ++i)
    s.Note(0.95 + i * 0.07, 0.05, Hz(84 + (i * 5) % 12), 0.06, Timbre::Glass);
  s.Thump(0.95, 120, 60, 0.35, 0.12);
  s.Room(0.3);
  return Finish(s, 0.25);
}

// The win: a cheerful electric piano run ending on a bright major chord.
Sound WinJingle() {
  Sound s(1.15);
  const int run[] = {67, 71, 74, 79, 76, 79};
  for (int i = 0; i < 6; ++i) s.Note(i * 0.075, 0.07, Hz(run[i]), 0.25, Timbre::EPiano);
  for (int n : {67, 71, 74, 83}) s.Note(0.48, 0.4, Hz(n), 0.18, Timbre::EPiano);
  s.Note(0.48, 0.4, Hz(43), 0.25, Timbre::Marimba);
  s.Room(0.25);
  return Finish(s, 0.2);
}

// Power up: a charging sweep that climbs and sparkles at the top.
Sound PowerUp() {
  Sound s(1.35);
  s.Glide(0, 0.9, 180, 1400, 0.35, 6, 14);
  s.Glide(0.05, 0.85, 270, 2100, 0.15, 3);
  for (int i = 0; i < 5; ++i) s.Note(0.15 + i * 0.14, 0.08, Hz(72 + i * 4), 0.1, Timbre::Glass);
  s.Note(0.88, 0.3, Hz(96), 0.15, Timbre::Bell);
  s.Room(0.25);
  return Finish(s, 0.2);
}

// Power down: the charge drains away, wobbling slower as it sinks.
Sound PowerDown() {
  Sound s(1.4);
  s.Glide(0, 1.25, 950, 60, 0.4, 8, 9);
  s.Glide(0, 1.2, 475, 45, 0.15, 4, 5);
  s.Noise(0.6, 0.7, 0.08, 400, 0.4);
  s.Room(0.2);
  return Finish(s, 0.25);
}

// Lose: a muted horn sighs down three steps and droops on the last note.
Sound LoseWah() {
  Sound s(1.05);
  const int notes[] = {58, 57, 56};
  for (int i = 0; i < 3; ++i) s.Note(i * 0.2, 0.15, Hz(notes[i]), 0.3, Timbre::Horn);
  s.Glide(0.6, 0.42, Hz(55), Hz(53), 0.3, 7, 5.5);
  s.Room(0.15);
  return Finish(s, 0.12);
}

// The second set: the same five moments in a different voice.

// Bonus: church bells ring a rising peal over an organ chord.
Sound BonusCarillon() {
  Sound s(2.3);
  const int peal[] = {74, 77, 81, 86, 81, 86, 89};
  for (int i = 0; i < 7; ++i) s.Note(i * 0.12, 0.1, Hz(peal[i]), 0.2, Timbre::Bell);
  for (int n : {50, 57, 62, 66, 69}) s.Note(0.1, 1.6, Hz(n), 0.09, Timbre::Organ);
  s.Note(0.9, 0.8, Hz(98), 0.12, Timbre::Glass);
  s.Room(0.35, 1.2);
  return Finish(s, 0.35);
}

// Win: a bouncy chip-tune arpeggio.
Sound WinArcade() {
  Sound s(1.0);
  const int run[] = {72, 76, 79, 84, 79, 84, 88};
  for (int i = 0; i < 7; ++i) s.Note(i * 0.065, 0.05, Hz(run[i]), 0.14, Timbre::Chip);
  s.Note(0.5, 0.3, Hz(84), 0.13, Timbre::Chip, 0.01);
  s.Note(0.5, 0.3, Hz(60), 0.2, Timbre::Marimba);
  s.Room(0.15);
  return Finish(s, 0.15);
}

// Power up: blips that come faster and higher, then a bright ding.
Sound PowerCharge() {
  Sound s(1.3);
  double at = 0;
  for (int i = 0; i < 10; ++i) {
    s.Note(at, 0.03, Hz(60 + i * 3), 0.13, Timbre::Marimba);
    at += 0.12 - i * 0.008;
  }
  s.Note(at, 0.4, Hz(96), 0.25, Timbre::Bell);
  s.Note(at, 0.4, Hz(84), 0.15, Timbre::Glass);
  s.Room(0.25);
  return Finish(s, 0.2);
}

// Power down: a diminished run tumbles down into a bubbling drain.
Sound PowerDrain() {
  Sound s(1.5);
  const int run[] = {84, 81, 78, 75, 72, 69, 66, 63};
  for (int i = 0; i < 8; ++i) s.Note(i * 0.08, 0.07, Hz(run[i]), 0.15, Timbre::EPiano);
  for (int i = 0; i < 7; ++i) s.Glide(0.65 + i * 0.1, 0.09, 500 - i * 40, 180 - i * 15, 0.16, 2);
  s.Room(0.2);
  return Finish(s, 0.2);
}

// Lose: an "uh-oh" of two soft horn notes and a dull thud.
Sound LoseUhOh() {
  Sound s(1.0);
  s.Note(0, 0.18, Hz(67), 0.3, Timbre::Horn);
  s.Note(0.24, 0.45, Hz(63), 0.3, Timbre::Horn, 0.008);
  s.Thump(0.24, 110, 55, 0.3, 0.08);
  s.Room(0.2);
  return Finish(s, 0.15);
}

}  // namespace

bool WriteAllEffects(const QString& outDir) {
  const std::pair<const char*, std::function<Sound()>> effects[] = {
      {"ZANDOR0.WAV", ReelStop},     {"ZANDOR1.WAV", SlotSpin},     {"ZANDOR2.WAV", Coin},
      {"ZANDOR3.WAV", Credit},       {"ZANDOR4.WAV", BonusFanfare}, {"ZANDOR5.WAV", WinJingle},
      {"ZANDOR6.WAV", PowerUp},      {"ZANDOR7.WAV", PowerDown},    {"ZANDOR8.WAV", LoseWah},
      {"POWER4.WAV", BonusCarillon}, {"POWER5.WAV", WinArcade},     {"POWER6.WAV", PowerCharge},
      {"POWER7.WAV", PowerDrain},    {"POWER8.WAV", LoseUhOh},
  };
  bool ok = true;
  for (const auto& [name, make] : effects) {
    if (!WriteWav(make(), outDir + name)) {
      std::fprintf(stderr, "zandor-media: cannot write %s%s\n", qPrintable(outDir), name);
      ok = false;
    }
  }
  return ok;
}

}  // namespace zandor::media
