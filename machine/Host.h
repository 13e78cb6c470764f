// What the machine's rules need from the platform, in small parts: the clock and the message
// pump, sounds, drawing the face, the player's boxes and the card game, the buttons and menus,
// the two timers, and keeping the game on disk. The window implements them; tests use a fake.
#pragma once

#include <array>
#include <cstdint>
#include <functional>

#include "machine/Money.h"
#include "machine/PlayerText.h"
#include "machine/SpinInProgress.h"

namespace zandor {

// The nine sound requests; the host applies the switches.
enum class Effect { Stop, Spin, Coin, Credit, Win, Lose, PowerUp, PowerDown, Bonus };

// Single face elements redrawn in place between full paints.
enum class FaceElement {
  Credits,        // CREDITS meter
  Wager,          // WAGER meter (the shown wager)
  Won,            // WON meter
  Spins,          // SPINS meter, red count of Spins
  FreeSpinCount,  // SPINS meter, cyan count of FreeSpinCount
  FreeSpinsLeft,  // SPIN FREE counter, showing FreeSpins - 1 as a free spin starts
  Bonus,          // BONUS pool meter
};

// The clock and the message pump.
struct Clock {
  virtual ~Clock() = default;
  // Milliseconds of a monotonic clock.
  virtual uint32_t TickCount() = 0;
  // Milliseconds since UTC midnight; seeds the random generator.
  virtual uint32_t UtcTimeOfDayMs() = 0;
  // Lets timers, menus and painting run; returns no later than the tick untilTick
  // (and may return earlier). Never busy-spins.
  virtual void ProcessMessages(uint32_t untilTick) = 0;
};

// The sound effects.
struct SoundRequests {
  virtual ~SoundRequests() = default;
  // One of the nine sound requests (switches are the host's business).
  virtual void Play(Effect e) = 0;
};

// Drawing the machine's face.
struct FaceDrawing {
  virtual ~FaceDrawing() = default;
  // Redraws one meter in place.
  virtual void Redraw(FaceElement e) = 0;
  // Deals the wager out on the bet lamp panel (UpdateLineBets' drawing).
  virtual void DrawLamps(Money coinValue, Money wager) = 0;
  // Draws the three reels at these positions (0..39) at their places.
  virtual void DrawReels(const std::array<int, 3>& positions) = 0;
  // Draws payline k (1..5) across the reel window.
  virtual void DrawPayline(int k) = 0;
  // Draws the bonus meter bar; blueFirst after GAIN symbols.
  virtual void DrawBonusMeter(bool blueFirst) = 0;
  // Asks for a full repaint of the face.
  virtual void Repaint() = 0;
};

// What the player is told or asked.
struct PlayerPrompts {
  virtual ~PlayerPrompts() = default;
  // An information box with an OK button, in the player's language.
  virtual void Inform(const PlayerText& text) = 0;
  // The modal double-or-nothing card game for the lines' win; returns the win as the cards
  // left it. drawn hears the win after each card drawn, before the card is shown.
  virtual Money OfferCardGame(Money lineWin, const std::function<void(Money)>& drawn) = 0;
};

// The bet buttons and the menus' state.
struct Controls {
  virtual ~Controls() = default;
  // Enables or disables Bet 1, Bet 5, Bet Max and Spin together.
  virtual void SetBetButtonsEnabled(bool enabled) = 0;
  // Gives the input focus back to the Spin button.
  virtual void FocusSpinButton() = 0;
  // The check marks or the busy state changed; the window brings its menus into line.
  virtual void StateChanged() = 0;
};

// AutomaticSpinTimer (auto and free spins, 1000 ms) and WinBlinkTimer (win display, 400 ms).
struct Timers {
  virtual ~Timers() = default;
  virtual void SetAutomaticSpins(bool enabled) = 0;
  virtual bool AutomaticSpinsEnabled() = 0;
  virtual void SetWinBlink(bool enabled) = 0;
};

// Keeping the game on disk.
struct Keeping {
  virtual ~Keeping() = default;
  // The reels are about to turn (cardDecided false), or the card game has just decided the
  // lines' win: the spin is kept on disk, so that a start after a crash completes it.
  virtual void KeepSpin(const SpinInProgress& spin) = 0;
  // The money has settled (a spin with its count-up, card game and bonus, a new game, a coin
  // value): the game is kept on disk.
  virtual void GameSettled() = 0;
};

// The platform as the machine reaches it: one of each part, all outliving the machine.
struct Host {
  Clock& Time;
  SoundRequests& Sound;
  FaceDrawing& Face;
  PlayerPrompts& Prompts;
  Controls& Buttons;
  Timers& Timer;
  Keeping& Keep;
};

// The parts of a host that implements them all (the window, the tests' fake).
template <class All>
Host HostOf(All& all) {
  return Host{all, all, all, all, all, all, all};
}

}  // namespace zandor
