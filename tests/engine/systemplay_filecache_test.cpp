// The system files as last examined: one look per round, and lines that stay where they are.
#include "support/TempFolder.h"
#include "systemplay/SystemFileCache.h"

#include <chrono>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>

namespace quendra {
namespace {

using testing::TempFolder;

// A game that passes many system files in one coup (players switching files, a long session)
// must not pull the lines of this coup's files from under the run that reads them.
TEST(SystemFileCache, LinesHandedOutInARoundStayValidWhileManyOtherFilesAreLookedAt) {
    TempFolder folder;
    SystemFileCache cache;
    const std::string first = folder.write("FIRST.SYF", "ST:\r\nSZ EI1(1), EC03;\r\n").string();
    const std::optional<SystemFileStamp> stamp = cache.stamp(first);
    ASSERT_TRUE(stamp);
    const SystemSteps* steps = cache.steps(first, *stamp, TableType::French);
    ASSERT_NE(steps, nullptr);
    const SystemSteps copy = *steps;

    for (int round = 0; round < 3; ++round) {
        for (int i = 0; i < 40; ++i) {
            const std::string other =
                folder.write("F" + std::to_string(i) + ".SYF", "ST:\r\n").string();
            ASSERT_TRUE(cache.stamp(other));
        }
        EXPECT_EQ(cache.steps(first, *stamp, TableType::French), steps);
        ASSERT_EQ(steps->size(), copy.size());
        cache.nextRound();
        ASSERT_TRUE(cache.stamp(first));
    }
}

// A bet item's range depends on the table: the lines are prepared again for another table.
TEST(SystemFileCache, LinesArePreparedForTheTableTheyAreAskedFor) {
    TempFolder folder;
    SystemFileCache cache;
    const std::string file = folder.write("DOUBLE0.SYF", "AL:\r\nSZ EI1(1), EN37;\r\n").string();
    const std::optional<SystemFileStamp> stamp = cache.stamp(file);
    ASSERT_TRUE(stamp);
    const auto statement = [&](TableType table) {
        const SystemSteps* steps = cache.steps(file, *stamp, table);
        EXPECT_NE(steps, nullptr);
        return steps ? steps->at(1) : SystemStep{};
    };
    // "EN37" (the double zero with its neighbours) raises a message on the French table, so it
    // runs from its text there.
    const SystemStep onFrench = statement(TableType::French);
    EXPECT_EQ(onFrench.kind, LineKind::Statement);
    EXPECT_EQ(onFrench.prepared.forTable(TableType::French), nullptr);
    const SystemStep onAmerican = statement(TableType::American);
    ASSERT_NE(onAmerican.prepared.forTable(TableType::American), nullptr);
    EXPECT_EQ(onAmerican.prepared.forTable(TableType::American)->size(), 2u);
    EXPECT_EQ(onAmerican.prepared.forTable(TableType::French), nullptr);
}

// In the super-short game a changed file is noticed within the throttle interval, at the first
// coup of a batch, after the program's own write and in every round outside that game.
TEST(SystemFileCache, ThrottledRoundsLookAtTheFileOnlyAfterTheIntervalOrANewBatch) {
    TempFolder folder;
    const std::filesystem::path path = folder.write("RED.SYF", "ST:\r\nSZ EI1(1), EC03;\r\n");
    const std::string file = path.string();
    SystemFileCache::Clock::time_point now{};
    SystemFileCache cache;
    cache.setClock([&now] { return now; });
    const auto stamp = [&] { return cache.stamp(file)->time; };
    // Every change moves the file a day on, far beyond the stamp's resolution.
    const auto change = [&] {
        std::filesystem::last_write_time(path, std::filesystem::last_write_time(path) +
                                                   std::chrono::hours(24));
    };
    const auto later = [&](int ms) { now += std::chrono::milliseconds(ms); };

    const double first = stamp();
    change();
    later(49);
    cache.nextRound(true);
    EXPECT_EQ(stamp(), first) << "within the interval";
    later(1);
    cache.nextRound(true);
    const double second = stamp();
    EXPECT_NE(second, first) << "the interval has passed";

    change();
    cache.newBatch();
    cache.nextRound(true);
    const double third = stamp();
    EXPECT_NE(third, second) << "a new batch";

    change();
    cache.forget(file);
    cache.nextRound(true);
    const double fourth = stamp();
    EXPECT_NE(fourth, third) << "the program's own write";

    change();
    cache.nextRound(false);
    EXPECT_NE(stamp(), fourth) << "outside the super-short game";
}

} // namespace
} // namespace quendra
