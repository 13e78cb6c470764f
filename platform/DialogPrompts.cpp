#include "platform/DialogPrompts.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>

#include "platform/Announcement.h"

namespace zandor {

namespace {

void ShowBox(QWidget* parent, QMessageBox::Icon icon, const QString& text) {
  // The screen reader reads the box as it opens; the same text queued as an announcement in
  // this turn would be heard twice more.
  Withdraw(parent, text);
  QMessageBox box(icon, QStringLiteral("Zandor Slots"), text, QMessageBox::Ok, parent);
  box.exec();
}

}  // namespace

void DialogPrompts::Inform(QWidget* parent, const QString& text) {
  ShowBox(parent, QMessageBox::Information, text);
}

void DialogPrompts::Warn(QWidget* parent, const QString& text) {
  ShowBox(parent, QMessageBox::Warning, text);
}

void DialogPrompts::ReportError(QWidget* parent, const QString& text) {
  ShowBox(parent, QMessageBox::Critical, text);
}

bool DialogPrompts::Confirm(QWidget* parent, const QString& title, const QString& text) {
  QMessageBox box(QMessageBox::Question, title, text, QMessageBox::Yes | QMessageBox::No, parent);
  box.setDefaultButton(QMessageBox::No);
  return box.exec() == QMessageBox::Yes;
}

std::optional<QString> DialogPrompts::AskText(QWidget* parent, const QString& title,
                                              const QString& label, const QString& proposal,
                                              int maxLength) {
  QInputDialog box(parent);
  box.setWindowTitle(title);
  // A question asked in the title alone is also the field's caption: the title bar is not
  // read with the field, and the eye looks at the field first.
  const QString caption = label.isEmpty() ? title : label;
  box.setLabelText(caption);
  box.setInputMode(QInputDialog::TextInput);
  box.setTextValue(proposal);
  if (QLineEdit* edit = box.findChild<QLineEdit*>()) {
    edit->setMaxLength(maxLength);
    edit->setAccessibleName(QString(caption).remove(QLatin1Char('&')));
  }
  if (box.exec() != QDialog::Accepted) return std::nullopt;
  return box.textValue();
}

QString DialogPrompts::ChooseFile(QWidget* parent, const QString& title, const QString& folder,
                                  const QString& filter) {
  QFileDialog dlg(parent, title, folder, filter);
  dlg.setFileMode(QFileDialog::ExistingFile);
  dlg.setOption(QFileDialog::ReadOnly);
  return dlg.exec() == QDialog::Accepted ? dlg.selectedFiles().value(0) : QString();
}

std::optional<QColor> DialogPrompts::ChooseColor(QWidget* parent, const QColor& initial) {
  const QColor c = QColorDialog::getColor(initial, parent);
  if (!c.isValid()) return std::nullopt;
  return c;
}

void DialogPrompts::OpenHelp(QWidget* parent, HelpTopic topic) {
  if (openHelp_) openHelp_(parent, topic);
}

}  // namespace zandor
