// Where the program's media and the player's settings live.
#pragma once

#include <string>

// The folder of the program file, ending with '/', found from /proc/self/exe.
std::string ProgramDirectory();
// ${XDG_CONFIG_HOME:-$HOME/.config}/zandor-slots/, ending with '/'.
std::string SettingsDirectory();
