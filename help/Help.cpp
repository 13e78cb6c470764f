#include "help/Help.h"

#include <QMessageBox>

// Stand-in until the manual ships: says which topic was asked for.
void ShowHelpTopic(QWidget* parent, int topic) {
  QMessageBox::information(parent, "Zandor Slots", QString("Help topic %1").arg(topic));
}
