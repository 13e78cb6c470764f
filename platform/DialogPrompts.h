// The real prompts: Qt's message, input, file and colour boxes, captioned with the game's name.
#pragma once

#include <QColor>

#include "platform/Prompts.h"

class DialogPrompts : public Prompts {
 public:
  // Shows an information box.
  void Inform(QWidget* parent, const QString& text) override;
  // Shows a warning box.
  void Warn(QWidget* parent, const QString& text) override;
  // Shows an error box.
  void ReportError(QWidget* parent, const QString& text) override;
  // Asks yes or no.
  bool Confirm(QWidget* parent, const QString& title, const QString& text) override;
  // Asks for a line of text.
  std::optional<QString> AskText(QWidget* parent, const QString& title, const QString& label,
                                 const QString& proposal, int maxLength) override;
  // Asks for an existing file.
  QString ChooseFile(QWidget* parent, const QString& title, const QString& folder,
                     const QString& filter) override;
  // Asks for a colour.
  std::optional<QColor> ChooseColor(QWidget* parent, const QColor& initial) override;
  // Opens the manual.
  void OpenHelp(QWidget* parent, int topic) override;
};
