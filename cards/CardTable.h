// The double-or-nothing card table offered after a winning spin.
#pragma once

#include <QDialog>
#include <QElapsedTimer>
#include <QImage>
#include <functional>
#include <string>

#include "cards/AceyDucey.h"
#include "cards/CardSheets.h"
#include "machine/Host.h"

class QLabel;
class QPushButton;

namespace zandor {

class PaintedArea;

// A card in words: "seven of hearts", "ace of spades".
QString CardName(const Card& card);

// The modal card game window; it works directly on the spin's win.
class Prompts;

class CardTable : public QDialog {
  Q_OBJECT

 public:
  // Outer size of the window and the background colour of the table.
  static constexpr int OuterWidth = 640;
  static constexpr int OuterHeight = 440;
  static inline const QRgb Maroon = qRgb(128, 0, 0);

  // Opens a new game on spinWin, shuffled with rng (which outlives the table); play receives
  // Effect::Win or Effect::Lose after each Draw. F1 and Help open the manual through prompts.
  CardTable(Money& spinWin, Lcg& rng, std::function<void(Effect)> play, Prompts& prompts,
            QWidget* parent = nullptr);

  // Milliseconds after the table opens during which no key presses Draw: an Enter meant for
  // the spin must not gamble the win. The mouse is never held back.
  static constexpr int KeyGuardMs = 1000;
  // Milliseconds since the table opened, as the key guard reads them; tests replace it.
  std::function<int64_t()> SinceOpened;
  // Spoken before the table's own opening words (what the reels won), or "".
  QString Prelude;
  // Hears the win after each card drawn, before the card is shown.
  std::function<void(Money)> Drawn;

  // Prepares a new game: five skips, a deck shuffled with this seed, the opening pair.
  void Shuffle(uint32_t utcTimeOfDayMs);
  // Starts the hand over an arranged deck (replays and tests).
  void StartWith(const CardDeck& deck);

  // Draw: turns up the third card and doubles or loses the win.
  void Draw();
  // Go Again: a fresh pair after a win.
  void GoAgain();
  // Skips: a fresh pair for one of the five skips.
  void Skip();
  // Redraws both showing cards, the draw pile and, once drawn, the third card.
  void PaintTable();

  // Composes card id and masks it onto the table with its top-left corner at (x, y).
  void DrawCard(int id, int x, int y);
  // Masks the card back onto the table at (x, y).
  void DrawCardBack(int x, int y);

  // The hand's state, read by tests and by the window's own handlers.
  const AceyDucey& Hand() const { return hand_; }
  // The window's client area as drawn (what paintEvent shows).
  const QImage& Face() const { return face_; }

  // The controls.
  QPushButton* OkButton;       // "&OK"
  QPushButton* HelpButton;     // Help
  QPushButton* DrawButton;     // "&Draw"
  QPushButton* GoAgainButton;  // "&Go Again"
  QPushButton* SkipButton;     // "&Skips: 5"
  QLabel* WinningsLabel;       // winnings line
  QLabel* RulesLabel;          // rules text
  QLabel* DeckUsedUpLabel;     // the note shown once the deck holds no further pair
  // The table as a screen reader hears it: the two cards showing, the drawn card, the result
  // and the draw pile.
  PaintedArea* Cards;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void FreshPair();
  void SyncButtons();
  void DrawResult(const QString& text);
  // Tells a screen reader the pair now showing.
  void AnnouncePair();
  void PlaceOnScreen();
  // True while a key event may not reach Draw: the guard time, or a held key repeating.
  bool KeyHeldBack(const QEvent* event) const;

  Money& spinWin_;
  Lcg& rng_;
  QElapsedTimer opened_;
  std::function<void(Effect)> play_;
  AceyDucey hand_;
  CardSheets sheets_;
  QImage face_;
  QString result_;  // "You Won!" or "You Lost" while the drawn card shows
};

}  // namespace zandor
