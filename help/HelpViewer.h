// The manual's window: one reused browser over the HTML pages beside the program.
#pragma once

#include <QDialog>
#include <QString>
#include <QUrl>

#include "help/Help.h"

class QPushButton;
class QTextBrowser;

namespace zandor {

class HelpViewer : public QDialog {
  Q_OBJECT

 public:
  // The one viewer of the program, made on first use and destroyed when the program quits.
  static HelpViewer* Instance();

  // The folder that holds the manual: "help/" in the program's own folder, ending in "/".
  static QString ManualDir();
  // Points the viewer at another manual folder (tests); an empty text restores the default.
  static void SetManualDir(const QString& dir);
  // The manual among the media in mediaDir (ending in "/") for the player's language:
  // help/<language>/ when it has been translated, else the English help/.
  static QString ManualDirFor(const QString& mediaDir, const QString& language);

  // The page and anchor of a topic, relative to the manual folder ("bank.html#bank").
  static QString TopicTarget(HelpTopic topic);
  // The full file URL of a topic in the current manual folder.
  static QUrl TopicUrl(HelpTopic topic);

  // Shows the viewer at a topic, or a message box over parent if the manual is missing.
  // Returns whether the manual was shown.
  bool ShowTopic(QWidget* parent, HelpTopic topic);

  // The browser, its buttons: for tests.
  QTextBrowser* Browser() const { return browser_; }
  QPushButton* BackButton() const { return backBtn_; }
  QPushButton* ForwardButton() const { return forwardBtn_; }
  QPushButton* ContentsButton() const { return contentsBtn_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  HelpViewer();
  void FollowModality();
  // A page just opened: the caret goes to the place it was opened at and its title is spoken.
  void PageOpened(const QUrl& url);
  // Tab reached a link: its words are spoken.
  void LinkReached();

  QTextBrowser* browser_;
  QPushButton* backBtn_;
  QPushButton* forwardBtn_;
  QPushButton* contentsBtn_;
  QPushButton* closeBtn_;
};

}  // namespace zandor
