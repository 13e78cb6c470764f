#include "app/WindowPlacement.h"

#include <QEvent>
#include <QGuiApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QScreen>
#include <QShortcut>
#include <QTimer>
#include <QWindowStateChangeEvent>

#include "app/FaceView.h"
#include "platform/CentreOnScreen.h"

namespace zandor {

WindowPlacement::WindowPlacement(QMainWindow& window, FaceView& view)
    : QObject(&window), window_(window), view_(view) {
  leaveFullScreen_ = new QShortcut(QKeySequence(Qt::Key_Escape), &window);
  leaveFullScreen_->setEnabled(false);
  connect(leaveFullScreen_, &QShortcut::activated, this, [this] { SetFullScreen(false); });
  window.installEventFilter(this);
}

bool WindowPlacement::Maximised() const {
  return fullScreen_ ? maximisedBeneath_ : window_.isMaximized() || filledScreen_;
}

QSize WindowPlacement::DesignedSize() const {
  return QSize(FaceView::DesignWidth,
               FaceView::DesignHeight + window_.menuBar()->sizeHint().height());
}

void WindowPlacement::PlaceAtStart(const std::optional<WindowPlace>& place) {
  // A screen unplugged since, or a smaller desktop, must not leave the window out of reach:
  // the remembered place counts only when the window's middle lands on a screen.
  if (place) {
    const QRect at(QPoint(place->X, place->Y), window_.frameGeometry().size());
    for (const QScreen* screen : QGuiApplication::screens())
      if (screen->availableGeometry().contains(at.center())) {
        window_.move(at.topLeft());
        return;
      }
  }
  CentreOnScreen(&window_);
}

WindowPlace WindowPlacement::NormalPlace() const {
  const bool normal = !fullScreen_ && !filledScreen_ && window_.windowState() == Qt::WindowNoState;
  const QPoint at = normal || !placeBeneath_.isValid() ? window_.pos() : frameBeneath_;
  return {at.x(), at.y()};
}

void WindowPlacement::ShowMaximizedAtStart() {
  window_.showMaximized();
  QTimer::singleShot(100, this, [this] {
    QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen || !window_.isMaximized() || window_.width() >= screen->availableGeometry().width())
      return;
    filledScreen_ = true;
    window_.setGeometry(screen->availableGeometry());
  });
}

void WindowPlacement::SetFullScreen(bool on) {
  if (on == fullScreen_) {
    if (changed_) changed_();
    return;
  }
  if (on) {
    maximisedBeneath_ = Maximised();
    if (!maximisedBeneath_) {
      placeBeneath_ = window_.geometry();
      frameBeneath_ = window_.pos();
    }
    fullScreen_ = true;
    leaveFullScreen_->setEnabled(true);
    window_.showFullScreen();
    FillScreen(true);
    view_.LayOut();
    if (changed_) changed_();
    return;
  }
  fullScreen_ = false;
  leaveFullScreen_->setEnabled(false);
  view_.LayOut();
  if (changed_) changed_();
  if (maximisedBeneath_) {
    window_.showMaximized();
    if (filledScreen_) FillScreen(false);
    return;
  }
  // The normal window goes back to its own place (the state change puts it there).
  window_.showNormal();
}

void WindowPlacement::FillScreen(bool wholeScreen) {
  // Without a window manager nobody answers the request: the window sizes itself.
  QTimer::singleShot(100, this, [this, wholeScreen] {
    QScreen* screen = window_.screen() ? window_.screen() : QGuiApplication::primaryScreen();
    if (!screen || fullScreen_ != wholeScreen) return;
    const QRect area = wholeScreen ? screen->geometry() : screen->availableGeometry();
    if (window_.frameGeometry().width() < area.width() ||
        window_.frameGeometry().height() < area.height())
      window_.setGeometry(area);
  });
}

bool WindowPlacement::eventFilter(QObject* watched, QEvent* event) {
  if (watched != &window_) return false;
  switch (event->type()) {
    case QEvent::WindowStateChange:
      StateChanged(static_cast<QWindowStateChangeEvent*>(event)->oldState());
      break;
    case QEvent::Resize:
      Resized();
      break;
    case QEvent::Show:
      // Full screen from the last game comes once the window has a place to return to.
      if (fullScreenAtStart_) {
        fullScreenAtStart_ = false;
        QTimer::singleShot(0, this, [this] { SetFullScreen(true); });
      }
      break;
    default:
      break;
  }
  return false;
}

void WindowPlacement::StateChanged(Qt::WindowStates oldState) {
  if (filledScreen_) return;
  // Where the normal window stood, taken as it leaves that state: the window manager may not
  // remember it (or there may be none), and restoring must not land at the screen's corner.
  if (oldState == Qt::WindowNoState && window_.windowState() != Qt::WindowNoState && !fullScreen_) {
    placeBeneath_ = window_.geometry();
    frameBeneath_ = window_.pos();
  }
  // The border does not size: a normal window returns to its designed client size.
  if (window_.windowState() == Qt::WindowNoState)
    QTimer::singleShot(0, this, [this] {
      if (window_.windowState() != Qt::WindowNoState) return;
      if (placeBeneath_.isValid())
        window_.setGeometry(QRect(placeBeneath_.topLeft(), DesignedSize()));
      else
        window_.resize(DesignedSize());
    });
}

void WindowPlacement::Resized() {
  // A dragged border springs back; maximising and restoring come through the window state.
  if (filledScreen_ || fullScreen_ || window_.windowState() != Qt::WindowNoState ||
      window_.size() == DesignedSize())
    return;
  QTimer::singleShot(100, this, [this] {
    if (!filledScreen_ && !fullScreen_ && window_.windowState() == Qt::WindowNoState &&
        window_.size() != DesignedSize())
      window_.resize(DesignedSize());
  });
}

}  // namespace zandor
