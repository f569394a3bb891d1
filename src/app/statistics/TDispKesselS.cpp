// The wheel distribution window over the engine's picture and replay.
#include "statistics/TDispKesselS.h"

#include "common/AppText.h"
#include "statistics/StatisticsExport.h"
#include "statistics/StatisticsMenu.h"
#include "statistics/StatisticsWindowFrame.h"
#include "statistics/WheelDistributionView.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>
#include <QTimer>
#include <algorithm>

namespace quendra::app {
namespace {

constexpr QSize ButtonSize{80, 25};
constexpr int ButtonTop = 535;
constexpr int OkLeft = 540;
constexpr int PrintLeft = 450; // the start button takes the same place in the replay
constexpr int CopyLeft = 360;
// The quadrant sums below the left column of numbers, clear of the ring.
constexpr int QuadrantLeft = 20;
constexpr int QuadrantTop = 420;
constexpr int QuadrantStep = 25;
constexpr int QuadrantEditLeft = 90;
constexpr QSize QuadrantEditSize{50, 21};
// The delay below the right column of numbers.
constexpr QPoint DelayLabelAt{540, 420};
constexpr QRect DelayRect{540, 440, 70, 24};
// A label that would reach past the window's right edge moves left to end this far from it.
constexpr int RightMargin = 8;
// Below the analysis' line, which lies below the picture.
constexpr int LineBottomMargin = 8;

} // namespace

TDispKesselS::TDispKesselS(Game& game, StatisticsSource source, bool dynamic, QPrinter* printer,
                           QWidget* parent)
    : QDialog(parent), game_(game), source_(source), dynamic_(dynamic), printer_(printer) {
    setObjectName("TDispKesselS");
    setProperty("tag", statisticsTagOf(source));
    setFixedSize(WheelDistributionClient.width, WheelDistributionClient.height);
    buildControls();
    FormShow();
}

TDispKesselS::~TDispKesselS() = default;

void TDispKesselS::buildControls() {
    // The ring lies below every other control.
    view_ = new WheelDistributionView(this);
    view_->setGeometry(rect());
    ok_ = statisticsButton(this, "BuOK");
    ok_->setDefault(true);
    ok_->setGeometry(QRect(QPoint(OkLeft, ButtonTop), ButtonSize));
    print_ = statisticsButton(this, "BuDruck");
    print_->setGeometry(QRect(QPoint(PrintLeft, ButtonTop), ButtonSize));
    start_ = statisticsButton(this, "DynStartBu");
    start_->setGeometry(print_->geometry());
    copy_ = statisticsButton(this, "BuKopieren");
    copy_->setGeometry(QRect(QPoint(CopyLeft, ButtonTop), ButtonSize));
    delayLabel_ = new QLabel(this);
    delayLabel_->setObjectName("LA_Verz");
    delayLabel_->move(DelayLabelAt);
    delay_ = new QComboBox(this);
    delay_->setObjectName("DynTimer");
    delay_->setEditable(true);
    delay_->setGeometry(DelayRect);
    for (std::string_view item : DelayItems) {
        delay_->addItem(qText(item));
    }
    timer_ = new QTimer(this);
    timer_->setObjectName("StartDyn");
    for (int q = 0; q < QuadrantCount; ++q) {
        const auto index = static_cast<std::size_t>(q);
        auto* caption = new QLabel(this);
        caption->setObjectName(QString("Label%1").arg(q + 1));
        caption->move(QuadrantLeft, QuadrantTop + q * QuadrantStep + 3);
        quadrantLabels_[index] = caption;
        auto* sum = new QLineEdit(this);
        sum->setObjectName(QString("Q%1_Disp").arg(q + 1));
        sum->setReadOnly(true);
        sum->setFocusPolicy(Qt::NoFocus);
        sum->setGeometry(
            QRect(QPoint(QuadrantEditLeft, QuadrantTop + q * QuadrantStep), QuadrantEditSize));
        quadrantSums_[index] = sum;
    }
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
    connect(print_, &QPushButton::clicked, this, &TDispKesselS::BuDruckClick);
    connect(copy_, &QPushButton::clicked, this, &TDispKesselS::copyFigures);
    connect(start_, &QPushButton::clicked, this, &TDispKesselS::DynStartBuClick);
    connect(timer_, &QTimer::timeout, this, &TDispKesselS::StartDynTimer);
    connect(delay_, &QComboBox::currentTextChanged, this, &TDispKesselS::DynTimerChange);
    line_ = makeAnalysisLine(this, source_);
}

const WheelPicture& TDispKesselS::picture() const {
    return view_->picture();
}

void TDispKesselS::showEvent(QShowEvent* event) {
    FormShow();
    QDialog::showEvent(event);
}

// OK, Esc and closing the window all stop the replay first.
void TDispKesselS::done(int result) {
    timer_->stop();
    if (replay_) {
        replay_->close();
    }
    QDialog::done(result);
}

void TDispKesselS::FormShow() {
    const GameState& state = game_.state();
    const Language language = state.language();
    setWindowTitle(qText(wheelDistributionCaption(source_, language, state.permanence.analysis)));
    timer_->stop();
    replay_.emplace(state.table.type(), sourceCounters(state.statistics, source_)[TotalSlot]);
    start_->setVisible(dynamic_);
    delay_->setVisible(dynamic_);
    delayLabel_->setVisible(dynamic_);
    print_->setVisible(!dynamic_);
    print_->setText(qText(PrintWord[language]));
    copy_->setText(qText(CopyButtonText[language]));
    ok_->setText("OK");
    delayLabel_->setText(qText(DelayWord[language]));
    delayLabel_->adjustSize();
    start_->setText(qText(replay_->buttonText()));
    delay_->setCurrentText(qText(DelayItems.back()));
    DynTimerChange();
    for (int q = 1; q <= QuadrantCount; ++q) {
        QLabel* caption = quadrantLabels_[static_cast<std::size_t>(q - 1)];
        caption->setText(qText(QuadrantWord) + QString::number(q));
        caption->adjustSize();
        caption->setToolTip(qText(quadrantHint(state.table.type(), q)));
    }
    fillLabels();
    showFigures();
    const int lineHeight =
        showAnalysisLine(line_, state, WheelDistributionClient.width - 2 * WindowMargin);
    if (line_) {
        line_->move(WindowMargin, WheelDistributionClient.height);
        setFixedSize(WheelDistributionClient.width,
                     WheelDistributionClient.height + lineHeight + LineBottomMargin);
    }
}

QLabel* TDispKesselS::label(const PlacedText& placed) {
    QLabel*& shown = labels_[qText(placed.name)];
    if (!shown) {
        shown = new QLabel(this);
        shown->setObjectName(qText(placed.name));
    }
    shown->setText(qText(placed.text));
    shown->adjustSize();
    shown->move(std::min(placed.left, width() - RightMargin - shown->width()), placed.top);
    return shown;
}

// The labels always show the source's counts; the remaining count only in the replay.
void TDispKesselS::fillLabels() {
    const GameState& state = game_.state();
    const CounterArray& counters = sourceCounters(state.statistics, source_);
    label(totalLabel(counters[TotalSlot], state.language()));
    label(toDisplayLabel(replay_->remaining(), state.language()))->setVisible(dynamic_);
    for (const PlacedText& number : numberLabels(counters, state.table.type())) {
        label(number);
    }
}

std::array<std::int32_t, DoubleZero + 1> TDispKesselS::shownCounts() const {
    const CounterArray& counters = sourceCounters(game_.state().statistics, source_);
    if (!dynamic_) {
        return staticCounts(counters);
    }
    std::array<std::int32_t, DoubleZero + 1> counts{};
    std::copy(replay_->counts().begin(), replay_->counts().end(), counts.begin());
    return counts;
}

void TDispKesselS::showFigures() {
    const GameState& state = game_.state();
    const auto counts = shownCounts();
    view_->showPicture(wheelPicture(state.table.PocketTable, state.table.type(),
                                    sourceCounters(state.statistics, source_), counts));
    for (std::size_t q = 0; q < quadrantSums_.size(); ++q) {
        quadrantSums_[q]->setText(QString::number(view_->picture().quadrantSums[q]));
    }
}

void TDispKesselS::DynStartBuClick() {
    switch (replay_->click()) {
    case WheelReplay::Click::None:
        return;
    case WheelReplay::Click::Restarted:
        fillLabels();
        showFigures();
        timer_->start();
        break;
    case WheelReplay::Click::Started:
        timer_->start();
        break;
    case WheelReplay::Click::Stopped:
        timer_->stop();
        break;
    }
    start_->setText(qText(replay_->buttonText()));
}

void TDispKesselS::StartDynTimer() {
    if (!replay_->tick(sourceHistory(game_.state().statistics, source_))) {
        timer_->stop();
        start_->setText(qText(replay_->buttonText()));
    }
    label(toDisplayLabel(replay_->remaining(), game_.state().language()));
    showFigures();
}

void TDispKesselS::DynTimerChange() {
    const QString text = delay_->currentText();
    const std::string chosen = delay_->findText(text) >= 0 ? text.toStdString() : std::string();
    timer_->setInterval(replayInterval(chosen, text.toStdString()));
}

QList<QWidget*> TDispKesselS::buttons() const {
    return {ok_, print_, copy_};
}

void TDispKesselS::BuDruckClick() {
    printOnConfirmation(this, printer_.printer(), buttons(), ok_,
                        [this](QPrinter& printer) { print(printer); });
}

int TDispKesselS::print(QPrinter& printer) {
    QList<QWidget*> shown;
    for (QWidget* button : buttons()) {
        if (button->isVisible()) {
            shown.append(button);
            button->hide();
        }
    }
    const int pages = printBands(printer, printHeader(game_, windowTitle().toStdString(), source_),
                                 {widgetBand(this, view_->geometry())});
    for (QWidget* button : shown) {
        button->show();
    }
    return pages;
}

void TDispKesselS::copyFigures() {
    const GameState& state = game_.state();
    putOnClipboard(tabSeparatedText(windowTitle().toStdString(), view_->picture(),
                                    sourceCounters(state.statistics, source_)[TotalSlot],
                                    state.language()),
                   state, source_);
}

} // namespace quendra::app
