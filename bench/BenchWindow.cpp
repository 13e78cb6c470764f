// Whole-process measurements of the real main window on the offscreen platform with the dummy
// audio driver. One measurement per process, chosen by the first argument:
//   startup     process start to the first painted face
//   spin-fast   wall time of a Fast spin against the 101 steps of 10 ms
//   spin-slow   wall time of a Slow spin against the 101 steps of 55 ms
//   spin-192    CPU time over wall time of Fast spins with the largest artwork set
//   countup     a 5,000-coin count-up (250.00 at 5 cents) against the sum of its pauses
//   idle        CPU over 10 s with only the blink timer running
//   memory      peak resident memory with the music playing
//   waits       diagnosis: the real length of each count-up pause and of a Fast step
#include <SDL_mixer.h>
#include <sys/resource.h>
#include <time.h>
#include <unistd.h>

#include <QApplication>
#include <QEventLoop>
#include <QMenuBar>
#include <QScreen>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "app/Dirs.h"
#include "app/MainWindow.h"
#include "bench/BenchReport.h"
#include "tests/support/FakeHost.h"
#include "tests/support/FakePrompts.h"

using namespace zandor;

namespace {

double BootSeconds() {
  timespec ts{};
  clock_gettime(CLOCK_BOOTTIME, &ts);
  return static_cast<double>(ts.tv_sec) + static_cast<double>(ts.tv_nsec) * 1e-9;
}

// When the kernel started this process, on the same clock as BootSeconds (10 ms steps).
double ProcessStartSeconds() {
  std::ifstream in("/proc/self/stat");
  std::string stat((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  // The command name may hold blanks and parentheses; the fields follow the last ')'.
  std::istringstream fields(stat.substr(stat.rfind(')') + 2));
  std::string field;
  // The remaining fields start at the third (state); starttime is the 22nd.
  for (int i = 3; i <= 22 && fields >> field; ++i) {
  }
  return std::stod(field) / static_cast<double>(sysconf(_SC_CLK_TCK));
}

double WallSeconds() {
  return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

// User plus system time of every thread of the process (the audio thread included).
double CpuSeconds() {
  rusage ru{};
  getrusage(RUSAGE_SELF, &ru);
  auto s = [](const timeval& tv) { return tv.tv_sec + tv.tv_usec * 1e-6; };
  return s(ru.ru_utime) + s(ru.ru_stime);
}

struct Sample {
  double Wall = 0, Cpu = 0;
};

Sample Measure(const std::function<void()>& work) {
  const double w0 = WallSeconds(), c0 = CpuSeconds();
  work();
  return {WallSeconds() - w0, CpuSeconds() - c0};
}

// Lets the event loop run for a while, as when the player does nothing.
void RunFor(int ms) {
  QEventLoop loop;
  QTimer::singleShot(ms, &loop, &QEventLoop::quit);
  loop.exec();
}

// The window as measured: what its boxes said is printed as it goes. Its host is given a chosen
// time of day, so a measured spin can be one that pays nothing and moves no bonus meter: no win
// sound, no count-up, no power sounds.
class MeasuredWindow : public MainWindow {
 public:
  // Boxes are answered as cancelled; what they said is printed when the window goes.
  MeasuredWindow(GameState& game, FakePrompts& prompts)
      : MainWindow(GameHandle(game), prompts), told_(prompts) {}
  ~MeasuredWindow() override {
    for (const QString& text : told_.Messages)
      std::fprintf(stderr, "message: %s\n", text.toUtf8().constData());
  }

 private:
  FakePrompts& told_;
};

// A time of day whose spin stops on no winning line and shows no GAIN or LOSS symbol,
// found by spinning the same rules through the fake host.
uint32_t QuietSeed(Money coinValue, Money wager) {
  for (uint32_t seed = 12345;; ++seed) {
    GameState g;
    Lcg rng;
    FakeHost h;
    SlotMachine m(g.Machine, g.Options, rng, h);
    g.Options.AceyDucey = false;
    g.Machine.SpinDelay = 0;
    g.Machine.CoinValue = coinValue;
    g.Machine.LastWager = wager;
    h.TimeOfDay = seed;
    m.Spin();
    const bool symbols = std::any_of(g.Machine.ReelGrid.begin(), g.Machine.ReelGrid.end(),
                                     [](int v) { return v == GAIN || v == LOSS; });
    if (g.Machine.SpinWin == Money() && !symbols) return seed;
  }
}

// The sum of the count-up's pauses for a win, by the same pause table and the same
// arithmetic the count-up uses; tickRounded rounds each pause up to whole milliseconds.
double CountUpPauseSum(double win, double coinValue, bool tickRounded) {
  double sum = 0;
  // NOLINTNEXTLINE(bugprone-float-loop-counter): takes a coin off at a time, as the count-up does
  for (double pending = win; pending > 0.04; pending -= coinValue) {
    const double n = pending / coinValue;
    const double pause = n < 6     ? 0.06
                         : n < 15  ? 0.035
                         : n < 50  ? 0.025
                         : n < 100 ? 0.01
                         : n < 500 ? 0.0025
                                   : 0.001;
    sum += tickRounded ? std::ceil(pause * 1000.0) / 1000.0 : pause;
  }
  return sum;
}

// The pause table summed over n whole coins, counted down from n to 1.
double TablePauseSum(int coins) {
  double sum = 0;
  for (int n = coins; n >= 1; --n)
    sum += n < 6     ? 0.06
           : n < 15  ? 0.035
           : n < 50  ? 0.025
           : n < 100 ? 0.01
           : n < 500 ? 0.0025
                     : 0.001;
  return sum;
}

std::string Ms(double seconds) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%.1f", seconds * 1e3);
  return buf;
}

// Sets the machine up for a repeated bet with the card game off.
void PrepareSpins(MeasuredWindow& form, GameState& g, SpinSpeed speed) {
  g.Options.AceyDucey = false;
  g.Machine.AutoSpin = false;
  form.Rules().ChooseSpeed(speed);
  g.Machine.Bet = 3;
  g.Machine.CoinValue = Money::Cents(25);
  g.Machine.LastWager = 25 * g.Machine.CoinValue;
  g.Machine.Wager = Money();
  g.Machine.Credits = Money::Dollars(1000);
  form.RulesHost().FixTimeOfDay(QuietSeed(g.Machine.CoinValue, g.Machine.LastWager));
  form.RulesHost().StateChanged();
}

Sample Spin(MeasuredWindow& form, GameState& game) {
  game.Machine.Credits = Money::Dollars(1000);
  return Measure([&] { form.Rules().Spin(); });
}

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
  const double mainEntry = BootSeconds();
  const double processStart = ProcessStartSeconds();
  const std::string mode = argc > 1 ? argv[1] : "";
  if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  if (!std::getenv("SDL_AUDIODRIVER")) setenv("SDL_AUDIODRIVER", "dummy", 1);

  std::string screen;
  if (mode == "spin-192" && std::string(std::getenv("QT_QPA_PLATFORM")) == "offscreen") {
    screen = "/tmp/zandor-bench-screen-" + std::to_string(getpid()) + ".json";
    std::ofstream(screen) << R"({"screens": [{"name": "wide", "x": 0, "y": 0, "width": 1920,
        "height": 1080, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})";
    setenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + screen).c_str(), 1);
  }

  // The same start as the game's own: application, game state, window, centred, shown.
  QApplication app(argc, argv);
  if (!screen.empty()) std::remove(screen.c_str());
  QApplication::setApplicationName("Zandor Slots");
  QApplication::setApplicationDisplayName(QString());
  GameState game;
  game.Dirs.Program = ProgramDirectory();
  game.Dirs.Settings = SettingsDirectory();
  // A player's file grown near what a start reads, with lines that are not the game's: a spin
  // must cost the window no more than with the game's own keys alone.
  if (mode == "spin-fast-1mib") {
    std::filesystem::create_directories(game.Dirs.Settings);
    std::ofstream junk(game.Dirs.Settings + "PLAYER.INI", std::ios::trunc);
    junk << "[Notes]\n";
    for (size_t size = 8, i = 0; size < (size_t{1} << 20) - 16 * 1024; ++i) {
      const std::string line = "Note" + std::to_string(i) + "=" + std::string(40, 'x') + "\n";
      junk << line;
      size += line.size();
    }
  }
  FakePrompts prompts;
  MeasuredWindow form(game, prompts);
  // Music costs CPU of its own; only the start-up and memory figures keep the player's default.
  if (mode != "startup" && mode != "memory") game.Music.On = false;

  double firstPaint = 0;
  // The first paint event that puts a painted face (artwork loaded, canvas drawn) on screen.
  struct PaintWatch : QObject {
    double* When;
    const FacePainter* Face;
    PaintWatch(double* w, const FacePainter* f) : When(w), Face(f) {}
    bool eventFilter(QObject*, QEvent* e) override {
      if (e->type() == QEvent::Paint && *When == 0 && Face->SymbolSize > 0 &&
          !Face->Artwork.isNull() && !Face->Canvas.isNull())
        *When = BootSeconds();
      return false;
    }
  } watch(&firstPaint, &form.Painter());
  form.centralWidget()->installEventFilter(&watch);

  if (QScreen* screen = QGuiApplication::primaryScreen()) {
    QRect avail = screen->availableGeometry();
    form.move(avail.center() - QPoint(form.width() / 2, form.height() / 2));
  }
  // The large artwork set comes with a maximised window on a wide screen, as on the player's.
  if (mode == "spin-192")
    form.ShowMaximizedAtStart();
  else
    form.show();

  if (mode == "startup") {
    for (int i = 0; i < 500 && firstPaint == 0; ++i)
      QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 10);
    if (firstPaint == 0) {
      std::fprintf(stderr, "the face was never painted\n");
      return 1;
    }
    ReportFigure("start_to_first_paint", (firstPaint - processStart) * 1e3, "ms", 400, "400 ms");
    ReportInfo("main_entry_to_first_paint", (firstPaint - mainEntry) * 1e3, "ms");
    return 0;
  }

  RunFor(500);  // the first paint and the start-up timers settle
  if (mode == "spin-fast" || mode == "spin-slow" || mode == "spin-fast-1mib") {
    const bool slow = mode == "spin-slow";
    const bool large = mode == "spin-fast-1mib";
    PrepareSpins(form, game, SpinSpeed::Fast);
    Spin(form, game);  // the first spin pays for first-use costs
    if (slow) form.Rules().ChooseSpeed(SpinSpeed::Slow);
    const double budget = slow ? 5.555 : 1.01;
    std::vector<double> walls;
    walls.reserve(3);
    for (int i = 0; i < 3; ++i) walls.push_back(Spin(form, game).Wall);
    const char* name = slow    ? "slow_spin_wall_ratio"
                       : large ? "fast_spin_wall_ratio_1mib_player_ini"
                               : "fast_spin_wall_ratio";
    ReportFigure(name, Median(walls) / budget, "x", slow ? 1.01 : 1.03, slow ? "1.01" : "1.03");
    ReportInfo(slow    ? "slow_spin_wall_median"
               : large ? "fast_spin_1mib_wall_median"
                       : "fast_spin_wall_median",
               Median(walls) * 1e3, "ms",
               slow ? "101 steps of 55 ms = 5555 ms" : "101 steps of 10 ms = 1010 ms");
  } else if (mode == "spin-192") {
    if (form.Painter().ArtworkSet != 192 || form.centralWidget()->width() <= 1000) {
      std::fprintf(stderr, "client %dx%d, artwork %d: not the large set\n",
                   form.centralWidget()->width(), form.centralWidget()->height(),
                   form.Painter().ArtworkSet);
      return 1;
    }
    PrepareSpins(form, game, SpinSpeed::Fast);
    Spin(form, game);
    Sample total;
    for (int i = 0; i < 3; ++i) {
      Sample s = Spin(form, game);
      total.Wall += s.Wall;
      total.Cpu += s.Cpu;
    }
    ReportFigure("fast_spin_192_cpu_over_wall", total.Cpu / total.Wall, "x", 0.25, "0.25");
    ReportInfo("fast_spin_192_wall_mean", total.Wall / 3 * 1e3, "ms",
               std::to_string(form.centralWidget()->width()) + " x " +
                   std::to_string(form.centralWidget()->height()) + " client area");
  } else if (mode == "countup") {
    game.Machine.Bet = 5;
    game.Machine.CoinValue = Money::Cents(5);
    game.Options.AceyDucey = false;
    game.Machine.Credits = Money::Dollars(1000);
    game.Machine.WinPending = Money::Dollars(250);
    // The table's own sum over 5000 whole coins, and the game's, whose running difference
    // in floating point moves each band's edge by one coin.
    const double pauses = TablePauseSum(5000);
    Sample s = Measure([&] { form.Rules().CountUpWin(); });
    ReportFigure("countup_5000_wall_ratio", s.Wall / pauses, "x", 1.05, "1.05");
    ReportInfo("countup_5000_wall", s.Wall * 1e3, "ms",
               "the table's pauses sum to " + Ms(pauses) + " ms; the game asks for " +
                   Ms(CountUpPauseSum(250.00, 0.05, false)) + " ms, " +
                   Ms(CountUpPauseSum(250.00, 0.05, true)) + " ms in whole ticks");
    ReportInfo("countup_5000_cpu", s.Cpu * 1e3, "ms");
  } else if (mode == "idle") {
    if (!form.WinBlinking()) {
      std::fprintf(stderr, "the blink timer is not running\n");
      return 1;
    }
    RunFor(500);
    Sample s = Measure([] { RunFor(10000); });
    ReportFigure("idle_cpu_blink_timer", s.Cpu / s.Wall * 100, "% of a core", 1, "1 %");
  } else if (mode == "memory") {
    // On a loaded machine the first song may take a while to start; a figure taken before it
    // plays, or after it stopped, is not the figure asked for and is not printed.
    const auto notMeasured = [](const char* why) {
      for (const char* name : {"peak_rss_music_playing", "cpu_with_music_playing"})
        std::printf("%s: not measured (%s)\n", name, why);
      std::fflush(stdout);
      std::fprintf(stderr, "%s\n", why);
      return 1;
    };
    constexpr int kStartWaitMs = 30000, kStepMs = 100;
    for (int waited = 0; Mix_PlayingMusic() == 0; waited += kStepMs) {
      if (waited >= kStartWaitMs) return notMeasured("the music did not start within 30 s");
      RunFor(kStepMs);
    }
    bool playedThroughout = true;
    Sample s = Measure([&] {
      for (int ran = 0; ran < 4000; ran += kStepMs) {
        RunFor(kStepMs);
        playedThroughout = playedThroughout && Mix_PlayingMusic() != 0;
      }
    });
    if (!playedThroughout) return notMeasured("the music stopped while it was measured");
    rusage ru{};
    getrusage(RUSAGE_SELF, &ru);
    ReportFigure("peak_rss_music_playing", ru.ru_maxrss / 1024.0, "MB", 150, "150 MB");
    ReportInfo("cpu_with_music_playing", s.Cpu / s.Wall * 100, "% of a core",
               "4 s of the playlist once it plays, dummy audio driver");
  } else if (mode == "waits") {
    // Each pause of the count-up, after the same two meter redraws, timed on its own.
    for (double pause : {0.001, 0.0025, 0.01, 0.025, 0.035, 0.06}) {
      const int n = static_cast<int>(0.5 / pause);
      Sample s = Measure([&] {
        for (int i = 0; i < n; ++i) {
          form.RulesHost().Redraw(FaceElement::Credits);
          form.RulesHost().Redraw(FaceElement::Won);
          form.Rules().WaitSeconds(pause);
        }
      });
      ReportInfo("wait_" + Ms(pause) + "ms_real", s.Wall / n * 1e3, "ms",
                 "mean of " + std::to_string(n));
    }
  } else {
    std::fprintf(stderr,
                 "usage: %s startup|spin-fast|spin-slow|spin-192|countup|idle|memory|waits "
                 "\n",
                 argv[0]);
    return 2;
  }
  return 0;
}
