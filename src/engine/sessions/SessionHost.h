// The host of a session played unattended: nothing is shown, every question is answered No,
// and what the boxes say about the session is kept — the first error, and which system message
// stopped which player's system.
#pragma once

#include "game/Game.h"
#include "game/Host.h"

#include <array>
#include <vector>

namespace quendra {

class SessionHost : public Host {
public:
    // The games see noon of `date`: a session must not depend on when it is played.
    explicit SessionHost(std::chrono::sys_days date) : date_(date) {}

    void showMessage(const MessageBoxData& box) override { note(box); }
    bool askQuestion(const MessageBoxData& box) override {
        note(box);
        return false;
    }
    void wait(int) override {}
    void changed(Change) override {}
    std::chrono::system_clock::time_point now() const override {
        return date_ + std::chrono::hours{12};
    }

    // From here on a system message is put down to the players whose system it stops; which
    // players play a system is read from the game now.
    void watch(const Game& game);

    // The boxes shown before `watch`, in order: what the set-up of a session had to say.
    const std::vector<MessageBoxData>& setupMessages() const { return setupMessages_; }
    // The number of the first error box; 0 when none was shown.
    int firstError() const { return firstError_; }
    // The number of the message that stopped the player's system; 0 when none did.
    int stopMessage(int player) const { return stopMessages_[player - 1]; }

private:
    void note(const MessageBoxData& box);

    std::chrono::sys_days date_;
    const Game* game_ = nullptr;
    std::array<bool, PlayerSlots> watched_{};
    std::array<int, PlayerSlots> stopMessages_{};
    std::vector<MessageBoxData> setupMessages_;
    int firstError_ = 0;
};

} // namespace quendra
