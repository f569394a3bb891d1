// A game for the app tests: a standard table, four players with capital, and a host that
// records its boxes and lets a test watch the change notices.
#pragma once

#include "game/Game.h"
#include "table/Table.h"

#include <functional>
#include <string>
#include <vector>

namespace quendra::apptest {

class TestHost : public Host {
public:
    void showMessage(const MessageBoxData& box) override {
        messages.push_back(box.number);
        kinds.push_back(box.kind);
        texts.push_back(box.text);
    }
    bool askQuestion(const MessageBoxData& box) override {
        messages.push_back(box.number);
        kinds.push_back(box.kind);
        return false;
    }
    void wait(int) override {}
    void changed(Change what) override {
        if (onChange) {
            onChange(what);
        }
    }
    std::optional<int> selectNumber(TableType, std::optional<int>) override { return picked; }
    std::chrono::system_clock::time_point now() const override { return clock; }

    std::vector<int> messages;
    std::vector<MessageKind> kinds;
    std::vector<std::string> texts; // of the boxes shown, not of the questions
    std::function<void(Change)> onChange;
    std::optional<int> picked;
    std::chrono::system_clock::time_point clock{};
};

inline void loadTable(GameState& state, TableType type) {
    state.table.FrenchTable = type == TableType::French;
    state.table.HighestNumber = highestNumber(type);
    state.table.PocketCount = pocketCount(type);
    state.table.PocketTable = standardPocketTable(type);
    state.table.BallPocket = 1;
}

// Betting time on the given table: four players of 1000 units, player 1 selected.
inline void setUpBetting(Game& game, TableType type) {
    GameState& state = game.state();
    loadTable(state, type);
    state.settings.PlayerCount = 4;
    for (Player& player : state.players) {
        player.Capital = 1000;
        player.StartCapital = 1000;
    }
    state.CurrentPlayer = 1;
    state.phase = TextKind::gkMakeBet;
}

} // namespace quendra::apptest
