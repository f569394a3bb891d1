// The frequency window TForm_Haeufigkeit and the follow-number window TForm_FolgeZahlen over a
// known statistics store: every cell as the engine ranks it, ties and "*" included, on both
// tables and in both languages; the analysis source with its caption; copy and print.
#ifndef Q_MOC_RUN
#include "statistics/StatisticsExport.h"
#include "statistics/StatisticsTestSupport.h"
#include "statistics/TForm_FolgeZahlen.h"
#include "statistics/TForm_Haeufigkeit.h"
#include "statistics/TextGridView.h"
#endif

#include <QClipboard>
#include <QPrinter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

using quendra::Language;
using quendra::StatisticsSource;
using quendra::TableType;
using quendra::app::TextGridView;
using quendra::app::TForm_FolgeZahlen;
using quendra::app::TForm_Haeufigkeit;

Q_DECLARE_METATYPE(quendra::TableType)
Q_DECLARE_METATYPE(quendra::Language)

class TestRankings : public QObject {
    Q_OBJECT

private:
    QTemporaryDir folder;
    std::unique_ptr<quendra::apptest::TestHost> host;
    std::unique_ptr<quendra::Game> game;

    quendra::GameState& state() { return game->state(); }

    void setUpGame(TableType table, Language language) {
        quendra::apptest::loadTable(state(), table);
        state().settings.Language = quendra::languageIndex(language);
        // 5, 9 and 20 twice each, five numbers once: the ranks 4 to 8 tie at 1.
        quendra::apptest::countCoups(state(), {5, 9, 20, 5, 9, 20, 1, 2, 3, 4, 6});
        if (table == TableType::American) {
            quendra::apptest::countCoups(state(), {37, 5});
        }
    }

    // The analysis history 7, 17, a day separator, 7, 17: 17 follows 7 twice, across the day.
    void setUpAnalysis() {
        quendra::apptest::loadTable(state(), TableType::French);
        quendra::StatisticsStore& store = state().statistics;
        for (int code : {7, 17 + 50, int(quendra::DaySeparatorCode), 7, 17 + 50}) {
            quendra::Analysis_Append(store, static_cast<std::uint8_t>(code));
        }
        quendra::Analysis_Recount(store, state().table.PocketTable);
        state().permanence.analysis.AnalysisFileCount = 1;
        state().permanence.analysis.AnalysisFile = "JAN.SNP";
        // The game's own coups must not show through.
        quendra::apptest::countCoups(state(), {1, 2, 1, 2});
    }

    static TextGridView* grid(QWidget& window, const char* name) {
        return window.findChild<TextGridView*>(name);
    }

    static QString text(const std::string& s) { return QString::fromStdString(s); }

    QString printTitle(const QString& caption) {
        return caption + "  -  Französischer Tisch  -  07.03.2026";
    }

private slots:
    void init() {
        host = std::make_unique<quendra::apptest::TestHost>();
        host->clock = std::chrono::sys_days{std::chrono::year{2026} / 3 / 7};
        game = std::make_unique<quendra::Game>(*host);
    }

    void tables_data() {
        QTest::addColumn<TableType>("table");
        QTest::addColumn<Language>("language");
        QTest::newRow("French, German") << TableType::French << Language::German;
        QTest::newRow("American, English") << TableType::American << Language::English;
    }

    void frequencyGridShowsTheRankingWithItsTies_data() { tables_data(); }
    void frequencyGridShowsTheRankingWithItsTies() {
        QFETCH(TableType, table);
        QFETCH(Language, language);
        setUpGame(table, language);
        TForm_Haeufigkeit window(*game, StatisticsSource::Game);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        const quendra::FrequencyWindow model = quendra::frequencyWindow(
            state().statistics, StatisticsSource::Game, table, language, {});
        TextGridView* shown = grid(window, "Tabelle");
        QCOMPARE(shown->rowCount(), 9);
        QCOMPARE(shown->columnCount(), 9);
        for (int row = 0; row < 9; ++row) {
            for (int column = 0; column < 9; ++column) {
                QCOMPARE(shown->cellText(row, column),
                         text(model.cells[std::size_t(row)][std::size_t(column)]));
            }
        }
        const bool american = table == TableType::American;
        QCOMPARE(window.windowTitle(), american ? QString("Frequency") : QString("Häufigkeiten"));
        // Equal counts keep the exchange sort's order, not the numbers' order.
        const QStringList plein{shown->cellText(1, 1), shown->cellText(1, 2),
                                shown->cellText(1, 3)};
        QCOMPARE(plein, american ? QStringList({"5(3)", "9(2)", "20(2)"})
                                 : QStringList({"5(2)", "20(2)", "9(2)"}));
        QCOMPARE(shown->cellText(1, 8), QString("*"));
        QCOMPARE(shown->item(1, 0)->toolTip(), QString("häufigsten Pleins"));
        // Every grid cell is on screen, none cut off by the window.
        QVERIFY(window.rect().contains(shown->geometry()));
        QCOMPARE(shown->viewport()->size(), shown->cellsSize() - QSize(2, 2) * shown->frameWidth());
        QCOMPARE(window.findChild<QPushButton*>("Druck_Hae_Button")->text(),
                 american ? QString("&Print") : QString("&Druck"));
    }

    void followNumbersShowTheTopThreeOfEveryNumber_data() { tables_data(); }
    void followNumbersShowTheTopThreeOfEveryNumber() {
        QFETCH(TableType, table);
        QFETCH(Language, language);
        setUpGame(table, language);
        TForm_FolgeZahlen window(*game, StatisticsSource::Game);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        const quendra::FollowNumbersWindow model = quendra::followNumbersWindow(
            state().statistics, StatisticsSource::Game, table, language, {});
        const bool american = table == TableType::American;
        for (const auto& [name, lines] : {std::pair{"FirstTable", model.firstTable},
                                          std::pair{"SecondTable", model.secondTable}}) {
            TextGridView* shown = grid(window, name);
            QCOMPARE(shown->rowCount(), int(lines.size()) + 1);
            for (std::size_t i = 0; i < lines.size(); ++i) {
                const int row = int(i) + 1;
                QCOMPARE(shown->cellText(row, 0), text(lines[i].number));
                for (int rank = 1; rank <= 3; ++rank) {
                    QCOMPARE(shown->cellText(row, rank),
                             text(lines[i].followers[std::size_t(rank - 1)]));
                }
            }
        }
        TextGridView* second = grid(window, "SecondTable");
        QCOMPARE(second->height(), american ? 503 : 478);
        QCOMPARE(second->cellText(second->rowCount() - 1, 0),
                 american ? QString("00") : QString("36"));
        // 5 came after 20 (twice) and after 37; 9 twice after 5, the lower of the tied first.
        QCOMPARE(grid(window, "FirstTable")->cellText(1 + 5, 1), QString("9(2)"));
        QCOMPARE(window.windowTitle(),
                 american ? QString("Following Numbers") : QString("FolgeZahlen"));
        QVERIFY(window.rect().contains(second->geometry()));
    }

    void analysisSourceNamesTheFileAndReadsTheAnalysisHistory() {
        setUpAnalysis();
        TForm_FolgeZahlen follow(*game, StatisticsSource::Analysis);
        follow.show();
        QCOMPARE(follow.windowTitle(), QString("Permanenzdatei: JAN.SNP    FolgeZahlen"));
        QCOMPARE(follow.property("tag").toInt(), 2);
        // The day boundary does not break the chain: 7 follows 17 once.
        QCOMPARE(grid(follow, "FirstTable")->cellText(1 + 7, 1), QString("17(2)"));
        QCOMPARE(grid(follow, "FirstTable")->cellText(1 + 17, 1), QString("7(1)"));
        QCOMPARE(grid(follow, "FirstTable")->cellText(1 + 1, 1), QString());

        TForm_Haeufigkeit frequency(*game, StatisticsSource::Analysis);
        frequency.show();
        QCOMPARE(frequency.windowTitle(), QString("Permanenzdatei: JAN.SNP    Häufigkeiten"));
        QCOMPARE(grid(frequency, "Tabelle")->cellText(1, 1), QString("7(2)"));
        QCOMPARE(grid(frequency, "Tabelle")->cellText(1, 2), QString("17(2)"));
        QCOMPARE(grid(frequency, "Tabelle")->cellText(1, 3), QString());
    }

    void copyPutsTheFiguresOnTheClipboardAsTabSeparatedText() {
        setUpGame(TableType::American, Language::German);
        TForm_Haeufigkeit frequency(*game, StatisticsSource::Game);
        frequency.show();
        QApplication::clipboard()->clear();
        QTest::mouseClick(frequency.findChild<QPushButton*>("Kopieren_Hae_Button"), Qt::LeftButton);
        QCOMPARE(QApplication::clipboard()->text(),
                 text(quendra::tabSeparatedText(frequency.ranking())));
        QVERIFY(QApplication::clipboard()->text().contains("H-PL\t5(3)\t9(2)\t20(2)\t"));

        TForm_FolgeZahlen follow(*game, StatisticsSource::Game);
        follow.show();
        QTest::mouseClick(follow.findChild<QPushButton*>("Kopieren_FZ_Button"), Qt::LeftButton);
        QCOMPARE(QApplication::clipboard()->text(),
                 text(quendra::tabSeparatedText(follow.followNumbers())));
        QVERIFY(QApplication::clipboard()->text().endsWith("00\t5(1)\t\t\n"));
    }

    // "Druck" asks in the print dialog with the buttons hidden and prints below the header.
    void printButtonsPrintWhatThePrintDialogConfirms() {
        setUpGame(TableType::French, Language::German);
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        TForm_Haeufigkeit frequency(*game, StatisticsSource::Game, &printer);
        TForm_FolgeZahlen follow(*game, StatisticsSource::Game, &printer);
        const std::pair<QDialog*, const char*> windows[] = {{&frequency, "Druck_Hae_Button"},
                                                            {&follow, "Druck_FZ_Button"}};
        for (const auto& [window, button] : windows) {
            const QString pdf = folder.filePath(window->objectName() + ".pdf");
            printer.setOutputFileName(pdf);
            window->show();
            bool buttonsHidden = false;
            QTimer user;
            QObject::connect(&user, &QTimer::timeout, [&] {
                auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
                if (!dialog || dialog->objectName() != "PrintDialog1") {
                    return;
                }
                user.stop();
                buttonsHidden = !window->findChild<QPushButton*>(button)->isVisible();
                dialog->accept();
            });
            user.start(10);
            QTest::mouseClick(window->findChild<QPushButton*>(button), Qt::LeftButton);
            QVERIFY(buttonsHidden);
            QVERIFY(window->findChild<QPushButton*>(button)->isVisible());
            QCOMPARE(quendra::apptest::pdfPageCount(pdf), 1);
            QVERIFY2(quendra::apptest::pdfHasTitle(pdf, printTitle(window->windowTitle())),
                     qPrintable(window->objectName()));
        }
    }
};

QTEST_MAIN(TestRankings)
#include "tst_rankings.moc"
