// The command-line front end, run in-process.
#include "Cli.h"

#include <gtest/gtest.h>
#include <sstream>

namespace quendra::cli {
namespace {

struct CliRun {
    int code;
    std::string out;
    std::string err;
};

CliRun runCli(std::vector<std::string> args) {
    std::ostringstream out, err;
    int code = run(args, out, err);
    return {code, out.str(), err.str()};
}

TEST(Cli, VersionPrintsTheProgramVersion) {
    CliRun r = runCli({"--version"});
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(r.out, "quendra-cli 3.8.0\n");
}

TEST(Cli, UnknownArgumentsGiveUsageAndExitCode2) {
    CliRun r = runCli({"--bogus"});
    EXPECT_EQ(r.code, 2);
    EXPECT_NE(r.err.find("usage:"), std::string::npos);
}

} // namespace
} // namespace quendra::cli
