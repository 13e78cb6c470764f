#include "face/PayoffChart.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <algorithm>
#include <cstdio>

#include "face/FaceAccessible.h"
#include "face/FacePainter.h"
#include "help/HelpKey.h"
#include "platform/CentreOnScreen.h"
#include "platform/Language.h"
#include "platform/PaintedArea.h"
#include "platform/Prompts.h"

namespace zandor {

namespace {

constexpr int kRowTop = 40, kRowPitch = 37, kCell = 24;
constexpr int kSymbolX[3] = {10, 44, 78};
constexpr int kDigitRows[5] = {4, 5, 1, 3, 2};
constexpr int kWidth = 674, kHeight = 393, kDigitCell = 15;
// The top of the coin value and the title, and the least space under their ink.
constexpr int kTitleTop = 352, kTitleClearance = 3;
// The captions' colours, and in high contrast those of their columns' digits, on black.
const QColor kCaptionColours[5] = {Qt::red, Qt::white, Qt::blue, Qt::magenta, QColor(0, 128, 0)};
const QColor kDigitColours[5] = {Qt::red, Qt::white, Qt::cyan, Qt::magenta, Qt::green};

void SetTextColour(QLabel* label, const QColor& text, const QColor* background) {
  QPalette pal = label->palette();
  pal.setColor(QPalette::WindowText, text);
  if (background) pal.setColor(QPalette::Window, *background);
  label->setPalette(pal);
  label->setAutoFillBackground(background != nullptr);
}

QLabel* MakeLabel(QWidget* parent, const QString& text, const QFont& font, const QColor& colour) {
  auto* label = new QLabel(text, parent);
  label->setFont(font);
  QPalette pal = label->palette();
  pal.setColor(QPalette::WindowText, colour);
  label->setPalette(pal);
  return label;
}

// The caption of the column of pays for n coins: "1 Coin", "2 Coins".
QString CoinsCaption(int n) {
  //: The heading of the column of pays for this many coins wagered on a line.
  return TranslatedN("zandor::PayoffChart", "%n Coin(s)", nullptr, n);
}

// A caption keeps its right edge whatever width its text measures.
void PlaceRightAligned(QLabel* label, int right, int top, int height) {
  const int width = label->fontMetrics().horizontalAdvance(label->text()) + 2;
  label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  label->setGeometry(right - width, top, width, height);
}

}  // namespace

PayoffChart::PayoffChart(const MachineState& machine, const Folders& dirs, const GlyphSet& glyphs,
                         Prompts& prompts, QWidget* parent)
    : QDialog(parent), machine_(machine), dirs_(dirs), glyphs_(glyphs), prompts_(prompts) {
  setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                 Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
  setFixedSize(674, 393);
  //: The window's title; %1 is the game's name, "Zandor Slots", in every language.
  setWindowTitle(tr("%1 Payoffs").arg(QStringLiteral("Zandor Slots")));
  QPalette pal = palette();
  pal.setColor(QPalette::Window, FaceColor);
  setPalette(pal);

  Chart = MakeCanvas(674, 393, 1, FaceColor);

  const QFont caption = FaceFont(14, true);
  for (int n = 0; n < 5; ++n) {
    ColumnLabels[n] = MakeLabel(this, CoinsCaption(n + 1), caption, kCaptionColours[n]);
    PlaceRightAligned(ColumnLabels[n], ColumnRight[n], 8, 24);
  }

  BonusText =
      MakeLabel(this,
                tr("Win 7 free spins and the Bonus Pool by raising the Bonus Meter to 100%.  The "
                   "GAIN symbol increases power by 10% of full, and the LOSS symbol reduces it "
                   "by 50% of current value."),
                FaceFont(10, false), Qt::black);
  BonusText->setWordWrap(true);
  BonusText->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  BonusText->setGeometry(40, 304, 585, 41);

  CoinValueLabel = MakeLabel(this, QString(), FaceFont(24, true), Qt::red);
  CoinValueLabel->move(40, 352);
  TitleLabel = MakeLabel(this, QStringLiteral("Zandor Slots"), FaceFont(24, true), Qt::black);
  TitleLabel->move(104, 352);
  TitleLabel->adjustSize();

  OkButton = new QPushButton(tr("&OK"), this);
  OkButton->setFont(FaceFont(10, false));
  OkButton->setGeometry(537, 352, 89, 33);
  OkButton->setDefault(true);
  connect(OkButton, &QPushButton::clicked, this, &QDialog::accept);
  ConnectHelp(this, nullptr, prompts_, HelpTopic::Payoffs);

  // The rows as a screen reader walks them: the symbols, then the pay for one to five coins.
  Table = new PaintedArea(this, QAccessible::Table, tr("Payoffs"), [this] {
    std::vector<PaintedPart> cells;
    for (int r = 1; r <= 7; ++r) {
      const int y = kRowTop + kRowPitch * (r - 1);
      const int v = r == 7 ? 5 : r - 1;
      PaintedPart symbols;
      symbols.Name = r == 7 ? tr("%1, %1, any symbol").arg(SymbolName(v))
                            : tr("%1, %1, %1").arg(SymbolName(v));
      symbols.Role = QAccessible::Cell;
      symbols.Place = QRect(kSymbolX[0], y, kSymbolX[2] + kCell - kSymbolX[0], kCell);
      cells.push_back(symbols);
      for (int n = 1; n <= 5; ++n) {
        PaintedPart pay;
        pay.Role = QAccessible::Cell;
        pay.Name = pay.Value = MoneyWords(machine_.CoinValue * (PayFactors[r - 1] * n));
        pay.Place = QRect(ColumnRight[n - 1] - 110, y + 2, 125, 20);
        cells.push_back(pay);
      }
    }
    return cells;
  });
  //: The heading of the column of symbol pictures.
  Table->SetColumns({tr("Symbols"), CoinsCaption(1), CoinsCaption(2), CoinsCaption(3),
                     CoinsCaption(4), CoinsCaption(5)});
  Table->setGeometry(0, 0, 674, 300);
}

void PayoffChart::SetHighContrast(bool on) {
  const QColor black(Qt::black);
  for (int n = 0; n < 5; ++n)
    SetTextColour(ColumnLabels[n], on ? kDigitColours[n] : kCaptionColours[n],
                  on ? &black : nullptr);
  SetTextColour(CoinValueLabel, on ? QColor(160, 0, 0) : QColor(Qt::red), nullptr);
}

std::string PayoffChart::LoadPictures() {
  // The pictures of the last showing go first; a failed load leaves the symbol cells empty.
  FullPicture = QImage();
  ChartSymbols = QImage();
  std::string err = LoadBitmap(dirs_.Program + "Zandor96.bmp", FullPicture);
  if (!err.empty()) {
    // The box belongs to the window that opened the chart, which stays on screen after it.
    prompts_.Warn(parentWidget(), QString::fromStdString(err));
    return err;
  }
  TitleLabel->setText(QStringLiteral("Zandor Slots"));
  TitleLabel->adjustSize();
  // On a high-density screen the symbols keep more of the full picture's pixels.
  const double ratio = Chart.devicePixelRatio();
  ChartSymbols = FullPicture.scaled(DevicePixel(FullPicture.width() / 4, ratio),
                                    DevicePixel(FullPicture.height() / 4, ratio),
                                    Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  ChartSymbols.setDevicePixelRatio(ratio);
  CoinValueLabel->setText(machine_.Bet < CoinTable.size()
                              ? QString::fromUtf8(CoinTable[machine_.Bet].Caption)
                              : QString());
  PlaceTitle();
  setWindowTitle(tr("%1 Payoffs").arg(TitleLabel->text()));
  return "";
}

void PayoffChart::PaintChart() {
  Chart.fill(FaceColor);
  for (int r = 1; r <= 7; ++r) {
    const int y = kRowTop + kRowPitch * (r - 1);
    const int v = r == 7 ? 5 : r - 1;  // the last row is two of symbol 5, whatever the third
    const int places = r == 7 ? 2 : 3;
    CopyRect(Chart, kSymbolX[0], y, ChartSymbols, kCell * (v % 3), kCell * (v / 3), kCell, kCell);
    for (int i = 0; i < places; ++i) {
      if (i > 0) CopyRect(Chart, kSymbolX[i], y, Chart, kSymbolX[0], y, kCell, kCell);
      DrawBevel(Chart, kSymbolX[i], y, kSymbolX[i] + kCell, y + kCell, 3);
    }
    for (int n = 1; n <= 5; ++n) {
      const std::string text =
          (machine_.CoinValue * (PayFactors[r - 1] * n)).Padded(n == 1 ? 7 : 8);
      DrawDigits(Chart, glyphs_, text, DigitsX(n - 1), y + 2, false, kDigitRows[n - 1]);
    }
  }
  update();
}

int PayoffChart::DigitsX(int column) const {
  // With the 144 artwork the digits move 13 pixels outwards; the last column's last cell still
  // ends inside the chart.
  const int right = ColumnRight[column];
  const int shift = glyphs_.SymbolSize == 144 ? (right >= 200 ? 13 : -13) : 0;
  return right - std::max(0, right + shift + kDigitCell - kWidth);
}

void PayoffChart::PlaceTitle() {
  // The coin value and the title share a line; when a caption's ink (the "$" of "$5" reaches
  // below the line) would come near the bottom edge, the line moves up.
  int below = 0;
  for (QLabel* label : {CoinValueLabel, TitleLabel}) {
    label->adjustSize();
    const QFontMetrics metrics(label->font());
    const int baseline = kTitleTop + (label->height() - metrics.height()) / 2 + metrics.ascent();
    const int inkBottom = baseline + metrics.tightBoundingRect(label->text()).bottom();
    below = std::max(below, inkBottom - (kHeight - kTitleClearance));
  }
  CoinValueLabel->move(40, kTitleTop - below);
  TitleLabel->move(104, kTitleTop - below);
}

void PayoffChart::showEvent(QShowEvent* event) {
  // The chart is drawn at the screen's own density; its logical size never changes.
  const double ratio = devicePixelRatioF();
  if (Chart.devicePixelRatio() != ratio) Chart = MakeCanvas(674, 393, ratio, FaceColor);
  LoadPictures();
  PaintChart();
  Table->Changed();
  CentreOnScreen(this);
  QDialog::showEvent(event);
}

void PayoffChart::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.drawImage(0, 0, Chart);
}

}  // namespace zandor
