// The numbers of the last twelve coups, newest first, that the conditions of a system read:
// GZ, VZ and V0-V9.
#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace quendra {

// Positions 1-12: 1 is GZ (the last coup), 2 is VZ, 3-12 are V0-V9 (`EarlierPockets`). The
// history keeps numbers (0-36, 37 for the double zero), not wheel positions: V0-V9 outlive a
// change of table, and a wheel position of the old table would name another number, or none,
// on the new one.
class CoupHistory {
public:
    static constexpr int Positions = 12;

    // The end of every spin: everything moves one position back and GZ takes the number.
    void record(int number);
    // Loading a table: GZ and VZ hold no coup; V0-V9 keep theirs.
    void tableLoaded();

    // The number at a position 1-12; none while that position holds no coup, and for a position
    // outside 1-12.
    std::optional<int> numberAt(int position) const;

    bool operator==(const CoupHistory&) const = default;

private:
    std::array<std::optional<int>, Positions> numbers_{};
};

// The position an operand names: "GZ" 1, "VZ" 2, "V0"-"V9" 3-12; none for anything else.
std::optional<int> historyPosition(std::string_view operand);

} // namespace quendra
