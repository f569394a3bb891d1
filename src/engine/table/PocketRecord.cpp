// Derives a pocket's record from the bet-field catalogue.
#include "table/PocketRecord.h"

#include <span>

namespace quendra {
namespace {

// Writes the indices of the kind's fields that cover the number into slots, ascending; the
// slots beyond the last one stay 0.
void fillMemberships(std::span<std::uint8_t> slots, TableType table, BetKind kind, int number) {
    std::size_t next = 0;
    for (int index = firstIndex(kind); index <= lastIndex(kind) && next < slots.size(); ++index) {
        if (fieldCovers(table, {kind, index}, number)) {
            slots[next++] = static_cast<std::uint8_t>(index);
        }
    }
}

} // namespace

PocketRecord pocketRecordFor(TableType table, int number) {
    PocketRecord record;
    record.number = static_cast<std::uint8_t>(number);
    record.colour = colourLetter(colourOf(number));
    fillMemberships(record.evenChances, table, BetKind::EvenChance, number);
    fillMemberships({&record.dozen, 1}, table, BetKind::Dozen, number);
    fillMemberships({&record.column, 1}, table, BetKind::Column, number);
    fillMemberships(record.transversales, table, BetKind::TransversalePlein, number);
    fillMemberships(record.simples, table, BetKind::TransversaleSimple, number);
    fillMemberships(record.carres, table, BetKind::Carre, number);
    fillMemberships(record.chevals, table, BetKind::Cheval, number);
    return record;
}

} // namespace quendra
