#include "app/SpinAnnouncer.h"

#include <QCoreApplication>
#include <algorithm>

#include "face/FaceAccessible.h"

namespace zandor {

namespace {

QString Tr(const char* text) { return QCoreApplication::translate("SpinAnnouncer", text); }

QString Amount(int64_t cents) { return MoneyWords(Money::Cents(cents)); }

}  // namespace

SpinAnnouncer::SpinAnnouncer(GameEvents& record, const MachineState& machine,
                             std::function<void(const QString&)> say)
    : record_(record), machine_(machine), say_(std::move(say)) {}

void SpinAnnouncer::SpinScored(const SpinReport& spin) {
  record_.SpinScored(spin);
  if (say_) say_(SpinSentence(spin, machine_.PowerPts));
}

void SpinAnnouncer::Loan(int64_t cents) { record_.Loan(cents); }

void SpinAnnouncer::GameReplaced(int64_t credits, int64_t borrowed) {
  record_.GameReplaced(credits, borrowed);
}

void SpinAnnouncer::GameOpened(int64_t credits, int64_t borrowed) {
  record_.GameOpened(credits, borrowed);
}

void SpinAnnouncer::CoinValueChanged(int64_t cents) { record_.CoinValueChanged(cents); }

void SpinAnnouncer::AutoSpinSwitched(bool on) { record_.AutoSpinSwitched(on); }

std::string SpinAnnouncer::AutoSpinStopReason() {
  std::string reason = record_.AutoSpinStopReason();
  if (!reason.empty() && say_) say_(QString::fromStdString(reason));
  return reason;
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
    parts << Tr("Line %1: %2 pays %3.").arg(k).arg(LineSymbols(grid, k), Amount(pay));
  }
  return lines;
}

}  // namespace

QString CardOfferSentence(const MachineState& m) {
  std::array<int64_t, 5> pays{};
  for (size_t k = 0; k < pays.size(); ++k) pays[k] = CentsOf(m.LineBets[k] * m.LinePays[k]);
  QStringList parts;
  SayLines(m.ReelGrid, pays, parts);
  parts << Tr("Credits %1.").arg(MoneyWords(m.Credits));
  return parts.join(QLatin1Char(' '));
}

QString SpinSentence(const SpinReport& spin, int powerPts) {
  constexpr int kFreeSpins = 7;
  QStringList parts;
  if (spin.Free)
    parts << Tr("Free spin %1 of %2.").arg(kFreeSpins - spin.FreeSpinsLeft).arg(kFreeSpins);
  const int64_t lines = SayLines(spin.Grid, spin.LinePays, parts);
  if (lines == 0)
    parts << Tr("No win.");
  else if (spin.CardOffered && spin.Win != lines)
    parts << Tr("After the card game you win %1.").arg(Amount(spin.Win));
  else
    parts << Tr("Total win %1.").arg(Amount(spin.Win));
  if (spin.Pool > 0)
    parts << Tr("Bonus won: %1 and %2 free spins.").arg(Amount(spin.Pool)).arg(kFreeSpins);
  parts << Tr("Credits %1.").arg(Amount(spin.CreditsAfter));
  // The face shows the bonus meter only while no free spin remains.
  if (spin.FreeSpinsLeft == 0) parts << Tr("Bonus meter %1%.").arg(std::clamp(powerPts, 0, 100));
  return parts.join(QLatin1Char(' '));
}

}  // namespace zandor
