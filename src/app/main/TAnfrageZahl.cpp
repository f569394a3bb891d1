// The number request's inputs for its two modes, the range check and the result.
#include "main/TAnfrageZahl.h"

#include "common/QtHost.h"

#include <QFocusEvent>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>

namespace quendra::app {
namespace {

QString text(const BilingualText& pair, Language language) {
    return boxText(std::string(pair[language]));
}

QListWidget* makeList(NumberRequestInput input, const char* name, QWidget* parent) {
    auto* list = new QListWidget(parent);
    list->setObjectName(name);
    for (std::string_view item : listItems(input)) {
        list->addItem(QString::fromUtf8(item.data(), static_cast<qsizetype>(item.size())));
    }
    list->setGeometry(66, 28, 76, 44);
    list->setCurrentRow(0);
    list->hide();
    return list;
}

} // namespace

QValidator::State RouZahlEdit::validate(QString& text, int&) const {
    for (QChar c : text) {
        if (c.unicode() > 0x7f || !acceptsKey(static_cast<char>(c.unicode()))) {
            return QValidator::Invalid;
        }
    }
    // Out of range stays on screen until the edit is left.
    bool number = false;
    const int value = text.toInt(&number);
    return number && value >= minimum() && value <= maximum() ? QValidator::Acceptable
                                                              : QValidator::Intermediate;
}

void RouZahlEdit::focusOutEvent(QFocusEvent* event) {
    // Only the user moving on within the dialog leaves the edit; switching windows does not.
    const Qt::FocusReason reason = event->reason();
    const bool movedOn = reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason ||
                         reason == Qt::MouseFocusReason;
    if (checkOnLeave_ && movedOn) {
        emit leaving();
    }
    if (hasFocus() || !isVisible()) {
        return;
    }
    QSpinBox::focusOutEvent(event);
}

TAnfrageZahl::TAnfrageZahl(const NumberRequest& request, Language language, QWidget* parent)
    : QDialog(parent), request_(request), language_(language), label_(new QLabel(this)),
      rouZahl_(new RouZahlEdit(this)),
      rouZahlAmi_(makeList(NumberRequestInput::NumberList, "RouZahlAmi", this)),
      rouZahlAmiF_(makeList(NumberRequestInput::DigitList, "RouZahlAmiF", this)),
      infoSY_(new QLabel(this)), ok_(new QPushButton("&OK", this)),
      cancel_(new QPushButton("&Cancel", this)) {
    setObjectName("TAnfrageZahl");
    setWindowTitle(text(request.caption, language));
    setFixedSize(208, 130);

    label_->setObjectName("LRoulettezahl");
    label_->setText(text(request.label, language));
    label_->adjustSize();
    label_->move(request.mode == 1 ? 40 : 66, 8);

    rouZahl_->setObjectName("RouZahl");
    rouZahl_->setGeometry(66, 28, 76, 24);
    rouZahl_->setRange(request.lowest, request.highest);
    rouZahl_->setSingleStep(1);
    rouZahl_->setValue(request.lowest);
    connect(rouZahl_, &RouZahlEdit::leaving, this, [this] {
        // Leaving for Cancel needs no valid value; OK checks the value itself.
        if (!cancel_->underMouse() && !ok_->underMouse() && isVisible()) {
            checkedEntry();
        }
    });

    infoSY_->setObjectName("InfoSY");
    infoSY_->setVisible(request.info.has_value());
    if (request.info) {
        infoSY_->setText(text(*request.info, language));
        infoSY_->adjustSize();
        infoSY_->move(66, 56);
    }
    QListWidget* list = visibleList();
    rouZahl_->setVisible(list == nullptr);
    if (list) {
        list->show();
    }

    ok_->setObjectName("BSelktOK");
    ok_->setGeometry(16, 94, 80, 26);
    ok_->setDefault(true);
    cancel_->setObjectName("BSelktCancel");
    cancel_->setGeometry(112, 94, 80, 26);
    connect(ok_, &QPushButton::clicked, this, &TAnfrageZahl::okClicked);
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
}

QListWidget* TAnfrageZahl::visibleList() const {
    switch (request_.input) {
    case NumberRequestInput::NumberList:
        return rouZahlAmi_;
    case NumberRequestInput::DigitList:
        return rouZahlAmiF_;
    case NumberRequestInput::SpinEdit:
        break;
    }
    return nullptr;
}

std::optional<int> TAnfrageZahl::checkedEntry() {
    const QByteArray typed = rouZahl_->text().toLatin1();
    const std::optional<int> entry =
        spinEditValue(request_, std::string_view(typed.constData(), typed.size()));
    if (!entry) {
        rouZahl_->checkOnLeave_ = false; // the box takes the focus
        QMessageBox::critical(this, text(RangeErrorTitle, language_),
                              boxText(rangeErrorText(request_, language_)));
        rouZahl_->checkOnLeave_ = true;
        rouZahl_->setFocus();
        rouZahl_->selectAll();
    }
    return entry;
}

void TAnfrageZahl::okClicked() {
    if (QListWidget* list = visibleList()) {
        value_ = listValue(request_.input, list->currentRow());
    } else {
        value_ = checkedEntry();
    }
    if (value_) {
        accept();
    }
}

std::optional<int> TAnfrageZahl::ask(const NumberRequest& request, Language language,
                                     QWidget* parent) {
    TAnfrageZahl dialog(request, language, parent);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.value();
}

} // namespace quendra::app
