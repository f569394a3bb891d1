// The one chart component of the statistics windows, over Qt Charts: series of values with
// point labels, axis titles and range, chart type (bars, lines, smoothed lines, a 3D look), grid
// lines, legends and series colours, printing and saving as a picture. Windows talk to this
// class only, never to Qt Charts.
#pragma once

#ifndef Q_MOC_RUN
#include "text/Language.h"
#endif

#include <QColor>
#include <QList>
#include <QStringList>
#include <QWidget>

class QChart;
class QChartView;
class QPainter;

namespace quendra::app {

class StatisticsChart : public QWidget {
    Q_OBJECT
public:
    explicit StatisticsChart(QWidget* parent = nullptr);

    // Series data is replaced as a whole: a prepared list per series, drawn in one go.
    void setSeriesCount(int count);
    void setValues(int series, QList<qreal> values);
    // One label per point; without labels the category axis counts the points from 1.
    void setLabels(QStringList labels);
    // Draws what was set; called once after a block of changes.
    void redraw();

    // 0 the value axis, 2 the category axis; an empty text removes the title.
    void setTitle(int index, const QString& text);
    void setValueRange(qreal minimum, qreal maximum);
    // Decimals of the value axis's labels.
    void setDecimals(int decimals);
    // 1 line, 2 bars, 3 smoothed line, 256 added for the 3D look.
    void setChartType(int type);
    int chartType() const { return type_; }
    // 0 none, 1 horizontal, 2 vertical, 3 both.
    void setGrid(int grid);
    int grid() const { return grid_; }
    void setLegend(int series, const QString& text);
    void setSeriesColour(int series, const QColor& colour);
    // The language of the chart's own menu.
    void setLanguage(Language language) { language_ = language; }

    const QList<qreal>& values(int series) const { return values_.at(series); }
    int seriesCount() const { return static_cast<int>(values_.size()); }
    const QStringList& labels() const { return labels_; }
    QString title(int index) const;
    qreal valueMinimum() const { return minimum_; }
    qreal valueMaximum() const { return maximum_; }

    // The points of a line as drawn, the first at x = firstX: all of them, or for a long course
    // the lowest and highest of each stretch in the order they come, which keeps every peak and
    // trough while the chart draws no more points than it has pixels.
    static QList<QPointF> drawnPoints(const QList<qreal>& values, qreal firstX);

    // Draws the chart into a rectangle of a printer's page or a picture.
    void renderChart(QPainter& painter, const QRectF& target);
    // SVG, PNG, JPEG or BMP after the name's suffix; false when it cannot be written.
    bool savePicture(const QString& fileName);

signals:
    // The user picked another type from the chart's own menu.
    void chartTypeChanged(int type);

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void buildBars();
    void buildLines(bool smoothed);
    void addAxes();
    void askAndSavePicture();

    QChart* chart_;
    QChartView* view_;
    QList<QList<qreal>> values_;
    QStringList labels_;
    QStringList legends_;
    QList<QColor> colours_;
    QString valueTitle_;
    QString categoryTitle_;
    qreal minimum_ = 0;
    qreal maximum_ = 1;
    int decimals_ = 0;
    int type_ = 2;
    int grid_ = 0;
    Language language_ = Language::German;
};

} // namespace quendra::app
