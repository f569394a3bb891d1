// The how-often table and graph windows: which counter every cell and point shows, the bold
// marks, the "-" cells of the American table, the sizes and places of the grids, the captions.
#include "statistics/HowOftenGraph.h"
#include "statistics/HowOftenTable.h"
#include "support/FixedTextMeasure.h"
#include "table/Table.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace quendra {
namespace {

using testing::FixedTextMeasure;

constexpr LayoutSize Button{75, 25};

HowOftenTable tableOf(const StatisticsStore& store, TableType table,
                      HowOftenView view = HowOftenView::GameHowOften,
                      Language language = Language::German,
                      const AnalysisBookkeeping& analysis = {}) {
    return howOftenTable(store, view, table, language, analysis, FixedTextMeasure{}, Button);
}

const FigureGrid& gridOf(const HowOftenTable& table, std::string_view name) {
    const FigureGrid* grid = table.grid(name);
    EXPECT_NE(grid, nullptr) << name;
    static const FigureGrid none;
    return grid != nullptr ? *grid : none;
}

std::vector<std::string> boldCells(const HowOftenTable& table) {
    std::vector<std::string> bold;
    for (const FigureGrid& grid : table.grids) {
        for (const FigureCell& cell : grid.cells) {
            if (cell.bold) {
                bold.push_back(grid.name + ":" + cell.label);
            }
        }
    }
    return bold;
}

TEST(HowOftenTable, WithNoCoupsNothingIsBoldAndEveryColumnIsAsWideAsOneHundred) {
    const StatisticsStore store;
    const HowOftenTable table = tableOf(store, TableType::French);
    EXPECT_TRUE(boldCells(table).empty());
    const int hundred = FixedTextMeasure{}.width("100");
    EXPECT_EQ(gridOf(table, "PleinT18").columnWidth, hundred + 5);
    EXPECT_EQ(gridOf(table, "ChevalT60").columnWidth, hundred + 5);
    EXPECT_EQ(gridOf(table, "KolI1").columnWidth, hundred + 9);
    EXPECT_EQ(gridOf(table, "DutzIII3").columnWidth, hundred + 9);
    EXPECT_EQ(gridOf(table, "EinFRot").columnWidth, FixedTextMeasure{}.width("EVEN") + 9);
    EXPECT_EQ(gridOf(table, "Gesamt1").cells[0].value, "0");
}

TEST(HowOftenTable, GridsOfEachTable) {
    const StatisticsStore store;
    const HowOftenTable french = tableOf(store, TableType::French);
    EXPECT_FALSE(gridOf(french, "Zero00").visible);
    EXPECT_EQ(gridOf(french, "TraplT16").cells.size(), 14u);
    EXPECT_EQ(gridOf(french, "ChevalT60").cells.size(), 20u);
    EXPECT_EQ(gridOf(french, "ChevalT60").cells.back().label, "60");
    EXPECT_EQ(gridOf(french, "TraplT16").cells[1].value, "0");
    EXPECT_EQ(gridOf(french, "ChevalT20").cells[2].value, "0");

    const HowOftenTable american = tableOf(store, TableType::American);
    EXPECT_TRUE(gridOf(american, "Zero00").visible);
    EXPECT_EQ(gridOf(american, "TraplT16").cells.size(), 16u);
    EXPECT_EQ(gridOf(american, "ChevalT40").cells.front().label, "22");
    EXPECT_EQ(gridOf(american, "ChevalT60").cells.back().label, "63");
    std::vector<std::string> dashes;
    for (const FigureGrid& grid : american.grids) {
        for (const FigureCell& cell : grid.cells) {
            if (cell.value == "-") {
                dashes.push_back(grid.name + ":" + cell.label);
            }
        }
    }
    EXPECT_EQ(dashes, (std::vector<std::string>{"TraplT16:2", "ChevalT20:3"}));

    EXPECT_EQ(gridOf(french, "EinFRot").mark, LabelMark::Red);
    EXPECT_EQ(gridOf(french, "EinFSch").mark, LabelMark::Black);
    EXPECT_EQ(gridOf(french, "EinFSch").cells[0].label, "");
    EXPECT_EQ(gridOf(french, "Zero00").cells[0].label, "Double Zero");
}

TEST(HowOftenTable, CellsShowTheirSlots) {
    StatisticsStore store;
    store.StatHowOften[17] = 4;
    store.StatHowOften[*counterSlot({BetKind::Carre, 13})] = 6;
    store.StatHowOften[*counterSlot({BetKind::Cheval, 22})] = 2;
    store.StatHowOften[*counterSlot({BetKind::EvenChance, Noir})] = 9;
    store.StatHowOften[*counterSlot({BetKind::Dozen, 3})] = 1;
    store.StatHowOften[TotalSlot] = 11;
    const HowOftenTable french = tableOf(store, TableType::French);
    EXPECT_EQ((gridOf(french, "PleinT18").cells[16]), (FigureCell{"17", "4", true}));
    EXPECT_EQ((gridOf(french, "CarreT23").cells[0]), (FigureCell{"13", "6", true}));
    EXPECT_EQ((gridOf(french, "ChevalT40").cells[1]), (FigureCell{"22", "2", true}));
    EXPECT_EQ((gridOf(french, "EinFSch").cells[0].value), "9");
    EXPECT_EQ((gridOf(french, "DutzIII3").cells[0]), (FigureCell{"D III", "1", true}));
    EXPECT_EQ((gridOf(french, "Gesamt1").cells[0]), (FigureCell{"Gesamt", "11", false}));
    // On the American table the second cheval grid starts at CH22.
    EXPECT_EQ((gridOf(tableOf(store, TableType::American), "ChevalT40").cells[0]),
              (FigureCell{"22", "2", true}));
}

TEST(HowOftenTable, BoldMarksEverySectionMaximumButNeverTheZerosTotalsOrEvenChances) {
    StatisticsStore store;
    auto& c = store.StatHowOften;
    c[0] = 9;                   // above every plein, but the zero is outside the plein maximum
    c[7] = 3;                   // the plein maximum ...
    c[30] = 3;                  // ... shared
    c[EvenChanceBase + 1] = 12; // even chances are never bold
    c[ColumnBase + 2] = 5;
    c[DozenBase + 1] = 2; // a dozen is bold by the dozens' maximum, not by the columns'
    c[TotalSlot] = 12;
    const HowOftenTable table = tableOf(store, TableType::French);
    EXPECT_EQ(table.maxima.plein, 3);
    EXPECT_EQ(boldCells(table),
              (std::vector<std::string>{"PleinT18:7", "PleinT36:30", "KolII2:K II", "DutzI1:D I"}));

    // On the American table the double zero takes part in the plein maximum, unmarked itself.
    c[DoubleZero] = 4;
    const HowOftenTable american = tableOf(store, TableType::American);
    EXPECT_EQ(american.maxima.plein, 4);
    EXPECT_EQ(boldCells(american), (std::vector<std::string>{"KolII2:K II", "DutzI1:D I"}));
    EXPECT_EQ(tableOf(store, TableType::French).maxima.plein, 3);
}

// Every number comes thirty times in turn: each field of the table wins at least once every 38
// coups, while the since-when-not counters of the fields the table lacks pass 1000.
class SinceNotOfMissingFields : public ::testing::TestWithParam<TableType> {
protected:
    SinceNotOfMissingFields() {
        const std::vector<PocketRecord> wheel = standardPocketTable(GetParam());
        for (int round = 0; round < Rounds; ++round) {
            for (const PocketRecord& pocket : wheel) {
                Stat_RecordCoup(store, pocket, true);
            }
        }
    }

    static constexpr int Rounds = 30;
    StatisticsStore store;
};

TEST_P(SinceNotOfMissingFields, NeitherTakeTheBoldMarkNorWidenTheColumns) {
    const HowOftenTable table = tableOf(store, GetParam(), HowOftenView::GameSinceNot);
    const int hundred = FixedTextMeasure{}.width("100") + 5;
    for (const char* name : {"TraplT16", "ChevalT20", "ChevalT40", "ChevalT60"}) {
        SCOPED_TRACE(name);
        EXPECT_EQ(gridOf(table, name).columnWidth, hundred);
    }
    EXPECT_LT(table.maxima.transversalePlein, 38);
    EXPECT_LT(table.maxima.cheval, 38);
    const std::vector<std::string> bold = boldCells(table);
    const auto boldIn = [&bold](const std::string& grid) {
        return std::count_if(bold.begin(), bold.end(), [&grid](const std::string& cell) {
            return cell.starts_with(grid + ":");
        });
    };
    EXPECT_GT(boldIn("TraplT16"), 0);
    EXPECT_GT(boldIn("ChevalT20") + boldIn("ChevalT40") + boldIn("ChevalT60"), 0);
}

TEST_P(SinceNotOfMissingFields, AreDrawnAtZeroInTheGraphs) {
    for (const int tag : {13, 15}) {
        SCOPED_TRACE(tag);
        const HowOftenGraph graph =
            howOftenGraph(store, *graphKindFromTag(tag), GetParam(), Language::German);
        EXPECT_LT(graph.valueMaximum, 38);
    }
    if (GetParam() == TableType::American) {
        EXPECT_EQ(store.StatSinceNot[TransversalePleinBase + 2], Rounds * 38);
        const HowOftenGraph transversales =
            howOftenGraph(store, *graphKindFromTag(15), GetParam(), Language::German);
        EXPECT_EQ(transversales.chart1.series.values[1], 0);
        const HowOftenGraph chevals =
            howOftenGraph(store, *graphKindFromTag(13), GetParam(), Language::German);
        EXPECT_EQ(chevals.chart1.series.values[2], 0);
    }
}

INSTANTIATE_TEST_SUITE_P(Tables, SinceNotOfMissingFields,
                         ::testing::Values(TableType::French, TableType::American),
                         [](const auto& info) {
                             return info.param == TableType::French ? "French" : "American";
                         });

TEST(HowOftenTable, LargeFiguresWidenTheirSectionAndColumnsShareWithDozens) {
    StatisticsStore store;
    store.StatHowOften[12] = 1234;
    store.StatHowOften[DozenBase + 2] = 25000;
    store.StatHowOften[ColumnBase + 1] = 150;
    const HowOftenTable table = tableOf(store, TableType::French);
    const FixedTextMeasure measure;
    EXPECT_EQ(gridOf(table, "PleinT36").columnWidth, measure.width("1234") + 5);
    EXPECT_EQ(gridOf(table, "CarreT12").columnWidth, measure.width("100") + 5);
    EXPECT_EQ(gridOf(table, "KolI1").columnWidth, measure.width("25000") + 9);
    EXPECT_EQ(gridOf(table, "DutzI1").columnWidth, measure.width("25000") + 9);
}

TEST(HowOftenTable, LayoutPlacesGridsOnSharedBordersAndGaps) {
    const StatisticsStore store;
    // With every character 7 wide and 15 high: numbered columns 26 wide, rows 17, grids 40 high.
    const HowOftenTable table = tableOf(store, TableType::French);
    struct Case {
        std::string_view grid;
        LayoutRect rect;
    };
    const Case cases[] = {
        {"PleinT18", {30, 30, 18 * 27 + 1, 40}},
        {"PleinT36", {30, 69, 487, 40}},  // directly below: the border line is shared
        {"CarreT12", {30, 139, 325, 40}}, // 30 below
        {"CarreT23", {30, 178, 298, 40}},
        {"TraSiT11", {30, 248, 298, 40}},
        {"TraplT16", {30, 318, 379, 40}}, // 14 cells on the French table
        {"ChevalT20", {30, 388, 541, 40}},
        {"ChevalT60", {30, 466, 541, 40}},
        {"Gesamt1", {537, 30, 48, 40}}, // 20 right of PleinT18, "Gesamt" + 4 wide
        {"Zero0", {584, 30, 48, 40}},
        {"Zero00", {631, 30, 83, 40}},   // sized by "Doppel Zero"
        {"EinF118", {375, 139, 39, 40}}, // 20 right of CarreT12
        {"EinF1836", {565, 139, 39, 40}},
        {"KolI1", {348, 248, 32, 40}},  // 20 right of TraSiT11
        {"DutzI1", {492, 248, 32, 40}}, // 50 right of KolIII3
        {"DutzIII3", {554, 248, 32, 40}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.grid);
        EXPECT_EQ(gridOf(table, c.grid).rect, c.rect);
        EXPECT_EQ(gridOf(table, c.grid).rowHeight, 17);
    }
    EXPECT_EQ(table.okButton.left, 30 + 541 + 30);
    EXPECT_EQ(table.okButton.top, 427);
    EXPECT_EQ(table.printButton.top, 466);
    EXPECT_EQ(table.printButton.text, "&Druck");
    ASSERT_EQ(table.headings.size(), 8u);
    EXPECT_EQ(table.headings[0].text, "Plein (PL01  -  PL36)");
    EXPECT_EQ(table.headings[0].top, 10);
    EXPECT_EQ(table.headings[4].name, "Chevalueber");
    EXPECT_EQ(table.headings[4].top, 368);
    // The hidden double-zero grid does not widen the French window; the OK button does.
    EXPECT_EQ(table.window, (LayoutSize{601 + Button.width + 40, 506 + 40}));
}

TEST(HowOftenTable, AmericanWindowReachesTheDoubleZeroGrid) {
    const StatisticsStore store;
    const HowOftenTable table = tableOf(store, TableType::American);
    EXPECT_EQ(gridOf(table, "ChevalT20").rect.width, 21 * 27 + 1);
    EXPECT_EQ(table.okButton.left, 628);
    EXPECT_EQ(gridOf(table, "Zero00").rect.right(), 714);
    EXPECT_EQ(table.window.width, 714 + 40);
    EXPECT_EQ(table.headings[3].text, "Transversale Plein (TP01  -  TP16)");
    EXPECT_EQ(table.headings[4].text, "Cheval (CH01  -  CH63)");
    const HowOftenTable english =
        tableOf(store, TableType::American, HowOftenView::GameHowOften, Language::English);
    EXPECT_EQ(english.headings[5].text, "Even Money Bets (EC01 - EC06)");
    EXPECT_EQ(english.headings[7].text, "Dozen (DZ01 - DZ03)");
    EXPECT_EQ(gridOf(english, "Gesamt1").cells[0].label, "Total");
    EXPECT_EQ(english.printButton.text, "&Print");
}

TEST(HowOftenTable, ViewsReadTheirCountersAndTheTotalIsTheCoupsCounted) {
    StatisticsStore store;
    store.StatHowOften[5] = 2;
    store.StatHowOften[TotalSlot] = 8;
    store.StatSinceNot.set(5, 6);
    store.StatSinceNot.set(TotalSlot, 8000);
    store.AnalysisHowOften[5] = 40;
    store.AnalysisHowOften[TotalSlot] = 700;
    struct Case {
        HowOftenView view;
        std::string plein5;
        std::string total;
    };
    const Case cases[] = {
        {HowOftenView::GameHowOften, "2", "8"},
        {HowOftenView::GameSinceNot, "6", "8"},
        {HowOftenView::AnalysisHowOften, "40", "700"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.view));
        const HowOftenTable table = tableOf(store, TableType::French, c.view);
        EXPECT_EQ(gridOf(table, "PleinT18").cells[4].value, c.plein5);
        EXPECT_EQ(gridOf(table, "Gesamt1").cells[0].value, c.total);
    }
}

TEST(HowOftenCaption, GameViewsAndTheAnalysedFiles) {
    AnalysisBookkeeping several;
    several.AnalysisFileCount = 3;
    several.FirstAnalysisFile = "JAN.INP";
    several.LastAnalysisFile = "MAR.INP";
    several.AnalysisInfo = "Spielbank";
    AnalysisBookkeeping withInfo;
    withInfo.AnalysisFileCount = 1;
    withInfo.AnalysisFile = "C:\\SYSIN\\JAN.INP";
    withInfo.AnalysisInfo = "Spielbank Hamburg, Tisch 3";
    AnalysisBookkeeping plain = withInfo;
    plain.AnalysisInfo.clear();
    struct Case {
        HowOftenView view;
        Language language;
        AnalysisBookkeeping analysis;
        std::string caption;
    };
    const Case cases[] = {
        {HowOftenView::GameHowOften, Language::German, several, "Wie oft? - Tabelle"},
        {HowOftenView::GameHowOften, Language::English, several, "How often? - Table"},
        {HowOftenView::GameSinceNot, Language::German, {}, "Seit wann nicht? - Tabelle"},
        {HowOftenView::GameSinceNot, Language::English, {}, "Since which time not? - Table"},
        {HowOftenView::AnalysisHowOften, Language::German, several,
         "Permanenzdatein: JAN.INP - MAR.INP - Wie oft? - Tabelle"},
        {HowOftenView::AnalysisHowOften, Language::English, several,
         "Permanencefiles: JAN.INP - MAR.INP - How often? - Table"},
        {HowOftenView::AnalysisHowOften, Language::German, withInfo,
         "Permanenzdatei-Info: Spielbank Hamburg, Tisch 3 - Wie oft? - Tabelle"},
        {HowOftenView::AnalysisHowOften, Language::English, withInfo,
         "Permanencefile-Info: Spielbank Hamburg, Tisch 3 - How often? - Table"},
        {HowOftenView::AnalysisHowOften, Language::German, plain,
         "Permanenzdatei: C:\\SYSIN\\JAN.INP - Wie oft? - Tabelle"},
        {HowOftenView::AnalysisHowOften, Language::English, plain,
         "Permanencefile: C:\\SYSIN\\JAN.INP - How often? - Table"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.caption);
        EXPECT_EQ(howOftenTableCaption(c.view, c.language, c.analysis), c.caption);
    }
}

TEST(HowOftenGraph, KindsFromMenuTags) {
    struct Case {
        int tag;
        bool valid;
        HowOftenView view;
        GraphSection section;
    };
    const Case cases[] = {
        {1, true, HowOftenView::GameHowOften, GraphSection::EvenChances},
        {5, true, HowOftenView::GameHowOften, GraphSection::Transversales},
        {13, true, HowOftenView::GameSinceNot, GraphSection::Cheval},
        {22, true, HowOftenView::AnalysisHowOften, GraphSection::Plein},
        {25, true, HowOftenView::AnalysisHowOften, GraphSection::Transversales},
        {0, false, {}, {}},
        {6, false, {}, {}},
        {10, false, {}, {}},
        {26, false, {}, {}},
        {31, false, {}, {}},
        {-1, false, {}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.tag);
        const std::optional<GraphKind> kind = graphKindFromTag(c.tag);
        ASSERT_EQ(kind.has_value(), c.valid);
        if (kind) {
            EXPECT_EQ(kind->view, c.view);
            EXPECT_EQ(kind->section, c.section);
        }
    }
}

TEST(HowOftenGraph, EvenChancesInOneChart) {
    StatisticsStore store;
    for (int i = 1; i <= 6; ++i) {
        store.StatSinceNot.set(EvenChanceBase + i, static_cast<std::uint16_t>(10 * i));
    }
    const HowOftenGraph german =
        howOftenGraph(store, *graphKindFromTag(11), TableType::French, Language::German);
    EXPECT_EQ(german.caption, "Einfache Chancen (EC01 - EC06) - Seit wann nicht? - Graphik");
    EXPECT_EQ(german.chart1.categoryTitle, "1-18 / EVEN / ROT / SCHWARZ / ODD / 19-36");
    EXPECT_EQ(german.chart1.valueTitle, "Cups");
    EXPECT_EQ(german.chart1.series.labels,
              (std::vector<std::string>{"1-18", "EVEN", "ROT", "SCHWARZ", "ODD", "19-36"}));
    EXPECT_EQ(german.chart1.series.values, (std::vector<double>{10, 20, 30, 40, 50, 60}));
    EXPECT_FALSE(german.chart2.has_value());
    EXPECT_EQ(german.valueMaximum, 60);

    const HowOftenGraph english =
        howOftenGraph(store, *graphKindFromTag(21), TableType::French, Language::English);
    EXPECT_EQ(english.caption, "Even Money Bets (EC01 - EC06) - How often? - graphic");
    EXPECT_EQ(english.chart1.categoryTitle, "1-18 / EVEN / RED / BLACK / ODD / 19-36");
    EXPECT_EQ(english.chart1.series.labels[3], "BLACK");
    EXPECT_EQ(english.valueMaximum, 1); // no analysis coups: the axis still reaches 1
}

TEST(HowOftenGraph, SectionsSplitIntoTwoChartsWithOneScale) {
    struct Case {
        int tag;
        TableType table;
        std::string caption;
        std::size_t points1;
        std::size_t points2;
        std::string lastLabel2;
        std::string title1;
        std::string title2;
    };
    const Case cases[] = {
        {2, TableType::French, "Plein - Wie oft? - Graphik", 19, 18, "36", "Pleins", ""},
        {22, TableType::American, "Plein - Wie oft? - Graphik", 19, 19, "00", "Pleins", ""},
        {13, TableType::French, "Cheval - Seit wann nicht? - Graphik", 30, 30, "60", "Chevals", ""},
        {3, TableType::American, "Cheval - Wie oft? - Graphik", 32, 31, "63", "Chevals", ""},
        {4, TableType::French, "Carres - Wie oft? - Graphik", 12, 11, "23", "Carres", ""},
        {5, TableType::French, "Transversale Plein/Simple - Wie oft? - Graphik", 14, 11, "11",
         "Transversale Pleins", "Transversale Simple"},
        {25, TableType::American, "Transversale Plein/Simple - Wie oft? - Graphik", 16, 11, "11",
         "Transversale Pleins", "Transversale Simple"},
    };
    StatisticsStore store;
    for (int slot = 0; slot < TotalSlot; ++slot) {
        store.StatHowOften[slot] = static_cast<std::uint16_t>(slot);
        store.StatSinceNot.set(slot, static_cast<std::uint16_t>(slot));
        store.AnalysisHowOften[slot] = static_cast<std::uint16_t>(slot);
    }
    for (const Case& c : cases) {
        SCOPED_TRACE(c.tag);
        const HowOftenGraph graph =
            howOftenGraph(store, *graphKindFromTag(c.tag), c.table, Language::German);
        EXPECT_EQ(graph.caption, c.caption);
        ASSERT_TRUE(graph.chart2.has_value());
        EXPECT_EQ(graph.chart1.series.values.size(), c.points1);
        EXPECT_EQ(graph.chart2->series.values.size(), c.points2);
        EXPECT_EQ(graph.chart2->series.labels.back(), c.lastLabel2);
        EXPECT_EQ(graph.chart1.categoryTitle, c.title1);
        EXPECT_EQ(graph.chart2->categoryTitle, c.title2);
        EXPECT_EQ(graph.chart2->valueTitle, "Cups");
        // Every slot holds its own number: the last point of the second chart is the largest.
        EXPECT_EQ(graph.valueMaximum, graph.chart2->series.values.back());
    }
}

TEST(HowOftenGraph, PointsShowTheirSlotsAndTheScaleTakesEitherChart) {
    StatisticsStore store;
    store.StatHowOften[0] = 3;
    store.StatHowOften[DoubleZero] = 7;
    store.StatHowOften[*counterSlot({BetKind::Cheval, 37})] = 9;
    const HowOftenGraph plein =
        howOftenGraph(store, *graphKindFromTag(2), TableType::American, Language::English);
    EXPECT_EQ(plein.chart1.series.labels.front(), "0");
    EXPECT_EQ(plein.chart1.series.values.front(), 3);
    EXPECT_EQ(plein.chart2->series.values.back(), 7);
    EXPECT_EQ(plein.valueMaximum, 7);
    EXPECT_EQ(plein.caption, "Plein - How often? - graphic");

    const HowOftenGraph cheval =
        howOftenGraph(store, *graphKindFromTag(3), TableType::French, Language::German);
    EXPECT_EQ(cheval.chart2->series.labels[6], "37"); // a cheval, not the double zero
    EXPECT_EQ(cheval.chart2->series.values[6], 9);
    EXPECT_EQ(cheval.valueMaximum, 9);
}

TEST(HowOftenGraph, WindowLayout) {
    const GraphWindowLayout even =
        graphWindowLayout(GraphSection::EvenChances, {600, 150}, {1024, 768});
    EXPECT_EQ(even.window, (LayoutSize{800, 200}));
    EXPECT_EQ(even.chart1, (LayoutRect{0, 40, 792, 120}));
    EXPECT_EQ(even.chart2, LayoutRect{});

    const GraphWindowLayout plein = graphWindowLayout(GraphSection::Plein, {900, 581}, {1024, 768});
    EXPECT_EQ(plein.window, (LayoutSize{900, 581}));
    EXPECT_EQ(plein.chart1, (LayoutRect{0, 50, 892, 250}));
    EXPECT_EQ(plein.chart2, (LayoutRect{0, 301, 892, 250}));

    const GraphWindowLayout clamped =
        graphWindowLayout(GraphSection::Carre, {2000, 100}, {1280, 1024});
    EXPECT_EQ(clamped.window, (LayoutSize{1280, 400}));
}

TEST(ChartStyle, ButtonsChooseShapeGridAndThreeD) {
    ChartStyle style;
    style.show();
    EXPECT_EQ(style.shape(), ChartStyle::Shape::Bar);
    EXPECT_EQ(style.chartType(), ChartType::Bar);
    EXPECT_FALSE(style.verticalEnabled());

    style.setVerticalGrid(true); // refused with bars
    EXPECT_EQ(style.grid(), 0);
    style.pressLine();
    style.setHorizontalGrid(true);
    style.setVerticalGrid(true);
    EXPECT_EQ(style.chartType(), ChartType::Line);
    EXPECT_EQ(style.grid(), 3);

    style.toggleThreeD();
    EXPECT_EQ(style.chartType(), ChartType::Line + ChartType::ThreeD);
    style.pressBar(); // keeps 3D, releases the vertical lines
    EXPECT_EQ(style.chartType(), ChartType::Bar + ChartType::ThreeD);
    EXPECT_EQ(style.grid(), 1);
    EXPECT_FALSE(style.verticalGrid());
    style.show(); // a shape is down: nothing changes
    style.pressSmoothedLine();
    style.toggleThreeD();
    EXPECT_EQ(style.chartType(), ChartType::SmoothedLine);
    EXPECT_TRUE(style.verticalEnabled());
}

TEST(ChartStyle, ATypeChosenInTheChartMovesTheShapeButtons) {
    ChartStyle style;
    style.show();
    style.chartTypeChanged(ChartType::Line + ChartType::ThreeD);
    EXPECT_EQ(style.shape(), ChartStyle::Shape::Line);
    EXPECT_EQ(style.chartType(), ChartType::Line + ChartType::ThreeD);
    EXPECT_TRUE(style.verticalEnabled());
    style.setVerticalGrid(true);
    style.chartTypeChanged(ChartType::Bar);
    EXPECT_EQ(style.shape(), ChartStyle::Shape::Bar);
    EXPECT_EQ(style.chartType(), ChartType::Bar);
    EXPECT_FALSE(style.verticalGrid());
}

} // namespace
} // namespace quendra
