#include "record/StatisticsWindow.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "help/Help.h"
#include "help/HelpKey.h"
#include "platform/CentreOnScreen.h"
#include "platform/Language.h"
#include "platform/LocaleText.h"
#include "platform/Prompts.h"
#include "record/GameChartView.h"

namespace zandor {

namespace {

const char* const kCaptions[] = {
    QT_TRANSLATE_NOOP("zandor::StatisticsWindow", "Spins (paid / free)"),
    QT_TRANSLATE_NOOP("zandor::StatisticsWindow", "Money wagered"),
    QT_TRANSLATE_NOOP("zandor::StatisticsWindow", "Won on the paylines"),
    QT_TRANSLATE_NOOP("zandor::StatisticsWindow", "Bonus pools won"),
    QT_TRANSLATE_NOOP("zandor::StatisticsWindow", "Card game hands (won / lost)"),
    QT_TRANSLATE_NOOP("zandor::StatisticsWindow", "Card game net"),
    QT_TRANSLATE_NOOP("zandor::StatisticsWindow", "Biggest single win"),
    QT_TRANSLATE_NOOP("zandor::StatisticsWindow", "Total won"),
    QT_TRANSLATE_NOOP("zandor::StatisticsWindow", "Net result (won \u2212 wagered)"),
    QT_TRANSLATE_NOOP("zandor::StatisticsWindow", "Actual payback"),
    QT_TRANSLATE_NOOP("zandor::StatisticsWindow", "Theoretical payback at a full wager"),
    QT_TRANSLATE_NOOP("zandor::StatisticsWindow", "Borrowed / paid back"),
    QT_TRANSLATE_NOOP("zandor::StatisticsWindow", "Time played"),
};

QString DollarText(int64_t cents) { return AmountText(Money::Cents(cents)); }

// "+$1.00", "-$1.00" or "$0.00".
QString Signed(int64_t cents) { return SignedAmountText(Money::Cents(cents)); }

QString Count(int64_t n) { return QLocale().toString(qlonglong(n)); }

QString Counts(int64_t a, int64_t b) { return QStringLiteral("%1 / %2").arg(Count(a), Count(b)); }

QStringList Column(const Tally& t, int64_t theory) {
  const int64_t pools = t.PoolTotal;
  const int64_t payback = PaybackTenths(t);
  return {Counts(t.Spins, t.FreeSpins), DollarText(t.Wagered), DollarText(t.LineWins),
          //: Bonus pools won: "2 for $1,234.00", how many and what they paid together.
          StatisticsWindow::tr("%1 for %2").arg(Count(t.Pools), DollarText(pools)),
          Counts(t.HandsWon, t.HandsLost), Signed(t.CardNet), DollarText(t.BiggestWin),
          DollarText(t.Won()), Signed(t.Net()),
          // Before any wager there is no payback to show.
          payback < 0 ? QStringLiteral("-") : zandor::PercentText(double(payback) / 10, 1),
          zandor::PercentText(double(theory) / 100, 2),
          QStringLiteral("%1 / %2").arg(DollarText(t.Lent), DollarText(t.Repaid)),
          Translated(Duration(t.Seconds))};
}

}  // namespace

StatisticsWindow::StatisticsWindow(PlayerRecord& record, const MachineState& machine,
                                   std::function<void()> refresh, Prompts& prompts, QWidget* parent)
    : QDialog(parent),
      record_(record),
      machine_(machine),
      refresh_(std::move(refresh)),
      prompts_(prompts) {
  setObjectName("Statistics");
  setWindowTitle(tr("Statistics"));
  theory_ = TheoreticalPaybackHundredths();

  // A table, so that a screen reader reads each figure with its row and column; it looks as
  // the rows of captions and figures it replaces: no grid, no frame, the window's colour.
  Figures = new QTableWidget(static_cast<int>(std::size(kCaptions)), 2);
  Figures->setObjectName("Figures");
  Figures->setAccessibleName(windowTitle());
  //: Heading of the column of figures since New Game or Open.
  Figures->setHorizontalHeaderLabels({tr("This game"),
                                      //: Heading of the column of figures of every game played.
                                      tr("Lifetime")});
  QStringList captions;
  for (const char* caption : kCaptions) captions << tr(caption);
  Figures->setVerticalHeaderLabels(captions);
  for (int r = 0; r < Figures->rowCount(); ++r)
    for (int c = 0; c < 2; ++c) {
      auto* cell = new QTableWidgetItem;
      cell->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
      cell->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
      Figures->setItem(r, c, cell);
    }
  Figures->setShowGrid(false);
  Figures->setFrameShape(QFrame::NoFrame);
  Figures->setEditTriggers(QAbstractItemView::NoEditTriggers);
  Figures->setSelectionMode(QAbstractItemView::SingleSelection);
  Figures->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  Figures->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  Figures->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
  Figures->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
  QPalette plain = Figures->palette();
  plain.setColor(QPalette::Base, plain.color(QPalette::Window));
  Figures->setPalette(plain);
  QHeaderView* heads = Figures->horizontalHeader();
  QHeaderView* rowHeads = Figures->verticalHeader();
  heads->setDefaultAlignment(Qt::AlignRight | Qt::AlignVCenter);
  rowHeads->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  heads->setSectionResizeMode(QHeaderView::ResizeToContents);
  rowHeads->setSectionResizeMode(QHeaderView::ResizeToContents);
  heads->setSectionsClickable(false);
  rowHeads->setSectionsClickable(false);
  heads->setHighlightSections(false);
  rowHeads->setHighlightSections(false);
  // The headers as text: bold column headings, plain captions, 24 pixels between columns.
  heads->setStyleSheet(QStringLiteral(
      "QHeaderView { background: transparent; } QHeaderView::section { background: transparent; "
      "border: none; padding: 1px 0px 1px 24px; font-weight: bold; }"));
  rowHeads->setStyleSheet(QStringLiteral(
      "QHeaderView { background: transparent; } QHeaderView::section { background: transparent; "
      "border: none; padding: 1px 0px; }"));
  Figures->setCornerButtonEnabled(false);
  Figures->setStyleSheet(
      QStringLiteral("QTableView::item { padding-left: 24px; } "
                     "QTableCornerButton::section { background: transparent; border: none; }"));

  now_ = new QLabel;
  now_->setWordWrap(true);
  now_->setTextInteractionFlags(Qt::TextSelectableByMouse);

  ResetButton = new QPushButton(tr("Reset &Lifetime..."));
  HelpButton = new QPushButton(tr("&Help"));
  CloseButton = new QPushButton(tr("&Close"));
  CloseButton->setDefault(true);
  for (QPushButton* b : {ResetButton, HelpButton}) b->setAutoDefault(false);
  connect(ResetButton, &QPushButton::clicked, this, &StatisticsWindow::ResetLifetime);
  ConnectHelp(this, HelpButton, prompts_, HelpTopic::Statistics);
  connect(CloseButton, &QPushButton::clicked, this, &QDialog::accept);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(ResetButton);
  buttons->addWidget(HelpButton);
  buttons->addStretch();
  buttons->addWidget(CloseButton);

  auto* figures = new QVBoxLayout;
  figures->addWidget(Figures);
  figures->addSpacing(8);
  figures->addWidget(now_);
  figures->addStretch();
  chart_ = new GameChartView(record_.Chart);
  auto* beside = new QHBoxLayout;
  beside->addLayout(figures);
  beside->addSpacing(12);
  beside->addWidget(chart_, 1);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(beside, 1);
  layout->addLayout(buttons);

  // Automatic spins go on while the window is open; the figures and the chart follow them.
  timer_.setInterval(500);
  connect(&timer_, &QTimer::timeout, this, &StatisticsWindow::ShowFigures);
  timer_.start();
  ShowFigures();
  // The layout's own minimum keeps every caption whole, in any language; a fixed minimum
  // width let a small screen squeeze the captions beside the chart.
  adjustSize();
  CentreOnScreen(this, parent);
}

void StatisticsWindow::ShowFigures() {
  if (refresh_) refresh_();
  const QStringList columns[2] = {Column(record_.Game, theory_), Column(record_.Lifetime, theory_)};
  for (int r = 0; r < Figures->rowCount(); ++r)
    for (int c = 0; c < 2; ++c) {
      QTableWidgetItem* cell = Figures->item(r, c);
      cell->setText(columns[c].value(r));
      // A screen reader moving through the table reads the cell alone; its name says where it
      // is: "$6.25, Money wagered, This game".
      cell->setData(Qt::AccessibleTextRole,
                    QStringList({cell->text(), Figures->verticalHeaderItem(r)->text(),
                                 Figures->horizontalHeaderItem(c)->text()})
                        .join(QStringLiteral(", ")));
    }
  const int64_t credits = CentsOf(machine_.Credits), borrowed = CentsOf(machine_.Borrowed);
  const int64_t wager = CentsOf(machine_.Wager);
  const PlayerRecord::GameTally& g = record_.Game;
  QString text = tr("<b>Now:</b> credits %1, borrowed %2, net worth (credits \u2212 borrowed) %3.")
                     .arg(DollarText(credits), DollarText(borrowed), Signed(credits - borrowed));
  if (wager > 0)
    text += QLatin1Char(' ') + tr("A bet of %1 waits on the lines.").arg(DollarText(wager));
  text +=
      QStringLiteral("<br>") + tr("This game began with credits %1 and borrowed %2.")
                                   .arg(DollarText(g.StartCredits), DollarText(g.StartBorrowed));
  // The sum a player can check against the meters: nothing else moves the credits.
  const int64_t bank = g.Lent - g.Repaid;
  //: %2 and %3 carry their sign: "Check: $1,000.00 at the start -$25.00 (net result) +$100.00
  //: (bank) = $1,075.00 in credits and bet."
  text += QStringLiteral("<br>") +
          tr("Check: %1 at the start %2 (net result) %3 (bank) = %4 in credits and bet.")
              .arg(DollarText(g.StartCredits), Signed(g.Net()), Signed(bank),
                   DollarText(g.StartCredits + g.Net() + bank));
  now_->setText(text);
  chart_->Follow();
}

QString StatisticsWindow::Figure(const QString& caption, int column) const {
  for (int r = 0; r < Figures->rowCount(); ++r)
    if (Figures->verticalHeaderItem(r)->text() == caption && column >= 0 && column < 2)
      return Figures->item(r, column)->text();
  return {};
}

void StatisticsWindow::ResetLifetime() {
  if (!prompts_.Confirm(
          this, tr("Reset Lifetime"),
          tr("Reset the lifetime statistics to zero? This game's figures and the recent spins "
             "stay. This cannot be undone.")))
    return;
  record_.ResetLifetime();
  ShowFigures();
}

}  // namespace zandor
