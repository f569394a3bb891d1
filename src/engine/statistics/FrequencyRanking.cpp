// The frequency ranking of every section and the grid of the frequency window.
#include "statistics/FrequencyRanking.h"

#include <utility>

namespace quendra {
namespace {

constexpr std::array<RankingSection, RankingSectionCount> Sections{{
    {"H-PL", "häufigsten Pleins", BetKind::Plein, 8, 7, true},
    {"H-CH", "häufigsten Chevals", BetKind::Cheval, 9, 7, true},
    {"H-CA", "häufigsten Carres", BetKind::Carre, 9, 7, true},
    {"H-TP", "häufigsten Transversale Pleins", BetKind::TransversalePlein, 9, 7, true},
    {"H-TS", "häufigsten Transversale Simples", BetKind::TransversaleSimple, 9, 7, true},
    {"H-KL", "häufigsten Kolonnen", BetKind::Column, 3, 3, false},
    {"H-DZ", "häufigsten Dutzend", BetKind::Dozen, 3, 3, false},
    {"H-EN", "häufigsten Einfachen Chancen", BetKind::EvenChance, 6, 6, false},
}};

constexpr int TieRank = 7;
constexpr std::size_t TieColumn = 8;

std::string rankText(const RankingSection& section, const RankedField& field) {
    const std::string code =
        section.kind == BetKind::Plein ? numberText(field.code) : std::to_string(field.code);
    return code + "(" + std::to_string(field.count) + ")";
}

} // namespace

std::vector<RankedField> exchangeSortRanking(std::vector<RankedField> records, int kept) {
    for (std::size_t i = 0; i + 1 < records.size(); ++i) {
        for (std::size_t j = i + 1; j < records.size(); ++j) {
            if (records[i].count > records[j].count) {
                std::swap(records[i], records[j]);
            }
        }
    }
    std::vector<RankedField> ranks(records.rbegin(), records.rend());
    if (kept >= 0 && ranks.size() > static_cast<std::size_t>(kept)) {
        ranks.resize(static_cast<std::size_t>(kept));
    }
    return ranks;
}

std::span<const RankingSection, RankingSectionCount> rankingSections() {
    return Sections;
}

std::vector<RankedField> sectionRanking(const CounterArray& counters, const RankingSection& section,
                                        TableType table) {
    const int first = firstIndex(section.kind);
    const int last =
        section.kind == BetKind::Plein ? highestNumber(table) : lastIndex(section.kind);
    std::vector<RankedField> records;
    for (int code = first; code <= last; ++code) {
        const int slot = *counterSlot({section.kind, code});
        records.push_back({code, counters[static_cast<std::size_t>(slot)]});
    }
    return exchangeSortRanking(std::move(records), section.kept);
}

FrequencyWindow frequencyWindow(const StatisticsStore& store, StatisticsSource source,
                                TableType table, Language language,
                                const AnalysisBookkeeping& analysis) {
    FrequencyWindow window;
    const std::string_view caption = FrequencyCaption[language];
    window.caption = source == StatisticsSource::Game
                         ? std::string(caption)
                         : analysisWindowCaption(analysis, language, caption);
    window.printButton = PrintButtonText[language];
    for (std::size_t rank = 1; rank < FrequencyGridSize; ++rank) {
        window.cells[0][rank] = std::to_string(rank);
    }
    const CounterArray& counters = sourceCounters(store, source);
    std::size_t row = 1;
    for (const RankingSection& section : Sections) {
        window.cells[row][0] = section.label;
        window.rowHints[row] = section.hint;
        const std::vector<RankedField> ranks = sectionRanking(counters, section, table);
        for (std::size_t r = 0; r < static_cast<std::size_t>(section.shown); ++r) {
            if (r < ranks.size() && ranks[r].count != 0) {
                window.cells[row][r + 1] = rankText(section, ranks[r]);
            }
        }
        // The tie goes on beyond the ranks shown.
        if (section.tieMark && ranks.size() > TieRank && ranks[TieRank - 1].count != 0 &&
            ranks[TieRank - 1].count == ranks[TieRank].count) {
            window.cells[row][TieColumn] = "*";
        }
        ++row;
    }
    return window;
}

} // namespace quendra
