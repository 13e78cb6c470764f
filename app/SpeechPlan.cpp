#include "app/SpeechPlan.h"

#include <algorithm>

#include "app/SpinAnnouncer.h"
#include "face/FaceAccessible.h"
#include "platform/Language.h"
#include "platform/LocaleText.h"

namespace zandor {

namespace {

constexpr int kFreeSpins = 7;

QString Amount(int64_t cents) { return MoneyWords(Money::Cents(cents)); }

int Meter(int powerPts) { return std::clamp(powerPts, 0, 100); }

}  // namespace

bool CameByItself(const SpinReport& spin) { return spin.Free || spin.AutoSpin; }

QString ShortSpinPhrase(const SpinReport& spin, int powerPts, bool meterMoved) {
  // A won bonus changes the game: it is worth its whole sentence even among automatic spins.
  if (spin.Pool > 0) return SpinSentence(spin, powerPts);
  QStringList parts;
  if (spin.Free)
    //: Spoken before a free spin's result: %1 its number (1 to 7).
    parts << SpeechPlan::tr("Free spin %1.").arg(kFreeSpins - spin.FreeSpinsLeft);
  int64_t lines = 0;
  for (int64_t pay : spin.LinePays) lines += std::max<int64_t>(pay, 0);
  if (lines == 0)
    //: Spoken after a spin that came by itself and won nothing: %1 the credits now.
    parts << SpeechPlan::tr("No win, %1.").arg(Amount(spin.CreditsAfter));
  else
    //: Spoken after a spin that came by itself and won: %1 the win, %2 the credits now.
    parts << SpeechPlan::tr("Won %1, %2.").arg(Amount(spin.Win), Amount(spin.CreditsAfter));
  // The face shows the bonus meter only while no free spin remains.
  if (meterMoved && spin.FreeSpinsLeft == 0)
    //: Spoken after a spin that came by itself, once the bonus meter moved: how full it is now,
    //: %1 a percentage as the language writes it ("30%").
    parts << SpeechPlan::tr("Meter %1.").arg(PercentText(Meter(powerPts), 0));
  return parts.join(QLatin1Char(' '));
}

SpeechPlan::SpeechPlan(const MachineState& machine, std::function<void(const QString&)> say)
    : machine_(machine), say_(std::move(say)) {}

void SpeechPlan::Say(const QString& sentence) const {
  if (say_) say_(sentence);
}

void SpeechPlan::SpinScored(const SpinReport& spin) {
  const int meter = Meter(machine_.PowerPts);
  Say(CameByItself(spin) ? ShortSpinPhrase(spin, meter, meter != toldMeter_)
                         : SpinSentence(spin, meter));
  toldMeter_ = meter;
}

void SpeechPlan::GameReplaced(int64_t credits, int64_t /*borrowed*/) {
  toldMeter_ = Meter(machine_.PowerPts);
  //: Spoken once File / New Game has started a new game: %1 its credits.
  Say(tr("New game. Credits %1.").arg(Amount(credits)));
}

void SpeechPlan::GameOpened(int64_t /*credits*/, int64_t /*borrowed*/) {}

void SpeechPlan::SavedGameOpened(int slot, const std::string& name, int64_t credits) {
  toldMeter_ = Meter(machine_.PowerPts);
  if (name.empty())
    //: Spoken once File / Open has brought back a saved game: %1 its slot (1 to 8), %2 its
    //: credits.
    Say(tr("Opened slot %1. Credits %2.").arg(QString::number(slot), Amount(credits)));
  else
    //: Spoken once File / Open has brought back a saved game: %1 its slot (1 to 8), %2 the name
    //: the player gave it, %3 its credits.
    Say(tr("Opened slot %1, %2. Credits %3.")
            .arg(QString::number(slot), QString::fromStdString(name), Amount(credits)));
}

void SpeechPlan::CoinValueChanged(int64_t cents) {
  toldMeter_ = Meter(machine_.PowerPts);
  //: Spoken once a coin value was chosen under Options / Bet Amount: %1 the value of a coin,
  //: %2 the credits, which took back any coins placed.
  Say(tr("Coin value %1. Credits %2.").arg(Amount(cents), MoneyWords(machine_.Credits)));
}

void SpeechPlan::AutoSpinSwitched(bool on) {
  //: Spoken as Auto / Auto Spin is switched on or off.
  Say(on ? tr("Auto spin on.") : tr("Auto spin off."));
}

void SpeechPlan::WagerPlaced(int64_t cents, int coins) {
  //: Spoken once a bet has placed its coins: %1 the wager on the lines, %n its coins.
  Say(TranslatedN("zandor::SpeechPlan", "Wager %1, %n coin(s).", nullptr, coins)
          .arg(Amount(cents)));
}

}  // namespace zandor
