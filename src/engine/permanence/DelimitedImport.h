// Import of published records that hold one coup per field, the fields separated by commas,
// semicolons, tabs or blanks, often under a header line: they become load files (.INP) of one
// coup per line below an info line.
#pragma once

#include "text/Language.h"
#include "text/MessageBox.h"

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace quendra {

class Game;

// A field that is no coup, where it stands: line and column (of its first character) count
// from 1.
struct BadField {
    std::size_t line = 0;
    std::size_t column = 0;
    std::string text;

    bool operator==(const BadField&) const = default;
};

// A file of junk would otherwise fill memory with its reports.
inline constexpr std::size_t ReportedBadFields = 100;

struct DelimitedText {
    std::string load;                // the load file: the info line, then one coup per line, CR LF
    std::size_t coups = 0;           // the coups written
    bool header = false;             // the first line was taken for a header and left out
    std::vector<BadField> badFields; // the first ReportedBadFields of them
    std::size_t badFieldCount = 0;   // all of them
};

// The first line of the load file: the info text on one line. A text a reader would take for a
// number row (digits, blanks and minus signs only, or nothing) gets "//" in front, so the info
// never turns into coups.
std::string delimitedInfoLine(std::string_view info);

// Splits every line at commas, semicolons, tabs and blanks; empty fields (two separators in a
// row, a separator at the end) are no fields, and double quotes around a field are dropped.
// A field is a coup when it is a whole number from 0 to 36, leading zeros allowed, or "00";
// the number is written without leading zeros, "00" as it stands. The first line with a field is
// a header and is left out when one of its fields begins with a letter and its fields that are
// no coups outnumber its coups. Every other field that is no coup is reported with its line and
// column.
DelimitedText convertDelimitedText(std::string_view text, std::string_view info);

enum class DelimitedStatus {
    Written,
    TargetExists, // the load file is there already: the caller asks before overwriting
    SameFile,     // the load file would be the source itself
    NoCoups,      // nothing written: the file holds no coup
    CannotRead,
    CannotWrite,
};

struct DelimitedImport {
    DelimitedStatus status = DelimitedStatus::CannotRead;
    std::filesystem::path source;
    std::filesystem::path target;
    std::size_t coups = 0;
    bool header = false;
    std::vector<BadField> badFields;
    std::size_t badFieldCount = 0;
};

// The load file of a source: beside it, its extension replaced by ".INP".
std::filesystem::path delimitedTarget(const std::filesystem::path& source);

// Converts the source into its load file. The info line is `info`, or the source's name without
// extension when `info` is empty. An existing load file is replaced only with `overwrite`; the
// file is written beside the target first and renamed over it, so a failure leaves the old one.
DelimitedImport importDelimitedFile(const std::filesystem::path& source, std::string_view info,
                                    bool overwrite);

// The question before an existing load file is replaced.
MessageBoxData delimitedOverwriteQuestion(const std::filesystem::path& target, Language language);

// What an import came to, as the box that reports it: the coups written and the fields that were
// no coups (the first ten with line and column), or why nothing was written.
MessageBoxData delimitedReport(const DelimitedImport& import, Language language);

// The import as the conversion window runs it: asks before replacing an existing load file and
// reports the outcome in a box.
DelimitedImport ImportDelimitedClick(Game& game, const std::filesystem::path& source,
                                     std::string_view info);

} // namespace quendra
