#include "platform/Announcement.h"

#include <QAccessibleWidget>
#include <QDialog>
#include <QPointer>
#include <QStringList>
#include <QTimer>
#include <QWidget>
#include <utility>
#include <vector>

#include "platform/AccessEvents.h"

namespace zandor {

namespace {

// A notification: a widget of one pixel that paints nothing and lets the mouse through; a
// screen reader reads its sentence each time it shows.
class Announcement : public QWidget {
  Q_OBJECT

 public:
  explicit Announcement(QWidget* window) : QWidget(window) {
    setObjectName(QStringLiteral("Announcement"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(0, 0, 1, 1);
  }
  QString Sentence;
};

class AnnouncementAccessible : public QAccessibleWidget {
 public:
  explicit AnnouncementAccessible(Announcement* a)
      : QAccessibleWidget(a, QAccessible::Notification) {}
  QString text(QAccessible::Text t) const override {
    return t == QAccessible::Name ? static_cast<Announcement*>(widget())->Sentence : QString();
  }
};

QAccessibleInterface* AnnouncementFactory(const QString& key, QObject* object) {
  // The toolkit asks by the class name as the meta-object spells it, namespace included.
  if (key == QLatin1String(Announcement::staticMetaObject.className()))
    return new AnnouncementAccessible(static_cast<Announcement*>(object));
  return nullptr;
}

// The sentences of one window, queued until the turn ends, and the notifications that speak
// them. A screen reader fetches a notification's sentence some time after it hears that it
// showed; one notification rewritten twice in a turn would be read twice with its second
// sentence. So each sentence of a turn has a notification of its own: the first sentence of
// every turn the first notification, the second the second, and so on.
class Announcer : public QObject {
  Q_OBJECT

 public:
  explicit Announcer(QWidget* window) : QObject(window), window_(window) {
    setObjectName(QStringLiteral("Announcer"));
  }

  void Queue(const QString& sentence) {
    pending_ << sentence;
    last_ = sentence;
    if (!scheduled_) {
      scheduled_ = true;
      QTimer::singleShot(0, this, &Announcer::Speak);
    }
  }

  void Drop(const QString& sentence) {
    pending_.removeAll(sentence);
    if (last_ == sentence) last_ = pending_.isEmpty() ? spoken_ : pending_.last();
  }

  QString Last() const { return last_; }

 private:
  void Speak() {
    scheduled_ = false;
    const QStringList sentences = std::exchange(pending_, {});
    for (qsizetype i = 0; i < sentences.size(); ++i) {
      const QString& sentence = sentences[i];
      Announcement* a = Next(static_cast<size_t>(i));
      a->Sentence = sentence;
      // Shown with its first sentence already in place: the toolkit tells that it shows. A
      // notification is read when it shows; it shows again for every sentence, even a
      // repeated one.
      if (a->isHidden()) a->show();
      QAccessibleEvent name(a, QAccessible::NameChanged);
      Tell(name);
      QAccessibleEvent shown(a, QAccessible::ObjectShow);
      Tell(shown);
      spoken_ = sentence;
    }
  }

  // The notification for the turn's sentence number `inTurn`, made when first needed.
  Announcement* Next(size_t inTurn) {
    while (notes_.size() <= inTurn) notes_.push_back(new Announcement(window_));
    return notes_[inTurn];
  }

  QWidget* window_;
  std::vector<Announcement*> notes_;
  QStringList pending_;
  QString last_;
  QString spoken_;
  bool scheduled_ = false;
};

// The window that speaks for `anywhere`: a dialog's own owner, up to the main window. A screen
// reader reads a notification inside a dialog together with the whole dialog again.
QWidget* Speaker(const QWidget* anywhere) {
  QWidget* window = anywhere ? anywhere->window() : nullptr;
  while (qobject_cast<QDialog*>(window) && window->parentWidget())
    window = window->parentWidget()->window();
  return window;
}

Announcer* Find(const QWidget* anywhere) {
  const QWidget* window = Speaker(anywhere);
  return window ? window->findChild<Announcer*>(QStringLiteral("Announcer"),
                                                Qt::FindDirectChildrenOnly)
                : nullptr;
}

}  // namespace

void Announce(QWidget* anywhere, const QString& sentence) {
  if (!anywhere || sentence.isEmpty()) return;
  static const bool installed = [] {
    QAccessible::installFactory(AnnouncementFactory);
    return true;
  }();
  (void)installed;
  Announcer* a = Find(anywhere);
  if (!a) a = new Announcer(Speaker(anywhere));
  a->Queue(sentence);
}

void Withdraw(QWidget* anywhere, const QString& sentence) {
  if (Announcer* a = Find(anywhere)) a->Drop(sentence);
}

QString LastAnnouncement(const QWidget* anywhere) {
  const Announcer* a = Find(anywhere);
  return a ? a->Last() : QString();
}

#include "Announcement.moc"

}  // namespace zandor
