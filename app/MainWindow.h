// The main window: the machine's face, its buttons, menus and timers, and the host the
// machine's rules talk to.
#pragma once

#include <QElapsedTimer>
#include <QMainWindow>
#include <QTimer>
#include <functional>
#include <memory>

#include "face/FacePainter.h"
#include "machine/GameState.h"
#include "machine/Host.h"
#include "machine/Lcg.h"
#include "machine/SlotMachine.h"
#include "session/GameSession.h"
#include "saves/SavedGames.h"
#include "store/PlayerIni.h"
#include "store/ViewSettings.h"

class QAction;
class QPushButton;
class QShortcut;
class QWidget;

namespace zandor {

class Prompts;
class RecordKeeper;
class GameAudio;
class PayoffChart;
class FaceWidget;
class PaintedArea;
class SpinAnnouncer;

class MainWindow : public QMainWindow,
                   public Clock,
                   public SoundRequests,
                   public FaceDrawing,
                   public PlayerPrompts,
                   public Controls,
                   public Timers,
                   public Keeping {
  Q_OBJECT

 public:
  // Builds the window for a game whose two folders are already set; every
  // message, question and file or colour choice of the window and its dialogs goes through
  // prompts, which must outlive the window.
  MainWindow(GameState& game, Prompts& prompts, QWidget* parent = nullptr);
  ~MainWindow() override;

  GameState& Game;
  // The one random generator: the spin and the card game's shuffle draw from it in turn.
  Lcg Random;
  FacePainter Face;
  SlotMachine Machine;

  // The designed client area.
  static constexpr int DesignWidth = 632, DesignHeight = 394;

  // Controls and actions, named as the game's design names them.
  QWidget* ButtonPanel = nullptr;
  QPushButton *BetOneButton = nullptr, *BetFiveButton = nullptr, *BetMaxButton = nullptr,
              *SpinButton = nullptr;
  QTimer AutomaticSpinTimer, SongStartTimer, WinBlinkTimer;
  QAction *NewGameAction, *OpenAction, *SaveAction, *ExitAction, *AceyDuceyAction, *TiledAction,
      *SolidColorAction;
  QAction *CoinFiveDollarsAction, *CoinOneDollarAction, *CoinFiftyCentsAction, *CoinQuarterAction,
      *CoinDimeAction, *CoinNickelAction;
  QAction *MusicOnAction, *ChangeSongsAction, *SoundOnAction, *ChangeSoundsAction, *FastAction,
      *MediumAction, *SlowAction;
  QAction *BonusSoundAction, *CoinsSoundAction, *CreditsSoundAction, *LoseSoundAction,
      *PowerDrainSoundAction, *PowerUpSoundAction, *SlotSpinSoundAction, *StopSoundAction,
      *WheelSpinSoundAction, *WinSoundAction;
  QAction *BorrowAction, *PayoffsAction, *AutoSpinAction, *AboutAction, *ManualAction;
  // Options / Volume...: the loudness of the effects and of the music.
  QAction* ChangeVolumeAction = nullptr;
  QAction* FullScreenAction = nullptr;  // "&Full Screen" (F11), checked while full screen
  // "Blin&king Symbols" (checked: the power-up symbols blink) and "&High Contrast".
  QAction *BlinkingAction = nullptr, *HighContrastAction = nullptr;
  // The face as a screen reader hears it: its meters, reel cells and paylines, walked with the
  // arrow keys once Tab reaches it.
  PaintedArea* FaceArea = nullptr;

  // Menu handlers.
  void NewGame();
  void OpenGame();
  void SaveGame();
  void ChooseTile();
  void ChooseSolidColor();
  void OpenBank();
  void ShowPayoffs();
  void BlinkWin();

  // The face widget's resize: chooses the artwork and lays out the buttons.
  void LayOutFace();
  // Closes any open dialog, then the window (as a signal asks): the settings are saved.
  void RequestClose();
  // SIGTERM, SIGINT or SIGHUP: the same close, but no box waits for an answer.
  void CloseOnSignal();
  // Shows the window maximised, filling the screen itself where no window manager does.
  void ShowMaximizedAtStart();
  // True while maximised, by the window manager or by ourselves; in full screen, the state
  // the window returns to.
  bool Maximised() const {
    return fullScreen_ ? maximisedBeneath_ : isMaximized() || filledScreen_;
  }
  // Fills the whole screen or gives the place back where the window was before (F11, the
  // menu, Escape to leave). The choice is remembered for the next start.
  void SetFullScreen(bool on);
  // True while the window is in full screen.
  bool FullScreen() const { return fullScreen_; }
  // In full screen the face is one picture of its designed size, scaled by PictureScale and
  // placed at PictureOrigin in the face widget; elsewhere 1 and the widget's corner.
  double PictureScale() const { return pictureScale_; }
  QPointF PictureOrigin() const { return pictureOrigin_; }
  // The sound dialogs and music (null in a window built without audio).
  GameAudio* Audio() { return audio_.get(); }
  // The player's record and its three windows.
  RecordKeeper& Record() { return *record_; }
  // The player's choices of blinking and contrast, as the menu shows them.
  const ViewChoices& View() const { return view_; }
  // Applies blinking and contrast choices and keeps them in PLAYER.INI.
  void SetView(const ViewChoices& choices);

  // The machine's host: clock, sounds, drawing, prompts, controls, timers, keeping.
  uint32_t TickCount() override;
  uint32_t UtcTimeOfDayMs() override;
  void ProcessMessages(uint32_t untilTick) override;
  void Play(Effect e) override;
  void Redraw(FaceElement e) override;
  void DrawLamps(Money coinValue, Money wager) override;
  void DrawReels(const std::array<int, 3>& positions) override;
  void DrawPayline(int k) override;
  void DrawBonusMeter(bool blueFirst) override;
  void Repaint() override;
  void Inform(const PlayerText& text) override;
  Money OfferCardGame(Money lineWin, const std::function<void(Money)>& drawn) override;
  void SetBetButtonsEnabled(bool enabled) override;
  void FocusSpinButton() override;
  void SetAutomaticSpins(bool enabled) override;
  bool AutomaticSpinsEnabled() override;
  void SetWinBlink(bool enabled) override;
  void StateChanged() override;
  void KeepSpin(const SpinInProgress& spin) override;
  void GameSettled() override;

 protected:
  void closeEvent(QCloseEvent* event) override;
  void changeEvent(QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void LoadStartState();
  void BuildMenus();
  void BuildPanel();
  // Keys 1, 5 and M for the bets, Space and Enter for the spin.
  void AddButtonKeys();
  void UpdateArea(const QRect& r);
  QSize DesignedSize() const;
  QAction* Toggle(QMenu* menu, const QString& caption, bool& flag);
  void BuildFullScreen(QMenu* options);
  void FillScreen(bool wholeScreen);
  // Lays out the face as the one scaled picture of full screen in a widget of this size.
  void LayOutPicture(int width, int height);
  // Sizes the four buttons and their panel by the picture's scale (1: as designed).
  void ScaleButtons(double scale);
  // The close's save: a failure is shown with an offer to try again, or logged on a signal.
  void KeepAtClose();
  // Keeps the game on disk once the current event is handled (a settled moment).
  void KeepGameSoon() { session_->GameSettled(); }
  // The Options entries for blinking and contrast, after the others.
  void BuildViewOptions(QMenu* options);
  // The screen reader hears the face's changes, once no money is in motion.
  void TellFace();

  Prompts& prompts_;
  SavedGameTable savedGames_;  // the eight slots, kept for the whole run
  PlayerIni playerFile_;  // PLAYER.INI, read once; the record, the sound and the window share it
  FaceWidget* faceWidget_ = nullptr;
  std::unique_ptr<GameAudio> audio_;
  RecordKeeper* record_ = nullptr;
  std::unique_ptr<SessionWindow> sessionWindow_;  // what the session asks of the window
  std::unique_ptr<GameSession> session_;  // the game on disk: start, settled moments, close
  PayoffChart* payoffs_ = nullptr;
  QElapsedTimer clock_;
  QString tileDir_;
  QColor lastColor_{0, 0, 0};
  bool closePending_ = false;
  bool closingOnSignal_ = false;
  bool filledScreen_ = false;
  bool fullScreen_ = false;
  bool fullScreenAtStart_ = false;        // from PLAYER.INI, applied when first shown
  bool maximisedBeneath_ = false;         // the state full screen returns to
  QRect placeBeneath_;                    // where the normal window stood before full screen
  QShortcut* leaveFullScreen_ = nullptr;  // Escape, only while full screen
  double pictureScale_ = 1;               // the face as one picture in full screen
  QPointF pictureOrigin_;
  std::vector<std::pair<QAction*, bool*>> toggles_;
  std::unique_ptr<SpinAnnouncer> announcer_;  // speaks each spin
  std::unique_ptr<EventFanOut> events_;       // the record and the announcer, side by side
  ViewChoices view_;                          // blinking and contrast
  QWidget* focusBeforeSpin_ = nullptr;        // the button that had the focus as they greyed
};

}  // namespace zandor
