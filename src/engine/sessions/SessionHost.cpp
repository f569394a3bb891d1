#include "sessions/SessionHost.h"

namespace quendra {

void SessionHost::watch(const Game& game) {
    game_ = &game;
    for (int p = 1; p <= PlayerSlots; ++p) {
        watched_[p - 1] =
            p <= game.state().playersInPlay() && game.state().player(p).isSystemPlayer();
    }
}

void SessionHost::note(const MessageBoxData& box) {
    if (!game_) {
        setupMessages_.push_back(box);
    }
    if ((box.kind == MessageKind::Error || box.kind == MessageKind::ProgramError) &&
        firstError_ == 0) {
        firstError_ = box.number;
    }
    if (box.kind != MessageKind::System || !game_) {
        return;
    }
    // The system is stopped before its message is shown.
    for (int p = 1; p <= PlayerSlots; ++p) {
        if (watched_[p - 1] && stopMessages_[p - 1] == 0 &&
            !game_->state().player(p).isSystemPlayer()) {
            stopMessages_[p - 1] = box.number;
        }
    }
}

} // namespace quendra
