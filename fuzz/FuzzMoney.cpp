// Money text on arbitrary input: the number reader agrees with the C library wherever the
// whole text is a number, falls back to a plain whole number otherwise, a number is read to the
// nearest cent, and money that FormatMoney wrote reads back to the same text.
#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "fuzz/FuzzSupport.h"
#include "store/MoneyText.h"

using namespace zandor;

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The form FormatMoney writes: an optional "-", a whole part without leading zeros
// ("0" below one), a ".", two decimals; never a negative zero.
bool IsMoneyText(std::string_view t) {
  std::string_view s = t;
  const bool negative = !s.empty() && s[0] == '-';
  if (negative) s.remove_prefix(1);
  const size_t dot = s.find('.');
  if (dot == std::string_view::npos || dot == 0 || s.size() != dot + 3) return false;
  if (dot > 1 && s[0] == '0') return false;
  for (size_t i = 0; i < s.size(); ++i) {
    if (i != dot && !IsDigit(s[i])) return false;
  }
  return !(negative && s.find_first_not_of("0.") == std::string_view::npos);
}

void CheckTrim(std::string_view t) {
  const std::string r = TrimSpaces(t);
  FUZZ_CHECK(r.empty() || (r.front() != ' ' && r.back() != ' '));
  FUZZ_CHECK(t.find(r) != std::string_view::npos);
  FUZZ_CHECK(TrimSpaces(r) == r);
  // Only spaces go: tabs and everything else are kept.
  size_t spaces = 0;
  for (char c : t) spaces += c == ' ';
  size_t kept = 0;
  for (char c : r) kept += c == ' ';
  FUZZ_CHECK(t.size() - r.size() == spaces - kept);
}

void CheckReadNumber(const std::string& t) {
  const double v = ReadNumber(t);
  FUZZ_CHECK(std::isfinite(v));
  const bool plain = t.find_first_not_of(" 0123456789+-.eE") == std::string::npos;
  const size_t start = t.find_first_not_of(' ');
  if (plain && start != std::string::npos && t[start] != ' ') {
    errno = 0;
    char* end = nullptr;
    const double c = std::strtod(t.c_str() + start, &end);
    if (end == t.c_str() + t.size() && end != t.c_str() + start) {
      // A whole number: the C library's reading, or 0 when it does not fit a double.
      if (errno != ERANGE && std::isfinite(c)) FUZZ_CHECK(v == c);
      if (errno == ERANGE) FUZZ_CHECK(v == 0 || v == c);
      return;
    }
  }
  // Not a whole number: the digits read so far, with no sign, point or exponent.
  FUZZ_CHECK(v >= 0 && v == std::floor(v));
}

// Money text of an amount: trimmed from its padded form, and read back to itself.
void CheckFormat(Money m) {
  const std::string padded = FormatMoneyPadded(m);
  const std::string text = FormatMoney(m);
  FUZZ_CHECK(padded.size() >= 10 && TrimSpaces(padded) == text);
  FUZZ_CHECK(padded.size() == 10 || padded.front() != ' ');
  FUZZ_CHECK(IsMoneyText(text) || text == "0.00");
  FUZZ_CHECK(ParseMoney(text) == m);
}

// A real number written with seventeen digits and an exponent (no point) reads as the nearest
// cent while its whole part, sign included, fits the ten characters that are read
// (-999999999.995 is "-1000000000.00": too long).
void CheckRounding(double x) {
  if (!std::isfinite(x) || std::fabs(x) >= 999999999.99) return;
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.16e", x);  // [-]d.dddddddddddddddde[+-]dd
  const char* e = std::strchr(buf, 'e');
  std::string text;
  for (const char* p = buf; p < e; ++p)
    if (*p != '.') text += *p;
  text += "e" + std::to_string(static_cast<int>(std::strtol(e + 1, nullptr, 10)) - 16);
  const Money m = ParseMoney(text);
  FUZZ_CHECK(std::fabs(static_cast<double>(m.InCents()) / 100 - x) <=
             0.005 + std::fabs(x) * 1e-15 + 1e-9);
  CheckFormat(m);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string t(reinterpret_cast<const char*>(data), size);
  CheckTrim(t);
  CheckReadNumber(t);

  const Money m = ParseMoney(t);
  // Whole cents that the text can hold: at most ten characters before the point.
  FUZZ_CHECK(m.InCents() >= -99999999999 && m.InCents() <= 999999999999);
  // Only the first ten characters of the whole part and two of the cents are read.
  const size_t dot = t.find('.');
  if (dot != std::string::npos && dot > 10) {
    std::string cut = t.substr(0, 10) + t.substr(dot);
    FUZZ_CHECK(ParseMoney(cut) == m);
  }
  // Money texts as the files hold them come back unchanged (up to ten digits before the
  // point, counting a minus sign), and what was read writes and reads back to itself.
  if (IsMoneyText(t) && t.size() <= 13) FUZZ_CHECK(FormatMoney(m) == t);
  CheckFormat(m);

  if (size >= sizeof(double)) {
    double x = 0;
    std::memcpy(&x, data, sizeof x);
    CheckRounding(x);
  }
  return 0;
}
