#include "machine/PlayerText.h"

#include "machine/Money.h"

namespace zandor {

namespace {

// "$1,234.50", "-$0.05": a sum of money as an English player reads it.
std::string EnglishAmount(int64_t cents) {
  std::string digits = Money::Cents(cents).Padded(0);
  const bool negative = cents < 0;
  if (negative) digits.erase(0, 1);
  for (size_t at = digits.find('.'); at > 3; at -= 3) digits.insert(at - 3, ",");
  return (negative ? "-$" : "$") + digits;
}

}  // namespace

std::string PlayerText::English() const {
  std::string out;
  if (Source == nullptr) return out;
  for (const char* p = Source; *p != '\0'; ++p) {
    if (p[0] == '(' && p[1] == 's' && p[2] == ')') {
      if (Count != 1) out += 's';
      p += 2;
    } else if (p[0] == '%' && p[1] == 'n') {
      out += std::to_string(Count);
      ++p;
    } else if (p[0] == '%' && p[1] >= '1' && p[1] <= '9' &&
               static_cast<size_t>(p[1] - '1') < Args.size()) {
      out += Args[static_cast<size_t>(p[1] - '1')];
      ++p;
    } else if (p[0] == '%' && p[1] >= '1' && p[1] <= '9' &&
               static_cast<size_t>(p[1] - '1') < Args.size() + Amounts.size()) {
      out += EnglishAmount(Amounts[static_cast<size_t>(p[1] - '1') - Args.size()]);
      ++p;
    } else {
      out += *p;
    }
  }
  return out;
}

}  // namespace zandor
