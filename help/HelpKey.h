// F1 and a dialog's Help button open its page of the manual, through the prompts.
#pragma once

#include <QAbstractButton>
#include <QEvent>
#include <QKeyEvent>
#include <QObject>
#include <QWidget>

#include "help/Help.h"
#include "platform/Prompts.h"

namespace zandor {

// Opens a dialog's manual page on F1, wherever in the dialog the key was pressed and whether
// or not the dialog is on screen yet (a key its children leave unused reaches the dialog).
class HelpKey : public QObject {
 public:
  HelpKey(QWidget* dialog, Prompts& prompts, HelpTopic topic)
      : QObject(dialog), dialog_(dialog), prompts_(prompts), topic_(topic) {
    dialog->installEventFilter(this);
  }
  // Opens the page.
  void Open() { prompts_.OpenHelp(dialog_, topic_); }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == dialog_ && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_F1) {
      Open();
      return true;
    }
    return false;
  }

 private:
  QWidget* dialog_;
  Prompts& prompts_;
  HelpTopic topic_;
};

// Wires F1 anywhere in the dialog, and its Help button when it has one, to the manual's topic.
inline void ConnectHelp(QWidget* dialog, QAbstractButton* helpButton, Prompts& prompts,
                        HelpTopic topic) {
  auto* key = new HelpKey(dialog, prompts, topic);
  if (helpButton) QObject::connect(helpButton, &QAbstractButton::clicked, key, &HelpKey::Open);
}

}  // namespace zandor
