// The strip's labels and its blink timer `TableTimer`.
#include "main/PermanenceStrip.h"

#include "common/QtHost.h"
#include "spin/PermanenceStrip.h"

#include <QLabel>
#include <QPainter>
#include <QTimer>

namespace quendra::app {
namespace {

constexpr int LabelWidth = 30;
constexpr int LabelHeight = 18;
constexpr int BlinkMs = 100;

QColor textColour(StripColour colour) {
    switch (colour) {
    case StripColour::Red:
        return QColor(200, 0, 0);
    case StripColour::Green:
        return QColor(0, 128, 0);
    case StripColour::Black:
        break;
    }
    return Qt::black;
}

} // namespace

PermanenceStrip::PermanenceStrip(Game& game, QWidget* parent)
    : QWidget(parent), game_(game), tableTimer_(new QTimer(this)) {
    setObjectName("PermanenceStrip");
    setFixedSize(2 * LabelWidth, StripRows * LabelHeight);
    // The numbers stand on a white board, as on a casino's display.
    setAutoFillBackground(true);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
    QFont font("Arial");
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(13);
    font.setBold(true);
    for (int i = 0; i < StripLabelCount; ++i) {
        auto* label = new QLabel(this);
        label->setObjectName(QString("TableZ%1").arg(FirstStripLabel + i));
        label->setFont(font);
        label->setAlignment(Qt::AlignCenter);
        // Row i of the strip, oldest at the top: the first sixteen labels are the left column.
        label->setGeometry((i / StripRows) * LabelWidth, (i % StripRows) * LabelHeight, LabelWidth,
                           LabelHeight);
        label->hide();
        labels_[i] = label;
    }
    tableTimer_->setObjectName("TableTimer");
    tableTimer_->setInterval(BlinkMs);
    connect(tableTimer_, &QTimer::timeout, this, &PermanenceStrip::blinkTick);
    if (auto* host = dynamic_cast<QtHost*>(&game_.host())) {
        connect(host, &QtHost::stateChanged, this, [this](Change what) {
            if (any(what, Change::Permanence)) {
                refresh();
            }
        });
    }
    refresh();
}

void PermanenceStrip::refresh() {
    showLabels();
    if (game_.state().stripBlink.ticksLeft > 0) {
        if (!tableTimer_->isActive()) {
            tableTimer_->start();
        }
    } else {
        tableTimer_->stop();
    }
}

void PermanenceStrip::showLabels() {
    const PermanenceStripView view = permanenceStrip(game_.state());
    for (int i = 0; i < StripLabelCount; ++i) {
        const StripLabel& shown = view.labels[i];
        QLabel* label = labels_[i];
        const QString text = QString::fromStdString(shown.text);
        if (label->text() != text) {
            label->setText(text);
        }
        QPalette palette = label->palette();
        if (palette.color(QPalette::WindowText) != textColour(shown.colour)) {
            palette.setColor(QPalette::WindowText, textColour(shown.colour));
            label->setPalette(palette);
        }
        label->setVisible(shown.visible);
    }
}

// A thin line between the red and the black column.
void PermanenceStrip::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(QColor(200, 200, 200));
    painter.drawLine(LabelWidth, 2, LabelWidth, height() - 3);
}

void PermanenceStrip::blinkTick() {
    if (!PermanenceBlinkTick(game_.state())) {
        tableTimer_->stop();
    }
    showLabels();
}

} // namespace quendra::app
