// libFuzzer target: arbitrary bytes as two permanence files loaded for analysis, the first
// loaded afresh or added, then the second added up to sixteen times; the first may be a list
// naming "B.INP".
#include "permanence/AnalysisLoader.h"
#include "statistics/StatisticsStore.h"
#include "support/FuzzSupport.h"
#include "table/Table.h"

namespace {

using namespace quendra;

// Every entry of the history is a coup or a day separator, and the counts say how many.
void requireCountsMatchHistory(const GameState& state) {
    const auto& statistics = state.statistics;
    const auto entries = static_cast<std::int64_t>(statistics.analysisHistory().size());
    fuzz::require(entries <= 32000, "the history holds at most 32000 entries");
    fuzz::require(entries ==
                      statistics.AnalysisHowOften[TotalSlot] + statistics.AnalysisSeparatorCount,
                  "the counts of coups and separators match the history");
}

} // namespace

// Layout: byte 0 the table (bit 0), whether the first file is added (bit 1) and how often the
// second is added after it (bits 2-5, plus one); then "A.INP" and, after a NUL byte, "B.INP".
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) {
        return 0;
    }
    const TableType table = (data[0] & 1) ? TableType::American : TableType::French;
    const auto [first, second] = fuzz::splitAtNul(fuzz::textOf(data + 1, size - 1));
    const auto firstFile = fuzz::writeScratchFile("A.INP", first);
    const auto secondFile = fuzz::writeScratchFile("B.INP", second);

    fuzz::FuzzGame g(table);
    loadAnalysis(g.game, firstFile, (data[0] & 2) != 0);
    requireCountsMatchHistory(g.game.state());
    // Adding the second file again and again reaches the history's limit with small inputs.
    const int additions = 1 + ((data[0] >> 2) & 15);
    for (int i = 0; i < additions; ++i) {
        loadAnalysis(g.game, secondFile, true);
        requireCountsMatchHistory(g.game.state());
    }
    return 0;
}
