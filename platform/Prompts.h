// The boxes the game shows to tell or ask the player something, behind one small interface so
// the windows take them through their constructors and tests answer them without a modal loop.
#pragma once

#include <QString>
#include <optional>

class QColor;
class QWidget;

namespace zandor {

// A page of the manual (help/Help.h names them); the prompts only pass it on.
enum class HelpTopic : int;

class Prompts {
 public:
  virtual ~Prompts() = default;

  // An information box with OK.
  virtual void Inform(QWidget* parent, const QString& text) = 0;
  // A warning box with OK.
  virtual void Warn(QWidget* parent, const QString& text) = 0;
  // An error box with OK (something could not be read or played).
  virtual void ReportError(QWidget* parent, const QString& text) = 0;
  // A yes/no question, No the default; true when the player answers Yes.
  virtual bool Confirm(QWidget* parent, const QString& title, const QString& text) = 0;
  // A one-line text box holding the proposal; nothing when cancelled.
  virtual std::optional<QString> AskText(QWidget* parent, const QString& title,
                                         const QString& label, const QString& proposal,
                                         int maxLength) = 0;
  // An open-file box for an existing file; "" when cancelled.
  virtual QString ChooseFile(QWidget* parent, const QString& title, const QString& folder,
                             const QString& filter) = 0;
  // A colour box starting at initial; nothing when cancelled.
  virtual std::optional<QColor> ChooseColor(QWidget* parent, const QColor& initial) = 0;
  // The manual at a topic.
  virtual void OpenHelp(QWidget* parent, HelpTopic topic) = 0;
};

}  // namespace zandor
