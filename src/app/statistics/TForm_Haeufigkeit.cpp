// The frequency window over the engine's ranking.
#include "statistics/TForm_Haeufigkeit.h"

#include "common/AppText.h"
#include "statistics/StatisticsExport.h"
#include "statistics/StatisticsMenu.h"
#include "statistics/StatisticsWindowFrame.h"
#include "statistics/TextGridView.h"

#include <QPrinter>
#include <algorithm>

namespace quendra::app {
namespace {

constexpr int RowHeight = 24;
constexpr int CellPadding = 12;
// Wide enough for "36(99)" before the counts grow.
constexpr int MinimumCellWidth = 56;

std::vector<std::vector<std::string>> gridRows(const FrequencyGrid& cells) {
    std::vector<std::vector<std::string>> rows;
    for (const auto& row : cells) {
        rows.emplace_back(row.begin(), row.end());
    }
    return rows;
}

} // namespace

TForm_Haeufigkeit::TForm_Haeufigkeit(Game& game, StatisticsSource source, QPrinter* printer,
                                     QWidget* parent)
    : QDialog(parent), game_(game), source_(source), printer_(printer) {
    setObjectName("TForm_Haeufigkeit");
    setProperty("tag", statisticsTagOf(source));
    table_ = new TextGridView("Tabelle", this);
    ok_ = statisticsButton(this, "OK_Hae_Button");
    ok_->setDefault(true);
    print_ = statisticsButton(this, "Druck_Hae_Button");
    copy_ = statisticsButton(this, "Kopieren_Hae_Button");
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
    connect(print_, &QPushButton::clicked, this, &TForm_Haeufigkeit::Druck_Hae_ButtonClick);
    connect(copy_, &QPushButton::clicked, this, &TForm_Haeufigkeit::copyRanking);
    line_ = makeAnalysisLine(this, source);
    FormShow();
}

TForm_Haeufigkeit::~TForm_Haeufigkeit() = default;

void TForm_Haeufigkeit::showEvent(QShowEvent* event) {
    FormShow();
    QDialog::showEvent(event);
}

void TForm_Haeufigkeit::FormShow() {
    const GameState& state = game_.state();
    const Language language = state.language();
    ranking_ = frequencyWindow(state.statistics, source_, state.table.type(), language,
                               state.permanence.analysis);
    setWindowTitle(qText(ranking_.caption));
    table_->setCells(gridRows(ranking_.cells));
    for (int row = 0; row < FrequencyGridSize; ++row) {
        table_->item(row, 0)->setToolTip(qText(ranking_.rowHints[static_cast<std::size_t>(row)]));
    }
    table_->setColumnWidths(table_->widestHeading() + CellPadding,
                            std::max(MinimumCellWidth, table_->widestCell() + CellPadding));
    table_->setRowHeights(RowHeight);
    table_->setGeometry(QRect(QPoint(WindowMargin, WindowMargin), table_->cellsSize()));
    ok_->setText("OK");
    print_->setText(qText(ranking_.printButton));
    copy_->setText(qText(CopyButtonText[language]));
    placeButtonRow(this, placeAnalysisLineBelow(line_, state, table_->geometry()),
                   {ok_, print_, copy_});
}

void TForm_Haeufigkeit::Druck_Hae_ButtonClick() {
    printOnConfirmation(this, printer_.printer(), {ok_, print_, copy_}, ok_,
                        [this](QPrinter& printer) { print(printer); });
}

int TForm_Haeufigkeit::print(QPrinter& printer) {
    return printBands(printer, printHeader(game_, ranking_.caption, source_),
                      {widgetBand(this, table_->geometry())});
}

void TForm_Haeufigkeit::copyRanking() {
    putOnClipboard(tabSeparatedText(ranking_), game_.state(), source_);
}

} // namespace quendra::app
