// The wheel distribution window TDispKesselS over a known statistics store: the ring's angles
// and radii, labels and quadrant sums as the engine computes them on both tables and in both
// languages, its colours on screen; the replay with its button states, delay and its end at the
// last stored coup; copy and print.
#ifndef Q_MOC_RUN
#include "statistics/StatisticsExport.h"
#include "statistics/StatisticsTestSupport.h"
#include "statistics/TDispKesselS.h"
#include "statistics/WheelDistributionView.h"
#endif

#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <memory>

using quendra::Language;
using quendra::StatisticsSource;
using quendra::TableType;
using quendra::app::TDispKesselS;
using quendra::app::WheelDistributionView;

Q_DECLARE_METATYPE(quendra::TableType)
Q_DECLARE_METATYPE(quendra::Language)

class TestWheelDistribution : public QObject {
    Q_OBJECT

private:
    QTemporaryDir folder;
    std::unique_ptr<quendra::apptest::TestHost> host;
    std::unique_ptr<quendra::Game> game;

    quendra::GameState& state() { return game->state(); }

    // 17 four times leads; the zero three times lies outside the scale; a day separator.
    void setUpGame(TableType table, Language language) {
        quendra::apptest::loadTable(state(), table);
        state().settings.Language = quendra::languageIndex(language);
        quendra::apptest::countCoups(state(), {17, 0, 17, 5, 0});
        quendra::Permanenz_Append(state().statistics, quendra::DaySeparatorCode);
        quendra::apptest::countCoups(state(), {17, 0, 17, 32});
        if (table == TableType::American) {
            quendra::apptest::countCoups(state(), {37, 37});
        }
    }

    static QString text(const std::string& s) { return QString::fromStdString(s); }

    static QString labelText(QWidget& window, const QString& name) {
        auto* label = window.findChild<QLabel*>(name);
        return label ? label->text() : QString("<no %1>").arg(name);
    }

    // The colour on screen at a radius along the middle of a segment.
    static QColor colourAt(TDispKesselS& window, const quendra::WheelSegment& segment, int radius) {
        const quendra::WheelPicture& picture = window.picture();
        const quendra::WheelPoint at =
            quendra::pointOnWheel(picture.centre.x, picture.centre.y, radius,
                                  (segment.startAngle + segment.endAngle) / 2);
        return window.findChild<WheelDistributionView*>()->grab().toImage().pixelColor(at.x, at.y);
    }

    static const quendra::WheelSegment& segmentOf(const TDispKesselS& window, int number) {
        for (const quendra::WheelSegment& segment : window.picture().segments) {
            if (segment.number == number) {
                return segment;
            }
        }
        qFatal("no segment");
    }

    QPushButton* button(QWidget& window, const char* name) {
        return window.findChild<QPushButton*>(name);
    }

private slots:
    void init() {
        host = std::make_unique<quendra::apptest::TestHost>();
        host->clock = std::chrono::sys_days{std::chrono::year{2026} / 3 / 7};
        game = std::make_unique<quendra::Game>(*host);
    }

    void staticRingShowsTheEngineFigures_data() {
        QTest::addColumn<TableType>("table");
        QTest::addColumn<Language>("language");
        QTest::newRow("French, German") << TableType::French << Language::German;
        QTest::newRow("American, English") << TableType::American << Language::English;
    }

    void staticRingShowsTheEngineFigures() {
        QFETCH(TableType, table);
        QFETCH(Language, language);
        setUpGame(table, language);
        TDispKesselS window(*game, StatisticsSource::Game, false);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        const quendra::CounterArray& counters = state().statistics.StatHowOften;
        const quendra::WheelPicture model = quendra::wheelPicture(
            state().table.PocketTable, table, counters, quendra::staticCounts(counters));
        const quendra::WheelPicture& shown = window.picture();
        QCOMPARE(shown.segments.size(), model.segments.size());
        QCOMPARE(shown.ringRadius, model.ringRadius);
        QCOMPARE(shown.backgroundRadius, 190);
        for (std::size_t i = 0; i < model.segments.size(); ++i) {
            QCOMPARE(shown.segments[i].number, model.segments[i].number);
            QCOMPARE(shown.segments[i].startAngle, model.segments[i].startAngle);
            QCOMPARE(shown.segments[i].endAngle, model.segments[i].endAngle);
            QCOMPARE(shown.segments[i].barRadius, model.segments[i].barRadius);
        }
        // The pockets start where the wheel picture's do.
        QCOMPARE(shown.segments[0].startAngle, quendra::pocketStartAngle(table, 1));
        QCOMPARE(WheelDistributionView::qtStartAngle(shown.segments[0]),
                 table == TableType::French ? -90.0 : -90.0 - 180.0 / 38);

        // 17 leads with the longest bar; 5 has a quarter of it; 1 none.
        QCOMPARE(segmentOf(window, 17).barRadius, 190);
        QCOMPARE(segmentOf(window, 5).barRadius, 48);
        QCOMPARE(colourAt(window, segmentOf(window, 17), 150), QColor(0, 255, 0));
        QCOMPARE(colourAt(window, segmentOf(window, 5), 40), QColor(0, 255, 0));
        QCOMPARE(colourAt(window, segmentOf(window, 5), 100), QColor(Qt::white));
        QCOMPARE(colourAt(window, segmentOf(window, 1), 100), QColor(Qt::white));
        QCOMPARE(colourAt(window, segmentOf(window, 1), 209), QColor(Qt::red));
        QCOMPARE(colourAt(window, segmentOf(window, 17), 209), QColor(Qt::black));
        QCOMPARE(colourAt(window, segmentOf(window, 0), 209), QColor(0, 128, 0));

        const bool american = table == TableType::American;
        const std::array<std::int64_t, 4> sums = model.quadrantSums;
        for (int q = 0; q < 4; ++q) {
            QCOMPARE(window.findChild<QLineEdit*>(QString("Q%1_Disp").arg(q + 1))->text(),
                     QString::number(sums[std::size_t(q)]));
            QCOMPARE(window.findChild<QLabel*>(QString("Label%1").arg(q + 1))->toolTip(),
                     text(std::string(quendra::quadrantHint(table, q + 1))));
        }
        // The zeros count in no quadrant.
        QCOMPARE(sums[0] + sums[1] + sums[2] + sums[3], 6);
        for (const quendra::PlacedText& label : quendra::numberLabels(counters, table)) {
            auto* shownLabel = window.findChild<QLabel*>(text(label.name));
            QVERIFY(shownLabel);
            QCOMPARE(shownLabel->text(), text(label.text));
            QCOMPARE(shownLabel->pos(), QPoint(label.left, label.top));
        }
        QCOMPARE(labelText(window, "DIZahl_0"), QString("0   = 3"));
        QCOMPARE(labelText(window, "DIZahl_17"), QString("17 = 4"));
        QCOMPARE(window.findChild<QLabel*>("DIZahl_37") != nullptr, american);
        QCOMPARE(labelText(window, "LAZahl_Anz"),
                 american ? QString("Total: 11") : QString("Gesamt: 9"));
        QVERIFY(!window.findChild<QLabel*>("AKZahl_Anz")->isVisible());
        QVERIFY(button(window, "BuDruck")->isVisible());
        QVERIFY(!button(window, "DynStartBu")->isVisible());
        QVERIFY(!window.findChild<QComboBox*>("DynTimer")->isVisible());
        QCOMPARE(window.windowTitle(),
                 american ? QString("Wheeldistribution") : QString("Kesselverteilung"));
        QCOMPARE(window.size(), QSize(630, 569));
    }

    void replayRunsToTheLastStoredCoupAndRestarts() {
        setUpGame(TableType::French, Language::German);
        TDispKesselS window(*game, StatisticsSource::Game, true);
        window.show();
        QVERIFY(button(window, "DynStartBu")->isVisible());
        QVERIFY(!button(window, "BuDruck")->isVisible());
        QCOMPARE(labelText(window, "AKZahl_Anz"), QString("Anzuzeigende: 9"));
        auto* delay = window.findChild<QComboBox*>("DynTimer");
        auto* timer = window.findChild<QTimer*>("StartDyn");
        QCOMPARE(delay->currentText(), QString("1000"));
        QCOMPARE(timer->interval(), 1000);
        delay->setCurrentIndex(0);
        QCOMPARE(timer->interval(), 1);
        // Bars start empty and grow towards the static scale.
        QCOMPARE(segmentOf(window, 17).barRadius, 0);

        QTest::mouseClick(button(window, "DynStartBu"), Qt::LeftButton);
        QCOMPARE(button(window, "DynStartBu")->text(), QString("Stop"));
        QTRY_COMPARE(button(window, "DynStartBu")->text(), QString("Start"));
        QVERIFY(!timer->isActive());
        QCOMPARE(window.replay().button(), quendra::WheelReplay::Button::Stopped);
        // Nine coups and the separator between them: the replay ends after the tenth entry.
        QCOMPARE(window.replay().position(), 11);
        QCOMPARE(window.replay().separators(), 1);
        QCOMPARE(labelText(window, "AKZahl_Anz"), QString("Anzuzeigende: 0"));
        QCOMPARE(segmentOf(window, 17).barRadius, 190);
        QCOMPARE(window.findChild<QLineEdit*>("Q1_Disp")->text(), QString("0"));

        // From the stopped state a click replays from the first entry again.
        QTest::mouseClick(button(window, "DynStartBu"), Qt::LeftButton);
        QCOMPARE(segmentOf(window, 17).barRadius, 0);
        QCOMPARE(labelText(window, "AKZahl_Anz"), QString("Anzuzeigende: 9"));
        QVERIFY(timer->isActive());
        QTest::mouseClick(button(window, "BuOK"), Qt::LeftButton);
        QVERIFY(!timer->isActive());
        QCOMPARE(window.replay().button(), quendra::WheelReplay::Button::Ready);
    }

    void delayAndAnEmptyHistory() {
        quendra::apptest::loadTable(state(), TableType::American);
        TDispKesselS window(*game, StatisticsSource::Game, true);
        window.show();
        auto* delay = window.findChild<QComboBox*>("DynTimer");
        auto* timer = window.findChild<QTimer*>("StartDyn");
        const std::pair<const char*, int> typed[] = {{"250", 250}, {"abc", 1000}, {"10", 10}};
        for (const auto& [entry, interval] : typed) {
            delay->setEditText(entry);
            QCOMPARE(timer->interval(), interval);
        }
        // Nothing to replay: the button does nothing and every bar is empty.
        QTest::mouseClick(button(window, "DynStartBu"), Qt::LeftButton);
        QVERIFY(!timer->isActive());
        QCOMPARE(button(window, "DynStartBu")->text(), QString("Start"));
        for (const quendra::WheelSegment& segment : window.picture().segments) {
            QCOMPARE(segment.barRadius, 0);
        }
    }

    void analysisCaptionAndCopyAndPrint() {
        setUpGame(TableType::French, Language::German);
        quendra::StatisticsStore& store = state().statistics;
        for (int code : {7, 7, 12}) {
            quendra::Analysis_Append(store, static_cast<std::uint8_t>(code));
        }
        quendra::Analysis_Recount(store, state().table.PocketTable);
        state().permanence.analysis.AnalysisFileCount = 1;
        state().permanence.analysis.AnalysisInfo = "Hamburg Tisch 1";
        TDispKesselS window(*game, StatisticsSource::Analysis, false);
        window.show();
        QCOMPARE(window.windowTitle(),
                 QString("Permanenzdatei-Info: Hamburg Tisch 1    Kesselverteilung"));
        QCOMPARE(labelText(window, "LAZahl_Anz"), QString("Gesamt: 3"));
        QCOMPARE(segmentOf(window, 7).barRadius, 190);

        QApplication::clipboard()->clear();
        QTest::mouseClick(button(window, "BuKopieren"), Qt::LeftButton);
        // Below the caption the copy says what the figures count.
        QCOMPARE(
            QApplication::clipboard()->text(),
            text(quendra::withAnalysisDescription(
                quendra::tabSeparatedText(window.windowTitle().toStdString(), window.picture(), 3,
                                          Language::German),
                StatisticsSource::Analysis, state().permanence.analysis, store, Language::German)));
        QVERIFY(QApplication::clipboard()->text().contains("\n7\t2\n"));

        const QString pdf = folder.filePath("wheel.pdf");
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        QCOMPARE(window.print(printer), 1);
        QVERIFY(quendra::apptest::pdfHasTitle(pdf, window.windowTitle() +
                                                       "  -  Französischer Tisch  -  07.03.2026"));
        QVERIFY(button(window, "BuOK")->isVisible());
    }
};

QTEST_MAIN(TestWheelDistribution)
#include "tst_wheeldistribution.moc"
