// Integers as the INI reader reads them, against a reading of our own built on the C
// library: decimal 32-bit values, "0x" and "$" hexadecimal, leading blanks only, anything
// else (empty, trailing text, out of range) gives the default; and every integer written
// reads back.
#include <cerrno>
#include <climits>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "fuzz/FuzzSupport.h"
#include "store/IniFile.h"

using namespace zandor;

namespace {

bool AllOf(const std::string& s, const char* set) {
  return !s.empty() && s.find_first_not_of(set, 0, std::strlen(set)) == std::string::npos;
}

// Hexadecimal of at most 32 bits, taken as two's complement ("$FFFFFFFF" is -1).
bool Hex(const std::string& s, bool negative, int32_t& out) {
  if (!AllOf(s, "0123456789abcdefABCDEF")) return false;
  errno = 0;
  const unsigned long long v = std::strtoull(s.c_str(), nullptr, 16);
  if (errno == ERANGE || v > 0xFFFFFFFFull) return false;
  uint32_t u = static_cast<uint32_t>(v);
  if (negative) u = 0u - u;
  std::memcpy(&out, &u, sizeof out);
  return true;
}

bool Expected(const std::string& text, int32_t& out) {
  if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X'))
    return Hex(text.substr(2), false, out);
  std::string s = text.substr(std::min(text.find_first_not_of(" \t"), text.size()));
  bool negative = false;
  if (!s.empty() && (s[0] == '+' || s[0] == '-')) {
    negative = s[0] == '-';
    s.erase(0, 1);
  }
  if (!s.empty() && s[0] == '$') return Hex(s.substr(1), negative, out);
  if (!AllOf(s, "0123456789")) return false;
  errno = 0;
  long long v = std::strtoll(s.c_str(), nullptr, 10);
  if (errno == ERANGE) return false;
  if (negative) v = -v;
  if (v < INT32_MIN || v > INT32_MAX) return false;
  out = static_cast<int32_t>(v);
  return true;
}

std::string Trim(const std::string& s) {
  size_t b = 0, e = s.size();
  while (b < e && (s[b] == ' ' || s[b] == '\t')) ++b;
  while (e > b && (s[e - 1] == ' ' || s[e - 1] == '\t')) --e;
  return s.substr(b, e - b);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  int32_t want = 0, got = 0;
  const bool valid = Expected(text, want);
  FUZZ_CHECK(ParseIniInteger(text, got) == valid);
  if (valid) FUZZ_CHECK(got == want);

  // The same text as the value of a key: the reader sees the first line, without its CR
  // and without the blanks around it, and at most 1023 characters of it.
  std::string line = text.substr(0, std::min(text.find('\n'), text.size()));
  const ScratchFolder& dir = FuzzDir();
  IniFile ini(dir.Write("integer.ini", "[Section]\r\nKey=" + line + "\n[Next]\nKey=0\n"));
  if (!line.empty() && line.back() == '\r') line.pop_back();
  const bool lineValid = Expected(Trim(line).substr(0, 1023), want);
  for (int32_t def : {12345, -7, 0, 1}) {
    const int32_t v = ini.ReadInteger("Section", "Key", def);
    FUZZ_CHECK(v == (lineValid ? want : def));
    FUZZ_CHECK(ini.ReadBool("section", "KEY", def != 0) == (v != 0));
  }

  // Any 32-bit value written reads back exactly.
  if (size >= 4) {
    int32_t n = 0;
    std::memcpy(&n, data + size - 4, 4);
    FUZZ_CHECK(ini.WriteInteger("Section", "Written", n));
    FUZZ_CHECK(ini.ReadInteger("Section", "Written", n == 1 ? 2 : 1) == n);
    FUZZ_CHECK(ini.ReadInteger("Next", "Key", 99) == 0);
  }
  return 0;
}
