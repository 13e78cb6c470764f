#include "platform/PassingNote.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QTimer>
#include <QToolTip>
#include <algorithm>

#include "platform/Announcement.h"

namespace zandor {

namespace {

const char kName[] = "PassingNote";

// A label of its own rather than the toolkit's tooltip: that one vanishes at the next key
// release, so a note for a key press would be gone before it could be read.
class NoteBubble : public QLabel {
 public:
  explicit NoteBubble(QWidget* window)
      : QLabel(window, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus) {
    setObjectName(QLatin1String(kName));
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setPalette(QToolTip::palette());
    setFont(QToolTip::font());
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setMargin(6);
    setTextFormat(Qt::PlainText);
    setWordWrap(true);
    timer_.setSingleShot(true);
    QObject::connect(&timer_, &QTimer::timeout, this, &QWidget::hide);
  }

  void Show(QWidget* at, const QString& sentence) {
    setText(sentence);
    setFixedWidth(std::min(360, fontMetrics().horizontalAdvance(sentence) + 2 * margin() + 4));
    adjustSize();
    // Centred above the control, kept on its screen; below it where there is no room above.
    const QPoint top = at->mapToGlobal(QPoint(at->width() / 2, 0));
    QPoint pos(top.x() - width() / 2, top.y() - height() - 4);
    if (const QScreen* screen = at->screen()) {
      const QRect area = screen->availableGeometry();
      if (pos.y() < area.top()) pos.setY(top.y() + at->height() + 4);
      pos.setX(std::clamp(pos.x(), area.left(), std::max(area.left(), area.right() - width())));
    }
    move(pos);
    show();
    raise();
    // Long enough to read: a few seconds, more for a longer sentence.
    timer_.start(std::clamp(2500 + 50 * static_cast<int>(sentence.size()), 4000, 10000));
  }

 private:
  QTimer timer_;
};

NoteBubble* BubbleOf(const QWidget* anywhere) {
  const QWidget* window = anywhere ? anywhere->window() : nullptr;
  return window ? window->findChild<NoteBubble*>(QLatin1String(kName), Qt::FindDirectChildrenOnly)
                : nullptr;
}

}  // namespace

void ShowPassingNote(QWidget* at, const QString& sentence) {
  if (!at || sentence.isEmpty()) return;
  NoteBubble* bubble = BubbleOf(at);
  if (!bubble) bubble = new NoteBubble(at->window());
  bubble->Show(at, sentence);
  Announce(at, sentence);
}

QString ShownPassingNote(const QWidget* anywhere) {
  const NoteBubble* bubble = BubbleOf(anywhere);
  return bubble && bubble->isVisible() ? bubble->text() : QString();
}

}  // namespace zandor
