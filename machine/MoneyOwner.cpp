#include "machine/MoneyOwner.h"

namespace zandor {

Fortune Fortune::Of(const MachineState& m) {
  return {m.Credits, m.Borrowed, m.BonusPool, m.Spins, m.FreeSpinCount, m.PowerPts};
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
