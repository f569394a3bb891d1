// The Systemtest window over the engine's session runner and the figures it computes.
#include "statistics/TSystemtest.h"

#include "common/AppText.h"
#include "sessions/SessionHost.h"
#include "sessions/SessionRunner.h"
#include "sessions/SystemtestView.h"
#include "statistics/StatisticsChart.h"

#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QThread>
#include <QVBoxLayout>
#include <algorithm>
#include <random>
#include <thread>

namespace quendra::app {
namespace {

// Few enough that every bin keeps its label readable.
constexpr int HistogramBins = 20;
constexpr int HighestCoups = 1'000'000;

} // namespace

TSystemtest::TSystemtest(Game& game, QPrinter* printer, QWidget* parent)
    : QDialog(parent), game_(game), setup_(gameSessionSetup(game.state())), printer_(printer) {
    setObjectName("TSystemtest");
    const int capital = game.state().settings.InitialCapital;
    sessions_ = spinBox("Sessions", 1, 10'000'000, 2000);
    coups_ = spinBox("Coups", 1, HighestCoups, 1000);
    goal_ = spinBox("Goal", 0, 100'000'000, 2 * capital);
    // A seed of its own: drawing it from the game's generator would change the game's coups.
    seed_ = new QLineEdit(QString::number(std::random_device{}() % 1'000'000'000), this);
    seed_->setObjectName("Seed");
    const auto button = [this](const char* name) {
        auto* b = new QPushButton(this);
        b->setObjectName(name);
        return b;
    };
    start_ = button("StartButton");
    cancelButton_ = button("CancelButton");
    printButton_ = button("PrintButton");
    save_ = button("SaveButton");
    cancelButton_->setEnabled(false);
    progress_ = new QProgressBar(this);
    progress_->setObjectName("Progress");
    status_ = new QLabel(this);
    status_->setObjectName("Status");
    figures_ = new QTableWidget(this);
    figures_->setObjectName("Figures");
    figures_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    chart_ = new StatisticsChart(this);
    chart_->setObjectName("Chart");

    auto* fields = new QHBoxLayout;
    for (QWidget* w : {static_cast<QWidget*>(sessions_), static_cast<QWidget*>(coups_),
                       static_cast<QWidget*>(goal_), static_cast<QWidget*>(seed_)}) {
        auto* label = new QLabel(this);
        label->setObjectName(w->objectName() + "Label");
        label->setBuddy(w);
        fields->addWidget(label);
        fields->addWidget(w);
    }
    fields->addStretch();
    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {start_, cancelButton_, printButton_, save_}) {
        buttons->addWidget(b);
    }
    buttons->addWidget(progress_, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addLayout(buttons);
    layout->addWidget(status_);
    layout->addWidget(figures_, 5);
    layout->addWidget(chart_, 4);

    connect(start_, &QPushButton::clicked, this, &TSystemtest::StartButtonClick);
    connect(cancelButton_, &QPushButton::clicked, this, &TSystemtest::CancelButtonClick);
    connect(printButton_, &QPushButton::clicked, this, [this] {
        if (confirmPrint(this, printer_.printer())) {
            print(printer_.printer());
        }
    });
    connect(save_, &QPushButton::clicked, this, [this] {
        const QString file = QFileDialog::getSaveFileName(this, save_->text(), QString(),
                                                          "PNG (*.png);;JPEG (*.jpg);;BMP (*.bmp)");
        if (!file.isEmpty()) {
            chart_->savePicture(file);
        }
    });
    retranslate();
    status_->hide();
    resize(900, 900);
}

TSystemtest::~TSystemtest() {
    // The worker plays games that read the set-up of this window: it ends before the window.
    if (worker_) {
        cancel_ = true;
        worker_->wait();
        delete worker_;
    }
}

QSpinBox* TSystemtest::spinBox(const char* name, int lowest, int highest, int value) {
    auto* box = new QSpinBox(this);
    box->setObjectName(name);
    box->setRange(lowest, highest);
    box->setValue(value);
    return box;
}

void TSystemtest::retranslate() {
    const Language language = game_.state().language();
    const auto text = [language](const BilingualText& t) { return qText(t[language]); };
    setWindowTitle(text(SystemtestCaption));
    const std::pair<const char*, const BilingualText*> labels[] = {
        {"SessionsLabel", &SystemtestSessions},
        {"CoupsLabel", &SystemtestCoups},
        {"GoalLabel", &SystemtestGoal},
        {"SeedLabel", &SystemtestSeed},
    };
    for (const auto& [name, caption] : labels) {
        findChild<QLabel*>(name)->setText(text(*caption));
    }
    start_->setText(text(SystemtestStart));
    cancelButton_->setText(text(SystemtestCancel));
    printButton_->setText(text(SystemtestPrint));
    save_->setText(text(SystemtestSave));
    chart_->setLanguage(language);
}

void TSystemtest::StartButtonClick() {
    if (worker_) {
        return;
    }
    SessionBatch given;
    given.seed = seed_->text().toULongLong();
    given.count = static_cast<std::uint64_t>(sessions_->value());
    given.coups = coups_->value();
    if (goal_->value() > 0) {
        given.goal = goal_->value();
    }
    given.date = std::chrono::floor<std::chrono::days>(game_.host().now());
    // The first session's set-up here: it says whether anyone plays a system at all.
    SessionHost probeHost(given.date);
    const auto probe = gameSessions(setup_)(probeHost, sessionSeed(given.seed, 0));
    const SessionBatch batch = probe ? describeBatch(*probe, given) : given;
    const bool anySystem = std::find(batch.systemPlayers.begin(), batch.systemPlayers.end(),
                                     true) != batch.systemPlayers.end();
    if (!probe || !anySystem) {
        status_->setText(qText(SystemtestNoSystem[game_.state().language()]));
        status_->show();
        return;
    }
    status_->hide();
    cancel_ = false;
    done_ = 0;
    progress_->setRange(0, sessions_->value());
    progress_->setValue(0);
    start_->setEnabled(false);
    cancelButton_->setEnabled(true);
    SessionRunControl control;
    control.threads = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
    control.cancel = &cancel_;
    control.interval = std::chrono::milliseconds{100};
    control.progress = [this](std::uint64_t done) {
        done_ = done;
        QMetaObject::invokeMethod(
            this, [this] { progress_->setValue(static_cast<int>(done_)); }, Qt::QueuedConnection);
    };
    worker_ = QThread::create(
        [this, batch, control] { run_ = runSessions(batch, gameSessions(setup_), control); });
    connect(worker_, &QThread::finished, this, &TSystemtest::runFinished);
    worker_->start();
}

void TSystemtest::CancelButtonClick() {
    cancel_ = true;
}

void TSystemtest::runFinished() {
    worker_->deleteLater();
    worker_ = nullptr;
    start_->setEnabled(true);
    cancelButton_->setEnabled(false);
    progress_->setValue(static_cast<int>(run_.sessions.size()));
    showFigures();
    showHistogram();
    emit finished();
}

void TSystemtest::showFigures() {
    const Language language = game_.state().language();
    const std::vector<FigureRow> rows = figureRows(run_, language);
    const int players = static_cast<int>(run_.batch.startCapitals.size());
    figures_->clear();
    figures_->setRowCount(static_cast<int>(rows.size()));
    figures_->setColumnCount(players);
    QStringList columns;
    for (int p = 1; p <= players; ++p) {
        columns.append(qText(SystemtestPlayer[language]) + QString::number(p));
    }
    figures_->setHorizontalHeaderLabels(columns);
    QStringList captions;
    for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
        captions.append(qText(rows[r].caption));
        for (int c = 0; c < players; ++c) {
            auto* item = new QTableWidgetItem(qText(rows[r].cells[static_cast<std::size_t>(c)]));
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            figures_->setItem(r, c, item);
        }
    }
    figures_->setVerticalHeaderLabels(captions);
    figures_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    figures_->verticalHeader()->setDefaultSectionSize(20);
}

void TSystemtest::showHistogram() {
    const Language language = game_.state().language();
    const auto& systems = run_.batch.systemPlayers;
    const int player =
        static_cast<int>(std::find(systems.begin(), systems.end(), true) - systems.begin()) + 1;
    const HistogramView view = histogramView(run_, player, HistogramBins);
    chart_->setSeriesCount(2);
    chart_->setValues(0, QList<qreal>(view.counts.begin(), view.counts.end()));
    chart_->setValues(1, QList<qreal>(view.marks.begin(), view.marks.end()));
    QStringList labels;
    for (const std::string& label : view.labels) {
        labels.append(qText(label));
    }
    chart_->setLabels(labels);
    chart_->setLegend(0, qText(SystemtestPlayer[language]) + QString::number(player));
    chart_->setLegend(1, qText(SystemtestMarks[language]));
    chart_->setSeriesColour(0, QColor(0, 0, 160));
    chart_->setSeriesColour(1, QColor(220, 160, 0));
    chart_->setTitle(0, qText(SystemtestSessionsCount[language]));
    chart_->setTitle(2, qText(SystemtestResult[language]));
    const double tallest =
        view.counts.empty() ? 1.0 : *std::max_element(view.counts.begin(), view.counts.end());
    chart_->setValueRange(0, tallest);
    chart_->setDecimals(0);
    chart_->setChartType(2);
    chart_->redraw();
}

int TSystemtest::print(QPrinter& printer) {
    const QList<PrintBand> bands{
        widgetBand(this, figures_->geometry()),
        {QSizeF(chart_->size()),
         [this](QPainter& painter, const QRectF& target) { chart_->renderChart(painter, target); }},
    };
    return printBands(printer, printHeader(game_, SystemtestCaption[game_.state().language()]),
                      bands);
}

} // namespace quendra::app
