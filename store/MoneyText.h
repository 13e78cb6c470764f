// Money as text: the form the files store, and the number reader behind it.
#pragma once

#include <string>
#include <string_view>

#include "machine/Money.h"

// 1000.00, 0.05, -0.01: two decimals, '.' whatever the locale, no blanks.
std::string FormatMoney(Money m);
// FormatMoney right-aligned in ten characters, before trimming.
std::string FormatMoneyPadded(Money m);
// The same text for any real number of dollars, rounded to the cent (a half away from zero).
std::string FormatMoney(double x);
// FormatMoney of a real number, right-aligned in ten characters.
std::string FormatMoneyPadded(double x);
// Reads the text FormatMoney writes (7.5 reads as 7.05). An amount whose whole part needs more
// than ten characters keeps its first ten, as the file's text would be read back.
Money ParseMoney(std::string_view text);
// The lenient number reader: a whole valid number, else the digits read so far.
double ReadNumber(std::string_view text);
// Removes spaces (code 32 only) from both ends.
std::string TrimSpaces(std::string_view text);
