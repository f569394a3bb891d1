// The bet-field catalogue: which numbers each field covers, where it exists, what it pays.
#include "table/BetField.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <set>
#include <string>
#include <vector>

namespace quendra {
namespace {

std::vector<BetField> allFields() {
    std::vector<BetField> fields;
    for (int k = 0; k < BetKindCount; ++k) {
        const auto kind = static_cast<BetKind>(k);
        for (int index = firstIndex(kind); index <= lastIndex(kind); ++index) {
            fields.push_back({kind, index});
        }
    }
    return fields;
}

std::vector<std::string> winningCodes(TableType table, int number) {
    std::vector<std::string> codes;
    for (BetField field : allFields()) {
        if (fieldCovers(table, field, number)) {
            codes.push_back(fieldCode(field));
        }
    }
    std::sort(codes.begin(), codes.end());
    return codes;
}

std::vector<int> covered(TableType table, const std::string& code) {
    const auto numbers = numbersCovered(table, *parseFieldCode(code));
    return {numbers.begin(), numbers.end()};
}

TEST(BetCatalogue, WinningFieldsOfTheZerosAndOfTwo) {
    struct Case {
        TableType table;
        int number;
        std::vector<std::string> codes;
    };
    const Case cases[] = {
        {TableType::French, 0, {"PL00", "CH01", "CH02", "CH03", "TP01", "TP02", "CA01"}},
        {TableType::American, 0, {"PL00", "CH01", "CH02", "CH61", "TP01", "TP15", "CA01"}},
        {TableType::American, DoubleZero, {"PL37", "CH61", "CH62", "CH63", "TP15", "TP16", "CA01"}},
        {TableType::American,
         2,
         {"PL02", "CH02", "CH62", "CH05", "CH37", "CH38", "TP01", "TP03", "TP15", "TP16", "CA01",
          "CA02", "CA03", "TS01", "KL02", "DZ01", "EC01", "EC02", "EC04"}},
        {TableType::French,
         2,
         {"PL02", "CH02", "CH05", "CH37", "CH38", "TP01", "TP02", "TP03", "CA01", "CA02", "CA03",
          "TS01", "KL02", "DZ01", "EC01", "EC02", "EC04"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(numberText(c.number));
        std::vector<std::string> expected = c.codes;
        std::sort(expected.begin(), expected.end());
        EXPECT_EQ(winningCodes(c.table, c.number), expected);
    }
}

TEST(BetCatalogue, IndexRulesAtTheirEnds) {
    struct Case {
        TableType table;
        std::string code;
        std::vector<int> numbers;
    };
    const Case cases[] = {
        {TableType::French, "CH04", {1, 4}},
        {TableType::French, "CH36", {33, 36}},
        {TableType::French, "CH39", {4, 5}},
        {TableType::French, "CH59", {34, 35}},
        {TableType::French, "CH60", {35, 36}},
        {TableType::American, "CH63", {3, DoubleZero}},
        {TableType::French, "TP14", {34, 35, 36}},
        {TableType::French, "TS11", {31, 32, 33, 34, 35, 36}},
        {TableType::French, "CA01", {0, 1, 2, 3}},
        {TableType::American, "CA01", {0, 1, 2, 3, DoubleZero}},
        {TableType::French, "CA04", {4, 5, 7, 8}},
        {TableType::French, "CA23", {32, 33, 35, 36}},
        {TableType::French, "KL03", {3, 6, 9, 12, 15, 18, 21, 24, 27, 30, 33, 36}},
        {TableType::French, "DZ03", {25, 26, 27, 28, 29, 30, 31, 32, 33, 34, 35, 36}},
        {TableType::American, "PL37", {DoubleZero}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.code);
        EXPECT_EQ(covered(c.table, c.code), c.numbers);
    }
}

// The board is twelve rows of three; every split, street, corner and double street of that
// layout must be exactly one field, whatever its index.
std::set<std::vector<int>> layoutGroups(BetKind kind, TableType table) {
    std::set<std::vector<int>> groups;
    for (int n = 1; n <= 36; ++n) {
        const bool leftOrMiddle = n % 3 != 0;
        const bool startsRow = n % 3 == 1;
        if (kind == BetKind::Cheval && leftOrMiddle) {
            groups.insert({n, n + 1});
        }
        if (kind == BetKind::Cheval && n + 3 <= 36) {
            groups.insert({n, n + 3});
        }
        if (kind == BetKind::Carre && leftOrMiddle && n + 4 <= 36) {
            groups.insert({n, n + 1, n + 3, n + 4});
        }
        if (kind == BetKind::TransversalePlein && startsRow) {
            groups.insert({n, n + 1, n + 2});
        }
        if (kind == BetKind::TransversaleSimple && startsRow && n + 5 <= 36) {
            groups.insert({n, n + 1, n + 2, n + 3, n + 4, n + 5});
        }
    }
    struct ZeroGroup {
        BetKind kind;
        bool french;
        bool american;
        std::vector<int> numbers;
    };
    const int dz = DoubleZero;
    const ZeroGroup zeroGroups[] = {
        {BetKind::Cheval, true, true, {0, 1}},
        {BetKind::Cheval, true, true, {0, 2}},
        {BetKind::Cheval, true, false, {0, 3}},
        {BetKind::Cheval, false, true, {0, dz}},
        {BetKind::Cheval, false, true, {2, dz}},
        {BetKind::Cheval, false, true, {3, dz}},
        {BetKind::TransversalePlein, true, true, {0, 1, 2}},
        {BetKind::TransversalePlein, true, false, {0, 2, 3}},
        {BetKind::TransversalePlein, false, true, {0, 2, dz}},
        {BetKind::TransversalePlein, false, true, {2, 3, dz}},
        {BetKind::Carre, true, false, {0, 1, 2, 3}},
        {BetKind::Carre, false, true, {0, 1, 2, 3, dz}},
    };
    for (const ZeroGroup& group : zeroGroups) {
        if (group.kind == kind && (table == TableType::French ? group.french : group.american)) {
            groups.insert(group.numbers);
        }
    }
    return groups;
}

TEST(BetCatalogue, InsideFieldsAreExactlyTheGroupsOfTheLayout) {
    for (TableType table : {TableType::French, TableType::American}) {
        for (BetKind kind : {BetKind::Cheval, BetKind::TransversalePlein,
                             BetKind::TransversaleSimple, BetKind::Carre}) {
            SCOPED_TRACE(std::string(kindCode(kind)) +
                         (table == TableType::French ? " French" : " American"));
            std::multiset<std::vector<int>> fields;
            for (int index = firstIndex(kind); index <= lastIndex(kind); ++index) {
                const auto numbers = numbersCovered(table, {kind, index});
                if (!numbers.empty()) {
                    fields.insert({numbers.begin(), numbers.end()});
                }
            }
            const auto expected = layoutGroups(kind, table);
            EXPECT_EQ(fields, (std::multiset<std::vector<int>>(expected.begin(), expected.end())));
        }
    }
}

TEST(BetCatalogue, OutsideFieldsSplitTheThirtySixNumbers) {
    for (TableType table : {TableType::French, TableType::American}) {
        for (int n = 0; n <= highestNumber(table); ++n) {
            SCOPED_TRACE(numberText(n));
            const bool inner = n >= 1 && n <= 36;
            int dozens = 0, columns = 0;
            for (int i = 1; i <= 3; ++i) {
                dozens += fieldCovers(table, {BetKind::Dozen, i}, n);
                columns += fieldCovers(table, {BetKind::Column, i}, n);
            }
            EXPECT_EQ(dozens, inner ? 1 : 0);
            EXPECT_EQ(columns, inner ? 1 : 0);
            // Each inner number wins one of each opposite pair of even chances.
            for (auto [a, b] : {std::pair{Manque, Passe}, {Pair, Impair}, {Rouge, Noir}}) {
                EXPECT_EQ(fieldCovers(table, {BetKind::EvenChance, a}, n) +
                              fieldCovers(table, {BetKind::EvenChance, b}, n),
                          inner ? 1 : 0);
            }
            EXPECT_EQ(fieldCovers(table, {BetKind::EvenChance, Rouge}, n),
                      colourOf(n) == Colour::Red);
        }
    }
}

TEST(BetCatalogue, EighteenRedAndEighteenBlack) {
    int red = 0, black = 0;
    for (int n = 0; n <= DoubleZero; ++n) {
        red += colourOf(n) == Colour::Red;
        black += colourOf(n) == Colour::Black;
    }
    EXPECT_EQ(red, 18);
    EXPECT_EQ(black, 18);
    EXPECT_EQ(colourOf(0), Colour::Zero);
    EXPECT_EQ(colourOf(DoubleZero), Colour::Zero);
    EXPECT_EQ(colourOf(1), Colour::Red);
    EXPECT_EQ(colourOf(10), Colour::Black);
    EXPECT_EQ(colourOf(19), Colour::Red);
    EXPECT_EQ(colourLetter(Colour::Black), 'S');
}

TEST(BetCatalogue, FieldsPresentPerTable) {
    const std::set<std::string> frenchOnly{"CH03", "TP02"};
    const std::set<std::string> americanOnly{"PL37", "CH61", "CH62", "CH63", "TP15", "TP16"};
    for (BetField field : allFields()) {
        const std::string code = fieldCode(field);
        SCOPED_TRACE(code);
        const bool french = !americanOnly.contains(code);
        const bool american = !frenchOnly.contains(code);
        EXPECT_EQ(fieldPresent(TableType::French, field), french);
        EXPECT_EQ(fieldPresent(TableType::American, field), american);
        EXPECT_EQ(numbersCovered(TableType::French, field).empty(), !french);
        EXPECT_EQ(numbersCovered(TableType::American, field).empty(), !american);
    }
    EXPECT_FALSE(fieldCovers(TableType::French, {BetKind::Plein, DoubleZero}, DoubleZero));
    EXPECT_FALSE(fieldCovers(TableType::French, {BetKind::Carre, 1}, DoubleZero));
}

TEST(BetCatalogue, CodesRoundTripAndBadCodesAreRefused) {
    for (BetField field : allFields()) {
        EXPECT_EQ(parseFieldCode(fieldCode(field)), field) << fieldCode(field);
    }
    EXPECT_EQ(fieldCode({BetKind::Cheval, 37}), "CH37");
    EXPECT_EQ(fieldCode({BetKind::Plein, 38}), "");
    for (const char* bad : {"PL38", "CH00", "CH64", "TS12", "EC07", "KL00", "pl05", "PL5", "PL055",
                            "XX01", "PL-1", ""}) {
        EXPECT_FALSE(parseFieldCode(bad).has_value()) << bad;
    }
}

TEST(BetCatalogue, PayoutsWithTipRuleAndStake) {
    struct Case {
        TableType table;
        std::string code;
        TipRule tip;
        bool withStake;
        int payout;
    };
    const auto F = TableType::French;
    const auto A = TableType::American;
    const Case cases[] = {
        {F, "PL17", TipRule::Off, false, 35},
        {F, "PL17", TipRule::Off, true, 36},
        {F, "PL17", TipRule::Plein, false, 34},
        {F, "PL17", TipRule::Plein, true, 35},
        {A, "PL37", TipRule::PleinCheval, false, 34},
        {F, "CH05", TipRule::Plein, false, 17},
        {F, "CH05", TipRule::PleinCheval, false, 16},
        {F, "CH05", TipRule::PleinCheval, true, 17},
        {F, "TP03", TipRule::PleinCheval, false, 11},
        {F, "TS04", TipRule::Off, true, 6},
        {F, "CA01", TipRule::Off, false, 8},
        {A, "CA01", TipRule::Off, false, 6},
        {A, "CA01", TipRule::Off, true, 7},
        {A, "CA02", TipRule::Off, false, 8},
        {F, "KL01", TipRule::Off, false, 2},
        {F, "DZ02", TipRule::Off, true, 3},
        {F, "EC03", TipRule::PleinCheval, false, 1},
        {F, "EC03", TipRule::Off, true, 2},
        {F, "PL37", TipRule::Off, false, 0},
        {A, "TP02", TipRule::Off, true, 0},
        {F, "PL17", static_cast<TipRule>(7), false, 35},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.code + " tip " + std::to_string(static_cast<int>(c.tip)));
        EXPECT_EQ(payoutFactor(c.table, *parseFieldCode(c.code), c.tip, c.withStake), c.payout);
    }
    // A plein of 10 units.
    const BetField plein{BetKind::Plein, 5};
    EXPECT_EQ(10 * payoutFactor(F, plein, TipRule::Off, false), 350);
    EXPECT_EQ(10 * payoutFactor(F, plein, TipRule::Plein, false), 340);
    EXPECT_EQ(10 * payoutFactor(F, plein, TipRule::Plein, true), 350);
}

TEST(BetCatalogue, TableSizesAndNumberTexts) {
    EXPECT_EQ(highestNumber(TableType::French), 36);
    EXPECT_EQ(pocketCount(TableType::French), 37);
    EXPECT_EQ(highestNumber(TableType::American), 37);
    EXPECT_EQ(pocketCount(TableType::American), 38);
    EXPECT_EQ(numberText(DoubleZero), "00");
    EXPECT_EQ(numberText(0), "0");
    EXPECT_EQ(numberText(36), "36");
}

TEST(BetCatalogue, TheFieldsCoveringANumberAreThoseThatCoverIt) {
    for (TableType table : {TableType::French, TableType::American}) {
        for (int number = -1; number <= DoubleZero + 1; ++number) {
            std::vector<BetField> expected;
            FieldBits expectedBits{};
            for (int k = 0; k < BetKindCount; ++k) {
                const auto kind = static_cast<BetKind>(k);
                for (int i = firstIndex(kind); i <= lastIndex(kind); ++i) {
                    if (fieldCovers(table, BetField{kind, i}, number)) {
                        expected.push_back(BetField{kind, i});
                        expectedBits[static_cast<std::size_t>(k)] |= std::uint64_t{1} << i;
                    }
                }
            }
            const std::span<const BetField> covering = fieldsCovering(table, number);
            EXPECT_EQ(std::vector<BetField>(covering.begin(), covering.end()), expected) << number;
            EXPECT_EQ(fieldBitsCovering(table, number), expectedBits) << number;
        }
    }
}

} // namespace
} // namespace quendra
