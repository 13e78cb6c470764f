// The main window's menus as a table: every entry's caption, key, handler and what its check
// mark or greying shows, in the order the menus show them.
#include "app/GameMenus.h"
#include "app/MainWindow.h"
#include "app/WindowPlacement.h"
#include "audio/GameAudio.h"
#include "help/Help.h"
#include "machine/Refusals.h"
#include "platform/Language.h"
#include "platform/Prompts.h"

namespace zandor {

namespace {

// The desktop's usual keys for a file's commands; no key of the game uses Ctrl with them.
QKeySequence Ctrl(Qt::Key key) { return QKeySequence(Qt::CTRL | key); }

}  // namespace

std::vector<MenuEntry> MainWindow::MenuTable() {
  // An entry that flips one of the game's switches and shows it.
  const auto toggle = [this](const QString& caption, const char* name, bool& flag) {
    return MenuEntry{caption,
                     name,
                     [this, &flag] {
                       flag = !flag;
                       host_.StateChanged();
                     },
                     {},
                     [&flag] { return flag; }};
  };
  const auto idle = [this] { return !machine_.Busy(); };
  const MachineState& m = game_.Machine;

  const auto closed = [this, &m] { return Translated(CoinValueClosedText(m, machine_.Busy())); };
  std::vector<MenuEntry> coins;
  for (int i = 0; i < 6; ++i) {
    static const char* const names[6] = {"coinFiveDollarsAction", "coinOneDollarAction",
                                         "coinFiftyCentsAction",  "coinQuarterAction",
                                         "coinDimeAction",        "coinNickelAction"};
    coins.push_back({QString::fromUtf8(CoinTable[i].Caption),
                     names[i],
                     [this, i] {
                       machine_.ChooseCoinValue(i);
                       host_.StateChanged();
                     },
                     {},
                     [&m, i] { return i == m.Bet; },
                     // A won bonus's free spins are played at the coin value they were won
                     // with, and a fresh game's stays until its first spin; a greyed entry
                     // tells why.
                     [closed] { return closed().isEmpty(); },
                     {},
                     closed});
  }
  const auto speed = [this, &m](const QString& caption, const char* name, int i) {
    return MenuEntry{caption,
                     name,
                     [this, i] { machine_.ChooseSpeed(static_cast<SpinSpeed>(i)); },
                     {},
                     [&m, i] { return m.SpinDelay == SpeedDelays[i]; }};
  };
  const auto view = [this](bool ViewChoices::*choice) {
    return [this, choice] {
      ViewChoices v = View();
      v.*choice = !(v.*choice);
      SetView(v);
    };
  };

  return {
      {tr("&File"),
       "fileMenu",
       {},
       {},
       {},
       {},
       {
           // While money is in motion nothing may replace the game underneath it.
           {tr("&New Game"), "newGameAction", [this] { NewGame(); }, Ctrl(Qt::Key_N), {}, idle},
           Separator(),
           //: File menu: open a saved game.
           {tr("&Open"), "openAction", [this] { OpenGame(); }, Ctrl(Qt::Key_O), {}, idle},
           //: File menu: save the game in a slot.
           {tr("&Save"), "saveAction", [this] { SaveGame(); }, Ctrl(Qt::Key_S), {}, idle},
           Separator(),
           {tr("E&xit"), "exitAction", [this] { close(); }, Ctrl(Qt::Key_Q)},
       }},
      {tr("&Options"),
       "optionsMenu",
       {},
       {},
       {},
       {},
       {
           //: Options menu, checked: a win may be gambled at the card game of that name.
           toggle(tr("&Acey Ducey"), "aceyDuceyAction", options_.AceyDucey),
           Separator(),
           //: Options menu: the background around the machine.
           {tr("Back&ground"),
            "backgroundMenu",
            {},
            {},
            {},
            {},
            {
                //: Background menu: a picture file repeated as the background.
                {tr("Tiled Bitmap"),
                 "tiledAction",
                 [this] { ChooseTile(); },
                 {},
                 [this] { return face_.TiledChecked; }},
                //: Background menu: one colour as the background.
                {tr("Solid Color"),
                 "solidColorAction",
                 [this] { ChooseSolidColor(); },
                 {},
                 [this] { return !face_.TiledChecked; }},
            }},
           Separator(),
           //: Options menu: the value of one coin.
           {tr("&Bet Amount"), "betAmountMenu", {}, {}, {}, {}, coins},
           Separator(),
           {tr("&Music"),
            "musicMenu",
            {},
            {},
            {},
            {},
            {
                //: Music menu, checked while the background music plays.
                {tr("On", "music"),
                 "musicOnAction",
                 [this] {
                   if (audio_) audio_->ToggleMusic();
                   host_.StateChanged();
                 },
                 {},
                 [this] { return game_.Music.On; }},
                Separator(),
                {tr("Change Songs"), "changeSongsAction",
                 [this] {
                   if (audio_) audio_->ChooseSongs();
                   host_.StateChanged();
                 }},
            }},
           Separator(),
           //: Options menu: the sound effects.
           {tr("&Sounds"),
            "soundsMenu",
            {},
            {},
            {},
            {},
            {
                //: Sounds menu, checked while the sound effects play at all.
                toggle(tr("On", "sounds"), "soundOnAction", sound_.On),
                Separator(),
                //: Sounds menu: the sound of the bonus being paid.
                toggle(tr("Bonus"), "bonusSoundAction", sound_.Bonus),
                //: Sounds menu: the sound of each coin bet.
                toggle(tr("Coins"), "coinsSoundAction", sound_.Coins),
                //: Sounds menu: the sound of each credit counted in after a win.
                toggle(tr("Credits"), "creditsSoundAction", sound_.Credits),
                //: Sounds menu: the sound of a spin that wins nothing.
                toggle(tr("Lose"), "loseSoundAction", sound_.Lose),
                //: Sounds menu: the sound of the bonus meter falling.
                toggle(tr("Power Drain"), "powerDrainSoundAction", sound_.PowerDown),
                //: Sounds menu: the sound of the bonus meter rising.
                toggle(tr("Power Up"), "powerUpSoundAction", sound_.PowerUp),
                //: Sounds menu: the sound of the reels turning.
                toggle(tr("Slot Spin"), "slotSpinSoundAction", sound_.Spin),
                //: Sounds menu: the sound of a reel stopping.
                toggle(tr("Stop"), "stopSoundAction", sound_.Stop),
                //: Sounds menu: the sound of the card game's wheel turning.
                toggle(tr("Wheel Spin"), "wheelSpinSoundAction", sound_.WheelSpin),
                //: Sounds menu: the sound of a winning spin.
                toggle(tr("Win"), "winSoundAction", sound_.Win),
                Separator(),
                //: Sounds menu: choose wave files of one's own for five of the sounds.
                {tr("Change WAVs"), "changeSoundsAction",
                 [this] {
                   if (audio_) audio_->ChooseSounds();
                 }},
            }},
           Separator(),
           {tr("&Volume..."), "changeVolumeAction",
            [this] {
              if (audio_) audio_->ChangeVolume();
            }},
           Separator(),
           //: Options menu: how fast the reels turn.
           {tr("Spin Spee&d"),
            "spinSpeedMenu",
            {},
            {},
            {},
            {},
            {
                //: Spin speed menu.
                speed(tr("Fast"), "fastAction", 0),
                //: Spin speed menu.
                speed(tr("Medium"), "mediumAction", 1),
                //: Spin speed menu.
                speed(tr("Slow"), "slowAction", 2),
            }},
           Separator(),
           {tr("&Full Screen"), "fullScreenAction",
            [this] { placement_->SetFullScreen(!placement_->FullScreen()); },
            QKeySequence(Qt::Key_F11), [this] { return placement_->FullScreen(); }},
           Separator(),
           {tr("Blin&king Symbols"),
            "blinkingAction",
            view(&ViewChoices::Blinking),
            {},
            [this] { return View().Blinking; }},
           {tr("&High Contrast"),
            "highContrastAction",
            view(&ViewChoices::HighContrast),
            {},
            [this] { return View().HighContrast; }},
       }},
      //: Menu bar: opens the bank, to borrow or pay back credits.
      {tr("&Borrow"), "borrowAction", [this] { OpenBank(); }},
      //: Menu bar: opens the chart of what each line of symbols pays.
      {tr("&Payoffs"), "payoffsAction", [this] { ShowPayoffs(); }},
      //: Menu bar: the menu of automatic spins.
      {tr("&Auto"),
       "autoMenu",
       {},
       {},
       {},
       {},
       {
           //: Auto menu, checked while spins follow each other by themselves.
           {tr("&Auto Spin"),
            "autoSpinAction",
            [this] { machine_.ToggleAutoSpin(); },
            {},
            [&m] { return m.AutoSpin; }},
       }},
      {tr("&Help"),
       "helpMenu",
       {},
       {},
       {},
       {},
       {
           {tr("&About"), "aboutAction", [this] { ShowAbout(this, prompts_); }},
           Separator(),
           {tr("&Manual"), "manualAction", [this] { prompts_.OpenHelp(this, HelpTopic::Contents); },
            QKeySequence::HelpContents},
       }},
  };
}

}  // namespace zandor
