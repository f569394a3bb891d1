// The extended bets window TErw_Setzung over a known statistics store: every grid shows the
// engine's cells, bold marks and place on both tables and in both languages; the series grid
// only on the French table; copy and print.
#ifndef Q_MOC_RUN
#include "statistics/FigureGridView.h"
#include "statistics/FontTextMeasure.h"
#include "statistics/StatisticsExport.h"
#include "statistics/StatisticsTestSupport.h"
#include "statistics/TErw_Setzung.h"
#endif

#include <QClipboard>
#include <QLabel>
#include <QPrinter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

using quendra::Language;
using quendra::TableType;
using quendra::app::FigureGridView;
using quendra::app::TErw_Setzung;

Q_DECLARE_METATYPE(quendra::TableType)
Q_DECLARE_METATYPE(quendra::Language)

class TestExtendedBets : public QObject {
    Q_OBJECT

private:
    QTemporaryDir folder;
    std::unique_ptr<quendra::apptest::TestHost> host;
    std::unique_ptr<quendra::Game> game;

    quendra::GameState& state() { return game->state(); }

    void setUpGame(TableType table, Language language) {
        quendra::apptest::loadTable(state(), table);
        state().settings.Language = quendra::languageIndex(language);
        quendra::apptest::countCoups(state(), {0, 0, 32, 15, 26, 10, 10, 23});
        if (table == TableType::American) {
            quendra::apptest::countCoups(state(), {37});
        }
    }

    static QString cell(const TErw_Setzung& window, const char* grid, int index,
                        bool label = false) {
        const quendra::FigureCell& c =
            window.findChild<FigureGridView*>(grid)->grid().cells.at(std::size_t(index));
        return QString::fromStdString(label ? c.label : c.value);
    }

    static QStringList boldCells(const TErw_Setzung& window) {
        QStringList bold;
        for (auto* grid : window.findChildren<FigureGridView*>()) {
            for (const quendra::FigureCell& c : grid->grid().cells) {
                if (c.bold) {
                    bold << grid->objectName() + ":" + QString::fromStdString(c.label);
                }
            }
        }
        bold.sort();
        return bold;
    }

private slots:
    void init() {
        host = std::make_unique<quendra::apptest::TestHost>();
        host->clock = std::chrono::sys_days{std::chrono::year{2026} / 3 / 7};
        game = std::make_unique<quendra::Game>(*host);
    }

    void everyGridShowsTheEngineFigures_data() {
        QTest::addColumn<TableType>("table");
        QTest::addColumn<Language>("language");
        QTest::newRow("French, German") << TableType::French << Language::German;
        QTest::newRow("American, English") << TableType::American << Language::English;
    }

    void everyGridShowsTheEngineFigures() {
        QFETCH(TableType, table);
        QFETCH(Language, language);
        setUpGame(table, language);
        TErw_Setzung window(*game);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        QFont font;
        font.setPointSize(12);
        font.setBold(true);
        const quendra::ExtendedBetsWindow model = quendra::extendedBetsWindow(
            state().statistics.StatHowOften, state().table.PocketTable, table, language,
            quendra::app::FontTextMeasure(font),
            {TErw_Setzung::ButtonSize.width(), TErw_Setzung::ButtonSize.height()});
        for (const quendra::FigureGrid& expected : model.grids) {
            const QString name = QString::fromStdString(expected.name);
            auto* shown = window.findChild<FigureGridView*>(name);
            QVERIFY2(shown, qPrintable(name));
            QVERIFY2(shown->grid().cells == expected.cells, qPrintable(name));
            QCOMPARE(shown->isVisibleTo(&window), expected.visible);
            QCOMPARE(shown->geometry(), QRect(expected.rect.left, expected.rect.top,
                                              expected.rect.width, expected.rect.height));
        }
        for (const quendra::PlacedText& heading : model.headings) {
            auto* label = window.findChild<QLabel*>(QString::fromStdString(heading.name));
            QVERIFY(label);
            QCOMPARE(label->text(), QString::fromStdString(heading.text));
            QCOMPARE(label->pos(), QPoint(heading.left, heading.top));
        }
        QCOMPARE(window.size(), QSize(model.window.width, model.window.height));
        // Every button lies inside the window.
        for (auto* button : window.findChildren<QPushButton*>()) {
            QVERIFY2(window.rect().contains(button->geometry()), qPrintable(button->objectName()));
        }

        const bool american = table == TableType::American;
        QCOMPARE(window.windowTitle(),
                 american ? QString("Statistics over expand setpossibilitys")
                          : QString("Statistik der erweiterten Setzmöglichkeiten"));
        // The double zero counts to the final digit 0: 0, 0, 10, 10 (and 00).
        QCOMPARE(cell(window, "Finale", 0), american ? QString("5") : QString("4"));
        QVERIFY(boldCells(window).contains("Finale:0"));
        QCOMPARE(window.findChild<FigureGridView*>("GSKSORZS")->isVisible(), !american);
        const FigureGridView* high = window.findChild<FigureGridView*>("DN_19_36");
        QCOMPARE(QString::fromStdString(high->grid().cells.back().label),
                 american ? QString("00") : QString("36"));
        QCOMPARE(cell(window, "Gesamt", 0), american ? QString("9") : QString("8"));
        QCOMPARE(cell(window, "Gesamt", 0, true), american ? QString("Total") : QString("Gesamt"));
        QCOMPARE(window.findChild<QPushButton*>("Erw_Druck")->text(),
                 american ? QString("&Print") : QString("&Druck"));
    }

    void withoutCoupsNothingIsBold() {
        quendra::apptest::loadTable(state(), TableType::French);
        TErw_Setzung window(*game);
        window.show();
        QVERIFY(boldCells(window).isEmpty());
        QCOMPARE(cell(window, "EN_0_18", 0), QString("0"));
    }

    void copyAndPrintTheFigures() {
        setUpGame(TableType::French, Language::German);
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        const QString pdf = folder.filePath("extended.pdf");
        printer.setOutputFileName(pdf);
        TErw_Setzung window(*game, &printer);
        window.show();
        QApplication::clipboard()->clear();
        QTest::mouseClick(window.findChild<QPushButton*>("Erw_Kopieren"), Qt::LeftButton);
        QCOMPARE(QApplication::clipboard()->text(),
                 QString::fromStdString(quendra::tabSeparatedText(window.figures())));
        QVERIFY(QApplication::clipboard()->text().contains("GS\tKS\tOR\tZS\n"));

        bool buttonsHidden = false;
        QTimer user;
        QObject::connect(&user, &QTimer::timeout, [&] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (!dialog || dialog->objectName() != "PrintDialog1") {
                return;
            }
            user.stop();
            buttonsHidden = !window.findChild<QPushButton*>("Erw_OK")->isVisible();
            dialog->accept();
        });
        user.start(10);
        QTest::mouseClick(window.findChild<QPushButton*>("Erw_Druck"), Qt::LeftButton);
        QVERIFY(buttonsHidden);
        QVERIFY(window.findChild<QPushButton*>("Erw_OK")->isVisible());
        QCOMPARE(quendra::apptest::pdfPageCount(pdf), 1);
        QVERIFY(quendra::apptest::pdfHasTitle(
            pdf,
            "Statistik der erweiterten Setzmöglichkeiten  -  Französischer Tisch  -  07.03.2026"));
    }
};

QTEST_MAIN(TestExtendedBets)
#include "tst_extendedbets.moc"
