// Length limits on names and paths count characters, not bytes, and never split one.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace zandor {

// The first `count` characters of UTF-8 text; a byte that starts no valid character (a name in
// another encoding) counts as a character of its own.
std::string FirstCharacters(std::string_view text, size_t count);
// How many characters the text holds, counted as FirstCharacters counts them.
size_t CharacterCount(std::string_view text);
// Whether the text is valid UTF-8 throughout.
bool IsValidUtf8(std::string_view text);

}  // namespace zandor
