// One copy of the game per settings folder: the lock, the hand-over to a running copy, and
// never trusting what answers for another user.
#include <SDL2/SDL_mixer.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QFileInfo>
#include <QMenuBar>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <csignal>
#include <cstring>
#include <deque>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>

#include "app/Dirs.h"
#include "app/MainWindow.h"
#include "app/SingleInstance.h"
#include "app/SpinAnnouncer.h"
#include "audio/GameAudio.h"
#include "audio/MusicDialog.h"
#include "audio/SoundDialog.h"
#include "audio/VolumeDialog.h"
#include "bank/BankDialog.h"
#include "cards/CardTable.h"
#include "face/PayoffChart.h"
#include "help/Help.h"
#include "platform/AccessEvents.h"
#include "platform/Announcement.h"
#include "platform/PaintedArea.h"
#include "record/AutoSpinLimitsDialog.h"
#include "record/RecentSpinsWindow.h"
#include "record/RecordKeeper.h"
#include "record/StatisticsWindow.h"
#include "saves/SlotDialog.h"
#include "store/Settings.h"
#include "tests/support/Dollars.h"
#include "tests/support/FakePrompts.h"
#include "tests/support/TestApp.h"

using namespace zandor;

using namespace zandor;

namespace {

QApplication& App() { return TestApp(); }

using Outcome = SingleInstance::Outcome;

// One copy per settings folder: a second copy cannot take the folder's lock and brings the
// first to the front instead; once the first has gone, the folder is free again.
TEST(SingleCopy, SecondCopyHandsOverToTheFirst) {
  App();
  QTemporaryDir dir;
  const QString folder = dir.path() + "/new settings/";
  int raised = 0;
  {
    SingleInstance first(folder);
    first.OnRaise = [&] { ++raised; };
    ASSERT_EQ(first.Acquire(), Outcome::Acquired);
    EXPECT_TRUE(QFileInfo(folder).isDir());
    SingleInstance second(folder);
    EXPECT_EQ(second.Acquire(), Outcome::HeldElsewhere);
    EXPECT_TRUE(second.RaiseRunningCopy());
    static_cast<void>(QTest::qWaitFor([&] { return raised == 1; }));
    EXPECT_EQ(raised, 1);
    SingleInstance elsewhere(dir.path() + "/other/");
    EXPECT_EQ(elsewhere.Acquire(), Outcome::Acquired);
  }
  SingleInstance third(folder);
  EXPECT_EQ(third.Acquire(), Outcome::Acquired);
  SingleInstance fourth(folder);
  EXPECT_EQ(fourth.Acquire(), Outcome::HeldElsewhere);
}

// Another user's program listening where ours should: it binds the name as this user, then
// runs as nobody; Heard() ends it and tells how many bytes reached it.
class Stranger {
 public:
  explicit Stranger(const QString& name) {
    const QByteArray path = QFile::encodeName(name);
    int ready[2], stop[2], heard[2];
    if (::pipe(ready) != 0 || ::pipe(stop) != 0 || ::pipe(heard) != 0) return;
    pid_ = ::fork();
    if (pid_ == 0) {  // only calls that are safe after a fork
      ::close(ready[0]);
      ::close(stop[1]);
      ::close(heard[0]);
      sockaddr_un addr{};
      addr.sun_family = AF_UNIX;
      std::memcpy(addr.sun_path, path.constData(), std::min<size_t>(path.size(), 107));
      const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
      ::unlink(path.constData());
      if (::bind(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0 ||
          ::setgid(65534) != 0 || ::setuid(65534) != 0 || ::listen(fd, 8) != 0)
        ::_exit(1);
      char c = 1;
      [[maybe_unused]] ssize_t n = ::write(ready[1], &c, 1);
      int32_t bytes = 0;
      pollfd fds[8] = {{stop[0], POLLIN, 0}, {fd, POLLIN, 0}};
      nfds_t count = 2;
      while (::poll(fds, count, 10000) > 0 && !(fds[0].revents & (POLLIN | POLLHUP))) {
        if ((fds[1].revents & POLLIN) && count < 8)
          fds[count++] = {::accept(fd, nullptr, nullptr), POLLIN, 0};
        for (nfds_t i = 2; i < count; ++i) {
          char buf[64];
          if (fds[i].fd < 0 || !(fds[i].revents & (POLLIN | POLLHUP))) continue;
          const ssize_t got = ::read(fds[i].fd, buf, sizeof buf);
          if (got > 0)
            bytes += static_cast<int32_t>(got);  // at most 64
          else
            fds[i].fd = -1;  // poll passes over it from now on
        }
      }
      n = ::write(heard[1], &bytes, sizeof bytes);
      ::_exit(0);
    }
    ::close(ready[1]);
    ::close(stop[0]);
    ::close(heard[1]);
    char c = 0;
    listening_ = pid_ > 0 && ::read(ready[0], &c, 1) == 1;
    ::close(ready[0]);
    stop_ = stop[1];
    heard_ = heard[0];
  }
  ~Stranger() { Heard(); }
  bool Listening() const { return listening_; }
  int Heard() {
    if (pid_ <= 0) return -1;
    ::close(stop_);
    int32_t bytes = -1;
    if (::read(heard_, &bytes, sizeof bytes) != sizeof bytes) bytes = -1;
    ::close(heard_);
    ::waitpid(pid_, nullptr, 0);
    pid_ = 0;
    return bytes;
  }

 private:
  pid_t pid_ = -1;
  int stop_ = -1, heard_ = -1;
  bool listening_ = false;
};

// Never locked out, never two copies, never talking to a stranger: a lock file whose owner
// cannot be read (empty, as a power cut leaves it, or junk) is stale unless a running copy
// answers; what no copy makes in the lock's place (a pipe, a link, a folder) is cleared, or
// named when it holds the player's files; a lock that cannot be made (a full disk) stops the
// start with a reason; the socket
// lives in a folder only this user may enter, and what answers on it for another user is
// neither trusted nor told anything.
TEST(SingleCopy, NeverLockedOutNeverTwoCopies) {
  App();
  QTemporaryDir root;
  struct Environment {  // put back as it was when the test ends
    const QByteArray Tmp = qgetenv("TMPDIR"), Runtime = qgetenv("XDG_RUNTIME_DIR");
    ~Environment() {
      Tmp.isNull() ? qunsetenv("TMPDIR") : qputenv("TMPDIR", Tmp);
      Runtime.isNull() ? qunsetenv("XDG_RUNTIME_DIR") : qputenv("XDG_RUNTIME_DIR", Runtime);
    }
  } environment;
  const bool asRoot = ::geteuid() == 0;
  struct Scene {
    QString Folder, Tmp, Runtime;
    std::unique_ptr<SingleInstance> Running;  // a copy already running, when the row has one
    int Raised = 0;
    std::unique_ptr<Stranger> Squatter;
    std::function<void()> Undo;  // what the row's set-up changed in this process
    void StartRunningCopy() {
      Running = std::make_unique<SingleInstance>(Folder);
      Running->OnRaise = [this] { ++Raised; };
      ASSERT_EQ(Running->Acquire(), Outcome::Acquired);
    }
    void WriteLock(const std::string& bytes) {
      std::ofstream(QFile::encodeName(Folder + "zandor-slots.lock").toStdString(),
                    std::ios::binary | std::ios::trunc)
          << bytes;
    }
    std::string Lock(const char* suffix = "") const {
      return QFile::encodeName(Folder + "zandor-slots.lock" + suffix).toStdString();
    }
    void MakeFolder(const QString& path, mode_t mode) {
      ::mkdir(QFile::encodeName(path).constData(), mode);
      ::chmod(QFile::encodeName(path).constData(), mode);
    }
  };
  struct Row {
    const char* What;
    bool NeedsRoot;  // a second user is needed
    std::function<void(Scene&)> Arrange;
    Outcome Expected;
    bool Raises;  // the later start reaches the running copy
    std::function<void(Scene&, SingleInstance&)> Check;
  };
  const QString ownFolder = "/zandor-slots-" + QString::number(::geteuid());
  const Row rows[] = {
      {"an empty lock file", false, [](Scene& s) { s.WriteLock(""); }, Outcome::Acquired, false,
       nullptr},
      {"a lock file of junk", false, [](Scene& s) { s.WriteLock("\x01\xfejunk\n\n"); },
       Outcome::Acquired, false, nullptr},
      {"a pipe", false, [](Scene& s) { ::mkfifo(s.Lock().c_str(), 0600); }, Outcome::Acquired,
       false, nullptr},
      {"a link to a device that never ends", false,
       [](Scene& s) { std::filesystem::create_symlink("/dev/zero", s.Lock()); }, Outcome::Acquired,
       false, nullptr},
      {"a link to nothing", false,
       [](Scene& s) { std::filesystem::create_symlink(s.Lock(".gone"), s.Lock()); },
       Outcome::Acquired, false, nullptr},
      {"an empty folder", false, [](Scene& s) { std::filesystem::create_directory(s.Lock()); },
       Outcome::Acquired, false, nullptr},
      {"pipes at the lock and at its guard", false,
       [](Scene& s) {
         ::mkfifo(s.Lock().c_str(), 0600);
         ::mkfifo(s.Lock(".rmlock").c_str(), 0600);
       },
       Outcome::Acquired, false, nullptr},
      {"a folder holding the player's files", false,
       [](Scene& s) {
         std::filesystem::create_directory(s.Lock());
         std::ofstream(s.Lock() + "/mine") << "kept";
       },
       Outcome::Unavailable, false,
       [](Scene& s, SingleInstance& start) {
         EXPECT_EQ(start.Problem(), "Zandor Slots could not use its lock file\n" + s.Folder +
                                        "zandor-slots.lock\n\nSomething else is in its place (a "
                                        "folder, a link or a pipe) and could not be removed.  "
                                        "Please move it away, then start Zandor Slots again.");
         EXPECT_TRUE(std::filesystem::exists(s.Lock() + "/mine"));
       }},
      {"junk over a running copy's lock", false,
       [](Scene& s) {
         s.StartRunningCopy();
         s.WriteLock("junk");
       },
       Outcome::HeldElsewhere, true, nullptr},
      {"a full disk", false,
       [](Scene& s) {
         // Every write to a file fails, as on a full disk.
         rlimit old{};
         ::getrlimit(RLIMIT_FSIZE, &old);
         const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
         rlimit none = old;
         none.rlim_cur = 0;
         ::setrlimit(RLIMIT_FSIZE, &none);
         s.Undo = [old, oldHandler] {
           ::setrlimit(RLIMIT_FSIZE, &old);
           std::signal(SIGXFSZ, oldHandler);
         };
       },
       Outcome::Unavailable, false,
       [](Scene& s, SingleInstance& start) {
         EXPECT_EQ(start.Problem(),
                   "Zandor Slots could not make its lock file in\n" + s.Folder +
                       "\n\nThe disk may be full, or the folder may not be written.  Without "
                       "the lock a second copy could open the same games and overwrite them, so "
                       "the game will not start.  Please free some space or make the folder "
                       "writable, then start Zandor Slots again.");
         EXPECT_FALSE(QFileInfo::exists(s.Folder + "zandor-slots.lock"));
         SingleInstance later(s.Folder);  // once there is space again
         EXPECT_EQ(later.Acquire(), Outcome::Acquired);
       }},
      {"a stranger answering where the running copy listens", true,
       [](Scene& s) {
         s.StartRunningCopy();
         s.Squatter = std::make_unique<Stranger>(SingleInstance::ServerName(s.Folder));
         ASSERT_TRUE(s.Squatter->Listening());
       },
       Outcome::HeldElsewhere, false,
       [](Scene& s, SingleInstance&) { EXPECT_EQ(s.Squatter->Heard(), 0); }},
      {"a stranger answering beside a lock of junk", true,
       [](Scene& s) {
         s.WriteLock("junk");
         s.Squatter = std::make_unique<Stranger>(SingleInstance::ServerName(s.Folder));
         ASSERT_TRUE(s.Squatter->Listening());
       },
       Outcome::Acquired, false,
       [](Scene& s, SingleInstance&) { EXPECT_EQ(s.Squatter->Heard(), 0); }},
      {"a private runtime folder", false,
       [](Scene& s) {
         s.MakeFolder(s.Runtime, 0700);
         qputenv("XDG_RUNTIME_DIR", QFile::encodeName(s.Runtime));
         s.StartRunningCopy();
       },
       Outcome::HeldElsewhere, true,
       [](Scene& s, SingleInstance&) {
         EXPECT_TRUE(SingleInstance::ServerName(s.Folder).startsWith(s.Runtime + "/"));
       }},
      {"a runtime folder open to all", false,
       [](Scene& s) {
         s.MakeFolder(s.Runtime, 0777);
         qputenv("XDG_RUNTIME_DIR", QFile::encodeName(s.Runtime));
         s.StartRunningCopy();
       },
       Outcome::HeldElsewhere, true,
       [ownFolder](Scene& s, SingleInstance&) {
         const QString name = SingleInstance::ServerName(s.Folder);
         EXPECT_TRUE(name.startsWith(s.Tmp + ownFolder + "/")) << name.toStdString();
         struct stat st {};
         ASSERT_EQ(::stat(QFile::encodeName(s.Tmp + ownFolder).constData(), &st), 0);
         EXPECT_EQ(st.st_mode & 0777, 0700u);
       }},
      {"our folder in the temporary folder taken first, open to all", false,
       [ownFolder](Scene& s) {
         s.MakeFolder(s.Tmp + ownFolder, 0777);
         s.StartRunningCopy();
       },
       Outcome::HeldElsewhere, false,
       [](Scene& s, SingleInstance&) { EXPECT_EQ(SingleInstance::ServerName(s.Folder), ""); }},
  };
  int row = 0;
  for (const Row& r : rows) {
    SCOPED_TRACE(r.What);
    if (r.NeedsRoot && !asRoot) {
      std::cout << "skipped without a second user: " << r.What << "\n";
      continue;
    }
    Scene s;
    const QString base = root.path() + "/" + QString::number(++row);
    s.Folder = base + "/settings/";
    s.Tmp = base + "/tmp";
    s.Runtime = base + "/runtime";
    ASSERT_TRUE(QDir().mkpath(s.Folder));
    ASSERT_TRUE(QDir().mkpath(s.Tmp));
    qputenv("TMPDIR", QFile::encodeName(s.Tmp));
    qunsetenv("XDG_RUNTIME_DIR");
    r.Arrange(s);
    SingleInstance start(s.Folder);
    const Outcome outcome = start.Acquire();
    if (s.Undo) s.Undo();
    EXPECT_EQ(outcome, r.Expected);
    if (outcome == Outcome::HeldElsewhere) EXPECT_EQ(start.RaiseRunningCopy(), r.Raises);
    if (r.Raises) {
      EXPECT_TRUE(QTest::qWaitFor([&] { return s.Raised == 1; }));
    } else {
      QTest::qWait(100);
      EXPECT_EQ(s.Raised, 0);
    }
    if (r.Check) r.Check(s, start);
    if (outcome == Outcome::Acquired) {
      EXPECT_TRUE(std::filesystem::is_regular_file(std::filesystem::symlink_status(s.Lock())));
      // The copy that took the lock is the one a later start reaches.
      int raised = 0;
      start.OnRaise = [&] { ++raised; };
      SingleInstance later(s.Folder);
      EXPECT_EQ(later.Acquire(), Outcome::HeldElsewhere);
      EXPECT_TRUE(later.RaiseRunningCopy());
      EXPECT_TRUE(QTest::qWaitFor([&] { return raised == 1; }));
    }
  }
}

}  // namespace
