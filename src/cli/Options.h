// The options of the commands, parsed from the command line. Parsing checks only the form of
// each value; what the values do is left to the engine.
#pragma once

#include "permanence/PermanenceState.h"
#include "table/BetField.h"

#include <chrono>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <utility>
#include <variant>
#include <vector>

namespace quendra::cli {

// Wrong usage: the one-line reason.
struct UsageError {
    std::string reason;
};

template <typename T>
using Parsed = std::variant<T, UsageError>;

// `--start`: the load menu's start mode with the texts of its fields as a user types them.
struct StartChoice {
    LoadStartMode mode = LoadStartMode::Normal;
    std::string first;  // fix coup, random minimum, attack count
    std::string second; // random maximum, attack length
};

struct PlayerFile {
    int player = 1;
    std::string file;
};

struct SimulateOptions {
    bool help = false;
    std::optional<std::string> home;
    std::optional<TableType> table;
    std::optional<int> players;
    std::optional<int> capital;
    std::optional<int> pieceValue;
    std::optional<int> language;                               // 0 German, 1 English
    std::vector<std::pair<std::string, std::string>> settings; // `--set` in order
    std::vector<PlayerFile> systems;
    std::vector<PlayerFile> protocols;
    std::optional<std::string> load;
    std::vector<std::string> follows;
    std::optional<std::string> collect;
    std::optional<StartChoice> start;
    std::optional<std::int64_t> coups; // none: to the end of the load files
    std::optional<std::uint64_t> seed;
    // The day the game sees instead of today (the ball starts in the pocket of the day's number).
    std::optional<std::chrono::sys_days> date;
    bool answerYes = false;
    bool json = false;
};

struct AnalyseOptions {
    bool help = false;
    std::optional<std::string> home;
    TableType table = TableType::French;
    std::optional<int> language;
    bool json = false;
    std::vector<std::string> files;
};

struct CountOptions {
    bool help = false;
    TableType table = TableType::French;
    bool json = false;
    std::vector<std::string> files;
};

struct ConvertOptions {
    bool help = false;
    std::optional<std::string> home;
    std::string folder;
    // --delimited: the files named are delimited records to import, not a Hamburg folder;
    // --info is then the load files' info line.
    bool delimited = false;
    std::vector<std::string> files;
    bool overwrite = false;
    bool american = false;
    bool backup = true;
    std::optional<std::string> collectName;
    std::string collectInfo;
    std::optional<int> language;
    bool answerYes = false;
};

// `sessions`: the options of `simulate` that set up a game (no protocols, no answers: every
// question of a session is answered No), then the batch.
struct SessionsOptions {
    bool help = false;
    SimulateOptions game;
    std::uint64_t sessions = 0;
    std::uint64_t first = 0;
    std::optional<int> threads; // none: one per processor
    std::optional<std::int64_t> goal;
    std::optional<std::string> csv;
    // The options that make one batch's sessions what they are, as given: everything but the
    // range of sessions, the threads and the outputs.
    std::vector<std::string> setup;
};

struct MergeOptions {
    bool help = false;
    bool json = false;
    std::optional<std::string> csv;
    std::vector<std::string> files;
};

Parsed<SimulateOptions> parseSimulateOptions(std::span<const std::string> args);
Parsed<AnalyseOptions> parseAnalyseOptions(std::span<const std::string> args);
Parsed<CountOptions> parseCountOptions(std::span<const std::string> args);
Parsed<ConvertOptions> parseConvertOptions(std::span<const std::string> args);
Parsed<SessionsOptions> parseSessionsOptions(std::span<const std::string> args);
Parsed<MergeOptions> parseMergeOptions(std::span<const std::string> args);

} // namespace quendra::cli
