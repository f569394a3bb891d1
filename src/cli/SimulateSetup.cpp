#include "SimulateSetup.h"

#include "SystemPlay.h"
#include "game/GameCommands.h"
#include "game/StartUp.h"
#include "permanence/LoadMenu.h"
#include "permanence/StartOptions.h"
#include "settings/SettingsIo.h"

#include <string>

namespace quendra::cli {
namespace {

void applyStartChoice(Game& game, const StartChoice& choice) {
    if (!selectStartMode(game, choice.mode)) {
        return;
    }
    switch (choice.mode) {
    case LoadStartMode::Normal:
        break;
    case LoadStartMode::Fix:
        applyFixRando(game, choice.first);
        break;
    case LoadStartMode::Random:
        applyRandomRange(game, choice.first, choice.second);
        break;
    case LoadStartMode::RandomAttacks:
        applyAttacks(game, static_cast<int>(digitFieldValue(choice.first).value_or(1)),
                     choice.second);
        break;
    }
}

} // namespace

std::optional<UsageError> simulationSettings(const SimulateOptions& options,
                                             MemorySettingsStore& store) {
    Settings defaults;
    SetDefaults(defaults, true);
    WriteSettings(store, defaults);
    for (const auto& [key, value] : options.settings) {
        if (!store.read(SettingsSection, key)) {
            return UsageError{"--set " + key + ": no such setting in section \"" +
                              std::string(SettingsSection) + "\""};
        }
        store.write(SettingsSection, key, value);
    }
    if (options.table) {
        store.write(SettingsSection, "Tisch", *options.table == TableType::French ? "0" : "1");
    }
    if (options.players) {
        store.write(SettingsSection, "Spieleranzahl", std::to_string(*options.players));
    }
    if (options.capital) {
        store.write(SettingsSection, "SPKapital", std::to_string(*options.capital));
    }
    if (options.pieceValue) {
        store.write(SettingsSection, "StueckVar", "0");
        store.write(SettingsSection, "RealVar", "1");
        store.write(SettingsSection, "RealStuecVar", std::to_string(*options.pieceValue));
    }
    if (options.language) {
        store.write(SettingsSection, "SpracheVar", std::to_string(*options.language));
    }
    return std::nullopt;
}

bool setUpLoadFiles(Game& game, const SimulateOptions& options) {
    GameState& state = game.state();
    openLoadMenu(game);
    if (options.collect && !SaLaFileChosen(game, *options.collect, FileChoice::Dialog)) {
        return false;
    }
    for (std::size_t i = 0; i < options.follows.size(); ++i) {
        // A slot left empty by a missing file is taken by the next one.
        FoLaFileChosen(game, static_cast<int>(i) + 1, options.follows[i], FileChoice::Dialog);
    }
    if (options.load && !HaLafileChosen(game, *options.load, FileChoice::Dialog)) {
        return false;
    }
    if ((options.load || options.collect) && !state.permanence.load.HaLaAktiv) {
        return false;
    }
    if (options.start) {
        applyStartChoice(game, *options.start);
    }
    LaFileMenuOKClick(game, state.settings.ShortCup, state.settings.PauseAtLoadEnd);
    return !(options.load || options.collect) || state.permanence.load.HaLaAktiv;
}

bool setUpGame(Game& game, const SettingsStore& store, const SimulateOptions& options) {
    if (!startGameWindow(game, store) || !setUpLoadFiles(game, options) || !StartGame(game)) {
        return false;
    }
    activateSystems(game, options);
    return true;
}

} // namespace quendra::cli
