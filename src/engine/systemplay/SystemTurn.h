// System play as the spin cycle sees it: each system player's turn after a coup, the protocol
// lines of the coup, the protocol files closed at the end of a game, and the comment lines of the
// load files copied into the protocols. installSystemPlay plugs it all into a game.
#pragma once

#include "game/Game.h"
#include "permanence/ProtocolComments.h"
#include "systemplay/SystemReader.h"

#include <string>

namespace quendra {

// The lines of the player's system file as checked for his run: examined (once per coup for every
// player using it), and when its modification time is not the recorded one pre-checked and
// normalised, the new time recorded in every player object using the same file. A failing check
// shows its error (2 or 3 with the line, 15 or 16 when the file cannot be read or written) with the
// file's name; none then, and the player's system is skipped for this coup. None without a message
// for a player without a system file.
const SystemSteps* CheckedSystemSteps(Game& game, int player);

// One system player's turn (the spin cycle has made him `CurrentPlayer`): the checked system
// file, the run with an empty bet list, and, unless the run stopped his system, the bet list
// charged (never refused for a system player) and placed.
void PlaySystemTurn(Game& game, int player);

class SystemPlayHooks : public GameHooks, public ProtocolCommentSink {
public:
    explicit SystemPlayHooks(Game& game) : game_(game) {}

    // A coup was settled: a new round for the system files, and the coup's protocol lines.
    void writeProtocolLines(Game& game) override;
    void runSystemPlayer(Game& game, int player) override;
    // The protocol files are closed, then the year statistics file is written and closed.
    void closeGameFiles(Game& game) override;
    // A comment line of a load file for the player's open protocol.
    void writeProtocolLine(int player, std::string_view line) override;

private:
    Game& game_; // the game whose protocols the comment lines go to
};

// System play takes its part in the game: the spin cycle's hooks and the load files' comment
// sink. Call it after the game state has been initialised (initialiseGameState clears the sink).
// The game keeps the hooks for its whole life.
void installSystemPlay(Game& game);

} // namespace quendra
