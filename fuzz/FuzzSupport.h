// What every fuzz target shares: a check that stops the run with a message, and a private
// folder for the files a target hands to the code under test.
#pragma once

#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

// Stops the run (the fuzzer then keeps the input) when a property does not hold.
#define FUZZ_CHECK(cond)                                                               \
  do {                                                                                 \
    if (!(cond)) {                                                                     \
      std::fprintf(stderr, "%s:%d: property failed: %s\n", __FILE__, __LINE__, #cond); \
      std::abort();                                                                    \
    }                                                                                  \
  } while (0)

// One folder per process, in memory when /dev/shm exists: the INI writer syncs every save
// to disk, which would otherwise cost more than the parsing being tested.
class ScratchFolder {
 public:
  ScratchFolder() {
    // scripts/fuzz names a folder of its own, so that what a crashed run leaves goes with it.
    const char* env = std::getenv("ZANDOR_FUZZ_TMP");
    std::string base = env && *env                                 ? env
                       : std::filesystem::is_directory("/dev/shm") ? "/dev/shm"
                                                                   : "/tmp";
    std::string pattern = base + "/zandor-fuzz-XXXXXX";
    if (::mkdtemp(pattern.data()) == nullptr) {
      std::perror("mkdtemp");
      std::abort();
    }
    path_ = pattern + "/";
  }
  ~ScratchFolder() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
  }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  // The folder with its trailing '/'.
  const std::string& Path() const { return path_; }

  // Replaces the named file with exactly these bytes and returns its full path.
  std::string Write(const std::string& name, const uint8_t* data, size_t size) const {
    std::string path = path_ + name;
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    return path;
  }
  std::string Write(const std::string& name, const std::string& bytes) const {
    return Write(name, reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
  }

  // The whole file as bytes ("" when missing).
  std::string Read(const std::string& name) const {
    std::ifstream in(path_ + name, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
  }

 private:
  std::string path_;
};

// The folder of this process; made on first use and removed when the process ends normally.
inline const ScratchFolder& FuzzDir() {
  static ScratchFolder dir;
  return dir;
}
