#include "app/Dirs.h"

#include <cstdlib>
#include <filesystem>

std::string ProgramDirectory() {
  std::error_code ec;
  // The link resolves an installed program's bin/ link to the folder that holds its media.
  std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
  if (ec) exe = std::filesystem::current_path() / "zandor-slots";
  std::string dir = exe.parent_path().string();
  if (dir.empty() || dir.back() != '/') dir += '/';
  return dir;
}

std::string SettingsDirectory() {
  const char* xdg = std::getenv("XDG_CONFIG_HOME");
  std::string base;
  if (xdg && *xdg == '/') {
    base = xdg;
  } else {
    const char* home = std::getenv("HOME");
    base = std::string(home && *home ? home : "/tmp") + "/.config";
  }
  if (base.back() != '/') base += '/';
  return base + "zandor-slots/";
}
