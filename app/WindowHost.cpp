#include "app/WindowHost.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QEventLoop>
#include <QWidget>
#include <ctime>

#include "app/BetPanel.h"
#include "app/FaceView.h"
#include "app/SpinAnnouncer.h"
#include "audio/GameAudio.h"
#include "cards/CardTable.h"
#include "face/FacePainter.h"
#include "machine/SlotMachine.h"
#include "platform/Language.h"
#include "platform/PaintedArea.h"
#include "platform/Prompts.h"
#include "session/GameSession.h"

namespace zandor {

WindowHost::WindowHost(QWidget& window, FacePainter& face, const MachineState& machine, Lcg& random,
                       Prompts& prompts)
    : window_(window), face_(face), machine_(machine), random_(random), prompts_(prompts) {
  clock_.start();
  automaticSpinTimer_.setInterval(1000);
  winBlinkTimer_.setInterval(400);
}

void WindowHost::Attach(const SlotMachine& rules, FaceView& view, PaintedArea& area,
                        BetPanel& panel, GameSession& session) {
  rules_ = &rules;
  view_ = &view;
  area_ = &area;
  panel_ = &panel;
  session_ = &session;
}

void WindowHost::OnChanges(std::function<void()> stateChanged,
                           const std::function<void()>& automaticSpin,
                           const std::function<void()>& winBlink) {
  stateChanged_ = std::move(stateChanged);
  QObject::connect(&automaticSpinTimer_, &QTimer::timeout, &automaticSpinTimer_, automaticSpin);
  QObject::connect(&winBlinkTimer_, &QTimer::timeout, &winBlinkTimer_, winBlink);
}

uint32_t WindowHost::TickCount() { return static_cast<uint32_t>(clock_.elapsed()); }

uint32_t WindowHost::UtcTimeOfDayMs() {
  if (fixedTimeOfDay_) return *fixedTimeOfDay_;
  return static_cast<uint32_t>(QDateTime::currentDateTimeUtc().time().msecsSinceStartOfDay());
}

void WindowHost::ProcessMessages(uint32_t untilTick) {
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

void WindowHost::Play(Effect e) {
  if (audio_) audio_->Play(e);
}

void WindowHost::UpdateArea(const QRect& r) {
  if (view_) view_->UpdateArea(r);
}

void WindowHost::TellFace() {
  // A count-up moves the meters coin by coin; the screen reader hears where they end.
  if (area_ && rules_ && !rules_->Busy()) area_->Changed();
}

void WindowHost::Redraw(FaceElement e) {
  if (face_.Canvas.isNull()) return;  // not laid out yet: the first paint draws it all
  face_.Redraw(e);
  UpdateArea(face_.MeterArea(e));
  TellFace();
}

void WindowHost::DrawLamps(Money coinValue, Money wager) {
  if (face_.Canvas.isNull()) return;  // not laid out yet: the first paint draws it all
  face_.DrawLamps(coinValue, wager);
  UpdateArea(face_.LampsArea());
  TellFace();
}

void WindowHost::DrawReels(const std::array<int, 3>& positions) {
  if (face_.SymbolSize == 0 || face_.Artwork.isNull() || face_.Canvas.isNull()) return;
  face_.DrawReels(positions);
  UpdateArea(face_.ReelsArea());
}

void WindowHost::DrawPayline(int k) {
  if (face_.Canvas.isNull()) return;  // not laid out yet: the first paint draws it all
  face_.DrawPayline(k);
  UpdateArea(face_.ReelWindowArea());
}

void WindowHost::DrawBonusMeter(bool blueFirst) {
  if (face_.Canvas.isNull()) return;  // not laid out yet: the first paint draws it all
  face_.DrawBonusMeter(blueFirst);
  UpdateArea(face_.BonusMeterArea());
  TellFace();
}

void WindowHost::Repaint() {
  if (face_.SymbolSize == 0) return;
  face_.PaintFace();
  if (view_) view_->update();
  TellFace();
}

void WindowHost::Inform(const PlayerText& text) { prompts_.Inform(&window_, Translated(text)); }

Money WindowHost::OfferCardGame(Money lineWin, const std::function<void(Money)>& drawn) {
  // The table plays on its own copy of the win; the machine settles what it returns.
  Money win = lineWin;
  CardTable dlg(
      win, random_, [this](Effect e) { Play(e); }, prompts_, &window_);
  // Before gambling, the player hears what the reels won.
  dlg.Prelude = CardOfferSentence(machine_);
  dlg.Drawn = drawn;
  dlg.exec();
  return win;
}

void WindowHost::SetBetButtonsEnabled(bool enabled) { panel_->SetEnabled(enabled); }

void WindowHost::FocusSpinButton() { panel_->FocusAfterSpin(); }

void WindowHost::StateChanged() {
  if (stateChanged_) stateChanged_();
  TellFace();
}

void WindowHost::SetAutomaticSpins(bool enabled) {
  if (enabled)
    automaticSpinTimer_.start();
  else
    automaticSpinTimer_.stop();
}

bool WindowHost::AutomaticSpinsEnabled() { return automaticSpinTimer_.isActive(); }

void WindowHost::SetWinBlink(bool enabled) {
  if (enabled)
    winBlinkTimer_.start();
  else
    winBlinkTimer_.stop();
}

void WindowHost::KeepSpin(const SpinInProgress& spin) { session_->KeepSpin(spin); }

void WindowHost::GameSettled() { session_->GameSettled(); }

}  // namespace zandor
