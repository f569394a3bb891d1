// The pause protocol that Pause (F12) and every dialog follow, and the switch between the
// automatic and the manual time bar.
#pragma once

#include "game/Game.h"

#include <algorithm>

namespace quendra {

// The pause protocol around Pause and every dialog. Entering does nothing in `gkSpielstart` and
// `gkMakeMan`; it ends a super-short game first; then the timer stops and the phase is
// `gkPause`. Leaving resumes only a pause that the user did not choose himself.
void EnterPause(Game& game);
void LeavePause(Game& game);
// Pauses as the user's own pause, which a dialog's pause does not end.
void EnterUserPause(Game& game);

// The pause protocol as a scope: the game pauses while a dialog is open. Dialogs opened from a
// dialog nest: the game goes on only when the outermost one closes.
class DialogPause {
public:
    explicit DialogPause(Game& game) : game_(game) {
        ++game_.state().DialogPauseHolders;
        EnterPause(game_);
    }
    ~DialogPause() {
        // Never below 0: a state set up anew while a dialog was open must not keep the pause.
        int& holders = game_.state().DialogPauseHolders;
        holders = std::max(holders - 1, 0);
        if (holders == 0) {
            LeavePause(game_);
        }
    }
    DialogPause(const DialogPause&) = delete;
    DialogPause& operator=(const DialogPause&) = delete;

private:
    Game& game_;
};

// Pause (F12): pauses as the user's pause, or ends the user's pause. A dialog opened during a
// user pause leaves the game paused when it closes.
void PauseClick(Game& game);

// The options dialog switches the time bar; while a game runs the time bar restarts empty.
void SwitchToManualTimeBar(Game& game);
void SwitchToAutomaticTimeBar(Game& game);

} // namespace quendra
