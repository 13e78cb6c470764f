// The game chart in a window laid out right to left: time still runs left to right, the
// amounts read as numbers do, and the axes' labels stay beside their own ends.
#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>

#include "record/GameChart.h"
#include "record/GameChartView.h"
#include "tests/support/TestApp.h"

using namespace zandor;

TEST(GameChartView, RightToLeftWindowDrawsTheSameChart) {
  TestApp();
  GameChart chart;
  chart.Restart(100'000, 0);
  chart.Add({1, 50'000, 0, ChartPoint::None});
  chart.Add({2, 150'000, 100'000, ChartPoint::Loan});
  chart.Add({6, -50'000, 100'000, ChartPoint::Bonus});  // a loss drawn below zero: "-$500.00"
  // As -reverse does: the whole program laid out right to left.
  auto draw = [&](Qt::LayoutDirection direction) {
    QGuiApplication::setLayoutDirection(direction);
    GameChartView view(chart);
    view.resize(420, 300);
    QImage image = view.grab().toImage();
    QGuiApplication::setLayoutDirection(Qt::LeftToRight);
    return image;
  };
  const QImage leftToRight = draw(Qt::LeftToRight);
  EXPECT_TRUE(draw(Qt::RightToLeft) == leftToRight);
}
