#include "store/PlayerKeys.h"

#include <algorithm>
#include <type_traits>
#include <utility>
#include <variant>
#include <vector>

#include "store/FieldTable.h"
#include "store/IniDocument.h"
#include "store/MoneyText.h"
#include "store/PlayerIni.h"

namespace zandor {

namespace {

using namespace fields;

// How a key's value is written and read back.
enum class Kind : uint8_t {
  Words,    // the text as is; a field that may be absent reads as none when the key is missing
  Money,    // money text, as every file of ours writes it ("7.5" reads as 7.05)
  Integer,  // a whole number; a field that may be absent reads as none when it is not one
  Flag,     // "1" or "0"; any whole number but 0 reads as on
  Switch,   // "1" or "0"; anything else reads as the field's default
};

// Every part the table keeps, side by side, so that one row can point into any of them.
struct Parts {
  KeptGame Game;
  KeptSpin Spin;
  KeptCard Card;
  KeptSaves Saves;
  KeptWindow Window;
  ViewChoices View;
  KeptVolume Volume;
};

template <class Part, class P>
auto& PartOf(P& p) {
  if constexpr (std::is_same_v<Part, KeptGame>)
    return p.Game;
  else if constexpr (std::is_same_v<Part, KeptSpin>)
    return p.Spin;
  else if constexpr (std::is_same_v<Part, KeptCard>)
    return p.Card;
  else if constexpr (std::is_same_v<Part, KeptSaves>)
    return p.Saves;
  else if constexpr (std::is_same_v<Part, KeptWindow>)
    return p.Window;
  else if constexpr (std::is_same_v<Part, ViewChoices>)
    return p.View;
  else {
    static_assert(std::is_same_v<Part, KeptVolume>, "a part PLAYER.INI does not keep");
    return p.Volume;
  }
}

using FieldRef =
    Pointers<std::string, std::optional<std::string>, Money, int32_t, std::optional<int32_t>, bool>;
using ConstFieldRef = Pointers<const std::string, const std::optional<std::string>, const Money,
                               const int32_t, const std::optional<int32_t>, const bool>;

// Whether a field of this type can be written as this kind of text.
template <class T>
constexpr bool Fits(Kind k) {
  if constexpr (std::is_same_v<T, std::string> || std::is_same_v<T, std::optional<std::string>>)
    return k == Kind::Words;
  else if constexpr (std::is_same_v<T, Money>)
    return k == Kind::Money;
  else if constexpr (std::is_same_v<T, int32_t> || std::is_same_v<T, std::optional<int32_t>>)
    return k == Kind::Integer;
  else if constexpr (std::is_same_v<T, bool>)
    return k == Kind::Flag || k == Kind::Switch;
  else
    return false;
}

// The field of a row in the parts, or its element at index when it has eight.
template <auto Field, class P>
auto* Locate(P& p, int index) {
  return FieldIn<Field>(PartOf<typename PartOfMember<decltype(Field)>::Type>(p), index);
}

// Tells one part from another: the address of its tag.
template <class Part>
constexpr char kPartTag = 0;

// Where a key's value lives: the part, and the field in it; and how it is written.
struct Member {
  const void* Part = nullptr;  // none for the sections the record keeps itself
  FieldRef (*In)(Parts& p, int index) = nullptr;
  ConstFieldRef (*From)(const Parts& p, int index) = nullptr;
  Kind How = Kind::Words;
};

// The key's field, found by its member pointer, written as kind.
template <auto Field, Kind K>
Member At() {
  using Of = PartOfMember<decltype(Field)>;
  static_assert(Fits<typename IsEight<typename Of::Field>::Element>(K),
                "a field that this kind of text cannot hold");
  return {&kPartTag<typename Of::Type>,
          [](Parts& p, int i) -> FieldRef { return Locate<Field>(p, i); },
          [](const Parts& p, int i) -> ConstFieldRef { return Locate<Field>(p, i); }, K};
}

// One key of the file: its section, its name, where its value lives and how it is written.
struct PlayerKey {
  std::string Section;
  std::string Key;  // "" for a section whose keys the record declares itself
  Member Field;
  int Index = 0;  // the element of an eight-element field
};

// Every section of PLAYER.INI and its keys, each section's keys in the order they are written.
const std::vector<PlayerKey>& Table() {
  static const std::vector<PlayerKey> table = [] {
    std::vector<PlayerKey> t = {
        {"Volume", "Effects", At<&KeptVolume::Effects, Kind::Integer>()},
        {"Volume", "Music", At<&KeptVolume::Music, Kind::Integer>()},
        {"Window", "FullScreen", At<&KeptWindow::FullScreen, Kind::Switch>()},
        {"Window", "X", At<&KeptWindow::X, Kind::Integer>()},
        {"Window", "Y", At<&KeptWindow::Y, Kind::Integer>()},
        {"View", "Blinking", At<&ViewChoices::Blinking, Kind::Switch>()},
        {"View", "HighContrast", At<&ViewChoices::HighContrast, Kind::Switch>()},
        {"Game", "Meters", At<&KeptGame::Meters, Kind::Words>()},
        {"Game", "MetersBefore", At<&KeptGame::MetersBefore, Kind::Words>()},
        {"Game", "FreeSpins", At<&KeptGame::FreeSpins, Kind::Integer>()},
        {"Game", "FreeSpinCount", At<&KeptGame::FreeSpinCount, Kind::Integer>()},
        {"Game", "LastWager", At<&KeptGame::LastWager, Kind::Money>()},
        {"Game", "Pool", At<&KeptGame::Pool, Kind::Money>()},
        {"Game", "Stops", At<&KeptGame::Stops, Kind::Words>()},
        {"Spin", "Seed", At<&KeptSpin::Seed, Kind::Words>()},
        {"Spin", "Stops", At<&KeptSpin::Stops, Kind::Words>()},
        {"Spin", "Free", At<&KeptSpin::Free, Kind::Flag>()},
        {"Spin", "Wager", At<&KeptSpin::Wager, Kind::Money>()},
        {"Spin", "PoolShare", At<&KeptSpin::PoolShare, Kind::Money>()},
        {"Spin", "Credits", At<&KeptSpin::Credits, Kind::Money>()},
        {"Spin", "Borrowed", At<&KeptSpin::Borrowed, Kind::Money>()},
        {"Spin", "BonusPool", At<&KeptSpin::BonusPool, Kind::Money>()},
        {"Spin", "LastWager", At<&KeptSpin::LastWager, Kind::Money>()},
        {"Spin", "Spins", At<&KeptSpin::Spins, Kind::Integer>()},
        {"Spin", "PowerPts", At<&KeptSpin::PowerPts, Kind::Integer>()},
        {"Spin", "FreeSpins", At<&KeptSpin::FreeSpins, Kind::Integer>()},
        {"Spin", "FreeSpinCount", At<&KeptSpin::FreeSpinCount, Kind::Integer>()},
        {"Spin", "Time", At<&KeptSpin::Time, Kind::Words>()},
        {"Spin", "CardDecided", At<&KeptCard::CardDecided, Kind::Flag>()},
        {"Spin", "CardWin", At<&KeptCard::CardWin, Kind::Money>()},
    };
    for (int i = 0; i < 8; ++i)
      t.push_back(
          {"Saved Games", "Slot" + std::to_string(i + 1), At<&KeptSaves::Slots, Kind::Words>(), i});
    // The record's figures, limits, recent spins and events and its chart (record/PlayerFile).
    for (const char* section : {"This Game", "Lifetime", "Auto Spin Limits", "Recent Spins",
                                "Recent Events", "Game Chart"})
      t.push_back({section, "", {}});
    return t;
  }();
  return table;
}

void Load(const PlayerIni& file, const PlayerKey& k, FieldRef field) {
  const std::string& s = k.Section;
  const std::string& key = k.Key;
  std::visit(
      Overload{[&](std::string* v) { *v = file.ReadString(s, key, *v); },
               [&](std::optional<std::string>* v) {
                 if (std::optional<std::string> text = file.Find(s, key)) *v = std::move(*text);
               },
               [&](Money* v) { *v = ParseMoney(file.ReadString(s, key, FormatMoney(*v))); },
               [&](int32_t* v) { *v = file.ReadInteger(s, key, *v); },
               [&](std::optional<int32_t>* v) {
                 int32_t read = 0;
                 if (ParseIniInteger(file.ReadString(s, key, ""), read)) *v = read;
               },
               [&](bool* v) {
                 if (k.Field.How == Kind::Flag) {
                   *v = file.ReadBool(s, key, *v);
                   return;
                 }
                 int32_t read = 0;
                 if (ParseIniInteger(file.ReadString(s, key, ""), read) && (read == 0 || read == 1))
                   *v = read == 1;
               }},
      field);
}

// Puts the key's value into the file; false when the field has none (its key goes).
bool Store(PlayerIni& file, const PlayerKey& k, ConstFieldRef field) {
  const std::string& s = k.Section;
  const std::string& key = k.Key;
  return std::visit(Overload{[&](const std::string* v) {
                               file.WriteString(s, key, *v);
                               return true;
                             },
                             [&](const std::optional<std::string>* v) {
                               if (*v) file.WriteString(s, key, **v);
                               return v->has_value();
                             },
                             [&](const Money* v) {
                               file.WriteString(s, key, FormatMoney(*v));
                               return true;
                             },
                             [&](const int32_t* v) {
                               file.WriteInteger(s, key, *v);
                               return true;
                             },
                             [&](const std::optional<int32_t>* v) {
                               if (*v) file.WriteInteger(s, key, **v);
                               return v->has_value();
                             },
                             [&](const bool* v) {
                               file.WriteBool(s, key, *v);
                               return true;
                             }},
                    field);
}

}  // namespace

template <class Part>
Part LoadKeys(const PlayerIni& file) {
  Parts parts;
  for (const PlayerKey& k : Table())
    if (k.Field.Part == &kPartTag<Part>) Load(file, k, k.Field.In(parts, k.Index));
  return PartOf<Part>(parts);
}

template <class Part>
void StoreKeys(PlayerIni& file, const Part& part) {
  Parts parts;
  PartOf<Part>(parts) = part;
  std::vector<std::string_view> gone;
  std::string section;
  for (const PlayerKey& k : Table()) {
    if (k.Field.Part != &kPartTag<Part>) continue;
    section = k.Section;
    if (!Store(file, k, k.Field.From(parts, k.Index))) gone.push_back(k.Key);
  }
  if (gone.empty()) return;
  file.KeepOnlyKeys(section, [&gone](std::string_view key) {
    return std::none_of(gone.begin(), gone.end(),
                        [key](std::string_view g) { return SameName(g, key); });
  });
}

template <class Part>
const std::string& SectionOf() {
  static const std::string section = [] {
    const std::vector<PlayerKey>& t = Table();
    return std::find_if(t.begin(), t.end(),
                        [](const PlayerKey& k) { return k.Field.Part == &kPartTag<Part>; })
        ->Section;
  }();
  return section;
}

template <class Part>
void KeepDeclaredKeys(PlayerIni& file) {
  const std::string& section = SectionOf<Part>();
  file.KeepOnlyKeys(section, [&section](std::string_view key) {
    const std::vector<PlayerKey>& t = Table();
    return std::any_of(t.begin(), t.end(), [&](const PlayerKey& k) {
      return !k.Key.empty() && k.Section == section && SameName(k.Key, key);
    });
  });
}

// The parts the game keeps, one instance of each use.
#define ZANDOR_PLAYER_PART(Part)                          \
  template Part LoadKeys<Part>(const PlayerIni&);         \
  template void StoreKeys<Part>(PlayerIni&, const Part&); \
  template const std::string& SectionOf<Part>();          \
  template void KeepDeclaredKeys<Part>(PlayerIni&);
ZANDOR_PLAYER_PART(KeptGame)
ZANDOR_PLAYER_PART(KeptSpin)
ZANDOR_PLAYER_PART(KeptCard)
ZANDOR_PLAYER_PART(KeptSaves)
ZANDOR_PLAYER_PART(KeptWindow)
ZANDOR_PLAYER_PART(ViewChoices)
ZANDOR_PLAYER_PART(KeptVolume)
#undef ZANDOR_PLAYER_PART

bool IsPlayerSection(std::string_view name) {
  const std::vector<PlayerKey>& t = Table();
  return std::any_of(t.begin(), t.end(),
                     [name](const PlayerKey& k) { return SameName(k.Section, name); });
}

}  // namespace zandor
