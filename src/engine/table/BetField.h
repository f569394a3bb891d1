// The bet fields of the two tables: codes, the numbers each field covers and its payouts.
#pragma once

#include <array>
#include <compare>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace quendra {

enum class TableType : std::uint8_t { French, American };

// The double zero of the American table is the number 37 everywhere; it is shown as "00".
inline constexpr int DoubleZero = 37;

// 36 on the French table, 37 on the American table.
int highestNumber(TableType table);
// 37 on the French table, 38 on the American table.
int pocketCount(TableType table);

enum class Colour : std::uint8_t { Red, Black, Zero };

// Red or black for 1-36; Zero for 0, 37 and anything else.
Colour colourOf(int number);
// The colour letter of the wheel data files: 'R', 'S' or 'H'.
char colourLetter(Colour colour);
// "0".."36", or "00" for the double zero; other values in plain decimal.
std::string numberText(int number);

// In catalogue order; the order is used for array layouts everywhere.
enum class BetKind : std::uint8_t {
    Plein,              // PL
    Cheval,             // CH
    TransversalePlein,  // TP
    TransversaleSimple, // TS
    Carre,              // CA
    Column,             // KL
    Dozen,              // DZ
    EvenChance,         // EC
};
inline constexpr int BetKindCount = 8;

// Even-chance indices, in catalogue order.
enum EvenChance : int { Manque = 1, Pair = 2, Rouge = 3, Noir = 4, Impair = 5, Passe = 6 };

// Per-kind counts: plein 38 (indices 0-37), cheval 63, transversale plein 16, transversale
// simple 11, carré 23, column 3, dozen 3, even chance 6 (indices from 1).
int kindCount(BetKind kind);
int firstIndex(BetKind kind);            // 0 for plein, 1 for every other kind
int lastIndex(BetKind kind);             // 37, 63, 16, 11, 23, 3, 3, 6
std::string_view kindCode(BetKind kind); // "PL", "CH", "TP", "TS", "CA", "KL", "DZ", "EC"
std::optional<BetKind> kindFromCode(std::string_view code);

struct BetField {
    BetKind kind = BetKind::Plein;
    int index = 0;

    auto operator<=>(const BetField&) const = default;
};

// "PL05", "CH37", "EC03"; empty for an index outside the kind's range.
std::string fieldCode(BetField field);
// Inverse of fieldCode: exactly two upper-case letters and two digits; nullopt for an unknown
// kind or an index outside the kind's range.
std::optional<BetField> parseFieldCode(std::string_view code);

// Whether the field exists on the table (CH03 and TP02 are French only; CH61-CH63, TP15, TP16
// and PL37 are American only).
bool fieldPresent(TableType table, BetField field);

// The numbers the field covers on that table, ascending with 37 (00) last; empty when the
// field is not present on the table.
std::span<const int> numbersCovered(TableType table, BetField field);
bool fieldCovers(TableType table, BetField field, int number);
// Every field of the catalogue that covers the number (0-37) on the table, in catalogue order;
// empty for any other number.
std::span<const BetField> fieldsCovering(TableType table, int number);
// The same fields as bits: per kind, bit i set for the field of index i. All clear for any
// other number.
using FieldBits = std::array<std::uint64_t, BetKindCount>;
const FieldBits& fieldBitsCovering(TableType table, int number);

// `TipRule` setting: the piece for the croupiers lowers the payout of plein / cheval. A stored
// value other than 1 or 2 counts as Off.
enum class TipRule : int { Off = 0, Plein = 1, PleinCheval = 2 };

// The payout per unit staked on a winning field: the net payout when the stake is not paid out
// with the win (`WinPiecesToProfit` off), the payout with stake otherwise. 0 for a field that is
// not present on the table.
int payoutFactor(TableType table, BetField field, TipRule tip, bool withStake);

} // namespace quendra
