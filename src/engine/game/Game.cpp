#include "game/Game.h"

#include "game/SuperShortGame.h"
#include "text/FileLine.h"

#include <chrono>

namespace quendra {

namespace {

Language currentLanguage(const GameState& state) {
    return languageFromIndex(state.settings.Language);
}

int currentYear(const Host& host) {
    const auto days = std::chrono::floor<std::chrono::days>(host.now());
    return static_cast<int>(std::chrono::year_month_day{days}.year());
}

FileLineNames fileLineNames(const GameState& state, int year) {
    FileLineNames names;
    names.programFolder = state.ProgramFolder.string();
    names.table = state.table.type();
    names.year = year;
    names.mainLoadFile = state.settings.MainLoadFile;
    names.collectFile = state.settings.CollectLoadFile;
    names.analysedFile = state.permanence.analysis.AnalysisFile;
    for (int p = 0; p < PlayerSlots; ++p) {
        names.systemFiles[p] = state.players[p].sys.SystemFile;
        names.protocolFiles[p] = state.players[p].sys.ProtocolFile;
    }
    for (int slot = 0; slot < FollowLoadFileCount; ++slot) {
        names.followFiles[slot] = state.settings.FollowLoadFiles[slot];
    }
    return names;
}

} // namespace

GameHooks Game::defaultHooks_;

Game::Game(Host& host) : host_(host) {}

Game::Game(Host& host, std::uint64_t seed) : host_(host), random_(seed) {}

void Game::showError(int number, int fileSelector, int value) {
    endSuperShortGame();
    auto box = errorBox(number, currentLanguage(state_), value,
                        fileLine(fileSelector, fileLineNames(state_, currentYear(host_))));
    box.number = number;
    host_.showMessage(box);
}

bool Game::askQuestion(int number) {
    endSuperShortGame();
    auto box = questionBox(number, currentLanguage(state_));
    box.number = number;
    // A number the list does not hold shows an OK box; it answers No.
    if (box.buttons != MessageButtons::YesNo) {
        host_.showMessage(box);
        return false;
    }
    return host_.askQuestion(box);
}

bool Game::askQuestion(const MessageBoxData& box) {
    endSuperShortGame();
    return host_.askQuestion(box);
}

void Game::showInfo(int number, std::string_view text) {
    endSuperShortGame();
    auto box = infoBox(number, currentLanguage(state_), text);
    box.number = number;
    host_.showMessage(box);
}

void Game::showWarning(int number, int value) {
    endSuperShortGame();
    auto box = warningBox(number, currentLanguage(state_), value);
    box.number = number;
    host_.showMessage(box);
}

void Game::endSuperShortGame() {
    SuperShortGameOff(*this);
}

} // namespace quendra
