// The language index and the status-bar texts of each text kind.
#include "text/TextKind.h"

#include <gtest/gtest.h>

namespace quendra {
namespace {

TEST(Language, StoredIndexReadsZeroAsGermanAndAnythingElseAsEnglish) {
    EXPECT_EQ(languageFromIndex(0), Language::German);
    EXPECT_EQ(languageFromIndex(1), Language::English);
    EXPECT_EQ(languageFromIndex(7), Language::English);
    constexpr BilingualText pair{"Jetons löschen", "Clear Jetons"};
    static_assert(pair[Language::German] == "Jetons löschen");
    EXPECT_EQ(pair[languageFromIndex(1)], "Clear Jetons");
}

TEST(TextKind, TextsSitAtKindTimesTwoPlusLanguage) {
    static_assert(static_cast<int>(TextKind::gkCupsVer) == 26 && TextKindTexts.size() == 54);
    EXPECT_EQ(TextKindTexts[2 * 2 + 1], "Make of bet is over! ");
    EXPECT_EQ(textKindText(TextKind::gkSpielende, Language::German), "Nichts geht mehr!");
    EXPECT_EQ(textKindText(TextKind::gkKurzspiel, Language::English), "Supershortgame aktiv");
    EXPECT_EQ(textKindText(TextKind::gkMakeMan, Language::German),
              "Machen Sie Ihr Spiel (manuell)!");
    EXPECT_EQ(textKindText(TextKind::gkSpieler3, Language::English), "Player 3");
    EXPECT_EQ(textKindText(TextKind::gkCupsVer, Language::English), "Cups with Los");
}

TEST(TextKind, BarShowsFreeValueNothingOrItsText) {
    EXPECT_EQ(barText(TextKind::gkFreeValue, Language::German, -15), "-15");
    EXPECT_EQ(barText(TextKind::gkNone, Language::English, 3), "");
    EXPECT_EQ(barText(TextKind::gkGuthaben, Language::English, 3), "Asset");
    EXPECT_EQ(barText(static_cast<TextKind>(27), Language::German, 0), "");
}

} // namespace
} // namespace quendra
