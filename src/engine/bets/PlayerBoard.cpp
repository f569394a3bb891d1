// Sums over a player's board.
#include "bets/PlayerBoard.h"

namespace quendra {

FieldBits PlayerBoard::everyField() {
    FieldBits bits{};
    for (int k = 0; k < BetKindCount; ++k) {
        const auto kind = static_cast<BetKind>(k);
        for (int i = firstIndex(kind); i <= lastIndex(kind); ++i) {
            bits[k] |= bit(i);
        }
    }
    return bits;
}

std::int64_t PlayerBoard::stakeOnTable() const {
    std::int64_t sum = 0;
    forEach([&](BetField, const FieldBet& bet) {
        if (bet.placed) {
            sum += bet.amount;
        }
    });
    return sum;
}

std::int64_t PlayerBoard::stayingStakes() const {
    std::int64_t sum = 0;
    forEachStaying([&](BetField, const FieldBet& bet) {
        if (bet.placed && bet.stays) {
            sum += bet.amount;
        }
    });
    return sum;
}

bool PlayerBoard::anyPlaced() const {
    bool any = false;
    forEach([&](BetField, const FieldBet& bet) { any = any || bet.placed; });
    return any;
}

bool PlayerBoard::anyHidden() const {
    bool any = false;
    forEach([&](BetField, const FieldBet& bet) { any = any || bet.hiddenAmount > 0; });
    return any;
}

} // namespace quendra
