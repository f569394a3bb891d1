// A player's system on a table with a coup history, for the tests of the system language.
#include "support/SystemHarness.h"

#include "systemplay/SystemStatements.h"

#include <string>
#include <vector>

namespace quendra::testing {

RiseMaximumOutcome RecordingEvents::riseMaximum(int table) {
    maxima.push_back(table);
    if (outcome == RiseMaximumOutcome::StepSetByEvent && state) {
        riseMaximumReset(*state, table);
    }
    return outcome;
}

Table standardTable(TableType type) {
    Table table;
    table.FrenchTable = type == TableType::French;
    table.HighestNumber = highestNumber(type);
    table.PocketCount = pocketCount(type);
    table.PocketTable = standardPocketTable(type);
    return table;
}

std::optional<SystemError> SystemHarness::run(std::string_view line, int lineNumber) {
    const PreparedStatement prepared = prepareStatementLine(line, table.type());
    if (!prepared.forTable(table.type())) {
        return execute(line, lineNumber, nullptr);
    }
    SystemHarness fromText = *this;
    const std::optional<SystemError> textError = fromText.execute(line, lineNumber, nullptr);
    const std::optional<SystemError> error = execute(line, lineNumber, &prepared);
    EXPECT_EQ(error, textError) << "prepared and from text: " << line;
    EXPECT_TRUE(state == fromText.state) << "prepared and from text: " << line;
    EXPECT_TRUE(betList.entries == fromText.betList.entries &&
                betList.BetListTotal == fromText.betList.BetListTotal)
        << "prepared and from text: " << line;
    EXPECT_TRUE(events == fromText.events && MessageSwitch == fromText.MessageSwitch)
        << "prepared and from text: " << line;
    return error;
}

std::optional<SystemError> SystemHarness::execute(std::string_view line, int lineNumber,
                                                  const PreparedStatement* prepared) {
    events.state = &state;
    SystemContext context{state, betList, player, table, history, MessageSwitch, events};
    context.inStartSection = inStartSection;
    context.settingStartValues = settingStartValues;
    context.capital = capital;
    return prepared ? executeStatementLine(context, line, lineNumber, *prepared)
                    : executeStatementLine(context, line, lineNumber);
}

std::optional<SystemError> SystemHarness::runAll(std::initializer_list<std::string_view> lines) {
    int number = 0;
    for (const std::string_view line : lines) {
        if (std::optional<SystemError> error = run(line, ++number)) {
            return error;
        }
    }
    return std::nullopt;
}

void SystemHarness::setHistory(std::initializer_list<int> newestFirst) {
    history = CoupHistory{};
    const std::vector<int> numbers(newestFirst);
    for (auto it = numbers.rbegin(); it != numbers.rend(); ++it) {
        history.record(*it);
    }
}

::testing::AssertionResult Raises(const std::optional<SystemError>& error, int message, int line) {
    if (!error) {
        return ::testing::AssertionFailure() << "no message, expected " << message;
    }
    if (error->Message != message || error->LineNumber != line) {
        return ::testing::AssertionFailure()
               << "message " << error->Message << " in line " << error->LineNumber << " at \""
               << error->ErrorText << "\", expected " << message << " in line " << line;
    }
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult RunsClean(const std::optional<SystemError>& error) {
    if (error) {
        return ::testing::AssertionFailure()
               << "message " << error->Message << " in line " << error->LineNumber << " at \""
               << error->ErrorText << "\"";
    }
    return ::testing::AssertionSuccess();
}

} // namespace quendra::testing
