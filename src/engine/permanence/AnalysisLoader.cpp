// The analysis loader and its strict reader.
#include "permanence/AnalysisLoader.h"

#include "game/Game.h"
#include "permanence/CollectFile.h"
#include "permanence/LineReader.h"
#include "permanence/PermanenceSyntax.h"
#include "settings/SettingsIo.h"
#include "statistics/StatisticsStore.h"
#include "text/FileLine.h"

#include <optional>

namespace quendra {

namespace {

bool historyFull(const StatisticsStore& store) {
    return store.analysisHistory().size() >= static_cast<std::size_t>(HistoryLimit);
}

enum class Entry : std::uint8_t { Stored, Full, Invalid };

// Stores one token of a number row. Empty tokens store nothing and count as stored.
Entry storeToken(Game& game, std::string_view text) {
    GameState& state = game.state();
    const Token token = readToken(text);
    if (token.kind == TokenKind::Empty) {
        return Entry::Stored;
    }
    if (historyFull(state.statistics)) {
        return Entry::Full;
    }
    const bool separator = token.kind == TokenKind::DaySeparator;
    int number = tokenNumber(token, state.table.HighestNumber);
    if (!separator && number < 0) {
        if (token.kind == TokenKind::Number && token.exact) {
            game.showError(14, FileSelector::AnalysedFile, static_cast<int>(token.value));
        } else {
            game.showError(state.table.FrenchTable ? 17 : 19, FileSelector::AnalysedFile);
        }
        return Entry::Invalid;
    }
    if (separator) {
        Analysis_Append(state.statistics, DaySeparatorCode);
        for (Player& player : state.players) {
            player.DaySeparatorSeen = true;
        }
        return Entry::Stored;
    }
    if (token.doubleZero && !state.table.FrenchTable) {
        number = DoubleZero;
    }
    const int pocket = state.table.pocketOf(number);
    if (pocket != 0) {
        if (const auto code = CoupCode(state.table.pocket(pocket))) {
            Analysis_Append(state.statistics, *code);
        }
    }
    return Entry::Stored;
}

void fileRead(Game& game, AnalysisRead result) {
    GameState& state = game.state();
    AnalysisState& analysis = state.permanence.analysis;
    if (result == AnalysisRead::NotOpened) {
        return;
    }
    if (result == AnalysisRead::Loaded) {
        const std::string name = std::filesystem::path(analysis.AnalysisFile).filename().string();
        if (analysis.AnalysisFileCount == 0) {
            analysis.FirstAnalysisFile = name;
        }
        analysis.LastAnalysisFile = name;
        ++analysis.AnalysisFileCount;
        analysis.LadeADateiChecked = true;
        analysis.analysisEntriesEnabled = true;
    }
    // Entries kept from a file that stopped are counted as well.
    Analysis_Recount(state.statistics, state.table.PocketTable);
    game.host().changed(Change::Commands);
}

// The file a list line names: beside the list when it is there, else by the name itself.
std::optional<std::filesystem::path> listedFile(const std::filesystem::path& folder,
                                                const std::string& name) {
    const auto beside = folder / std::filesystem::path(name);
    if (isExistingFile(beside.string())) {
        return beside;
    }
    if (isExistingFile(name)) {
        return std::filesystem::path(name);
    }
    return std::nullopt;
}

void loadList(Game& game, TextFile& list, bool append) {
    const auto folder = folderOf(list.name());
    while (const auto name = nextCollectLine(list.lines())) {
        const auto file = listedFile(folder, *name);
        if (!file) {
            game.showInfo(1, (folder / std::filesystem::path(*name)).string());
            continue;
        }
        game.state().permanence.analysis.AnalysisFile = file->string();
        const AnalysisRead result = ReadAnalysisFile(game, append);
        fileRead(game, result);
        if (result != AnalysisRead::NotOpened) {
            append = true;
        }
    }
}

} // namespace

AnalysisRead ReadAnalysisFile(Game& game, bool append) {
    GameState& state = game.state();
    AnalysisState& analysis = state.permanence.analysis;
    auto file = TextFile::open(analysis.AnalysisFile);
    if (!file) {
        game.showError(13);
        return AnalysisRead::NotOpened;
    }
    if (!append) {
        Analysis_Clear(state.statistics);
        analysis.AnalysisInfo.clear();
    }
    LineReader& lines = file->lines();
    bool infoSeen = false;
    std::string line;
    while (!lines.atEnd()) {
        if (historyFull(state.statistics)) {
            game.showWarning(7);
            return AnalysisRead::Loaded;
        }
        lines.next(line);
        if (!lines.numberRow() && !infoSeen) {
            analysis.AnalysisInfo = line;
            infoSeen = true;
            continue;
        }
        std::string_view rest = trimBlanks(line);
        while (!rest.empty()) {
            switch (storeToken(game, takeToken(rest))) {
            case Entry::Stored:
                break;
            case Entry::Full:
                game.showWarning(7);
                return AnalysisRead::Loaded;
            case Entry::Invalid:
                return AnalysisRead::Stopped;
            }
        }
    }
    return AnalysisRead::Loaded;
}

void loadAnalysis(Game& game, const std::filesystem::path& chosen, bool append) {
    GameState& state = game.state();
    AnalysisState& analysis = state.permanence.analysis;
    if (!append) {
        Analysis_Clear(state.statistics);
        analysis.AnalysisFileCount = 0;
    }
    auto file = TextFile::open(chosen);
    if (!file) {
        game.showError(13);
        game.host().changed(Change::Commands);
        return;
    }
    const auto first = nextCollectLine(file->lines());
    if (first && listedFile(folderOf(chosen), *first) && file->rewind()) {
        loadList(game, *file, append);
        return;
    }
    analysis.AnalysisFile = chosen.string();
    const AnalysisRead result = ReadAnalysisFile(game, append);
    fileRead(game, result);
    if (result != AnalysisRead::Loaded) {
        analysis.LadeADateiChecked = false;
        analysis.analysisEntriesEnabled = false;
        game.host().changed(Change::Commands);
    }
}

} // namespace quendra
