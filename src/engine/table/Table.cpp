// The table in play: loading it from its wheel data file and finding the pocket of a number.
#include "table/Table.h"

#include "table/WheelGeometry.h"

#include <span>
#include <utility>

namespace quendra {

int Table::pocketOf(int number) const {
    for (std::size_t i = 0; i < PocketTable.size(); ++i) {
        if (PocketTable[i].number == number) {
            return static_cast<int>(i) + 1;
        }
    }
    return 0;
}

const char* wheelFileName(TableType table) {
    return table == TableType::French ? "EIGENPR.VER" : "EIGENPRA.VER";
}

std::vector<PocketRecord> standardPocketTable(TableType table) {
    const std::span<const int> order = wheelOrder(table);
    std::vector<PocketRecord> pockets;
    pockets.reserve(order.size());
    for (std::size_t i = 0; i < order.size(); ++i) {
        PocketRecord record = pocketRecordFor(table, order[i]);
        const WheelPoint ball = ballPosition(table, static_cast<int>(i) + 1);
        record.ballX = ball.x;
        record.ballY = ball.y;
        pockets.push_back(record);
    }
    return pockets;
}

std::optional<Table> loadTable(const std::filesystem::path& programFolder, TableType table,
                               int dayOfMonth) {
    auto pockets = readWheelFile(programFolder / wheelFileName(table), table);
    if (!pockets) {
        return std::nullopt;
    }
    Table loaded;
    loaded.FrenchTable = table == TableType::French;
    loaded.HighestNumber = highestNumber(table);
    loaded.PocketCount = pocketCount(table);
    loaded.PocketTable = std::move(*pockets);
    const int dayPocket = loaded.pocketOf(dayOfMonth);
    loaded.BallPocket = dayPocket != 0 ? dayPocket : 1;
    loaded.RecentPockets = {NoPocket, NoPocket, NoPocket};
    return loaded;
}

} // namespace quendra
