#include "record/AutoSpinLimits.h"

#include <algorithm>

#include "record/Statistics.h"

namespace zandor {

void AutoSpinLimits::Clamp() {
  Spins = std::clamp<int64_t>(Spins, 1, 1'000'000);
  CreditsBelow = std::max<int64_t>(CreditsBelow, 0);
  WinAtLeast = std::max<int64_t>(WinAtLeast, 1);
}

void AutoSpinWatch::Switched() {
  count_ = 0;
  reason_ = {};
}

void AutoSpinWatch::Spin(const AutoSpinLimits& limits, const SpinReport& spin) {
  if (!spin.AutoSpin) {
    Switched();
    return;
  }
  if (!spin.Free) ++count_;
  auto hold = [this](const char* why, std::vector<int64_t> amounts, int64_t count = -1) {
    if (reason_.Empty())
      reason_ = {"zandor::AutoSpinWatch", why, {}, static_cast<int>(count), std::move(amounts)};
  };
  if (limits.SpinsOn && count_ >= limits.Spins)
    hold(ZANDOR_TR_N_NOOP("zandor::AutoSpinWatch", "Automatic spins stopped after %n spin(s)."), {},
         count_);
  if (limits.CreditsOn && spin.CreditsAfter < limits.CreditsBelow)
    hold(ZANDOR_TR_NOOP("zandor::AutoSpinWatch",
                        "Automatic spins stopped: the credits fell below %1."),
         {limits.CreditsBelow});
  if (limits.WinOn && spin.Win >= limits.WinAtLeast)
    hold(ZANDOR_TR_NOOP("zandor::AutoSpinWatch",
                        "Automatic spins stopped: a single win of %1 reached the limit of %2."),
         {spin.Win, limits.WinAtLeast});
  if (limits.BonusOn && spin.Pool > 0)
    hold(
        ZANDOR_TR_NOOP("zandor::AutoSpinWatch", "Automatic spins stopped: the bonus was won (%1)."),
        {spin.Pool});
}

PlayerText AutoSpinWatch::TakeReason() {
  PlayerText why = std::move(reason_);
  if (!why.Empty()) count_ = 0;
  reason_ = {};
  return why;
}

}  // namespace zandor
