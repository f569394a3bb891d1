#include "support/PermanenceGame.h"

#include "game/StartUp.h"
#include "permanence/CoupReader.h"
#include "permanence/LoadSet.h"
#include "table/Table.h"

#include <filesystem>

namespace quendra::testing {

PermanenceGame::PermanenceGame(TableType table) {
    initialiseGameState(game.state(), folder.path());
    std::filesystem::create_directories(folder.path() / "SYSIN");
    useTable(table);
    game.state().permanence.protocolSink = &protocols;
    host.setDate(2024, 3, 5, (9 * 60 + 5) * 60 * 1000);
}

void PermanenceGame::useTable(TableType table) {
    Table& t = game.state().table;
    t.FrenchTable = table == TableType::French;
    t.HighestNumber = highestNumber(table);
    t.PocketCount = pocketCount(table);
    t.PocketTable = standardPocketTable(table);
    t.BallPocket = 1;
    game.state().settings.FrenchTable = t.FrenchTable;
}

std::string PermanenceGame::write(std::string_view name, std::string_view content) const {
    return folder.write(name, content).string();
}

bool PermanenceGame::activate(const std::string& mainFile) {
    game.state().settings.MainLoadFile = mainFile;
    return activateMainLoadFile(game);
}

int PermanenceGame::coup() {
    Table& t = game.state().table;
    const int steps = Get_Cup_of_Ladefile(game, t.BallPocket);
    t.BallPocket = (t.BallPocket - 1 + steps) % t.PocketCount + 1;
    return t.ballNumber();
}

std::vector<int> PermanenceGame::coupsToEnd(int limit) {
    std::vector<int> numbers;
    while (load().HaLaAktiv && static_cast<int>(numbers.size()) < limit) {
        const int number = coup();
        if (load().HaLaAktiv) {
            numbers.push_back(number);
        }
    }
    return numbers;
}

void PermanenceGame::makeSystemPlayer(int player, bool protocol) {
    SysSpieler& sys = game.state().player(player).sys;
    sys.SystemActive = true;
    sys.ProtocolActive = protocol;
}

std::vector<int> PermanenceGame::messageNumbers() const {
    std::vector<int> numbers;
    for (const MessageBoxData& box : host.messages) {
        numbers.push_back(box.number);
    }
    return numbers;
}

} // namespace quendra::testing
