// The main window: start-up with the settings and the table, error 7, the game commands on their
// keys, menus and buttons bound to the command model, the language at run time, the
// super-short game played in batches, the system-play menu with its first bets, the load menu
// feeding the game from a file, the statistics windows behind their menu entries and the
// tournament with its dialogs.
#include "MainWindowTest.h"
#include "common/QtSettingsStore.h"
#include "game/CommandState.h"
#include "game/MainMenu.h"
#include "game/SuperShortGame.h"
#include "main/MainWindow.h"
#include "main/TBalken.h"
#include "options/TOptionen.h"
#include "permanence/TLademenu.h"
#include "spin/SpinCycle.h"
#include "statistics/StatisticsMenu.h"
#include "systemplay/SystemPlayers.h"
#include "systemplay/TSystemspielmenu.h"
#include "tournament/ControlNumber.h"
#include "tournament/TournamentDialogs.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

using quendra::TextKind;
using quendra::app::MainWindow;
using quendra::app::TOptionen;
using quendra::app::TSystemspielmenu;

class TestMainWindow : public QObject {
    Q_OBJECT

private:
    QTemporaryDir home;
    int storeCount = 0;

    void copyWheelFiles() { QVERIFY(quendra::apptest::copyWheelFiles(home)); }

    std::unique_ptr<quendra::app::QtSettingsStore> freshStore() {
        return quendra::apptest::freshStore(home, storeCount);
    }

    static void startAndActivate(MainWindow& window) {
        QVERIFY(quendra::apptest::startAndActivate(window));
    }

    static QAction* action(MainWindow& window, const char* name) {
        return quendra::apptest::action(window, name);
    }

    // Every menu entry and button shows what the command model says.
    static void verifyBoundToTheCommandModel(MainWindow& window) {
        const quendra::CommandState commands = quendra::commandState(window.game().state());
        for (const quendra::MainMenuEntry& entry : quendra::MainMenuEntries) {
            const QString name =
                QString::fromLatin1(entry.objectName.data(), qsizetype(entry.objectName.size()));
            const quendra::CommandEntry state = quendra::menuEntryState(commands, entry.objectName);
            QAction* shown = action(window, name.toLatin1().constData());
            QVERIFY2(shown, qPrintable(name));
            QVERIFY2(shown->isVisible() == state.visible, qPrintable(name));
            // Qt disables a hidden action.
            QVERIFY2(shown->isEnabled() == (state.enabled && state.visible), qPrintable(name));
            QVERIFY2(shown->isChecked() == state.checked, qPrintable(name));
        }
        const std::pair<const char*, quendra::CommandEntry> buttons[] = {
            {"BU_ClearJetons", commands.BU_ClearJetons},
            {"BU_LastBet", commands.BU_LastBet},
            {"BU_Replay", commands.BU_Replay},
            {"BU_Superkurzspiel", commands.BU_Superkurzspiel},
        };
        for (const auto& [name, state] : buttons) {
            QCOMPARE(window.findChild<QPushButton*>(name)->isEnabled(), state.enabled);
        }
        QCOMPARE(window.findChild<QPushButton*>("BoGSSerie")->isEnabled(),
                 commands.extendedBets[0]);
        QCOMPARE(window.findChild<QPushButton*>("BoFinale")->isEnabled(), commands.extendedBets[3]);
    }

    // Answers the next modal dialog of the given kind by clicking the named button.
    template <typename Dialog>
    static void clickInNextDialog(QTimer& user, const char* buttonName, bool& seen) {
        QObject::connect(&user, &QTimer::timeout, [&user, buttonName, &seen] {
            auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
            if (!dialog || !dialog->isVisible()) {
                return;
            }
            user.stop();
            seen = true;
            QTest::mouseClick(dialog->template findChild<QPushButton*>(buttonName), Qt::LeftButton);
        });
        user.start(10);
    }

private slots:
    void init() { copyWheelFiles(); }

    void startsWithTheStoredTableAndStartScreenAndWritesTheSettingsBack() {
        auto store = freshStore();
        store->write("Einstellungen", "Tisch", "1");
        store->write("Einstellungen", "StartOFFVar", "0");
        MainWindow window(*store, home.path().toStdString());
        bool startScreenShown = false;
        QTimer watcher;
        QObject::connect(&watcher, &QTimer::timeout, [&startScreenShown] {
            for (QWidget* top : QApplication::topLevelWidgets()) {
                if (top->objectName() == "Tstart_bildschirm" && top->isVisible()) {
                    startScreenShown = true;
                    QMetaObject::invokeMethod(top, "accept", Qt::QueuedConnection);
                }
            }
        });
        watcher.start(10);
        window.show();
        QTRY_VERIFY(window.started());
        QVERIFY(startScreenShown);
        QCOMPARE(window.objectName(), QString("THaupt"));
        QCOMPARE(window.size(), QSize(978, 695));
        QVERIFY(!window.game().state().table.FrenchTable);
        QCOMPARE(window.game().state().table.PocketCount, 38);
        QCOMPARE(window.findChild<QWidget*>("board")->geometry(), MainWindow::BoardGeometry);
        QVERIFY(window.findChild<QWidget*>("wheel"));
        QVERIFY(window.findChild<QWidget*>("strip"));

        store->write("Einstellungen", "Tisch", "");
        window.close();
        QCOMPARE(store->read("Einstellungen", "Tisch"), std::optional<std::string>("1"));
    }

    void aMissingWheelFileShowsError7AndClosesTheWindow() {
        QVERIFY(QFile::remove(home.filePath("EIGENPR.VER")));
        auto store = freshStore();
        MainWindow window(*store, home.path().toStdString());
        window.setStartScreenAllowed(false);
        QString shown;
        QTimer watcher;
        QObject::connect(&watcher, &QTimer::timeout, [&shown] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                shown = box->text();
                box->accept();
            }
        });
        watcher.start(10);
        window.show();
        QTRY_VERIFY(!shown.isEmpty());
        QTRY_VERIFY(!window.isVisible());
        QVERIFY(!window.started());
        QVERIFY(shown.endsWith("EIGENPR.VER\nInterne Steuerdatei nicht vorhanden!"));
    }

    void f2StartsAndF12PausesAndResumesTheGame() {
        auto store = freshStore();
        MainWindow window(*store, home.path().toStdString());
        startAndActivate(window);
        const quendra::GameState& state = window.game().state();
        QCOMPARE(state.phase, TextKind::gkSpielstart);
        verifyBoundToTheCommandModel(window);
        QVERIFY(!window.findChild<QTimer*>("Spieltimer")->isActive());

        QTest::keyClick(&window, Qt::Key_F2);
        QCOMPARE(state.phase, TextKind::gkMakeBet);
        QVERIFY(window.findChild<QTimer*>("Spieltimer")->isActive());
        QVERIFY(!action(window, "Start1")->isEnabled());
        QVERIFY(action(window, "SpielEnde1")->isEnabled());
        verifyBoundToTheCommandModel(window);
        // The timer fills the time bar.
        auto* timeBar = window.findChild<quendra::app::TBalken*>("Spielablauf");
        QTRY_VERIFY(timeBar->progress() > 0);
        QCOMPARE(timeBar->maxValue(), state.TimeBarLimit);

        QTest::keyClick(&window, Qt::Key_F12);
        QCOMPARE(state.phase, TextKind::gkPause);
        QVERIFY(state.UserPause);
        QCOMPARE(window.windowTitle(), QString("Quendra (Pause)"));
        QVERIFY(action(window, "Pause")->isChecked());
        QVERIFY(!window.findChild<QTimer*>("Spieltimer")->isActive());
        verifyBoundToTheCommandModel(window);

        QTest::keyClick(&window, Qt::Key_F12);
        QCOMPARE(state.phase, TextKind::gkMakeBet);
        QCOMPARE(window.windowTitle(), QString("Quendra"));
        QVERIFY(!action(window, "Pause")->isChecked());
        window.close();
    }

    void theLanguageSwitchesMenusButtonsAndLabelsAtRunTime() {
        auto store = freshStore();
        MainWindow window(*store, home.path().toStdString());
        startAndActivate(window);
        QCOMPARE(action(window, "SpielEnde1")->text(), QString("Spiel Ende"));
        QCOMPARE(window.findChild<QPushButton*>("BoGSSerie")->text(), QString("große Serie"));

        window.game().state().settings.Language = 1;
        window.refresh();
        QCOMPARE(action(window, "SpielEnde1")->text(), QString("Stop Game"));
        QCOMPARE(action(window, "StatRcksetzung1")->text(), QString("Reset of statistics"));
        QCOMPARE(window.findChild<QPushButton*>("BU_ClearJetons")->text(), QString("Clear Jetons"));
        QCOMPARE(window.findChild<QPushButton*>("BU_LastBet")->text(), QString("Same bet"));
        QCOMPARE(window.findChild<QPushButton*>("BoGSSerie")->text(), QString("big series"));
        QCOMPARE(window.findChild<QLabel*>("LaSp2")->text(), QString("Player 2"));
        QCOMPARE(window.findChild<quendra::app::TBalken*>("Guthaben1")->spracheKind(),
                 quendra::Language::English);
        window.close();
    }

    void aClickOnAPlayersLabelSelectsHimUnlessHeSitsOut() {
        auto store = freshStore();
        store->write("Einstellungen", "Spieleranzahl", "2");
        MainWindow window(*store, home.path().toStdString());
        startAndActivate(window);
        auto* status2 = window.findChild<quendra::app::TBalken*>("Status2");
        QCOMPARE(status2->textKind(), TextKind::gkNone);
        QVERIFY(window.findChild<quendra::app::TBalken*>("Status4")->gesperrt());

        QTest::mouseClick(window.findChild<QLabel*>("LaSp2"), Qt::LeftButton);
        QCOMPARE(window.game().state().CurrentPlayer, 2);
        QCOMPARE(status2->textKind(), TextKind::gkAktiv);
        QCOMPARE(window.findChild<quendra::app::TBalken*>("B_T_Spieler_Info")->textKind(),
                 TextKind::gkSpieler2);

        QTest::mouseClick(window.findChild<QLabel*>("ShSp4"), Qt::LeftButton);
        QCOMPARE(window.game().state().CurrentPlayer, 2);
        window.close();
    }

    void theSuperShortGamePlaysItsCoupsInBatchesAndEndsAtItsTarget() {
        auto store = freshStore();
        MainWindow window(*store, home.path().toStdString());
        startAndActivate(window);
        QTest::keyClick(&window, Qt::Key_F2);
        quendra::Game& game = window.game();
        quendra::SuperShortGameOn(game, 500);
        window.refresh();
        QVERIFY(window.findChild<QLabel*>("SuperkurzAktivtext")->isVisible());
        QVERIFY(action(window, "Superkurzspiel")->isChecked());
        // 500 coups at one per 25 ms tick would take 12.5 s.
        QTRY_VERIFY_WITH_TIMEOUT(!game.state().superShortRunning(), 5000);
        QCOMPARE(game.state().statistics.StatHowOften[200], 500);
        QCOMPARE(game.state().phase, TextKind::gkMakeBet);
        QVERIFY(!window.findChild<QLabel*>("SuperkurzAktivtext")->isVisible());
        QCOMPARE(window.findChild<QLabel*>("B_Cups")->text(), QString("500"));
        window.close();
    }

    void aSystemActivatedByTheMenuPlacesItsFirstBetsThroughTheOneShotTimer() {
        auto store = freshStore();
        MainWindow window(*store, home.path().toStdString());
        startAndActivate(window);
        QTest::keyClick(&window, Qt::Key_F2);
        QVERIFY(QDir(home.path()).mkpath("SYSTEM"));
        QFile system(home.filePath("SYSTEM/EVEN.SYF"));
        QVERIFY(system.open(QIODevice::WriteOnly));
        system.write("ST:\r\nSZ EI1(1), EC03;\r\nAL:\r\nSZ EI1(1), EC03;\r\n");
        system.close();

        // The menu entry opens the menu modally; the user types the file and clicks OK.
        quendra::Game& game = window.game();
        bool pausedWhileOpen = false;
        QTimer user;
        QObject::connect(&user, &QTimer::timeout, [&] {
            auto* menu = qobject_cast<TSystemspielmenu*>(QApplication::activeModalWidget());
            if (!menu || !menu->isVisible()) {
                return;
            }
            user.stop();
            pausedWhileOpen = game.state().phase == TextKind::gkPause;
            auto* edit = menu->findChild<QLineEdit*>("Sp1SysFile");
            QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClicks(edit, "EVEN");
            QTest::keyClick(edit, Qt::Key_Return);
            QTest::mouseClick(menu->findChild<QPushButton*>("SystemfilemenuOK"), Qt::LeftButton);
        });
        user.start(10);
        action(window, "Systemspiel1")->trigger();
        QVERIFY(pausedWhileOpen);
        QCOMPARE(game.state().phase, TextKind::gkMakeBet);
        QVERIFY(game.state().player(1).sys.SystemActive);
        QTRY_VERIFY(!game.state().systemPlay.SystemSetTimerOn);
        QCOMPARE(game.state().player(1).BetSum, 1);
        // His files are reached by his number, though he is never the selected player.
        QVERIFY(action(window, "EditSP1")->isEnabled());
        QVERIFY(action(window, "EditSP1")->text().endsWith("EVEN.SYF"));
        QVERIFY(!action(window, "EditSP2")->isEnabled());
        window.close();
    }

    void theOptionsSwitchToEnglishAndTheAmericanTableAfterOk() {
        auto store = freshStore();
        MainWindow window(*store, home.path().toStdString());
        startAndActivate(window);
        QTest::keyClick(&window, Qt::Key_F2);
        quendra::Game& game = window.game();
        bool pausedWhileOpen = false;
        QTimer user;
        QObject::connect(&user, &QTimer::timeout, [&] {
            auto* dialog = qobject_cast<TOptionen*>(QApplication::activeModalWidget());
            if (!dialog || !dialog->isVisible()) {
                return;
            }
            user.stop();
            pausedWhileOpen = game.state().phase == TextKind::gkPause;
            auto* language = dialog->findChild<QComboBox*>("Sprache");
            language->setCurrentIndex(1);
            emit language->activated(1);
            QTest::mouseClick(dialog->findChild<QRadioButton*>("ArmiTischRA"), Qt::LeftButton);
            QTest::mouseClick(dialog->findChild<QPushButton*>("OKoption"), Qt::LeftButton);
        });
        user.start(10);
        QTest::keyClick(&window, Qt::Key_F3);
        QVERIFY(pausedWhileOpen);
        QCOMPARE(game.state().table.PocketCount, 38);
        QVERIFY(!game.state().settings.FrenchTable);
        QCOMPARE(game.state().phase, TextKind::gkMakeBet);
        window.refresh();
        QCOMPARE(action(window, "SpielEnde1")->text(), QString("Stop Game"));
        verifyBoundToTheCommandModel(window);
        window.close();
    }

    void theLoadMenuFeedsTheGameFromAFileAtItsFixStart() {
        auto store = freshStore();
        MainWindow window(*store, home.path().toStdString());
        startAndActivate(window);
        // A day of a casino table: a caption, then five coups a line.
        const std::vector<int> coups{17, 5, 32, 0, 14, 22, 9,  31, 6,  18, 27, 3,  36, 11, 0,
                                     25, 8, 13, 1, 20, 34, 29, 7,  16, 33, 4,  21, 2,  35, 10};
        QByteArray text = "Wiesbaden Tisch 1, Montag 2. Januar\r\n";
        for (std::size_t i = 0; i < coups.size(); ++i) {
            text += QByteArray::number(coups[i]) + (i % 5 == 4 ? "\r\n" : " ");
        }
        QVERIFY(QDir(home.path()).mkpath("SYSIN"));
        QFile file(home.filePath("SYSIN/TEST.INP"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(text);
        file.close();
        QTest::keyClick(&window, Qt::Key_F2);

        quendra::Game& game = window.game();
        bool pausedWhileOpen = false;
        QTimer user;
        QObject::connect(&user, &QTimer::timeout, [&] {
            auto* menu = qobject_cast<quendra::app::TLademenu*>(QApplication::activeModalWidget());
            if (!menu || !menu->isVisible()) {
                return;
            }
            user.stop();
            pausedWhileOpen = game.state().phase == TextKind::gkPause;
            auto* name = menu->findChild<QLineEdit*>("HaLafile");
            QTest::keyClick(name, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClicks(name, "TEST.INP");
            QTest::keyClick(name, Qt::Key_Return);
            QTest::mouseClick(menu->findChild<QRadioButton*>("FixRaBu"), Qt::LeftButton);
            auto* fix = menu->findChild<QLineEdit*>("FixRando");
            QTest::keyClick(fix, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClicks(fix, "6");
            QTest::keyClick(fix, Qt::Key_Return);
            QTest::mouseClick(menu->findChild<QPushButton*>("LaFileMenuOK"), Qt::LeftButton);
        });
        user.start(10);
        QTest::keyClick(&window, Qt::Key_F6);
        QVERIFY(pausedWhileOpen);
        auto* status = window.findChild<QLabel*>("Matrix_Status");
        QVERIFY(status->isVisible());
        QCOMPARE(status->text(), "Ladedatei: " + home.filePath("SYSIN/TEST.INP") + " (6)");

        // The first line is skipped whole; the game takes its coups from the file from then on.
        quendra::SuperShortGameOn(game, 10);
        QTRY_VERIFY_WITH_TIMEOUT(!game.state().superShortRunning(), 5000);
        std::vector<int> played;
        for (std::uint8_t code : game.state().statistics.gameHistory()) {
            played.push_back(quendra::CoupNumber(code).value_or(-1));
        }
        QVERIFY(played.size() >= 10);
        QCOMPARE(played, std::vector<int>(coups.begin() + 5,
                                          coups.begin() + 5 + std::ptrdiff_t(played.size())));
        window.close();
    }

    // Each table and graph entry, "Verlauf" and "Drucker ..." opens its window modally, the game
    // paused meanwhile and running again afterwards.
    void everyStatisticsEntryOpensItsWindowWithTheGamePaused() {
        auto store = freshStore();
        MainWindow window(*store, home.path().toStdString());
        startAndActivate(window);
        QTest::keyClick(&window, Qt::Key_F2);
        struct Opened {
            QString name;
            int tag = -1;
            bool paused = false;
        };
        const auto open = [&](const QString& entry) {
            Opened opened;
            QTimer user;
            QObject::connect(&user, &QTimer::timeout, [&] {
                QWidget* modal = QApplication::activeModalWidget();
                if (!modal || !modal->isVisible()) {
                    return;
                }
                user.stop();
                opened = {modal->objectName(), modal->property("tag").toInt(),
                          window.game().state().phase == TextKind::gkPause};
                QMetaObject::invokeMethod(modal, "reject", Qt::QueuedConnection);
            });
            user.start(10);
            action(window, entry.toLatin1().constData())->trigger();
            return opened;
        };
        const auto windowOf = [](quendra::StatisticsMenuAction kind) {
            switch (kind) {
            case quendra::StatisticsMenuAction::Table:
                return QString("TStat2");
            case quendra::StatisticsMenuAction::Graph:
                return QString("TStat1");
            case quendra::StatisticsMenuAction::Frequency:
                return QString("TForm_Haeufigkeit");
            case quendra::StatisticsMenuAction::FollowNumbers:
                return QString("TForm_FolgeZahlen");
            case quendra::StatisticsMenuAction::ExtendedBets:
                return QString("TErw_Setzung");
            case quendra::StatisticsMenuAction::WheelDistribution:
            case quendra::StatisticsMenuAction::DynamicWheelDistribution:
                return QString("TDispKesselS");
            case quendra::StatisticsMenuAction::DayPermanence:
                return QString("TTabelleTagperm");
            case quendra::StatisticsMenuAction::Submenu:
                break;
            }
            return QString();
        };
        // The analysis' entries are there once files are analysed.
        QVERIFY(!action(window, "Wieoft3")->isEnabled());
        window.game().state().permanence.analysis.analysisEntriesEnabled = true;
        window.refresh();
        for (const quendra::StatisticsMenuEntry& entry : quendra::StatisticsMenuEntries) {
            if (entry.action == quendra::StatisticsMenuAction::Submenu) {
                continue;
            }
            const QString name =
                QString::fromLatin1(entry.objectName.data(), qsizetype(entry.objectName.size()));
            const Opened opened = open(name);
            QCOMPARE(opened.name, windowOf(entry.action));
            QCOMPARE(opened.tag, entry.tag);
            QVERIFY2(opened.paused, qPrintable(name));
            QCOMPARE(window.game().state().phase, TextKind::gkMakeBet);
        }
        for (const quendra::StatisticsWindowEntry& entry : quendra::StatisticsWindowEntries) {
            const Opened opened = open(
                QString::fromLatin1(entry.objectName.data(), qsizetype(entry.objectName.size())));
            QCOMPARE(opened.name, windowOf(entry.action));
            QCOMPARE(opened.tag, entry.tag);
            QVERIFY(opened.paused);
        }
        QCOMPARE(open("Verlauf1").name, QString("TSpielerStat"));
        // "Drucker ..." sets up the printer the windows print on.
        const Opened printer = open("Drucker1");
        QCOMPARE(printer.name, QString("PrinterSetupDialog"));
        QVERIFY(printer.paused);
        // The submenus carry their captions in the language.
        QCOMPARE(action(window, "Seitwannnicht1")->text(), QString("Seit wann nicht?"));
        QCOMPARE(action(window, "Diagramm15")->text(), QString("Transversale Plein/Simple"));
        window.close();
    }

    void f10StopsARunningSuperShortGame() {
        auto store = freshStore();
        MainWindow window(*store, home.path().toStdString());
        startAndActivate(window);
        QTest::keyClick(&window, Qt::Key_F2);
        quendra::SuperShortGameOn(window.game(), 0);
        window.refresh();
        // Not waited for: a few batches reach the statistics' limit of 32000 coups and its box.
        QTest::keyClick(&window, Qt::Key_F10);
        QVERIFY(!window.game().state().superShortRunning());
        QCOMPARE(window.game().state().phase, TextKind::gkMakeBet);
        window.close();
    }

    void theTournamentRunsThroughItsDialogsWithinItsPeriod() {
        using namespace std::chrono;
        auto store = freshStore();
        MainWindow window(*store, home.path().toStdString());
        const system_clock::time_point inPeriod = sys_days{2003y / October / 20} + 21h + 5min;
        window.host().setClock([inPeriod] { return inPeriod; });
        startAndActivate(window);
        QVERIFY(action(window, "Turnierspielstarten1")->isVisible());
        QTest::keyClick(&window, Qt::Key_F2);
        quendra::Game& game = window.game();
        const quendra::Settings before = game.state().settings;

        bool seen = false;
        QTimer cancel;
        clickInNextDialog<quendra::app::TRoulette_Turnier>(cancel, "GewinnCancelButton", seen);
        action(window, "Turnierspielstarten1")->trigger();
        QVERIFY(seen);
        QVERIFY(!game.state().TournamentActive);
        QCOMPARE(game.state().settings.InitialCapital, before.InitialCapital);

        seen = false;
        QTimer start;
        clickInNextDialog<quendra::app::TRoulette_Turnier>(start, "GewinnStartButton", seen);
        action(window, "Turnierspielstarten1")->trigger();
        QVERIFY(game.state().TournamentActive);
        auto* status = window.findChild<QLabel*>("Matrix_Status");
        QVERIFY(status->isVisible());
        QCOMPARE(status->text(), QString("Turnierspiel aktiv! Noch 20 Wuerfe!"));
        verifyBoundToTheCommandModel(window);

        // The last throw shows the result to send in, its figures as the engine makes them.
        game.state().TournamentLeft = 1;
        seen = false;
        QString pieces, control, shownDate;
        QTimer result;
        QObject::connect(&result, &QTimer::timeout, [&] {
            auto* dialog =
                qobject_cast<quendra::app::TTurnierende*>(QApplication::activeModalWidget());
            if (!dialog || !dialog->isVisible()) {
                return;
            }
            result.stop();
            seen = true;
            pieces = dialog->findChild<QLabel*>("Stueckanzahl")->text();
            control = dialog->findChild<QLabel*>("Kontrollnummer")->text();
            shownDate = dialog->findChild<QLabel*>("DatumUhrzeit")->text();
            QTest::mouseClick(dialog->findChild<QPushButton*>("Button1"), Qt::LeftButton);
        });
        result.start(10);
        while (!quendra::SpieltimerTick(game)) {
        }
        QVERIFY(seen);
        QVERIFY(!game.state().TournamentActive);
        const std::int32_t capital = game.state().player(1).Capital;
        QCOMPARE(pieces, QString("%1 Stücke").arg(capital));
        QCOMPARE(shownDate, QString("20.10.2003 21:05:00"));
        QCOMPARE(control.toInt(), *quendra::controlNumber(shownDate.toStdString(), capital));
        window.refresh();
        QVERIFY(!status->isVisible());
        window.close();
    }

    void theTournamentEntriesStayHiddenOutsideItsPeriod() {
        auto store = freshStore();
        MainWindow window(*store, home.path().toStdString());
        const auto later = std::chrono::sys_days{std::chrono::year{2003} / 11 / 11};
        window.host().setClock([later] { return later; });
        startAndActivate(window);
        QVERIFY(!action(window, "Turnierspielstarten1")->isVisible());
        QVERIFY(!action(window, "Turnierspielstoppen1")->isVisible());
        window.close();
    }

    void aPlayerWithoutCapitalSeesOnlyTheLostDialog() {
        using namespace std::chrono;
        auto store = freshStore();
        MainWindow window(*store, home.path().toStdString());
        const system_clock::time_point inPeriod = sys_days{2003y / October / 9};
        window.host().setClock([inPeriod] { return inPeriod; });
        startAndActivate(window);
        QTest::keyClick(&window, Qt::Key_F2);
        bool started = false;
        QTimer start;
        clickInNextDialog<quendra::app::TRoulette_Turnier>(start, "GewinnStartButton", started);
        action(window, "Turnierspielstarten1")->trigger();
        QVERIFY(started);

        quendra::Game& game = window.game();
        game.state().player(1).Capital = 0;
        QStringList shown;
        QTimer user;
        QObject::connect(&user, &QTimer::timeout, [&] {
            QWidget* dialog = QApplication::activeModalWidget();
            if (!dialog || !dialog->isVisible()) {
                return;
            }
            shown << dialog->objectName();
            QTest::mouseClick(dialog->findChild<QPushButton*>("Button1"), Qt::LeftButton);
        });
        user.start(10);
        while (!quendra::SpieltimerTick(game)) {
        }
        user.stop();
        QCOMPARE(shown, QStringList{"TTurnierverloren"});
        QVERIFY(!game.state().TournamentActive);
        window.close();
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
