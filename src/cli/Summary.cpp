#include "Summary.h"

#include "JsonWriter.h"
#include "bets/Payout.h"
#include "statistics/PlayerStatistics.h"

#include <ostream>

namespace quendra::cli {
namespace {

void printJson(std::ostream& out, const SimulationSummary& summary) {
    JsonWriter json(out);
    json.beginObject();
    json.field("coups", summary.coups);
    json.field("stat_total", summary.statTotal);
    json.key("players");
    json.beginArray();
    for (const PlayerSummary& p : summary.players) {
        json.beginObject();
        json.field("player", p.player);
        json.field("capital", p.capital);
        json.field("start_capital", p.startCapital);
        json.field("total_staked", p.totalStaked);
        json.field("coups_with_stake", p.coupsWithStake);
        json.field("coups_won", p.coupsWon);
        json.field("coups_lost", p.coupsLost);
        json.field("minimum", p.minimum);
        json.field("maximum", p.maximum);
        json.field("average", p.average);
        json.field("system_active", p.systemActive);
        json.endObject();
    }
    json.endArray();
    json.endObject();
    out << '\n';
}

void printText(std::ostream& out, const SimulationSummary& summary) {
    out << "coups: " << summary.coups << '\n' << "stat_total: " << summary.statTotal << '\n';
    for (const PlayerSummary& p : summary.players) {
        out << "player " << p.player << ": capital " << p.capital << ", start_capital "
            << p.startCapital << ", total_staked " << p.totalStaked << ", coups_with_stake "
            << p.coupsWithStake << ", coups_won " << p.coupsWon << ", coups_lost " << p.coupsLost
            << ", minimum " << p.minimum << ", maximum " << p.maximum << ", average " << p.average
            << ", system_active " << (p.systemActive ? "yes" : "no") << '\n';
    }
}

} // namespace

SimulationSummary summarize(const GameState& state) {
    SimulationSummary summary;
    summary.coups = state.SpielerStatPos;
    summary.statTotal = state.statistics.StatHowOften[TotalSlot];
    PlayerResults results{};
    showPlayerStatistics(state, results, state.language());
    for (int p = 1; p <= state.playersInPlay(); ++p) {
        const Player& player = state.player(p);
        const PlayerResult& result = results[static_cast<std::size_t>(p - 1)];
        summary.players.push_back({p, player.Capital, player.StartCapital, player.TotalStaked,
                                   player.CoupsWithStake, coupsWonOf(player), coupsLostOf(player),
                                   result.PlayerMinimum, result.PlayerMaximum, result.PlayerAverage,
                                   player.isSystemPlayer()});
    }
    return summary;
}

void printSummary(std::ostream& out, const SimulationSummary& summary, bool json) {
    if (json) {
        printJson(out, summary);
    } else {
        printText(out, summary);
    }
}

} // namespace quendra::cli
