// The main window's full screen: F11 and the menu entry switch it, Escape leaves it, and the
// window goes back to where and how it stood before. In full screen the machine is one picture,
// scaled to fill the screen.
#include <QAction>
#include <QGuiApplication>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QTimer>
#include <algorithm>
#include <cmath>

#include "app/MainWindow.h"
#include "platform/Prompts.h"

namespace zandor {

void MainWindow::BuildFullScreen(QMenu* options) {
  options->addSeparator();
  FullScreenAction = options->addAction(tr("&Full Screen"));
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
    LayOutFace();
    return;
  }
  fullScreen_ = false;
  leaveFullScreen_->setEnabled(false);
  LayOutFace();
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

void MainWindow::LayOutPicture(int w, int h) {
  // Full screen shows the machine as designed, scaled as one picture to fill the screen and
  // centred, painted at the screen's own pixels: the canvas keeps the designed layout at a
  // pixel ratio that many times finer, so the meters, lamps and reels all grow together and
  // the artwork comes from the finest set the size calls for.
  const double scale =
      fullScreen_ ? std::min(double(w) / DesignWidth, double(h) / DesignHeight) : 1.0;
  pictureScale_ = scale;
  pictureOrigin_ = fullScreen_
                       ? QPointF((w - DesignWidth * scale) / 2, (h - DesignHeight * scale) / 2)
                       : QPointF();
  if (!fullScreen_) {
    // Back to the designed layout: the window's own size again.
    ScaleButtons(1);
    LayOutFace();
    return;
  }
  const std::string err =
      Face.FitToSize(DesignWidth, DesignHeight, centralWidget()->devicePixelRatioF() * scale);
  SetReelStrips(Game.Machine);
  ScaleButtons(scale);
  centralWidget()->update();
  Repaint();
  if (!err.empty()) prompts_.Warn(this, QString::fromStdString(err));
}

void MainWindow::ScaleButtons(double scale) {
  const QPointF o = pictureOrigin_;
  const auto at = [scale](double v) { return static_cast<int>(std::lround(v * scale)); };
  ButtonPanel->setGeometry(
      static_cast<int>(std::lround(o.x())),
      static_cast<int>(std::lround(o.y())) + at(DesignHeight - FacePainter::PanelHeight),
      at(DesignWidth), at(FacePainter::PanelHeight));
  const auto lefts = ButtonLefts(DesignWidth);
  QPushButton* buttons[4] = {BetOneButton, BetFiveButton, BetMaxButton, SpinButton};
  for (int i = 0; i < 4; ++i) {
    QFont f = buttons[i]->font();
    f.setPointSizeF(11 * scale);
    buttons[i]->setFont(f);
    buttons[i]->setGeometry(at(lefts[i]), at(4), at(132), at(49));
  }
}

}  // namespace zandor
