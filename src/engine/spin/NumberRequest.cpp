// The number request's modes, ranges and list inputs, and the check of a typed value.
#include "spin/NumberRequest.h"

#include <array>
#include <charconv>

namespace quendra {
namespace {

constexpr std::array<std::string_view, 38> NumberItems{
    "0",  "1",  "2",  "3",  "4",  "5",  "6",  "7",  "8",  "9",  "10", "11", "12",
    "13", "14", "15", "16", "17", "18", "19", "20", "21", "22", "23", "24", "25",
    "26", "27", "28", "29", "30", "31", "32", "33", "34", "35", "36", "00"};
constexpr std::span<const std::string_view> DigitItems{NumberItems.data(), 10};

constexpr BilingualText RouletteNumberLabel{"Roulettezahl", "Roulette number"};
constexpr BilingualText SuperShortLabel{"Superkurzspielzähler", "Supershortgamecounter"};
constexpr BilingualText SuperShortInfo{"(0 = unendlich)", "(0 = infinite)"};

BilingualText captionOf(NumberRequestPurpose purpose) {
    switch (purpose) {
    case NumberRequestPurpose::Finale:
        return {"Finale festlegen", "determine Finale"};
    case NumberRequestPurpose::OneNeighbour:
        return {"1 Nachbar setzen", "set 1 neighbour"};
    case NumberRequestPurpose::TwoNeighbours:
        return {"2 Nachbarn setzen", "set 2 neighbours"};
    case NumberRequestPurpose::ThreeNeighbours:
        return {"3 Nachbarn setzen", "set 3 neighbours"};
    case NumberRequestPurpose::SuperShortGame:
        break;
    }
    return {"Superkurzspiel", "Supershortgame"};
}

} // namespace

NumberRequest numberRequestFor(NumberRequestPurpose purpose, TableType table) {
    NumberRequest request;
    request.caption = captionOf(purpose);
    if (purpose == NumberRequestPurpose::SuperShortGame) {
        request.mode = 1;
        request.highest = SuperShortGameMaximum;
        request.label = SuperShortLabel;
        request.info = SuperShortInfo;
        return request;
    }
    request.label = RouletteNumberLabel;
    // The neighbour bets take any number of the table, 37 being the double zero.
    request.highest = purpose == NumberRequestPurpose::Finale ? 9 : pocketCount(table) - 1;
    if (table == TableType::American) {
        request.input = purpose == NumberRequestPurpose::Finale ? NumberRequestInput::DigitList
                                                                : NumberRequestInput::NumberList;
    }
    return request;
}

std::span<const std::string_view> listItems(NumberRequestInput input) {
    switch (input) {
    case NumberRequestInput::NumberList:
        return NumberItems;
    case NumberRequestInput::DigitList:
        return DigitItems;
    case NumberRequestInput::SpinEdit:
        break;
    }
    return {};
}

std::optional<int> listValue(NumberRequestInput input, int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= listItems(input).size()) {
        return std::nullopt;
    }
    return index;
}

bool acceptsKey(char key) {
    constexpr char Backspace = '\b';
    return (key >= '0' && key <= '9') || key == Backspace;
}

std::optional<int> spinEditValue(const NumberRequest& request, std::string_view text) {
    int value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc{} || stop != end || value < request.lowest ||
        value > request.highest) {
        return std::nullopt;
    }
    return value;
}

std::string rangeErrorText(const NumberRequest& request, Language language) {
    const std::string range =
        " (" + std::to_string(request.lowest) + "-" + std::to_string(request.highest) + ")!";
    return std::string(language == Language::German ? "Falscher Wertebereich" : "Wrong range") +
           range;
}

} // namespace quendra
