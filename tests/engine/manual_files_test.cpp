// The chapter on file formats shows a load file and a collect file as <pre class="loadfile"> and
// <pre class="collectfile"> blocks. Each is written as the program's files are (CR LF) and read
// by the game's own readers: it must load without a message and give the coups its data-coups
// attribute states. A collect file names the load files shown in the same chapter by their
// data-name.
#include "permanence/CoupCounter.h"
#include "permanence/LineReader.h"
#include "permanence/LoadMenu.h"
#include "permanence/PermanenceSyntax.h"
#include "support/ManualBlocks.h"
#include "support/PermanenceGame.h"

#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <vector>

namespace quendra {
namespace {

namespace fs = std::filesystem;
using testing::ManualBlock;
using testing::PermanenceGame;

const fs::path Manual = QUENDRA_MANUAL_DIR;

std::string withCrLf(const std::string& text) {
    std::string file;
    for (char c : text) {
        file += c == '\n' ? std::string("\r\n") : std::string(1, c);
    }
    return file;
}

struct ChapterFiles {
    std::vector<ManualBlock> loadFiles;
    std::vector<ManualBlock> collectFiles;
};

ChapterFiles chapterFiles(const char* language) {
    const fs::path chapter = Manual / language / "files.html";
    return {testing::manualBlocks(chapter, "loadfile"),
            testing::manualBlocks(chapter, "collectfile")};
}

// The block's stated coup count; fails the test when the attribute is missing.
int statedCoups(const ManualBlock& block) {
    const auto it = block.data.find("coups");
    if (it == block.data.end()) {
        ADD_FAILURE() << block.where << ": no data-coups";
        return -1;
    }
    return std::stoi(it->second);
}

// The tokens of the example's number rows that the reader passes over without a word: a number
// beyond the table or a stray minus sign in an example is a typo, even where the count agrees.
std::vector<std::string> skippedTokens(const std::string& text, int highestNumber) {
    std::vector<std::string> skipped;
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) {
        if (!std::all_of(line.begin(), line.end(), isNumberRowByte)) {
            continue;
        }
        std::string_view rest = trimBlanks(line);
        while (!rest.empty()) {
            const std::string_view token = takeToken(rest);
            const Token read = readToken(token);
            if (read.kind != TokenKind::Empty && read.kind != TokenKind::DaySeparator &&
                tokenNumber(read, highestNumber) < 0) {
                skipped.emplace_back(token);
            }
        }
    }
    return skipped;
}

// Writes every load file of the chapter into SYSIN under its data-name.
void writeLoadFiles(const PermanenceGame& g, const ChapterFiles& files) {
    for (const ManualBlock& block : files.loadFiles) {
        const auto name = block.data.find("name");
        ASSERT_NE(name, block.data.end()) << block.where << ": no data-name";
        g.write("SYSIN/" + name->second, withCrLf(block.text));
    }
}

TEST(ManualFiles, EveryLoadFileExamplePlaysTheCoupsItStates) {
    for (const char* language : {"de", "en"}) {
        const ChapterFiles files = chapterFiles(language);
        EXPECT_FALSE(files.loadFiles.empty()) << language << "/files.html shows no load file";
        for (const ManualBlock& block : files.loadFiles) {
            PermanenceGame g;
            const std::string file = g.write("SYSIN/EXAMPLE.INP", withCrLf(block.text));
            ASSERT_TRUE(g.activate(file)) << block.where;
            const int coups = statedCoups(block);
            EXPECT_EQ(static_cast<int>(g.coupsToEnd().size()), coups) << block.where;
            EXPECT_EQ(CountCupsonFile(file, g.state().table.HighestNumber), coups)
                << block.where << ": the load menu would count otherwise";
            EXPECT_TRUE(g.host.messages.empty()) << block.where;
            EXPECT_EQ(skippedTokens(block.text, g.state().table.HighestNumber),
                      std::vector<std::string>{})
                << block.where;
        }
    }
}

TEST(ManualFiles, EveryCollectFileExamplePlaysTheCoupsOfTheFilesItNames) {
    for (const char* language : {"de", "en"}) {
        const ChapterFiles files = chapterFiles(language);
        EXPECT_FALSE(files.collectFiles.empty()) << language << "/files.html shows no collect file";
        for (const ManualBlock& block : files.collectFiles) {
            PermanenceGame g;
            writeLoadFiles(g, files);
            g.write("SYSIN/EXAMPLE.SNP", withCrLf(block.text));
            ASSERT_TRUE(SaLaFileChosen(g.game, "EXAMPLE.SNP", FileChoice::Typed)) << block.where;
            EXPECT_TRUE(g.host.messages.empty())
                << block.where << ": message " << g.host.messages.front().number;
            LaFileMenuOKClick(g.game, false, false);
            EXPECT_EQ(static_cast<int>(g.coupsToEnd().size()), statedCoups(block)) << block.where;
        }
    }
}

} // namespace
} // namespace quendra
