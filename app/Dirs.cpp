#include "app/Dirs.h"

#include <cstdlib>
#include <filesystem>

namespace zandor {

namespace fs = std::filesystem;

namespace {

std::string WithSlash(std::string dir) {
  if (dir.empty() || dir.back() != '/') dir += '/';
  return dir;
}

// The smallest artwork set stands for the whole media: every start-up needs it.
bool HoldsMedia(const fs::path& dir) {
  std::error_code ec;
  return fs::is_regular_file(dir / "ZANDOR96.bmp", ec);
}

}  // namespace

std::string MediaDirectoryFor(const std::string& exeDir, const std::string& systemDir) {
  const fs::path exe(exeDir);
  if (HoldsMedia(exe)) return WithSlash(exeDir);
  // An installed program sits in bin/ (or games/) with its media under the same prefix.
  const fs::path shared = (exe / ".." / "share" / "zandor-slots").lexically_normal();
  if (HoldsMedia(shared)) return WithSlash(shared.string());
  if (HoldsMedia(systemDir)) return WithSlash(systemDir);
  // Nothing found: the messages about missing files then name the program's own folder.
  return WithSlash(exeDir);
}

std::string ProgramDirectory() {
  std::error_code ec;
  // The link resolves a program started through another link to the real file's folder.
  fs::path exe = fs::read_symlink("/proc/self/exe", ec);
  if (ec) exe = fs::current_path() / "zandor-slots";
  return MediaDirectoryFor(exe.parent_path().string());
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

}  // namespace zandor
