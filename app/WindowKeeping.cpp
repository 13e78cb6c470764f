#include "app/WindowKeeping.h"

#include <QCoreApplication>
#include <QStringList>
#include <QTimer>
#include <QWidget>

#include "app/WindowPlacement.h"
#include "machine/GameState.h"
#include "platform/Language.h"
#include "platform/Prompts.h"
#include "record/RecordKeeper.h"

namespace zandor {

WindowKeeping::WindowKeeping(QWidget& window, const WindowPlacement& placement,
                             RecordKeeper& record, PlayerOptions& options, Prompts& prompts)
    : window_(window),
      placement_(placement),
      record_(record),
      options_(options),
      prompts_(prompts) {}

void WindowKeeping::RunSoon(std::function<void()> task) {
  QTimer::singleShot(0, &window_, std::move(task));
}

void WindowKeeping::BeforeKeep() {
  // Written as the close would write it: maximised as the window stands once it is shown.
  if (window_.isVisible()) options_.Maxed = placement_.Maximised() && !window_.isMinimized();
  record_.CountTime();
}

void WindowKeeping::KeepingFailed(const std::vector<std::string>& paths) {
  QStringList lines;
  for (const std::string& path : paths) lines << UnableToWrite().arg(QString::fromStdString(path));
  lines << QCoreApplication::translate(
      "zandor::MainWindow",
      "Your game is not being saved: if it stopped now, what you play from here on would be "
      "lost. You will be told when it is saved again.");
  prompts_.Warn(&window_, lines.join(QLatin1Char('\n')));
}

void WindowKeeping::KeepingWorksAgain() {
  prompts_.Inform(&window_, QCoreApplication::translate("zandor::MainWindow",
                                                        "Your game is being saved again."));
}

void WindowKeeping::SpinCompleted(const PlayerText& notice) {
  // The start completes the spin before the window is shown: the box waits for the face.
  ShowOnceUp(Translated(notice), 50);
}

void WindowKeeping::ShowOnceUp(const QString& text, int triesLeft) {
  QTimer::singleShot(triesLeft == 50 ? 0 : 100, &window_, [this, text, triesLeft] {
    if (!window_.isVisible() && triesLeft > 0) return ShowOnceUp(text, triesLeft - 1);
    prompts_.Inform(&window_, text);
  });
}

}  // namespace zandor
