#include "record/GameChartView.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>

#include "platform/LocaleText.h"

namespace zandor {

namespace {

const QColor kCreditsColour(0x1f, 0x5f, 0xbf);
const QColor kWorthColour(0xd0, 0x70, 0x10);
const QColor kBonusColour(0xe0, 0xb0, 0x00);
const QColor kLoanColour(0x20, 0x90, 0x30);
const QColor kPaybackColour(0xc0, 0x20, 0x20);

QString Dollars(int64_t cents) { return AmountText(Money::Cents(cents)); }

// A step of the axis that gives about four lines across the span: 1, 2 or 5 times a power of
// ten dollars (cents here).
int64_t AxisStep(int64_t span) {
  int64_t step = 100;
  for (;;) {
    for (int64_t f : {1, 2, 5})
      if (span / (step * f) <= 4) return step * f;
    if (step > INT64_MAX / 100) return step;
    step *= 10;
  }
}

// A small triangle pointing up (a loan) or down (a payback) with its tip at the point.
QPolygonF Triangle(QPointF at, bool up, qreal size) {
  const qreal d = up ? size : -size;
  return QPolygonF({at, at + QPointF(-size * 0.7, d), at + QPointF(size * 0.7, d)});
}

}  // namespace

GameChartView::GameChartView(const GameChart& chart, QWidget* parent)
    : QWidget(parent), chart_(chart), shown_(chart.Changes()) {
  setObjectName("GameChart");
  setAccessibleName(tr("Chart of this game"));
  setAccessibleDescription(tr("Credits and net worth after every spin of this game"));
  setMinimumSize(320, 240);
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void GameChartView::Follow() {
  if (chart_.Changes() == shown_) return;
  shown_ = chart_.Changes();
  update();
}

void GameChartView::paintEvent(QPaintEvent*) {
  // Drawn in the widget's own units on a device of the screen's pixel ratio: lines and text
  // are as sharp at 200% as at 100%.
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  // Time runs left to right and numbers read left to right in every language: a window laid
  // out right to left keeps the chart, its axes' labels and "-$500.00" as they are.
  p.setLayoutDirection(Qt::LeftToRight);
  const std::vector<ChartPoint>& points = chart_.Points();
  const QFontMetrics fm(font());
  const int line = fm.height();

  // The amounts span every credit and net worth shown, and always zero.
  int64_t low = 0, high = 0;
  for (const ChartPoint& c : points) {
    low = std::min({low, c.Credits, c.NetWorth()});
    high = std::max({high, c.Credits, c.NetWorth()});
  }
  if (high == low) high = low + 100;
  const int64_t step = AxisStep(high - low);
  low = low >= 0 ? low / step * step : -((-low + step - 1) / step * step);
  high = (high + step - 1) / step * step;
  const int64_t lastSpin = std::max<int64_t>(1, points.empty() ? 1 : points.back().Spin);

  int labelWidth = 0;
  for (int64_t v = low; v <= high; v += step)
    labelWidth = std::max(labelWidth, fm.horizontalAdvance(Dollars(v)));
  const QRectF plot(labelWidth + 8, line * 2 + 4, width() - labelWidth - 16,
                    height() - line * 4 - 8);
  if (plot.width() < 20 || plot.height() < 20) return;
  auto at = [&](int64_t spin, int64_t cents) {
    const double x = static_cast<double>(spin) / static_cast<double>(lastSpin);
    const double y = static_cast<double>(cents - low) / static_cast<double>(high - low);
    return QPointF(plot.left() + x * plot.width(), plot.bottom() - y * plot.height());
  };

  p.fillRect(rect(), palette().base());
  const QColor text = palette().text().color();
  QColor grid = text;
  grid.setAlphaF(0.15);
  for (int64_t v = low; v <= high; v += step) {
    const qreal y = at(0, v).y();
    p.setPen(QPen(v == 0 ? text : grid, 0));
    p.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
    p.setPen(text);
    p.drawText(QRectF(0, y - line / 2.0, labelWidth + 4, line), Qt::AlignRight | Qt::AlignVCenter,
               Dollars(v));
  }
  p.setPen(QPen(text, 0));
  p.drawLine(plot.bottomLeft(), plot.topLeft());
  p.drawText(QRectF(plot.left(), plot.bottom() + 2, plot.width(), line), Qt::AlignLeft, "0");
  p.drawText(QRectF(plot.left(), plot.bottom() + 2, plot.width(), line), Qt::AlignRight,
             QLocale().toString(qlonglong(lastSpin)));
  //: The chart's horizontal axis: the spins played in this game.
  p.drawText(QRectF(plot.left(), plot.bottom() + 2, plot.width(), line), Qt::AlignHCenter,
             tr("Spins"));

  // The legend above the plot, from the window's edge: the axis labels of a large amount take
  // room the captions need.
  const qreal legendLeft = 8;
  qreal x = legendLeft;
  qreal ly = line / 2.0 + 2;
  auto legend = [&](const QColor& colour, const QString& caption, int kind) {
    p.setPen(QPen(colour, 2));
    p.setBrush(colour);
    if (kind == 0) {
      p.drawLine(QPointF(x, ly), QPointF(x + 16, ly));
      x += 20;
    } else if (kind == 1) {
      p.drawEllipse(QPointF(x + 4, ly), 3.5, 3.5);
      x += 12;
    } else {
      p.drawPolygon(Triangle(QPointF(x + 4, kind == 2 ? ly - 4 : ly + 4), kind == 2, 7));
      x += 12;
    }
    p.setPen(text);
    p.drawText(QPointF(x, ly + fm.ascent() / 2.0 - 1), caption);
    x += fm.horizontalAdvance(caption) + 12;
  };
  //: The chart's legend: the line of the credits.
  legend(kCreditsColour, tr("Credits"), 0);
  //: The chart's legend: the line of the credits less what is owed to the bank.
  legend(kWorthColour, tr("Net worth"), 0);
  x = legendLeft;
  ly += line + 2;
  //: The chart's legend: the mark of a bonus won.
  legend(kBonusColour, tr("Bonus"), 1);
  //: The chart's legend: the mark of a loan from the bank.
  legend(kLoanColour, tr("Loan"), 2);
  //: The chart's legend: the mark of a payment back to the bank.
  legend(kPaybackColour, tr("Payback"), 3);

  if (points.empty()) return;
  p.setClipRect(plot.adjusted(-6, -8, 6, 8));
  p.setBrush(Qt::NoBrush);
  QPainterPath credits, worth;
  credits.moveTo(at(points.front().Spin, points.front().Credits));
  worth.moveTo(at(points.front().Spin, points.front().NetWorth()));
  for (size_t i = 1; i < points.size(); ++i) {
    credits.lineTo(at(points[i].Spin, points[i].Credits));
    worth.lineTo(at(points[i].Spin, points[i].NetWorth()));
  }
  p.setPen(QPen(kWorthColour, 1.5, Qt::DashLine));
  p.drawPath(worth);
  p.setPen(QPen(kCreditsColour, 2));
  p.drawPath(credits);

  for (const ChartPoint& c : points) {
    const QPointF where = at(c.Spin, c.Credits);
    if (c.Marks & ChartPoint::Bonus) {
      p.setPen(QPen(text, 1));
      p.setBrush(kBonusColour);
      p.drawEllipse(where, 4.5, 4.5);
    }
    if (c.Marks & ChartPoint::Loan) {
      p.setPen(QPen(kLoanColour.darker(), 1));
      p.setBrush(kLoanColour);
      p.drawPolygon(Triangle(where, true, 8));
    }
    if (c.Marks & ChartPoint::Payback) {
      p.setPen(QPen(kPaybackColour.darker(), 1));
      p.setBrush(kPaybackColour);
      p.drawPolygon(Triangle(where, false, 8));
    }
  }
}

}  // namespace zandor
