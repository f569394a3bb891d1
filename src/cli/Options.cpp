#include "Options.h"

#include "permanence/StartOptions.h"

#include <algorithm>
#include <charconv>
#include <limits>

namespace quendra::cli {
namespace {

struct OptionDefinition {
    std::string_view name;
    bool takesValue;
    bool repeatable;
};

struct RawOption {
    std::string name;
    std::string value;
};

struct CommandLine {
    bool help = false;
    std::vector<RawOption> options;
    std::vector<std::string> positionals;
};

const OptionDefinition* findOption(std::span<const OptionDefinition> known, std::string_view name) {
    const auto it =
        std::find_if(known.begin(), known.end(),
                     [name](const OptionDefinition& option) { return option.name == name; });
    return it == known.end() ? nullptr : &*it;
}

// Splits the arguments into options ("--name value" or "--name=value") and positionals.
Parsed<CommandLine> splitCommandLine(std::span<const std::string> args,
                                     std::span<const OptionDefinition> known) {
    CommandLine line;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--help" || arg == "-h") {
            line.help = true;
            continue;
        }
        if (arg.size() < 2 || arg.compare(0, 2, "--") != 0) {
            line.positionals.push_back(arg);
            continue;
        }
        const std::size_t equals = arg.find('=');
        const std::string name = arg.substr(0, equals);
        const OptionDefinition* option = findOption(known, name);
        if (option == nullptr) {
            return UsageError{"unknown option " + name};
        }
        std::string value;
        if (equals != std::string::npos) {
            if (!option->takesValue) {
                return UsageError{name + " takes no value"};
            }
            value = arg.substr(equals + 1);
        } else if (option->takesValue) {
            if (i + 1 >= args.size()) {
                return UsageError{name + " needs a value"};
            }
            value = args[++i];
        }
        const bool seen = std::any_of(line.options.begin(), line.options.end(),
                                      [&](const RawOption& o) { return o.name == name; });
        if (seen && !option->repeatable) {
            return UsageError{name + " given more than once"};
        }
        line.options.push_back({name, value});
    }
    return line;
}

// A whole number of digits only, within [lowest, highest].
std::optional<std::int64_t> wholeNumber(std::string_view text, std::int64_t lowest,
                                        std::int64_t highest) {
    std::int64_t value = 0;
    if (text.empty() ||
        !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        return std::nullopt;
    }
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < lowest ||
        value > highest) {
        return std::nullopt;
    }
    return value;
}

UsageError badValue(const RawOption& option, std::string_view expected) {
    return UsageError{option.name + " " + option.value + ": expected " + std::string(expected)};
}

std::optional<UsageError> numberOption(const RawOption& option, std::int64_t lowest,
                                       std::int64_t highest, std::optional<int>& out) {
    const auto value = wholeNumber(option.value, lowest, highest);
    if (!value) {
        return badValue(option, "a number from " + std::to_string(lowest) + " to " +
                                    std::to_string(highest));
    }
    out = static_cast<int>(*value);
    return std::nullopt;
}

std::optional<UsageError> tableOption(const RawOption& option, TableType& out) {
    if (option.value == "french") {
        out = TableType::French;
    } else if (option.value == "american") {
        out = TableType::American;
    } else {
        return badValue(option, "french or american");
    }
    return std::nullopt;
}

std::optional<UsageError> languageOption(const RawOption& option, std::optional<int>& out) {
    if (option.value != "de" && option.value != "en") {
        return badValue(option, "de or en");
    }
    out = option.value == "de" ? 0 : 1;
    return std::nullopt;
}

std::optional<UsageError> answerOption(const RawOption& option, bool& out) {
    if (option.value != "yes" && option.value != "no") {
        return badValue(option, "yes or no");
    }
    out = option.value == "yes";
    return std::nullopt;
}

std::optional<UsageError> playerFileOption(const RawOption& option, std::vector<PlayerFile>& out) {
    const std::size_t equals = option.value.find('=');
    const auto player = wholeNumber(option.value.substr(0, equals), 1, 4);
    if (equals == std::string::npos || !player || equals + 1 == option.value.size()) {
        return badValue(option, "PLAYER=FILE with a player from 1 to 4");
    }
    const bool taken = std::any_of(out.begin(), out.end(),
                                   [&](const PlayerFile& f) { return f.player == *player; });
    if (taken) {
        return UsageError{option.name + " for player " + std::to_string(*player) +
                          " given more than once"};
    }
    out.push_back({static_cast<int>(*player), option.value.substr(equals + 1)});
    return std::nullopt;
}

std::optional<UsageError> settingOption(const RawOption& option,
                                        std::vector<std::pair<std::string, std::string>>& out) {
    const std::size_t equals = option.value.find('=');
    if (equals == std::string::npos || equals == 0) {
        return badValue(option, "KEY=VALUE");
    }
    out.emplace_back(option.value.substr(0, equals), option.value.substr(equals + 1));
    return std::nullopt;
}

// YYYY-MM-DD, a day of the calendar.
std::optional<UsageError> dateOption(const RawOption& option,
                                     std::optional<std::chrono::sys_days>& out) {
    const std::string& v = option.value;
    const bool shaped = v.size() == 10 && v[4] == '-' && v[7] == '-';
    const auto year = shaped ? wholeNumber(v.substr(0, 4), 1900, 9999) : std::nullopt;
    const auto month = shaped ? wholeNumber(v.substr(5, 2), 1, 12) : std::nullopt;
    const auto day = shaped ? wholeNumber(v.substr(8, 2), 1, 31) : std::nullopt;
    const std::chrono::year_month_day date{
        std::chrono::year{static_cast<int>(year.value_or(0))},
        std::chrono::month{static_cast<unsigned>(month.value_or(0))},
        std::chrono::day{static_cast<unsigned>(day.value_or(0))}};
    if (!year || !month || !day || !date.ok()) {
        return badValue(option, "a date YYYY-MM-DD");
    }
    out = std::chrono::sys_days{date};
    return std::nullopt;
}

bool digitsOnly(std::string_view text) {
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// normal | fix:N | random:MIN-MAX | attacks:COUNT:LENGTH
std::optional<StartChoice> startChoice(std::string_view text) {
    const std::size_t colon = text.find(':');
    const std::string_view mode = text.substr(0, colon);
    const std::string_view rest = colon == std::string_view::npos ? "" : text.substr(colon + 1);
    auto split = [rest](char separator) -> std::optional<std::pair<std::string, std::string>> {
        const std::size_t at = rest.find(separator);
        if (at == std::string_view::npos || !digitsOnly(rest.substr(0, at)) ||
            !digitsOnly(rest.substr(at + 1))) {
            return std::nullopt;
        }
        return std::pair{std::string(rest.substr(0, at)), std::string(rest.substr(at + 1))};
    };
    if (mode == "normal" && colon == std::string_view::npos) {
        return StartChoice{};
    }
    if (mode == "fix" && digitsOnly(rest)) {
        return StartChoice{LoadStartMode::Fix, std::string(rest), {}};
    }
    if (mode == "random") {
        if (const auto range = split('-')) {
            return StartChoice{LoadStartMode::Random, range->first, range->second};
        }
    }
    if (mode == "attacks") {
        const auto values = split(':');
        if (values && wholeNumber(values->first, 1, HighestAttackCount)) {
            return StartChoice{LoadStartMode::RandomAttacks, values->first, values->second};
        }
    }
    return std::nullopt;
}

constexpr std::int64_t HighestInt32 = std::numeric_limits<std::int32_t>::max();

constexpr OptionDefinition SimulateOptionList[] = {
    {"--home", true, false},    {"--table", true, false},       {"--players", true, false},
    {"--capital", true, false}, {"--piece-value", true, false}, {"--set", true, true},
    {"--system", true, true},   {"--protocol", true, true},     {"--load", true, false},
    {"--follow", true, true},   {"--collect", true, false},     {"--start", true, false},
    {"--coups", true, false},   {"--seed", true, false},        {"--lang", true, false},
    {"--answer", true, false},  {"--json", false, false},       {"--date", true, false},
};

std::optional<UsageError> simulateOption(const RawOption& o, SimulateOptions& s) {
    const std::string& n = o.name;
    if (n == "--home") {
        s.home = o.value;
    } else if (n == "--table") {
        TableType table{};
        if (auto error = tableOption(o, table)) {
            return error;
        }
        s.table = table;
    } else if (n == "--players") {
        return numberOption(o, 1, 4, s.players);
    } else if (n == "--capital") {
        return numberOption(o, 0, 5'000'000, s.capital);
    } else if (n == "--piece-value") {
        return numberOption(o, 1, 1000, s.pieceValue);
    } else if (n == "--set") {
        return settingOption(o, s.settings);
    } else if (n == "--system") {
        return playerFileOption(o, s.systems);
    } else if (n == "--protocol") {
        return playerFileOption(o, s.protocols);
    } else if (n == "--load") {
        s.load = o.value;
    } else if (n == "--follow") {
        s.follows.push_back(o.value);
    } else if (n == "--collect") {
        s.collect = o.value;
    } else if (n == "--start") {
        s.start = startChoice(o.value);
        if (!s.start) {
            return badValue(o, "normal, fix:N, random:MIN-MAX or attacks:COUNT:LENGTH");
        }
    } else if (n == "--coups") {
        const auto coups = wholeNumber(o.value, 0, HighestInt32);
        if (!coups) {
            return badValue(o, "a number from 0 to " + std::to_string(HighestInt32));
        }
        s.coups = *coups == 0 ? std::nullopt : coups;
    } else if (n == "--seed") {
        std::uint64_t seed = 0;
        const auto [end, error] =
            std::from_chars(o.value.data(), o.value.data() + o.value.size(), seed);
        if (!digitsOnly(o.value) || error != std::errc() ||
            end != o.value.data() + o.value.size()) {
            return badValue(o, "an unsigned 64-bit number");
        }
        s.seed = seed;
    } else if (n == "--lang") {
        return languageOption(o, s.language);
    } else if (n == "--date") {
        return dateOption(o, s.date);
    } else if (n == "--answer") {
        return answerOption(o, s.answerYes);
    } else if (n == "--json") {
        s.json = true;
    }
    return std::nullopt;
}

std::optional<UsageError> checkSimulate(const CommandLine& line, SimulateOptions& s) {
    if (!line.positionals.empty()) {
        return UsageError{"unexpected argument " + line.positionals.front()};
    }
    if (s.follows.size() > FollowSlots) {
        return UsageError{"--follow given more than " + std::to_string(FollowSlots) + " times"};
    }
    const bool loadFiles = s.load || s.collect;
    if (!loadFiles && !s.coups) {
        return UsageError{"--coups is required without --load or --collect"};
    }
    if (!loadFiles && s.start) {
        return UsageError{"--start needs --load or --collect"};
    }
    return std::nullopt;
}

constexpr OptionDefinition AnalyseOptionList[] = {
    {"--home", true, false},
    {"--table", true, false},
    {"--lang", true, false},
    {"--json", false, false},
};

std::optional<UsageError> analyseOption(const RawOption& o, AnalyseOptions& a) {
    if (o.name == "--home") {
        a.home = o.value;
    } else if (o.name == "--table") {
        return tableOption(o, a.table);
    } else if (o.name == "--lang") {
        return languageOption(o, a.language);
    } else if (o.name == "--json") {
        a.json = true;
    }
    return std::nullopt;
}

constexpr OptionDefinition CountOptionList[] = {
    {"--table", true, false},
    {"--json", false, false},
};

std::optional<UsageError> countOption(const RawOption& o, CountOptions& c) {
    if (o.name == "--table") {
        return tableOption(o, c.table);
    }
    c.json = true;
    return std::nullopt;
}

constexpr OptionDefinition ConvertOptionList[] = {
    {"--home", true, false},    {"--american", false, false},  {"--no-backup", false, false},
    {"--collect", true, false}, {"--info", true, false},       {"--lang", true, false},
    {"--answer", true, false},  {"--delimited", false, false}, {"--overwrite", false, false},
};

std::optional<UsageError> convertOption(const RawOption& o, ConvertOptions& c) {
    const std::string& n = o.name;
    if (n == "--home") {
        c.home = o.value;
    } else if (n == "--american") {
        c.american = true;
    } else if (n == "--no-backup") {
        c.backup = false;
    } else if (n == "--collect") {
        c.collectName = o.value;
    } else if (n == "--info") {
        c.collectInfo = o.value;
    } else if (n == "--lang") {
        return languageOption(o, c.language);
    } else if (n == "--answer") {
        return answerOption(o, c.answerYes);
    } else if (n == "--delimited") {
        c.delimited = true;
    } else if (n == "--overwrite") {
        c.overwrite = true;
    }
    return std::nullopt;
}

std::optional<UsageError> filesGiven(const CommandLine& line, std::vector<std::string>& files) {
    if (line.positionals.empty()) {
        return UsageError{"no file given"};
    }
    files = line.positionals;
    return std::nullopt;
}

// The Hamburg folder takes one folder and its own options; the delimited import takes files.
std::optional<UsageError> checkConvert(const CommandLine& line, ConvertOptions& c) {
    const auto given = [&line](std::string_view name) {
        return std::any_of(line.options.begin(), line.options.end(),
                           [name](const RawOption& o) { return o.name == name; });
    };
    if (!c.delimited) {
        if (c.overwrite) {
            return UsageError{"--overwrite only with --delimited"};
        }
        if (line.positionals.size() != 1) {
            return UsageError{"convert takes exactly one folder"};
        }
        c.folder = line.positionals.front();
        return std::nullopt;
    }
    for (const char* folderOnly : {"--american", "--no-backup", "--collect", "--answer"}) {
        if (given(folderOnly)) {
            return UsageError{std::string(folderOnly) + " only without --delimited"};
        }
    }
    return filesGiven(line, c.files);
}

constexpr OptionDefinition SessionsOptionList[] = {
    {"--home", true, false},     {"--table", true, false},       {"--players", true, false},
    {"--capital", true, false},  {"--piece-value", true, false}, {"--set", true, true},
    {"--system", true, true},    {"--load", true, false},        {"--follow", true, true},
    {"--collect", true, false},  {"--start", true, false},       {"--coups", true, false},
    {"--seed", true, false},     {"--lang", true, false},        {"--json", false, false},
    {"--sessions", true, false}, {"--first", true, false},       {"--threads", true, false},
    {"--goal", true, false},     {"--csv", true, false},         {"--date", true, false},
};

// The options that do not change what a session plays, or that the batch records apart (the
// date).
bool outsideSetup(std::string_view name) {
    return name == "--sessions" || name == "--first" || name == "--threads" || name == "--csv" ||
           name == "--json" || name == "--home" || name == "--date";
}

std::optional<UsageError> sessionsOption(const RawOption& o, SessionsOptions& s) {
    const std::string& n = o.name;
    if (!outsideSetup(n)) {
        s.setup.push_back(o.value.empty() ? n : n + "=" + o.value);
    }
    if (n == "--sessions" || n == "--first") {
        const auto value = wholeNumber(o.value, n == "--sessions" ? 1 : 0, HighestInt32 * 1000);
        if (!value) {
            return badValue(o,
                            n == "--sessions" ? "a number of sessions from 1" : "a session number");
        }
        (n == "--sessions" ? s.sessions : s.first) = static_cast<std::uint64_t>(*value);
    } else if (n == "--threads") {
        return numberOption(o, 1, 1024, s.threads);
    } else if (n == "--goal") {
        const auto goal = wholeNumber(o.value, 1, HighestInt32);
        if (!goal) {
            return badValue(o, "a capital from 1 to " + std::to_string(HighestInt32));
        }
        s.goal = *goal;
    } else if (n == "--csv") {
        s.csv = o.value;
    } else {
        return simulateOption(o, s.game);
    }
    return std::nullopt;
}

std::optional<UsageError> checkSessions(const CommandLine& line, SessionsOptions& s) {
    if (auto error = checkSimulate(line, s.game)) {
        return error;
    }
    if (s.sessions == 0) {
        return UsageError{"--sessions is required"};
    }
    if (!s.game.seed) {
        return UsageError{"--seed is required: it makes every session repeatable"};
    }
    return std::nullopt;
}

constexpr OptionDefinition MergeOptionList[] = {
    {"--json", false, false},
    {"--csv", true, false},
};

std::optional<UsageError> mergeOption(const RawOption& o, MergeOptions& m) {
    if (o.name == "--csv") {
        m.csv = o.value;
    } else {
        m.json = true;
    }
    return std::nullopt;
}

// Splits the arguments, applies every option, then lets `finish` take the positionals and check
// the whole. --help skips the checks.
template <typename Options, typename Apply, typename Finish>
Parsed<Options> parseWith(std::span<const std::string> args,
                          std::span<const OptionDefinition> known, Apply apply, Finish finish) {
    auto split = splitCommandLine(args, known);
    if (auto* error = std::get_if<UsageError>(&split)) {
        return *error;
    }
    const CommandLine& line = std::get<CommandLine>(split);
    Options options;
    options.help = line.help;
    if (options.help) {
        return options;
    }
    for (const RawOption& option : line.options) {
        if (auto error = apply(option, options)) {
            return *error;
        }
    }
    if (auto error = finish(line, options)) {
        return *error;
    }
    return options;
}

} // namespace

Parsed<SimulateOptions> parseSimulateOptions(std::span<const std::string> args) {
    return parseWith<SimulateOptions>(args, SimulateOptionList, simulateOption, checkSimulate);
}

Parsed<AnalyseOptions> parseAnalyseOptions(std::span<const std::string> args) {
    return parseWith<AnalyseOptions>(
        args, AnalyseOptionList, analyseOption,
        [](const CommandLine& line, AnalyseOptions& a) { return filesGiven(line, a.files); });
}

Parsed<CountOptions> parseCountOptions(std::span<const std::string> args) {
    return parseWith<CountOptions>(
        args, CountOptionList, countOption,
        [](const CommandLine& line, CountOptions& c) { return filesGiven(line, c.files); });
}

Parsed<ConvertOptions> parseConvertOptions(std::span<const std::string> args) {
    return parseWith<ConvertOptions>(args, ConvertOptionList, convertOption, checkConvert);
}

Parsed<SessionsOptions> parseSessionsOptions(std::span<const std::string> args) {
    return parseWith<SessionsOptions>(args, SessionsOptionList, sessionsOption, checkSessions);
}

Parsed<MergeOptions> parseMergeOptions(std::span<const std::string> args) {
    return parseWith<MergeOptions>(
        args, MergeOptionList, mergeOption,
        [](const CommandLine& line, MergeOptions& m) { return filesGiven(line, m.files); });
}

} // namespace quendra::cli
