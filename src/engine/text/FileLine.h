// The file line in front of an error message: which file a selector names, and its shortening.
#pragma once

#include "table/BetField.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace quendra {

// The file names an error may name, filled by the game from its state. Names are the program's
// 8-bit file names; an empty name means the file is not set.
struct FileLineNames {
    std::string programFolder;
    TableType table = TableType::French;
    int year = 0; // the current year, for the year statistics file
    std::string mainLoadFile;
    std::string analysedFile;
    std::string collectFile;
    std::array<std::string, 4> systemFiles;   // player 1-4
    std::array<std::string, 4> protocolFiles; // player 1-4
    std::array<std::string, 6> followFiles;   // follow load file 1-6
    std::string editorFile;
};

// File selectors of the error messages.
namespace FileSelector {
inline constexpr int None = 0;
inline constexpr int ControlFile = 1;
inline constexpr int YearStatistics = 2;
inline constexpr int MainLoadFile = 8;
inline constexpr int AnalysedFile = 9;
inline constexpr int CollectFile = 10;
inline constexpr int FirstSystemFile = 11;   // 11-14: player 1-4
inline constexpr int FirstProtocolFile = 21; // 21-24: player 1-4
inline constexpr int FirstFollowFile = 30;   // 30-35: follow load file 1-6
inline constexpr int EditorFile = 40;
} // namespace FileSelector

// The full file name the selector names, followed by "\r"; nullopt for a selector that names no
// file and for a file whose name is empty (an unset file has nothing to show).
std::optional<std::string> fileLine(int selector, const FileLineNames& names);

// A file line of 50 or more bytes (its carriage return counted) loses leading folders: the first
// folder after the drive is replaced by "\...", then the next one, until the line is under 50
// or a single folder is left; the last folder and the name are never dropped, so a line that
// cannot get under 50 keeps what it got to. The separator is the first "\" or "/" of the line,
// so a name without a drive and with "/" becomes "/.../b/c/name". Lengths are bytes of the 8-bit
// name.
std::string shortenFileLine(std::string_view line);

} // namespace quendra
