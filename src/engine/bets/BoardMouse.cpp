// Mouse placement on the board and the chips.
#include "bets/BoardMouse.h"

#include "bets/ChipName.h"
#include "bets/ClearBoard.h"

namespace quendra {
namespace {

PlacementOutcome placeUnit(Game& game, BetField field, MouseButton button) {
    const std::string name = chipName(field, game.state().CurrentPlayer);
    return button == MouseButton::Left ? AddUnit(game, name) : RemoveUnit(game, name);
}

} // namespace

PlacementOutcome BoardPress(Game& game, BoardPoint point, MouseButton button) {
    GameState& state = game.state();
    state.bets.WinIndicator = WinIndicatorRest;
    game.host().changed(Change::WinIndicator);
    if (state.phase == TextKind::gkSpielstart) {
        game.showWarning(8);
        return PlacementOutcome::Ignored;
    }
    if (!state.betsAccepted()) {
        return PlacementOutcome::Ignored;
    }
    if (Player* player = state.currentPlayer(); player && player->BetsHidden) {
        ClearBoard(game, state.CurrentPlayer, ClearMode::Clear);
        player->BetsHidden = false;
        game.host().changed(Change::Bars | Change::Commands);
    }
    return BoardRepeat(game, point, button);
}

PlacementOutcome BoardRepeat(Game& game, BoardPoint point, MouseButton button) {
    const GameState& state = game.state();
    const auto field = FieldAtPoint(state.table.type(), point);
    if (!field || state.CurrentPlayer < 1) {
        return PlacementOutcome::Ignored;
    }
    return placeUnit(game, *field, button);
}

PlacementOutcome ChipPress(Game& game, std::string_view name, MouseButton button) {
    const GameState& state = game.state();
    const auto chip = parseChipName(name);
    if (state.bets.PlacementBlocked || !chip || state.CurrentPlayer < 1) {
        return PlacementOutcome::Ignored;
    }
    return placeUnit(game, chip->field, button);
}

} // namespace quendra
