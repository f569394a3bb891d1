// The number picker and the number request: the buttons of each table, picking and withdrawing,
// the list inputs of the American table and the range message of the spin edit.
// moc cannot parse the C++20 standard headers the engine pulls in.
#ifndef Q_MOC_RUN
#include "main/TAnfrageZahl.h"
#include "main/TSelectNumber.h"
#endif

#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QtTest>

using namespace quendra;
using quendra::app::TAnfrageZahl;
using quendra::app::TSelectNumber;

Q_DECLARE_METATYPE(quendra::TableType)
Q_DECLARE_METATYPE(quendra::NumberRequestPurpose)

namespace {

// Clicks the number's button once the picker waits for it.
void clickSoon(TSelectNumber& picker, int number) {
    QTimer::singleShot(10, &picker, [&picker, number] { picker.button(number)->click(); });
}

} // namespace

class TestNumberDialogs : public QObject {
    Q_OBJECT

private slots:
    void thePickerShowsDoubleZeroOnlyOnTheAmericanTable_data() {
        QTest::addColumn<TableType>("table");
        QTest::addColumn<bool>("doubleZero");
        QTest::addColumn<int>("zeroX");
        QTest::newRow("French") << TableType::French << false << 61;
        QTest::newRow("American") << TableType::American << true << 47;
    }

    void thePickerShowsDoubleZeroOnlyOnTheAmericanTable() {
        QFETCH(TableType, table);
        QFETCH(bool, doubleZero);
        QFETCH(int, zeroX);
        TSelectNumber picker(table);
        QCOMPARE(picker.size(), QSize(150, 448));
        QCOMPARE(picker.button(37)->objectName(), QString("SelButton37"));
        QCOMPARE(picker.button(37)->text(), QString("00"));
        QCOMPARE(!picker.button(37)->isHidden(), doubleZero);
        QCOMPARE(picker.button(0)->x(), zeroX);
        QCOMPARE(picker.button(5)->objectName(), QString("SelButton05"));
    }

    void pickingTheChosenNumberAgainWithdrawsItAndKeepsThePickerOpen() {
        TSelectNumber picker(TableType::French);
        clickSoon(picker, 17);
        QCOMPARE(picker.ask(std::nullopt), std::optional<int>(17));
        QVERIFY(!picker.isVisible());
        QCOMPARE(picker.outlined(), std::optional<int>(17));

        clickSoon(picker, 17);
        QCOMPARE(picker.ask(17), std::optional<int>(17));
        QVERIFY(picker.isVisible());
        QCOMPARE(picker.outlined(), std::nullopt);

        QTimer::singleShot(10, &picker, &QDialog::reject);
        QCOMPARE(picker.ask(std::nullopt), std::nullopt);
        QVERIFY(!picker.isVisible());
    }

    void theRequestOffersTheInputOfItsTable_data() {
        QTest::addColumn<NumberRequestPurpose>("purpose");
        QTest::addColumn<TableType>("table");
        QTest::addColumn<QString>("input"); // the visible input's name
        QTest::addColumn<int>("row");       // the list row chosen, or the value typed
        QTest::addColumn<int>("value");
        QTest::newRow("Finale American")
            << NumberRequestPurpose::Finale << TableType::American << "RouZahlAmiF" << 7 << 7;
        QTest::newRow("neighbour 00") << NumberRequestPurpose::OneNeighbour << TableType::American
                                      << "RouZahlAmi" << 37 << 37;
        QTest::newRow("neighbour French")
            << NumberRequestPurpose::TwoNeighbours << TableType::French << "RouZahl" << 36 << 36;
        QTest::newRow("super-short endless")
            << NumberRequestPurpose::SuperShortGame << TableType::American << "RouZahl" << 0 << 0;
        QTest::newRow("super-short longest") << NumberRequestPurpose::SuperShortGame
                                             << TableType::French << "RouZahl" << 32000 << 32000;
    }

    void theRequestOffersTheInputOfItsTable() {
        QFETCH(NumberRequestPurpose, purpose);
        QFETCH(TableType, table);
        QFETCH(QString, input);
        QFETCH(int, row);
        QFETCH(int, value);
        TAnfrageZahl dialog(numberRequestFor(purpose, table), Language::German);
        dialog.show();
        QList<QWidget*> shown;
        for (QWidget* widget :
             {static_cast<QWidget*>(dialog.spinEdit()), static_cast<QWidget*>(dialog.numberList()),
              static_cast<QWidget*>(dialog.digitList())}) {
            if (widget->isVisible()) {
                shown << widget;
            }
        }
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown.front()->objectName(), input);
        if (auto* list = qobject_cast<QListWidget*>(shown.front())) {
            QCOMPARE(list->currentRow(), 0);
            list->setCurrentRow(row);
        } else {
            dialog.spinEdit()->selectAll();
            QTest::keyClicks(dialog.spinEdit(), QString::number(row));
        }
        dialog.findChild<QPushButton*>("BSelktOK")->click();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.value(), std::optional<int>(value));
    }

    void aCountOutOfRangeIsReportedAndNotTaken() {
        TAnfrageZahl dialog(
            numberRequestFor(NumberRequestPurpose::SuperShortGame, TableType::French),
            Language::English);
        dialog.show();
        QVERIFY(dialog.infoLabel()->isVisible());
        QCOMPARE(dialog.infoLabel()->text(), QString("(0 = infinite)"));
        QCOMPARE(dialog.findChild<QLabel*>("LRoulettezahl")->x(), 40);

        QString shown;
        QTimer watcher;
        connect(&watcher, &QTimer::timeout, [&shown] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                shown = box->windowTitle() + ": " + box->text();
                box->accept();
            }
        });
        watcher.start(10);
        dialog.spinEdit()->selectAll();
        QTest::keyClicks(dialog.spinEdit(), "32001x");
        dialog.findChild<QPushButton*>("BSelktOK")->click();
        QCOMPARE(shown, QString("Input mistake: Wrong range (0-32000)!"));
        QVERIFY(dialog.isVisible());
        QCOMPARE(dialog.value(), std::nullopt);
    }
};

QTEST_MAIN(TestNumberDialogs)
#include "tst_numberdialogs.moc"
