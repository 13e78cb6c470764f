// The help viewer: our own HTML manual, opened at a numbered topic; and the about box.
#pragma once

class QString;
class QWidget;

// Topics the dialogs ask for.
enum HelpTopic : int {
  HelpContents = 0,
  HelpBank = 41005,
  HelpCardGame = 41006,
  HelpSavedGames = 41010,
  HelpSounds = 41011,
  HelpStatistics = 41020,
  HelpRecentSpins = 41021,
  HelpAutoSpinLimits = 41022,
};

// Opens the manual at a topic (0: the contents page).
void ShowHelpTopic(QWidget* parent, int topic);

// The "&About" box: the game's name, version and what it is.
void ShowAbout(QWidget* parent);

// The text of the about box (rich text), for the box and its tests.
QString AboutText();
