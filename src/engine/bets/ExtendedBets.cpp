// The extended-bet patterns and their buttons.
#include "bets/ExtendedBets.h"

#include "bets/Amount.h"
#include "bets/Placement.h"
#include "spin/NumberRequest.h"

#include <numeric>

namespace quendra {
namespace {

constexpr PatternEntry cheval(int index) {
    return {{BetKind::Cheval, index}, 1};
}
constexpr PatternEntry plein(int number) {
    return {{BetKind::Plein, number}, 1};
}

std::vector<PatternEntry> sectionPattern(ExtendedBet group) {
    switch (group) {
    case ExtendedBet::GrosseSerie:
        return {{{BetKind::TransversalePlein, 2}, 2},
                {{BetKind::Carre, 18}, 2},
                cheval(7),
                cheval(15),
                cheval(21),
                cheval(22),
                cheval(35)};
    case ExtendedBet::KleineSerie:
        return {cheval(30), cheval(16), cheval(36), cheval(52), cheval(8), cheval(43)};
    case ExtendedBet::Orphelins:
        return {cheval(17), cheval(34), cheval(9), cheval(20), plein(1)};
    case ExtendedBet::Zerospiel:
        return {cheval(3), plein(26), cheval(35), cheval(15)};
    default:
        return {};
    }
}

std::vector<PatternEntry> finalePattern(TableType table, int digit) {
    if (digit < 0 || digit > 9) {
        return {};
    }
    std::vector<PatternEntry> pattern;
    for (int number = digit; number <= 36; number += 10) {
        pattern.push_back(plein(number));
    }
    if (table == TableType::American && digit == 0) {
        pattern.push_back(plein(DoubleZero));
    }
    return pattern;
}

int neighbourCount(ExtendedBet group) {
    return static_cast<int>(group) - static_cast<int>(ExtendedBet::OneNeighbour) + 1;
}

bool isNeighbourBet(ExtendedBet group) {
    return group >= ExtendedBet::OneNeighbour && group <= ExtendedBet::ThreeNeighbours;
}

// The number and, for distance 1 to k, the numbers of the pockets before and after it.
std::vector<PatternEntry> neighbourPattern(const Table& table, int number, int k) {
    const int pockets = static_cast<int>(table.PocketTable.size());
    const int centre = table.pocketOf(number);
    if (!fieldPresent(table.type(), {BetKind::Plein, number}) || centre < 1 || pockets < 1) {
        return {};
    }
    const auto numberAt = [&](int pocket) {
        const int wrapped = ((pocket - 1) % pockets + pockets) % pockets + 1;
        return static_cast<int>(table.pocket(wrapped).number);
    };
    std::vector<PatternEntry> pattern{plein(number)};
    for (int distance = 1; distance <= k; ++distance) {
        pattern.push_back(plein(numberAt(centre - distance)));
        pattern.push_back(plein(numberAt(centre + distance)));
    }
    return pattern;
}

// Waiting for a number request pauses the game as every dialog does, unless the manual time
// bar already holds it.
class DialogPause {
public:
    explicit DialogPause(Game& game)
        : game_(game), paused_(game.state().phase == TextKind::gkMakeBet) {
        if (paused_) {
            setPhase(TextKind::gkPause);
        }
    }
    ~DialogPause() {
        const GameState& state = game_.state();
        if (paused_ && state.phase == TextKind::gkPause && !state.UserPause) {
            setPhase(TextKind::gkMakeBet);
        }
    }
    DialogPause(const DialogPause&) = delete;
    DialogPause& operator=(const DialogPause&) = delete;

private:
    void setPhase(TextKind phase) {
        game_.state().phase = phase;
        game_.host().changed(Change::Phase | Change::Commands);
    }

    Game& game_;
    bool paused_;
};

NumberRequestPurpose requestPurpose(ExtendedBet group) {
    switch (group) {
    case ExtendedBet::OneNeighbour:
        return NumberRequestPurpose::OneNeighbour;
    case ExtendedBet::TwoNeighbours:
        return NumberRequestPurpose::TwoNeighbours;
    case ExtendedBet::ThreeNeighbours:
        return NumberRequestPurpose::ThreeNeighbours;
    default:
        return NumberRequestPurpose::Finale;
    }
}

// The final digit or the centre number; nullopt when cancelled or out of the request's range.
std::optional<int> askNumber(Game& game, ExtendedBet group) {
    const GameState& state = game.state();
    const NumberRequest request = numberRequestFor(requestPurpose(group), state.table.type());
    DialogPause pause(game);
    const auto value =
        game.host().requestNumber(request, languageFromIndex(state.settings.Language));
    if (!value || *value < request.lowest || *value > request.highest) {
        return std::nullopt;
    }
    return value;
}

} // namespace

bool extendedBetAvailable(TableType table, ExtendedBet group) {
    if (group == ExtendedBet::Finale || isNeighbourBet(group)) {
        return true;
    }
    return table == TableType::French && group >= ExtendedBet::GrosseSerie &&
           group <= ExtendedBet::Zerospiel;
}

bool extendedBetButtonEnabled(const GameState& state, ExtendedBet group) {
    const bool running = state.phase != TextKind::gkSpielstart && state.phase != TextKind::gkPause;
    return running && extendedBetAvailable(state.table.type(), group);
}

std::vector<PatternEntry> extendedBetPattern(const Table& table, ExtendedBet group, int argument) {
    if (!extendedBetAvailable(table.type(), group)) {
        return {};
    }
    if (group == ExtendedBet::Finale) {
        return finalePattern(table.type(), argument);
    }
    if (isNeighbourBet(group)) {
        return neighbourPattern(table, argument, neighbourCount(group));
    }
    return sectionPattern(group);
}

int extendedBetUnits(const Table& table, ExtendedBet group, int argument) {
    const auto pattern = extendedBetPattern(table, group, argument);
    return std::accumulate(pattern.begin(), pattern.end(), 0,
                           [](int sum, const PatternEntry& entry) { return sum + entry.units; });
}

bool AppendExtendedBet(Game& game, ExtendedBet group, std::int32_t unit, int argument) {
    GameState& state = game.state();
    const Player* player = state.currentPlayer();
    const auto pattern = extendedBetPattern(state.table, group, argument);
    const std::int64_t total = std::int64_t{unit} * extendedBetUnits(state.table, group, argument);
    if (!player || pattern.empty() || unit < 1 || !fitsAmount(total)) {
        return false;
    }
    if (!player->isSystemPlayer() && !ChargeStake(game, static_cast<std::int32_t>(total))) {
        return false;
    }
    const TableType table = state.table.type();
    for (const PatternEntry& entry : pattern) {
        state.bets.betList.append(betListPoint(table, entry.field, state.CurrentPlayer),
                                  entry.units * unit);
    }
    return true;
}

void ErwSerieClick(Game& game, int tag) {
    GameState& state = game.state();
    state.bets.WinIndicator = WinIndicatorRest;
    game.host().changed(Change::WinIndicator);
    if (!state.betsAccepted() || tag < 1 || tag > ExtendedBetCount) {
        return;
    }
    const auto group = static_cast<ExtendedBet>(tag);
    if (!extendedBetAvailable(state.table.type(), group) || !state.currentPlayer()) {
        return;
    }
    state.bets.betList.clear();
    int argument = 0;
    if (group == ExtendedBet::Finale || isNeighbourBet(group)) {
        const auto number = askNumber(game, group);
        if (!number) {
            return;
        }
        argument = *number;
    }
    if (AppendExtendedBet(game, group, betUnit(state.settings), argument)) {
        PlaceBetList(game);
    } else {
        game.showWarning(10, state.bets.LastRequestedStake);
    }
}

} // namespace quendra
