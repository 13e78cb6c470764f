#include "app/SpinAnnouncer.h"

#include <QCoreApplication>
#include <algorithm>

#include "face/FaceAccessible.h"
#include "platform/Language.h"
#include "platform/LocaleText.h"

namespace zandor {

namespace {

QString Amount(int64_t cents) { return MoneyWords(Money::Cents(cents)); }

}  // namespace

SpinAnnouncer::SpinAnnouncer(const MachineState& machine, std::function<void(const QString&)> say)
    : SpeechPlan(machine, say), say_(std::move(say)) {}

void SpinAnnouncer::AutoSpinsStopped(const PlayerText& reason) {
  if (say_) say_(Translated(reason));
}

namespace {

// One sentence per winning line; returns what they pay together.
int64_t SayLines(const std::array<int, 9>& grid, const std::array<int64_t, 5>& pays,
                 QStringList& parts) {
  int64_t lines = 0;
  for (int k = 1; k <= 5; ++k) {
    const int64_t pay = pays[static_cast<size_t>(k - 1)];
    if (pay <= 0) continue;
    lines += pay;
    //: Spoken: %1 the payline's number, %2 the three symbols on it, %3 the amount it pays.
    parts
        << SpinAnnouncer::tr("Line %1: %2 pays %3.").arg(k).arg(LineSymbols(grid, k), Amount(pay));
  }
  return lines;
}

}  // namespace

QString CardOfferSentence(const MachineState& m) {
  std::array<int64_t, 5> pays{};
  for (size_t k = 0; k < pays.size(); ++k) pays[k] = CentsOf(m.LineBets[k] * m.LinePays[k]);
  QStringList parts;
  SayLines(m.ReelGrid, pays, parts);
  parts << SpinAnnouncer::tr("Credits %1.").arg(MoneyWords(m.Credits));
  return parts.join(QLatin1Char(' '));
}

QString SpinSentence(const SpinReport& spin, int powerPts) {
  QStringList parts;
  if (spin.Free)
    parts << SpinAnnouncer::tr("Free spin %1 of %2.")
                 .arg(FreeSpinAward - spin.FreeSpinsLeft)
                 .arg(FreeSpinAward);
  const int64_t lines = SayLines(spin.Grid, spin.LinePays, parts);
  if (lines == 0)
    parts << SpinAnnouncer::tr("No win.");
  else if (spin.CardOffered && spin.Win != lines)
    parts << SpinAnnouncer::tr("After the card game you win %1.").arg(Amount(spin.Win));
  else
    parts << SpinAnnouncer::tr("Total win %1.").arg(Amount(spin.Win));
  if (spin.Pool > 0)
    parts << SpinAnnouncer::tr("Bonus won: %1 and %2 free spins.")
                 .arg(Amount(spin.Pool))
                 .arg(FreeSpinAward);
  parts << SpinAnnouncer::tr("Credits %1.").arg(Amount(spin.CreditsAfter));
  // The face shows the bonus meter only while no free spin remains.
  //: Spoken: how full the bonus meter is, %1 a percentage as the language writes it ("30%").
  if (spin.FreeSpinsLeft == 0)
    parts << SpinAnnouncer::tr("Bonus meter %1.").arg(PercentText(std::clamp(powerPts, 0, 100), 0));
  return parts.join(QLatin1Char(' '));
}

}  // namespace zandor
