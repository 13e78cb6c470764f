#include "machine/SlotMachine.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "machine/Refusals.h"

namespace zandor {

namespace {

constexpr int kCoinsMax = 25;
constexpr const char* kContext = "zandor::SlotMachine";
constexpr const char* kNotEnough =
    ZANDOR_TR_NOOP("zandor::SlotMachine",
                   "You do not have enough credits to bet the same amount as you last spin; "
                   "you better borrow some credits!.");
constexpr const char* kPlaceBet =
    ZANDOR_TR_NOOP("zandor::SlotMachine", "Please place a bet before spinning.");

int SymbolAt(const std::string& strip, int index0) {
  return strip[static_cast<size_t>(index0 % 20)] - '0';
}

// Pauses after each counted coin by the coins still to come: fewer than 6, 15, 50, 100, 500,
// or more. The count-up pauses longer as fewer coins remain; the pool pays out more slowly.
using PauseTable = std::array<double, 6>;
constexpr PauseTable kCountUpPauses{0.06, 0.035, 0.025, 0.01, 0.0025, 0.001};
constexpr PauseTable kPoolPauses{0.25, 0.15, 0.1, 0.05, 0.01, 0.005};

double PauseFor(Money left, Money coinValue, const PauseTable& pauses) {
  constexpr std::array<int, 5> bands{6, 15, 50, 100, 500};
  for (size_t i = 0; i < bands.size(); ++i)
    if (left < coinValue * bands[i]) return pauses[i];
  return pauses[5];
}

// Credits and the pool stop at the most the machine can keep; a win beyond it is not paid.
Money CreditsPlus(Money held, Money more) {
  return held > MoneyMax - more ? MoneyMax : held + more;
}

// Counters stop at their largest value instead of wrapping to a negative one.
void CountOne(int32_t& counter) {
  if (counter < std::numeric_limits<int32_t>::max()) ++counter;
}

// Told once a bet has placed all its coins, so that a bet of many coins is one event.
void TellWager(GameEvents& events, const MachineState& m) {
  const auto coins =
      static_cast<int>(std::clamp<int64_t>(m.Wager.CoinsOf(m.CoinValue), 0, kCoinsMax));
  events.WagerPlaced(CentsOf(m.Wager), coins);
}
}  // namespace

void ComputeReelGrid(MachineState& m) {
  for (int r = 0; r < 3; ++r) {
    const std::string& strip = m.ReelStrips[r];
    if (strip.size() < 20) continue;
    int k = m.ReelStops[r] / 2;
    for (int row = 0; row < 3; ++row) m.ReelGrid[r * 3 + row] = SymbolAt(strip, k + row);
  }
}

int PayFactor(int a, int b, int c) {
  for (int sym = 0; sym <= 5; ++sym)
    if (a == sym && b == sym && c == sym) return PayFactors[sym];
  if (a == 5 && b == 5) return PayFactors[6];
  return 0;
}

std::array<int, 3> PaylineCells(int k) {
  // Grid entry (reel-1)*3 + row, rows 0 top, 1 middle, 2 bottom.
  switch (k) {
    case 1:
      return {1, 4, 7};
    case 2:
      return {0, 3, 6};
    case 3:
      return {2, 5, 8};
    case 4:
      return {0, 4, 8};
    default:
      return {2, 4, 6};
  }
}

void SetReelStrips(MachineState& m) {
  for (int r = 0; r < 3; ++r) m.ReelStrips[r] = NormalStrips[r];
  // A won bonus keeps reel 2 on its free-spin strip for as long as free spins remain.
  if (m.FreeSpins > 0) m.ReelStrips[1] = FreeSpinStrip;
  ComputeReelGrid(m);
}

struct SlotMachine::BusyScope {
  explicit BusyScope(SlotMachine& m) : Owner(m) {
    if (Owner.busy_++ == 0) Owner.host_.Buttons.StateChanged();
  }
  ~BusyScope() {
    if (--Owner.busy_ == 0) Owner.host_.Buttons.StateChanged();
  }
  SlotMachine& Owner;
};

SlotMachine::SlotMachine(MachineState& machine, const PlayerOptions& options, Lcg& rng, Host host)
    : m_(machine), options_(options), rng_(rng), host_(host), events_(&noEvents_) {}

void SlotMachine::SetEvents(GameEvents* events) { events_ = events ? events : &noEvents_; }

void SlotMachine::ClearWins() {
  m_.LinePays.fill(0);
  m_.SpinWin = Money();
}

void SlotMachine::UpdateLineBets(Money coinValue, Money wager) {
  const int n = static_cast<int>(std::clamp<int64_t>(wager.CoinsOf(coinValue), 0, kCoinsMax));
  for (int line = 1; line <= 5; ++line) {
    int coins = n >= line ? (n - line) / 5 + 1 : 0;
    m_.LineBets[line - 1] = coins * coinValue;
  }
  host_.Face.DrawLamps(coinValue, wager);
}

void SlotMachine::PlaceCoin() {
  m_.Credits -= m_.CoinValue;
  m_.Wager += m_.CoinValue;
  UpdateLineBets(m_.CoinValue, m_.Wager);
  host_.Face.Redraw(FaceElement::Credits);
  host_.Face.Redraw(FaceElement::Wager);
  Play(Effect::Coin);
}

void SlotMachine::PlaceCoins(int most) {
  BusyScope busy(*this);
  host_.Buttons.SetBetButtonsEnabled(false);
  // The loop re-tests its conditions before every coin: the bank stays open meanwhile.
  for (int added = 0;
       added < most && m_.Wager < kCoinsMax * m_.CoinValue && m_.Credits >= m_.CoinValue; ++added) {
    PlaceCoin();
    WaitSeconds(0.1);
  }
  host_.Buttons.SetBetButtonsEnabled(true);
}

void SlotMachine::BetOne() {
  // Coins placed while free spins remain would be overwritten by the free spin's wager.
  if (Busy() || closing_) return;
  if (m_.FreeSpins > 0) {
    events_->BetRefused(1, FreeSpinsBetText());
    return;
  }
  ClearWins();
  if (m_.Credits < m_.CoinValue) {
    events_->BetRefused(1, BetShortText(1, m_.CoinValue, m_.Credits));
    return;
  }
  PlaceCoin();
  TellWager(*events_, m_);
  if (m_.Wager >= kCoinsMax * m_.CoinValue) Spin();
}

void SlotMachine::BetFive() {
  if (Busy() || closing_) return;
  if (m_.FreeSpins > 0) {
    events_->BetRefused(5, FreeSpinsBetText());
    return;
  }
  ClearWins();
  const int64_t placed = std::clamp<int64_t>(m_.Wager.CoinsOf(m_.CoinValue), 0, kCoinsMax);
  const int64_t k = std::min<int64_t>(5, kCoinsMax - placed);
  if (m_.Credits < m_.CoinValue * k) {
    events_->BetRefused(5, BetShortText(5, m_.CoinValue * k, m_.Credits));
    return;
  }
  PlaceCoins(5);
  TellWager(*events_, m_);
  if (m_.Wager >= kCoinsMax * m_.CoinValue) Spin();
}

void SlotMachine::BetMax() {
  if (Busy() || closing_) return;
  if (m_.FreeSpins > 0) {
    events_->BetRefused(kCoinsMax, FreeSpinsBetText());
    return;
  }
  ClearWins();
  if (const Money needed = kCoinsMax * m_.CoinValue - m_.Wager; needed > m_.Credits) {
    events_->BetRefused(kCoinsMax, BetShortText(kCoinsMax, needed, m_.Credits));
    return;
  }
  PlaceCoins(kCoinsMax);
  TellWager(*events_, m_);
  Spin();
}

void SlotMachine::ChooseCoinValue(int bet) {
  if (m_.Spins <= 0 || !CoinValueOpen() || bet < 0 || bet >= static_cast<int>(CoinTable.size()))
    return;
  const bool changed = m_.CoinValue != CoinTable[bet].Value;
  m_.CoinValue = CoinTable[bet].Value;
  m_.BonusPool = PoolBaseCoins * m_.CoinValue;
  m_.PowerPts = 0;
  // A placed wager goes back to the credits; they are not converted to the new coin.
  m_.Credits += m_.Wager;
  m_.Wager = Money();
  m_.LastWager = Money();
  m_.Bet = static_cast<uint8_t>(bet);
  if (changed) events_->CoinValueChanged(CentsOf(m_.CoinValue));
  host_.Face.Repaint();
  host_.Buttons.StateChanged();
  host_.Keep.GameSettled();
}

void SlotMachine::ChooseSpeed(SpinSpeed speed) {
  if (!IsMenuSpeed(speed)) return;
  m_.SpinDelay = SpeedDelays[static_cast<uint8_t>(speed)];
  m_.Speed = speed;
  host_.Buttons.StateChanged();
}

void SlotMachine::WaitSeconds(double seconds) {
  const uint32_t start = host_.Time.TickCount();
  const uint32_t span = static_cast<uint32_t>(std::ceil(seconds * 1000.0));
  // Differences of ticks stay right when the 32-bit tick count wraps.
  // A count-up the player hurries stops waiting at once.
  while (host_.Time.TickCount() - start < span && !hurry_) host_.Time.ProcessMessages(start + span);
}

void SlotMachine::AddPoolContribution() {
  if (m_.Wager >= kCoinsMax * m_.CoinValue) {
    inProgress_.PoolShare = m_.Wager.PoolShare();
    m_.BonusPool = CreditsPlus(m_.BonusPool, inProgress_.PoolShare);
  }
  host_.Face.Redraw(FaceElement::Bonus);
}

void SlotMachine::Play(Effect e) {
  if (!completing_) host_.Sound.Play(e);
}

void SlotMachine::Spin() {
  if (Busy()) return;
  ClearWins();
  inProgress_ = SpinInProgress{};
  if (m_.FreeSpins > 0) {
    host_.Face.Redraw(FaceElement::FreeSpinsLeft);
    m_.Wager = m_.LastWager;
    UpdateLineBets(m_.CoinValue, m_.Wager);
  } else if (m_.Wager != Money()) {
    AddPoolContribution();
  } else if (m_.LastWager > Money()) {
    if (m_.Credits < m_.LastWager) {
      m_.AutoSpin = false;
      host_.Buttons.StateChanged();
      host_.Prompts.Inform(PlayerText{kContext, kNotEnough});
      if (m_.AutoSpin || m_.FreeSpins > 0) host_.Timer.SetAutomaticSpins(true);
      return;
    }
    UpdateLineBets(m_.CoinValue, m_.LastWager);
    m_.Wager = m_.LastWager;
    m_.Credits -= m_.LastWager;
    host_.Face.Redraw(FaceElement::Credits);
    host_.Face.Redraw(FaceElement::Wager);
    AddPoolContribution();
  } else {
    host_.Prompts.Inform(PlayerText{kContext, kPlaceBet});
    if (m_.AutoSpin || m_.FreeSpins > 0) host_.Timer.SetAutomaticSpins(true);
    return;
  }

  TurnAndSettle(host_.Time.UtcTimeOfDayMs());
  StopAutoSpinAtLimit();
  if (m_.AutoSpin || m_.FreeSpins > 0) host_.Timer.SetAutomaticSpins(true);
  host_.Keep.GameSettled();
}

void SlotMachine::CompleteSpin(const SpinInProgress& spin) {
  if (Busy()) return;
  ClearWins();
  inProgress_ = spin;
  m_.Wager = spin.Wager;
  UpdateLineBets(m_.CoinValue, m_.Wager);
  completing_ = &spin;
  // The spin's counter and its wager were booked when its reels started.
  TurnAndSettle(spin.Seed);
  completing_ = nullptr;
  if (m_.FreeSpins > 0) host_.Timer.SetAutomaticSpins(true);
  host_.Keep.GameSettled();
}

void SlotMachine::TurnAndSettle(uint32_t seed) {
  BusyScope busy(*this);
  const bool freeSpin = m_.FreeSpins > 0;
  report_ = SpinReport{};
  report_.Free = freeSpin;
  report_.Completed = completing_ != nullptr;
  report_.CoinValue = CentsOf(m_.CoinValue);
  report_.Wager = CentsOf(m_.Wager);
  host_.Timer.SetWinBlink(false);
  if (!completing_) {
    if (freeSpin) {
      CountOne(m_.FreeSpinCount);
      host_.Face.Redraw(FaceElement::FreeSpinCount);
    } else {
      CountOne(m_.Spins);
      host_.Face.Redraw(FaceElement::Spins);
    }
  }
  host_.Buttons.SetBetButtonsEnabled(false);

  // The whole spin follows from its seed; the host keeps it before the reels turn, so a crash
  // from here on completes the spin instead of voiding it.
  const SpinPlan plan = PlanSpin(rng_, seed);
  if (!completing_) {
    inProgress_.Seed = seed;
    inProgress_.Stops = plan.Stops;
    inProgress_.Free = freeSpin;
    inProgress_.Wager = m_.Wager;
    host_.Keep.KeepSpin(inProgress_);
    AnimateReels(plan);
  } else {
    host_.Face.DrawReels(plan.Stops);
  }
  m_.ReelStops = plan.Stops;

  host_.Timer.SetWinBlink(true);
  ComputeReelGrid(m_);
  EvaluatePaylines();
  if (m_.WinPending > Money()) CountUpWin();
  if (m_.FreeSpins == 0) UpdateBonusMeter();
  host_.Buttons.SetBetButtonsEnabled(true);
  host_.Buttons.FocusSpinButton();
  m_.LastWager = m_.Wager;
  m_.Wager = Money();
  FreeSpinBookkeeping();
  ReportSpin();
}

void SlotMachine::ReportSpin() {
  report_.AutoSpin = m_.AutoSpin;
  report_.CreditsAfter = CentsOf(m_.Credits);
  report_.FreeSpinsLeft = m_.FreeSpins;
  events_->SpinScored(report_);
}

void SlotMachine::StopAutoSpinAtLimit() {
  // A limit waits for the end of a free-spin sequence.
  if (!m_.AutoSpin || m_.FreeSpins > 0) return;
  PlayerText reason = events_->AutoSpinStopText();
  if (reason.Empty()) return;
  events_->AutoSpinsStopped(reason);
  m_.AutoSpin = false;
  host_.Buttons.StateChanged();
  host_.Prompts.Inform(reason);
}

void SlotMachine::AnimateReels(const SpinPlan& plan) {
  int s = 0;
  uint32_t t = host_.Time.TickCount();
  while (s < SpinSteps) {
    const uint32_t delay = static_cast<uint32_t>(m_.SpinDelay);
    if (host_.Time.TickCount() - t >= delay) {
      t = host_.Time.TickCount();
      ++s;
      AnimationStep(s, plan.Frames[static_cast<size_t>(s - 1)]);
    }
    if (s < SpinSteps) host_.Time.ProcessMessages(t + delay);
  }
}

void SlotMachine::AnimationStep(int s, const std::array<int, 3>& pos) {
  host_.Face.DrawReels(pos);

  if (s == 59 || s == 79 || s == 99) {
    Play(Effect::Stop);
  } else if (s < 99) {
    int every = m_.SpinDelay == 10 ? 5 : m_.SpinDelay == 35 ? 3 : m_.SpinDelay == 55 ? 2 : 0;
    if (every > 0 && s % every == 0) Play(Effect::Spin);
  }
}

void SlotMachine::EvaluatePaylines() {
  m_.SpinWin = Money();
  // The report shows the reels as they stopped, before free spins may swap reel 2's strip.
  report_.Grid = m_.ReelGrid;
  for (int line = 1; line <= 5; ++line) {
    auto cells = PaylineCells(line);
    int factor = PayFactor(m_.ReelGrid[cells[0]], m_.ReelGrid[cells[1]], m_.ReelGrid[cells[2]]);
    m_.LinePays[line - 1] = factor;
    m_.SpinWin += m_.LineBets[line - 1] * factor;
    report_.LinePays[line - 1] = factor * CentsOf(m_.LineBets[line - 1]);
    if (factor > 0) host_.Face.DrawPayline(line);
  }
  if (m_.SpinWin > Money()) {
    Play(Effect::Win);
    // A player who is closing the game is not asked to gamble: the win is counted in as won.
    if (completing_) {
      // The card game's decision, when one was made before the crash, stands; a card table
      // still waiting counts the win in as won.
      report_.CardOffered = completing_->CardDecided;
      if (completing_->CardDecided) m_.SpinWin = KeptCardWin(m_.SpinWin, completing_->CardWin);
    } else {
      report_.CardOffered = options_.AceyDucey && !m_.AutoSpin && !closing_;
      if (report_.CardOffered) {
        // A card seen is a card played: each draw's outcome is kept before the table shows it,
        // so a crash while it shows cannot undo the gamble.
        m_.SpinWin = host_.Prompts.OfferCardGame(m_.SpinWin, [this](Money shown) {
          inProgress_.CardDecided = true;
          inProgress_.CardWin = shown;
          host_.Keep.KeepSpin(inProgress_);
        });
        inProgress_.CardDecided = true;
        inProgress_.CardWin = m_.SpinWin;
        host_.Keep.KeepSpin(inProgress_);
      }
    }
    m_.WinPending = m_.SpinWin;
    host_.Face.Redraw(FaceElement::Won);
    UpdateLineBets(m_.CoinValue, m_.Wager);
  } else {
    Play(Effect::Lose);
  }
}

int64_t SlotMachine::CountIntoCredits(Money& amount, Money leave,
                                      const std::array<double, 6>& pauses, FaceElement meter) {
  BusyScope busy(*this);
  const Money coin = m_.CoinValue;
  if (coin <= Money()) return 0;
  counting_ = true;
  hurry_ = false;
  countStart_ = host_.Time.TickCount();
  int64_t coins = 0;
  for (; amount > leave; ++coins) {
    if (closing_ || completing_ || hurry_) {
      // The player is leaving, a crash interrupted the spin, or the player asked for the rest
      // at once: the coins still to come go in together, exactly as many as the count would
      // have moved (a part of a coin counts as a whole one); only the player's request sounds.
      const int64_t rest = ((amount - leave).InCents() + coin.InCents() - 1) / coin.InCents();
      m_.Credits = CreditsPlus(m_.Credits, coin * rest);
      amount -= coin * rest;
      host_.Face.Redraw(FaceElement::Credits);
      host_.Face.Redraw(meter);
      if (hurry_ && !closing_) Play(Effect::Credit);
      coins += rest;
      break;
    }
    const double wait = PauseFor(amount, coin, pauses);
    m_.Credits = CreditsPlus(m_.Credits, coin);
    amount -= coin;
    host_.Face.Redraw(FaceElement::Credits);
    host_.Face.Redraw(meter);
    Play(Effect::Credit);
    WaitSeconds(wait);
  }
  counting_ = hurry_ = false;
  return coins;
}

int64_t SlotMachine::CountUpMs() const {
  return counting_ ? int64_t{host_.Time.TickCount() - countStart_} : -1;
}

bool SlotMachine::HurryCountUp() {
  if (!counting_) return false;
  hurry_ = true;
  return true;
}

void SlotMachine::CountUpWin() {
  // The count stops once less than a nickel is left.
  const int64_t coins =
      CountIntoCredits(m_.WinPending, Money::Cents(4), kCountUpPauses, FaceElement::Won);
  // What reached the credits is whole coins; the bank may move money meanwhile, so the
  // credits' difference would not tell.
  report_.Win = coins * CentsOf(m_.CoinValue);
}

void SlotMachine::UpdateBonusMeter() {
  int gains = 0, losses = 0;
  for (int v : m_.ReelGrid) {
    gains += v == GAIN;
    losses += v == LOSS;
  }
  if (losses > 0) {
    Play(Effect::PowerDown);
    m_.PowerPts /= 2;
    host_.Face.DrawBonusMeter(false);
  } else if (gains > 0) {
    Play(Effect::PowerUp);
    // Widened first: a stored meter near the largest integer must not wrap.
    m_.PowerPts = static_cast<int32_t>(std::min<int64_t>(100, int64_t{m_.PowerPts} + 10 * gains));
    host_.Face.DrawBonusMeter(true);
  }
}

void SlotMachine::PayBonusPool() {
  // A remainder of a cent or more that is less than a coin still pays a whole coin.
  const int64_t coins = CountIntoCredits(m_.BonusPool, Money(), kPoolPauses, FaceElement::Bonus);
  report_.Pool = coins * CentsOf(m_.CoinValue);
}

void SlotMachine::FreeSpinBookkeeping() {
  if (m_.FreeSpins >= 1) {
    --m_.FreeSpins;
    m_.PowerPts = 0;
    if (m_.FreeSpins == 0) {
      m_.BonusPool = PoolBaseCoins * m_.CoinValue;
      // The window now shows reel 2's normal strip; the blinking follows what is shown.
      SetReelStrips(m_);
      host_.Face.Repaint();
    }
  } else if (m_.PowerPts >= 100) {
    Play(Effect::Bonus);
    PayBonusPool();
    m_.FreeSpins = FreeSpinAward;
    m_.PowerPts = 0;
    SetReelStrips(m_);
    host_.Face.Repaint();
  }
}

void SlotMachine::NextAutomaticSpin() {
  // A tick that arrives while money is in motion waits for the next one.
  if (Busy()) return;
  if (closing_) {
    host_.Timer.SetAutomaticSpins(false);
    return;
  }
  if ((m_.AutoSpin && m_.LastWager > Money() && m_.Credits >= m_.LastWager) || m_.FreeSpins > 0) {
    host_.Timer.SetAutomaticSpins(false);
    Spin();
  } else {
    host_.Timer.SetAutomaticSpins(false);
    const bool wasOn = m_.AutoSpin;
    m_.AutoSpin = false;
    host_.Buttons.StateChanged();
    // The check mark goes off by itself: the player is told why, once.
    if (wasOn) events_->AutoSpinRefused(AutoSpinStoppedText(m_));
  }
}

void SlotMachine::ToggleAutoSpin() {
  m_.AutoSpin = !m_.AutoSpin;
  // A won bonus's free spins run to their end whatever the check mark says (their timer is
  // left alone); the check mark decides what follows them.
  if (m_.FreeSpins <= 0) host_.Timer.SetAutomaticSpins(!host_.Timer.AutomaticSpinsEnabled());
  host_.Buttons.StateChanged();
  events_->AutoSpinSwitched(m_.AutoSpin);
}

void SlotMachine::HandBackWager() {
  if (Busy() || m_.Wager == Money()) return;
  m_.Credits += m_.Wager;
  m_.Wager = Money();
  host_.Face.Redraw(FaceElement::Credits);
  host_.Face.Redraw(FaceElement::Wager);
}

void SlotMachine::RequestClose() {
  closing_ = true;
  host_.Timer.SetAutomaticSpins(false);
}

bool SlotMachine::NewGame() {
  if (Busy()) return false;
  m_.BonusPool = PoolBaseCoins * m_.CoinValue;
  m_.Wager = Money();
  m_.LastWager = Money();
  m_.Spins = 0;
  m_.FreeSpinCount = 0;
  m_.PowerPts = 0;
  m_.Credits = Money::Dollars(1000);
  m_.Borrowed = Money::Dollars(1000);
  host_.Face.Repaint();
  events_->GameReplaced(CentsOf(m_.Credits), CentsOf(m_.Borrowed));
  host_.Keep.GameSettled();
  return true;
}

}  // namespace zandor
