// Import of delimited records: the separators, the header, the zeros, the fields that are no
// coups with their place, the info line, and the file rules (nothing written without a coup, an
// existing load file kept unless replacing it was asked for, the source never overwritten).
#include "permanence/DelimitedImport.h"
#include "support/PermanenceGame.h"

#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>

namespace quendra {
namespace {

using testing::PermanenceGame;
using testing::readFile;

TEST(PermanenceDelimited, FieldsBecomeOneCoupPerLine) {
    const struct {
        const char* name;
        std::string text;
        std::string coups; // the load file after the info line "I"
        bool header;
        std::vector<BadField> bad;
    } cases[] = {
        {"commas, CR LF", "1,2,3\r\n4,5\r\n", "1\r\n2\r\n3\r\n4\r\n5\r\n", false, {}},
        {"semicolons, tabs and blank runs",
         "1;2\t3   4\n5 ;\t6",
         "1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n",
         false,
         {}},
        {"empty fields and lines", ",,7,\r\n\r\n;8;\r\n", "7\r\n8\r\n", false, {}},
        {"zero, double zero, leading zeros, quotes",
         "0,00,07,\"36\",000",
         "0\r\n00\r\n7\r\n36\r\n0\r\n",
         false,
         {}},
        {"a header of words is left out",
         "Datum;Tisch 1;Zahl\r\n12;3\r\n",
         "12\r\n3\r\n",
         true,
         {}},
        {"a header after empty lines", "\r\n\"Coup\"\r\n9\r\n", "9\r\n", true, {}},
        {"a words-only line later is reported", "1\r\nZahl\r\n", "1\r\n", false, {{2, 1, "Zahl"}}},
        {"a title line with a number in it",
         "Spielbank Wiesbaden Tisch 1, 2019\r\n1 2\r\n",
         "1\r\n2\r\n",
         true,
         {}},
        {"fields that are no coups, with line and column; a first row of coups is no header",
         "5,x,37,8\r\n -1;1.5 36\r\n4,\"\"",
         "5\r\n8\r\n36\r\n4\r\n",
         false,
         {{1, 3, "x"}, {1, 5, "37"}, {2, 2, "-1"}, {2, 5, "1.5"}, {3, 3, "\"\""}}},
        {"an empty text", "", "", false, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const DelimitedText result = convertDelimitedText(c.text, "I");
        EXPECT_EQ(result.load, "I\r\n" + c.coups);
        EXPECT_EQ(result.coups,
                  static_cast<std::size_t>(std::count(c.coups.begin(), c.coups.end(), '\n')));
        EXPECT_EQ(result.header, c.header);
        EXPECT_EQ(result.badFields, c.bad);
        EXPECT_EQ(result.badFieldCount, c.bad.size());
    }
}

TEST(PermanenceDelimited, ManyBadFieldsAreCountedButOnlyTheFirstKept) {
    std::string junk;
    for (int i = 0; i < 250; ++i) {
        junk += "99,";
    }
    const DelimitedText result = convertDelimitedText(junk, "I");
    EXPECT_EQ(result.badFieldCount, 250u);
    ASSERT_EQ(result.badFields.size(), ReportedBadFields);
    EXPECT_EQ(result.badFields.back().column, 3 * ReportedBadFields - 2);
}

TEST(PermanenceDelimited, TheInfoLineIsNeverANumberRow) {
    const struct {
        std::string info;
        std::string line;
    } cases[] = {
        {"Wiesbaden Tisch 1", "Wiesbaden Tisch 1"},
        {"2019", "//2019"},
        {"12 - 3", "//12 - 3"},
        {"", "//"},
        {"zwei\r\nZeilen", "zwei  Zeilen"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(delimitedInfoLine(c.info), c.line) << c.info;
    }
}

class DelimitedFile : public ::testing::Test {
protected:
    std::filesystem::path write(std::string_view name, std::string_view content) {
        return game.write(name, content);
    }
    PermanenceGame game;
};

TEST_F(DelimitedFile, WritesTheLoadFileBesideTheSourceWithTheNameAsInfo) {
    const auto source = write("t1_2019.csv", "1,2\r\n");
    const DelimitedImport import = importDelimitedFile(source, "", false);
    EXPECT_EQ(import.status, DelimitedStatus::Written);
    EXPECT_EQ(import.target, source.parent_path() / "t1_2019.INP");
    EXPECT_EQ(import.coups, 2u);
    EXPECT_EQ(readFile(import.target), "t1_2019\r\n1\r\n2\r\n");
    EXPECT_FALSE(std::filesystem::exists(source.parent_path() / "t1_2019.INP.part"));
}

TEST_F(DelimitedFile, NothingIsWrittenWithoutACoupOrOverAnExistingFileOrTheSource) {
    const auto empty = write("empty.txt", "");
    const auto junk = write("junk.txt", "Zahl\r\nx;y\r\n");
    EXPECT_EQ(importDelimitedFile(empty, "I", true).status, DelimitedStatus::NoCoups);
    const DelimitedImport bad = importDelimitedFile(junk, "I", true);
    EXPECT_EQ(bad.status, DelimitedStatus::NoCoups);
    EXPECT_EQ(bad.badFieldCount, 2u);
    EXPECT_FALSE(std::filesystem::exists(delimitedTarget(empty)));
    EXPECT_FALSE(std::filesystem::exists(delimitedTarget(junk)));

    const auto source = write("t2.txt", "5;6\r\n");
    const auto target = write("t2.INP", "old\r\n");
    EXPECT_EQ(importDelimitedFile(source, "I", false).status, DelimitedStatus::TargetExists);
    EXPECT_EQ(readFile(target), "old\r\n");
    EXPECT_EQ(importDelimitedFile(source, "I", true).status, DelimitedStatus::Written);
    EXPECT_EQ(readFile(target), "I\r\n5\r\n6\r\n");

    EXPECT_EQ(importDelimitedFile(target, "I", true).status, DelimitedStatus::SameFile);
    EXPECT_EQ(readFile(target), "I\r\n5\r\n6\r\n");
    EXPECT_EQ(importDelimitedFile(source.parent_path() / "none.txt", "I", false).status,
              DelimitedStatus::CannotRead);
}

TEST_F(DelimitedFile, TheWindowAsksBeforeReplacingAndReportsTheOutcome) {
    const auto source = write("t3.csv", "1,x\r\n");
    const auto target = write("t3.INP", "old\r\n");
    game.host.answers = {false, true};
    EXPECT_EQ(ImportDelimitedClick(game.game, source, "I").status, DelimitedStatus::TargetExists);
    EXPECT_EQ(readFile(target), "old\r\n");
    EXPECT_EQ(ImportDelimitedClick(game.game, source, "I").status, DelimitedStatus::Written);
    EXPECT_EQ(readFile(target), "I\r\n1\r\n");

    const std::vector<MessageBoxData>& boxes = game.host.messages;
    ASSERT_EQ(boxes.size(), 4u);
    EXPECT_EQ(boxes[0].kind, MessageKind::Question);
    EXPECT_EQ(boxes[1].kind, MessageKind::Error);
    EXPECT_EQ(boxes[3].kind, MessageKind::Info);
    EXPECT_EQ(boxes[3].text, target.string() +
                                 "\r1 Coups geschrieben.\r1 Felder sind keine Zahlen von 0 bis "
                                 "36 oder 00:\rZeile 1, Spalte 3: \"x\"");
}

} // namespace
} // namespace quendra
