// The numbered messages a system run raises, with their German and English texts.
#pragma once

#include "text/Language.h"

#include <span>

namespace quendra {

// Message numbers by name.
namespace SystemMessage {
inline constexpr int InvalidSection = 0;
inline constexpr int IfOrSzExpected = 1;
inline constexpr int NumericExpected = 2;
inline constexpr int ImpossibleSzValue = 3;
inline constexpr int InvalidSzAction = 4;
inline constexpr int InvalidIfAction = 5;
inline constexpr int CommaOrSemicolonExpected = 6;
inline constexpr int InvalidRiseTable = 7;
inline constexpr int InvalidCounter = 8;
inline constexpr int InvalidAbortCondition = 9;
inline constexpr int InvalidAbortValue = 12;
inline constexpr int InvalidArgumentSyntax = 13;
inline constexpr int ImpossibleAgValue = 14;
inline constexpr int TooFewRiseValues = 15;
inline constexpr int InvalidRiseValue = 16;
inline constexpr int TooManyRiseValues = 17;
inline constexpr int InvalidRiseSyntax = 18;
inline constexpr int CheckOnGzImpossible = 19;
inline constexpr int CheckOnVzImpossible = 20;
inline constexpr int InvalidIfSyntax = 21;
inline constexpr int AbortInWrongSection = 22;
inline constexpr int InvalidUnitValue = 23;
inline constexpr int InvalidUnitSyntax = 24;
inline constexpr int IfActionExpected = 25;
inline constexpr int ActionExpected = 26;
inline constexpr int InvalidBrackets = 27;
inline constexpr int InvalidArgumentEntry = 28;
inline constexpr int InvalidCounterValue = 29;
inline constexpr int InvalidCounterSyntax = 30;
inline constexpr int InvalidAbortCombination = 31;
inline constexpr int InvalidUnitRiseTable = 32;
inline constexpr int ImpossibleCheckValue = 33;
inline constexpr int InvalidAbortSyntax = 34;
inline constexpr int RiseTableExpected = 35;
inline constexpr int CounterExpected = 36;
inline constexpr int CheckOnV0Impossible = 37; // V1-V9 follow: 38-46
inline constexpr int CompleteStmaxReset = 50;
inline constexpr int StmaxReached = 51;
inline constexpr int SingleStmaxReset = 52;
inline constexpr int LossLimit = 53;
inline constexpr int ProfitLimit = 54;
inline constexpr int CoupLimit = 55;
inline constexpr int PermanenceEnd = 56;
inline constexpr int StopByUser = 57;
inline constexpr int RzBracketExpected = 80;
inline constexpr int RzInvalidWindow = 81;
inline constexpr int RzSlashExpected = 82;
inline constexpr int RzCountExpected = 83;
inline constexpr int RzSyntax = 84;
inline constexpr int RzCountConditionExpected = 85;
inline constexpr int RzDirectionExpected = 86;
inline constexpr int RzKindNotAllowed = 87;
inline constexpr int ResultExpected = 88;
inline constexpr int SzExpected = 90;
inline constexpr int ResultActionMismatch = 91;
inline constexpr int RzPositionNotAllowed = 92;
inline constexpr int MessageSyntax = 93;
inline constexpr int RzSyntaxIncomplete = 94;
inline constexpr int UzDirectNotAllowed = 95;
inline constexpr int NotOnThisTable = 100;
inline constexpr int PtSyntax = 120;
inline constexpr int InvalidPlayTable = 121;
} // namespace SystemMessage

struct SystemMessageText {
    int number = 0;
    // Most texts begin with a blank, since they follow the player and line number directly;
    // "\r" is a line break.
    BilingualText text;
};

// Every message of the table, in ascending order of number.
std::span<const SystemMessageText> systemMessages();

// The message with this number; none for a number the table does not hold (the caller shows
// the internal-error box for it).
const SystemMessageText* findSystemMessage(int number);

} // namespace quendra
