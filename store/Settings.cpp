#include "store/Settings.h"

#include <optional>
#include <string>
#include <type_traits>
#include <variant>
#include <vector>

#include "store/IniDocument.h"
#include "store/MoneyText.h"
#include "store/Utf8Text.h"

namespace {

const std::string kSection = "Settings";

// Where a key's value lives in the game; the kind of the key follows from the field's type:
// money, a 32-bit integer, a byte (only the low eight bits are kept), a switch or a text.
using Member =
    std::variant<Money GameState::*, int32_t GameState::*, uint8_t GameState::*, bool GameState::*,
                 std::string GameState::*, std::array<bool, 8> GameState::*,
                 std::array<std::string, 8> GameState::*>;
template <class T>
using Ref = std::variant<T*, std::conditional_t<std::is_const_v<T>, const int32_t, int32_t>*,
                         std::conditional_t<std::is_const_v<T>, const uint8_t, uint8_t>*,
                         std::conditional_t<std::is_const_v<T>, const bool, bool>*,
                         std::conditional_t<std::is_const_v<T>, const std::string, std::string>*>;
// A field of a game to load into, or of a game to save from.
using FieldRef = Ref<Money>;
using ConstFieldRef = Ref<const Money>;

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
        {"Credits", &GameState::Credits},
        {"Borrowed", &GameState::Borrowed},
        {"BonusPool", &GameState::BonusPool},
        {"Spins", &GameState::Spins, 0, 0, 0},
        {"Maxed", &GameState::Maxed, 0, 0, 0},
        {"Sound", &GameState::Sound},
        {"MusicOn", &GameState::MusicOn},
        {"sndCoins", &GameState::sndCoins},
        {"sndCredits", &GameState::sndCredits},
        {"sndSpin", &GameState::sndSpin},
        {"sndStop", &GameState::sndStop},
        {"sndWin", &GameState::sndWin},
        {"sndBonus", &GameState::sndBonus},
        {"sndLose", &GameState::sndLose},
        {"sndPowerDown", &GameState::sndPowerDown},
        {"sndPowerUp", &GameState::sndPowerUp},
        {"PowerPts", &GameState::PowerPts, 0, 0, 0},
        {"Speed", &GameState::Speed},
        {"Bet", &GameState::Bet},
        {"BackColor", &GameState::BackColor},
        {"BackMode", &GameState::BackMode},
        {"BackBMP", &GameState::BackBMP, 0, 255},
        {"WinSound", &GameState::WinSound, 0, 255},
        {"LoseSound", &GameState::LoseSound, 0, 255},
        {"BonusSound", &GameState::BonusSound, 0, 255},
        {"PowerDownSound", &GameState::PowerDownSound, 0, 255},
        {"PowerUpSound", &GameState::PowerUpSound, 0, 255},
    };
    for (int i = 0; i < 8; ++i)
      t.push_back({"PlayList" + std::to_string(i), &GameState::PlayList, i, 0, 1});
    for (int i = 0; i < 8; ++i)
      t.push_back({"MIDISong" + std::to_string(i), &GameState::MIDISong, i, 255});
    for (int i = 0; i < 8; ++i)
      t.push_back({"MIDIName" + std::to_string(i), &GameState::MIDIName, i, 12});
    t.push_back({"AceyDucey", &GameState::AceyDucey, 0, 0, 1});
    return t;
  }();
  return table;
}

template <class... F>
struct Overload : F... {
  using F::operator()...;
};
template <class... F>
Overload(F...) -> Overload<F...>;

template <class Game,
          class Result = std::conditional_t<std::is_const_v<Game>, ConstFieldRef, FieldRef>>
Result FieldOf(Game& g, const Setting& s) {
  return std::visit(
      Overload{[&](std::array<bool, 8> GameState::*m) -> Result { return &(g.*m)[s.Index]; },
               [&](std::array<std::string, 8> GameState::*m) -> Result { return &(g.*m)[s.Index]; },
               [&](auto m) -> Result { return &(g.*m); }},
      s.Field);
}

void Load(const IniDocument& ini, const Setting& s, FieldRef field) {
  const std::string& key = s.Key;
  std::visit(
      Overload{[&](Money* v) {
                 std::string text = ini.ReadString(kSection, key, FormatMoneyPadded(*v));
                 *v = ParseMoney(std::string_view(text).substr(0, 30));
               },
               [&](int32_t* v) { *v = ini.ReadInteger(kSection, key, s.Fixed.value_or(*v)); },
               [&](uint8_t* v) { *v = static_cast<uint8_t>(ini.ReadInteger(kSection, key, *v)); },
               [&](bool* v) { *v = ini.ReadBool(kSection, key, s.Fixed ? *s.Fixed != 0 : *v); },
               [&](std::string* v) {
                 *v = FirstCharacters(ini.ReadString(kSection, key, *v), s.Limit);
               }},
      field);
}

void Store(IniDocument& ini, const Setting& s, ConstFieldRef field) {
  const std::string& key = s.Key;
  std::visit(Overload{[&](const Money* v) { ini.WriteString(kSection, key, FormatMoney(*v)); },
                      [&](const int32_t* v) { ini.WriteInteger(kSection, key, *v); },
                      [&](const uint8_t* v) { ini.WriteInteger(kSection, key, *v); },
                      [&](const bool* v) { ini.WriteBool(kSection, key, *v); },
                      [&](const std::string* v) { ini.WriteString(kSection, key, *v); }},
             field);
}

}  // namespace

void LoadSettings(GameState& g) {
  const IniDocument ini(g.SettingsDir + "ZANDOR.INI");
  for (const Setting& s : Table()) Load(ini, s, FieldOf(g, s));
}

SaveResult SaveSettings(const GameState& g) {
  IniDocument ini(g.SettingsDir + "ZANDOR.INI");
  for (const Setting& s : Table()) Store(ini, s, FieldOf(g, s));
  if (ini.Save()) return {};
  return {false, ini.Path()};
}
