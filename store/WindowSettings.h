// The window's own choices kept in "PLAYER.INI" beside the settings file: section [Window].
#pragma once

#include <string>

// The file that holds the player's own choices, in the settings folder.
std::string PlayerIniPath(const std::string& settingsDir);
// True when the game last left in full screen; a missing file or a damaged value means false.
bool LoadFullScreen(const std::string& settingsDir);
// Stores the full-screen choice, keeping every other line of the file; false when the file
// could not be written.
bool SaveFullScreen(const std::string& settingsDir, bool on);
