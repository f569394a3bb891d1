// The day permanence window over the engine's blocks.
#include "statistics/TTabelleTagperm.h"

#include "common/AppText.h"
#include "statistics/DayPermanenceView.h"
#include "statistics/StatisticsExport.h"
#include "statistics/StatisticsMenu.h"
#include "statistics/StatisticsWindowFrame.h"

#include <QLabel>
#include <QPrinter>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <algorithm>

namespace quendra::app {
namespace {

// The buttons' row below the blocks and their scroll bar.
constexpr int ButtonRowHeight = 40;
// The blocks printed side by side; a page of the usual portrait width holds ten legibly.
constexpr int BlocksPerPrintBand = 10;

} // namespace

TTabelleTagperm::TTabelleTagperm(Game& game, StatisticsSource source, QPrinter* printer,
                                 QWidget* parent)
    : QDialog(parent), game_(game), source_(source), printer_(printer) {
    setObjectName("TTabelleTagperm");
    setProperty("tag", statisticsTagOf(source));
    const GameState& state = game.state();
    entries_ = dayPermanenceEntries(state.statistics, source, state.permanence.load.SeparatorCount);
    caption_ = dayPermanenceCaption(source, state.language(), state.permanence.analysis,
                                    state.permanence.year.ProgramStartTime);
    setWindowTitle(qText(caption_));
    scroll_ = new QScrollArea(this);
    scroll_->setObjectName("Tagesperm_Scroll");
    scroll_->setFrameShape(QFrame::NoFrame);
    // Each row is a pixel higher than the rows the layout counts, so a tall window's last rows
    // may reach below it.
    scroll_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    view_ = new DayPermanenceView;
    scroll_->setWidget(view_);
    ok_ = statisticsButton(this, "OK_TP_Button");
    ok_->setDefault(true);
    print_ = statisticsButton(this, "Druck_TP_Button");
    copy_ = statisticsButton(this, "Kopieren_TP_Button");
    const Language language = state.language();
    ok_->setText("OK");
    print_->setText(qText(PrintButtonText[language]));
    copy_->setText(qText(CopyButtonText[language]));
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
    connect(print_, &QPushButton::clicked, this, &TTabelleTagperm::printClick);
    connect(copy_, &QPushButton::clicked, this, &TTabelleTagperm::copyEntries);
    line_ = makeAnalysisLine(this, source);
    // Without a window manager to maximise it the window still fills the screen.
    if (const QScreen* shownOn = screen()) {
        resize(shownOn->availableGeometry().size());
    }
    setWindowState(Qt::WindowMaximized);
    FormShow();
}

TTabelleTagperm::~TTabelleTagperm() = default;

void TTabelleTagperm::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    FormShow();
}

void TTabelleTagperm::FormShow() {
    const int fontSize = DayPermanenceView::columnFont().pointSize();
    // The analysis' line lies between the blocks and the buttons.
    const int lineHeight = showAnalysisLine(line_, game_.state(), width() - 2 * WindowMargin);
    const int blocksHeight = height() - ButtonRowHeight - lineHeight;
    if (line_) {
        line_->move(WindowMargin, blocksHeight);
    }
    const DayPermanenceLayout layout =
        dayPermanenceLayout(static_cast<int>(entries_.size()), fontSize, {width(), blocksHeight});
    view_->showBlocks(dayPermanenceBlocks(entries_, layout), layout);
    scroll_->setHorizontalScrollBarPolicy(layout.scrollBar ? Qt::ScrollBarAlwaysOn
                                                           : Qt::ScrollBarAlwaysOff);
    scroll_->setGeometry(0, 0, width(), blocksHeight);
    int left = WindowMargin;
    for (QPushButton* button : {ok_, print_, copy_}) {
        button->setGeometry(
            QRect(QPoint(left, blocksHeight + lineHeight +
                                   (ButtonRowHeight - StatisticsButtonSize.height()) / 2),
                  StatisticsButtonSize));
        left += StatisticsButtonSize.width() + StatisticsButtonSpacing;
    }
    // The window may shrink to the height the layout needs at the least: five rows.
    const DayPermanenceLayout smallest =
        dayPermanenceLayout(static_cast<int>(entries_.size()), fontSize, {width(), 0});
    setMinimumHeight(smallest.windowHeight + ButtonRowHeight + lineHeight);
}

void TTabelleTagperm::printClick() {
    printOnConfirmation(this, printer_.printer(), {ok_, print_, copy_}, ok_,
                        [this](QPrinter& printer) { print(printer); });
}

int TTabelleTagperm::print(QPrinter& printer) {
    const std::vector<DayPermanenceBlock>& blocks = view_->blocks();
    QList<PrintBand> bands;
    for (std::size_t first = 0; first < blocks.size(); first += BlocksPerPrintBand) {
        const std::size_t last = std::min(blocks.size(), first + BlocksPerPrintBand) - 1;
        const QRect part(QPoint(blocks[first].headingLabel.left, blocks[first].headingLabel.top),
                         QPoint(blocks[first].headingLabel.left +
                                    BlocksPerPrintBand * DayPermanenceBlockStep - 1,
                                blocks[last].blackColumn.bottom()));
        bands.append(widgetBand(view_, part));
    }
    return printBands(printer, printHeader(game_, caption_, source_), bands);
}

void TTabelleTagperm::copyEntries() {
    putOnClipboard(tabSeparatedText(caption_, view_->blocks()), game_.state(), source_);
}

} // namespace quendra::app
