// The bet-field catalogue: one table, computed at compile time, of every field of both tables.
#include "table/BetField.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <vector>

namespace quendra {
namespace {

struct KindRow {
    std::string_view code;
    int first;
    int last;
    int netPayout;
};

// In BetKind order.
constexpr std::array<KindRow, BetKindCount> KindTable{{
    {"PL", 0, 37, 35},
    {"CH", 1, 63, 17},
    {"TP", 1, 16, 11},
    {"TS", 1, 11, 5},
    {"CA", 1, 23, 8},
    {"KL", 1, 3, 2},
    {"DZ", 1, 3, 2},
    {"EC", 1, 6, 1},
}};

constexpr const KindRow& kindRow(BetKind kind) {
    return KindTable[static_cast<std::size_t>(kind)];
}

constexpr bool kindValid(BetKind kind) {
    return static_cast<std::size_t>(kind) < KindTable.size();
}

constexpr bool inKindRange(BetField field) {
    return kindValid(field.kind) && field.index >= kindRow(field.kind).first &&
           field.index <= kindRow(field.kind).last;
}

constexpr bool isRed(int number) {
    constexpr std::array<int, 18> reds{1,  3,  5,  7,  9,  12, 14, 16, 18,
                                       19, 21, 23, 25, 27, 30, 32, 34, 36};
    return std::find(reds.begin(), reds.end(), number) != reds.end();
}

constexpr bool isInner(int number) {
    return number >= 1 && number <= 36;
}

// Board layout: row 1-12 from the zero down, column 1-3 from left to right.
constexpr int boardRow(int number) {
    return (number + 2) / 3;
}
constexpr int boardColumn(int number) {
    return (number - 1) % 3 + 1;
}

// The fields that touch only the zero side of one table's layout.
constexpr bool frenchOnly(BetField field) {
    return (field.kind == BetKind::Cheval && field.index == 3) ||
           (field.kind == BetKind::TransversalePlein && field.index == 2);
}

constexpr bool americanOnly(BetField field) {
    return (field.kind == BetKind::Plein && field.index == DoubleZero) ||
           (field.kind == BetKind::Cheval && field.index >= 61) ||
           (field.kind == BetKind::TransversalePlein && field.index >= 15);
}

constexpr bool presentOn(TableType table, BetField field) {
    if (!inKindRange(field)) {
        return false;
    }
    return table == TableType::French ? !americanOnly(field) : !frenchOnly(field);
}

constexpr bool chevalCovers(int index, int n) {
    if (index <= 3) { // the zero with 1, 2 or 3
        return n == 0 || n == index;
    }
    if (index <= 36) { // across the line between two rows
        return n == index || n == index - 3;
    }
    if (index <= 60) { // within a row: odd indices the left pair, even the right pair
        const int row = (index - 35) / 2;
        const int left = index % 2 == 1 ? 3 * row - 2 : 3 * row - 1;
        return n == left || n == left + 1;
    }
    constexpr std::array<int, 3> withDoubleZero{0, 2, 3}; // CH61-CH63
    return n == DoubleZero || n == withDoubleZero[static_cast<std::size_t>(index - 61)];
}

constexpr bool transversalePleinCovers(int index, int n) {
    switch (index) {
    case 1:
        return n >= 0 && n <= 2;
    case 2:
        return n == 0 || n == 2 || n == 3;
    case 15:
        return n == 0 || n == 2 || n == DoubleZero;
    case 16:
        return n == 2 || n == 3 || n == DoubleZero;
    default:
        return isInner(n) && boardRow(n) == index - 2;
    }
}

constexpr bool carreCovers(TableType table, int index, int n) {
    if (index == 1) {
        return (n >= 0 && n <= 3) || (table == TableType::American && n == DoubleZero);
    }
    const int upperRow = index / 2;
    const int leftColumn = index % 2 == 0 ? 1 : 2;
    return isInner(n) && (boardRow(n) == upperRow || boardRow(n) == upperRow + 1) &&
           (boardColumn(n) == leftColumn || boardColumn(n) == leftColumn + 1);
}

constexpr bool evenChanceCovers(int index, int n) {
    if (!isInner(n)) {
        return false;
    }
    switch (index) {
    case Manque:
        return n <= 18;
    case Pair:
        return n % 2 == 0;
    case Rouge:
        return isRed(n);
    case Noir:
        return !isRed(n);
    case Impair:
        return n % 2 == 1;
    default: // Passe
        return n >= 19;
    }
}

// The one place that says which numbers a field covers; everything else reads the table below.
constexpr bool covers(TableType table, BetField field, int n) {
    switch (field.kind) {
    case BetKind::Plein:
        return n == field.index;
    case BetKind::Cheval:
        return chevalCovers(field.index, n);
    case BetKind::TransversalePlein:
        return transversalePleinCovers(field.index, n);
    case BetKind::TransversaleSimple:
        return isInner(n) && (boardRow(n) == field.index || boardRow(n) == field.index + 1);
    case BetKind::Carre:
        return carreCovers(table, field.index, n);
    case BetKind::Column:
        return isInner(n) && boardColumn(n) == field.index;
    case BetKind::Dozen:
        return isInner(n) && (n - 1) / 12 + 1 == field.index;
    case BetKind::EvenChance:
        return evenChanceCovers(field.index, n);
    }
    return false;
}

constexpr int MostNumbersOfAField = 18; // an even chance

struct CatalogueEntry {
    int count = 0;
    std::array<int, MostNumbersOfAField> numbers{};
    std::uint64_t mask = 0; // bit n set when number n is covered
};

constexpr int slotCount() {
    int count = 0;
    for (const KindRow& row : KindTable) {
        count += row.last - row.first + 1;
    }
    return count;
}

constexpr int FieldSlots = slotCount();

// Fields laid out kind after kind, indices ascending.
constexpr int slotOf(BetField field) {
    int slot = 0;
    for (std::size_t k = 0; k < static_cast<std::size_t>(field.kind); ++k) {
        slot += KindTable[k].last - KindTable[k].first + 1;
    }
    return slot + field.index - kindRow(field.kind).first;
}

using TableCatalogue = std::array<CatalogueEntry, FieldSlots>;

constexpr TableCatalogue buildCatalogue(TableType table) {
    TableCatalogue catalogue{};
    const int highest = table == TableType::French ? 36 : DoubleZero;
    for (std::size_t k = 0; k < KindTable.size(); ++k) {
        const auto kind = static_cast<BetKind>(k);
        for (int index = KindTable[k].first; index <= KindTable[k].last; ++index) {
            const BetField field{kind, index};
            if (!presentOn(table, field)) {
                continue;
            }
            CatalogueEntry& entry = catalogue[static_cast<std::size_t>(slotOf(field))];
            for (int n = 0; n <= highest; ++n) {
                if (covers(table, field, n)) {
                    entry.numbers[static_cast<std::size_t>(entry.count++)] = n;
                    entry.mask |= std::uint64_t{1} << n;
                }
            }
        }
    }
    return catalogue;
}

constexpr std::array<TableCatalogue, 2> Catalogue{buildCatalogue(TableType::French),
                                                  buildCatalogue(TableType::American)};

const CatalogueEntry& entryOf(TableType table, BetField field) {
    return Catalogue[static_cast<std::size_t>(table)][static_cast<std::size_t>(slotOf(field))];
}

} // namespace

int highestNumber(TableType table) {
    return table == TableType::French ? 36 : DoubleZero;
}

int pocketCount(TableType table) {
    return highestNumber(table) + 1;
}

Colour colourOf(int number) {
    if (!isInner(number)) {
        return Colour::Zero;
    }
    return isRed(number) ? Colour::Red : Colour::Black;
}

char colourLetter(Colour colour) {
    switch (colour) {
    case Colour::Red:
        return 'R';
    case Colour::Black:
        return 'S';
    case Colour::Zero:
        break;
    }
    return 'H';
}

std::string numberText(int number) {
    return number == DoubleZero ? std::string("00") : std::to_string(number);
}

int kindCount(BetKind kind) {
    return lastIndex(kind) - firstIndex(kind) + 1;
}

int firstIndex(BetKind kind) {
    return kindRow(kind).first;
}

int lastIndex(BetKind kind) {
    return kindRow(kind).last;
}

std::string_view kindCode(BetKind kind) {
    return kindRow(kind).code;
}

std::optional<BetKind> kindFromCode(std::string_view code) {
    // Every code has two letters; comparing them directly keeps this off the string library,
    // since every chip placed is looked up here.
    if (code.size() != 2) {
        return std::nullopt;
    }
    for (std::size_t k = 0; k < KindTable.size(); ++k) {
        if (KindTable[k].code[0] == code[0] && KindTable[k].code[1] == code[1]) {
            return static_cast<BetKind>(k);
        }
    }
    return std::nullopt;
}

std::string fieldCode(BetField field) {
    if (!inKindRange(field)) {
        return {};
    }
    std::string code(kindCode(field.kind));
    code += static_cast<char>('0' + field.index / 10);
    code += static_cast<char>('0' + field.index % 10);
    return code;
}

std::optional<BetField> parseFieldCode(std::string_view code) {
    if (code.size() != 4) {
        return std::nullopt;
    }
    const auto kind = kindFromCode(code.substr(0, 2));
    const auto isDigit = [](char c) { return c >= '0' && c <= '9'; };
    if (!kind || !isDigit(code[2]) || !isDigit(code[3])) {
        return std::nullopt;
    }
    const BetField field{*kind, (code[2] - '0') * 10 + (code[3] - '0')};
    if (!inKindRange(field)) {
        return std::nullopt;
    }
    return field;
}

bool fieldPresent(TableType table, BetField field) {
    return presentOn(table, field);
}

std::span<const int> numbersCovered(TableType table, BetField field) {
    if (!presentOn(table, field)) {
        return {};
    }
    const CatalogueEntry& entry = entryOf(table, field);
    return {entry.numbers.data(), static_cast<std::size_t>(entry.count)};
}

bool fieldCovers(TableType table, BetField field, int number) {
    if (!presentOn(table, field) || number < 0 || number > DoubleZero) {
        return false;
    }
    return (entryOf(table, field).mask >> number) & 1U;
}

int payoutFactor(TableType table, BetField field, TipRule tip, bool withStake) {
    if (!presentOn(table, field)) {
        return 0;
    }
    int net = kindRow(field.kind).netPayout;
    const bool fiveNumberBet =
        table == TableType::American && field.kind == BetKind::Carre && field.index == 1;
    if (fiveNumberBet) {
        net -= 2;
    }
    if (field.kind == BetKind::Plein && (tip == TipRule::Plein || tip == TipRule::PleinCheval)) {
        net -= 1;
    }
    if (field.kind == BetKind::Cheval && tip == TipRule::PleinCheval) {
        net -= 1;
    }
    return withStake ? net + 1 : net;
}

namespace {

using CoveringFields = std::array<std::vector<BetField>, DoubleZero + 1>;

CoveringFields coveringFieldsOf(TableType table) {
    CoveringFields covering;
    for (int k = 0; k < BetKindCount; ++k) {
        const auto kind = static_cast<BetKind>(k);
        for (int i = firstIndex(kind); i <= lastIndex(kind); ++i) {
            for (int number : numbersCovered(table, BetField{kind, i})) {
                covering[static_cast<std::size_t>(number)].push_back(BetField{kind, i});
            }
        }
    }
    return covering;
}

} // namespace

std::span<const BetField> fieldsCovering(TableType table, int number) {
    static const CoveringFields french = coveringFieldsOf(TableType::French);
    static const CoveringFields american = coveringFieldsOf(TableType::American);
    if (number < 0 || number > DoubleZero) {
        return {};
    }
    return (table == TableType::French ? french : american)[static_cast<std::size_t>(number)];
}

namespace {

using CoveringBits = std::array<FieldBits, DoubleZero + 1>;

CoveringBits coveringBitsOf(TableType table) {
    CoveringBits covering{};
    for (int number = 0; number <= DoubleZero; ++number) {
        for (const BetField field : fieldsCovering(table, number)) {
            covering[static_cast<std::size_t>(number)][static_cast<std::size_t>(field.kind)] |=
                std::uint64_t{1} << field.index;
        }
    }
    return covering;
}

} // namespace

const FieldBits& fieldBitsCovering(TableType table, int number) {
    static const CoveringBits french = coveringBitsOf(TableType::French);
    static const CoveringBits american = coveringBitsOf(TableType::American);
    static const FieldBits none{};
    if (number < 0 || number > DoubleZero) {
        return none;
    }
    return (table == TableType::French ? french : american)[static_cast<std::size_t>(number)];
}

} // namespace quendra
