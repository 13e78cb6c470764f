#include "store/DamagedFile.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstdint>
#include <cstdio>

#include "store/IniDocument.h"

namespace zandor {

std::string SetAsideIfDamaged(const std::string& path) {
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0) return "";
  if (S_ISREG(st.st_mode) && static_cast<uint64_t>(st.st_size) <= IniDocument::MaxFileSize)
    return "";
  for (int n = 1; n <= 1000; ++n) {
    std::string aside = path + ".damaged-" + std::to_string(n);
    // Never replaces a file of that name, even one made since we looked.
    if (::renameat2(AT_FDCWD, path.c_str(), AT_FDCWD, aside.c_str(), RENAME_NOREPLACE) == 0)
      return aside;
    if (errno == EEXIST) continue;
    if (errno != EINVAL && errno != ENOSYS) return "";
    // A file system that cannot refuse to replace: look first.
    if (::lstat(aside.c_str(), &st) == 0) continue;
    return ::rename(path.c_str(), aside.c_str()) == 0 ? aside : "";
  }
  return "";
}

PlayerText SetAsideNotice(const std::string& path, const std::string& aside) {
  //: %1 is the file the game could not read, %2 the name it has been given.
  return {"zandor::Files",
          ZANDOR_TR_NOOP("zandor::Files",
                         "%1 could not be read: it is damaged or far too large.  It has been "
                         "renamed %2, and a new file takes its place."),
          {path, aside}};
}

std::vector<PlayerText> SetAsideDamagedFiles(const std::string& settingsDir) {
  std::vector<PlayerText> notices;
  for (const char* name : {"ZANDOR.INI", "POWER.INI"}) {
    const std::string path = settingsDir + name;
    const std::string aside = SetAsideIfDamaged(path);
    if (!aside.empty()) notices.push_back(SetAsideNotice(path, aside));
  }
  return notices;
}

}  // namespace zandor
