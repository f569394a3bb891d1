// The player statistics window over the engine's player statistics.
#include "statistics/TSpielerStat.h"

#include "common/AppText.h"
#include "main/PlayerPanelWidget.h"
#include "statistics/FigureGridView.h"
#include "statistics/HowOftenGraph.h"
#include "statistics/LayoutGeometry.h"
#include "statistics/StatisticsChart.h"
#include "statistics/StatisticsExport.h"
#include "statistics/StatisticsPrint.h"

#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QPrinter>
#include <QPushButton>

namespace quendra::app {
namespace {

constexpr int ComboRows = 4;
// The window's small type lets the labels fit their 85-pixel columns.
constexpr int WindowPointSize = 8;
// The print and copy buttons below the combo box.
constexpr QRect PrintButtonRect{64, 612, 97, 25};
constexpr QRect CopyButtonRect{64, 644, 97, 25};

// A player grid as a figure grid: seven columns of 85 pixels, labels above, values below.
FigureGrid infoGrid(const char* name, const PlayerInfoRow& row, const LayoutRect& rect) {
    FigureGrid grid;
    grid.name = name;
    for (const PlayerInfoColumn& column : row) {
        grid.cells.push_back({column.label, column.value, false});
    }
    grid.columnWidth = PlayerInfoColumnWidth;
    grid.rowHeight = (rect.height - 3) / 2;
    grid.rect = rect;
    return grid;
}

} // namespace

TSpielerStat::TSpielerStat(Game& game, QPrinter* printer, QWidget* parent)
    : QDialog(parent), game_(game), printer_(printer) {
    setObjectName("TSpielerStat");
    setFixedSize(PlayerStatisticsClient.width, PlayerStatisticsClient.height);
    QFont small = font();
    small.setPointSize(WindowPointSize);
    setFont(small);
    chart_ = new StatisticsChart(this);
    chart_->setObjectName("Chartfx1");
    chart_->setGeometry(qRect(PlayerChartRect));
    players_ = new QComboBox(this);
    players_->setObjectName("Spieler_CB");
    players_->setGeometry(PlayerComboRect.left, PlayerComboRect.top, PlayerComboRect.width,
                          players_->sizeHint().height());
    players_->setMaxVisibleItems(ComboRows);
    results_ = new FigureGridView(this);
    figures_ = new FigureGridView(this);
    print_ = new QPushButton(this);
    print_->setObjectName("Druck_Button");
    print_->setGeometry(PrintButtonRect);
    print_->setAutoDefault(false);
    copy_ = new QPushButton(this);
    copy_->setObjectName("Kopieren_Button");
    copy_->setGeometry(CopyButtonRect);
    copy_->setAutoDefault(false);
    connect(players_, &QComboBox::currentIndexChanged, this, &TSpielerStat::Spieler_CBChange);
    connect(print_, &QPushButton::clicked, this, &TSpielerStat::Druck_ButtonClick);
    connect(copy_, &QPushButton::clicked, this, &TSpielerStat::copyFigures);
}

TSpielerStat::~TSpielerStat() = default;

// The course of 32000 coups is charted once, when the window is shown.
void TSpielerStat::showEvent(QShowEvent* event) {
    FormShow();
    QDialog::showEvent(event);
}

void TSpielerStat::FormShow() {
    GameState& state = game_.state();
    const Language language = state.language();
    setWindowTitle(qText(PlayerStatisticsCaption[language]));
    showChart(showPlayerStatistics(state, state.statistics.playerResults, language));
    print_->setText(qText(PrintButtonText[language]));
    copy_->setText(qText(CopyButtonText[language]));

    const QSignalBlocker quiet(players_);
    const auto names = playerNames(language);
    for (int p = 0; p < PlayerSlots; ++p) {
        const QString name = qText(names[static_cast<std::size_t>(p)]);
        if (players_->count() <= p) {
            players_->addItem(name);
        } else {
            players_->setItemText(p, name);
        }
    }
    players_->setCurrentIndex(0);
    Spieler_CBChange();
}

void TSpielerStat::showChart(const PlayerChart& chart) {
    chart_->setLanguage(game_.state().language());
    chart_->setChartType(ChartType::Line);
    chart_->setDecimals(chart.decimals);
    chart_->setSeriesCount(chart.values.empty() ? chart.seriesCount : PlayerSlots);
    for (int p = 0; p < chart_->seriesCount(); ++p) {
        const auto index = static_cast<std::size_t>(p);
        chart_->setLegend(p, qText(chart.legends[index]));
        chart_->setSeriesColour(p, playerColour(p + 1));
        QList<qreal> values;
        if (index < chart.values.size()) {
            values.reserve(static_cast<qsizetype>(chart.values[index].size()));
            for (std::int32_t value : chart.values[index]) {
                values.append(value);
            }
        }
        chart_->setValues(p, std::move(values));
    }
    chart_->setValueRange(static_cast<qreal>(chart.axisMinimum),
                          static_cast<qreal>(chart.axisMaximum));
    chart_->redraw();
}

void TSpielerStat::Spieler_CBChange() {
    const int player = players_->currentIndex() + 1;
    const PlayerInfoGrids grids = playerInfoGrids(
        game_.state(), game_.state().statistics.playerResults, player, game_.state().language());
    results_->showGrid(infoGrid("SpielerInfo_GR", grids.results, PlayerInfoGridRect));
    figures_->showGrid(infoGrid("SpielerInfo_GR1", grids.figures, PlayerInfoGrid1Rect));
    results_->setFonts(font(), font());
    figures_->setFonts(font(), font());
}

void TSpielerStat::copyFigures() {
    const int player = players_->currentIndex() + 1;
    QGuiApplication::clipboard()->setText(qText(tabSeparatedText(playerInfoGrids(
        game_.state(), game_.state().statistics.playerResults, player, game_.state().language()))));
}

void TSpielerStat::Druck_ButtonClick() {
    if (confirmPrint(this, printer_.printer())) {
        print(printer_.printer());
    }
}

int TSpielerStat::print(QPrinter& printer) {
    PrintBand chart{QSizeF(chart_->size()), [this](QPainter& painter, const QRectF& target) {
                        chart_->renderChart(painter, target);
                    }};
    const QRect grids = results_->geometry().united(figures_->geometry());
    const GameState& state = game_.state();
    return printBands(printer, printHeader(game_, PlayerStatisticsCaption[state.language()]),
                      {chart, widgetBand(this, grids)});
}

} // namespace quendra::app
