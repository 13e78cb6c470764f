#include "store/IniDocument.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <iterator>
#include <string_view>
#include <unordered_set>
#include <utility>

#include "store/AtomicFile.h"
#include "store/Utf8Text.h"

namespace zandor {

namespace {

constexpr size_t kMaxValue = 1023;
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

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

// The span of the first section of that name: [header, end) in line indices.
bool FindSection(const std::vector<std::string>& lines, std::string_view section, size_t& header,
                 size_t& end) {
  for (size_t i = 0; i < lines.size(); ++i) {
    std::string_view name;
    if (SectionName(lines[i], name) && SameName(name, section)) {
      header = i;
      end = i + 1;
      std::string_view other;
      while (end < lines.size() && !SectionName(lines[end], other)) ++end;
      return true;
    }
  }
  return false;
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

IniDocument::IniDocument(std::string path, ReplaceFaults* faults)
    : path_(std::move(path)), faults_(faults) {
  // Never blocks, even on a pipe put in the file's place.
  int fd = ::open(path_.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) {
    // A missing file (or folder) is an empty document; one we may not read must not be
    // replaced by what little we know of it.
    unreadable_ = errno != ENOENT && errno != ENOTDIR;
    return;
  }
  // A device (a link to /dev/zero), a pipe or a folder is no file of ours, and what a plain
  // file holds beyond the limit would take the whole memory: neither is read.
  struct stat st {};
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) ||
      static_cast<uint64_t>(st.st_size) > MaxFileSize) {
    unreadable_ = true;
    ::close(fd);
    return;
  }
  std::string data;
  char buf[65536];
  for (;;) {
    ssize_t n = ::read(fd, buf, sizeof buf);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) unreadable_ = true;
    if (n <= 0) break;
    data.append(buf, static_cast<size_t>(n));
    // The file may grow while it is read.
    if (data.size() > MaxFileSize) unreadable_ = true;
    if (unreadable_) break;
  }
  ::close(fd);
  if (unreadable_) return;
  if (data.starts_with(kByteOrderMark)) {
    byteOrderMark_ = true;
    data.erase(0, kByteOrderMark.size());
  }
  size_t start = 0;
  while (start < data.size()) {
    size_t nl = data.find('\n', start);
    if (nl == std::string::npos) nl = data.size();
    lines_.push_back(data.substr(start, nl - start));
    start = nl + 1;
  }
}

std::optional<std::string> IniDocument::Find(const std::string& section,
                                             const std::string& key) const {
  size_t header = 0, end = 0;
  if (!FindSection(lines_, section, header, end)) return std::nullopt;
  for (size_t i = header + 1; i < end; ++i) {
    std::string_view k, v;
    if (KeyLine(lines_[i], k, v) && SameName(k, key)) return FirstCharacters(v, kMaxValue);
  }
  return std::nullopt;
}

std::string IniDocument::ReadString(const std::string& section, const std::string& key,
                                    const std::string& def) const {
  return Find(section, key).value_or(def);
}

int32_t IniDocument::ReadInteger(const std::string& section, const std::string& key,
                                 int32_t def) const {
  int32_t v = 0;
  return ParseIniInteger(ReadString(section, key, ""), v) ? v : def;
}

bool IniDocument::ReadBool(const std::string& section, const std::string& key, bool def) const {
  return ReadInteger(section, key, def ? 1 : 0) != 0;
}

void IniDocument::WriteString(const std::string& section, const std::string& key,
                              const std::string& value) {
  // A line break inside a value would split it into lines of its own and corrupt the file.
  std::string keyLine = key + "=" + value;
  for (size_t i = key.size() + 1; i < keyLine.size(); ++i) {
    if (keyLine[i] == '\n' || keyLine[i] == '\r') keyLine[i] = ' ';
  }
  size_t header = 0, end = 0;
  if (!FindSection(lines_, section, header, end)) {
    lines_.push_back("[" + section + "]");
    lines_.push_back(keyLine);
    return;
  }
  size_t last = header;  // the section's last line that is not blank
  for (size_t i = header + 1; i < end; ++i) {
    std::string_view k, v;
    if (KeyLine(lines_[i], k, v) && SameName(k, key)) {
      lines_[i] = keyLine;
      return;
    }
    if (!TrimBlanks(Content(lines_[i])).empty()) last = i;
  }
  // Blank lines that close a section keep separating it from the next one.
  lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(last + 1), keyLine);
}

void IniDocument::WriteInteger(const std::string& section, const std::string& key, int32_t value) {
  WriteString(section, key, std::to_string(value));
}

void IniDocument::WriteBool(const std::string& section, const std::string& key, bool value) {
  WriteString(section, key, value ? "1" : "0");
}

std::string IniDocument::Text() const {
  std::string data;
  if (byteOrderMark_) data = kByteOrderMark;
  for (const std::string& l : lines_) {
    data += l;
    data += '\n';
  }
  return data;
}

bool IniDocument::KeepOnlyKeys(const std::string& section,
                               const std::function<bool(std::string_view)>& keep) {
  size_t header = 0, end = 0;
  if (!FindSection(lines_, section, header, end)) return false;
  while (end > header + 1 && TrimBlanks(Content(lines_[end - 1])).empty()) --end;
  std::vector<size_t> kept;
  std::unordered_set<std::string> names;  // in lower case
  for (size_t i = header + 1; i < end; ++i) {
    std::string_view k, v;
    if (!KeyLine(lines_[i], k, v) || !keep(k)) continue;
    std::string name(k);
    for (char& c : name)
      if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + 32);
    if (names.insert(std::move(name)).second) kept.push_back(i);
  }
  if (kept.size() == end - header - 1) return false;
  std::vector<std::string> lines(lines_.begin(),
                                 lines_.begin() + static_cast<std::ptrdiff_t>(header + 1));
  for (size_t i : kept) lines.push_back(std::move(lines_[i]));
  lines.insert(lines.end(),
               std::make_move_iterator(lines_.begin() + static_cast<std::ptrdiff_t>(end)),
               std::make_move_iterator(lines_.end()));
  lines_ = std::move(lines);
  return true;
}

bool IniDocument::KeepOnlySections(const std::function<bool(std::string_view, bool)>& keep) {
  std::unordered_set<std::string> seen;  // in lower case
  std::vector<std::string> lines;
  bool keeping = keep("", false);
  for (std::string& line : lines_) {
    std::string_view name;
    if (SectionName(line, name)) {
      std::string lower(name);
      for (char& c : lower)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + 32);
      keeping = keep(name, !seen.insert(std::move(lower)).second);
    }
    if (keeping) lines.push_back(std::move(line));
  }
  const bool removed = lines.size() != lines_.size();
  lines_ = std::move(lines);
  return removed;
}

bool IniDocument::Save() const {
  return !unreadable_ && ReplaceFileAtomically(path_, Text(), faults_);
}

}  // namespace zandor
