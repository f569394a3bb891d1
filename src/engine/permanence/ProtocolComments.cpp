// Who receives the comment lines of a load file.
#include "permanence/ProtocolComments.h"

#include "game/Game.h"

#include <string>

namespace quendra {

namespace {

constexpr std::size_t CommentIndent = 42;

} // namespace

void copyCommentToProtocols(Game& game, std::string_view line) {
    GameState& state = game.state();
    ProtocolCommentSink* sink = state.permanence.protocolSink;
    if (sink == nullptr) {
        return;
    }
    std::string text;
    for (int number = 1; number <= PlayerSlots; ++number) {
        const SysSpieler& sys = state.player(number).sys;
        if (!sys.SystemActive || !sys.ProtocolActive) {
            continue;
        }
        if (text.empty()) {
            text.assign(CommentIndent, ' ');
            text += line;
        }
        sink->writeProtocolLine(number, text);
    }
}

} // namespace quendra
