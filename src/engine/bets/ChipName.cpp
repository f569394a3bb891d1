// Composing and reading chip names.
#include "bets/ChipName.h"

namespace quendra {

std::string chipName(BetField field, int player) {
    return std::string(ChipPrefix) + fieldCode(field) + std::to_string(player);
}

std::string prisonChipName(PrisonKind prison, int chance, int player) {
    return std::string(ChipPrefix) + (prison == PrisonKind::First ? "ZE" : "ZS") +
           std::to_string(chance) + std::to_string(player);
}

std::optional<ChipId> parseChipName(std::string_view name) {
    constexpr std::size_t length = 8; // "SH_" + two letters + two digits + player digit
    if (name.size() != length || !name.starts_with(ChipPrefix)) {
        return std::nullopt;
    }
    const char digit = name.back();
    if (digit < '1' || digit > '4') {
        return std::nullopt;
    }
    const auto field = parseFieldCode(name.substr(ChipPrefix.size(), 4));
    if (!field) {
        return std::nullopt;
    }
    return ChipId{*field, digit - '0'};
}

bool isPrisonChip(std::string_view name) {
    return name.starts_with("SH_ZE") || name.starts_with("SH_ZS");
}

} // namespace quendra
