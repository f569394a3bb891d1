// The statistics chart over Qt Charts.
#include "statistics/StatisticsChart.h"

#include "common/AppText.h"
#include "statistics/HowOftenGraph.h"
#include "statistics/StatisticsExport.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QContextMenuEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineSeries>
#include <QMenu>
#include <QMessageBox>
#include <QPainter>
#include <QSplineSeries>
#include <QSvgGenerator>
#include <QVBoxLayout>
#include <QValueAxis>
#include <cmath>

namespace quendra::app {
namespace {

// A line of more points than this is drawn from the lowest and highest point of each of this
// many stretches: the same picture, since a chart is narrower than that in pixels.
constexpr qsizetype DrawnStretches = 1000;
constexpr qreal ThreeDPenWidth = 3;
constexpr qreal LinePenWidth = 1.5;

int shapeOf(int type) {
    return type & ~ChartType::ThreeD;
}

bool threeD(int type) {
    return (type & ChartType::ThreeD) != 0;
}

// A round step for about five labels over the range: 1, 2 or 5 times a power of ten, never
// below one unit so that whole figures stay whole.
qreal roundStep(qreal range) {
    const qreal rough = std::max(range / 5, 1.0);
    const qreal power = std::pow(10.0, std::floor(std::log10(rough)));
    for (const qreal factor : {1.0, 2.0, 5.0}) {
        if (factor * power >= rough) {
            return factor * power;
        }
    }
    return 10 * power;
}

// Labels at round figures, counted from 0, whatever the axis's own ends.
void roundLabels(QValueAxis* axis) {
    axis->setTickType(QValueAxis::TicksDynamic);
    axis->setTickAnchor(0);
    axis->setTickInterval(roundStep(axis->max() - axis->min()));
}

} // namespace

QList<QPointF> StatisticsChart::drawnPoints(const QList<qreal>& values, qreal firstX) {
    QList<QPointF> points;
    const qsizetype count = values.size();
    const auto at = [&](qsizetype k) { return QPointF(firstX + static_cast<qreal>(k), values[k]); };
    if (count <= 2 * DrawnStretches) {
        points.reserve(count);
        for (qsizetype k = 0; k < count; ++k) {
            points.append(at(k));
        }
        return points;
    }
    points.reserve(2 * DrawnStretches + 1);
    for (qsizetype stretch = 0; stretch < DrawnStretches; ++stretch) {
        const qsizetype begin = stretch * count / DrawnStretches;
        const qsizetype end = (stretch + 1) * count / DrawnStretches;
        qsizetype low = begin;
        qsizetype high = begin;
        for (qsizetype k = begin + 1; k < end; ++k) {
            low = values[k] < values[low] ? k : low;
            high = values[k] > values[high] ? k : high;
        }
        points.append(at(std::min(low, high)));
        if (low != high) {
            points.append(at(std::max(low, high)));
        }
    }
    points.append(at(count - 1));
    return points;
}

StatisticsChart::StatisticsChart(QWidget* parent)
    : QWidget(parent), chart_(new QChart), view_(new QChartView(chart_, this)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(view_);
    view_->setRenderHint(QPainter::Antialiasing);
    view_->setContextMenuPolicy(Qt::NoContextMenu);
    chart_->legend()->hide();
    setSeriesCount(1);
}

void StatisticsChart::setSeriesCount(int count) {
    values_.resize(count);
    legends_.resize(count);
    colours_.resize(count);
}

void StatisticsChart::setValues(int series, QList<qreal> values) {
    values_[series] = std::move(values);
}

void StatisticsChart::setLabels(QStringList labels) {
    labels_ = std::move(labels);
}

void StatisticsChart::setTitle(int index, const QString& text) {
    (index == 0 ? valueTitle_ : categoryTitle_) = text;
}

void StatisticsChart::setValueRange(qreal minimum, qreal maximum) {
    minimum_ = minimum;
    maximum_ = maximum;
}

void StatisticsChart::setDecimals(int decimals) {
    decimals_ = decimals;
}

void StatisticsChart::setChartType(int type) {
    type_ = type;
}

void StatisticsChart::setGrid(int grid) {
    grid_ = grid;
}

void StatisticsChart::setLegend(int series, const QString& text) {
    legends_[series] = text;
}

void StatisticsChart::setSeriesColour(int series, const QColor& colour) {
    colours_[series] = colour;
}

QString StatisticsChart::title(int index) const {
    return index == 0 ? valueTitle_ : categoryTitle_;
}

void StatisticsChart::redraw() {
    chart_->removeAllSeries();
    for (QAbstractAxis* axis : chart_->axes()) {
        chart_->removeAxis(axis);
        delete axis;
    }
    if (shapeOf(type_) == ChartType::Bar) {
        buildBars();
    } else {
        buildLines(shapeOf(type_) == ChartType::SmoothedLine);
    }
    addAxes();
    const bool legends = std::any_of(legends_.begin(), legends_.end(),
                                     [](const QString& legend) { return !legend.isEmpty(); });
    chart_->legend()->setVisible(legends);
    chart_->setDropShadowEnabled(threeD(type_));
}

void StatisticsChart::buildBars() {
    auto* series = new QBarSeries;
    for (qsizetype i = 0; i < values_.size(); ++i) {
        auto* set = new QBarSet(legends_[i]);
        set->append(values_[i]);
        series->append(set);
    }
    // The chart's theme colours the bars as they are added; own colours and the 3D light follow.
    chart_->addSeries(series);
    for (qsizetype i = 0; i < values_.size(); ++i) {
        QBarSet* set = series->barSets().at(i);
        if (colours_[i].isValid()) {
            set->setColor(colours_[i]);
        }
        if (threeD(type_)) {
            // Bars lit from the left stand out of the page.
            const QColor base = set->color();
            QLinearGradient light(0, 0, 1, 0);
            light.setCoordinateMode(QGradient::ObjectBoundingMode);
            light.setColorAt(0, base.lighter(160));
            light.setColorAt(1, base.darker(160));
            set->setBrush(light);
        }
    }
}

void StatisticsChart::buildLines(bool smoothed) {
    for (qsizetype i = 0; i < values_.size(); ++i) {
        QXYSeries* series = smoothed ? static_cast<QXYSeries*>(new QSplineSeries)
                                     : static_cast<QXYSeries*>(new QLineSeries);
        series->setName(legends_[i]);
        // With labels the points sit on the categories 0, 1, ...; without, they count from 1.
        const QList<QPointF> points = drawnPoints(values_[i], labels_.isEmpty() ? 1 : 0);
        series->replace(points);
        // The theme colours the line as it is added; an own colour and the width follow.
        chart_->addSeries(series);
        QPen pen = series->pen();
        if (colours_[i].isValid()) {
            pen.setColor(colours_[i]);
        }
        pen.setWidthF(threeD(type_) ? ThreeDPenWidth : LinePenWidth);
        series->setPen(pen);
    }
}

void StatisticsChart::addAxes() {
    QAbstractAxis* categories = nullptr;
    if (!labels_.isEmpty()) {
        auto* axis = new QBarCategoryAxis;
        axis->append(labels_);
        categories = axis;
    } else {
        auto* axis = new QValueAxis;
        qsizetype points = 1;
        for (const QList<qreal>& series : values_) {
            points = std::max(points, series.size());
        }
        axis->setRange(1, static_cast<qreal>(std::max<qsizetype>(points, 2)));
        axis->setLabelFormat("%d");
        roundLabels(axis);
        categories = axis;
    }
    categories->setTitleText(categoryTitle_);
    categories->setGridLineVisible((grid_ & 2) != 0);
    auto* values = new QValueAxis;
    values->setRange(minimum_, maximum_);
    roundLabels(values);
    values->setLabelFormat(QString("%.%1f").arg(decimals_));
    values->setTitleText(valueTitle_);
    values->setGridLineVisible((grid_ & 1) != 0);
    chart_->addAxis(categories, Qt::AlignBottom);
    chart_->addAxis(values, Qt::AlignLeft);
    for (QAbstractSeries* series : chart_->series()) {
        series->attachAxis(categories);
        series->attachAxis(values);
    }
}

void StatisticsChart::renderChart(QPainter& painter, const QRectF& target) {
    view_->render(&painter, target, QRect(), Qt::IgnoreAspectRatio);
}

bool StatisticsChart::savePicture(const QString& fileName) {
    if (QFileInfo(fileName).suffix().compare("svg", Qt::CaseInsensitive) != 0) {
        return view_->grab().save(fileName);
    }
    QSvgGenerator svg;
    svg.setFileName(fileName);
    svg.setSize(view_->size());
    svg.setViewBox(view_->rect());
    QPainter painter;
    if (!painter.begin(&svg)) {
        return false;
    }
    view_->render(&painter);
    return painter.end();
}

void StatisticsChart::contextMenuEvent(QContextMenuEvent* event) {
    QMenu menu(this);
    const int shape = shapeOf(type_);
    const int depth = type_ & ChartType::ThreeD;
    const std::pair<const BilingualText*, int> types[] = {
        {&BarChartText, ChartType::Bar},
        {&LineChartText, ChartType::Line},
        {&SmoothedLineChartText, ChartType::SmoothedLine},
    };
    for (const auto& [text, type] : types) {
        QAction* action = menu.addAction(qText((*text)[language_]));
        action->setCheckable(true);
        action->setChecked(shape == type);
        connect(action, &QAction::triggered, this, [this, type, depth] {
            setChartType(type | depth);
            redraw();
            emit chartTypeChanged(type_);
        });
    }
    QAction* depthAction = menu.addAction(qText(ThreeDChartText[language_]));
    depthAction->setCheckable(true);
    depthAction->setChecked(depth != 0);
    connect(depthAction, &QAction::triggered, this, [this] {
        setChartType(type_ ^ ChartType::ThreeD);
        redraw();
        emit chartTypeChanged(type_);
    });
    menu.addSeparator();
    connect(menu.addAction(qText(SaveImageText[language_])), &QAction::triggered, this,
            &StatisticsChart::askAndSavePicture);
    menu.exec(event->globalPos());
}

void StatisticsChart::askAndSavePicture() {
    const QString name = QFileDialog::getSaveFileName(
        this, qText(SaveImageText[language_]), QString(),
        qText(ImageFilesText[language_]) + " (*.png *.svg *.jpg *.bmp)");
    if (name.isEmpty()) {
        return;
    }
    const QString fileName = QFileInfo(name).suffix().isEmpty() ? name + ".png" : name;
    if (!savePicture(fileName)) {
        QMessageBox::warning(this, qText(SaveImageText[language_]),
                             qText(ImageNotSavedText[language_]) + "\n" + fileName);
    }
}

} // namespace quendra::app
