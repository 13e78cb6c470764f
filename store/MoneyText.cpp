#include "store/MoneyText.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace zandor {

std::string FormatMoneyPadded(Money m) { return m.Padded(); }

std::string FormatMoney(Money m) { return m.Padded(0); }

double ReadNumber(std::string_view t) {
  size_t i = 0;
  while (i < t.size() && t[i] == ' ') ++i;
  size_t start = i;
  std::string digitsSoFar;
  auto takeDigits = [&] {
    size_t from = i;
    while (i < t.size() && t[i] >= '0' && t[i] <= '9') digitsSoFar += t[i++];
    return i > from;
  };
  // Whether the text may end at the current position.
  bool canEnd = false;
  if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
  canEnd = takeDigits();
  if (i < t.size() && t[i] == '.') {
    ++i;
    canEnd = takeDigits() || canEnd;
    // "." alone or "-." is not a number.
    if (digitsSoFar.empty()) canEnd = false;
  }
  if (canEnd && i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
    ++i;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
    canEnd = takeDigits();
  }
  if (canEnd && i == t.size()) {
    // from_chars knows no leading '+' and ignores the locale, which is what we want.
    size_t from = start + (t[start] == '+' ? 1 : 0);
    double v = 0;
    auto r = std::from_chars(t.data() + from, t.data() + t.size(), v);
    if (r.ec == std::errc() && std::isfinite(v)) return v;
    if (r.ec == std::errc::result_out_of_range) {
      // Too small underflows to zero; too large is no amount of money at all.
      return 0;
    }
  }
  double whole = 0;
  for (char c : digitsSoFar) whole = whole * 10 + (c - '0');
  return std::isfinite(whole) ? whole : 0;
}

namespace {

// A real number of dollars as money text, rounded to the cent: the number a text stands for
// becomes the text a file would hold for it, whatever its size.
std::string RoundedText(double x) {
  // Money is never infinite or undefined; such a value is written as nothing.
  if (!std::isfinite(x)) x = 0;
  // Eighteen significant digits of |x|, then rounding by hand at the third decimal, so a half
  // rounds away from zero on the digits a person would read, not on the binary value.
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.17e", std::fabs(x));
  int digits[18];
  int n = 0;
  const char* p = buf;
  for (; *p != 'e' && *p != '\0'; ++p) {
    if (*p >= '0' && *p <= '9' && n < 18) digits[n++] = *p - '0';
  }
  int exponent = (*p == 'e') ? static_cast<int>(std::strtol(p + 1, nullptr, 10)) : 0;
  auto digitAt = [&](int place) {  // the digit of 10^place
    int i = exponent - place;
    return (i >= 0 && i < n) ? digits[i] : 0;
  };
  int top = exponent > 0 ? exponent : 0;
  std::string d;  // places top .. -2, most significant first
  for (int place = top; place >= -2; --place) d += static_cast<char>('0' + digitAt(place));
  if (digitAt(-3) >= 5) {
    int i = static_cast<int>(d.size()) - 1;
    while (i >= 0 && d[i] == '9') d[i--] = '0';
    if (i >= 0) {
      ++d[i];
    } else {
      d.insert(d.begin(), '1');
    }
  }
  std::string whole = d.substr(0, d.size() - 2);
  size_t nz = whole.find_first_not_of('0');
  whole = nz == std::string::npos ? "0" : whole.substr(nz);
  bool zero = d.find_first_not_of('0') == std::string::npos;
  // A hair below zero rounds to 0.00 and shows no sign.
  return (x < 0 && !zero ? "-" : "") + whole + "." + d.substr(d.size() - 2);
}

// The number the text stands for, before it becomes whole cents.
double ParseMoneyReal(std::string_view text) {
  size_t dot = text.find('.');
  if (dot == std::string_view::npos) return ReadNumber(text);
  double hundredths = ReadNumber(text.substr(dot + 1, 2));
  std::string_view wholeText = text.substr(0, dot).substr(0, 10);
  double whole = ReadNumber(wholeText);
  // The cents are formed in extended precision and rounded once, so "0.10" is the double
  // nearest to 0.1 and "1000.25" is exact.
  double cents = static_cast<double>(static_cast<long double>(hundredths) * 0.01L);
  // A minus sign belongs to the whole amount, not only to its whole part: -5.25 is not -4.75.
  size_t s = wholeText.find_first_not_of(' ');
  if (s != std::string_view::npos && wholeText[s] == '-') return -(std::fabs(whole) + cents);
  return whole + cents;
}

}  // namespace

Money ParseMoney(std::string_view text) {
  // The number is rounded to the cent exactly as the file's text rounds it, and an amount too
  // long for the text loses what reading the text back would lose (all but the first ten
  // characters of its whole part); so a loaded amount is always what a save and load keep.
  const std::string written = RoundedText(ParseMoneyReal(text));
  const size_t dot = written.find('.');
  const std::string_view whole = std::string_view(written).substr(0, std::min<size_t>(dot, 10));
  const bool negative = !whole.empty() && whole[0] == '-';
  int64_t cents = 0;
  for (char c : whole)
    if (c >= '0' && c <= '9') cents = cents * 10 + (c - '0');
  cents = cents * 100 + (written[dot + 1] - '0') * 10 + (written[dot + 2] - '0');
  return Money::Cents(negative ? -cents : cents);
}

std::string TrimSpaces(std::string_view text) {
  size_t b = text.find_first_not_of(' ');
  if (b == std::string_view::npos) return "";
  size_t e = text.find_last_not_of(' ');
  return std::string(text.substr(b, e - b + 1));
}

}  // namespace zandor
