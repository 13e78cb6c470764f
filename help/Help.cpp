#include "help/Help.h"

#include <QApplication>
#include <QCoreApplication>
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
  // The game's name is the same in every language; the markup is not the translator's.
  return QStringLiteral("<h3>Zandor Slots</h3><p>%1</p><p>%2</p>")
      .arg(QCoreApplication::translate("zandor::Help", "Version %1")
               .arg(QStringLiteral(ZANDOR_VERSION))
               .toHtmlEscaped(),
           QCoreApplication::translate("zandor::Help",
                                       "A three-reel, five-line slot machine with a bonus meter, "
                                       "free spins and a double-or-nothing card game.")
               .toHtmlEscaped());
}

void ShowAbout(QWidget* parent, Prompts& prompts) {
  QMessageBox box(QMessageBox::Information,
                  QCoreApplication::translate("zandor::Help", "About Zandor Slots"), AboutText(),
                  QMessageBox::Ok, parent);
  box.setObjectName(QStringLiteral("About"));
  box.setIconPixmap(QApplication::windowIcon().pixmap(64, 64));
  ConnectHelp(&box, nullptr, prompts, HelpTopic::Contents);
  box.exec();
}

}  // namespace zandor
