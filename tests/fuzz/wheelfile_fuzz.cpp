// libFuzzer target: arbitrary bytes as a wheel data file, read as the table's wheel and loaded
// as the table in play; whatever is accepted must be a wheel the game can use, and must be
// written and read back unchanged.
#include "support/FuzzSupport.h"
#include "table/Table.h"

#include <set>
#include <sstream>

namespace {

using namespace quendra;

void requireUsableWheel(const std::vector<PocketRecord>& pockets, TableType table) {
    fuzz::require(static_cast<int>(pockets.size()) == pocketCount(table),
                  "a wheel holds every pocket of its table");
    std::set<int> numbers;
    for (const PocketRecord& pocket : pockets) {
        numbers.insert(pocket.number);
    }
    fuzz::require(static_cast<int>(numbers.size()) == pocketCount(table) &&
                      *numbers.rbegin() == highestNumber(table),
                  "a wheel holds each number of its table once");
}

} // namespace

// Layout: byte 0 the table (bit 0) and the day of the month (the other bits); then the file.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) {
        return 0;
    }
    const TableType table = (data[0] & 1) ? TableType::American : TableType::French;
    const int day = data[0] >> 1;
    const std::string_view bytes = fuzz::textOf(data + 1, size - 1);
    const auto file = fuzz::writeScratchFile(wheelFileName(table), bytes);

    const auto pockets = readWheelFile(file, table);
    if (!pockets) {
        fuzz::require(!loadTable(fuzz::scratchFolder(), table, day),
                      "a wheel the reader refuses is not loaded");
        return 0;
    }
    requireUsableWheel(*pockets, table);
    std::stringstream rewritten;
    fuzz::require(writeWheelFile(rewritten, *pockets), "a wheel is written to memory");
    fuzz::require(readWheelFile(rewritten, table) == pockets, "a wheel reads back as written");

    const auto loaded = loadTable(fuzz::scratchFolder(), table, day);
    fuzz::require(loaded && loaded->PocketTable == *pockets, "an accepted wheel is loaded");
    fuzz::require(loaded->BallPocket >= 1 && loaded->BallPocket <= loaded->PocketCount,
                  "the ball lies in a pocket");
    return 0;
}
