#include "record/StatisticsWindow.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "help/Help.h"
#include "help/HelpKey.h"
#include "platform/CentreOnScreen.h"
#include "platform/Prompts.h"
#include "record/GameChartView.h"

namespace zandor {

namespace {

const char* const kCaptions[] = {
    "Spins (paid / free)",
    "Money wagered",
    "Won on the paylines",
    "Bonus pools won",
    "Card game hands (won / lost)",
    "Card game net",
    "Biggest single win",
    "Total won",
    "Net result (won \u2212 wagered)",
    "Actual payback",
    "Theoretical payback at a full wager",
    "Borrowed / paid back",
    "Time played",
};

QString DollarText(int64_t cents) { return QString::fromStdString("$" + FormatDollars(cents)); }

// "+$1.00", "-$1.00" or "$0.00".
QString Signed(int64_t cents) {
  const QString sign = cents > 0 ? "+" : cents < 0 ? "-" : "";
  return sign + DollarText(cents < 0 ? -cents : cents);
}

QStringList Column(const Tally& t, int64_t theory) {
  const int64_t pools = t.PoolTotal;
  return {QString("%1 / %2").arg(t.Spins).arg(t.FreeSpins),
          DollarText(t.Wagered),
          DollarText(t.LineWins),
          QString("%1 for %2").arg(t.Pools).arg(DollarText(pools)),
          QString("%1 / %2").arg(t.HandsWon).arg(t.HandsLost),
          Signed(t.CardNet),
          DollarText(t.BiggestWin),
          DollarText(t.Won()),
          Signed(t.Net()),
          QString::fromStdString(PercentText(PaybackTenths(t))),
          QString("%1.%2%").arg(theory / 100).arg(theory % 100, 2, 10, QChar('0')),
          QString("%1 / %2").arg(DollarText(t.Lent), DollarText(t.Repaid)),
          QString::fromStdString(DurationText(t.Seconds))};
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
  setWindowTitle("Statistics");
  theory_ = TheoreticalPaybackHundredths();

  auto* grid = new QGridLayout;
  grid->setHorizontalSpacing(24);
  QFont bold = font();
  bold.setBold(true);
  const char* heads[] = {"This game", "Lifetime"};
  for (int c = 0; c < 2; ++c) {
    auto* head = new QLabel(heads[c]);
    head->setFont(bold);
    head->setAlignment(Qt::AlignRight);
    grid->addWidget(head, 0, c + 1);
  }
  int r = 1;
  for (const char* caption : kCaptions) {
    Row row{QString::fromUtf8(caption), {new QLabel, new QLabel}};
    grid->addWidget(new QLabel(row.Caption), r, 0);
    for (int c = 0; c < 2; ++c) {
      row.Cells[c]->setAlignment(Qt::AlignRight);
      row.Cells[c]->setTextInteractionFlags(Qt::TextSelectableByMouse);
      grid->addWidget(row.Cells[c], r, c + 1);
    }
    rows_.push_back(row);
    ++r;
  }
  now_ = new QLabel;
  now_->setWordWrap(true);
  now_->setTextInteractionFlags(Qt::TextSelectableByMouse);

  ResetButton = new QPushButton("Reset &Lifetime...");
  HelpButton = new QPushButton("&Help");
  CloseButton = new QPushButton("&Close");
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
  figures->addLayout(grid);
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
  setMinimumWidth(600);
  adjustSize();
  CentreOnScreen(this, parent);
}

void StatisticsWindow::ShowFigures() {
  if (refresh_) refresh_();
  const QStringList columns[2] = {Column(record_.Game, theory_), Column(record_.Lifetime, theory_)};
  for (size_t i = 0; i < rows_.size(); ++i)
    for (int c = 0; c < 2; ++c) rows_[i].Cells[c]->setText(columns[c].value(static_cast<int>(i)));
  const int64_t credits = CentsOf(machine_.Credits), borrowed = CentsOf(machine_.Borrowed);
  const int64_t wager = CentsOf(machine_.Wager);
  const PlayerRecord::GameTally& g = record_.Game;
  QString text =
      QString("<b>Now:</b> credits %1, borrowed %2, net worth (credits \u2212 borrowed) %3.")
          .arg(DollarText(credits), DollarText(borrowed), Signed(credits - borrowed));
  if (wager > 0) text += QString(" A bet of %1 waits on the lines.").arg(DollarText(wager));
  text += QString("<br>This game began with credits %1 and borrowed %2.")
              .arg(DollarText(g.StartCredits), DollarText(g.StartBorrowed));
  // The sum a player can check against the meters: nothing else moves the credits.
  const int64_t bank = g.Lent - g.Repaid;
  text += QString("<br>Check: %1 at the start %2 (net result) %3 (bank) = %4 in credits and bet.")
              .arg(DollarText(g.StartCredits), Signed(g.Net()), Signed(bank),
                   DollarText(g.StartCredits + g.Net() + bank));
  now_->setText(text);
  chart_->Follow();
}

QString StatisticsWindow::Figure(const QString& caption, int column) const {
  for (const Row& r : rows_)
    if (r.Caption == caption) return r.Cells[column]->text();
  return {};
}

void StatisticsWindow::ResetLifetime() {
  if (!prompts_.Confirm(
          this, "Reset Lifetime",
          "Reset the lifetime statistics to zero? This game's figures and the recent spins "
          "stay. This cannot be undone."))
    return;
  record_.ResetLifetime();
  ShowFigures();
}

}  // namespace zandor
