// Prompts for tests: records what was shown and asked, and answers from queues (an empty
// queue answers as a cancelled box, or No).
#pragma once

#include <QColor>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "platform/Prompts.h"

namespace zandor {

struct FakePrompts : Prompts {
  // Every box, in order, as "inform:", "warning:", "error:", "confirm:" plus its text.
  std::vector<std::string> Log;
  // The texts of the information, warning and error boxes, in order.
  std::vector<QString> Messages;
  std::vector<HelpTopic> Topics;
  std::vector<QString> Folders, Filters, Proposals;
  std::vector<QColor> Initials;
  std::deque<QString> Files;
  std::deque<std::optional<QString>> Texts;
  std::deque<std::optional<QColor>> Colors;
  std::deque<bool> Answers;
  // Runs while a question is up, before it is answered (the player acting meanwhile).
  std::function<void()> WhileAsking;

  void Inform(QWidget*, const QString& text) override { Show("inform:", text); }
  void Warn(QWidget*, const QString& text) override { Show("warning:", text); }
  void ReportError(QWidget*, const QString& text) override { Show("error:", text); }
  bool Confirm(QWidget*, const QString&, const QString& text) override {
    Log.push_back("confirm:" + text.toStdString());
    if (WhileAsking) WhileAsking();
    return Next(Answers, false);
  }
  std::optional<QString> AskText(QWidget*, const QString&, const QString&, const QString& proposal,
                                 int) override {
    Proposals.push_back(proposal);
    return Next(Texts, std::optional<QString>());
  }
  QString ChooseFile(QWidget*, const QString&, const QString& folder,
                     const QString& filter) override {
    Folders.push_back(folder);
    Filters.push_back(filter);
    return Next(Files, QString());
  }
  std::optional<QColor> ChooseColor(QWidget*, const QColor& initial) override {
    Initials.push_back(initial);
    return Next(Colors, std::optional<QColor>());
  }
  void OpenHelp(QWidget*, HelpTopic topic) override { Topics.push_back(topic); }

 private:
  void Show(const char* kind, const QString& text) {
    Log.push_back(kind + text.toStdString());
    Messages.push_back(text);
  }
  template <class T>
  static T Next(std::deque<T>& queue, T none) {
    if (queue.empty()) return none;
    T a = std::move(queue.front());
    queue.pop_front();
    return a;
  }
};

}  // namespace zandor
