// An amount of money as a whole number of cents: exact sums, differences, multiples and
// comparisons, so a balance of exactly 2.50 covers exactly 25 coins of 10 cents.
// Plain C++ only; nothing here may include a Qt header.
#pragma once

#include <compare>
#include <cstdint>
#include <string>

namespace zandor {

class Money {
 public:
  constexpr Money() = default;

  // An amount of this many cents.
  static constexpr Money Cents(int64_t cents) { return Money(cents); }
  // An amount of this many whole dollars.
  static constexpr Money Dollars(int64_t dollars) { return Money(dollars * 100); }

  // The amount in cents.
  constexpr int64_t InCents() const { return cents_; }

  constexpr Money operator+(Money o) const { return Money(cents_ + o.cents_); }
  constexpr Money operator-(Money o) const { return Money(cents_ - o.cents_); }
  constexpr Money operator-() const { return Money(-cents_); }
  constexpr Money& operator+=(Money o) {
    cents_ += o.cents_;
    return *this;
  }
  constexpr Money& operator-=(Money o) {
    cents_ -= o.cents_;
    return *this;
  }
  // A whole number of times the amount (coins times a coin value, a pay factor times a bet).
  constexpr Money operator*(int64_t n) const { return Money(cents_ * n); }
  friend constexpr Money operator*(int64_t n, Money m) { return Money(n * m.cents_); }

  constexpr auto operator<=>(const Money&) const = default;

  // Whole coins of `coin` in this amount, to the nearest coin (a half rounds up); 0 for a coin
  // that is not positive.
  constexpr int64_t CoinsOf(Money coin) const {
    if (coin.cents_ <= 0) return 0;
    const int64_t q = cents_ / coin.cents_, r = cents_ % coin.cents_;
    if (2 * r >= coin.cents_) return q + 1;
    if (-2 * r > coin.cents_) return q - 1;
    return q;
  }

  // Four percent of the amount, the pool's share of a wager. A full wager of 25 coins gives
  // exactly one coin; any other amount rounds to the nearest cent, a half away from zero.
  constexpr Money PoolShare() const {
    const int64_t scaled = cents_ * 4;
    return Money(scaled >= 0 ? (scaled + 50) / 100 : -((-scaled + 50) / 100));
  }

  // Two decimals with '.', a '-' before a negative amount, right-aligned in at least `width`
  // characters: what the meters show ("   1000.00", "     -5.25").
  std::string Padded(size_t width = 10) const;

 private:
  constexpr explicit Money(int64_t cents) : cents_(cents) {}
  int64_t cents_ = 0;
};

// The largest amount the machine holds in credits, debt, a win or the pool: what the files'
// money text can write and read back, ten characters before the point.
inline constexpr Money MoneyMax = Money::Cents(999'999'999'999);

}  // namespace zandor
