// Program start: finds the program's and the settings' folders, builds the main window and
// the payoff chart, and runs the message loop until the main window closes.
#include <QApplication>
#include "platform/CentreOnScreen.h"
#include <QIcon>
#include <QSocketNotifier>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

#include "app/Dirs.h"
#include "app/TForm1.h"

namespace {
int signalPipe[2] = {-1, -1};

void OnSignal(int) {
  char c = 1;
  // Only the write is safe here; the window closes on its own thread.
  [[maybe_unused]] ssize_t n = ::write(signalPipe[1], &c, 1);
}
}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("Zandor Slots");
  QApplication::setApplicationDisplayName(QString());

  TGame game;
  game.ProgramDir = ProgramDirectory();
  game.SettingsDir = SettingsDirectory();
  QApplication::setWindowIcon(QIcon(QString::fromStdString(game.ProgramDir + "zandor-slots.png")));
  TForm1 form(game);

  // SIGTERM, SIGINT and SIGHUP close the window the normal way, so the settings are saved.
  if (::socketpair(AF_UNIX, SOCK_STREAM, 0, signalPipe) == 0) {
    auto* notifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, &form);
    QObject::connect(notifier, &QSocketNotifier::activated, &form, [&form] {
      char c;
      [[maybe_unused]] ssize_t n = ::read(signalPipe[0], &c, 1);
      form.RequestClose();
    });
    struct sigaction sa {};
    sa.sa_handler = OnSignal;
    sigemptyset(&sa.sa_mask);
    sa.sa_flags = SA_RESTART;
    for (int s : {SIGTERM, SIGINT, SIGHUP}) sigaction(s, &sa, nullptr);
  }

  CentreOnScreen(&form);  // when first shown
  if (game.Maxed) {
    form.ShowMaximizedAtStart();
  } else {
    form.show();
  }
  return app.exec();
}
