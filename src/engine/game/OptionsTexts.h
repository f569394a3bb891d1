// The captions, list items and input-error texts of the options dialog `TOptionen`.
#pragma once

#include "text/Language.h"

#include <array>
#include <string_view>

namespace quendra {

inline constexpr BilingualText OptionsCaption{"Optionen", "Options"};
inline constexpr BilingualText PlayerCountCaption{"Spieleranzahl", "Count of players"};
// "1 Spieler" ... "4 Spieler": the number and this.
inline constexpr BilingualText PlayerRadioSuffix{" Spieler", " player"};
inline constexpr BilingualText GeneralOptionsCaption{"Allgemeine Optionen", "General option"};
inline constexpr BilingualText LanguageCaption{"Sprache", "Language"};
inline constexpr BilingualText DelayCaption{"Zeitbalkenverzögerung (in %)", "Timebar delay (in %)"};
inline constexpr BilingualText ManualTimeBarCaption{"Manueller Zeitbalken", "Manual timebar"};
inline constexpr BilingualText StartScreenOffCaption{"Startbildschirm abschalten",
                                                     "Startscreen switch off"};
inline constexpr BilingualText ShowDollyCaption{"Dolly anzeigen", "Display dolly"};
inline constexpr BilingualText ShowSelectionCaption{"Selektion anzeigen", "Display selection"};
inline constexpr BilingualText TableCaption{"Spieltisch", "Table"};
inline constexpr BilingualText FrenchTableCaption{"französischer Tisch", "French table"};
inline constexpr BilingualText AmericanTableCaption{"amerikanischer Tisch", "American table"};
inline constexpr BilingualText PlayerOptionsCaption{"Spieler Optionen", "Player option"};
inline constexpr BilingualText InitialCapitalCaption{"Anfangskapital", "Initial capital"};
inline constexpr BilingualText PiecesCaption{"Stück", "Piece"};
inline constexpr BilingualText RealCaption{"real", "real"};
inline constexpr BilingualText PieceValueCaption{"zu", "to"};
inline constexpr BilingualText ChipLimitCaption{"Jeton Obergrenze", "Jeton upper limit"};
inline constexpr BilingualText ChipLimitAtCaption{"bei", "at"};
inline constexpr BilingualText ReplayStopCaption{"Replay Stop", "Replay Stop"};
inline constexpr BilingualText TipRuleCaption{"Angestellten Stück", "Tip"};
inline constexpr BilingualText StatCommentCaption{"Stat. Kommentar", "Statistics comment"};
inline constexpr BilingualText ClickSoundCaption{"Klickton", "Clicknote"};
inline constexpr BilingualText WinPiecesCaption{"Gewinnstücke zum Gewinn",
                                                "Profitpieces to profit"};
inline constexpr BilingualText ExtendedStatisticsCaption{"Erweiterte Statistik",
                                                         "Expanded statistics"};
inline constexpr BilingualText YearStatisticsCaption{"Jahresstatistik", "Year statistics"};
inline constexpr BilingualText ZeroHandlingCaption{"Zerobehandlung", "Zero handling"};
inline constexpr BilingualText SingleColourCaption{"Jetons einfärbig", "Chips single color"};
inline constexpr BilingualText EditorOptionsCaption{"Editor Optionen", "Editor option"};
inline constexpr BilingualText ShowSyntaxCaption{"Syntax anzeigen", "Display Syntax"};
inline constexpr BilingualText AutoUpdateCaption{"automatischer Updatecheck",
                                                 "automatic update check"};
inline constexpr BilingualText NextCheckCaption{"Nächstes Prüfdatum", "Next check date"};
inline constexpr BilingualText OkCaption{"OK", "OK"};
inline constexpr BilingualText CancelCaption{"Cancel", "Cancel"};
inline constexpr BilingualText DefaultCaption{"Default", "Default"};

inline constexpr std::array<std::string_view, 2> LanguageItems{"Deutsch", "English"};
inline constexpr std::array<std::string_view, 3> TipRuleItems{"OFF", "PL", "PL-CH"};
inline constexpr std::array<BilingualText, 5> UpdateIntervalItems{{
    {"jedes Monat", "every month"},
    {"alle 2 Monate", "every 2 month"},
    {"alle 3 Monate", "every 3 month"},
    {"alle 6 Monate", "every 6 month"},
    {"jedes Jahr", "every year"},
}};

inline constexpr BilingualText CapitalRangeTitle{"Eingabefehler", "Input Error"};
inline constexpr BilingualText InputMistakeTitle{"Eingabefehler", "Input mistake"};
// Followed by "(" minimum "-" maximum ")!".
inline constexpr BilingualText RangeMessage{"Falscher Wertebereich ", "Range not valid "};
inline constexpr BilingualText DelayRangeMessage{"Falscher Wertebereich (1-100)!",
                                                 "Wrong range (1-100) !"};
inline constexpr BilingualText TipRuleInputMessage{
    "Unzuläßige Eingabe!\rZuläßige Werte : OFF,PL,PL-CH !",
    "Illegal input!\rCorrect values : OFF,PL,PL-CH !"};
inline constexpr BilingualText LanguageInputMessage{
    "Unzuläßige Eingabe!\rZuläßige Werte : Deutsch,English !",
    "Illegal input!\rCorrect values : Deutsch,English"};

} // namespace quendra
