// `quendra-cli sessions` and `merge` run in-process: the same figures for any number of threads,
// the parts of a batch merged into the whole, a session played again alone, the outcome of a
// session whose coups are known, and wrong usage.
#include "Cli.h"
#include "sessions/SessionRunner.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>
#include <sstream>

namespace quendra::cli {
namespace {

using testing::readFile;
using testing::TempFolder;

struct CliRun {
    int code;
    std::string out;
    std::string err;
};

CliRun runCli(std::vector<std::string> args) {
    std::ostringstream out, err;
    const int code = run(args, out, err);
    return {code, out.str(), err.str()};
}

const std::filesystem::path Fixtures = std::filesystem::path(QUENDRA_FIXTURES_DIR) / "systemplay";

class CliSessions : public ::testing::Test {
protected:
    CliSessions() {
        home.copyWheelFiles();
        std::filesystem::copy_file(Fixtures / "worked_example.SYF", files / "DOUBLE.SYF");
        files.write("FLAT.SYF", "AL:\r\nSZ EI1(1), EC03;\r\n");
    }

    CliRun sessions(std::vector<std::string> args) {
        args.insert(args.begin(), {"sessions", "--home", home.path().string()});
        return runCli(args);
    }
    std::string system(std::string_view name) const { return "1=" + (files / name).string(); }

    TempFolder home;
    TempFolder files;
};

TEST_F(CliSessions, TheSameSeedGivesTheSameResultsOnOneTwoAndFourThreads) {
    const std::vector<std::string> batch{"--system",   system("DOUBLE.SYF"),
                                         "--sessions", "40",
                                         "--coups",    "50",
                                         "--seed",     "9",
                                         "--goal",     "2010",
                                         "--json"};
    std::string first;
    for (const char* threads : {"1", "2", "4"}) {
        auto args = batch;
        args.insert(args.end(), {"--threads", threads});
        const CliRun r = sessions(args);
        EXPECT_EQ(r.code, 0) << r.err;
        EXPECT_EQ(r.err, "");
        if (first.empty()) {
            first = r.out;
        }
        EXPECT_EQ(r.out, first) << threads << " threads";
    }
    EXPECT_EQ(first.rfind("{\"seed\":9,\"first\":0,\"sessions\":40,\"coups\":50,\"goal\":2010,"
                          "\"table\":\"french\",",
                          0),
              0u)
        << first;
}

TEST_F(CliSessions, FourPartsMergeIntoTheJsonOfOneRun) {
    const std::vector<std::string> batch{
        "--system", system("DOUBLE.SYF"), "--coups", "30", "--seed", "5", "--json"};
    auto args = batch;
    args.insert(args.end(), {"--sessions", "20", "--csv", (files / "whole.csv").string()});
    const CliRun whole = sessions(args);
    ASSERT_EQ(whole.code, 0) << whole.err;
    std::vector<std::string> merge{"merge", "--json", "--csv", (files / "merged.csv").string()};
    for (const char* first : {"15", "0", "10", "5"}) {
        auto part = batch;
        part.insert(part.end(), {"--first", first, "--sessions", "5", "--threads", "1"});
        const std::string file = (files / (std::string("part") + first + ".json")).string();
        files.write("part" + std::string(first) + ".json", sessions(part).out);
        merge.push_back(file);
    }
    const CliRun merged = runCli(merge);
    EXPECT_EQ(merged.code, 0) << merged.err;
    EXPECT_EQ(merged.out, whole.out);
    EXPECT_EQ(readFile(files / "merged.csv"), readFile(files / "whole.csv"));

    merge.pop_back();
    const CliRun gap = runCli(merge);
    EXPECT_EQ(gap.code, 1);
    EXPECT_EQ(gap.err, "quendra-cli merge: sessions 5-9 are missing\n");
    const CliRun notJson = runCli({"merge", (files / "FLAT.SYF").string()});
    EXPECT_EQ(notJson.code, 1);
    EXPECT_EQ(notJson.err.rfind(
                  "quendra-cli merge: " + (files / "FLAT.SYF").string() + ": character 1: ", 0),
              0u)
        << notJson.err;
}

TEST_F(CliSessions, ASessionPlayedAloneWithItsSeedGivesItsResult) {
    const CliRun r = sessions({"--system", system("FLAT.SYF"), "--set", "Zerobehandlung=0",
                               "--sessions", "3", "--first", "7", "--coups", "25", "--seed", "1",
                               "--date", "2026-03-15", "--csv", (files / "s.csv").string()});
    ASSERT_EQ(r.code, 0) << r.err;
    std::istringstream csv(readFile(files / "s.csv"));
    std::string header, row;
    std::getline(csv, header);
    std::getline(csv, row); // session 7
    std::getline(csv, row); // session 8
    std::istringstream fields(row);
    std::string index, seed, player, result, turnover;
    std::getline(fields, index, ',');
    std::getline(fields, seed, ',');
    std::getline(fields, player, ',');
    std::getline(fields, result, ',');
    std::getline(fields, turnover, ',');
    EXPECT_EQ(index, "8");

    const CliRun alone = runCli({"simulate", "--home", home.path().string(), "--system",
                                 system("FLAT.SYF"), "--set", "Zerobehandlung=0", "--coups", "25",
                                 "--seed", seed, "--date", "2026-03-15", "--json"});
    // The piece standing for the next coup has been paid from the capital already.
    const int capital = 2000 + std::stoi(result) - 1;
    ASSERT_EQ(alone.code, 0) << alone.err;
    EXPECT_NE(alone.out.find("\"capital\":" + std::to_string(capital) +
                             ",\"start_capital\":2000,\"total_staked\":" + turnover + ","),
              std::string::npos)
        << alone.out << row;
    EXPECT_NE(r.out.find("session 7 alone: quendra-cli simulate with the same options and --date "
                         "2026-03-15 --seed "),
              std::string::npos);
}

TEST_F(CliSessions, TheFiguresOfSessionsWithKnownCoups) {
    // Every session plays the load file from its start: +1 -1 -2 +4 -1 -2 -4 -8 -16 -32, then
    // message 51 stops the doubling. Before the stake of 32 the capital is 29 below the start.
    const std::string load = (Fixtures / "worked_example.INP").string();
    struct Case {
        const char* capital;
        const char* goal;
        const char* row; // result … goal of session 0
    } cases[] = {
        {"2000", "2002", "-61,71,-61,2,10,51,0,1"},
        {"2000", "2003", "-61,71,-61,2,10,51,0,0"},
        {"61", "100", "-61,71,-61,2,10,51,0,0"},
        {"60", "100", "-61,71,-61,2,10,51,1,0"},
    };
    for (const Case& c : cases) {
        const CliRun r = sessions({"--load", load, "--system", system("DOUBLE.SYF"), "--capital",
                                   c.capital, "--goal", c.goal, "--sessions", "2", "--seed", "3",
                                   "--coups", "0", "--csv", (files / "k.csv").string()});
        ASSERT_EQ(r.code, 0) << r.err;
        const std::string csv = readFile(files / "k.csv");
        const std::string first = csv.substr(csv.find('\n') + 1);
        EXPECT_EQ(first.substr(first.find(",1,") + 3, first.find('\n') - first.find(",1,") - 3),
                  c.row)
            << c.capital << " " << c.goal;
    }
    const CliRun text =
        sessions({"--load", load, "--system", system("DOUBLE.SYF"), "--goal", "2002", "--sessions",
                  "2", "--seed", "3", "--coups", "0", "--date", "2026-03-15"});
    EXPECT_EQ(text.out,
              "sessions 0-1 of seed 3, to the end of the load files, French table\n"
              "player 1 (system):\n"
              "  result: mean -61.00, standard deviation 0.00\n"
              "  percentiles: 1% -61.0, 5% -61.0, 25% -61.0, 50% -61.0, 75% -61.0, 95% -61.0, "
              "99% -61.0\n"
              "  ruined: 0.00 %, reached the goal of 2002: 100.00 %\n"
              "  stopped by system message 51: 100.00 %\n"
              "  turnover 142, mean stake per coup 7.100\n"
              "  edge: -0.85915 (95 % interval -0.85915 to -0.85915), table -0.02703\n"
              "session 0 alone: quendra-cli simulate with the same options and --date 2026-03-15 "
              "--seed " +
                  std::to_string(sessionSeed(3, 0)) + " (the seed of every session is in --csv)\n")
        << text.out;
}

TEST_F(CliSessions, WrongUsageAndAFailingSetUp) {
    struct Case {
        std::vector<std::string> args;
        std::string reason;
    } cases[] = {
        {{"--coups", "5", "--seed", "1"}, "--sessions is required"},
        {{"--coups", "5", "--sessions", "3"},
         "--seed is required: it makes every session repeatable"},
        {{"--sessions", "3", "--seed", "1"}, "--coups is required without --load or --collect"},
        {{"--sessions", "0", "--seed", "1", "--coups", "5"},
         "--sessions 0: expected a number of sessions from 1"},
        {{"--sessions", "3", "--seed", "1", "--coups", "5", "--date", "2026-02-30"},
         "--date 2026-02-30: expected a date YYYY-MM-DD"},
        {{"--protocol", "1=P", "--sessions", "3", "--seed", "1", "--coups", "5"},
         "unknown option --protocol"},
    };
    for (const Case& c : cases) {
        const CliRun r = sessions(c.args);
        EXPECT_EQ(r.code, 2);
        EXPECT_EQ(r.err,
                  "quendra-cli sessions: " + c.reason + " (see quendra-cli sessions --help)\n");
    }
    const CliRun missing = sessions({"--system", "1=" + (files / "NONE.SYF").string(), "--sessions",
                                     "3", "--seed", "1", "--coups", "5", "--lang", "en"});
    EXPECT_EQ(missing.code, 1);
    EXPECT_EQ(missing.err, "error 1: Systemplayfile of player 1 not exist!\n") << missing.err;
    EXPECT_EQ(missing.out, "");
}

} // namespace
} // namespace quendra::cli
