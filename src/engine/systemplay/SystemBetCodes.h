// The bet codes of the system language: the eight field kinds of the table, the finales, the
// neighbour bets and the four wheel sectors, with their index ranges, their pieces per unit
// and the numbers each of their fields holds for the conditions.
#pragma once

#include "table/BetField.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace quendra {

struct Table;
enum class ExtendedBet : int;

// The values are the kind numbers of the statistics functions (RZ, UZ take kinds 1-8).
enum class BetCode : std::uint8_t {
    CA = 1,
    TP = 2,
    TS = 3,
    CH = 4,
    PL = 5,
    KL = 6,
    DZ = 7,
    EC = 8,
    KS = 9,  // tiers du cylindre
    GS = 10, // voisins du zéro
    OR = 11, // orphelins
    FI = 12, // finale
    ZS = 13, // zero game
    EN = 14, // a number with one wheel neighbour on each side
    ZN = 15, // ... two neighbours
    DN = 16, // ... three neighbours
};

std::optional<BetCode> betCodeFromText(std::string_view code);
std::string_view betCodeText(BetCode code);

// KS, GS, OR and ZS: no index, French table only as bets.
bool isSector(BetCode code);
// The field kind of the catalogue for kinds 1-8; none for the others.
std::optional<BetKind> fieldKindOf(BetCode code);

// The index range of a code on the table; sectors have none (0 to -1). PL reaches 37 on both
// tables, so that "PL37" on the French table is refused as absent from the table rather than
// as out of range.
int firstBetIndex(BetCode code);
int lastBetIndex(BetCode code, TableType table);

// A bet of the system language: a code and, unless it is a sector, an index in its range.
struct BetItem {
    BetCode code = BetCode::PL;
    int index = 0;

    bool operator==(const BetItem&) const = default;
};

// How the index of a bet item is written: as the rest of the item, read as a number ("EC1" and
// "EC01" are the same bet), or as exactly the two characters after the code (an entry appended
// to a play table).
enum class IndexWidth { Free, TwoCharacters };

struct BetItemParse {
    std::optional<BetItem> item;
    int error = 0;          // the system message when there is no item
    std::string_view token; // the part of the text to blame for it
};

// Reads a bet item ("EC01", "PL 7", "GS"; trailing blanks are ignored): an unknown code raises
// 4, an index that is not a number 2, one outside the code's range 3, and text after a sector
// code 6. Whether the table has the field is not judged here.
BetItemParse parseBetItem(std::string_view text, TableType table, IndexWidth width);

// "EC01", "PL17", "FI07": the code and its index in two digits; a sector code alone.
std::string actionText(BetItem item);

// Whether the bet can be placed on the table: a field the table lacks ("PL37", "CH61"-"CH63",
// "TP15", "TP16" on the French table, "TP02" and "CH03" on the American one), and every sector
// on the American table, cannot.
bool betOnTable(BetItem item, TableType table);

// The extended bet a code places: GS the große Serie (voisins du zéro), KS the kleine Serie
// (tiers du cylindre), OR the orphelins, ZS the zero game, FI the finale, EN, ZN and DN a number
// with one, two or three neighbours; none for a single field.
std::optional<ExtendedBet> extendedBetOf(BetCode code);

// The stake of one unit of the bet in pieces: 1 for a single field, the pieces of its pattern
// for an extended bet (finale 0-6 4, 7-9 3, finale 0 on the American table 5 since 00 joins it;
// EN 3, ZN 5, DN 7; KS 6, GS 9, OR 5, ZS 4).
int piecesPerUnit(const Table& table, BetItem item);

// Whether a number (0-36, 37 for 00) lies in the field the code and index name, for the
// conditions: the catalogue's fields (all four carrés of a number count); a finale holds the
// numbers ending in its digit, and the double zero lies in finale 0; a neighbour bet holds its
// number and the pockets within one, two or three places of it on the table's wheel; a sector
// holds its numbers of the single-zero wheel on either table.
bool numberInField(const Table& table, BetItem item, int number);

} // namespace quendra
