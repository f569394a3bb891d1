// The betting state shared by the players: the bet list, the prisons of the even chances, the
// placement flags and the payout count in progress.
#pragma once

#include "table/BoardGeometry.h"

#include <array>
#include <cstdint>
#include <vector>

namespace quendra {

// One request of a bet list: a board point inside the wanted field and the stake.
struct BetListEntry {
    std::int16_t x = 0;
    std::int16_t y = 0;
    std::int32_t amount = 0;

    bool operator==(const BetListEntry&) const = default;
};

// The bet requests of system play and of the extended bets; one list in use at a time. It
// grows as needed, so it holds the largest list a system run or an extended bet produces.
struct BetList {
    std::vector<BetListEntry> entries;
    // The total stake system play computed for the list; the caller charges it.
    std::int32_t BetListTotal = 0;

    int BetListCount() const { return static_cast<int>(entries.size()); }
    void clear() {
        entries.clear();
        BetListTotal = 0;
    }
    void append(BoardPoint point, std::int32_t amount) {
        entries.push_back(
            {static_cast<std::int16_t>(point.x), static_cast<std::int16_t>(point.y), amount});
    }
};

inline constexpr int EvenChanceCount = 6;

// En prison: a unit of a player's even-chance stake held back after a zero.
struct PrisonState {
    using Flags = std::array<std::array<bool, EvenChanceCount>, 4>; // [player - 1][chance - 1]

    Flags Prison1{};
    Flags Prison2{};
    Flags PrisonReleased{};
    bool Prison1Active = false;
    bool Prison2Active = false;

    bool any() const { return Prison1Active || Prison2Active; }
};

// The wins being counted over into the capitals after a coup.
struct PayoutDisplay {
    // The status bars show the remaining wins (from the settlement until the bars go neutral).
    bool shown = false;
    // The count is running: menus, `BU_ClearJetons` and the placements are held.
    bool counting = false;
    std::array<std::int32_t, 4> remaining{};
};

struct BetState {
    BetList betList;
    PrisonState prison;
    // The last placement was refused; stops the mouse auto-repeat.
    bool PlacementRefused = false;
    // The amount `ChargeStake` was last asked for; warning 10 of the extended bets shows it.
    std::int32_t LastRequestedStake = 0;
    // The mouse cursor is hidden (ball run) or busy (payout count): manual placements are
    // ignored. The spin cycle sets it for the ball run, the payout count for itself.
    bool PlacementBlocked = false;
    // Per player: the board holds the stakes of the coup just settled. `ClearBoard` takes those
    // off without giving anything back; any other stake it takes off goes back to the capital.
    std::array<bool, 4> CoupSettled{};
    PayoutDisplay payout;
    // The win indicator's top-left corner in the main window.
    WindowPoint WinIndicator = WinIndicatorRest;
};

} // namespace quendra
