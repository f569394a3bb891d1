// A system file on disk: reading it, its modification time, and the pre-check that rewrites it
// in normalised form when it has changed since it was last checked.
#pragma once

#include "systemplay/SystemPrecheck.h"

#include <filesystem>
#include <iosfwd>
#include <optional>
#include <string>

namespace quendra {

// The whole stream as bytes; none when it cannot be read to its end.
std::optional<std::string> readSystemStream(std::istream& in);
// The whole file as bytes; none when it cannot be opened or read.
std::optional<std::string> readSystemFile(const std::filesystem::path& file);

// The file's modification time as the player object records it: a date-time in days since
// 1899-12-30 (UTC), never 0 for a real file, since 0 means "none recorded". None when the file
// cannot be examined.
std::optional<double> systemFileTime(const std::filesystem::path& file);
// The same value of a modification time already taken.
double systemTimeValue(std::filesystem::file_time_type time);

// The temporary file beside `file` that the normalised text is written to before it is renamed
// over the system file.
std::filesystem::path temporaryFileFor(const std::filesystem::path& file);

// The file can be read and passes the pre-check; it is not rewritten. The start-up check of the
// names kept in the settings: the file is normalised at its first run.
bool systemFilePassesPrecheck(const std::filesystem::path& file);

struct SystemFileCheck {
    SystemFileError error = SystemFileError::None;
    int line = 0; // the failing line for errors 2 and 3
    // Without error: the file's modification time now, which the caller records in every player
    // object that uses the same file.
    double time = 0.0;
    bool rewritten = false;
};

// Before a run: when the file's modification time equals `recordedTime` nothing is done.
// Otherwise the file passes the pre-check; on an error it stays exactly as it was. On success a
// file whose text changes under normalisation is replaced by the normalised text through a
// temporary file renamed over it, so a failure never leaves a half-written system file; a file
// that is already normalised is left untouched. A file that cannot be read or replaced gives
// `CannotRead` or `CannotWrite`, and nothing is changed.
SystemFileCheck checkSystemFile(const std::filesystem::path& file, double recordedTime);

} // namespace quendra
