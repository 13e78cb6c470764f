// The slot dialog on the offscreen platform: layout, captions by mode, the name box, saving
// into a slot and opening it again, and a write that fails.
#include <gtest/gtest.h>

#include <QApplication>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <vector>

#include "help/Help.h"
#include "platform/DialogPrompts.h"
#include "saves/SavedGames.h"
#include "saves/SlotDialog.h"
#include "store/IniFile.h"
#include "tests/support/Dollars.h"
#include "tests/support/FakePrompts.h"
#include "tests/support/TempDir.h"

using namespace zandor;

namespace {

// The fake prompts, with the real name box unless the test answers it.
struct SlotPrompts : FakePrompts {
  bool FakeName = false;
  DialogPrompts Real{nullptr};  // only its name box is used
  std::optional<QString> AskText(QWidget* parent, const QString& title, const QString& label,
                                 const QString& proposal, int maxLength) override {
    if (FakeName) return FakePrompts::AskText(parent, title, label, proposal, maxLength);
    return Real.AskText(parent, title, label, proposal, maxLength);
  }
};

// Constructed before the dialog that uses them.
template <class P>
struct OwnPrompts {
  P Prompts;
};

// The slot dialog with its boxes captured instead of shown.
class TestSlotDialog : OwnPrompts<SlotPrompts>, public SlotDialog {
 public:
  TestSlotDialog(MachineState& g, SavedGameTable& table, Mode mode)
      : SlotDialog(g, table, mode, Prompts) {}
  std::vector<QString>& Warnings = Prompts.Messages;
  std::vector<HelpTopic>& Topics = Prompts.Topics;
  bool& FakeName = Prompts.FakeName;
  std::deque<std::optional<QString>>& Answers = Prompts.Texts;
};

// The slot dialog's size, caption by mode, panel positions and what a never-saved slot shows.
TEST(SlotDialogTest, LayoutAndCaptions) {
  TempDir dir;
  PlayerIni player(dir.Path());
  SavedGameTable table(dir.Path(), player);
  MachineState g;
  TestSlotDialog save(g, table, SlotDialog::Mode::Save);
  EXPECT_EQ(save.windowTitle(), "Save a Game -- Select Game Slot");
  EXPECT_EQ(save.size(), QSize(616, 360));
  EXPECT_EQ(save.minimumSize(), save.maximumSize());
  EXPECT_EQ(save.SlotPanels[0]->geometry(), QRect(16, 16, 289, 65));
  EXPECT_EQ(save.SlotPanels[3]->geometry(), QRect(16, 232, 289, 65));
  EXPECT_EQ(save.SlotPanels[5]->geometry(), QRect(312, 88, 289, 65));
  EXPECT_EQ(save.NameFields[2]->geometry(), QRect(8, 8, 233, 20));
  EXPECT_FALSE(save.NameFields[2]->hasFrame());
  EXPECT_EQ(save.GameLabels[2]->geometry().topLeft(), QPoint(8, 28));
  EXPECT_EQ(save.DateLabels[2]->geometry().topLeft(), QPoint(168, 28));
  EXPECT_EQ(save.BorrowedLabels[2]->geometry().topLeft(), QPoint(112, 48));
  EXPECT_TRUE(save.BorrowedLabels[2]->alignment() & Qt::AlignRight);
  EXPECT_EQ(save.SlotButtons[7]->geometry(), QRect(232, 16, 49, 37));
  EXPECT_EQ(save.SlotButtons[0]->objectName(), "SlotButton1");
  EXPECT_EQ(save.SlotButtons[7]->objectName(), "SlotButton8");
  EXPECT_EQ(save.SlotButtons[7]->property("tag").toInt(), 8);
  EXPECT_TRUE(save.SlotButtons[7]->text().isEmpty());
  EXPECT_EQ(save.CancelButton->geometry(), QRect(508, 316, 97, 37));
  EXPECT_EQ(save.CancelButton->text(), "&Cancel");
  EXPECT_EQ(save.HelpButton->geometry(), QRect(8, 316, 97, 37));
  for (int i = 0; i < 8; ++i) {
    EXPECT_EQ(save.NameFields[i]->text(), QString("Game #%1").arg(i + 1));
    EXPECT_EQ(save.GameLabels[i]->text(), "Zandor Slots");
    EXPECT_EQ(save.DateLabels[i]->text(), QString::fromStdString(TodayText()));
    EXPECT_EQ(save.CreditsLabels[i]->text(), "1000.00 credits");
    EXPECT_EQ(save.BorrowedLabels[i]->text(), "1000.00 borrowed");
  }
  QTest::mouseClick(save.HelpButton, Qt::LeftButton);
  QTest::keyClick(save.NameFields[0], Qt::Key_F1);
  EXPECT_EQ(save.Topics, (std::vector<HelpTopic>{HelpTopic::SavedGames, HelpTopic::SavedGames}));

  TestSlotDialog open(g, table, SlotDialog::Mode::Open);
  EXPECT_EQ(open.windowTitle(), "Open a Game -- Select Game Slot");
}

// Saving into slot 3 through the real name box (title, empty prompt, proposal from the name
// field, 255-character limit), then opening slot 3 in a fresh dialog gives the game back.
TEST(SlotDialogTest, SaveThroughNameBoxThenOpen) {
  TempDir dir;
  PlayerIni player(dir.Path());
  SavedGameTable table(dir.Path(), player);
  MachineState g;
  g.Credits = 1500.25_usd;
  g.Borrowed = 2000_usd;
  g.BonusPool = 75.5_usd;
  g.Spins = 12;
  g.PowerPts = 33;
  g.FreeSpinCount = 2;
  TestSlotDialog save(g, table, SlotDialog::Mode::Save);
  save.NameFields[2]->setText("Typed here");
  QString title, label, proposal;
  int maxLength = 0;
  QTimer::singleShot(0, [&] {
    auto* box = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr);
    title = box->windowTitle();
    label = box->labelText();
    proposal = box->textValue();
    maxLength = box->findChild<QLineEdit*>()->maxLength();
    box->setTextValue("Lucky streak");
    box->accept();
  });
  QTest::mouseClick(save.SlotButtons[2], Qt::LeftButton);
  EXPECT_EQ(title, "Name for this saved game?");
  EXPECT_EQ(label, "Name for this saved game?");  // the question beside the field too
  EXPECT_EQ(proposal, "Typed here");
  EXPECT_EQ(maxLength, 255);
  EXPECT_EQ(save.result(), QDialog::Accepted);
  EXPECT_EQ(IniFile(dir.Path() + "POWER.INI").ReadString("Saved Game 3", "Credits", ""), "1500.25");

  MachineState h;
  h.Wager = 5_usd;
  TestSlotDialog open(h, table, SlotDialog::Mode::Open);
  EXPECT_EQ(open.NameFields[2]->text(), "Lucky streak");
  EXPECT_EQ(open.CreditsLabels[2]->text(), "1500.25 credits");
  EXPECT_EQ(open.BorrowedLabels[2]->text(), "2000.00 borrowed");
  open.NameFields[2]->setText("ignored when opening");
  QTest::mouseClick(open.SlotButtons[2], Qt::LeftButton);
  EXPECT_EQ(open.result(), QDialog::Accepted);
  EXPECT_EQ(h.Credits, 1500.25_usd);
  EXPECT_EQ(h.Borrowed, 2000.0_usd);
  EXPECT_EQ(h.BonusPool, 75.5_usd);
  EXPECT_EQ(h.Spins, 12);
  EXPECT_EQ(h.PowerPts, 33);
  EXPECT_EQ(h.FreeSpinCount, 2);
  EXPECT_EQ(h.Wager, Money());  // coins placed go with the game they were placed in
  EXPECT_EQ(IniFile(dir.Path() + "POWER.INI").ReadString("Saved Game 3", "Name", ""),
            "Lucky streak");
}

// Cancel in the dialog or in the name box saves and changes nothing; a write that fails says
// which file could not be written.
TEST(SlotDialogTest, CancelAndFailedWrite) {
  TempDir dir;
  PlayerIni player(dir.Path());
  SavedGameTable table(dir.Path(), player);
  MachineState g;
  g.Credits = 1_usd;
  {
    TestSlotDialog save(g, table, SlotDialog::Mode::Save);
    QTest::mouseClick(save.CancelButton, Qt::LeftButton);
    EXPECT_EQ(save.result(), QDialog::Rejected);
  }
  {
    TestSlotDialog save(g, table, SlotDialog::Mode::Save);
    save.FakeName = true;
    save.ChooseSlot(4);  // the name box answers Cancel
    EXPECT_EQ(save.result(), QDialog::Accepted);
  }
  {
    TestSlotDialog open(g, table, SlotDialog::Mode::Open);
    QTest::mouseClick(open.CancelButton, Qt::LeftButton);
  }
  EXPECT_EQ(g.Credits, 1.0_usd);
  EXPECT_EQ(ReadFile(dir.Path() + "POWER.INI"), "");

  WriteFile(dir.Path() + "file", "x");
  PlayerIni filePlayer(dir.Path() + "file/");
  SavedGameTable fileSlots(dir.Path() + "file/", filePlayer);
  MachineState f;
  TestSlotDialog save(f, fileSlots, SlotDialog::Mode::Save);
  save.FakeName = true;
  save.Answers.push_back(QString("x"));
  save.ChooseSlot(1);
  ASSERT_EQ(save.Warnings.size(), 1u);
  EXPECT_EQ(save.Warnings[0],
            QString::fromStdString("Unable to write to " + dir.Path() + "file/POWER.INI"));
}

// The Help button shows the game's question mark, a white mark on a blue disc, drawn at the
// screen's own pixels at 100, 150 and 200 %: not the style's stand-in picture, which reads as
// a missing image.
TEST(SlotDialogTest, HelpButtonPicture) {
  TempDir dir;
  PlayerIni player(dir.Path());
  SavedGameTable table(dir.Path(), player);
  MachineState g;
  TestSlotDialog open(g, table, SlotDialog::Mode::Open);
  const QSize size = open.HelpButton->iconSize();
  for (const double ratio : {1.0, 1.5, 2.0}) {
    SCOPED_TRACE(ratio);
    const QImage picture = open.HelpButton->icon().pixmap(size, ratio).toImage();
    ASSERT_EQ(picture.size(), (QSizeF(size) * ratio).toSize());
    int blue = 0, white = 0, other = 0;
    for (int y = 0; y < picture.height(); ++y)
      for (int x = 0; x < picture.width(); ++x) {
        const QColor c = picture.pixelColor(x, y);
        if (c.alpha() < 255) continue;  // the disc's smoothed edge and the corners
        if (c.blue() > 150 && c.red() < 80 && c.green() < 120)
          ++blue;
        else if (c.red() > 200 && c.green() > 200 && c.blue() > 200)
          ++white;
        else if (c.red() > c.blue())
          ++other;  // a warm colour is no part of it
      }
    const int area = picture.width() * picture.height();
    EXPECT_GT(blue, area / 3);
    EXPECT_GT(white, area / 40);
    EXPECT_EQ(other, 0);
  }
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
