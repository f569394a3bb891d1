// The system files as last examined: one look per round, and lines that stay where they are.
#include "support/TempFolder.h"
#include "systemplay/SystemFileCache.h"

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
    const SystemSteps* steps = cache.steps(first, *stamp);
    ASSERT_NE(steps, nullptr);
    const SystemSteps copy = *steps;

    for (int round = 0; round < 3; ++round) {
        for (int i = 0; i < 40; ++i) {
            const std::string other =
                folder.write("F" + std::to_string(i) + ".SYF", "ST:\r\n").string();
            ASSERT_TRUE(cache.stamp(other));
        }
        EXPECT_EQ(cache.steps(first, *stamp), steps);
        ASSERT_EQ(steps->size(), copy.size());
        cache.nextRound();
        ASSERT_TRUE(cache.stamp(first));
    }
}

} // namespace
} // namespace quendra
