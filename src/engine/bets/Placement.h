// Placing and removing stakes for `CurrentPlayer`: the capital check, the chip limit, the unit,
// the bet list and Clear chips. The app's mouse handlers, the extended bets and system play all
// place through these.
#pragma once

#include "game/Game.h"
#include "table/BoardGeometry.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace quendra {

// One bet step: `PieceValue` in the real mode (at least 1), 1 in the piece mode.
std::int32_t betUnit(const Settings& settings);

// What a placement leaves on the field, for the chip display.
struct ChipRecord {
    std::string name;
    std::int32_t amount = 0; // 0 when the field was cleared
    BoardPoint anchor;
};

struct PlaceResult {
    bool refused = true;
    ChipRecord chip;
};

// Moves the amount from `CurrentPlayer`'s capital to his stake on the table (a negative amount
// gives money back) and remembers it as the last requested stake. Refused, changing nothing,
// when no player is selected, when a player without system play would go below 0 for a
// non-negative amount, or when a sum would leave the 32-bit range.
bool ChargeStake(Game& game, std::int32_t amount);

// Puts the amount on the field of the chip name for `CurrentPlayer`; the caller has charged
// it. A positive amount is refused when the chip limit is on and the new amount exceeds it: the
// amount goes back to the capital and info 3 names the field and the limit. An amount below 1
// removes, clearing the field when nothing remains. Refused for a chip name that names no field
// of the table.
PlaceResult PlaceBet(Game& game, std::int32_t amount, std::string_view chipName);

enum class PlacementOutcome {
    Placed,  // the stake changed
    Refused, // capital or chip limit: the auto-repeat stops
    Ignored, // nothing to do: no field, no player, the cursor is not the normal cursor
};

// One unit more on the field (left button): warning 10 when the capital does not cover it.
PlacementOutcome AddUnit(Game& game, std::string_view chipName);
// One unit less (right button); gives back what came off the field, nothing from an empty one.
PlacementOutcome RemoveUnit(Game& game, std::string_view chipName);

// Every entry has an amount of at least 1 and a point on a field of the table.
bool betListValid(const GameState& state);
// Places the bet list's entries in order for `CurrentPlayer`; the stake was charged before as
// one sum. An entry off the board goes back to the capital, as does one the chip limit refuses,
// so the stake always equals what lies on the board; an amount below 1 is skipped.
void PlaceBetList(Game& game);
// System play's placement: a valid, non-empty list is charged with `BetListTotal` and placed.
// An invalid list is refused whole, leaving capital and board alone.
bool ChargeAndPlaceBetList(Game& game);

// "Jetons löschen": every stake of `CurrentPlayer` on the table goes back to his capital.
void ClearChips(Game& game);
// The player's stakes on the table go back to his capital as "Jetons löschen" gives them back
// (staying stakes and released prisoners included); his `BetSum` is 0 afterwards.
void ReturnStakes(Game& game, int player);

// The enabled commands follow the bets (see betCommandState); tells the host to read them.
void UpdateButtonState(Game& game);

} // namespace quendra
