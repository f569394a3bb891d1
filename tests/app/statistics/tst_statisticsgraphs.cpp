// The graph window TStat1: every graph kind draws the engine's points, labels and titles with
// one value maximum on both charts, the speed buttons set the style of both charts, a type
// picked in the first chart goes to the second, and the charts print and save as pictures.
#ifndef Q_MOC_RUN
#include "statistics/StatisticsChart.h"
#include "statistics/StatisticsTestSupport.h"
#include "statistics/TStat1.h"
#endif

#include <QContextMenuEvent>
#include <QFile>
#include <QImage>
#include <QMenu>
#include <QPrinter>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>
#include <algorithm>
#include <memory>

using quendra::GraphKind;
using quendra::TableType;
using quendra::app::StatisticsChart;
using quendra::app::TStat1;

Q_DECLARE_METATYPE(quendra::TableType)

class TestStatisticsGraphs : public QObject {
    Q_OBJECT

private:
    QTemporaryDir folder;
    std::unique_ptr<quendra::apptest::TestHost> host;
    std::unique_ptr<quendra::Game> game;

    quendra::GameState& state() { return game->state(); }

    static StatisticsChart* chart(const TStat1& window, const char* name) {
        return window.findChild<StatisticsChart*>(name);
    }
    static QToolButton* button(const TStat1& window, const char* name) {
        return window.findChild<QToolButton*>(name);
    }

    static void verifyDraws(const StatisticsChart* shown, const quendra::GraphChart& expected,
                            double maximum) {
        QCOMPARE(shown->values(0),
                 QList<qreal>(expected.series.values.begin(), expected.series.values.end()));
        QStringList labels;
        for (const std::string& label : expected.series.labels) {
            labels << QString::fromStdString(label);
        }
        QCOMPARE(shown->labels(), labels);
        QCOMPARE(shown->title(0), QString::fromStdString(expected.valueTitle));
        QCOMPARE(shown->title(2), QString::fromStdString(expected.categoryTitle));
        QCOMPARE(shown->valueMaximum(), maximum);
        QCOMPARE(shown->valueMinimum(), 0.0);
    }

private slots:
    void init() {
        host = std::make_unique<quendra::apptest::TestHost>();
        // Printouts carry the date of the game's clock.
        host->clock = std::chrono::sys_days{std::chrono::year{2026} / 3 / 7};
        game = std::make_unique<quendra::Game>(*host);
    }

    void everyKindDrawsTheEngineGraph_data() {
        QTest::addColumn<int>("tag");
        QTest::addColumn<TableType>("table");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("lastLabelOfChart2");
        QTest::newRow("1 even chances")
            << 1 << TableType::French << "Einfache Chancen (EC01 - EC06) - Wie oft? - Graphik"
            << QString();
        QTest::newRow("22 analysis plein, American")
            << 22 << TableType::American << "Plein - Wie oft? - Graphik"
            << "00";
        QTest::newRow("13 since-when-not cheval, French")
            << 13 << TableType::French << "Cheval - Seit wann nicht? - Graphik"
            << "60";
        QTest::newRow("4 carre") << 4 << TableType::French << "Carres - Wie oft? - Graphik"
                                 << "23";
        QTest::newRow("25 analysis transversales")
            << 25 << TableType::American << "Transversale Plein/Simple - Wie oft? - Graphik"
            << "11";
    }

    void everyKindDrawsTheEngineGraph() {
        QFETCH(int, tag);
        QFETCH(TableType, table);
        QFETCH(QString, caption);
        QFETCH(QString, lastLabelOfChart2);
        quendra::apptest::loadTable(state(), table);
        quendra::apptest::countCoups(state(), {0, 17, 17, 36, 2, 37, 11});
        for (std::uint8_t code : {std::uint8_t{5}, std::uint8_t{5}, std::uint8_t{3}}) {
            quendra::Analysis_Append(state().statistics, code);
        }
        quendra::Analysis_Recount(state().statistics, state().table.PocketTable);
        const GraphKind kind = *quendra::graphKindFromTag(tag);

        TStat1 window(*game, kind);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const quendra::HowOftenGraph expected =
            quendra::howOftenGraph(state().statistics, kind, table, quendra::Language::German);
        QCOMPARE(window.windowTitle(), caption);
        verifyDraws(chart(window, "Chart1"), expected.chart1, expected.valueMaximum);
        QCOMPARE(chart(window, "Chart2")->isVisible(), expected.chart2.has_value());
        if (expected.chart2) {
            verifyDraws(chart(window, "Chart2"), *expected.chart2, expected.valueMaximum);
            QCOMPARE(chart(window, "Chart2")->labels().last(), lastLabelOfChart2);
            QCOMPARE(chart(window, "Chart2")->geometry().top(),
                     chart(window, "Chart1")->geometry().bottom() + 2);
        }
        QCOMPARE(window.property("tag").toInt(), tag);
    }

    void speedButtonsStyleBothCharts() {
        quendra::apptest::loadTable(state(), TableType::French);
        TStat1 window(*game, {quendra::HowOftenView::GameHowOften, quendra::GraphSection::Plein});
        window.show();
        auto* one = chart(window, "Chart1");
        auto* two = chart(window, "Chart2");
        // Bars at first, without vertical grid lines.
        QVERIFY(button(window, "Bar_Button")->isChecked());
        QVERIFY(!button(window, "Verti_Button")->isEnabled());
        QCOMPARE(one->chartType(), 2);

        QTest::mouseClick(button(window, "Eck_Button"), Qt::LeftButton);
        QVERIFY(button(window, "Verti_Button")->isEnabled());
        QVERIFY(!button(window, "Bar_Button")->isChecked());
        QTest::mouseClick(button(window, "Verti_Button"), Qt::LeftButton);
        QTest::mouseClick(button(window, "Hori_Button"), Qt::LeftButton);
        QCOMPARE(one->chartType(), 1);
        QCOMPARE(two->chartType(), 1);
        QCOMPARE(one->grid(), 3);
        QCOMPARE(two->grid(), 3);

        QTest::mouseClick(button(window, "Rund_Button"), Qt::LeftButton);
        QTest::mouseClick(button(window, "DreiD_Button"), Qt::LeftButton);
        QCOMPARE(two->chartType(), 3 + 256);

        // Bars release the vertical lines and keep the 3D look.
        QTest::mouseClick(button(window, "Bar_Button"), Qt::LeftButton);
        QVERIFY(!button(window, "Verti_Button")->isEnabled());
        QVERIFY(!button(window, "Verti_Button")->isChecked());
        QCOMPARE(one->grid(), 1);
        QCOMPARE(two->chartType(), 2 + 256);

        // The user picks "Linie" from the first chart's own menu.
        QTimer user;
        QObject::connect(&user, &QTimer::timeout, [&] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            if (!menu) {
                return;
            }
            user.stop();
            for (QAction* entry : menu->actions()) {
                if (entry->text() == "Linie") {
                    entry->trigger();
                }
            }
            menu->close();
        });
        user.start(10);
        QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(50, 50),
                                one->mapToGlobal(QPoint(50, 50)));
        QApplication::sendEvent(one, &click);
        QCOMPARE(one->chartType(), 1 + 256);
        QCOMPARE(two->chartType(), 1 + 256);
        QVERIFY(button(window, "Eck_Button")->isChecked());
        QVERIFY(!button(window, "Bar_Button")->isChecked());
        QVERIFY(button(window, "Verti_Button")->isEnabled());
    }

    // A course of 32000 coups is drawn from far fewer points, but keeps every peak where it was.
    void aLongCourseIsDrawnThinnedButWithItsPeaks() {
        QList<qreal> course(quendra::HistoryLimit);
        for (qsizetype k = 0; k < course.size(); ++k) {
            course[k] = static_cast<qreal>(k % 100);
        }
        course[12345] = 5000;
        course[20000] = -700;
        const QList<QPointF> drawn = StatisticsChart::drawnPoints(course, 1);
        QVERIFY(drawn.size() <= 2001);
        QVERIFY(drawn.contains(QPointF(12346, 5000)));
        QVERIFY(drawn.contains(QPointF(20001, -700)));
        QCOMPARE(drawn.first(), QPointF(1, 0));
        QCOMPARE(drawn.last(), QPointF(32000, 99));
        QVERIFY(std::is_sorted(drawn.begin(), drawn.end(),
                               [](QPointF a, QPointF b) { return a.x() < b.x(); }));
        // A short series is drawn as it is.
        QCOMPARE(StatisticsChart::drawnPoints({3, 1, 2}, 0),
                 (QList<QPointF>{{0, 3}, {1, 1}, {2, 2}}));
    }

    void chartsPrintBelowTheHeaderAndSaveAsPictures() {
        quendra::apptest::loadTable(state(), TableType::American);
        quendra::apptest::countCoups(state(), {1, 2, 3});
        TStat1 window(*game, {quendra::HowOftenView::GameHowOften, quendra::GraphSection::Cheval});
        window.show();
        const QString pdf = folder.filePath("graph.pdf");
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        const int pages = window.print(printer);
        QCOMPARE(pages, 1);
        QCOMPARE(quendra::apptest::pdfPageCount(pdf), pages);
        QVERIFY(quendra::apptest::pdfHasTitle(
            pdf, "Cheval - Wie oft? - Graphik  -  Amerikanischer Tisch  -  07.03.2026"));

        const QString picture = folder.filePath("chart.png");
        auto* one = chart(window, "Chart1");
        QVERIFY(one->savePicture(picture));
        QCOMPARE(QImage(picture).size(), one->size());
        const QString drawing = folder.filePath("chart.svg");
        QVERIFY(one->savePicture(drawing));
        QFile svg(drawing);
        QVERIFY(svg.open(QIODevice::ReadOnly));
        QVERIFY(svg.readAll().contains("<svg"));
        QVERIFY(!one->savePicture(folder.filePath("no such folder/chart.svg")));
        QVERIFY(!one->savePicture(folder.filePath("no such folder/chart.png")));
    }
};

QTEST_MAIN(TestStatisticsGraphs)
#include "tst_statisticsgraphs.moc"
