// The engine's one random generator: seeded once, mapped to ranges by rejection sampling so
// that a seeded run draws the same numbers with every standard library.
#pragma once

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
    std::mt19937_64 engine_;
};

} // namespace quendra
