// The table in play: its type, the wheel read from its wheel data file and the ball.
#pragma once

#include "table/BetField.h"
#include "table/PocketRecord.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <iosfwd>
#include <optional>
#include <vector>

namespace quendra {

inline constexpr std::uint8_t NoPocket = 255;

struct Table {
    bool FrenchTable = true;
    int HighestNumber = 36;
    int PocketCount = 37;
    std::vector<PocketRecord> PocketTable; // index 0 is pocket 1
    int BallPocket = 1;                    // 1-based
    std::array<std::uint8_t, 3> RecentPockets{NoPocket, NoPocket, NoPocket};

    TableType type() const { return FrenchTable ? TableType::French : TableType::American; }
    // 1-based pocket holding the number, 0 when no pocket holds it.
    int pocketOf(int number) const;
    const PocketRecord& pocket(int pocketIndex) const { return PocketTable.at(pocketIndex - 1); }
    int ballNumber() const { return pocket(BallPocket).number; }
};

// "EIGENPR.VER" or "EIGENPRA.VER".
const char* wheelFileName(TableType table);

// The table's pockets as the program's wheel data files hold them: the standard wheel in the
// order of wheelOrder, each record from pocketRecordFor with the ball at ballPosition.
std::vector<PocketRecord> standardPocketTable(TableType table);

// Reads a wheel data file: exactly pocketCount(table) records of 36 bytes. A missing, short,
// long or damaged file gives nullopt (the caller reports error 7). Damaged means: a number
// outside the table, a number twice, a record that differs from pocketRecordFor of its number
// (colour letter, membership lists), or a ball frame outside the wheel picture. The reserved
// bytes are not read. Any record order is accepted.
std::optional<std::vector<PocketRecord>> readWheelFile(const std::filesystem::path& path,
                                                       TableType table);
std::optional<std::vector<PocketRecord>> readWheelFile(std::istream& in, TableType table);

// Writes the records in the 36-byte layout, reserved bytes 0; false when the file cannot be
// written. The file is written beside the target and renamed over it, so a failure leaves an
// existing file as it was.
bool writeWheelFile(const std::filesystem::path& path, const std::vector<PocketRecord>& pockets);
bool writeWheelFile(std::ostream& out, const std::vector<PocketRecord>& pockets);

// Loads the table of the given type from the program folder and puts the ball in the pocket of
// the number equal to the day of the month (pocket 1 for a day that is no number of the table);
// RecentPockets none. nullopt when the wheel data file is missing or damaged.
std::optional<Table> loadTable(const std::filesystem::path& programFolder, TableType table,
                               int dayOfMonth);

} // namespace quendra
