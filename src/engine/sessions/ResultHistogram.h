// The results of one player over a batch of sessions in bins of equal whole width, for a chart of
// their distribution with marks (zero, the goal, the percentiles) at their places.
#pragma once

#include "sessions/SessionRecord.h"

#include <cstdint>
#include <vector>

namespace quendra {

struct ResultHistogram {
    std::int64_t low = 0;   // the lowest result of the first bin
    std::int64_t width = 1; // bin i holds the results low + i·width … low + (i+1)·width − 1
    std::vector<std::uint64_t> counts;

    // Where a result lies in bin units from the left edge of the first bin, for a mark.
    double position(double result) const {
        return (result - static_cast<double>(low)) / static_cast<double>(width);
    }
};

// At most `mostBins` bins from the lowest to the highest result of `player` (1-based); no bins
// without sessions.
ResultHistogram resultHistogram(const SessionRun& run, int player, int mostBins);

} // namespace quendra
