#include "platform/AccessEvents.h"

#include <QAccessible>

namespace zandor {

namespace {

std::function<void(QAccessibleEvent&)>& Listener() {
  static std::function<void(QAccessibleEvent&)> listener;
  return listener;
}

}  // namespace

bool AccessibilityHeard() { return QAccessible::isActive() || Listener(); }

void Tell(QAccessibleEvent& event) {
  if (Listener()) Listener()(event);
  QAccessible::updateAccessibility(&event);
}

void Overheard(QAccessibleEvent& event) {
  if (Listener()) Listener()(event);
}

void ListenToAccessibility(std::function<void(QAccessibleEvent&)> listener) {
  Listener() = std::move(listener);
}

}  // namespace zandor
