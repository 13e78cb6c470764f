// The help viewer: our own HTML manual, opened at a topic; and the about box.
#pragma once

class QString;
class QWidget;

namespace zandor {

// The manual's topics that F1 and the Help buttons open, each a page of its own.
enum class HelpTopic : int {
  Contents = 0,
  Bank = 41005,
  CardGame = 41006,
  SavedGames = 41010,
  Sounds = 41011,
  Statistics = 41020,
  RecentSpins = 41021,
  AutoSpinLimits = 41022,
  Payoffs = 41002,
  Music = 41012,
  Volume = 41013,
};

// Opens the manual at a topic (the contents page for a topic it does not know).
void ShowHelpTopic(QWidget* parent, HelpTopic topic);

class Prompts;

// The "&About" box: the game's name, version and what it is; F1 there opens the manual.
void ShowAbout(QWidget* parent, Prompts& prompts);

// The text of the about box (rich text), for the box and its tests.
QString AboutText();

}  // namespace zandor
