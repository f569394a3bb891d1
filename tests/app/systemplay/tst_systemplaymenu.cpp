// The system-play menu window: a typed system file activates its player and OK places his first
// bets, a protocol key for a player without a system is refused with warning 1, the groups of
// absent players are disabled, and the captions follow the language.
#ifndef Q_MOC_RUN
#include "AppTestGame.h"
#include "game/StartUp.h"
#include "systemplay/SystemPlayers.h"
#include "systemplay/SystemTurn.h"
#include "systemplay/TSystemspielmenu.h"
#endif

#include <QCheckBox>
#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

using quendra::app::TSystemspielmenu;

class TestSystemPlayMenu : public QObject {
    Q_OBJECT

private:
    QTemporaryDir folder;
    std::unique_ptr<quendra::apptest::TestHost> host;
    std::unique_ptr<quendra::Game> game;

    // Types the text over the whole content of the edit, as a user does after Ctrl+A.
    static void typeOver(QLineEdit* edit, const QString& text) {
        QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(edit, text);
    }

    template <typename Widget>
    static Widget* child(TSystemspielmenu& menu, const char* name) {
        auto* widget = menu.findChild<Widget*>(name);
        if (!widget) {
            qFatal("no %s", name);
        }
        return widget;
    }

private slots:
    void init() {
        host = std::make_unique<quendra::apptest::TestHost>();
        game = std::make_unique<quendra::Game>(*host);
        quendra::GameState& state = game->state();
        quendra::initialiseGameState(state, folder.path().toStdString());
        QVERIFY(quendra::ensureWorkFolders(folder.path().toStdString()));
        quendra::apptest::setUpBetting(*game, quendra::TableType::French);
        state.settings.PlayerCount = 2;
        quendra::installSystemPlay(*game);
        state.TimeBarLimit = 0;
        QFile system(folder.filePath("SYSTEM/EVEN.SYF"));
        QVERIFY(system.open(QIODevice::WriteOnly));
        system.write("ST:\r\nSZ EI1(1), EC03;\r\nAL:\r\nSZ EI1(1), EC03;\r\n");
    }

    void aTypedSystemFileActivatesThePlayerAndOkPlacesHisFirstBets() {
        TSystemspielmenu menu(*game);
        menu.show();
        QVERIFY(QTest::qWaitForWindowExposed(&menu));
        QCOMPARE(game->state().phase, quendra::TextKind::gkPause);
        QVERIFY(child<QGroupBox>(menu, "Spieler2")->isEnabled());
        QVERIFY(!child<QGroupBox>(menu, "Spieler3")->isEnabled());
        auto* edit = child<QLineEdit>(menu, "Sp1SysFile");
        auto* box = child<QCheckBox>(menu, "Sp1SysAktiv");
        QCOMPARE(edit->text(), QString("none"));

        typeOver(edit, "EVEN");
        QTest::keyClick(edit, Qt::Key_Return);
        QCOMPARE(edit->text(), QString("EVEN.SYF"));
        QVERIFY(box->isChecked());
        QVERIFY(game->state().player(1).sys.SystemActive);
        // One more character drops the assignment at once.
        QTest::keyClick(edit, Qt::Key_X);
        QVERIFY(!box->isChecked());
        QVERIFY(game->state().player(1).sys.SystemFile.empty());
        QCOMPARE(edit->text(), QString("EVEN.SYFx"));
        typeOver(edit, "EVEN");
        QTest::keyClick(edit, Qt::Key_Enter);
        QVERIFY(box->isChecked());

        QTest::mouseClick(child<QPushButton>(menu, "SystemfilemenuOK"), Qt::LeftButton);
        QVERIFY(!menu.isVisible());
        QCOMPARE(menu.result(), int(QDialog::Accepted));
        QVERIFY(!menu.menu().open);
        QCOMPARE(game->state().phase, quendra::TextKind::gkMakeBet);
        QVERIFY(game->state().systemPlay.SystemSetTimerOn);
        quendra::SystemSetTimerTick(*game);
        QCOMPARE(game->state().player(1).BetSum, 1);
        QVERIFY(host->messages.empty());
    }

    void aProtocolForAPlayerWithoutASystemIsRefusedWithWarning1() {
        TSystemspielmenu menu(*game);
        menu.show();
        auto* edit = child<QLineEdit>(menu, "Sp2Outfile");
        QTest::keyClick(edit, Qt::Key_P);
        QCOMPARE(edit->text(), QString("none"));
        QTest::keyClick(edit, Qt::Key_Return);
        QCOMPARE(host->messages, (std::vector<int>{1, 1}));
        QCOMPARE(host->kinds, (std::vector<quendra::MessageKind>{quendra::MessageKind::Warning,
                                                                 quendra::MessageKind::Warning}));
        // The file dialog does not even open.
        bool dialogOpened = false;
        QTimer watcher;
        QObject::connect(&watcher, &QTimer::timeout, [&dialogOpened] {
            if (auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) {
                dialogOpened = true;
                dialog->reject();
            }
        });
        watcher.start(10);
        QTest::mouseDClick(edit, Qt::LeftButton);
        QVERIFY(!dialogOpened);
        QCOMPARE(host->messages, (std::vector<int>{1, 1, 1}));
        QVERIFY(!child<QCheckBox>(menu, "Sp2OutAktiv")->isChecked());
        QVERIFY(game->state().player(2).sys.ProtocolFile.empty());

        // Esc closes the menu without OK, and the game goes on.
        QTest::keyClick(edit, Qt::Key_Escape);
        QVERIFY(!menu.isVisible());
        QVERIFY(!menu.menu().open);
        QCOMPARE(game->state().phase, quendra::TextKind::gkMakeBet);
    }

    void theCaptionsFollowTheLanguageWhenTheMenuShows_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("group");
        QTest::addColumn<QString>("systemLabel");
        QTest::addColumn<QString>("protocolLabel");
        QTest::addColumn<QString>("active");
        QTest::newRow("German") << 0 << "Systemspielmenü"
                                << "Spieler 2"
                                << "Systemspieldatei"
                                << "Protokoll"
                                << "Aktiv";
        QTest::newRow("English") << 1 << "System game menu"
                                 << "Player 2"
                                 << "Systemgamefile"
                                 << "Protocol"
                                 << "Active";
    }

    void theCaptionsFollowTheLanguageWhenTheMenuShows() {
        QFETCH(int, language);
        // The language changes between two showings of the same window.
        game->state().settings.Language = 1 - language;
        TSystemspielmenu menu(*game);
        menu.show();
        menu.hide();
        game->state().settings.Language = language;
        menu.show();
        QTEST(menu.windowTitle(), "title");
        QTEST(child<QGroupBox>(menu, "Spieler2")->title(), "group");
        QTEST(child<QLabel>(menu, "Sp1SysLabel")->text(), "systemLabel");
        QTEST(child<QLabel>(menu, "Sp4OutLabel")->text(), "protocolLabel");
        QTEST(child<QCheckBox>(menu, "Sp3OutAktiv")->text(), "active");
        QCOMPARE(child<QPushButton>(menu, "Sp1SysReset")->text(), QString("Reset"));
        QCOMPARE(child<QPushButton>(menu, "SystemfileFullReset")->text(), QString("Full Reset"));
        QCOMPARE(child<QPushButton>(menu, "SystemfilemenuOK")->text(), QString("OK"));
    }
};

QTEST_MAIN(TestSystemPlayMenu)
#include "tst_systemplaymenu.moc"
