// The analysis menu's loading entries "Datei laden ..." and "Datei addieren ...": the file
// dialog `MCheckFile` they open and the command around it.
#pragma once

#include "game/Game.h"
#include "text/FileDialogFilter.h"

#include <array>
#include <cstddef>
#include <filesystem>
#include <functional>
#include <optional>

namespace quendra {

inline constexpr std::array<FileDialogFilter, 4> AnalysisFileFilters{{
    {"Ladefile", "*.INP"},
    {"Sammeladefile", "*.SNP"},
    {"Textfile", "*.TXT"},
    {"ALLE", "*.*"},
}};
// The filter chosen when `MCheckFile` opens; it opens in the program folder's SYSIN.
inline constexpr std::size_t AnalysisFileFilter = 0;
std::filesystem::path analysisFileFolder(const GameState& state);

// Shows `MCheckFile` and returns the file chosen; nothing when the user cancels. `loading` is
// called once a file is chosen, before it is read, so the app can show that it is busy.
struct AnalysisFileChoice {
    std::function<std::optional<std::filesystem::path>()> chooseFile;
    std::function<void()> loading;
};

// "Datei laden ..." starts the analysis afresh with the file or list chosen, "Datei addieren
// ..." appends it. The game pauses while the dialog is open and the file is read; cancelling
// the dialog changes nothing.
void LadeADateiClick(Game& game, const AnalysisFileChoice& choice);
void DateiaddierenClick(Game& game, const AnalysisFileChoice& choice);

} // namespace quendra
