// `quendra-cli analyse`: permanence files loaded for analysis as the analysis menu loads them,
// and the statistics the statistics windows show for them.
#pragma once

#include "game/GameState.h"

#include <array>
#include <cstdint>
#include <iosfwd>
#include <span>
#include <string>
#include <utility>
#include <vector>

namespace quendra::cli {

using CountedName = std::pair<std::string, std::int64_t>;

struct RankingRow {
    std::string section; // "H-PL"
    std::vector<CountedName> ranks;
};

struct FollowRowReport {
    std::string number; // "0" ... "36", "00"
    std::vector<CountedName> followers;
};

struct AnalysisReport {
    int coups = 0;
    int separators = 0;
    std::string info;                  // UTF-8
    std::vector<CountedName> howOften; // by field code, every field of the table
    std::vector<RankingRow> ranking;
    std::vector<FollowRowReport> followNumbers;
    std::array<std::int64_t, 4> quadrants{};
};

AnalysisReport analysisReport(const GameState& state);
void printAnalysis(std::ostream& out, const AnalysisReport& report, bool json);

int runAnalyse(std::span<const std::string> args, std::ostream& out, std::ostream& err);

} // namespace quendra::cli
