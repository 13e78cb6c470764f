#include "store/AtomicFile.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <string_view>

namespace zandor {

namespace {

constexpr size_t kSuffixLength = 6;
constexpr char kSuffixCharacters[] =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";

// Whether a name's last part is one of our random suffixes: six letters and digits with a digit
// among them or both letter cases, so that a word such as "backup" is never taken for one.
bool IsOurSuffix(std::string_view s) {
  bool digit = false, upper = false, lower = false;
  for (char c : s) {
    digit = digit || (c >= '0' && c <= '9');
    upper = upper || (c >= 'A' && c <= 'Z');
    lower = lower || (c >= 'a' && c <= 'z');
    if (!(c >= '0' && c <= '9') && !(c >= 'A' && c <= 'Z') && !(c >= 'a' && c <= 'z')) return false;
  }
  return s.size() == kSuffixLength && (digit || (upper && lower));
}

std::string FolderOf(const std::string& path) {
  const size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

bool WriteAll(int fd, const std::string& data) {
  size_t done = 0;
  while (done < data.size()) {
    ssize_t n = ::write(fd, data.data() + done, data.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += static_cast<size_t>(n);
  }
  return true;
}

// Opens a new file "<target>.XXXXXX" that nobody else has; the permissions of a new file follow
// the user's umask, as for any file the player creates.
int CreateTemporary(const std::string& target, std::string& tmp) {
  for (int attempt = 0; attempt < 100; ++attempt) {
    unsigned char random[kSuffixLength];
    if (::getrandom(random, sizeof random, 0) != static_cast<ssize_t>(sizeof random)) return -1;
    tmp = target + ".";
    for (unsigned char r : random) tmp += kSuffixCharacters[r % (sizeof kSuffixCharacters - 1)];
    tmp.back() = static_cast<char>('0' + random[0] % 10);  // a digit marks the name as ours
    int fd = ::open(tmp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
}

// The folder's entry for the new file reaches the disk only when the folder itself is flushed.
void FlushFolder(const std::string& folder) {
  int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  // Some file systems cannot flush a folder; the rename has happened all the same.
  ::fsync(fd);
  ::close(fd);
}

}  // namespace

bool MakeFolders(const std::string& dir) {
  for (size_t i = 1; i <= dir.size(); ++i) {
    if (i == dir.size() || dir[i] == '/') ::mkdir(dir.substr(0, i).c_str(), 0777);
  }
  struct stat st {};
  return ::stat(dir.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool ReplaceFileAtomically(const std::string& path, const std::string& data,
                           ReplaceFaults* faults) {
  const auto fails = [faults](ReplaceStep step) { return faults && faults->FailsAt(step); };
  // Replace the file a link points to, not the link itself.
  std::string target = path;
  struct stat st {};
  if (::lstat(path.c_str(), &st) == 0 && S_ISLNK(st.st_mode)) {
    char* real = ::realpath(path.c_str(), nullptr);
    if (real == nullptr) return false;
    target = real;
    std::free(real);
  }
  const std::string folder = FolderOf(target);
  if (!MakeFolders(folder)) return false;
  bool exists = false;
  mode_t mode = 0;
  if (::stat(target.c_str(), &st) == 0) {
    if (!S_ISREG(st.st_mode)) return false;
    // A file the player marked read-only stays as it is, even for a user the system would let
    // write it.
    if (::access(target.c_str(), W_OK) != 0 || (st.st_mode & 0222) == 0) return false;
    exists = true;
    mode = st.st_mode & 07777;
  }
  std::string tmp;
  const int fd = fails(ReplaceStep::CreateTemporary) ? -1 : CreateTemporary(target, tmp);
  if (fd < 0) return false;
  bool ok = (!exists || ::fchmod(fd, mode) == 0) && !fails(ReplaceStep::Write) &&
            WriteAll(fd, data) && !fails(ReplaceStep::Flush) && ::fsync(fd) == 0;
  ok = ::close(fd) == 0 && ok;
  ok = ok && !fails(ReplaceStep::Rename) && ::rename(tmp.c_str(), target.c_str()) == 0;
  if (!ok) {
    ::unlink(tmp.c_str());
    return false;
  }
  FlushFolder(folder);
  return true;
}

int RemoveLeftoverTemporaries(const std::string& folder, const std::vector<std::string>& files) {
  DIR* d = ::opendir(folder.c_str());
  if (d == nullptr) return 0;
  int removed = 0;
  while (const dirent* e = ::readdir(d)) {
    const std::string name = e->d_name;
    for (const std::string& file : files) {
      if (name.size() != file.size() + 1 + kSuffixLength ||
          name.compare(0, file.size(), file) != 0 || name[file.size()] != '.')
        continue;
      const bool ours = IsOurSuffix(std::string_view(name).substr(file.size() + 1));
      struct stat st {};
      const std::string full = folder + (folder.empty() || folder.back() == '/' ? "" : "/") + name;
      if (ours && ::lstat(full.c_str(), &st) == 0 && S_ISREG(st.st_mode) &&
          ::unlink(full.c_str()) == 0)
        ++removed;
    }
  }
  ::closedir(d);
  return removed;
}

}  // namespace zandor
