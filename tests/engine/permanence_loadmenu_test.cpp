// The load menu's rules: start positions and random attacks, the field rules and their
// confirmation, the signal lamps, choosing and ticking files, the resets and OK.
#include "permanence/LoadMenu.h"
#include "permanence/LoadSet.h"
#include "permanence/Positioning.h"
#include "permanence/StartOptions.h"
#include "support/PermanenceGame.h"
#include "text/FileLine.h"

#include <gtest/gtest.h>
#include <numeric>

namespace quendra {
namespace {

using testing::PermanenceGame;

// A load file of `coups` coups, `perLine` to a line, after a caption line; coup i (1-based) is
// the number i % 37.
std::string numberedFile(int coups, int perLine = 1, bool caption = true) {
    std::string text = caption ? "Tisch 1\r\n" : "";
    for (int i = 1; i <= coups; ++i) {
        text += std::to_string(i % 37);
        text += i % perLine == 0 || i == coups ? "\r\n" : " ";
    }
    return text;
}

// Coups i to j of numberedFile.
std::vector<int> numbered(int from, int to) {
    std::vector<int> numbers;
    for (int i = from; i <= to; ++i) {
        numbers.push_back(i % 37);
    }
    return numbers;
}

TEST(PermanenceStart, FixStartSkipsWholeLines) {
    const struct {
        const char* name;
        int perLine;
        std::int64_t fix;
        int firstCoup;
    } cases[] = {
        {"fix 1 plays from the first coup", 1, 1, 1},
        {"fix 2 with one coup a line skips one line", 1, 2, 2},
        {"fix 5 with 20 coups a line skips the first line", 20, 5, 21},
        {"fix 21 with 20 coups a line skips the first line", 20, 21, 21},
        {"fix 22 with 20 coups a line skips two lines", 20, 22, 41},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        PermanenceGame g;
        const auto file = g.write("A.INP", numberedFile(60, c.perLine));
        g.state().settings.MainLoadFile = file;
        ASSERT_TRUE(HaLaAktivClick(g.game, true));
        g.options().StartMode = LoadStartMode::Fix;
        g.options().FixStartCoup = c.fix;
        LaFileMenuOKClick(g.game, false, false);
        EXPECT_EQ(g.coupsToEnd(), numbered(c.firstCoup, 60));
        EXPECT_TRUE(g.host.messages.empty());
    }
}

TEST(PermanenceStart, SkippedCommentsGoToTheProtocolsAndTheStatusShowsTheStart) {
    PermanenceGame g;
    g.makeSystemPlayer(2, true);
    const auto file = g.write("A.INP", "Montag\r\n1\r\n2\r\nDienstag\r\n3\r\n");
    g.state().settings.MainLoadFile = file;
    ASSERT_TRUE(HaLaAktivClick(g.game, true));
    g.options().StartMode = LoadStartMode::Fix;
    g.options().FixStartCoup = 3;
    LaFileMenuOKClick(g.game, false, false);
    EXPECT_EQ(g.load().MatrixStatus, "Ladedatei: " + file + " (3)");
    EXPECT_EQ(g.protocols.lines.size(), 1u);
    EXPECT_EQ(g.coup(), 3);
    EXPECT_EQ(g.protocols.lines.size(), 2u);
}

TEST(PermanenceStart, AStartBeyondTheFileEndsTheLoad) {
    PermanenceGame g;
    g.state().settings.FollowLoadFiles[0] = g.write("B.INP", numberedFile(5));
    g.state().settings.MainLoadFile = g.write("A.INP", numberedFile(10));
    ASSERT_TRUE(HaLaAktivClick(g.game, true));
    g.options().StartMode = LoadStartMode::Fix;
    g.options().FixStartCoup = 8;
    LaFileMenuOKClick(g.game, false, false);
    // The follow file is positioned at the same start and is too short for it.
    EXPECT_EQ(g.coupsToEnd(), numbered(8, 10));
    EXPECT_TRUE(g.host.messages.empty());
}

TEST(PermanenceStart, RandomStartDrawsBelowTheMaximumAndAnEmptyRangeTakesTheMinimum) {
    const struct {
        std::int64_t low;
        std::int64_t high;
        std::set<int> firstCoups;
    } cases[] = {
        {7, 7, {7}},
        {3, 5, {3, 4}},
        {9, 4, {9}}, // an empty range, as the fields never leave it but the state may hold it
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.low);
        std::set<int> seen;
        for (std::uint64_t seed = 0; seed < 40; ++seed) {
            PermanenceGame g;
            g.game.random().reseed(seed);
            g.state().settings.MainLoadFile = g.write("A.INP", numberedFile(20));
            ASSERT_TRUE(HaLaAktivClick(g.game, true));
            g.options().StartMode = LoadStartMode::Random;
            g.options().RandomStartMin = c.low;
            g.options().RandomStartMax = c.high;
            LaFileMenuOKClick(g.game, false, false);
            const int first = g.coup();
            seen.insert(first);
            EXPECT_EQ(g.options().RandomStartCoup, first);
            EXPECT_EQ(g.state().NumberSource,
                      g.state().settings.MainLoadFile + " (" + std::to_string(first) + ")");
        }
        EXPECT_EQ(seen, c.firstCoups);
    }
}

// Plays a random-attack run; `plan` receives the plan made at OK.
std::vector<int> playAttacks(PermanenceGame& g, int coups, int attacks, int length,
                             std::vector<Attack>& plan, int perLine = 1) {
    g.state().settings.MainLoadFile = g.write("A.INP", numberedFile(coups, perLine));
    EXPECT_TRUE(HaLaAktivClick(g.game, true));
    g.options().StartMode = LoadStartMode::RandomAttacks;
    g.options().MaxAttacks = attacks;
    g.options().AttackLength = length;
    LaFileMenuOKClick(g.game, false, false);
    plan = g.options().plan.attacks;
    return g.coupsToEnd();
}

TEST(PermanenceStart, RandomAttacksPlayTheirStretchesAtPlannedStarts) {
    std::set<std::int64_t> firstStarts;
    for (std::uint64_t seed = 0; seed < 60; ++seed) {
        SCOPED_TRACE(seed);
        PermanenceGame g;
        g.game.random().reseed(seed);
        std::vector<Attack> plan;
        const auto played = playAttacks(g, 100, 2, 10, plan);
        EXPECT_EQ(g.load().MatrixStatus, "");
        ASSERT_EQ(plan.size(), 2u);
        const std::int64_t s1 = plan[0].AttackStart;
        const std::int64_t s2 = plan[1].AttackStart;
        EXPECT_GE(s1, 1);
        EXPECT_LE(s1, 39);
        EXPECT_GE(s2, s1 + 10);
        EXPECT_LE(s2, 89);
        firstStarts.insert(s1);
        auto expected = numbered(static_cast<int>(s1), static_cast<int>(s1) + 9);
        const auto second = numbered(static_cast<int>(s2), static_cast<int>(s2) + 9);
        expected.insert(expected.end(), second.begin(), second.end());
        EXPECT_EQ(played, expected);
    }
    EXPECT_GT(firstStarts.size(), 10u);
}

TEST(PermanenceStart, AttacksCountCoupsNotLinesOrSeparators) {
    PermanenceGame g;
    g.state().settings.MainLoadFile =
        g.write("A.INP", "Montag\r\n1 2\r\n--\r\nDienstag\r\n3 4\r\n5\r\n");
    ASSERT_TRUE(HaLaAktivClick(g.game, true));
    g.options().StartMode = LoadStartMode::RandomAttacks;
    g.options().AttackLength = 3;
    LaFileMenuOKClick(g.game, false, false);
    EXPECT_EQ(g.coupsToEnd(), (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(g.load().SeparatorCount, 1);
}

TEST(PermanenceStart, AttacksInRowsOfManyCoupsPlayTheirLengthAndSkipTheirGaps) {
    for (std::uint64_t seed = 0; seed < 30; ++seed) {
        SCOPED_TRACE(seed);
        PermanenceGame g;
        g.game.random().reseed(seed);
        std::vector<Attack> plan;
        const auto played = playAttacks(g, 2000, 4, 30, plan, 20);
        ASSERT_EQ(played.size(), 120u);
        // Each attack begins at the first row holding its start coup, or at the row after the
        // previous attack's last coup when that lies further on.
        const auto rowAt = [](int coup) { return (coup - 1 + 19) / 20 * 20 + 1; };
        int previousEnd = 0;
        for (int k = 0; k < 4; ++k) {
            const auto start = static_cast<int>(plan[static_cast<std::size_t>(k)].AttackStart);
            const int first = std::max(rowAt(start), rowAt(previousEnd + 1));
            EXPECT_EQ(std::vector<int>(played.begin() + 30 * k, played.begin() + 30 * k + 30),
                      numbered(first, first + 29));
            previousEnd = first + 29;
        }
    }
}

TEST(PermanenceStart, AttacksOnAFileShorterThanThemTakeTheShortestValidStarts) {
    for (std::uint64_t seed = 0; seed < 20; ++seed) {
        SCOPED_TRACE(seed);
        PermanenceGame g;
        g.game.random().reseed(seed);
        std::vector<Attack> plan;
        const auto played = playAttacks(g, 12, 3, 10, plan);
        ASSERT_EQ(plan.size(), 3u);
        EXPECT_EQ(plan[0].AttackStart, 1);
        EXPECT_EQ(plan[0].AttackPlanned, 10);
        EXPECT_EQ(plan[1].AttackStart, 11);
        EXPECT_EQ(plan[1].AttackPlanned, 1);
        EXPECT_EQ(plan[2].AttackStart, 12);
        EXPECT_EQ(plan[2].AttackPlanned, 0);
        EXPECT_EQ(played, numbered(1, 12));
        EXPECT_TRUE(g.host.messages.empty());
    }
}

TEST(PermanenceStart, EachFollowFileGetsAnAttackPlanOfItsOwnLength) {
    for (std::uint64_t seed = 0; seed < 20; ++seed) {
        SCOPED_TRACE(seed);
        PermanenceGame g;
        g.game.random().reseed(seed);
        g.state().settings.FollowLoadFiles[0] = g.write("B.INP", numberedFile(20, 1, false));
        std::vector<Attack> plan;
        const auto played = playAttacks(g, 200, 1, 10, plan);
        EXPECT_EQ(played.size(), 20u);
    }
}

struct PermanenceLoadMenuTwoFiles : ::testing::Test {
    PermanenceLoadMenuTwoFiles() {
        g.state().settings.FollowLoadFiles[0] = g.write("B.INP", numberedFile(100));
        g.state().settings.MainLoadFile = g.write("A.INP", numberedFile(300));
        HaLaAktivClick(g.game, true);
    }
    PermanenceGame g;
    LoadMenuState& menu() { return g.state().permanence.menu; }
};

TEST_F(PermanenceLoadMenuTwoFiles, TickingTheMainFileListsTheFilesAndGivesTheDefaults) {
    EXPECT_EQ(menu().LoadFileInfo,
              (std::vector<LoadFileEntry>{{g.state().settings.MainLoadFile, 300},
                                          {g.state().settings.FollowLoadFiles[0], 100}}));
    EXPECT_EQ(g.options().LowestCount, 100);
    EXPECT_EQ(menu().CupCounterHaupt, 300);
    EXPECT_TRUE(g.options().StartOptionsChanged);
    EXPECT_EQ(g.options().StartMode, LoadStartMode::Normal);
    EXPECT_EQ(g.options().FixStartCoup, 1);
    EXPECT_EQ(g.options().RandomStartMin, 1);
    EXPECT_EQ(g.options().RandomStartMax, 100);
    EXPECT_EQ(g.options().AttackLength, 100);
    EXPECT_EQ(g.options().MaxAttacks, 1);
    EXPECT_TRUE(menu().startOptionsEnabled);
    EXPECT_TRUE(menu().randomAttacksEnabled);
    EXPECT_EQ(menu().FixLed, Lamp::Green);
}

TEST_F(PermanenceLoadMenuTwoFiles, LampsTellWhetherAStartValueFitsTheFiles) {
    const struct {
        std::int64_t fix;
        Lamp lamp;
    } cases[] = {{100, Lamp::Green},
                 {200, Lamp::YellowBlinking},
                 {300, Lamp::YellowBlinking},
                 {400, Lamp::Red}};
    g.options().StartOptionsChanged = true;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.fix);
        ASSERT_TRUE(applyFixRando(g.game, std::to_string(c.fix)));
        EXPECT_EQ(menu().FixLed, c.lamp);
        ASSERT_TRUE(applyRandomRange(g.game, "1", std::to_string(c.fix)));
        EXPECT_EQ(menu().ZuRaLed, c.lamp);
    }
    // Attacks compare with the counts divided by the attack count: 50 and 150 for two attacks.
    g.options().LowestCount = 1000; // so the length is not cut
    ASSERT_TRUE(applyAttacks(g.game, 2, "60"));
    g.options().LowestCount = 100;
    updateAttackLamp(g.state());
    EXPECT_EQ(menu().ZuAnLed, Lamp::YellowBlinking);
    g.makeSystemPlayer(1, false);
    updateAttackLamp(g.state());
    EXPECT_EQ(menu().ZuAnLed, Lamp::Red);
    HaLaAktivClick(g.game, false);
    updateStartOptionLamps(g.state());
    EXPECT_EQ(menu().FixLed, Lamp::Red);
    EXPECT_EQ(menu().ZuRaLed, Lamp::Red);
}

TEST_F(PermanenceLoadMenuTwoFiles, FieldRules) {
    g.options().StartOptionsChanged = true;
    const struct {
        const char* fix;
        std::int64_t value;
    } fixes[] = {
        {"", 1}, {"0", 1}, {"17", 17}, {"123456789012345678901234567890", 999'999'999'999'999}};
    for (const auto& c : fixes) {
        SCOPED_TRACE(c.fix);
        ASSERT_TRUE(applyFixRando(g.game, c.fix));
        EXPECT_EQ(g.options().FixStartCoup, c.value);
    }
    const struct {
        const char* low;
        const char* high;
        std::int64_t min;
        std::int64_t max;
    } ranges[] = {{"", "", 1, 100}, {"5", "", 5, 100}, {"50", "20", 20, 20}, {"0", "7", 0, 7}};
    for (const auto& c : ranges) {
        SCOPED_TRACE(std::string(c.low) + "/" + c.high);
        ASSERT_TRUE(applyRandomRange(g.game, c.low, c.high));
        EXPECT_EQ(g.options().RandomStartMin, c.min);
        EXPECT_EQ(g.options().RandomStartMax, c.max);
    }
    const struct {
        int attacks;
        const char* length;
        int maxAttacks;
        std::int64_t attackLength;
    } attacks[] = {{1, "", 1, 100},  {1, "0", 1, 100}, {3, "20", 3, 20},
                   {3, "40", 3, 33}, {0, "5", 1, 5},   {99, "5", 50, 2}};
    for (const auto& c : attacks) {
        SCOPED_TRACE(c.attacks);
        ASSERT_TRUE(applyAttacks(g.game, c.attacks, c.length));
        EXPECT_EQ(g.options().MaxAttacks, c.maxAttacks);
        EXPECT_EQ(g.options().AttackLength, c.attackLength);
    }
    EXPECT_TRUE(g.host.messages.empty());
}

TEST(PermanenceLoadMenu, DigitFieldsTakeDigitsAndBackspaceOnly) {
    for (char key : std::string("0123456789\b")) {
        EXPECT_TRUE(digitFieldKey(key)) << int(key);
    }
    for (char key : std::string(" -+.,/:aZ\t\r")) {
        EXPECT_FALSE(digitFieldKey(key)) << int(key);
    }
    EXPECT_FALSE(digitFieldKey('\0'));
}

TEST_F(PermanenceLoadMenuTwoFiles, AStartOptionChangeIsConfirmedOnceUntilTheNextPositioning) {
    LaFileMenuOKClick(g.game, false, false);
    ASSERT_FALSE(g.options().StartOptionsChanged);

    g.host.answers = {false};
    EXPECT_FALSE(applyFixRando(g.game, "50"));
    EXPECT_EQ(g.options().FixStartCoup, 1);
    EXPECT_FALSE(selectStartMode(g.game, LoadStartMode::Fix));
    EXPECT_EQ(g.options().StartMode, LoadStartMode::Normal);
    ASSERT_EQ(g.host.messages.size(), 2u);
    const MessageBoxData& box = g.host.messages[0];
    EXPECT_EQ(box.title, "Systemanfrage");
    EXPECT_EQ(box.text, "Bei Startoptionenwechsel erfolgt ein Ladefile Zurücksetzung!");
    EXPECT_EQ(box.buttons, MessageButtons::OkCancel);
    EXPECT_EQ(box.icon, MessageIcon::Question);

    g.host.answers = {true};
    EXPECT_TRUE(selectStartMode(g.game, LoadStartMode::Fix));
    EXPECT_TRUE(applyFixRando(g.game, "50"));
    EXPECT_TRUE(applyRandomRange(g.game, "1", "9"));
    EXPECT_EQ(g.host.messages.size(), 3u);
    EXPECT_TRUE(g.options().StartOptionsChanged);
    EXPECT_EQ(g.options().FixStartCoup, 50);

    // Applying the value a field already holds asks nothing.
    LaFileMenuOKClick(g.game, false, false);
    EXPECT_TRUE(applyFixRando(g.game, "50"));
    EXPECT_TRUE(selectStartMode(g.game, LoadStartMode::Fix));
    EXPECT_EQ(g.host.messages.size(), 3u);
}

TEST_F(PermanenceLoadMenuTwoFiles, OkAfterAChangePlaysTheMainFileFromItsBeginning) {
    g.options().StartMode = LoadStartMode::Normal;
    LaFileMenuOKClick(g.game, true, true);
    EXPECT_TRUE(g.state().settings.ShortCup);
    EXPECT_TRUE(g.state().settings.PauseAtLoadEnd);
    EXPECT_EQ(g.coup(), 1);
    EXPECT_EQ(g.coup(), 2);
    EXPECT_EQ(g.coup(), 3);
    g.host.answers = {true};
    ASSERT_TRUE(selectStartMode(g.game, LoadStartMode::Fix));
    ASSERT_TRUE(applyFixRando(g.game, "2"));
    LaFileMenuOKClick(g.game, false, false);
    EXPECT_EQ(g.coup(), 2);
    // Without a change OK leaves the file where it is.
    LaFileMenuOKClick(g.game, false, false);
    EXPECT_EQ(g.coup(), 3);
}

TEST_F(PermanenceLoadMenuTwoFiles, RandomAttacksAreDisabledWhileASystemIsPlayed) {
    g.makeSystemPlayer(3, false);
    openLoadMenu(g.game);
    EXPECT_FALSE(menu().randomAttacksEnabled);
    EXPECT_EQ(menu().ZuAnLed, Lamp::Red);
    EXPECT_EQ(menu().attackLampHint, "Systemspiel aktiv!");
    EXPECT_FALSE(selectStartMode(g.game, LoadStartMode::RandomAttacks));
    g.state().settings.Language = 1;
    openLoadMenu(g.game);
    EXPECT_EQ(menu().attackLampHint, "Systemgame activ!");
}

TEST_F(PermanenceLoadMenuTwoFiles, HaLaResetForgetsTheFilesAndResetsTheOptions) {
    g.options().FixStartCoup = 40;
    HaLaResetClick(g.game);
    EXPECT_FALSE(g.load().HaLaAktiv);
    EXPECT_FALSE(g.load().mainFile);
    EXPECT_EQ(g.state().settings.MainLoadFile, "");
    EXPECT_EQ(g.state().settings.FollowLoadFiles[0], "");
    EXPECT_FALSE(g.load().FollowActive);
    EXPECT_EQ(menu().CupCounterHaupt, std::nullopt);
    EXPECT_TRUE(menu().LoadFileInfo.empty());
    EXPECT_EQ(g.options().FixStartCoup, 1);
    EXPECT_EQ(g.options().RandomStartMax, 1);
    EXPECT_EQ(menu().FixLed, Lamp::Red);
    EXPECT_FALSE(menu().startOptionsEnabled);
    EXPECT_EQ(loadFileFieldText(g.state().settings.MainLoadFile), "none");
}

TEST(PermanenceLoadMenu, ChoosingTheMainFile) {
    PermanenceGame g;
    g.write("SYSIN/A.INP", numberedFile(30));
    EXPECT_TRUE(HaLafileChosen(g.game, "A.INP", FileChoice::Typed));
    const auto full = (g.folder / "SYSIN" / "A.INP").string();
    EXPECT_EQ(g.state().settings.MainLoadFile, full);
    EXPECT_TRUE(g.load().HaLaAktiv);
    EXPECT_EQ(g.state().permanence.menu.CupCounterHaupt, 30);
    EXPECT_EQ(g.options().RandomStartMax, 30);
    EXPECT_EQ(loadFileFieldText(full), "A.INP");

    const auto missing = (g.folder / "gone.inp").string();
    EXPECT_FALSE(HaLafileChosen(g.game, missing, FileChoice::Dialog));
    EXPECT_EQ(g.messageNumbers(), std::vector<int>{8});
    EXPECT_EQ(g.host.messages[0].text,
              shortenFileLine(missing + "\r") + "als Hauptladedatei nicht vorhanden!");
    EXPECT_EQ(g.state().settings.MainLoadFile, "");
    EXPECT_FALSE(g.load().HaLaAktiv);
    EXPECT_EQ(g.state().permanence.menu.CupCounterHaupt, std::nullopt);
}

TEST(PermanenceLoadMenu, ChoosingFollowFiles) {
    PermanenceGame g;
    const auto b = g.write("SYSIN/B.INP", numberedFile(10));
    const auto c = g.write("SYSIN/C.INP", numberedFile(20));
    auto& slots = g.state().settings.FollowLoadFiles;
    // The dialog on an empty field fills the first empty slot.
    EXPECT_EQ(FoLaFileChosen(g.game, 3, b, FileChoice::Dialog), 1);
    EXPECT_EQ(slots[0], b);
    EXPECT_EQ(g.state().permanence.menu.CupFolge[0], 10);
    EXPECT_TRUE(g.load().FollowActive);
    // On a filled field the dialog replaces that slot.
    EXPECT_EQ(FoLaFileChosen(g.game, 1, c, FileChoice::Dialog), 1);
    EXPECT_EQ(slots[0], c);
    // A name typed into slot 4 while 2 and 3 are empty moves into slot 2.
    EXPECT_EQ(FoLaFileChosen(g.game, 4, "B.INP", FileChoice::Typed), 2);
    EXPECT_EQ(slots[1], b);
    EXPECT_EQ(slots[3], "");
    EXPECT_EQ(g.state().permanence.menu.CupFolge[1], 10);
    EXPECT_EQ(g.state().permanence.menu.CupFolge[3], std::nullopt);
    // A missing file reports the slot it was meant for.
    EXPECT_EQ(FoLaFileChosen(g.game, 5, "X.INP", FileChoice::Typed), 0);
    EXPECT_EQ(g.messageNumbers(), std::vector<int>{9});
    EXPECT_NE(g.host.messages[0].text.find("X.INP\r"), std::string::npos);
    EXPECT_EQ(slots[4], "");
}

TEST(PermanenceLoadMenu, OkClosesUpTheFollowSlots) {
    PermanenceGame g;
    auto& slots = g.state().settings.FollowLoadFiles;
    slots = {"", "b", "", "d", "", "f"};
    g.state().permanence.menu.CupFolge[3] = 4;
    LaFileMenuOKClick(g.game, false, false);
    EXPECT_EQ(slots, (std::array<std::string, 6>{"b", "d", "f", "", "", ""}));
    EXPECT_EQ(g.state().permanence.menu.CupFolge[1], 4);
    EXPECT_TRUE(g.load().FollowActive);
}

TEST(PermanenceLoadMenu, TickingTheCollectFileTakesTheLoadFilesFromIt) {
    PermanenceGame g;
    g.write("SYSIN/A.INP", numberedFile(30));
    g.write("SYSIN/B.INP", numberedFile(20));
    g.write("SYSIN/C.INP", numberedFile(25));
    g.write("SYSIN/LIST.SNP",
            "// Wiesbaden\r\nA.INP\r\nB.INP (* Dienstag *)\r\nX.INP\r\nC.INP\r\n");
    g.state().settings.MainLoadFile = g.write("SYSIN/OLD.INP", "1\r\n");
    ASSERT_TRUE(SaLaFileChosen(g.game, "LIST.SNP", FileChoice::Typed));
    const auto in = [&](const char* name) { return (g.folder / "SYSIN" / name).string(); };
    EXPECT_EQ(g.state().settings.MainLoadFile, in("A.INP"));
    EXPECT_TRUE(g.load().HaLaAktiv);
    EXPECT_EQ(g.state().settings.FollowLoadFiles,
              (std::array<std::string, 6>{in("B.INP"), "", in("C.INP"), "", "", ""}));
    EXPECT_EQ(g.messageNumbers(), std::vector<int>{9});
    EXPECT_NE(g.host.messages[0].text.find("X.INP\r"), std::string::npos);
    // The collect file is used up: unticked and no refill during play.
    EXPECT_FALSE(g.load().SaLaAktiv1);
    EXPECT_FALSE(g.load().CollectActive);
    EXPECT_EQ(g.state().permanence.menu.LoadFileInfo.size(), 3u);
    EXPECT_EQ(g.options().LowestCount, 20);
    EXPECT_EQ(g.options().RandomStartMax, 20);
    LaFileMenuOKClick(g.game, false, false);
    EXPECT_EQ(g.coupsToEnd().size(), 75u);
}

TEST(PermanenceLoadMenu, ALongCollectFileKeepsRefillingDuringPlay) {
    PermanenceGame g;
    std::string list;
    for (int i = 0; i < 9; ++i) {
        const std::string name = "F" + std::to_string(i) + ".INP";
        g.write("SYSIN/" + name, std::to_string(i + 1) + "\r\n");
        list += name + "\r\n";
    }
    g.write("SYSIN/LIST.SNP", list);
    ASSERT_TRUE(SaLaFileChosen(g.game, "LIST.SNP", FileChoice::Typed));
    EXPECT_TRUE(g.load().SaLaAktiv1);
    EXPECT_TRUE(g.load().CollectActive);
    LaFileMenuOKClick(g.game, false, false);
    EXPECT_EQ(g.coupsToEnd(), (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9}));
    EXPECT_TRUE(g.host.messages.empty());
}

TEST(PermanenceLoadMenu, CollectFileFailures) {
    PermanenceGame g;
    EXPECT_FALSE(SaLaFileChosen(g.game, "NONE.SNP", FileChoice::Typed));
    EXPECT_EQ(g.messageNumbers(), std::vector<int>{11});
    EXPECT_EQ(g.state().settings.CollectLoadFile, "");

    // A first name that does not exist: error 8 and the collect file unticked.
    g.write("SYSIN/LIST.SNP", "X.INP\r\nA.INP\r\n");
    EXPECT_TRUE(SaLaFileChosen(g.game, "LIST.SNP", FileChoice::Typed));
    EXPECT_EQ(g.messageNumbers(), (std::vector<int>{11, 8}));
    EXPECT_FALSE(g.load().SaLaAktiv1);
    EXPECT_FALSE(g.load().HaLaAktiv);

    // Ticking without a name.
    g.state().settings.CollectLoadFile.clear();
    EXPECT_FALSE(SaLaAktiv1Click(g.game, true));
    EXPECT_EQ(g.messageNumbers(), (std::vector<int>{11, 8, 8}));
}

TEST(PermanenceLoadMenu, ACollectFileNamingItselfIsHarmless) {
    PermanenceGame g;
    g.write("SYSIN/LIST.SNP", "LIST.SNP\r\nLIST.SNP\r\n");
    ASSERT_TRUE(SaLaFileChosen(g.game, "LIST.SNP", FileChoice::Typed));
    EXPECT_TRUE(g.host.messages.empty());
    EXPECT_EQ(g.options().LowestCount, 0);
    LaFileMenuOKClick(g.game, false, false);
    EXPECT_TRUE(g.coupsToEnd().empty());
}

TEST(PermanenceLoadMenu, SaLaResetGivesDefaultsWhileTheMainFileIsActive) {
    PermanenceGame g;
    g.write("SYSIN/A.INP", numberedFile(30));
    g.write("SYSIN/B.INP", numberedFile(40));
    std::string list = "A.INP\r\n";
    for (int i = 0; i < 7; ++i) {
        list += "B.INP\r\n";
    }
    g.write("SYSIN/LIST.SNP", list);
    ASSERT_TRUE(SaLaFileChosen(g.game, "LIST.SNP", FileChoice::Typed));
    ASSERT_TRUE(g.load().SaLaAktiv1);
    SaLaResetClick(g.game);
    EXPECT_FALSE(g.load().SaLaAktiv1);
    EXPECT_EQ(g.state().settings.CollectLoadFile, "");
    EXPECT_TRUE(g.load().HaLaAktiv);
    EXPECT_EQ(g.options().RandomStartMax, 30);
    EXPECT_EQ(g.state().permanence.menu.LoadFileInfo.size(), 7u); // the main file and six slots
}

} // namespace
} // namespace quendra
