// The main window: its controls, the commands behind them, the game timer and the refresh that
// shows the game state.
#include "main/MainWindow.h"

#include "bets/ClearBoard.h"
#include "bets/Placement.h"
#include "common/AppText.h"
#include "common/QtTranslations.h"
#include "game/CommandState.h"
#include "game/GameCommands.h"
#include "game/MainWindowTexts.h"
#include "game/PauseProtocol.h"
#include "game/PlayerPanel.h"
#include "game/StartUp.h"
#include "game/SuperShortGame.h"
#include "game/TournamentCommands.h"
#include "game/Version.h"
#include "help/HelpWindow.h"
#include "help/TAboutBox.h"
#include "main/BoardView.h"
#include "main/InfoPanelWidget.h"
#include "main/MainMenu.h"
#include "main/PermanenceStrip.h"
#include "main/PlayerPanelWidget.h"
#include "main/TBalken.h"
#include "main/Tstart_bildschirm.h"
#include "main/WheelView.h"
#include "options/TOptionen.h"
#include "permanence/AnalysisEntries.h"
#include "permanence/TKonvertierung.h"
#include "permanence/TLademenu.h"
#include "permanence/YearFile.h"
#include "settings/SettingsIo.h"
#include "spin/NumberPick.h"
#include "spin/SpinCycle.h"
#include "statistics/StatisticsMenu.h"
#include "statistics/TDispKesselS.h"
#include "statistics/TErw_Setzung.h"
#include "statistics/TForm_FolgeZahlen.h"
#include "statistics/TForm_Haeufigkeit.h"
#include "statistics/TSpielerStat.h"
#include "statistics/TStat1.h"
#include "statistics/TStat2.h"
#include "statistics/TSystemtest.h"
#include "statistics/TTabelleTagperm.h"
#include "systemplay/PlayerFileMenu.h"
#include "systemplay/SystemEditing.h"
#include "systemplay/SystemEditor.h"
#include "systemplay/SystemPlayers.h"
#include "systemplay/SystemTurn.h"
#include "systemplay/TSystemEDForm.h"
#include "systemplay/TSystemspielmenu.h"
#include "tournament/Tournament.h"

#include <QAction>
#include <QCloseEvent>
#include <QFileDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <algorithm>
#include <utility>

namespace quendra::app {
namespace {

constexpr int SpieltimerInterval = 25;
// The one-shot timer that places the first bets of newly activated system players.
constexpr int SystemSetTimerInterval = 10;
// Coups of the super-short game played between two looks at the clock.
constexpr int SuperShortTicksPerLook = 8;

constexpr int PanelLeft = 500;
constexpr int PanelWidth = 462;
constexpr QRect TimeBarGeometry{PanelLeft, 12, PanelWidth, 26};
constexpr QPoint PlayerPanelPosition{PanelLeft, 46};
constexpr QPoint InfoPanelPosition{PanelLeft, 200};
constexpr int ButtonLeft = 722;
constexpr int LabelLeft = 844;
constexpr int ButtonWidth = 116;
constexpr int ButtonHeight = 26;
constexpr int ButtonStep = 30;
constexpr int ButtonsTop = 200;
constexpr int ExtendedBetsTop = 396;
constexpr int ExtendedBetWidth = 102;
constexpr QRect MatrixStatusGeometry{PanelLeft, 640, PanelWidth, 22};
constexpr QRect SelNumDispGeometry{LabelLeft, ButtonsTop, ButtonWidth, 2 * ButtonStep - 4};

template <class View>
View* placeView(View* view, const char* name, QRect geometry) {
    view->setObjectName(name);
    view->setGeometry(geometry);
    return view;
}

QLabel* makeLabel(QWidget* parent, const char* name, QRect geometry) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setGeometry(geometry);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

// A label that reads like the display it stands for: coloured figures on black.
void styleDisplay(QLabel* label, const QColor& text, int pointSize) {
    label->setAutoFillBackground(true);
    QPalette colours = label->palette();
    colours.setColor(QPalette::Window, Qt::black);
    colours.setColor(QPalette::WindowText, text);
    label->setPalette(colours);
    QFont font = label->font();
    font.setBold(true);
    font.setPointSize(pointSize);
    label->setFont(font);
}

void bindButton(QPushButton* button, const CommandEntry& entry) {
    button->setEnabled(entry.enabled);
    button->setVisible(entry.visible);
}

} // namespace

MainWindow::MainWindow(SettingsStore& store, const std::filesystem::path& programFolder,
                       QWidget* parent)
    : QMainWindow(parent), store_(store), host_(this), game_(host_), spieltimer_(new QTimer(this)),
      printer_(std::make_unique<QPrinter>()) {
    setObjectName("THaupt");
    setWindowTitle(qText(ProductName));
    host_.setGame(&game_);
    initialiseGameState(game_.state(), programFolder);
    installSystemPlay(game_);
    menu_ = new MainMenu(menuBar());
    analysisEntries_ = std::make_unique<AnalysisEntries>(game_, this);
    auto* central = new QWidget(this);
    central->setObjectName("centralWidget");
    setCentralWidget(central);
    buildControls(central);
    connectCommands();
    spieltimer_->setObjectName("Spieltimer");
    spieltimer_->setInterval(SpieltimerInterval);
    connect(spieltimer_, &QTimer::timeout, this, &MainWindow::SpieltimerTimer);
    // Notices from the engine are gathered and shown together once control returns to the event
    // loop: after a command, a batch of super-short coups, or a step of the ball run.
    connect(&host_, &QtHost::stateChanged, this, &MainWindow::scheduleRefresh);
    resize(978, 695);
    refresh();
}

MainWindow::~MainWindow() {
    delete menu_;
}

void MainWindow::buildControls(QWidget* central) {
    board_ = placeView(new BoardView(game_, central), "board", BoardGeometry);
    wheel_ = placeView(new WheelView(game_, central), "wheel", WheelGeometry);
    strip_ = placeView(new PermanenceStrip(game_, central), "strip", StripGeometry);

    spielablauf_ = new TBalken(central);
    spielablauf_->setObjectName("Spielablauf");
    spielablauf_->setGeometry(TimeBarGeometry);
    spielablauf_->setForeColor(QColor(0, 0, 128));
    spielablauf_->setTextKind(TextKind::gkSpielstart);
    playerPanel_ = new PlayerPanelWidget(central);
    playerPanel_->move(PlayerPanelPosition);
    connect(playerPanel_, &PlayerPanelWidget::playerClicked, this,
            [this](int player) { command([this, player] { SelectPlayer(game_, player); }); });
    infoPanel_ = new InfoPanelWidget(central);
    infoPanel_->move(InfoPanelPosition);

    const auto buttonRow = [](int row) {
        return QRect(ButtonLeft, ButtonsTop + row * ButtonStep, ButtonWidth, ButtonHeight);
    };
    clearChips_ = makeButton(central, "BU_ClearJetons", buttonRow(0));
    lastBet_ = makeButton(central, "BU_LastBet", buttonRow(1));
    replay_ = makeButton(central, "BU_Replay", buttonRow(2));
    superShort_ = makeButton(central, "BU_Superkurzspiel", buttonRow(3));
    for (std::size_t i = 0; i < extendedBets_.size(); ++i) {
        const int column = static_cast<int>(i) / 4;
        const int row = static_cast<int>(i) % 4;
        extendedBets_[i] =
            makeButton(central, ExtendedBetButtons[i].objectName.data(),
                       {PanelLeft + column * (ExtendedBetWidth + 2),
                        ExtendedBetsTop + row * ButtonStep, ExtendedBetWidth, ButtonHeight});
        extendedBets_[i]->setProperty("tag", static_cast<int>(ExtendedBetButtons[i].tag));
        // "drei Nachbarn" and "three neighbours" fit the narrow buttons in a smaller type.
        QFont small = extendedBets_[i]->font();
        small.setPointSizeF(small.pointSizeF() * 0.9);
        extendedBets_[i]->setFont(small);
    }

    selNumDisp_ = makeLabel(central, "SelNumDisp", SelNumDispGeometry);
    styleDisplay(selNumDisp_, Qt::yellow, 22);
    replayActive_ = makeLabel(central, "ReplayAktivText",
                              {LabelLeft, ButtonsTop + 2 * ButtonStep, ButtonWidth, ButtonHeight});
    superShortActive_ =
        makeLabel(central, "SuperkurzAktivtext",
                  {LabelLeft, ButtonsTop + 3 * ButtonStep, ButtonWidth + 20, ButtonHeight});
    for (QLabel* active : {replayActive_, superShortActive_}) {
        QPalette colours = active->palette();
        colours.setColor(QPalette::WindowText, Qt::red);
        active->setPalette(colours);
        QFont bold = active->font();
        bold.setBold(true);
        active->setFont(bold);
    }
    replayActive_->installEventFilter(this);
    matrixStatus_ = makeLabel(central, "Matrix_Status", MatrixStatusGeometry);
    styleDisplay(matrixStatus_, QColor(255, 160, 0), 10);
}

QPushButton* MainWindow::makeButton(QWidget* parent, const char* name, QRect geometry) {
    auto* button = new QPushButton(parent);
    button->setObjectName(name);
    button->setGeometry(geometry);
    button->setFocusPolicy(Qt::NoFocus); // the keys + and - stay with the window
    return button;
}

void MainWindow::connectCommands() {
    const std::pair<const char*, void (MainWindow::*)()> handlers[] = {
        {"Start1", &MainWindow::Start1Click},
        {"Optionen1", &MainWindow::Optionen1Click},
        {"Ladefile1", &MainWindow::Ladefile1Click},
        {"LadeADatei", &MainWindow::LadeADateiClick},
        {"Dateiaddieren", &MainWindow::DateiaddierenClick},
        {"SpielEnde1", &MainWindow::SpielEnde1Click},
        {"Pause", &MainWindow::PauseClick},
        {"Turnierspielstarten1", &MainWindow::Turnierspielstarten1Click},
        {"Turnierspielstoppen1", &MainWindow::Turnierspielstoppen1Click},
        {"Replay1", &MainWindow::Replay1Click},
        {"Superkurzspiel", &MainWindow::SuperkurzspielClick},
        {"StatRcksetzung1", &MainWindow::StatRcksetzung1Click},
        {"Systemspiel1", &MainWindow::Systemspiel1Click},
        {"HilfeInhalt1", &MainWindow::HilfeInhalt1Click},
        {"Oeffnen1", &MainWindow::Oeffnen1Click},
        {"Neu1", &MainWindow::Neu1Click},
        {"Ladedatei1", &MainWindow::Ladedatei1Click},
        {"Jahr1", &MainWindow::Jahr1Click},
        {"Konvertierung1", &MainWindow::Konvertierung1Click},
        {"About1", &MainWindow::AboutClick},
        {"Drucker1", &MainWindow::Drucker1Click},
        {"Verlauf1", &MainWindow::Verlauf1Click},
        {"Systemtest1", &MainWindow::Systemtest1Click},
    };
    for (const auto& [name, handler] : handlers) {
        connect(menu_->action(name), &QAction::triggered, this, handler);
    }
    connect(menu_->action("Beenden1"), &QAction::triggered, this, &QWidget::close);
    connect(menu_->action("Hotminimized1"), &QAction::triggered, this, &QWidget::showMinimized);
    for (const StatisticsMenuEntry& entry : StatisticsMenuEntries) {
        QAction* action = menu_->action(qText(entry.objectName));
        const int tag = entry.tag;
        if (entry.action == StatisticsMenuAction::Table) {
            connect(action, &QAction::triggered, this,
                    [this, tag] { StatistikTabClick(static_cast<HowOftenView>(tag)); });
        } else if (entry.action == StatisticsMenuAction::Graph) {
            connect(action, &QAction::triggered, this, [this, tag] { Statistik1Click(tag); });
        } else if (entry.action != StatisticsMenuAction::Submenu) {
            const StatisticsMenuAction window = entry.action;
            connect(action, &QAction::triggered, this,
                    [this, window, tag] { openStatisticsWindow(window, tag); });
        }
    }
    for (const PlayerFileMenuEntry& entry : PlayerFileMenuEntries) {
        const int player = entry.player;
        connect(menu_->action(qText(entry.objectName)), &QAction::triggered, this,
                [this, player, protocol = entry.protocol] {
                    command([this, player, protocol] {
                        if (protocol) {
                            BrowsePlayerProtocolFile(game_, player);
                        } else {
                            EditPlayerSystemFile(game_, player);
                        }
                    });
                });
    }
    for (const StatisticsWindowEntry& entry : StatisticsWindowEntries) {
        const StatisticsMenuAction window = entry.action;
        const int tag = entry.tag;
        connect(menu_->action(qText(entry.objectName)), &QAction::triggered, this,
                [this, window, tag] { openStatisticsWindow(window, tag); });
    }
    // The entries whose windows are not part of this window yet say so.
    QStringList withSubmenus{"Tabelle1", "Grafik1", "AStatistik1", "Systemspieldatei1",
                             "Ausgabedatei1"};
    for (const StatisticsWindowEntry& entry : StatisticsWindowEntries) {
        withSubmenus.append(qText(entry.objectName));
    }
    for (const MainMenuEntry& entry : MainMenuEntries) {
        const QString name = qText(entry.objectName);
        const bool handled =
            name == "Beenden1" || name == "Hotminimized1" || withSubmenus.contains(name) ||
            std::any_of(std::begin(handlers), std::end(handlers),
                        [&name](const auto& handler) { return name == handler.first; });
        if (!handled) {
            QAction* action = menu_->action(name);
            connect(action, &QAction::triggered, this,
                    [this, action] { showPlaceholder(action->text().remove('&')); });
        }
    }

    connect(replay_, &QPushButton::clicked, this, &MainWindow::Replay1Click);
    connect(superShort_, &QPushButton::clicked, this, &MainWindow::SuperkurzspielClick);
    connect(clearChips_, &QPushButton::clicked, this,
            [this] { command([this] { ClearChips(game_); }); });
    connect(lastBet_, &QPushButton::clicked, this, [this] { command([this] { Rebet(game_); }); });
    for (QPushButton* button : extendedBets_) {
        const int tag = button->property("tag").toInt();
        connect(button, &QPushButton::clicked, this,
                [this, tag] { command([this, tag] { ErwSerieClick(game_, tag); }); });
    }
}

template <typename Command>
void MainWindow::command(Command&& run) {
    run();
    refresh();
}

void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!startUpScheduled_) {
        // Runs once the window is on screen, so its boxes have a parent to sit on.
        startUpScheduled_ = true;
        QTimer::singleShot(0, this, &MainWindow::startUp);
    }
}

void MainWindow::startUp() {
    const int depth = screen() ? screen()->depth() : 32;
    if (colourDepthQuestionNeeded(readDisplayCol(store_), depth)) {
        if (!host_.askQuestion(colourDepthQuestion(depth, Language::German))) {
            close();
            return;
        }
    }
    writeDisplayCol(store_, true);
    if (!startGameWindow(game_, store_)) {
        close();
        return;
    }
    resize(978, 695);
    if (startScreenAllowed_ && !game_.state().settings.StartScreenOff) {
        Tstart_bildschirm startScreen(this);
        startScreen.exec();
    }
    started_ = true;
    refresh();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    spieltimer_->stop();
    if (started_) {
        saveGameSettings(game_.state(), store_);
        game_.hooks().closeGameFiles(game_);
        started_ = false;
    }
    QMainWindow::closeEvent(event);
}

void MainWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Plus || event->key() == Qt::Key_Minus) {
        const int step = event->key() == Qt::Key_Plus ? 1 : -1;
        command([this, step] { ChangeDelay(game_, step); });
        return;
    }
    QMainWindow::keyPressEvent(event);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == replayActive_ && event->type() == QEvent::MouseButtonDblClick) {
        Replay1Click();
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::SpieltimerTimer() {
    // A coup's waits run the event loop: the timer must not start a second coup meanwhile.
    if (ticking_) {
        return;
    }
    ticking_ = true;
    if (game_.state().superShortRunning()) {
        playSuperShortBatch();
    } else {
        SpieltimerTick(game_);
    }
    ticking_ = false;
    refresh();
}

void MainWindow::playSuperShortBatch() {
    QElapsedTimer clock;
    clock.start();
    BeginSuperShortBatch(game_);
    while (clock.elapsed() < SuperShortBatchMilliseconds &&
           RunSuperShortTicks(game_, SuperShortTicksPerLook) == SuperShortTicksPerLook) {
    }
}

void MainWindow::scheduleRefresh() {
    if (!refreshScheduled_) {
        refreshScheduled_ = true;
        QTimer::singleShot(0, this, [this] {
            refreshScheduled_ = false;
            refresh();
        });
    }
}

void MainWindow::refresh() {
    const Language language = game_.state().language();
    if (shownLanguage_ != language) {
        shownLanguage_ = language;
        retranslate();
    }
    setWindowTitle(qText(windowCaption(game_.state())));
    // While the wins are counted out the window is busy.
    if (game_.state().bets.payout.counting) {
        setCursor(Qt::BusyCursor);
    } else {
        unsetCursor();
    }
    showCommands();
    showBars();
    refreshViews();
    syncGameTimer();
    scheduleFirstSystemBets();
}

void MainWindow::scheduleFirstSystemBets() {
    if (!game_.state().systemPlay.SystemSetTimerOn || firstBetsScheduled_) {
        return;
    }
    firstBetsScheduled_ = true;
    QTimer::singleShot(SystemSetTimerInterval, this, [this] {
        firstBetsScheduled_ = false;
        command([this] { SystemSetTimerTick(game_); });
    });
}

void MainWindow::retranslate() {
    const Language language = game_.state().language();
    menu_->retranslate(language);
    clearChips_->setText(qText(ClearChipsCaption[language]));
    lastBet_->setText(qText(LastBetCaption[language]));
    replay_->setText(qText(ReplayCaption[language]));
    superShort_->setText(qText(SuperShortCaption[language]));
    for (std::size_t i = 0; i < extendedBets_.size(); ++i) {
        extendedBets_[i]->setText(qText(ExtendedBetButtons[i].caption[language]));
    }
    replayActive_->setText(qText(ReplayActiveText[language]));
    superShortActive_->setText(qText(SuperShortActiveText[language]));
    spielablauf_->setSpracheKind(language);
    HelpWindow::followLanguage(language);
    useQtTranslations(language);
}

void MainWindow::showCommands() {
    const CommandState commands = commandState(game_.state());
    menu_->apply(commands);
    menu_->showPlayerFiles(game_.state());
    bindButton(clearChips_, commands.BU_ClearJetons);
    bindButton(lastBet_, commands.BU_LastBet);
    lastBet_->setToolTip(commands.lastBetHint ? qText(LastBetHint[game_.state().language()])
                                              : QString());
    bindButton(replay_, commands.BU_Replay);
    bindButton(superShort_, commands.BU_Superkurzspiel);
    for (std::size_t i = 0; i < extendedBets_.size(); ++i) {
        extendedBets_[i]->setEnabled(commands.extendedBets[i]);
    }
    replayActive_->setVisible(commands.ReplayAktivText);
    superShortActive_->setVisible(commands.SuperkurzAktivtext);

    const GameState& state = game_.state();
    const std::optional<std::string> picked = SelNumDispText(state);
    selNumDisp_->setVisible(picked.has_value());
    selNumDisp_->setText(qText(picked.value_or(std::string())));
    if (commands.Matrix_Status) {
        matrixStatus_->setText(qText(tournamentStatusText(state.TournamentLeft, state.language())));
    } else {
        matrixStatus_->setText(qText(state.permanence.load.MatrixStatus));
    }
    matrixStatus_->setVisible(commands.Matrix_Status || state.permanence.load.MatrixStatusVisible);
}

void MainWindow::showBars() {
    const GameState& state = game_.state();
    const Language language = state.language();
    spielablauf_->setTextKind(state.phase);
    spielablauf_->setMaxValue(std::max(state.TimeBarLimit, 0));
    spielablauf_->setProgress(state.TimeBarTick);
    spielablauf_->setBackColor(barColour(state.TimeBarColour, palette().color(QPalette::Window)));
    playerPanel_->showPanel(playerPanel(state), language);
    infoPanel_->showPanel(infoPanel(state), language);
}

void MainWindow::refreshViews() {
    board_->refresh();
    wheel_->refresh();
    strip_->refresh();
}

void MainWindow::syncGameTimer() {
    const bool on = game_.state().GameTimerOn;
    if (on && !spieltimer_->isActive()) {
        spieltimer_->start();
    } else if (!on && spieltimer_->isActive() && !ticking_) {
        spieltimer_->stop();
    }
}

void MainWindow::showPlaceholder(const QString& entry) {
    const bool german = game_.state().language() == Language::German;
    command([this, &entry, german] {
        DialogPause pause(game_);
        QMessageBox::information(
            this, entry,
            german ? QString("\"%1\" wird in einer späteren Ausbaustufe geöffnet.").arg(entry)
                   : QString("\"%1\" opens in a later stage of the program.").arg(entry));
    });
}

void MainWindow::Start1Click() {
    command([this] { StartGame(game_); });
}

void MainWindow::Optionen1Click() {
    // The dialog pauses the game while it is open; its OK applies the settings at once.
    command([this] {
        TOptionen dialog(game_, this);
        dialog.exec();
    });
}

void MainWindow::Ladefile1Click() {
    // The menu pauses the game while it is open; the status line shows what its OK left.
    command([this] {
        TLademenu menu(game_, this);
        menu.exec();
    });
}

void MainWindow::LadeADateiClick() {
    command([this] { analysisEntries_->LadeADateiClick(); });
}

void MainWindow::DateiaddierenClick() {
    command([this] { analysisEntries_->DateiaddierenClick(); });
}

void MainWindow::Konvertierung1Click() {
    // The window pauses the game while it is open.
    command([this] {
        TKonvertierung window(game_, this);
        window.exec();
    });
}

void MainWindow::SpielEnde1Click() {
    command([this] { EndGame(game_, store_); });
}

void MainWindow::PauseClick() {
    command([this] { quendra::PauseClick(game_); });
}

void MainWindow::Replay1Click() {
    command([this] { ReplayClick(game_); });
}

void MainWindow::SuperkurzspielClick() {
    command([this] { SuperShortClick(game_); });
}

void MainWindow::StatRcksetzung1Click() {
    command([this] { StatisticsResetClick(game_); });
}

void MainWindow::Systemspiel1Click() {
    // The menu pauses the game while it is open; its OK may start the system-set timer.
    command([this] {
        TSystemspielmenu menu(game_, this);
        menu.exec();
    });
}

template <typename Window, typename... Arguments>
void MainWindow::showStatistics(Arguments&&... arguments) {
    command([&] {
        DialogPause pause(game_);
        Window window(game_, std::forward<Arguments>(arguments)..., printer_.get(), this);
        window.exec();
    });
}

void MainWindow::StatistikTabClick(HowOftenView view) {
    showStatistics<TStat2>(view);
}

void MainWindow::Statistik1Click(int graphKind) {
    if (const std::optional<GraphKind> kind = graphKindFromTag(graphKind)) {
        showStatistics<TStat1>(*kind);
    }
}

void MainWindow::openStatisticsWindow(StatisticsMenuAction window, int tag) {
    const StatisticsSource source = statisticsSourceOfTag(tag);
    switch (window) {
    case StatisticsMenuAction::Frequency:
        showStatistics<TForm_Haeufigkeit>(source);
        break;
    case StatisticsMenuAction::FollowNumbers:
        showStatistics<TForm_FolgeZahlen>(source);
        break;
    case StatisticsMenuAction::ExtendedBets:
        showStatistics<TErw_Setzung>();
        break;
    case StatisticsMenuAction::WheelDistribution:
    case StatisticsMenuAction::DynamicWheelDistribution:
        showStatistics<TDispKesselS>(source,
                                     window == StatisticsMenuAction::DynamicWheelDistribution);
        break;
    case StatisticsMenuAction::DayPermanence:
        showStatistics<TTabelleTagperm>(source);
        break;
    case StatisticsMenuAction::Submenu:
    case StatisticsMenuAction::Table:
    case StatisticsMenuAction::Graph:
        break;
    }
}

void MainWindow::Verlauf1Click() {
    showStatistics<TSpielerStat>();
}

void MainWindow::Systemtest1Click() {
    showStatistics<TSystemtest>();
}

void MainWindow::Drucker1Click() {
    command([this] {
        DialogPause pause(game_);
        QPageSetupDialog dialog(printer_.get(), this);
        dialog.setObjectName("PrinterSetupDialog");
        dialog.exec();
    });
}

void MainWindow::Turnierspielstarten1Click() {
    command([this] { TournamentStartClick(game_); });
}

void MainWindow::Turnierspielstoppen1Click() {
    command([this] { TournamentStopClick(game_); });
}

void MainWindow::Oeffnen1Click() {
    command([this] {
        OpenFileInSystemEditor(game_, [this]() -> std::optional<std::filesystem::path> {
            // Any name may be typed: a missing file can be created.
            QFileDialog dialog(
                this, QString(),
                QString::fromStdString((game_.state().ProgramFolder / "SYSTEM").string()),
                "Systemspielfile (*.SYF *.syf);;ALL (*)");
            dialog.setFileMode(QFileDialog::AnyFile);
            if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
                return std::nullopt;
            }
            return std::filesystem::path(dialog.selectedFiles().constFirst().toStdString());
        });
    });
}

void MainWindow::Neu1Click() {
    command([this] {
        DialogPause pause(game_);
        host_.openSystemEditor(SystemEditorRequest{});
    });
}

void MainWindow::Ladedatei1Click() {
    command([this] { BrowseMainLoadFile(game_); });
}

void MainWindow::Jahr1Click() {
    command([this] {
        ShowYearFile(game_, [this](const YearFileView& view) {
            SystemEditorRequest request;
            request.browseOnly = true;
            TSystemEDForm viewer(game_, request, this);
            viewer.showText(qText(view.caption), QString::fromLatin1(view.text));
            viewer.exec();
        });
    });
}

void MainWindow::HilfeInhalt1Click() {
    command([this] { HelpWindow::openFromGame(game_); });
}

void MainWindow::AboutClick() {
    // The about box does not pause: a running game goes on behind it.
    TAboutBox about(game_.state().language(), this);
    about.exec();
}

} // namespace quendra::app
