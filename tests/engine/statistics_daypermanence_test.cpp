// The day permanence: rows per block from the window height, block count, the cells of every
// kind of entry, headings that count coups only, block places, entries shown and captions.
#include "statistics/DayPermanence.h"

#include <gtest/gtest.h>
#include <vector>

namespace quendra {
namespace {

constexpr std::uint8_t Sep = DaySeparatorCode;

TEST(DayPermanenceLayout, RowsPerBlockFromTheWindowHeight) {
    struct Case {
        int entries;
        int fontSize;
        LayoutSize window;
        int windowHeight;
        int rows;
        int blocks;
        bool scrollBar;
    };
    const Case cases[] = {
        // Row height 18: (500 − 56 − 70) div 18 = 20 rows.
        {0, 8, {800, 500}, 500, 20, 1, false},
        {20, 8, {800, 500}, 500, 20, 1, false},
        {21, 8, {800, 500}, 500, 20, 2, false},
        // A low window grows to 56 + 5 rows + 50 = 196 and holds 3 rows.
        {10, 8, {800, 100}, 196, 3, 4, false}, // 3R + 1 entries: four blocks
        {9, 8, {800, 100}, 196, 3, 3, false},
        // 840 div 84 = 10 blocks fit the width.
        {200, 8, {840, 500}, 500, 20, 10, false},
        {201, 8, {840, 500}, 500, 20, 11, true},
        {32000, 10, {1024, 768}, 768, 32, 1000, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.entries);
        const DayPermanenceLayout layout = dayPermanenceLayout(c.entries, c.fontSize, c.window);
        EXPECT_EQ(layout.rowHeight, c.fontSize + 10);
        EXPECT_EQ(layout.windowHeight, c.windowHeight);
        EXPECT_EQ(layout.rowsPerBlock, c.rows);
        EXPECT_EQ(layout.blocks, c.blocks);
        EXPECT_EQ(layout.scrollBar, c.scrollBar);
    }
}

TEST(DayPermanenceBlocks, ThreeRPlusOneEntriesMakeFourBlocksTheLastWithOneRow) {
    const std::vector<std::uint8_t> entries{1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
    const DayPermanenceLayout layout = dayPermanenceLayout(10, 8, {800, 100});
    const std::vector<DayPermanenceBlock> blocks = dayPermanenceBlocks(entries, layout);
    ASSERT_EQ(blocks.size(), 4u);
    EXPECT_EQ(blocks[0].rows.size(), 3u);
    EXPECT_EQ(blocks[3].rows.size(), 1u);
    EXPECT_EQ(blocks[3].rows[0], (DayPermanenceRow{"10", "", false}));
    EXPECT_EQ(blocks[3].heading, "10 - 10");
}

TEST(DayPermanenceBlocks, CellsOfEveryEntryAndHeadingsCountingCoupsOnly) {
    // 5 red, 7 black, a separator | zero, double zero, 12 red | two separators, 30 red | two
    // separators, nothing else.
    const std::vector<std::uint8_t> entries{5, 57, Sep, 0, DoubleZero, 12, Sep, Sep, 30, Sep, Sep};
    const DayPermanenceLayout layout = dayPermanenceLayout(11, 8, {800, 100});
    ASSERT_EQ(layout.rowsPerBlock, 3);
    const std::vector<DayPermanenceBlock> blocks = dayPermanenceBlocks(entries, layout);
    ASSERT_EQ(blocks.size(), 4u);
    EXPECT_EQ(blocks[0].rows, (std::vector<DayPermanenceRow>{
                                  {"5", "", false}, {"", "7", false}, {"--", "--", false}}));
    EXPECT_EQ(blocks[1].rows, (std::vector<DayPermanenceRow>{
                                  {"0", "0", true}, {"00", "00", true}, {"12", "", false}}));
    const std::vector<std::string> headings{blocks[0].heading, blocks[1].heading, blocks[2].heading,
                                            blocks[3].heading};
    EXPECT_EQ(headings, (std::vector<std::string>{"1 - 2", "3 - 5", "6 - 6", ""}));
}

TEST(DayPermanenceBlocks, WithNoEntriesOneEmptyBlock) {
    const DayPermanenceLayout layout = dayPermanenceLayout(0, 8, {800, 500});
    const std::vector<DayPermanenceBlock> blocks = dayPermanenceBlocks({}, layout);
    ASSERT_EQ(blocks.size(), 1u);
    EXPECT_TRUE(blocks[0].rows.empty());
    EXPECT_EQ(blocks[0].heading, "");
}

TEST(DayPermanenceBlocks, EveryBlockIsBlockOneMovedRight) {
    const std::vector<std::uint8_t> entries(45, 1);
    const DayPermanenceLayout layout = dayPermanenceLayout(45, 8, {800, 500});
    const std::vector<DayPermanenceBlock> blocks = dayPermanenceBlocks(entries, layout);
    ASSERT_EQ(blocks.size(), 3u);
    const int columnHeight = 19 * 20;
    EXPECT_EQ(blocks[0].redHeader, (LayoutRect{20, 32, 32, 24}));
    EXPECT_EQ(blocks[0].blackHeader, (LayoutRect{52, 32, 32, 24}));
    EXPECT_EQ(blocks[0].redColumn, (LayoutRect{20, 56, 32, columnHeight}));
    EXPECT_EQ(blocks[0].blackColumn, (LayoutRect{52, 56, 32, columnHeight}));
    EXPECT_EQ(blocks[0].headingLabel, (LayoutRect{16, 8, 57, 13}));
    EXPECT_EQ(blocks[2].redColumn, (LayoutRect{180, 56, 32, columnHeight}));
    EXPECT_EQ(blocks[2].headingLabel, (LayoutRect{176, 8, 57, 13}));
    EXPECT_EQ(blocks[2].heading, "41 - 45");
}

TEST(DayPermanenceEntries, GameCoupsWithLoadFileSeparatorsOrTheWholeAnalysis) {
    StatisticsStore store;
    for (std::uint8_t code : {std::uint8_t{3}, Sep, std::uint8_t{60}, std::uint8_t{8}}) {
        Permanenz_Append(store, code);
    }
    store.YearCups = 3;
    EXPECT_EQ(dayPermanenceEntries(store, StatisticsSource::Game, 1).size(), 4u);
    EXPECT_EQ(dayPermanenceEntries(store, StatisticsSource::Game, 0).size(), 3u);
    // Never beyond what the history holds.
    store.YearCups = 40000;
    EXPECT_EQ(dayPermanenceEntries(store, StatisticsSource::Game, 7).size(), 4u);

    for (std::uint8_t code : {std::uint8_t{1}, Sep}) {
        Analysis_Append(store, code);
    }
    EXPECT_EQ(dayPermanenceEntries(store, StatisticsSource::Analysis, 7).size(), 2u);
}

TEST(DayPermanenceCaption, StartTimeOrTheAnalysedFiles) {
    using namespace std::chrono;
    const system_clock::time_point start =
        sys_days{year{2025} / March / 5} + hours{9} + minutes{7} + seconds{42};
    EXPECT_EQ(dayPermanenceCaption(StatisticsSource::Game, Language::German, {}, start),
              "Tagespermanenz vom Mittwoch, 5 März 2025 , 09:07");
    EXPECT_EQ(dayPermanenceCaption(StatisticsSource::Game, Language::English, {}, start),
              "Day permanence from Wednesday, 5 March 2025 , 09:07");
    const system_clock::time_point evening = sys_days{year{2024} / December / 29} + hours{23};
    EXPECT_EQ(dayPermanenceCaption(StatisticsSource::Game, Language::German, {}, evening),
              "Tagespermanenz vom Sonntag, 29 Dezember 2024 , 23:00");

    AnalysisBookkeeping analysis;
    analysis.AnalysisFileCount = 2;
    analysis.FirstAnalysisFile = "A.INP";
    analysis.LastAnalysisFile = "C.INP";
    struct Case {
        int files;
        std::string info;
        Language language;
        std::string caption;
    };
    const Case cases[] = {
        {2, "", Language::English, "Permanence files: A.INP - C.INP"},
        {2, "", Language::German, "Permanenzdatein: A.INP - C.INP"},
        {1, "Tisch 4", Language::English, "Permanence file info: Tisch 4"},
        {1, "", Language::English, "Permanence file: SYSIN/C.INP"},
        {1, "", Language::German, "Permanenzdatei: SYSIN/C.INP"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.caption);
        analysis.AnalysisFileCount = c.files;
        analysis.AnalysisInfo = c.info;
        analysis.AnalysisFile = "SYSIN/C.INP";
        EXPECT_EQ(dayPermanenceCaption(StatisticsSource::Analysis, c.language, analysis, start),
                  c.caption);
    }
}

} // namespace
} // namespace quendra
