// Sentences a screen reader speaks without the player moving the focus: how a spin settled,
// what the card game dealt, the bank's new balances. The main window keeps the notifications;
// its dialogs speak through it (a dialog without an owner has its own). Sentences announced in
// one turn of the event loop are spoken in order at its end, each by its own notification, so
// none is lost to the next.
#pragma once

#include <QString>

class QWidget;

namespace zandor {

// Queues a sentence for the window of `anywhere` (any widget of it); spoken when the turn ends.
void Announce(QWidget* anywhere, const QString& sentence);
// Drops a sentence still queued for the window of `anywhere`: a box about to show the same text
// is read as it opens.
void Withdraw(QWidget* anywhere, const QString& sentence);
// The last sentence announced for the window of `anywhere`, "" when none was.
QString LastAnnouncement(const QWidget* anywhere);

}  // namespace zandor
