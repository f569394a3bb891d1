// The figures of a batch of sessions per player: the distribution of the results, how often the
// player was ruined, reached the goal or was stopped by a system message, and the edge the
// sessions show beside the one the table gives.
#pragma once

#include "sessions/SessionRecord.h"

#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <span>
#include <vector>

namespace quendra {

inline constexpr std::array<int, 7> ResultPercentPoints{1, 5, 25, 50, 75, 95, 99};

// The p-quantile (0 ≤ p ≤ 1) of sorted values, interpolated between the two nearest ranks; 0
// for no values.
double quantile(std::span<const std::int64_t> sorted, double p);

// The result ÷ turnover the table takes on average: −1/37 on the French table, −2/38 on the
// American one. (The zero rule of the even chances gives back part of their stakes, so they lose
// less while it is on.)
double tableExpectation(bool americanTable);

// Result ÷ turnover over all sessions with its 95 % interval. The sessions are independent, so
// the interval comes from how much the sessions' results scatter around edge × turnover.
struct EdgeEstimate {
    double edge = 0.0;
    double low = 0.0;
    double high = 0.0;
};

struct PlayerFigures {
    int player = 1;
    bool systemPlayer = false;
    std::uint64_t sessions = 0;
    double mean = 0.0;
    double standardDeviation = 0.0; // of the sessions' results, n − 1 in the denominator
    std::array<double, ResultPercentPoints.size()> percentiles{};
    double ruinedShare = 0.0;
    std::optional<double> goalShare;  // only with a goal
    std::map<int, double> stopShares; // system message number → share of sessions
    std::int64_t turnover = 0;
    double meanStakePerCoup = 0.0;
    std::optional<EdgeEstimate> edge; // none without turnover
    double expectation = 0.0;
};

std::optional<EdgeEstimate> observedEdge(std::span<const PlayerSession> sessions);

// The figures of every player, from the sessions in the order given.
std::vector<PlayerFigures> sessionFigures(const SessionRun& run);

} // namespace quendra
