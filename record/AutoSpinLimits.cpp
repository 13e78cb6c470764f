#include "record/AutoSpinLimits.h"

#include <algorithm>

#include "record/Statistics.h"

namespace zandor {

namespace {

std::string DollarText(int64_t cents) { return "$" + FormatDollars(cents); }

}  // namespace

void AutoSpinLimits::Clamp() {
  Spins = std::clamp<int64_t>(Spins, 1, 1'000'000);
  CreditsBelow = std::max<int64_t>(CreditsBelow, 0);
  WinAtLeast = std::max<int64_t>(WinAtLeast, 1);
}

void AutoSpinWatch::Switched() {
  count_ = 0;
  reason_.clear();
}

void AutoSpinWatch::Spin(const AutoSpinLimits& limits, const SpinReport& spin) {
  if (!spin.AutoSpin) {
    Switched();
    return;
  }
  if (!spin.Free) ++count_;
  auto hold = [this](const std::string& why) {
    if (reason_.empty()) reason_ = why;
  };
  if (limits.SpinsOn && count_ >= limits.Spins)
    hold("Automatic spins stopped after " + std::to_string(count_) +
         (count_ == 1 ? " spin." : " spins."));
  if (limits.CreditsOn && spin.CreditsAfter < limits.CreditsBelow)
    hold("Automatic spins stopped: the credits fell below " + DollarText(limits.CreditsBelow) +
         ".");
  if (limits.WinOn && spin.Win >= limits.WinAtLeast)
    hold("Automatic spins stopped: a single win of " + DollarText(spin.Win) +
         " reached the limit of " + DollarText(limits.WinAtLeast) + ".");
  if (limits.BonusOn && spin.Pool > 0)
    hold("Automatic spins stopped: the bonus was won (" + DollarText(spin.Pool) + ").");
}

std::string AutoSpinWatch::TakeReason() {
  std::string why = std::move(reason_);
  if (!why.empty()) count_ = 0;
  reason_.clear();
  return why;
}

}  // namespace zandor
