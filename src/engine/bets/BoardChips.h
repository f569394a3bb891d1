// The chips on the board as data: which chip lies where with which value, in the order they are
// painted, so the app only draws them.
#pragma once

#include "game/GameState.h"
#include "table/BoardGeometry.h"

#include <cstdint>
#include <string>
#include <vector>

namespace quendra {

struct ChipView {
    std::string name; // "SH_PL051", "SH_ZE31"
    int player = 0;
    std::int32_t amount = 0;
    BoardPoint anchor;
    bool prison = false; // a prisoner's chip: it does not react to the mouse

    bool operator==(const ChipView&) const = default;
};

// Every visible chip: the placed stakes of all four players and the prisoners. Later chips lie
// on top; `CurrentPlayer`'s chips come last, so on the shared anchors his chip is in front.
// Hidden stakes (kept for Rebet) have no chip.
std::vector<ChipView> boardChips(const GameState& state);

} // namespace quendra
