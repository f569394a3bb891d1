// The numbered messages a system run raises, with their German and English texts.
#pragma once

#include "text/Language.h"

#include <span>

namespace quendra {

// Message numbers by name, added as the statements that raise them are written.
namespace SystemMessage {
inline constexpr int InvalidSection = 0;
inline constexpr int NumericExpected = 2;
inline constexpr int InvalidCounter = 8;
inline constexpr int InvalidUnitRiseTable = 32;
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
