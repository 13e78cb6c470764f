// Micro-benchmarks of the face drawing and of the rules: a full paint at the smallest and
// largest artwork sets and at 200 % on a high-density screen, one animation step, one meter
// redraw, and spins scored per second
// through the fake host. Prints the median of repeated runs with each figure's budget.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <memory>
#include <vector>

#include "bench/BenchReport.h"
#include "face/FacePainter.h"
#include "machine/SlotMachine.h"
#include "record/PlayerFile.h"
#include "store/PlayerIni.h"
#include "tests/support/FakeHost.h"

using namespace zandor;

namespace {

// The media files lie beside the program, as they do beside the game.
std::string ExeDirectory() {
  std::error_code ec;
  std::string dir = std::filesystem::read_symlink("/proc/self/exe", ec).parent_path().string();
  return dir + "/";
}

// A face as the window has it after its first resize: letters, the default tile, artwork.
struct FaceFixture {
  GameState Game;
  FacePainter Face{Game.Machine, Game.Options, Game.Dirs};
  explicit FaceFixture(int width, int height, double ratio = 1) {
    Game.Dirs.Program = ExeDirectory();
    Game.SetFileDefaults();
    if (!Face.LoadLetters().empty() || !Face.LoadTile(Game.Options.BackBitmap).empty() ||
        !Face.FitToSize(width, height, ratio).empty()) {
      std::fprintf(stderr, "the media files are missing from %s\n", Game.Dirs.Program.c_str());
      std::exit(2);
    }
    Face.TiledChecked = true;
    // A face in play: some credits, a bet on every line, a winning line, a part-full meter.
    Game.Machine.Credits = Money::Cents(98765);
    Game.Machine.LastWager = Money::Cents(625);
    Game.Machine.PowerPts = 37;
    Game.Machine.LinePays = {2, 0, 0, 0, 0};
    Face.PaintFace();
  }
};

// Size of the client area by artwork set: the designed window, and a large one for 192.
std::pair<int, int> ClientSize(int symbolSize) {
  return symbolSize == 96 ? std::pair{632, 394} : std::pair{1920, 1000};
}

void BM_PaintFace(benchmark::State& state) {
  auto [w, h] = ClientSize(static_cast<int>(state.range(0)));
  FaceFixture f(w, h);
  if (f.Face.SymbolSize != state.range(0)) state.SkipWithError("wrong artwork set");
  for (auto _ : state) {
    f.Face.PaintFace();
    benchmark::DoNotOptimize(f.Face.Canvas.constBits());
  }
}
BENCHMARK(BM_PaintFace)->Arg(96)->Arg(192)->Unit(benchmark::kMillisecond);

void BM_DrawReels(benchmark::State& state) {
  auto [w, h] = ClientSize(static_cast<int>(state.range(0)));
  FaceFixture f(w, h);
  int i = 0;
  for (auto _ : state) {
    // Odd and even positions alike, as while the reels run.
    f.Face.DrawReels({i % 40, (i + 7) % 40, (i + 13) % 40});
    ++i;
    benchmark::DoNotOptimize(f.Face.Canvas.constBits());
  }
}
BENCHMARK(BM_DrawReels)->Arg(192)->Unit(benchmark::kMicrosecond);

// The designed window on a screen scaled to 200 %: the 192 set and every glyph at device pixels.
void BM_HighDensity(benchmark::State& state) {
  FaceFixture f(632, 394, 2);
  if (f.Face.ArtworkSet != 192) state.SkipWithError("wrong artwork set");
  int i = 0;
  for (auto _ : state) {
    if (state.range(0) == 0) {
      f.Face.PaintFace();
    } else {
      f.Face.DrawReels({i % 40, (i + 7) % 40, (i + 13) % 40});
      ++i;
    }
    benchmark::DoNotOptimize(f.Face.Canvas.constBits());
  }
}
BENCHMARK(BM_HighDensity)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_RedrawCredits(benchmark::State& state) {
  auto [w, h] = ClientSize(static_cast<int>(state.range(0)));
  FaceFixture f(w, h);
  for (auto _ : state) {
    f.Game.Machine.Credits += Money::Cents(5);
    f.Face.Redraw(FaceElement::Credits);
    benchmark::DoNotOptimize(f.Face.Canvas.constBits());
  }
}
BENCHMARK(BM_RedrawCredits)->Arg(96)->Arg(192)->Unit(benchmark::kMicrosecond);

void BM_SpinsScored(benchmark::State& state) {
  GameState game;
  Lcg rng;
  FakeHost host;
  SlotMachine machine(game.Machine, game.Options, rng, host);
  game.Options.AceyDucey = false;
  game.Machine.SpinDelay = 0;
  game.Machine.CoinValue = Money::Cents(25);
  game.Machine.LastWager = 25 * game.Machine.CoinValue;
  uint32_t seed = 1;
  for (auto _ : state) {
    game.Machine.Credits = Money::Dollars(1000000);
    host.TimeOfDay = seed++;
    machine.Spin();
    // The fake host records every request; keep its lists from growing across spins.
    host.Clear();
  }
  state.counters["spins"] =
      benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_SpinsScored)->Unit(benchmark::kMicrosecond);

// Scoring alone: every stop combination of the three reels in turn, 25 coins on the lines,
// so wins and losses come in the proportions the reels give them.
void BM_EvaluatePaylines(benchmark::State& state) {
  GameState game;
  Lcg rng;
  FakeHost host;
  SlotMachine machine(game.Machine, game.Options, rng, host);
  game.Options.AceyDucey = false;
  game.Machine.Wager = 25 * game.Machine.CoinValue;
  machine.UpdateLineBets(game.Machine.CoinValue, game.Machine.Wager);
  std::vector<std::array<int, 9>> grids;
  for (int a = 0; a < 20; ++a)
    for (int b = 0; b < 20; ++b)
      for (int c = 0; c < 20; ++c) {
        game.Machine.ReelStops = {2 * a, 2 * b, 2 * c};
        ComputeReelGrid(game.Machine);
        grids.push_back(game.Machine.ReelGrid);
      }
  size_t i = 0;
  for (auto _ : state) {
    game.Machine.ReelGrid = grids[i++ % grids.size()];
    machine.EvaluatePaylines();
    benchmark::DoNotOptimize(game.Machine.SpinWin);
    if (i % grids.size() == 0) host.Clear();
  }
}
BENCHMARK(BM_EvaluatePaylines)->Unit(benchmark::kMicrosecond);

// A spin as the record receives it: a win on two lines, the ring full, every limit watching.
SpinReport SampleSpin(int64_t i) {
  SpinReport s;
  s.AutoSpin = true;
  s.CoinValue = 25;
  s.Wager = 625;
  s.Grid = {3, 5, 1, 4, 5, 2, 4, 5, 3};
  s.LinePays = {0, 250, 0, 0, 250};
  s.Win = 500;
  s.CreditsAfter = 100000 + i;
  return s;
}

PlayerRecord FullRecord() {
  PlayerRecord r;
  r.Limits = {.SpinsOn = true,
              .Spins = 1'000'000'000,
              .CreditsOn = true,
              .WinOn = true,
              .WinAtLeast = 1'000'000'000,
              .BonusOn = true};
  for (int i = 0; i < 100; ++i) r.SpinScored(SampleSpin(i));
  return r;
}

void BM_RecordSpin(benchmark::State& state) {
  PlayerRecord r = FullRecord();
  int64_t i = 0;
  for (auto _ : state) {
    r.SpinScored(SampleSpin(++i));
    benchmark::DoNotOptimize(r.Recent.Entries().data());
  }
}
BENCHMARK(BM_RecordSpin)->Unit(benchmark::kMicrosecond);

// Reading a PLAYER.INI that holds a lifetime, limits and 100 spins, as the window's start does.
void BM_LoadPlayerFile(benchmark::State& state) {
  const std::string dir = std::filesystem::temp_directory_path() / "zandor-bench-player";
  std::filesystem::create_directories(dir);
  {
    PlayerIni file(dir + "/");
    StoreRecord(file, FullRecord());
    file.Save();
  }
  PlayerRecord r;
  for (auto _ : state) {
    LoadRecord(PlayerIni(dir + "/"), r, 100000, 100000);
    benchmark::DoNotOptimize(r.Recent.Entries().data());
  }
  std::filesystem::remove_all(dir);
}
BENCHMARK(BM_LoadPlayerFile)->Unit(benchmark::kMillisecond);

// Keeps the median of each benchmark's repetitions, in milliseconds.
class MedianCollector : public benchmark::BenchmarkReporter {
 public:
  std::map<std::string, double> MedianMs;
  bool ReportContext(const Context&) override { return true; }
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& r : runs) {
      if (r.error_occurred) {
        std::fprintf(stderr, "%s: %s\n", r.benchmark_name().c_str(), r.error_message.c_str());
        continue;
      }
      if (r.run_type != Run::RT_Aggregate || r.aggregate_name != "median") continue;
      MedianMs[r.run_name.function_name + "/" + r.run_name.args] =
          r.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(r.time_unit) * 1e3;
    }
  }
};

}  // namespace

int main(int argc, char** argv) {
  if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  // Fonts for the face's two texts come from the application's font database.
  QGuiApplication app(argc, argv);
  std::vector<char*> args(argv, argv + argc);
  std::string reps = "--benchmark_repetitions=9", minTime = "--benchmark_min_time=0.2",
              aggregates = "--benchmark_report_aggregates_only=true";
  // Our defaults come first, so options given on the command line win.
  args.insert(args.begin() + 1, {reps.data(), minTime.data(), aggregates.data()});
  int n = static_cast<int>(args.size());
  benchmark::Initialize(&n, args.data());
  MedianCollector medians;
  benchmark::RunSpecifiedBenchmarks(&medians);
  benchmark::Shutdown();

  auto ms = [&](const char* key) {
    return medians.MedianMs.count(key) ? medians.MedianMs[key] : -1;
  };
  ReportInfo("full_paint_96_median", ms("BM_PaintFace/96"), "ms", "632 x 394 client area");
  ReportFigure("full_paint_192_median", ms("BM_PaintFace/192"), "ms", 3, "3 ms");
  ReportFigure("animation_step_192_median", ms("BM_DrawReels/192"), "ms", 0.5, "0.5 ms");
  ReportFigure("full_paint_at_200_percent_median", ms("BM_HighDensity/0"), "ms", 3, "3 ms");
  ReportFigure("animation_step_at_200_percent_median", ms("BM_HighDensity/1"), "ms", 0.5, "0.5 ms");
  ReportInfo("meter_redraw_96_median", ms("BM_RedrawCredits/96") * 1e3, "us");
  ReportInfo("meter_redraw_192_median", ms("BM_RedrawCredits/192") * 1e3, "us");
  const double spin = ms("BM_SpinsScored/");
  ReportInfo("rules_spins_scored_per_second", spin > 0 ? 1e3 / spin : 0, "spins/s",
             "fake host, zero delays");
  const double score = ms("BM_EvaluatePaylines/");
  ReportInfo("rules_paylines_scored_per_second", score > 0 ? 1e3 / score : 0, "spins/s",
             "scoring alone, every stop combination");
  ReportFigure("record_spin_median", ms("BM_RecordSpin/") * 1e3, "us", 50, "50 us");
  ReportInfo("player_file_load_median", ms("BM_LoadPlayerFile/"), "ms", "100 recent spins");
  return 0;
}
