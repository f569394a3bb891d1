// The running game: the game state, the host it talks to and the random generator, plus the
// numbered message boxes every rule raises through it.
#pragma once

#include "game/GameHooks.h"
#include "game/GameState.h"
#include "game/Host.h"
#include "game/Random.h"

#include <memory>
#include <string_view>

namespace quendra {

class Game {
public:
    explicit Game(Host& host);
    Game(Host& host, std::uint64_t seed);

    GameState& state() { return state_; }
    const GameState& state() const { return state_; }
    Host& host() { return host_; }
    Random& random() { return random_; }

    // The load files and system play plug in here; until then the defaults of GameHooks apply.
    // The hooks must outlive the game.
    void setHooks(GameHooks& hooks) { hooks_ = &hooks; }
    // The same with hooks the game keeps for its whole life.
    void adoptHooks(std::unique_ptr<GameHooks> hooks) {
        ownedHooks_ = std::move(hooks);
        hooks_ = ownedHooks_.get();
    }
    GameHooks& hooks() { return *hooks_; }
    const GameHooks& hooks() const { return *hooks_; }

    // The numbered message boxes, composed in the current language. Each first ends a running
    // super-short game so the box is not buried under the fast run.
    // fileSelector picks the file line put in front of an error (0: none).
    void showError(int number, int fileSelector = 0, int value = 0);
    bool askQuestion(int number);
    // A question composed by the caller; true for Yes.
    bool askQuestion(const MessageBoxData& box);
    void showInfo(int number, std::string_view text = {});
    void showWarning(int number, int value = 0);

    // Ends a running super-short game: back to the phase it interrupted.
    void endSuperShortGame();

private:
    static GameHooks defaultHooks_;

    Host& host_;
    std::unique_ptr<GameHooks> ownedHooks_;
    GameHooks* hooks_ = &defaultHooks_;
    Random random_;
    GameState state_;
};

} // namespace quendra
