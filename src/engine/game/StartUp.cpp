#include "game/StartUp.h"

#include "game/TournamentCommands.h"
#include "permanence/YearFile.h"
#include "settings/SettingsIo.h"
#include "systemplay/SystemFile.h"
#include "text/FileLine.h"

#include <chrono>
#include <fstream>
#include <system_error>

namespace quendra {

namespace {

std::chrono::year_month_day today(const Host& host) {
    return std::chrono::year_month_day{std::chrono::floor<std::chrono::days>(host.now())};
}

// A kept system file is used when it can be read and passes the pre-check.
bool usableSystemFile(const std::string& name) {
    return isExistingFile(name) && systemFilePassesPrecheck(name);
}

// A protocol file can be used when it opens for appending, or when it does not exist yet and
// its folder does. Nothing is created here.
bool usableProtocolFile(const std::string& name) {
    if (isExistingFile(name)) {
        std::ofstream file(name, std::ios::binary | std::ios::app);
        return file.good();
    }
    std::error_code ec;
    const auto folder = std::filesystem::path(name).parent_path();
    return !folder.empty() && std::filesystem::is_directory(folder, ec);
}

void takePlayerFiles(GameState& state) {
    for (int p = 0; p < PlayerSlots; ++p) {
        PlayerFilePair& files = state.settings.PlayerFiles[p];
        SysSpieler& sys = state.players[p].sys;
        if (files.SystemFile.empty()) {
            continue;
        }
        if (!usableSystemFile(files.SystemFile)) {
            files = {};
            continue;
        }
        sys.SystemFile = files.SystemFile;
        if (files.OutputFile.empty()) {
            continue;
        }
        if (usableProtocolFile(files.OutputFile)) {
            sys.ProtocolFile = files.OutputFile;
        } else {
            files.OutputFile.clear();
        }
    }
}

void resetPlayersForStart(GameState& state) {
    for (Player& player : state.players) {
        player.Capital = state.settings.InitialCapital;
        player.BetSum = 0;
        player.board.clear();
    }
}

} // namespace

bool ensureWorkFolders(const std::filesystem::path& programFolder) {
    bool ok = true;
    for (const char* folder : {"SYSTEM", "SYSOUT", "SYSIN"}) {
        std::error_code ec;
        std::filesystem::create_directories(programFolder / folder, ec);
        ok = ok && std::filesystem::is_directory(programFolder / folder, ec);
    }
    return ok;
}

void initialiseGameState(GameState& state, const std::filesystem::path& programFolder) {
    state = GameState{};
    SetDefaults(state.settings, true);
    state.ProgramFolder = programFolder;
    state.CurrentPlayer = 1;
    state.PreviousPlayer = 1;
}

void readGameSettings(Game& game, const SettingsStore& store) {
    GameState& state = game.state();
    ReadSettings(store, state.settings, today(game.host()));
    for (Player& player : state.players) {
        player.StartCapital = state.settings.InitialCapital;
    }
    takePlayerFiles(state);
}

bool loadGameTable(Game& game, TableType table) {
    GameState& state = game.state();
    state.settings.FrenchTable = table == TableType::French;
    const auto day = static_cast<unsigned>(today(game.host()).day());
    auto loaded = loadTable(state.ProgramFolder, table, static_cast<int>(day));
    if (!loaded) {
        // Names the file of the table asked for.
        state.table.FrenchTable = state.settings.FrenchTable;
        game.showError(7, FileSelector::ControlFile);
        return false;
    }
    state.table = std::move(*loaded);
    state.coupHistory.tableLoaded();
    game.host().changed(Change::Table | Change::Ball);
    return true;
}

bool colourDepthQuestionNeeded(bool displayCol, int bitsPerPixel) {
    return !displayCol && bitsPerPixel < 16;
}

MessageBoxData colourDepthQuestion(int bitsPerPixel, Language language) {
    const std::string colours =
        bitsPerPixel >= 1 && bitsPerPixel < 31 ? std::to_string(1L << bitsPerPixel) + " " : "";
    MessageBoxData box;
    box.kind = MessageKind::Question;
    box.title = "Info";
    box.icon = MessageIcon::Exclamation;
    box.buttons = MessageButtons::YesNo;
    if (language == Language::German) {
        box.text = "QUENDRA benötigt für eine korrekte Darstellung eine Einstellung von mindestens "
                   "64K Farben! Zur Zeit sind nur " +
                   colours + "Farben eingestellt! Soll QUENDRA trotzdem gestartet werden?";
    } else {
        box.text =
            "QUENDRA need for a correct display a minimum of 64k colors! At the moment only " +
            colours + "colors available! Start of QUENDRA?";
    }
    return box;
}

void saveGameSettings(GameState& state, SettingsStore& store) {
    for (int p = 0; p < PlayerSlots; ++p) {
        state.settings.PlayerFiles[p].SystemFile = state.players[p].sys.SystemFile;
        state.settings.PlayerFiles[p].OutputFile = state.players[p].sys.ProtocolFile;
    }
    WriteSettings(store, state.settings);
}

bool startGameWindow(Game& game, const SettingsStore& store) {
    GameState& state = game.state();
    state.GameTimerOn = false;
    state.TimeBarTick = 0;
    state.phase = TextKind::gkSpielstart;

    readGameSettings(game, store);
    if (!loadGameTable(game,
                       state.settings.FrenchTable ? TableType::French : TableType::American)) {
        return false;
    }

    state.TimeBarDelayInUse = timeBarDelayInUse(state.settings.TimeBarDelay);
    state.TimeBarLimit = timeBarLimit(state.settings.TimeBarDelay);
    // Every block of the year statistics file starts at the program's start.
    state.permanence.year.ProgramStartTime = game.host().now();
    if (state.settings.YearStatistics) {
        OpenYearFile(game);
    }
    resetPlayersForStart(state);
    state.ManualSteps = NoneMarker;
    state.ManualNumber = NoneMarker;
    state.TournamentMenuShown = tournamentPeriod(game.host().now());
    game.host().changed(Change::Bars | Change::Chips | Change::Phase | Change::Permanence |
                        Change::InfoPanel | Change::Commands);
    return true;
}

} // namespace quendra
