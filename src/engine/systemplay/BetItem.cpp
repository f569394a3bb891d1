// Bet items: reading them from a set statement and placing them for the player.
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
    recordAction(state, item);
    return true;
}

// The code and its index up to the comma or the semicolon.
bool betItem(StatementRun& run) {
    LineScanner& line = run.line;
    const std::string_view text = line.takeUntil(",;");
    const BetItemParse parsed = parseBetItem(text, run.context.table.type(), IndexWidth::Free);
    if (!parsed.item) {
        return line.fail(parsed.error, parsed.token);
    }
    return placeBet(run, *parsed.item, text.substr(0, text.find_last_not_of(' ') + 1));
}

} // namespace quendra::statements
