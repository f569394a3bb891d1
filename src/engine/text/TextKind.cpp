// Text lookup for the status-bar text kinds.
#include "text/TextKind.h"

namespace quendra {

std::string_view textKindText(TextKind kind, Language language) {
    const auto index = static_cast<std::size_t>(kind) * 2 + languageIndex(language);
    return index < TextKindTexts.size() ? TextKindTexts[index] : std::string_view{};
}

std::string barText(TextKind kind, Language language, int freeValue) {
    if (kind == TextKind::gkFreeValue) {
        return std::to_string(freeValue);
    }
    return std::string(textKindText(kind, language));
}

} // namespace quendra
