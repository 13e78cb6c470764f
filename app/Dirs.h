// Where the program's media and the player's settings live.
#pragma once

#include <string>

namespace zandor {

// The folder that holds the game's media, ending with '/': the program file's own folder
// (found from /proc/self/exe) when the media lie beside it, as in the build folder; else the
// installed share folder (see MediaDirectoryFor).
std::string ProgramDirectory();
// The media folder for a program in exeDir: exeDir itself when it holds the media, else
// exeDir/../share/zandor-slots/, else systemDir; exeDir when none does. Each ends with '/'.
std::string MediaDirectoryFor(const std::string& exeDir,
                              const std::string& systemDir = "/usr/share/zandor-slots/");
// ${XDG_CONFIG_HOME:-$HOME/.config}/zandor-slots/, ending with '/'.
std::string SettingsDirectory();

}  // namespace zandor
