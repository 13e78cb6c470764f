#include "platform/Announcement.h"

#include <QAccessibleWidget>
#include <QDialog>
#include <QWidget>

#include "platform/AccessEvents.h"

namespace zandor {

namespace {

// The announcement object: a widget of one pixel that paints nothing and lets the mouse through;
// a screen reader reads its sentence as a notification each time it shows.
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

// The window that speaks for `anywhere`: a dialog's own owner, up to the main window. A screen
// reader reads a notification inside a dialog together with the whole dialog again.
QWidget* Speaker(const QWidget* anywhere) {
  QWidget* window = anywhere ? anywhere->window() : nullptr;
  while (qobject_cast<QDialog*>(window) && window->parentWidget())
    window = window->parentWidget()->window();
  return window;
}

Announcement* Find(const QWidget* anywhere) {
  const QWidget* window = Speaker(anywhere);
  return window ? window->findChild<Announcement*>(QStringLiteral("Announcement"),
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
  Announcement* a = Find(anywhere);
  if (!a) {
    // Shown with its first sentence already in place: the toolkit tells that it shows. The
    // screen reader drops the second, identical showing that follows.
    a = new Announcement(Speaker(anywhere));
    a->Sentence = sentence;
    a->show();
  }
  a->Sentence = sentence;
  // A notification is read when it shows; it shows again for every sentence, even a repeated one.
  QAccessibleEvent name(a, QAccessible::NameChanged);
  Tell(name);
  QAccessibleEvent shown(a, QAccessible::ObjectShow);
  Tell(shown);
}

QString LastAnnouncement(const QWidget* anywhere) {
  const Announcement* a = Find(anywhere);
  return a ? a->Sentence : QString();
}

#include "Announcement.moc"

}  // namespace zandor
