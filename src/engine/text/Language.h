// The user-interface language and the German/English text pairs every visible text is made of.
#pragma once

#include <cstdint>
#include <string_view>

namespace quendra {

// The values are the stored setting and the index into every language table.
enum class Language : std::uint8_t { German = 0, English = 1 };

// The stored setting reads 0 as German and any other value as English.
constexpr Language languageFromIndex(int index) {
    return index == 0 ? Language::German : Language::English;
}

// A value outside the enumeration reads as English, as the stored setting does.
constexpr int languageIndex(Language language) {
    return language == Language::German ? 0 : 1;
}

// A fixed text in both languages, German first; tables of them are constexpr.
struct BilingualText {
    std::string_view german;
    std::string_view english;

    constexpr std::string_view operator[](Language language) const {
        return language == Language::German ? german : english;
    }
};

} // namespace quendra
