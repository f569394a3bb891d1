// A running game with system play installed, for the tests of system runs, players and protocol
// files: a program folder of its own with SYSTEM, SYSOUT and SYSIN, the French standard wheel,
// capitals of 1000, and coups played by the spin cycle from a load file or from numbers given.
#pragma once

#include "game/Game.h"
#include "support/RecordingHost.h"
#include "support/TempFolder.h"

#include <string>
#include <string_view>
#include <vector>

namespace quendra::testing {

class SystemPlayGame {
public:
    explicit SystemPlayGame(int players = 1);

    GameState& state() { return game.state(); }
    Player& player(int number) { return game.state().player(number); }

    // Writes a system file into SYSTEM (a protocol file into SYSOUT, a load file into SYSIN)
    // and returns its full name.
    std::string writeSystem(std::string_view name, std::string_view text) const;
    std::string fixtureSystem(std::string_view fixture) const; // a copy of a fixture in SYSTEM
    std::string protocolName(std::string_view name) const;
    // Makes the file the main load file, ticked active.
    void loadPermanence(std::string_view name, std::string_view text);

    // The system file assigned and activated as the menu's OK does, and the first run of the
    // system-set timer played.
    void activate(int number, const std::string& systemFile);
    // One coup by the spin cycle; the ball falls on `number` when given, else the load file or
    // the random generator decides. Returns the number.
    int coup(std::optional<int> number = std::nullopt);
    // The numbers of the system-play boxes shown (kind System), in order.
    std::vector<int> systemMessages() const;
    // The numbers of every box of this kind.
    std::vector<int> boxes(MessageKind kind) const { return host.numbersOf(kind); }
    // The player's stake on a field code ("EC03").
    std::int32_t stakeOn(int number, std::string_view code);

    TempFolder folder;
    RecordingHost host;
    Game game{host, 5};
};

} // namespace quendra::testing
