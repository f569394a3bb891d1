// What the spin cycle and the game commands ask of the load files, of system play and of the
// files they keep open. The defaults use the load files and the year statistics file; system
// play (its turns, protocol lines and protocol files) plugs in its own. A test replaces any of
// them with a fake.
#pragma once

#include <cstdint>

namespace quendra {

class Game;

class GameHooks {
public:
    virtual ~GameHooks() = default;

    // The main load file gives the coups (the box `HaLaAktiv` of the load menu is ticked).
    virtual bool mainLoadFileActive(const Game& game) const;
    // The coup reader: the pockets the ball travels from `BallPocket` to the next coup of the
    // load files (a whole turn for the same pocket). It sets `NumberSource` and sets
    // `PauseRequest` when the files are exhausted.
    virtual std::int32_t readLoadFileCoup(Game& game);
    // Spiel Ende unticks the main load file.
    virtual void untickMainLoadFile(Game& game);

    // After the settlement and payout of every coup: the per-coup line of each system player
    // whose protocol is active.
    virtual void writeProtocolLines(Game& game);

    // One system player's turn after a coup: the spin cycle has put the win indicator at rest
    // and made him `CurrentPlayer` (it restores the selection afterwards). The turn pre-checks
    // his system file, runs it and charges and places the bet list it fills.
    virtual void runSystemPlayer(Game& game, int player);

    // Spiel Ende, like the end of the program: the protocol files are closed and the game's
    // history goes into the year statistics file, which is closed.
    virtual void closeGameFiles(Game& game);
    // After Spiel Ende: the year statistics file is opened again when the year statistics are
    // on (and they are switched off when that fails).
    virtual void reopenYearFile(Game& game);
};

} // namespace quendra
