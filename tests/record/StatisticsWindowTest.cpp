// The statistics window as a screen reader and the eye find it.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QHeaderView>
#include <QTableWidget>

#include "record/StatisticsWindow.h"
#include "tests/support/FakePrompts.h"
#include "tests/support/TestApp.h"

using namespace zandor;

// The figures are a table: each figure is read with its row's caption and its column's
// heading, "This game" or "Lifetime" (by its headers, and in its own name for a screen reader
// that reads a cell alone), and the table still looks like the plain rows of text it
// was: no grid, no frame, headings that are not buttons, every caption and figure whole.
TEST(StatisticsWindow, FiguresAreATableWithHeaders) {
  TestApp();
  PlayerRecord record;
  record.Game.Spins = 3;
  record.Game.Wagered = 625;
  record.Lifetime.Spins = 12;
  record.Lifetime.FreeSpins = 7;
  record.Lifetime.Wagered = 2950;
  MachineState machine;
  FakePrompts prompts;
  StatisticsWindow stats(record, machine, nullptr, prompts);
  stats.show();

  struct Cell {
    int Row, Column;
    QString Caption, Heading, Text;
  };
  const Cell cells[] = {{0, 0, "Spins (paid / free)", "This game", "3 / 0"},
                        {0, 1, "Spins (paid / free)", "Lifetime", "12 / 7"},
                        {1, 0, "Money wagered", "This game", "$6.25"},
                        {1, 1, "Money wagered", "Lifetime", "$29.50"},
                        {12, 1, "Time played", "Lifetime", ""}};
  QAccessibleInterface* table = QAccessible::queryAccessibleInterface(stats.Figures);
  ASSERT_NE(table->tableInterface(), nullptr);
  EXPECT_EQ(table->role(), QAccessible::Table);
  EXPECT_EQ(table->tableInterface()->columnCount(), 2);
  EXPECT_EQ(table->tableInterface()->rowCount(), 13);
  for (const Cell& c : cells) {
    QAccessibleInterface* cell = table->tableInterface()->cellAt(c.Row, c.Column);
    ASSERT_NE(cell, nullptr);
    QAccessibleTableCellInterface* place = cell->tableCellInterface();
    ASSERT_NE(place, nullptr);
    ASSERT_EQ(place->rowHeaderCells().size(), 1);
    ASSERT_EQ(place->columnHeaderCells().size(), 1);
    EXPECT_EQ(place->rowHeaderCells()[0]->text(QAccessible::Name), c.Caption);
    EXPECT_EQ(place->columnHeaderCells()[0]->text(QAccessible::Name), c.Heading);
    if (!c.Text.isEmpty())
      EXPECT_EQ(cell->text(QAccessible::Name), c.Text + ", " + c.Caption + ", " + c.Heading);
    EXPECT_EQ(stats.Figure(c.Caption, c.Column), stats.Figures->item(c.Row, c.Column)->text());
  }

  EXPECT_FALSE(stats.Figures->showGrid());
  EXPECT_EQ(stats.Figures->frameShape(), QFrame::NoFrame);
  EXPECT_FALSE(stats.Figures->horizontalHeader()->sectionsClickable());
  EXPECT_EQ(stats.Figures->palette().color(QPalette::Base),
            stats.palette().color(QPalette::Window));
  // Every caption and figure fits: nothing to scroll, nothing cut.
  const QSize room = stats.Figures->viewport()->size();
  EXPECT_GE(room.width(), stats.Figures->horizontalHeader()->length());
  EXPECT_GE(room.height(), stats.Figures->verticalHeader()->length());
  for (int r = 0; r < stats.Figures->rowCount(); ++r)
    EXPECT_GE(stats.Figures->verticalHeader()->width(),
              stats.Figures->fontMetrics().horizontalAdvance(
                  stats.Figures->verticalHeaderItem(r)->text()));
}

// Every figure is written as the player's locale writes numbers, amounts and percentages, and
// a screen reader hears the cell as it is shown.
TEST(StatisticsWindow, FiguresAsTheLocaleWritesThem) {
  TestApp();
  const QString nb = QString(QChar(0x00a0)), nnb = QString(QChar(0x202f));
  struct Row {
    const char* Locale;
    QString Spins, Wagered, Net, Payback;
  } rows[] = {
      {"en_US", "12,345 / 7", "$1,000.00", "-$200.00", "80.0%"},
      {"de_DE", "12.345 / 7", "1.000,00" + nb + "$", "-200,00" + nb + "$", "80,0" + nb + "%"},
      {"fr_FR", "12" + nnb + "345 / 7", "1" + nnb + "000,00" + nb + "$", "-200,00" + nb + "$",
       "80,0" + nnb + "%"},
      {"it_IT", "12.345 / 7", "1.000,00" + nb + "$", "-200,00" + nb + "$", "80,0%"},
      {"pl_PL", "12" + nb + "345 / 7", "1000,00" + nb + "$", "-200,00" + nb + "$", "80,0%"},
  };
  PlayerRecord record;
  record.Game.Spins = 12345;
  record.Game.FreeSpins = 7;
  record.Game.Wagered = 100000;
  record.Game.LineWins = 80000;
  MachineState machine;
  FakePrompts prompts;
  for (const Row& row : rows) {
    SCOPED_TRACE(row.Locale);
    QLocale::setDefault(QLocale(row.Locale));
    StatisticsWindow stats(record, machine, nullptr, prompts);
    const std::pair<int, QString> cells[] = {
        {0, row.Spins}, {1, row.Wagered}, {8, row.Net}, {9, row.Payback}};
    for (const auto& [r, text] : cells) {
      QTableWidgetItem* cell = stats.Figures->item(r, 0);
      EXPECT_EQ(cell->text(), text);
      EXPECT_TRUE(cell->data(Qt::AccessibleTextRole).toString().startsWith(text + ", "));
    }
  }
  QLocale::setDefault(QLocale::c());
}
