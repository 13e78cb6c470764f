// "Recent Spins": the last 100 spins, newest first, with the events among them (a loan, a
// payback, a new or opened game, a coin value), and the chosen spin drawn large.
#pragma once

#include <QDialog>
#include <QImage>
#include <QTimer>
#include <functional>
#include <vector>

#include "record/RecentSpins.h"

class QLabel;
class QPushButton;
class QTableWidget;

namespace zandor {

class SpinView;

class Prompts;

class RecentSpinsWindow : public QDialog {
  Q_OBJECT

 public:
  // The artwork set and its symbol size come from the face each time they are drawn.
  using ArtworkFn = std::function<std::pair<const QImage*, int>()>;
  RecentSpinsWindow(const RecentSpins& spins, ArtworkFn artwork, Prompts& prompts,
                    QWidget* parent = nullptr);

  // One row per spin or event, newest first.
  QTableWidget* Table;
  // The chosen spin, large.
  SpinView* View;
  QPushButton *HelpButton, *CloseButton;

  // Refills the list when spins or events were added since it was filled.
  void FillList();

 private:
  void ShowChosen();
  void FillEventRow(int row, const EventEntry& e);

  const RecentSpins& spins_;
  ArtworkFn artwork_;
  Prompts& prompts_;
  uint64_t shownChanges_ = ~uint64_t{0};
  std::vector<RecentRow> rows_;  // what each row shows
  QTimer timer_;
};

// Paints one spin's reel window, scaled to fit, with a caption under it.
class SpinView : public QWidget {
 public:
  explicit SpinView(QWidget* parent = nullptr);
  // The picture and caption to show; a null picture shows the hint.
  void Show(const QImage& picture, const QString& caption);
  const QImage& Picture() const { return picture_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QImage picture_;
  QString caption_;
};

}  // namespace zandor
