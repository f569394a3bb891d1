// One player's stakes on every bet field of the table.
#pragma once

#include "table/BetField.h"

#include <array>
#include <cstdint>

namespace quendra {

struct FieldBet {
    bool placed = false;
    std::int32_t amount = 0;
    // The field won and its stake stays on the table because the win was paid without it.
    bool stays = false;
    // The hidden chip: the last coup's stake on the field, already settled, kept only to be put
    // back by Rebet. It is not money on the table: `BetSum` is the sum of the placed amounts.
    std::int32_t hiddenAmount = 0;
};

class PlayerBoard {
public:
    FieldBet& at(BetField field) { return fields_[kindSlot(field.kind)][field.index]; }
    const FieldBet& at(BetField field) const { return fields_[kindSlot(field.kind)][field.index]; }

    void clear() { fields_ = {}; }

    // The stakes on the table: the sum of the placed amounts.
    std::int64_t stakeOnTable() const;
    // The stakes of winning fields that stay on the table (the win was paid without them).
    std::int64_t stayingStakes() const;
    bool anyPlaced() const;
    bool anyHidden() const;

    // Calls fn(field, bet) for every field of every kind, in catalogue order.
    template <typename Fn>
    void forEach(Fn&& fn) {
        for (int k = 0; k < BetKindCount; ++k) {
            const auto kind = static_cast<BetKind>(k);
            for (int i = firstIndex(kind); i <= lastIndex(kind); ++i) {
                fn(BetField{kind, i}, fields_[k][i]);
            }
        }
    }
    template <typename Fn>
    void forEach(Fn&& fn) const {
        for (int k = 0; k < BetKindCount; ++k) {
            const auto kind = static_cast<BetKind>(k);
            for (int i = firstIndex(kind); i <= lastIndex(kind); ++i) {
                fn(BetField{kind, i}, fields_[k][i]);
            }
        }
    }

private:
    // Index 0..63 covers every kind's index range (plein 0-37, cheval 1-63, ...).
    static constexpr int SlotsPerKind = 64;
    static constexpr int kindSlot(BetKind kind) { return static_cast<int>(kind); }

    std::array<std::array<FieldBet, SlotsPerKind>, BetKindCount> fields_{};
};

} // namespace quendra
