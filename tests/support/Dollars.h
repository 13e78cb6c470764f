// Amounts of money written in dollars in tests: 2.50_usd is 250 cents.
#pragma once

#include <cstdint>
#include <ostream>

#include "machine/Money.h"

namespace zandor {

constexpr Money operator""_usd(long double dollars) {
  return Money::Cents(static_cast<int64_t>(dollars * 100 + (dollars < 0 ? -0.5L : 0.5L)));
}
constexpr Money operator""_usd(unsigned long long dollars) {
  return Money::Dollars(static_cast<int64_t>(dollars));
}

// Failing expectations print amounts as the meters show them.
inline void PrintTo(const Money& m, std::ostream* os) { *os << m.Padded(); }

}  // namespace zandor
