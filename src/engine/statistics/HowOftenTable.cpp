// The how-often table window: grid contents from the view's counters, then the layout, which
// sizes every column by its section's highest figure so that no figure is cut off.
#include "statistics/HowOftenTable.h"

#include <algorithm>
#include <array>

namespace quendra {
namespace {

// The grids in the order the layout places them.
enum GridId : std::size_t {
    PleinT18,
    PleinT36,
    CarreT12,
    CarreT23,
    TraSiT11,
    TraplT16,
    ChevalT20,
    ChevalT40,
    ChevalT60,
    Gesamt1,
    Zero0,
    Zero00,
    KolI1,
    KolII2,
    KolIII3,
    DutzI1,
    DutzII2,
    DutzIII3,
    EinF118,
    EinFGer,
    EinFRot,
    EinFSch,
    EinFUng,
    EinF1836,
    GridCount
};

// A grid of numbered cells: cell i is labelled firstLabel + i and shows slot firstSlot + i.
struct NumberedGrid {
    std::string_view name;
    int tag;
    BetKind kind;
    int firstLabel;
    int firstSlot;
    int cells;
};

// What a single-cell grid shows, which decides its bold rule and the text that sizes it.
enum class SingleKind : std::uint8_t { Total, Zero, DoubleZero, Column, Dozen, EvenChance };

// A grid of one cell with a fixed label.
struct SingleGrid {
    std::string_view name;
    int tag;
    SingleKind kind;
    int slot;
    BilingualText label;
    LabelMark mark = LabelMark::None;
};

constexpr BilingualText DoubleZeroSizingText{"Doppel Zero", "Double Zero"};
constexpr std::string_view EvenChanceSizingText = "EVEN";

constexpr std::array<SingleGrid, 15> SingleGrids{{
    {"Gesamt1", 1, SingleKind::Total, TotalSlot, TotalWord},
    {"Zero0", 0, SingleKind::Zero, 0, {"Zero", "Zero"}},
    {"Zero00", 2, SingleKind::DoubleZero, DoubleZero, {"Double Zero", "Double Zero"}},
    {"KolI1", 5, SingleKind::Column, ColumnBase + 1, {"K I", "K I"}},
    {"KolII2", 6, SingleKind::Column, ColumnBase + 2, {"K II", "K II"}},
    {"KolIII3", 7, SingleKind::Column, ColumnBase + 3, {"K III", "K III"}},
    {"DutzI1", 8, SingleKind::Dozen, DozenBase + 1, {"D I", "D I"}},
    {"DutzII2", 9, SingleKind::Dozen, DozenBase + 2, {"D II", "D II"}},
    {"DutzIII3", 10, SingleKind::Dozen, DozenBase + 3, {"D III", "D III"}},
    {"EinF118", 54, SingleKind::EvenChance, EvenChanceBase + Manque, {"1-18", "1-18"}},
    {"EinFGer", 53, SingleKind::EvenChance, EvenChanceBase + Pair, {"EVEN", "EVEN"}},
    {"EinFRot", 50, SingleKind::EvenChance, EvenChanceBase + Rouge, {"", ""}, LabelMark::Red},
    {"EinFSch", 51, SingleKind::EvenChance, EvenChanceBase + Noir, {"", ""}, LabelMark::Black},
    {"EinFUng", 52, SingleKind::EvenChance, EvenChanceBase + Impair, {"ODD", "ODD"}},
    {"EinF1836", 55, SingleKind::EvenChance, EvenChanceBase + Passe, {"19-36", "19-36"}},
}};
static_assert(Gesamt1 + SingleGrids.size() == GridCount, "single grids follow the numbered ones");

// The numbered grids: the American table has two more transversales pleines and three more
// chevaux, so its cheval grids hold 21 cells each.
std::array<NumberedGrid, 9> numberedGrids(TableType table) {
    const bool french = table == TableType::French;
    const int chevalCells = french ? 20 : 21;
    return {{
        {"PleinT18", 18, BetKind::Plein, 1, 1, 18},
        {"PleinT36", 36, BetKind::Plein, 19, 19, 18},
        {"CarreT12", 12, BetKind::Carre, 1, CarreBase + 1, 12},
        {"CarreT23", 24, BetKind::Carre, 13, CarreBase + 13, 11},
        {"TraSiT11", 11, BetKind::TransversaleSimple, 1, TransversaleSimpleBase + 1, 11},
        {"TraplT16", 16, BetKind::TransversalePlein, 1, TransversalePleinBase + 1,
         french ? 14 : 16},
        {"ChevalT20", 20, BetKind::Cheval, 1, ChevalBase + 1, chevalCells},
        {"ChevalT40", 40, BetKind::Cheval, chevalCells + 1, ChevalBase + chevalCells + 1,
         chevalCells},
        {"ChevalT60", 60, BetKind::Cheval, 2 * chevalCells + 1, ChevalBase + 2 * chevalCells + 1,
         chevalCells},
    }};
}

// The maximum that marks a numbered grid's figures bold.
std::uint16_t sectionMaximum(const SectionMaxima& maxima, BetKind kind) {
    switch (kind) {
    case BetKind::Carre:
        return maxima.carre;
    case BetKind::TransversaleSimple:
        return maxima.transversaleSimple;
    case BetKind::TransversalePlein:
        return maxima.transversalePlein;
    case BetKind::Cheval:
        return maxima.cheval;
    case BetKind::Column:
        return maxima.column;
    case BetKind::Dozen:
        return maxima.dozen;
    case BetKind::Plein:
    case BetKind::EvenChance:
        break;
    }
    return maxima.plein;
}

std::uint16_t largest(const CounterArray& counters, int firstSlot, int lastSlot) {
    return *std::max_element(counters.begin() + firstSlot, counters.begin() + lastSlot + 1);
}

// The largest counter among the section's fields that exist on the table. The since-when-not
// counters of the fields a table lacks grow with every coup; they are never shown, so they must
// neither take the bold mark from the real fields nor widen the columns.
std::uint16_t largestPresent(const CounterArray& counters, TableType table, BetKind kind, int base,
                             int fields) {
    std::uint16_t maximum = 0;
    for (int index = 1; index <= fields; ++index) {
        if (fieldPresent(table, {kind, index})) {
            maximum = std::max(maximum, counters[static_cast<std::size_t>(base + index)]);
        }
    }
    return maximum;
}

// Values of 100 and more widen their section's columns; smaller ones keep the width of "100".
std::string sizingText(std::uint16_t maximum) {
    return maximum < 100 ? "100" : std::to_string(maximum);
}

struct GridContent {
    FigureGrid grid;
    std::string sizing; // the text that sizes the grid's columns
    int widthExtra = 0; // added to the sizing text's width
};

GridContent numberedGrid(const NumberedGrid& design, const CounterArray& counters,
                         const SectionMaxima& maxima, TableType table) {
    GridContent content;
    content.grid.name = design.name;
    content.grid.tag = design.tag;
    const std::uint16_t maximum = sectionMaximum(maxima, design.kind);
    for (int i = 0; i < design.cells; ++i) {
        const int label = design.firstLabel + i;
        const std::uint16_t value = counters[static_cast<std::size_t>(design.firstSlot + i)];
        if (!fieldPresent(table, {design.kind, label})) {
            content.grid.cells.push_back({std::to_string(label), "-", false});
            continue;
        }
        content.grid.cells.push_back(
            {std::to_string(label), std::to_string(value), maximum != 0 && value == maximum});
    }
    content.sizing = sizingText(maximum);
    content.widthExtra = 5;
    return content;
}

// Columns and dozens share one sizing text, the larger of their two maxima, but each is bold by
// its own maximum.
GridContent singleGrid(const SingleGrid& design, std::uint16_t value, const SectionMaxima& maxima,
                       Language language) {
    GridContent content;
    content.grid.name = design.name;
    content.grid.tag = design.tag;
    content.grid.mark = design.mark;
    std::uint16_t boldMaximum = 0;
    switch (design.kind) {
    case SingleKind::Column:
    case SingleKind::Dozen:
        boldMaximum = design.kind == SingleKind::Column ? maxima.column : maxima.dozen;
        content.sizing = sizingText(std::max(maxima.column, maxima.dozen));
        content.widthExtra = 9;
        break;
    case SingleKind::EvenChance:
        content.sizing = EvenChanceSizingText;
        content.widthExtra = 9;
        break;
    case SingleKind::DoubleZero:
        content.sizing = DoubleZeroSizingText[language];
        content.widthExtra = 4;
        break;
    case SingleKind::Total:
    case SingleKind::Zero:
        content.sizing = TotalWord[language];
        content.widthExtra = 4;
        break;
    }
    const bool bold = boldMaximum != 0 && value == boldMaximum;
    content.grid.cells.push_back(
        {std::string(design.label[language]), std::to_string(value), bold});
    return content;
}

void sizeGrid(GridContent& content, const TextMeasure& measure) {
    FigureGrid& grid = content.grid;
    grid.columnWidth = measure.width(content.sizing) + content.widthExtra;
    grid.rowHeight = measure.height(content.sizing) + 2;
    grid.rect.width = figureGridWidth(grid);
    grid.rect.height = 2 * grid.rowHeight + 6;
}

LayoutSize sizeOf(const FigureGrid& grid) {
    return {grid.rect.width, grid.rect.height};
}

constexpr int SectionGap = 30;
constexpr int SideGap = 20;
constexpr int DozenGap = 50;
constexpr int HeadingRise = 20;
constexpr int WindowMargin = 40;

void placeGrids(std::vector<FigureGrid>& grids) {
    auto below = [&](GridId grid, GridId upper, int gap) {
        grids[grid].rect = placedBelow(grids[upper].rect, sizeOf(grids[grid]), gap);
    };
    auto directlyBelow = [&](GridId grid, GridId upper) {
        grids[grid].rect = placedDirectlyBelow(grids[upper].rect, sizeOf(grids[grid]));
    };
    auto rightOf = [&](GridId grid, GridId left, int gap) {
        grids[grid].rect = placedRightOf(grids[left].rect, sizeOf(grids[grid]), gap);
    };
    auto directlyRightOf = [&](GridId grid, GridId left) {
        grids[grid].rect = placedDirectlyRightOf(grids[left].rect, sizeOf(grids[grid]));
    };

    grids[PleinT18].rect = {SectionGap, SectionGap, grids[PleinT18].rect.width,
                            grids[PleinT18].rect.height};
    directlyBelow(PleinT36, PleinT18);
    below(CarreT12, PleinT36, SectionGap);
    directlyBelow(CarreT23, CarreT12);
    below(TraSiT11, CarreT23, SectionGap);
    below(TraplT16, TraSiT11, SectionGap);
    below(ChevalT20, TraplT16, SectionGap);
    directlyBelow(ChevalT40, ChevalT20);
    directlyBelow(ChevalT60, ChevalT40);

    rightOf(Gesamt1, PleinT18, SideGap);
    directlyRightOf(Zero0, Gesamt1);
    directlyRightOf(Zero00, Zero0);

    rightOf(EinF118, CarreT12, SideGap);
    for (std::size_t id = EinFGer; id <= EinF1836; ++id) {
        directlyRightOf(static_cast<GridId>(id), static_cast<GridId>(id - 1));
    }
    rightOf(KolI1, TraSiT11, SideGap);
    directlyRightOf(KolII2, KolI1);
    directlyRightOf(KolIII3, KolII2);
    rightOf(DutzI1, KolIII3, DozenGap);
    directlyRightOf(DutzII2, DutzI1);
    directlyRightOf(DutzIII3, DutzII2);
}

struct Heading {
    std::string_view name;
    GridId grid;
    BilingualText french;
    BilingualText american;
};

constexpr std::array<Heading, 8> Headings{{
    {"Pleinueber",
     PleinT18,
     {"Plein (PL01  -  PL36)", "Plein (PL01  -  PL36)"},
     {"Plein (PL01  -  PL36)", "Plein (PL01  -  PL36)"}},
    {"Carreueber",
     CarreT12,
     {"Carre (CA01  -  CA23)", "Carre (CA01  -  CA23)"},
     {"Carre (CA01  -  CA23)", "Carre (CA01  -  CA23)"}},
    {"TraSiueber",
     TraSiT11,
     {"Transversale Simple (TS01  -  TS11)", "Transversale Simple (TS01  -  TS11)"},
     {"Transversale Simple (TS01  -  TS11)", "Transversale Simple (TS01  -  TS11)"}},
    {"TraPlueber",
     TraplT16,
     {"Transversale Plein (TP01  -  TP14)", "Transversale Plein (TP01  -  TP14)"},
     {"Transversale Plein (TP01  -  TP16)", "Transversale Plein (TP01  -  TP16)"}},
    {"Chevalueber",
     ChevalT20,
     {"Cheval (CH01  -  CH60)", "Cheval (CH01  -  CH60)"},
     {"Cheval (CH01  -  CH63)", "Cheval (CH01  -  CH63)"}},
    {"EinfChueber",
     EinF118,
     {"Einfache Chancen (EC01 - EC06)", "Even Money Bets (EC01 - EC06)"},
     {"Einfache Chancen (EC01 - EC06)", "Even Money Bets (EC01 - EC06)"}},
    {"Kolonnueber",
     KolI1,
     {"Kolonne (KL01 - KL03)", "Column (KL01 - KL03)"},
     {"Kolonne (KL01 - KL03)", "Column (KL01 - KL03)"}},
    {"Dutzenueber",
     DutzI1,
     {"Dutzend (DZ01 - DZ03)", "Dozen (DZ01 - DZ03)"},
     {"Dutzend (DZ01 - DZ03)", "Dozen (DZ01 - DZ03)"}},
}};

constexpr BilingualText HowOftenTableWords{"Wie oft? - Tabelle", "How often? - Table"};
constexpr BilingualText SinceNotTableWords{"Seit wann nicht? - Tabelle",
                                           "Since which time not? - Table"};

} // namespace

CounterArray viewCounters(const StatisticsStore& store, HowOftenView view) {
    switch (view) {
    case HowOftenView::GameSinceNot:
        return store.StatSinceNot.counts();
    case HowOftenView::AnalysisHowOften:
        return store.AnalysisHowOften;
    case HowOftenView::GameHowOften:
        break;
    }
    return store.StatHowOften;
}

SectionMaxima sectionMaxima(const CounterArray& counters, TableType table) {
    SectionMaxima maxima;
    maxima.plein = largest(counters, 1, highestNumber(table));
    maxima.carre = largestPresent(counters, table, BetKind::Carre, CarreBase, 23);
    maxima.transversaleSimple =
        largestPresent(counters, table, BetKind::TransversaleSimple, TransversaleSimpleBase, 11);
    maxima.transversalePlein =
        largestPresent(counters, table, BetKind::TransversalePlein, TransversalePleinBase, 16);
    maxima.cheval = largestPresent(counters, table, BetKind::Cheval, ChevalBase, 63);
    maxima.column = largestPresent(counters, table, BetKind::Column, ColumnBase, 3);
    maxima.dozen = largestPresent(counters, table, BetKind::Dozen, DozenBase, 3);
    return maxima;
}

std::string howOftenTableCaption(HowOftenView view, Language language,
                                 const AnalysisBookkeeping& analysis) {
    switch (view) {
    case HowOftenView::GameSinceNot:
        return std::string(SinceNotTableWords[language]);
    case HowOftenView::AnalysisHowOften:
        return analysedFilesText(analysis, language) + " - " +
               std::string(HowOftenTableWords[language]);
    case HowOftenView::GameHowOften:
        break;
    }
    return std::string(HowOftenTableWords[language]);
}

HowOftenTable howOftenTable(const StatisticsStore& store, HowOftenView view, TableType table,
                            Language language, const AnalysisBookkeeping& analysis,
                            const TextMeasure& measure, LayoutSize button) {
    const CounterArray counters = viewCounters(store, view);
    // The since-when-not counters' own slot 200 is never shown: the total is the coups counted.
    const CounterArray& totals =
        view == HowOftenView::AnalysisHowOften ? store.AnalysisHowOften : store.StatHowOften;

    HowOftenTable result;
    result.caption = howOftenTableCaption(view, language, analysis);
    result.maxima = sectionMaxima(counters, table);

    std::vector<GridContent> contents;
    for (const NumberedGrid& design : numberedGrids(table)) {
        contents.push_back(numberedGrid(design, counters, result.maxima, table));
    }
    for (const SingleGrid& design : SingleGrids) {
        const std::uint16_t value = design.slot == TotalSlot
                                        ? totals[TotalSlot]
                                        : counters[static_cast<std::size_t>(design.slot)];
        contents.push_back(singleGrid(design, value, result.maxima, language));
    }
    for (GridContent& content : contents) {
        sizeGrid(content, measure);
        result.grids.push_back(std::move(content.grid));
    }
    result.grids[Zero00].visible = table == TableType::American;
    placeGrids(result.grids);

    for (const Heading& heading : Headings) {
        const LayoutRect& under = result.grids[heading.grid].rect;
        const BilingualText& text = table == TableType::French ? heading.french : heading.american;
        result.headings.push_back({std::string(heading.name), std::string(text[language]),
                                   under.left, under.top - HeadingRise});
    }

    const int buttonLeft = SectionGap + result.grids[ChevalT20].rect.width + SectionGap;
    result.okButton = {"OK_Tab_Button", "&OK", buttonLeft, result.grids[ChevalT40].rect.top};
    result.printButton = {"Druck_Tab_Button", std::string(PrintButtonText[language]), buttonLeft,
                          result.grids[ChevalT60].rect.top};

    int rightmost = std::max(result.grids[DutzIII3].rect.right(), buttonLeft + button.width);
    if (result.grids[Zero00].visible) {
        rightmost = std::max(rightmost, result.grids[Zero00].rect.right());
    }
    result.window = {rightmost + WindowMargin,
                     result.grids[ChevalT60].rect.bottom() + WindowMargin};
    return result;
}

} // namespace quendra
