// The options dialog window: the language switches its captions live and Cancel brings it back,
// a capital of 0 is refused with the range box and falls back, real mode converts the capital,
// the piece value 3 becomes 5, "+" steps the capital, and OK applies the delay to the game.
#ifndef Q_MOC_RUN
#include "AppTestGame.h"
#include "game/StartUp.h"
#include "options/TOptionen.h"
#endif

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

using quendra::app::TOptionen;

class TestOptions : public QObject {
    Q_OBJECT

private:
    QTemporaryDir folder;
    std::unique_ptr<quendra::apptest::TestHost> host;
    std::unique_ptr<quendra::Game> game;

    template <typename Widget>
    static Widget* child(TOptionen& dialog, const char* name) {
        auto* widget = dialog.findChild<Widget*>(name);
        if (!widget) {
            qFatal("no %s", name);
        }
        return widget;
    }

    static void typeOver(QSpinBox* spin, const QString& text) {
        spin->setFocus();
        spin->selectAll();
        QTest::keyClick(spin, Qt::Key_Backspace);
        QTest::keyClicks(spin, text);
    }

private slots:
    void init() {
        host = std::make_unique<quendra::apptest::TestHost>();
        game = std::make_unique<quendra::Game>(*host);
        quendra::initialiseGameState(game->state(), folder.path().toStdString());
        quendra::apptest::setUpBetting(*game, quendra::TableType::French);
        game->state().settings.PlayerCount = 1;
        game->state().settings.YearStatistics = false;
    }

    void theLanguageSwitchesLiveAndCancelBringsItBack() {
        TOptionen dialog(*game);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QCOMPARE(dialog.size(), QSize(418, 691));
        QCOMPARE(dialog.windowTitle(), QString("Optionen"));
        QCOMPARE(child<QGroupBox>(dialog, "RadioGroup1")->title(), QString("Spieleranzahl"));
        auto* language = child<QComboBox>(dialog, "Sprache");
        language->setCurrentIndex(1);
        emit language->activated(1);
        QCOMPARE(dialog.windowTitle(), QString("Options"));
        QCOMPARE(child<QLabel>(dialog, "Zeitbalkendauer")->text(), QString("Timebar delay (in %)"));
        QCOMPARE(child<QRadioButton>(dialog, "Spieler4RB")->text(), QString("4 player"));
        QCOMPARE(game->state().language(), quendra::Language::English);
        QTest::mouseClick(child<QPushButton>(dialog, "Canceloption"), Qt::LeftButton);
        QCOMPARE(game->state().language(), quendra::Language::German);
    }

    void aCapitalOfZeroIsRefusedAndFallsBack() {
        TOptionen dialog(*game);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        auto* capital = child<QSpinBox>(dialog, "SpKapital");
        typeOver(capital, "0");
        child<QCheckBox>(dialog, "Klickton")->setFocus();
        QCOMPARE(host->texts, (std::vector<std::string>{"Falscher Wertebereich (0-5000)!"}));
        QCOMPARE(capital->value(), 2000);
        QCOMPARE(dialog.model().controls.InitialCapital, 2000);

        // Letters are swallowed, "+" adds 100.
        QTest::keyClicks(capital, "x+");
        QCOMPARE(capital->value(), 2100);
    }

    void realModeConvertsTheCapitalAndThePieceValueSkipsThreeAndFour() {
        game->state().settings.PieceValue = 10;
        TOptionen dialog(*game);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        auto* capital = child<QSpinBox>(dialog, "SpKapital");
        auto* pieceValue = child<QSpinBox>(dialog, "Stuecklung");
        QVERIFY(!pieceValue->isEnabled());
        QTest::mouseClick(child<QRadioButton>(dialog, "RealButton"), Qt::LeftButton);
        QCOMPARE(capital->value(), 20000);
        QCOMPARE(capital->maximum(), 5000000);
        QVERIFY(pieceValue->isEnabled());
        pieceValue->setValue(3);
        QCOMPARE(pieceValue->value(), 5);
        QCOMPARE(capital->value(), 10000);
        QTest::mouseClick(child<QRadioButton>(dialog, "StueckButton"), Qt::LeftButton);
        QCOMPARE(capital->value(), 2000);
        QCOMPARE(capital->maximum(), 5000);
    }

    void okAppliesTheDelayAndTheManualTimeBarDisablesIt() {
        TOptionen dialog(*game);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        auto* delay = child<QSpinBox>(dialog, "Balkendauer");
        QTest::mouseClick(child<QCheckBox>(dialog, "ManuZeit"), Qt::LeftButton);
        QVERIFY(!delay->isEnabled());
        QTest::mouseClick(child<QCheckBox>(dialog, "ManuZeit"), Qt::LeftButton);
        QVERIFY(delay->isEnabled());
        typeOver(delay, "0");
        QTest::keyClick(delay, Qt::Key_Return);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(game->state().settings.TimeBarDelay, 0);
        QCOMPARE(game->state().TimeBarLimit, 1);
        QVERIFY(host->texts.empty());
    }
};

QTEST_MAIN(TestOptions)
#include "tst_options.moc"
