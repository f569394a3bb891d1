// The texts of the tournament's three dialogs. They exist in German only: the tournament's
// ranking is published in German.
#pragma once

#include <string_view>

namespace quendra {

inline constexpr std::string_view TournamentCaption = "Quendra Turnier";

// `TRoulette_Turnier`: the rules, the prizes, the duration and where the ranking appears.
inline constexpr std::string_view TournamentHeading = "Quendra Turnier";
inline constexpr std::string_view TournamentRulesTitle = "Turnierregeln:";
inline constexpr std::string_view TournamentRules[] = {
    "Es soll mit einer bestimmten Startsumme (1000 Stück) in einer bestimmten",
    "Anzahl von Durchgängen (20 Würfe)  so viele Stück wie möglich gemacht",
    "werden. ",
};
inline constexpr std::string_view TournamentNotes[] = {
    "Preise: Die drei besten Ergebnisse einer Turnierrunde erhalten je eine",
    "Vollversion von Quendra.",
    "Dauer: Eine Turnierrunde dauert einen Monat.",
    "Weitere Informationen und die Rangliste finden Sie im Quendra-Forum.",
};
inline constexpr std::string_view TournamentStartButton = "Start";
inline constexpr std::string_view TournamentCancelButton = "Cancel";

// `TTurnierende`.
inline constexpr std::string_view TournamentEndTitle = "Gratulation!";
inline constexpr std::string_view TournamentEndBefore = "Sie konnten das Turnier mit insgesamt ";
inline constexpr std::string_view TournamentEndAfter = "beenden!";
inline constexpr std::string_view TournamentEndRequest =
    "Bitte senden Sie die folgenden Angaben per Mail an das Quendra-Turnier:";
inline constexpr std::string_view TournamentDateLabel = "Datum/Uhrzeit:";
inline constexpr std::string_view TournamentPiecesLabel = "Stückanzahl:";
inline constexpr std::string_view TournamentControlLabel = "Kontrollnummer:";
inline constexpr std::string_view TournamentNameLabel = "Inizialen/Nickname:";
inline constexpr std::string_view TournamentEndNotes[] = {
    "Die zehn besten Ergebnisse werden im Quendra-Forum veröffentlicht,",
    "die drei Gewinner werden per Mail benachrichtigt.",
};

// `TTurnierverloren`.
inline constexpr std::string_view TournamentLostTitle = "Leider verloren!";
inline constexpr std::string_view TournamentLostLines[] = {
    "Sie haben leider diese Turnier-Runde auf Grund Geldmangel verloren!",
    "Sollten Sie es noch einmal versuchen wollen, wünsche ich Ihnen noch",
    "viel Glück!",
};
inline constexpr std::string_view TournamentCloseButton = "Beenden";

} // namespace quendra
