// The payoff chart: the seven payoff rows as symbol pictures and the money each pays for one
// to five coins at the current coin value, in five coloured columns of digits.
#pragma once

#include <QDialog>
#include <QImage>
#include <array>
#include <functional>
#include <string>

#include "face/Glyphs.h"
#include "machine/GameState.h"

class QLabel;
class QPushButton;

namespace zandor {

class PaintedArea;
class Prompts;

class PayoffChart : public QDialog {
  Q_OBJECT

 public:
  // Shows the pays at the machine's coin value, with the pictures of the program's folder; a
  // picture that cannot be loaded is told through prompts.
  PayoffChart(const MachineState& machine, const Folders& dirs, const GlyphSet& glyphs,
              Prompts& prompts, QWidget* parent = nullptr);

  // Loads the chart pictures and sets the captions; returns the error text shown, or "".
  std::string LoadPictures();
  // Draws the bevels, the symbol rows and the money columns into Chart.
  void PaintChart();
  // Check mark of "High Contrast": the column captions on black, the coin value in a darker
  // red, so every text stands out from the grey.
  void SetHighContrast(bool on);

  QImage Chart;         // the client area as painted, 674 x 393
  QImage FullPicture;   // "Zandor96.bmp" as loaded
  QImage ChartSymbols;  // the full picture at a quarter of its size: 24-pixel symbols
  std::array<QLabel*, 5> ColumnLabels;  // the column captions, "1 Coin" to "5 Coins"
  QLabel* BonusText;                    // how the bonus is won
  QLabel* TitleLabel;                   // the game title
  QLabel* CoinValueLabel;               // the coin value
  QPushButton* OkButton;                // "&OK"
  // The chart as a table for a screen reader: the symbols and the five pays of each row.
  PaintedArea* Table;

  // Right edges of the five column captions, where the money columns end their last cell.
  static constexpr int ColumnRight[5] = {197, 311, 423, 535, 647};
  // Where column 0..4 draws its last digit cell with the current artwork.
  int DigitsX(int column) const;

 protected:
  void showEvent(QShowEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  // Places the coin value and the title on their line, clear of the bottom edge.
  void PlaceTitle();

  const MachineState& machine_;
  const Folders& dirs_;
  const GlyphSet& glyphs_;
  Prompts& prompts_;
};

}  // namespace zandor
