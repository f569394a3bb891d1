// The number request: what each caller asks for (a roulette number, a final digit or a
// super-short-game count), which input the dialog offers, and how an entry is checked.
#pragma once

#include "table/BetField.h"
#include "text/Language.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace quendra {

enum class NumberRequestPurpose : std::uint8_t {
    Finale,
    OneNeighbour,
    TwoNeighbours,
    ThreeNeighbours,
    SuperShortGame,
};

// How the dialog takes the value: the spin edit, or on the American table a list whose item
// index is the value (so "00" gives 37).
enum class NumberRequestInput : std::uint8_t { SpinEdit, NumberList, DigitList };

struct NumberRequest {
    BilingualText caption;
    int mode = 0; // 0 roulette number or digit, 1 super-short-game count
    int lowest = 0;
    int highest = 0;
    NumberRequestInput input = NumberRequestInput::SpinEdit;
    BilingualText label;               // "Roulettezahl" or "Superkurzspielzähler"
    std::optional<BilingualText> info; // "(0 = unendlich)" in mode 1, hidden in mode 0
};

inline constexpr int SuperShortGameMaximum = 32000;

// The request a caller makes on the given table.
NumberRequest numberRequestFor(NumberRequestPurpose purpose, TableType table);

// The items of a list input: "0" ... "36", "00", or "0" ... "9"; empty for the spin edit.
std::span<const std::string_view> listItems(NumberRequestInput input);
// The value of a list item; nullopt for an index the list does not hold.
std::optional<int> listValue(NumberRequestInput input, int index);

// Typing into the spin edit accepts digits and backspace only.
bool acceptsKey(char key);
// The value of the spin edit's text; nullopt when it is not a whole number in the request's
// range (the caller shows rangeErrorText and returns the focus to the edit).
std::optional<int> spinEditValue(const NumberRequest& request, std::string_view text);

// "Falscher Wertebereich (0-36)!" / "Wrong range (0-36)!", shown in a box titled by
// RangeErrorTitle with the error icon.
std::string rangeErrorText(const NumberRequest& request, Language language);
inline constexpr BilingualText RangeErrorTitle{"Eingabefehler", "Input mistake"};

} // namespace quendra
