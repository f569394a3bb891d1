// libFuzzer target: arbitrary bytes as a coup history, a table and a system file, run through
// the pre-check, the reader and every statement line of the file; a line with a prepared form
// must do the same from it as from its text.
#include "game/CoupHistory.h"
#include "systemplay/SystemContext.h"
#include "systemplay/SystemPrecheck.h"
#include "systemplay/SystemReader.h"
#include "systemplay/SystemStatements.h"
#include "table/Table.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace {

using namespace quendra;

// Answers each event from the input, so that every outcome of a rise table's maximum is met.
class FuzzEvents : public SystemEvents {
public:
    FuzzEvents(SystemState& state, std::uint8_t choice) : state_(state), choice_(choice) {}
    // The same answers to come, for another state.
    FuzzEvents(const FuzzEvents& other, SystemState& state)
        : state_(state), choice_(other.choice_) {}

    RiseMaximumOutcome riseMaximum(int table) override {
        switch (choice_++ % 3) {
        case 0:
            return RiseMaximumOutcome::KeepTopStep;
        case 1:
            riseMaximumReset(state_, table);
            return RiseMaximumOutcome::StepSetByEvent;
        default:
            systemReset(state_);
            return RiseMaximumOutcome::SystemStopped;
        }
    }
    void stop() override {}
    void restart() override {}
    void showDataDisplay(const DataDisplay&) override {}
    void noUnitWarning() override {}

    bool sameAnswersAs(const FuzzEvents& other) const { return choice_ == other.choice_; }

private:
    SystemState& state_;
    std::uint8_t choice_;
};

// A line with a prepared form is executed from it, and from its text on copies: the two must
// give the same message and leave the same state, bets and events.
std::optional<SystemError> executeBothWays(SystemContext& context, FuzzEvents& events,
                                           std::string_view line, int lineNumber) {
    const PreparedStatement prepared = prepareStatementLine(line, context.table.type());
    if (!prepared.forTable(context.table.type())) {
        return executeStatementLine(context, line, lineNumber);
    }
    SystemState textState = context.state;
    BetList textBets = context.betList;
    bool textSwitch = context.MessageSwitch;
    FuzzEvents textEvents(events, textState);
    SystemContext fromText{textState,       textBets,   context.player, context.table,
                           context.history, textSwitch, textEvents};
    fromText.inStartSection = context.inStartSection;
    fromText.settingStartValues = context.settingStartValues;
    fromText.capital = context.capital;
    const std::optional<SystemError> textError = executeStatementLine(fromText, line, lineNumber);
    const std::optional<SystemError> error =
        executeStatementLine(context, line, lineNumber, prepared);
    const bool same = error == textError && context.state == textState &&
                      context.betList.entries == textBets.entries &&
                      context.betList.BetListTotal == textBets.BetListTotal &&
                      context.MessageSwitch == textSwitch && events.sameAnswersAs(textEvents);
    if (!same) {
        __builtin_trap();
    }
    return error;
}

Table tableOf(TableType type) {
    Table table;
    table.FrenchTable = type == TableType::French;
    table.HighestNumber = highestNumber(type);
    table.PocketCount = pocketCount(type);
    table.PocketTable = standardPocketTable(type);
    return table;
}

const Table French = tableOf(TableType::French);
const Table American = tableOf(TableType::American);

} // namespace

// Layout: byte 0 the table (bit 0) and the message switch (bit 1), byte 1 the answer to the
// events, byte 2 the number of coups (at most 12), then the coups, then the system file.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 3) {
        return 0;
    }
    const Table& table = (data[0] & 1) ? American : French;
    bool messageSwitch = (data[0] & 2) != 0;
    const std::size_t coups = std::min<std::size_t>(data[2] % 13, size - 3);
    CoupHistory history;
    for (std::size_t i = 0; i < coups; ++i) {
        history.record(data[3 + i] % (table.HighestNumber + 1));
    }
    const std::size_t offset = 3 + coups;
    const std::string_view file(reinterpret_cast<const char*>(data) + offset, size - offset);

    const PrecheckResult checked = precheckSystemText(file);
    if (checked.error != SystemFileError::None) {
        return 0;
    }
    SystemState state;
    BetList betList;
    FuzzEvents events(state, data[1]);
    SystemReader reader(checked.text);
    for (int run = 0; run < 2; ++run) {
        beginActions(state);
        for (LineKind kind = reader.next(); kind != LineKind::EndOfFile; kind = reader.next()) {
            if (kind != LineKind::Statement) {
                continue;
            }
            const bool start = reader.section() == Section::Start;
            SystemContext context{state, betList, 1 + run, table, history, messageSwitch, events};
            context.inStartSection = start;
            context.settingStartValues = start;
            context.capital = 1000;
            executeBothWays(context, events, reader.LastLine(), reader.LineNumber());
        }
        carryActionsOver(state);
        reader.rewind();
    }
    return 0;
}
