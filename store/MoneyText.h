// Money as text: the form the files store, and the number reader behind it.
#pragma once

#include <string>
#include <string_view>

#include "machine/Money.h"

namespace zandor {

// The amounts money text holds: ten characters before the point, a minus sign among them, so
// what is written is what is read back.
inline constexpr Money MoneyTextMax = MoneyMax;
inline constexpr Money MoneyTextMin = Money::Cents(-99'999'999'999);

// The one money text of every file we write: 1000.00, 0.05, -0.01: two decimals, '.' whatever
// the locale, no blanks (Money::Padded without its padding).
std::string FormatMoney(Money m);
// FormatMoney right-aligned in ten characters, as the meters show it.
std::string FormatMoneyPadded(Money m);
// Reads money text in every file alike (7.5 reads as 7.05: one decimal counts as hundredths;
// a number such as 1.5e2 is rounded to the cent, a half away from zero). An amount whose whole
// part needs more than ten characters keeps its first ten, as the file's text would be read
// back.
Money ParseMoney(std::string_view text);
// The lenient number reader: a whole valid number, else the digits read so far.
double ReadNumber(std::string_view text);
// Removes spaces (code 32 only) from both ends.
std::string TrimSpaces(std::string_view text);

}  // namespace zandor
