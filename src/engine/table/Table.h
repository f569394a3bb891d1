// The table in play: its type, the wheel read from its wheel data file and the ball.
#pragma once

#include "table/BetField.h"
#include "table/PocketRecord.h"

#include <array>
#include <cstdint>
#include <filesystem>
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

// Reads a wheel data file: exactly pocketCount(table) records of 36 bytes. A missing, short or
// damaged file gives nullopt (the caller reports error 7).
std::optional<std::vector<PocketRecord>> readWheelFile(const std::filesystem::path& path,
                                                       TableType table);
// Writes the records in the 36-byte layout; false when the file cannot be written.
bool writeWheelFile(const std::filesystem::path& path, const std::vector<PocketRecord>& pockets);

// Loads the table of the given type from the program folder and puts the ball in the pocket of
// the number equal to the day of the month; RecentPockets none. nullopt when the wheel data
// file is missing or damaged.
std::optional<Table> loadTable(const std::filesystem::path& programFolder, TableType table,
                               int dayOfMonth);

} // namespace quendra
