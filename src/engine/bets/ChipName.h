// Chip names: "SH_" + field code + player digit for a stake, "SH_ZE"/"SH_ZS" + chance + player
// digit for a prisoner.
#pragma once

#include "table/BetField.h"
#include "table/BoardGeometry.h"

#include <optional>
#include <string>
#include <string_view>

namespace quendra {

inline constexpr std::string_view ChipPrefix = "SH_";

// "SH_PL051" for plein 5 of player 1.
std::string chipName(BetField field, int player);
// "SH_ZE31" for player 1's prisoner on red in the first prison.
std::string prisonChipName(PrisonKind prison, int chance, int player);

struct ChipId {
    BetField field;
    int player = 0;
};

// The field and player of a stake's chip name; nullopt for anything else (a prison chip, an
// unknown code, an index outside its kind, a player digit outside 1-4, a wrong length).
std::optional<ChipId> parseChipName(std::string_view name);

bool isPrisonChip(std::string_view name);

} // namespace quendra
