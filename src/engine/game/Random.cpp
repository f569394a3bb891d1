#include "game/Random.h"

#include <cassert>
#include <limits>

namespace quendra {

Random::Random() {
    std::random_device device;
    std::uint64_t seed = (std::uint64_t{device()} << 32) ^ device();
    engine_.seed(seed);
}

Random::Random(std::uint64_t seed) : engine_(seed) {}

void Random::reseed(std::uint64_t seed) {
    engine_.seed(seed);
}

std::uint64_t Random::below(std::uint64_t count) {
    assert(count > 0);
    const std::uint64_t limit = rejectionLimit(count);
    std::uint64_t value;
    do {
        value = engine_();
    } while (value > limit);
    return value % count;
}

std::uint64_t Random::rejectionLimit(std::uint64_t count) {
    for (const RangeLimit& known : limits_) {
        if (known.count == count) {
            return known.limit;
        }
    }
    // Reject the top partial block of the 64-bit range so every residue is equally likely.
    const std::uint64_t max = std::numeric_limits<std::uint64_t>::max();
    const std::uint64_t limit = max - (max % count + 1) % count;
    limits_[nextLimit_] = {count, limit};
    nextLimit_ = (nextLimit_ + 1) % limits_.size();
    return limit;
}

std::int64_t Random::between(std::int64_t low, std::int64_t high) {
    assert(low <= high);
    const auto span = static_cast<std::uint64_t>(high - low) + 1;
    if (span == 0) { // the full 64-bit range
        return static_cast<std::int64_t>(engine_());
    }
    return low + static_cast<std::int64_t>(below(span));
}

} // namespace quendra
