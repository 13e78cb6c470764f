// The chart of the current game in the statistics window: credits and net worth (credits minus
// what is owed) after every spin, with the bonus wins and the bank's loans and paybacks marked.
#pragma once

#include <QWidget>

#include "record/GameChart.h"

namespace zandor {

class GameChartView : public QWidget {
  Q_OBJECT

 public:
  explicit GameChartView(const GameChart& chart, QWidget* parent = nullptr);

  // Draws again when the chart changed since the last look.
  void Follow();
  QSize sizeHint() const override { return {420, 320}; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  const GameChart& chart_;
  uint64_t shown_ = 0;
};

}  // namespace zandor
