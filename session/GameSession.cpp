#include "session/GameSession.h"

#include "record/PlayerFile.h"
#include "store/Settings.h"

namespace zandor {

GameSession::GameSession(const GameState& game, SlotMachine& machine, PlayerIni& file,
                         PlayerRecord& record, Timers& timers, SessionWindow& window,
                         ReplaceFaults* faults)
    : game_(game),
      machine_(machine),
      file_(file),
      record_(record),
      timers_(timers),
      window_(window),
      keeper_(game, machine.Owner(), file, record, faults) {}

GameState GameSession::Load() {
  GameState read = LoadSettings(game_);
  machine_.Owner().StartFrom(read.Machine);
  const MachineState& m = game_.Machine;
  // The two files are brought to one state; a spin a crash interrupted starts again where its
  // reels started, with the record as it was kept with it.
  interrupted_ = keeper_.Restore();
  if (interrupted_) keeper_.Resume(*interrupted_);
  // A placed wager is still the player's money: the game's figures start with it.
  LoadRecord(file_, record_, CentsOf(m.Credits + m.Wager), CentsOf(m.Borrowed));
  // Out-of-range values stay as read while Fast and the 25-cent coin rule.
  if (IsMenuSpeed(m.Speed)) machine_.ChooseSpeed(m.Speed);
  return read;
}

PlayerText CompletedSpinNotice(Money won, int freeSpinsLeft) {
  constexpr const char* kContext = "zandor::GameSession";
  const bool more = freeSpinsLeft > 0;
  if (won <= Money())
    return PlayerText{
        kContext,
        more ? ZANDOR_TR_NOOP("zandor::GameSession",
                              "Your last spin was interrupted. It has been completed: it won "
                              "nothing. Your free spins continue.")
             : ZANDOR_TR_NOOP("zandor::GameSession",
                              "Your last spin was interrupted. It has been completed: it won "
                              "nothing."),
        {}};
  return PlayerText{
      kContext,
      more ? ZANDOR_TR_NOOP("zandor::GameSession",
                            "Your last spin was interrupted. It has been completed: you won %1. "
                            "Your free spins continue.")
           : ZANDOR_TR_NOOP("zandor::GameSession",
                            "Your last spin was interrupted. It has been completed: you won %1."),
      {won.Padded(0)}};
}

void GameSession::Begin() {
  if (interrupted_) {
    // No sound and no card game: the player finds the spin settled and is told so once; free
    // spins it leaves go on by themselves.
    const std::optional<SpinStart> spin = interrupted_;
    interrupted_.reset();
    const MachineState& m = game_.Machine;
    const Money before = m.Credits;
    // Recent Spins lists the spin when its reels turned, not when the game came back.
    const std::function<int64_t()> now = record_.Now;
    if (spin->Time > 0 && spin->Time <= now()) record_.Now = [t = spin->Time] { return t; };
    machine_.CompleteSpin(spin->Spin);
    record_.Now = now;
    window_.SpinCompleted(CompletedSpinNotice(m.Credits - before, m.FreeSpins));
    return;
  }
  if (keeper_.NeedsKeeping()) GameSettled();
  if (game_.Machine.FreeSpins > 0) timers_.SetAutomaticSpins(true);
}

void GameSession::KeepSpin(const SpinInProgress& spin) {
  // A spin that cannot be kept still plays; a crash would then void it.
  keeper_.KeepSpin(spin);
}

void GameSession::GameSettled() {
  // One keep for every settled moment of the same event, after it, outside the spin's time.
  if (keepPending_) return;
  keepPending_ = true;
  window_.RunSoon([this] {
    keepPending_ = false;
    KeepNow();
  });
}

void GameSession::KeepNow() {
  if (machine_.Busy() || machine_.ClosePending()) return;
  const bool before = kept_;
  const std::vector<std::string> failed = Keep();
  // Once per change: a full disk must not bring a box after every spin.
  if (before && !kept_) window_.KeepingFailed(failed);
  if (!before && kept_) window_.KeepingWorksAgain();
}

void GameSession::GameOpened() {
  const MachineState& m = game_.Machine;
  machine_.Events().GameOpened(CentsOf(m.Credits + m.Wager), CentsOf(m.Borrowed));
  KeepNow();
}

std::vector<std::string> GameSession::Close() {
  // A placed wager that was never spun goes back to the credits: it is not stored.
  machine_.HandBackWager();
  return Keep();
}

std::vector<std::string> GameSession::KeepAgain() { return Keep(); }

std::vector<std::string> GameSession::Keep() {
  window_.BeforeKeep();
  std::vector<std::string> failed = keeper_.KeepSettled();
  kept_ = failed.empty();
  return failed;
}

}  // namespace zandor
