#include "Sessions.h"

#include "CliHost.h"
#include "GameSetup.h"
#include "Help.h"
#include "JsonReader.h"
#include "SessionsReport.h"
#include "SimulateSetup.h"
#include "SystemPlay.h"
#include "sessions/GameSessions.h"
#include "sessions/SessionHost.h"
#include "sessions/SessionMerge.h"
#include "sessions/SessionRunner.h"
#include "settings/SettingsIo.h"

#include <chrono>
#include <cstdio>
#include <fstream>
#include <ostream>
#include <sstream>
#include <thread>

namespace quendra::cli {
namespace {

std::string joined(const std::vector<std::string>& words) {
    std::string text;
    for (const std::string& word : words) {
        text += (text.empty() ? "" : " ") + word;
    }
    return text;
}

// "1234/10000 sessions, 812/s, 11 s left", rewritten in place.
class ProgressLine {
public:
    ProgressLine(std::ostream& err, std::uint64_t total) : err_(err), total_(total) {}

    void operator()(std::uint64_t done) {
        const double seconds = std::chrono::duration<double>(Clock::now() - start_).count();
        const double rate = seconds > 0.0 ? static_cast<double>(done) / seconds : 0.0;
        char line[128];
        std::snprintf(line, sizeof line, "\r%llu/%llu sessions, %.0f/s, %.0f s left   ",
                      static_cast<unsigned long long>(done),
                      static_cast<unsigned long long>(total_), rate,
                      rate > 0.0 ? static_cast<double>(total_ - done) / rate : 0.0);
        err_ << line << std::flush;
    }
    ~ProgressLine() { err_ << '\n'; }

private:
    using Clock = std::chrono::steady_clock;
    std::ostream& err_;
    std::uint64_t total_;
    Clock::time_point start_ = Clock::now();
};

bool writeCsv(const std::string& file, const SessionRun& run, std::ostream& err) {
    std::ofstream csv(file, std::ios::binary);
    writeSessionsCsv(csv, run);
    csv.close();
    if (!csv) {
        err << "quendra-cli: cannot write " << file << '\n';
        return false;
    }
    return true;
}

int report(const SessionRun& run, bool json, const std::optional<std::string>& csv,
           std::ostream& out, std::ostream& err) {
    if (json) {
        printSessionsJson(out, run);
    } else {
        printSessionsText(out, run);
    }
    return csv && !writeCsv(*csv, run, err) ? 1 : 0;
}

std::variant<SessionRun, std::string> readRunFile(const std::string& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        return file + ": cannot be read";
    }
    std::ostringstream text;
    text << in.rdbuf();
    auto json = parseJson(text.str());
    if (const auto* error = std::get_if<std::string>(&json)) {
        return file + ": " + *error;
    }
    auto run = readSessionRun(std::get<JsonValue>(json));
    if (!run) {
        return file + ": not the JSON of quendra-cli sessions";
    }
    return std::move(*run);
}

} // namespace

int runSessionsCommand(std::span<const std::string> args, std::ostream& out, std::ostream& err,
                       bool progressShown) {
    auto parsed = parseSessionsOptions(args);
    if (const auto* usage = std::get_if<UsageError>(&parsed)) {
        return reportUsage(err, "sessions", *usage);
    }
    const SessionsOptions& options = std::get<SessionsOptions>(parsed);
    if (options.help) {
        out << SessionsHelp;
        return 0;
    }
    MemorySettingsStore store;
    auto usage = simulationSettings(options.game, store);
    if (!usage) {
        usage = systemPlayUsage(options.game, store);
    }
    if (usage) {
        return reportUsage(err, "sessions", *usage);
    }
    // Sessions on many threads must not append to one year statistics file.
    store.write(SettingsSection, "JHSTAVAR", "0");
    const auto folder = programFolderFor(options.game.home);
    // Each call makes a game of its own; the store and the options are only read.
    const SessionGameFactory factory = [&](Host& host, std::uint64_t seed) {
        auto game = newGame(host, folder, seed, options.game.language);
        return setUpGame(*game, store, options.game) ? std::move(game) : nullptr;
    };
    // The first session's set-up on this thread: what it has to say is said once, a failure ends
    // the run, and a system file the pre-check rewrites is rewritten before the threads read it.
    // Today unless given, read once: sessions played across midnight still see one day.
    const auto date = options.game.date.value_or(
        std::chrono::floor<std::chrono::days>(CliHost(err, false).now()));
    SessionHost probeHost(date);
    const auto probe = factory(probeHost, sessionSeed(*options.game.seed, options.first));
    for (const MessageBoxData& box : probeHost.setupMessages()) {
        err << messageLine(box) << '\n';
    }
    if (!probe || probeHost.firstError() != 0) {
        return 1;
    }
    SessionBatch given;
    given.seed = *options.game.seed;
    given.first = options.first;
    given.count = options.sessions;
    given.coups = options.game.coups;
    given.goal = options.goal;
    given.date = date;
    given.setup = joined(options.setup);
    const SessionBatch batch = describeBatch(*probe, given);
    SessionRunControl control;
    control.threads = options.threads.value_or(
        static_cast<int>(std::max(1u, std::thread::hardware_concurrency())));
    std::optional<ProgressLine> progress;
    if (progressShown) {
        progress.emplace(err, batch.count);
        control.progress = [&](std::uint64_t done) { (*progress)(done); };
    }
    const SessionRun run = runSessions(batch, factory, control);
    progress.reset();
    return report(run, options.game.json, options.csv, out, err);
}

int runMerge(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
    auto parsed = parseMergeOptions(args);
    if (const auto* usage = std::get_if<UsageError>(&parsed)) {
        return reportUsage(err, "merge", *usage);
    }
    const MergeOptions& options = std::get<MergeOptions>(parsed);
    if (options.help) {
        out << MergeHelp;
        return 0;
    }
    std::vector<SessionRun> parts;
    for (const std::string& file : options.files) {
        auto part = readRunFile(file);
        if (const auto* error = std::get_if<std::string>(&part)) {
            err << "quendra-cli merge: " << *error << '\n';
            return 1;
        }
        parts.push_back(std::move(std::get<SessionRun>(part)));
    }
    auto merged = mergeSessionRuns(std::move(parts));
    if (const auto* error = std::get_if<std::string>(&merged)) {
        err << "quendra-cli merge: " << *error << '\n';
        return 1;
    }
    return report(std::get<SessionRun>(merged), options.json, options.csv, out, err);
}

} // namespace quendra::cli
