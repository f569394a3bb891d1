// The numbered message boxes: exact texts in both languages, their frames and the fallback box.
#include "text/FileLine.h"
#include "text/MessageBox.h"

#include <gtest/gtest.h>
#include <set>
#include <vector>

namespace quendra {
namespace {

constexpr auto De = Language::German;
constexpr auto En = Language::English;

enum class List { Error, Question, Info, Warning };

// One entry point for every list; the argument is the value or the text, as the list takes it.
MessageBoxData boxOf(List list, int number, Language language, std::string_view argument = "0") {
    switch (list) {
    case List::Error:
        return errorBox(number, language, std::stoi(std::string(argument)));
    case List::Question:
        return questionBox(number, language);
    case List::Info:
        return infoBox(number, language, argument);
    case List::Warning:
        return warningBox(number, language, std::stoi(std::string(argument)));
    }
    return {};
}

struct TextCase {
    List list;
    int number;
    Language language;
    std::string_view argument;
    std::string_view text;
};

TEST(MessageBox, TextsAreExactInBothLanguages) {
    const TextCase cases[] = {
        {List::Error, 3, De, "12", "Zeile 12 hat keinen Abschluß!"},
        {List::Error, 3, En, "12", "line 12 have not end!"},
        {List::Error, 14, De, "99",
         "In der Analysedatei wurde eine ungültige Roulettezahl (99) gefunden!\r"
         "Abbruch der Analyse!"},
        {List::Error, 14, En, "-3",
         "The analysis file contain a invalid roulette number (-3)!\rAnalysis aborted!"},
        {List::Error, 19, De, "0",
         "Im Analysefile wurde eine ungültige Zeichenreihe (gültig: 0,00-36) oder eine "
         "ungültige Kommentarzeile gefunden!\rAbbruch der Analyse!"},
        {List::Error, 4, En, "0", "It is not possible to create the outputfile !"},
        {List::Question, 2, De, "",
         "Sicherungsverzeichnis besteht bereits - Soll der Inhalt überschrieben werden?"},
        {List::Question, 3, En, "", "Should the actual game really stopped?"},
        {List::Info, 1, En, "C:\\SYSIN\\JUNI.TXT",
         "Loadfile C:\\SYSIN\\JUNI.TXT\r not found and will not be added to the analyse!"},
        {List::Info, 2, De, "",
         "Warnung! Limit von 32000 Würfen für die Statistik wurde erreicht - eine weitere "
         "Aufzeichnung ist nicht möglich!"},
        {List::Info, 5, De, "3.9", "Neue Version vom Quendra (V3.9) verfügbar!"},
        {List::Info, 13, En, "", "End of loadfile(s) reached.\rQuendra is set into break modus!"},
        // A text argument is set in as it stands, never read as a placeholder itself.
        {List::Info, 12, De, "100%v %t.txt", "Konvertierungsfehler in der Datei: 100%v %t.txt"},
        {List::Warning, 8, De, "0",
         "Bitte zuerst das Spiel über den Menüpunkt \"Start\" oder F2 starten!"},
        {List::Warning, 8, En, "0",
         "Please start the game with the menue point \"Start\" or F2 as first!"},
        {List::Warning, 10, De, "1250",
         "Setzung konnte auf Grund Kapitalmangel nicht durchgeführt werden!\r"
         "Notwendiges Kapital wären 1250 Einheiten!"},
        {List::Warning, 16, En, "4",
         "Reset of Systemgame of player 4 - Reason: Change of Systemplayfile!"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << static_cast<int>(c.list) << " #" << c.number);
        EXPECT_EQ(boxOf(c.list, c.number, c.language, c.argument).text, c.text);
    }
}

TEST(MessageBox, EachListHasItsTitleIconAndButtons) {
    const MessageBoxData error{MessageKind::Error, "Systemerror - Quendra", MessageIcon::Error,
                               MessageButtons::Ok, "line 7 have not end!"};
    EXPECT_EQ(errorBox(3, En, 7), error);
    EXPECT_EQ(errorBox(3, De, 7).title, "Systemerror - Quendra");

    EXPECT_EQ(
        questionBox(1, De),
        (MessageBoxData{MessageKind::Question, "Quendra Info", MessageIcon::Question,
                        MessageButtons::YesNo, "Soll der Updatecheck jetzt durchgeführt werden?"}));
    EXPECT_EQ(infoBox(11, En, ""),
              (MessageBoxData{MessageKind::Info, "Quendra Info", MessageIcon::Exclamation,
                              MessageButtons::Ok, "Conversion done!"}));
    EXPECT_EQ(warningBox(7, De, 0),
              (MessageBoxData{MessageKind::Warning, "Quendra Info", MessageIcon::Exclamation,
                              MessageButtons::Ok, "Maximale Anzahl der Analysedaten erreicht!"}));
}

TEST(MessageBox, Error8NamesTheMainLoadFileShortenedByOneFolder) {
    FileLineNames names;
    names.mainLoadFile = "C:\\Roulette\\Tische\\Casino\\Monat\\Juni\\perm2024.txt";
    const auto line = fileLine(FileSelector::MainLoadFile, names);
    ASSERT_TRUE(line.has_value());
    ASSERT_EQ(line->size(), 50u);

    EXPECT_EQ(errorBox(8, De, 0, line).text, "C:\\...\\Tische\\Casino\\Monat\\Juni\\perm2024.txt\r"
                                             "als Hauptladedatei nicht vorhanden!");
}

TEST(MessageBox, Error1NamesThePlayerWithoutFileLine) {
    const FileLineNames names;
    EXPECT_EQ(errorBox(1, De, 2, fileLine(FileSelector::None, names)).text,
              "Systemspieldatei des Spielers 2 nicht vorhanden!");
    EXPECT_EQ(errorBox(1, En, 2).text, "Systemplayfile of player 2 not exist!");
}

TEST(MessageBox, Warning15StaysGermanInEnglish) {
    const std::string german = "Da keine Einheitensetzung durchgeführt worden ist, werden die "
                               "Setzungen mit einem Stück durchgeführt!";
    EXPECT_EQ(warningBox(15, De, 0).text, german);
    EXPECT_EQ(warningBox(15, languageFromIndex(1), 0).text, german);
}

TEST(MessageBox, Info3PutsTheLimitFirstAndTheFieldSecond) {
    EXPECT_EQ(infoBox(3, De, "PL05 50").text, "Maximaler Chetonwert (50) erreicht (PL05)!");
    EXPECT_EQ(infoBox(3, En, "PL05 50").text, "Maximum of cheton value (50) reached (PL05)!");
    // Only the first blank splits; without one, everything is the field.
    EXPECT_EQ(infoBox(3, De, "EC01 50 x").text, "Maximaler Chetonwert (50 x) erreicht (EC01)!");
    EXPECT_EQ(infoBox(3, De, "PL05").text, "Maximaler Chetonwert () erreicht (PL05)!");
}

struct ListRange {
    List list;
    MessageKind kind;
    int last;
    std::set<int> listed;
};

TEST(MessageBox, EveryNumberNotListedGivesTheFallbackBox) {
    const ListRange lists[] = {
        {List::Error, MessageKind::Error, 22, {1,  2,  3,  4,  5,  6,  7,  8,  9,  11,
                                               13, 14, 15, 16, 17, 18, 19, 20, 21, 22}},
        {List::Question, MessageKind::Question, 3, {1, 2, 3}},
        {List::Info, MessageKind::Info, 13, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13}},
        {List::Warning, MessageKind::Warning, 18, {1, 3, 4, 6, 7, 8, 10, 15, 16, 18}},
    };
    for (const auto& range : lists) {
        // The numbers the list reports are exactly those it shows a text for.
        EXPECT_EQ(messageNumbers(range.kind),
                  std::vector<int>(range.listed.begin(), range.listed.end()));
        for (int number = -1; number <= range.last + 1; ++number) {
            SCOPED_TRACE(testing::Message() << static_cast<int>(range.list) << " #" << number);
            const auto box = boxOf(range.list, number, De);
            EXPECT_EQ(box.kind == MessageKind::ProgramError, !range.listed.contains(number));
        }
    }
}

TEST(MessageBox, FallbackBoxNamesTheNumber) {
    EXPECT_EQ(warningBox(19, De, 5),
              (MessageBoxData{MessageKind::ProgramError, "Programfehler", MessageIcon::Error,
                              MessageButtons::Ok, "Undefinierte Systeminfomeldung 19 !"}));
    EXPECT_EQ(questionBox(0, En),
              (MessageBoxData{MessageKind::ProgramError, "Program Error", MessageIcon::Error,
                              MessageButtons::Ok, "Undefinable system info message 0 !"}));
    EXPECT_EQ(infoBox(14, En, "x").text, "Undefinable system info message 14 !");
    EXPECT_EQ(warningBox(2, De, 0).text, "Undefinierte Systeminfomeldung 2 !");
    // An error fallback carries no file line.
    EXPECT_EQ(errorBox(10, De, 0, std::string("C:\\SYSIN\\a.txt\r")).text,
              "Undefinierte Fehlermeldung 10 !");
    EXPECT_EQ(errorBox(23, En, 0).text, "Undefinable error message 23 !");
}

} // namespace
} // namespace quendra
