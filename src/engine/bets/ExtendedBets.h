// The extended bets: groups of fields placed in one go — the wheel sections of the single-zero
// wheel, the finals and a number with its wheel neighbours. The buttons of the main window and
// system play append them to the bet list through the same helpers.
#pragma once

#include "game/Game.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace quendra {

// The button tags.
enum class ExtendedBet : int {
    GrosseSerie = 1,
    KleineSerie = 2,
    Orphelins = 3,
    Finale = 4,
    Zerospiel = 5,
    OneNeighbour = 6,
    TwoNeighbours = 7,
    ThreeNeighbours = 8,
};
inline constexpr int ExtendedBetCount = 8;

struct PatternEntry {
    BetField field;
    int units = 1; // stake in units

    bool operator==(const PatternEntry&) const = default;
};

// The wheel sections exist on the French table only; Finale and the neighbours on both.
bool extendedBetAvailable(TableType table, ExtendedBet group);
// A button is enabled while a game runs, outside a pause, when its group exists on the table.
bool extendedBetButtonEnabled(const GameState& state, ExtendedBet group);

// The group's fields and stakes in the order they are appended. The argument is the final digit
// (Finale) or the centre number (neighbours, 37 for 00). Empty when the group does not exist on
// the table or the argument is out of range.
std::vector<PatternEntry> extendedBetPattern(const Table& table, ExtendedBet group,
                                             int argument = 0);
// The units one stake unit of the group costs (9 for the große Serie, 3-5 for a Finale, ...).
int extendedBetUnits(const Table& table, ExtendedBet group, int argument = 0);

// Appends the group with the unit to the bet list by board points. A player without system
// play is charged the total first; when that is refused nothing is appended (false). A system
// player is charged later with the list total.
bool AppendExtendedBet(Game& game, ExtendedBet group, std::int32_t unit, int argument = 0);

// `ErwSerieClick`: the handler of the eight buttons, by tag. Only while bets are accepted.
// Finale and the neighbours ask for their number first; cancelling places and shows nothing.
// When the capital does not cover the group, warning 10 names the refused total.
void ErwSerieClick(Game& game, int tag);

} // namespace quendra
