#include "machine/Money.h"

namespace zandor {

std::string Money::Padded(size_t width) const {
  // Built from the whole cents, so no binary fraction ever reaches the text.
  const bool negative = cents_ < 0;
  // Cents of a negative amount taken as unsigned, so even the most negative value has a size.
  const uint64_t size =
      negative ? 0 - static_cast<uint64_t>(cents_) : static_cast<uint64_t>(cents_);
  std::string text = std::to_string(size / 100) + "." + static_cast<char>('0' + size % 100 / 10) +
                     static_cast<char>('0' + size % 10);
  if (negative) text.insert(text.begin(), '-');
  if (text.size() < width) text.insert(0, width - text.size(), ' ');
  return text;
}

}  // namespace zandor
