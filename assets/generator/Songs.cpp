#include "assets/generator/Songs.h"

#include <QFile>
#include <QMap>
#include <QStringList>
#include <QTextStream>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

#include "assets/generator/Midi.h"

namespace zandor::media {
namespace {

// A chord: its root pitch class, its tones as intervals above the root and the scale a soloist
// would choose over it.
struct Chord {
  int Root = 0;
  std::vector<int> Tones;
  std::vector<int> Scale;
};

// One bar holds one chord, or two that split it at the third beat.
using Bar = std::vector<Chord>;

// Everything a song's source file says.
struct Tune {
  QByteArray Title;
  QString Style = "swing";
  double Tempo = 120;
  double Swing = 0.5;
  uint32_t Seed = 1;
  int Lead = 11, Comp = 4, Bass = 32, Pad = -1;
  int LeadLow = 60, LeadHigh = 84;
  int Choruses = 2;
  QMap<QString, std::vector<Bar>> Sections;
  QStringList Form;
  Chord Ending;
};

// A small deterministic generator so every build writes the same notes.
class Dice {
 public:
  explicit Dice(uint32_t seed) : s_(seed * 2654435761u + 12345u) {}
  int Below(int n) {
    s_ = s_ * 1664525u + 1013904223u;
    return static_cast<int>((s_ >> 8) % static_cast<uint32_t>(n));
  }
  bool Chance(int percent) { return Below(100) < percent; }

 private:
  uint32_t s_;
};

bool ParseChord(const QString& text, Chord& chord) {
  static const int kLetter[7] = {9, 11, 0, 2, 4, 5, 7};  // A..G
  if (text.isEmpty() || text[0] < 'A' || text[0] > 'G') return false;
  int root = kLetter[text[0].unicode() - 'A'];
  int i = 1;
  if (i < text.size() && text[i] == '#') root += 1, ++i;
  if (i < text.size() && text[i] == 'b') root += 11, ++i;
  chord.Root = root % 12;
  const QString q = text.mid(i);
  const std::vector<int> ionian = {0, 2, 4, 7, 9, 11}, mixo = {0, 2, 4, 7, 9, 10},
                         dorian = {0, 2, 3, 5, 7, 9, 10}, locrian = {0, 3, 5, 6, 8, 10},
                         altered = {0, 1, 3, 4, 7, 8, 10}, diminished = {0, 2, 3, 5, 6, 8, 9, 11};
  struct Quality {
    const char* Name;
    std::vector<int> Tones;
    const std::vector<int>* Scale;
  };
  const Quality qualities[] = {
      {"maj7", {0, 4, 7, 11}, &ionian},   {"maj9", {0, 4, 7, 11, 14}, &ionian},
      {"6", {0, 4, 7, 9}, &ionian},       {"", {0, 4, 7, 9}, &ionian},
      {"m7b5", {0, 3, 6, 10}, &locrian},  {"m7", {0, 3, 7, 10}, &dorian},
      {"m9", {0, 3, 7, 10, 14}, &dorian}, {"m6", {0, 3, 7, 9}, &dorian},
      {"m", {0, 3, 7, 10}, &dorian},      {"7b9", {0, 4, 7, 10, 13}, &altered},
      {"7", {0, 4, 7, 10}, &mixo},        {"9", {0, 4, 7, 10, 14}, &mixo},
      {"13", {0, 4, 10, 14, 21}, &mixo},  {"dim7", {0, 3, 6, 9}, &diminished},
  };
  for (const Quality& qual : qualities) {
    if (q == qual.Name) {
      chord.Tones = qual.Tones;
      chord.Scale = *qual.Scale;
      return true;
    }
  }
  return false;
}

bool ParseTune(const QString& path, Tune& tune) {
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly | QIODevice::Text)) return false;
  QTextStream in(&f);
  bool ok = true;
  while (!in.atEnd()) {
    QString line = in.readLine();
    // A comment starts with '#' at the start of a line or after a blank (F#m7 is a chord).
    if (line.startsWith('#')) continue;
    if (line.indexOf(" #") >= 0) line = line.left(line.indexOf(" #"));
    line = line.trimmed();
    if (line.isEmpty()) continue;
    const QString key = line.section(' ', 0, 0);
    const QString value = line.section(' ', 1).trimmed();
    if (key == "title")
      tune.Title = value.toLatin1();
    else if (key == "style")
      tune.Style = value;
    else if (key == "tempo")
      tune.Tempo = value.toDouble();
    else if (key == "swing")
      tune.Swing = value.toDouble();
    else if (key == "seed")
      tune.Seed = value.toUInt();
    else if (key == "lead")
      tune.Lead = value.toInt();
    else if (key == "comp")
      tune.Comp = value.toInt();
    else if (key == "bass")
      tune.Bass = value.toInt();
    else if (key == "pad")
      tune.Pad = value.toInt();
    else if (key == "range")
      tune.LeadLow = value.section(' ', 0, 0).toInt(),
      tune.LeadHigh = value.section(' ', 1, 1).toInt();
    else if (key == "choruses")
      tune.Choruses = value.toInt();
    else if (key == "form")
      tune.Form = value.split(' ', Qt::SkipEmptyParts);
    else if (key == "ending")
      ok &= ParseChord(value, tune.Ending);
    else if (key == "section") {
      const QStringList parts = value.split('|');
      std::vector<Bar> bars;
      for (int i = 1; i < parts.size(); ++i) {
        const QStringList names = parts[i].split(' ', Qt::SkipEmptyParts);
        if (names.isEmpty()) continue;
        Bar bar;
        for (const QString& n : names) {
          Chord c;
          ok &= ParseChord(n, c);
          bar.push_back(c);
        }
        bars.push_back(bar);
      }
      tune.Sections[parts[0].trimmed()] = bars;
    } else {
      ok = false;
    }
  }
  for (const QString& s : tune.Form) ok &= tune.Sections.contains(s);
  return ok && !tune.Form.isEmpty() && tune.Tempo > 20;
}

// The pitch of pitch class `pc` closest to `near`.
int Nearest(int pc, int near) {
  int p = near - ((near - pc) % 12 + 12) % 12;
  return (near - p > 6) ? p + 12 : p;
}

class Arranger {
 public:
  explicit Arranger(const Tune& tune) : t_(tune), dice_(tune.Seed) {
    for (int i = 0; i < 6; ++i) tracks_.emplace_back();
  }

  int64_t Compose() {
    Setup();
    int64_t bar = 0;
    for (int chorus = 0; chorus < t_.Choruses; ++chorus) {
      const bool head = chorus == 0 || chorus == t_.Choruses - 1;
      for (int s = 0; s < t_.Form.size(); ++s) {
        const std::vector<Bar> bars = t_.Sections.value(t_.Form[s]);
        // The tune itself repeats note for note; the choruses between are improvised.
        Dice melody(t_.Seed * 977u + static_cast<uint32_t>(qHash(t_.Form[s])) +
                    (head ? 0u : 7919u * chorus + 31u * s));
        const bool last = chorus == t_.Choruses - 1 && s == t_.Form.size() - 1;
        for (size_t b = 0; b < bars.size(); ++b) {
          Bar next = bars.front();
          if (b + 1 < bars.size()) {
            next = bars[b + 1];
          } else if (s + 1 < t_.Form.size()) {
            next = t_.Sections.value(t_.Form[s + 1]).front();
          }
          PlayBar(bar, bars[b], last && b + 1 == bars.size() ? Bar{t_.Ending} : next,
                  static_cast<int>(b), bars.size(), head, melody);
          ++bar;
        }
      }
    }
    return End(bar);
  }

  double Seconds(int64_t endTick) const {
    double secs = 0;
    for (size_t i = 0; i < tempos_.size(); ++i) {
      const int64_t until = i + 1 < tempos_.size() ? tempos_[i + 1].first : endTick;
      secs += (until - tempos_[i].first) / double(kTicksPerQuarter) * 60.0 / tempos_[i].second;
    }
    return secs;
  }

  const std::vector<MidiTrack>& Tracks() const { return tracks_; }

 private:
  enum { kLead = 0, kComp = 1, kBass = 2, kPad = 3, kDrums = 9 };
  const Tune& t_;
  Dice dice_;
  std::vector<MidiTrack> tracks_;  // 0 tempo, 1 lead, 2 comp, 3 bass, 4 pad, 5 drums
  std::vector<std::pair<int64_t, double>> tempos_;
  int lastBass_ = 40;
  int lastLead_ = 0;
  double voiceCentre_ = 60;

  bool Is(const char* style) const { return t_.Style == style; }

  // The tick of `beat` (in quarters) within `bar`, with the off-beat eighths swung.
  int64_t At(int64_t bar, double beat) const {
    const double whole = std::floor(beat);
    double frac = beat - whole;
    if (std::abs(frac - 0.5) < 1e-6) frac = t_.Swing;
    return static_cast<int64_t>(std::lround((bar * 4 + whole + frac) * kTicksPerQuarter));
  }
  static int Len(double beats) { return static_cast<int>(beats * kTicksPerQuarter); }
  static const Chord& ChordAt(const Bar& bar, double beat) {
    return bar.size() > 1 && beat >= 2 ? bar[1] : bar[0];
  }

  void Setup() {
    tracks_[0].Name(t_.Title);
    tracks_[0].TimeSignature(0, 4, 4);
    SetTempo(0, t_.Tempo);
    const struct {
      int Track, Channel, Program, Volume, Pan, Reverb;
      const char* Name;
    } parts[] = {{1, kLead, t_.Lead, 88, 76, 50, "Lead"},
                 {2, kComp, t_.Comp, 68, 48, 45, "Chords"},
                 {3, kBass, t_.Bass, 92, 64, 20, "Bass"},
                 {4, kPad, std::max(0, t_.Pad), 50, 84, 70, "Pad"},
                 {5, kDrums, -1, 74, 64, 40, "Drums"}};
    // The channel volumes leave headroom: a mixer that plays the soundfont louder than the
    // reference renderer still does not clip the loudest chords.
    for (const auto& p : parts) {
      tracks_[p.Track].Name(p.Name);
      if (p.Program >= 0) tracks_[p.Track].Program(0, p.Channel, p.Program);
      tracks_[p.Track].Control(0, p.Channel, 7, p.Volume);
      tracks_[p.Track].Control(0, p.Channel, 10, p.Pan);
      tracks_[p.Track].Control(0, p.Channel, 91, p.Reverb);
    }
  }

  void SetTempo(int64_t tick, double bpm) {
    tracks_[0].Tempo(tick, bpm);
    tempos_.push_back({tick, bpm});
  }

  void PlayBar(int64_t bar, const Bar& chords, const Bar& next, int index, size_t length, bool head,
               Dice& melody) {
    Bass(bar, chords, next);
    Comp(bar, chords);
    if (t_.Pad >= 0) Pad(bar, chords);
    Drums(bar, index, length);
    Lead(bar, chords, index, length, head, melody);
  }

  void Bass(int64_t bar, const Bar& chords, const Bar& next) {
    MidiTrack& tr = tracks_[3];
    auto place = [&](int pc) {
      int p = Nearest(pc, lastBass_);
      while (p < 28) p += 12;
      while (p > 50) p -= 12;
      return lastBass_ = p;
    };
    const int vel = 84 + dice_.Below(10);
    if (Is("bossa")) {
      const Chord& c = chords[0];
      const Chord& d = ChordAt(chords, 2);
      tr.NoteOn(At(bar, 0), Len(1.4), kBass, place(c.Root), vel);
      tr.NoteOn(At(bar, 1.5), Len(0.45), kBass, place(c.Root + 7), vel - 12);
      tr.NoteOn(At(bar, 2), Len(1.4), kBass, place(d.Root + (chords.size() > 1 ? 0 : 7)), vel - 4);
      tr.NoteOn(At(bar, 3.5), Len(0.45), kBass, place(d.Root), vel - 12);
    } else if (Is("ballad")) {
      tr.NoteOn(At(bar, 0), Len(1.9), kBass, place(chords[0].Root), vel);
      const Chord& d = ChordAt(chords, 2);
      tr.NoteOn(At(bar, 2), Len(1.9), kBass, place(chords.size() > 1 ? d.Root : d.Root + 7),
                vel - 8);
    } else if (Is("shuffle")) {
      // A rolling boogie line up and down the chord.
      for (int beat = 0; beat < 4; ++beat) {
        const Chord& c = ChordAt(chords, beat);
        const bool third = (c.Tones.size() > 1 && c.Tones[1] == 3);
        static const int kUp[4] = {0, 4, 7, 9}, kDown[4] = {10, 9, 7, 4};
        int step = (bar % 2 == 0 ? kUp : kDown)[beat];
        if (step == 4 && third) step = 3;
        const int pc = c.Root + step;
        int p = (beat == 0 || (beat == 2 && chords.size() > 1)) ? place(c.Root)
                                                                : Nearest(pc % 12, lastBass_ + 2);
        lastBass_ = std::clamp(p, 28, 52);
        tr.NoteOn(At(bar, beat), Len(0.8), kBass, lastBass_, vel - (beat % 2) * 10);
      }
    } else {
      // A walking line: roots on chord changes, chord tones between, and a leading note
      // into every change.
      for (int beat = 0; beat < 4; ++beat) {
        const Chord& c = ChordAt(chords, beat);
        const bool change = beat == 0 || (beat == 2 && chords.size() > 1);
        const bool before = beat == 3 || (beat == 1 && chords.size() > 1);
        int p;
        if (change) {
          p = place(c.Root);
        } else if (before) {
          const int target =
              Nearest(ChordAt(beat == 3 ? next : chords, beat == 3 ? 0 : 2).Root, lastBass_);
          p = dice_.Chance(60) ? target + (dice_.Chance(50) ? 1 : -1)
                               : target + 7 - 12 * (target > 40);
        } else {
          const int tone = c.Tones[1 + dice_.Below(2)];
          p = Nearest((c.Root + tone) % 12, lastBass_ + (dice_.Chance(50) ? 3 : -3));
        }
        lastBass_ = std::clamp(p, 28, 52);
        tr.NoteOn(At(bar, beat), Len(0.92), kBass, lastBass_, vel - (beat % 2) * 8);
      }
    }
  }

  std::vector<int> Voicing(const Chord& c) {
    std::vector<int> v;
    for (size_t i = 1; i < c.Tones.size(); ++i) {
      int p = Nearest((c.Root + c.Tones[i]) % 12, static_cast<int>(voiceCentre_));
      v.push_back(std::clamp(p, 50, 74));
    }
    std::sort(v.begin(), v.end());
    v.erase(std::unique(v.begin(), v.end()), v.end());
    double sum = 0;
    for (int p : v) sum += p;
    // Drift gently back towards the middle so the voicings never wander off the keyboard.
    voiceCentre_ = 0.7 * (sum / v.size()) + 0.3 * 61;
    return v;
  }

  void Comp(int64_t bar, const Bar& chords) {
    MidiTrack& tr = tracks_[2];
    std::vector<std::pair<double, double>> hits;
    if (Is("bossa")) {
      hits = bar % 2 ? std::vector<std::pair<double, double>>{{0.5, 0.4}, {2, 0.4}, {3.5, 0.4}}
                     : std::vector<std::pair<double, double>>{{0, 0.4}, {1.5, 0.4}, {3, 0.4}};
    } else if (Is("ballad")) {
      hits = chords.size() > 1 || dice_.Chance(30)
                 ? std::vector<std::pair<double, double>>{{0, 1.9}, {2, 1.9}}
                 : std::vector<std::pair<double, double>>{{0, 3.9}};
    } else if (Is("shuffle")) {
      hits = dice_.Chance(50)
                 ? std::vector<std::pair<double, double>>{{1, 0.4}, {3, 0.4}}
                 : std::vector<std::pair<double, double>>{{1, 0.4}, {2.5, 0.3}, {3, 0.4}};
    } else {
      static const std::vector<std::vector<std::pair<double, double>>> kSwing = {
          {{0, 0.4}, {1.5, 0.9}}, {{0, 1.2}, {2.5, 0.4}}, {{1, 0.4}, {2.5, 1.2}},
          {{0, 0.8}, {2, 0.8}},   {{0.5, 0.4}, {2, 1.2}}, {{1.5, 0.4}, {3, 0.8}}};
      hits = kSwing[dice_.Below(static_cast<int>(kSwing.size()))];
      if (chords.size() > 1) hits = {{0, 1.2}, {2, 1.2}};
    }
    for (const auto& [beat, len] : hits) {
      const std::vector<int> voicing = Voicing(ChordAt(chords, beat));
      const int vel = (Is("ballad") ? 50 : 58) + dice_.Below(12);
      for (size_t i = 0; i < voicing.size(); ++i) {
        // Ballad chords are rolled, lowest note first, like a pianist's spread hand.
        const int roll = Is("ballad") ? static_cast<int>(i) * 24 : 0;
        tr.NoteOn(At(bar, beat) + roll, Len(len) - roll, kComp, voicing[i],
                  vel - static_cast<int>(i) * 2);
      }
    }
  }

  void Pad(int64_t bar, const Bar& chords) {
    for (size_t i = 0; i < chords.size(); ++i) {
      const Chord& c = chords[i];
      const double start = i * 2.0, len = chords.size() > 1 ? 2.0 : 4.0;
      for (int k : {1, static_cast<int>(c.Tones.size()) - 1}) {
        const int p = Nearest((c.Root + c.Tones[k]) % 12, 66);
        tracks_[4].NoteOn(At(bar, start), Len(len) - 10, kPad, p, 40);
      }
    }
  }

  void Hit(int64_t bar, double beat, int key, int vel) {
    tracks_[5].NoteOn(At(bar, beat), 60, kDrums, key, std::clamp(vel + dice_.Below(9) - 4, 1, 127));
  }

  void Drums(int64_t bar, int index, size_t length) {
    const bool fill = static_cast<size_t>(index) + 1 == length;
    if (Is("bossa")) {
      for (int e = 0; e < 8; ++e) Hit(bar, e * 0.5, 42, e % 2 ? 34 : 46);
      const double clave[2][3] = {{0, 1.5, 3}, {1, 2, 3.5}};
      for (double b : clave[bar % 2]) Hit(bar, b, 37, 58);
      for (double b : {0.0, 1.5, 2.0, 3.5}) Hit(bar, b, 36, b == 0 || b == 2 ? 56 : 40);
    } else if (Is("ballad")) {
      for (int b = 0; b < 4; ++b) Hit(bar, b, 51, 40);
      Hit(bar, 1, 44, 40);
      Hit(bar, 3, 44, 40);
      Hit(bar, 0, 35, 42);
      if (dice_.Chance(40)) Hit(bar, 3, 38, 28);
      if (fill) Hit(bar, 3.5, 38, 34);
    } else if (Is("shuffle")) {
      for (int b = 0; b < 4; ++b) {
        Hit(bar, b, 42, 60);
        Hit(bar, b + 0.5, 42, 38);
      }
      Hit(bar, 1, 38, 72);
      Hit(bar, 3, 38, 76);
      Hit(bar, 0, 36, 70);
      Hit(bar, 2, 36, 62);
      if (fill) {
        Hit(bar, 3.5, 38, 60);
        Hit(bar, 3.5, 45, 52);
      }
    } else {
      // The swing ride: ding, ding-a ding, ding-a, with the hi-hat closing on two and four.
      for (double b : {0.0, 1.0, 1.5, 2.0, 3.0, 3.5}) Hit(bar, b, 51, std::floor(b) == b ? 56 : 40);
      Hit(bar, 1, 44, 50);
      Hit(bar, 3, 44, 50);
      Hit(bar, 0, 35, 34);
      Hit(bar, 2, 35, 30);
      for (double b : {0.5, 1.5, 2.5, 3.5}) {
        if (dice_.Chance(25)) Hit(bar, b, 38, 22);
      }
      if (fill) {
        Hit(bar, 2.5, 38, 46);
        Hit(bar, 3.5, 38, 56);
      }
    }
  }

  void Lead(int64_t bar, const Bar& chords, int index, size_t length, bool head, Dice& dice) {
    using Cell = std::vector<std::pair<double, double>>;
    static const std::vector<Cell> kHead = {{{0, 1}, {1, 1}, {2, 2}},
                                            {{0, 1.5}, {1.5, 0.5}, {2, 1}, {3, 1}},
                                            {{0, 0.5}, {0.5, 0.5}, {1, 1}, {2, 1.5}, {3.5, 0.5}},
                                            {{0.5, 0.5}, {1, 2.5}},
                                            {{1, 0.5}, {1.5, 0.5}, {2, 0.5}, {2.5, 1.5}},
                                            {{0, 2}, {2, 1}, {3, 1}}};
    static const std::vector<Cell> kSolo = {
        {{0, 0.5}, {0.5, 0.5}, {1, 0.5}, {1.5, 0.5}, {2, 1}, {3, 0.5}, {3.5, 0.5}},
        {{0.5, 0.5}, {1, 0.5}, {1.5, 0.5}, {2, 0.5}, {2.5, 0.5}, {3, 1}},
        {{0, 1}, {1, 0.5}, {1.5, 0.5}, {2, 0.5}, {2.5, 0.5}, {3, 0.5}, {3.5, 0.5}},
        {{0, 1.5}, {1.5, 0.5}, {2, 0.5}, {2.5, 1.5}}};
    static const std::vector<Cell> kBallad = {{{0, 2}, {2, 1}, {3, 1}},
                                              {{0, 3}, {3, 1}},
                                              {{0, 1}, {1, 1}, {2, 2}},
                                              {{0, 1.5}, {1.5, 0.5}, {2, 2}}};
    Cell cell;
    if (index % 4 == 3) {
      // Every fourth bar the line comes to rest and breathes.
      cell = {{0, 2.5}};
    } else if (Is("ballad")) {
      cell = kBallad[dice.Below(static_cast<int>(kBallad.size()))];
    } else {
      const auto& pool = head ? kHead : kSolo;
      cell = pool[dice.Below(static_cast<int>(pool.size()))];
    }
    const int centre = (t_.LeadLow + t_.LeadHigh) / 2;
    if (lastLead_ == 0) lastLead_ = centre;
    const bool final = static_cast<size_t>(index) + 1 == length;
    for (const auto& [beat, len] : cell) {
      const Chord& c = ChordAt(chords, beat);
      const bool strong =
          std::floor(beat) == beat && (static_cast<int>(beat) % 2 == 0 || len >= 1.5);
      std::vector<int> pcs;
      for (int iv : strong ? c.Tones : c.Scale) pcs.push_back((c.Root + iv) % 12);
      int dir = dice.Chance(50) ? 1 : -1;
      if (lastLead_ > centre + 5) dir = dice.Chance(75) ? -1 : 1;
      if (lastLead_ < centre - 5) dir = dice.Chance(75) ? 1 : -1;
      const int want = lastLead_ + dir * (strong ? 2 + dice.Below(3) : 1 + dice.Below(2));
      int best = lastLead_, bestDist = 99;
      for (int p = t_.LeadLow; p <= t_.LeadHigh; ++p) {
        if (std::find(pcs.begin(), pcs.end(), p % 12) == pcs.end()) continue;
        const int d = std::abs(p - want) + (p == lastLead_ ? 2 : 0);
        if (d < bestDist) best = p, bestDist = d;
      }
      if (final && beat == cell.back().first && index % 4 == 3) best = Nearest(c.Root, best);
      lastLead_ = best;
      const int vel = (strong ? 92 : 80) + dice.Below(10) - (head ? 0 : 6);
      tracks_[1].NoteOn(At(bar, beat), Len(len) - 30, kLead, best, vel);
    }
  }

  // The ending: two bars of the final chord under a slowing tempo and a cymbal swell.
  int64_t End(int64_t bar) {
    const Chord& c = t_.Ending;
    SetTempo(At(bar, 0), t_.Tempo * 0.85);
    SetTempo(At(bar, 2), t_.Tempo * 0.7);
    const int len = Len(7);
    tracks_[3].NoteOn(At(bar, 0), len, kBass, std::clamp(Nearest(c.Root, 36), 28, 48), 92);
    const std::vector<int> voicing = Voicing(c);
    for (size_t i = 0; i < voicing.size(); ++i) {
      tracks_[2].NoteOn(At(bar, 0) + 40 * static_cast<int>(i), len - 40 * static_cast<int>(i),
                        kComp, voicing[i], 62);
    }
    if (t_.Pad >= 0) Pad(bar, {c}), Pad(bar + 1, {c});
    const int top = std::clamp(Nearest(c.Root, lastLead_), t_.LeadLow, t_.LeadHigh);
    tracks_[1].NoteOn(At(bar, 0), len, kLead, top, 88);
    tracks_[5].NoteOn(At(bar, 0), 200, kDrums, 49, 72);
    tracks_[5].NoteOn(At(bar, 0), 200, kDrums, 35, 60);
    return At(bar + 2, 0);
  }
};

}  // namespace

bool WriteAllSongs(const QString& musicDir, const QString& outDir) {
  bool ok = true;
  for (int n = 0; n < 8; ++n) {
    Tune tune;
    const QString src = QString("%1/song%2.txt").arg(musicDir).arg(n);
    if (!ParseTune(src, tune)) {
      std::fprintf(stderr, "zandor-media: %s is not a valid song\n", qPrintable(src));
      ok = false;
      continue;
    }
    Arranger arranger(tune);
    const int64_t end = arranger.Compose();
    const double secs = arranger.Seconds(end);
    const QString out = outDir + QString("ZANDOR%1.MID").arg(n);
    if (secs < 60 || secs > 180) {
      std::fprintf(stderr, "zandor-media: %s lasts %.0f s, not 1 to 3 minutes\n", qPrintable(src),
                   secs);
      ok = false;
    }
    if (!WriteMidi(arranger.Tracks(), end, out)) {
      std::fprintf(stderr, "zandor-media: cannot write %s\n", qPrintable(out));
      ok = false;
    }
  }
  return ok;
}

}  // namespace zandor::media
