// A host whose clock moves only when the rules wait, recording every request they make.
#pragma once

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "machine/Host.h"

namespace zandor {

struct FakeHost : Clock,
                  SoundRequests,
                  FaceDrawing,
                  PlayerPrompts,
                  Controls,
                  Timers,
                  Keeping {
  // Every part of the host is this fake.
  operator Host() { return HostOf(*this); }

  uint32_t Now = 1000;     // the tick count, milliseconds
  uint32_t TimeOfDay = 0;  // what seeds the spin
  bool AutomaticSpins = false, WinBlink = true, BetButtons = true;
  std::vector<Effect> Sounds;
  std::vector<uint32_t> SoundTimes;
  std::vector<std::string> Messages;
  std::vector<std::array<int, 3>> ReelDraws;
  std::vector<int> Paylines;
  std::vector<FaceElement> Redraws;
  std::vector<std::pair<Money, Money>> Lamps;  // coin value, wager
  int Repaints = 0, StateChanges = 0, BonusMeterDraws = 0, Waits = 0, Settles = 0;
  std::vector<SpinInProgress> KeptSpins;  // each spin as it was kept: at its start, after cards
  // Runs inside every wait, as a menu click or a timer would.
  std::function<void()> DuringWait;
  // The card game: gets the spin's win and may change it.
  std::function<void(Money&)> CardGame;
  // While CardGame plays: tells the machine the win after a card drawn, as the table does.
  std::function<void(Money)> CardDrawn;
  int CardGames = 0;
  // Milliseconds each synchronous effect holds the thread.
  uint32_t SyncSoundMs = 0;

  uint32_t TickCount() override { return Now; }
  uint32_t UtcTimeOfDayMs() override { return TimeOfDay; }
  void ProcessMessages(uint32_t until) override {
    ++Waits;
    if (DuringWait) DuringWait();
    Now = static_cast<int32_t>(until - Now) > 0 ? until : Now + 1;
  }
  void Play(Effect e) override {
    Sounds.push_back(e);
    SoundTimes.push_back(Now);
    if (e != Effect::Stop && e != Effect::Spin && e != Effect::Coin && e != Effect::Credit)
      Now += SyncSoundMs;
  }
  void Redraw(FaceElement e) override { Redraws.push_back(e); }
  void DrawLamps(Money cv, Money w) override { Lamps.emplace_back(cv, w); }
  void DrawReels(const std::array<int, 3>& p) override { ReelDraws.push_back(p); }
  void DrawPayline(int k) override { Paylines.push_back(k); }
  void DrawBonusMeter(bool) override { ++BonusMeterDraws; }
  void Repaint() override { ++Repaints; }
  void Inform(const PlayerText& text) override { Messages.push_back(text.English()); }
  Money OfferCardGame(Money win, const std::function<void(Money)>& drawn) override {
    ++CardGames;
    CardDrawn = drawn;
    if (CardGame) CardGame(win);
    CardDrawn = nullptr;
    return win;
  }
  void SetBetButtonsEnabled(bool on) override { BetButtons = on; }
  void FocusSpinButton() override {}
  void SetAutomaticSpins(bool on) override { AutomaticSpins = on; }
  bool AutomaticSpinsEnabled() override { return AutomaticSpins; }
  void SetWinBlink(bool on) override { WinBlink = on; }
  void StateChanged() override { ++StateChanges; }
  void KeepSpin(const SpinInProgress& spin) override { KeptSpins.push_back(spin); }
  void GameSettled() override { ++Settles; }

  int Count(Effect e) const {
    int n = 0;
    for (Effect s : Sounds) n += s == e;
    return n;
  }
  void Clear() {
    Sounds.clear();
    SoundTimes.clear();
    Messages.clear();
    ReelDraws.clear();
    Paylines.clear();
    Redraws.clear();
    Lamps.clear();
    Repaints = StateChanges = BonusMeterDraws = CardGames = Settles = 0;
    KeptSpins.clear();
  }
};

}  // namespace zandor
