// Collect load files: one load-file name per line, with comments, resolved against the
// collect file's folder.
#pragma once

#include "permanence/LineReader.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace quendra {

// The name a collect-file line holds: the first "(*" ... "*)" pair removed with the text between
// them (only when both occur), then blanks trimmed at both ends. Empty when nothing is left.
std::string collectLineName(std::string_view line);

// A name with a drive or a folder separator ("\" or "/") is used as it stands; any other name
// lies in the collect file's folder.
bool namesFolder(std::string_view name);
std::filesystem::path resolveCollectName(const std::filesystem::path& collectFolder,
                                         std::string_view name);

// The next name of a collect file as the load menu and the analysis read it: lines containing
// "//" anywhere are skipped, and so are lines with no name; nullopt at the end of the file.
std::optional<std::string> nextCollectLine(LineReader& lines);

// `NextCollectName`: the next name, resolved against the collect file's folder.
std::optional<std::filesystem::path> NextCollectName(LineReader& lines,
                                                     const std::filesystem::path& collectFolder);

// The folder a file lies in, for resolving the names it holds.
std::filesystem::path folderOf(const std::filesystem::path& file);

} // namespace quendra
