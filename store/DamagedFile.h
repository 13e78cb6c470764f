// A file of the game that no save of ours could have written makes way for a fresh one: it is
// renamed, never deleted, and the player is told where it went.
#pragma once

#include <string>
#include <vector>

#include "machine/PlayerText.h"

namespace zandor {

// Renames the file at path to path + ".damaged-<n>" with the first n that is free when it is
// damage: anything but a plain file (a folder, a pipe, a device) or a plain file larger than
// IniDocument::MaxFileSize; what a link leads to decides, and the link itself is moved. Returns
// the new name; "" when the file is missing, sound, one we may not read (it stays, never
// written over), or could not be moved.
std::string SetAsideIfDamaged(const std::string& path);

// What the player is told of a file set aside: which file, and the name it has now.
PlayerText SetAsideNotice(const std::string& path, const std::string& aside);

// Sets aside a damaged "ZANDOR.INI" and "POWER.INI" of the settings folder (ending with '/')
// before they are read; one notice for each file moved. PLAYER.INI sets aside its own.
std::vector<PlayerText> SetAsideDamagedFiles(const std::string& settingsDir);

}  // namespace zandor
