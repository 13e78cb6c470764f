// Feeds saved inputs to a fuzz target without libFuzzer, so any compiler can replay the
// corpus as an ordinary test: every file named, and every file inside every folder named.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

namespace fs = std::filesystem;

int main(int argc, char** argv) {
  std::vector<fs::path> files;
  for (int i = 1; i < argc; ++i) {
    fs::path p(argv[i]);
    if (fs::is_directory(p)) {
      for (const auto& e : fs::recursive_directory_iterator(p)) {
        if (e.is_regular_file()) files.push_back(e.path());
      }
    } else if (fs::is_regular_file(p)) {
      files.push_back(p);
    } else {
      std::fprintf(stderr, "no such file or folder: %s\n", argv[i]);
      return 2;
    }
  }
  // A missing or emptied corpus must not pass as a clean replay.
  if (files.empty()) {
    std::fprintf(stderr, "usage: %s corpus-folder-or-file...  (no inputs found)\n", argv[0]);
    return 2;
  }
  std::sort(files.begin(), files.end());
  for (const fs::path& f : files) {
    std::ifstream in(f, std::ios::binary);
    // Exactly the file's bytes in a buffer of their own size, so that under the address
    // sanitizer a read one byte too far is caught as it would be while fuzzing.
    std::vector<uint8_t> bytes(static_cast<size_t>(fs::file_size(f)));
    in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    std::fprintf(stderr, "%s (%zu bytes)\n", f.c_str(), bytes.size());
    LLVMFuzzerTestOneInput(bytes.data(), bytes.size());
  }
  std::printf("%zu inputs replayed\n", files.size());
  return 0;
}
