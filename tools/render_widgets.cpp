// Renders the playing surface as the player sees it — the board with the chips of four players
// on both tables, the wheel during a ball run, the permanence strip and the number dialogs — and
// the statistics windows as PNG files into the folder given, for looking at them. The analysis'
// windows show the permanence file given as the second argument, or a record made up here. Run
// with QT_QPA_PLATFORM=offscreen.
#include "bets/ChipName.h"
#include "bets/Placement.h"
#include "common/QtHost.h"
#include "game/Random.h"
#include "game/StartUp.h"
#include "help/HelpWindow.h"
#include "main/BoardView.h"
#include "main/PermanenceStrip.h"
#include "main/TAnfrageZahl.h"
#include "main/TSelectNumber.h"
#include "main/WheelView.h"
#include "options/TOptionen.h"
#include "permanence/AnalysisLoader.h"
#include "permanence/LoadMenu.h"
#include "permanence/StartOptions.h"
#include "permanence/TKonvertierung.h"
#include "permanence/TLademenu.h"
#include "spin/BallRun.h"
#include "spin/NumberPick.h"
#include "spin/PermanenceStrip.h"
#include "statistics/StatisticsStore.h"
#include "statistics/TDispKesselS.h"
#include "statistics/TErw_Setzung.h"
#include "statistics/TForm_FolgeZahlen.h"
#include "statistics/TForm_Haeufigkeit.h"
#include "statistics/TStat1.h"
#include "statistics/TStat2.h"
#include "statistics/TTabelleTagperm.h"
#include "systemplay/SystemMessageBox.h"
#include "systemplay/SystemPlayers.h"
#include "systemplay/TSystemspielmenu.h"
#include "table/Table.h"
#include "tournament/TournamentDialogs.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>
#include <functional>

using namespace quendra;

namespace {

class ShotHost : public Host {
public:
    void showMessage(const MessageBoxData&) override {}
    bool askQuestion(const MessageBoxData&) override { return false; }
    void wait(int) override {}
    void changed(Change what) override {
        if (onChange) {
            onChange(what);
        }
    }
    std::chrono::system_clock::time_point now() const override { return {}; }
    std::function<void(Change)> onChange;
};

void setUp(Game& game, TableType type) {
    GameState& state = game.state();
    state.table.FrenchTable = type == TableType::French;
    state.table.HighestNumber = highestNumber(type);
    state.table.PocketCount = pocketCount(type);
    state.table.PocketTable = standardPocketTable(type);
    state.table.BallPocket = 1;
    state.settings.PlayerCount = 4;
    for (Player& player : state.players) {
        player.Capital = 100000;
    }
    state.phase = TextKind::gkMakeBet;
}

void stake(Game& game, int player, const char* code, std::int32_t amount) {
    game.state().CurrentPlayer = player;
    const auto field = parseFieldCode(code);
    if (!field || !ChargeStake(game, amount) ||
        PlaceBet(game, amount, chipName(*field, player)).refused) {
        std::fprintf(stderr, "could not stake %s for player %d\n", code, player);
    }
}

bool save(QWidget& widget, const QString& folder, const QString& name) {
    const QString path = QDir(folder).filePath(name + ".png");
    if (!widget.grab().save(path)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

void hover(QWidget& widget, QPoint at) {
    QMouseEvent move(QEvent::MouseMove, at, widget.mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(&widget, &move);
}

bool renderBoard(TableType type, const QString& folder) {
    ShotHost host;
    Game game(host, 1);
    setUp(game, type);
    const bool american = type == TableType::American;
    for (int player = 1; player <= 4; ++player) {
        stake(game, player, "PL17", player * 3);
        stake(game, player, "DZ01", 10 * player);
        stake(game, player, "EC03", player == 2 ? 150 : 5 * player);
    }
    stake(game, 1, "CH37", 2);
    stake(game, 1, "PL00", 4);
    stake(game, 2, "CA02", 1);
    stake(game, 2, "TP03", 6);
    stake(game, 3, "KL02", 25);
    stake(game, 3, american ? "TP15" : "CH02", 2);
    stake(game, 4, "TS01", 3);
    stake(game, 4, american ? "PL37" : "CA01", 1);
    stake(game, 4, "DZ03", 1250);
    if (american) {
        stake(game, 1, "CA01", 5);
        stake(game, 2, "CH61", 2);
    }
    // A prisoner of player 1 on black and of player 4 on red.
    game.state().bets.prison.Prison1[0][3] = true;
    game.state().bets.prison.Prison2[3][2] = true;
    game.state().bets.prison.Prison1Active = true;
    game.state().CurrentPlayer = 3;
    game.state().bets.WinIndicator = winIndicatorPosition(type, 23);

    app::BoardView view(game);
    hover(view, QPoint(american ? 107 : 175, 236)); // a carré beside the taller line
    return save(view, folder, american ? "board_american" : "board_french");
}

// The highlight over fields of every shape, each cut out around the mouse, side by side.
bool renderHighlights(TableType type, const QString& folder) {
    ShotHost host;
    Game game(host, 1);
    setUp(game, type);
    app::BoardView view(game);
    const QPoint points[] = {{141, 55}, {191, 50},  {141, 75},  {107, 75},  {244, 74},
                             {70, 94},  {107, 94},  {141, 114}, {141, 236}, {107, 114},
                             {244, 94}, {244, 236}, {70, 570},  {280, 300}, {340, 100}};
    const QSize cell(130, 90);
    QImage sheet(cell.width() * 5, cell.height() * 3, QImage::Format_RGB32);
    QPainter painter(&sheet);
    int i = 0;
    for (const QPoint& point : points) {
        hover(view, point);
        const QRect around(point - QPoint(cell.width() / 2, cell.height() / 2), cell);
        painter.drawPixmap((i % 5) * cell.width(), (i / 5) * cell.height(), view.grab(around));
        ++i;
    }
    painter.end();
    const QString name = type == TableType::French ? "highlights_french" : "highlights_american";
    return sheet.save(QDir(folder).filePath(name + ".png"));
}

bool renderBallRun(TableType type, const QString& folder) {
    ShotHost host;
    Game game(host, 1);
    setUp(game, type);
    app::WheelView view(game);
    int steps = 0;
    bool saved = true;
    host.onChange = [&](Change what) {
        if (any(what, Change::Ball)) {
            view.refresh();
            if (++steps == 30) {
                saved = save(view, folder,
                             type == TableType::French ? "wheel_run_french" : "wheel_run_american");
            }
        }
    };
    game.state().BallSteps = 90;
    RunBall(game);
    return saved &&
           save(view, folder,
                type == TableType::French ? "wheel_stopped_french" : "wheel_stopped_american");
}

bool renderStrip(const QString& folder) {
    ShotHost host;
    Game game(host, 1);
    setUp(game, TableType::American);
    GameState& state = game.state();
    const int numbers[] = {32, 15, 0, 26, 3, 37, 12, 35, 7, 28, 17, 4};
    int row = 4;
    for (int number : numbers) {
        state.LastSixteen[row++] = static_cast<std::uint16_t>(state.table.pocketOf(number));
    }
    state.LastSixteen[7] = DaySeparator;
    ShowPermanenceStrip(state);
    app::PermanenceStrip strip(game);
    return save(strip, folder, "strip");
}

bool renderDialogs(const QString& folder) {
    app::TSelectNumber french(TableType::French);
    app::TSelectNumber american(TableType::American);
    american.outline(17);
    app::TAnfrageZahl neighbours(
        numberRequestFor(NumberRequestPurpose::OneNeighbour, TableType::American),
        Language::German);
    app::TAnfrageZahl superShort(
        numberRequestFor(NumberRequestPurpose::SuperShortGame, TableType::French),
        Language::English);
    return save(french, folder, "picker_french") && save(american, folder, "picker_american") &&
           save(neighbours, folder, "request_neighbour") &&
           save(superShort, folder, "request_supershort");
}

// The system-play menu of three players: player 1 plays a system with its protocol.
bool renderSystemMenu(Language language, const QString& folder) {
    QTemporaryDir programFolder;
    ShotHost host;
    Game game(host, 1);
    setUp(game, TableType::French);
    GameState& state = game.state();
    initialiseGameState(state, programFolder.path().toStdString());
    ensureWorkFolders(programFolder.path().toStdString());
    state.settings.PlayerCount = 3;
    state.settings.Language = languageIndex(language);
    QFile system(programFolder.filePath("SYSTEM/DOUBLING.SYF"));
    if (!system.open(QIODevice::WriteOnly)) {
        return false;
    }
    system.write("ST:\r\nSZ EI1(1), EC03;\r\nAL:\r\nSZ EI1(1), EC03;\r\n");
    system.close();
    SystemPlayMenu menu = OpenSystemPlayMenu(game);
    SystemFileEntered(game, menu, 1, "DOUBLING");
    ProtocolFileEntered(game, menu, 1, "DOUBLING");
    SystemfilemenuOKClick(game, menu);
    app::TSystemspielmenu window(game);
    window.show();
    return save(window, folder,
                language == Language::German ? "sysmenu_german" : "sysmenu_english");
}

// The options dialog in real mode with the chip limit on.
bool renderOptions(Language language, const QString& folder) {
    QTemporaryDir programFolder;
    ShotHost host;
    Game game(host, 1);
    setUp(game, TableType::French);
    initialiseGameState(game.state(), programFolder.path().toStdString());
    Settings& settings = game.state().settings;
    settings.Language = languageIndex(language);
    settings.ShowReal = true;
    settings.ShowPieces = false;
    settings.PieceValue = 10;
    settings.InitialCapital = 20000;
    settings.ChipLimitOn = true;
    app::TOptionen window(game);
    window.show();
    return save(window, folder,
                language == Language::German ? "options_german" : "options_english");
}

// The load menu with a main file of 300 coups, two follow files and a fix start that only the
// longer files can hold: the fix lamp blinks.
bool renderLoadMenu(Language language, const QString& folder) {
    QTemporaryDir programFolder;
    ShotHost host;
    Game game(host, 1);
    setUp(game, TableType::French);
    initialiseGameState(game.state(), programFolder.path().toStdString());
    ensureWorkFolders(programFolder.path().toStdString());
    game.state().settings.Language = languageIndex(language);
    const auto loadFile = [&programFolder](const char* name, int coups) {
        QFile file(programFolder.filePath(QString("SYSIN/") + name));
        if (!file.open(QIODevice::WriteOnly)) {
            return false;
        }
        for (int i = 1; i <= coups; ++i) {
            file.write(QByteArray::number(i % 37) + "\r\n");
        }
        return true;
    };
    if (!loadFile("WIESBADEN.INP", 300) || !loadFile("HAMBURG.INP", 100) ||
        !loadFile("BADEN.INP", 250)) {
        return false;
    }
    HaLafileChosen(game, "WIESBADEN.INP", FileChoice::Typed);
    FoLaFileChosen(game, 1, "HAMBURG.INP", FileChoice::Typed);
    FoLaFileChosen(game, 2, "BADEN.INP", FileChoice::Typed);
    selectStartMode(game, LoadStartMode::Fix);
    applyFixRando(game, "200");
    app::TLademenu window(game);
    window.show();
    return save(window, folder,
                language == Language::German ? "loadmenu_german" : "loadmenu_english");
}

// The conversion window after a folder of two Hamburg files was chosen, and with a delimited
// text file chosen instead.
bool renderConversion(Language language, bool delimited, const QString& folder) {
    QTemporaryDir files;
    for (const char* name : {"H1.TXT", "H2.TXT"}) {
        QFile file(files.filePath(name));
        if (!file.open(QIODevice::WriteOnly)) {
            return false;
        }
    }
    ShotHost host;
    Game game(host, 1);
    game.state().settings.Language = languageIndex(language);
    app::TKonvertierung window(game);
    const QString chosen =
        delimited ? files.filePath("spielbank-wiesbaden.de_t1_190424.txt") : files.path();
    window.setFolderChooser([&chosen](QWidget*, const QString&) { return chosen; });
    window.setFileChooser([&chosen](QWidget*, const QString&) { return chosen; });
    if (delimited) {
        window.findChild<QRadioButton*>("Trennzeichen")->setChecked(true);
    }
    window.show();
    QWidget* field = window.findChild<QWidget*>(delimited ? "TextDatei" : "DirInfo");
    QMouseEvent click(QEvent::MouseButtonDblClick, QPointF(5, 5), field->mapToGlobal(QPointF(5, 5)),
                      Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(field, &click);
    const QString name = QString("conversion_%1_%2")
                             .arg(delimited ? "delimited" : "hamburg",
                                  language == Language::German ? "german" : "english");
    return save(window, folder, name);
}

// 2000 coups of a seeded game with two day separators, counted as the spin cycle counts them.
void playCoups(GameState& state) {
    Random random(17);
    const std::vector<PocketRecord>& pockets = state.table.PocketTable;
    for (int coup = 1; coup <= 2000; ++coup) {
        if (coup == 700 || coup == 1400) {
            Permanenz_Append(state.statistics, DaySeparatorCode);
            ++state.permanence.load.SeparatorCount;
        }
        Stat_RecordCoup(state.statistics, pockets[random.below(pockets.size())], true);
    }
}

// The statistics windows after 2000 coups: the French table in German, the American in English.
bool renderStatistics(TableType type, const QString& folder) {
    ShotHost host;
    Game game(host, 1);
    setUp(game, type);
    const bool french = type == TableType::French;
    game.state().settings.Language = languageIndex(french ? Language::German : Language::English);
    playCoups(game.state());
    const QString suffix = french ? "_french_german" : "_american_english";
    app::TForm_Haeufigkeit frequency(game, StatisticsSource::Game);
    app::TForm_FolgeZahlen follow(game, StatisticsSource::Game);
    app::TTabelleTagperm day(game, StatisticsSource::Game);
    day.setWindowState(Qt::WindowNoState);
    day.resize(1000, 560);
    app::TErw_Setzung extended(game);
    app::TStat2 sinceNot(game, HowOftenView::GameSinceNot);
    app::TStat1 sinceNotPleins(game, *graphKindFromTag(12));
    app::TDispKesselS wheel(game, StatisticsSource::Game, false);
    // The replay halfway through its history.
    app::TDispKesselS replay(game, StatisticsSource::Game, true);
    replay.findChild<QPushButton*>("DynStartBu")->click();
    auto* tick = replay.findChild<QTimer*>("StartDyn");
    for (int coup = 0; coup < 1000; ++coup) {
        QMetaObject::invokeMethod(tick, "timeout", Qt::DirectConnection);
    }
    replay.findChild<QPushButton*>("DynStartBu")->click();
    return save(frequency, folder, "frequency" + suffix) &&
           save(extended, folder, "extendedbets" + suffix) &&
           save(sinceNot, folder, "sincenot" + suffix) &&
           save(sinceNotPleins, folder, "sincenotgraph" + suffix) &&
           save(wheel, folder, "wheel" + suffix) && save(replay, folder, "wheelreplay" + suffix) &&
           save(follow, folder, "follownumbers" + suffix) &&
           save(day, folder, "daypermanence" + suffix);
}

// A record of 3000 coups over three days with its caption, for want of a real one.
QString madeUpRecord(const QString& folder) {
    const QString name = QDir(folder).filePath("MADEUP.INP");
    QFile file(name);
    if (!file.open(QIODevice::WriteOnly)) {
        return {};
    }
    file.write("Spielbank Musterstadt, Tisch 2, 1. bis 3. M\xe4rz\r\n");
    Random random(5);
    for (int coup = 1; coup <= 3000; ++coup) {
        file.write(QByteArray::number(random.below(37)) + (coup % 6 == 0 ? "\r\n" : " "));
        if (coup % 1000 == 0 && coup < 3000) {
            file.write("--\r\n");
        }
    }
    return name;
}

// Every window of the analysis' figures on the record, French table.
bool renderAnalysis(Language language, const QString& record, const QString& folder) {
    ShotHost host;
    Game game(host, 1);
    setUp(game, TableType::French);
    game.state().settings.Language = languageIndex(language);
    loadAnalysis(game, record.toStdString(), false);
    const QString suffix = language == Language::German ? "_german" : "_english";
    const auto shot = [&folder, &suffix](QWidget& window, const QString& name) {
        window.show();
        return save(window, folder, "analysis_" + name + suffix);
    };
    app::TStat2 table(game, HowOftenView::AnalysisHowOften);
    bool ok = shot(table, "table");
    for (int tag = 21; tag <= 25; ++tag) {
        app::TStat1 graph(game, *graphKindFromTag(tag));
        ok = ok && shot(graph, QString("graph%1").arg(tag));
    }
    app::TForm_Haeufigkeit frequency(game, StatisticsSource::Analysis);
    app::TForm_FolgeZahlen follow(game, StatisticsSource::Analysis);
    app::TDispKesselS wheel(game, StatisticsSource::Analysis, false);
    app::TDispKesselS replay(game, StatisticsSource::Analysis, true);
    app::TTabelleTagperm day(game, StatisticsSource::Analysis);
    day.setWindowState(Qt::WindowNoState);
    day.resize(1000, 560);
    return ok && shot(frequency, "frequency") && shot(follow, "follownumbers") &&
           shot(wheel, "wheel") && shot(replay, "wheelreplay") && shot(day, "daypermanence");
}

bool renderTournament(const QString& folder) {
    app::TRoulette_Turnier rules;
    const LocalDateTime end{2003, 10, 20, 21, 5, 0};
    app::TTurnierende result(tournamentResult(1250, end));
    app::TTurnierverloren lost;
    return save(rules, folder, "tournament_rules") && save(result, folder, "tournament_end") &&
           save(lost, folder, "tournament_lost");
}

} // namespace

// The help window at a keyword and with a search, and a system error box with its help button.
bool renderHelp(Language language, const QString& folder) {
    const QString suffix = language == Language::German ? "_de" : "_en";
    app::HelpWindow help(language);
    help.resize(980, 680);
    help.show();
    help.open("language.html#kw-SZ");
    QApplication::processEvents();
    bool saved = save(help, folder, "help" + suffix);
    help.searchField()->setText("STMAX");
    QApplication::processEvents();
    saved = saved && save(help, folder, "help_search" + suffix);

    app::QtHost qtHost;
    Game game(qtHost);
    game.state().settings.Language = language == Language::German ? 0 : 1;
    qtHost.setGame(&game);
    bool boxSaved = false;
    QTimer::singleShot(0, [&] {
        if (QWidget* box = QApplication::activeModalWidget()) {
            boxSaved = save(*box, folder, "systemerror" + suffix);
            box->close();
        }
    });
    const SystemMessagePlace place{3, "IF EI1 > 3 THEN SZ EI1(2), XX03;", "XX03;", 4};
    ShowSystemMessage(game, 1, 33, place);
    return saved && boxSaved;
}

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc != 2 && argc != 3) {
        std::fprintf(stderr, "usage: render_widgets <output folder> [<permanence file>]\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(folder);
    const QString record = argc == 3 ? QString::fromLocal8Bit(argv[2]) : madeUpRecord(folder);
    const bool ok =
        renderBoard(TableType::French, folder) && renderBoard(TableType::American, folder) &&
        renderHighlights(TableType::French, folder) &&
        renderHighlights(TableType::American, folder) && renderBallRun(TableType::French, folder) &&
        renderBallRun(TableType::American, folder) && renderStrip(folder) &&
        renderDialogs(folder) && renderSystemMenu(Language::German, folder) &&
        renderSystemMenu(Language::English, folder) && renderOptions(Language::German, folder) &&
        renderOptions(Language::English, folder) && renderLoadMenu(Language::German, folder) &&
        renderLoadMenu(Language::English, folder) &&
        renderConversion(Language::German, false, folder) &&
        renderConversion(Language::English, false, folder) &&
        renderConversion(Language::German, true, folder) &&
        renderConversion(Language::English, true, folder) && renderTournament(folder) &&
        renderStatistics(TableType::French, folder) &&
        renderStatistics(TableType::American, folder) &&
        renderAnalysis(Language::German, record, folder) &&
        renderAnalysis(Language::English, record, folder) && renderHelp(Language::German, folder) &&
        renderHelp(Language::English, folder);
    return ok ? 0 : 1;
}
