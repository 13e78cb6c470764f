#include "help/HelpIcon.h"

#include <QFont>
#include <QIconEngine>
#include <QPainter>
#include <QPixmap>

namespace zandor {

namespace {

// Paints the disc and the mark into any rectangle, so the picture is as sharp at 200 % as at
// 100 % instead of a small bitmap blown up.
class QuestionMarkEngine : public QIconEngine {
 public:
  void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State) override {
    const qreal side = std::min(rect.width(), rect.height());
    if (side <= 0) return;
    const QRectF disc(rect.x() + (rect.width() - side) / 2 + side * 0.05,
                      rect.y() + (rect.height() - side) / 2 + side * 0.05, side * 0.9, side * 0.9);
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setRenderHint(QPainter::TextAntialiasing);
    painter->setPen(Qt::NoPen);
    // A disabled button's picture is grey like its caption.
    painter->setBrush(mode == QIcon::Disabled ? QColor(150, 150, 150) : QColor(30, 80, 190));
    painter->drawEllipse(disc);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setBold(true);
    font.setPixelSize(std::max(1, qRound(side * 0.7)));
    painter->setFont(font);
    painter->setPen(Qt::white);
    painter->drawText(disc, Qt::AlignCenter, QStringLiteral("?"));
    painter->restore();
  }

  QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    paint(&painter, QRect(QPoint(0, 0), size), mode, state);
    return pixmap;
  }

  QIconEngine* clone() const override { return new QuestionMarkEngine; }
  QString key() const override { return QStringLiteral("zandor-question-mark"); }
};

}  // namespace

QIcon HelpIcon() {
  return QIcon::fromTheme(QStringLiteral("help-contents"), QIcon(new QuestionMarkEngine));
}

}  // namespace zandor
