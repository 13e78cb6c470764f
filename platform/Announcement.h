// Sentences a screen reader speaks without the player moving the focus: how a spin settled,
// what the card game dealt, the bank's new balances. The main window has one announcement
// object, a notification that shows itself anew with every sentence; its dialogs speak through
// it (a dialog without an owner has its own).
#pragma once

#include <QString>

class QWidget;

namespace zandor {

// Speaks a sentence for the window of `anywhere` (any widget of it).
void Announce(QWidget* anywhere, const QString& sentence);
// The last sentence announced for the window of `anywhere`, "" when none was.
QString LastAnnouncement(const QWidget* anywhere);

}  // namespace zandor
