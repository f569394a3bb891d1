// The how-often graphs: which counters each chart draws, with its labels and titles, and the
// state of the chart-style buttons.
#include "statistics/HowOftenGraph.h"

#include <algorithm>
#include <array>

namespace quendra {
namespace {

constexpr std::string_view ValueTitle = "Cups";

constexpr BilingualText HowOftenWord{"Wie oft?", "How often?"};
constexpr BilingualText SinceNotWord{"Seit wann nicht?", "Since which time not?"};
constexpr BilingualText GraphWord{" - Graphik", " - graphic"};

constexpr BilingualText EvenChancesHeading{"Einfache Chancen (EC01 - EC06)",
                                           "Even Money Bets (EC01 - EC06)"};
constexpr BilingualText EvenChancesTitle{"1-18 / EVEN / ROT / SCHWARZ / ODD / 19-36",
                                         "1-18 / EVEN / RED / BLACK / ODD / 19-36"};
constexpr std::array<BilingualText, 6> EvenChanceLabels{{
    {"1-18", "1-18"},
    {"EVEN", "EVEN"},
    {"ROT", "RED"},
    {"SCHWARZ", "BLACK"},
    {"ODD", "ODD"},
    {"19-36", "19-36"},
}};

// A run of counter slots drawn as consecutive points labelled from firstLabel upward; the
// label is the field's index.
struct SlotRun {
    int firstSlot;
    int points;
    int firstLabel;
    BetKind kind;
};

struct SectionCharts {
    std::string_view captionText;
    SlotRun chart1;
    SlotRun chart2;
    std::string_view title1;
    std::string_view title2;
};

SectionCharts sectionCharts(GraphSection section, TableType table) {
    const bool french = table == TableType::French;
    switch (section) {
    case GraphSection::Cheval:
        return french ? SectionCharts{"Cheval - ",
                                      {ChevalBase + 1, 30, 1, BetKind::Cheval},
                                      {ChevalBase + 31, 30, 31, BetKind::Cheval},
                                      "Chevals",
                                      ""}
                      : SectionCharts{"Cheval - ",
                                      {ChevalBase + 1, 32, 1, BetKind::Cheval},
                                      {ChevalBase + 33, 31, 33, BetKind::Cheval},
                                      "Chevals",
                                      ""};
    case GraphSection::Carre:
        return {"Carres - ",
                {CarreBase + 1, 12, 1, BetKind::Carre},
                {CarreBase + 13, 11, 13, BetKind::Carre},
                "Carres",
                ""};
    case GraphSection::Transversales:
        return {"Transversale Plein/Simple - ",
                {TransversalePleinBase + 1, french ? 14 : 16, 1, BetKind::TransversalePlein},
                {TransversaleSimpleBase + 1, 11, 1, BetKind::TransversaleSimple},
                "Transversale Pleins",
                "Transversale Simple"};
    case GraphSection::Plein:
    case GraphSection::EvenChances:
        break;
    }
    return {"Plein - ",
            {0, 19, 0, BetKind::Plein},
            {19, french ? 18 : 19, 19, BetKind::Plein},
            "Pleins",
            ""};
}

// Plein labels are numbers, so slot 37 reads "00"; the other sections count their fields.
// A field the table lacks is drawn at 0: its since-when-not counter grows with every coup and
// would dwarf every real field.
GraphChart chartOf(const CounterArray& counters, SlotRun run, std::string_view title,
                   GraphSection section, TableType table) {
    GraphChart chart;
    chart.categoryTitle = title;
    chart.valueTitle = ValueTitle;
    for (int i = 0; i < run.points; ++i) {
        const int label = run.firstLabel + i;
        const bool present = fieldPresent(table, {run.kind, label});
        chart.series.values.push_back(
            present ? counters[static_cast<std::size_t>(run.firstSlot + i)] : 0);
        chart.series.labels.push_back(section == GraphSection::Plein ? numberText(label)
                                                                     : std::to_string(label));
    }
    return chart;
}

double largestValue(const GraphChart& chart) {
    const std::vector<double>& values = chart.series.values;
    return values.empty() ? 0.0 : *std::max_element(values.begin(), values.end());
}

std::string_view viewWord(HowOftenView view, Language language) {
    return view == HowOftenView::GameSinceNot ? SinceNotWord[language] : HowOftenWord[language];
}

} // namespace

std::optional<GraphKind> graphKindFromTag(int tag) {
    const int viewDigit = tag / 10;
    const int sectionDigit = tag % 10;
    if (tag < 0 || viewDigit > 2 || sectionDigit < 1 || sectionDigit > 5) {
        return std::nullopt;
    }
    return GraphKind{static_cast<HowOftenView>(viewDigit + 1),
                     static_cast<GraphSection>(sectionDigit)};
}

HowOftenGraph howOftenGraph(const StatisticsStore& store, GraphKind kind, TableType table,
                            Language language) {
    const CounterArray counters = viewCounters(store, kind.view);
    const std::string graphWords =
        std::string(viewWord(kind.view, language)) + std::string(GraphWord[language]);
    HowOftenGraph graph;
    if (kind.section == GraphSection::EvenChances) {
        graph.caption = std::string(EvenChancesHeading[language]) + " - " + graphWords;
        graph.chart1.categoryTitle = EvenChancesTitle[language];
        graph.chart1.valueTitle = ValueTitle;
        for (int i = 0; i < 6; ++i) {
            graph.chart1.series.values.push_back(
                counters[static_cast<std::size_t>(EvenChanceBase + 1 + i)]);
            graph.chart1.series.labels.emplace_back(EvenChanceLabels[i][language]);
        }
        graph.valueMaximum = std::max(1.0, largestValue(graph.chart1));
        return graph;
    }
    const SectionCharts charts = sectionCharts(kind.section, table);
    graph.caption = std::string(charts.captionText) + graphWords;
    graph.chart1 = chartOf(counters, charts.chart1, charts.title1, kind.section, table);
    graph.chart2 = chartOf(counters, charts.chart2, charts.title2, kind.section, table);
    graph.valueMaximum = std::max({1.0, largestValue(graph.chart1), largestValue(*graph.chart2)});
    return graph;
}

GraphWindowLayout graphWindowLayout(GraphSection section, LayoutSize window, LayoutSize screen) {
    GraphWindowLayout layout;
    if (section == GraphSection::EvenChances) {
        layout.window = {std::max(window.width, 800), std::max(window.height, 200)};
        layout.chart1 = {0, 40, layout.window.width - 8, layout.window.height - 80};
        return layout;
    }
    layout.window = {std::min(std::max(window.width, 800), screen.width),
                     std::min(std::max(window.height, 400), screen.height)};
    const LayoutSize chart{layout.window.width - 8, (layout.window.height - 80) / 2};
    layout.chart1 = {0, 50, chart.width, chart.height};
    layout.chart2 = placedBelow(layout.chart1, chart, 1);
    return layout;
}

void ChartStyle::show() {
    if (shape_ == Shape::None) {
        pressBar();
    }
}

void ChartStyle::setShape(Shape shape, int baseType) {
    shape_ = shape;
    type_ = baseType + (type_ >= ChartType::ThreeD ? ChartType::ThreeD : 0);
}

void ChartStyle::pressBar() {
    setShape(Shape::Bar, ChartType::Bar);
    verticalEnabled_ = false;
    vertical_ = false;
}

void ChartStyle::pressLine() {
    setShape(Shape::Line, ChartType::Line);
    verticalEnabled_ = true;
}

void ChartStyle::pressSmoothedLine() {
    setShape(Shape::SmoothedLine, ChartType::SmoothedLine);
    verticalEnabled_ = true;
}

void ChartStyle::chartTypeChanged(int type) {
    switch (type % ChartType::ThreeD) {
    case ChartType::Line:
        pressLine();
        break;
    case ChartType::SmoothedLine:
        pressSmoothedLine();
        break;
    case ChartType::Bar:
        pressBar();
        break;
    default:
        break;
    }
    type_ = type;
}

void ChartStyle::setHorizontalGrid(bool down) {
    horizontal_ = down;
}

void ChartStyle::setVerticalGrid(bool down) {
    vertical_ = down && verticalEnabled_;
}

void ChartStyle::toggleThreeD() {
    type_ += type_ >= ChartType::ThreeD ? -ChartType::ThreeD : ChartType::ThreeD;
}

int ChartStyle::grid() const {
    return (horizontal_ ? 1 : 0) + (vertical_ ? 2 : 0);
}

} // namespace quendra
