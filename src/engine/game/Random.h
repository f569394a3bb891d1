// The engine's one random generator: seeded once, mapped to ranges by rejection sampling so
// that a seeded run draws the same numbers with every standard library.
#pragma once

#include <array>
#include <cstdint>
#include <random>

namespace quendra {

class Random {
public:
    // Seeded from the system's entropy source.
    Random();
    explicit Random(std::uint64_t seed);

    void reseed(std::uint64_t seed);

    // A uniformly distributed integer in [low, high]; low <= high.
    std::int64_t between(std::int64_t low, std::int64_t high);
    // A uniformly distributed integer in [0, count); count > 0.
    std::uint64_t below(std::uint64_t count);

private:
    // The largest engine value that is kept for a draw from [0, count).
    std::uint64_t rejectionLimit(std::uint64_t count);

    std::mt19937_64 engine_;
    // A coup draws from the same two ranges (the ball's steps and its extra turns) again and
    // again: their limits are kept, sparing two divisions per draw.
    struct RangeLimit {
        std::uint64_t count = 0;
        std::uint64_t limit = 0;
    };
    std::array<RangeLimit, 2> limits_{};
    std::size_t nextLimit_ = 0;
};

} // namespace quendra
