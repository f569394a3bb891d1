// Killed at any moment, the command-line program loses nothing it has written: every protocol
// file is a prefix of the complete run's protocol that ends at a line end, and a system file
// being rewritten by the pre-check is either the old or the new file, never half of one.
#include "support/TempFolder.h"

#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <gtest/gtest.h>
#include <random>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace quendra {
namespace {

using testing::readFile;
using testing::TempFolder;

// Written in small letters, so that the first run's pre-check rewrites them.
constexpr const char* RedSystem = "st:\r\nsz ei1(1), ec03;\r\nal:\r\nsz ei1(1), ec03;\r\n";
constexpr const char* DozenSystem = "st:\r\nsz ei1(2), dz01;\r\nal:\r\nsz ei1(2), dz02;\r\n";

// A long permanence: rows of ten coups with a comment line now and then.
std::string longPermanence(int rows) {
    std::mt19937 random(7);
    std::uniform_int_distribution<int> pocket(0, 36);
    std::string text = "Tisch 1\r\n";
    for (int row = 0; row < rows; ++row) {
        if (row % 500 == 0) {
            text += "Tag " + std::to_string(row / 500 + 1) + "\r\n";
        }
        for (int i = 0; i < 10; ++i) {
            text += std::to_string(pocket(random)) + (i < 9 ? " " : "\r\n");
        }
    }
    return text;
}

class KilledRun : public ::testing::Test {
protected:
    KilledRun() {
        home.copyWheelFiles();
        files.write("LONG.INP", longPermanence(5000));
    }

    // Fresh system and protocol files, as before any run.
    void prepareFiles() {
        files.write("RED.SYF", RedSystem);
        files.write("DOZEN.SYF", DozenSystem);
        std::filesystem::remove(files / "P1.OUT");
        std::filesystem::remove(files / "P2.OUT");
    }

    // Starts the program on the permanence with two system players writing protocols.
    pid_t start() const {
        const std::string homeFolder = home.path().string();
        const std::string load = (files / "LONG.INP").string();
        const std::string system1 = "1=" + (files / "RED.SYF").string();
        const std::string system2 = "2=" + (files / "DOZEN.SYF").string();
        const std::string protocol1 = "1=" + (files / "P1.OUT").string();
        const std::string protocol2 = "2=" + (files / "P2.OUT").string();
        std::vector<const char*> args{QUENDRA_CLI_EXE, "simulate",
                                      "--home",        homeFolder.c_str(),
                                      "--players",     "2",
                                      "--load",        load.c_str(),
                                      "--coups",       "0",
                                      "--system",      system1.c_str(),
                                      "--system",      system2.c_str(),
                                      "--protocol",    protocol1.c_str(),
                                      "--protocol",    protocol2.c_str(),
                                      nullptr};
        const pid_t child = fork();
        if (child == 0) {
            const int null = open("/dev/null", O_WRONLY);
            dup2(null, STDOUT_FILENO);
            dup2(null, STDERR_FILENO);
            execv(QUENDRA_CLI_EXE, const_cast<char* const*>(args.data()));
            _exit(127);
        }
        return child;
    }

    static int finish(pid_t child) {
        int status = 0;
        waitpid(child, &status, 0);
        return status;
    }

    TempFolder home;
    TempFolder files;
};

TEST_F(KilledRun, LeavesWholeProtocolLinesAndWholeSystemFiles) {
    prepareFiles();
    const auto begin = std::chrono::steady_clock::now();
    const int status = finish(start());
    const auto runTime = std::chrono::steady_clock::now() - begin;
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    const std::string complete[] = {readFile(files / "P1.OUT"), readFile(files / "P2.OUT")};
    const std::string rewritten[] = {readFile(files / "RED.SYF"), readFile(files / "DOZEN.SYF")};
    ASSERT_GT(complete[0].size(), 100'000u);
    ASSERT_NE(rewritten[0], RedSystem) << "the pre-check rewrites the file";

    // A write cut short by SIGKILL can end at a page boundary of the file, inside a line the
    // program handed over whole in one call: the kernel stops copying there. Such a cut is let
    // pass once among the ten kills; a program writing in blocks would tear a line at nearly
    // every kill.
    constexpr std::size_t PageSize = 4096;
    int cutsAtAPageBoundary = 0;
    std::mt19937 random(11);
    std::uniform_int_distribution<std::int64_t> moment(0, runTime.count());
    for (int kill = 0; kill < 10; ++kill) {
        prepareFiles();
        const pid_t child = start();
        std::this_thread::sleep_for(std::chrono::steady_clock::duration(moment(random)));
        ::kill(child, SIGKILL);
        finish(child);
        for (int p = 0; p < 2; ++p) {
            const std::filesystem::path file = files / ("P" + std::to_string(p + 1) + ".OUT");
            const std::string written = std::filesystem::exists(file) ? readFile(file) : "";
            SCOPED_TRACE("kill " + std::to_string(kill) + ", " + file.filename().string());
            EXPECT_EQ(complete[p].compare(0, written.size(), written), 0) << "a prefix";
            if (written.empty() || written.ends_with("\r\n")) {
                continue;
            }
            EXPECT_EQ(written.size() % PageSize, 0u)
                << "ending at a line end, not at byte " << written.size();
            ++cutsAtAPageBoundary;
        }
        const std::string red = readFile(files / "RED.SYF");
        const std::string dozen = readFile(files / "DOZEN.SYF");
        EXPECT_TRUE(red == RedSystem || red == rewritten[0]) << red;
        EXPECT_TRUE(dozen == DozenSystem || dozen == rewritten[1]) << dozen;
    }
    EXPECT_LE(cutsAtAPageBoundary, 1);
}

} // namespace
} // namespace quendra
