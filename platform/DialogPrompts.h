// The real prompts: Qt's message, input, file and colour boxes, captioned with the game's name.
#pragma once

#include <QColor>
#include <functional>

#include "platform/Prompts.h"

namespace zandor {

class DialogPrompts : public Prompts {
 public:
  // Opens the manual at a topic: the program hands in the help viewer, which is built on this
  // layer rather than under it. An empty opener leaves Help doing nothing.
  using HelpOpener = std::function<void(QWidget*, HelpTopic)>;
  explicit DialogPrompts(HelpOpener openHelp) : openHelp_(std::move(openHelp)) {}

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
  void OpenHelp(QWidget* parent, HelpTopic topic) override;

 private:
  HelpOpener openHelp_;
};

}  // namespace zandor
