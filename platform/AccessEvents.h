// Where the program's own accessibility events go: to a screen reader through the toolkit and,
// in tests, to a listener of their own (the headless test platform has no screen reader).
#pragma once

#include <functional>

class QAccessibleEvent;

namespace zandor {

// True while a screen reader or a test's listener hears the events; nothing need be told else.
bool AccessibilityHeard();
// Sends the event to the screen reader and to the test's listener.
void Tell(QAccessibleEvent& event);
// Lets the test's listener hear an event the toolkit has just sent the screen reader itself.
void Overheard(QAccessibleEvent& event);
// Tests: hears every event Tell sends from now on; an empty listener stops it.
void ListenToAccessibility(std::function<void(QAccessibleEvent&)> listener);

}  // namespace zandor
