// The slot machine's rules: wagering, the spin cycle, paylines and payoffs, the bonus
// feature and new game. Works on the machine's state and reaches the outside only through the
// parts of its Host.
#pragma once

#include <array>

#include "machine/GameEvents.h"
#include "machine/GameHandle.h"
#include "machine/GameState.h"
#include "machine/Host.h"
#include "machine/Lcg.h"
#include "machine/MoneyOwner.h"
#include "machine/SpinPlan.h"

namespace zandor {

// Fills ReelGrid from ReelStrips and ReelStops.
void ComputeReelGrid(MachineState& m);
// The pay per coin for three symbols on a line (0 when no payoff row matches).
int PayFactor(int reel1, int reel2, int reel3);
// The three ReelGrid entries of payline k (1..5).
std::array<int, 3> PaylineCells(int k);
// Gives the reels the strips they carry now (reel 2's free-spin strip while free spins
// remain) and recomputes ReelGrid.
void SetReelStrips(MachineState& m);

class SlotMachine {
 public:
  // Plays on the machine's state, offers the card game as the options say, draws the reels
  // from rng and reaches the window through host; all four outlive the machine.
  SlotMachine(MachineState& machine, const PlayerOptions& options, Lcg& rng, Host host);
  // The same, on the machine and the options of a running program's game.
  SlotMachine(GameHandle game, Lcg& rng, Host host)
      : SlotMachine(game.Machine(), game.State().Options, rng, host) {}

  // Bet 1, Bet 5 and Bet Max.
  void BetOne();
  void BetFive();
  void BetMax();
  // A coin-value menu entry (row 0..5 of CoinTable); ignored in a fresh game, while money is
  // in motion and while free spins remain.
  void ChooseCoinValue(int bet);
  // True when the coin value may change now (the window greys its menu otherwise).
  bool CoinValueOpen() const { return !Busy() && m_.FreeSpins <= 0; }
  // Fast, Medium or Slow; any other value is ignored.
  void ChooseSpeed(SpinSpeed speed);
  // Deals the wager out to LineBets and redraws the lamp panel.
  void UpdateLineBets(Money coinValue, Money wager);

  // The spin.
  void Spin();
  // Completes a spin that a crash interrupted, with the machine as it was when its reels
  // started: the reels show its stops, its win (after the card game when that was decided,
  // else as won) and any bonus it wins are counted in at once and without a sound, and no
  // card game is offered.
  void CompleteSpin(const SpinInProgress& spin);
  // Starts the next automatic or free spin.
  void NextAutomaticSpin();
  // "&Auto Spin": flips the check mark and AutomaticSpinTimer.
  void ToggleAutoSpin();
  // Waits while the window processes its messages.
  void WaitSeconds(double seconds);

  // Scores the five paylines of ReelGrid.
  void EvaluatePaylines();
  // Counts WinPending into Credits coin by coin.
  void CountUpWin();
  // Pays the bonus pool into Credits coin by coin.
  void PayBonusPool();

  // "&New Game"; returns false when refused because a spin or count is running.
  bool NewGame();

  // Returns a placed wager that was never spun to the credits (the window's close does this
  // before it saves); does nothing while money is in motion.
  void HandBackWager();
  // The window is closing: no new bet or automatic spin starts, a won spin skips the card
  // game and what is still being counted goes into the credits at once.
  void RequestClose();
  // True once a close has been asked for.
  bool ClosePending() const { return closing_; }
  // While a win or the bonus pool counts into the credits: the milliseconds since it began;
  // -1 when no count-up runs.
  int64_t CountUpMs() const;
  // The player asks for the rest of the count-up under way at once: it goes into the credits
  // with one credit sound, as many coins as the count would have moved. False when none runs.
  bool HurryCountUp();

  // True while a spin, a coin-by-coin bet, a count-up or a payout is running: the money
  // is in motion, so nothing may swap the game underneath it.
  bool Busy() const { return busy_ > 0; }

  // The one writer of this machine's money outside a spin: the bank, the saved games and the
  // start change the game through it.
  MoneyOwner Owner() { return MoneyOwner(m_); }
  // Gives the reels the strips they carry now (reel 2's free-spin strip while free spins
  // remain), as the face's layout shows them.
  void RefreshReelStrips() { SetReelStrips(m_); }

  // Whoever keeps the player's record hears the events here; null means nobody.
  void SetEvents(GameEvents* events);
  GameEvents& Events() { return *events_; }

 private:
  struct BusyScope;
  // Moves one coin from the credits to the wager, with its lamps, meters and sound.
  void PlaceCoin();
  // Places up to `most` coins a tenth of a second apart while the wager and credits allow.
  void PlaceCoins(int most);
  void AddPoolContribution();
  void UpdateBonusMeter();
  void FreeSpinBookkeeping();
  // Everything from the reels' start to the spin's report, drawn from this seed.
  void TurnAndSettle(uint32_t seed);
  void AnimateReels(const SpinPlan& plan);
  void AnimationStep(int s, const std::array<int, 3>& pos);
  // A sound request, unless a spin is being completed after a crash.
  void Play(Effect e);
  void ClearWins();
  // Moves an amount into the credits coin by coin while more than `leave` is left, pausing
  // by the coins left (fewer than 6, 15, 50, 100, 500, or more), redrawing CREDITS and the
  // amount's meter. Returns the coins counted.
  int64_t CountIntoCredits(Money& amount, Money leave, const std::array<double, 6>& pauses,
                           FaceElement meter);
  // Tells the events how the spin settled; stops automatic spins when a limit says so.
  void ReportSpin();
  void StopAutoSpinAtLimit();

  MachineState& m_;
  const PlayerOptions& options_;
  Lcg& rng_;
  Host host_;
  int busy_ = 0;
  bool closing_ = false;
  bool counting_ = false;    // a count-up runs
  bool hurry_ = false;       // and the player asked for the rest at once
  uint32_t countStart_ = 0;  // the tick it began at
  // A spin interrupted by a crash is being completed: silent, at once, with no card game.
  const SpinInProgress* completing_ = nullptr;
  SpinInProgress inProgress_;  // the spin whose reels turn, as the host keeps it
  GameEvents noEvents_;        // nobody listening: a machine without a record tells its events here
  GameEvents* events_;
  SpinReport report_;  // the spin in progress, filled as it settles
};

}  // namespace zandor
