// The face as a screen reader hears it: the meters, the bonus meter, the nine reel cells and
// the five paylines, named and valued from the state the painting reads, at the places the
// face paints them.
#pragma once

#include <QString>
#include <vector>

#include "face/FacePainter.h"
#include "platform/PaintedArea.h"

namespace zandor {

// The short name of a symbol code (0..6) as its artwork shows it: "Power Up", "Diamond",
// "Crown", "Bell", "Lemon", "Cherry", "Power Drain".
QString SymbolName(int symbol);
// The three symbols of payline k (1..5) of a grid, "Lemon, Lemon, Cherry".
QString LineSymbols(const std::array<int, 9>& grid, int k);
// An amount as the meters show it, without their padding: "1000.00".
QString MoneyWords(Money amount);

// The face's parts in reading order, as the items of a list: Credits, Wager, Won, Spins, free spins left, the bonus
// meter ("Bonus meter 40%"), the bonus pool, the reel cells row by row from the top,
// and the paylines 1 to 5 with their coins and, after a winning spin, their pay.
std::vector<PaintedPart> FaceParts(const FacePainter& face, const MachineState& machine);

}  // namespace zandor
