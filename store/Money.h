// Money as text: the form the files store, and the number reader behind it.
#pragma once

#include <string>
#include <string_view>

// 1000.00, 0.05, -0.01: two decimals, '.' whatever the locale, no blanks.
std::string FormatMoney(double x);
// FormatMoney right-aligned in ten characters, before trimming.
std::string FormatMoneyPadded(double x);
// Reads the text FormatMoney writes (7.5 reads as 7.05).
double ParseMoney(std::string_view text);
// The lenient number reader: a whole valid number, else the digits read so far.
double ReadNumber(std::string_view text);
// Removes spaces (code 32 only) from both ends.
std::string TrimSpaces(std::string_view text);
