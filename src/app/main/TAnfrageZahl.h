// The number request `TAnfrageZahl`: one value — a roulette number, a final digit or the length
// of a super-short game — typed into a spin edit or, on the American table, chosen from a list.
#pragma once

// moc cannot parse the C++20 standard headers the engine pulls in; it needs none of them.
#ifndef Q_MOC_RUN
#include "spin/NumberRequest.h"
#endif

#include <QDialog>
#include <QSpinBox>
#include <optional>

class QLabel;
class QListWidget;
class QPushButton;

namespace quendra::app {

// The spin edit `RouZahl`: takes digits only and lets any count of them stand while typing, so
// that leaving it with a value out of range can be reported instead of silently corrected.
class RouZahlEdit : public QSpinBox {
    Q_OBJECT
public:
    using QSpinBox::QSpinBox;
    QValidator::State validate(QString& text, int& position) const override;

signals:
    // Focus is leaving; a slot may keep it by returning the focus.
    void leaving();

protected:
    void focusOutEvent(QFocusEvent* event) override;

    friend class TAnfrageZahl;
    bool checkOnLeave_ = true;
};

class TAnfrageZahl : public QDialog {
    Q_OBJECT
public:
    TAnfrageZahl(const quendra::NumberRequest& request, quendra::Language language,
                 QWidget* parent = nullptr);

    // The value entered; valid after the dialog was accepted.
    std::optional<int> value() const { return value_; }

    RouZahlEdit* spinEdit() const { return rouZahl_; }
    QListWidget* numberList() const { return rouZahlAmi_; }
    QListWidget* digitList() const { return rouZahlAmiF_; }
    QLabel* infoLabel() const { return infoSY_; }

    // Shows the request modally: the value, or nullopt when it was cancelled.
    static std::optional<int> ask(const quendra::NumberRequest& request, quendra::Language language,
                                  QWidget* parent);

    // The spin edit's text as a value of the request's range; otherwise the range message (title
    // "Eingabefehler") and the focus back in the edit.
    std::optional<int> checkedEntry();

private:
    void okClicked();
    QListWidget* visibleList() const;

    quendra::NumberRequest request_;
    quendra::Language language_;
    QLabel* label_;
    RouZahlEdit* rouZahl_;
    QListWidget* rouZahlAmi_;
    QListWidget* rouZahlAmiF_;
    QLabel* infoSY_;
    QPushButton* ok_;
    QPushButton* cancel_;
    std::optional<int> value_;
};

} // namespace quendra::app
