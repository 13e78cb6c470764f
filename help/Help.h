// The help viewer: our own HTML manual, opened at a numbered topic.
#pragma once

class QWidget;

// Topics the dialogs ask for.
enum HelpTopic : int {
  HelpContents = 0,
  HelpBank = 41005,
  HelpCardGame = 41006,
  HelpSavedGames = 41010,
  HelpSounds = 41011,
};

// Opens the manual at a topic (0: the contents page).
void ShowHelpTopic(QWidget* parent, int topic);
