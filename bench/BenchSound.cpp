// The wait for a by-name sound: the game holds the caller while a replaceable effect plays,
// and that wait must sleep rather than spin a core. Plays a one-second tone through the real
// sound service three times and prints the median CPU time of the whole process (the mixing
// thread included) per second of sound.
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "bench/BenchReport.h"
#include "platform/SdlAudio.h"
#include "platform/WaveTone.h"

using namespace zandor;

int main() {
  const std::filesystem::path dir =
      std::filesystem::temp_directory_path() / ("zandor-bench-sound" + std::to_string(::getpid()));
  std::filesystem::create_directories(dir);
  const std::string wav = (dir / "long.wav").string();
  const std::vector<uint8_t> bytes = MakeToneWav(440, 1000);
  std::ofstream(wav, std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes.data()),
             static_cast<std::streamsize>(bytes.size()));

  SdlAudio audio;
  if (!audio.IsOpen()) {
    std::fprintf(stderr, "zandor-bench-sound: no audio device, not even the dummy one\n");
    return 1;
  }
  std::vector<double> cpuMs, wallMs;
  for (int run = 0; run < 3; ++run) {
    const std::clock_t cpu = std::clock();
    const auto wall = std::chrono::steady_clock::now();
    audio.PlaySync(wav);
    cpuMs.push_back(1000.0 * static_cast<double>(std::clock() - cpu) / CLOCKS_PER_SEC);
    wallMs.push_back(
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - wall).count());
  }
  std::filesystem::remove_all(dir);
  std::sort(cpuMs.begin(), cpuMs.end());
  std::sort(wallMs.begin(), wallMs.end());
  ReportFigure("sync_sound_1s_cpu", cpuMs[1], "ms", 250, "250 ms");
  ReportInfo("sync_sound_1s_wall", wallMs[1], "ms", "the sound's own length is 1000 ms");
  return 0;
}
