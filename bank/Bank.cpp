#include "bank/Bank.h"

namespace zandor {

std::string_view Bank::Borrow(int amount) {
  if (amount < 0 || amount >= static_cast<int>(BankAmounts.size())) return BankNoSuchAmount;
  const Money lent = BankAmounts[amount].Amount;
  if (m_.Credits > MoneyMax - lent || m_.Borrowed > MoneyMax - lent) return BankLimit;
  m_.Credits += BankAmounts[amount].Amount;
  m_.Borrowed += BankAmounts[amount].Amount;
  if (events_) events_->Loan(CentsOf(BankAmounts[amount].Amount));
  return "";
}

std::string_view Bank::PayBack(int amount) {
  if (amount < 0 || amount >= static_cast<int>(BankAmounts.size())) return BankNoSuchAmount;
  const BankAmount& row = BankAmounts[amount];
  // Holding exactly the amount is enough, for the credits and for the debt alike: in whole
  // cents an owed cent is a cent, so the last one can always be paid and the debt never
  // goes below zero.
  if (m_.Credits < row.Amount) return row.NotEnoughCredits;
  if (m_.Borrowed < row.Amount) return BankOverpay;
  m_.Credits -= row.Amount;
  m_.Borrowed -= row.Amount;
  if (events_) events_->Loan(-CentsOf(row.Amount));
  return "";
}

}  // namespace zandor
