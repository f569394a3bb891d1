// Whole system files: each fixture is written in lower case with tabs and comments, and carries
// beside its lines what they leave behind, "(* expect co01=3 bets=ec03 total=1 *)", or the
// message they raise, "(* expect error 22 *)". Its statement lines run once each, section after
// section in the order of the file, until the first message.
#include "support/SystemHarness.h"
#include "systemplay/SystemFile.h"
#include "systemplay/SystemPrecheck.h"
#include "systemplay/SystemReader.h"
#include "systemplay/SystemText.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <vector>

namespace quendra {
namespace {

using testing::SystemHarness;

const std::filesystem::path FixtureFolder =
    std::filesystem::path(QUENDRA_FIXTURES_DIR) / "systemplay";

std::vector<std::string> words(std::string_view text) {
    std::istringstream in{std::string(text)};
    std::vector<std::string> result;
    for (std::string word; in >> word;) {
        result.push_back(word);
    }
    return result;
}

// The words of the comment "(* ... *)" that follows `opener` on a normalised line.
std::vector<std::string> commentWords(std::string_view line, std::string_view opener) {
    const std::size_t start = line.find(opener);
    if (start == std::string_view::npos) {
        return {};
    }
    const std::string_view rest = line.substr(start + opener.size());
    return words(rest.substr(0, rest.find("*)")));
}

std::string joined(const std::vector<std::string>& texts) {
    std::string result;
    for (const std::string& text : texts) {
        result += (result.empty() ? "" : ",") + text;
    }
    return result.empty() ? "NONE" : result;
}

// What a line left behind, by the names the fixtures use.
std::string observed(const SystemHarness& system, const std::string& name) {
    const SystemState& s = system.state;
    const auto number = [&name](std::size_t from) { return std::stoi(name.substr(from)); };
    if (name == "STAKE") {
        return std::to_string(s.StakeUnit);
    }
    if (name == "TOTAL") {
        return std::to_string(system.betList.BetListTotal);
    }
    if (name == "BETS") {
        return s.NewActionList ? "NONE" : joined(s.CurrentActions);
    }
    if (name == "DISPLAYS") {
        return std::to_string(system.events.displays.size());
    }
    if (name.starts_with("CO")) {
        return std::to_string(s.Counters.at(static_cast<std::size_t>(number(2))));
    }
    if (name.starts_with("EI")) {
        return std::to_string(s.Units.at(static_cast<std::size_t>(number(2))));
    }
    if (name.starts_with("ST")) {
        return std::to_string(s.RiseStep.at(static_cast<std::size_t>(number(2))));
    }
    if (name.starts_with("PT")) {
        return joined(s.PlayTables.at(static_cast<std::size_t>(number(2))));
    }
    ADD_FAILURE() << "unknown expectation " << name;
    return {};
}

// Reads "(* table american *)" and "(* history n n ... *)" (newest first) above the labels.
void applyDirectives(SystemHarness& system, const std::vector<std::string>& lines) {
    for (const std::string& line : lines) {
        if (line.find("(* TABLE AMERICAN") != std::string::npos) {
            system.useTable(TableType::American);
        }
        const std::vector<std::string> history = commentWords(line, "(* HISTORY");
        if (!history.empty()) {
            system.history = CoupHistory{};
            for (auto it = history.rbegin(); it != history.rend(); ++it) {
                system.history.record(std::stoi(*it));
            }
        }
    }
}

void runFixture(const std::string& name) {
    SCOPED_TRACE(name);
    const std::optional<std::string> raw = readSystemFile(FixtureFolder / name);
    ASSERT_TRUE(raw) << "missing fixture";
    const PrecheckResult checked = precheckSystemText(*raw);
    ASSERT_EQ(checked.error, SystemFileError::None) << "line " << checked.line;

    std::vector<std::string> lines{""}; // 1-based
    TextLines text(checked.text);
    while (const std::optional<std::string_view> line = text.next()) {
        lines.emplace_back(*line);
    }
    SystemHarness system;
    applyDirectives(system, lines);

    SystemReader reader(checked.text);
    std::optional<SystemError> error;
    int expectations = 0;
    for (LineKind kind = reader.next(); kind != LineKind::EndOfFile; kind = reader.next()) {
        ASSERT_NE(kind, LineKind::InvalidLabel);
        if (kind != LineKind::Statement) {
            continue;
        }
        const int number = reader.LineNumber();
        SCOPED_TRACE("line " + std::to_string(number) + ": " + std::string(reader.LastLine()));
        ASSERT_FALSE(error) << "a line after the first message is never run";
        system.inStartSection = system.settingStartValues = reader.section() == Section::Start;
        system.betList.clear();
        beginActions(system.state);
        error = system.run(reader.LastLine(), number);

        const std::vector<std::string> expected = commentWords(lines[number], "(* EXPECT");
        expectations += expected.empty() ? 0 : 1;
        if (expected.size() == 2 && expected[0] == "ERROR") {
            EXPECT_TRUE(testing::Raises(error, std::stoi(expected[1]), number));
            continue;
        }
        EXPECT_TRUE(testing::RunsClean(error));
        for (const std::string& item : expected) {
            const std::size_t equals = item.find('=');
            ASSERT_NE(equals, std::string::npos) << item;
            EXPECT_EQ(observed(system, item.substr(0, equals)), item.substr(equals + 1)) << item;
        }
    }
    EXPECT_GT(expectations, 0) << "a fixture without expectations tests nothing";
}

TEST(SystemPrograms, EveryFixtureLeavesWhatItsLinesExpect) {
    for (const char* name :
         {"doubling.SYF", "conditions.SYF", "american.SYF", "stmax_outside_start.SYF"}) {
        runFixture(name);
    }
}

} // namespace
} // namespace quendra
