// The how-often table window over the engine's table model.
#include "statistics/TStat2.h"

#include "common/AppText.h"
#include "statistics/FigureGridView.h"
#include "statistics/FontTextMeasure.h"
#include "statistics/StatisticsExport.h"
#include "statistics/StatisticsPrint.h"
#include "statistics/StatisticsWindowFrame.h"

#include <QLabel>
#include <QPrinter>
#include <QPushButton>
#include <algorithm>

namespace quendra::app {
namespace {

constexpr int GridPointSize = 11;
// The copy button sits below the print button.
constexpr int ButtonSpacing = 6;

QFont gridFont(bool bold) {
    QFont font;
    font.setPointSize(GridPointSize);
    font.setBold(bold);
    return font;
}

} // namespace

TStat2::TStat2(Game& game, HowOftenView view, QPrinter* printer, QWidget* parent)
    : QDialog(parent), game_(game), view_(view), printer_(printer) {
    setObjectName("TStat2");
    setProperty("tag", static_cast<int>(view));
    ok_ = new QPushButton(this);
    ok_->setObjectName("OK_Tab_Button");
    print_ = new QPushButton(this);
    print_->setObjectName("Druck_Tab_Button");
    print_->setAutoDefault(false);
    copy_ = new QPushButton(this);
    copy_->setObjectName("Kopieren_Tab_Button");
    copy_->setAutoDefault(false);
    ok_->setDefault(true);
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
    connect(print_, &QPushButton::clicked, this, &TStat2::Druck_Tab_ButtonClick);
    connect(copy_, &QPushButton::clicked, this, &TStat2::copyTable);
    line_ = makeAnalysisLine(this, viewSource(view));
    FormCreate();
}

TStat2::~TStat2() = default;

void TStat2::showEvent(QShowEvent* event) {
    FormCreate();
    QDialog::showEvent(event);
}

void TStat2::FormCreate() {
    const GameState& state = game_.state();
    const Language language = state.language();
    table_ = howOftenTable(state.statistics, view_, state.table.type(), language,
                           state.permanence.analysis, FontTextMeasure(gridFont(true)),
                           {ButtonSize.width(), ButtonSize.height()});
    setWindowTitle(qText(table_.caption));
    for (const FigureGrid& grid : table_.grids) {
        gridView(grid)->showGrid(grid);
    }
    for (const PlacedText& heading : table_.headings) {
        QLabel* label = headingLabel(heading);
        label->setText(qText(heading.text));
        label->adjustSize();
        label->move(heading.left, heading.top);
    }
    placeButton(ok_, table_.okButton, qText(table_.okButton.text));
    placeButton(print_, table_.printButton, qText(table_.printButton.text));
    PlacedText copyPlace = table_.printButton;
    copyPlace.top += ButtonSize.height() + ButtonSpacing;
    placeButton(copy_, copyPlace, qText(CopyButtonText[language]));
    setFixedSize(table_.window.width, table_.window.height + placeAnalysisLine());
}

// The analysis' line below the grids and the buttons, as wide as the grids are; the window
// grows by its height.
int TStat2::placeAnalysisLine() {
    int left = table_.window.width;
    int bottom = copy_->geometry().bottom() + 1;
    for (const FigureGrid& grid : table_.grids) {
        if (grid.visible) {
            left = std::min(left, grid.rect.left);
            bottom = std::max(bottom, grid.rect.bottom());
        }
    }
    const int height = showAnalysisLine(line_, game_.state(), table_.window.width - 2 * left);
    if (line_) {
        line_->move(left, bottom + WindowMargin);
    }
    return height;
}

FigureGridView* TStat2::gridView(const FigureGrid& grid) {
    const QString name = qText(grid.name);
    FigureGridView*& view = grids_[name];
    if (!view) {
        view = new FigureGridView(this);
        view->setFonts(gridFont(false), gridFont(false));
    }
    return view;
}

QLabel* TStat2::headingLabel(const PlacedText& heading) {
    const QString name = qText(heading.name);
    QLabel*& label = headings_[name];
    if (!label) {
        label = new QLabel(this);
        label->setObjectName(name);
    }
    return label;
}

void TStat2::placeButton(QPushButton* button, const PlacedText& place, const QString& text) {
    button->setText(text);
    button->setGeometry(place.left, place.top, ButtonSize.width(), ButtonSize.height());
}

void TStat2::Druck_Tab_ButtonClick() {
    setButtonsShown(false);
    if (confirmPrint(this, printer_.printer())) {
        print(printer_.printer());
    }
    setButtonsShown(true);
    ok_->setFocus();
}

int TStat2::print(QPrinter& printer) {
    FormCreate();
    const QString header = printHeader(game_, table_.caption, viewSource(view_));
    QList<PrintBand> bands;
    for (const QRect& section : sectionRects()) {
        bands.append(widgetBand(this, section));
    }
    setButtonsShown(false);
    const int pages = printBands(printer, header, bands);
    setButtonsShown(true);
    return pages;
}

// The printout shows the window as it is, without its buttons.
void TStat2::setButtonsShown(bool shown) {
    for (QPushButton* button : {ok_, print_, copy_}) {
        button->setVisible(shown);
    }
}

// One rectangle per section, from its headings down to the lowest grid that starts above the
// next section's headings; sections side by side share theirs.
QList<QRect> TStat2::sectionRects() const {
    QList<int> tops;
    for (const PlacedText& heading : table_.headings) {
        if (!tops.contains(heading.top)) {
            tops.append(heading.top);
        }
    }
    std::sort(tops.begin(), tops.end());
    QList<QRect> sections;
    for (qsizetype i = 0; i < tops.size(); ++i) {
        const int top = tops[i];
        const int end = i + 1 < tops.size() ? tops[i + 1] : table_.window.height;
        int bottom = top;
        for (const FigureGrid& grid : table_.grids) {
            if (grid.visible && grid.rect.top >= top && grid.rect.top < end) {
                bottom = std::max(bottom, grid.rect.bottom());
            }
        }
        sections.append(QRect(0, top, table_.window.width, bottom - top + 1));
    }
    return sections;
}

void TStat2::copyTable() {
    putOnClipboard(tabSeparatedText(table_, game_.state().language()), game_.state(),
                   viewSource(view_));
}

} // namespace quendra::app
