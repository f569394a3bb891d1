// The analysis menu's loading entries.
#include "permanence/AnalysisMenu.h"

#include "game/PauseProtocol.h"
#include "permanence/AnalysisLoader.h"
#include "permanence/LoadSet.h"

namespace quendra {
namespace {

void chooseAndLoad(Game& game, const AnalysisFileChoice& choice, bool append) {
    DialogPause pause(game);
    const std::optional<std::filesystem::path> chosen = choice.chooseFile();
    if (!chosen || chosen->empty()) {
        return;
    }
    if (choice.loading) {
        choice.loading();
    }
    loadAnalysis(game, *chosen, append);
}

} // namespace

std::filesystem::path analysisFileFolder(const GameState& state) {
    return loadFileFolder(state);
}

void LadeADateiClick(Game& game, const AnalysisFileChoice& choice) {
    chooseAndLoad(game, choice, false);
}

void DateiaddierenClick(Game& game, const AnalysisFileChoice& choice) {
    chooseAndLoad(game, choice, true);
}

} // namespace quendra
