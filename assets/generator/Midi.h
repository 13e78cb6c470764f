// A standard MIDI file writer (format 1: a tempo track followed by one track per part).
#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <vector>

namespace zandor::media {

// Ticks per quarter note of every song.
constexpr int kTicksPerQuarter = 480;

// One track's events, added in any order; they are sorted when the file is written.
class MidiTrack {
 public:
  // Adds a note on `channel` from `tick` lasting `length` ticks.
  void NoteOn(int64_t tick, int length, int channel, int key, int velocity);
  // Adds a program (instrument) change.
  void Program(int64_t tick, int channel, int program);
  // Adds a controller change.
  void Control(int64_t tick, int channel, int controller, int value);
  // Adds a tempo change in beats per minute.
  void Tempo(int64_t tick, double bpm);
  // Adds a 4/4 time signature.
  void TimeSignature(int64_t tick, int numerator, int denominator);
  // Adds a track name.
  void Name(const QByteArray& name);

  // The track chunk, "MTrk" header included, closed with an end-of-track at `endTick` or later.
  QByteArray Chunk(int64_t endTick) const;

 private:
  struct Event {
    int64_t Tick;
    int Order;  // note-offs sort before anything else on the same tick
    int Seq;
    QByteArray Bytes;
  };
  std::vector<Event> events_;
  void Add(int64_t tick, int order, QByteArray bytes);
};

// Writes the tracks as a format 1 file; false when the file cannot be written.
bool WriteMidi(const std::vector<MidiTrack>& tracks, int64_t endTick, const QString& path);

}  // namespace zandor::media
