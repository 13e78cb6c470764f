#include "assets/generator/Midi.h"

#include <QFile>
#include <algorithm>
#include <cmath>

namespace zandor::media {
namespace {

void PutVarLen(QByteArray& out, uint32_t v) {
  uint8_t buf[5];
  int n = 0;
  buf[n++] = v & 0x7F;
  while (v >>= 7) buf[n++] = static_cast<uint8_t>((v & 0x7F) | 0x80);
  while (n) out.append(static_cast<char>(buf[--n]));
}

void PutBE(QByteArray& out, uint32_t v, int bytes) {
  for (int i = bytes - 1; i >= 0; --i) out.append(static_cast<char>((v >> (8 * i)) & 0xFF));
}

QByteArray Bytes(std::initializer_list<int> list) {
  QByteArray b;
  for (int v : list) b.append(static_cast<char>(v));
  return b;
}

}  // namespace

void MidiTrack::Add(int64_t tick, int order, QByteArray bytes) {
  events_.push_back(
      {std::max<int64_t>(0, tick), order, static_cast<int>(events_.size()), std::move(bytes)});
}

void MidiTrack::NoteOn(int64_t tick, int length, int channel, int key, int velocity) {
  key = std::clamp(key, 0, 127);
  velocity = std::clamp(velocity, 1, 127);
  Add(tick, 2, Bytes({0x90 | channel, key, velocity}));
  Add(tick + std::max(1, length), 0, Bytes({0x80 | channel, key, 0}));
}

void MidiTrack::Program(int64_t tick, int channel, int program) {
  Add(tick, 1, Bytes({0xC0 | channel, program}));
}

void MidiTrack::Control(int64_t tick, int channel, int controller, int value) {
  Add(tick, 1, Bytes({0xB0 | channel, controller, std::clamp(value, 0, 127)}));
}

void MidiTrack::Tempo(int64_t tick, double bpm) {
  const uint32_t us = static_cast<uint32_t>(std::lround(60000000.0 / bpm));
  Add(tick, 1,
      Bytes({0xFF, 0x51, 0x03, static_cast<int>(us >> 16), static_cast<int>((us >> 8) & 0xFF),
             static_cast<int>(us & 0xFF)}));
}

void MidiTrack::TimeSignature(int64_t tick, int numerator, int denominator) {
  int power = 0;
  while ((1 << power) < denominator) ++power;
  Add(tick, 1, Bytes({0xFF, 0x58, 0x04, numerator, power, 24, 8}));
}

void MidiTrack::Name(const QByteArray& name) {
  QByteArray b = Bytes({0xFF, 0x03});
  PutVarLen(b, static_cast<uint32_t>(name.size()));
  b.append(name);
  Add(0, 1, b);
}

QByteArray MidiTrack::Chunk(int64_t endTick) const {
  std::vector<Event> sorted = events_;
  std::sort(sorted.begin(), sorted.end(), [](const Event& a, const Event& b) {
    if (a.Tick != b.Tick) return a.Tick < b.Tick;
    if (a.Order != b.Order) return a.Order < b.Order;
    return a.Seq < b.Seq;
  });
  QByteArray body;
  int64_t now = 0;
  for (const Event& e : sorted) {
    PutVarLen(body, static_cast<uint32_t>(e.Tick - now));
    body.append(e.Bytes);
    now = e.Tick;
  }
  PutVarLen(body, static_cast<uint32_t>(std::max<int64_t>(0, endTick - now)));
  body.append(Bytes({0xFF, 0x2F, 0x00}));
  QByteArray chunk("MTrk");
  PutBE(chunk, static_cast<uint32_t>(body.size()), 4);
  chunk.append(body);
  return chunk;
}

bool WriteMidi(const std::vector<MidiTrack>& tracks, int64_t endTick, const QString& path) {
  QByteArray file("MThd");
  PutBE(file, 6, 4);
  PutBE(file, 1, 2);
  PutBE(file, static_cast<uint32_t>(tracks.size()), 2);
  PutBE(file, kTicksPerQuarter, 2);
  for (const MidiTrack& t : tracks) file.append(t.Chunk(endTick));
  QFile f(path);
  return f.open(QIODevice::WriteOnly) && f.write(file) == file.size();
}

}  // namespace zandor::media
