#include "app/MainWindow.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QMenu>
#include <QMenuBar>
#include <cstdio>
#include <filesystem>
#include <vector>

#include "app/BackgroundChoice.h"
#include "app/BetPanel.h"
#include "app/RefusalNotes.h"
#include "app/SpinAnnouncer.h"
#include "app/ViewOptions.h"
#include "app/WindowKeeping.h"
#include "app/WindowPlacement.h"
#include "audio/GameAudio.h"
#include "bank/BankDialog.h"
#include "face/FaceAccessible.h"
#include "face/PayoffChart.h"
#include "help/Help.h"
#include "machine/Refusals.h"
#include "platform/Announcement.h"
#include "platform/FileNames.h"
#include "platform/Language.h"
#include "platform/PaintedArea.h"
#include "platform/Prompts.h"
#include "record/RecordKeeper.h"
#include "saves/SavedGames.h"
#include "saves/SlotDialog.h"
#include "store/DamagedFile.h"
#include "store/Settings.h"
#include "store/Utf8Text.h"
#include "store/WindowSettings.h"

namespace zandor {

namespace {

bool FileExists(const std::string& path) {
  std::error_code ec;
  return !path.empty() && std::filesystem::is_regular_file(path, ec);
}

}  // namespace

MainWindow::MainWindow(GameHandle game, Prompts& prompts, QWidget* parent)
    : QMainWindow(parent),
      game_(game.State()),
      options_(game.Options()),
      sound_(game.Sound()),
      music_(game.Music()),
      face_(game_.Machine, game_.Options, game_.Dirs),
      host_(*this, face_, game_.Machine, random_, prompts),
      machine_(game, random_, HostOf(host_)),
      prompts_(prompts),
      playerFile_(game_.Dirs.Settings),
      savedGames_(game_.Dirs.Settings, playerFile_) {
  setWindowTitle("Zandor Slots");

  faceWidget_ = new FaceView(face_, machine_, this);
  setCentralWidget(faceWidget_);
  placement_ = new WindowPlacement(*this, *faceWidget_);
  record_ = new RecordKeeper(game_.Machine, face_, this, prompts_, playerFile_);
  BuildFace();
  // A press that comes to nothing is told at the button pressed; Auto Spin's at Spin.
  announcer_ = std::make_unique<RefusalNotes>(
      game_.Machine, [this](const QString& s) { Announce(this, s); },
      [this](int coins) { return panel_->ButtonFor(coins); });
  // The record and the screen reader each hear the game, side by side.
  events_ = std::make_unique<EventFanOut>(
      std::vector<GameEvents*>{&record_->Record, announcer_.get()});
  machine_.SetEvents(events_.get());
  sessionWindow_ =
      std::make_unique<WindowKeeping>(*this, *placement_, *record_, options_, prompts_);
  session_ = std::make_unique<GameSession>(game_, machine_, playerFile_, record_->Record, host_,
                                           *sessionWindow_);
  host_.Attach(machine_, *faceWidget_, *faceArea_, *panel_, *session_);
  background_ = std::make_unique<BackgroundChoice>(face_, options_, prompts_, this,
                                                   ShownPath(game_.Dirs.Program));
  view_ =
      std::make_unique<ViewOptions>(face_, *faceWidget_, playerFile_, [this] { host_.Repaint(); });
  BuildMenus();

  host_.OnChanges([this] { AfterStateChange(); }, [this] { machine_.NextAutomaticSpin(); },
                  [this] { BlinkWin(); });
  songStartTimer_.setInterval(200);
  connect(&songStartTimer_, &QTimer::timeout, this, [this] {
    songStartTimer_.stop();
    if (audio_) audio_->StartMusic();
    host_.StateChanged();
  });

  LoadStartState();
  faceWidget_->setMinimumSize(DesignWidth, DesignHeight);
  resize(DesignWidth, DesignHeight + menuBar()->sizeHint().height());
  // Space and Enter spin from the start, as they do after every spin.
  panel_->FocusSpin();
}

MainWindow::~MainWindow() {
  if (audio_) audio_->Shutdown();
}

void MainWindow::LoadStartState() {
  setUpdatesEnabled(false);
  std::string letters = face_.LoadLetters();
  if (!letters.empty()) prompts_.Warn(this, QString::fromStdString(letters));

  // Every start-up default comes from the game's own initial values, with the files of
  // the program's folder; the settings file then overrides what it holds.
  GameState defaults;
  defaults.Dirs = game_.Dirs;
  defaults.SetFileDefaults();
  options_ = defaults.Options;
  sound_ = defaults.Sound;
  music_ = defaults.Music;
  machine_.Owner().StartFrom(defaults.Machine);

  audio_ = std::make_unique<GameAudio>(sound_, music_, game_.Dirs, prompts_, this, &playerFile_);
  host_.PlayThrough(audio_.get());
  std::string soundError = audio_->LoadEffectSounds();
  if (!soundError.empty()) prompts_.Warn(this, QString::fromStdString(soundError));

  // A damaged file makes way for a fresh one; the player is told once where it went.
  std::vector<PlayerText> setAside = SetAsideDamagedFiles(game_.Dirs.Settings);
  if (!playerFile_.SetAside().empty())
    setAside.push_back(SetAsideNotice(playerFile_.Path(), playerFile_.SetAside()));
  for (const PlayerText& notice : setAside) prompts_.Warn(this, Translated(notice));
  const GameState read = session_->Load();
  options_ = read.Options;
  sound_ = read.Sound;
  music_ = read.Music;
  placement_->SetFullScreenAtStart(LoadFullScreen(playerFile_));

  // Sound files that do not exist go back to their defaults.
  for (auto [file, def] : {std::pair{&sound_.WinFile, &defaults.Sound.WinFile},
                           {&sound_.LoseFile, &defaults.Sound.LoseFile},
                           {&sound_.PowerUpFile, &defaults.Sound.PowerUpFile},
                           {&sound_.PowerDownFile, &defaults.Sound.PowerDownFile},
                           {&sound_.BonusFile, &defaults.Sound.BonusFile}})
    if (!FileExists(*file)) *file = *def;

  // A tile that is missing or cannot be read means the solid colour.
  const bool tile = FileExists(options_.BackBitmap) && face_.LoadTile(options_.BackBitmap).empty();
  if (!tile) options_.BackMode = BackgroundMode::SolidColor;
  face_.TiledChecked = options_.BackMode == BackgroundMode::TiledBitmap;

  payoffs_ = new PayoffChart(game_.Machine, game_.Dirs, face_.Glyphs, prompts_, this);
  SetView(LoadViewChoices(playerFile_));
  host_.StateChanged();
  // An interrupted spin is completed before the player sees the machine.
  session_->Begin();
  setUpdatesEnabled(true);
  songStartTimer_.start();
  host_.SetWinBlink(true);
}

void MainWindow::BuildFace() {
  panel_ = new BetPanel(machine_, faceWidget_, this);
  faceArea_ = new PaintedArea(faceWidget_, QAccessible::Grouping, tr("Slot machine"),
                              [this] { return FaceParts(face_, game_.Machine); });
  faceArea_->setObjectName("faceArea");
  panel_->SetFaceArea(faceArea_);
  faceWidget_->Attach(panel_, faceArea_);
  faceWidget_->OnLaidOut([this](const std::string& err) {
    // The reels carry the strips they hold now: a won bonus keeps reel 2's free-spin strip.
    machine_.RefreshReelStrips();
    host_.Repaint();
    // Without its artwork the face still has its buttons, meters and lamps; only the reels are
    // missing, and the game goes on.
    if (!err.empty()) prompts_.Warn(this, QString::fromStdString(err));
  });
}

void MainWindow::BuildMenus() {
  menus_ = new GameMenus(menuBar(), MenuTable());
  placement_->OnFullScreenChanged([this] { menus_->Refresh(); });
  QMenu* bet = menus_->Menu("betAmountMenu");
  bet->setToolTipsVisible(true);  // a greyed coin value shows why
  // The keyboard passes over greyed entries, so a screen reader hears the reason as they open.
  connect(bet, &QMenu::aboutToShow, this, [this] {
    const QString why = Translated(CoinValueClosedText(game_.Machine, machine_.Busy()));
    if (!why.isEmpty()) Announce(this, why);
  });
  record_->AddMenuEntries(menus_->Menu("fileMenu"), menus_->Action("exitAction"),
                          menus_->Menu("autoMenu"));
  // Every choice from the menus is kept at once (a coin value, a speed, a sound, the card
  // game's offer...); one that moves money keeps the game itself once it has settled.
  connect(menuBar(), &QMenuBar::triggered, this, [this] { session_->GameSettled(); });
  // The menu bar hands the focus back to whatever had it when it was entered, which may be the
  // menu bar itself when it was left and entered again from the keyboard; the focus belongs on
  // one of the machine's controls.
  connect(menuBar(), &QMenuBar::triggered, panel_, &BetPanel::KeepFocusInWindow,
          Qt::QueuedConnection);
}

void MainWindow::AfterStateChange() {
  menus_->Refresh();
  if (!machine_.Busy() && closePending_) {
    closePending_ = false;
    QTimer::singleShot(0, this, &QWidget::close);
  }
}

void MainWindow::PlaceAtStart() { placement_->PlaceAtStart(LoadWindowPlace(playerFile_)); }

void MainWindow::ShowMaximizedAtStart() { placement_->ShowMaximizedAtStart(); }

bool MainWindow::Maximised() const { return placement_->Maximised(); }

void MainWindow::SetFullScreen(bool on) { placement_->SetFullScreen(on); }

bool MainWindow::FullScreen() const { return placement_->FullScreen(); }

double MainWindow::PictureScale() const { return faceWidget_->PictureScale(); }

QPointF MainWindow::PictureOrigin() const { return faceWidget_->PictureOrigin(); }

const ViewChoices& MainWindow::View() const { return view_->Choices(); }

void MainWindow::SetView(const ViewChoices& choices) {
  view_->Set(choices, payoffs_);
  menus_->Refresh();
}

void MainWindow::CloseOnSignal() {
  closingOnSignal_ = true;
  RequestClose();
}

void MainWindow::KeepAtClose() {
  std::vector<std::string> failed = session_->Close();
  // Nobody may be there to answer a box: the failure goes to the log and the game ends. The
  // path goes in with its own bytes, whatever their encoding.
  const auto log = [&failed] {
    for (const std::string& path : failed) {
      QByteArray line = UnableToWrite().toLocal8Bit();
      line.replace("%1", QByteArray::fromStdString(path));
      std::fprintf(stderr, "zandor-slots: %s\n", line.constData());
    }
  };
  if (closingOnSignal_) return log();
  while (!failed.empty()) {
    // A signal while a box is up (it closes the box) ends the close at once.
    for (const std::string& path : failed) {
      prompts_.Warn(this, UnableToWrite().arg(QString::fromStdString(path)));
      if (closingOnSignal_) return log();
    }
    // The disk may have been freed or the folder made writable meanwhile.
    const bool again = prompts_.Confirm(
        this, "Zandor Slots", tr("Your game could not be saved. Try again before the game closes?"));
    if (closingOnSignal_) return log();
    if (!again) return;
    failed = session_->KeepAgain();
  }
}

void MainWindow::RequestClose() {
  // Modal dialogs go first, the innermost first; a spin they interrupted settles, then the
  // window closes.
  for (int guard = 0; guard < 16; ++guard) {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal || modal == this) break;
    modal->close();
  }
  QTimer::singleShot(0, this, &QWidget::close);
}

void MainWindow::closeEvent(QCloseEvent* event) {
  if (machine_.Busy()) {
    // Close once the spin in progress has settled: it skips the card game and counts what
    // is left in at once, so no player has to be there for it.
    closePending_ = true;
    machine_.RequestClose();
    event->ignore();
    return;
  }
  // The window's choice, the record and the game reach PLAYER.INI in one replace, then the
  // settings file follows; a placed wager that was never spun goes back to the credits.
  StoreFullScreen(playerFile_, FullScreen());
  StoreWindowPlace(playerFile_, placement_->NormalPlace());
  KeepAtClose();
  host_.SetAutomaticSpins(false);
  songStartTimer_.stop();
  host_.SetWinBlink(false);
  if (audio_) audio_->Shutdown();
  event->accept();
  // The program ends with its main window, whatever else is open (the manual, say).
  for (QWidget* w : QApplication::topLevelWidgets())
    if (w != this && w->isVisible()) w->close();
}

// ---- menu handlers ----

void MainWindow::NewGame() { machine_.NewGame(); }

void MainWindow::OpenGame() {
  if (machine_.Busy()) return;
  // No automatic spin may start underneath while a game is being chosen.
  const bool autoTimer = host_.AutomaticSpinsEnabled();
  host_.SetAutomaticSpins(false);
  SlotDialog dlg(machine_.Owner(), savedGames_, SlotDialog::Mode::Open, prompts_, this);
  if (dlg.exec() == QDialog::Accepted) {
    session_->GameOpened();
    const MachineState& m = game_.Machine;
    if (dlg.ChosenSlot >= 1 && dlg.ChosenSlot <= 8)
      machine_.Events().SavedGameOpened(dlg.ChosenSlot, savedGames_.Slots[dlg.ChosenSlot - 1].Name,
                                        CentsOf(m.Credits + m.Wager));
  }
  if (autoTimer) host_.SetAutomaticSpins(true);
  host_.Repaint();
}

void MainWindow::SaveGame() {
  // A slot saved while money is in motion would record credits before the win is in.
  if (machine_.Busy()) return;
  SlotDialog dlg(machine_.Owner(), savedGames_, SlotDialog::Mode::Save, prompts_, this);
  dlg.exec();
}

void MainWindow::ChooseTile() {
  if (!background_->ChooseTile()) return;
  host_.StateChanged();
  host_.Repaint();
}

void MainWindow::ChooseSolidColor() {
  background_->ChooseSolidColor();
  host_.StateChanged();
  host_.Repaint();
}

void MainWindow::OpenBank() {
  BankDialog dlg(machine_.Owner(), face_.Glyphs, prompts_, this);
  dlg.Events = &machine_.Events();
  dlg.exec();
  session_->KeepNow();
  host_.Repaint();
}

void MainWindow::ShowPayoffs() { payoffs_->exec(); }

void MainWindow::BlinkWin() {
  if (audio_) audio_->StartPendingSong();
  view_->Blink();
}

}  // namespace zandor
