// The player statistics' chart, results and grid figures.
#include "statistics/PlayerStatistics.h"

#include <algorithm>
#include <cstdio>

namespace quendra {
namespace {

constexpr BilingualText TurnoverLabel{"Umsatz", "revenue"};
constexpr BilingualText StakedCoupsLabel{"effekt. Sätze", "effect. bets"};
constexpr BilingualText CoupsLabel{"Coups", "coups"};
constexpr BilingualText CapitalLabel{"Guthaben", "assets"};
constexpr BilingualText BalanceLabel{"rel. Saldo", "rel. balance"};
constexpr BilingualText BalancePerCoupLabel{"Saldo/Coups", "balance/coups"};
constexpr BilingualText MinimumLabel{"Minimum", "Minimum"};
constexpr BilingualText MaximumLabel{"Maximum", "Maximum"};
constexpr BilingualText AverageLabel{"Mittelwert", "average value"};
constexpr BilingualText CoupsWonLabel{"Cups mit Gew", "Cups with Pro"};
constexpr BilingualText CoupsLostLabel{"Cups mit Ver", "Cups with Los"};
constexpr BilingualText BalancePerTurnoverLabel{"% Saldo/Umsatz", "% balance/rev"};

// The counters bets/Payout.h keeps in `TSysSpieler`.
constexpr std::size_t CoupsWonCounter = 3;
constexpr std::size_t CoupsLostCounter = 4;

std::int32_t cumulativeResult(const Player& player, int coup) {
    const auto index = static_cast<std::size_t>(coup - 1);
    return index < player.history.size() ? player.history[index].cumulative : 0;
}

PlayerInfoColumn column(const BilingualText& label, Language language, std::string value) {
    return {std::string(label[language]), std::move(value)};
}

} // namespace

std::array<std::string, PlayerSlots> playerNames(Language language) {
    std::array<std::string, PlayerSlots> names;
    for (int p = 0; p < PlayerSlots; ++p) {
        names[static_cast<std::size_t>(p)] = textKindText(
            static_cast<TextKind>(static_cast<int>(TextKind::gkSpieler1) + p), language);
    }
    return names;
}

PlayerChart showPlayerStatistics(const GameState& state, PlayerResults& results,
                                 Language language) {
    PlayerChart chart;
    chart.legends = playerNames(language);
    std::int32_t lowest = 0;
    std::int32_t highest = 0;
    if (state.SpielerStatPos > 0) {
        const int points = std::min(state.SpielerStatPos, HistoryLimit);
        chart.seriesCount = PlayerSlots;
        chart.pointCount = points;
        for (int p = 1; p <= PlayerSlots; ++p) {
            const Player& player = state.player(p);
            PlayerResult& result = results[static_cast<std::size_t>(p - 1)];
            result = PlayerResult{};
            std::vector<std::int32_t>& series = chart.values.emplace_back();
            series.reserve(static_cast<std::size_t>(points));
            for (int coup = 1; coup <= points; ++coup) {
                const std::int32_t value = cumulativeResult(player, coup);
                series.push_back(value);
                lowest = std::min(lowest, value);
                highest = std::max(highest, value);
                result.PlayerMinimum = std::min(result.PlayerMinimum, value);
                result.PlayerMaximum = std::max(result.PlayerMaximum, value);
                result.PlayerSum += value;
            }
            // All coups divide, not only those charted: past 32000 the average shrinks.
            result.PlayerAverage =
                static_cast<std::int32_t>(result.PlayerSum / state.SpielerStatPos);
        }
    }
    const std::int64_t margin = state.settings.ShowPieces ? 1 : state.settings.PieceValue;
    chart.axisMinimum = lowest - margin;
    chart.axisMaximum = highest + margin;
    return chart;
}

std::string twoDecimals(double value) {
    char text[64];
    std::snprintf(text, sizeof text, "%4.2f", value);
    return text;
}

PlayerInfoGrids playerInfoGrids(const GameState& state, const PlayerResults& results, int player,
                                Language language) {
    PlayerInfoGrids grids;
    if (player < 1 || player > PlayerSlots) {
        return grids;
    }
    const Player& p = state.player(player);
    const PlayerResult& result = results[static_cast<std::size_t>(player - 1)];
    const bool inPlay = state.participates(player);
    const std::int64_t balance = static_cast<std::int64_t>(p.Capital) - p.StartCapital;
    const int coups = state.statistics.StatHowOften[TotalSlot];
    const std::string name = playerNames(language)[static_cast<std::size_t>(player - 1)];

    grids.figures = {{
        {"", name},
        column(TurnoverLabel, language, std::to_string(p.TotalStaked)),
        column(StakedCoupsLabel, language, std::to_string(p.CoupsWithStake)),
        column(CoupsLabel, language, std::to_string(coups)),
        column(CapitalLabel, language, std::to_string(p.Capital)),
        column(BalanceLabel, language, inPlay ? std::to_string(balance) : "0"),
        column(BalancePerCoupLabel, language,
               inPlay && coups != 0 ? twoDecimals(static_cast<double>(balance) / coups) : "0"),
    }};
    const bool turnover = inPlay && p.TotalStaked != 0;
    grids.results = {{
        {"", name},
        column(MinimumLabel, language, std::to_string(result.PlayerMinimum)),
        column(MaximumLabel, language, std::to_string(result.PlayerMaximum)),
        column(AverageLabel, language, std::to_string(result.PlayerAverage)),
        column(CoupsWonLabel, language, std::to_string(p.sys.Counters[CoupsWonCounter])),
        column(CoupsLostLabel, language, std::to_string(p.sys.Counters[CoupsLostCounter])),
        column(BalancePerTurnoverLabel, language,
               turnover ? twoDecimals(static_cast<double>(balance) /
                                      static_cast<double>(p.TotalStaked) * 100.0) +
                              "%"
                        : "0%"),
    }};
    return grids;
}

} // namespace quendra
