#include "sessions/ResultHistogram.h"

#include <algorithm>

namespace quendra {

ResultHistogram resultHistogram(const SessionRun& run, int player, int mostBins) {
    ResultHistogram histogram;
    const auto index = static_cast<std::size_t>(player - 1);
    std::vector<std::int64_t> results;
    for (const SessionRecord& record : run.sessions) {
        if (index < record.players.size()) {
            results.push_back(record.players[index].result);
        }
    }
    if (results.empty() || mostBins < 1) {
        return histogram;
    }
    const auto [lowest, highest] = std::minmax_element(results.begin(), results.end());
    const std::int64_t span = *highest - *lowest + 1;
    histogram.low = *lowest;
    histogram.width = (span + mostBins - 1) / mostBins;
    histogram.counts.assign(static_cast<std::size_t>((span - 1) / histogram.width + 1), 0);
    for (const std::int64_t result : results) {
        ++histogram.counts[static_cast<std::size_t>((result - histogram.low) / histogram.width)];
    }
    return histogram;
}

} // namespace quendra
