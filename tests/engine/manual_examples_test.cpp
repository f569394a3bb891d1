// The manual shows complete system files as <pre class="system"> blocks. Each must pass the
// pre-check and play 1,000 coups without a box, or raise exactly the system message that its
// data-expect attribute names; and the chapter on the example systems must show every shipped
// example file exactly as it is.
#include "support/ManualBlocks.h"
#include "support/SystemPlayGame.h"
#include "support/SystemTrial.h"

#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>
#include <optional>
#include <regex>
#include <string>
#include <vector>

namespace quendra {
namespace {

namespace fs = std::filesystem;

const fs::path Manual = QUENDRA_MANUAL_DIR;
const fs::path Examples = QUENDRA_EXAMPLES_DIR;

struct SystemBlock {
    std::string where; // the chapter file and the block's first line
    std::string text;
    std::optional<int> expected; // the system message the block is meant to raise
};

std::string withoutCarriageReturns(std::string text) {
    std::erase(text, '\r');
    return text;
}

std::vector<SystemBlock> systemBlocks(const fs::path& chapter) {
    static const std::regex expect(R"re(system-(\d+))re");
    std::vector<SystemBlock> blocks;
    for (testing::ManualBlock& block : testing::manualBlocks(chapter, "system")) {
        SystemBlock found{std::move(block.where), std::move(block.text), std::nullopt};
        std::smatch number;
        if (const auto it = block.data.find("expect");
            it != block.data.end() && std::regex_match(it->second, number, expect)) {
            found.expected = std::stoi(number[1].str());
        }
        blocks.push_back(std::move(found));
    }
    return blocks;
}

std::vector<fs::path> chapters() {
    std::vector<fs::path> files;
    for (const char* language : {"de", "en"}) {
        for (const auto& entry : fs::directory_iterator(Manual / language)) {
            if (entry.path().extension() == ".html") {
                files.push_back(entry.path());
            }
        }
    }
    std::sort(files.begin(), files.end());
    return files;
}

TEST(ManualExamples, EverySystemBlockPassesThePrecheckAndPlaysAsItsEntrySays) {
    int blocks = 0;
    for (const fs::path& chapter : chapters()) {
        for (const SystemBlock& block : systemBlocks(chapter)) {
            ++blocks;
            testing::SystemPlayGame g;
            const testing::SystemTrial trial =
                testing::trySystem(g, "MANUAL.SYF", block.text, 1000);
            ASSERT_EQ(trial.check.error, SystemFileError::None)
                << block.where << ": pre-check fails in line " << trial.check.line;
            if (!block.expected) {
                EXPECT_TRUE(trial.boxes.empty())
                    << block.where << ": shows \"" << trial.boxes.front().text << "\"";
                EXPECT_TRUE(trial.stillActive) << block.where;
                continue;
            }
            ASSERT_FALSE(trial.boxes.empty())
                << block.where << ": raises no message, expected " << *block.expected;
            EXPECT_EQ(trial.boxes.front().kind, MessageKind::System) << block.where;
            EXPECT_EQ(trial.boxes.front().number, *block.expected)
                << block.where << ": shows \"" << trial.boxes.front().text << "\"";
        }
    }
    EXPECT_GT(blocks, 0) << "no system block found below " << Manual;
}

TEST(ManualExamples, TheExamplesChapterShowsEveryShippedSystemFileVerbatim) {
    for (const char* language : {"de", "en"}) {
        const std::vector<SystemBlock> shown = systemBlocks(Manual / language / "examples.html");
        for (const auto& entry : fs::directory_iterator(Examples)) {
            const std::string file = withoutCarriageReturns(testing::readFile(entry.path()));
            const bool found = std::any_of(shown.begin(), shown.end(), [&](const SystemBlock& b) {
                return b.text == file || b.text + "\n" == file;
            });
            EXPECT_TRUE(found) << language << "/examples.html does not show "
                               << entry.path().filename() << " as it is shipped";
        }
    }
}

} // namespace
} // namespace quendra
