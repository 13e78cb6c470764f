#include "bank/Bank.h"

namespace zandor {

std::string_view Bank::Borrow(int amount) {
  if (amount < 0 || amount >= static_cast<int>(BankAmounts.size())) return BankNoSuchAmount;
  const Money lent = BankAmounts[amount].Amount;
  const MachineState& m = machine_.State();
  if (m.Credits > MoneyMax - lent || m.Borrowed > MoneyMax - lent) return BankLimit;
  machine_.Lend(lent);
  if (events_) events_->Loan(CentsOf(lent));
  return "";
}

std::string_view Bank::PayBack(int amount) {
  if (amount < 0 || amount >= static_cast<int>(BankAmounts.size())) return BankNoSuchAmount;
  const BankAmount& row = BankAmounts[amount];
  // Holding exactly the amount is enough, for the credits and for the debt alike: in whole
  // cents an owed cent is a cent, so the last one can always be paid and the debt never
  // goes below zero.
  const MachineState& m = machine_.State();
  if (m.Credits < row.Amount) return row.NotEnoughCredits;
  if (m.Borrowed < row.Amount) return BankOverpay;
  machine_.Repay(row.Amount);
  if (events_) events_->Loan(-CentsOf(row.Amount));
  return "";
}

}  // namespace zandor
