// Bet items: reading them from a set statement and placing them for the player.
#include "bets/Amount.h"
#include "bets/ExtendedBets.h"
#include "systemplay/StatementRun.h"
#include "systemplay/SystemMessages.h"

namespace quendra::statements {
namespace {

// The first bet item of a run starts a new list; more than `ActionCapacity` are placed but not
// recorded.
void recordAction(SystemState& state, BetItem item) {
    if (state.NewActionList) {
        state.CurrentActions.clear();
        state.NewActionList = false;
    }
    if (state.CurrentActions.size() < ActionCapacity) {
        state.CurrentActions.push_back(actionText(item));
    }
}

// The bet's entries on the bet list: a single field, or the pattern of an extended bet, each
// field named by its board point for the player.
void appendEntries(const SystemContext& context, BetItem item, std::int32_t unit) {
    const TableType table = context.table.type();
    if (const std::optional<ExtendedBet> group = extendedBetOf(item.code)) {
        for (const PatternEntry& entry : extendedBetPattern(context.table, *group, item.index)) {
            context.betList.append(betListPoint(table, entry.field, context.player),
                                   entry.units * unit);
        }
        return;
    }
    const BetField field{*fieldKindOf(item.code), item.index};
    context.betList.append(betListPoint(table, field, context.player), unit);
}

} // namespace

bool placeBet(StatementRun& run, BetItem item, std::string_view token) {
    const TableType table = run.context.table.type();
    if (!betOnTable(item, table)) {
        return run.line.fail(SystemMessage::NotOnThisTable, token);
    }
    SystemState& state = run.state();
    if (state.StakeUnit < 1) {
        state.StakeUnit = 1;
        run.context.events.noUnitWarning();
    }
    const std::int64_t stake =
        std::int64_t{state.StakeUnit} * piecesPerUnit(run.context.table, item);
    if (!fitsAmount(run.context.betList.BetListTotal + stake)) {
        return run.line.fail(SystemMessage::InvalidUnitValue, token);
    }
    appendEntries(run.context, item, state.StakeUnit);
    run.context.betList.BetListTotal += static_cast<std::int32_t>(stake);
    recordAction(state, item);
    return true;
}

// The code and its index up to the comma or the semicolon.
std::optional<SetItem> prepareBetItem(LineScanner& line, TableType table) {
    const std::string_view text = line.takeUntil(",;");
    const BetItemParse parsed = parseBetItem(text, table, IndexWidth::Free);
    if (!parsed.item) {
        line.fail(parsed.error, parsed.token);
        return std::nullopt;
    }
    return BetItemEntry{*parsed.item, line.spanOf(text.substr(0, text.find_last_not_of(' ') + 1))};
}

bool applyBet(StatementRun& run, const BetItemEntry& entry) {
    return placeBet(run, entry.bet, run.line.text(entry.token));
}

bool betItem(StatementRun& run) {
    const std::optional<SetItem> item = prepareBetItem(run.line, run.context.table.type());
    return item && applySetItem(run, *item);
}

} // namespace quendra::statements
