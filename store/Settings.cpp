#include "store/Settings.h"

#include <array>
#include <optional>
#include <string>
#include <type_traits>
#include <variant>
#include <vector>

#include "store/FieldTable.h"
#include "store/IniDocument.h"
#include "store/MoneyText.h"
#include "store/Utf8Text.h"

namespace zandor {

namespace {

using namespace fields;

const std::string kSection = "Settings";

// A field of a game to load into, or of a game to save from; the kind of the key follows from
// the field's type: money, a 32-bit integer, a byte (only the low eight bits are kept; the two
// choices are bytes too), a switch or a text.
using FieldRef = Pointers<Money, int32_t, uint8_t, bool, std::string, SpinSpeed, BackgroundMode>;
using ConstFieldRef = Pointers<const Money, const int32_t, const uint8_t, const bool,
                               const std::string, const SpinSpeed, const BackgroundMode>;

// Where a key's value lives in the game: in one of its parts, at an element of an
// eight-element field when indexed.
struct Member {
  FieldRef (*In)(GameState& g, int index);
  ConstFieldRef (*From)(const GameState& g, int index);
};

// The game's part of type Part.
template <class Part, class Game>
auto& PartOf(Game& g) {
  if constexpr (std::is_same_v<Part, MachineState>)
    return g.Machine;
  else if constexpr (std::is_same_v<Part, PlayerOptions>)
    return g.Options;
  else if constexpr (std::is_same_v<Part, SoundSettings>)
    return g.Sound;
  else {
    static_assert(std::is_same_v<Part, MusicSettings>, "a part the settings file does not keep");
    return g.Music;
  }
}

// The field itself, or its element at index when it has eight.
template <auto Field, class Game>
auto* Locate(Game& g, int index) {
  return FieldIn<Field>(PartOf<typename PartOfMember<decltype(Field)>::Type>(g), index);
}

// The key's field, found by its member pointer (MachineState::Credits, MusicSettings::SongFiles).
template <auto Field>
constexpr Member At() {
  return {[](GameState& g, int i) -> FieldRef { return Locate<Field>(g, i); },
          [](const GameState& g, int i) -> ConstFieldRef { return Locate<Field>(g, i); }};
}

// One stored key: its name, its field (an element of an eight-element field when indexed), the
// characters a text keeps on reading, and the constant a missing or unreadable value gives
// where that is not the field's current value.
struct Setting {
  std::string Key;
  Member Field;
  int Index = 0;
  size_t Limit = 0;
  std::optional<int32_t> Fixed;
};

// The 52 keys in the order they are written.
const std::vector<Setting>& Table() {
  static const std::vector<Setting> table = [] {
    std::vector<Setting> t = {
        {"Credits", At<&MachineState::Credits>()},
        {"Borrowed", At<&MachineState::Borrowed>()},
        {"BonusPool", At<&MachineState::BonusPool>()},
        {"Spins", At<&MachineState::Spins>(), 0, 0, 0},
        {"Maxed", At<&PlayerOptions::Maxed>(), 0, 0, 0},
        {"Sound", At<&SoundSettings::On>()},
        {"MusicOn", At<&MusicSettings::On>()},
        {"sndCoins", At<&SoundSettings::Coins>()},
        {"sndCredits", At<&SoundSettings::Credits>()},
        {"sndSpin", At<&SoundSettings::Spin>()},
        {"sndStop", At<&SoundSettings::Stop>()},
        {"sndWin", At<&SoundSettings::Win>()},
        {"sndBonus", At<&SoundSettings::Bonus>()},
        {"sndLose", At<&SoundSettings::Lose>()},
        {"sndPowerDown", At<&SoundSettings::PowerDown>()},
        {"sndPowerUp", At<&SoundSettings::PowerUp>()},
        {"PowerPts", At<&MachineState::PowerPts>(), 0, 0, 0},
        {"Speed", At<&MachineState::Speed>()},
        {"Bet", At<&MachineState::Bet>()},
        {"BackColor", At<&PlayerOptions::BackColor>()},
        {"BackMode", At<&PlayerOptions::BackMode>()},
        {"BackBMP", At<&PlayerOptions::BackBitmap>(), 0, 255},
        {"WinSound", At<&SoundSettings::WinFile>(), 0, 255},
        {"LoseSound", At<&SoundSettings::LoseFile>(), 0, 255},
        {"BonusSound", At<&SoundSettings::BonusFile>(), 0, 255},
        {"PowerDownSound", At<&SoundSettings::PowerDownFile>(), 0, 255},
        {"PowerUpSound", At<&SoundSettings::PowerUpFile>(), 0, 255},
    };
    for (int i = 0; i < 8; ++i)
      t.push_back({"PlayList" + std::to_string(i), At<&MusicSettings::Selected>(), i, 0, 1});
    for (int i = 0; i < 8; ++i)
      t.push_back({"MIDISong" + std::to_string(i), At<&MusicSettings::SongFiles>(), i, 255});
    for (int i = 0; i < 8; ++i)
      t.push_back({"MIDIName" + std::to_string(i), At<&MusicSettings::SongNames>(), i, 12});
    t.push_back({"AceyDucey", At<&PlayerOptions::AceyDucey>(), 0, 0, 1});
    return t;
  }();
  return table;
}

void Load(const IniDocument& ini, const Setting& s, FieldRef field) {
  const std::string& key = s.Key;
  std::visit(
      Overload{[&](Money* v) {
                 std::string text = ini.ReadString(kSection, key, FormatMoneyPadded(*v));
                 *v = ParseMoney(std::string_view(text).substr(0, 30));
               },
               [&](int32_t* v) { *v = ini.ReadInteger(kSection, key, s.Fixed.value_or(*v)); },
               [&](auto* v) {
                 // A byte: Bet, or the number of a choice (Speed, BackMode).
                 static_assert(sizeof(*v) == 1);
                 const int32_t read = ini.ReadInteger(kSection, key, static_cast<uint8_t>(*v));
                 *v = static_cast<std::remove_pointer_t<decltype(v)>>(static_cast<uint8_t>(read));
               },
               [&](bool* v) { *v = ini.ReadBool(kSection, key, s.Fixed ? *s.Fixed != 0 : *v); },
               [&](std::string* v) {
                 *v = FirstCharacters(ini.ReadString(kSection, key, *v), s.Limit);
               }},
      field);
}

void Store(IniDocument& ini, const Setting& s, ConstFieldRef field) {
  const std::string& key = s.Key;
  std::visit(
      Overload{[&](const Money* v) { ini.WriteString(kSection, key, FormatMoney(*v)); },
               [&](const int32_t* v) { ini.WriteInteger(kSection, key, *v); },
               [&](const auto* v) { ini.WriteInteger(kSection, key, static_cast<uint8_t>(*v)); },
               [&](const bool* v) { ini.WriteBool(kSection, key, *v); },
               [&](const std::string* v) { ini.WriteString(kSection, key, *v); }},
      field);
}

}  // namespace

GameState LoadSettings(const GameState& g) {
  const IniDocument ini(g.Dirs.Settings + "ZANDOR.INI");
  // A key that is missing or unreadable keeps the value the game had.
  GameState read = g;
  for (const Setting& s : Table()) Load(ini, s, s.Field.In(read, s.Index));
  return read;
}

SaveResult SaveSettings(const GameState& g, ReplaceFaults* faults) {
  IniDocument ini(g.Dirs.Settings + "ZANDOR.INI", faults);
  for (const Setting& s : Table()) Store(ini, s, s.Field.From(g, s.Index));
  if (ini.Save()) return {};
  return {false, ini.Path()};
}

}  // namespace zandor
