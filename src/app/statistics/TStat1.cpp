// The how-often graph window over the engine's graph model and chart style.
#include "statistics/TStat1.h"

#include "common/AppText.h"
#include "statistics/LayoutGeometry.h"
#include "statistics/StatisticsChart.h"
#include "statistics/StatisticsExport.h"
#include "statistics/StatisticsPrint.h"
#include "statistics/StatisticsWindowFrame.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPrinter>
#include <QScreen>
#include <QToolButton>

namespace quendra::app {
namespace {

constexpr QSize SectionWindow{960, 620};
constexpr QSize EvenChancesWindow{800, 420};
constexpr int ButtonTop = 8;
constexpr int ButtonLeft = 8;
constexpr int ButtonSpacing = 4;

} // namespace

TStat1::TStat1(Game& game, GraphKind kind, QPrinter* printer, QWidget* parent)
    : QDialog(parent), game_(game), kind_(kind), printer_(printer) {
    setObjectName("TStat1");
    setProperty("tag", (static_cast<int>(kind.view) - 1) * 10 + static_cast<int>(kind.section));
    chart1_ = new StatisticsChart(this);
    chart1_->setObjectName("Chart1");
    chart2_ = new StatisticsChart(this);
    chart2_->setObjectName("Chart2");
    print_ = speedButton("Print_Button", false);
    bar_ = speedButton("Bar_Button", true);
    line_ = speedButton("Eck_Button", true);
    smoothed_ = speedButton("Rund_Button", true);
    horizontal_ = speedButton("Hori_Button", true);
    vertical_ = speedButton("Verti_Button", true);
    threeD_ = speedButton("DreiD_Button", true);
    connect(print_, &QToolButton::clicked, this, &TStat1::Print_ButtonClick);
    const std::pair<QToolButton*, void (ChartStyle::*)()> shapes[] = {
        {bar_, &ChartStyle::pressBar},
        {line_, &ChartStyle::pressLine},
        {smoothed_, &ChartStyle::pressSmoothedLine},
        {threeD_, &ChartStyle::toggleThreeD},
    };
    for (const auto& [button, press] : shapes) {
        connect(button, &QToolButton::clicked, this, [this, press] {
            (style_.*press)();
            applyStyle();
        });
    }
    connect(horizontal_, &QToolButton::clicked, this, [this](bool down) {
        style_.setHorizontalGrid(down);
        applyStyle();
    });
    connect(vertical_, &QToolButton::clicked, this, [this](bool down) {
        style_.setVerticalGrid(down);
        applyStyle();
    });
    // A type the user picks in the first chart itself goes to the second too.
    connect(chart1_, &StatisticsChart::chartTypeChanged, this, [this](int type) {
        style_.chartTypeChanged(type);
        applyStyle();
    });
    const bool evenChances = kind.section == GraphSection::EvenChances;
    description_ = makeAnalysisLine(this, viewSource(kind.view));
    minimum_ = QSize(800, evenChances ? 200 : 400);
    setMinimumSize(minimum_);
    resize(evenChances ? EvenChancesWindow : SectionWindow);
    FormCreate();
}

TStat1::~TStat1() = default;

QToolButton* TStat1::speedButton(const char* name, bool checkable) {
    auto* button = new QToolButton(this);
    button->setObjectName(name);
    button->setCheckable(checkable);
    button->setAutoRaise(false);
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    return button;
}

void TStat1::showEvent(QShowEvent* event) {
    FormCreate();
    QDialog::showEvent(event);
}

void TStat1::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    placeCharts();
}

void TStat1::FormCreate() {
    const GameState& state = game_.state();
    const Language language = state.language();
    graph_ = howOftenGraph(state.statistics, kind_, state.table.type(), language);
    setWindowTitle(qText(graph_.caption));
    const std::pair<QToolButton*, const BilingualText*> texts[] = {
        {print_, &PrintWord},
        {bar_, &BarChartText},
        {line_, &LineChartText},
        {smoothed_, &SmoothedLineChartText},
        {horizontal_, &HorizontalGridText},
        {vertical_, &VerticalGridText},
        {threeD_, &ThreeDChartText},
    };
    int left = ButtonLeft;
    for (const auto& [button, text] : texts) {
        button->setText(qText((*text)[language]));
        button->adjustSize();
        button->move(left, ButtonTop);
        left += button->width() + ButtonSpacing;
    }
    style_.show();
    placeCharts();
    applyStyle();
}

void TStat1::placeCharts() {
    const QScreen* screen = this->screen();
    const QSize available = screen ? screen->availableSize() : QSize(4096, 4096);
    // The analysis' line takes its height from the charts and sits below them.
    const int lineHeight = showAnalysisLine(description_, game_.state(), width() - 2 * ButtonLeft);
    setMinimumHeight(minimum_.height() + lineHeight);
    const GraphWindowLayout layout = graphWindowLayout(
        kind_.section, layoutSize(size() - QSize(0, lineHeight)), layoutSize(available));
    chart1_->setGeometry(qRect(layout.chart1));
    chart2_->setGeometry(qRect(layout.chart2));
    chart2_->setVisible(graph_.chart2.has_value());
    if (description_) {
        const QRect charts = graph_.chart2 ? qRect(layout.chart2) : qRect(layout.chart1);
        description_->move(ButtonLeft, charts.bottom() + 1 + ButtonTop);
    }
}

void TStat1::DiagrammeAnz(StatisticsChart* chart, const GraphChart& data) {
    chart->setLanguage(game_.state().language());
    chart->setDecimals(0);
    chart->setSeriesCount(1);
    QList<qreal> values(data.series.values.begin(), data.series.values.end());
    chart->setValues(0, std::move(values));
    QStringList labels;
    for (const std::string& label : data.series.labels) {
        labels.append(qText(label));
    }
    chart->setLabels(std::move(labels));
    chart->setTitle(0, qText(data.valueTitle));
    chart->setTitle(2, qText(data.categoryTitle));
    chart->setValueRange(0, graph_.valueMaximum);
    chart->setChartType(style_.chartType());
    chart->setGrid(style_.grid());
    chart->redraw();
}

void TStat1::applyStyle() {
    bar_->setChecked(style_.shape() == ChartStyle::Shape::Bar);
    line_->setChecked(style_.shape() == ChartStyle::Shape::Line);
    smoothed_->setChecked(style_.shape() == ChartStyle::Shape::SmoothedLine);
    horizontal_->setChecked(style_.horizontalGrid());
    vertical_->setChecked(style_.verticalGrid());
    vertical_->setEnabled(style_.verticalEnabled());
    threeD_->setChecked((style_.chartType() & ChartType::ThreeD) != 0);
    DiagrammeAnz(chart1_, graph_.chart1);
    if (graph_.chart2) {
        DiagrammeAnz(chart2_, *graph_.chart2);
    }
}

void TStat1::Print_ButtonClick() {
    if (confirmPrint(this, printer_.printer())) {
        print(printer_.printer());
    }
}

int TStat1::print(QPrinter& printer) {
    QList<PrintBand> bands;
    for (StatisticsChart* chart : {chart1_, chart2_}) {
        if (chart->isVisibleTo(this)) {
            bands.append({QSizeF(chart->size()), [chart](QPainter& painter, const QRectF& target) {
                              chart->renderChart(painter, target);
                          }});
        }
    }
    return printBands(printer, printHeader(game_, graph_.caption, viewSource(kind_.view)), bands);
}

} // namespace quendra::app
