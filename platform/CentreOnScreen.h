// Places a window in the middle of its screen's available area. Without a window manager a
// new window lands at (0, 0), so every window of the game places itself.
#pragma once

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace zandor {

inline void CentreOnScreen(QWidget* window, const QWidget* near = nullptr) {
  const QWidget* on = near ? near : window;
  QScreen* screen = on->screen() ? on->screen() : QGuiApplication::primaryScreen();
  if (!screen) return;
  const QRect area = screen->availableGeometry();
  const QSize size = window->frameGeometry().size();
  window->move(area.x() + (area.width() - size.width()) / 2,
               area.y() + (area.height() - size.height()) / 2);
}

}  // namespace zandor
