#include "store/TIniFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <string_view>
#include <utility>
#include <vector>

namespace {

constexpr size_t kMaxValue = 1023;

// -1: disarmed; otherwise the number of writes still allowed to succeed before one fails.
int failCountdown = -1;

// One physical line without its LF; a CR before the LF stays in `text` so that lines we do not
// touch are written back byte for byte.
struct Line {
  std::string text;
};

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view TrimBlanks(std::string_view s) {
  size_t b = 0, e = s.size();
  while (b < e && IsBlank(s[b])) ++b;
  while (e > b && IsBlank(s[e - 1])) --e;
  return s.substr(b, e - b);
}

// The line without a trailing CR, as the parser sees it.
std::string_view Content(const std::string& text) {
  std::string_view v(text);
  if (!v.empty() && v.back() == '\r') v.remove_suffix(1);
  return v;
}

bool SameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    unsigned char x = static_cast<unsigned char>(a[i]), y = static_cast<unsigned char>(b[i]);
    if (x >= 'A' && x <= 'Z') x = static_cast<unsigned char>(x + 32);
    if (y >= 'A' && y <= 'Z') y = static_cast<unsigned char>(y + 32);
    if (x != y) return false;
  }
  return true;
}

// A header is "[" name "]" with optional blanks around; returns false for any other line.
bool SectionName(const std::string& text, std::string_view& name) {
  std::string_view t = TrimBlanks(Content(text));
  if (t.size() < 2 || t.front() != '[') return false;
  size_t close = t.find(']');
  if (close == std::string_view::npos) return false;
  name = TrimBlanks(t.substr(1, close - 1));
  return true;
}

// A key line has a non-empty name before its first "="; comment lines never count as keys.
bool KeyLine(const std::string& text, std::string_view& key, std::string_view& value) {
  std::string_view t = Content(text);
  size_t eq = t.find('=');
  if (eq == std::string_view::npos) return false;
  std::string_view k = TrimBlanks(t.substr(0, eq));
  if (k.empty() || k.front() == ';') return false;
  key = k;
  value = TrimBlanks(t.substr(eq + 1));
  return true;
}

// Reads the whole file; anything unreadable (missing, a directory) is an empty file.
std::vector<Line> Load(const std::string& path) {
  std::vector<Line> lines;
  int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return lines;
  std::string data;
  char buf[65536];
  for (;;) {
    ssize_t n = ::read(fd, buf, sizeof buf);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    data.append(buf, static_cast<size_t>(n));
  }
  ::close(fd);
  size_t start = 0;
  while (start < data.size()) {
    size_t nl = data.find('\n', start);
    if (nl == std::string::npos) nl = data.size();
    lines.push_back({data.substr(start, nl - start)});
    start = nl + 1;
  }
  return lines;
}

// The span of the first section of that name: [header, end) in line indices.
bool FindSection(const std::vector<Line>& lines, std::string_view section, size_t& header,
                 size_t& end) {
  for (size_t i = 0; i < lines.size(); ++i) {
    std::string_view name;
    if (SectionName(lines[i].text, name) && SameName(name, section)) {
      header = i;
      end = i + 1;
      std::string_view other;
      while (end < lines.size() && !SectionName(lines[end].text, other)) ++end;
      return true;
    }
  }
  return false;
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

// Replaces the file as a whole: the new text goes to a temporary file in the same folder, is
// flushed to disk and renamed over the old one, so a crash or a full disk never leaves a
// half-written file behind.
bool Store(const std::string& path, const std::vector<Line>& lines) {
  // The test hook fails this write late, after the temporary file is written, like a full disk.
  bool injectFailure = false;
  if (failCountdown >= 0) {
    injectFailure = failCountdown == 0;
    failCountdown = injectFailure ? -1 : failCountdown - 1;
  }
  // Replace the file a link points to, not the link itself.
  std::string target = path;
  struct stat st {};
  if (::lstat(path.c_str(), &st) == 0 && S_ISLNK(st.st_mode)) {
    char* real = ::realpath(path.c_str(), nullptr);
    if (real == nullptr) return false;
    target = real;
    std::free(real);
  }
  mode_t mode = 0644;
  if (::stat(target.c_str(), &st) == 0) {
    if (!S_ISREG(st.st_mode)) return false;
    mode = st.st_mode & 07777;
  }
  std::string data;
  for (const Line& l : lines) {
    data += l.text;
    data += '\n';
  }
  std::string tmp = target + ".XXXXXX";
  int fd = ::mkstemp(tmp.data());
  if (fd < 0) return false;
  bool ok = ::fchmod(fd, mode) == 0 && WriteAll(fd, data) && !injectFailure && ::fsync(fd) == 0;
  ok = (::close(fd) == 0) && ok;
  if (ok) ok = ::rename(tmp.c_str(), target.c_str()) == 0;
  if (!ok) {
    ::unlink(tmp.c_str());
    return false;
  }
  // The folder is not synced after each rename: a power cut may then bring back the previous
  // version of the file, but never a torn one, and a save of 52 keys stays quick.
  return true;
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// Hexadecimal up to 32 bits, taken as two's complement so that 0x8000000F reads as a colour.
bool ParseHex(std::string_view s, bool negative, int32_t& out) {
  if (s.empty()) return false;
  for (char c : s) {
    if (HexDigit(c) < 0) return false;
  }
  while (s.size() > 1 && s.front() == '0') s.remove_prefix(1);
  if (s.size() > 8) return false;
  uint32_t v = 0;
  for (char c : s) {
    int d = HexDigit(c);
    if (d < 0) return false;
    v = v * 16 + static_cast<uint32_t>(d);
  }
  if (negative) v = 0u - v;
  out = static_cast<int32_t>(v);
  return true;
}

}  // namespace

bool ParseIniInteger(const std::string& text, int32_t& out) {
  std::string_view s(text);
  if (s.size() > 2 && s[0] == '0' && (s[1] == 'x' || s[1] == 'X'))
    return ParseHex(s.substr(2), false, out);
  while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
  bool negative = false;
  if (!s.empty() && (s.front() == '+' || s.front() == '-')) {
    negative = s.front() == '-';
    s.remove_prefix(1);
  }
  if (!s.empty() && s.front() == '$') return ParseHex(s.substr(1), negative, out);
  if (s.empty()) return false;
  int64_t v = 0;
  for (char c : s) {
    if (c < '0' || c > '9') return false;
    v = v * 10 + (c - '0');
    if (v > int64_t{INT32_MAX} + 1) return false;
  }
  if (negative) v = -v;
  if (v > INT32_MAX || v < INT32_MIN) return false;
  out = static_cast<int32_t>(v);
  return true;
}

TIniFile::TIniFile(std::string path) : path_(std::move(path)) {}

void TIniFile::FailWritesAfter(int n) { failCountdown = n < 0 ? -1 : n; }

std::string TIniFile::ReadString(const std::string& section, const std::string& key,
                                 const std::string& def) const {
  std::vector<Line> lines = Load(path_);
  size_t header = 0, end = 0;
  if (!FindSection(lines, section, header, end)) return def;
  for (size_t i = header + 1; i < end; ++i) {
    std::string_view k, v;
    if (KeyLine(lines[i].text, k, v) && SameName(k, key)) {
      return std::string(v.substr(0, kMaxValue));
    }
  }
  return def;
}

int32_t TIniFile::ReadInteger(const std::string& section, const std::string& key,
                              int32_t def) const {
  int32_t v = 0;
  return ParseIniInteger(ReadString(section, key, ""), v) ? v : def;
}

bool TIniFile::ReadBool(const std::string& section, const std::string& key, bool def) const {
  return ReadInteger(section, key, def ? 1 : 0) != 0;
}

bool TIniFile::WriteString(const std::string& section, const std::string& key,
                           const std::string& value) {
  // A line break inside a value would split it into lines of its own and corrupt the file.
  std::string safe = value;
  for (char& c : safe) {
    if (c == '\n' || c == '\r') c = ' ';
  }
  std::string keyLine = key + "=" + safe;
  std::vector<Line> lines = Load(path_);
  size_t header = 0, end = 0;
  if (!FindSection(lines, section, header, end)) {
    lines.push_back({"[" + section + "]"});
    lines.push_back({keyLine});
    return Store(path_, lines);
  }
  size_t last = header;  // the section's last line that is not blank
  for (size_t i = header + 1; i < end; ++i) {
    std::string_view k, v;
    if (KeyLine(lines[i].text, k, v) && SameName(k, key)) {
      lines[i].text = keyLine;
      return Store(path_, lines);
    }
    if (!TrimBlanks(Content(lines[i].text)).empty()) last = i;
  }
  // Blank lines that close a section keep separating it from the next one.
  lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(last + 1), Line{keyLine});
  return Store(path_, lines);
}

bool TIniFile::WriteInteger(const std::string& section, const std::string& key, int32_t value) {
  return WriteString(section, key, std::to_string(value));
}

bool TIniFile::WriteBool(const std::string& section, const std::string& key, bool value) {
  return WriteString(section, key, value ? "1" : "0");
}
