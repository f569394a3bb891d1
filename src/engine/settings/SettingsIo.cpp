// The settings record in its store: the keys, their order and the string form of the values.
#include "settings/SettingsIo.h"

#include "settings/StoredValue.h"

#include <filesystem>
#include <optional>
#include <string_view>
#include <system_error>

namespace quendra {
namespace {

constexpr std::string_view DisplayColKey = "DisplayCol";
constexpr int HighestInitialCapital = 5000000;
constexpr int HighestPieceValue = 1000;
constexpr int HighestTipRule = 2;
constexpr int HighestUpdateInterval = 4;

std::string numberedKey(std::string_view key, int number) {
    return std::string(key) + std::to_string(number);
}

class SectionReader {
public:
    SectionReader(const SettingsStore& store, std::string_view section)
        : store_(store), section_(section) {}

    std::string text(std::string_view key) const {
        return store_.read(section_, key).value_or(std::string{});
    }
    int integer(std::string_view key, int fallback) const {
        const auto value = store_.read(section_, key);
        return value ? parseStoredInt(*value).value_or(fallback) : fallback;
    }
    int integerWithin(std::string_view key, int fallback, int lowest, int highest) const {
        const int value = integer(key, fallback);
        return value >= lowest && value <= highest ? value : fallback;
    }
    bool boolean(std::string_view key, bool fallback) const {
        return integer(key, fallback ? 1 : 0) != 0;
    }

private:
    const SettingsStore& store_;
    std::string_view section_;
};

class SectionWriter {
public:
    SectionWriter(SettingsStore& store, std::string_view section)
        : store_(store), section_(section) {}

    void text(std::string_view key, const std::string& value) {
        store_.write(section_, key, value);
    }
    void integer(std::string_view key, int value) { text(key, std::to_string(value)); }
    void boolean(std::string_view key, bool value) { text(key, value ? "1" : "0"); }

private:
    SettingsStore& store_;
    std::string_view section_;
};

void readFileNames(const SectionReader& in, Settings& settings) {
    for (int player = 1; player <= SettingsPlayerCount; ++player) {
        auto& files = settings.PlayerFiles[player - 1];
        files.SystemFile = in.text(numberedKey("SYSSPfullname", player));
        files.OutputFile = in.text(numberedKey("OUTSPfullname", player));
    }
    settings.MainLoadFile = in.text("Hauptladefile");
    settings.CollectLoadFile = in.text("Sammelladefile");
    for (int slot = 1; slot <= FollowLoadFileCount; ++slot) {
        settings.FollowLoadFiles[slot - 1] = in.text(numberedKey("Folgeladefile", slot));
    }
}

void writeFileNames(SectionWriter& out, const Settings& settings) {
    for (int player = 1; player <= SettingsPlayerCount; ++player) {
        const auto& files = settings.PlayerFiles[player - 1];
        out.text(numberedKey("SYSSPfullname", player), files.SystemFile);
        out.text(numberedKey("OUTSPfullname", player), files.OutputFile);
    }
    out.text("Hauptladefile", settings.MainLoadFile);
    out.text("Sammelladefile", settings.CollectLoadFile);
    for (int slot = 1; slot <= FollowLoadFileCount; ++slot) {
        out.text(numberedKey("Folgeladefile", slot), settings.FollowLoadFiles[slot - 1]);
    }
}

void forgetVanishedFile(std::string& fileName, const FileExistsCheck& fileExists) {
    if (!fileName.empty() && !fileExists(fileName)) {
        fileName.clear();
    }
}

// A load file deleted since the last run would stop the first coup with an error; the collect
// file is left to the load menu, which reports it when it is used.
void forgetVanishedLoadFiles(Settings& settings, const FileExistsCheck& fileExists) {
    forgetVanishedFile(settings.MainLoadFile, fileExists);
    for (auto& follow : settings.FollowLoadFiles) {
        forgetVanishedFile(follow, fileExists);
    }
}

// "0" and every text that is no valid date mean "check today".
std::chrono::year_month_day readCheckDate(const SectionReader& in,
                                          std::chrono::year_month_day today) {
    return parseShortDate(in.text("AuUp_NeDat")).value_or(today);
}

std::string checkDateText(std::chrono::year_month_day date) {
    const auto text = shortDateText(date);
    return text.empty() ? "0" : text;
}

} // namespace

bool isExistingFile(const std::string& fileName) {
    if (fileName.find('\0') != std::string::npos) {
        return false;
    }
    std::error_code error;
    return std::filesystem::is_regular_file(std::filesystem::path(fileName), error);
}

void ReadSettings(const SettingsStore& store, Settings& settings, std::chrono::year_month_day today,
                  const FileExistsCheck& fileExists) {
    const Settings defaults;
    const SectionReader in(store, SettingsSection);
    settings.Language = in.integer("SpracheVar", defaults.Language) == 0 ? 0 : 1;
    settings.PlayerCount =
        in.integerWithin("Spieleranzahl", defaults.PlayerCount, 1, SettingsPlayerCount);
    settings.InitialCapital =
        in.integerWithin("SPKapital", defaults.InitialCapital, 0, HighestInitialCapital);
    settings.StatComment = in.boolean("KommeVar", defaults.StatComment);
    settings.ClickSound = in.boolean("KlickVar", defaults.ClickSound);
    settings.YearStatistics = in.boolean("JHSTAVAR", defaults.YearStatistics);
    settings.ExtendedStatistics = in.boolean("ERSTAVar", defaults.ExtendedStatistics);
    settings.WinPiecesToProfit = in.boolean("GWSTUECKVar", defaults.WinPiecesToProfit);
    settings.TipRule = in.integerWithin("StuefAng", defaults.TipRule, 0, HighestTipRule);
    settings.ResolutionIndex = in.integer("Res_index", defaults.ResolutionIndex);
    settings.TimeBarDelay = in.integer("ZeitbalkenVar", defaults.TimeBarDelay);
    settings.ManualTimeBar = in.boolean("ManStartVar", defaults.ManualTimeBar);
    settings.StartScreenOff = in.boolean("StartOFFVar", defaults.StartScreenOff);
    settings.ShowSyntax = in.boolean("SyntaxAnVar", defaults.ShowSyntax);
    settings.ShowPieces = in.boolean("StueckVar", defaults.ShowPieces);
    settings.ShowReal = in.boolean("RealVar", defaults.ShowReal);
    settings.PieceValue =
        in.integerWithin("RealStuecVar", defaults.PieceValue, 1, HighestPieceValue);
    settings.EditorSyntax = in.boolean("SyntaxEDTVar", defaults.EditorSyntax);
    settings.ShortCup = in.boolean("Shortcup", defaults.ShortCup);
    settings.ShowDolly = in.boolean("DodiAktiv", defaults.ShowDolly);
    settings.ReplayStop = in.boolean("ReplayStop", defaults.ReplayStop);
    settings.ChipLimitOn = in.boolean("ChObAktiv", defaults.ChipLimitOn);
    settings.ChipLimit = in.integer("ChObVal", defaults.ChipLimit);
    settings.AutoUpdateCheck = in.boolean("AuUpObAktiv", defaults.AutoUpdateCheck);
    settings.UpdateInterval =
        in.integerWithin("AuUp_Inter", defaults.UpdateInterval, 0, HighestUpdateInterval);
    settings.NextUpdateCheck = readCheckDate(in, today);
    settings.ZeroHandling = in.boolean("Zerobehandlung", defaults.ZeroHandling);
    settings.PauseAtLoadEnd = in.boolean("StopLade", defaults.PauseAtLoadEnd);
    settings.SingleColourChips = in.boolean("Chetoneinfaerbig", defaults.SingleColourChips);
    settings.FrenchTable = in.integer("Tisch", 0) == 0;
    settings.ShowSelection = in.boolean("SpGridAktiv", defaults.ShowSelection);
    readFileNames(in, settings);
    forgetVanishedLoadFiles(settings, fileExists);
}

void WriteSettings(SettingsStore& store, const Settings& settings) {
    SectionWriter out(store, SettingsSection);
    out.integer("Spieleranzahl", settings.PlayerCount);
    out.integer("SPKapital", settings.InitialCapital);
    out.boolean("KommeVar", settings.StatComment);
    out.boolean("KlickVar", settings.ClickSound);
    out.boolean("JHSTAVAR", settings.YearStatistics);
    out.boolean("ERSTAVar", settings.ExtendedStatistics);
    out.boolean("GWSTUECKVar", settings.WinPiecesToProfit);
    out.integer("StuefAng", settings.TipRule);
    out.boolean("ChObAktiv", settings.ChipLimitOn);
    out.integer("ChObVal", settings.ChipLimit);
    out.boolean("DodiAktiv", settings.ShowDolly);
    out.boolean("ReplayStop", settings.ReplayStop);
    out.boolean("SpGridAktiv", settings.ShowSelection);
    out.boolean("SpracheVar", settings.Language != 0);
    out.integer("Res_index", settings.ResolutionIndex);
    out.integer("ZeitbalkenVar", settings.TimeBarDelay);
    out.boolean("ManStartVar", settings.ManualTimeBar);
    out.boolean("StartOFFVar", settings.StartScreenOff);
    out.boolean("SyntaxAnVar", settings.ShowSyntax);
    out.boolean("StueckVar", settings.ShowPieces);
    out.boolean("RealVar", settings.ShowReal);
    out.integer("RealStuecVar", settings.PieceValue);
    out.boolean("SyntaxEDTVar", settings.EditorSyntax);
    out.boolean("Shortcup", settings.ShortCup);
    out.boolean("AuUpObAktiv", settings.AutoUpdateCheck);
    out.integer("AuUp_Inter", settings.UpdateInterval);
    out.text("AuUp_NeDat", checkDateText(settings.NextUpdateCheck));
    out.boolean("Zerobehandlung", settings.ZeroHandling);
    out.boolean("StopLade", settings.PauseAtLoadEnd);
    out.boolean("Chetoneinfaerbig", settings.SingleColourChips);
    writeFileNames(out, settings);
    out.integer("Tisch", settings.FrenchTable ? 0 : 1);
}

bool readDisplayCol(const SettingsStore& store) {
    return SectionReader(store, DataSection).boolean(DisplayColKey, Settings{}.DisplayCol);
}

void writeDisplayCol(SettingsStore& store, bool displayCol) {
    SectionWriter(store, DataSection).boolean(DisplayColKey, displayCol);
}

} // namespace quendra
