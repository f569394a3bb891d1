// Texts of the numbered message lists and how a box is composed from them.
#include "text/MessageBox.h"

#include "text/FileLine.h"

#include <algorithm>
#include <span>
#include <utility>

namespace quendra {
namespace {

// In the texts, %v stands for the value argument, %t for the text argument, and %a / %b for the
// text argument's parts before and after its first blank.
struct CatalogueEntry {
    int number;
    BilingualText text;
};

constexpr CatalogueEntry ErrorTexts[] = {
    {1,
     {"Systemspieldatei des Spielers %v nicht vorhanden!",
      "Systemplayfile of player %v not exist!"}},
    {2,
     {"Kommentar in Zeile %v nicht richig abgeschlossen!",
      "Comment in line %v not correct finished!"}},
    {3, {"Zeile %v hat keinen Abschluß!", "line %v have not end!"}},
    {4,
     {"Ausgabedatei konnte nicht angelegt werden!",
      "It is not possible to create the outputfile !"}},
    {5, {"Ungültiger Ausgabedateinamen!", "invalid Outputfilename!"}},
    {6,
     {"Jahresstatistikdatei konnte nicht angelegt werden!",
      "It is not possible to create the year statistics file!"}},
    {7, {"Interne Steuerdatei nicht vorhanden!", "internal control file not found!"}},
    {8, {"als Hauptladedatei nicht vorhanden!", "as Mainloadfile not exist!"}},
    {9, {"als Folgeladedatei nicht vorhanden!", "as Followloadfile not exist!"}},
    {11, {"als Sammelladedatei nicht vorhanden!", "as Collectloadfile not exist!"}},
    {13, {"Permanenzdatei nicht vorhanden!", "Permanenz file not exist!"}},
    {14,
     {"In der Analysedatei wurde eine ungültige Roulettezahl (%v) gefunden!\r"
      "Abbruch der Analyse!",
      "The analysis file contain a invalid roulette number (%v)!\rAnalysis aborted!"}},
    {15, {"konnte nicht geöffnet werden!", "not possible to open!"}},
    {16, {"konnte nicht geschrieben werden!", "not possible to write!"}},
    {17,
     {"Im Analysefile wurde eine ungültige Zeichenreihe (gültig: 0-36) oder eine ungültige "
      "Kommentarzeile gefunden!\rAbbruch der Analyse!",
      "The analysis file contain a invalid number row (valid: 0-36)!\rAnalysis aborted!"}},
    {18,
     {"Ausgabedatei wird bereits von einem anderen Systemspieler verwendet!",
      "the choosen Outputfile is used by a other system player!"}},
    {19,
     {"Im Analysefile wurde eine ungültige Zeichenreihe (gültig: 0,00-36) oder eine "
      "ungültige Kommentarzeile gefunden!\rAbbruch der Analyse!",
      "The analysis file contain a invalid number row (valid: 0,00-36)!\rAnalysis aborted!"}},
    {20,
     {"Sicherungsverzeichnis 'SAV' konnte nicht angelegt werden - Konvertierung abgebrochen!",
      "It is not possible to create the SAV directory - conversion stopped!"}},
    {21,
     {"Sicherung der Files konnte nicht durchgeführt werden - Konvertierung abgebrochen!",
      "Saving of the files not possible - conversion stopped!"}},
    {22,
     {"Das Sammelladefile konnte nicht angelegt werden!", "The collectloadfile can not created!"}},
};

constexpr CatalogueEntry QuestionTexts[] = {
    {1, {"Soll der Updatecheck jetzt durchgeführt werden?", "Should the update check now done?"}},
    {2,
     {"Sicherungsverzeichnis besteht bereits - Soll der Inhalt überschrieben werden?",
      "Save directory exist - should the content override?"}},
    {3,
     {"Soll das aktuelle Spiel wirklich beendet werden?",
      "Should the actual game really stopped?"}},
};

constexpr CatalogueEntry InfoTexts[] = {
    {1,
     {"Ladedatei %t\r wurde nicht gefunden und wird nicht in die Analyse aufgenommen!",
      "Loadfile %t\r not found and will not be added to the analyse!"}},
    {2,
     {"Warnung! Limit von 32000 Würfen für die Statistik wurde erreicht - eine weitere "
      "Aufzeichnung ist nicht möglich!",
      "Warning! Limit of 32000 Cups for statistics reached - record of more data is not "
      "possible!"}},
    {3, {"Maximaler Chetonwert (%b) erreicht (%a)!", "Maximum of cheton value (%b) reached (%a)!"}},
    {4,
     {"Der gewünschte automatischer Versionscheck war nicht möglich/erfolgreich (Grund: das "
      "lokale Versionsfile wurde nicht gefunden)!",
      "Your wish for a automatic version check was not possible/successful (Reason: local "
      "version file not exist)!"}},
    {5, {"Neue Version vom Quendra (V%t) verfügbar!", "New Version of Quendra (V%t) available!"}},
    {6,
     {"Neuer Quendra Programm Update (V%t) verfügbar!",
      "New Quendra Programm Update (V%t) available!"}},
    {7,
     {"Neuer Quendra Deutsches Hilfefile Update (V%t) verfügbar!",
      "New Quendra German Helpfile Update (V%t) available!"}},
    {8,
     {"Neuer Quendra Englisches Hilfefile Update (V%t) verfügbar!",
      "New Quendra English Helpfile Update (V%t) available!"}},
    {9,
     {"Der gewünschte automatischer Versionscheck war nicht möglich/erfolgreich (Grund: "
      "Internetverbindung war nicht möglich)!",
      "Your wish for a automatic version check was not possible/successful (Reason: internet "
      "connection not possible)!"}},
    {10,
     {"Kein Update erforderlich! Aktuelle Version installiert!",
      "No update necessary! Actual version installed!"}},
    {11, {"Konvertierung fertig!", "Conversion done!"}},
    {12, {"Konvertierungsfehler in der Datei: %t", "Convert error in file: %t"}},
    {13,
     {"Ende der Ladedatei(en) erreicht.\rQuendra wurde in den Pause Modus versetzt!",
      "End of loadfile(s) reached.\rQuendra is set into break modus!"}},
};

constexpr std::string_view Warning15 = "Da keine Einheitensetzung durchgeführt worden ist, werden "
                                       "die Setzungen mit einem Stück durchgeführt!";

constexpr CatalogueEntry WarningTexts[] = {
    {1,
     {"Bitte zuerst Systemspieldatei aktivieren!", "Please activate as first the Systemplayfile!"}},
    {3,
     {"Systemspieldatei %v konnte nicht aktiviert werden!",
      "Activation of Systemplayfile %v not possible!"}},
    {4,
     {"Ausgabedatei %v konnte nicht aktiviert werden!",
      "Activation of Outputfile %v not possible!"}},
    {6, {"Bitte zuerst Hauptladedatei selektieren!", "Please select as first the Mainloadfile!"}},
    {7, {"Maximale Anzahl der Analysedaten erreicht!", "Maximum number of analyse data reached!"}},
    {8,
     {"Bitte zuerst das Spiel über den Menüpunkt \"Start\" oder F2 starten!",
      "Please start the game with the menue point \"Start\" or F2 as first!"}},
    {10,
     {"Setzung konnte auf Grund Kapitalmangel nicht durchgeführt werden!\rNotwendiges "
      "Kapital wären %v Einheiten!",
      "The set of chetons is not possible! Reason: Not enough capital!\rNecessary capital: "
      "%v units!"}},
    {15, {Warning15, Warning15}},
    {16,
     {"Systemspiel des Spielers %v wurde zurückgesetzt - aufgrund Änderungen im "
      "Systemspielfile!",
      "Reset of Systemgame of player %v - Reason: Change of Systemplayfile!"}},
    {18,
     {"Replay Stop! Grund: Spieler %v hat für ein Replay nicht genug Guthaben!",
      "Replay stop! Reason: player %v have not enough assets for replay!"}},
};

constexpr std::string_view ErrorTitle = "Systemerror - Quendra";
constexpr std::string_view InfoTitle = "Quendra Info";
constexpr BilingualText FallbackTitle{"Programfehler", "Program Error"};
constexpr BilingualText UndefinedError{"Undefinierte Fehlermeldung ", "Undefinable error message "};
constexpr BilingualText UndefinedInfo{"Undefinierte Systeminfomeldung ",
                                      "Undefinable system info message "};

struct Arguments {
    std::string value;
    std::string_view text;
};

const BilingualText* findText(std::span<const CatalogueEntry> list, int number) {
    const auto entry = std::ranges::find(list, number, &CatalogueEntry::number);
    return entry == list.end() ? nullptr : &entry->text;
}

std::string fillIn(std::string_view pattern, const Arguments& arguments) {
    const auto blank = arguments.text.find(' ');
    const auto before = arguments.text.substr(0, blank);
    const auto after =
        blank == std::string_view::npos ? std::string_view{} : arguments.text.substr(blank + 1);
    std::string text;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] != '%' || i + 1 == pattern.size()) {
            text += pattern[i];
            continue;
        }
        switch (pattern[++i]) {
        case 'v':
            text += arguments.value;
            break;
        case 't':
            text += arguments.text;
            break;
        case 'a':
            text += before;
            break;
        case 'b':
            text += after;
            break;
        default:
            text += '%';
            text += pattern[i];
        }
    }
    return text;
}

MessageBoxData fallbackBox(int number, Language language, const BilingualText& undefined) {
    return {MessageKind::ProgramError, std::string(FallbackTitle[language]), MessageIcon::Error,
            MessageButtons::Ok, std::string(undefined[language]) + std::to_string(number) + " !"};
}

} // namespace

MessageBoxData errorBox(int number, Language language, int value,
                        const std::optional<std::string>& fileLine) {
    const auto* pattern = findText(ErrorTexts, number);
    if (pattern == nullptr) {
        return fallbackBox(number, language, UndefinedError);
    }
    std::string text = fileLine ? shortenFileLine(*fileLine) : std::string();
    text += fillIn((*pattern)[language], {std::to_string(value), {}});
    return {MessageKind::Error, std::string(ErrorTitle), MessageIcon::Error, MessageButtons::Ok,
            std::move(text)};
}

MessageBoxData questionBox(int number, Language language) {
    const auto* pattern = findText(QuestionTexts, number);
    if (pattern == nullptr) {
        return fallbackBox(number, language, UndefinedInfo);
    }
    return {MessageKind::Question, std::string(InfoTitle), MessageIcon::Question,
            MessageButtons::YesNo, std::string((*pattern)[language])};
}

MessageBoxData infoBox(int number, Language language, std::string_view text) {
    const auto* pattern = findText(InfoTexts, number);
    if (pattern == nullptr) {
        return fallbackBox(number, language, UndefinedInfo);
    }
    return {MessageKind::Info, std::string(InfoTitle), MessageIcon::Exclamation, MessageButtons::Ok,
            fillIn((*pattern)[language], {{}, text})};
}

MessageBoxData warningBox(int number, Language language, int value) {
    const auto* pattern = findText(WarningTexts, number);
    if (pattern == nullptr) {
        return fallbackBox(number, language, UndefinedInfo);
    }
    return {MessageKind::Warning, std::string(InfoTitle), MessageIcon::Exclamation,
            MessageButtons::Ok, fillIn((*pattern)[language], {std::to_string(value), {}})};
}

std::vector<int> messageNumbers(MessageKind kind) {
    std::span<const CatalogueEntry> list;
    switch (kind) {
    case MessageKind::Error:
        list = ErrorTexts;
        break;
    case MessageKind::Question:
        list = QuestionTexts;
        break;
    case MessageKind::Info:
        list = InfoTexts;
        break;
    case MessageKind::Warning:
        list = WarningTexts;
        break;
    default:
        return {};
    }
    std::vector<int> numbers;
    numbers.reserve(list.size());
    for (const CatalogueEntry& entry : list) {
        numbers.push_back(entry.number);
    }
    return numbers;
}

} // namespace quendra
