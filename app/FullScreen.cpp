// The main window's full screen: F11 and the menu entry switch it, Escape leaves it, and the
// window goes back to where and how it stood before.
#include <QAction>
#include <QGuiApplication>
#include <QMenu>
#include <QScreen>
#include <QShortcut>
#include <QTimer>

#include "app/MainWindow.h"

namespace zandor {

void MainWindow::BuildFullScreen(QMenu* options) {
  options->addSeparator();
  FullScreenAction = options->addAction("&Full Screen");
  FullScreenAction->setCheckable(true);
  FullScreenAction->setShortcut(QKeySequence(Qt::Key_F11));
  connect(FullScreenAction, &QAction::triggered, this, [this](bool on) { SetFullScreen(on); });
  leaveFullScreen_ = new QShortcut(QKeySequence(Qt::Key_Escape), this);
  leaveFullScreen_->setEnabled(false);
  connect(leaveFullScreen_, &QShortcut::activated, this, [this] { SetFullScreen(false); });
}

void MainWindow::SetFullScreen(bool on) {
  FullScreenAction->setChecked(on);
  if (on == fullScreen_) return;
  if (on) {
    maximisedBeneath_ = Maximised();
    if (!maximisedBeneath_) placeBeneath_ = geometry();
    fullScreen_ = true;
    leaveFullScreen_->setEnabled(true);
    showFullScreen();
    FillScreen(true);
    return;
  }
  fullScreen_ = false;
  leaveFullScreen_->setEnabled(false);
  if (maximisedBeneath_) {
    showMaximized();
    if (filledScreen_) FillScreen(false);
    return;
  }
  // The normal window goes back to its own place (changeEvent puts it there).
  showNormal();
}

void MainWindow::FillScreen(bool wholeScreen) {
  // Without a window manager nobody answers the request: the window sizes itself.
  QTimer::singleShot(100, this, [this, wholeScreen] {
    QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    if (!screen || fullScreen_ != wholeScreen) return;
    const QRect area = wholeScreen ? screen->geometry() : screen->availableGeometry();
    if (frameGeometry().width() < area.width() || frameGeometry().height() < area.height())
      setGeometry(area);
  });
}

void MainWindow::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  // Full screen from the last game comes once the window has a place to return to.
  if (fullScreenAtStart_) {
    fullScreenAtStart_ = false;
    QTimer::singleShot(0, this, [this] { SetFullScreen(true); });
  }
}

}  // namespace zandor
