// One player's stakes on every bet field of the table.
#pragma once

#include "table/BetField.h"

#include <array>
#include <bit>
#include <cstdint>

namespace quendra {

struct FieldBet {
    bool placed = false;
    std::int32_t amount = 0;
    // The field won and its stake stays on the table because the win was paid without it. Set
    // through PlayerBoard::markStaying only, so that the board's walks of staying stakes see it.
    bool stays = false;
    // The hidden chip: the last coup's stake on the field, already settled, kept only to be put
    // back by Rebet. It is not money on the table: `BetSum` is the sum of the placed amounts.
    std::int32_t hiddenAmount = 0;
};

// Every walk over the board visits only the fields that were ever handed out for writing since
// they were last found empty, in catalogue order. An empty field (nothing placed, staying or
// hidden) is one every walk passes over anyway, so skipping the untouched ones changes nothing
// but the time a coup takes: a player's board has some 400 fields and a coup uses a handful.
class PlayerBoard {
public:
    FieldBet& at(BetField field) {
        touched_[kindSlot(field.kind)] |= bit(field.index);
        return fields_[kindSlot(field.kind)][field.index];
    }
    const FieldBet& at(BetField field) const { return fields_[kindSlot(field.kind)][field.index]; }

    void clear() {
        fields_ = {};
        touched_ = {};
        staying_ = {};
    }

    // The field won and its stake stays on the table.
    void markStaying(BetField field) {
        at(field).stays = true;
        staying_[kindSlot(field.kind)] |= bit(field.index);
    }

    // The stakes on the table: the sum of the placed amounts.
    std::int64_t stakeOnTable() const;
    // The stakes of winning fields that stay on the table (the win was paid without them).
    std::int64_t stayingStakes() const;
    bool anyPlaced() const;
    bool anyHidden() const;

    // Calls fn(field, bet) for every field of every kind that is not empty, in catalogue order
    // (and for some empty ones: fn must pass over an empty field without changing it). fn may
    // change the field it is given, not hand out others.
    template <typename Fn>
    void forEach(Fn&& fn) {
        forEachOf(kindMasks(), fn);
    }
    template <typename Fn>
    void forEach(Fn&& fn) const {
        forEachOf(kindMasks(), fn);
    }
    // The same walk restricted to the given fields (per kind, bit i for the field of index i).
    template <typename Fn>
    void forEachOf(const FieldBits& fields, Fn&& fn) {
        walk(*this, fields, [&](BetField field, FieldBet& bet) {
            fn(field, bet);
            if (!bet.stays) {
                staying_[kindSlot(field.kind)] &= ~bit(field.index);
            }
            if (isEmpty(bet)) {
                touched_[kindSlot(field.kind)] &= ~bit(field.index);
            }
        });
    }
    template <typename Fn>
    void forEachOf(const FieldBits& fields, Fn&& fn) const {
        walk(*this, fields, fn);
    }
    // The walk over the fields marked staying (and some that no longer stay: fn must pass over
    // a field whose stays is not set).
    template <typename Fn>
    void forEachStaying(Fn&& fn) {
        const FieldBits staying = staying_;
        forEachOf(staying, fn);
    }
    template <typename Fn>
    void forEachStaying(Fn&& fn) const {
        forEachOf(staying_, fn);
    }

private:
    // Index 0..63 covers every kind's index range (plein 0-37, cheval 1-63, ...).
    static constexpr int SlotsPerKind = 64;
    static constexpr int kindSlot(BetKind kind) { return static_cast<int>(kind); }
    static constexpr std::uint64_t bit(int index) { return std::uint64_t{1} << index; }
    static bool isEmpty(const FieldBet& bet) {
        return !bet.placed && !bet.stays && bet.amount == 0 && bet.hiddenAmount == 0;
    }
    // Per kind, the bits of its own index range.
    static const FieldBits& kindMasks() {
        static const FieldBits masks = everyField();
        return masks;
    }
    static FieldBits everyField();

    template <typename Board, typename Fn>
    static void walk(Board& board, const FieldBits& fields, Fn&& fn) {
        // The kinds with a field to visit first, without a branch per kind: which kinds a coup
        // visits varies from coup to coup and would defeat the branch prediction.
        unsigned kinds = 0;
        for (int k = 0; k < BetKindCount; ++k) {
            kinds |= static_cast<unsigned>((board.touched_[k] & fields[k]) != 0) << k;
        }
        while (kinds != 0) {
            const int k = std::countr_zero(kinds);
            kinds &= kinds - 1;
            std::uint64_t touched = board.touched_[k] & fields[k];
            while (touched != 0) {
                const int i = std::countr_zero(touched);
                touched &= touched - 1;
                fn(BetField{static_cast<BetKind>(k), i}, board.fields_[k][i]);
            }
        }
    }

    std::array<std::array<FieldBet, SlotsPerKind>, BetKindCount> fields_{};
    // Per kind, a bit for every field handed out by at() and not found empty since.
    FieldBits touched_{};
    // Per kind, a bit for every field marked staying and not found without stays since.
    FieldBits staying_{};
};

} // namespace quendra
