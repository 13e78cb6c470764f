#include "record/RecentSpinsWindow.h"

#include <QDateTime>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "face/FaceAccessible.h"
#include "face/Glyphs.h"
#include "help/Help.h"
#include "help/HelpKey.h"
#include "machine/MachineState.h"
#include "platform/CentreOnScreen.h"
#include "platform/LocaleText.h"
#include "platform/Prompts.h"
#include "record/SpinPicture.h"
#include "record/Statistics.h"

namespace zandor {

namespace {

constexpr int kIconSize = 48;

// The table's columns name what they hold in credits: the locale's number, no sign.
QString Dollars(int64_t cents) { return CreditsText(Money::Cents(cents)); }

// Today's spins show the time only; older ones the date too, as the locale writes it.
QString TimeText(int64_t t) {
  const QDateTime when = QDateTime::fromSecsSinceEpoch(t);
  const QString time = when.toString("HH:mm:ss");
  return when.date() == QDate::currentDate() ? time : DateText(when.date()) + ' ' + time;
}

QString PaysText(const SpinReport& s) {
  QStringList pays;
  for (int64_t pay : s.LinePays) pays << (pay > 0 ? Dollars(pay) : QString("\u2013"));
  return pays.join("  ");
}

QString CardText(const SpinEntry& e) {
  const std::string outcome = e.CardOutcome();
  if (outcome.empty()) return {};
  //: The card game was offered, and the player took the win without drawing.
  if (outcome == "Kept") return RecentSpinsWindow::tr("Not played");
  //: The card game doubled the win: what the spin paid after it.
  if (outcome == "Won") return RecentSpinsWindow::tr("Won \u2192 %1").arg(Dollars(e.Spin.Win));
  //: The card game lost the win: what the spin paid after it.
  return RecentSpinsWindow::tr("Lost \u2192 %1").arg(Dollars(e.Spin.Win));
}

// The reels in words, row by row as they stood: "top: Bell, Lemon, Cherry; middle: ...".
QString ReelsText(const SpinReport& s) {
  static const char* const rows[3] = {QT_TRANSLATE_NOOP("zandor::RecentSpinsWindow", "top: %1"),
                                      QT_TRANSLATE_NOOP("zandor::RecentSpinsWindow", "middle: %1"),
                                      QT_TRANSLATE_NOOP("zandor::RecentSpinsWindow", "bottom: %1")};
  QStringList lines;
  for (int row = 0; row < 3; ++row) {
    QStringList names;
    for (int reel = 0; reel < 3; ++reel) names << SymbolName(s.Grid[reel * 3 + row]);
    lines << RecentSpinsWindow::tr(rows[row]).arg(names.join(QStringLiteral(", ")));
  }
  return lines.join(QStringLiteral("; "));
}

QTableWidgetItem* Cell(const QString& text, bool right = true) {
  auto* item = new QTableWidgetItem(text);
  item->setTextAlignment((right ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
  return item;
}

// A coin value as the Options menu names it ("25¢"), else as an amount.
QString CoinText(int64_t cents) {
  for (const CoinRow& row : CoinTable)
    if (row.Value.InCents() == cents) return QString::fromUtf8(row.Caption);
  return Dollars(cents);
}

// What happened, in the player's words.
QString EventText(const EventEntry& e) {
  switch (e.What) {
    case EventEntry::Borrowed:
      return RecentSpinsWindow::tr("Borrowed %1 from the bank").arg(Dollars(e.Amount));
    case EventEntry::PaidBack:
      return RecentSpinsWindow::tr("Paid back %1 to the bank").arg(Dollars(e.Amount));
    case EventEntry::NewGame:
      return RecentSpinsWindow::tr("New game");
    case EventEntry::OpenedGame:
      return RecentSpinsWindow::tr("Opened a saved game");
    case EventEntry::CoinValue:
      return RecentSpinsWindow::tr("Coin value %1").arg(CoinText(e.Amount));
  }
  return {};
}

}  // namespace

RecentSpinsWindow::RecentSpinsWindow(const RecentSpins& spins, ArtworkFn artwork, Prompts& prompts,
                                     QWidget* parent)
    : QDialog(parent), spins_(spins), artwork_(std::move(artwork)), prompts_(prompts) {
  setObjectName("RecentSpins");
  setWindowTitle(tr("Recent Spins"));
  setSizeGripEnabled(true);

  Table = new QTableWidget(0, 9);
  Table->setHorizontalHeaderLabels({tr("Time"),
                                    //: Column heading: the coin value of the spin.
                                    tr("Coin"),
                                    //: Column heading: the coins wagered on the spin.
                                    tr("Coins"),
                                    //: Column heading: the picture of the reels.
                                    tr("Reels"),
                                    //: Column heading: what each of the five paylines paid.
                                    tr("Line pays"),
                                    //: Column heading: what the spin paid.
                                    tr("Win"), tr("Bonus pool"), tr("Card game"),
                                    tr("Credits after")});
  Table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  Table->horizontalHeader()->setStretchLastSection(true);
  Table->verticalHeader()->setVisible(false);
  Table->verticalHeader()->setDefaultSectionSize(kIconSize + 4);
  Table->setIconSize(QSize(kIconSize, kIconSize));
  Table->setSelectionBehavior(QAbstractItemView::SelectRows);
  Table->setSelectionMode(QAbstractItemView::SingleSelection);
  Table->setEditTriggers(QAbstractItemView::NoEditTriggers);
  Table->setAccessibleName(tr("Recent spins, newest first"));
  connect(Table, &QTableWidget::itemSelectionChanged, this, &RecentSpinsWindow::ShowChosen);

  View = new SpinView;
  HelpButton = new QPushButton(tr("&Help"));
  CloseButton = new QPushButton(tr("&Close"));
  HelpButton->setAutoDefault(false);
  CloseButton->setDefault(true);
  ConnectHelp(this, HelpButton, prompts_, HelpTopic::RecentSpins);
  connect(CloseButton, &QPushButton::clicked, this, &QDialog::accept);

  auto* top = new QHBoxLayout;
  top->addWidget(Table, 5);
  top->addWidget(View, 3);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(HelpButton);
  buttons->addStretch();
  buttons->addWidget(CloseButton);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top, 1);
  layout->addLayout(buttons);

  timer_.setInterval(500);
  connect(&timer_, &QTimer::timeout, this, &RecentSpinsWindow::FillList);
  timer_.start();
  FillList();
  const QRect screen =
      parent && parent->screen() ? parent->screen()->availableGeometry() : QRect(0, 0, 1280, 1024);
  resize(std::min(1180, screen.width() - 40), std::min(620, screen.height() - 40));
  CentreOnScreen(this, parent);
}

void RecentSpinsWindow::FillList() {
  if (spins_.Changes() == shownChanges_) return;
  shownChanges_ = spins_.Changes();
  // The rows point into the list of spins, which has changed: the choice is kept by serial.
  const int chosenRow = Table->currentRow();
  const bool wasChosen = chosenRow >= 0 && chosenRow < static_cast<int>(rows_.size());
  const bool chosenSpin = wasChosen && rows_[static_cast<size_t>(chosenRow)].Spin;
  const uint64_t chosen = !wasChosen   ? 0
                          : chosenSpin ? rows_[static_cast<size_t>(chosenRow)].Spin->Serial
                                       : rows_[static_cast<size_t>(chosenRow)].Event->Serial;
  rows_ = spins_.Rows();
  const auto [art, size] = artwork_ ? artwork_() : std::pair<const QImage*, int>{nullptr, 0};
  const QImage noArt;
  Table->blockSignals(true);
  Table->clearSpans();
  Table->setRowCount(static_cast<int>(rows_.size()));
  Table->blockSignals(false);
  for (int row = 0; row < static_cast<int>(rows_.size()); ++row) {
    if (const EventEntry* event = rows_[static_cast<size_t>(row)].Event) {
      FillEventRow(row, *event);
      continue;
    }
    Table->setRowHeight(row, Table->verticalHeader()->defaultSectionSize());
    const SpinEntry& e = *rows_[static_cast<size_t>(row)].Spin;
    const SpinReport& s = e.Spin;
    const int64_t coins = s.CoinValue > 0 ? s.Wager / s.CoinValue : 0;
    // A spin that a crash interrupted and the next start completed carries a mark by its time.
    Table->setItem(row, 0, Cell(TimeText(e.Time) + (s.Completed ? " *" : ""), false));
    if (s.Completed) Table->item(row, 0)->setToolTip(tr("Completed after an interruption"));
    Table->setItem(row, 1, Cell(Dollars(s.CoinValue)));
    //: The coins of a free spin: "25 free".
    const QString freeCoins = tr("%1 free").arg(coins);
    Table->setItem(row, 2, Cell(s.Free ? freeCoins : QLocale().toString(coins)));
    auto* reels = new QTableWidgetItem;
    // Drawn at the artwork's size and shrunk: the lines are drawn thick enough to survive it.
    const QImage picture = DrawSpinPicture(art ? *art : noArt, size, s, std::max(size, 96) / 12);
    // The icon keeps the picture's density, so that it is as sharp as the face.
    const double ratio = picture.devicePixelRatio();
    const int iconPixels = DevicePixel(kIconSize, ratio);
    QImage icon =
        picture.scaled(iconPixels, iconPixels, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    icon.setDevicePixelRatio(ratio);
    reels->setData(Qt::DecorationRole, QPixmap::fromImage(icon));
    // The picture's symbols as text, for a screen reader and as the picture's tip.
    reels->setData(Qt::AccessibleTextRole, ReelsText(s));
    reels->setData(Qt::ToolTipRole, ReelsText(s));
    Table->setItem(row, 3, reels);
    Table->setItem(row, 4, Cell(PaysText(s), false));
    Table->setItem(row, 5, Cell(Dollars(s.Win)));
    Table->setItem(row, 6, Cell(s.Pool > 0 ? Dollars(s.Pool) : QString()));
    Table->setItem(row, 7, Cell(CardText(e), false));
    Table->setItem(row, 8, Cell(Dollars(s.CreditsAfter)));
    if (s.Free) {
      for (int c = 0; c < 9; ++c)
        if (QTableWidgetItem* item = Table->item(row, c)) item->setForeground(QColor(0, 110, 160));
    }
  }
  // The newest row is chosen as the list first fills; the player's choice then stays on its
  // spin or event while newer ones arrive above it.
  if (rows_.empty()) {
    View->Show(QImage(), tr("No spins yet."));
    return;
  }
  const auto at = std::find_if(rows_.begin(), rows_.end(), [&](const RecentRow& r) {
    return wasChosen &&
           (chosenSpin ? r.Spin && r.Spin->Serial == chosen : r.Event && r.Event->Serial == chosen);
  });
  Table->selectRow(at == rows_.end() ? 0 : static_cast<int>(at - rows_.begin()));
  ShowChosen();
}

// An event's row: its time, what happened across the spin's columns, and the credits after it.
void RecentSpinsWindow::FillEventRow(int row, const EventEntry& e) {
  Table->setRowHeight(row, fontMetrics().height() + 8);
  Table->setItem(row, 0, Cell(TimeText(e.Time), false));
  for (int c = 1; c < 8; ++c) Table->setItem(row, c, nullptr);
  Table->setItem(row, 1, Cell(EventText(e), false));
  Table->setSpan(row, 1, 1, 7);
  Table->setItem(row, 8, Cell(Dollars(e.CreditsAfter)));
  for (int c : {0, 1, 8}) {
    QTableWidgetItem* item = Table->item(row, c);
    QFont font = item->font();
    font.setItalic(true);
    item->setFont(font);
    item->setForeground(QColor(110, 70, 0));
  }
}

void RecentSpinsWindow::ShowChosen() {
  const int row = Table->currentRow();
  if (row < 0 || row >= static_cast<int>(rows_.size())) return;
  if (const EventEntry* event = rows_[static_cast<size_t>(row)].Event) {
    View->Show(QImage(), TimeText(event->Time) + QLatin1Char('\n') + EventText(*event) +
                             QLatin1Char('\n') +
                             tr("Credits after %1, owed to the bank %2")
                                 .arg(Dollars(event->CreditsAfter), Dollars(event->BorrowedAfter)));
    return;
  }
  const SpinEntry& e = *rows_[static_cast<size_t>(row)].Spin;
  const auto [art, size] = artwork_ ? artwork_() : std::pair<const QImage*, int>{nullptr, 0};
  QString caption = TimeText(e.Time);
  if (e.Spin.Free) caption += QStringLiteral("  ") + tr("free spin");
  if (e.Spin.Completed) caption += QStringLiteral("  ") + tr("completed after an interruption");
  caption += QLatin1Char('\n') +
             tr("Win %1, credits after %2").arg(Dollars(e.Spin.Win), Dollars(e.Spin.CreditsAfter));
  if (e.Spin.Pool > 0) caption += QLatin1Char('\n') + tr("Bonus pool %1").arg(Dollars(e.Spin.Pool));
  View->Show(DrawSpinPicture(art ? *art : QImage(), size, e.Spin), caption);
  View->setAccessibleDescription(ReelsText(e.Spin) + QStringLiteral(". ") +
                                 QString(caption).replace(QLatin1Char('\n'), QStringLiteral(". ")));
}

SpinView::SpinView(QWidget* parent) : QWidget(parent) {
  setMinimumSize(240, 240);
  setAccessibleName(RecentSpinsWindow::tr("The chosen spin"));
}

void SpinView::Show(const QImage& picture, const QString& caption) {
  picture_ = picture;
  caption_ = caption;
  update();
}

void SpinView::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), FaceColor);
  const int captionHeight = fontMetrics().lineSpacing() * 3 + 8;
  const QRect area = rect().adjusted(8, 8, -8, -8 - captionHeight);
  if (!picture_.isNull() && area.width() > 0 && area.height() > 0) {
    const QSize own = picture_.deviceIndependentSize().toSize();
    QSize fit = own.scaled(area.size(), Qt::KeepAspectRatio);
    // Never blown up beyond the artwork's own size: it would only blur.
    if (fit.width() > own.width()) fit = own;
    const QRect target(area.x() + (area.width() - fit.width()) / 2, area.y(), fit.width(),
                       fit.height());
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(target, picture_);
  }
  p.setPen(ButtonTextColor);
  p.drawText(rect().adjusted(8, height() - captionHeight, -8, -4), Qt::AlignHCenter | Qt::AlignTop,
             caption_);
}

}  // namespace zandor
