#include "support/SystemPlayGame.h"

#include "game/GameCommands.h"
#include "game/StartUp.h"
#include "permanence/LoadSet.h"
#include "spin/SpinCycle.h"
#include "support/BetTable.h"
#include "systemplay/SystemPlayers.h"
#include "systemplay/SystemTurn.h"

#include <gtest/gtest.h>

namespace quendra::testing {

SystemPlayGame::SystemPlayGame(int players) {
    initialiseGameState(state(), folder.path());
    ensureWorkFolders(folder.path());
    loadStandardTable(state(), TableType::French);
    state().settings.PlayerCount = players;
    for (Player& p : state().players) {
        p.Capital = 1000;
        p.StartCapital = 1000;
    }
    installSystemPlay(game);
    StartGame(game);
    state().TimeBarLimit = 0;
}

std::string SystemPlayGame::writeSystem(std::string_view name, std::string_view text) const {
    return folder.write("SYSTEM/" + std::string(name), text).string();
}

std::string SystemPlayGame::fixtureSystem(std::string_view fixture) const {
    const std::filesystem::path source =
        std::filesystem::path(QUENDRA_FIXTURES_DIR) / "systemplay" / fixture;
    return writeSystem(fixture, readFile(source));
}

std::string SystemPlayGame::protocolName(std::string_view name) const {
    return (folder.path() / "SYSOUT" / name).string();
}

void SystemPlayGame::loadPermanence(std::string_view name, std::string_view text) {
    state().settings.MainLoadFile = folder.write("SYSIN/" + std::string(name), text).string();
    ASSERT_TRUE(activateMainLoadFile(game));
}

void SystemPlayGame::activate(int number, const std::string& systemFile) {
    SystemPlayMenu menu = OpenSystemPlayMenu(game);
    SystemFileChosen(game, menu, number, systemFile);
    SystemfilemenuOKClick(game, menu);
    SystemSetTimerTick(game);
}

int SystemPlayGame::coup(std::optional<int> number) {
    if (number) {
        const int pocket = state().table.pocketOf(*number);
        const int ball = state().table.BallPocket;
        const int pockets = state().table.PocketCount;
        state().ManualSteps = static_cast<std::uint8_t>(pocket == ball  ? pockets
                                                        : pocket > ball ? pocket - ball
                                                                        : pocket + pockets - ball);
    }
    for (int tick = 0; tick < 3; ++tick) {
        if (SpieltimerTick(game)) {
            return state().table.ballNumber();
        }
    }
    ADD_FAILURE() << "no coup was played";
    return -1;
}

std::vector<int> SystemPlayGame::systemMessages() const {
    return host.numbersOf(MessageKind::System);
}

std::int32_t SystemPlayGame::stakeOn(int number, std::string_view code) {
    const FieldBet& bet = player(number).board.at(parseFieldCode(code).value());
    return bet.placed ? bet.amount : 0;
}

} // namespace quendra::testing
