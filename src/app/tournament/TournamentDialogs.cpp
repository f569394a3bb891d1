// The tournament's dialogs, laid out in columns of labels.
#include "tournament/TournamentDialogs.h"

#include "common/AppText.h"
#include "tournament/TournamentTexts.h"

#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace quendra::app {
namespace {

QLabel* addLabel(QBoxLayout* layout, std::string_view text, const char* name = nullptr) {
    auto* label = new QLabel(qText(text));
    if (name) {
        label->setObjectName(name);
    }
    layout->addWidget(label);
    return label;
}

template <std::size_t N>
void addLines(QBoxLayout* layout, const std::string_view (&lines)[N]) {
    for (std::string_view line : lines) {
        addLabel(layout, line);
    }
}

QPushButton* button(std::string_view text, const char* name) {
    auto* result = new QPushButton(qText(text));
    result->setObjectName(name);
    return result;
}

// A row of buttons at the right.
void addButtons(QBoxLayout* layout, std::initializer_list<QPushButton*> buttons) {
    auto* row = new QHBoxLayout;
    row->addStretch();
    for (QPushButton* b : buttons) {
        row->addWidget(b);
    }
    layout->addSpacing(8);
    layout->addLayout(row);
}

// Fixed at the size its content asks for, in the middle of the screen.
void fixAndCentre(QDialog& dialog, const char* name) {
    dialog.setObjectName(name);
    dialog.setWindowTitle(qText(TournamentCaption));
    dialog.setFixedSize(dialog.sizeHint());
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        dialog.move(screen->availableGeometry().center() - dialog.rect().center());
    }
}

QFont boldFont(const QWidget& widget, int extraPoints) {
    QFont font = widget.font();
    font.setBold(true);
    font.setPointSize(font.pointSize() + extraPoints);
    return font;
}

} // namespace

TRoulette_Turnier::TRoulette_Turnier(QWidget* parent) : QDialog(parent) {
    auto* layout = new QVBoxLayout(this);
    QLabel* heading = addLabel(layout, TournamentHeading, "Heading");
    heading->setFont(boldFont(*heading, 6));
    heading->setAlignment(Qt::AlignCenter);
    layout->addSpacing(6);
    QLabel* rulesTitle = addLabel(layout, TournamentRulesTitle, "RulesTitle");
    rulesTitle->setFont(boldFont(*rulesTitle, 0));
    addLines(layout, TournamentRules);
    layout->addSpacing(6);
    addLines(layout, TournamentNotes);
    QPushButton* start = button(TournamentStartButton, "GewinnStartButton");
    QPushButton* cancel = button(TournamentCancelButton, "GewinnCancelButton");
    start->setDefault(true);
    connect(start, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    addButtons(layout, {start, cancel});
    fixAndCentre(*this, "TRoulette_Turnier");
}

bool TRoulette_Turnier::ask(QWidget* parent) {
    TRoulette_Turnier dialog(parent);
    return dialog.exec() == QDialog::Accepted;
}

TTurnierende::TTurnierende(const TournamentResult& result, QWidget* parent) : QDialog(parent) {
    auto* layout = new QVBoxLayout(this);
    QLabel* title = addLabel(layout, TournamentEndTitle, "Title");
    title->setFont(boldFont(*title, 6));
    auto* resultRow = new QHBoxLayout;
    resultRow->addWidget(new QLabel(qText(TournamentEndBefore)));
    auto* pieces = new QLabel(qText(result.Stueckanzahl));
    pieces->setObjectName("Label4");
    pieces->setFont(boldFont(*pieces, 0));
    resultRow->addWidget(pieces);
    resultRow->addWidget(new QLabel(qText(TournamentEndAfter)));
    resultRow->addStretch();
    layout->addLayout(resultRow);
    layout->addSpacing(6);
    addLabel(layout, TournamentEndRequest);

    auto* figures = new QGridLayout;
    const std::pair<std::string_view, std::pair<const char*, QString>> rows[] = {
        {TournamentDateLabel, {"DatumUhrzeit", qText(result.DatumUhrzeit)}},
        {TournamentPiecesLabel, {"Stueckanzahl", qText(result.Stueckanzahl)}},
        {TournamentControlLabel, {"Kontrollnummer", QString::number(result.Kontrollnummer)}},
        {TournamentNameLabel, {"Nickname", QString()}},
    };
    int row = 0;
    for (const auto& [label, value] : rows) {
        figures->addWidget(new QLabel(qText(label)), row, 0);
        auto* shown = new QLabel(value.second);
        shown->setObjectName(value.first);
        shown->setTextInteractionFlags(Qt::TextSelectableByMouse);
        figures->addWidget(shown, row, 1);
        ++row;
    }
    figures->setColumnStretch(1, 1);
    figures->setContentsMargins(24, 4, 0, 4);
    layout->addLayout(figures);
    addLines(layout, TournamentEndNotes);
    QPushButton* close = button(TournamentCloseButton, "Button1");
    close->setDefault(true);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    addButtons(layout, {close});
    fixAndCentre(*this, "TTurnierende");
}

TTurnierverloren::TTurnierverloren(QWidget* parent) : QDialog(parent) {
    auto* layout = new QVBoxLayout(this);
    QLabel* title = addLabel(layout, TournamentLostTitle, "Title");
    title->setFont(boldFont(*title, 6));
    addLines(layout, TournamentLostLines);
    QPushButton* close = button(TournamentCloseButton, "Button1");
    close->setDefault(true);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    addButtons(layout, {close});
    fixAndCentre(*this, "TTurnierverloren");
}

} // namespace quendra::app
