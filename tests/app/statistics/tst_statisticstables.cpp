// The table window TStat2 over a known statistics store: every grid shows the engine's cells,
// bold marks and "-" cells at the engine's place on both tables and in both languages; the
// since-when-not and analysis views with their captions; copy as tab-separated text; printing.
#ifndef Q_MOC_RUN
#include "statistics/FigureGridView.h"
#include "statistics/FontTextMeasure.h"
#include "statistics/StatisticsExport.h"
#include "statistics/StatisticsTestSupport.h"
#include "statistics/TStat2.h"
#endif

#include <QClipboard>
#include <QLabel>
#include <QPrinter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

using quendra::HowOftenView;
using quendra::Language;
using quendra::TableType;
using quendra::app::FigureGridView;
using quendra::app::TStat2;

Q_DECLARE_METATYPE(quendra::TableType)
Q_DECLARE_METATYPE(quendra::Language)

class TestStatisticsTables : public QObject {
    Q_OBJECT

private:
    QTemporaryDir folder;
    std::unique_ptr<quendra::apptest::TestHost> host;
    std::unique_ptr<quendra::Game> game;

    quendra::GameState& state() { return game->state(); }

    void setUpGame(TableType table, Language language) {
        quendra::apptest::loadTable(state(), table);
        state().settings.Language = language == Language::German ? 0 : 1;
        // 17 three times, the zero four times: the zero leads, but outside the plein maximum.
        quendra::apptest::countCoups(state(), {17, 0, 5, 17, 0, 0, 17, 0, 20});
        if (table == TableType::American) {
            quendra::apptest::countCoups(state(), {37});
        }
    }

    // Every grid of the window shows what the engine's table model says, where it says.
    static void verifyShowsTheModel(const TStat2& window, const quendra::HowOftenTable& model) {
        for (const quendra::FigureGrid& expected : model.grids) {
            const QString name = QString::fromStdString(expected.name);
            auto* shown = window.findChild<FigureGridView*>(name);
            QVERIFY2(shown, qPrintable(name));
            QVERIFY2(shown->grid().cells == expected.cells, qPrintable(name));
            QCOMPARE(shown->isVisibleTo(&window), expected.visible);
            QCOMPARE(shown->geometry(), QRect(expected.rect.left, expected.rect.top,
                                              expected.rect.width, expected.rect.height));
            QCOMPARE(shown->property("tag").toInt(), expected.tag);
        }
        for (const quendra::PlacedText& heading : model.headings) {
            auto* label = window.findChild<QLabel*>(QString::fromStdString(heading.name));
            QVERIFY(label);
            QCOMPARE(label->text(), QString::fromStdString(heading.text));
            QCOMPARE(label->pos(), QPoint(heading.left, heading.top));
        }
        QCOMPARE(window.size(), QSize(model.window.width, model.window.height));
    }

    static QStringList boldCells(const TStat2& window) {
        QStringList bold;
        for (auto* grid : window.findChildren<FigureGridView*>()) {
            for (const quendra::FigureCell& cell : grid->grid().cells) {
                if (cell.bold) {
                    bold << grid->objectName() + ":" + QString::fromStdString(cell.label);
                }
            }
        }
        bold.sort();
        return bold;
    }

    static QString cellValue(const TStat2& window, const char* grid, int cell) {
        return QString::fromStdString(
            window.findChild<FigureGridView*>(grid)->grid().cells.at(cell).value);
    }

private slots:
    void init() {
        host = std::make_unique<quendra::apptest::TestHost>();
        // Printouts carry the date of the game's clock.
        host->clock = std::chrono::sys_days{std::chrono::year{2026} / 3 / 7};
        game = std::make_unique<quendra::Game>(*host);
    }

    void everyGridShowsTheEngineModel_data() {
        QTest::addColumn<TableType>("table");
        QTest::addColumn<Language>("language");
        QTest::addColumn<QString>("caption");
        QTest::newRow("French, German")
            << TableType::French << Language::German << "Wie oft? - Tabelle";
        QTest::newRow("American, English")
            << TableType::American << Language::English << "How often? - Table";
    }

    void everyGridShowsTheEngineModel() {
        QFETCH(TableType, table);
        QFETCH(Language, language);
        QFETCH(QString, caption);
        setUpGame(table, language);
        TStat2 window(*game, HowOftenView::GameHowOften);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(window.windowTitle(), caption);

        QFont font;
        font.setPointSize(11);
        font.setBold(true);
        const quendra::HowOftenTable model =
            quendra::howOftenTable(state().statistics, HowOftenView::GameHowOften, table, language,
                                   {}, quendra::app::FontTextMeasure(font),
                                   {TStat2::ButtonSize.width(), TStat2::ButtonSize.height()});
        verifyShowsTheModel(window, model);

        const bool american = table == TableType::American;
        QCOMPARE(cellValue(window, "Gesamt1", 0), american ? QString("10") : QString("9"));
        QCOMPARE(cellValue(window, "Zero0", 0), QString("4"));
        QCOMPARE(cellValue(window, "PleinT18", 16), QString("3"));
        // TP02 and CH03 do not exist on the American table.
        QCOMPARE(cellValue(window, "TraplT16", 1) == "-", american);
        QCOMPARE(cellValue(window, "ChevalT20", 2) == "-", american);
        QCOMPARE(window.findChild<FigureGridView*>("Zero00")->isVisible(), american);
        QCOMPARE(window.findChild<FigureGridView*>("TraplT16")->grid().cells.size(),
                 american ? 16U : 14U);
        // The zero leads but never takes part in the plein maximum: 17 is bold, alone.
        const QStringList bold = boldCells(window);
        QVERIFY(bold.contains("PleinT18:17"));
        QVERIFY(!bold.contains("Zero0:Zero"));
        QCOMPARE(bold.filter("Plein").size(), 1);
        // Column and dozen are bold by their own maxima: 5, 17 and 20 share the second column.
        QVERIFY(bold.contains("DutzII2:D II"));
        QVERIFY(bold.contains("KolII2:K II"));
        QCOMPARE(window.findChild<QPushButton*>("Druck_Tab_Button")->text(),
                 language == Language::German ? QString("&Druck") : QString("&Print"));
    }

    void sinceNotViewWithoutExtendedStatisticsShowsZerosEverywhere() {
        quendra::apptest::loadTable(state(), TableType::French);
        quendra::apptest::countCoups(state(), {3, 17, 29}, false);
        TStat2 window(*game, HowOftenView::GameSinceNot);
        window.show();
        QCOMPARE(window.windowTitle(), QString("Seit wann nicht? - Tabelle"));
        QVERIFY(boldCells(window).isEmpty());
        for (auto* grid : window.findChildren<FigureGridView*>()) {
            if (grid->objectName() == "Gesamt1") {
                // The total is always the coups counted.
                QCOMPARE(cellValue(window, "Gesamt1", 0), QString("3"));
                continue;
            }
            for (const quendra::FigureCell& cell : grid->grid().cells) {
                QVERIFY2(cell.value == "0", qPrintable(grid->objectName()));
            }
        }
    }

    void analysisViewNamesTheAnalysedFilesAndShowsTheirCounts() {
        quendra::apptest::loadTable(state(), TableType::French);
        quendra::StatisticsStore& store = state().statistics;
        for (std::uint8_t code :
             {std::uint8_t{7}, std::uint8_t{7 + 50}, quendra::DaySeparatorCode, std::uint8_t{7}}) {
            quendra::Analysis_Append(store, code);
        }
        quendra::Analysis_Recount(store, state().table.PocketTable);
        state().permanence.analysis.AnalysisFileCount = 2;
        state().permanence.analysis.FirstAnalysisFile = "JAN.SNP";
        state().permanence.analysis.LastAnalysisFile = "FEB.SNP";
        // The game's own counters must not show through.
        quendra::apptest::countCoups(state(), {1, 2});

        TStat2 window(*game, HowOftenView::AnalysisHowOften);
        window.show();
        QCOMPARE(window.windowTitle(),
                 QString("Permanenzdatein: JAN.SNP - FEB.SNP - Wie oft? - Tabelle"));
        QCOMPARE(cellValue(window, "Gesamt1", 0), QString("3"));
        QCOMPARE(cellValue(window, "PleinT18", 6), QString("3"));
        QCOMPARE(cellValue(window, "PleinT18", 0), QString("0"));
    }

    void copyPutsTheTableOnTheClipboardAsTabSeparatedText() {
        setUpGame(TableType::American, Language::German);
        TStat2 window(*game, HowOftenView::GameHowOften);
        window.show();
        QApplication::clipboard()->clear();
        QTest::mouseClick(window.findChild<QPushButton*>("Kopieren_Tab_Button"), Qt::LeftButton);
        const QString copied = QApplication::clipboard()->text();
        QCOMPARE(copied, QString::fromStdString(
                             quendra::tabSeparatedText(window.table(), Language::German)));
        QVERIFY(copied.contains("Gesamt\tZero\tDouble Zero\n10\t4\t1\n"));
    }

    // "Druck" asks in the print dialog, prints without the buttons and shows them again.
    void printButtonPrintsWhatThePrintDialogConfirms() {
        setUpGame(TableType::American, Language::English);
        const QString pdf = folder.filePath("dialog.pdf");
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        TStat2 window(*game, HowOftenView::GameHowOften, &printer);
        window.show();
        bool buttonsHidden = false;
        QTimer user;
        QObject::connect(&user, &QTimer::timeout, [&] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (!dialog || dialog == &window || dialog->objectName() != "PrintDialog1") {
                return;
            }
            user.stop();
            buttonsHidden = !window.findChild<QPushButton*>("OK_Tab_Button")->isVisible();
            dialog->accept();
        });
        user.start(10);
        QTest::mouseClick(window.findChild<QPushButton*>("Druck_Tab_Button"), Qt::LeftButton);
        QVERIFY(buttonsHidden);
        QVERIFY(window.findChild<QPushButton*>("OK_Tab_Button")->isVisible());
        QCOMPARE(quendra::apptest::pdfPageCount(pdf), 1);
        QVERIFY(quendra::apptest::pdfHasTitle(
            pdf, "How often? - Table  -  American table  -  2026-03-07"));
    }

    void printsEverySectionBelowTheHeaderPaginatingOnSmallPages() {
        setUpGame(TableType::French, Language::German);
        TStat2 window(*game, HowOftenView::GameHowOften);
        window.show();
        const QString pdf = folder.filePath("table.pdf");
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        printer.setPageSize(QPageSize(QPageSize::A4));
        QCOMPARE(window.print(printer), 1);
        QCOMPARE(quendra::apptest::pdfPageCount(pdf), 1);
        QVERIFY(quendra::apptest::pdfHasTitle(
            pdf, "Wie oft? - Tabelle  -  Französischer Tisch  -  07.03.2026"));
        // The buttons are not printed and come back afterwards.
        QVERIFY(window.findChild<QPushButton*>("OK_Tab_Button")->isVisible());

        // On a page too small for the whole table the sections continue on further pages.
        printer.setPageSize(QPageSize(QPageSize::A6));
        printer.setPageOrientation(QPageLayout::Landscape);
        const int pages = window.print(printer);
        QVERIFY(pages > 1);
        QCOMPARE(quendra::apptest::pdfPageCount(pdf), pages);
    }
};

QTEST_MAIN(TestStatisticsTables)
#include "tst_statisticstables.moc"
