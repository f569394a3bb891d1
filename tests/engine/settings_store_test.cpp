// The settings record against its store: every key in both directions, the odd values a store
// may hold, the write order, the defaults, the vanished load files and the time-bar delay rule.
#include "settings/Settings.h"
#include "settings/SettingsIo.h"
#include "settings/SettingsStore.h"
#include "settings/StoredValue.h"

#include <filesystem>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <limits>
#include <random>
#include <string>
#include <utility>
#include <vector>

namespace quendra {
namespace {

using std::chrono::day;
using std::chrono::month;
using std::chrono::year;
using std::chrono::year_month_day;

constexpr year_month_day Today{year{2024}, month{3}, day{9}};

bool everyFileExists(const std::string&) {
    return true;
}

Settings defaultsReadToday() {
    Settings settings;
    settings.NextUpdateCheck = Today;
    return settings;
}

// Every field away from its default, so that a field the reader or writer misses shows.
Settings variedSettings() {
    Settings s;
    s.Language = 1;
    s.PlayerCount = 3;
    s.InitialCapital = 4500;
    s.StatComment = true;
    s.ClickSound = true;
    s.YearStatistics = false;
    s.ExtendedStatistics = false;
    s.WinPiecesToProfit = false;
    s.TipRule = 2;
    s.ResolutionIndex = 4;
    s.TimeBarDelay = 0;
    s.ManualTimeBar = true;
    s.StartScreenOff = true;
    s.ShowSyntax = false;
    s.ShowPieces = false;
    s.ShowReal = true;
    s.PieceValue = 10;
    s.EditorSyntax = false;
    s.ShortCup = true;
    s.ShowDolly = false;
    s.ReplayStop = true;
    s.ChipLimitOn = true;
    s.ChipLimit = 200;
    s.AutoUpdateCheck = true;
    s.UpdateInterval = 3;
    s.NextUpdateCheck = year_month_day{year{2025}, month{1}, day{31}};
    s.ZeroHandling = false;
    s.PauseAtLoadEnd = true;
    s.SingleColourChips = true;
    s.FrenchTable = false;
    s.ShowSelection = false;
    for (int player = 1; player <= SettingsPlayerCount; ++player) {
        s.PlayerFiles[player - 1] = {"SYSTEM/s" + std::to_string(player) + ".SYF",
                                     "SYSOUT/o" + std::to_string(player) + ".OUT"};
    }
    s.MainLoadFile = "SYSIN/main.txt";
    s.CollectLoadFile = "SYSIN/SA1.SNP";
    for (int slot = 1; slot <= FollowLoadFileCount; ++slot) {
        s.FollowLoadFiles[slot - 1] = "SYSIN/f" + std::to_string(slot) + ".txt";
    }
    s.DisplayCol = true;
    return s;
}

Settings readBack(const SettingsStore& store) {
    Settings settings;
    ReadSettings(store, settings, Today, everyFileExists);
    settings.DisplayCol = readDisplayCol(store);
    return settings;
}

TEST(ReadSettings, EmptyStoreGivesEveryDefaultAndTheFrenchTable) {
    const MemorySettingsStore empty;
    Settings settings = variedSettings();
    ReadSettings(empty, settings, Today, everyFileExists);

    Settings expected = defaultsReadToday();
    expected.DisplayCol = true; // another section: reading the settings leaves it alone
    EXPECT_EQ(settings, expected);
    EXPECT_TRUE(settings.FrenchTable);
    EXPECT_FALSE(readDisplayCol(empty));
}

// One stored value at a time: what the record makes of it and what is written back for it.
struct StoredValueCase {
    std::string key;
    std::string stored;
    std::function<void(Settings&)> change; // applied to the defaults
    std::string writtenBack;
};

const std::string LongName = std::string(300, 'x') + "\xE4\xF6\xFC.txt";

const std::vector<StoredValueCase> StoredValueCases = {
    {"SpracheVar", "1", [](Settings& s) { s.Language = 1; }, "1"},
    {"SpracheVar", "7", [](Settings& s) { s.Language = 1; }, "1"},
    {"SpracheVar", "-2", [](Settings& s) { s.Language = 1; }, "1"},
    {"SpracheVar", "English", [](Settings&) {}, "0"},
    {"Spieleranzahl", "4", [](Settings& s) { s.PlayerCount = 4; }, "4"},
    {"Spieleranzahl", "5", [](Settings&) {}, "1"},
    {"Spieleranzahl", "0", [](Settings&) {}, "1"},
    {"SPKapital", "4500", [](Settings& s) { s.InitialCapital = 4500; }, "4500"},
    {"SPKapital", " +300 ", [](Settings& s) { s.InitialCapital = 300; }, "300"},
    {"SPKapital", "5000000", [](Settings& s) { s.InitialCapital = 5000000; }, "5000000"},
    {"SPKapital", "5000001", [](Settings&) {}, "2000"},
    {"SPKapital", "-100", [](Settings&) {}, "2000"},
    {"SPKapital", "99999999999999999999", [](Settings&) {}, "2000"},
    {"SPKapital", "3OO", [](Settings&) {}, "2000"},
    {"SPKapital", "12.5", [](Settings&) {}, "2000"},
    {"SPKapital", "", [](Settings&) {}, "2000"},
    {"SPKapital", "   ", [](Settings&) {}, "2000"},
    {"KommeVar", "1", [](Settings& s) { s.StatComment = true; }, "1"},
    {"KommeVar", "99999999999", [](Settings&) {}, "0"},
    {"KlickVar", "1", [](Settings& s) { s.ClickSound = true; }, "1"},
    {"KlickVar", "2", [](Settings& s) { s.ClickSound = true; }, "1"},
    {"KlickVar", "-1", [](Settings& s) { s.ClickSound = true; }, "1"},
    {"JHSTAVAR", "0", [](Settings& s) { s.YearStatistics = false; }, "0"},
    {"JHSTAVAR", "no", [](Settings&) {}, "1"},
    {"ERSTAVar", "0", [](Settings& s) { s.ExtendedStatistics = false; }, "0"},
    {"GWSTUECKVar", "0", [](Settings& s) { s.WinPiecesToProfit = false; }, "0"},
    {"StuefAng", "2", [](Settings& s) { s.TipRule = 2; }, "2"},
    {"StuefAng", "3", [](Settings&) {}, "0"},
    {"Res_index", "4", [](Settings& s) { s.ResolutionIndex = 4; }, "4"},
    {"ZeitbalkenVar", "150", [](Settings& s) { s.TimeBarDelay = 150; }, "150"},
    {"ZeitbalkenVar", "0", [](Settings& s) { s.TimeBarDelay = 0; }, "0"},
    {"ManStartVar", "1", [](Settings& s) { s.ManualTimeBar = true; }, "1"},
    {"StartOFFVar", "1", [](Settings& s) { s.StartScreenOff = true; }, "1"},
    {"SyntaxAnVar", "0", [](Settings& s) { s.ShowSyntax = false; }, "0"},
    {"StueckVar", "0", [](Settings& s) { s.ShowPieces = false; }, "0"},
    {"RealVar", "1", [](Settings& s) { s.ShowReal = true; }, "1"},
    {"RealStuecVar", "10", [](Settings& s) { s.PieceValue = 10; }, "10"},
    {"RealStuecVar", "0", [](Settings&) {}, "1"},
    {"RealStuecVar", "1001", [](Settings&) {}, "1"},
    {"SyntaxEDTVar", "0", [](Settings& s) { s.EditorSyntax = false; }, "0"},
    {"Shortcup", "1", [](Settings& s) { s.ShortCup = true; }, "1"},
    {"DodiAktiv", "0", [](Settings& s) { s.ShowDolly = false; }, "0"},
    {"ReplayStop", "1", [](Settings& s) { s.ReplayStop = true; }, "1"},
    {"ChObAktiv", "1", [](Settings& s) { s.ChipLimitOn = true; }, "1"},
    {"ChObVal", "200", [](Settings& s) { s.ChipLimit = 200; }, "200"},
    {"AuUpObAktiv", "1", [](Settings& s) { s.AutoUpdateCheck = true; }, "1"},
    {"AuUp_Inter", "4", [](Settings& s) { s.UpdateInterval = 4; }, "4"},
    {"AuUp_Inter", "-1", [](Settings&) {}, "0"},
    {"AuUp_NeDat", "31.01.2025",
     [](Settings& s) {
         s.NextUpdateCheck = year_month_day{year{2025}, month{1}, day{31}};
     },
     "31.01.2025"},
    {"AuUp_NeDat", "5.2.2025",
     [](Settings& s) {
         s.NextUpdateCheck = year_month_day{year{2025}, month{2}, day{5}};
     },
     "05.02.2025"},
    {"AuUp_NeDat", "0", [](Settings&) {}, "09.03.2024"},
    {"AuUp_NeDat", "29.02.2023", [](Settings&) {}, "09.03.2024"},
    {"AuUp_NeDat", "2025-01-31", [](Settings&) {}, "09.03.2024"},
    {"AuUp_NeDat", "31.01.25", [](Settings&) {}, "09.03.2024"},
    {"Zerobehandlung", "0", [](Settings& s) { s.ZeroHandling = false; }, "0"},
    {"StopLade", "1", [](Settings& s) { s.PauseAtLoadEnd = true; }, "1"},
    {"Chetoneinfaerbig", "1", [](Settings& s) { s.SingleColourChips = true; }, "1"},
    {"Tisch", "1", [](Settings& s) { s.FrenchTable = false; }, "1"},
    {"Tisch", "5", [](Settings& s) { s.FrenchTable = false; }, "1"},
    {"Tisch", "-1", [](Settings& s) { s.FrenchTable = false; }, "1"},
    {"Tisch", "American", [](Settings&) {}, "0"},
    {"SpGridAktiv", "0", [](Settings& s) { s.ShowSelection = false; }, "0"},
    {"SYSSPfullname1", "a.SYF", [](Settings& s) { s.PlayerFiles[0].SystemFile = "a.SYF"; },
     "a.SYF"},
    {"OUTSPfullname1", "a.OUT", [](Settings& s) { s.PlayerFiles[0].OutputFile = "a.OUT"; },
     "a.OUT"},
    {"SYSSPfullname4", "d.SYF", [](Settings& s) { s.PlayerFiles[3].SystemFile = "d.SYF"; },
     "d.SYF"},
    {"OUTSPfullname4", "d.OUT", [](Settings& s) { s.PlayerFiles[3].OutputFile = "d.OUT"; },
     "d.OUT"},
    {"Hauptladefile", LongName, [](Settings& s) { s.MainLoadFile = LongName; }, LongName},
    {"Sammelladefile", "SA1.SNP", [](Settings& s) { s.CollectLoadFile = "SA1.SNP"; }, "SA1.SNP"},
    {"Folgeladefile1", "f1.txt", [](Settings& s) { s.FollowLoadFiles[0] = "f1.txt"; }, "f1.txt"},
    {"Folgeladefile6", "f6.txt", [](Settings& s) { s.FollowLoadFiles[5] = "f6.txt"; }, "f6.txt"},
};

TEST(ReadSettings, EachStoredValueReachesItsFieldAndIsWrittenBackNormalised) {
    for (const auto& row : StoredValueCases) {
        SCOPED_TRACE(row.key + " = \"" + row.stored.substr(0, 40) + "\"");
        MemorySettingsStore store;
        store.write(SettingsSection, row.key, row.stored);

        Settings settings;
        ReadSettings(store, settings, Today, everyFileExists);
        Settings expected = defaultsReadToday();
        row.change(expected);
        EXPECT_EQ(settings, expected);

        MemorySettingsStore written;
        WriteSettings(written, settings);
        EXPECT_EQ(written.read(SettingsSection, row.key), row.writtenBack);
    }
}

TEST(ReadSettings, BinaryGarbageInEveryKeyTakesDefaultsAndDropsTheLoadFiles) {
    MemorySettingsStore keys;
    WriteSettings(keys, variedSettings());
    const std::string garbage(5000, '\xFF'); // far too long for a file name
    MemorySettingsStore store;
    for (const auto& write : keys.writes()) {
        store.write(write.section, write.key, garbage);
    }

    Settings settings;
    ReadSettings(store, settings, Today); // the file system's own check

    Settings expected = defaultsReadToday();
    for (auto& files : expected.PlayerFiles) {
        files = {garbage, garbage}; // the players' files are checked by their slots
    }
    expected.CollectLoadFile = garbage;
    EXPECT_EQ(settings, expected);
}

TEST(StoredInt, AcceptsTheWholeIntRangeAndNothingElse) {
    const std::vector<std::pair<std::string, std::optional<int>>> cases = {
        {"2147483647", std::numeric_limits<int>::max()},
        {"-2147483648", std::numeric_limits<int>::min()},
        {"2147483648", std::nullopt},
        {"-2147483649", std::nullopt},
        {"\t-07\r\n", -7},
        {"--1", std::nullopt},
        {"+-1", std::nullopt},
        {"- 1", std::nullopt},
        {"1 2", std::nullopt},
        {"0x10", std::nullopt},
        {"$10", std::nullopt},
        {"+", std::nullopt},
    };
    for (const auto& [text, value] : cases) {
        SCOPED_TRACE(text);
        EXPECT_EQ(parseStoredInt(text), value);
    }
}

TEST(WriteSettings, WritesEveryKeyInItsOrderWithTheTableLast) {
    MemorySettingsStore store;
    WriteSettings(store, variedSettings());

    const std::vector<std::pair<std::string, std::string>> expected = {
        {"Spieleranzahl", "3"},
        {"SPKapital", "4500"},
        {"KommeVar", "1"},
        {"KlickVar", "1"},
        {"JHSTAVAR", "0"},
        {"ERSTAVar", "0"},
        {"GWSTUECKVar", "0"},
        {"StuefAng", "2"},
        {"ChObAktiv", "1"},
        {"ChObVal", "200"},
        {"DodiAktiv", "0"},
        {"ReplayStop", "1"},
        {"SpGridAktiv", "0"},
        {"SpracheVar", "1"},
        {"Res_index", "4"},
        {"ZeitbalkenVar", "0"},
        {"ManStartVar", "1"},
        {"StartOFFVar", "1"},
        {"SyntaxAnVar", "0"},
        {"StueckVar", "0"},
        {"RealVar", "1"},
        {"RealStuecVar", "10"},
        {"SyntaxEDTVar", "0"},
        {"Shortcup", "1"},
        {"AuUpObAktiv", "1"},
        {"AuUp_Inter", "3"},
        {"AuUp_NeDat", "31.01.2025"},
        {"Zerobehandlung", "0"},
        {"StopLade", "1"},
        {"Chetoneinfaerbig", "1"},
        {"SYSSPfullname1", "SYSTEM/s1.SYF"},
        {"OUTSPfullname1", "SYSOUT/o1.OUT"},
        {"SYSSPfullname2", "SYSTEM/s2.SYF"},
        {"OUTSPfullname2", "SYSOUT/o2.OUT"},
        {"SYSSPfullname3", "SYSTEM/s3.SYF"},
        {"OUTSPfullname3", "SYSOUT/o3.OUT"},
        {"SYSSPfullname4", "SYSTEM/s4.SYF"},
        {"OUTSPfullname4", "SYSOUT/o4.OUT"},
        {"Hauptladefile", "SYSIN/main.txt"},
        {"Sammelladefile", "SYSIN/SA1.SNP"},
        {"Folgeladefile1", "SYSIN/f1.txt"},
        {"Folgeladefile2", "SYSIN/f2.txt"},
        {"Folgeladefile3", "SYSIN/f3.txt"},
        {"Folgeladefile4", "SYSIN/f4.txt"},
        {"Folgeladefile5", "SYSIN/f5.txt"},
        {"Folgeladefile6", "SYSIN/f6.txt"},
        {"Tisch", "1"},
    };
    std::vector<MemorySettingsStore::Write> expectedWrites;
    for (const auto& [key, value] : expected) {
        expectedWrites.push_back({std::string(SettingsSection), key, value});
    }
    EXPECT_EQ(store.writes(), expectedWrites);
}

TEST(WriteSettings, AnUnsetCheckDateIsWrittenAsZeroAndReadsAsToday) {
    MemorySettingsStore store;
    WriteSettings(store, Settings{});
    EXPECT_EQ(store.read(SettingsSection, "AuUp_NeDat"), "0");
    EXPECT_EQ(store.read(SettingsSection, "Tisch"), "0");
    EXPECT_EQ(readBack(store).NextUpdateCheck, Today);
}

TEST(WriteSettings, ReadingWhatWasWrittenGivesTheSameRecord) {
    for (const Settings& original : {variedSettings(), defaultsReadToday()}) {
        MemorySettingsStore store;
        WriteSettings(store, original);
        writeDisplayCol(store, original.DisplayCol);
        EXPECT_EQ(readBack(store), original);
    }
}

TEST(DisplayCol, LivesInItsOwnSection) {
    MemorySettingsStore store;
    writeDisplayCol(store, true);
    EXPECT_EQ(store.writes(),
              (std::vector<MemorySettingsStore::Write>{{"Daten", "DisplayCol", "1"}}));
    EXPECT_TRUE(readDisplayCol(store));
    store.write(DataSection, "DisplayCol", "junk");
    EXPECT_FALSE(readDisplayCol(store));
}

TEST(SetDefaults, ResetsTheGeneralOptionsAndWithClearFilesTheFiles) {
    for (const bool clearFiles : {false, true}) {
        SCOPED_TRACE(clearFiles ? "clearFiles" : "keep files");
        const Settings varied = variedSettings();
        Settings settings = varied;
        SetDefaults(settings, clearFiles);

        Settings expected; // the defaults, except for what SetDefaults must leave alone
        expected.ResolutionIndex = varied.ResolutionIndex;
        expected.ShowPieces = varied.ShowPieces;
        expected.ShowReal = varied.ShowReal;
        expected.PieceValue = varied.PieceValue;
        expected.EditorSyntax = varied.EditorSyntax;
        expected.ShortCup = varied.ShortCup;
        expected.ChipLimitOn = varied.ChipLimitOn;
        expected.ChipLimit = varied.ChipLimit;
        expected.AutoUpdateCheck = varied.AutoUpdateCheck;
        expected.UpdateInterval = varied.UpdateInterval;
        expected.NextUpdateCheck = varied.NextUpdateCheck;
        expected.ZeroHandling = varied.ZeroHandling;
        expected.PauseAtLoadEnd = varied.PauseAtLoadEnd;
        expected.SingleColourChips = varied.SingleColourChips;
        expected.FrenchTable = varied.FrenchTable;
        expected.CollectLoadFile = varied.CollectLoadFile;
        expected.DisplayCol = varied.DisplayCol;
        if (!clearFiles) {
            expected.PlayerFiles = varied.PlayerFiles;
            expected.MainLoadFile = varied.MainLoadFile;
            expected.FollowLoadFiles = varied.FollowLoadFiles;
        }
        EXPECT_EQ(settings, expected);
    }
}

class VanishedLoadFiles : public testing::Test {
protected:
    void SetUp() override {
        folder_ = std::filesystem::temp_directory_path() /
                  ("quendra_settings_" + std::to_string(std::random_device{}()));
        std::filesystem::create_directories(folder_);
    }
    void TearDown() override { std::filesystem::remove_all(folder_); }

    std::string existingFile(const std::string& name) const {
        const auto path = folder_ / name;
        std::ofstream(path) << "1\r\n";
        return path.string();
    }
    std::string missingFile(const std::string& name) const { return (folder_ / name).string(); }

    std::filesystem::path folder_;
};

TEST_F(VanishedLoadFiles, AreDroppedWhileTheOthersStay) {
    Settings stored;
    stored.MainLoadFile = missingFile("main.txt");
    stored.CollectLoadFile = missingFile("SA1.SNP"); // the load menu reports it when used
    const std::string cutAtNul = existingFile("f6.txt") + std::string(1, '\0') + "x";
    stored.FollowLoadFiles = {existingFile("f1.txt"), missingFile("f2.txt"),  "",
                              folder_.string(),       existingFile("f5.txt"), cutAtNul};
    stored.PlayerFiles[0] = {missingFile("s.SYF"), missingFile("s.OUT")};

    MemorySettingsStore store;
    WriteSettings(store, stored);

    Settings settings;
    ReadSettings(store, settings, Today);

    EXPECT_EQ(settings.MainLoadFile, "");
    EXPECT_EQ(settings.CollectLoadFile, stored.CollectLoadFile);
    EXPECT_EQ(settings.FollowLoadFiles,
              (std::array<std::string, FollowLoadFileCount>{stored.FollowLoadFiles[0], "", "", "",
                                                            stored.FollowLoadFiles[4], ""}));
    EXPECT_EQ(settings.PlayerFiles[0], stored.PlayerFiles[0]);

    stored.MainLoadFile = existingFile("main.txt");
    WriteSettings(store, stored);
    ReadSettings(store, settings, Today);
    EXPECT_EQ(settings.MainLoadFile, stored.MainLoadFile);
}

TEST(TimeBarDelay, OutOfRangeRunsAsFiftyAndZeroStillGivesOneTick) {
    struct Case {
        int stored;
        int inUse;
        int limit;
    };
    const Case cases[] = {
        {150, 50, 1500},
        {0, 0, 1},
        {1, 1, 30},
        {100, 100, 3000},
        {101, 50, 1500},
        {-1, 50, 1500},
        {std::numeric_limits<int>::min(), 50, 1500},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.stored);
        EXPECT_EQ(timeBarDelayInUse(c.stored), c.inUse);
        EXPECT_EQ(timeBarLimit(c.stored), c.limit);
    }
}

} // namespace
} // namespace quendra
