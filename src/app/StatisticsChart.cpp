// The statistics chart over Qt Charts.
#include "StatisticsChart.h"

#include "AppText.h"
#include "statistics/HowOftenGraph.h"
#include "statistics/StatisticsExport.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QContextMenuEvent>
#include <QFileDialog>
#include <QGuiApplication>
#include <QLineSeries>
#include <QMenu>
#include <QSplineSeries>
#include <QVBoxLayout>
#include <QValueAxis>

namespace quendra::app {
namespace {

// Above this many points a line is drawn by the graphics card where there is one.
constexpr int OpenGLPoints = 2000;
constexpr qreal ThreeDPenWidth = 3;

int shapeOf(int type) {
    return type & ~ChartType::ThreeD;
}

bool threeD(int type) {
    return (type & ChartType::ThreeD) != 0;
}

bool openGLAvailable() {
    const QString platform = QGuiApplication::platformName();
    return platform != "offscreen" && platform != "minimal";
}

} // namespace

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
        if (colours_[i].isValid()) {
            set->setColor(colours_[i]);
        }
        if (threeD(type_)) {
            // Bars lit from the left stand out of the page.
            const QColor base = set->color();
            QLinearGradient light(0, 0, 1, 0);
            light.setCoordinateMode(QGradient::ObjectMode);
            light.setColorAt(0, base.lighter(150));
            light.setColorAt(1, base.darker(150));
            set->setBrush(light);
        }
        series->append(set);
    }
    chart_->addSeries(series);
}

void StatisticsChart::buildLines(bool smoothed) {
    for (qsizetype i = 0; i < values_.size(); ++i) {
        QXYSeries* series = smoothed ? static_cast<QXYSeries*>(new QSplineSeries)
                                     : static_cast<QXYSeries*>(new QLineSeries);
        series->setName(legends_[i]);
        QList<QPointF> points;
        points.reserve(values_[i].size());
        // With labels the points sit on the categories 0, 1, ...; without, they count from 1.
        const qreal first = labels_.isEmpty() ? 1 : 0;
        for (qsizetype k = 0; k < values_[i].size(); ++k) {
            points.append({first + static_cast<qreal>(k), values_[i][k]});
        }
        series->replace(points);
        QPen pen = series->pen();
        if (colours_[i].isValid()) {
            pen.setColor(colours_[i]);
        }
        pen.setWidthF(threeD(type_) ? ThreeDPenWidth : 1.5);
        series->setPen(pen);
        if (!smoothed && points.size() > OpenGLPoints && openGLAvailable()) {
            series->setUseOpenGL(true);
        }
        chart_->addSeries(series);
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
        categories = axis;
    }
    categories->setTitleText(categoryTitle_);
    categories->setGridLineVisible((grid_ & 2) != 0);
    auto* values = new QValueAxis;
    values->setRange(minimum_, maximum_);
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
    return view_->grab().save(fileName);
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
    const QString name =
        QFileDialog::getSaveFileName(this, qText(SaveImageText[language_]), QString(),
                                     qText(ImageFilesText[language_]) + " (*.png *.jpg *.bmp)");
    if (!name.isEmpty()) {
        savePicture(QFileInfo(name).suffix().isEmpty() ? name + ".png" : name);
    }
}

} // namespace quendra::app
