// The follow-number matrix, its top three per row and the follow-number window's lines.
#include "statistics/FollowNumbers.h"

#include <optional>

namespace quendra {
namespace {

constexpr int FirstTableRows = 19;

// The number a history entry stands for; nullopt for a day separator or a damaged entry.
std::optional<int> coupNumber(std::uint8_t code) {
    const std::optional<int> number = CoupNumber(code);
    if (!number || *number > DoubleZero) {
        return std::nullopt;
    }
    return number;
}

void rankFollowers(FollowRow& row, int highest) {
    for (int m = 0; m <= highest; ++m) {
        const std::uint16_t count = row.counts[static_cast<std::size_t>(m)];
        auto& f = row.followers;
        auto& c = row.followerCounts;
        if (count > c[0]) {
            f = {m, f[0], f[1]};
            c = {count, c[0], c[1]};
        } else if (count > c[1]) {
            f = {f[0], m, f[1]};
            c = {c[0], count, c[1]};
        } else if (count > c[2]) {
            f[2] = m;
            c[2] = count;
        }
    }
}

FollowNumbersLine lineOf(const FollowRow& row, int number) {
    FollowNumbersLine line;
    line.number = numberText(number);
    for (std::size_t rank = 0; rank < FollowerRanks; ++rank) {
        if (row.followerCounts[rank] == 0) {
            break;
        }
        line.followers[rank] =
            numberText(row.followers[rank]) + "(" + std::to_string(row.followerCounts[rank]) + ")";
    }
    return line;
}

} // namespace

FollowMatrix followNumbers(std::span<const std::uint8_t> history, int coups, TableType table) {
    const int highest = highestNumber(table);
    FollowMatrix matrix(static_cast<std::size_t>(highest + 1));
    std::optional<int> previous;
    int seen = 0;
    for (std::uint8_t code : history) {
        if (seen >= coups) {
            break;
        }
        const std::optional<int> number = coupNumber(code);
        if (!number) {
            continue;
        }
        ++seen;
        if (previous && *previous <= highest && *number <= highest) {
            ++matrix[static_cast<std::size_t>(*previous)].counts[static_cast<std::size_t>(*number)];
        }
        previous = number;
    }
    for (FollowRow& row : matrix) {
        rankFollowers(row, highest);
    }
    return matrix;
}

FollowNumbersWindow followNumbersWindow(const StatisticsStore& store, StatisticsSource source,
                                        TableType table, Language language,
                                        const AnalysisBookkeeping& analysis) {
    FollowNumbersWindow window;
    const std::string_view caption = FollowNumbersCaption[language];
    window.caption = source == StatisticsSource::Game
                         ? std::string(caption)
                         : analysisWindowCaption(analysis, language, caption);
    window.printButton = PrintWord[language];
    window.secondTableHeight = table == TableType::French ? 478 : 503;
    const FollowMatrix matrix = followNumbers(sourceHistory(store, source),
                                              sourceCounters(store, source)[TotalSlot], table);
    for (int number = 0; number < static_cast<int>(matrix.size()); ++number) {
        auto& grid = number < FirstTableRows ? window.firstTable : window.secondTable;
        grid.push_back(lineOf(matrix[static_cast<std::size_t>(number)], number));
    }
    return window;
}

} // namespace quendra
