// Selection, panel views and the capital reset.
#include "game/PlayerPanel.h"

#include "bets/Payout.h"

#include <algorithm>
#include <string>

namespace quendra {
namespace {

// The first player taking part who plays no system, 0 when there is none.
int firstManualPlayer(const GameState& state) {
    for (int p = 1; p <= state.playersInPlay(); ++p) {
        if (!state.player(p).isSystemPlayer()) {
            return p;
        }
    }
    return 0;
}

} // namespace

void SelectPlayer(Game& game, int number) {
    GameState& state = game.state();
    if (number < 1 || number > state.playersInPlay()) {
        return;
    }
    if (state.settings.ClickSound) {
        game.host().beep();
    }
    state.InfoPanelPlayer = number;
    if (!state.player(number).isSystemPlayer()) {
        state.PreviousPlayer = state.selection();
        state.selection() = number;
        RefreshPlayerPanel(game);
    }
    // The chips of the selected player come to the front.
    game.host().changed(Change::InfoPanel | Change::Chips);
}

void RefreshPlayerPanel(Game& game) {
    GameState& state = game.state();
    const int count = state.playersInPlay();
    for (int p = count + 1; p <= PlayerSlots; ++p) {
        state.player(p).sys.SystemActive = false;
    }
    int& selected = state.selection();
    if (selected > count) {
        state.PreviousPlayer = selected;
        selected = count;
    }
    if (selected < 1 || state.player(selected).isSystemPlayer()) {
        selected = firstManualPlayer(state);
    }
    // Replay cannot stay on while a player plays a system.
    if (state.anySystemPlayer()) {
        state.ReplayOn = false;
    }
    game.host().changed(Change::Bars | Change::Commands);
}

MessageBoxData capitalQuestion(int player, Language language) {
    MessageBoxData box;
    box.kind = MessageKind::Question;
    box.icon = MessageIcon::Question;
    box.buttons = MessageButtons::YesNo;
    const std::string number = std::to_string(player);
    if (language == Language::German) {
        box.title = "Systemanfrage";
        box.text =
            "Soll neuer Guthaben stand wirklich für Spieler " + number + " übernommen werden?";
    } else {
        box.title = "system inquiry";
        box.text = "Should the new assets used for player " + number;
    }
    return box;
}

void ResetCapitals(Game& game, CapitalReset mode) {
    GameState& state = game.state();
    EndPayoutDisplay(game); // the status bars go neutral
    const int count = state.playersInPlay();
    const std::int32_t initial = state.settings.InitialCapital;
    const Language language = state.language();
    for (int p = 1; p <= count; ++p) {
        Player& player = state.player(p);
        if (mode == CapitalReset::Initial || player.Capital == initial) {
            player.Capital = initial;
        } else if (game.askQuestion(capitalQuestion(p, language))) {
            player.Capital = initial;
            player.StartCapital = initial;
        }
    }
    for (int p = 1; p <= count; ++p) {
        state.player(p).BetSum = 0;
    }
    game.host().changed(Change::Bars | Change::InfoPanel);
}

PlayerPanelView playerPanel(const GameState& state) {
    PlayerPanelView view;
    const PayoutDisplay& payout = state.bets.payout;
    if (payout.shown) {
        view.Text_Ba_Stat = TextKind::gkGewonnen;
    }
    const int count = state.playersInPlay();
    for (int p = 1; p <= PlayerSlots; ++p) {
        PlayerBars& bars = view.players[static_cast<std::size_t>(p - 1)];
        const Player& player = state.player(p);
        if (p > count) {
            bars.locked = true;
            continue;
        }
        bars.capital = player.Capital;
        bars.stake = player.BetSum;
        if (player.isSystemPlayer()) {
            bars.statusKind = TextKind::gkSystem;
            bars.statusColour = BarColour::Olive;
        } else if (p == state.CurrentPlayer) {
            bars.statusKind = TextKind::gkAktiv;
            bars.statusColour = BarColour::Red;
        }
        if (payout.shown) {
            bars.statusKind = TextKind::gkFreeValue;
            bars.statusValue = payout.remaining[static_cast<std::size_t>(p - 1)];
        }
    }
    return view;
}

InfoPanelView infoPanel(const GameState& state) {
    InfoPanelView view;
    view.player = std::clamp(state.InfoPanelPlayer, 1, PlayerSlots);
    const Player& player = state.player(view.player);
    view.title = static_cast<TextKind>(static_cast<int>(TextKind::gkSpieler1) + view.player - 1);
    view.coups = state.statistics.StatHowOften[TotalSlot];
    view.startCapital = player.StartCapital;
    view.lastStake = lastStakeOf(player);
    view.profit = std::int64_t{player.Capital} - player.StartCapital;
    view.profitKind = view.profit < 0 ? TextKind::gkVerlust : TextKind::gkGewinn;
    view.coupsWon = coupsWonOf(player);
    view.coupsLost = coupsLostOf(player);
    return view;
}

} // namespace quendra
