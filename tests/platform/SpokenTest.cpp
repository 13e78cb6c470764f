// What a screen reader hears from the platform layer: announcements and the prompts' fields.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QActionGroup>
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QTimer>

#include "platform/AccessEvents.h"
#include "platform/Announcement.h"
#include "platform/DialogPrompts.h"
#include "platform/MenuToggles.h"
#include "tests/support/TestApp.h"

using namespace zandor;

namespace {

// Closes the next modal box as soon as it is open.
void CloseNextBox() {
  QTimer::singleShot(0, [] {
    if (QWidget* box = QApplication::activeModalWidget()) static_cast<QDialog*>(box)->accept();
  });
}

}  // namespace

// Every sentence is heard, in order, even when read after all of them were told, several turns
// later (a screen reader fetches a notification's text when it gets round to it, and of two
// shows of one notification still waiting it reads only the later); a box that shows a queued
// sentence takes it from the queue, so a reason at an auto-spin limit is read once, in its box.
TEST(Announcements, NoneLostNoneRepeated) {
  TestApp();
  struct Case {
    QList<QStringList> Turns;  // the sentences told in each turn of the event loop
    QString Boxed;             // a box shows this text after the last turn's sentences
    QStringList Heard;
  };
  const QString reason = "Automatic spins stopped after 3 spins.";
  const QStringList spins = {"No win, 997.50.", "Won 2.50, 993.75.", "No win, 987.50."};
  const Case cases[] = {
      {{{"No win. Credits 997.50.", "Total win 5.00. Credits 1002.50."}}, {},
       {"No win. Credits 997.50.", "Total win 5.00. Credits 1002.50."}},
      {{{"No win. Credits 997.50.", reason}}, reason, {"No win. Credits 997.50."}},
      {{{"a", "b", "c", "d", "e", "f"}}, {}, {"a", "b", "c", "d", "e", "f"}},
      {{{"Wager 0.25, 1 coin.", "Wager 0.25, 1 coin."}}, {},
       {"Wager 0.25, 1 coin.", "Wager 0.25, 1 coin."}},
      // Automatic spins, a turn each, read only once the last has been told.
      {{{"Wager 6.25, 25 coins."}, {spins[0]}, {spins[1]}, {spins[2], reason}}, reason,
       {"Wager 6.25, 25 coins.", spins[0], spins[1], spins[2]}},
      {{{"1"}, {"2"}, {"3"}, {"4"}, {"5"}, {"6"}, {"7"}, {"8"}, {"9"}, {"10"}, {"11"}, {"12"}},
       {},
       {"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12"}},
  };
  QWidget window;
  QDialog dialog(&window);
  DialogPrompts prompts(nullptr);
  for (const Case& c : cases) {
    const std::string what = c.Turns.back().join('|').toStdString();
    std::vector<QPointer<QObject>> shown;
    ListenToAccessibility([&](QAccessibleEvent& e) {
      if (e.type() == QAccessible::ObjectShow && e.accessibleInterface() &&
          e.accessibleInterface()->role() == QAccessible::Notification)
        shown.emplace_back(e.object());
    });
    for (const QStringList& turn : c.Turns) {
      for (const QString& s : turn) Announce(&dialog, s);
      EXPECT_EQ(LastAnnouncement(&window), turn.back());
      if (&turn != &c.Turns.back()) QCoreApplication::processEvents();
    }
    if (!c.Boxed.isEmpty()) {
      CloseNextBox();
      prompts.Inform(&dialog, c.Boxed);
    }
    QCoreApplication::processEvents();
    ListenToAccessibility(nullptr);
    QStringList heard;
    for (size_t i = 0; i < shown.size(); ++i) {
      const QPointer<QObject>& o = shown[i];
      heard << (o ? QAccessible::queryAccessibleInterface(o)->text(QAccessible::Name) : "gone");
      // One notification may show twice only with every other one shown in between.
      for (size_t j = 0; j < i; ++j) EXPECT_NE(shown[j], o) << what << " show " << i;
    }
    EXPECT_EQ(heard, c.Heard) << what;
  }
}

// A menu entry that switches something on or off says whether it is on, as a check box or, in a
// group of choices, a radio button, under the menu's own caption; other entries stay items. Each
// has its place in its menu (a screen reader drops an entry whose menu does not count it as
// gone, and never speaks it).
TEST(MenuToggles, StateSpokenOnOrOff) {
  TestApp();
  ExposeMenuToggles();
  QMenu menu;
  QAction* plain = menu.addAction("&New Game");
  QAction* on = menu.addAction("&Acey Ducey");
  on->setCheckable(true);
  on->setChecked(true);
  QAction* off = menu.addAction("High &Contrast");
  off->setCheckable(true);
  QActionGroup speeds(&menu);
  QAction* fast = menu.addAction("&Fast");
  QAction* slow = menu.addAction("&Slow");
  for (QAction* a : {fast, slow}) {
    a->setCheckable(true);
    speeds.addAction(a);
  }
  slow->setChecked(true);
  (void)plain;
  struct Row {
    QString Name;
    QAccessible::Role Role;
    bool Checked;
  };
  const Row rows[] = {{"New Game", QAccessible::MenuItem, false},
                      {"Acey Ducey", QAccessible::CheckBox, true},
                      {"High Contrast", QAccessible::CheckBox, false},
                      {"Fast", QAccessible::RadioButton, false},
                      {"Slow", QAccessible::RadioButton, true}};
  menu.popup(QPoint(0, 0));
  QAccessibleInterface* m = QAccessible::queryAccessibleInterface(&menu);
  ASSERT_EQ(m->childCount(), 5);
  for (int i = 0; i < 5; ++i) {
    QAccessibleInterface* item = m->child(i);
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->text(QAccessible::Name), rows[i].Name);
    EXPECT_EQ(item->role(), rows[i].Role) << i;
    EXPECT_EQ(item->state().checked, rows[i].Checked) << i;
    QAccessibleInterface* parent = item->parent();
    ASSERT_NE(parent, nullptr);
    EXPECT_EQ(parent->role(), QAccessible::PopupMenu);
    EXPECT_EQ(parent->indexOfChild(item), i);
    EXPECT_EQ(parent->child(i), item);
    EXPECT_FALSE(item->rect().isEmpty());
  }
  // Toggled through the screen reader, the entry toggles as a click would.
  m->child(2)->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
  EXPECT_TRUE(off->isChecked());
  menu.close();
}

// A prompt that asks its question in the title shows it beside the field too, and the field is
// named by it (every other text field of the program has a caption and a name of its own).
TEST(Prompts, TextFieldNamedByItsQuestion) {
  TestApp();
  QWidget window;
  DialogPrompts prompts(nullptr);
  QString shownCaption, fieldName;
  QTimer::singleShot(0, [&] {
    auto* box = static_cast<QDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr);
    for (QLabel* l : box->findChildren<QLabel*>())
      if (l->isVisible() && !l->text().isEmpty()) shownCaption = l->text();
    if (auto* edit = box->findChild<QLineEdit*>())
      fieldName = QAccessible::queryAccessibleInterface(edit)->text(QAccessible::Name);
    box->reject();
  });
  EXPECT_EQ(prompts.AskText(&window, "Name for this saved game?", "", "Fun", 255), std::nullopt);
  EXPECT_EQ(shownCaption, "Name for this saved game?");
  EXPECT_EQ(fieldName, "Name for this saved game?");
}
