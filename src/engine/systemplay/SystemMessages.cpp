// The numbered messages of a system run in both languages.
#include "systemplay/SystemMessages.h"

#include <algorithm>
#include <array>

namespace quendra {
namespace {

constexpr std::array Messages = std::to_array<SystemMessageText>({
    {0, {" Ungültige Sektion!", "Section not valid!"}},
    {1, {" IF oder SZ erwartet!", " IF or SZ expected!"}},
    {2, {" Numerischer Wert erwartet!", " Numeric value expected!"}},
    {3, {" Unmöglicher SZ Wert!", " Impossible SZ value!"}},
    {4, {" Keine gültige SZ Aktion!", " SZ action not valid!"}},
    {5, {" Keine gültige IF Aktion!", " IF action not valid!"}},
    {6, {" ',' oder ';' erwartet!", " ',' or ';' expected!"}},
    {7, {" Ungültige Steigerungstabelle!", " Risetable not valid!"}},
    {8, {" Ungültiger Counter(00-99)!", " Counter(00-99) not valid!"}},
    {9, {" Ungültige Abbruchbedingung!", " Abort condition not valid!"}},
    {12, {" Ungültiger Abbruchwert!", " Abort value not valid!"}},
    {13, {" Ungültige Argumentensyntax!", " Argument syntax not valid!"}},
    {14, {" Unmöglicher AG Wert!", " Impossible AG value!"}},
    {15, {" Zuwenig Steigerungswerte!", " Too little rise values!"}},
    {16, {" Ungültiger Steigerungswert!", " Rise value not valid!"}},
    {17, {" Zuviele Steigerungselemente!", " Too many rise values!"}},
    {18, {" Ungültige Steigerungssyntax!", " Rise syntax not valid!"}},
    {19, {" Überprüfung auf GZ nicht möglich!", " Check on GZ not possible!"}},
    {20, {" Überprüfung auf VZ nicht möglich!", " Check on VZ not possible!"}},
    {21, {" Ungültige IF Syntax!", " IF syntax not valid!"}},
    {22, {" Abbruchb. in falscher Sektion!", " Abort condition in wrong section!"}},
    {23, {" Ungültiger Einheitenwert!", " Unit value not valid!"}},
    {24, {" Ungültige Einheitensyntax!", " Unit syntax not valid!"}},
    {25, {" IF Aktion erwartet!", " IF action expected!"}},
    {26, {" Aktion erwartet!", " Action expected!"}},
    {27, {" Ungültige Klammersetzung!", " Set of bracket not valid!"}},
    {28, {" Ungültiger Argumententabellenwert!", " Argument table value not valid!"}},
    {29, {" Ungültiger Countersetzwert!", " Counter value not valid!"}},
    {30, {" Ungültige Countersyntax!", " Counter syntax not valid!"}},
    {31, {" Ungültige Abbruchkombination!", " Reset condition combination not valid!"}},
    {32, {" Ungültige Steigerungstabelle!", " Risetable not valid!"}},
    {33, {" Unmöglicher Überprüfungswert!", " Inpossible check value!"}},
    {34, {" Ungültige Abbruchsyntax!", " Abort syntax not valid!"}},
    {35, {" Steigerungstabelle erwartet!", " Risetable expected!"}},
    {36, {" Counter erwartet!", " Counter expected!"}},
    {37, {" Überprüfung auf V0 nicht möglich!", " Check on V0 not possible!"}},
    {38, {" Überprüfung auf V1 nicht möglich!", " Check on V1 not possible!"}},
    {39, {" Überprüfung auf V2 nicht möglich!", " Check on V2 not possible!"}},
    {40, {" Überprüfung auf V3 nicht möglich!", " Check on V3 not possible!"}},
    {41, {" Überprüfung auf V4 nicht möglich!", " Check on V4 not possible!"}},
    {42, {" Überprüfung auf V5 nicht möglich!", " Check on V5 not possible!"}},
    {43, {" Überprüfung auf V6 nicht möglich!", " Check on V6 not possible!"}},
    {44, {" Überprüfung auf V7 nicht möglich!", " Check on V7 not possible!"}},
    {45, {" Überprüfung auf V8 nicht möglich!", " Check on V8 not possible!"}},
    {46, {" Überprüfung auf V9 nicht möglich!", " Check on V9 not possible!"}},
    {50, {" KOMPLETT STmax erreicht!", " COMPLETE STmax reached!"}},
    {51, {" STmax wurde erreicht!", " STmax reached!"}},
    {52, {" EINZEL STmax erreicht!", " Single STmax erreicht!"}},
    {53, {" Verlustgrenze wurde erreicht!", " Loss border reached!"}},
    {54, {" Gewinngrenze wurde erreicht!", " Profit border reached!"}},
    {55, {" Cupgrenze wurde erreicht!", " Cup border reached!"}},
    {56, {" Permanenzende wurde erreicht!", " Permanence end reached!"}},
    {57, {" STOP durch Anwender!", " STOP by user!"}},
    {80, {" RZ Syntax falsch - Klammer erwartet!", " RZ syntax wrong - bracket expected!"}},
    {81,
     {" RZ Syntax falsch - Ungültige Anzahl der zu prüfenden Roulette Würfe (2-11)!",
      " RZ syntax wrong - Count of to checked roulette throws is invalid (2-11)!"}},
    {82, {" RZ Syntax falsch - Schrägstrich erwartet!", " RZ syntax wrong - Slash expected!"}},
    {83,
     {" RZ Syntax falsch - Count Zahl erwartet (1-12)!",
      " RZ syntax wrong - Count number expected!"}},
    {84, {" RZ Syntax falsch!", " RZ syntax wrong!"}},
    {85,
     {" RZ Syntax falsch - Count Bedingung erwartet!",
      " RZ syntax wrong - Count condition expected!"}},
    {86,
     {" RZ Syntax falsch - Suchrichtung erwartet!",
      " RZ syntax wrong - Search direction expected!"}},
    {87,
     {" Statistikfunktion für diesen Bereich nicht zuläßig!",
      " Statistik function for this area not allowed!"}},
    {88, {" Schlüsselwort 'RESULT' erwartet!", " Keyword 'RESULT' expected!"}},
    {90, {" Schlüsselwort 'SZ' erwartet!", " Keyword 'SZ' expected!"}},
    {91,
     {" Counter oder Setzaktion ungleich zur Überprüfungsaktion!",
      " Counter or setaction unequal to checkaction!"}},
    {92,
     {" RZ Syntax falsch - Bei Direktsetzung ist keine Angabe der Position erlaubt!",
      " RZ syntax wrong - By direct set a definition of the position is not allowed!"}},
    {93, {" Message Syntax falsch!", " Message Syntax wrong!"}},
    {94, {" RZ Syntax falsch!", " RZ Syntax wrong!"}},
    {95,
     {" UZ Syntax falsch - Direkt angabe nicht erlaubt!",
      " UZ Syntax wrong - direct instruction not allowed!"}},
    {100,
     {" Unmöglicher SZ Wert!\rDieser SZ Wert kann auf diesem Typ von Spieltisch nicht gesetzt "
      "werden!",
      " Impossible SZ value!\rThat SZ value can not be played on this type of playtable!"}},
    {120, {"PT Syntax falsch!", "PT syntax wrong!"}},
    {121, {"Ungültige Play Tabelle!", "Play table not valid!"}},
});

} // namespace

std::span<const SystemMessageText> systemMessages() {
    return Messages;
}

const SystemMessageText* findSystemMessage(int number) {
    const auto found = std::lower_bound(
        Messages.begin(), Messages.end(), number,
        [](const SystemMessageText& message, int wanted) { return message.number < wanted; });
    return found != Messages.end() && found->number == number ? &*found : nullptr;
}

} // namespace quendra
