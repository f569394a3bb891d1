// The data display of the MESSAGE statement as the host shows it.
#include "systemplay/DataDisplay.h"

namespace quendra {
namespace {

constexpr BilingualText Caption{"Datenanzeige", "Data display"};
constexpr BilingualText PlayerWord{"Spieler", "Player"};
constexpr BilingualText FileWord{"Datei : ", "File : "};
constexpr BilingualText StakeWord{"Einsatz: ", "Bet: "};
constexpr std::string_view ValueSeparator = " :  ";
constexpr std::size_t EntriesPerLine = 10;

std::string riseTableValue(const DataDisplayItem& item, Language language) {
    std::string value = std::to_string(item.step) + " / ";
    if (item.step == 0 || !item.stake) {
        return value + "--";
    }
    return value + std::string(StakeWord[language]) + std::to_string(*item.stake);
}

std::string argumentsValue(const DataDisplayItem& item) {
    std::string value = item.entries.size() > EntriesPerLine ? "\r" : "";
    for (std::size_t i = 0; i < item.entries.size(); ++i) {
        if (i > 0) {
            value += i % EntriesPerLine == 0 ? "\r" : ",";
        }
        value += item.entries[i];
    }
    return value;
}

std::string itemValue(const DataDisplayItem& item, Language language) {
    switch (item.kind) {
    case DataDisplayItem::Kind::RiseTable:
        return riseTableValue(item, language);
    case DataDisplayItem::Kind::Arguments:
        return argumentsValue(item);
    default:
        return item.value;
    }
}

// The file name after the last "\" or "/", whichever the path was written with.
std::string_view fileNameOf(std::string_view path) {
    const std::size_t slash = path.find_last_of("\\/");
    return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

} // namespace

std::string dataDisplayCaption(Language language) {
    return std::string(Caption[language]) + " - Quendra";
}

std::string dataDisplayText(const DataDisplay& display, int player, std::string_view systemFile,
                            Language language) {
    std::vector<std::string> lines{
        std::string(PlayerWord[language]) + ": " + std::to_string(player),
        std::string(FileWord[language]) + std::string(fileNameOf(systemFile)),
        "",
    };
    for (const DataDisplayItem& item : display.items) {
        if (item.kind != DataDisplayItem::Kind::Text) {
            lines.push_back(item.written + std::string(ValueSeparator) + itemValue(item, language));
            continue;
        }
        if (&item != &display.items.front()) {
            lines.emplace_back();
        }
        lines.push_back(item.written);
        lines.emplace_back();
    }
    std::string text = lines.front();
    for (std::size_t i = 1; i < lines.size(); ++i) {
        text += "\r" + lines[i];
    }
    return text;
}

} // namespace quendra
