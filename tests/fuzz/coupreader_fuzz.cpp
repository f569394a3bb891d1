// libFuzzer target: arbitrary bytes as a main load file and a collect file, played coup by coup
// through the coup reader under each start mode until the load ends.
#include "permanence/CoupCounter.h"
#include "permanence/CoupReader.h"
#include "permanence/LoadSet.h"
#include "permanence/StartOptions.h"
#include "support/FuzzSupport.h"
#include "table/Table.h"

#include <string>

namespace {

using namespace quendra;

// More coups than any input of the fuzzer's length limits holds.
constexpr std::int64_t CoupLimit = 1'000'000;

void chooseStartMode(Game& game, std::uint8_t mode, std::uint8_t value) {
    game.state().permanence.menu.options.StartOptionsChanged = true;
    const std::string number = std::to_string(value);
    switch (mode % 4) {
    case 1:
        selectStartMode(game, LoadStartMode::Fix);
        applyFixRando(game, number);
        break;
    case 2:
        selectStartMode(game, LoadStartMode::Random);
        applyRandomRange(game, "1", number);
        break;
    case 3:
        selectStartMode(game, LoadStartMode::RandomAttacks);
        applyAttacks(game, value % 5 + 1, std::to_string(value / 5));
        break;
    default:
        break;
    }
}

void useCollectFile(Game& game, std::string_view collect) {
    GameState& state = game.state();
    state.settings.CollectLoadFile = fuzz::writeScratchFile("LIST.SNP", collect).string();
    if (openCollectLoadFile(game)) {
        state.permanence.load.SaLaAktiv1 = true;
        state.permanence.load.CollectActive = true;
    }
}

} // namespace

// Layout: byte 0 the table (bit 0), the start mode (bits 1-2) and whether a collect file
// follows (bit 3); byte 1 the start value; then the main load file "A.INP", and after a NUL
// byte the collect file, whose names may name "A.INP" again.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) {
        return 0;
    }
    const TableType table = (data[0] & 1) ? TableType::American : TableType::French;
    const auto [mainText, collectText] = fuzz::splitAtNul(fuzz::textOf(data + 2, size - 2));
    fuzz::FuzzGame g(table);
    GameState& state = g.game.state();
    const bool collect = (data[0] & 8) != 0;
    if (collect) {
        useCollectFile(g.game, collectText);
    }
    state.settings.MainLoadFile = fuzz::writeScratchFile("A.INP", mainText).string();
    if (!activateMainLoadFile(g.game)) {
        return 0;
    }
    const std::uint8_t mode = (data[0] >> 1) & 3;
    chooseStartMode(g.game, mode, data[1]);

    std::int64_t coups = 0;
    Table& t = state.table;
    while (state.permanence.load.HaLaAktiv && coups < CoupLimit) {
        const int steps = Get_Cup_of_Ladefile(g.game, t.BallPocket);
        fuzz::require(steps >= 1 && steps <= t.PocketCount, "the ball moves within one turn");
        t.BallPocket = (t.BallPocket - 1 + steps) % t.PocketCount + 1;
        coups += state.permanence.load.HaLaAktiv ? 1 : 0;
    }
    fuzz::require(coups < CoupLimit, "the load ends");
    // From its start, a file on the American table yields exactly the coups the counter counts.
    if (mode == 0 && !collect && table == TableType::American) {
        const auto counted = CountCupsonFile(fuzz::scratchFolder() / "A.INP", t.HighestNumber);
        fuzz::require(counted && *counted == coups, "the reader yields the coups counted");
    }
    return 0;
}
