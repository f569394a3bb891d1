// The day permanence window TTabelleTagperm over a known history: blocks, headings, cells and
// colours as the engine lays them out for the window's height, on both tables and in both
// languages; the scroll bar, the analysis caption, copy and print.
#ifndef Q_MOC_RUN
#include "statistics/DayPermanenceView.h"
#include "statistics/StatisticsExport.h"
#include "statistics/StatisticsTestSupport.h"
#include "statistics/TTabelleTagperm.h"
#endif

#include <QClipboard>
#include <QPrinter>
#include <QPushButton>
#include <QScrollArea>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

using quendra::Language;
using quendra::StatisticsSource;
using quendra::TableType;
using quendra::app::DayPermanenceView;
using quendra::app::TTabelleTagperm;

Q_DECLARE_METATYPE(quendra::TableType)
Q_DECLARE_METATYPE(quendra::Language)

class TestDayPermanence : public QObject {
    Q_OBJECT

private:
    QTemporaryDir folder;
    std::unique_ptr<quendra::apptest::TestHost> host;
    std::unique_ptr<quendra::Game> game;
    // A window this high holds blocks of four rows.
    static constexpr QSize FourRows{600, 246};

    quendra::GameState& state() { return game->state(); }

    // 12 coups and a day separator after the fourth: 13 entries.
    void setUpGame(TableType table, Language language) {
        quendra::apptest::loadTable(state(), table);
        state().settings.Language = quendra::languageIndex(language);
        const int last = table == TableType::American ? 37 : 32;
        quendra::apptest::countCoups(state(), {17, 0, 5, last});
        quendra::Permanenz_Append(state().statistics, quendra::DaySeparatorCode);
        state().permanence.load.SeparatorCount = 1;
        quendra::apptest::countCoups(state(), {1, 2, 3, 4, 6, 7, 8, 9});
    }

    // The window opens maximised; a test makes it a known size.
    static void showFourRows(TTabelleTagperm& window) {
        window.show();
        window.setWindowState(Qt::WindowNoState);
        window.resize(FourRows);
        QTRY_COMPARE(window.size(), FourRows);
    }

    static QColor pixel(DayPermanenceView* view, const QRect& cell) {
        return view->grab().toImage().pixelColor(cell.topLeft() + QPoint(2, 2));
    }

private slots:
    void init() {
        host = std::make_unique<quendra::apptest::TestHost>();
        host->clock = std::chrono::sys_days{std::chrono::year{2026} / 3 / 7};
        game = std::make_unique<quendra::Game>(*host);
        state().permanence.year.ProgramStartTime =
            std::chrono::sys_days{std::chrono::year{2026} / 3 / 7} +
            std::chrono::minutes(9 * 60 + 7);
    }

    void blocksShowTheHistoryInTheirColours_data() {
        QTest::addColumn<TableType>("table");
        QTest::addColumn<Language>("language");
        QTest::addColumn<QString>("caption");
        QTest::newRow("French, German") << TableType::French << Language::German
                                        << "Tagespermanenz vom Samstag, 7 März 2026 , 09:07";
        QTest::newRow("American, English") << TableType::American << Language::English
                                           << "Day permanence from Saturday, 7 March 2026 , 09:07";
    }

    void blocksShowTheHistoryInTheirColours() {
        QFETCH(TableType, table);
        QFETCH(Language, language);
        QFETCH(QString, caption);
        setUpGame(table, language);
        TTabelleTagperm window(*game, StatisticsSource::Game);
        showFourRows(window);
        QCOMPARE(window.windowTitle(), caption);

        DayPermanenceView* view = window.view();
        const auto entries =
            quendra::dayPermanenceEntries(state().statistics, StatisticsSource::Game, 1);
        const quendra::DayPermanenceLayout layout =
            quendra::dayPermanenceLayout(int(entries.size()), 10, {600, 206});
        const auto model = quendra::dayPermanenceBlocks(entries, layout);
        QCOMPARE(view->layout().rowsPerBlock, 4);
        QCOMPARE(view->blocks().size(), model.size());
        for (std::size_t k = 0; k < model.size(); ++k) {
            QCOMPARE(view->blocks()[k].heading, model[k].heading);
            QVERIFY(view->blocks()[k].rows == model[k].rows);
            QVERIFY(view->blocks()[k].redColumn == model[k].redColumn);
        }
        // 3R + 1 entries: four blocks, the last holding one row; the separator is not numbered.
        QStringList headings;
        for (const quendra::DayPermanenceBlock& block : view->blocks()) {
            headings << QString::fromStdString(block.heading);
        }
        QCOMPARE(headings, QStringList({"1 - 4", "5 - 7", "8 - 11", "12 - 12"}));
        QCOMPARE(view->blocks()[3].rows.size(), 1U);

        const quendra::DayPermanenceBlock& first = view->blocks()[0];
        QCOMPARE(pixel(view, view->cellRect(first, true, 1)), QColor(0, 128, 0)); // zero
        QCOMPARE(pixel(view, view->cellRect(first, false, 1)), QColor(0, 128, 0));
        QCOMPARE(pixel(view, view->cellRect(first, true, 0)), QColor(Qt::white)); // 17 is black
        QCOMPARE(QString::fromStdString(first.rows[0].black), QString("17"));
        const bool american = table == TableType::American;
        QCOMPARE(pixel(view, view->cellRect(first, true, 3)),
                 american ? QColor(0, 128, 0) : QColor(Qt::white));
        QCOMPARE(pixel(view, QRect(first.redHeader.left, first.redHeader.top, 1, 1)),
                 QColor(Qt::red));
        QCOMPARE(pixel(view, QRect(first.blackHeader.left, first.blackHeader.top, 1, 1)),
                 QColor(Qt::black));
        QCOMPARE(window.scrollArea()->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    }

    void noCoupsShowOneEmptyBlockAndALongHistoryScrolls() {
        quendra::apptest::loadTable(state(), TableType::French);
        {
            TTabelleTagperm empty(*game, StatisticsSource::Game);
            empty.setWindowState(Qt::WindowNoState);
            empty.resize(FourRows);
            QCOMPARE(empty.view()->blocks().size(), 1U);
            QVERIFY(empty.view()->blocks()[0].rows.empty());
            QVERIFY(empty.view()->blocks()[0].heading.empty());
        }
        for (int coup = 0; coup < 400; ++coup) {
            quendra::apptest::countCoups(state(), {coup % 37});
        }
        TTabelleTagperm window(*game, StatisticsSource::Game);
        showFourRows(window);
        QCOMPARE(window.view()->blocks().size(), 100U);
        QCOMPARE(window.scrollArea()->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        QCOMPARE(QString::fromStdString(window.view()->blocks().back().heading),
                 QString("397 - 400"));
    }

    void analysisShowsTheAnalysedHistoryUnderItsFileName() {
        quendra::apptest::loadTable(state(), TableType::French);
        state().settings.Language = quendra::languageIndex(Language::English);
        for (int code : {7, 17 + 50, int(quendra::DaySeparatorCode), 0}) {
            quendra::Analysis_Append(state().statistics, static_cast<std::uint8_t>(code));
        }
        state().permanence.analysis.AnalysisFileCount = 1;
        state().permanence.analysis.AnalysisFile = "JAN.SNP";
        quendra::apptest::countCoups(state(), {1, 2});
        TTabelleTagperm window(*game, StatisticsSource::Analysis);
        QCOMPARE(window.windowTitle(), QString("Permanence file: JAN.SNP"));
        QCOMPARE(window.property("tag").toInt(), 2);
        QCOMPARE(window.view()->blocks()[0].rows.size(), 4U);
        QCOMPARE(QString::fromStdString(window.view()->blocks()[0].heading), QString("1 - 3"));
    }

    void copyAndPrintTheWholeHistory() {
        setUpGame(TableType::French, Language::German);
        TTabelleTagperm window(*game, StatisticsSource::Game);
        showFourRows(window);
        QApplication::clipboard()->clear();
        QTest::mouseClick(window.findChild<QPushButton*>("Kopieren_TP_Button"), Qt::LeftButton);
        const QString copied = QApplication::clipboard()->text();
        QCOMPARE(copied, QString::fromStdString(quendra::tabSeparatedText(
                             window.windowTitle().toStdString(), window.view()->blocks())));
        QVERIFY(copied.contains("R\tN\n\t17\n0\t0\n5\t\n32\t\n--\t--\n1\t\n"));

        const QString pdf = folder.filePath("day.pdf");
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        QCOMPARE(window.print(printer), 1);
        QVERIFY(quendra::apptest::pdfHasTitle(pdf, window.windowTitle() +
                                                       "  -  Französischer Tisch  -  07.03.2026"));
    }
};

QTEST_MAIN(TestDayPermanence)
#include "tst_daypermanence.moc"
