#include "machine/MoneyOwner.h"

#include "machine/SlotMachine.h"

namespace zandor {

Fortune Fortune::Of(const MachineState& m) {
  return {m.Credits, m.Borrowed, m.BonusPool, m.Spins, m.FreeSpinCount, m.PowerPts};
}

void MoneyOwner::StartFrom(const MachineState& stored) {
  *m_ = stored;
  CoinValueFromSetting();
  ComputeReelGrid(*m_);
}

void MoneyOwner::Lend(Money amount) {
  m_->Credits += amount;
  m_->Borrowed += amount;
}

void MoneyOwner::Repay(Money amount) {
  m_->Credits -= amount;
  m_->Borrowed -= amount;
}

void MoneyOwner::CoinValueFromSetting() {
  if (m_->Bet < CoinTable.size()) m_->CoinValue = CoinTable[m_->Bet].Value;
}

void MoneyOwner::CarryForward(const Fortune& settled, uint8_t bet) {
  m_->Credits = settled.Credits;
  m_->Borrowed = settled.Borrowed;
  m_->BonusPool = settled.BonusPool;
  m_->Spins = settled.Spins;
  m_->PowerPts = settled.PowerPts;
  m_->Bet = bet;
  CoinValueFromSetting();
}

void MoneyOwner::CarryFreeSpins(int32_t freeSpins, int32_t freeSpinCount, Money lastWager,
                                std::optional<Money> pool) {
  m_->FreeSpins = freeSpins;
  m_->FreeSpinCount = freeSpinCount;
  m_->LastWager = lastWager;
  if (pool) m_->BonusPool = *pool;
  SetReelStrips(*m_);
}

void MoneyOwner::ResumeSpin(const Fortune& at, Money lastWager, int32_t freeSpins,
                            const SpinInProgress& spin) {
  m_->Credits = at.Credits;
  m_->Borrowed = at.Borrowed;
  m_->BonusPool = at.BonusPool;
  m_->Spins = at.Spins;
  m_->PowerPts = at.PowerPts;
  m_->FreeSpinCount = at.FreeSpinCount;
  m_->LastWager = lastWager;
  m_->FreeSpins = freeSpins;
  m_->Wager = spin.Free ? Money() : spin.Wager;
  SetReelStrips(*m_);
}

void MoneyOwner::ReplaceGame(const Fortune& game) {
  m_->Wager = Money();
  m_->LineBets.fill(Money());
  m_->Credits = game.Credits;
  m_->Borrowed = game.Borrowed;
  m_->BonusPool = game.BonusPool;
  m_->Spins = game.Spins;
  m_->FreeSpinCount = game.FreeSpinCount;
  m_->PowerPts = game.PowerPts;
}

}  // namespace zandor
