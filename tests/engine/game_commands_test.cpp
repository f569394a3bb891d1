// The main window's game commands: Start, the pause protocol, Replay, the super-short game, the
// options' confirmation with the capital question, the delay keys, Spiel Ende, the statistics
// reset, the tournament entries, the player panel, and which commands are enabled when.
#include "bets/ChipName.h"
#include "bets/Placement.h"
#include "game/CommandState.h"
#include "game/GameCommands.h"
#include "game/PauseProtocol.h"
#include "game/PlayerPanel.h"
#include "game/StartUp.h"
#include "game/SuperShortGame.h"
#include "game/TournamentCommands.h"
#include "spin/CoupRecords.h"
#include "spin/NumberPick.h"
#include "spin/SpinCycle.h"
#include "spin/WheelBox.h"
#include "support/BetTable.h"
#include "support/RecordingHost.h"

#include <functional>
#include <gtest/gtest.h>

namespace quendra {
namespace {

using testing::loadStandardTable;
using testing::RecordingHost;

// A game on the French table with every player at the initial capital of 1000.
struct TableGame {
    TableGame() {
        initialiseGameState(state(), {});
        loadStandardTable(state(), TableType::French);
        state().settings.InitialCapital = 1000;
        for (Player& player : state().players) {
            player.Capital = 1000;
            player.StartCapital = 1000;
        }
    }

    GameState& state() { return game.state(); }
    CommandState commands() { return commandState(state()); }

    void start() { ASSERT_TRUE(StartGame(game)); }
    void stake(int player, std::string_view code, std::int32_t amount) {
        const int selected = state().CurrentPlayer;
        state().CurrentPlayer = player;
        ASSERT_TRUE(ChargeStake(game, amount));
        ASSERT_FALSE(
            PlaceBet(game, amount, chipName(parseFieldCode(code).value(), player)).refused);
        state().CurrentPlayer = selected;
    }

    RecordingHost host;
    Game game{host, 5};
};

class GameCommands : public ::testing::Test, public TableGame {};

TEST_F(GameCommands, StartRunsTheGameWithTheTimeBarOfTheSetting) {
    for (bool manual : {false, true}) {
        SCOPED_TRACE(manual);
        state().phase = TextKind::gkSpielstart;
        state().settings.ManualTimeBar = manual;
        EXPECT_TRUE(StartGame(game));
        EXPECT_EQ(state().phase, manual ? TextKind::gkMakeMan : TextKind::gkMakeBet);
        EXPECT_EQ(state().GameTimerOn, !manual);
        EXPECT_FALSE(StartGame(game)) << "a running game is not started again";
    }
}

TEST_F(GameCommands, EveryCommandIsEnabledInTheStatesOfTheMainWindow) {
    struct Expected {
        bool start, options, endGame, pause, replay, superShort, systemGame, clearChips,
            extendedBets;
    };
    struct Case {
        const char* name;
        std::function<void(TableGame&)> setUp;
        Expected expected;
    };
    const Case cases[] = {
        {"after start-up",
         [](TableGame&) {},
         {true, true, false, false, false, false, false, false, false}},
        {"game running",
         [](TableGame& t) { t.start(); },
         {false, true, true, true, true, true, true, false, true}},
        {"during a coup",
         [](TableGame& t) {
             t.start();
             t.state().CoupInProgress = true;
             t.state().phase = TextKind::gkSpielende;
         },
         {false, true, false, false, true, true, true, false, true}},
        {"bets on the table",
         [](TableGame& t) {
             t.start();
             t.stake(1, "PL05", 3);
         },
         {false, false, true, true, true, true, true, true, true}},
        {"a prisoner waits",
         [](TableGame& t) {
             t.start();
             t.state().bets.prison.Prison1Active = true;
         },
         {false, false, true, true, true, true, true, false, true}},
        {"user pause",
         [](TableGame& t) {
             t.start();
             PauseClick(t.game);
         },
         {false, false, true, true, true, true, true, false, false}},
        {"manual time bar",
         [](TableGame& t) {
             t.state().settings.ManualTimeBar = true;
             t.start();
         },
         {false, true, true, false, true, true, true, false, true}},
        {"a system player",
         [](TableGame& t) {
             t.start();
             t.state().player(1).sys.SystemActive = true;
         },
         {false, true, true, true, false, true, true, false, true}},
        {"tournament",
         [](TableGame& t) {
             t.start();
             t.state().TournamentActive = true;
         },
         {false, false, true, true, true, true, false, true, true}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TableGame fresh;
        c.setUp(fresh);
        const CommandState s = fresh.commands();
        EXPECT_EQ(s.Start1.enabled, c.expected.start);
        EXPECT_EQ(s.Optionen1.enabled, c.expected.options);
        EXPECT_EQ(s.SpielEnde1.enabled, c.expected.endGame);
        EXPECT_EQ(s.Pause.enabled, c.expected.pause);
        EXPECT_EQ(s.Replay1.enabled, c.expected.replay);
        EXPECT_EQ(s.BU_Replay.enabled, c.expected.replay);
        EXPECT_EQ(s.Superkurzspiel.enabled, c.expected.superShort);
        EXPECT_EQ(s.BU_Superkurzspiel.enabled, c.expected.superShort);
        EXPECT_EQ(s.Systemspiel1.enabled, c.expected.systemGame);
        EXPECT_EQ(s.BU_ClearJetons.enabled, c.expected.clearChips);
        EXPECT_EQ(s.extendedBets[0], c.expected.extendedBets);
    }
}

TEST_F(GameCommands, ThePayoutCountHoldsTheMenus) {
    start();
    EXPECT_TRUE(commands().menus);
    state().bets.payout.counting = true;
    EXPECT_FALSE(commands().menus);
    host.answers = {true};
    EXPECT_FALSE(StatisticsResetClick(game));
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(GameCommands, AfterF12ADialogLeavesTheGamePaused) {
    start();
    PauseClick(game);
    EXPECT_EQ(state().phase, TextKind::gkPause);
    EXPECT_TRUE(commands().Pause.checked);
    EXPECT_FALSE(commands().Optionen1.enabled);
    { DialogPause statisticsWindow(game); }
    EXPECT_EQ(state().phase, TextKind::gkPause);
    EXPECT_FALSE(state().GameTimerOn);
    PauseClick(game);
    EXPECT_EQ(state().phase, TextKind::gkMakeBet);
    EXPECT_TRUE(state().GameTimerOn);
    EXPECT_TRUE(commands().Optionen1.enabled);
}

TEST_F(GameCommands, ADialogPausesTheGameAndResumesItWhenItCloses) {
    start();
    {
        DialogPause dialog(game);
        EXPECT_EQ(state().phase, TextKind::gkPause);
        EXPECT_FALSE(state().GameTimerOn);
        EXPECT_EQ(windowCaption(state()), "Quendra (Pause)");
        state().settings.Language = 1;
        EXPECT_EQ(windowCaption(state()), "Quendra (Break)");
    }
    EXPECT_EQ(state().phase, TextKind::gkMakeBet);
    EXPECT_TRUE(state().GameTimerOn);
    EXPECT_EQ(windowCaption(state()), "Quendra");
}

TEST_F(GameCommands, ADialogOpenedFromADialogLeavesTheGamePausedUntilTheFirstCloses) {
    start();
    {
        DialogPause loadMenu(game);
        { DialogPause fileDialog(game); }
        EXPECT_EQ(state().phase, TextKind::gkPause);
        EXPECT_FALSE(state().GameTimerOn);
    }
    EXPECT_EQ(state().phase, TextKind::gkMakeBet);
    EXPECT_TRUE(state().GameTimerOn);
}

TEST_F(GameCommands, ADialogLeavesTheStoppedGameAndTheManualTimeBarAlone) {
    for (bool started : {false, true}) {
        SCOPED_TRACE(started);
        state().phase = TextKind::gkSpielstart;
        state().settings.ManualTimeBar = true;
        if (started) {
            start();
        }
        const TextKind phase = state().phase;
        {
            DialogPause dialog(game);
            EXPECT_EQ(state().phase, phase);
        }
        EXPECT_EQ(state().phase, phase);
        EXPECT_FALSE(state().GameTimerOn);
    }
}

TEST_F(GameCommands, ADialogEndsTheSuperShortGameAndThePauseEndsInTheTimeBarOfTheSetting) {
    for (bool manual : {false, true}) {
        SCOPED_TRACE(manual);
        state().phase = TextKind::gkSpielstart;
        state().settings.ManualTimeBar = manual;
        start();
        state().TimeBarTick = 7;
        SuperShortGameOn(game, 0);
        {
            DialogPause dialog(game);
            EXPECT_EQ(state().phase, TextKind::gkPause);
            EXPECT_EQ(state().settings.ManualTimeBar, manual);
        }
        EXPECT_EQ(state().phase, manual ? TextKind::gkMakeMan : TextKind::gkMakeBet);
        EXPECT_EQ(state().GameTimerOn, !manual);
        EXPECT_EQ(state().TimeBarTick, 0);
    }
}

TEST_F(GameCommands, ReplayIsRefusedWhileAPlayerPlaysASystemAndInAPause) {
    start();
    state().settings.PlayerCount = 2;
    state().player(2).sys.SystemActive = true;
    EXPECT_FALSE(ReplayClick(game));
    EXPECT_FALSE(state().ReplayOn);

    state().player(2).sys.SystemActive = false;
    PauseClick(game);
    EXPECT_FALSE(ReplayClick(game));
    PauseClick(game);
    EXPECT_TRUE(ReplayClick(game));
    EXPECT_TRUE(commands().Replay1.checked);
    EXPECT_TRUE(commands().ReplayAktivText);

    state().player(2).sys.SystemActive = true;
    RefreshPlayerPanel(game);
    EXPECT_FALSE(state().ReplayOn) << "a system player switches Replay off";
}

TEST_F(GameCommands, SwitchingReplayOnGivesUpHiddenBets) {
    start();
    stake(1, "PL05", 4);
    state().player(1).BetsHidden = true;
    ASSERT_TRUE(ReplayClick(game));
    EXPECT_FALSE(state().player(1).BetsHidden);
    EXPECT_EQ(state().player(1).BetSum, 0);
    ASSERT_TRUE(ReplayClick(game));
    EXPECT_FALSE(state().ReplayOn);
}

TEST_F(GameCommands, TheSuperShortGameAsksForItsCoups) {
    struct Case {
        std::optional<int> answer;
        bool on;
        int target;
    };
    const Case cases[] = {{std::nullopt, false, 0}, {100, true, 100},  {0, true, 0},
                          {32000, true, 32000},     {32001, false, 0}, {-1, false, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.answer.value_or(-99));
        state().phase = TextKind::gkSpielstart;
        start();
        state().TimeBarLimit = 90;
        host.numberRequests.clear();
        host.numberAnswers = {c.answer};
        SuperShortClick(game);
        ASSERT_EQ(host.numberRequests.size(), 1u);
        EXPECT_EQ(host.numberRequestCaptions.back(), "Superkurzspiel");
        EXPECT_EQ(host.numberRequests.back().mode, 1);
        EXPECT_EQ(host.numberRequests.back().highest, 32000);
        EXPECT_EQ(state().superShortRunning(), c.on);
        EXPECT_EQ(commands().SuperkurzAktivtext, c.on);
        if (c.on) {
            EXPECT_EQ(state().SuperShortTarget, c.target);
            EXPECT_EQ(state().SuperShortCount, 0);
            EXPECT_EQ(state().TimeBarLimit, 0);
            SuperShortClick(game);
            EXPECT_FALSE(state().superShortRunning());
        }
        EXPECT_EQ(state().TimeBarLimit, 90);
        EXPECT_EQ(state().phase, TextKind::gkMakeBet);
    }
}

TEST_F(GameCommands, TheSuperShortGameIsNotStartedInAPause) {
    start();
    PauseClick(game);
    host.numberAnswers = {10};
    SuperShortClick(game);
    EXPECT_TRUE(host.numberRequests.empty());
    EXPECT_EQ(state().phase, TextKind::gkPause);
}

TEST_F(GameCommands, ConfirmedOptionsAskOnlyThePlayerWhoseCapitalChanged) {
    struct Case {
        bool answer;
        std::int32_t capital;
        std::int32_t startCapital;
    };
    for (const Case c : {Case{true, 1000, 1000}, Case{false, 1500, 1000}}) {
        SCOPED_TRACE(c.answer);
        TableGame t;
        t.state().settings.PlayerCount = 2;
        t.state().player(2).Capital = 1500; // player 2 has won 500
        t.host.answers = {c.answer};
        ASSERT_TRUE(ConfirmOptions(t.game, t.state().settings));
        ASSERT_EQ(t.host.messages.size(), 1u);
        EXPECT_EQ(t.host.messages[0].title, "Systemanfrage");
        EXPECT_EQ(t.host.messages[0].text,
                  "Soll neuer Guthaben stand wirklich für Spieler 2 übernommen werden?");
        EXPECT_EQ(t.host.messages[0].buttons, MessageButtons::YesNo);
        EXPECT_EQ(t.state().player(1).Capital, 1000);
        EXPECT_EQ(t.state().player(2).Capital, c.capital);
        EXPECT_EQ(t.state().player(2).StartCapital, c.startCapital);
    }
    EXPECT_EQ(capitalQuestion(3, Language::English).text,
              "Should the new assets used for player 3");
    EXPECT_EQ(capitalQuestion(3, Language::English).title, "system inquiry");
}

TEST_F(GameCommands, ConfirmedOptionsApplyTheDelayAndSwitchTheTimeBar) {
    start();
    Settings edited = state().settings;
    edited.TimeBarDelay = 0;
    edited.ManualTimeBar = true;
    {
        DialogPause optionsDialog(game);
        ASSERT_TRUE(ConfirmOptions(game, edited));
    }
    EXPECT_EQ(state().TimeBarLimit, 1);
    EXPECT_EQ(state().phase, TextKind::gkMakeMan);
    EXPECT_FALSE(state().GameTimerOn);
    EXPECT_FALSE(commands().Pause.enabled);

    edited.ManualTimeBar = false;
    edited.TimeBarDelay = 10;
    {
        DialogPause optionsDialog(game);
        ASSERT_TRUE(ConfirmOptions(game, edited));
    }
    EXPECT_EQ(state().TimeBarLimit, 300);
    EXPECT_EQ(state().phase, TextKind::gkMakeBet);
    EXPECT_TRUE(state().GameTimerOn);
}

TEST_F(GameCommands, LoweringThePlayerCountBelowTheSelectedPlayerSelectsTheLastOneLeft) {
    state().settings.PlayerCount = 4;
    state().CurrentPlayer = 4;
    state().player(3).sys.SystemActive = true;
    Settings edited = state().settings;
    edited.PlayerCount = 2;
    ASSERT_TRUE(ConfirmOptions(game, edited));
    EXPECT_EQ(state().CurrentPlayer, 2);
    EXPECT_EQ(state().PreviousPlayer, 4);
    EXPECT_FALSE(state().player(3).sys.SystemActive) << "a slot out of play plays no system";
    const PlayerPanelView panel = playerPanel(state());
    EXPECT_FALSE(panel.players[1].locked);
    EXPECT_EQ(panel.players[1].statusKind, TextKind::gkAktiv);
    EXPECT_EQ(panel.players[1].statusColour, BarColour::Red);
    EXPECT_TRUE(panel.players[2].locked);
    EXPECT_FALSE(panel.players[2].capital.has_value());
}

TEST_F(GameCommands, ASystemPlayerCannotStaySelected) {
    state().settings.PlayerCount = 3;
    struct Case {
        std::array<bool, 3> systems;
        int selected;
    };
    const Case cases[] = {{{true, false, false}, 2},
                          {{true, true, false}, 3},
                          {{true, true, true}, 0},
                          {{false, true, true}, 1}};
    for (const Case& c : cases) {
        state().CurrentPlayer = 1;
        for (int p = 0; p < 3; ++p) {
            state().players[p].sys.SystemActive = c.systems[p];
        }
        RefreshPlayerPanel(game);
        EXPECT_EQ(state().CurrentPlayer, c.selected);
    }
    EXPECT_EQ(playerPanel(state()).players[1].statusKind, TextKind::gkSystem);
    EXPECT_EQ(playerPanel(state()).players[1].statusColour, BarColour::Olive);
}

TEST_F(GameCommands, SelectingAPlayerShowsHimAndSelectsHimUnlessHePlaysASystem) {
    state().settings.PlayerCount = 3;
    state().settings.ClickSound = true;
    state().player(3).sys.SystemActive = true;
    SelectPlayer(game, 2);
    EXPECT_EQ(state().CurrentPlayer, 2);
    EXPECT_EQ(state().PreviousPlayer, 1);
    EXPECT_EQ(infoPanel(state()).player, 2);
    SelectPlayer(game, 3);
    EXPECT_EQ(state().CurrentPlayer, 2);
    EXPECT_EQ(infoPanel(state()).title, TextKind::gkSpieler3);
    SelectPlayer(game, 4);
    EXPECT_EQ(infoPanel(state()).player, 3) << "only players taking part";
    EXPECT_EQ(host.beeps, 2);
}

TEST_F(GameCommands, TheInfoPanelShowsProfitOrLossSoFar) {
    Player& player = state().player(1);
    player.StartCapital = 1000;
    player.sys.Counters = {0, 15, 0, 4, 6};
    state().statistics.StatHowOften[TotalSlot] = 12;
    for (const auto& [capital, kind] :
         {std::pair{900, TextKind::gkVerlust}, std::pair{1000, TextKind::gkGewinn},
          std::pair{1250, TextKind::gkGewinn}}) {
        player.Capital = capital;
        const InfoPanelView view = infoPanel(state());
        EXPECT_EQ(view.profit, capital - 1000);
        EXPECT_EQ(view.profitKind, kind);
        EXPECT_EQ(view.coups, 12);
        EXPECT_EQ(view.lastStake, 15);
        EXPECT_EQ(view.coupsWon, 4);
        EXPECT_EQ(view.coupsLost, 6);
    }
}

TEST_F(GameCommands, TheDelayKeysKeepTheDelayWithinOneAndAHundred) {
    struct Case {
        int delay;
        int step;
        int after;
    };
    const Case cases[] = {{1, -1, 1}, {100, 1, 100}, {50, 1, 51}, {50, -1, 49}, {0, -1, 1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.delay << " " << c.step);
        state().settings.TimeBarDelay = c.delay;
        state().TimeBarDelayInUse = c.delay;
        EXPECT_TRUE(ChangeDelay(game, c.step));
        EXPECT_EQ(state().settings.TimeBarDelay, c.after);
        EXPECT_EQ(state().TimeBarLimit, 30 * c.after);
    }
    state().settings.ManualTimeBar = true;
    EXPECT_FALSE(ChangeDelay(game, 1));
    EXPECT_EQ(state().settings.TimeBarDelay, 1);
}

TEST_F(GameCommands, TheDelayKeysInTheSuperShortGameSetTheLengthItReturnsTo) {
    start();
    state().TimeBarDelayInUse = 50;
    SuperShortGameOn(game, 0);
    ChangeDelay(game, 1);
    EXPECT_EQ(state().TimeBarLimit, 0);
    SuperShortGameOff(game);
    EXPECT_EQ(state().TimeBarLimit, 1530);
}

// Hooks that count the calls of Spiel Ende.
class CountingHooks : public GameHooks {
public:
    void untickMainLoadFile(Game&) override { ++unticked; }
    void closeGameFiles(Game&) override { ++closed; }
    void reopenYearFile(Game&) override { ++reopened; }
    int unticked = 0;
    int closed = 0;
    int reopened = 0;
};

TEST_F(GameCommands, SpielEndeAnsweredNoChangesNothing) {
    MemorySettingsStore store;
    start();
    stake(1, "PL05", 10);
    host.answers = {false};
    EXPECT_FALSE(EndGame(game, store));
    EXPECT_EQ(host.numbersOf(MessageKind::Question), (std::vector<int>{3}));
    EXPECT_EQ(state().phase, TextKind::gkMakeBet);
    EXPECT_TRUE(state().GameTimerOn);
    EXPECT_EQ(state().player(1).BetSum, 10);
    EXPECT_TRUE(store.writes().empty());
}

TEST_F(GameCommands, SpielEndeResetsTheGame) {
    MemorySettingsStore store;
    CountingHooks hooks;
    game.setHooks(hooks);
    state().settings.PlayerCount = 2;
    start();
    for (int coup = 0; coup < 3; ++coup) {
        SpieltimerTick(game);
        SpieltimerTick(game);
    }
    stake(2, "PL05", 10);
    state().player(1).Capital = 1700;
    state().player(1).sys.SystemActive = true;
    state().ReplayOn = true;
    state().CurrentPlayer = 2;
    PauseClick(game);
    host.answers = {true};

    ASSERT_TRUE(EndGame(game, store));
    EXPECT_FALSE(store.writes().empty()) << "the settings are saved";
    EXPECT_EQ(hooks.closed, 1);
    EXPECT_EQ(hooks.unticked, 1);
    EXPECT_EQ(hooks.reopened, 1);
    EXPECT_EQ(state().phase, TextKind::gkSpielstart);
    EXPECT_FALSE(state().GameTimerOn);
    EXPECT_FALSE(state().UserPause);
    EXPECT_EQ(state().TimeBarTick, 0);
    EXPECT_EQ(state().TimeBarColour, BarColour::White);
    for (std::uint16_t slot : state().LastSixteen) {
        EXPECT_EQ(slot, EmptySlot);
    }
    EXPECT_EQ(state().statistics.StatHowOften[TotalSlot], 0);
    EXPECT_EQ(state().statistics.PermanenzPos, 1);
    EXPECT_EQ(state().statistics.YearCups, 0);
    EXPECT_EQ(state().SpielerStatPos, 0);
    EXPECT_FALSE(state().ReplayOn);
    EXPECT_EQ(state().CurrentPlayer, 1);
    EXPECT_EQ(state().bets.WinIndicator, WinIndicatorRest);
    // The settings read again: the stored ones, here the defaults.
    EXPECT_EQ(state().settings.InitialCapital, 1000);
    for (int p = 1; p <= 2; ++p) {
        SCOPED_TRACE(p);
        const Player& player = state().player(p);
        EXPECT_FALSE(player.isSystemPlayer());
        EXPECT_EQ(player.Capital, 1000);
        EXPECT_EQ(player.BetSum, 0);
        EXPECT_EQ(player.TotalStaked, 0);
        EXPECT_TRUE(player.history.empty());
    }
    EXPECT_FALSE(state().player(2).board.at({BetKind::Plein, 5}).placed);
    const CommandState s = commands();
    EXPECT_TRUE(s.Start1.enabled);
    EXPECT_FALSE(s.SpielEnde1.enabled);
    EXPECT_FALSE(s.Replay1.enabled);
    EXPECT_FALSE(s.Superkurzspiel.enabled);
}

TEST_F(GameCommands, TheStatisticsResetAsksWithNoAsTheDefault) {
    const MessageBoxData german = statisticsResetQuestion(Language::German);
    EXPECT_EQ(german.title, "Warnung");
    EXPECT_EQ(german.text, "Sollen die Statistikdaten wirklich komplett zurückgesetzt werden?");
    EXPECT_TRUE(german.defaultNo);
    EXPECT_EQ(german.buttons, MessageButtons::YesNo);
    const MessageBoxData english = statisticsResetQuestion(Language::English);
    EXPECT_EQ(english.title, "Warning");
    EXPECT_EQ(english.text, "Should the statistics data really a reset?");

    start();
    for (int tick = 0; tick < 6; ++tick) {
        SpieltimerTick(game);
    }
    state().player(1).sys.Counters = {0, 5, 7, 2, 1};
    const int position = state().statistics.PermanenzPos;
    host.answers = {false};
    EXPECT_FALSE(StatisticsResetClick(game));
    EXPECT_EQ(state().statistics.StatHowOften[TotalSlot], 3);

    host.answers = {true};
    EXPECT_TRUE(StatisticsResetClick(game));
    EXPECT_EQ(state().statistics.StatHowOften[TotalSlot], 0);
    EXPECT_EQ(state().statistics.PermanenzPos, position);
    EXPECT_EQ(state().player(1).sys.Counters, (std::array<std::int32_t, 5>{0, 0, 0, 0, 0}));
    EXPECT_EQ(state().SpielerStatPos, 0);
    EXPECT_TRUE(playerCourse(state(), 1).empty());
    EXPECT_EQ(state().phase, TextKind::gkMakeBet) << "the question's pause has ended";
}

TEST_F(GameCommands, ATournamentStartsOnlyFromTheRulesDialogsStart) {
    state().settings.PlayerCount = 3;
    state().settings.ManualTimeBar = true;
    start();
    host.tournamentStartAnswers = {true};
    EXPECT_FALSE(TournamentStartClick(game)) << "hidden outside the tournament period";
    state().TournamentMenuShown = true;
    const Settings before = state().settings;
    host.tournamentStartAnswers = {false};
    EXPECT_FALSE(TournamentStartClick(game));
    EXPECT_EQ(state().settings, before);
    EXPECT_FALSE(state().TournamentActive);

    stake(1, "PL05", 10);
    host.tournamentStartAnswers = {true};
    EXPECT_TRUE(TournamentStartClick(game));
    EXPECT_TRUE(state().TournamentActive);
    EXPECT_EQ(state().settings.PlayerCount, 1);
    EXPECT_FALSE(state().settings.ManualTimeBar);
    EXPECT_EQ(state().phase, TextKind::gkMakeBet);
    EXPECT_EQ(state().player(1).Capital, 1000);
    EXPECT_EQ(state().player(1).BetSum, 0);
    EXPECT_TRUE(commands().Matrix_Status);
    EXPECT_FALSE(commands().Systemspiel1.enabled);
    EXPECT_FALSE(commands().Ladefile1.enabled);
    EXPECT_FALSE(TournamentStartClick(game)) << "one tournament at a time";

    state().ReplayOn = true;
    TournamentStopClick(game);
    EXPECT_FALSE(state().TournamentActive);
    EXPECT_FALSE(state().ReplayOn);
    EXPECT_EQ(state().settings.PlayerCount, 1) << "the tournament's settings stay";
}

TEST_F(GameCommands, TheTournamentEntriesShowOnlyInTheTournamentPeriod) {
    struct Case {
        int year;
        unsigned month, day;
        long long ms;
        bool shown;
    };
    const Case cases[] = {{2003, 10, 8, 86399999, false},
                          {2003, 10, 9, 0, true},
                          {2003, 11, 10, 86399999, true},
                          {2003, 11, 11, 0, false},
                          {2026, 10, 20, 0, false}};
    for (const Case& c : cases) {
        host.setDate(c.year, c.month, c.day, c.ms);
        EXPECT_EQ(tournamentPeriod(host.now()), c.shown) << c.month << "/" << c.day;
    }
}

TEST_F(GameCommands, TheWheelBoxRightClickAsksForStartBeforeTheGame) {
    state().settings.ClickSound = true;
    KesselboxRightClick(game);
    EXPECT_EQ(host.numbersOf(MessageKind::Warning), (std::vector<int>{8}));
    EXPECT_EQ(host.beeps, 1);
    EXPECT_FALSE(state().GameTimerOn);
}

TEST_F(GameCommands, TheWheelBoxLeftClickPicksAndWithdrawsANumberInAPause) {
    start();
    host.pickerClicks = {17};
    KesselboxLeftClick(game);
    EXPECT_EQ(state().ManualNumber, 17);
    EXPECT_EQ(SelNumDispText(state()), "17");
    EXPECT_EQ(state().phase, TextKind::gkMakeBet);

    host.pickerClicks = {17, std::nullopt};
    KesselboxLeftClick(game);
    EXPECT_EQ(state().ManualSteps, NoneMarker);
    EXPECT_FALSE(SelNumDispText(state()).has_value());
    EXPECT_EQ(host.pickerChosen, (std::vector<std::optional<int>>{std::nullopt, 17, std::nullopt}));
}

} // namespace
} // namespace quendra
