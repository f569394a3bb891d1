// Loading permanence files for analysis: the strict reader `ReadAnalysisFile` and the loader of
// the analysis menu's "Datei laden ..." and "Datei addieren ..." for single files and lists.
#pragma once

#include <cstdint>
#include <filesystem>

namespace quendra {

class Game;

enum class AnalysisRead : std::uint8_t {
    Loaded,    // read to its end, or to the history's 32000 entries (warning 7)
    Stopped,   // an invalid token stopped it (error 14, 17 or 19); what was read is kept
    NotOpened, // error 13
};

// `ReadAnalysisFile`: reads `AnalysisFile` into the analysis history, appending with `append`,
// else replacing the history and `AnalysisInfo`. The first comment line is the file's info line;
// every later line must be a number row of whole numbers from 0 to `HighestNumber` ("00" is the
// double zero on the American table, zero on the French one) and "--" day separators, which
// also raise `DaySeparatorSeen` for every player. A number out of range shows error 14 with it,
// anything else error 17 (French) or 19 (American); 32000 entries show warning 7. The counts of
// coups and separators always match the entries stored.
AnalysisRead ReadAnalysisFile(Game& game, bool append);

// The loader behind "Datei laden ..." (append false: the analysis starts afresh) and "Datei
// addieren ..." for the file chosen in the dialog. A file whose first name line names an
// existing file (beside it or by its full name) is a list: each of its names is read in turn,
// the first honouring `append`, the rest appended; a missing one shows info 1 and is passed
// over. Each file read to its end counts in `AnalysisFileCount`, `FirstAnalysisFile` and
// `LastAnalysisFile` and enables the analysis menu; after every file read, stopped ones too,
// the analysis counters are recounted. A single file that fails unticks "Datei laden ..." and
// disables the analysis entries.
void loadAnalysis(Game& game, const std::filesystem::path& chosen, bool append);

} // namespace quendra
