// The picker's buttons, their outlines and its wait for a click.
#include "main/TSelectNumber.h"

#include <QEventLoop>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

namespace quendra::app {
namespace {

constexpr int ButtonSize = 28;
constexpr int ColumnLeft[] = {19, 61, 103};
constexpr int ZeroRowTop = 34;
constexpr int FirstRowTop = 70;
constexpr int RowStep = 31;
constexpr int ShowPickMs = 100;

QString buttonName(int number) {
    return number == 0 ? QString("SelButton0")
                       : QString("SelButton%1").arg(number, 2, 10, QChar('0'));
}

QString buttonStyle(int number, bool outlined) {
    const Colour colour = colourOf(number);
    const char* text = colour == Colour::Red     ? "#c80000"
                       : colour == Colour::Black ? "#101010"
                                                 : "#007000";
    return QString("QPushButton { background: #f0f0e8; color: %1; font: bold 12px 'Arial';"
                   " border: %2; }")
        .arg(text, outlined ? "2px solid red" : "1px solid black");
}

} // namespace

TSelectNumber::TSelectNumber(TableType table, QWidget* parent) : QDialog(parent), table_(table) {
    setObjectName("TSelectNumber");
    setWindowTitle("Select number");
    setModal(true);
    setFixedSize(150, 448);
    setAutoFillBackground(true);
    QPalette green = palette();
    green.setColor(QPalette::Window, QColor(0, 128, 0));
    setPalette(green);

    auto* title = new QLabel("Select number", this);
    title->setGeometry(0, 8, width(), 20);
    title->setAlignment(Qt::AlignCenter);
    title->setStyleSheet("color: white; font: bold 13px 'Arial';");

    for (int number = 0; number <= DoubleZero; ++number) {
        auto* button = new QPushButton(QString::fromStdString(numberText(number)), this);
        button->setObjectName(buttonName(number));
        button->setProperty("tag", number);
        button->setStyleSheet(buttonStyle(number, false));
        button->setFocusPolicy(Qt::NoFocus);
        connect(button, &QPushButton::clicked, this, [this, number] { clicked(number); });
        buttons_[number] = button;
    }
    placeButtons();
    connect(this, &QDialog::finished, this, [this] {
        if (waiting_) {
            waiting_->quit();
        }
    });
}

// The numbers as on the board, three to a row under the zeros.
void TSelectNumber::placeButtons() {
    for (int number = 1; number <= 36; ++number) {
        const int row = (number - 1) / 3;
        buttons_[number]->setGeometry(ColumnLeft[(number - 1) % 3], FirstRowTop + row * RowStep,
                                      ButtonSize, ButtonSize);
    }
    const bool american = table_ == TableType::American;
    buttons_[0]->setGeometry(american ? 47 : 61, ZeroRowTop, ButtonSize, ButtonSize);
    buttons_[DoubleZero]->setGeometry(47 + ButtonSize, ZeroRowTop, ButtonSize, ButtonSize);
    buttons_[DoubleZero]->setVisible(american);
}

void TSelectNumber::outline(std::optional<int> number) {
    if (outlined_) {
        buttons_[*outlined_]->setStyleSheet(buttonStyle(*outlined_, false));
    }
    outlined_ = number;
    if (number) {
        buttons_[*number]->setStyleSheet(buttonStyle(*number, true));
    }
}

void TSelectNumber::clicked(int number) {
    clicked_ = number;
    if (waiting_) {
        waiting_->quit();
    }
}

std::optional<int> TSelectNumber::ask(std::optional<int> chosen) {
    outline(chosen);
    clicked_.reset();
    if (!isVisible()) {
        show();
    }
    QEventLoop loop;
    waiting_ = &loop;
    loop.exec();
    waiting_ = nullptr;

    if (!clicked_ || !isVisible()) {
        hide();
        return std::nullopt;
    }
    if (clicked_ == chosen) {
        outline(std::nullopt);
        // The caller asks again at once; should it not, the picker must not stay behind.
        QTimer::singleShot(0, this, [this] {
            if (!waiting_) {
                hide();
            }
        });
        return clicked_;
    }
    outline(clicked_);
    QEventLoop shown;
    QTimer::singleShot(ShowPickMs, &shown, &QEventLoop::quit);
    shown.exec();
    hide();
    return clicked_;
}

} // namespace quendra::app
