// The year statistics file: the header, the coup lines and blank lines of a block, opening and
// its failure, writing twice, and the viewer's in-memory block.
#include "permanence/CoupReader.h"
#include "permanence/YearFile.h"
#include "statistics/StatisticsStore.h"
#include "support/PermanenceGame.h"
#include "support/TempFolder.h"
#include "text/FileLine.h"

#include <gtest/gtest.h>

namespace quendra {
namespace {

using testing::PermanenceGame;
using testing::readFile;

CalendarNames germanNames() {
    return {{"Sonntag", "Montag", "Dienstag", "Mittwoch", "Donnerstag", "Freitag", "Samstag"},
            {"Januar", "Februar", "M\xe4rz", "April", "Mai", "Juni", "Juli", "August", "September",
             "Oktober", "November", "Dezember"}};
}

std::chrono::system_clock::time_point at(int year, unsigned month, unsigned day, int hour,
                                         int minute) {
    using namespace std::chrono;
    return sys_days{std::chrono::year{year} / month / day} + hours{hour} + minutes{minute};
}

struct YearGame : PermanenceGame {
    YearGame() {
        state().permanence.year.calendarNames = germanNames();
        state().permanence.year.ProgramStartTime = at(2024, 3, 5, 9, 5);
        host.clock = at(2024, 3, 5, 10, 30);
    }
    // Plays coups as the spin cycle records them.
    void record(std::initializer_list<int> numbers) {
        for (int number : numbers) {
            Stat_RecordCoup(state().statistics,
                            state().table.pocket(state().table.pocketOf(number)), true);
        }
    }
    void recordMany(int coups) {
        for (int i = 0; i < coups; ++i) {
            record({i % 37});
        }
    }
    std::string yearFile() { return readFile(yearFileName(state(), 2024)); }
};

TEST(PermanenceYearFile, HeaderNamesStartEndAndCoups) {
    const auto names = germanNames();
    EXPECT_EQ(yearBlockHeader(at(2024, 3, 5, 9, 5), at(2024, 3, 15, 23, 59), 0, 45, names),
              ":: Dienstag, 5.M\xe4rz.2024 09:05 bis Freitag, 15.M\xe4rz.2024 23:59  Cups:: 45");
    EXPECT_EQ(yearBlockHeader(at(2023, 12, 31, 0, 0), at(2024, 1, 1, 0, 1), 1, 0, names),
              ":: Sonntag, 31.Dezember.2023 00:00 till Montag, 1.Januar.2024 00:01  Cups:: 0");
}

TEST(PermanenceYearFile, EntriesInThreeCharacterFields) {
    const struct {
        std::uint8_t code;
        const char* text;
    } cases[] = {{37, " 00"}, {0, "  0"},  {58, " 08"}, {3, " 03"},
                 {36, " 36"}, {67, " 17"}, {251, " --"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(int{c.code});
        EXPECT_EQ(yearEntryText(c.code), c.text);
    }
}

TEST(PermanenceYearFile, BlocksEndWithTheirLineBreaksAndOneEmptyLine) {
    const struct {
        int coups;
        std::vector<std::size_t> lineLengths; // after the header and its empty line
    } cases[] = {
        {45, {60, 60, 15, 0, 0}},
        {40, {60, 60, 0, 0, 0}},
        {20, {60, 0, 0, 0}},
        {0, {0, 0, 0}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.coups);
        const std::vector<std::uint8_t> entries(static_cast<std::size_t>(c.coups), 5);
        const std::string text = yearBlockText("H", entries);
        ASSERT_EQ(text.substr(0, 5), "H\r\n\r\n");
        std::vector<std::size_t> lengths;
        for (std::size_t at = 5, end; at < text.size(); at = end + 2) {
            end = text.find("\r\n", at);
            ASSERT_NE(end, std::string::npos);
            lengths.push_back(end - at);
        }
        // The last "line" counted is the empty rest after the final line break.
        lengths.push_back(0);
        EXPECT_EQ(lengths, c.lineLengths);
    }
}

TEST(PermanenceYearFile, AGameIsAppendedAsOneBlock) {
    YearGame g;
    ASSERT_TRUE(OpenYearFile(g.game));
    g.record({0, 8, 17});
    ASSERT_TRUE(WriteYearBlock(g.game));
    EXPECT_FALSE(g.state().permanence.year.file);
    EXPECT_EQ(g.yearFile(), ":: Dienstag, 5.M\xe4rz.2024 09:05 bis Dienstag, 5.M\xe4rz.2024 "
                            "10:30  Cups:: 3\r\n\r\n  0 08 17\r\n\r\n");
    // Closed: nothing more is written until it is opened again.
    EXPECT_FALSE(WriteYearBlock(g.game));
}

TEST(PermanenceYearFile, SwitchingOffAndOnWritesTheGameSoFarTwice) {
    YearGame g;
    ASSERT_TRUE(OpenYearFile(g.game));
    g.record({1, 2});
    ASSERT_TRUE(WriteYearBlock(g.game)); // switched off in the options
    ASSERT_TRUE(OpenYearFile(g.game));   // and on again
    g.record({3});
    ASSERT_TRUE(WriteYearBlock(g.game)); // end of the game
    const std::string file = g.yearFile();
    const std::string first = "Cups:: 2\r\n\r\n 01 02\r\n\r\n";
    const std::string second = "Cups:: 3\r\n\r\n 01 02 03\r\n\r\n";
    EXPECT_NE(file.find(first), std::string::npos);
    EXPECT_EQ(file.substr(file.size() - second.size()), second);
}

TEST(PermanenceYearFile, ADaySeparatorOfALoadFileIsWrittenInItsPlace) {
    YearGame g;
    ASSERT_TRUE(OpenYearFile(g.game));
    ASSERT_TRUE(g.activate(g.write("A.INP", "4\r\n--\r\n00 5\r\n")));
    while (g.load().HaLaAktiv) {
        const int number = g.coup();
        if (g.load().HaLaAktiv) {
            g.record({number});
        }
    }
    ASSERT_TRUE(WriteYearBlock(g.game));
    EXPECT_NE(g.yearFile().find("Cups:: 2\r\n\r\n 04 -- 05\r\n\r\n"), std::string::npos);
}

TEST(PermanenceYearFile, AFileThatCannotBeOpenedSwitchesTheYearStatisticsOff) {
    YearGame g;
    g.state().ProgramFolder = g.folder / "no" / "such" / "folder";
    g.host.clock = at(2025, 1, 2, 8, 0);
    g.state().settings.YearStatistics = true;
    EXPECT_FALSE(OpenYearFile(g.game));
    EXPECT_FALSE(g.state().settings.YearStatistics);
    ASSERT_EQ(g.messageNumbers(), std::vector<int>{6});
    const auto name = (g.state().ProgramFolder / "STAT2025.TXT").string();
    EXPECT_EQ(g.host.messages[0].text,
              shortenFileLine(name + "\r") + "Jahresstatistikdatei konnte nicht angelegt werden!");
}

TEST(PermanenceYearFile, TheViewerAppendsTheCurrentGameInMemoryOnly) {
    YearGame g;
    ASSERT_TRUE(OpenYearFile(g.game));
    g.recordMany(3);
    ASSERT_TRUE(WriteYearBlock(g.game));
    ASSERT_TRUE(OpenYearFile(g.game));
    const std::string before = g.yearFile();
    g.recordMany(37); // 40 entries in the history of the running game
    g.host.clock = at(2024, 3, 5, 11, 0);
    YearFileView shown;
    bool openWhileShown = true;
    ShowYearFile(g.game, [&](const YearFileView& view) {
        shown = view;
        openWhileShown = static_cast<bool>(g.state().permanence.year.file);
    });
    EXPECT_FALSE(openWhileShown);
    EXPECT_TRUE(g.state().permanence.year.file);
    EXPECT_EQ(shown.caption, "STAT2024.TXT - Browse only");
    EXPECT_EQ(g.yearFile(), before);
    const std::string header = ":: Dienstag, 5.M\xe4rz.2024 09:05 bis Dienstag, 5.M\xe4rz.2024 "
                               "11:00  Cups:: 40";
    ASSERT_EQ(shown.text.substr(0, before.size()), before);
    const std::string block = shown.text.substr(before.size());
    EXPECT_EQ(block.substr(0, header.size() + 4), header + "\r\n\r\n");
    // Two lines of 20 and the empty last line.
    EXPECT_EQ(block.size(), header.size() + 4 + 2 * 62 + 2);
    EXPECT_EQ(block.substr(block.size() - 4), "\r\n\r\n");
}

TEST(PermanenceYearFile, TheViewerOfAYearWithoutFileShowsTheCurrentGame) {
    YearGame g;
    g.state().settings.YearStatistics = false;
    g.recordMany(1);
    YearFileView shown;
    ShowYearFile(g.game, [&](const YearFileView& view) { shown = view; });
    EXPECT_EQ(shown.text.substr(shown.text.size() - 9), "\r\n\r\n  0\r\n");
    EXPECT_FALSE(g.state().permanence.year.file);
    EXPECT_TRUE(g.host.messages.empty());
}

TEST(PermanenceYearFile, SystemNamesAreThereForEveryDayAndMonth) {
    const CalendarNames names = systemCalendarNames();
    for (const std::string& day : names.days) {
        EXPECT_FALSE(day.empty());
    }
    for (const std::string& month : names.months) {
        EXPECT_FALSE(month.empty());
    }
}

} // namespace
} // namespace quendra
