// The system file format: the pre-check that normalises a file on disk, reading a file for
// execution, the integer conversion and the line scanner with its error funnel.
#include "support/TempFolder.h"
#include "systemplay/LineScanner.h"
#include "systemplay/SystemFile.h"
#include "systemplay/SystemLine.h"
#include "systemplay/SystemMessages.h"
#include "systemplay/SystemNumbers.h"
#include "systemplay/SystemPrecheck.h"
#include "systemplay/SystemReader.h"

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <istream>
#include <limits>
#include <map>
#include <optional>
#include <sstream>
#include <stdexcept>
#include <streambuf>
#include <string>
#include <vector>

namespace quendra {
namespace {

namespace fs = std::filesystem;

const fs::path FixtureFolder = fs::path(QUENDRA_FIXTURES_DIR) / "systemplay";

std::string fixtureText(const std::string& name) {
    const std::optional<std::string> text = readSystemFile(FixtureFolder / name);
    EXPECT_TRUE(text) << "missing fixture " << name;
    return text.value_or("");
}

// ---------------------------------------------------------------------------------------------
// Numbers

TEST(SystemNumbers, ConvertLikeTheUsualIntegerConversion) {
    constexpr std::int32_t Max = std::numeric_limits<std::int32_t>::max();
    constexpr std::int32_t Min = std::numeric_limits<std::int32_t>::min();
    struct Case {
        const char* text;
        std::optional<std::int32_t> whole; // toInteger
        std::int32_t leading;              // leadingInteger
    };
    const Case cases[] = {
        {"17", 17, 17},
        {"007", 7, 7},
        {"  17", 17, 17},
        {"+17", 17, 17},
        {"-5", -5, -5},
        {"$1F", 31, 31},
        {"$1f", 31, 31},
        {"0x1f", 31, 31},
        {"0X1F", 31, 31}, // the "0x" prefix as a normalised file spells it
        {"-$10", -16, -16},
        {"12AB", std::nullopt, 12},
        {"17 ", std::nullopt, 17},
        {"1-2", std::nullopt, 1},
        {"$1G", std::nullopt, 1},
        {"", std::nullopt, 0},
        {"   ", std::nullopt, 0},
        {"-", std::nullopt, 0},
        {"$", std::nullopt, 0},
        {"0x", std::nullopt, 0},
        {"AB", std::nullopt, 0},
        {"2147483647", Max, Max},
        {"-2147483648", Min, Min},
        {"$7FFFFFFF", Max, Max},
        {"2147483648", std::nullopt, 214748364}, // the digit that overflows is the offender
        {"$80000000", std::nullopt, 0x8000000},
        {"99999999999999999999", std::nullopt, 999999999},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string("\"") + c.text + "\"");
        EXPECT_EQ(toInteger(c.text), c.whole);
        EXPECT_EQ(leadingInteger(c.text), c.leading);
    }
}

// ---------------------------------------------------------------------------------------------
// Pre-check and normalisation of a text

TEST(SystemPrecheck, JudgesEveryLineAndStopsAtTheFirstError) {
    struct Case {
        const char* name;
        const char* text;
        SystemFileError error;
        int line;
    };
    using enum SystemFileError;
    const Case cases[] = {
        {"terminated statement", "SZ EC01;\r\n", None, 0},
        {"label line", "AL:\r\n", None, 0},
        {"empty, blank and tab lines", "\r\n   \r\n\t\r\n", None, 0},
        {"comment line", "(* red *)\r\n", None, 0},
        {"comment in front of a statement", "(* red *) SZ EC01;\r\n", None, 0},
        {"closer before the opener", "*) SZ EC01; (*\r\n", None, 0},
        {"no terminator", "SZ EC01\r\n", MissingTerminator, 1},
        {"the only semicolon in a comment", "SZ EC01 (* ; *)\r\n", MissingTerminator, 1},
        {"the only semicolon in a /* comment", "SZ EC01 /* ; */\r\n", MissingTerminator, 1},
        {"(* without *)", "SZ EC01; (* red\r\n", CommentNotClosed, 1},
        {"/* without */", "SZ EC01; /* red\r\n", CommentNotClosed, 1},
        {"(* closed by */", "SZ EC01; (* red */\r\n", CommentNotClosed, 1},
        {"both faults: the comment is reported", "SZ EC01 (* red\r\n", CommentNotClosed, 1},
        {"a tab inside the opener", "SZ EC01; (\t* red\r\n", CommentNotClosed, 1},
        {"every line counts", "ST:\r\n\r\n(* c *)\r\nSZ EC01\r\n", MissingTerminator, 4},
        {"LF line ends count alike", "ST:\n\nSZ EC01\n", MissingTerminator, 3},
        {"only the first error", "ST:\nSZ EC01\n(* open\n", MissingTerminator, 2},
        {"last line without line end", "ST:\r\nSZ EC01", MissingTerminator, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const PrecheckResult result = precheckSystemText(c.text);
        EXPECT_EQ(result.error, c.error);
        EXPECT_EQ(result.line, c.line);
        if (c.error != None) {
            EXPECT_EQ(result.text, "");
        }
    }
}

TEST(SystemPrecheck, WritesCapitalsWithoutTabsAndCrLfLineEnds) {
    const PrecheckResult result = precheckSystemText(fixtureText("lower_case.SYF"));
    ASSERT_EQ(result.error, SystemFileError::None);
    EXPECT_EQ(result.text, fixtureText("lower_case.normalised.SYF"));
    EXPECT_TRUE(result.changed);

    const PrecheckResult again = precheckSystemText(result.text);
    EXPECT_EQ(again.text, result.text);
    EXPECT_FALSE(again.changed);

    EXPECT_TRUE(precheckSystemText("SZ EC01;\n").changed) << "LF becomes CR LF";
    EXPECT_TRUE(precheckSystemText("SZ EC01;").changed) << "the last line gets its CR LF";
    EXPECT_EQ(precheckSystemText("").text, "");
}

// The fixture's first line reads "(* expect error N in line L *)".
struct ExpectedError {
    int error = 0;
    int line = 0;
};

ExpectedError expectationOf(const std::string& text) {
    ExpectedError expected;
    EXPECT_EQ(std::sscanf(text.c_str(), "(* expect error %d in line %d *)", &expected.error,
                          &expected.line),
              2);
    return expected;
}

const char* const FailingFixtures[] = {"comment_not_closed.SYF", "missing_terminator.SYF"};

TEST(SystemPrecheck, FailingFixturesGiveTheirExpectedErrorAndLine) {
    for (const char* name : FailingFixtures) {
        SCOPED_TRACE(name);
        const std::string text = fixtureText(name);
        const ExpectedError expected = expectationOf(text);
        const PrecheckResult result = precheckSystemText(text);
        EXPECT_EQ(static_cast<int>(result.error), expected.error);
        EXPECT_EQ(result.line, expected.line);
    }
}

// ---------------------------------------------------------------------------------------------
// The system file on disk

// A folder of its own for each test, with helpers for system files in it.
class SystemFileOnDisk : public ::testing::Test {
protected:
    // The file's modification time is set an hour back, so that a rewrite shows in it.
    fs::path write(const std::string& name, const std::string& bytes) {
        const fs::path file = folder_.write(name, bytes);
        fs::last_write_time(file, fs::file_time_type::clock::now() - std::chrono::hours(1));
        return file;
    }
    fs::path copyFixture(const std::string& name) { return write(name, fixtureText(name)); }

    std::vector<fs::path> folderContents() {
        std::vector<fs::path> files;
        for (const fs::directory_entry& entry : fs::directory_iterator(folder_.path())) {
            files.push_back(entry.path().filename());
        }
        return files;
    }

    testing::TempFolder folder_;
};

TEST_F(SystemFileOnDisk, ChangedFileIsReplacedByItsNormalisedText) {
    const fs::path file = copyFixture("lower_case.SYF");
    const double before = systemFileTime(file).value();

    const SystemFileCheck check = checkSystemFile(file, 0.0);

    EXPECT_EQ(check.error, SystemFileError::None);
    EXPECT_TRUE(check.rewritten);
    EXPECT_EQ(testing::readFile(file), fixtureText("lower_case.normalised.SYF"));
    EXPECT_EQ(check.time, systemFileTime(file).value());
    EXPECT_NE(check.time, before);
    EXPECT_EQ(folderContents(), std::vector<fs::path>{"lower_case.SYF"}) << "no temporary left";
}

TEST_F(SystemFileOnDisk, RecordedTimeMeansTheFileIsNotTouched) {
    const fs::path file = write("LOWER.SYF", "st:\n\tsz ec01;\n");
    const double time = systemFileTime(file).value();

    const SystemFileCheck check = checkSystemFile(file, time);

    EXPECT_EQ(check.error, SystemFileError::None);
    EXPECT_FALSE(check.rewritten);
    EXPECT_EQ(check.time, time);
    EXPECT_EQ(testing::readFile(file), "st:\n\tsz ec01;\n");
}

TEST_F(SystemFileOnDisk, SecondCheckWithTheReturnedTimeFindsNothingToDo) {
    const fs::path file = write("LOWER.SYF", "st:\n\tsz ec01;\n");
    const SystemFileCheck first = checkSystemFile(file, 0.0);
    ASSERT_TRUE(first.rewritten);

    const SystemFileCheck second = checkSystemFile(file, first.time);

    EXPECT_EQ(second.error, SystemFileError::None);
    EXPECT_FALSE(second.rewritten);
    EXPECT_EQ(second.time, first.time);
}

TEST_F(SystemFileOnDisk, NormalisedFileIsCheckedButNotRewritten) {
    const fs::path file = copyFixture("lower_case.normalised.SYF");
    const double time = systemFileTime(file).value();

    const SystemFileCheck check = checkSystemFile(file, 0.0);

    EXPECT_EQ(check.error, SystemFileError::None);
    EXPECT_FALSE(check.rewritten);
    EXPECT_EQ(check.time, time);
}

TEST_F(SystemFileOnDisk, FailedCheckLeavesTheFileAsItWas) {
    for (const char* name : FailingFixtures) {
        SCOPED_TRACE(name);
        const fs::path file = copyFixture(name);
        const double time = systemFileTime(file).value();
        const ExpectedError expected = expectationOf(fixtureText(name));

        const SystemFileCheck check = checkSystemFile(file, 0.0);

        EXPECT_EQ(static_cast<int>(check.error), expected.error);
        EXPECT_EQ(check.line, expected.line);
        EXPECT_FALSE(check.rewritten);
        EXPECT_EQ(testing::readFile(file), fixtureText(name));
        EXPECT_EQ(systemFileTime(file).value(), time);
        EXPECT_FALSE(fs::exists(temporaryFileFor(file)));
    }
}

TEST_F(SystemFileOnDisk, FileThatCannotBeReadIsReported) {
    EXPECT_EQ(checkSystemFile(folder_ / "MISSING.SYF", 0.0).error, SystemFileError::CannotRead);
    fs::create_directory(folder_ / "FOLDER.SYF");
    EXPECT_EQ(checkSystemFile(folder_ / "FOLDER.SYF", 0.0).error, SystemFileError::CannotRead);
}

TEST_F(SystemFileOnDisk, FileThatCannotBeReplacedIsReportedAndKept) {
    const fs::path file = write("LOWER.SYF", "st:\n\tsz ec01;\n");
    const double time = systemFileTime(file).value();
    // A folder where the temporary file has to go: writing it fails, whoever runs the test.
    fs::create_directory(temporaryFileFor(file));

    const SystemFileCheck check = checkSystemFile(file, 0.0);

    EXPECT_EQ(check.error, SystemFileError::CannotWrite);
    EXPECT_EQ(testing::readFile(file), "st:\n\tsz ec01;\n");
    EXPECT_EQ(systemFileTime(file).value(), time);
}

TEST_F(SystemFileOnDisk, LinkedFileIsReplacedBehindTheLink) {
    const fs::path target = write("SHARED.SYF", "al:\nsz ec01;\n");
    const fs::path link = folder_ / "LINK.SYF";
    std::error_code error;
    fs::create_symlink(target, link, error);
    if (error) {
        GTEST_SKIP() << "no symbolic links here";
    }

    ASSERT_EQ(checkSystemFile(link, 0.0).error, SystemFileError::None);

    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(testing::readFile(target), "AL:\r\nSZ EC01;\r\n");
}

// Hands out `limit` bytes of 'A', then fails the way a broken disk does.
class FailingBuffer : public std::streambuf {
public:
    explicit FailingBuffer(std::size_t limit) : limit_(limit) {}

protected:
    int_type underflow() override {
        if (handedOut_ >= limit_) {
            throw std::runtime_error("read error");
        }
        ++handedOut_;
        current_ = 'A';
        setg(&current_, &current_, &current_ + 1);
        return traits_type::to_int_type(current_);
    }

private:
    std::size_t limit_;
    std::size_t handedOut_ = 0;
    char current_ = 0;
};

TEST(SystemFileStream, StreamThatFailsPartWayIsNotRead) {
    FailingBuffer buffer(10000);
    std::istream in(&buffer);
    EXPECT_EQ(readSystemStream(in), std::nullopt);

    std::istringstream healthy("AL:\r\nSZ EC01;\r\n");
    EXPECT_EQ(readSystemStream(healthy), "AL:\r\nSZ EC01;\r\n");
}

// ---------------------------------------------------------------------------------------------
// Reading for execution

TEST(SystemLine, NormalisedForExecutionLosesCommentAndLeadingBlanks) {
    const std::string longComment = "SZ EC01; (* " + std::string(300, 'X') + " *) SZ EC02;";
    struct Case {
        std::string raw;
        std::string line;
    };
    const Case cases[] = {
        {"SZ EC01; (* red *)", "SZ EC01; "},
        {"(* red *) SZ EC01;", ""},
        {" \t SZ EC01;", "SZ EC01;"},
        {"SZ EC01;  ", "SZ EC01;  "},
        {"SZ EC01; /* red */ (* red *)", "SZ EC01; "},
        {"SZ EC01; (* red *) /* red */", "SZ EC01; "},
        {"SZ EC01; *) SZ EC02;", "SZ EC01; *) SZ EC02;"},
        {"MESSAGE('(*');", "MESSAGE('"},
        {longComment, "SZ EC01; "},
        {"   ", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.raw);
        EXPECT_EQ(normalisedForExecution(c.raw), c.line);
    }
}

// The reader's reports as text: a label by its name, "S" a statement, "break" a section break,
// "invalid" an invalid label, "end" the end of the file, each with its line number.
std::string readerReports(std::string_view text) {
    SystemReader reader(text);
    std::string reports;
    for (;;) {
        const LineKind kind = reader.next();
        switch (kind) {
        case LineKind::Label:
            reports += std::string(labelName(*reader.section()));
            break;
        case LineKind::Statement:
            reports += "S";
            break;
        case LineKind::SectionBreak:
            reports += "break";
            break;
        case LineKind::InvalidLabel:
            reports += "invalid";
            break;
        case LineKind::EndOfFile:
            reports += "end";
            break;
        }
        reports += "@" + std::to_string(reader.LineNumber());
        if (kind == LineKind::EndOfFile) {
            return reports;
        }
        reports += " ";
    }
}

TEST(SystemReader, RecognisesLabelsSectionsAndTheirEnds) {
    struct Case {
        const char* name;
        const char* text;
        const char* reports;
    };
    const Case cases[] = {
        {"text after the colon", "  AL: text\nSZ EC01;\n", "AL@1 S@2 end@2"},
        {"CR LF and LF alike", "AL:\r\nSZ EC01;\nVE:\r\n", "AL@1 S@2 VE@3 end@3"},
        {"statements before the first label", "SZ EC01;\nSZ EC02;\nST:\nSZ EC03;\n",
         "ST@3 S@4 end@4"},
        {"blank and comment lines counted", "AL:\n\n   \n(* c *)\nSZ EC01;\n", "AL@1 S@5 end@5"},
        {"any order, repeated", "VE:\nSZ EC01;\nAL:\nSZ EC02;\nVE:\nSZ EC03;\n",
         "VE@1 S@2 AL@3 S@4 VE@5 S@6 end@6"},
        {"colon in a comment ends the section",
         "GW:\nSZ EC01; (* a: b *)\nSZ EC02;\nAL:\nSZ EC03;\n", "GW@1 break@2 AL@4 S@5 end@5"},
        {"colon in a comment line ends it too", "GW:\n(* a: b *)\nSZ EC01;\n",
         "GW@1 break@2 end@3"},
        {"colon in a quoted text is an invalid label", "AL:\nMESSAGE('A:B');\nSZ EC01;\n",
         "AL@1 invalid@2 end@2"},
        {"outside a section a comment colon is no label", "(* note: x *)\nAL:\n", "AL@2 end@2"},
        {"a comment in front hides the label", "(* x *) AL:\nSZ EC01;\n", "end@2"},
        {"blank before the colon", "ST :\nSZ EC01;\n", "invalid@1 end@1"},
        {"another name", "ST:\nSZ EC01;\nXY:\nSZ EC02;\n", "ST@1 S@2 invalid@3 end@3"},
        {"lower case is read before normalisation only", "st:\n", "invalid@1 end@1"},
        {"empty file", "", "end@0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(readerReports(c.text), c.reports);
    }
}

TEST(SystemReader, InvalidLabelRaisesMessageZeroAtItsName) {
    struct Case {
        const char* text;
        SystemError error;
    };
    const Case cases[] = {
        {"ST:\nSZ EC01;\n  XY: rest\n", {SystemMessage::InvalidSection, "XY: rest", 2, 3}},
        {"ST :\n", {SystemMessage::InvalidSection, "ST :", 3, 1}},
        {"AL:\nMESSAGE('A:B');\n", {SystemMessage::InvalidSection, "MESSAGE('A:B');", 10, 2}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        SystemReader reader(c.text);
        while (reader.next() != LineKind::InvalidLabel) {
            ASSERT_EQ(reader.error(), std::nullopt);
        }
        ASSERT_TRUE(reader.error());
        EXPECT_EQ(reader.error()->Message, c.error.Message);
        EXPECT_EQ(reader.error()->ErrorText, c.error.ErrorText);
        EXPECT_EQ(reader.error()->ErrorLength, c.error.ErrorLength);
        EXPECT_EQ(reader.error()->LineNumber, c.error.LineNumber);
        EXPECT_EQ(reader.next(), LineKind::EndOfFile);
    }
}

// Collects the markers "(* in XX *)" that stand beside the statement lines of a fixture.
std::map<int, std::string> markedStatements(std::string_view text) {
    std::map<int, std::string> marks;
    TextLines lines(text);
    while (const std::optional<std::string_view> line = lines.next()) {
        const std::size_t at = line->find("(* in ");
        if (at != std::string_view::npos) {
            marks[lines.number()] = std::string(line->substr(at + 6, 2));
        }
    }
    return marks;
}

TEST(SystemReader, ReportsEveryStatementInTheSectionMarkedBesideIt) {
    const std::string text = fixtureText("sections.SYF");
    ASSERT_EQ(precheckSystemText(text).error, SystemFileError::None);

    std::map<int, std::string> reported;
    SystemReader reader(text);
    for (LineKind kind = reader.next(); kind != LineKind::EndOfFile; kind = reader.next()) {
        ASSERT_NE(kind, LineKind::InvalidLabel);
        if (kind == LineKind::Statement) {
            reported[reader.LineNumber()] = std::string(labelName(*reader.section()));
            EXPECT_TRUE(reader.LastLine().starts_with("SZ EC")) << reader.LastLine();
            EXPECT_EQ(reader.LastLine().find('*'), std::string_view::npos) << reader.LastLine();
        }
    }
    EXPECT_EQ(reported, markedStatements(text));
}

TEST(SystemReader, RewindStartsTheNextRunAtTheFirstLine) {
    const std::string text = "AL:\nSZ EC01;\nXY:\n";
    SystemReader reader(text);
    while (reader.next() != LineKind::EndOfFile) {
    }
    ASSERT_TRUE(reader.error());

    reader.rewind();

    EXPECT_EQ(reader.LineNumber(), 0);
    EXPECT_EQ(reader.error(), std::nullopt);
    EXPECT_EQ(reader.section(), std::nullopt);
    EXPECT_EQ(reader.next(), LineKind::Label);
    EXPECT_EQ(reader.LineNumber(), 1);
}

TEST_F(SystemFileOnDisk, LowerCaseFileRunsAfterItsCheck) {
    const fs::path file = copyFixture("lower_case.SYF");
    ASSERT_EQ(checkSystemFile(file, 0.0).error, SystemFileError::None);
    const std::string text = testing::readFile(file);

    std::vector<std::string> statements;
    SystemReader reader(text);
    for (LineKind kind = reader.next(); kind != LineKind::EndOfFile; kind = reader.next()) {
        ASSERT_NE(kind, LineKind::InvalidLabel);
        if (kind == LineKind::Statement) {
            statements.push_back(std::string(labelName(*reader.section())) + " " +
                                 std::string(reader.LastLine()));
        }
    }
    EXPECT_EQ(statements, (std::vector<std::string>{
                              "ST SZ STMAX(E,V(200));",
                              "ST SZ ST1(1,2,4,8,16,32);",
                              "ST SZ EI1(ST1(1)), EC03;",
                              "GW SZ EI1(ST1(1)), EC03;",
                              "VE SZEI1(ST1(+1)), EC03;   ",
                              "AL MESSAGE('\xfc"
                              "BER 40');   ",
                          }));
}

// ---------------------------------------------------------------------------------------------
// The line scanner and its error funnel

TEST(LineScanner, FixedWidthNumbersRaiseTheirMessageAtTheCharactersTaken) {
    enum Reader { Counter, Unit, RiseTable };
    struct Case {
        const char* line;
        Reader reader;
        std::optional<int> value;
        int message;           // when no value
        const char* errorText; // when no value
        int errorLength;       // when no value
        const char* restAfter; // when a value
    };
    const Case cases[] = {
        {"05(1)", Counter, 5, 0, "", 0, "(1)"},
        {"99", Counter, 99, 0, "", 0, ""},
        {"5(1)", Counter, std::nullopt, SystemMessage::InvalidCounter, "5(1)", 2, ""},
        {"1", Counter, std::nullopt, SystemMessage::InvalidCounter, "1", 1, ""},
        {"-1(", Counter, std::nullopt, SystemMessage::InvalidCounter, "-1(", 2, ""},
        {"AB(", Counter, std::nullopt, SystemMessage::InvalidCounter, "AB(", 2, ""},
        {"7*2", Unit, 7, 0, "", 0, "*2"},
        {"0(5)", Unit, 0, 0, "", 0, "(5)"},
        {"X(1)", Unit, std::nullopt, SystemMessage::NumericExpected, "X(1)", 1, ""},
        {"", Unit, std::nullopt, SystemMessage::NumericExpected, "", 0, ""},
        {"1(+1))", RiseTable, 1, 0, "", 0, "(+1))"},
        {"9(", RiseTable, 9, 0, "", 0, "("},
        {"0(1))", RiseTable, std::nullopt, SystemMessage::InvalidUnitRiseTable, "0(1))", 1, ""},
        {"A", RiseTable, std::nullopt, SystemMessage::InvalidUnitRiseTable, "A", 1, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string("\"") + c.line + "\"");
        LineScanner line(c.line, 4);
        const std::optional<int> value = c.reader == Counter ? line.counterNumber()
                                         : c.reader == Unit  ? line.unitNumber()
                                                             : line.riseTableDigit();
        EXPECT_EQ(value, c.value);
        if (c.value) {
            EXPECT_EQ(line.error(), std::nullopt);
            EXPECT_EQ(line.CurrentLine(), c.restAfter);
        } else {
            ASSERT_TRUE(line.error());
            EXPECT_EQ(line.error()->Message, c.message);
            EXPECT_EQ(line.error()->ErrorText, c.errorText);
            EXPECT_EQ(line.error()->ErrorLength, c.errorLength);
            EXPECT_EQ(line.error()->LineNumber, 4);
        }
    }
}

TEST(LineScanner, ConsumesTheLineFromTheLeft) {
    LineScanner line("SZ  EC01, PL17;", 1);
    EXPECT_TRUE(line.startsWith("SZ"));
    EXPECT_FALSE(line.accept("IF"));
    EXPECT_TRUE(line.accept("SZ"));
    line.skipBlanks();
    EXPECT_EQ(line.peek(), 'E');
    EXPECT_EQ(line.takeUntil(",;"), "EC01");
    EXPECT_TRUE(line.accept(","));
    line.skipBlanks();
    EXPECT_EQ(line.take(2), "PL");
    EXPECT_EQ(line.takeUntil(",;"), "17");
    EXPECT_EQ(line.CurrentLine(), ";");
    EXPECT_EQ(line.takeUntil(")"), ";");
    EXPECT_TRUE(line.atEnd());
    EXPECT_EQ(line.peek(), '\0');
    EXPECT_EQ(line.take(3), "");
}

TEST(LineScanner, ErrorFunnelKeepsTheFirstErrorWithItsToken) {
    LineScanner line("SZ EC01, XY99;", 12);
    line.accept("SZ ");
    line.takeUntil(",");
    line.accept(", ");
    const std::string_view code = line.take(2);

    EXPECT_FALSE(line.fail(4, code));
    EXPECT_FALSE(line.fail(27));

    ASSERT_TRUE(line.error());
    EXPECT_EQ(line.error()->Message, 4);
    EXPECT_EQ(line.error()->ErrorText, "XY99;");
    EXPECT_EQ(line.error()->ErrorLength, 2);
    EXPECT_EQ(line.error()->LineNumber, 12);

    LineScanner brackets("EI1(ST1(1);", 3);
    EXPECT_FALSE(brackets.fail(27));
    EXPECT_EQ(brackets.error()->ErrorText, "EI1(ST1(1);");
    EXPECT_EQ(brackets.error()->ErrorLength, 0);
}

TEST(LineScanner, BracketsBalanceByCountAlone) {
    struct Case {
        const char* rest;
        bool balanced;
    };
    const Case cases[] = {
        {"EC01;", true},        {"CO01(+CO02);", true}, {"EI1(ST1(+1)), EC03;", true},
        {"EI1(ST1(1);", false}, {")(;", true},          {"STMAX(S(ST1(CO01));", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.rest);
        EXPECT_EQ(LineScanner(c.rest, 1).bracketsBalanced(), c.balanced);
    }
}

// ---------------------------------------------------------------------------------------------
// The message table

TEST(SystemMessages, TableIsOrderedAndHoldsOnlyItsNumbers) {
    const auto messages = systemMessages();
    for (std::size_t i = 1; i < messages.size(); ++i) {
        EXPECT_LT(messages[i - 1].number, messages[i].number);
    }
    ASSERT_NE(findSystemMessage(SystemMessage::InvalidSection), nullptr);
    EXPECT_EQ(findSystemMessage(0)->text[Language::German], " Ungültige Sektion!");
    EXPECT_EQ(findSystemMessage(0)->text[Language::English], "Section not valid!");
    EXPECT_EQ(findSystemMessage(100)->text[Language::English],
              " Impossible SZ value!\rThat SZ value can not be played on this type of playtable!");
    EXPECT_EQ(findSystemMessage(121)->text[Language::German], "Ungültige Play Tabelle!");
    for (int undefined : {-1, 10, 11, 47, 58, 89, 96, 122}) {
        EXPECT_EQ(findSystemMessage(undefined), nullptr) << undefined;
    }
}

} // namespace
} // namespace quendra
