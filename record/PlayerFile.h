// The player's record in "PLAYER.INI": sections [This Game], [Lifetime], [Auto Spin Limits],
// [Recent Spins], [Recent Events] and [Game Chart], read and written here and nowhere else, through
// the file's one owner.
#pragma once

#include <cstdint>

#include "record/PlayerRecord.h"

namespace zandor {

class PlayerIni;

// Reads the record. Missing or damaged values give the defaults and a damaged recent spin is
// skipped. The current game's figures start afresh from these credits and debt (cents) when
// the file has none or they do not add up to these credits.
void LoadRecord(const PlayerIni& file, PlayerRecord& r, int64_t credits, int64_t borrowed);
// Puts the whole record into the file; its next save writes it.
void StoreRecord(PlayerIni& file, const PlayerRecord& r);
// Puts only the auto-spin limits.
void StoreAutoSpinLimits(PlayerIni& file, const AutoSpinLimits& limits);

}  // namespace zandor
