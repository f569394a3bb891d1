#include "Cli.h"

#include "game/Version.h"

#include <ostream>

namespace quendra::cli {

namespace {

void printUsage(std::ostream& os) {
    os << "usage: quendra-cli --version\n";
}

} // namespace

int run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.size() == 1 && args[0] == "--version") {
        out << "quendra-cli " << VersionNumber << '\n';
        return 0;
    }
    printUsage(err);
    return 2;
}

} // namespace quendra::cli
