// The main window as the player meets it: layout, menus, start-up from the settings file,
// play through the real window, the background choices and closing.
#include <SDL2/SDL_mixer.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QFileInfo>
#include <QMenuBar>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <csignal>
#include <cstring>
#include <deque>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>

#include "app/Dirs.h"
#include "app/MainWindow.h"
#include "app/SingleInstance.h"
#include "app/SpinAnnouncer.h"
#include "audio/GameAudio.h"
#include "audio/MusicDialog.h"
#include "audio/SoundDialog.h"
#include "audio/VolumeDialog.h"
#include "bank/BankDialog.h"
#include "cards/CardTable.h"
#include "face/PayoffChart.h"
#include "help/Help.h"
#include "platform/AccessEvents.h"
#include "platform/Announcement.h"
#include "platform/PaintedArea.h"
#include "record/AutoSpinLimitsDialog.h"
#include "record/RecentSpinsWindow.h"
#include "record/RecordKeeper.h"
#include "record/StatisticsWindow.h"
#include "saves/SlotDialog.h"
#include "store/Settings.h"
#include "tests/support/Dollars.h"
#include "tests/support/FakePrompts.h"
#include "tests/support/TestApp.h"

using namespace zandor;

namespace {

QApplication& App() { return TestApp(); }

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream ss;
  ss << in.rdbuf();
  return ss.str();
}

struct Window : ::testing::Test {
  QTemporaryDir Settings;
  GameState Game;
  std::unique_ptr<MainWindow> Form;
  FakePrompts Prompts;
  std::vector<QString>& Messages = Prompts.Messages;

  Window() { App(); }

  void Open(const std::string& ini = "", const std::string& programDir = ProgramDirectory()) {
    Game.Dirs.Program = programDir;
    Game.Dirs.Settings = Settings.path().toStdString() + "/";
    if (!ini.empty()) std::ofstream(Game.Dirs.Settings + "ZANDOR.INI") << ini;
    Form = std::make_unique<MainWindow>(Game, Prompts);
    Form->show();
    QTest::qWaitForWindowExposed(Form.get());
  }
  QStringList Captions(QMenu* menu) {
    QStringList out;
    for (QAction* a : menu->actions()) out << (a->isSeparator() ? "-" : a->text());
    return out;
  }
  QMenu* TopMenu(const QString& caption) {
    for (QAction* a : Form->menuBar()->actions())
      if (a->text() == caption) return a->menu();
    return nullptr;
  }
};

}  // namespace

// The designed window: its caption, client size, panel and buttons in place.
TEST_F(Window, LayoutAtDesignedSize) {
  Open();
  EXPECT_EQ(Form->windowTitle(), "Zandor Slots");
  EXPECT_EQ(Form->centralWidget()->size(), QSize(632, 394));
  EXPECT_EQ(Form->ButtonPanel->geometry(), QRect(0, 337, 632, 57));
  EXPECT_EQ(Form->BetOneButton->geometry(), QRect(22, 4, 132, 49));
  EXPECT_EQ(Form->BetFiveButton->x(), 174);
  EXPECT_EQ(Form->BetMaxButton->x(), 326);
  EXPECT_EQ(Form->SpinButton->x(), 478);
  EXPECT_EQ(Form->BetOneButton->text(), "Bet 1");
  EXPECT_EQ(Form->BetOneButton->toolTip(), "Bet one credit (key 1)");
  EXPECT_EQ(Form->BetMaxButton->text(), "Bet Max");
  EXPECT_EQ(Form->SpinButton->toolTip(), "Spins the slot wheels (Space or Enter)");
  EXPECT_TRUE(Form->SpinButton->isDefault());
  EXPECT_EQ(Form->Face.SymbolSize, 96);
  EXPECT_EQ(Form->Face.ReelTop, 23);
  EXPECT_EQ(Form->Face.ReelLeft, 162);
}

// Every menu entry stands in its place with its caption and accelerator.
TEST_F(Window, MenuBar) {
  Open();
  QStringList top;
  for (QAction* a : Form->menuBar()->actions()) top << a->text();
  EXPECT_EQ(top, QStringList({"&File", "&Options", "&Borrow", "&Payoffs", "&Auto", "&Help"}));
  EXPECT_EQ(Captions(TopMenu("&File")),
            QStringList({"&New Game", "-", "&Open", "&Save", "-", "S&tatistics...",
                         "&Recent Spins...", "-", "E&xit"}));
  EXPECT_EQ(Captions(TopMenu("&Options")),
            QStringList({"&Acey Ducey", "-", "Back&ground", "-", "&Bet Amount", "-", "&Music", "-",
                         "&Sounds", "-", "&Volume...", "-", "Spin Spee&d", "-", "&Full Screen", "-",
                         "Blin&king Symbols", "&High Contrast"}));
  QMenu* options = TopMenu("&Options");
  auto sub = [&](const QString& caption) {
    for (QAction* a : options->actions())
      if (a->text() == caption) return a->menu();
    return static_cast<QMenu*>(nullptr);
  };
  EXPECT_EQ(Captions(sub("Back&ground")), QStringList({"Tiled Bitmap", "Solid Color"}));
  EXPECT_EQ(Captions(sub("&Bet Amount")),
            QStringList({"$5", "$1", "50\u00a2", "25\u00a2", "10\u00a2", "5\u00a2"}));
  EXPECT_EQ(Captions(sub("&Music")), QStringList({"On", "-", "Change Songs"}));
  EXPECT_EQ(Captions(sub("&Sounds")),
            QStringList({"On", "-", "Bonus", "Coins", "Credits", "Lose", "Power Drain", "Power Up",
                         "Slot Spin", "Stop", "Wheel Spin", "Win", "-", "Change WAVs"}));
  EXPECT_EQ(Captions(sub("Spin Spee&d")), QStringList({"Fast", "Medium", "Slow"}));
  EXPECT_EQ(Captions(TopMenu("&Auto")), QStringList({"&Auto Spin", "-", "Auto Spin &Limits..."}));
  EXPECT_EQ(Captions(TopMenu("&Help")), QStringList({"&About", "-", "&Manual"}));
}

// Full screen is the player's own choice in PLAYER.INI, apart from "Maxed": it comes back
// after a restart, Escape leaves it, and the window returns to the place it had before; a
// damaged value starts in a normal window.
TEST_F(Window, FullScreenAcrossARestart) {
  Open();
  const QRect place = Form->geometry();
  Form->FullScreenAction->trigger();
  EXPECT_TRUE(Form->FullScreen());
  QTRY_VERIFY(Form->isFullScreen());
  Form->close();
  EXPECT_NE(ReadFile(Game.Dirs.Settings + "PLAYER.INI").find("FullScreen=1"), std::string::npos);
  EXPECT_NE(ReadFile(Game.Dirs.Settings + "ZANDOR.INI").find("Maxed=0"), std::string::npos);

  Form.reset();
  Open();
  QTRY_VERIFY(Form->FullScreen());
  EXPECT_TRUE(Form->FullScreenAction->isChecked());
  QTRY_VERIFY(Form->isFullScreen());
  QTest::keyClick(Form.get(), Qt::Key_Escape);
  EXPECT_FALSE(Form->FullScreen());
  EXPECT_FALSE(Form->FullScreenAction->isChecked());
  QTRY_COMPARE(Form->geometry(), place);
  EXPECT_EQ(Form->centralWidget()->size(), QSize(632, 394));
  Form->close();
  EXPECT_NE(ReadFile(Game.Dirs.Settings + "PLAYER.INI").find("FullScreen=0"), std::string::npos);

  // Restoring from maximised comes back to the same place as well.
  Form.reset();
  Open();
  Form->move(place.topLeft() + QPoint(40, 30));
  const QRect moved = Form->geometry();
  Form->showMaximized();
  QTRY_VERIFY(Form->isMaximized());
  Form->showNormal();
  QTRY_COMPARE(Form->geometry(), moved);
  Form->close();

  std::ofstream(Game.Dirs.Settings + "PLAYER.INI") << "[Window]\nFullScreen=yes\n";
  Form.reset();
  Open();
  QTest::qWait(50);
  EXPECT_FALSE(Form->FullScreen());
  EXPECT_TRUE(Messages.empty());
}

// A fresh installation starts with the defaults and their check marks.
TEST_F(Window, FreshStartDefaults) {
  Open();
  EXPECT_EQ(Game.Machine.Credits, 1000.00_usd);
  EXPECT_EQ(Game.Machine.BonusPool, 50.00_usd);
  EXPECT_TRUE(Form->CoinQuarterAction->isChecked());
  EXPECT_FALSE(Form->CoinFiveDollarsAction->isChecked());
  EXPECT_TRUE(Form->FastAction->isChecked());
  EXPECT_TRUE(Form->AceyDuceyAction->isChecked());
  EXPECT_FALSE(Form->LoseSoundAction->isChecked());
  EXPECT_FALSE(Form->SlotSpinSoundAction->isChecked());
  EXPECT_TRUE(Form->WheelSpinSoundAction->isChecked());
  EXPECT_TRUE(Form->SoundOnAction->isChecked());
  EXPECT_TRUE(Form->MusicOnAction->isChecked());
  EXPECT_TRUE(Form->TiledAction->isChecked());
  EXPECT_FALSE(Form->AutoSpinAction->isChecked());
  EXPECT_EQ(Game.Machine.ReelStops, (std::array<int, 3>{26, 2, 8}));
}

// Loaded values take effect; values out of range stay as read while Fast and 25 cents rule.
TEST_F(Window, StartUpAppliesTheSettings) {
  Open(
      "[Settings]\nBet=0\nBonusPool=77.00\nSpeed=2\nsndLose=1\nBackBMP=/nowhere.bmp\n"
      "WinSound=/missing.wav\n");
  EXPECT_EQ(Game.Machine.CoinValue, 5.00_usd);
  EXPECT_EQ(Game.Machine.BonusPool, 77.00_usd);
  EXPECT_TRUE(Form->CoinFiveDollarsAction->isChecked());
  EXPECT_TRUE(Form->SlowAction->isChecked());
  EXPECT_EQ(Game.Machine.SpinDelay, 55);
  EXPECT_TRUE(Form->LoseSoundAction->isChecked());
  EXPECT_EQ(Game.Options.BackMode, BackgroundMode::SolidColor);
  EXPECT_TRUE(Form->SolidColorAction->isChecked());
  EXPECT_EQ(Game.Sound.WinFile, Game.Dirs.Program + "ZANDOR5.WAV");
  Form.reset();

  GameState other;
  Game = other;
  Open("[Settings]\nBet=7\nSpeed=9\n");
  EXPECT_EQ(Game.Machine.CoinValue, 0.25_usd);
  for (QAction* a :
       {Form->CoinFiveDollarsAction, Form->CoinOneDollarAction, Form->CoinFiftyCentsAction,
        Form->CoinQuarterAction, Form->CoinDimeAction, Form->CoinNickelAction})
    EXPECT_FALSE(a->isChecked());
  EXPECT_TRUE(Form->FastAction->isChecked());
  EXPECT_EQ(Game.Machine.SpinDelay, 10);
  Form->close();
  std::string ini = ReadFile(Game.Dirs.Settings + "ZANDOR.INI");
  EXPECT_NE(ini.find("Speed=9\n"), std::string::npos);
  EXPECT_NE(ini.find("Bet=7\n"), std::string::npos);
}

// Bet Max through the real window takes 25 coins, spins and settles with the money intact.
TEST_F(Window, BetMaxSpinsThroughTheWindow) {
  Open();
  Game.Options.AceyDucey = false;
  QTest::mouseClick(Form->BetMaxButton, Qt::LeftButton);
  EXPECT_EQ(Game.Machine.Spins, 1);
  EXPECT_EQ(Game.Machine.Wager, 0_usd);
  EXPECT_EQ(Game.Machine.LastWager, 6.25_usd);
  EXPECT_EQ(Game.Machine.Credits, 1000_usd - 6.25_usd + Game.Machine.SpinWin);
  EXPECT_TRUE(Form->SpinButton->isEnabled());
  EXPECT_TRUE(Form->WinBlinkTimer.isActive());
  // Enter repeats the bet.
  QTest::keyClick(Form.get(), Qt::Key_Return);
  EXPECT_EQ(Game.Machine.Spins, 2);
}

// Menus that would swap the game are greyed while the reels turn, and a close asked for
// meanwhile waits for the spin to settle, then saves.
TEST_F(Window, DuringASpin) {
  Open();
  Game.Options.AceyDucey = false;
  bool greyed = false, closedEarly = false;
  QTimer probe;
  probe.setInterval(50);
  QObject::connect(&probe, &QTimer::timeout, [&] {
    if (!Form->Machine.Busy()) return;
    greyed = !Form->NewGameAction->isEnabled() && !Form->OpenAction->isEnabled() &&
             !Form->SaveAction->isEnabled() && !Form->CoinNickelAction->isEnabled();
    Form->close();
    closedEarly = !Form->isVisible();
  });
  probe.start();
  Game.Machine.Spins = 1;
  Form->Machine.ChooseSpeed(SpinSpeed::Slow);
  QTest::mouseClick(Form->SpinButton, Qt::LeftButton);  // refused: no bet
  ASSERT_EQ(Messages.size(), 1u);
  EXPECT_EQ(Messages[0], "Please place a bet before spinning.");
  QTest::mouseClick(Form->BetMaxButton, Qt::LeftButton);
  probe.stop();
  EXPECT_TRUE(greyed);
  EXPECT_FALSE(closedEarly);
  QTest::qWait(50);
  EXPECT_FALSE(Form->isVisible());
  std::string ini = ReadFile(Game.Dirs.Settings + "ZANDOR.INI");
  EXPECT_NE(ini.find("Spins=2\n"), std::string::npos);
}

// Spins played in the window reach the statistics, which agree with the credits to the cent,
// and the recent spins with their pictures; both come back after a restart, with the limits.
TEST_F(Window, PlayerRecordThroughTheWindow) {
  Open();
  Game.Options.AceyDucey = false;
  for (int i = 0; i < 3; ++i) QTest::mouseClick(Form->BetMaxButton, Qt::LeftButton);
  QTest::mouseClick(Form->BetOneButton, Qt::LeftButton);  // a coin waits on the lines
  PlayerRecord& record = Form->Record().Record;
  {
    StatisticsWindow stats(record, Game.Machine, nullptr, Prompts, Form.get());
    EXPECT_EQ(stats.Figure("Spins (paid / free)", 0), "3 / 0");
    EXPECT_EQ(stats.Figure("Money wagered", 1), "$18.75");
    const auto& g = record.Game;
    EXPECT_EQ(g.StartCredits + g.Net() + g.Lent - g.Repaid,
              CentsOf(Game.Machine.Credits + Game.Machine.Wager));
  }
  {
    RecentSpinsWindow recent(
        record.Recent,
        [this] {
          return std::pair{&Form->Face.Artwork, Form->Face.SymbolSize};
        },
        Prompts, Form.get());
    ASSERT_EQ(recent.Table->rowCount(), 3);
    recent.Table->selectRow(2);
    ASSERT_FALSE(recent.View->Picture().isNull());
    // The oldest spin drawn large: its reels in the artwork's own cells.
    const SpinReport& oldest = record.Recent.Entries()[2].Spin;
    const int s = Form->Face.SymbolSize, v = oldest.Grid[4];
    EXPECT_EQ(recent.View->Picture().pixel(14 + s + 9 + s / 3, 14 + s + 5),
              Form->Face.Artwork.pixel((v % 3) * s + s / 3, (v / 3) * s + 5));
  }
  {
    AutoSpinLimitsDialog limits(record.Limits, Prompts, Form.get());
    limits.SpinsCheck->setChecked(true);
    limits.SpinsBox->setValue(40);
    limits.CreditsCheck->setChecked(true);
    limits.CreditsBox->setValue(123.45);
    record.Limits = limits.Limits();
  }
  const auto spins = record.Recent.Entries();
  Form->close();

  Open();
  const PlayerRecord& back = Form->Record().Record;
  EXPECT_EQ(back.Recent.Entries(), spins);
  EXPECT_EQ(back.Lifetime.Spins, 3);
  EXPECT_EQ(back.Game.Spins, 3);
  EXPECT_EQ(
      back.Limits,
      (AutoSpinLimits{.SpinsOn = true, .Spins = 40, .CreditsOn = true, .CreditsBelow = 12345}));
  EXPECT_EQ(back.Game.StartCredits + back.Game.Net(), CentsOf(Game.Machine.Credits));
}

// A wager placed but never spun goes back to the credits when the game closes, and the
// program's other windows close with it.
TEST_F(Window, CloseReturnsAnUnspunWager) {
  Open();
  QTest::mouseClick(Form->BetOneButton, Qt::LeftButton);
  EXPECT_EQ(Game.Machine.Credits, 999.75_usd);
  // The manual open beside the game closes with it, so the program ends.
  ShowHelpTopic(Form.get(), HelpTopic::Contents);
  int shown = 0;
  for (QWidget* w : QApplication::topLevelWidgets()) shown += w->isVisible();
  EXPECT_EQ(shown, 2);
  Form->close();
  std::string ini = ReadFile(Game.Dirs.Settings + "ZANDOR.INI");
  EXPECT_NE(ini.find("Credits=1000.00\n"), std::string::npos);
  for (QWidget* w : QApplication::topLevelWidgets()) EXPECT_FALSE(w->isVisible()) << w;
}

// A close whose save fails: from the menu the player is told and may try again once the
// folder can be written; on a signal no box waits, the failure goes to standard error.
TEST_F(Window, CloseWhoseSaveFails) {
  const struct {
    bool Signal;
    std::deque<bool> Answers;
    std::vector<std::string> Boxes;
  } cases[] = {
      {false, {false}, {"warning:Unable to write to ", "confirm:"}},
      {false, {true}, {"warning:Unable to write to ", "confirm:"}},
      {true, {}, {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Signal ? "a signal" : c.Answers.front() ? "try again" : "give up");
    Open("[Settings]\nSpins=0\n");
    Prompts.Log.clear();
    Prompts.Answers = c.Answers;
    const std::string ini = Game.Dirs.Settings + "ZANDOR.INI";
    QFile::setPermissions(QString::fromStdString(ini), QFile::ReadOwner);
    // The player frees the file while the question is up.
    Prompts.WhileAsking = [&] {
      if (c.Answers.front())
        QFile::setPermissions(QString::fromStdString(ini), QFile::ReadOwner | QFile::WriteOwner);
    };
    Game.Machine.Credits = 1234.5_usd;
    if (c.Signal) {
      Form->CloseOnSignal();
      QTRY_VERIFY(!Form->isVisible());
    } else {
      Form->close();
    }
    ASSERT_EQ(Prompts.Log.size(), c.Boxes.size());
    for (size_t i = 0; i < c.Boxes.size(); ++i)
      EXPECT_TRUE(Prompts.Log[i].starts_with(c.Boxes[i])) << Prompts.Log[i];
    const bool saved = ReadFile(ini).find("Credits=1234.50\n") != std::string::npos;
    EXPECT_EQ(saved, !c.Answers.empty() && c.Answers.front());
    QFile::setPermissions(QString::fromStdString(ini), QFile::ReadOwner | QFile::WriteOwner);
    Form.reset();
  }
}

// The background menus: a chosen tile, a cancelled tile choice, and a cancelled colour
// choice that still shows the solid colour while the stored mode stays.
TEST_F(Window, BackgroundChoices) {
  Open();
  Form->ChooseTile();  // the file box is cancelled
  EXPECT_TRUE(Form->TiledAction->isChecked());

  QTemporaryDir dir;
  QImage tile(64, 64, QImage::Format_RGB32);
  tile.fill(QColor(10, 120, 30));
  QString tilePath = dir.path() + "/green.bmp";
  ASSERT_TRUE(tile.save(tilePath, "BMP"));
  Prompts.Files.push_back(tilePath);
  Form->ChooseTile();
  EXPECT_EQ(Game.Options.BackBitmap, tilePath.toStdString());
  EXPECT_EQ(Form->Face.Canvas.pixelColor(5, 5), QColor(10, 120, 30));

  Form->ChooseSolidColor();  // the colour box is cancelled
  ASSERT_EQ(Prompts.Initials.size(), 1u);
  EXPECT_EQ(Prompts.Initials[0], QColor(0, 0, 0));
  EXPECT_TRUE(Form->SolidColorAction->isChecked());
  EXPECT_FALSE(Form->TiledAction->isChecked());
  EXPECT_EQ(Game.Options.BackMode, BackgroundMode::TiledBitmap);
  EXPECT_EQ(Form->Face.Canvas.pixelColor(5, 5), QColor(192, 192, 192));

  Prompts.Colors.push_back(QColor(0, 100, 0));
  Form->ChooseSolidColor();
  EXPECT_EQ(Game.Options.BackMode, BackgroundMode::SolidColor);
  EXPECT_EQ(Game.Options.BackColor, 0x006400);
  EXPECT_EQ(Form->Face.Canvas.pixelColor(5, 5), QColor(0, 100, 0));

  // A file that is not a bitmap changes nothing and says so.
  QString junk = dir.path() + "/junk.bmp";
  std::ofstream(junk.toStdString()) << "not a picture";
  Prompts.Files.push_back(junk);
  Messages.clear();
  Form->ChooseTile();
  ASSERT_EQ(Messages.size(), 1u);
  EXPECT_EQ(Game.Options.BackBitmap, tilePath.toStdString());
  EXPECT_TRUE(Form->SolidColorAction->isChecked());
}

// A winning spin opens the card game with the win; what it leaves is what gets counted.
// Switching the offer off in the menu skips it.
TEST_F(Window, WinningSpinOffersTheCardGame) {
  Open();
  Game.Machine.ReelGrid = {4, 5, 0, 4, 5, 2, 4, 1, 3};  // 4 4 4 on line 2, 5 5 1 on line 1
  Form->Machine.UpdateLineBets(0.25_usd, 2.50_usd);
  QString caption;
  Money seen;
  QTimer::singleShot(300, [&] {
    QWidget* dlg = QApplication::activeModalWidget();
    ASSERT_NE(dlg, nullptr);
    caption = dlg->windowTitle();
    seen = Game.Machine.SpinWin;
    dlg->close();  // the close box keeps the win as it stands
  });
  Form->Machine.EvaluatePaylines();
  EXPECT_EQ(caption, "Double or Nothing Card Game");
  EXPECT_EQ(seen, 6.00_usd);
  EXPECT_EQ(Game.Machine.WinPending, 6.00_usd);

  Form->AceyDuceyAction->trigger();
  EXPECT_FALSE(Game.Options.AceyDucey);
  EXPECT_FALSE(Form->AceyDuceyAction->isChecked());
  bool opened = false;
  QTimer::singleShot(300, [&] {
    if (QWidget* dlg = QApplication::activeModalWidget()) {
      opened = true;
      dlg->close();
    }
  });
  Form->Machine.EvaluatePaylines();
  QTest::qWait(400);
  EXPECT_FALSE(opened);
}

// With every media file missing the game still starts, says what is missing, and plays.
TEST_F(Window, NoMediaAtAll) {
  QTemporaryDir empty;
  Open("", empty.path().toStdString() + "/");
  ASSERT_GE(Messages.size(), 2u);
  bool artwork = false, sounds = false;
  for (const QString& m : Messages) {
    artwork |= m.startsWith("Cannot open file") && m.contains("ZANDOR96.bmp");
    sounds |= m == "File not found";
  }
  EXPECT_TRUE(artwork);
  EXPECT_TRUE(sounds);
  EXPECT_EQ(Game.Options.BackMode, BackgroundMode::SolidColor);  // no tile: solid colour
  Game.Options.AceyDucey = false;
  Form->Machine.ChooseSpeed(SpinSpeed::Fast);
  QTest::mouseClick(Form->BetMaxButton, Qt::LeftButton);
  EXPECT_EQ(Game.Machine.Spins, 1);
  EXPECT_EQ(Game.Machine.Credits, 1000_usd - 6.25_usd + Game.Machine.SpinWin);
  // The chart says its picture is missing and still opens.
  Messages.clear();
  bool chartOpen = false;
  QTimer::singleShot(300, [&] {
    QWidget* dlg = QApplication::activeModalWidget();
    chartOpen = dlg && dlg->windowTitle().endsWith("Payoffs");
    if (dlg) dlg->close();
  });
  Form->PayoffsAction->trigger();
  EXPECT_TRUE(chartOpen);
  ASSERT_EQ(Messages.size(), 1u);
  EXPECT_TRUE(Messages[0].contains("Zandor96.bmp"));
}

// Every media file present but empty, or cut off halfway: the game starts, says what it
// could not read (a picture cut short is refused whole), and a spin still runs and pays.
TEST_F(Window, EmptyAndTruncatedMedia) {
  namespace fs = std::filesystem;
  const std::string real = ProgramDirectory();
  for (bool empty : {true, false}) {
    QTemporaryDir dir;
    const std::string to = dir.path().toStdString() + "/";
    int files = 0;
    for (const auto& entry : fs::directory_iterator(real)) {
      const std::string ext = entry.path().extension().string();
      if (ext != ".bmp" && ext != ".BMP" && ext != ".WAV" && ext != ".MID") continue;
      std::string bytes = empty ? "" : ReadFile(entry.path().string());
      std::ofstream(to + entry.path().filename().string(), std::ios::binary)
          << bytes.substr(0, bytes.size() / 2);
      ++files;
    }
    ASSERT_GT(files, 25);
    Messages.clear();
    Game = GameState();
    Open("[Settings]\nAceyDucey=0\n", to);
    EXPECT_GE(Messages.size(), 2u);
    // Without its artwork the face keeps its layout: the panel and buttons sit in place.
    EXPECT_EQ(Form->ButtonPanel->geometry().bottom(), Form->centralWidget()->height() - 1);
    EXPECT_EQ(Form->SpinButton->pos(), QPoint(ButtonLefts(Form->ButtonPanel->width())[3], 4));
    QTest::mouseClick(Form->BetMaxButton, Qt::LeftButton);
    EXPECT_EQ(Game.Machine.Spins, 1);
    EXPECT_EQ(Game.Machine.Credits, 1000_usd - 6.25_usd + Game.Machine.SpinWin);
    QTest::qWait(1500);  // the music starts and, with broken songs, says so
    Form->close();
    Form.reset();
  }
}

// The bet and spin keys work whatever has the focus in the window, exactly as the buttons do:
// 1, 5 and M bet from anywhere; Space and Enter press the bet button that has the focus and spin
// from Spin or the face, so a focused "Bet 5" never spends a whole wager. Nothing happens while
// the buttons are disabled, the focus stays where it was through the bet and the spin, and a
// modal dialog (the card table) keeps its keys.
TEST_F(Window, KeysForTheButtons) {
  Open();
  Game.Options.AceyDucey = false;
  Game.Sound.On = false;  // the win and lose sounds would hold each spin for their length
  Form->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(Form.get()));
  EXPECT_EQ(QApplication::focusWidget(), Form->SpinButton);
  struct Row {
    QWidget* Focus;
    Qt::Key Key;
    Qt::KeyboardModifiers Modifiers;
    Money Wager;  // after the key, with the buttons enabled
    int Spins;
  };
  const Row rows[] = {{Form->BetOneButton, Qt::Key_1, {}, 0.25_usd, 0},
                      {Form->SpinButton, Qt::Key_5, Qt::KeypadModifier, 1.50_usd, 0},
                      {Form->BetOneButton, Qt::Key_Space, {}, 1.75_usd, 0},
                      {Form->BetFiveButton, Qt::Key_Return, {}, 3.00_usd, 0},
                      {Form->SpinButton, Qt::Key_Space, {}, 0_usd, 1},
                      {Form->FaceArea, Qt::Key_Return, {}, 0_usd, 2},
                      {Form->BetOneButton, Qt::Key_M, {}, 0_usd, 3},
                      {Form->BetMaxButton, Qt::Key_Enter, Qt::KeypadModifier, 0_usd, 4}};
  for (const Row& r : rows) {
    SCOPED_TRACE(QKeySequence(r.Key).toString().toStdString() + " on " +
                 r.Focus->metaObject()->className());
    r.Focus->setFocus();
    Form->SetBetButtonsEnabled(false);
    const Money credits = Game.Machine.Credits, wager = Game.Machine.Wager;
    const int spins = Game.Machine.Spins;
    QTest::keyClick(Form.get(), r.Key, r.Modifiers);
    EXPECT_EQ(Game.Machine.Credits, credits);
    EXPECT_EQ(Game.Machine.Wager, wager);
    EXPECT_EQ(Game.Machine.Spins, spins);
    Form->SetBetButtonsEnabled(true);
    EXPECT_EQ(QApplication::focusWidget(), r.Focus);
    QTest::keyClick(r.Focus, r.Key, r.Modifiers);
    EXPECT_EQ(Game.Machine.Wager, r.Wager);
    EXPECT_EQ(Game.Machine.Spins, r.Spins);
    EXPECT_EQ(QApplication::focusWidget(), r.Focus);
  }

  Game.Options.AceyDucey = true;
  Game.Machine.ReelGrid = {4, 5, 0, 4, 5, 2, 4, 1, 3};  // a win of 6.00 opens the card table
  Form->Machine.UpdateLineBets(0.25_usd, 2.50_usd);
  Money before = -1_usd, after = -1_usd;
  QTimer::singleShot(300, [&] {
    QWidget* dlg = QApplication::activeModalWidget();
    ASSERT_NE(dlg, nullptr);
    for (Qt::Key k : {Qt::Key_1, Qt::Key_5, Qt::Key_M}) QTest::keyClick(dlg, k);
    before = Game.Machine.SpinWin;
    // The table's Draw button has the focus, but no key presses it in the table's first second.
    QTest::keyClick(dlg->focusWidget(), Qt::Key_Space);
    after = Game.Machine.SpinWin;
    dlg->close();
  });
  Form->Machine.EvaluatePaylines();
  EXPECT_EQ(Game.Machine.Spins, 4);
  EXPECT_EQ(before, 6_usd);
  EXPECT_EQ(after, 6_usd);
}

// A screen reader hears the face: every meter, the bonus meter, the nine reel cells and the
// five paylines by name and value, as painted before and after a winning spin; a count-up tells
// each meter once, at its final value, never coin by coin; and a settled spin is spoken in one
// sentence through the window's notification.
TEST_F(Window, ScreenReaderHearsTheFace) {
  Open();
  Game.Options.AceyDucey = false;
  Game.Sound.On = false;
  struct Heard {
    QAccessible::Event Type;
    QString Name;
    QVariant Value;
  };
  std::vector<Heard> heard;
  ListenToAccessibility([&](QAccessibleEvent& e) {
    QAccessibleInterface* iface = e.accessibleInterface();
    heard.push_back({e.type(), iface ? iface->text(QAccessible::Name) : QString(),
                     e.type() == QAccessible::ValueChanged
                         ? static_cast<QAccessibleValueChangeEvent&>(e).value()
                         : QVariant()});
  });
  struct StopListening {
    ~StopListening() { ListenToAccessibility(nullptr); }
  } stop;
  QAccessibleInterface* face = QAccessible::queryAccessibleInterface(Form->FaceArea);
  ASSERT_NE(face, nullptr);
  EXPECT_EQ(face->text(QAccessible::Name), "Slot machine");
  auto names = [&] {
    QStringList shown;
    for (int i = 0; i < face->childCount(); ++i)
      if (!face->child(i)->state().invisible) shown << face->child(i)->text(QAccessible::Name);
    return shown;
  };
  // The reels stand at 26, 2 and 8.
  EXPECT_EQ(names(), QStringList({"Credits 1000.00",
                                  "Wager 0.00",
                                  "Won 0.00",
                                  "Spins 0",
                                  "Bonus meter 0%",
                                  "Bonus pool 50.00",
                                  "Reel 1, top: Cherry",
                                  "Reel 2, top: Diamond",
                                  "Reel 3, top: Power Up",
                                  "Reel 1, middle: Lemon",
                                  "Reel 2, middle: Power Up",
                                  "Reel 3, middle: Lemon",
                                  "Reel 1, bottom: Power Up",
                                  "Reel 2, bottom: Cherry",
                                  "Reel 3, bottom: Cherry",
                                  "Payline 1, middle row: 0 coins",
                                  "Payline 2, top row: 0 coins",
                                  "Payline 3, bottom row: 0 coins",
                                  "Payline 4, top left to bottom right: 0 coins",
                                  "Payline 5, bottom left to top right: 0 coins"}));
  // A list of items, the bonus meter one of them: its per cent are in its name alone.
  EXPECT_EQ(face->role(), QAccessible::List);
  QAccessibleInterface* meter = face->child(5);
  EXPECT_EQ(meter->role(), QAccessible::ListItem);
  EXPECT_EQ(meter->valueInterface(), nullptr);
  EXPECT_EQ(face->child(0)->text(QAccessible::Value), "1000.00");
  EXPECT_TRUE(Form->FaceArea->geometry().contains(face->child(0)->rect().center() -
                                                  Form->FaceArea->mapToGlobal(QPoint())));

  // Ten coins, then the reels stop on three lemons along the top and two cherries in the middle.
  QTest::mouseClick(Form->BetFiveButton, Qt::LeftButton);
  QTest::mouseClick(Form->BetFiveButton, Qt::LeftButton);
  Game.Machine.ReelGrid = {4, 5, 0, 4, 5, 2, 4, 1, 3};
  Game.Machine.PowerPts = 40;
  Form->Machine.EvaluatePaylines();
  heard.clear();
  Form->Machine.CountUpWin();
  const QStringList after = names();
  EXPECT_EQ(after.mid(0, 6), QStringList({"Credits 1003.50", "Wager 2.50", "Won 0.00", "Spins 0",
                                          "Bonus meter 40%", "Bonus pool 50.00"}));
  EXPECT_EQ(after.mid(6, 3),
            QStringList({"Reel 1, top: Lemon", "Reel 2, top: Lemon", "Reel 3, top: Lemon"}));
  EXPECT_EQ(after.mid(15),
            QStringList({"Payline 1, middle row: 2 coins, pays 1.00",
                         "Payline 2, top row: 2 coins, pays 5.00", "Payline 3, bottom row: 2 coins",
                         "Payline 4, top left to bottom right: 2 coins",
                         "Payline 5, bottom left to top right: 2 coins"}));
  // 24 coins counted; the credits are told once, at the end.
  std::vector<Heard> credits;
  for (const Heard& h : heard)
    if (h.Name.startsWith("Credits")) credits.push_back(h);
  ASSERT_EQ(credits.size(), 2u);
  EXPECT_EQ(credits[0].Type, QAccessible::NameChanged);
  EXPECT_EQ(credits[0].Name, "Credits 1003.50");
  EXPECT_EQ(credits[1].Type, QAccessible::ValueChanged);
  EXPECT_DOUBLE_EQ(credits[1].Value.toDouble(), 1003.50);

  // A real spin of the placed coins, from the face, is spoken in one sentence, and the focus
  // stays on the face.
  Form->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(Form.get()));
  Form->FaceArea->setFocus();
  heard.clear();
  QTest::keyClick(Form->FaceArea, Qt::Key_Space);
  const SpinReport& spin = Form->Record().Record.Recent.Entries().front().Spin;
  const QString sentence = SpinSentence(spin, Game.Machine.PowerPts);
  EXPECT_EQ(LastAnnouncement(Form.get()), sentence);
  EXPECT_TRUE(
      sentence.contains("Credits " + QString::fromStdString(Game.Machine.Credits.Padded(0))));
  QCoreApplication::processEvents();  // the sentences of a turn are spoken as it ends
  auto* note = Form->findChild<QWidget*>("Announcement");
  ASSERT_NE(note, nullptr);
  EXPECT_EQ(QAccessible::queryAccessibleInterface(note)->role(), QAccessible::Notification);
  bool shown = false;
  for (const Heard& h : heard) shown |= h.Type == QAccessible::ObjectShow && h.Name == sentence;
  EXPECT_TRUE(shown);
  EXPECT_EQ(QApplication::focusWidget(), Form->FaceArea);
  EXPECT_EQ(names().value(3), "Spins 1");
}

// One sentence says how a spin settled: each winning line with its symbols and pay, the total
// (after the card game when it changed it), a won bonus or the free spin, the credits, and the
// bonus meter while it shows; as the card game is offered, the winning lines and the credits.
TEST(SpinSentences, SaySpinsInWords) {
  App();
  const std::array<int, 9> grid{4, 5, 0, 4, 5, 2, 4, 1, 3};
  auto spin = [&](std::array<int64_t, 5> pays, int64_t win, int64_t credits) {
    SpinReport r;
    r.Grid = grid;
    r.LinePays = pays;
    r.Win = win;
    r.CreditsAfter = credits;
    return r;
  };
  SpinReport doubled = spin({100, 500, 0, 0, 0}, 1200, 100950);
  doubled.CardOffered = true;
  SpinReport kept = doubled;
  kept.Win = 600;
  kept.CreditsAfter = 100350;
  SpinReport free = spin({}, 0, 105000);
  free.Free = true;
  free.FreeSpinsLeft = 4;
  SpinReport lastFree = free;
  lastFree.FreeSpinsLeft = 0;
  SpinReport bonus = spin({}, 0, 104400);
  bonus.Pool = 5025;
  bonus.FreeSpinsLeft = 7;
  const struct {
    SpinReport Spin;
    int Meter;
    const char* Said;
  } rows[] = {
      {spin({}, 0, 99375), 20, "No win. Credits 993.75. Bonus meter 20%."},
      {spin({100, 500, 0, 0, 0}, 600, 100350), 30,
       "Line 1: Cherry, Cherry, Diamond pays 1.00. Line 2: Lemon, Lemon, Lemon pays 5.00. "
       "Total win 6.00. Credits 1003.50. Bonus meter 30%."},
      {doubled, 30,
       "Line 1: Cherry, Cherry, Diamond pays 1.00. Line 2: Lemon, Lemon, Lemon pays 5.00. "
       "After the card game you win 12.00. Credits 1009.50. Bonus meter 30%."},
      {kept, 30,
       "Line 1: Cherry, Cherry, Diamond pays 1.00. Line 2: Lemon, Lemon, Lemon pays 5.00. "
       "Total win 6.00. Credits 1003.50. Bonus meter 30%."},
      {bonus, 0, "No win. Bonus won: 50.25 and 7 free spins. Credits 1044.00."},
      {free, 0, "Free spin 3 of 7. No win. Credits 1050.00."},
      {lastFree, 0, "Free spin 7 of 7. No win. Credits 1050.00. Bonus meter 0%."},
  };
  for (const auto& r : rows) EXPECT_EQ(SpinSentence(r.Spin, r.Meter), r.Said);

  // As the card game is offered, before the win is counted.
  MachineState m;
  m.ReelGrid = grid;
  m.LineBets = {0.50_usd, 0.50_usd, 0.25_usd, 0.25_usd, 0.25_usd};
  m.LinePays = {2, 10, 0, 0, 0};
  m.Credits = 997.50_usd;
  EXPECT_EQ(CardOfferSentence(m),
            "Line 1: Cherry, Cherry, Diamond pays 1.00. Line 2: Lemon, Lemon, Lemon pays 5.00. "
            "Credits 997.50.");
}

// Blinking and High Contrast are the player's own choices, kept in PLAYER.INI and never in
// ZANDOR.INI: blinking on and contrast off at first, both come back after a restart, and a
// damaged value reads as the default. With blinking off the power-up symbols stay still.
TEST_F(Window, BlinkingAndHighContrastAcrossARestart) {
  Open();
  EXPECT_TRUE(Form->BlinkingAction->isChecked());
  EXPECT_FALSE(Form->HighContrastAction->isChecked());
  EXPECT_FALSE(Form->Face.HighContrast);
  Form->BlinkingAction->trigger();
  Form->HighContrastAction->trigger();
  EXPECT_TRUE(Form->Face.HighContrast);
  Form->close();
  EXPECT_NE(
      ReadFile(Game.Dirs.Settings + "PLAYER.INI").find("[View]\nBlinking=0\nHighContrast=1\n"),
      std::string::npos);
  const std::string ini = ReadFile(Game.Dirs.Settings + "ZANDOR.INI");
  EXPECT_EQ(ini.find("Blinking"), std::string::npos);
  EXPECT_EQ(ini.find("HighContrast"), std::string::npos);

  Form.reset();
  Open();
  EXPECT_FALSE(Form->BlinkingAction->isChecked());
  EXPECT_TRUE(Form->HighContrastAction->isChecked());
  EXPECT_TRUE(Form->Face.HighContrast);
  const QImage still = Form->Face.Canvas.copy();
  for (int tick = 0; tick < 3; ++tick) Form->BlinkWin();
  EXPECT_TRUE(Form->Face.BlinkPhase);
  EXPECT_EQ(Form->Face.Canvas, still);
  Form->close();

  std::ofstream(Game.Dirs.Settings + "PLAYER.INI") << "[View]\nBlinking=no\nHighContrast=2\n";
  Form.reset();
  Open();
  EXPECT_TRUE(Form->BlinkingAction->isChecked());
  EXPECT_FALSE(Form->HighContrastAction->isChecked());
  EXPECT_TRUE(Messages.empty());
}

// The loudness of the effects and of the music is read from PLAYER.INI at the start (a missing
// or damaged value is full loudness), heard at once while the sliders move, kept by OK with
// the file's other sections, put back by Cancel, and applied again after a restart.
TEST_F(Window, VolumeAcrossARestart) {
  const std::string playerIni = Settings.path().toStdString() + "/PLAYER.INI";
  const struct {
    const char* File;  // nullptr: no PLAYER.INI at all
    Volume Expected;
  } starts[] = {{nullptr, {100, 100}},
                {"[Volume]\nEffects=40\nMusic=loud\n", {40, 100}},
                {"[Volume]\nEffects=-5\nMusic=101\n", {100, 100}},
                {"[Volume]\nEffects=0\nMusic=0x32\n", {0, 50}}};
  for (const auto& start : starts) {
    SCOPED_TRACE(start.File ? start.File : "no file");
    std::filesystem::remove(playerIni);
    if (start.File) std::ofstream(playerIni) << start.File;
    Open();
    EXPECT_EQ(Form->Audio()->CurrentVolume(), start.Expected);
    EXPECT_EQ(Mix_VolumeMusic(-1), (start.Expected.Music * MIX_MAX_VOLUME + 50) / 100);
    Form->close();
    Form.reset();
  }

  std::ofstream(playerIni) << "[Stats]\nSpins=12\n[Volume]\nEffects=loud\n";
  Open();
  auto dialog = [&](Volume moveTo, bool ok) {
    Volume heard;
    QTimer::singleShot(200, [&] {
      auto* dlg = qobject_cast<VolumeDialog*>(QApplication::activeModalWidget());
      ASSERT_NE(dlg, nullptr);
      EXPECT_EQ(dlg->windowTitle(), "Volume");
      dlg->EffectsSlider->setValue(moveTo.Effects);
      dlg->MusicSlider->setValue(moveTo.Music);
      heard = {Mix_Volume(0, -1), Mix_VolumeMusic(-1)};
      if (ok)
        dlg->accept();
      else
        dlg->reject();
    });
    Form->ChangeVolumeAction->trigger();
    EXPECT_EQ(heard, (Volume{(moveTo.Effects * 128 + 50) / 100, (moveTo.Music * 128 + 50) / 100}));
  };
  dialog({30, 70}, true);
  // The other sections stay as they were; the game kept since the start follows them.
  EXPECT_TRUE(
      ReadFile(playerIni).starts_with("[Stats]\nSpins=12\n[Volume]\nEffects=30\nMusic=70\n["));
  dialog({80, 10}, false);
  EXPECT_EQ(Form->Audio()->CurrentVolume(), (Volume{30, 70}));
  EXPECT_EQ(Mix_VolumeMusic(-1), 90);
  EXPECT_TRUE(
      ReadFile(playerIni).starts_with("[Stats]\nSpins=12\n[Volume]\nEffects=30\nMusic=70\n["));
  Form->close();
  Form.reset();
  Open();
  EXPECT_EQ(Form->Audio()->CurrentVolume(), (Volume{30, 70}));
  EXPECT_EQ(Mix_Volume(0, -1), 38);
  EXPECT_TRUE(Messages.empty());
}

namespace {

using Outcome = SingleInstance::Outcome;

// One copy per settings folder: a second copy cannot take the folder's lock and brings the
// first to the front instead; once the first has gone, the folder is free again.
TEST(SingleCopy, SecondCopyHandsOverToTheFirst) {
  App();
  QTemporaryDir dir;
  const QString folder = dir.path() + "/new settings/";
  int raised = 0;
  {
    SingleInstance first(folder);
    first.OnRaise = [&] { ++raised; };
    ASSERT_EQ(first.Acquire(), Outcome::Acquired);
    EXPECT_TRUE(QFileInfo(folder).isDir());
    SingleInstance second(folder);
    EXPECT_EQ(second.Acquire(), Outcome::HeldElsewhere);
    EXPECT_TRUE(second.RaiseRunningCopy());
    QTRY_COMPARE(raised, 1);
    SingleInstance elsewhere(dir.path() + "/other/");
    EXPECT_EQ(elsewhere.Acquire(), Outcome::Acquired);
  }
  SingleInstance third(folder);
  EXPECT_EQ(third.Acquire(), Outcome::Acquired);
  SingleInstance fourth(folder);
  EXPECT_EQ(fourth.Acquire(), Outcome::HeldElsewhere);
}

// Another user's program listening where ours should: it binds the name as this user, then
// runs as nobody; Heard() ends it and tells how many bytes reached it.
class Stranger {
 public:
  explicit Stranger(const QString& name) {
    const QByteArray path = QFile::encodeName(name);
    int ready[2], stop[2], heard[2];
    if (::pipe(ready) != 0 || ::pipe(stop) != 0 || ::pipe(heard) != 0) return;
    pid_ = ::fork();
    if (pid_ == 0) {  // only calls that are safe after a fork
      ::close(ready[0]);
      ::close(stop[1]);
      ::close(heard[0]);
      sockaddr_un addr{};
      addr.sun_family = AF_UNIX;
      std::memcpy(addr.sun_path, path.constData(), std::min<size_t>(path.size(), 107));
      const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
      ::unlink(path.constData());
      if (::bind(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0 ||
          ::setgid(65534) != 0 || ::setuid(65534) != 0 || ::listen(fd, 8) != 0)
        ::_exit(1);
      char c = 1;
      [[maybe_unused]] ssize_t n = ::write(ready[1], &c, 1);
      int32_t bytes = 0;
      pollfd fds[8] = {{stop[0], POLLIN, 0}, {fd, POLLIN, 0}};
      nfds_t count = 2;
      while (::poll(fds, count, 10000) > 0 && !(fds[0].revents & (POLLIN | POLLHUP))) {
        if ((fds[1].revents & POLLIN) && count < 8)
          fds[count++] = {::accept(fd, nullptr, nullptr), POLLIN, 0};
        for (nfds_t i = 2; i < count; ++i) {
          char buf[64];
          if (fds[i].fd < 0 || !(fds[i].revents & (POLLIN | POLLHUP))) continue;
          const ssize_t got = ::read(fds[i].fd, buf, sizeof buf);
          if (got > 0)
            bytes += static_cast<int32_t>(got);  // at most 64
          else
            fds[i].fd = -1;  // poll passes over it from now on
        }
      }
      n = ::write(heard[1], &bytes, sizeof bytes);
      ::_exit(0);
    }
    ::close(ready[1]);
    ::close(stop[0]);
    ::close(heard[1]);
    char c = 0;
    listening_ = pid_ > 0 && ::read(ready[0], &c, 1) == 1;
    ::close(ready[0]);
    stop_ = stop[1];
    heard_ = heard[0];
  }
  ~Stranger() { Heard(); }
  bool Listening() const { return listening_; }
  int Heard() {
    if (pid_ <= 0) return -1;
    ::close(stop_);
    int32_t bytes = -1;
    if (::read(heard_, &bytes, sizeof bytes) != sizeof bytes) bytes = -1;
    ::close(heard_);
    ::waitpid(pid_, nullptr, 0);
    pid_ = 0;
    return bytes;
  }

 private:
  pid_t pid_ = -1;
  int stop_ = -1, heard_ = -1;
  bool listening_ = false;
};

// Never locked out, never two copies, never talking to a stranger: a lock file whose owner
// cannot be read (empty, as a power cut leaves it, or junk) is stale unless a running copy
// answers; what no copy makes in the lock's place (a pipe, a link, a folder) is cleared, or
// named when it holds the player's files; a lock that cannot be made (a full disk) stops the
// start with a reason; the socket
// lives in a folder only this user may enter, and what answers on it for another user is
// neither trusted nor told anything.
TEST(SingleCopy, NeverLockedOutNeverTwoCopies) {
  App();
  QTemporaryDir root;
  struct Environment {  // put back as it was when the test ends
    const QByteArray Tmp = qgetenv("TMPDIR"), Runtime = qgetenv("XDG_RUNTIME_DIR");
    ~Environment() {
      Tmp.isNull() ? qunsetenv("TMPDIR") : qputenv("TMPDIR", Tmp);
      Runtime.isNull() ? qunsetenv("XDG_RUNTIME_DIR") : qputenv("XDG_RUNTIME_DIR", Runtime);
    }
  } environment;
  const bool asRoot = ::geteuid() == 0;
  struct Scene {
    QString Folder, Tmp, Runtime;
    std::unique_ptr<SingleInstance> Running;  // a copy already running, when the row has one
    int Raised = 0;
    std::unique_ptr<Stranger> Squatter;
    std::function<void()> Undo;  // what the row's set-up changed in this process
    void StartRunningCopy() {
      Running = std::make_unique<SingleInstance>(Folder);
      Running->OnRaise = [this] { ++Raised; };
      ASSERT_EQ(Running->Acquire(), Outcome::Acquired);
    }
    void WriteLock(const std::string& bytes) {
      std::ofstream(QFile::encodeName(Folder + "zandor-slots.lock").toStdString(),
                    std::ios::binary | std::ios::trunc)
          << bytes;
    }
    std::string Lock(const char* suffix = "") const {
      return QFile::encodeName(Folder + "zandor-slots.lock" + suffix).toStdString();
    }
    void MakeFolder(const QString& path, mode_t mode) {
      ::mkdir(QFile::encodeName(path).constData(), mode);
      ::chmod(QFile::encodeName(path).constData(), mode);
    }
  };
  struct Row {
    const char* What;
    bool NeedsRoot;  // a second user is needed
    std::function<void(Scene&)> Arrange;
    Outcome Expected;
    bool Raises;  // the later start reaches the running copy
    std::function<void(Scene&, SingleInstance&)> Check;
  };
  const QString ownFolder = "/zandor-slots-" + QString::number(::geteuid());
  const Row rows[] = {
      {"an empty lock file", false, [](Scene& s) { s.WriteLock(""); }, Outcome::Acquired, false,
       nullptr},
      {"a lock file of junk", false, [](Scene& s) { s.WriteLock("\x01\xfejunk\n\n"); },
       Outcome::Acquired, false, nullptr},
      {"a pipe", false, [](Scene& s) { ::mkfifo(s.Lock().c_str(), 0600); }, Outcome::Acquired,
       false, nullptr},
      {"a link to a device that never ends", false,
       [](Scene& s) { std::filesystem::create_symlink("/dev/zero", s.Lock()); }, Outcome::Acquired,
       false, nullptr},
      {"a link to nothing", false,
       [](Scene& s) { std::filesystem::create_symlink(s.Lock(".gone"), s.Lock()); },
       Outcome::Acquired, false, nullptr},
      {"an empty folder", false, [](Scene& s) { std::filesystem::create_directory(s.Lock()); },
       Outcome::Acquired, false, nullptr},
      {"pipes at the lock and at its guard", false,
       [](Scene& s) {
         ::mkfifo(s.Lock().c_str(), 0600);
         ::mkfifo(s.Lock(".rmlock").c_str(), 0600);
       },
       Outcome::Acquired, false, nullptr},
      {"a folder holding the player's files", false,
       [](Scene& s) {
         std::filesystem::create_directory(s.Lock());
         std::ofstream(s.Lock() + "/mine") << "kept";
       },
       Outcome::Unavailable, false,
       [](Scene& s, SingleInstance& start) {
         EXPECT_EQ(start.Problem(), "Zandor Slots could not use its lock file\n" + s.Folder +
                                        "zandor-slots.lock\n\nSomething else is in its place (a "
                                        "folder, a link or a pipe) and could not be removed.  "
                                        "Please move it away, then start Zandor Slots again.");
         EXPECT_TRUE(std::filesystem::exists(s.Lock() + "/mine"));
       }},
      {"junk over a running copy's lock", false,
       [](Scene& s) {
         s.StartRunningCopy();
         s.WriteLock("junk");
       },
       Outcome::HeldElsewhere, true, nullptr},
      {"a full disk", false,
       [](Scene& s) {
         // Every write to a file fails, as on a full disk.
         rlimit old{};
         ::getrlimit(RLIMIT_FSIZE, &old);
         const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
         rlimit none = old;
         none.rlim_cur = 0;
         ::setrlimit(RLIMIT_FSIZE, &none);
         s.Undo = [old, oldHandler] {
           ::setrlimit(RLIMIT_FSIZE, &old);
           std::signal(SIGXFSZ, oldHandler);
         };
       },
       Outcome::Unavailable, false,
       [](Scene& s, SingleInstance& start) {
         EXPECT_EQ(start.Problem(),
                   "Zandor Slots could not make its lock file in\n" + s.Folder +
                       "\n\nThe disk may be full, or the folder may not be written.  Without "
                       "the lock a second copy could open the same games and overwrite them, so "
                       "the game will not start.  Please free some space or make the folder "
                       "writable, then start Zandor Slots again.");
         EXPECT_FALSE(QFileInfo::exists(s.Folder + "zandor-slots.lock"));
         SingleInstance later(s.Folder);  // once there is space again
         EXPECT_EQ(later.Acquire(), Outcome::Acquired);
       }},
      {"a stranger answering where the running copy listens", true,
       [](Scene& s) {
         s.StartRunningCopy();
         s.Squatter = std::make_unique<Stranger>(SingleInstance::ServerName(s.Folder));
         ASSERT_TRUE(s.Squatter->Listening());
       },
       Outcome::HeldElsewhere, false,
       [](Scene& s, SingleInstance&) { EXPECT_EQ(s.Squatter->Heard(), 0); }},
      {"a stranger answering beside a lock of junk", true,
       [](Scene& s) {
         s.WriteLock("junk");
         s.Squatter = std::make_unique<Stranger>(SingleInstance::ServerName(s.Folder));
         ASSERT_TRUE(s.Squatter->Listening());
       },
       Outcome::Acquired, false,
       [](Scene& s, SingleInstance&) { EXPECT_EQ(s.Squatter->Heard(), 0); }},
      {"a private runtime folder", false,
       [](Scene& s) {
         s.MakeFolder(s.Runtime, 0700);
         qputenv("XDG_RUNTIME_DIR", QFile::encodeName(s.Runtime));
         s.StartRunningCopy();
       },
       Outcome::HeldElsewhere, true,
       [](Scene& s, SingleInstance&) {
         EXPECT_TRUE(SingleInstance::ServerName(s.Folder).startsWith(s.Runtime + "/"));
       }},
      {"a runtime folder open to all", false,
       [](Scene& s) {
         s.MakeFolder(s.Runtime, 0777);
         qputenv("XDG_RUNTIME_DIR", QFile::encodeName(s.Runtime));
         s.StartRunningCopy();
       },
       Outcome::HeldElsewhere, true,
       [ownFolder](Scene& s, SingleInstance&) {
         const QString name = SingleInstance::ServerName(s.Folder);
         EXPECT_TRUE(name.startsWith(s.Tmp + ownFolder + "/")) << name.toStdString();
         struct stat st {};
         ASSERT_EQ(::stat(QFile::encodeName(s.Tmp + ownFolder).constData(), &st), 0);
         EXPECT_EQ(st.st_mode & 0777, 0700u);
       }},
      {"our folder in the temporary folder taken first, open to all", false,
       [ownFolder](Scene& s) {
         s.MakeFolder(s.Tmp + ownFolder, 0777);
         s.StartRunningCopy();
       },
       Outcome::HeldElsewhere, false,
       [](Scene& s, SingleInstance&) { EXPECT_EQ(SingleInstance::ServerName(s.Folder), ""); }},
  };
  int row = 0;
  for (const Row& r : rows) {
    SCOPED_TRACE(r.What);
    if (r.NeedsRoot && !asRoot) {
      std::cout << "skipped without a second user: " << r.What << "\n";
      continue;
    }
    Scene s;
    const QString base = root.path() + "/" + QString::number(++row);
    s.Folder = base + "/settings/";
    s.Tmp = base + "/tmp";
    s.Runtime = base + "/runtime";
    ASSERT_TRUE(QDir().mkpath(s.Folder));
    ASSERT_TRUE(QDir().mkpath(s.Tmp));
    qputenv("TMPDIR", QFile::encodeName(s.Tmp));
    qunsetenv("XDG_RUNTIME_DIR");
    r.Arrange(s);
    SingleInstance start(s.Folder);
    const Outcome outcome = start.Acquire();
    if (s.Undo) s.Undo();
    EXPECT_EQ(outcome, r.Expected);
    if (outcome == Outcome::HeldElsewhere) EXPECT_EQ(start.RaiseRunningCopy(), r.Raises);
    if (r.Raises) {
      EXPECT_TRUE(QTest::qWaitFor([&] { return s.Raised == 1; }));
    } else {
      QTest::qWait(100);
      EXPECT_EQ(s.Raised, 0);
    }
    if (r.Check) r.Check(s, start);
    if (outcome == Outcome::Acquired) {
      EXPECT_TRUE(std::filesystem::is_regular_file(std::filesystem::symlink_status(s.Lock())));
      // The copy that took the lock is the one a later start reaches.
      int raised = 0;
      start.OnRaise = [&] { ++raised; };
      SingleInstance later(s.Folder);
      EXPECT_EQ(later.Acquire(), Outcome::HeldElsewhere);
      EXPECT_TRUE(later.RaiseRunningCopy());
      EXPECT_TRUE(QTest::qWaitFor([&] { return raised == 1; }));
    }
  }
}

}  // namespace

namespace {

struct SilentPlayer : MediaPlayer {
  std::string Open(const std::string&) override { return ""; }
  std::string Play() override { return ""; }
  void Close() override {}
};

}  // namespace

// F1 in every window of the game opens the manual at that window's page.
TEST_F(Window, HelpKeyInEveryWindow) {
  Open();
  SilentPlayer player;
  Money win = 1_usd;
  PlayerRecord& record = Form->Record().Record;
  SavedGameTable savedGames(Game.Dirs.Settings);
  std::vector<std::pair<std::unique_ptr<QWidget>, HelpTopic>> windows;
  windows.emplace_back(std::make_unique<PayoffChart>(Game.Machine, Game.Dirs, Form->Face.Glyphs,
                                                     Prompts, Form.get()),
                       HelpTopic::Payoffs);
  windows.emplace_back(std::make_unique<VolumeDialog>(
                           Volume{}, [](const Volume&) {}, [] {}, Prompts, Form.get()),
                       HelpTopic::Volume);
  windows.emplace_back(std::make_unique<SoundDialog>(
                           Game.Sound, Game.Dirs, [](const std::string&) {}, Prompts, Form.get()),
                       HelpTopic::Sounds);
  windows.emplace_back(
      std::make_unique<MusicDialog>(Game.Music, Game.Dirs, player, Prompts, Form.get()),
      HelpTopic::Music);
  windows.emplace_back(std::make_unique<CardTable>(
                           win, Form->Random, [](Effect) {}, Prompts, Form.get()),
                       HelpTopic::CardGame);
  windows.emplace_back(
      std::make_unique<BankDialog>(Game.Machine, Form->Face.Glyphs, Prompts, Form.get()),
      HelpTopic::Bank);
  windows.emplace_back(std::make_unique<SlotDialog>(Game.Machine, savedGames,
                                                    SlotDialog::Mode::Open, Prompts, Form.get()),
                       HelpTopic::SavedGames);
  windows.emplace_back(
      std::make_unique<StatisticsWindow>(record, Game.Machine, nullptr, Prompts, Form.get()),
      HelpTopic::Statistics);
  windows.emplace_back(
      std::make_unique<RecentSpinsWindow>(record.Recent, nullptr, Prompts, Form.get()),
      HelpTopic::RecentSpins);
  windows.emplace_back(std::make_unique<AutoSpinLimitsDialog>(record.Limits, Prompts, Form.get()),
                       HelpTopic::AutoSpinLimits);
  for (auto& [window, topic] : windows) {
    SCOPED_TRACE(window->metaObject()->className());
    Prompts.Topics.clear();
    window->setWindowModality(Qt::ApplicationModal);  // as exec() shows them
    window->show();
    window->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
    QTest::keyClick(window->focusWidget() ? window->focusWidget() : window.get(), Qt::Key_F1);
    EXPECT_EQ(Prompts.Topics, std::vector<HelpTopic>{topic});
    window->hide();
  }
  // The about box, modal: F1 there opens the contents, then it closes.
  Prompts.Topics.clear();
  QTimer::singleShot(100, [] {
    QWidget* box = QApplication::activeModalWidget();
    if (!box) return;
    QTest::keyClick(box->focusWidget() ? box->focusWidget() : box, Qt::Key_F1);
    QTest::keyClick(box, Qt::Key_Escape);
  });
  ShowAbout(Form.get(), Prompts);
  EXPECT_EQ(Prompts.Topics, std::vector<HelpTopic>{HelpTopic::Contents});
  // The main window's own F1 opens the contents.
  EXPECT_EQ(Form->ManualAction->shortcut(), QKeySequence(QKeySequence::HelpContents));
}
