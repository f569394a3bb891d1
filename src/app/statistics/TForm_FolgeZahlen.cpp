// The follow-number window over the engine's follow-number matrix.
#include "statistics/TForm_FolgeZahlen.h"

#include "common/AppText.h"
#include "statistics/StatisticsExport.h"
#include "statistics/StatisticsMenu.h"
#include "statistics/StatisticsWindowFrame.h"
#include "statistics/TextGridView.h"

#include <QPrinter>
#include <algorithm>

namespace quendra::app {
namespace {

// The first grid is as high as the American second one, which has a row more than the French.
constexpr int FirstTableHeight = 503;
constexpr int GridRows = 20;
constexpr int CellPadding = 12;
constexpr int MinimumCellWidth = 64;
constexpr int GridSpacing = 20;

std::vector<std::vector<std::string>> gridRows(const std::vector<FollowNumbersLine>& lines) {
    std::vector<std::vector<std::string>> rows;
    std::vector<std::string> ranks{""};
    for (int rank = 1; rank <= FollowerRanks; ++rank) {
        ranks.push_back(std::to_string(rank));
    }
    rows.push_back(ranks);
    for (const FollowNumbersLine& line : lines) {
        std::vector<std::string> row{line.number};
        row.insert(row.end(), line.followers.begin(), line.followers.end());
        rows.push_back(std::move(row));
    }
    return rows;
}

} // namespace

TForm_FolgeZahlen::TForm_FolgeZahlen(Game& game, StatisticsSource source, QPrinter* printer,
                                     QWidget* parent)
    : QDialog(parent), game_(game), source_(source), printer_(printer) {
    setObjectName("TForm_FolgeZahlen");
    setProperty("tag", statisticsTagOf(source));
    first_ = new TextGridView("FirstTable", this);
    second_ = new TextGridView("SecondTable", this);
    ok_ = statisticsButton(this, "OK_FZ_Button");
    ok_->setDefault(true);
    print_ = statisticsButton(this, "Druck_FZ_Button");
    copy_ = statisticsButton(this, "Kopieren_FZ_Button");
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
    connect(print_, &QPushButton::clicked, this, &TForm_FolgeZahlen::Druck_FZ_ButtonClick);
    connect(copy_, &QPushButton::clicked, this, &TForm_FolgeZahlen::copyFollowNumbers);
    line_ = makeAnalysisLine(this, source);
    FormShow();
}

TForm_FolgeZahlen::~TForm_FolgeZahlen() = default;

void TForm_FolgeZahlen::showEvent(QShowEvent* event) {
    FormShow();
    QDialog::showEvent(event);
}

void TForm_FolgeZahlen::FormShow() {
    const GameState& state = game_.state();
    const Language language = state.language();
    window_ = followNumbersWindow(state.statistics, source_, state.table.type(), language,
                                  state.permanence.analysis);
    setWindowTitle(qText(window_.caption));
    showTable(first_, window_.firstTable, FirstTableHeight);
    showTable(second_, window_.secondTable, window_.secondTableHeight);
    // Both grids share their column widths, so that the columns line up side by side.
    const int heading = std::max(first_->widestHeading(), second_->widestHeading()) + CellPadding;
    const int cell = std::max({MinimumCellWidth, first_->widestCell() + CellPadding,
                               second_->widestCell() + CellPadding});
    for (TextGridView* grid : {first_, second_}) {
        grid->setColumnWidths(heading, cell);
        grid->resize(grid->cellsSize().width(), grid->height());
    }
    first_->move(WindowMargin, WindowMargin);
    second_->move(first_->geometry().right() + 1 + GridSpacing, WindowMargin);
    ok_->setText("OK");
    print_->setText(qText(window_.printButton));
    copy_->setText(qText(CopyButtonText[language]));
    const QRect figures = first_->geometry().united(second_->geometry());
    placeButtonRow(this, placeAnalysisLineBelow(line_, state, figures), {ok_, print_, copy_});
}

// Each grid has a heading row and the rows of its numbers, as high as the grid allows.
void TForm_FolgeZahlen::showTable(TextGridView* grid, const std::vector<FollowNumbersLine>& lines,
                                  int height) {
    grid->setCells(gridRows(lines));
    grid->setRowHeights((FirstTableHeight - 2 * grid->frameWidth()) / GridRows);
    grid->resize(grid->width(), height);
}

void TForm_FolgeZahlen::Druck_FZ_ButtonClick() {
    printOnConfirmation(this, printer_.printer(), {ok_, print_, copy_}, ok_,
                        [this](QPrinter& printer) { print(printer); });
}

int TForm_FolgeZahlen::print(QPrinter& printer) {
    return printBands(printer, printHeader(game_, window_.caption, source_),
                      {widgetBand(this, first_->geometry().united(second_->geometry()))});
}

void TForm_FolgeZahlen::copyFollowNumbers() {
    putOnClipboard(tabSeparatedText(window_), game_.state(), source_);
}

} // namespace quendra::app
