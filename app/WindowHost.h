// The rules' host in the window: the clock and the message pump, the effects, drawing the face,
// the player's boxes and the card game, the bet buttons, the two timers and keeping the game.
#pragma once

#include <QElapsedTimer>
#include <QTimer>
#include <functional>
#include <optional>

#include "machine/Host.h"
#include "machine/MachineState.h"

class QRect;
class QWidget;

namespace zandor {

class BetPanel;
class FacePainter;
class FaceView;
class GameAudio;
class GameSession;
struct Lcg;
class PaintedArea;
class Prompts;
class SlotMachine;

class WindowHost : public Clock,
                   public SoundRequests,
                   public FaceDrawing,
                   public PlayerPrompts,
                   public Controls,
                   public Timers,
                   public Keeping {
 public:
  // Draws on face and shows its boxes over window through prompts; the card game reads machine
  // and shuffles with random. All of them outlive the host.
  WindowHost(QWidget& window, FacePainter& face, const MachineState& machine, Lcg& random,
             Prompts& prompts);

  // The window's parts built after the rules: the rules themselves (whether money is in
  // motion), the face's view, its part for a screen reader, the bet panel and the session that
  // keeps the game. All of them outlive the host's use.
  void Attach(const SlotMachine& rules, FaceView& view, PaintedArea& area, BetPanel& panel,
              GameSession& session);
  // The effects play through audio once it is loaded; null plays none.
  void PlayThrough(GameAudio* audio) { audio_ = audio; }
  // What the window does when the check marks or the busy state change (before the screen
  // reader hears the face), and on each tick of the automatic spin and the win blink timers.
  void OnChanges(std::function<void()> stateChanged, const std::function<void()>& automaticSpin,
                 const std::function<void()>& winBlink);
  // For benchmarks: a fixed time of day, so that every spin is drawn from one chosen seed.
  void FixTimeOfDay(uint32_t ms) { fixedTimeOfDay_ = ms; }
  // True while the win blink timer runs.
  bool WinBlinking() const { return winBlinkTimer_.isActive(); }

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
  void StateChanged() override;
  void SetAutomaticSpins(bool enabled) override;
  bool AutomaticSpinsEnabled() override;
  void SetWinBlink(bool enabled) override;
  void KeepSpin(const SpinInProgress& spin) override;
  void GameSettled() override;

 private:
  void UpdateArea(const QRect& r);
  // The screen reader hears the face's changes, once no money is in motion.
  void TellFace();

  QWidget& window_;
  FacePainter& face_;
  const MachineState& machine_;
  Lcg& random_;
  Prompts& prompts_;
  QElapsedTimer clock_;
  QTimer automaticSpinTimer_, winBlinkTimer_;
  std::optional<uint32_t> fixedTimeOfDay_;
  std::function<void()> stateChanged_;
  const SlotMachine* rules_ = nullptr;
  FaceView* view_ = nullptr;
  PaintedArea* area_ = nullptr;
  BetPanel* panel_ = nullptr;
  GameSession* session_ = nullptr;
  GameAudio* audio_ = nullptr;
};

}  // namespace zandor
