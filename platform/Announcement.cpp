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
// them. A screen reader fetches a notification's sentence when it gets round to the news that
// it showed, which under load is seconds later; and of two such news of one notification still
// waiting it reads only the later. So every sentence goes to a notification of its own, taken in
// turn from a ring, and a notification is written again only after all the others were: a
// sentence is lost only when the screen reader lags a whole ring behind.
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
  // Notifications in the ring: far more than the sentences a screen reader could lag behind.
  static constexpr size_t kRing = 16;

  void Speak() {
    scheduled_ = false;
    const QStringList sentences = std::exchange(pending_, {});
    for (const QString& sentence : sentences) {
      Announcement* a = Next();
      a->Sentence = sentence;
      // A notification is read when it shows; it shows again for every sentence, even a
      // repeated one. Shown the first time with its sentence already in place, the toolkit
      // tells that it shows: told twice, it would be read twice.
      QAccessibleEvent shown(a, QAccessible::ObjectShow);
      if (a->isHidden()) {
        a->show();
        Overheard(shown);
      } else {
        QAccessibleEvent name(a, QAccessible::NameChanged);
        Tell(name);
        Tell(shown);
      }
      spoken_ = sentence;
    }
  }

  // The notification for the next sentence, made while the ring is not yet full.
  Announcement* Next() {
    if (notes_.size() < kRing) notes_.push_back(new Announcement(window_));
    Announcement* a = notes_[next_];
    next_ = (next_ + 1) % kRing;
    return a;
  }

  QWidget* window_;
  std::vector<Announcement*> notes_;
  size_t next_ = 0;
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
