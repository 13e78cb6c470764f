#include "help/Help.h"

#include <QApplication>
#include <QMessageBox>
#include <QString>

#include "help/HelpKey.h"
#include "help/HelpViewer.h"

#ifndef ZANDOR_VERSION
#define ZANDOR_VERSION "unknown"
#endif

namespace zandor {

void ShowHelpTopic(QWidget* parent, HelpTopic topic) {
  HelpViewer::Instance()->ShowTopic(parent, topic);
}

QString AboutText() {
  return QStringLiteral(
             "<h3>Zandor Slots</h3>"
             "<p>Version %1</p>"
             "<p>A three-reel, five-line slot machine with a bonus meter, free spins "
             "and a double-or-nothing card game.</p>")
      .arg(QStringLiteral(ZANDOR_VERSION));
}

void ShowAbout(QWidget* parent, Prompts& prompts) {
  QMessageBox box(QMessageBox::Information, QStringLiteral("About Zandor Slots"), AboutText(),
                  QMessageBox::Ok, parent);
  box.setObjectName(QStringLiteral("About"));
  box.setIconPixmap(QApplication::windowIcon().pixmap(64, 64));
  ConnectHelp(&box, nullptr, prompts, HelpTopic::Contents);
  box.exec();
}

}  // namespace zandor
