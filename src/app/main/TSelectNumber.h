// The number picker `TSelectNumber`: one button per number of the table; a click chooses the
// winning number of the next coup, a click on the chosen number withdraws it.
#pragma once

// moc cannot parse the C++20 standard headers the engine pulls in; it needs none of them.
#ifndef Q_MOC_RUN
#include "table/BetField.h"
#endif

#include <QDialog>
#include <array>
#include <optional>

class QEventLoop;
class QPushButton;

namespace quendra::app {

class TSelectNumber : public QDialog {
    Q_OBJECT
public:
    TSelectNumber(quendra::TableType table, QWidget* parent = nullptr);

    quendra::TableType table() const { return table_; }
    // `SelButton0` ... `SelButton37`.
    QPushButton* button(int number) const { return buttons_.at(number); }
    // The number whose button has the red outline.
    std::optional<int> outlined() const { return outlined_; }

    // Shows the picker modally with the chosen number outlined and waits for a click: the number
    // clicked, or nullopt when the window was closed. A click on the chosen number withdraws it:
    // its outline goes and the picker stays open for the next ask. Any other number is outlined
    // and shown for 100 ms before the window closes.
    std::optional<int> ask(std::optional<int> chosen);

    // Gives the number's button the red outline and the one outlined before its normal one.
    void outline(std::optional<int> number);

private:
    void placeButtons();
    void clicked(int number);

    quendra::TableType table_;
    std::array<QPushButton*, 38> buttons_{};
    std::optional<int> outlined_;
    std::optional<int> clicked_;
    QEventLoop* waiting_ = nullptr;
};

} // namespace quendra::app
