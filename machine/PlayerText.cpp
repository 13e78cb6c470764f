#include "machine/PlayerText.h"

namespace zandor {

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
    } else {
      out += *p;
    }
  }
  return out;
}

}  // namespace zandor
