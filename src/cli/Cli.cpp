#include "Cli.h"

#include "Analyse.h"
#include "FileCommands.h"
#include "Help.h"
#include "Sessions.h"
#include "Simulate.h"
#include "game/Version.h"

#include <iostream>
#include <span>
#include <unistd.h>

namespace quendra::cli {

int run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.size() == 1 && args[0] == "--version") {
        out << "quendra-cli " << VersionNumber << '\n';
        return 0;
    }
    if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h")) {
        out << MainHelp;
        return 0;
    }
    if (args.empty()) {
        return reportUsage(err, "", {"no command given"});
    }
    const std::span<const std::string> rest(args.begin() + 1, args.end());
    const std::string& command = args[0];
    if (command == "simulate") {
        return runSimulate(rest, out, err);
    }
    if (command == "sessions") {
        // Progress goes to a terminal only, never into a file or a pipe.
        return runSessionsCommand(rest, out, err, &err == &std::cerr && isatty(STDERR_FILENO));
    }
    if (command == "merge") {
        return runMerge(rest, out, err);
    }
    if (command == "analyse" || command == "analyze") {
        return runAnalyse(rest, out, err);
    }
    if (command == "count") {
        return runCount(rest, out, err);
    }
    if (command == "convert") {
        return runConvert(rest, out, err);
    }
    return reportUsage(err, "", {"unknown command " + command});
}

} // namespace quendra::cli
