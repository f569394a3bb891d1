// The command-line front end: usage, the simulate, analyse, count and convert commands run
// in-process, and a few runs of the built executable end to end.
#include "Cli.h"
#include "support/TempFolder.h"

#include <cstdio>
#include <filesystem>
#include <gtest/gtest.h>
#include <sstream>
#include <unistd.h>

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
    int code = run(args, out, err);
    return {code, out.str(), err.str()};
}

int lineCount(const std::string& text) {
    return static_cast<int>(std::count(text.begin(), text.end(), '\n'));
}

// A program folder with the wheel data files, where the year statistics file may go too.
class CliCommand : public ::testing::Test {
protected:
    CliCommand() { home.copyWheelFiles(); }

    std::string file(std::string_view name, std::string_view content) {
        return files.write(name, content).string();
    }

    CliRun simulate(std::vector<std::string> args) {
        args.insert(args.begin(), {"simulate", "--home", home.path().string()});
        return runCli(args);
    }

    static std::string summary(int coups, int statTotal) {
        return "{\"coups\":" + std::to_string(coups) +
               ",\"stat_total\":" + std::to_string(statTotal) + ",\"players\":[" + playerOne() +
               "]}\n";
    }
    static std::string playerOne(int capital = 2000) {
        const std::string c = std::to_string(capital);
        return "{\"player\":1,\"capital\":" + c + ",\"start_capital\":" + c +
               ",\"total_staked\":0,\"coups_with_stake\":0,\"coups_won\":0,\"coups_lost\":0,"
               "\"minimum\":0,\"maximum\":0,\"average\":0,\"system_active\":false}";
    }

    TempFolder home;
    TempFolder files;
};

TEST(Cli, VersionPrintsTheProgramVersion) {
    CliRun r = runCli({"--version"});
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(r.out, "quendra-cli 3.8.0\n");
}

TEST(Cli, WrongUsageGivesExitCode2AndOneLineWithTheReason) {
    struct Case {
        std::vector<std::string> args;
        std::string reason;
    };
    const Case cases[] = {
        {{"--bogus"}, "unknown command --bogus"},
        {{}, "no command given"},
        {{"simulate"}, "--coups is required without --load or --collect"},
        {{"simulate", "--coups", "5", "--bogus"}, "unknown option --bogus"},
        {{"simulate", "--coups"}, "--coups needs a value"},
        {{"simulate", "--coups", "-5"}, "--coups -5: expected a number"},
        {{"simulate", "--coups", "5", "--coups", "6"}, "--coups given more than once"},
        {{"simulate", "--coups", "5", "--players", "5"}, "--players 5: expected a number"},
        {{"simulate", "--coups", "5", "--table", "german"}, "expected french or american"},
        {{"simulate", "--coups", "5", "--set", "Unbekannt=1"}, "--set Unbekannt: no such"},
        {{"simulate", "--coups", "5", "--set", "Zerobehandlung"}, "expected KEY=VALUE"},
        {{"simulate", "--coups", "5", "--start", "fix:2"}, "--start needs --load"},
        {{"simulate", "--load", "a", "--start", "fix:x"}, "expected normal, fix:N"},
        {{"simulate", "--load", "a", "--start", "attacks:51:10"}, "expected normal"},
        {{"simulate", "--coups", "5", "--system", "5=a.syf"}, "PLAYER=FILE"},
        {{"simulate", "--coups", "5", "--system", "1=a", "--system", "1=b"},
         "--system for player 1 given more than once"},
        {{"simulate", "--coups", "5", "--protocol", "2=a.out"}, "player 2 does not take part"},
        {{"simulate", "--coups", "5", "--set", "Spieleranzahl=2", "--system", "3=a.syf"},
         "player 3 does not take part (players: 2)"},
        {{"simulate", "--coups", "5", "--json=1"}, "--json takes no value"},
        {{"simulate", "--coups", "5", "extra"}, "unexpected argument extra"},
        {{"simulate", "--load", "a", "--follow", "1", "--follow", "2", "--follow", "3", "--follow",
          "4", "--follow", "5", "--follow", "6", "--follow", "7"},
         "--follow given more than 6 times"},
        {{"analyse"}, "no file given"},
        {{"analyse", "--table", "x", "a"}, "expected french or american"},
        {{"count"}, "no file given"},
        {{"convert", "a", "b"}, "convert takes exactly one folder"},
        {{"convert", "/no/such/folder"}, "/no/such/folder is not a folder"},
        {{"convert", "--delimited"}, "no file given"},
        {{"convert", "--delimited", "--collect", "S.SNP", "a"}, "--collect only without"},
        {{"convert", "--overwrite", "dir"}, "--overwrite only with --delimited"},
    };
    for (const Case& c : cases) {
        CliRun r = runCli(c.args);
        SCOPED_TRACE(r.err);
        EXPECT_EQ(r.code, 2);
        EXPECT_EQ(lineCount(r.err), 1);
        EXPECT_NE(r.err.find(c.reason), std::string::npos);
        EXPECT_EQ(r.err.rfind("quendra-cli", 0), 0u);
        EXPECT_TRUE(r.out.empty());
    }
}

TEST(Cli, EveryCommandHasItsHelp) {
    for (std::string command : {"simulate", "analyse", "count", "convert", "sessions", "merge"}) {
        CliRun r = runCli({command, "--help"});
        EXPECT_EQ(r.code, 0);
        EXPECT_EQ(r.out.rfind("usage: quendra-cli " + command, 0), 0u) << r.out;
        EXPECT_TRUE(r.err.empty());
    }
    CliRun r = runCli({"--help"});
    EXPECT_EQ(r.code, 0);
    EXPECT_NE(r.out.find("simulate"), std::string::npos);
}

TEST_F(CliCommand, SimulatePlaysTheCoupsAskedForTheSameWayForTheSameSeed) {
    CliRun first = simulate({"--coups", "250", "--seed", "9", "--json"});
    EXPECT_EQ(first.code, 0);
    EXPECT_EQ(first.out, summary(250, 250));
    EXPECT_EQ(first.err, "");
    CliRun text = simulate({"--coups", "250", "--seed", "9", "--players", "2"});
    EXPECT_EQ(text.out.rfind("coups: 250\nstat_total: 250\nplayer 1: capital 2000,", 0), 0u)
        << text.out;
    EXPECT_NE(text.out.find("\nplayer 2: capital 2000,"), std::string::npos);
}

TEST_F(CliCommand, TheOptionsOverrideTheSettingsGivenBySet) {
    CliRun set =
        simulate({"--coups", "3", "--set", "Spieleranzahl=2", "--set", "SPKapital=700", "--json"});
    EXPECT_NE(set.out.find("\"player\":2,\"capital\":700"), std::string::npos) << set.out;
    CliRun overridden = simulate({"--coups", "3", "--set", "Spieleranzahl=3", "--players", "1",
                                  "--set", "SPKapital=700", "--capital", "900", "--json"});
    EXPECT_EQ(overridden.out,
              "{\"coups\":3,\"stat_total\":3,\"players\":[" + playerOne(900) + "]}\n");
}

TEST_F(CliCommand, WithoutCoupsTheGameEndsWhereTheLoadFilesEnd) {
    const std::string main = file("MAIN.INP", "Tag 1\r\n5 17 0\r\n--\r\n32\r\n");
    const std::string follow = file("F2.INP", "1\r\n2\r\n");
    CliRun r = simulate({"--load", main, "--follow", files.path().string() + "/MISSING.INP",
                         "--follow", follow, "--json"});
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(r.out, summary(6, 6));
    EXPECT_EQ(r.err, "error 9: " + files.path().string() +
                         "/MISSING.INP | als Folgeladedatei nicht vorhanden!\n");
}

TEST_F(CliCommand, TheStartOptionPositionsTheLoadFile) {
    const std::string main = file("MAIN.INP", "1\r\n2\r\n3\r\n4\r\n5\r\n");
    EXPECT_EQ(simulate({"--load", main, "--start", "fix:3", "--json"}).out, summary(3, 3));
    EXPECT_EQ(simulate({"--load", main, "--start", "random:4-4", "--json"}).out, summary(2, 2));
    EXPECT_EQ(simulate({"--load", main, "--start", "normal", "--json"}).out, summary(5, 5));
}

TEST_F(CliCommand, TheEndOfTheLoadFilesShowsInfo13UnderStopLadeAndTheGameGoesOnToItsCoups) {
    const std::string main = file("MAIN.INP", "5\r\n17\r\n");
    CliRun ended = simulate({"--load", main, "--set", "StopLade=1", "--json"});
    EXPECT_EQ(ended.out, summary(2, 2));
    EXPECT_EQ(ended.err, "info 13: Ende der Ladedatei(en) erreicht. | Quendra wurde in den "
                         "Pause Modus versetzt!\n");
    CliRun goesOn = simulate(
        {"--load", main, "--set", "StopLade=1", "--coups", "10", "--lang", "en", "--json"});
    EXPECT_EQ(goesOn.code, 0);
    EXPECT_EQ(goesOn.out, summary(10, 10));
    EXPECT_EQ(goesOn.err, "info 13: End of loadfile(s) reached. | Quendra is set into break "
                          "modus!\n");
    EXPECT_EQ(simulate({"--load", main, "--coups", "10", "--json"}).out, summary(10, 10));
}

TEST_F(CliCommand, AMissingMainLoadFileEndsTheRunWithError8AndTheSummary) {
    // A folder by the name of a load file is no load file either.
    std::filesystem::create_directory(files / "FOLDER.INP");
    for (const char* name : {"NONE.INP", "FOLDER.INP"}) {
        const std::string missing = files.path().string() + "/" + name;
        CliRun r = simulate({"--load", missing, "--json", "--lang", "en"});
        EXPECT_EQ(r.code, 1);
        EXPECT_EQ(r.out, summary(0, 0));
        EXPECT_EQ(r.err, "error 8: " + missing + " | as Mainloadfile not exist!\n");
    }
}

TEST_F(CliCommand, AProgramFolderWithoutWheelDataFilesEndsTheRunWithError7) {
    CliRun r = runCli({"simulate", "--home", files.path().string(), "--coups", "5", "--json"});
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(r.out.rfind("{\"coups\":0,\"stat_total\":0,", 0), 0u);
    EXPECT_EQ(r.err.rfind("error 7: ", 0), 0u) << r.err;
    EXPECT_NE(r.err.find("EIGENPR.VER | Interne Steuerdatei nicht vorhanden!"), std::string::npos)
        << r.err;
    EXPECT_EQ(runCli({"analyse", "--home", files.path().string(), "x.inp"}).code, 1);
}

TEST_F(CliCommand, ACollectFileFeedsTheMainAndTheFollowFiles) {
    file("A.INP", "1\r\n2\r\n");
    file("B.INP", "3\r\n");
    const std::string collect = file("ALL.SNP", "// Woche 1\r\nA.INP\r\nB.INP\r\n");
    CliRun r = simulate({"--collect", collect, "--json"});
    EXPECT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.out, summary(3, 3));
}

TEST_F(CliCommand, AnalyseLoadsEveryFileAndPrintsTheStatistics) {
    const std::string first = file("A.INP", "Spielbank M\xFCnchen\r\n5 17\r\n--\r\n5 0\r\n");
    const std::string second = file("B.INP", "Tisch 2\r\n5\r\n");
    CliRun r = runCli({"analyse", "--home", home.path().string(), "--json", first, second});
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(r.err, "");
    const std::string& out = r.out;
    EXPECT_EQ(out.rfind("{\"coups\":5,\"separators\":1,\"info\":\"Tisch 2\",\"how_often\":{"
                        "\"PL00\":1,\"PL01\":0,",
                        0),
              0u)
        << out;
    EXPECT_NE(out.find("\"PL05\":3,"), std::string::npos);
    EXPECT_NE(out.find("\"PL36\":0,\"EC01\":"), std::string::npos) << "no PL37 on the French table";
    EXPECT_NE(out.find("\"frequency_ranking\":[{\"section\":\"H-PL\",\"ranks\":[{\"field\":"
                       "\"PL05\",\"count\":3},"),
              std::string::npos);
    EXPECT_NE(out.find("{\"number\":\"5\",\"followers\":[{\"number\":\"0\",\"count\":1},{"
                       "\"number\":\"17\",\"count\":1}]}"),
              std::string::npos)
        << "follow numbers read past the day separator";
    EXPECT_NE(out.find("\"quadrants\":["), std::string::npos);

    CliRun info = runCli({"analyse", "--home", home.path().string(), "--json", first});
    EXPECT_NE(info.out.find("\"info\":\"Spielbank M\xC3\xBCnchen\""), std::string::npos)
        << "the file's Windows-1252 is written as UTF-8";
}

TEST_F(CliCommand, AnalyseOnTheAmericanTableCountsTheDoubleZero) {
    const std::string perm = file("A.INP", "00 37 1\r\n");
    CliRun r =
        runCli({"analyse", "--home", home.path().string(), "--table", "american", "--json", perm});
    EXPECT_EQ(r.code, 0);
    EXPECT_NE(r.out.find("\"PL37\":2,\"EC01\":1,"), std::string::npos) << r.out;
}

TEST_F(CliCommand, AnInvalidAnalysisFileStopsWithItsErrorAndExitCode1) {
    const std::string bad = file("BAD.INP", "5 40\r\n");
    CliRun r = runCli({"analyse", "--home", home.path().string(), bad});
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(r.out.rfind("coups: 1\nseparators: 0\n", 0), 0u) << r.out;
    EXPECT_EQ(r.err.rfind("error 14: " + bad + " | In der Analysedatei wurde eine ung", 0), 0u)
        << r.err;
    EXPECT_NE(r.err.find("(40)"), std::string::npos);
    EXPECT_EQ(lineCount(r.err), 1);
}

TEST_F(CliCommand, AnalysingMoreThan32000CoupsShowsWarning7) {
    std::string many;
    for (int i = 0; i < 32001; ++i) {
        many += std::to_string(i % 37) + "\r\n";
    }
    CliRun r =
        runCli({"analyse", "--home", home.path().string(), "--json", file("MANY.INP", many)});
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(r.err, "warning 7: Maximale Anzahl der Analysedaten erreicht!\n");
    EXPECT_EQ(r.out.rfind("{\"coups\":32000,", 0), 0u);
}

TEST_F(CliCommand, CountPrintsEachFilesCoupsAndFailsForAMissingOne) {
    const std::string a = file("A.INP", "Kommentar\r\n1 2 3\r\n--\r\n00\r\n");
    const std::string missing = files.path().string() + "/NONE.INP";
    CliRun r = runCli({"count", a, missing});
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(r.out, a + ": 4\n");
    EXPECT_EQ(r.err, "quendra-cli count: " + missing + ": cannot be opened\n");
    EXPECT_EQ(runCli({"count", "--json", a}).out,
              "{\"files\":[{\"file\":\"" + a + "\",\"coups\":4}]}\n");
}

TEST_F(CliCommand, ConvertAsksBeforeOverwritingTheBackupAndConvertsOnYes) {
    const std::string hamburg = "Casino Hamburg\r\nTisch 1\r\n01.02.2024\r\nx\r\n 7\r\n00\r\n"
                                "----\r\n12\r\n====\r\n";
    files.write("perm/H1.TXT", hamburg);
    std::filesystem::create_directories(files / "perm/sav");
    const std::string folder = (files / "perm").string() + "/";
    CliRun no = runCli({"convert", folder, "--home", home.path().string()});
    EXPECT_EQ(no.code, 0);
    EXPECT_EQ(no.err, "question 2: Sicherungsverzeichnis besteht bereits - Soll der Inhalt "
                      "überschrieben werden?\n");
    EXPECT_TRUE(std::filesystem::exists(files / "perm/H1.TXT"));
    EXPECT_EQ(readFile(files / "perm/SA1.SNP"), "H1.TXT\r\n") << "written also after a cancel";
    std::filesystem::remove(files / "perm/SA1.SNP");

    CliRun yes = runCli({"convert", folder, "--home", home.path().string(), "--answer", "yes",
                         "--info", "Hamburg Februar"});
    EXPECT_EQ(yes.code, 0);
    EXPECT_EQ(yes.out, "H1.inp\nnot converted: 0\n");
    EXPECT_NE(yes.err.find("info 11: Konvertierung fertig!\n"), std::string::npos) << yes.err;
    EXPECT_EQ(readFile(files / "perm/H1.inp"),
              "Casino Hamburg Tisch 1 01.02.2024 \r\n7\r\n0\r\n--\r\n12\r\n");
    EXPECT_EQ(readFile(files / "perm/SA1.SNP"), "//Hamburg Februar\r\nH1.inp\r\n");
    EXPECT_TRUE(std::filesystem::exists(files / "perm/sav/H1.TXT"));
}

TEST_F(CliCommand, ConvertDelimitedWritesLoadFilesAndKeepsExistingOnesUnlessTold) {
    const std::string good = file("t1.csv", "Zahl;Tisch\r\n7;00\r\n12;x;0\r\n");
    const std::string empty = file("t2.csv", "a,b\r\n");
    CliRun first = runCli({"convert", "--delimited", good, empty, "--info", "Tisch 1"});
    EXPECT_EQ(first.code, 1);
    const std::string target = (files / "t1.INP").string();
    EXPECT_EQ(first.out, target + ": 4 coups\n");
    EXPECT_EQ(first.err, good +
                             ":3:4: not a coup: \"x\"\n"
                             "quendra-cli convert: " +
                             empty + ": no coup found, nothing written\n");
    EXPECT_EQ(readFile(files / "t1.INP"), "Tisch 1\r\n7\r\n00\r\n12\r\n0\r\n");
    EXPECT_FALSE(std::filesystem::exists(files / "t2.INP"));

    file("t1.csv", "5\n");
    CliRun again = runCli({"convert", "--delimited", good});
    EXPECT_EQ(again.code, 1);
    EXPECT_EQ(again.err,
              "quendra-cli convert: " + target + ": exists already (--overwrite replaces it)\n");
    EXPECT_EQ(readFile(files / "t1.INP"), "Tisch 1\r\n7\r\n00\r\n12\r\n0\r\n");
    EXPECT_EQ(runCli({"convert", "--delimited", good, "--overwrite"}).code, 0);
    EXPECT_EQ(readFile(files / "t1.INP"), "t1\r\n5\r\n") << "the file name as info line";
}

std::string fixtureSystem() {
    return (std::filesystem::path(QUENDRA_FIXTURES_DIR) / "systemplay" / "worked_example.SYF")
        .string();
}

TEST_F(CliCommand, AProtocolForAPlayerWithoutASystemShowsWarning1) {
    CliRun r = simulate({"--coups", "4", "--players", "2", "--system", "1=" + fixtureSystem(),
                         "--protocol", "2=" + files.path().string() + "/P2", "--json"});
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(r.err, "warning 1: Bitte zuerst Systemspieldatei aktivieren!\n");
    EXPECT_FALSE(std::filesystem::exists(files / "P2.OUT"));
    EXPECT_NE(r.out.find("\"system_active\":true},{\"player\":2,"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("\"coups_with_stake\":4,"), std::string::npos)
        << "the first bets stand before the first coup";
}

TEST_F(CliCommand, TheDataDisplayOfASystemIsOneLineAndTheGameGoesOn) {
    const std::string system = file("M.SYF", "ST:\r\nMESSAGE ON;\r\nMESSAGE(CO01);\r\n");
    CliRun r = simulate({"--coups", "5", "--system", "1=" + system, "--json"});
    EXPECT_EQ(r.code, 0);
    std::string displays;
    for (int run = 0; run < 6; ++run) {
        displays += "display: Spieler: 1 | Datei : M.SYF |  | CO01 :  0\n";
    }
    EXPECT_EQ(r.err, displays) << "the first run and one run per coup";
    EXPECT_EQ(r.out.rfind("{\"coups\":5,", 0), 0u);

    const std::string text = file("G.SYF", "ST:\r\nMESSAGE ON;\r\nMESSAGE('Gr\xFC\xDF"
                                           "e');\r\n");
    CliRun umlauts = simulate({"--coups", "1", "--system", "1=" + text});
    EXPECT_EQ(umlauts.err.substr(0, umlauts.err.find('\n')),
              "display: Spieler: 1 | Datei : G.SYF |  | GRüßE | ")
        << "the system file's Windows-1252 is written as UTF-8";
}

TEST_F(CliCommand, ASystemsPauseShowsNothingAndAtTheLoadEndNoInfo13WhileASystemPlays) {
    std::string pausing = readFile(fixtureSystem());
    pausing.replace(pausing.find("STMAX(E,"), 8, "STMAX(P,");
    const std::string system = file("P.SYF", pausing);
    const std::string perm =
        (std::filesystem::path(QUENDRA_FIXTURES_DIR) / "systemplay" / "worked_example.INP")
            .string();
    CliRun goesOn = simulate({"--load", perm, "--system", "1=" + system, "--coups", "14", "--set",
                              "StopLade=1", "--json"});
    EXPECT_EQ(goesOn.err, "");
    EXPECT_EQ(goesOn.out.rfind("{\"coups\":14,", 0), 0u) << goesOn.out;
    EXPECT_NE(goesOn.out.find("\"system_active\":true"), std::string::npos);

    CliRun toTheEnd =
        simulate({"--load", perm, "--system", "1=" + system, "--set", "StopLade=1", "--json"});
    EXPECT_EQ(toTheEnd.err, "");
    EXPECT_EQ(toTheEnd.out.rfind("{\"coups\":10,", 0), 0u) << toTheEnd.out;
}

TEST_F(CliCommand, AnErrorOfASystemStopsItsPlayerButNotTheGame) {
    const std::string system = file("BAD.SYF", "ST:\r\nSZ 1, EC03;\r\n");
    CliRun r = simulate({"--coups", "3", "--system", "1=" + system, "--json"});
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(r.err, "system 4: Systemspielfile 1:2 Keine gültige SZ Aktion! | Soll das "
                     "Systemspielfile geöffnet werden?\n");
    EXPECT_EQ(r.out, summary(3, 3));
}

// A system file of 10 MB (a short system below a long commentary) plays like a short one.
TEST_F(CliCommand, ATenMegabyteSystemFilePlaysLikeAShortOne) {
    std::string text = "ST:\r\nSZ EI1(1), EC03;\r\nAL:\r\n";
    const std::string comment = "(* " + std::string(60, '-') + " *)\r\n";
    while (text.size() < 10'000'000) {
        text += comment;
    }
    const std::string system = file("LONG.SYF", text + "SZ EI1(1), EC03;\r\n");
    CliRun r = simulate({"--coups", "20", "--system", "1=" + system, "--json"});
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(r.err, "");
    EXPECT_NE(r.out.find("\"total_staked\":2"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("\"coups_with_stake\":20,"), std::string::npos) << r.out;
}

// The built executable, its streams captured in files.
struct ExeRun {
    int code;
    std::string out;
    std::string err;
};

// `launch` starts the executable: by default its quoted name.
ExeRun runExe(const TempFolder& folder, const std::string& args,
              const std::string& launch = std::string("'") + QUENDRA_CLI_EXE + "'") {
    const auto out = folder / "stdout.txt";
    const auto err = folder / "stderr.txt";
    const std::string command =
        launch + " " + args + " >'" + out.string() + "' 2>'" + err.string() + "'";
    const int status = std::system(command.c_str());
    return {WEXITSTATUS(status), readFile(out), readFile(err)};
}

TEST_F(CliCommand, TheBuiltExecutableSimulatesAndAnalysesEndToEnd) {
    const std::string main = file("MAIN.INP", "4 4 4\r\n21\r\n");
    const std::string home_ = "--home '" + home.path().string() + "' ";
    ExeRun sim = runExe(files, "simulate " + home_ + "--load '" + main + "' --json");
    EXPECT_EQ(sim.code, 0);
    EXPECT_EQ(sim.out, summary(4, 4));
    EXPECT_EQ(sim.err, "");

    ExeRun missing = runExe(files, "simulate " + home_ + "--load NONE.INP --lang en");
    EXPECT_EQ(missing.code, 1);
    EXPECT_EQ(missing.err, "error 8: NONE.INP | as Mainloadfile not exist!\n");
    EXPECT_EQ(missing.out.rfind("coups: 0\n", 0), 0u);

    ExeRun analyse = runExe(files, "analyse " + home_ + "--json '" + main + "'");
    EXPECT_EQ(analyse.code, 0);
    EXPECT_EQ(analyse.out.rfind("{\"coups\":4,\"separators\":0,\"info\":\"\",", 0), 0u);

    ExeRun usage = runExe(files, "simulate");
    EXPECT_EQ(usage.code, 2);
    EXPECT_EQ(lineCount(usage.err), 1);
}

TEST_F(CliCommand, TheBuiltExecutablePlaysASystemWithItsProtocolAndMessages) {
    const std::filesystem::path fixtures =
        std::filesystem::path(QUENDRA_FIXTURES_DIR) / "systemplay";
    const std::string perm = (fixtures / "worked_example.INP").string();
    const std::string system = (fixtures / "worked_example.SYF").string();
    std::filesystem::copy_file(system, files / "DOUBLE.SYF");
    ExeRun r = runExe(files, "simulate --home '" + home.path().string() + "' --load '" + perm +
                                 "' --system '1=" + (files / "DOUBLE.SYF").string() +
                                 "' --protocol '1=" + (files / "DOUBLE").string() + "' --json");
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(r.err, "system 51: Abbruch bei Spieler1: |  STmax wurde erreicht!\n");
    EXPECT_EQ(r.out, "{\"coups\":10,\"stat_total\":10,\"players\":[{\"player\":1,\"capital\":"
                     "1939,\"start_capital\":2000,\"total_staked\":71,\"coups_with_stake\":10,"
                     "\"coups_won\":2,\"coups_lost\":8,\"minimum\":-61,\"maximum\":2,"
                     "\"average\":-10,\"system_active\":false}]}\n");
    const std::string protocol = " GZ     Gew/Ver     Gesetzt    Guthaben   " +
                                 (files / "DOUBLE.SYF").string() + "\r\n" + std::string(39, '-') +
                                 "\r\n" + std::string(42, ' ') +
                                 "Spielbank Wiesbaden, Tisch 1\r\n"
                                 "  3           1           1        2001   " +
                                 perm +
                                 "\r\n"
                                 "  2          -1           1        2000   \r\n"
                                 "  4          -2           2        1998   \r\n"
                                 "  5           4           4        2002   \r\n"
                                 "  6          -1           1        2001   \r\n"
                                 "  8          -2           2        1999   \r\n"
                                 " 10          -4           4        1995   \r\n"
                                 " 11          -8           8        1987   \r\n"
                                 " 13         -16          16        1971   \r\n"
                                 " 15         -32          32        1939   \r\n";
    EXPECT_EQ(readFile(files / "DOUBLE.OUT"), protocol);
}

// A program folder nobody may write to: the year statistics file cannot be made (error 6), yet
// the game plays its coups, the protocol in a writable folder is whole and the program folder
// keeps what it held, the day's year file byte for byte. Root writes anywhere, so under root a
// copy of the program runs as nobody.
TEST_F(CliCommand, TheBuiltExecutableInAReadOnlyProgramFolderGivesError6AndPlaysOn) {
    namespace fs = std::filesystem;
    const std::string main = file("MAIN.INP", "5\r\n17\r\n0\r\n");
    const std::string system = file("EC.SYF", "ST:\r\nAL:\r\nSZ EI1(1), EC03;\r\n");
    const fs::path program = files / "quendra-cli";
    fs::copy_file(QUENDRA_CLI_EXE, program);
    // An earlier game of the day left its coups in the year file.
    ASSERT_EQ(simulate({"--date", "2026-12-10", "--coups", "3"}).code, 0);
    const fs::path yearFile = home / "STAT2026.TXT";
    const std::string earlierYear = readFile(yearFile);
    ASSERT_FALSE(earlierYear.empty());
    constexpr fs::perms writeBits =
        fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
    fs::permissions(home.path(), fs::perms::all & ~writeBits);
    fs::permissions(files.path(), fs::perms::all);
    for (fs::path folder = home.path().parent_path(); folder != folder.root_path();
         folder = folder.parent_path()) {
        if ((fs::status(folder).permissions() & fs::perms::others_exec) == fs::perms::none) {
            fs::permissions(home.path(), fs::perms::owner_all);
            GTEST_SKIP() << "nobody cannot reach " << folder;
        }
    }
    const std::string asNobody =
        geteuid() == 0 ? "setpriv --reuid=65534 --regid=65534 --clear-groups " : "";

    ExeRun r = runExe(files,
                      "simulate --home '" + home.path().string() + "' --date 2026-12-10 --load '" +
                          main + "' --system '1=" + system +
                          "' --protocol '1=" + (files / "EC").string() + "' --json",
                      asNobody + "'" + program.string() + "'");

    fs::permissions(home.path(), fs::perms::owner_all);
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(r.err, "error 6: " + yearFile.string() +
                         " | Jahresstatistikdatei konnte nicht angelegt werden!\n");
    EXPECT_NE(r.out.find("{\"coups\":3,\"stat_total\":3,"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("\"coups_with_stake\":2,"), std::string::npos) << r.out;
    const std::string protocol = readFile(files / "EC.OUT");
    EXPECT_EQ(std::count(protocol.begin(), protocol.end(), '\n'), 2 + 3) << protocol;
    std::vector<std::string> kept;
    for (const fs::directory_entry& entry : fs::directory_iterator(home.path())) {
        kept.push_back(entry.path().filename().string());
    }
    std::sort(kept.begin(), kept.end());
    EXPECT_EQ(kept, (std::vector<std::string>{"EIGENPR.VER", "EIGENPRA.VER", "STAT2026.TXT"}));
    EXPECT_EQ(readFile(yearFile), earlierYear);
}

} // namespace
} // namespace quendra::cli
