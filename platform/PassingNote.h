// A passing note: a short sentence in a tooltip-style bubble at a control, for a press that came
// to nothing where a box would stand in the way of play. It goes by itself after a few seconds,
// and a screen reader hears it as an announcement.
#pragma once

#include <QString>

class QWidget;

namespace zandor {

// Shows sentence in a bubble just above the control `at` (replacing a note still showing in
// that window) and announces it.
void ShowPassingNote(QWidget* at, const QString& sentence);
// The note showing now in the window of `anywhere`, "" when none is.
QString ShownPassingNote(const QWidget* anywhere);

}  // namespace zandor
