// Conversion of Hamburg permanence files: the rewrite of one file, the backup with its
// question and errors, the guards against overwriting, and the collect file.
#include "permanence/Conversion.h"
#include "permanence/CoupCounter.h"
#include "support/PermanenceGame.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <sstream>

namespace quendra {
namespace {

using testing::PermanenceGame;
using testing::readFile;

std::string convert(const std::string& source, bool french = true, int highest = 36,
                    int* errors = nullptr) {
    std::istringstream in(source);
    std::ostringstream out;
    const int junk = convertHamburgFile(in, out, highest, french);
    if (errors != nullptr) {
        *errors = junk;
    }
    return out.str();
}

constexpr const char* Header = "Spielbank Hamburg\r\nTisch 3\r\n01.03.2024\r\n--------\r\n";

TEST(PermanenceConversion, AHamburgFileBecomesALoadFile) {
    const struct {
        const char* name;
        std::string source;
        bool french;
        std::string load;
        int errors;
    } cases[] = {
        {"numbers and day changes up to the end mark",
         std::string(Header) + " 5\r\n17 \r\n----\r\n07\r\n====\r\n3\r\n", true,
         "Spielbank Hamburg Tisch 3 01.03.2024 \r\n5\r\n17\r\n--\r\n07\r\n", 0},
        {"French zeros", std::string(Header) + "0\r\n00\r\n====\r\n", true,
         "Spielbank Hamburg Tisch 3 01.03.2024 \r\n0\r\n0\r\n", 0},
        {"American double zero", std::string(Header) + "0\r\n00\r\n====\r\n", false,
         "Spielbank Hamburg Tisch 3 01.03.2024 \r\n0\r\n00\r\n", 0},
        {"junk becomes Error", std::string(Header) + "abc\r\n40\r\n1 2\r\n\r\n9\r\n====\r\n", true,
         "Spielbank Hamburg Tisch 3 01.03.2024 \r\nError\r\nError\r\nError\r\nError\r\n9\r\n", 4},
        {"no end mark ends at the end of the file", std::string(Header) + "1\n2", true,
         "Spielbank Hamburg Tisch 3 01.03.2024 \r\n1\r\n2\r\n", 0},
        {"tabs around entries", std::string(Header) + "\t12\t\r\n====", true,
         "Spielbank Hamburg Tisch 3 01.03.2024 \r\n12\r\n", 0},
        {"a file shorter than its header", "Hamburg\r\n", true, "Hamburg   \r\n", 0},
        {"an empty file", "", true, "   \r\n", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        int errors = -1;
        EXPECT_EQ(convert(c.source, c.french, 36, &errors), c.load);
        EXPECT_EQ(errors, c.errors);
    }
}

struct ConversionFolder : PermanenceGame {
    ConversionFolder() {
        std::filesystem::create_directories(dir);
        for (int i = 1; i <= 5; ++i) {
            source("T" + std::to_string(i) + ".txt", std::to_string(i));
        }
    }
    void source(const std::string& name, const std::string& entries) {
        folder.write("perm/" + name, std::string(Header) + entries + "\r\n----\r\n====\r\n");
    }
    ConversionRequest request() {
        ConversionRequest r;
        r.folder = dir;
        r.files = listConversionFolder(dir);
        return r;
    }
    bool exists(const std::string& name) const { return std::filesystem::exists(dir / name); }
    std::filesystem::path dir = folder / "perm";
};

TEST(PermanenceConversion, AFolderIsSavedConvertedAndListed) {
    ConversionFolder f;
    std::filesystem::create_directories(f.dir / "sub");
    auto request = f.request();
    EXPECT_EQ(request.files.size(), 5u); // the subfolder is not listed
    request.collectInfo = "Hamburg Maerz";
    const ConversionResult result = Convert_BU(f.game, request);
    EXPECT_FALSE(result.stopped);
    EXPECT_EQ(result.remaining, 0);
    EXPECT_EQ(result.files,
              (std::vector<std::string>{"T1.inp", "T2.inp", "T3.inp", "T4.inp", "T5.inp"}));
    for (int i = 1; i <= 5; ++i) {
        const std::string n = std::to_string(i);
        EXPECT_TRUE(f.exists("sav/T" + n + ".txt"));
        EXPECT_FALSE(f.exists("T" + n + ".txt"));
        EXPECT_EQ(readFile(f.dir / ("T" + n + ".inp")),
                  "Spielbank Hamburg Tisch 3 01.03.2024 \r\n" + n + "\r\n--\r\n");
    }
    EXPECT_EQ(readFile(f.dir / "SA1.SNP"),
              "//Hamburg Maerz\r\nT1.inp\r\nT2.inp\r\nT3.inp\r\nT4.inp\r\nT5.inp\r\n");
    EXPECT_EQ(f.messageNumbers(), std::vector<int>{11});
    EXPECT_EQ(CountCupsonFile(f.dir / "T3.inp", 36), 1);
}

TEST(PermanenceConversion, AnExistingBackupIsOverwrittenOnlyOnYes) {
    ConversionFolder f;
    std::filesystem::create_directories(f.dir / "sav");
    auto request = f.request();
    request.collectName = "LIST.SNP";
    auto result = Convert_BU(f.game, request);
    EXPECT_TRUE(result.stopped);
    EXPECT_EQ(result.remaining, 5);
    EXPECT_TRUE(f.exists("T1.txt"));
    EXPECT_FALSE(f.exists("T1.inp"));
    // The collect file is written after a cancel too, with the names as they are.
    EXPECT_EQ(readFile(f.dir / "LIST.SNP"), "T1.txt\r\nT2.txt\r\nT3.txt\r\nT4.txt\r\nT5.txt\r\n");
    f.host.answers = {true};
    result = Convert_BU(f.game, request);
    EXPECT_EQ(result.remaining, 0);
    EXPECT_EQ(f.messageNumbers(), (std::vector<int>{2, 2, 11}));
}

TEST(PermanenceConversion, BackupFailuresCancelTheConversion) {
    ConversionFolder f;
    auto request = f.request();
    request.files.push_back("gone.txt");
    Convert_BU(f.game, request);
    EXPECT_EQ(f.messageNumbers(), std::vector<int>{21});
    EXPECT_TRUE(f.exists("T1.txt"));
    EXPECT_FALSE(f.exists("T1.inp"));

    request.folder = f.write("plain.txt", "not a folder");
    request.createCollectFile = false;
    Convert_BU(f.game, request);
    EXPECT_EQ(f.messageNumbers(), (std::vector<int>{21, 20}));
}

TEST(PermanenceConversion, JunkShowsOneInfoForItsFile) {
    ConversionFolder f;
    f.source("T2.txt", "x\r\ny\r\n5");
    auto request = f.request();
    request.saveOriginals = false;
    Convert_BU(f.game, request);
    ASSERT_EQ(f.messageNumbers(), (std::vector<int>{12, 11}));
    EXPECT_EQ(f.host.messages[0].text, "Konvertierungsfehler in der Datei: T2.txt");
    EXPECT_EQ(readFile(f.dir / "T2.inp"),
              "Spielbank Hamburg Tisch 3 01.03.2024 \r\nError\r\nError\r\n5\r\n--\r\n");
}

TEST(PermanenceConversion, NoFileIsWrittenOverWhileItIsNeeded) {
    ConversionFolder f;
    f.source("T1.INP", "9");     // its output would be itself, on a system that ignores case
    f.source("T2.dat", "8");     // takes T2.inp first, so T2.txt must not overwrite it
    f.source("T3.inp.bak", "7"); // takes T3.inp first
    auto request = f.request();
    request.saveOriginals = false;
    const ConversionResult result = Convert_BU(f.game, request);
    EXPECT_EQ(result.files, (std::vector<std::string>{"T1.INP", "T1.txt", "T2.inp", "T2.txt",
                                                      "T3.inp", "T3.txt", "T4.inp", "T5.inp"}));
    EXPECT_EQ(result.remaining, 4);
    EXPECT_EQ(readFile(f.dir / "T1.INP"), std::string(Header) + "9\r\n----\r\n====\r\n");
    EXPECT_TRUE(f.exists("T1.txt"));
    EXPECT_FALSE(f.exists("T1.inp"));
    EXPECT_NE(readFile(f.dir / "T2.inp").find("\r\n8\r\n"), std::string::npos);
    EXPECT_TRUE(f.exists("T2.txt"));
    EXPECT_EQ(f.messageNumbers(), (std::vector<int>{12, 12, 12, 12, 11}));
    EXPECT_EQ(f.host.messages[0].text, "Konvertierungsfehler in der Datei: T1.INP");
}

TEST(PermanenceConversion, AFileThatCannotBeReadStopsTheConversion) {
    ConversionFolder f;
    auto request = f.request();
    request.saveOriginals = false;
    std::filesystem::remove(f.dir / "T3.txt");
    const ConversionResult result = Convert_BU(f.game, request);
    EXPECT_TRUE(result.stopped);
    EXPECT_EQ(result.files,
              (std::vector<std::string>{"T1.inp", "T2.inp", "T3.txt", "T4.txt", "T5.txt"}));
    EXPECT_EQ(f.messageNumbers(), std::vector<int>{12});
    EXPECT_TRUE(f.exists("T4.txt"));
    EXPECT_TRUE(f.exists("SA1.SNP"));
}

TEST(PermanenceConversion, ACollectFileThatCannotBeWrittenIsReported) {
    ConversionFolder f;
    auto request = f.request();
    request.saveOriginals = false;
    request.collectName = "missing/LIST.SNP";
    Convert_BU(f.game, request);
    EXPECT_EQ(f.messageNumbers(), (std::vector<int>{11, 22}));
    EXPECT_FALSE(f.exists("T1.txt"));
}

} // namespace
} // namespace quendra
