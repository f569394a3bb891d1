// Comment lines of load files go into the protocol files of the system players: the rule of
// who gets them and in which form is here, the writing belongs to the protocol files.
#pragma once

#include <string_view>

namespace quendra {

class Game;

// Implemented by the system players' protocol files. The coup reader calls it once per player
// whose system play and protocol output are both on, with the line to append (without its line
// end). While no sink is installed (GameState::permanence.protocolSink is null) the lines go
// nowhere.
class ProtocolCommentSink {
public:
    virtual ~ProtocolCommentSink() = default;
    virtual void writeProtocolLine(int player, std::string_view line) = 0;
};

// Copies a comment line of a load file into the protocol of every system player with protocol
// output on: 42 blanks, then the line as read.
void copyCommentToProtocols(Game& game, std::string_view line);

} // namespace quendra
