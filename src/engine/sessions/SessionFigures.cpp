#include "sessions/SessionFigures.h"

#include <algorithm>
#include <cmath>

namespace quendra {
namespace {

constexpr double Z95 = 1.959963984540054;

void distribution(std::span<const PlayerSession> sessions, PlayerFigures& figures) {
    std::vector<std::int64_t> results;
    results.reserve(sessions.size());
    double sum = 0.0;
    for (const PlayerSession& s : sessions) {
        results.push_back(s.result);
        sum += static_cast<double>(s.result);
    }
    const auto n = static_cast<double>(results.size());
    figures.mean = results.empty() ? 0.0 : sum / n;
    double squares = 0.0;
    for (const std::int64_t r : results) {
        squares +=
            (static_cast<double>(r) - figures.mean) * (static_cast<double>(r) - figures.mean);
    }
    figures.standardDeviation = results.size() > 1 ? std::sqrt(squares / (n - 1.0)) : 0.0;
    std::sort(results.begin(), results.end());
    for (std::size_t i = 0; i < ResultPercentPoints.size(); ++i) {
        figures.percentiles[i] = quantile(results, ResultPercentPoints[i] / 100.0);
    }
}

void shares(std::span<const PlayerSession> sessions, bool withGoal, PlayerFigures& figures) {
    std::uint64_t ruined = 0;
    std::uint64_t reached = 0;
    std::map<int, std::uint64_t> stops;
    for (const PlayerSession& s : sessions) {
        ruined += s.ruined ? 1 : 0;
        reached += s.goalReached ? 1 : 0;
        if (s.stopMessage != 0) {
            ++stops[s.stopMessage];
        }
    }
    const auto n = static_cast<double>(std::max<std::size_t>(sessions.size(), 1));
    figures.ruinedShare = static_cast<double>(ruined) / n;
    if (withGoal) {
        figures.goalShare = static_cast<double>(reached) / n;
    }
    for (const auto& [number, count] : stops) {
        figures.stopShares[number] = static_cast<double>(count) / n;
    }
}

} // namespace

double quantile(std::span<const std::int64_t> sorted, double p) {
    if (sorted.empty()) {
        return 0.0;
    }
    const double rank = p * static_cast<double>(sorted.size() - 1);
    const auto below = static_cast<std::size_t>(std::floor(rank));
    const std::size_t above = std::min(below + 1, sorted.size() - 1);
    const double fraction = rank - static_cast<double>(below);
    return static_cast<double>(sorted[below]) +
           fraction * static_cast<double>(sorted[above] - sorted[below]);
}

double tableExpectation(bool americanTable) {
    return americanTable ? -2.0 / 38.0 : -1.0 / 37.0;
}

std::optional<EdgeEstimate> observedEdge(std::span<const PlayerSession> sessions) {
    double results = 0.0;
    double turnover = 0.0;
    for (const PlayerSession& s : sessions) {
        results += static_cast<double>(s.result);
        turnover += static_cast<double>(s.turnover);
    }
    if (turnover <= 0.0) {
        return std::nullopt;
    }
    EdgeEstimate estimate;
    estimate.edge = results / turnover;
    const auto n = static_cast<double>(sessions.size());
    if (sessions.size() < 2) {
        estimate.low = estimate.high = estimate.edge;
        return estimate;
    }
    // The ratio of two sums over independent sessions: its variance is that of the residuals
    // result − edge × turnover, divided by the squared mean turnover.
    double squares = 0.0;
    for (const PlayerSession& s : sessions) {
        const double residual =
            static_cast<double>(s.result) - estimate.edge * static_cast<double>(s.turnover);
        squares += residual * residual;
    }
    const double meanTurnover = turnover / n;
    const double error = std::sqrt(squares / (n - 1.0) / n) / meanTurnover;
    estimate.low = estimate.edge - Z95 * error;
    estimate.high = estimate.edge + Z95 * error;
    return estimate;
}

std::vector<PlayerFigures> sessionFigures(const SessionRun& run) {
    std::vector<PlayerFigures> all;
    std::int64_t coups = 0;
    for (const SessionRecord& record : run.sessions) {
        coups += record.coups;
    }
    const std::size_t players = run.batch.startCapitals.size();
    for (std::size_t p = 0; p < players; ++p) {
        std::vector<PlayerSession> sessions;
        sessions.reserve(run.sessions.size());
        for (const SessionRecord& record : run.sessions) {
            sessions.push_back(p < record.players.size() ? record.players[p] : PlayerSession{});
        }
        PlayerFigures figures;
        figures.player = static_cast<int>(p) + 1;
        figures.systemPlayer = p < run.batch.systemPlayers.size() && run.batch.systemPlayers[p];
        figures.sessions = sessions.size();
        distribution(sessions, figures);
        shares(sessions, run.batch.goal.has_value(), figures);
        for (const PlayerSession& s : sessions) {
            figures.turnover += s.turnover;
        }
        figures.meanStakePerCoup =
            coups > 0 ? static_cast<double>(figures.turnover) / static_cast<double>(coups) : 0.0;
        figures.edge = observedEdge(sessions);
        figures.expectation = tableExpectation(run.batch.americanTable);
        all.push_back(std::move(figures));
    }
    return all;
}

} // namespace quendra
