// File lines of the error messages: which file each selector names, and the 50-character rule.
#include "text/FileLine.h"

#include <gtest/gtest.h>

namespace quendra {
namespace {

FileLineNames everyFileSet() {
    FileLineNames names;
    names.programFolder = "C:\\Quendra\\";
    names.table = TableType::French;
    names.year = 2024;
    names.mainLoadFile = "main.txt";
    names.analysedFile = "analysed.txt";
    names.collectFile = "collect.snp";
    names.systemFiles = {"sys1.syf", "sys2.syf", "sys3.syf", "sys4.syf"};
    names.protocolFiles = {"out1.out", "out2.out", "out3.out", "out4.out"};
    names.followFiles = {"f1.txt", "f2.txt", "f3.txt", "f4.txt", "f5.txt", "f6.txt"};
    names.editorFile = "edit.syf";
    return names;
}

TEST(FileLine, EachSelectorNamesItsFile) {
    const auto names = everyFileSet();
    const std::pair<int, std::string> cases[] = {
        {1, "C:\\Quendra\\EIGENPR.VER\r"},
        {2, "C:\\Quendra\\STAT2024.TXT\r"},
        {8, "main.txt\r"},
        {9, "analysed.txt\r"},
        {10, "collect.snp\r"},
        {11, "sys1.syf\r"},
        {14, "sys4.syf\r"},
        {21, "out1.out\r"},
        {24, "out4.out\r"},
        {30, "f1.txt\r"},
        {35, "f6.txt\r"},
        {40, "edit.syf\r"},
    };
    for (const auto& [selector, line] : cases) {
        SCOPED_TRACE(selector);
        EXPECT_EQ(fileLine(selector, names), line);
    }
    for (int selector : {-1, 0, 3, 7, 15, 20, 25, 29, 36, 41, 255}) {
        SCOPED_TRACE(selector);
        EXPECT_EQ(fileLine(selector, names), std::nullopt);
    }
}

TEST(FileLine, ProgramFilesFollowTableFolderAndYear) {
    auto names = everyFileSet();
    names.table = TableType::American;
    names.programFolder = "/opt/quendra";
    names.year = 999;
    EXPECT_EQ(fileLine(1, names), "/opt/quendra/EIGENPRA.VER\r");
    EXPECT_EQ(fileLine(2, names), "/opt/quendra/STAT0999.TXT\r");
    names.programFolder = "D:\\Spiele\\Quendra";
    EXPECT_EQ(fileLine(1, names), "D:\\Spiele\\Quendra\\EIGENPRA.VER\r");
}

TEST(FileLine, AnUnsetFileGivesNoLine) {
    auto names = everyFileSet();
    names.mainLoadFile.clear();
    names.protocolFiles[1].clear();
    EXPECT_EQ(fileLine(8, names), std::nullopt);
    EXPECT_EQ(fileLine(22, names), std::nullopt);
}

struct ShorteningCase {
    const char* what;
    std::string line;
    std::size_t length;
    std::string shortened;
};

TEST(FileLine, ShorteningDropsLeadingFoldersUntilUnder50) {
    const ShorteningCase cases[] = {
        {"just under 50 stays", "C:\\Quendra\\SYSIN\\Casino\\Hamburg\\permanenz202.txt\r", 49,
         "C:\\Quendra\\SYSIN\\Casino\\Hamburg\\permanenz202.txt\r"},
        {"exactly 50 loses one folder", "C:\\Quendra\\SYSIN\\Casino\\Hamburg\\permanenz2024.txt\r",
         50, "C:\\...\\SYSIN\\Casino\\Hamburg\\permanenz2024.txt\r"},
        {"loses the first two folders, keeps the last",
         "C:\\Alpha\\Beta\\Gamma\\Monatspermanenz_Spielbank_2024.txt\r", 55,
         "C:\\...\\Gamma\\Monatspermanenz_Spielbank_2024.txt\r"},
        {"cannot get under 50: stops at the last folder",
         "C:\\Alpha\\Beta\\Gamma\\Monatspermanenz_der_Spielbank_Hamburg_2024.txt\r", 67,
         "C:\\...\\Gamma\\Monatspermanenz_der_Spielbank_Hamburg_2024.txt\r"},
        {"a single folder is never dropped",
         "C:\\Quendra\\Monatspermanenz_der_Spielbank_Hamburg_2024.txt\r", 58,
         "C:\\Quendra\\Monatspermanenz_der_Spielbank_Hamburg_2024.txt\r"},
        {"no drive, slashes", "/home/spieler/quendra/SYSIN/hamburg/permanenz2024.txt\r", 54,
         "/.../quendra/SYSIN/hamburg/permanenz2024.txt\r"},
        {"no folder at all", "Monatspermanenz_der_Spielbank_Hamburg_Juni_2024.txt\r", 52,
         "Monatspermanenz_der_Spielbank_Hamburg_Juni_2024.txt\r"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_EQ(c.line.size(), c.length);
        EXPECT_EQ(shortenFileLine(c.line), c.shortened);
    }
}

} // namespace
} // namespace quendra
