// The seeded generator must give the same numbers on every build, so a run can be repeated.
#include "game/Random.h"

#include <gtest/gtest.h>
#include <vector>

namespace quendra {
namespace {

std::vector<std::int64_t> firstNumbers(std::uint64_t seed, int count) {
    Random random(seed);
    std::vector<std::int64_t> numbers;
    for (int i = 0; i < count; ++i) {
        numbers.push_back(random.between(0, 36));
    }
    return numbers;
}

TEST(Random, SeededRunsArePinned) {
    EXPECT_EQ(firstNumbers(1, 8), (std::vector<std::int64_t>{6, 32, 18, 31, 28, 20, 26, 13}));
    EXPECT_EQ(firstNumbers(20261210, 8),
              (std::vector<std::int64_t>{8, 35, 14, 36, 22, 20, 25, 29}));
}

TEST(Random, ReseedRepeatsTheSequence) {
    Random random(7);
    std::vector<std::int64_t> first;
    for (int i = 0; i < 5; ++i) {
        first.push_back(random.between(0, 37));
    }
    random.reseed(7);
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(random.between(0, 37), first[i]);
    }
}

TEST(Random, StaysWithinItsBoundsAndReachesBoth) {
    Random random(3);
    bool sawLow = false, sawHigh = false;
    for (int i = 0; i < 2000; ++i) {
        auto n = random.between(-2, 2);
        ASSERT_GE(n, -2);
        ASSERT_LE(n, 2);
        sawLow |= n == -2;
        sawHigh |= n == 2;
    }
    EXPECT_TRUE(sawLow && sawHigh);
    EXPECT_EQ(random.between(5, 5), 5);
}

} // namespace
} // namespace quendra
