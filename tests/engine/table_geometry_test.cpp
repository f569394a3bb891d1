// The board picture's geometry: the field under a point band by band, the anchors, the chip
// shape and the win indicator.
#include "table/BoardGeometry.h"

#include <gtest/gtest.h>
#include <string>

namespace quendra {
namespace {

constexpr auto French = TableType::French;
constexpr auto American = TableType::American;

std::string codeAt(TableType table, int x, int y) {
    const auto field = FieldAtPoint(table, {x, y});
    return field ? fieldCode(*field) : "none";
}

BetField field(std::string_view code) {
    return parseFieldCode(code).value();
}

TEST(BoardGeometry, PointsOnTheBandEdgesHitTheirFields) {
    struct Case {
        TableType table;
        int x;
        int y;
        const char* code;
    };
    const Case cases[] = {
        // the grid: numbers, splits across lines and rows, corners, the outer edge
        {French, 70, 94, "PL01"},
        {French, 107, 94, "CH37"},
        {French, 107, 114, "CA02"},
        {French, 244, 94, "TP03"},
        {French, 244, 114, "TS01"},
        {French, 40, 82, "PL01"},
        {French, 99, 106, "PL01"},
        {French, 100, 82, "CH37"},
        {French, 114, 121, "CA02"},
        {French, 115, 107, "CH05"},
        {French, 182, 146, "CH40"},
        {French, 235, 550, "PL36"},
        {French, 236, 550, "TP14"},
        {French, 252, 525, "TS11"},
        {French, 73, 243, "CH13"}, // the taller line below row 4
        {French, 73, 244, "PL13"},
        {French, 175, 405, "CA17"}, // the taller line below row 8
        {French, 141, 551, "none"}, // below row 12, still inside the grid
        // the zero line
        {French, 40, 67, "CH01"},
        {French, 141, 75, "CH02"},
        {American, 141, 75, "TP15"},
        {American, 133, 81, "CH02"},
        {American, 149, 67, "CH62"},
        {French, 209, 75, "CH03"},
        {American, 209, 75, "CH63"},
        {French, 107, 75, "TP01"},
        {French, 175, 75, "TP02"},
        {American, 175, 75, "TP16"},
        {French, 252, 67, "CA01"},
        {American, 244, 81, "CA01"},
        // the zero fields
        {French, 141, 55, "PL00"},
        {American, 141, 55, "CH61"},
        {French, 40, 66, "PL00"},
        {French, 40, 57, "none"},
        {French, 96, 35, "PL00"},
        {French, 95, 35, "none"},
        {French, 141, 34, "none"},
        {American, 85, 34, "PL00"},
        {American, 96, 35, "none"},
        {American, 197, 34, "PL37"},
        {American, 242, 66, "PL37"},
        {American, 141, 46, "none"},
        {American, 148, 47, "CH61"},
        // the top edge of the picture
        {French, 141, 33, "none"},
        {French, 141, 10, "none"},
        // dozens and even chances, with the gaps between them
        {French, 253, 81, "DZ01"},
        {French, 305, 227, "DZ01"},
        {French, 278, 235, "none"},
        {French, 305, 243, "DZ02"},
        {French, 306, 100, "none"},
        {French, 312, 100, "none"},
        {French, 278, 551, "DZ03"},
        {French, 319, 81, "EC01"},
        {French, 372, 551, "EC06"},
        {French, 318, 100, "none"},
        {French, 345, 150, "none"},
        {French, 345, 323, "EC04"},
        {French, 345, 480, "none"},
        {French, 345, 484, "EC06"},
        {French, 379, 100, "none"},
        // the columns
        {French, 40, 559, "KL01"},
        {French, 107, 570, "none"},
        {French, 108, 587, "KL02"},
        {American, 242, 587, "KL03"},
        {French, 141, 558, "none"},
        {French, 141, 588, "none"},
        // the margins
        {French, 39, 94, "none"},
        {French, 400, 300, "none"},
        {French, -5, -5, "none"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.x) + "," + std::to_string(c.y));
        EXPECT_EQ(codeAt(c.table, c.x, c.y), c.code);
    }
}

TEST(BoardGeometry, AnchorsLieWhereTheBoardDrawsThem) {
    struct Case {
        TableType table;
        const char* code;
        int player;
        BoardPoint anchor;
    };
    const Case cases[] = {
        {French, "PL00", 1, {141, 54}},   {American, "PL00", 1, {91, 54}},
        {American, "PL37", 1, {191, 54}}, {French, "PL17", 3, {141, 296}},
        {French, "CH02", 1, {141, 74}},   {American, "CH02", 1, {124, 74}},
        {French, "CH36", 1, {209, 518}},  {French, "CH60", 1, {175, 538}},
        {American, "CH61", 1, {141, 60}}, {American, "CH62", 1, {158, 74}},
        {French, "TP14", 1, {244, 538}},  {American, "TP15", 1, {141, 74}},
        {French, "TS11", 1, {244, 518}},  {French, "CA01", 1, {244, 74}},
        {French, "CA23", 1, {175, 518}},  {French, "KL02", 1, {141, 573}},
        {French, "DZ01", 1, {278, 90}},   {French, "DZ02", 3, {278, 361}},
        {French, "DZ03", 4, {278, 543}},  {French, "EC01", 1, {324, 95}},
        {French, "EC04", 2, {366, 337}},  {French, "EC06", 3, {324, 536}},
        {French, "EC06", 4, {366, 536}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.code);
        EXPECT_EQ(fieldAnchor(c.table, field(c.code), c.player), c.anchor);
    }
}

// Chips are drawn at the anchors and bet lists name fields by the point 7 above them: both must
// hit the field itself, for every field, player and table.
TEST(BoardGeometry, EveryAnchorAndBetListPointHitsItsOwnField) {
    for (TableType table : {French, American}) {
        for (int k = 0; k < BetKindCount; ++k) {
            const auto kind = static_cast<BetKind>(k);
            for (int index = firstIndex(kind); index <= lastIndex(kind); ++index) {
                const BetField f{kind, index};
                if (!fieldPresent(table, f)) {
                    continue;
                }
                for (int player = 1; player <= 4; ++player) {
                    SCOPED_TRACE(fieldCode(f) + (table == French ? " French " : " American ") +
                                 std::to_string(player));
                    EXPECT_EQ(FieldAtPoint(table, fieldAnchor(table, f, player)), f);
                    EXPECT_EQ(FieldAtPoint(table, betListPoint(table, f, player)), f);
                }
            }
        }
    }
}

TEST(BoardGeometry, AFieldTheTableLacksHasNoAnchorOnTheBoard) {
    EXPECT_EQ(fieldAnchor(French, field("PL37"), 1), (BoardPoint{0, 0}));
    EXPECT_EQ(fieldAnchor(American, field("TP02"), 1), (BoardPoint{0, 0}));
    EXPECT_FALSE(FieldAtPoint(French, {0, 0}));
}

TEST(BoardGeometry, PrisonChipsSitBesideTheEvenChancesOffEveryField) {
    EXPECT_EQ(prisonAnchor(PrisonKind::First, 1, 1), (BoardPoint{311, 90}));
    EXPECT_EQ(prisonAnchor(PrisonKind::First, 1, 4), (BoardPoint{311, 138}));
    EXPECT_EQ(prisonAnchor(PrisonKind::Second, 2, 4), (BoardPoint{379, 218}));
    EXPECT_EQ(prisonAnchor(PrisonKind::Second, 3, 1), (BoardPoint{379, 252}));
    EXPECT_EQ(prisonAnchor(PrisonKind::First, 6, 4), (BoardPoint{311, 541}));
    for (PrisonKind kind : {PrisonKind::First, PrisonKind::Second}) {
        for (int chance = 1; chance <= 6; ++chance) {
            for (int player = 1; player <= 4; ++player) {
                EXPECT_FALSE(FieldAtPoint(French, prisonAnchor(kind, chance, player)));
            }
        }
    }
}

TEST(BoardGeometry, ChipIsACircleBelow100AndARectangleShowingTheValueFrom100) {
    const BoardPoint anchor{141, 296};
    EXPECT_EQ(chipShape(anchor, 99, 30), (ChipShape{false, 131, 297, 22, 22}));
    EXPECT_EQ(chipShape(anchor, 100, 21), (ChipShape{true, 128, 299, 31, 20}));
    EXPECT_EQ(chipShape(anchor, 25000, 35), (ChipShape{true, 128, 299, 45, 20}));
}

TEST(BoardGeometry, WinIndicatorStandsOverTheWinningPlein) {
    EXPECT_EQ(winIndicatorPosition(French, 17), (WindowPoint{141, 292}));
    EXPECT_EQ(winIndicatorPosition(French, 0), (WindowPoint{141, 50}));
    EXPECT_EQ(winIndicatorPosition(American, 0), (WindowPoint{91, 50}));
    EXPECT_EQ(winIndicatorPosition(American, DoubleZero), (WindowPoint{191, 50}));
    EXPECT_EQ(winIndicatorPosition(French, DoubleZero), WinIndicatorRest);
    EXPECT_EQ(winIndicatorPosition(French, -1), WinIndicatorRest);
}

} // namespace
} // namespace quendra
