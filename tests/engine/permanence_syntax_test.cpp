// The syntax of permanence files: line ends and line classes, tokens, the streaming coup
// counter against the readers' splitting, and the names of collect files.
#include "permanence/CollectFile.h"
#include "permanence/CoupCounter.h"
#include "permanence/LineReader.h"
#include "permanence/PermanenceSyntax.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>
#include <random>
#include <sstream>

namespace quendra {
namespace {

using testing::TempFolder;

struct ReadLine {
    std::string text;
    bool numberRow;
    bool operator==(const ReadLine&) const = default;
};

std::vector<ReadLine> readLines(const std::string& input, std::size_t limit = HeldLineLimit) {
    std::istringstream in(input);
    LineReader reader(in, limit);
    std::vector<ReadLine> lines;
    std::string line;
    while (reader.next(line)) {
        lines.push_back({line, reader.numberRow()});
    }
    return lines;
}

TEST(PermanenceLines, LineEndsAndLineClasses) {
    const struct {
        const char* name;
        std::string input;
        std::vector<ReadLine> lines;
    } cases[] = {
        {"CR LF", "5 17\r\nMontag\r\n", {{"5 17", true}, {"Montag", false}}},
        {"LF", "5 17\nMontag\n", {{"5 17", true}, {"Montag", false}}},
        {"CR only", "5 17\rMontag\r3", {{"5 17", true}, {"Montag", false}, {"3", true}}},
        {"no line end at the end", "1\r\n2", {{"1", true}, {"2", true}}},
        {"empty file", "", {}},
        {"empty lines are number rows", "\r\n\r\n", {{"", true}, {"", true}}},
        {"CR CR LF is a line and an empty line", "7\r\r\n", {{"7", true}, {"", true}}},
        {"a tab makes a comment", "5\t17\r\n", {{"5\t17", false}}},
        {"a letter makes a comment", "5 17 x\r\n", {{"5 17 x", false}}},
        {"minus, blanks, digits", " -- 00 -3 \r\n", {{" -- 00 -3 ", true}}},
        {"binary bytes", std::string("\0\x01\xff 5", 5), {{std::string("\0\x01\xff 5", 5), false}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(readLines(c.input), c.lines);
    }
}

TEST(PermanenceLines, AtEndSeesThroughTheLastLineEnd) {
    std::istringstream in("1\r\n");
    LineReader reader(in);
    std::string line;
    EXPECT_FALSE(reader.atEnd());
    ASSERT_TRUE(reader.next(line));
    EXPECT_TRUE(reader.atEnd());
    EXPECT_FALSE(reader.next(line));
    EXPECT_EQ(reader.lineNumber(), 1);
}

TEST(PermanenceLines, ALineLongerThanTheHeldPartKeepsWholeTokensOnly) {
    const struct {
        const char* name;
        std::string input;
        std::size_t limit;
        ReadLine line;
    } cases[] = {
        {"token cut at the limit is dropped", "1 23 456", 6, {"1 23", true}},
        {"token ending at the limit is kept", "1 23 456", 4, {"1 23", true}},
        {"no blank before the limit", "123456 7", 3, {"", true}},
        {"a line of exactly the limit is whole", "1 23", 4, {"1 23", true}},
        {"a comment is cut plainly", "Montag 1", 4, {"Mont", false}},
        {"a letter beyond the limit still makes a comment", "1 2 3 x", 3, {"1 2", false}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(readLines(c.input, c.limit), std::vector<ReadLine>{c.line});
    }
}

TEST(PermanenceTokens, WhatATokenMeans) {
    const struct {
        const char* text;
        TokenKind kind;
        std::int64_t value;
        bool exact;
        bool doubleZero;
        int frenchNumber; // tokenNumber on the French table
    } cases[] = {
        {"5", TokenKind::Number, 5, true, false, 5},
        {"017", TokenKind::Number, 17, true, false, 17},
        {"00", TokenKind::Number, 0, true, true, 0},
        {"000", TokenKind::Number, 0, true, false, 0},
        {"-0", TokenKind::Number, 0, true, false, 0},
        {"-3", TokenKind::Number, -3, true, false, -1},
        {"37", TokenKind::Number, 37, true, false, -1},
        {"2147483647", TokenKind::Number, 2147483647, true, false, -1},
        {"000000000000000000000000000017", TokenKind::Number, 17, true, false, 17},
        {"123456789012345678901234567890", TokenKind::Number, 0, false, false, -1},
        {"--", TokenKind::DaySeparator, 0, true, false, -1},
        {"", TokenKind::Empty, 0, true, false, -1},
        {"-", TokenKind::Other, 0, true, false, -1},
        {"5-", TokenKind::Other, 0, true, false, -1},
        {"---", TokenKind::Other, 0, true, false, -1},
        {"1-2", TokenKind::Other, 0, true, false, -1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const Token token = readToken(c.text);
        EXPECT_EQ(token.kind, c.kind);
        EXPECT_EQ(token.exact, c.exact);
        if (c.exact) {
            EXPECT_EQ(token.value, c.value);
        }
        EXPECT_EQ(token.doubleZero, c.doubleZero);
        EXPECT_EQ(tokenNumber(token, 36), c.frenchNumber);
    }
}

TEST(PermanenceTokens, SplittingTakesSingleBlanksApart) {
    std::string_view rest = "12  7 --";
    std::vector<std::string_view> tokens;
    while (!rest.empty()) {
        tokens.push_back(takeToken(rest));
    }
    EXPECT_EQ(tokens, (std::vector<std::string_view>{"12", "", "7", "--"}));
    EXPECT_EQ(trimBlanks("  5 17  "), "5 17");
    EXPECT_EQ(trimBlanks("\t5 "), "\t5");
    EXPECT_EQ(trimBlanks("   "), "");
}

std::int64_t count(const std::string& input, int highest = 36, std::size_t limit = HeldLineLimit) {
    std::istringstream in(input);
    return countCoups(in, highest, limit);
}

TEST(PermanenceCounter, CountsWholeNumbersOfNumberRows) {
    const struct {
        const char* name;
        std::string input;
        std::int64_t french;
        std::int64_t american;
    } cases[] = {
        {"three on a row", "5 17 0\r\n", 3, 3},
        {"one with blanks around", "  9  \r\n", 1, 1},
        {"double blank", "12  7\r\n", 2, 2},
        {"comment lines count nothing", "Montag 5.3.2024\r\n5\t17\r\n1\r\n", 1, 1},
        {"00 counts on both tables", "00\r\n", 1, 1},
        {"37 only on the American table", "37 36\r\n", 1, 2},
        {"separators and junk count nothing", "-- 40 -3 5 5- -\r\n", 1, 1},
        {"leading zeros and 30 digits",
         "000000000000000000000000000005 "
         "123456789012345678901234567890\r\n",
         1, 1},
        {"CR-only and LF line ends", "1\r2\n3\r\n", 3, 3},
        {"last line without line end", "1 2\r\n3", 3, 3},
        {"empty file", "", 0, 0},
        {"binary", std::string("\0\x01 5\r\n7 8", 9), 2, 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(count(c.input, 36), c.french);
        EXPECT_EQ(count(c.input, 37), c.american);
    }
}

TEST(PermanenceCounter, ATenMegabyteLineIsCountedInFull) {
    const std::string pattern = "17 5 0 36 40 -- ";
    std::string line;
    std::int64_t coups = 0;
    while (line.size() < 10'000'000) {
        line += pattern;
        coups += 4;
    }
    EXPECT_EQ(count(line + "\r\n"), coups);
}

// The counter scans bytes; the readers split lines. Both must agree on every input, limit
// included, or the load menu would promise coups that play never yields.
std::int64_t countBySplitting(const std::string& input, int highest, std::size_t limit) {
    std::istringstream in(input);
    LineReader reader(in, limit);
    std::int64_t coups = 0;
    std::string line;
    while (reader.next(line)) {
        if (!reader.numberRow()) {
            continue;
        }
        std::string_view rest = trimBlanks(line);
        while (!rest.empty()) {
            coups += tokenNumber(readToken(takeToken(rest)), highest) >= 0;
        }
    }
    return coups;
}

TEST(PermanenceCounter, AgreesWithTheReadersSplittingOnRandomInput) {
    std::mt19937 random(5);
    const std::string alphabet = "0123456789    --\r\nx\t";
    for (int round = 0; round < 300; ++round) {
        std::string input;
        const int length = static_cast<int>(random() % 200);
        for (int i = 0; i < length; ++i) {
            input += alphabet[random() % alphabet.size()];
        }
        const std::size_t limit = 1 + random() % 40;
        SCOPED_TRACE(input);
        EXPECT_EQ(count(input, 36, limit), countBySplitting(input, 36, limit));
        EXPECT_EQ(count(input, 37), countBySplitting(input, 37, HeldLineLimit));
    }
}

TEST(PermanenceCounter, CountCupsonFileNeedsAReadableFile) {
    TempFolder folder;
    const auto file = folder.write("A.INP", "Tisch 1\r\n1 2 3\r\n--\r\n4\r\n");
    EXPECT_EQ(CountCupsonFile(file, 36), 4);
    EXPECT_EQ(CountCupsonFile(folder / "missing.inp", 36), std::nullopt);
    EXPECT_EQ(CountCupsonFile(folder.path(), 36), std::nullopt);
    EXPECT_EQ(CountCupsonFile("", 36), std::nullopt);
}

TEST(PermanenceCollect, LineNamesAndComments) {
    const struct {
        const char* line;
        const char* name;
    } cases[] = {
        {"  A.INP  ", "A.INP"},
        {"(* Tisch 1 *) A.INP", "A.INP"},
        {"A.INP (* first *) (* second *)", "A.INP  (* second *)"},
        {"A.INP (* no end", "A.INP (* no end"},
        {"*) A.INP (*", "*) A.INP (*"},
        {"(**)", ""},
        {"   ", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        EXPECT_EQ(collectLineName(c.line), c.name);
    }
}

TEST(PermanenceCollect, NextCollectNameSkipsCommentsAndResolvesAgainstTheFolder) {
    std::istringstream in("// Wiesbaden\r\n\r\nA.INP\r\n  (* x *)  \r\nsub/B.INP // old\r\n"
                          "/data/C.INP\r\nC:\\perm\\D.INP\r\n");
    LineReader lines(in);
    const std::filesystem::path folder = "/collect";
    EXPECT_EQ(NextCollectName(lines, folder), std::filesystem::path("/collect/A.INP"));
    EXPECT_EQ(NextCollectName(lines, folder), std::filesystem::path("/data/C.INP"));
    EXPECT_EQ(NextCollectName(lines, folder), std::filesystem::path("C:\\perm\\D.INP"));
    EXPECT_EQ(NextCollectName(lines, folder), std::nullopt);
}

} // namespace
} // namespace quendra
