#include "app/MainWindow.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDateTime>
#include <QEventLoop>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <vector>

#include "app/RefusalNotes.h"
#include "app/SpinAnnouncer.h"
#include "audio/GameAudio.h"
#include "bank/BankDialog.h"
#include "cards/CardTable.h"
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

// The session's window: keeping waits for the event being handled, and the game is given the
// window's placement and the time played before it is kept.
class WindowKeeping : public SessionWindow {
 public:
  WindowKeeping(MainWindow& window, Prompts& prompts) : window_(window), prompts_(prompts) {}
  void RunSoon(std::function<void()> task) override {
    QTimer::singleShot(0, &window_, std::move(task));
  }
  void BeforeKeep() override {
    // Written as the close would write it: maximised as the window stands once it is shown.
    if (window_.isVisible())
      window_.Game.Options.Maxed = window_.Maximised() && !window_.isMinimized();
    window_.Record().CountTime();
  }
  void KeepingFailed(const std::vector<std::string>& paths) override {
    QStringList lines;
    for (const std::string& path : paths)
      lines << UnableToWrite().arg(QString::fromStdString(path));
    lines << QCoreApplication::translate(
        "zandor::MainWindow",
        "Your game is not being saved: if it stopped now, what you play from here on would be "
        "lost. You will be told when it is saved again.");
    prompts_.Warn(&window_, lines.join(QLatin1Char('\n')));
  }
  void KeepingWorksAgain() override {
    prompts_.Inform(&window_, QCoreApplication::translate("zandor::MainWindow",
                                                          "Your game is being saved again."));
  }
  void SpinCompleted(const PlayerText& notice) override {
    // The start completes the spin before the window is shown: the box waits for the face.
    ShowOnceUp(Translated(notice), 50);
  }

 private:
  void ShowOnceUp(const QString& text, int triesLeft) {
    QTimer::singleShot(triesLeft == 50 ? 0 : 100, &window_, [this, text, triesLeft] {
      if (!window_.isVisible() && triesLeft > 0) return ShowOnceUp(text, triesLeft - 1);
      prompts_.Inform(&window_, text);
    });
  }

 private:
  MainWindow& window_;
  Prompts& prompts_;
};

}  // namespace

// The client area: shows the face canvas and tells the window when it is resized.
class FaceWidget : public QWidget {
 public:
  FaceWidget(MainWindow& window) : QWidget(&window), window_(window) {
    setAttribute(Qt::WA_OpaquePaintEvent);
  }

 protected:
  void paintEvent(QPaintEvent* e) override {
    QPainter p(this);
    const QImage& canvas = window_.Face.Canvas;
    if (canvas.isNull()) {
      p.fillRect(e->rect(), FaceColor);
      return;
    }
    const double ratio = canvas.devicePixelRatio();
    // Moved to a screen of another density: lay out again at its ratio, after this paint.
    if (ratio != devicePixelRatioF() * window_.PictureScale())
      QTimer::singleShot(0, &window_, &MainWindow::LayOutFace);
    if (window_.FullScreen()) {
      PaintPicture(p, e->rect(), canvas);
      return;
    }
    const QRect r = e->rect();
    p.drawImage(QRectF(r), canvas,
                QRectF(r.x() * ratio, r.y() * ratio, r.width() * ratio, r.height() * ratio));
  }
  void resizeEvent(QResizeEvent*) override { window_.LayOutFace(); }
  // Full screen: the canvas holds the scaled picture at the screen's own pixels, copied one to
  // one into its place; the screen around it stays black.
  void PaintPicture(QPainter& p, const QRect& dirty, const QImage& canvas) {
    const double dpr = devicePixelRatioF();
    const QPointF origin = window_.PictureOrigin();
    const QRectF picture(origin, canvas.deviceIndependentSize() * window_.PictureScale());
    const QRegion around = QRegion(dirty) - QRegion(picture.toAlignedRect());
    for (const QRect& r : around) p.fillRect(r, Qt::black);
    const QRectF r = QRectF(dirty) & picture;
    if (r.isEmpty()) return;
    p.drawImage(r, canvas,
                QRectF((r.x() - origin.x()) * dpr, (r.y() - origin.y()) * dpr, r.width() * dpr,
                       r.height() * dpr));
  }
  // A click on the face while a win or the bonus pool counts up puts the rest in at once.
  void mousePressEvent(QMouseEvent* e) override {
    if (e->button() == Qt::LeftButton) window_.Machine.HurryCountUp();
    QWidget::mousePressEvent(e);
  }

 private:
  MainWindow& window_;
};

MainWindow::MainWindow(GameState& game, Prompts& prompts, QWidget* parent)
    : QMainWindow(parent),
      Game(game),
      Face(game.Machine, game.Options, game.Dirs),
      Machine(game.Machine, game.Options, Random, HostOf(*this)),
      prompts_(prompts),
      savedGames_(game.Dirs.Settings),
      playerFile_(game.Dirs.Settings) {
  clock_.start();
  setWindowTitle("Zandor Slots");

  faceWidget_ = new FaceWidget(*this);
  setCentralWidget(faceWidget_);
  record_ = new RecordKeeper(Game.Machine, Face, this, prompts_, playerFile_);
  // A press that comes to nothing is told at the button pressed; Auto Spin's at Spin.
  announcer_ = std::make_unique<RefusalNotes>(
      Game.Machine, [this](const QString& s) { Announce(this, s); },
      [this](int coins) -> QWidget* {
        return coins == 1    ? BetOneButton
               : coins == 5  ? BetFiveButton
               : coins == 25 ? BetMaxButton
                             : SpinButton;
      });
  // The record and the screen reader each hear the game, side by side.
  events_ = std::make_unique<EventFanOut>(
      std::vector<GameEvents*>{&record_->Record, announcer_.get()});
  Machine.SetEvents(events_.get());
  sessionWindow_ = std::make_unique<WindowKeeping>(*this, prompts_);
  session_ = std::make_unique<GameSession>(Game, Machine, playerFile_, record_->Record, *this,
                                           *sessionWindow_);
  BuildPanel();
  BuildMenus();

  AutomaticSpinTimer.setInterval(1000);
  SongStartTimer.setInterval(200);
  WinBlinkTimer.setInterval(400);
  connect(&AutomaticSpinTimer, &QTimer::timeout, this, [this] { Machine.NextAutomaticSpin(); });
  connect(&SongStartTimer, &QTimer::timeout, this, [this] {
    SongStartTimer.stop();
    if (audio_) audio_->StartMusic();
    StateChanged();
  });
  connect(&WinBlinkTimer, &QTimer::timeout, this, [this] { BlinkWin(); });

  LoadStartState();
  faceWidget_->setMinimumSize(DesignWidth, DesignHeight);
  resize(DesignWidth, DesignHeight + menuBar()->sizeHint().height());
  // Space and Enter spin from the start, as they do after every spin.
  SpinButton->setFocus();
}

MainWindow::~MainWindow() {
  if (audio_) audio_->Shutdown();
}

void MainWindow::LoadStartState() {
  setUpdatesEnabled(false);
  tileDir_ = ShownPath(Game.Dirs.Program);
  std::string letters = Face.LoadLetters();
  if (!letters.empty()) prompts_.Warn(this, QString::fromStdString(letters));

  // Every start-up default comes from the game's own initial values, with the files of
  // the program's folder; the settings file then overrides what it holds.
  GameState defaults;
  defaults.Dirs = Game.Dirs;
  defaults.SetFileDefaults();
  Game = defaults;
  ComputeReelGrid(Game.Machine);

  audio_ =
      std::make_unique<GameAudio>(Game.Sound, Game.Music, Game.Dirs, prompts_, this, &playerFile_);
  std::string soundError = audio_->LoadEffectSounds();
  if (!soundError.empty()) prompts_.Warn(this, QString::fromStdString(soundError));

  // A damaged file makes way for a fresh one; the player is told once where it went.
  std::vector<PlayerText> setAside = SetAsideDamagedFiles(Game.Dirs.Settings);
  if (!playerFile_.SetAside().empty())
    setAside.push_back(SetAsideNotice(playerFile_.Path(), playerFile_.SetAside()));
  for (const PlayerText& notice : setAside) prompts_.Warn(this, Translated(notice));
  session_->Load();
  fullScreenAtStart_ = LoadFullScreen(playerFile_);

  // Sound files that do not exist go back to their defaults.
  SoundSettings& sound = Game.Sound;
  for (auto [file, def] : {std::pair{&sound.WinFile, &defaults.Sound.WinFile},
                           {&sound.LoseFile, &defaults.Sound.LoseFile},
                           {&sound.PowerUpFile, &defaults.Sound.PowerUpFile},
                           {&sound.PowerDownFile, &defaults.Sound.PowerDownFile},
                           {&sound.BonusFile, &defaults.Sound.BonusFile}})
    if (!FileExists(*file)) *file = *def;

  // A tile that is missing or cannot be read means the solid colour.
  PlayerOptions& options = Game.Options;
  const bool tile = FileExists(options.BackBitmap) && Face.LoadTile(options.BackBitmap).empty();
  if (!tile) options.BackMode = BackgroundMode::SolidColor;
  Face.TiledChecked = options.BackMode == BackgroundMode::TiledBitmap;

  payoffs_ = new PayoffChart(Game.Machine, Game.Dirs, Face.Glyphs, prompts_, this);
  SetView(LoadViewChoices(playerFile_));
  StateChanged();
  // An interrupted spin is completed before the player sees the machine.
  session_->Begin();
  setUpdatesEnabled(true);
  SongStartTimer.start();
  WinBlinkTimer.start();
}

void MainWindow::BuildPanel() {
  ButtonPanel = new QWidget(faceWidget_);
  ButtonPanel->setAutoFillBackground(true);
  QPalette pal = ButtonPanel->palette();
  pal.setColor(QPalette::Window, FaceColor);
  ButtonPanel->setPalette(pal);
  auto make = [this](const QString& caption, const QString& hint) {
    auto* b = new QPushButton(caption, ButtonPanel);
    b->setToolTip(hint);
    b->resize(132, 49);
    QFont f = b->font();
    f.setPointSize(11);
    f.setBold(true);
    b->setFont(f);
    return b;
  };
  //: The button that bets one coin.
  BetOneButton = make(tr("Bet 1"), tr("Bet one credit (key 1)"));
  //: The button that bets five coins.
  BetFiveButton = make(tr("Bet 5"), tr("Bet five credits (key 5)"));
  //: The button that bets the most coins (25) and spins.
  BetMaxButton = make(tr("Bet Max"), tr("Bet the maximum and spin (key M)"));
  //: The button that spins the reels.
  SpinButton = make(tr("Spin"), tr("Spins the slot wheels (Space or Enter)"));
  SpinButton->setDefault(true);
  connect(BetOneButton, &QPushButton::clicked, this, [this] { Machine.BetOne(); });
  connect(BetFiveButton, &QPushButton::clicked, this, [this] { Machine.BetFive(); });
  connect(BetMaxButton, &QPushButton::clicked, this, [this] { Machine.BetMax(); });
  connect(SpinButton, &QPushButton::clicked, this, [this] { Machine.Spin(); });
  AddButtonKeys();
  FaceArea = new PaintedArea(faceWidget_, QAccessible::Grouping, tr("Slot machine"),
                             [this] { return FaceParts(Face, Game.Machine); });
}

void MainWindow::AddButtonKeys() {
  // The keys belong to the main window, whatever has the focus in it; a modal dialog such as
  // the card table is a window of its own, so its keys stay its own. Space and Enter press the
  // bet button that has the focus, and spin from anywhere else. A key does what a click does,
  // so nothing while its button is disabled, and a held key does not repeat: one press, one bet
  // or spin. The keypad's digits and Enter count as the main keys.
  const std::pair<QPushButton*, QKeySequence> keys[] = {
      {BetOneButton, QKeySequence(Qt::Key_1)},    {BetFiveButton, QKeySequence(Qt::Key_5)},
      {BetMaxButton, QKeySequence(Qt::Key_M)},    {SpinButton, QKeySequence(Qt::Key_Space)},
      {SpinButton, QKeySequence(Qt::Key_Return)}, {SpinButton, QKeySequence(Qt::Key_Enter)}};
  for (const auto& [button, key] : keys) {
    auto* shortcut = new QShortcut(key, this);
    shortcut->setAutoRepeat(false);
    connect(shortcut, &QShortcut::activated, button, [this, button = button] {
      // Space and Enter during a count-up put the rest in at once, once it has run as long as
      // the card table's guard: a key pressed while the reels turned, or held since, does not.
      if (button == SpinButton && Machine.CountUpMs() >= CardTable::KeyGuardMs) {
        Machine.HurryCountUp();
        return;
      }
      QPushButton* target = button;
      if (button == SpinButton)
        for (QPushButton* bet : {BetOneButton, BetFiveButton, BetMaxButton})
          if (bet->hasFocus()) target = bet;
      if (target->isEnabled()) target->click();
    });
  }
}

QAction* MainWindow::Toggle(QMenu* menu, const QString& caption, bool& flag) {
  QAction* a = menu->addAction(caption);
  a->setCheckable(true);
  toggles_.emplace_back(a, &flag);
  connect(a, &QAction::triggered, this, [this, &flag] {
    flag = !flag;
    StateChanged();
  });
  return a;
}

void MainWindow::BuildMenus() {
  QMenuBar* bar = menuBar();
  QMenu* file = bar->addMenu(tr("&File"));
  NewGameAction = file->addAction(tr("&New Game"), this, [this] { NewGame(); });
  file->addSeparator();
  //: File menu: open a saved game.
  OpenAction = file->addAction(tr("&Open"), this, [this] { OpenGame(); });
  //: File menu: save the game in a slot.
  SaveAction = file->addAction(tr("&Save"), this, [this] { SaveGame(); });
  file->addSeparator();
  ExitAction = file->addAction(tr("E&xit"), this, [this] { close(); });

  QMenu* options = bar->addMenu(tr("&Options"));
  //: Options menu, checked: a win may be gambled at the card game of that name.
  AceyDuceyAction = Toggle(options, tr("&Acey Ducey"), Game.Options.AceyDucey);
  options->addSeparator();
  //: Options menu: the background around the machine.
  QMenu* background = options->addMenu(tr("Back&ground"));
  //: Background menu: a picture file repeated as the background.
  TiledAction = background->addAction(tr("Tiled Bitmap"), this, [this] { ChooseTile(); });
  //: Background menu: one colour as the background.
  SolidColorAction = background->addAction(tr("Solid Color"), this, [this] { ChooseSolidColor(); });
  TiledAction->setCheckable(true);
  SolidColorAction->setCheckable(true);
  options->addSeparator();
  //: Options menu: the value of one coin.
  QMenu* bet = options->addMenu(tr("&Bet Amount"));
  bet->setToolTipsVisible(true);  // a greyed coin value shows why
  // The keyboard passes over greyed entries, so a screen reader hears the reason as they open.
  connect(bet, &QMenu::aboutToShow, this, [this] {
    const QString why = Translated(CoinValueClosedText(Game.Machine, Machine.Busy()));
    if (!why.isEmpty()) Announce(this, why);
  });
  QAction** coinItems[6] = {&CoinFiveDollarsAction, &CoinOneDollarAction, &CoinFiftyCentsAction,
                            &CoinQuarterAction,     &CoinDimeAction,      &CoinNickelAction};
  for (int i = 0; i < 6; ++i) {
    *coinItems[i] = bet->addAction(QString::fromUtf8(CoinTable[i].Caption), this, [this, i] {
      Machine.ChooseCoinValue(i);
      StateChanged();
    });
    (*coinItems[i])->setCheckable(true);
  }
  options->addSeparator();
  QMenu* music = options->addMenu(tr("&Music"));
  //: Music menu, checked while the background music plays.
  MusicOnAction = music->addAction(tr("On", "music"), this, [this] {
    if (audio_) audio_->ToggleMusic();
    StateChanged();
  });
  MusicOnAction->setCheckable(true);
  music->addSeparator();
  ChangeSongsAction = music->addAction(tr("Change Songs"), this, [this] {
    if (audio_) audio_->ChooseSongs();
    StateChanged();
  });
  options->addSeparator();
  //: Options menu: the sound effects.
  QMenu* sounds = options->addMenu(tr("&Sounds"));
  SoundSettings& sound = Game.Sound;
  //: Sounds menu, checked while the sound effects play at all.
  SoundOnAction = Toggle(sounds, tr("On", "sounds"), sound.On);
  sounds->addSeparator();
  //: Sounds menu: the sound of the bonus being paid.
  BonusSoundAction = Toggle(sounds, tr("Bonus"), sound.Bonus);
  //: Sounds menu: the sound of each coin bet.
  CoinsSoundAction = Toggle(sounds, tr("Coins"), sound.Coins);
  //: Sounds menu: the sound of each credit counted in after a win.
  CreditsSoundAction = Toggle(sounds, tr("Credits"), sound.Credits);
  //: Sounds menu: the sound of a spin that wins nothing.
  LoseSoundAction = Toggle(sounds, tr("Lose"), sound.Lose);
  //: Sounds menu: the sound of the bonus meter falling.
  PowerDrainSoundAction = Toggle(sounds, tr("Power Drain"), sound.PowerDown);
  //: Sounds menu: the sound of the bonus meter rising.
  PowerUpSoundAction = Toggle(sounds, tr("Power Up"), sound.PowerUp);
  //: Sounds menu: the sound of the reels turning.
  SlotSpinSoundAction = Toggle(sounds, tr("Slot Spin"), sound.Spin);
  //: Sounds menu: the sound of a reel stopping.
  StopSoundAction = Toggle(sounds, tr("Stop"), sound.Stop);
  //: Sounds menu: the sound of the card game's wheel turning.
  WheelSpinSoundAction = Toggle(sounds, tr("Wheel Spin"), sound.WheelSpin);
  //: Sounds menu: the sound of a winning spin.
  WinSoundAction = Toggle(sounds, tr("Win"), sound.Win);
  sounds->addSeparator();
  //: Sounds menu: choose wave files of one's own for five of the sounds.
  ChangeSoundsAction = sounds->addAction(tr("Change WAVs"), this, [this] {
    if (audio_) audio_->ChooseSounds();
  });
  options->addSeparator();
  ChangeVolumeAction = options->addAction(tr("&Volume..."), this, [this] {
    if (audio_) audio_->ChangeVolume();
  });
  options->addSeparator();
  //: Options menu: how fast the reels turn.
  QMenu* speed = options->addMenu(tr("Spin Spee&d"));
  //: Spin speed menu.
  FastAction = speed->addAction(tr("Fast"), this, [this] { Machine.ChooseSpeed(SpinSpeed::Fast); });
  //: Spin speed menu.
  MediumAction =
      speed->addAction(tr("Medium"), this, [this] { Machine.ChooseSpeed(SpinSpeed::Medium); });
  //: Spin speed menu.
  SlowAction = speed->addAction(tr("Slow"), this, [this] { Machine.ChooseSpeed(SpinSpeed::Slow); });
  for (QAction* a : {FastAction, MediumAction, SlowAction}) a->setCheckable(true);

  //: Menu bar: opens the bank, to borrow or pay back credits.
  BorrowAction = bar->addAction(tr("&Borrow"), this, [this] { OpenBank(); });
  //: Menu bar: opens the chart of what each line of symbols pays.
  PayoffsAction = bar->addAction(tr("&Payoffs"), this, [this] { ShowPayoffs(); });
  //: Menu bar: the menu of automatic spins.
  QMenu* autoMenu = bar->addMenu(tr("&Auto"));
  //: Auto menu, checked while spins follow each other by themselves.
  AutoSpinAction =
      autoMenu->addAction(tr("&Auto Spin"), this, [this] { Machine.ToggleAutoSpin(); });
  AutoSpinAction->setCheckable(true);
  QMenu* help = bar->addMenu(tr("&Help"));
  AboutAction = help->addAction(tr("&About"), this, [this] { ShowAbout(this, prompts_); });
  help->addSeparator();
  ManualAction = help->addAction(tr("&Manual"), this,
                                 [this] { prompts_.OpenHelp(this, HelpTopic::Contents); });
  ManualAction->setShortcut(QKeySequence::HelpContents);
  BuildFullScreen(options);
  BuildViewOptions(options);
  record_->AddMenuEntries(file, ExitAction, autoMenu);
  // Every choice from the menus is kept at once (a coin value, a speed, a sound, the card
  // game's offer...); one that moves money keeps the game itself once it has settled.
  connect(bar, &QMenuBar::triggered, this, [this] { KeepGameSoon(); });
}

void MainWindow::StateChanged() {
  for (auto& [action, flag] : toggles_) action->setChecked(*flag);
  QAction* coins[6] = {CoinFiveDollarsAction, CoinOneDollarAction, CoinFiftyCentsAction,
                       CoinQuarterAction,     CoinDimeAction,      CoinNickelAction};
  const MachineState& m = Game.Machine;
  for (int i = 0; i < 6; ++i) coins[i]->setChecked(i == m.Bet);
  FastAction->setChecked(m.SpinDelay == SpeedDelays[0]);
  MediumAction->setChecked(m.SpinDelay == SpeedDelays[1]);
  SlowAction->setChecked(m.SpinDelay == SpeedDelays[2]);
  AutoSpinAction->setChecked(m.AutoSpin);
  MusicOnAction->setChecked(Game.Music.On);
  TiledAction->setChecked(Face.TiledChecked);
  SolidColorAction->setChecked(!Face.TiledChecked);
  // While money is in motion nothing may replace the game underneath it.
  const bool idle = !Machine.Busy();
  for (QAction* a : {NewGameAction, OpenAction, SaveAction}) a->setEnabled(idle);
  // A won bonus's free spins are played at the coin value they were won with, and a fresh
  // game's stays until its first spin; a greyed entry tells why.
  const QString coinsClosed = Translated(CoinValueClosedText(m, Machine.Busy()));
  for (QAction* a : coins) {
    a->setEnabled(coinsClosed.isEmpty());
    a->setToolTip(coinsClosed);
    a->setStatusTip(coinsClosed);
  }
  if (idle && closePending_) {
    closePending_ = false;
    QTimer::singleShot(0, this, &QWidget::close);
  }
  TellFace();
}

void MainWindow::LayOutFace() {
  const int w = faceWidget_->width(), h = faceWidget_->height();
  if (fullScreen_ || pictureScale_ != 1) {
    LayOutPicture(w, h);
    return;
  }
  const std::string err = Face.FitToSize(w, h, faceWidget_->devicePixelRatioF());
  // The reels carry the strips they hold now: a won bonus keeps reel 2's free-spin strip.
  SetReelStrips(Game.Machine);
  // Without its artwork the face still has its buttons, meters and lamps; only the reels are
  // missing, and the game goes on.
  ButtonPanel->setGeometry(0, h - FacePainter::PanelHeight, w, FacePainter::PanelHeight);
  auto lefts = ButtonLefts(w);
  QPushButton* buttons[4] = {BetOneButton, BetFiveButton, BetMaxButton, SpinButton};
  for (int i = 0; i < 4; ++i) buttons[i]->move(lefts[i], 4);
  FaceArea->setGeometry(0, 0, w, h - FacePainter::PanelHeight);
  Repaint();
  if (!err.empty()) prompts_.Warn(this, QString::fromStdString(err));
}

void MainWindow::ShowMaximizedAtStart() {
  showMaximized();
  QTimer::singleShot(100, this, [this] {
    QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen || !isMaximized() || width() >= screen->availableGeometry().width()) return;
    filledScreen_ = true;
    setGeometry(screen->availableGeometry());
  });
}

QSize MainWindow::DesignedSize() const {
  return QSize(DesignWidth, DesignHeight + menuBar()->sizeHint().height());
}

void MainWindow::changeEvent(QEvent* event) {
  QMainWindow::changeEvent(event);
  if (filledScreen_ || event->type() != QEvent::WindowStateChange) return;
  // Where the normal window stood, taken as it leaves that state: the window manager may not
  // remember it (or there may be none), and restoring must not land at the screen's corner.
  const auto oldState = static_cast<QWindowStateChangeEvent*>(event)->oldState();
  if (oldState == Qt::WindowNoState && windowState() != Qt::WindowNoState && !fullScreen_)
    placeBeneath_ = geometry();
  // The border does not size: a normal window returns to its designed client size.
  if (windowState() == Qt::WindowNoState)
    QTimer::singleShot(0, this, [this] {
      if (windowState() != Qt::WindowNoState) return;
      if (placeBeneath_.isValid())
        setGeometry(QRect(placeBeneath_.topLeft(), DesignedSize()));
      else
        resize(DesignedSize());
    });
}

void MainWindow::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  // A dragged border springs back; maximising and restoring come through the window state.
  if (filledScreen_ || fullScreen_ || windowState() != Qt::WindowNoState ||
      size() == DesignedSize())
    return;
  QTimer::singleShot(100, this, [this] {
    if (!filledScreen_ && !fullScreen_ && windowState() == Qt::WindowNoState &&
        size() != DesignedSize())
      resize(DesignedSize());
  });
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
  if (Machine.Busy()) {
    // Close once the spin in progress has settled: it skips the card game and counts what
    // is left in at once, so no player has to be there for it.
    closePending_ = true;
    Machine.RequestClose();
    event->ignore();
    return;
  }
  // The window's choice, the record and the game reach PLAYER.INI in one replace, then the
  // settings file follows; a placed wager that was never spun goes back to the credits.
  StoreFullScreen(playerFile_, fullScreen_);
  KeepAtClose();
  AutomaticSpinTimer.stop();
  SongStartTimer.stop();
  WinBlinkTimer.stop();
  if (audio_) audio_->Shutdown();
  event->accept();
  // The program ends with its main window, whatever else is open (the manual, say).
  for (QWidget* w : QApplication::topLevelWidgets())
    if (w != this && w->isVisible()) w->close();
}

// ---- menu handlers ----

void MainWindow::NewGame() { Machine.NewGame(); }

void MainWindow::OpenGame() {
  if (Machine.Busy()) return;
  // No automatic spin may start underneath while a game is being chosen.
  const bool autoTimer = AutomaticSpinTimer.isActive();
  AutomaticSpinTimer.stop();
  SlotDialog dlg(Game.Machine, savedGames_, SlotDialog::Mode::Open, prompts_, this);
  if (dlg.exec() == QDialog::Accepted) {
    session_->GameOpened();
    const MachineState& m = Game.Machine;
    if (dlg.ChosenSlot >= 1 && dlg.ChosenSlot <= 8)
      Machine.Events().SavedGameOpened(dlg.ChosenSlot, savedGames_.Slots[dlg.ChosenSlot - 1].Name,
                                       CentsOf(m.Credits + m.Wager));
  }
  if (autoTimer) AutomaticSpinTimer.start();
  Repaint();
}

void MainWindow::SaveGame() {
  // A slot saved while money is in motion would record credits before the win is in.
  if (Machine.Busy()) return;
  SlotDialog dlg(Game.Machine, savedGames_, SlotDialog::Mode::Save, prompts_, this);
  dlg.exec();
}

void MainWindow::ChooseTile() {
  QString path = prompts_.ChooseFile(this, tr("Load Tiled Bitmap File"), tileDir_,
                                     tr("Bitmaps (%1)").arg("*.BMP *.bmp"));
  if (!path.isEmpty()) {
    std::string err = Face.LoadTile(LocalPath(path));
    if (!err.empty()) {
      prompts_.Warn(this, QString::fromStdString(err));
      return;
    }
    Game.Options.BackBitmap = FirstCharacters(LocalPath(path), 255);
    tileDir_ = QFileInfo(path).absolutePath();
    Game.Options.BackMode = BackgroundMode::TiledBitmap;
    Face.TiledChecked = true;
    StateChanged();
  }
  Repaint();
}

void MainWindow::ChooseSolidColor() {
  if (const std::optional<QColor> chosen = prompts_.ChooseColor(this, lastColor_)) {
    const QColor c = *chosen;
    lastColor_ = c;
    Game.Options.BackColor = static_cast<int32_t>((c.blue() << 16) | (c.green() << 8) | c.red());
    Game.Options.BackMode = BackgroundMode::SolidColor;
  }
  Face.TiledChecked = false;
  StateChanged();
  Repaint();
}

void MainWindow::OpenBank() {
  BankDialog dlg(Game.Machine, Face.Glyphs, prompts_, this);
  dlg.Events = &Machine.Events();
  dlg.exec();
  session_->KeepNow();
  Repaint();
}

void MainWindow::ShowPayoffs() { payoffs_->exec(); }

void MainWindow::BlinkWin() {
  if (audio_) audio_->StartPendingSong();
  if (Face.SymbolSize == 0 || Face.Artwork.isNull() || !view_.Blinking) return;
  Face.Blink();
  UpdateArea(Face.ReelWindowArea());
}

// ---- Host ----

uint32_t MainWindow::TickCount() { return static_cast<uint32_t>(clock_.elapsed()); }

uint32_t MainWindow::UtcTimeOfDayMs() {
  return static_cast<uint32_t>(QDateTime::currentDateTimeUtc().time().msecsSinceStartOfDay());
}

void MainWindow::ProcessMessages(uint32_t untilTick) {
  QCoreApplication::processEvents(QEventLoop::AllEvents);
  // Measured after the pending messages ran, to the nanosecond: the tick count drops the
  // fraction of its millisecond, so a wait from whole ticks would run up to 1 ms long.
  const qint64 now = clock_.nsecsElapsed();
  const qint64 left =
      static_cast<qint64>(static_cast<int32_t>(untilTick - static_cast<uint32_t>(now / 1000000))) *
          1000000 -
      now % 1000000;
  if (left <= 0) return;
  if (left < 1000000) {
    // Less than a millisecond: sleep it off; messages are handled again right after.
    timespec ts{0, static_cast<long>(left)};
    nanosleep(&ts, nullptr);
    return;
  }
  // Sleep in the event loop until the deadline or the next event, never spinning a core.
  QEventLoop loop;
  QTimer::singleShot(static_cast<int>(left / 1000000), Qt::PreciseTimer, &loop, &QEventLoop::quit);
  loop.exec();
}

void MainWindow::Play(Effect e) {
  if (audio_) audio_->Play(e);
}

void MainWindow::UpdateArea(const QRect& r) {
  if (!fullScreen_) {
    faceWidget_->update(r);
    return;
  }
  // In full screen the canvas' place is scaled: the area grows by a pixel at each side so
  // that a rounded edge is drawn too.
  const QRectF scaled(pictureOrigin_ + QPointF(r.topLeft()) * pictureScale_,
                      QSizeF(r.size()) * pictureScale_);
  faceWidget_->update(scaled.toAlignedRect().adjusted(-1, -1, 1, 1));
}

void MainWindow::Redraw(FaceElement e) {
  if (Face.Canvas.isNull()) return;  // not laid out yet: the first paint draws it all
  Face.Redraw(e);
  UpdateArea(Face.MeterArea(e));
  TellFace();
}

void MainWindow::DrawLamps(Money coinValue, Money wager) {
  if (Face.Canvas.isNull()) return;  // not laid out yet: the first paint draws it all
  Face.DrawLamps(coinValue, wager);
  UpdateArea(Face.LampsArea());
  TellFace();
}

void MainWindow::DrawReels(const std::array<int, 3>& positions) {
  if (Face.SymbolSize == 0 || Face.Artwork.isNull() || Face.Canvas.isNull()) return;
  Face.DrawReels(positions);
  UpdateArea(Face.ReelsArea());
}

void MainWindow::DrawPayline(int k) {
  if (Face.Canvas.isNull()) return;  // not laid out yet: the first paint draws it all
  Face.DrawPayline(k);
  UpdateArea(Face.ReelWindowArea());
}

void MainWindow::DrawBonusMeter(bool blueFirst) {
  if (Face.Canvas.isNull()) return;  // not laid out yet: the first paint draws it all
  Face.DrawBonusMeter(blueFirst);
  UpdateArea(Face.BonusMeterArea());
  TellFace();
}

void MainWindow::Repaint() {
  if (Face.SymbolSize == 0) return;
  Face.PaintFace();
  faceWidget_->update();
  TellFace();
}

void MainWindow::Inform(const PlayerText& text) { prompts_.Inform(this, Translated(text)); }

Money MainWindow::OfferCardGame(Money lineWin, const std::function<void(Money)>& drawn) {
  // The table plays on its own copy of the win; the machine settles what it returns.
  Money win = lineWin;
  CardTable dlg(
      win, Random, [this](Effect e) { Play(e); }, prompts_, this);
  // Before gambling, the player hears what the reels won.
  dlg.Prelude = CardOfferSentence(Game.Machine);
  dlg.Drawn = drawn;
  dlg.exec();
  return win;
}

void MainWindow::SetBetButtonsEnabled(bool enabled) {
  const std::array<QPushButton*, 4> buttons{BetOneButton, BetFiveButton, BetMaxButton, SpinButton};
  // A greyed button hands the focus on to the next one, and that one to the next: the focus
  // would hop through all four and on to the face. It rests nowhere meanwhile (the face takes
  // none, so none lands there as the card table closes) and comes back where it was.
  if (!enabled)
    for (QPushButton* b : buttons)
      if (b->hasFocus()) {
        focusBeforeSpin_ = b;
        FaceArea->setFocusPolicy(Qt::NoFocus);
        b->clearFocus();
      }
  for (QPushButton* b : buttons) b->setEnabled(enabled);
  if (enabled && focusBeforeSpin_) {
    FaceArea->setFocusPolicy(Qt::TabFocus);
    focusBeforeSpin_->setFocus();
    focusBeforeSpin_ = nullptr;
  }
}

void MainWindow::FocusSpinButton() {
  // The focus comes back to where the player had it; only a window without one gets Spin's.
  if (!focusWidget()) SpinButton->setFocus();
}

void MainWindow::SetAutomaticSpins(bool enabled) {
  if (enabled)
    AutomaticSpinTimer.start();
  else
    AutomaticSpinTimer.stop();
}

bool MainWindow::AutomaticSpinsEnabled() { return AutomaticSpinTimer.isActive(); }

void MainWindow::SetWinBlink(bool enabled) {
  if (enabled)
    WinBlinkTimer.start();
  else
    WinBlinkTimer.stop();
}

void MainWindow::KeepSpin(const SpinInProgress& spin) { session_->KeepSpin(spin); }

void MainWindow::GameSettled() { session_->GameSettled(); }

}  // namespace zandor
