// The bet codes of the system language and the numbers their fields hold.
#include "systemplay/SystemBetCodes.h"

#include "bets/ExtendedBets.h"
#include "systemplay/SystemMessages.h"
#include "systemplay/SystemNumbers.h"
#include "table/Table.h"

#include <algorithm>
#include <array>
#include <span>

namespace quendra {
namespace {

struct CodeRow {
    std::string_view text;
    BetCode code;
};

constexpr std::array<CodeRow, 16> Codes{{
    {"CA", BetCode::CA},
    {"TP", BetCode::TP},
    {"TS", BetCode::TS},
    {"CH", BetCode::CH},
    {"PL", BetCode::PL},
    {"KL", BetCode::KL},
    {"DZ", BetCode::DZ},
    {"EC", BetCode::EC},
    {"KS", BetCode::KS},
    {"GS", BetCode::GS},
    {"OR", BetCode::OR},
    {"FI", BetCode::FI},
    {"ZS", BetCode::ZS},
    {"EN", BetCode::EN},
    {"ZN", BetCode::ZN},
    {"DN", BetCode::DN},
}};

constexpr bool inValueOrder() {
    for (std::size_t i = 0; i < Codes.size(); ++i) {
        if (static_cast<std::size_t>(Codes[i].code) != i + 1) {
            return false;
        }
    }
    return true;
}
static_assert(inValueOrder());

// The sectors of the single-zero wheel as the conditions read them.
constexpr std::array KsNumbers{27, 13, 36, 11, 30, 8, 23, 10, 5, 24, 16, 33};
constexpr std::array GsNumbers{22, 18, 29, 7, 28, 12, 35, 3, 26, 0, 32, 15, 19, 4, 21, 2, 25};
constexpr std::array OrNumbers{17, 34, 6, 1, 20, 14, 31, 9};
constexpr std::array ZsNumbers{3, 26, 0, 32, 15};

std::span<const int> sectorNumbers(BetCode code) {
    switch (code) {
    case BetCode::KS:
        return KsNumbers;
    case BetCode::GS:
        return GsNumbers;
    case BetCode::OR:
        return OrNumbers;
    case BetCode::ZS:
        return ZsNumbers;
    default:
        return {};
    }
}

int finaleOf(int number) {
    return number == DoubleZero ? 0 : number % 10;
}

} // namespace

std::optional<BetCode> betCodeFromText(std::string_view code) {
    // Two letters each, compared directly: every bet item of every coup is looked up here.
    if (code.size() != 2) {
        return std::nullopt;
    }
    const auto found = std::find_if(Codes.begin(), Codes.end(), [code](const CodeRow& row) {
        return row.text[0] == code[0] && row.text[1] == code[1];
    });
    return found == Codes.end() ? std::nullopt : std::optional<BetCode>(found->code);
}

std::string_view betCodeText(BetCode code) {
    // The rows stand in the order of the codes' values, 1 to 16.
    const auto row = static_cast<std::size_t>(code) - 1;
    return row < Codes.size() ? Codes[row].text : std::string_view{};
}

bool isSector(BetCode code) {
    return !sectorNumbers(code).empty();
}

std::optional<BetKind> fieldKindOf(BetCode code) {
    switch (code) {
    case BetCode::CA:
        return BetKind::Carre;
    case BetCode::TP:
        return BetKind::TransversalePlein;
    case BetCode::TS:
        return BetKind::TransversaleSimple;
    case BetCode::CH:
        return BetKind::Cheval;
    case BetCode::PL:
        return BetKind::Plein;
    case BetCode::KL:
        return BetKind::Column;
    case BetCode::DZ:
        return BetKind::Dozen;
    case BetCode::EC:
        return BetKind::EvenChance;
    default:
        return std::nullopt;
    }
}

int firstBetIndex(BetCode code) {
    if (const std::optional<BetKind> kind = fieldKindOf(code)) {
        return firstIndex(*kind);
    }
    return 0;
}

int lastBetIndex(BetCode code, TableType table) {
    if (const std::optional<BetKind> kind = fieldKindOf(code)) {
        return lastIndex(*kind);
    }
    if (code == BetCode::FI) {
        return 9;
    }
    if (isSector(code)) {
        return -1;
    }
    return highestNumber(table);
}

BetItemParse parseBetItem(std::string_view text, TableType table, IndexWidth width) {
    text = text.substr(0, text.find_last_not_of(' ') + 1);
    const std::string_view codeText = text.substr(0, 2);
    const std::optional<BetCode> code = betCodeFromText(codeText);
    if (codeText.size() != 2 || !code) {
        return {std::nullopt, SystemMessage::InvalidSzAction, text};
    }
    const std::string_view indexText = text.substr(2);
    if (isSector(*code)) {
        if (!indexText.empty()) {
            return {std::nullopt, SystemMessage::CommaOrSemicolonExpected, indexText};
        }
        return {BetItem{*code, 0}, 0, {}};
    }
    const std::optional<std::int32_t> index = toInteger(indexText);
    if (!index || (width == IndexWidth::TwoCharacters && indexText.size() != 2)) {
        return {std::nullopt, SystemMessage::NumericExpected, indexText};
    }
    if (*index < firstBetIndex(*code) || *index > lastBetIndex(*code, table)) {
        return {std::nullopt, SystemMessage::ImpossibleSzValue, indexText};
    }
    return {BetItem{*code, *index}, 0, {}};
}

std::string actionText(BetItem item) {
    const std::string_view code = betCodeText(item.code);
    if (isSector(item.code)) {
        return std::string(code);
    }
    std::array<char, 4> text{};
    const auto end = std::copy(code.begin(), code.end(), text.begin());
    end[0] = static_cast<char>('0' + item.index / 10 % 10);
    end[1] = static_cast<char>('0' + item.index % 10);
    return std::string(text.begin(), end + 2);
}

bool betOnTable(BetItem item, TableType table) {
    if (isSector(item.code)) {
        return table == TableType::French;
    }
    if (const std::optional<BetKind> kind = fieldKindOf(item.code)) {
        return fieldPresent(table, BetField{*kind, item.index});
    }
    return item.index >= firstBetIndex(item.code) && item.index <= lastBetIndex(item.code, table);
}

std::optional<ExtendedBet> extendedBetOf(BetCode code) {
    switch (code) {
    case BetCode::GS:
        return ExtendedBet::GrosseSerie;
    case BetCode::KS:
        return ExtendedBet::KleineSerie;
    case BetCode::OR:
        return ExtendedBet::Orphelins;
    case BetCode::ZS:
        return ExtendedBet::Zerospiel;
    case BetCode::FI:
        return ExtendedBet::Finale;
    case BetCode::EN:
        return ExtendedBet::OneNeighbour;
    case BetCode::ZN:
        return ExtendedBet::TwoNeighbours;
    case BetCode::DN:
        return ExtendedBet::ThreeNeighbours;
    default:
        return std::nullopt;
    }
}

int piecesPerUnit(const Table& table, BetItem item) {
    const std::optional<ExtendedBet> group = extendedBetOf(item.code);
    return group ? extendedBetUnits(table, *group, item.index) : 1;
}

bool numberInField(const Table& table, BetItem item, int number) {
    if (const std::optional<BetKind> kind = fieldKindOf(item.code)) {
        return fieldCovers(table.type(), BetField{*kind, item.index}, number);
    }
    if (isSector(item.code)) {
        const std::span<const int> numbers = sectorNumbers(item.code);
        return std::find(numbers.begin(), numbers.end(), number) != numbers.end();
    }
    if (item.code == BetCode::FI) {
        return number >= 0 && number <= DoubleZero && finaleOf(number) == item.index;
    }
    // A number with its neighbours: the pleins of the bet's pattern on the table's wheel.
    const std::optional<ExtendedBet> group = extendedBetOf(item.code);
    const std::vector<PatternEntry> pattern =
        group ? extendedBetPattern(table, *group, item.index) : std::vector<PatternEntry>{};
    return std::any_of(pattern.begin(), pattern.end(), [number](const PatternEntry& entry) {
        return entry.field == BetField{BetKind::Plein, number};
    });
}

} // namespace quendra
