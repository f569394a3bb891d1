// The options dialog: controls loaded from the record, the live reactions, the checks on leaving
// a field with their boxes and fallbacks, OK with the year file and the capital question,
// Cancel with the language, and Default.
#include "game/OptionsDialog.h"
#include "permanence/YearFile.h"
#include "support/SystemPlayGame.h"

#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>

namespace quendra {
namespace {

using testing::SystemPlayGame;

TEST(OptionsDialog, OpeningLoadsTheControlsAndTheirEnabledStates) {
    SystemPlayGame g;
    g.state().settings.ManualTimeBar = true;
    g.state().settings.ChipLimitOn = true;
    g.state().settings.PieceValue = 10;
    const OptionsDialog dialog = OpenOptionsDialog(g.state());
    EXPECT_EQ(dialog.controls, g.state().settings);
    EXPECT_EQ(dialog.previousPieceValue, 10);
    EXPECT_FALSE(dialog.delayEnabled());
    EXPECT_TRUE(dialog.chipLimitEnabled());
    EXPECT_FALSE(dialog.pieceValueEnabled()) << "piece mode";
    EXPECT_EQ(dialog.capitalMaximum(), 5000);
    EXPECT_EQ(dialog.capitalDigits(), 4);
    EXPECT_EQ(dialog.pieceValueStep(), 5);
}

TEST(OptionsDialog, TheCapitalFollowsRealModeAndThePieceValue) {
    SystemPlayGame g;
    OptionsDialog dialog = OpenOptionsDialog(g.state());
    dialog.controls.PieceValue = 10;
    dialog.previousPieceValue = 10;
    OptionsRealChosen(dialog, true);
    EXPECT_EQ(dialog.controls.InitialCapital, 20000);
    EXPECT_TRUE(dialog.pieceValueEnabled());
    EXPECT_EQ(dialog.capitalMaximum(), 5000000);
    EXPECT_EQ(dialog.capitalDigits(), 7);

    const struct {
        int typed;
        int pieceValue;
        int capital;
    } steps[] = {
        {3, 5, 10000}, {4, 5, 10000}, {1, 2, 4000}, {2000, 1000, 2000000}, {10, 10, 20000}};
    for (const auto& step : steps) {
        SCOPED_TRACE(step.typed);
        OptionsPieceValueChanged(dialog, step.typed);
        EXPECT_EQ(dialog.controls.PieceValue, step.pieceValue);
        EXPECT_EQ(dialog.previousPieceValue, step.pieceValue);
        EXPECT_EQ(dialog.controls.InitialCapital, step.capital);
    }
    OptionsRealChosen(dialog, false);
    EXPECT_EQ(dialog.controls.InitialCapital, 2000);
    EXPECT_TRUE(dialog.controls.ShowPieces);
    EXPECT_FALSE(dialog.controls.ShowReal);
}

TEST(OptionsDialog, LeavingAFieldChecksItsTextAndFallsBack) {
    struct Case {
        const char* name;
        bool real;
        Language language;
        bool (*leave)(Game&, OptionsDialog&, std::string_view);
        const char* text;
        bool accepted;
        const char* title; // of the box, none when accepted
        const char* message;
        int capital;
        int delay;
    };
    const Case cases[] = {
        {"capital 0", false, Language::German, OptionsCapitalLeft, "0", false, "Eingabefehler",
         "Falscher Wertebereich (0-5000)!", 2000, 50},
        {"capital empty", false, Language::English, OptionsCapitalLeft, "", false, "Input Error",
         "Range not valid (0-5000)!", 2000, 50},
        {"capital above", false, Language::German, OptionsCapitalLeft, "5001", false,
         "Eingabefehler", "Falscher Wertebereich (0-5000)!", 2000, 50},
        {"capital not digits", false, Language::German, OptionsCapitalLeft, "12a", false,
         "Eingabefehler", "Falscher Wertebereich (0-5000)!", 2000, 50},
        {"capital at the maximum", false, Language::German, OptionsCapitalLeft, "5000", true, "",
         "", 5000, 50},
        {"real capital 0", true, Language::German, OptionsCapitalLeft, "0", false, "Eingabefehler",
         "Falscher Wertebereich (0-5000000)!", 20000, 50},
        {"real capital", true, Language::German, OptionsCapitalLeft, "4999999", true, "", "",
         4999999, 50},
        {"delay 0", false, Language::German, OptionsDelayLeft, "0", true, "", "", 2000, 0},
        {"delay 101", false, Language::German, OptionsDelayLeft, "101", false, "Eingabefehler",
         "Falscher Wertebereich (1-100)!", 2000, 10},
        {"delay empty", false, Language::English, OptionsDelayLeft, "", false, "Input mistake",
         "Wrong range (1-100) !", 2000, 10},
        {"tip rule", false, Language::German, OptionsTipRuleLeft, "XX", false, "Eingabefehler",
         "Unzuläßige Eingabe!\rZuläßige Werte : OFF,PL,PL-CH !", 2000, 50},
        {"language", false, Language::English, OptionsLanguageLeft, "Français", false,
         "Input mistake", "Illegal input!\rCorrect values : Deutsch,English", 2000, 50},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SystemPlayGame g;
        g.state().settings.Language = languageIndex(c.language);
        OptionsDialog dialog = OpenOptionsDialog(g.state());
        if (c.real) {
            OptionsPieceValueChanged(dialog, 10);
            OptionsRealChosen(dialog, true);
        }
        const Settings before = dialog.controls;
        EXPECT_EQ(c.leave(g.game, dialog, c.text), c.accepted);
        EXPECT_EQ(dialog.controls.InitialCapital, c.capital);
        EXPECT_EQ(dialog.controls.TimeBarDelay, c.delay);
        EXPECT_EQ(dialog.controls.TipRule, before.TipRule);
        EXPECT_EQ(dialog.controls.Language, before.Language);
        if (c.accepted) {
            EXPECT_TRUE(g.host.messages.empty());
        } else {
            ASSERT_EQ(g.host.messages.size(), 1u);
            EXPECT_EQ(g.host.messages[0].title, c.title);
            EXPECT_EQ(g.host.messages[0].text, c.message);
            EXPECT_EQ(g.host.messages[0].icon, MessageIcon::Error);
        }
    }
}

TEST(OptionsDialog, ListsTakeOnlyTheirItems) {
    SystemPlayGame g;
    OptionsDialog dialog = OpenOptionsDialog(g.state());
    EXPECT_TRUE(OptionsTipRuleLeft(g.game, dialog, "PL-CH"));
    EXPECT_EQ(dialog.controls.TipRule, 2);
    EXPECT_TRUE(OptionsLanguageLeft(g.game, dialog, "English"));
    EXPECT_EQ(g.state().language(), Language::English);
    EXPECT_TRUE(g.host.messages.empty());
}

TEST(OptionsDialog, KeysInTheNumberFieldsEditOrStep) {
    const struct {
        char key;
        int step;
        SpinKey kind;
        int value;
    } cases[] = {{'7', 100, SpinKey::Edit, 2000},  {'\b', 100, SpinKey::Edit, 2000},
                 {'+', 100, SpinKey::Step, 2100},  {'-', 100, SpinKey::Step, 1900},
                 {'+', 10, SpinKey::Step, 2010},   {'a', 100, SpinKey::Ignore, 2000},
                 {' ', 10, SpinKey::Ignore, 2000}, {'.', 10, SpinKey::Ignore, 2000}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.key);
        const SpinKeyResult result = spinKey(c.key, 2000, c.step);
        EXPECT_EQ(result.kind, c.kind);
        EXPECT_EQ(result.value, c.value);
    }
}

TEST(OptionsDialog, EnglishRelabelsAtOnceAndCancelBringsGermanBack) {
    SystemPlayGame g;
    OptionsDialog dialog = OpenOptionsDialog(g.state());
    dialog.controls.InitialCapital = 3000;
    OptionsLanguageChosen(g.game, dialog, 1);
    EXPECT_EQ(g.state().language(), Language::English);
    EXPECT_TRUE(g.host.changedAny(Change::Commands));
    OptionsCancel(g.game, dialog);
    EXPECT_EQ(g.state().language(), Language::German);
    EXPECT_EQ(g.state().settings.InitialCapital, 2000) << "nothing else changes";
}

TEST(OptionsDialog, DefaultReachesTheRecordAtOnceAndKeepsTheFiles) {
    SystemPlayGame g;
    Settings& settings = g.state().settings;
    settings.PlayerCount = 3;
    settings.TimeBarDelay = 7;
    settings.MainLoadFile = "A.INP";
    OptionsDialog dialog = OpenOptionsDialog(g.state());
    OptionsLanguageChosen(g.game, dialog, 1);
    OptionsDefault(g.game, dialog);
    EXPECT_EQ(settings.PlayerCount, 1);
    EXPECT_EQ(settings.TimeBarDelay, 50);
    EXPECT_EQ(settings.MainLoadFile, "A.INP");
    EXPECT_EQ(dialog.controls, settings);
    EXPECT_EQ(g.state().language(), Language::German);
    OptionsCancel(g.game, dialog);
    EXPECT_EQ(settings.PlayerCount, 1) << "Cancel keeps the defaults";
}

TEST(OptionsDialog, TheTableRadioEmptiesTheRecentCoupsStrip) {
    SystemPlayGame g;
    g.coup(5);
    const auto blank = [&g] {
        return std::ranges::all_of(g.state().LastSixteen, [](auto e) { return e == EmptySlot; });
    };
    ASSERT_FALSE(blank());
    OptionsDialog dialog = OpenOptionsDialog(g.state());
    OptionsTableClicked(g.game, dialog, false);
    EXPECT_TRUE(blank());
    EXPECT_FALSE(dialog.controls.FrenchTable);
    EXPECT_TRUE(g.state().table.FrenchTable) << "the table changes only after OK";
}

TEST(OptionsDialog, TheNextUpdateCheckIsTodayPlusTheInterval) {
    using namespace std::chrono;
    SystemPlayGame g;
    OptionsDialog dialog = OpenOptionsDialog(g.state());
    dialog.controls.UpdateInterval = 2;
    OptionsAutoUpdateClicked(dialog, true, 2026y / December / 10);
    EXPECT_EQ(dialog.controls.NextUpdateCheck, 2027y / March / 10);
    EXPECT_FALSE(dialog.updateIntervalEnabled());
    OptionsAutoUpdateClicked(dialog, false, 2026y / December / 10);
    EXPECT_TRUE(dialog.updateIntervalEnabled());
}

TEST(OptionsDialog, OkTakesTheControlsAndAsksForEachChangedCapital) {
    SystemPlayGame g(2);
    g.player(1).Capital = 1500;
    g.player(2).Capital = 2000;
    OptionsDialog dialog = OpenOptionsDialog(g.state());
    dialog.controls.InitialCapital = 2000;
    dialog.controls.ShowSyntax = false;
    ASSERT_TRUE(OptionsDelayLeft(g.game, dialog, "0"));
    g.host.answers = {true};
    ASSERT_TRUE(OptionsOK(g.game, dialog));
    ASSERT_EQ(g.host.messages.size(), 1u) << "only player 1's capital differs";
    EXPECT_EQ(g.host.messages[0].text,
              "Soll neuer Guthaben stand wirklich für Spieler 1 übernommen werden?");
    EXPECT_EQ(g.player(1).Capital, 2000);
    EXPECT_EQ(g.player(1).StartCapital, 2000);
    EXPECT_EQ(g.state().TimeBarLimit, 1);
    EXPECT_FALSE(g.state().settings.ShowSyntax);
    EXPECT_FALSE(g.state().settings.EditorSyntax);
}

TEST(OptionsDialog, OkSwitchesTheYearStatisticsThroughTheYearFile) {
    SystemPlayGame g;
    g.host.setDate(2026, 12, 10);
    g.state().settings.YearStatistics = false;
    closeYearFile(g.state());
    OptionsDialog dialog = OpenOptionsDialog(g.state());
    dialog.controls.YearStatistics = true;
    dialog.controls.TimeBarDelay = 0; // a coup on every second tick
    ASSERT_TRUE(OptionsOK(g.game, dialog));
    EXPECT_TRUE(g.state().settings.YearStatistics);
    const std::filesystem::path file = yearFileName(g.state(), 2026);
    g.coup(7);

    dialog = OpenOptionsDialog(g.state());
    dialog.controls.YearStatistics = false;
    ASSERT_TRUE(OptionsOK(g.game, dialog));
    EXPECT_FALSE(g.state().settings.YearStatistics);
    EXPECT_NE(testing::readFile(file).find("7"), std::string::npos) << "the game's block";
}

TEST(OptionsDialog, AYearFileThatCannotOpenUnticksTheBox) {
    SystemPlayGame g;
    g.host.setDate(2026, 12, 10);
    g.state().settings.YearStatistics = false;
    closeYearFile(g.state());
    std::filesystem::create_directory(yearFileName(g.state(), 2026)); // a folder in its place
    OptionsDialog dialog = OpenOptionsDialog(g.state());
    dialog.controls.YearStatistics = true;
    ASSERT_TRUE(OptionsOK(g.game, dialog));
    EXPECT_EQ(g.boxes(MessageKind::Error), std::vector<int>{6});
    EXPECT_FALSE(g.state().settings.YearStatistics);
    EXPECT_FALSE(dialog.controls.YearStatistics);
}

} // namespace
} // namespace quendra
