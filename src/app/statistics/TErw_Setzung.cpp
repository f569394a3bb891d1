// The extended bets window over the engine's figures and layout.
#include "statistics/TErw_Setzung.h"

#include "common/AppText.h"
#include "statistics/FigureGridView.h"
#include "statistics/FontTextMeasure.h"
#include "statistics/StatisticsExport.h"
#include "statistics/StatisticsMenu.h"
#include "statistics/StatisticsWindowFrame.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QPrinter>
#include <QPushButton>

namespace quendra::app {
namespace {

constexpr int GridPointSize = 12;

QFont gridFont(bool bold) {
    QFont font;
    font.setPointSize(GridPointSize);
    font.setBold(bold);
    return font;
}

} // namespace

TErw_Setzung::TErw_Setzung(Game& game, QPrinter* printer, QWidget* parent)
    : QDialog(parent), game_(game), printer_(printer) {
    setObjectName("TErw_Setzung");
    setProperty("tag", GameStatisticsTag);
    ok_ = statisticsButton(this, "Erw_OK");
    ok_->setDefault(true);
    print_ = statisticsButton(this, "Erw_Druck");
    copy_ = statisticsButton(this, "Erw_Kopieren");
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
    connect(print_, &QPushButton::clicked, this, &TErw_Setzung::Erw_DruckClick);
    connect(copy_, &QPushButton::clicked, this, &TErw_Setzung::copyFigures);
    FormShow();
}

TErw_Setzung::~TErw_Setzung() = default;

void TErw_Setzung::showEvent(QShowEvent* event) {
    FormShow();
    QDialog::showEvent(event);
}

void TErw_Setzung::FormShow() {
    const GameState& state = game_.state();
    const Language language = state.language();
    window_ = extendedBetsWindow(state.statistics.StatHowOften, state.table.PocketTable,
                                 state.table.type(), language, FontTextMeasure(gridFont(true)),
                                 {ButtonSize.width(), ButtonSize.height()});
    setWindowTitle(qText(window_.caption));
    for (const FigureGrid& grid : window_.grids) {
        gridView(grid)->showGrid(grid);
    }
    for (const PlacedText& heading : window_.headings) {
        QLabel* label = headingLabel(heading);
        label->setText(qText(heading.text));
        label->adjustSize();
        label->move(heading.left, heading.top);
    }
    const auto place = [](QPushButton* button, const PlacedText& at, const QString& text) {
        button->setText(text);
        button->setGeometry(QRect(QPoint(at.left, at.top), ButtonSize));
    };
    place(ok_, window_.okButton, qText(window_.okButton.text));
    place(print_, window_.printButton, qText(window_.printButton.text));
    PlacedText copyPlace = window_.printButton;
    copyPlace.left += ButtonSize.width() + StatisticsButtonSpacing;
    place(copy_, copyPlace, qText(CopyButtonText[language]));
    setFixedSize(window_.window.width, window_.window.height);
}

FigureGridView* TErw_Setzung::gridView(const FigureGrid& grid) {
    FigureGridView*& view = grids_[qText(grid.name)];
    if (!view) {
        view = new FigureGridView(this);
        view->setFonts(gridFont(false), gridFont(false));
    }
    return view;
}

QLabel* TErw_Setzung::headingLabel(const PlacedText& heading) {
    const QString name = qText(heading.name);
    QLabel*& label = headings_[name];
    if (!label) {
        label = new QLabel(this);
        label->setObjectName(name);
    }
    return label;
}

void TErw_Setzung::Erw_DruckClick() {
    printOnConfirmation(this, printer_.printer(), {ok_, print_, copy_}, ok_,
                        [this](QPrinter& printer) { print(printer); });
}

int TErw_Setzung::print(QPrinter& printer) {
    FormShow();
    const QRect grids(0, 0, window_.window.width, window_.okButton.top);
    return printBands(printer, printHeader(game_, window_.caption), {widgetBand(this, grids)});
}

void TErw_Setzung::copyFigures() {
    QGuiApplication::clipboard()->setText(qText(tabSeparatedText(window_)));
}

} // namespace quendra::app
