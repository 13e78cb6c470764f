// Program start: finds the program's and the settings' folders, installs the player's language,
// makes sure no other copy runs on the same settings, builds the main window, routes SIGTERM,
// SIGINT and SIGHUP to its close, and runs the message loop until the main window closes.
#include <sys/socket.h>
#include <unistd.h>

#include <QApplication>
#include <QFile>
#include <QIcon>
#include <QMessageBox>
#include <QSocketNotifier>
#include <csignal>

#include "app/Dirs.h"
#include "app/MainWindow.h"
#include "app/SingleInstance.h"
#include "help/Help.h"
#include "help/HelpViewer.h"
#include "platform/CentreOnScreen.h"
#include "platform/DialogPrompts.h"
#include "platform/FocusRing.h"
#include "platform/MenuToggles.h"
#include "platform/Language.h"
#include "store/AtomicFile.h"

namespace zandor {
namespace {
int signalPipe[2] = {-1, -1};

void OnSignal(int) {
  char c = 1;
  // Only the write is safe here; the window closes on its own thread.
  [[maybe_unused]] ssize_t n = ::write(signalPipe[1], &c, 1);
}

// A box shown before the game's window exists, in the middle of the screen.
void ShowStartBox(QMessageBox::Icon icon, const QString& text) {
  QMessageBox box(icon, "Zandor Slots", text, QMessageBox::Ok);
  box.show();  // a message box takes its size when shown
  CentreOnScreen(&box);
  box.exec();
}
}  // namespace
}  // namespace zandor

using namespace zandor;

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("Zandor Slots");
  // The desktop entry's name is the window's app id on Wayland: its icon and name come from it.
  QGuiApplication::setDesktopFileName("org.zandorslots.ZandorSlots");
  QApplication::setApplicationDisplayName(QString());
  ShowFocusEverywhere();
  ExposeMenuToggles();

  GameState game;
  game.Dirs.Program = ProgramDirectory();
  game.Dirs.Settings = SettingsDirectory();
  const QString mediaDir = QString::fromStdString(game.Dirs.Program);
  // Every text after this is in the player's language.
  const QString language = InstallTranslations(
      app, mediaDir + "translations", [](const char* name) { return qEnvironmentVariable(name); });

  // A second copy on the same settings folder hands over to the first and touches no file;
  // without a lock nothing would keep a second copy out, so the game does not start at all.
  SingleInstance instance(QFile::decodeName(QByteArray::fromStdString(game.Dirs.Settings)));
  switch (instance.Acquire()) {
    case SingleInstance::Outcome::Acquired:
      break;
    case SingleInstance::Outcome::HeldElsewhere:
      if (!instance.RaiseRunningCopy())
        ShowStartBox(QMessageBox::Information, SingleInstance::RunningElsewhere());
      return 0;
    case SingleInstance::Outcome::Unavailable:
      ShowStartBox(QMessageBox::Warning, instance.Problem());
      return 1;
  }
  // Only the copy holding the lock may clear what a killed save left behind.
  RemoveLeftoverTemporaries(game.Dirs.Settings, {"ZANDOR.INI", "POWER.INI", "PLAYER.INI"});

  // The manual lies with the media, wherever the program file is, in the player's language
  // when it has been translated.
  HelpViewer::SetManualDir(HelpViewer::ManualDirFor(mediaDir, language));
  // Installed, the icon is in the desktop's icon theme; in the build folder it is a media file.
  QApplication::setWindowIcon(QIcon::fromTheme(
      "zandor-slots", QIcon(QString::fromStdString(game.Dirs.Program + "zandor-slots.png"))));
  DialogPrompts prompts(ShowHelpTopic);
  MainWindow form(GameHandle(game), prompts);
  instance.OnRaise = [&form] {
    // Out of the task bar, but still maximised if it was.
    form.setWindowState((form.windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    form.raise();
    form.activateWindow();
  };

  // SIGTERM, SIGINT and SIGHUP close the window the normal way, so the settings are saved.
  if (::socketpair(AF_UNIX, SOCK_STREAM, 0, signalPipe) == 0) {
    auto* notifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, &form);
    QObject::connect(notifier, &QSocketNotifier::activated, &form, [&form] {
      char c;
      [[maybe_unused]] ssize_t n = ::read(signalPipe[0], &c, 1);
      form.CloseOnSignal();
    });
    struct sigaction sa {};
    sa.sa_handler = OnSignal;
    sigemptyset(&sa.sa_mask);
    sa.sa_flags = SA_RESTART;
    for (int s : {SIGTERM, SIGINT, SIGHUP}) sigaction(s, &sa, nullptr);
  }

  form.PlaceAtStart();  // where the last game left it, or centred
  if (game.Options.Maxed) {
    form.ShowMaximizedAtStart();
  } else {
    form.show();
  }
  return app.exec();
}
