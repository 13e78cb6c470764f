#include "store/Utf8Text.h"

namespace zandor {

namespace {

// The length of the valid UTF-8 character at text[i], or 0 when none starts there.
size_t CharacterAt(std::string_view text, size_t i) {
  const auto byte = [&](size_t k) { return static_cast<unsigned char>(text[k]); };
  const unsigned char c = byte(i);
  if (c < 0x80) return 1;
  size_t length = 0;
  unsigned char low = 0x80, high = 0xBF;  // the range of the second byte
  if (c >= 0xC2 && c <= 0xDF) {
    length = 2;
  } else if (c >= 0xE0 && c <= 0xEF) {
    length = 3;
    if (c == 0xE0) low = 0xA0;   // no overlong forms
    if (c == 0xED) high = 0x9F;  // no surrogates
  } else if (c >= 0xF0 && c <= 0xF4) {
    length = 4;
    if (c == 0xF0) low = 0x90;
    if (c == 0xF4) high = 0x8F;  // nothing above U+10FFFF
  } else {
    return 0;
  }
  if (i + length > text.size()) return 0;
  if (byte(i + 1) < low || byte(i + 1) > high) return 0;
  for (size_t k = 2; k < length; ++k) {
    if (byte(i + k) < 0x80 || byte(i + k) > 0xBF) return 0;
  }
  return length;
}

size_t StepAt(std::string_view text, size_t i) {
  const size_t n = CharacterAt(text, i);
  return n == 0 ? 1 : n;
}

}  // namespace

std::string FirstCharacters(std::string_view text, size_t count) {
  size_t end = 0;
  for (size_t kept = 0; kept < count && end < text.size(); ++kept) end += StepAt(text, end);
  return std::string(text.substr(0, end));
}

size_t CharacterCount(std::string_view text) {
  size_t count = 0;
  for (size_t i = 0; i < text.size(); i += StepAt(text, i)) ++count;
  return count;
}

bool IsValidUtf8(std::string_view text) {
  for (size_t i = 0; i < text.size();) {
    const size_t n = CharacterAt(text, i);
    if (n == 0) return false;
    i += n;
  }
  return true;
}

}  // namespace zandor
