// Where the program keeps its files. A copy run from its build or unpacked folder keeps them
// beside the executable; an installed copy, whose folder is not the user's to write, keeps them
// in the user's data folder, filled at its first start from what the installation brings along.
#pragma once

#include <filesystem>
#include <string_view>

namespace quendra {

// What an installed copy brings along, beside its bin/ folder: <prefix>/share/quendra.
std::filesystem::path installedShareFolder(const std::filesystem::path& executableFolder);

// A file can be made in the folder (tried, not guessed from permissions).
bool folderWritable(const std::filesystem::path& folder);

// The folder named by QUENDRA_HOME when that is set and not empty; else, when `userDataFolder`
// is given and the executable belongs to an installation or its folder cannot be written, the
// user's data folder; else the executable's folder.
std::filesystem::path resolveProgramFolder(const std::filesystem::path& executableFolder,
                                           std::string_view homeVariable,
                                           const std::filesystem::path& userDataFolder = {});

// The user's data folder as the desktop defines it: $XDG_DATA_HOME (or ~/.local/share) with
// "Quendra/Quendra" below it; empty without a home folder.
std::filesystem::path userDataFolderFromEnvironment();

// Copies what the installation brings along into the program folder where it is missing: the
// files at the top of `shareFolder` (the wheel data files) and the example systems of its
// SYSTEM/. A file already there, changed by the user or not, is never overwritten. False when
// something could not be copied.
bool fillProgramFolder(const std::filesystem::path& programFolder,
                       const std::filesystem::path& shareFolder);

// The program folder as resolveProgramFolder chooses it; the user's data folder, when chosen, is
// made with its work folders and filled from the installation (fillProgramFolder) first.
std::filesystem::path prepareProgramFolder(const std::filesystem::path& executableFolder,
                                           std::string_view homeVariable,
                                           const std::filesystem::path& userDataFolder);

} // namespace quendra
