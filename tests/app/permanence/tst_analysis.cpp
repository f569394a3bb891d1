// The analysis menu of the main window: "Datei laden ..." and "Datei addieren ..." on single
// files and lists through the file dialog `MCheckFile`, their boxes, the entries they tick and
// enable, and every analysis statistics window showing the loaded figures with the line that
// says what they count.
#include "MainWindowTest.h"
#include "game/GameState.h"
#include "permanence/AnalysisEntries.h"
#include "statistics/DayPermanenceView.h"
#include "statistics/StatisticsMenu.h"
#include "statistics/StatisticsPrint.h"
#include "statistics/TStat1.h"
#include "statistics/TStat2.h"
#include "statistics/TextGridView.h"

#include <QClipboard>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPrinter>
#include <QPushButton>
#include <functional>
#include <numeric>

using quendra::TextKind;
using quendra::app::FileDialogRequest;
using quendra::app::MainWindow;
using quendra::apptest::action;

namespace {

// A day of a casino table: its caption, then 20 coups, 17 four times and zero twice.
const QByteArray TableDay = "Spielbank Test, Tisch 1\r\n"
                            "17 5 32 0 14\r\n22 17 31 6 18\r\n27 3 17 11 0\r\n25 8 17 1 20\r\n";

// Closes every message box as it comes and keeps its text.
class BoxWatcher {
public:
    BoxWatcher() {
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                texts << box->text();
                box->accept();
            }
        });
        timer_.start(10);
    }
    QStringList texts;

private:
    QTimer timer_;
};

// What a window of the analysis showed while it was open.
struct Shown {
    QString window;
    QString caption;
    QString line; // the analysis' line, "-" without one
    QString figure;
};

// One figure each window shows of the 20 coups.
QString figureOf(QWidget* window) {
    using namespace quendra::app;
    if (auto* table = qobject_cast<TStat2*>(window)) {
        return QString::fromStdString(table->table().grid("Gesamt1")->cells[0].value);
    }
    if (auto* graph = qobject_cast<TStat1*>(window)) {
        double sum = std::accumulate(graph->graph().chart1.series.values.begin(),
                                     graph->graph().chart1.series.values.end(), 0.0);
        if (graph->graph().chart2) {
            sum = std::accumulate(graph->graph().chart2->series.values.begin(),
                                  graph->graph().chart2->series.values.end(), sum);
        }
        return QString::number(sum);
    }
    if (window->objectName() == "TForm_Haeufigkeit") {
        return window->findChild<TextGridView*>("Tabelle")->cellText(1, 1);
    }
    if (window->objectName() == "TForm_FolgeZahlen") {
        return window->findChild<TextGridView*>("FirstTable")->cellText(18, 1); // after 17
    }
    if (window->objectName() == "TDispKesselS") {
        return window->findChild<QLabel*>("LAZahl_Anz")->text();
    }
    if (auto* view = window->findChild<DayPermanenceView*>()) {
        int rows = 0;
        for (const quendra::DayPermanenceBlock& block : view->blocks()) {
            rows += static_cast<int>(block.rows.size());
        }
        return QString::number(rows);
    }
    return {};
}

} // namespace

class TestAnalysis : public QObject {
    Q_OBJECT

private:
    QTemporaryDir home;
    int storeCount = 0;

    QString write(const QString& name, const QByteArray& text) {
        const QString path = home.filePath("SYSIN/" + name);
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size()) {
            return {};
        }
        return path;
    }

    // The next file dialog answers with `file`; empty cancels it.
    static void choose(MainWindow& window, const QString& file) {
        window.analysisEntries().setFileChooser(
            [file](QWidget*, const FileDialogRequest&) { return file; });
    }

    // Opens the window behind the menu entry and reads it while it is open.
    static Shown open(MainWindow& window, const char* entry) {
        Shown shown;
        QTimer user;
        QObject::connect(&user, &QTimer::timeout, [&] {
            QWidget* modal = QApplication::activeModalWidget();
            if (!modal || !modal->isVisible() || qobject_cast<QMessageBox*>(modal)) {
                return;
            }
            user.stop();
            auto* line = modal->findChild<QLabel*>("AnalysisDescription");
            shown = {modal->objectName(), modal->windowTitle(),
                     line && line->isVisible() ? line->text() : QString("-"), figureOf(modal)};
            QMetaObject::invokeMethod(modal, "reject", Qt::QueuedConnection);
        });
        user.start(10);
        action(window, entry)->trigger();
        return shown;
    }

    static void verifyAnalysisEntries(MainWindow& window, bool loaded) {
        QCOMPARE(action(window, "LadeADatei")->isChecked(), loaded);
        QVERIFY(action(window, "LadeADatei")->isEnabled());
        for (const char* name :
             {"Dateiaddieren", "APermanenz1", "AStatistik1", "Wieoft3", "ADynKesselverteilung1"}) {
            QVERIFY2(action(window, name)->isEnabled() == loaded, name);
        }
    }

    const quendra::AnalysisState& analysis(MainWindow& window) {
        return window.game().state().permanence.analysis;
    }

private slots:
    void init() { QVERIFY(quendra::apptest::copyWheelFiles(home)); }

    void aLoadedFileShowsItsFiguresInEveryAnalysisWindow() {
        auto store = quendra::apptest::freshStore(home, storeCount);
        MainWindow window(*store, home.path().toStdString());
        QVERIFY(quendra::apptest::startAndActivate(window));
        verifyAnalysisEntries(window, false);
        const QString file = write("T1.INP", TableDay);
        QTest::keyClick(&window, Qt::Key_F2);
        FileDialogRequest asked;
        bool pausedInDialog = false;
        window.analysisEntries().setFileChooser([&](QWidget*, const FileDialogRequest& request) {
            asked = request;
            pausedInDialog = window.game().state().phase == TextKind::gkPause;
            return file;
        });
        BoxWatcher boxes;
        action(window, "LadeADatei")->trigger();
        QCOMPARE(asked.folder, home.filePath("SYSIN"));
        QCOMPARE(asked.filters, QStringList({"Ladefile (*.INP)", "Sammeladefile (*.SNP)",
                                             "Textfile (*.TXT)", "ALLE (*.*)"}));
        QCOMPARE(asked.selectedFilter, 0);
        QVERIFY(pausedInDialog);
        QCOMPARE(window.game().state().phase, TextKind::gkMakeBet);
        QVERIFY(!QGuiApplication::overrideCursor());
        QCOMPARE(boxes.texts, QStringList());
        QCOMPARE(analysis(window).AnalysisInfo, std::string("Spielbank Test, Tisch 1"));
        verifyAnalysisEntries(window, true);

        const QString line = "Datei: T1.INP  ·  Info: Spielbank Test, Tisch 1  ·  Coups 1–20";
        const QString named = "Permanenzdatei-Info: Spielbank Test, Tisch 1";
        const struct {
            const char* entry;
            const char* window;
            QString figure;
        } windows[] = {
            {"Wieoft3", "TStat2", "20"},
            {"AHaeufigkeit1", "TForm_Haeufigkeit", "17(4)"},
            {"AFolgezahlen1", "TForm_FolgeZahlen", "1(1)"},
            {"AKesselverteilung1", "TDispKesselS", "Gesamt: 20"},
            {"ADynKesselverteilung1", "TDispKesselS", "Gesamt: 20"},
            {"Diagramm21", "TStat1", "54"}, // three even chances for each of 18 coups
            {"Diagramm22", "TStat1", "20"},
            {"Diagramm23", "TStat1", ""},
            {"Diagramm24", "TStat1", ""},
            {"Diagramm25", "TStat1", ""},
            {"APermanenz1", "TTabelleTagperm", "20"},
        };
        for (const auto& expected : windows) {
            const Shown shown = open(window, expected.entry);
            QCOMPARE(shown.window, QString(expected.window));
            QVERIFY2(shown.line == line, qPrintable(shown.line));
            if (!expected.figure.isEmpty()) {
                QCOMPARE(shown.figure, expected.figure);
            }
            // The graphs name their section only; the line says what they count.
            if (shown.window != "TStat1") {
                QVERIFY2(shown.caption.startsWith(named), qPrintable(shown.caption));
            }
        }
        // The game's windows need no such line.
        QCOMPARE(open(window, "Wieoft1").line, QString("-"));
        // A printout says it below its header line.
        const QString header = quendra::app::printHeader(window.game(), "Wie oft? - Tabelle",
                                                         quendra::StatisticsSource::Analysis);
        QCOMPARE(header.section('\n', 1), line);
        quendra::app::TStat2 table(window.game(), quendra::HowOftenView::AnalysisHowOften);
        table.show();
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(home.filePath("analysis.pdf"));
        QCOMPARE(table.print(printer), 1);
        // So does the copied table.
        QTest::mouseClick(table.findChild<QPushButton*>("Kopieren_Tab_Button"), Qt::LeftButton);
        QCOMPARE(QApplication::clipboard()->text().section('\n', 1, 1), line);
        table.close();

        window.game().state().settings.Language = 1;
        window.refresh();
        QCOMPARE(open(window, "Wieoft3").line,
                 QString("File: T1.INP  ·  Info: Spielbank Test, Tisch 1  ·  Coups 1–20"));
        window.close();
    }

    // The list names three files; the second is missing.
    void aListLoadsTheFilesItFindsAndTellsOfTheMissingOneOnce() {
        auto store = quendra::apptest::freshStore(home, storeCount);
        MainWindow window(*store, home.path().toStdString());
        QVERIFY(quendra::apptest::startAndActivate(window));
        write("A.INP", "Erster Tag\r\n1 2 3\r\n");
        write("C.INP", "Dritter Tag\r\n4 5\r\n");
        QFile::remove(home.filePath("SYSIN/B.INP"));
        choose(window, write("LIST.SNP", "// drei Tage\r\nA.INP\r\nB.INP\r\nC.INP\r\n"));
        BoxWatcher boxes;
        action(window, "LadeADatei")->trigger();
        QCOMPARE(boxes.texts.size(), 1);
        QCOMPARE(boxes.texts[0],
                 "Ladedatei " + home.filePath("SYSIN/B.INP") +
                     "\n wurde nicht gefunden und wird nicht in die Analyse aufgenommen!");
        QCOMPARE(window.game().state().statistics.AnalysisHowOften[quendra::TotalSlot], 5);
        QCOMPARE(analysis(window).AnalysisFileCount, 2);
        verifyAnalysisEntries(window, true);
        const Shown shown = open(window, "AHaeufigkeit1");
        QCOMPARE(shown.line, QString("2 Dateien: A.INP bis C.INP  ·  Info: Dritter Tag  ·  "
                                     "Coups 1–5"));
        QVERIFY(shown.caption.startsWith("Permanenzdatein: A.INP - C.INP"));
        window.close();
    }

    // Loaded through the real dialog `MCheckFile`, which opens in SYSIN on the load files.
    void aFileAddedToTheLoadedOneFollowsItAndACancelChangesNothing() {
        auto store = quendra::apptest::freshStore(home, storeCount);
        MainWindow window(*store, home.path().toStdString());
        QVERIFY(quendra::apptest::startAndActivate(window));
        const QString first = write("T1.INP", TableDay);
        QString folder;
        QString filter;
        QTimer user;
        QObject::connect(&user, &QTimer::timeout, [&] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            if (!dialog || dialog->objectName() != "MCheckFile") {
                return;
            }
            user.stop();
            folder = dialog->directory().absolutePath();
            filter = dialog->selectedNameFilter();
            dialog->selectFile(first);
            QMetaObject::invokeMethod(dialog, "accept", Qt::QueuedConnection);
        });
        user.start(10);
        action(window, "LadeADatei")->trigger();
        QCOMPARE(folder, QDir(home.filePath("SYSIN")).absolutePath());
        QCOMPARE(filter, QString("Ladefile (*.INP)"));
        QCOMPARE(analysis(window).AnalysisFileCount, 1);

        choose(window, write("T2.INP", "Tisch 2\r\n7 7 --\r\n7\r\n"));
        action(window, "Dateiaddieren")->trigger();
        const quendra::StatisticsStore& statistics = window.game().state().statistics;
        QCOMPARE(statistics.AnalysisHowOften[quendra::TotalSlot], 23);
        QCOMPARE(statistics.AnalysisHowOften[7], 3);
        QCOMPARE(analysis(window).AnalysisFileCount, 2);
        QCOMPARE(analysis(window).FirstAnalysisFile, std::string("T1.INP"));
        QCOMPARE(analysis(window).LastAnalysisFile, std::string("T2.INP"));
        const QString line =
            "2 Dateien: T1.INP bis T2.INP  ·  Info: Tisch 2  ·  Coups 1–23 (1 Tageswechsel)";
        QCOMPARE(open(window, "Wieoft3").line, line);

        for (const char* entry : {"LadeADatei", "Dateiaddieren"}) {
            choose(window, QString());
            action(window, entry)->trigger();
        }
        QCOMPARE(statistics.AnalysisHowOften[quendra::TotalSlot], 23);
        QCOMPARE(open(window, "Wieoft3").line, line);
        window.close();
    }

    void aFileWithAnInvalidNumberUnticksAndDisablesTheEntries() {
        auto store = quendra::apptest::freshStore(home, storeCount);
        MainWindow window(*store, home.path().toStdString());
        QVERIFY(quendra::apptest::startAndActivate(window));
        choose(window, write("T1.INP", TableDay));
        action(window, "LadeADatei")->trigger();
        verifyAnalysisEntries(window, true);
        choose(window, write("BAD.INP", "Tisch 9\r\n5 40 6\r\n"));
        BoxWatcher boxes;
        action(window, "LadeADatei")->trigger();
        QCOMPARE(boxes.texts.size(), 1);
        QVERIFY2(boxes.texts[0].contains("ungültige Roulettezahl (40)"),
                 qPrintable(boxes.texts[0]));
        QVERIFY(!QGuiApplication::overrideCursor());
        verifyAnalysisEntries(window, false);
        window.close();
    }
};

QTEST_MAIN(TestAnalysis)
#include "tst_analysis.moc"
