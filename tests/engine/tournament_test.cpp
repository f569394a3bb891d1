// The tournament: the settings it plays with, the throws counted down, lost versus ended, and the
// control number taken from the shown date-time text.
#include "tournament/Tournament.h"

#include <gtest/gtest.h>
#include <limits>
#include <memory>

namespace quendra {
namespace {

const LocalDateTime Evening{2003, 10, 9, 20, 15, 30};

class TournamentTest : public ::testing::Test {
protected:
    std::unique_ptr<GameState> owned = std::make_unique<GameState>();
    GameState& state = *owned;

    TournamentThrowOutcome throwWithCapital(std::int32_t capital) {
        state.player(1).Capital = capital;
        return tournamentThrow(state, Evening);
    }
};

TEST_F(TournamentTest, StartPlaysOnePlayerWithThousandPiecesAtFifty) {
    state.settings.PlayerCount = 4;
    state.settings.InitialCapital = 2000;
    state.settings.ManualTimeBar = true;
    state.player(1).sys.SystemActive = true;
    state.player(2).sys.SystemActive = true;

    EXPECT_TRUE(startTournament(state));
    EXPECT_TRUE(state.TournamentActive);
    EXPECT_EQ(state.TournamentLeft, TournamentThrows);
    EXPECT_EQ(state.settings.PlayerCount, 1);
    EXPECT_EQ(state.settings.InitialCapital, 1000);
    EXPECT_FALSE(state.settings.ShowPieces);
    EXPECT_TRUE(state.settings.ShowReal);
    EXPECT_EQ(state.settings.PieceValue, 50);
    EXPECT_FALSE(state.settings.ManualTimeBar);
    EXPECT_FALSE(state.player(1).sys.SystemActive);
    EXPECT_TRUE(state.player(2).sys.SystemActive);
    EXPECT_FALSE(startTournament(state)) << "the time bar was already automatic";
}

TEST_F(TournamentTest, TheTwentiethThrowEndsWithTheResult) {
    startTournament(state);
    for (int thrown = 1; thrown < TournamentThrows; ++thrown) {
        const TournamentThrowOutcome outcome = throwWithCapital(900 + thrown);
        ASSERT_FALSE(outcome.ended) << thrown;
        EXPECT_EQ(state.TournamentLeft, TournamentThrows - thrown);
    }
    EXPECT_EQ(tournamentStatusText(state.TournamentLeft, Language::German),
              "Turnierspiel aktiv! Noch 1 Wuerfe!");

    const TournamentThrowOutcome last = throwWithCapital(1250);
    EXPECT_TRUE(last.ended);
    EXPECT_FALSE(last.lost);
    ASSERT_TRUE(last.result.has_value());
    EXPECT_EQ(last.result->pieces, 1250);
    EXPECT_EQ(last.result->Stueckanzahl, "1250 Stücke");
    EXPECT_EQ(last.result->DatumUhrzeit, "09.10.2003 20:15:30");
    EXPECT_EQ(last.result->Kontrollnummer, 73662747);
    EXPECT_FALSE(state.TournamentActive);
    EXPECT_EQ(state.TournamentLeft, 0);
    // The settings of the tournament stay after its end.
    EXPECT_EQ(state.settings.PieceValue, 50);
}

TEST_F(TournamentTest, NoCapitalLeftLosesWithoutResult) {
    struct Case {
        const char* name;
        int throwsBefore;
        std::int32_t capital;
    };
    const Case cases[] = {
        {"first throw", 0, 0},
        {"middle", 7, 0},
        {"last throw", TournamentThrows - 1, 0},
        {"below zero", 3, -50},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        startTournament(state);
        for (int i = 0; i < c.throwsBefore; ++i) {
            throwWithCapital(500);
        }
        const TournamentThrowOutcome outcome = throwWithCapital(c.capital);
        EXPECT_TRUE(outcome.lost);
        EXPECT_TRUE(outcome.ended);
        EXPECT_FALSE(outcome.result.has_value());
        EXPECT_FALSE(state.TournamentActive);
        EXPECT_EQ(state.TournamentLeft, 0);
    }
}

TEST_F(TournamentTest, StopEndsWithoutResultAndThrowsAfterwardsDoNothing) {
    startTournament(state);
    throwWithCapital(1000);
    stopTournament(state);
    EXPECT_FALSE(state.TournamentActive);
    const TournamentThrowOutcome outcome = throwWithCapital(0);
    EXPECT_FALSE(outcome.ended);
    EXPECT_FALSE(outcome.lost);
    EXPECT_EQ(state.TournamentLeft, 0);
}

TEST(TournamentStatus, CountsInBothLanguages) {
    EXPECT_EQ(tournamentStatusText(20, Language::German), "Turnierspiel aktiv! Noch 20 Wuerfe!");
    EXPECT_EQ(tournamentStatusText(20, Language::English), "Tournament active! Yet 20 throws!");
}

TEST(TournamentControlNumber, DayNumberPlusMillisecondsPlusCapital) {
    struct Case {
        const char* text;
        std::int32_t capital;
        std::optional<std::int32_t> number;
    };
    const Case cases[] = {
        {"01.01.0001 00:00:00", 0, 1},
        {"01.01.0001 00:00:01", 0, 1001},
        {"09.10.2003 20:15:30", 1250, 73662747},
        {"09.10.2003 20:15:30", 1251, 73662748},
        {"29.02.2024 23:59:59", 0, 87137945},
        // The sum wraps as the 32-bit number it is written as.
        {"09.10.2003 20:15:30", std::numeric_limits<std::int32_t>::max(), -2073822152},
        {"29.02.2023 10:00:00", 0, std::nullopt},
        {"09.10.2003 24:00:00", 0, std::nullopt},
        {"09.10.2003 20:60:00", 0, std::nullopt},
        {"9.10.2003 20:15:30", 0, std::nullopt},
        {"09.10.2003 20:15:30 ", 0, std::nullopt},
        {"09/10/2003 20:15:30", 0, std::nullopt},
        {"09.10.2003 +0:15:30", 0, std::nullopt},
        {"09.10.2003 20:-1:30", 0, std::nullopt},
        {"00.10.2003 20:15:30", 0, std::nullopt},
        {"01.01.0000 00:00:00", 0, std::nullopt},
        {"", 0, std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(controlNumber(c.text, c.capital), c.number);
    }
}

TEST(TournamentControlNumber, TheShownTextIsTheHostsTimeToTheSecond) {
    using namespace std::chrono;
    const sys_days day = year{2003} / October / 9;
    const auto now =
        system_clock::time_point{day} + hours{20} + minutes{15} + seconds{30} + milliseconds{999};
    const LocalDateTime dateTime = localDateTime(now);
    EXPECT_EQ(dateTime, Evening);
    EXPECT_EQ(dateTimeText(dateTime), "09.10.2003 20:15:30");
    EXPECT_EQ(parseDateTimeText(dateTimeText(dateTime)), dateTime);
    EXPECT_EQ(tournamentResult(1250, dateTime).Kontrollnummer, 73662747);
}

} // namespace
} // namespace quendra
