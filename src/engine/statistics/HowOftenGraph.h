// The graph window of the how-often and since-when-not counters: one section of the table as
// one or two charts, their titles and common scale, the window's chart places and the chart
// style its speed buttons choose.
#pragma once

#include "statistics/HowOftenTable.h"
#include "statistics/StatisticsView.h"

#include <cstdint>
#include <optional>
#include <string>

namespace quendra {

// The last digit of a graph kind.
enum class GraphSection : std::uint8_t {
    EvenChances = 1,
    Plein = 2,
    Cheval = 3,
    Carre = 4,
    Transversales = 5
};

struct GraphKind {
    HowOftenView view = HowOftenView::GameHowOften;
    GraphSection section = GraphSection::EvenChances;
};

// The `Tag` of a graph menu item: 1-5 view 1, 11-15 view 2, 21-25 view 3, the last digit the
// section; nullopt for any other value.
std::optional<GraphKind> graphKindFromTag(int tag);

struct GraphChart {
    ChartSeries series;
    std::string categoryTitle; // empty: no title
    std::string valueTitle;
};

struct HowOftenGraph {
    std::string caption;
    GraphChart chart1;
    std::optional<GraphChart> chart2; // hidden for the even chances
    // Both charts share it: the largest value drawn, at least 1.
    double valueMaximum = 1;
};

HowOftenGraph howOftenGraph(const StatisticsStore& store, GraphKind kind, TableType table,
                            Language language);

struct GraphWindowLayout {
    LayoutSize window;
    LayoutRect chart1;
    LayoutRect chart2; // empty when the section has one chart
};

// The even chances want a window of at least 800 × 200 and fill it with one chart; the other
// sections want at least 800 × 400, no larger than the screen, split into two charts.
GraphWindowLayout graphWindowLayout(GraphSection section, LayoutSize window, LayoutSize screen);

// Chart types of the charting component; ThreeD is added to the shape.
namespace ChartType {
inline constexpr int Line = 1;
inline constexpr int Bar = 2;
inline constexpr int SmoothedLine = 3;
inline constexpr int ThreeD = 256;
} // namespace ChartType

// The chart style both charts share, driven by the speed buttons. Grid lines: 0 none,
// 1 horizontal, 2 vertical, 3 both; vertical lines need a line shape.
class ChartStyle {
public:
    enum class Shape : std::uint8_t { None, Bar, Line, SmoothedLine };

    // On every showing: with no shape button down, bars are chosen.
    void show();
    void pressBar();
    void pressLine();
    void pressSmoothedLine();
    void setHorizontalGrid(bool down);
    void setVerticalGrid(bool down);
    void toggleThreeD();
    // A type the user chose in the first chart itself; the second chart takes it too, and the
    // shape buttons follow as if the user had pressed one.
    void chartTypeChanged(int type);

    Shape shape() const { return shape_; }
    int chartType() const { return type_; }
    int grid() const;
    bool horizontalGrid() const { return horizontal_; }
    bool verticalGrid() const { return vertical_; }
    bool verticalEnabled() const { return verticalEnabled_; }

private:
    void setShape(Shape shape, int baseType);

    Shape shape_ = Shape::None;
    int type_ = ChartType::Bar;
    bool horizontal_ = false;
    bool vertical_ = false;
    bool verticalEnabled_ = false;
};

} // namespace quendra
