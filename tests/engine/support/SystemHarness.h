// A player's system on a table with a coup history, for running single statement lines and
// whole system files in tests, with events recorded and message numbers asserted by line.
#pragma once

#include "game/CoupHistory.h"
#include "systemplay/LineScanner.h"
#include "systemplay/PreparedStatement.h"
#include "systemplay/SystemContext.h"
#include "systemplay/SystemState.h"
#include "table/Table.h"

#include <gtest/gtest.h>
#include <initializer_list>
#include <optional>
#include <string_view>
#include <vector>

namespace quendra::testing {

// The run around the statements, as far as a test needs it: it counts what it is asked and
// answers a rise table's maximum as the test says.
class RecordingEvents : public SystemEvents {
public:
    RiseMaximumOutcome riseMaximum(int table) override;
    void stop() override { ++stops; }
    void restart() override { ++restarts; }
    void showDataDisplay(const DataDisplay& display) override { displays.push_back(display); }
    void noUnitWarning() override { ++unitWarnings; }

    // StepSetByEvent puts the table back the way letter S does.
    RiseMaximumOutcome outcome = RiseMaximumOutcome::KeepTopStep;
    SystemState* state = nullptr;

    std::vector<int> maxima; // the tables that passed their maximum, in order
    int stops = 0;
    int restarts = 0;
    int unitWarnings = 0;
    std::vector<DataDisplay> displays;

    bool operator==(const RecordingEvents& other) const {
        return maxima == other.maxima && stops == other.stops && restarts == other.restarts &&
               unitWarnings == other.unitWarnings && displays == other.displays;
    }
};

// A table of the given type with the standard wheel.
Table standardTable(TableType type);

struct SystemHarness {
    Table table = standardTable(TableType::French);
    CoupHistory history;
    SystemState state;
    BetList betList;
    int player = 1;
    bool MessageSwitch = false;
    RecordingEvents events;
    bool inStartSection = false;
    bool settingStartValues = false;
    std::int32_t capital = 0;

    // Executes one statement line. A line with a prepared form is executed from it, and from its
    // text on a copy of the harness: both must give the same message and leave the same state.
    std::optional<SystemError> run(std::string_view line, int lineNumber = 1);
    // Executes lines one after the other, stopping at the first error.
    std::optional<SystemError> runAll(std::initializer_list<std::string_view> lines);
    // The coups so far, newest first: GZ, VZ, V0, ...
    void setHistory(std::initializer_list<int> newestFirst);
    void useTable(TableType type) { table = standardTable(type); }

private:
    std::optional<SystemError> execute(std::string_view line, int lineNumber,
                                       const PreparedStatement* prepared);
};

// Exactly message `message` raised in line `line`.
::testing::AssertionResult Raises(const std::optional<SystemError>& error, int message,
                                  int line = 1);
// No message raised.
::testing::AssertionResult RunsClean(const std::optional<SystemError>& error);

} // namespace quendra::testing
