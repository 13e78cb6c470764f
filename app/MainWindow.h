// The main window: wires the face view, the bet panel, the menus, the window's placement, the
// rules' host and the session to the game, and handles the menus' commands and the close.
#pragma once

#include <QMainWindow>
#include <QTimer>
#include <functional>
#include <memory>

#include "app/FaceView.h"
#include "app/GameMenus.h"
#include "app/WindowHost.h"
#include "face/FacePainter.h"
#include "machine/GameHandle.h"
#include "machine/Lcg.h"
#include "machine/SlotMachine.h"
#include "saves/SavedGames.h"
#include "session/GameSession.h"
#include "store/PlayerIni.h"
#include "store/ViewSettings.h"

class QWidget;

namespace zandor {

class Prompts;
class RecordKeeper;
class GameAudio;
class PayoffChart;
class PaintedArea;
class SpinAnnouncer;
class BetPanel;
class GameMenus;
class WindowPlacement;
class BackgroundChoice;
class ViewOptions;

class MainWindow : public QMainWindow {
  Q_OBJECT

 public:
  // Builds the window for a game whose two folders are already set: the game's machine is
  // played by the window's rules, its options, sounds and music are the window's to change,
  // and the window reads the rest. Every message, question and file or colour choice of the
  // window and its dialogs goes through prompts. Both must outlive the window.
  MainWindow(GameHandle game, Prompts& prompts, QWidget* parent = nullptr);
  ~MainWindow() override;

  // The designed client area.
  static constexpr int DesignWidth = FaceView::DesignWidth, DesignHeight = FaceView::DesignHeight;

  // Menu handlers.
  void NewGame();
  void OpenGame();
  void SaveGame();
  void ChooseTile();
  void ChooseSolidColor();
  void OpenBank();
  void ShowPayoffs();
  // One tick of the win blink timer: the song waiting to start, and the symbols' blinking.
  void BlinkWin();

  // Closes any open dialog, then the window (as a signal asks): the settings are saved.
  void RequestClose();
  // SIGTERM, SIGINT or SIGHUP: the same close, but no box waits for an answer.
  void CloseOnSignal();
  // Puts the window where the last game left it, when that is on a screen; else centred.
  void PlaceAtStart();
  // Shows the window maximised, filling the screen itself where no window manager does.
  void ShowMaximizedAtStart();
  // True while maximised, by the window manager or by ourselves; in full screen, the state
  // the window returns to.
  bool Maximised() const;
  // Fills the whole screen or gives the place back where the window was before (F11, the
  // menu, Escape to leave). The choice is remembered for the next start.
  void SetFullScreen(bool on);
  // True while the window is in full screen.
  bool FullScreen() const;
  // When the window is larger than designed the face is one picture of its designed size,
  // scaled by PictureScale and placed at PictureOrigin in the client area; else 1 and its corner.
  double PictureScale() const;
  QPointF PictureOrigin() const;
  // The sound dialogs and music (null in a window built without audio).
  GameAudio* Audio() { return audio_.get(); }
  // The player's record and its three windows.
  RecordKeeper& Record() { return *record_; }
  // The player's choices of blinking and contrast, as the menu shows them.
  const ViewChoices& View() const;
  // Applies blinking and contrast choices and keeps them in PLAYER.INI.
  void SetView(const ViewChoices& choices);

  // For tests and benchmarks: the rules behind the face, the face as painted, the random
  // generator the spin and the card game share, the rules' host, and whether the win blink
  // timer runs.
  SlotMachine& Rules() { return machine_; }
  const FacePainter& Painter() const { return face_; }
  Lcg& RandomSource() { return random_; }
  WindowHost& RulesHost() { return host_; }
  bool WinBlinking() const { return host_.WinBlinking(); }

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void LoadStartState();
  // The face, the bet panel under it and the face's part for a screen reader.
  void BuildFace();
  void BuildMenus();
  // The menus as a table of entries, in the order they are shown.
  std::vector<MenuEntry> MenuTable();
  // The check marks or the busy state changed: the menus follow, and a close waiting for the
  // money to settle goes ahead.
  void AfterStateChange();
  // The close's save: a failure is shown with an offer to try again, or logged on a signal.
  void KeepAtClose();

  const GameState& game_;  // read only: the machine's part changes through the rules
  PlayerOptions& options_;
  SoundSettings& sound_;
  MusicSettings& music_;
  // The one random generator: the spin and the card game's shuffle draw from it in turn.
  Lcg random_;
  FacePainter face_;
  WindowHost host_;
  SlotMachine machine_;
  QTimer songStartTimer_;

  Prompts& prompts_;
  PlayerIni playerFile_;  // PLAYER.INI, read once; the record, the sound and the window share it
  SavedGameTable savedGames_;  // the eight slots, kept for the whole run
  FaceView* faceWidget_ = nullptr;
  BetPanel* panel_ = nullptr;
  // The face as a screen reader hears it: its meters, reel cells and paylines, walked with the
  // arrow keys once Tab reaches it.
  PaintedArea* faceArea_ = nullptr;
  GameMenus* menus_ = nullptr;
  WindowPlacement* placement_ = nullptr;
  std::unique_ptr<BackgroundChoice> background_;
  std::unique_ptr<ViewOptions> view_;
  std::unique_ptr<GameAudio> audio_;
  RecordKeeper* record_ = nullptr;
  std::unique_ptr<SessionWindow> sessionWindow_;  // what the session asks of the window
  std::unique_ptr<GameSession> session_;  // the game on disk: start, settled moments, close
  PayoffChart* payoffs_ = nullptr;
  bool closePending_ = false;
  bool closingOnSignal_ = false;
  std::unique_ptr<SpinAnnouncer> announcer_;  // speaks each spin
  std::unique_ptr<EventFanOut> events_;       // the record and the announcer, side by side
};

}  // namespace zandor
