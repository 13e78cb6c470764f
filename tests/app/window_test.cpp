// The main window as the player meets it: layout, menus, full screen, start-up from the settings
// file, the background and view choices, the volume, the help key and closing.
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
#include <QScreen>
#include <QShortcut>
#include <QSlider>
#include <QSpinBox>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <cmath>
#include <csignal>
#include <cstring>
#include <deque>
#include <filesystem>
#include <fstream>
#include <functional>
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
#include "tests/app/WindowTest.h"
#include "tests/support/Dollars.h"
#include "tests/support/FakePrompts.h"
#include "tests/support/TestApp.h"

using namespace zandor;

using namespace zandor;

// The designed window: its caption, client size, panel and buttons in place.
TEST_F(Window, LayoutAtDesignedSize) {
  Open();
  EXPECT_EQ(Form->windowTitle(), "Zandor Slots");
  EXPECT_EQ(Form->centralWidget()->size(), QSize(632, 394));
  EXPECT_EQ(Panel()->geometry(), QRect(0, 337, 632, 57));
  EXPECT_EQ(Button("betOneButton")->geometry(), QRect(22, 4, 132, 49));
  EXPECT_EQ(Button("betFiveButton")->x(), 174);
  EXPECT_EQ(Button("betMaxButton")->x(), 326);
  EXPECT_EQ(Button("spinButton")->x(), 478);
  EXPECT_EQ(Button("betOneButton")->text(), "Bet 1");
  EXPECT_EQ(Button("betOneButton")->toolTip(), "Bet one credit (key 1)");
  EXPECT_EQ(Button("betMaxButton")->text(), "Bet Max");
  EXPECT_EQ(Button("spinButton")->toolTip(), "Spins the slot wheels (Space or Enter)");
  EXPECT_TRUE(Button("spinButton")->isDefault());
  EXPECT_EQ(Form->Painter().SymbolSize, 96);
  EXPECT_EQ(Form->Painter().ReelTop, 23);
  EXPECT_EQ(Form->Painter().ReelLeft, 162);
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

// New Game, Open, Save and Exit take the desktop's usual keys, shown in the File menu; no other
// key of the window takes them, so each reaches its entry, and Ctrl+Q ends the game as Exit does.
TEST_F(Window, StandardKeysOfTheFileMenu) {
  Open();
  const std::pair<const char*, QKeySequence> keys[] = {{"newGameAction", QKeySequence("Ctrl+N")},
                                                       {"openAction", QKeySequence("Ctrl+O")},
                                                       {"saveAction", QKeySequence("Ctrl+S")},
                                                       {"exitAction", QKeySequence("Ctrl+Q")}};
  for (const auto& [name, key] : keys) {
    SCOPED_TRACE(name);
    ASSERT_NE(Action(name), nullptr);
    EXPECT_EQ(Action(name)->shortcut(), key);
    EXPECT_TRUE(TopMenu("&File")->actions().contains(Action(name)));
    int takers = 0;
    for (QAction* a : Form->findChildren<QAction*>()) takers += a->shortcuts().contains(key);
    for (QShortcut* k : Form->findChildren<QShortcut*>()) takers += k->key() == key;
    EXPECT_EQ(takers, 1);
  }
  Form->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(Form.get()));
  QTest::keyClick(Form.get(), Qt::Key_Q, Qt::ControlModifier);
  ASSERT_TRUE(QTest::qWaitFor([&] { return !Form->isVisible(); }));
}

// Full screen is the player's own choice in PLAYER.INI, apart from "Maxed": it comes back
// after a restart, Escape leaves it, and the window returns to the place it had before; a
// damaged value starts in a normal window.
TEST_F(Window, FullScreenAcrossARestart) {
  Open();
  const QRect place = Form->geometry();
  Action("fullScreenAction")->trigger();
  EXPECT_TRUE(Form->FullScreen());
  ASSERT_TRUE(QTest::qWaitFor([&] { return Form->isFullScreen(); }));
  Form->close();
  EXPECT_NE(ReadFile(Game.Dirs.Settings + "PLAYER.INI").find("FullScreen=1"), std::string::npos);
  EXPECT_NE(ReadFile(Game.Dirs.Settings + "ZANDOR.INI").find("Maxed=0"), std::string::npos);

  Form.reset();
  Open();
  ASSERT_TRUE(QTest::qWaitFor([&] { return Form->FullScreen(); }));
  EXPECT_TRUE(Action("fullScreenAction")->isChecked());
  ASSERT_TRUE(QTest::qWaitFor([&] { return Form->isFullScreen(); }));
  QTest::keyClick(Form.get(), Qt::Key_Escape);
  EXPECT_FALSE(Form->FullScreen());
  EXPECT_FALSE(Action("fullScreenAction")->isChecked());
  static_cast<void>(QTest::qWaitFor([&] { return Form->geometry() == place; }));
  EXPECT_EQ(Form->geometry(), place);
  EXPECT_EQ(Form->centralWidget()->size(), QSize(632, 394));
  Form->close();
  EXPECT_NE(ReadFile(Game.Dirs.Settings + "PLAYER.INI").find("FullScreen=0"), std::string::npos);

  // Restoring from maximised comes back to the same place as well.
  Form.reset();
  Open();
  Form->move(place.topLeft() + QPoint(40, 30));
  const QRect moved = Form->geometry();
  Form->showMaximized();
  ASSERT_TRUE(QTest::qWaitFor([&] { return Form->isMaximized(); }));
  Form->showNormal();
  static_cast<void>(QTest::qWaitFor([&] { return Form->geometry() == moved; }));
  EXPECT_EQ(Form->geometry(), moved);
  Form->close();

  std::ofstream(Game.Dirs.Settings + "PLAYER.INI") << "[Window]\nFullScreen=yes\n";
  Form.reset();
  Open();
  QTest::qWait(50);
  EXPECT_FALSE(Form->FullScreen());
  EXPECT_TRUE(Messages.empty());
}

// Larger than designed, maximised or in full screen, the whole machine grows as one picture
// centred in the client area: the face keeps its designed layout at a finer pixel ratio and the
// panel and its buttons grow by the same scale; back at the designed size it is pixel for pixel.
TEST_F(Window, WholeMachineScalesWhenLarger) {
  Open();
  struct Case {
    const char* What;
    std::function<void()> Enter, Leave;
  };
  const Case cases[] = {
      {"maximised", [&] { Form->showMaximized(); }, [&] { Form->showNormal(); }},
      {"full screen", [&] { Form->SetFullScreen(true); }, [&] { Form->SetFullScreen(false); }}};
  const auto at = [](double v) { return static_cast<int>(std::lround(v)); };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.What);
    c.Enter();
    ASSERT_TRUE(QTest::qWaitFor([&] { return Form->PictureScale() > 1; }));
    const QSize client = Form->centralWidget()->size();
    const double s = Form->PictureScale();
    EXPECT_DOUBLE_EQ(s, std::min(client.width() / 632.0, client.height() / 394.0));
    const QPointF o = Form->PictureOrigin();
    EXPECT_EQ(Panel()->geometry(),
              QRect(at(o.x()), at(o.y()) + at(337 * s), at(632 * s), at(57 * s)));
    EXPECT_EQ(Button("betOneButton")->geometry(),
              QRect(at(22 * s), at(4 * s), at(132 * s), at(49 * s)));
    EXPECT_EQ(Button("spinButton")->geometry(),
              QRect(at(478 * s), at(4 * s), at(132 * s), at(49 * s)));
    EXPECT_EQ(Form->Painter().Canvas.deviceIndependentSize().toSize(), QSize(632, 394));
    EXPECT_DOUBLE_EQ(Form->Painter().Canvas.devicePixelRatio(), s * Form->devicePixelRatioF());

    c.Leave();
    static_cast<void>(
        QTest::qWaitFor([&] { return Form->centralWidget()->size() == QSize(632, 394); }));
    EXPECT_EQ(Form->centralWidget()->size(), QSize(632, 394));
    EXPECT_EQ(Form->PictureScale(), 1);
    EXPECT_EQ(Panel()->geometry(), QRect(0, 337, 632, 57));
    EXPECT_EQ(Button("betOneButton")->geometry(), QRect(22, 4, 132, 49));
    EXPECT_EQ(Form->Painter().Canvas.size(), QSize(632, 394));
  }
}

// The normal window's place is kept in PLAYER.INI and comes back at the next start when it is on
// a screen, also after a game that ended maximised; a place off every screen, or a damaged one,
// centres the window.
TEST_F(Window, PlaceAcrossARestart) {
  Open();
  Form->move(37, 29);
  static_cast<void>(QTest::qWaitFor([&] { return Form->pos() == QPoint(37, 29); }));
  EXPECT_EQ(Form->pos(), QPoint(37, 29));
  Form->showMaximized();
  ASSERT_TRUE(QTest::qWaitFor([&] { return Form->isMaximized(); }));
  Form->close();
  const std::string player = Game.Dirs.Settings + "PLAYER.INI";
  EXPECT_NE(ReadFile(player).find("X=37\nY=29\n"), std::string::npos);

  struct Row {
    const char* What;
    std::string Window;  // the [Window] section written before the start; empty: as kept
    bool Kept;
  };
  const Row rows[] = {{"kept", "", true},
                      {"off every screen", "[Window]\nX=-5000\nY=-5000\n", false},
                      {"damaged", "[Window]\nX=left\nY=29\n", false}};
  for (const Row& r : rows) {
    SCOPED_TRACE(r.What);
    if (!r.Window.empty()) std::ofstream(player) << r.Window;
    Form.reset();
    Form = std::make_unique<MainWindow>(GameHandle(Game), Prompts);
    Form->PlaceAtStart();
    Form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(Form.get()));
    if (r.Kept) {
      EXPECT_EQ(Form->pos(), QPoint(37, 29));
    } else {
      // Centred as it is built, before the menu bar has its final height.
      const QPoint off =
          Form->frameGeometry().center() - Form->screen()->availableGeometry().center();
      EXPECT_LE(off.manhattanLength(), 8) << off.x() << "," << off.y();
    }
    EXPECT_TRUE(Messages.empty());
  }
}

// A fresh installation starts with the defaults and their check marks.
TEST_F(Window, FreshStartDefaults) {
  Open();
  EXPECT_EQ(Game.Machine.Credits, 1000.00_usd);
  EXPECT_EQ(Game.Machine.BonusPool, 50.00_usd);
  EXPECT_TRUE(Action("coinQuarterAction")->isChecked());
  EXPECT_FALSE(Action("coinFiveDollarsAction")->isChecked());
  EXPECT_TRUE(Action("fastAction")->isChecked());
  EXPECT_TRUE(Action("aceyDuceyAction")->isChecked());
  EXPECT_FALSE(Action("loseSoundAction")->isChecked());
  EXPECT_FALSE(Action("slotSpinSoundAction")->isChecked());
  EXPECT_TRUE(Action("wheelSpinSoundAction")->isChecked());
  EXPECT_TRUE(Action("soundOnAction")->isChecked());
  EXPECT_TRUE(Action("musicOnAction")->isChecked());
  EXPECT_TRUE(Action("tiledAction")->isChecked());
  EXPECT_FALSE(Action("autoSpinAction")->isChecked());
  EXPECT_EQ(Game.Machine.ReelStops, (std::array<int, 3>{26, 2, 8}));
}

// Loaded values take effect; values out of range stay as read while Fast and 25 cents rule.
TEST_F(Window, StartUpAppliesTheSettings) {
  Open(
      "[Settings]\nBet=0\nBonusPool=77.00\nSpeed=2\nsndLose=1\nBackBMP=/nowhere.bmp\n"
      "WinSound=/missing.wav\n");
  EXPECT_EQ(Game.Machine.CoinValue, 5.00_usd);
  EXPECT_EQ(Game.Machine.BonusPool, 77.00_usd);
  EXPECT_TRUE(Action("coinFiveDollarsAction")->isChecked());
  EXPECT_TRUE(Action("slowAction")->isChecked());
  EXPECT_EQ(Game.Machine.SpinDelay, 55);
  EXPECT_TRUE(Action("loseSoundAction")->isChecked());
  EXPECT_EQ(Game.Options.BackMode, BackgroundMode::SolidColor);
  EXPECT_TRUE(Action("solidColorAction")->isChecked());
  EXPECT_EQ(Game.Sound.WinFile, Game.Dirs.Program + "ZANDOR5.WAV");
  Form.reset();

  GameState other;
  Game = other;
  Open("[Settings]\nBet=7\nSpeed=9\n");
  EXPECT_EQ(Game.Machine.CoinValue, 0.25_usd);
  for (QAction* a : {Action("coinFiveDollarsAction"), Action("coinOneDollarAction"),
                     Action("coinFiftyCentsAction"), Action("coinQuarterAction"),
                     Action("coinDimeAction"), Action("coinNickelAction")})
    EXPECT_FALSE(a->isChecked());
  EXPECT_TRUE(Action("fastAction")->isChecked());
  EXPECT_EQ(Game.Machine.SpinDelay, 10);
  Form->close();
  std::string ini = ReadFile(Game.Dirs.Settings + "ZANDOR.INI");
  EXPECT_NE(ini.find("Speed=9\n"), std::string::npos);
  EXPECT_NE(ini.find("Bet=7\n"), std::string::npos);
}

// A wager placed but never spun goes back to the credits when the game closes, and the
// program's other windows close with it.
TEST_F(Window, CloseReturnsAnUnspunWager) {
  Open();
  QTest::mouseClick(Button("betOneButton"), Qt::LeftButton);
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
      ASSERT_TRUE(QTest::qWaitFor([&] { return !Form->isVisible(); }));
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
  EXPECT_TRUE(Action("tiledAction")->isChecked());

  QTemporaryDir dir;
  QImage tile(64, 64, QImage::Format_RGB32);
  tile.fill(QColor(10, 120, 30));
  QString tilePath = dir.path() + "/green.bmp";
  ASSERT_TRUE(tile.save(tilePath, "BMP"));
  Prompts.Files.push_back(tilePath);
  Form->ChooseTile();
  EXPECT_EQ(Game.Options.BackBitmap, tilePath.toStdString());
  EXPECT_EQ(Form->Painter().Canvas.pixelColor(5, 5), QColor(10, 120, 30));

  Form->ChooseSolidColor();  // the colour box is cancelled
  ASSERT_EQ(Prompts.Initials.size(), 1u);
  EXPECT_EQ(Prompts.Initials[0], QColor(0, 0, 0));
  EXPECT_TRUE(Action("solidColorAction")->isChecked());
  EXPECT_FALSE(Action("tiledAction")->isChecked());
  EXPECT_EQ(Game.Options.BackMode, BackgroundMode::TiledBitmap);
  EXPECT_EQ(Form->Painter().Canvas.pixelColor(5, 5), QColor(192, 192, 192));

  Prompts.Colors.push_back(QColor(0, 100, 0));
  Form->ChooseSolidColor();
  EXPECT_EQ(Game.Options.BackMode, BackgroundMode::SolidColor);
  EXPECT_EQ(Game.Options.BackColor, 0x006400);
  EXPECT_EQ(Form->Painter().Canvas.pixelColor(5, 5), QColor(0, 100, 0));

  // A file that is not a bitmap changes nothing and says so.
  QString junk = dir.path() + "/junk.bmp";
  std::ofstream(junk.toStdString()) << "not a picture";
  Prompts.Files.push_back(junk);
  Messages.clear();
  Form->ChooseTile();
  ASSERT_EQ(Messages.size(), 1u);
  EXPECT_EQ(Game.Options.BackBitmap, tilePath.toStdString());
  EXPECT_TRUE(Action("solidColorAction")->isChecked());
}

// Blinking and High Contrast are the player's own choices, kept in PLAYER.INI and never in
// ZANDOR.INI: blinking on and contrast off at first, both come back after a restart, and a
// damaged value reads as the default. With blinking off the power-up symbols stay still.
TEST_F(Window, BlinkingAndHighContrastAcrossARestart) {
  Open();
  EXPECT_TRUE(Action("blinkingAction")->isChecked());
  EXPECT_FALSE(Action("highContrastAction")->isChecked());
  EXPECT_FALSE(Form->Painter().HighContrast);
  Action("blinkingAction")->trigger();
  Action("highContrastAction")->trigger();
  EXPECT_TRUE(Form->Painter().HighContrast);
  Form->close();
  EXPECT_NE(
      ReadFile(Game.Dirs.Settings + "PLAYER.INI").find("[View]\nBlinking=0\nHighContrast=1\n"),
      std::string::npos);
  const std::string ini = ReadFile(Game.Dirs.Settings + "ZANDOR.INI");
  EXPECT_EQ(ini.find("Blinking"), std::string::npos);
  EXPECT_EQ(ini.find("HighContrast"), std::string::npos);

  Form.reset();
  Open();
  EXPECT_FALSE(Action("blinkingAction")->isChecked());
  EXPECT_TRUE(Action("highContrastAction")->isChecked());
  EXPECT_TRUE(Form->Painter().HighContrast);
  const QImage still = Form->Painter().Canvas.copy();
  for (int tick = 0; tick < 3; ++tick) Form->BlinkWin();
  EXPECT_TRUE(Form->Painter().BlinkPhase);
  EXPECT_EQ(Form->Painter().Canvas, still);
  Form->close();

  std::ofstream(Game.Dirs.Settings + "PLAYER.INI") << "[View]\nBlinking=no\nHighContrast=2\n";
  Form.reset();
  Open();
  EXPECT_TRUE(Action("blinkingAction")->isChecked());
  EXPECT_FALSE(Action("highContrastAction")->isChecked());
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
    Action("changeVolumeAction")->trigger();
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
  PlayerIni playerFile(Game.Dirs.Settings);
  SavedGameTable savedGames(Game.Dirs.Settings, playerFile);
  std::vector<std::pair<std::unique_ptr<QWidget>, HelpTopic>> windows;
  windows.emplace_back(std::make_unique<PayoffChart>(Game.Machine, Game.Dirs,
                                                     Form->Painter().Glyphs, Prompts, Form.get()),
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
                           win, Form->RandomSource(), [](Effect) {}, Prompts, Form.get()),
                       HelpTopic::CardGame);
  windows.emplace_back(
      std::make_unique<BankDialog>(Game.Machine, Form->Painter().Glyphs, Prompts, Form.get()),
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
  EXPECT_EQ(Action("manualAction")->shortcut(), QKeySequence(QKeySequence::HelpContents));
}
