// The bank: credits borrowed or paid back in six fixed amounts, $1,000 down to 1 cent. The
// bank dialog shows it; the rules of what it allows live here. Plain C++ only.
#pragma once

#include <array>
#include <string_view>

#include "machine/GameEvents.h"
#include "machine/MachineState.h"
#include "machine/MoneyOwner.h"
#include "machine/Money.h"
#include "machine/PlayerText.h"

namespace zandor {

// One of the bank's six amounts, with the message shown when the credits do not cover it.
// The messages are English, marked for the catalogue under "zandor::Bank": the dialog shows
// them translated in that context, the amount written in for %1.
struct BankAmount {
  Money Amount;
  const char* NotEnoughCredits;
  const char* Picture;  // the amount as written on its button, UTF-8
};

// The six amounts, largest first.
inline constexpr std::array<BankAmount, 6> BankAmounts{{
    {Money::Dollars(1000), ZANDOR_TR_NOOP("zandor::Bank", "You do not have %1 credits!"), "$1,000"},
    {Money::Dollars(100), ZANDOR_TR_NOOP("zandor::Bank", "You do not have %1 credits!"), "$100"},
    {Money::Dollars(10), ZANDOR_TR_NOOP("zandor::Bank", "You do not have %1 credits!"), "$10"},
    {Money::Dollars(1), ZANDOR_TR_NOOP("zandor::Bank", "You do not have %1 credit!"), "$1"},
    {Money::Cents(10), ZANDOR_TR_NOOP("zandor::Bank", "You do not have %1 credits!"), "10\u00a2"},
    {Money::Cents(1), ZANDOR_TR_NOOP("zandor::Bank", "You do not have %1 credits!"), "1\u00a2"},
}};

// The refusal when a loan would take the credits or the debt past the most the machine can
// keep, which is written in for %1.
inline constexpr const char* BankLimit =
    ZANDOR_TR_NOOP("zandor::Bank",
                   "The bank cannot lend you that much: your credits or your debt would pass "
                   "%1, the most the machine can keep.");
// The refusal of an amount the bank does not offer (only the six of BankAmounts exist).
inline constexpr const char* BankNoSuchAmount =
    ZANDOR_TR_NOOP("zandor::Bank", "The bank has no such amount.");
// The refusal when more would be paid back than is owed.
inline constexpr const char* BankOverpay =
    ZANDOR_TR_NOOP("zandor::Bank", "You cannot pay back more credits than you have borrowed!");

class Bank {
 public:
  // The record, when there is one, hears of every loan and repayment.
  explicit Bank(MoneyOwner machine, GameEvents* events = nullptr)
      : machine_(machine), events_(events) {}

  // Lends amount 0..5 (BankAmounts): the credits and the debt both grow. Returns "" when lent,
  // else the refusal to show: neither may pass the largest amount the game can keep, and an
  // amount outside the six is refused, never reported as lent.
  std::string_view Borrow(int amount);
  // Pays amount 0..5 back out of the credits. Returns "" when paid, else the refusal to show;
  // a short purse is reported before a small debt.
  std::string_view PayBack(int amount);

 private:
  MoneyOwner machine_;
  GameEvents* events_;
};

}  // namespace zandor
