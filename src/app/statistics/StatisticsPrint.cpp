// Printing of the statistics windows over QPrinter.
#include "statistics/StatisticsPrint.h"

#include "common/AppText.h"
#include "statistics/StatisticsExport.h"

#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QWidget>
#include <algorithm>

namespace quendra::app {
namespace {

constexpr int HeaderPointSize = 10;
// The space between the header's rule and the first band, and between two bands, in points.
constexpr qreal BandGapPoints = 12;

qreal pointsToDevice(const QPrinter& printer, qreal points) {
    return points * printer.resolution() / 72.0;
}

// Draws the header, wrapped at the page's width, and its rule; returns where the page's content
// starts.
qreal paintHeader(QPainter& painter, const QRectF& page, const QString& header, qreal gap) {
    QFont font = painter.font();
    font.setPointSize(HeaderPointSize);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(Qt::black);
    const int flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;
    const QRectF text = painter.boundingRect(
        QRectF(page.left(), page.top(), page.width(), page.height()), flags, header);
    painter.drawText(text, flags, header);
    painter.drawLine(QPointF(page.left(), text.bottom() + gap / 3),
                     QPointF(page.right(), text.bottom() + gap / 3));
    return text.bottom() + gap;
}

} // namespace

QString printHeader(Game& game, std::string_view caption, StatisticsSource source) {
    // The host's clock reads the local date as if it were UTC.
    const std::chrono::year_month_day today{
        std::chrono::floor<std::chrono::days>(game.host().now())};
    const GameState& state = game.state();
    QString header = qText(printHeaderLine(caption, state.table.type(), state.language(), today));
    if (source == StatisticsSource::Analysis) {
        header += '\n' + qText(analysisDescription(state.permanence.analysis, state.statistics,
                                                   state.language()));
    }
    return header;
}

PrintBand widgetBand(QWidget* window, const QRect& part) {
    return {QSizeF(part.size()), [window, part](QPainter& painter, const QRectF& target) {
                painter.save();
                painter.translate(target.topLeft());
                painter.scale(target.width() / part.width(), target.height() / part.height());
                window->render(&painter, QPoint(), QRegion(part), QWidget::DrawChildren);
                painter.restore();
            }};
}

PrinterChoice::PrinterChoice(QPrinter* chosen)
    : own_(chosen ? nullptr : std::make_unique<QPrinter>()), chosen_(chosen ? chosen : own_.get()) {
}

PrinterChoice::~PrinterChoice() = default;

bool confirmPrint(QWidget* parent, QPrinter& printer) {
    QPrintDialog dialog(&printer, parent);
    dialog.setObjectName("PrintDialog1");
    return dialog.exec() == QDialog::Accepted;
}

void printOnConfirmation(QWidget* window, QPrinter& printer, const QList<QWidget*>& buttons,
                         QWidget* ok, const std::function<void(QPrinter&)>& print) {
    for (QWidget* button : buttons) {
        button->hide();
    }
    if (confirmPrint(window, printer)) {
        print(printer);
    }
    for (QWidget* button : buttons) {
        button->show();
    }
    ok->setFocus();
}

int printBands(QPrinter& printer, const QString& header, const QList<PrintBand>& bands) {
    printer.setDocName(header.section('\n', 0, 0));
    QPainter painter;
    if (!painter.begin(&printer)) {
        return 0;
    }
    const QRectF page =
        printer.pageLayout()
            .paintRectPixels(printer.resolution())
            .translated(-printer.pageLayout().paintRectPixels(printer.resolution()).topLeft());
    const qreal gap = pointsToDevice(printer, BandGapPoints);
    qreal widest = 1;
    for (const PrintBand& band : bands) {
        widest = std::max(widest, band.size.width());
    }
    const qreal scale = page.width() / widest;

    int pages = 1;
    qreal top = paintHeader(painter, page, header, gap);
    const qreal contentTop = top;
    for (const PrintBand& band : bands) {
        QSizeF size = band.size * scale;
        const qreal room = page.bottom() - contentTop;
        if (size.height() > room) {
            size *= room / size.height();
        }
        if (top + size.height() > page.bottom() && top > contentTop) {
            printer.newPage();
            ++pages;
            top = paintHeader(painter, page, header, gap);
        }
        band.paint(painter, QRectF(QPointF(page.left(), top), size));
        top += size.height() + gap;
    }
    painter.end();
    return pages;
}

} // namespace quendra::app
