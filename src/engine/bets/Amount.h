// Amounts are 32-bit; sums are formed in 64 bits and kept within the 32-bit range.
#pragma once

#include <algorithm>
#include <cstdint>
#include <limits>

namespace quendra {

constexpr std::int32_t clampAmount(std::int64_t value) {
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(
        value, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

constexpr bool fitsAmount(std::int64_t value) {
    return clampAmount(value) == value;
}

} // namespace quendra
