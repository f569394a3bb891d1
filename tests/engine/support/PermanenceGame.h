// A game for the permanence tests: a table without wheel files, a program folder of its own,
// load files written on demand, coups drawn as the spin cycle draws them, and a recording
// protocol sink.
#pragma once

#include "game/Game.h"
#include "permanence/ProtocolComments.h"
#include "support/RecordingHost.h"
#include "support/TempFolder.h"

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace quendra::testing {

class RecordingProtocols : public ProtocolCommentSink {
public:
    void writeProtocolLine(int player, std::string_view line) override {
        lines.emplace_back(player, std::string(line));
    }
    std::vector<std::pair<int, std::string>> lines;
};

class PermanenceGame {
public:
    explicit PermanenceGame(TableType table = TableType::French);

    GameState& state() { return game.state(); }
    LoadSet& load() { return game.state().permanence.load; }
    StartOptions& options() { return game.state().permanence.menu.options; }

    void useTable(TableType table);
    // Writes a file below the program folder and returns its full name.
    std::string write(std::string_view name, std::string_view content) const;
    // Makes the file the main load file and ticks it active, as the load menu does.
    bool activate(const std::string& mainFile);
    // One coup from the load files as the spin cycle takes it: the ball moves the returned
    // number of pockets. Returns the number the ball lands on.
    int coup();
    // Coups until the load ends (HaLaAktiv unticked), at most `limit`.
    std::vector<int> coupsToEnd(int limit = 100000);
    // Lets players play a system, some with protocol output.
    void makeSystemPlayer(int player, bool protocol);
    // The numbers of the boxes shown, in order.
    std::vector<int> messageNumbers() const;

    TempFolder folder;
    RecordingHost host;
    Game game{host, 7};
    RecordingProtocols protocols;
};

} // namespace quendra::testing
