// The load menu window over real load files: captions in both languages, the file dialog's
// request, the lamps of the start values, start positions after OK, random attacks, a follow
// name moving forward, missing files, digits-only fields, the confirmation of a start-option
// change and its Cancel, the collect file, the resets and Escape.
#ifndef Q_MOC_RUN
#include "AppTestGame.h"
#include "game/StartUp.h"
#include "permanence/CoupReader.h"
#include "permanence/TLademenu.h"
#endif
#include "permanence/SignalLamp.h"

#include <QCheckBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

using quendra::Lamp;
using quendra::LoadStartMode;
using quendra::app::LoadFileRequest;
using quendra::app::SignalLamp;
using quendra::app::TLademenu;

Q_DECLARE_METATYPE(quendra::Lamp)

namespace {

// Answers the start-option question as a test says and keeps its texts.
class AnsweringHost : public quendra::apptest::TestHost {
public:
    bool askQuestion(const quendra::MessageBoxData& box) override {
        TestHost::askQuestion(box);
        questions.push_back(box.text);
        return answer;
    }
    bool answer = false;
    std::vector<std::string> questions;
};

// A load file of `coups` coups, `perLine` to a line, after a caption line; coup i is i % 37.
QByteArray numberedFile(int coups, int perLine = 1) {
    QByteArray text = "Montag 1. Januar\r\n";
    for (int i = 1; i <= coups; ++i) {
        text += QByteArray::number(i % 37);
        text += i % perLine == 0 || i == coups ? "\r\n" : " ";
    }
    return text;
}

} // namespace

class TestLoadMenu : public QObject {
    Q_OBJECT

private:
    QTemporaryDir folder;
    std::unique_ptr<AnsweringHost> host;
    std::unique_ptr<quendra::Game> game;
    std::unique_ptr<TLademenu> menu;

    template <typename Widget = QWidget>
    Widget* child(const QString& name) {
        auto* widget = menu->findChild<Widget*>(name);
        if (!widget) {
            qFatal("no %s", qPrintable(name));
        }
        return widget;
    }
    QLineEdit* edit(const QString& name) { return child<QLineEdit>(name); }
    QString text(const QString& name) { return edit(name)->text(); }
    Lamp lamp(const char* name) { return child<SignalLamp>(name)->lamp(); }

    QString write(const QString& name, const QByteArray& content) {
        const QString path = folder.filePath("SYSIN/" + name);
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly)) {
            qFatal("cannot write %s", qPrintable(path));
        }
        file.write(content);
        return path;
    }

    void open() {
        menu = std::make_unique<TLademenu>(*game);
        menu->show();
        QApplication::setActiveWindow(menu.get());
        QVERIFY(QTest::qWaitForWindowActive(menu.get()));
    }

    void type(const QString& field, const QString& typed) {
        QLineEdit* target = edit(field);
        target->setFocus();
        target->selectAll();
        QTest::keyClick(target, Qt::Key_Backspace);
        QTest::keyClicks(target, typed);
        QTest::keyClick(target, Qt::Key_Return);
    }

    void click(const QString& name) {
        QTest::mouseClick(child<QAbstractButton>(name), Qt::LeftButton);
    }

    // The next coup of the load files, as the spin cycle takes it.
    int nextCoup() {
        quendra::Table& table = game->state().table;
        const int steps = quendra::Get_Cup_of_Ladefile(*game, table.BallPocket);
        table.BallPocket = (table.BallPocket - 1 + steps) % table.PocketCount + 1;
        return table.ballNumber();
    }

    // A.INP of 300 coups as the main file and B.INP of 100 as follow file 1.
    void chooseTwoFiles() {
        write("A.INP", numberedFile(300));
        write("B.INP", numberedFile(100, 10));
        type("HaLafile", "A.INP");
        type("FoLaFile1", "B.INP");
    }

private slots:
    void init() {
        host = std::make_unique<AnsweringHost>();
        game = std::make_unique<quendra::Game>(*host, 11);
        quendra::initialiseGameState(game->state(), folder.path().toStdString());
        QVERIFY(quendra::ensureWorkFolders(folder.path().toStdString()));
        quendra::apptest::setUpBetting(*game, quendra::TableType::French);
    }

    void cleanup() { menu.reset(); }

    void captionsAndTheEmptyMenu_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<QStringList>("captions");
        QTest::newRow("German") << 0
                                << QStringList{"Lademenü",
                                               "Hauptladedatei",
                                               "Folgeladedatei",
                                               "Sammelladedatei",
                                               "Option",
                                               "Aktiv",
                                               "Datei 6:",
                                               "Zufall Start 1",
                                               "Zufall Start 2",
                                               "bis",
                                               "max. Angriffe",
                                               "Dauer",
                                               "Pausemodus bei Ladedatei Ende"};
        QTest::newRow("English") << 1
                                 << QStringList{"Load menu",
                                                "Mainloadfile",
                                                "Followloadfile",
                                                "Collectloadfile",
                                                "Option",
                                                "Active",
                                                "File 6:",
                                                "Random Start 1",
                                                "Random Start 2",
                                                "to",
                                                "max. assaults",
                                                "Duration",
                                                "break modus on loadfile end"};
    }

    void captionsAndTheEmptyMenu() {
        QFETCH(int, language);
        QFETCH(QStringList, captions);
        game->state().settings.Language = language;
        open();
        const QStringList shown{
            menu->windowTitle(),
            child<QGroupBox>("GB_Hauptladedatei")->title(),
            child<QGroupBox>("GB_Folgeladedatei")->title(),
            child<QGroupBox>("GB_Sammelladedatei")->title(),
            child<QGroupBox>("GB_Option")->title(),
            child<QCheckBox>("SaLaAktiv1")->text(),
            child<QLabel>("LA_Datei6")->text(),
            child<QRadioButton>("RandomRaBu")->text(),
            child<QRadioButton>("RandomAngBu")->text(),
            child<QLabel>("LA_bis")->text(),
            child<QLabel>("LA_maxAngriffe")->text(),
            child<QLabel>("LA_Dauer")->text(),
            child<QCheckBox>("ChB_PauseonEnde")->text(),
        };
        QCOMPARE(shown, captions);
        QCOMPARE(child<QCheckBox>("HaLaAktiv")->text(), captions.at(5));
        QCOMPARE(child<QRadioButton>("NormalRaBu")->text(), QString("Normal Start"));
        QCOMPARE(child<QCheckBox>("ShortCup")->text(), QString("Shortcup"));
        QCOMPARE(child<QPushButton>("HaLaReset")->text(), QString("Reset"));

        // Nothing chosen: every name "none", the follow fields and start options off, lamps red.
        for (const char* name : {"HaLafile", "SaLaFile", "FoLaFile1", "FoLaFile6"}) {
            QCOMPARE(text(name), QString("none"));
        }
        QVERIFY(!edit("FoLaFile3")->isEnabled());
        QVERIFY(!child("FixRando")->isEnabled());
        QVERIFY(!child("RandomAngBu")->isEnabled());
        QVERIFY(child<QRadioButton>("NormalRaBu")->isChecked());
        QCOMPARE(child<QSpinBox>("maxAngRand")->minimum(), 1);
        QCOMPARE(child<QSpinBox>("maxAngRand")->maximum(), 50);
        for (const char* name : {"FixLed", "ZuRaLed", "ZuAnLed"}) {
            QCOMPARE(lamp(name), Lamp::Red);
        }
        QVERIFY(edit("HaLafile")->hasFocus());
    }

    void theFileDialogOpensInSysinWithTheLoadFileFilters() {
        const QString a = write("A.INP", numberedFile(300));
        const QString list = write("LIST.SNP", "A.INP\r\n");
        open();
        std::vector<LoadFileRequest> requests;
        QString answer = a;
        menu->setFileChooser([&](QWidget*, const LoadFileRequest& request) {
            requests.push_back(request);
            return answer;
        });
        QTest::mouseDClick(edit("HaLafile"), Qt::LeftButton);
        QCOMPARE(requests.size(), std::size_t{1});
        QCOMPARE(QDir(requests[0].folder), QDir(folder.filePath("SYSIN")));
        QCOMPARE(requests[0].filters, (QStringList{"Ladefile (*.INP)", "Sammeladefile (*.SNP)",
                                                   "Textfile (*.TXT)", "ALL (*.*)"}));
        QCOMPARE(requests[0].selectedFilter, 0);
        QCOMPARE(text("HaLafile"), QString("A.INP"));
        QCOMPARE(text("CupCounterHaupt"), QString("300"));
        QVERIFY(child<QCheckBox>("HaLaAktiv")->isChecked());
        QVERIFY(edit("FoLaFile1")->isEnabled());
        QCOMPARE(text("MaxRando"), QString("300"));
        QCOMPARE(text("maxDauRand"), QString("300"));
        QCOMPARE(lamp("FixLed"), Lamp::Green);
        QVERIFY(child<QPushButton>("LaFileMenuOK")->hasFocus());

        // A dialog left without a file changes nothing.
        answer.clear();
        QTest::mouseDClick(edit("FoLaFile2"), Qt::LeftButton);
        QCOMPARE(text("FoLaFile1"), QString("none"));
        QCOMPARE(text("FoLaFile2"), QString("none"));

        // The collect file's dialog offers its own filter first.
        answer = list;
        QTest::mouseDClick(edit("SaLaFile"), Qt::LeftButton);
        QCOMPARE(requests.back().selectedFilter, 1);
        QCOMPARE(text("SaLaFile"), QString("LIST.SNP"));
        QVERIFY(host->messages.empty());
    }

    void aMissingFileGetsItsErrorAndNothingElseChanges_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<int>("error");
        QTest::newRow("follow") << "FoLaFile2" << 9;
        QTest::newRow("collect") << "SaLaFile" << 11;
    }

    void aMissingFileGetsItsErrorAndNothingElseChanges() {
        QFETCH(QString, field);
        QFETCH(int, error);
        write("A.INP", numberedFile(300));
        open();
        type("HaLafile", "A.INP");
        type("FixRando", "7");
        type(field, "MISSING.INP");
        QCOMPARE(host->messages, std::vector<int>{error});
        QCOMPARE(text(field), QString("none"));
        QCOMPARE(text("HaLafile"), QString("A.INP"));
        QVERIFY(child<QCheckBox>("HaLaAktiv")->isChecked());
        QCOMPARE(text("FixRando"), QString("7"));
        QVERIFY(child<QRadioButton>("FixRaBu")->isChecked());
    }

    void aMissingMainFileGetsError8AndShowsNone() {
        open();
        type("HaLafile", "MISSING.INP");
        QCOMPARE(host->messages, std::vector<int>{8});
        QCOMPARE(text("HaLafile"), QString("none"));
        QVERIFY(!child<QCheckBox>("HaLaAktiv")->isChecked());
        QVERIFY(game->state().settings.MainLoadFile.empty());
        QVERIFY(edit("HaLafile")->hasFocus());
    }

    void theLampsTellWhetherAStartValueFitsTheFiles_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("lampName");
        QTest::addColumn<Lamp>("expected");
        // The shorter file has 100 coups, the longer 300.
        QTest::newRow("fix 100") << "FixRando"
                                 << "100"
                                 << "FixLed" << Lamp::Green;
        QTest::newRow("fix 200") << "FixRando"
                                 << "200"
                                 << "FixLed" << Lamp::YellowBlinking;
        QTest::newRow("fix 400") << "FixRando"
                                 << "400"
                                 << "FixLed" << Lamp::Red;
        QTest::newRow("random to 200") << "MaxRando"
                                       << "200"
                                       << "ZuRaLed" << Lamp::YellowBlinking;
        QTest::newRow("attacks of 50") << "maxDauRand"
                                       << "50"
                                       << "ZuAnLed" << Lamp::Green;
    }

    void theLampsTellWhetherAStartValueFitsTheFiles() {
        QFETCH(QString, field);
        QFETCH(QString, value);
        QFETCH(QString, lampName);
        QFETCH(Lamp, expected);
        open();
        chooseTwoFiles();
        QCOMPARE(text("CupCounterHaupt"), QString("300"));
        QCOMPARE(text("CupFolge1"), QString("100"));
        type(field, value);
        auto* shown = child<SignalLamp>(lampName);
        QCOMPARE(shown->lamp(), expected);
        QCOMPARE(shown->isBlinking(), expected == Lamp::YellowBlinking);
        if (expected == Lamp::YellowBlinking) {
            QTRY_VERIFY(!shown->isLit());
        }
        QVERIFY(host->questions.empty());
    }

    void anEmptyMaximumTakesTheLowestCount() {
        open();
        chooseTwoFiles();
        type("MinRando", "20");
        type("MaxRando", "");
        QCOMPARE(text("MaxRando"), QString("100"));
        QCOMPARE(text("MinRando"), QString("20"));
        QVERIFY(child<QRadioButton>("RandomRaBu")->isChecked());
        // A maximum below the minimum pulls it down.
        type("MaxRando", "10");
        QCOMPARE(text("MinRando"), QString("10"));
    }

    void okPositionsTheFileAtTheStartChosen_data() {
        QTest::addColumn<int>("perLine");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("value");
        QTest::addColumn<int>("firstCoup");
        QTest::addColumn<QString>("status");
        QTest::newRow("fix 1") << 1 << "FixRando"
                               << "1" << 1 << " (1)";
        QTest::newRow("fix 2, a coup a line") << 1 << "FixRando"
                                              << "2" << 2 << " (2)";
        QTest::newRow("fix 5, 20 coups a line") << 20 << "FixRando"
                                                << "5" << 21 << " (5)";
        QTest::newRow("random 30 to 30") << 1 << "random"
                                         << "30" << 30 << " (30)";
    }

    void okPositionsTheFileAtTheStartChosen() {
        QFETCH(int, perLine);
        QFETCH(QString, field);
        QFETCH(QString, value);
        QFETCH(int, firstCoup);
        QFETCH(QString, status);
        const QString a = write("A.INP", numberedFile(60, perLine));
        open();
        type("HaLafile", "A.INP");
        if (field == "random") {
            type("MinRando", value);
            type("MaxRando", value);
        } else {
            type(field, value);
        }
        click("LaFileMenuOK");
        QVERIFY(!menu->isVisible());
        QCOMPARE(menu->result(), int(QDialog::Accepted));
        QCOMPARE(QString::fromStdString(game->state().permanence.load.MatrixStatus),
                 "Ladedatei: " + a + status);
        QCOMPARE(nextCoup(), firstCoup % 37);
        QCOMPARE(nextCoup(), (firstCoup + 1) % 37);
    }

    void twoAttacksOfTenInAHundredPlayTheirStretches() {
        write("A.INP", numberedFile(100));
        open();
        type("HaLafile", "A.INP");
        click("RandomAngBu");
        child<QSpinBox>("maxAngRand")->setValue(2);
        // The length was cut to 100 / 2 with the count.
        QCOMPARE(text("maxDauRand"), QString("50"));
        type("maxDauRand", "10");
        click("LaFileMenuOK");
        const auto& plan = game->state().permanence.menu.options.plan;
        QCOMPARE(plan.attacks.size(), std::size_t{2});
        const std::int64_t first = plan.attacks[0].AttackStart;
        const std::int64_t second = plan.attacks[1].AttackStart;
        QVERIFY2(first >= 1 && first <= 39, qPrintable(QString::number(first)));
        QVERIFY2(second >= first + 10 && second <= 89, qPrintable(QString::number(second)));
        for (std::int64_t coup = first; coup < first + 10; ++coup) {
            QCOMPARE(nextCoup(), int(coup % 37));
        }
        QCOMPARE(nextCoup(), int(second % 37));
    }

    void aFollowNameTypedIntoSlotFourMovesIntoSlotTwo() {
        write("C.INP", numberedFile(40));
        open();
        chooseTwoFiles();
        type("FoLaFile4", "C.INP");
        QCOMPARE(text("FoLaFile2"), QString("C.INP"));
        QCOMPARE(text("CupFolge2"), QString("40"));
        QCOMPARE(text("FoLaFile4"), QString("none"));
        QCOMPARE(text("CupFolge4"), QString());
        QVERIFY(host->messages.empty());
    }

    void theNumberFieldsRefuseAnythingButDigits() {
        open();
        chooseTwoFiles();
        QLineEdit* fix = edit("FixRando");
        fix->setFocus();
        fix->selectAll();
        QTest::keyClicks(fix, "1a-2 .x");
        QCOMPARE(fix->text(), QString("12"));
        QTest::keyClick(fix, Qt::Key_Backspace);
        QCOMPARE(fix->text(), QString("1"));
        // Shortcuts still work.
        QTest::keyClick(fix, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(fix, "1");
        QCOMPARE(fix->text(), QString("1"));
        QTest::keyClicks(fix, "50");
        QTest::keyClick(fix, Qt::Key_Enter);
        QCOMPARE(game->state().permanence.menu.options.FixStartCoup, 150);
    }

    void cancelOnTheConfirmationKeepsTheStartOptions() {
        write("A.INP", numberedFile(300));
        open();
        type("HaLafile", "A.INP");
        click("ShortCup");
        click("ChB_PauseonEnde");
        click("LaFileMenuOK");
        QVERIFY(game->state().settings.ShortCup);
        QVERIFY(game->state().settings.PauseAtLoadEnd);
        // Reopened after the positioning, a change of the start options must be confirmed.
        open();
        QVERIFY(child<QRadioButton>("NormalRaBu")->isChecked());
        click("FixRaBu");
        QCOMPARE(host->questions,
                 std::vector<std::string>{
                     "Bei Startoptionenwechsel erfolgt ein Ladefile Zurücksetzung!"});
        QVERIFY(child<QRadioButton>("NormalRaBu")->isChecked());
        type("FixRando", "50");
        QCOMPARE(text("FixRando"), QString("1"));
        type("MaxRando", "20");
        QCOMPARE(text("MaxRando"), QString("300"));
        child<QSpinBox>("maxAngRand")->setValue(3);
        QCOMPARE(child<QSpinBox>("maxAngRand")->value(), 1);
        const auto& options = game->state().permanence.menu.options;
        QCOMPARE(options.StartMode, LoadStartMode::Normal);
        QCOMPARE(options.FixStartCoup, 1);
        QCOMPARE(options.RandomStartMax, 300);
        QCOMPARE(options.MaxAttacks, 1);

        // Confirmed once, further changes go through without asking.
        host->answer = true;
        host->questions.clear();
        edit("MinRando")->setFocus();
        QVERIFY(child<QRadioButton>("RandomRaBu")->isChecked());
        type("MinRando", "5");
        QCOMPARE(host->questions.size(), std::size_t{1});
        QCOMPARE(options.RandomStartMin, 5);
        QCOMPARE(options.StartMode, LoadStartMode::Random);
    }

    void theCollectFileFillsTheMainAndFollowFields() {
        write("A.INP", numberedFile(300));
        write("B.INP", numberedFile(100));
        write("LIST.SNP", "// the week\r\nA.INP\r\nB.INP\r\n");
        open();
        type("SaLaFile", "LIST.SNP");
        QCOMPARE(text("SaLaFile"), QString("LIST.SNP"));
        QCOMPARE(text("HaLafile"), QString("A.INP"));
        QVERIFY(child<QCheckBox>("HaLaAktiv")->isChecked());
        QCOMPARE(text("FoLaFile1"), QString("B.INP"));
        QCOMPARE(text("CupFolge1"), QString("100"));
        // Both names taken, the collect file has nothing left to refill.
        QVERIFY(!child<QCheckBox>("SaLaAktiv1")->isChecked());
        QCOMPARE(text("MaxRando"), QString("100"));

        click("SaLaReset");
        QCOMPARE(text("SaLaFile"), QString("none"));
        QCOMPARE(text("HaLafile"), QString("A.INP"));
        click("HaLaReset");
        for (const char* name : {"HaLafile", "FoLaFile1"}) {
            QCOMPARE(text(name), QString("none"));
        }
        QCOMPARE(text("CupCounterHaupt"), QString());
        QVERIFY(!child<QCheckBox>("HaLaAktiv")->isChecked());
        QVERIFY(!edit("FoLaFile1")->isEnabled());
        QCOMPARE(lamp("FixLed"), Lamp::Red);
        QVERIFY(edit("HaLafile")->hasFocus());
        QVERIFY(host->messages.empty());
    }

    void withASystemPlayerTheAttacksAreOffAndEscapeCloses() {
        write("A.INP", numberedFile(300));
        game->state().player(2).sys.SystemActive = true;
        game->state().settings.Language = 1;
        open();
        type("HaLafile", "A.INP");
        QVERIFY(child("FixRando")->isEnabled());
        QVERIFY(!child("RandomAngBu")->isEnabled());
        QVERIFY(!child("maxDauRand")->isEnabled());
        QCOMPARE(lamp("ZuAnLed"), Lamp::Red);
        QCOMPARE(child("ZuAnLed")->toolTip(), QString("Systemgame activ!"));

        edit("HaLafile")->setFocus();
        QTest::keyClick(edit("HaLafile"), Qt::Key_Escape);
        QVERIFY(!menu->isVisible());
        QCOMPARE(menu->result(), int(QDialog::Rejected));
    }
};

QTEST_MAIN(TestLoadMenu)
#include "tst_loadmenu.moc"
