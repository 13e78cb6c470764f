// The window's own choices kept in "PLAYER.INI" beside the settings file: section [Window].
#pragma once

#include <string>

// True when the game last left in full screen; a missing file or a damaged value means false.
bool LoadFullScreen(const std::string& settingsDir);
// Stores the full-screen choice, keeping every other line of the file; returns "" or the full
// path of the file that could not be written.
std::string SaveFullScreen(const std::string& settingsDir, bool on);
