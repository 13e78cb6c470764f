// The close-time save of the settings file on a real disk: how long one save takes and how
// many fsyncs and renames it costs. The counts come from wrappers around the C library's calls
// defined here, so every call the store library makes is seen.
//   zandor-bench-save [FOLDER]   saves into FOLDER (default: a new folder under /var/tmp)
#include <dlfcn.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "bench/BenchReport.h"
#include "session/GameKeeper.h"
#include "store/Settings.h"

using namespace zandor;

namespace {

int fsyncs = 0;
int renames = 0;

template <typename Fn>
Fn Next(const char* name) {
  return reinterpret_cast<Fn>(dlsym(RTLD_NEXT, name));
}

}  // namespace

extern "C" int fsync(int fd) {
  static auto real = Next<int (*)(int)>("fsync");
  ++fsyncs;
  return real(fd);
}

extern "C" int fdatasync(int fd) {
  static auto real = Next<int (*)(int)>("fdatasync");
  ++fsyncs;
  return real(fd);
}

extern "C" int rename(const char* from, const char* to) noexcept {
  static auto real = Next<int (*)(const char*, const char*)>("rename");
  ++renames;
  return real(from, to);
}

extern "C" int renameat(int fromDir, const char* from, int toDir, const char* to) noexcept {
  static auto real = Next<int (*)(int, const char*, int, const char*)>("renameat");
  ++renames;
  return real(fromDir, from, toDir, to);
}

// The save as it was before whole-file saves: each of the 52 keys read the file, wrote it anew to
// a temporary file, flushed it and renamed it over the old one. Reproduced here step for step on
// the same bytes, so both ways are timed on the same disk in the same run.
bool KeyByKeySave(const std::string& path) {
  for (int key = 0; key < 52; ++key) {
    std::ifstream in(path, std::ios::binary);
    const std::string data{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    std::string tmp = path + ".XXXXXX";
    const int fd = ::mkstemp(tmp.data());
    if (fd < 0) return false;
    bool ok = ::write(fd, data.data(), data.size()) == static_cast<ssize_t>(data.size()) &&
              ::fsync(fd) == 0;
    ok = ::close(fd) == 0 && ok && ::rename(tmp.c_str(), path.c_str()) == 0;
    if (!ok) return false;
  }
  return true;
}

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
}

int main(int argc, char** argv) {
  std::string dir;
  bool own = argc < 2;
  if (own) {
    char pattern[] = "/var/tmp/zandor-bench-save-XXXXXX";
    if (::mkdtemp(pattern) == nullptr) {
      std::perror("mkdtemp");
      return 1;
    }
    dir = pattern;
  } else {
    dir = argv[1];
  }
  GameState g;
  g.Dirs.Program = "/usr/lib/zandor-slots/";
  g.Dirs.Settings = dir + "/settings/";
  g.SetFileDefaults();
  // A first save creates the folder and the file; the figures are of saves over an existing file,
  // as at every close after the first.
  if (!SaveSettings(g).Ok) {
    std::fprintf(stderr, "zandor-bench-save: cannot write into %s\n", g.Dirs.Settings.c_str());
    return 1;
  }
  constexpr int kSaves = 25;
  std::vector<double> ms, oldMs;
  int savedFsyncs = 0, savedRenames = 0;
  for (int i = 0; i < kSaves; ++i) {
    g.Machine.Spins = i;
    fsyncs = renames = 0;
    auto start = std::chrono::steady_clock::now();
    const bool ok = SaveSettings(g).Ok;
    ms.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                     .count());
    savedFsyncs = fsyncs;
    savedRenames = renames;
    start = std::chrono::steady_clock::now();
    const bool oldOk = KeyByKeySave(g.Dirs.Settings + "ZANDOR.INI");
    oldMs.push_back(
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
            .count());
    if (!ok || !oldOk) {
      std::fprintf(stderr, "zandor-bench-save: a save failed\n");
      return 1;
    }
  }
  // The game kept after a spin settles: PLAYER.INI with a full record of 100 recent spins and the
  // game, then ZANDOR.INI.
  PlayerRecord record;
  record.Now = [] { return int64_t{1765100000}; };
  SpinReport spin;
  spin.CoinValue = 25;
  spin.Wager = 625;
  spin.LinePays = {0, 1250, 0, 0, 0};
  spin.Win = 1250;
  for (int i = 0; i < 100; ++i) record.SpinScored(spin);
  PlayerIni file(g.Dirs.Settings);
  GameKeeper keeper(g, g.Machine, file, record);
  keeper.Restore();
  std::vector<double> keepMs;
  int keptFsyncs = 0, keptRenames = 0;
  for (int i = 0; i < kSaves; ++i) {
    g.Machine.Spins = 100 + i;
    record.SpinScored(spin);
    fsyncs = renames = 0;
    const auto start = std::chrono::steady_clock::now();
    const bool ok = keeper.KeepSettled().empty();
    keepMs.push_back(
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
            .count());
    keptFsyncs = fsyncs;
    keptRenames = renames;
    if (!ok) {
      std::fprintf(stderr, "zandor-bench-save: keeping the game failed\n");
      return 1;
    }
  }

  if (own) std::filesystem::remove_all(dir);
  ReportInfo("settled_keep_median", Median(keepMs), "ms",
             "the game kept after a spin: PLAYER.INI, then ZANDOR.INI");
  ReportFigure("settled_keep_fsyncs", keptFsyncs, "calls", 4, "4: two per file written");
  ReportFigure("settled_keep_renames", keptRenames, "calls", 2, "2: one per file written");
  const double now = Median(ms), before = Median(oldMs);
  ReportInfo("settings_save_median", now, "ms", "one close-time save of the 52 keys");
  ReportFigure("settings_save_fsyncs", savedFsyncs, "calls", 2, "2: the file and its folder");
  ReportFigure("settings_save_renames", savedRenames, "calls", 1, "1");
  ReportInfo("settings_save_key_by_key_median", before, "ms", "the former 52-step save");
  ReportFigure("settings_save_share_of_key_by_key", now / before, "of its time", 0.1,
               "0.1: ten times faster");
  return 0;
}
