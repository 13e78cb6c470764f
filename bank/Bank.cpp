#include "bank/Bank.h"

void Bank::Borrow(int amount) {
  if (amount < 0 || amount >= static_cast<int>(BankAmounts.size())) return;
  g_.Credits += BankAmounts[amount].Amount;
  g_.Borrowed += BankAmounts[amount].Amount;
  if (events_) events_->Loan(CentsOf(BankAmounts[amount].Amount));
}

std::string_view Bank::PayBack(int amount) {
  if (amount < 0 || amount >= static_cast<int>(BankAmounts.size())) return "";
  const BankAmount& row = BankAmounts[amount];
  // Holding exactly the amount is enough, for the credits and for the debt alike: in whole
  // cents an owed cent is a cent, so the last one can always be paid and the debt never
  // goes below zero.
  if (g_.Credits < row.Amount) return row.NotEnoughCredits;
  if (g_.Borrowed < row.Amount) return BankOverpay;
  g_.Credits -= row.Amount;
  g_.Borrowed -= row.Amount;
  if (events_) events_->Loan(-CentsOf(row.Amount));
  return "";
}
